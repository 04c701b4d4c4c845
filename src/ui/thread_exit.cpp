#include "ui/thread_exit.h"

#include <objbase.h>

// Why this is written this way: the module may be unloaded by FreeLibrary the
// moment `finished` is set, because the unloading thread waits for exactly
// that. From then on no instruction of this module may run on this thread,
// not even a return from SetEvent. So the thread jumps into SetEvent with a
// hand-built stack whose return addresses lead straight on, inside the
// system's own libraries, to IDispatch::Release (a COM proxy's code), then
// CoUninitialize and finally ExitThread. Each of them is __stdcall and pops
// its own arguments, so each "ret" lands on the next one with its arguments
// in place.
//
// Releasing the host's interface and leaving COM come after the signal for a
// second reason: both may need the host's thread to answer a cross-apartment
// call, and that thread may be the one waiting for the signal.
//
// The frame lives on this thread's own stack, which stays valid until
// ExitThread; the functions' addresses are taken from the import table before
// the jump.
void SignalAndExitThread(HANDLE finished, IDispatch* host, bool leaveCom, DWORD exitCode) {
    void* setEvent = reinterpret_cast<void*>(&SetEvent);
    void* release = host != nullptr ? (*reinterpret_cast<void***>(host))[2] : nullptr;
    void* coUninitialize = reinterpret_cast<void*>(&CoUninitialize);
    void* exitThread = reinterpret_cast<void*>(&ExitThread);

    // frame[0] is where the stack pointer goes: SetEvent's return address.
    void* frame[8];
    void** top = frame + 8;
    *--top = reinterpret_cast<void*>(static_cast<ULONG_PTR>(exitCode));  // ExitThread's argument
    *--top = nullptr;                                                    // ExitThread never returns
    void* next = exitThread;
    if (leaveCom) {
        *--top = next;  // CoUninitialize returns into it; no arguments
        next = coUninitialize;
    }
    if (release != nullptr) {
        *--top = host;  // Release's "this"
        *--top = next;  // Release returns into it
        next = release;
    }
    *--top = finished;  // SetEvent's argument
    *--top = next;      // SetEvent returns into it
    asm volatile(
        "movl %0, %%esp\n\t"
        "jmp *%1"
        :
        : "r"(top), "r"(setEvent)
        : "memory");
    __builtin_unreachable();
}
