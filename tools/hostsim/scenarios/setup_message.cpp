#include <windows.h>

#include <cstdio>
#include <string>

#include "checks.h"
#include "plugin_loader.h"
#include "scenarios/scenarios.h"
#include "ui_driver.h"

namespace {

const char kSetupText[] = "No additional setup for this plugin";

// The operator: waits for the box, reads it, photographs it and presses OK.
DWORD WINAPI Operator(void*) {
    HWND box = WaitForDialogContaining(kSetupText, 10000);
    Check(box != nullptr, "SetupSet0 shows a message box");
    if (box == nullptr) {
        std::printf("FAIL no message box appeared; giving up\n");
        FinishChecks();
        ExitProcess(1);
    }
    CheckEqual(DialogItemText(box, 0xFFFF), kSetupText, "the box says there is nothing to set up");
    std::printf("caption: \"%s\"\n", WindowText(box).c_str());
    Check(!WindowText(box).empty(), "the box has the system's default caption");
    Check(GetWindow(box, GW_OWNER) == nullptr, "the box is owned by no window");
    Check(GetDlgItem(box, IDOK) != nullptr && GetDlgItem(box, IDCANCEL) == nullptr,
          "the box has an OK button only");
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(300);
    Check(SaveWindowBitmap(box, ArtifactPath("setup-message.bmp")), "screenshot of the box saved");
    ClickDialogButton(box, IDOK);
    return 0;
}

}  // namespace

void RunSetupMessage(LoadedPlugin& plugin) {
    HANDLE operatorThread = CreateThread(nullptr, 0, Operator, nullptr, 0, nullptr);
    DWORD start = GetTickCount();
    plugin.Api().setupSet();  // modal: returns once the operator pressed OK
    DWORD elapsed = GetTickCount() - start;
    WaitForSingleObject(operatorThread, 10000);
    CloseHandle(operatorThread);
    Check(elapsed < 10000, "SetupSet0 returns after OK (" + std::to_string(elapsed) + " ms)");
}
