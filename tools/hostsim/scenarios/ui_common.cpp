#include "scenarios/ui_common.h"

#include <cstdio>

#include "checks.h"
#include "message_pump.h"
#include "plugin_loader.h"

void WaitForCommands(const FakeHost& host, std::size_t count, DWORD timeoutMs) {
    PumpUntil([&] { return host.Commands().size() >= count; }, timeoutMs);
    PumpMessagesFor(500);
}

void CheckCommandsSince(const FakeHost& host, std::size_t from,
                        const std::vector<std::string>& expected, const std::string& what) {
    std::vector<std::string> all = host.Commands();
    std::string got;
    std::string wanted;
    for (std::size_t i = from; i < all.size(); ++i) {
        got += (got.empty() ? "" : " ") + all[i];
    }
    for (const std::string& command : expected) {
        wanted += (wanted.empty() ? "" : " ") + command;
    }
    CheckEqual(got, wanted, what);
}

namespace {

DWORD WINAPI UnloadPlugin(void* plugin) {
    static_cast<LoadedPlugin*>(plugin)->Unload();
    return 0;
}

}  // namespace

void CheckUnloadWithin(LoadedPlugin& plugin, DWORD limitMs, const std::string& what) {
    DWORD start = GetTickCount();
    HANDLE unloader = CreateThread(nullptr, 0, UnloadPlugin, &plugin, 0, nullptr);
    // Deliberately no message pumping here: a host inside FreeLibrary serves nothing.
    DWORD waited = WaitForSingleObject(unloader, 10000);
    DWORD elapsed = GetTickCount() - start;
    if (waited != WAIT_OBJECT_0) {
        Check(false, what + ": FreeLibrary has not returned after 10 s");
        FinishChecks();
        std::fflush(stdout);
        TerminateProcess(GetCurrentProcess(), 3);
    }
    CloseHandle(unloader);
    Check(elapsed < limitMs, what + " (" + std::to_string(elapsed) + " ms)");
}

void CheckHostReleased(FakeHost& host) {
    host.StopRunning();
    PumpUntil([&] { return host.References() == 1; }, 3000);
    CheckEqual(host.References(), 1, "the plug-in released the host's object");
}

POINT WindowOrigin(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return POINT{rect.left, rect.top};
}

std::string DescribePoint(POINT point) {
    return "(" + std::to_string(point.x) + ", " + std::to_string(point.y) + ")";
}
