#pragma once
// An operator on a second thread, for a call of the host's thread that opens a
// modal window (a dialog or a message box) and returns only once it is closed:
// waits for the window by its exact caption, reads and photographs it, and
// presses its OK button.

#include <windows.h>

#include <string>

struct ModalWatch {
    std::string caption;
    DWORD appearWithinMs = 10000;
    std::string screenshot;  // artifact file name of the BMP

    // What the operator saw.
    bool appeared = false;
    bool closed = false;  // gone after OK
    std::string text;     // the static text of a message box
    bool photographed = false;
};

class ModalOperator {
public:
    // Starts watching at once; `watch` must outlive Join().
    explicit ModalOperator(ModalWatch& watch);
    ~ModalOperator();
    ModalOperator(const ModalOperator&) = delete;
    ModalOperator& operator=(const ModalOperator&) = delete;

    // Waits for the operator to finish; call after the host's call returned.
    void Join();

private:
    static DWORD WINAPI Run(void* param);
    HANDLE m_thread = nullptr;
};
