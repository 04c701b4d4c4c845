#pragma once
// The simulator's own verdicts: each check prints one line, and the run ends
// with "N passed, N failed"; the exit code is non-zero when any check failed.

#include <string>

void Check(bool ok, const std::string& what);
void CheckEqual(const std::string& actual, const std::string& expected, const std::string& what);
void CheckEqual(long long actual, long long expected, const std::string& what);
// Prints the closing line; returns the process exit code.
int FinishChecks();
