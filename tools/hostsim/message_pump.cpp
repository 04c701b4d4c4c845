#include "message_pump.h"

namespace {

void DispatchWaiting() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

DWORD Elapsed(DWORD start) {
    return GetTickCount() - start;
}

}  // namespace

bool PumpUntilSignalled(HANDLE handle, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        DispatchWaiting();
        DWORD elapsed = Elapsed(start);
        if (elapsed >= timeoutMs) {
            return handle != nullptr && WaitForSingleObject(handle, 0) == WAIT_OBJECT_0;
        }
        DWORD count = handle != nullptr ? 1 : 0;
        DWORD woken =
            MsgWaitForMultipleObjectsEx(count, handle != nullptr ? &handle : nullptr,
                                        timeoutMs - elapsed, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (count == 1 && woken == WAIT_OBJECT_0) {
            return true;
        }
    }
}

void PumpMessagesFor(DWORD milliseconds) {
    PumpUntilSignalled(nullptr, milliseconds);
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (done()) {
            return true;
        }
        if (Elapsed(start) >= timeoutMs) {
            return done();
        }
        PumpMessagesFor(20);
    }
}
