#include "checks.h"

#include <cstdio>

namespace {
int g_passed = 0;
int g_failed = 0;
}  // namespace

void Check(bool ok, const std::string& what) {
    (ok ? g_passed : g_failed)++;
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    std::fflush(stdout);
}

void CheckEqual(const std::string& actual, const std::string& expected, const std::string& what) {
    bool ok = actual == expected;
    Check(ok, what + (ok ? "" : ": got \"" + actual + "\", expected \"" + expected + "\""));
}

void CheckEqual(long long actual, long long expected, const std::string& what) {
    bool ok = actual == expected;
    Check(ok, what + (ok ? ""
                         : ": got " + std::to_string(actual) + ", expected " +
                               std::to_string(expected)));
}

int FinishChecks() {
    std::printf("%d passed, %d failed\n", g_passed, g_failed);
    std::fflush(stdout);
    return g_failed == 0 && g_passed > 0 ? 0 : 1;
}
