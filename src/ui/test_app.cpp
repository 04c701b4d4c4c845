// The module's application object and entry point.

#include <windows.h>

#include "framework/win_app.h"
#include "ui/ui_thread.h"

namespace {

// Unloading waits at most this long for the UI thread; closing the windows
// takes a few milliseconds.
const DWORD kUnloadLimitMs = 1500;

class CTestApp : public CWinApp {
public:
    int ExitInstance() override {
        // Called under the loader lock. The wait is safe there: everything the
        // UI thread does between the close request and its final signal
        // (ending the dialog, destroying its windows, freeing its objects)
        // needs neither the loader lock nor the host's thread; what does
        // (releasing the host's interface, leaving COM, the thread's own
        // exit) happens after the signal, outside this module's code.
        // The limit only runs out when the UI thread is inside a call to the
        // host at this moment: the host cannot answer it before FreeLibrary
        // returns, so waiting longer could never help.
        StopUiThreadWithin(kUnloadLimitMs);
        return CWinApp::ExitInstance();
    }
};

CTestApp theApp;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    switch (reason) {
        case DLL_PROCESS_ATTACH:
            DisableThreadLibraryCalls(instance);
            return theApp.InitInstance();
        case DLL_PROCESS_DETACH:
            // When the whole process ends (reserved not null) the system has
            // already ended the UI thread: there is nothing to close or wait for.
            if (reserved == nullptr) {
                theApp.ExitInstance();
            }
            return TRUE;
        default:
            return TRUE;
    }
}
