#pragma once
// Pieces shared by the scenarios that drive the plug-in's UI thread.

#include <windows.h>

#include <string>
#include <vector>

#include "fake_host.h"

class LoadedPlugin;

// The host's thread is a single-threaded COM apartment, as the host's is.
class HostApartment {
public:
    HostApartment() : m_result(CoInitialize(nullptr)) {}
    ~HostApartment() {
        if (SUCCEEDED(m_result)) {
            CoUninitialize();
        }
    }
    HostApartment(const HostApartment&) = delete;
    HostApartment& operator=(const HostApartment&) = delete;
    bool Ok() const { return SUCCEEDED(m_result); }

private:
    HRESULT m_result;
};

// Waits (pumping) until the host has at least `count` commands, then a little
// longer so that a surplus command would show up too.
void WaitForCommands(const FakeHost& host, std::size_t count, DWORD timeoutMs);
// The commands received since the first `from` ones equal `expected`.
void CheckCommandsSince(const FakeHost& host, std::size_t from,
                        const std::vector<std::string>& expected, const std::string& what);

// FreeLibrary the way a host unloads a plug-in: on its own thread, which
// cannot serve messages meanwhile. Checks it returns within the limit, and
// ends the process (rather than hang the run) when it never does.
void CheckUnloadWithin(LoadedPlugin& plugin, DWORD limitMs, const std::string& what);

// After the plug-in is gone: takes the host out of the running object table
// and checks that no reference the plug-in took on it is left behind.
void CheckHostReleased(FakeHost& host);

// The window's top-left corner on the screen.
POINT WindowOrigin(HWND window);
std::string DescribePoint(POINT point);
