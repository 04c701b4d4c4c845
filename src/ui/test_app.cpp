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
        // Called under the loader lock, so the UI thread must get to its final
        // signal without the system loading anything or looking up an entry
        // point. What it does after a close request (ending the dialog,
        // destroying its windows, freeing its objects) needs neither; what
        // does (releasing the host's interface, leaving COM, the thread's own
        // exit) happens after the signal, outside this module's code. A new
        // window's own first loads are over before ResetStats0 returns, and a
        // call the UI thread makes to the host meanwhile is answered while we
        // wait. The limit is for what remains: a UI thread the system makes
        // load something at this very moment. It could not go on before we
        // return anyway, and the module then goes with it still running.
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
