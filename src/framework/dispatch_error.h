#pragma once
// A failed call on an automation object. It ends the message handler that made
// the call; the dialog procedure catches it there, so it never reaches Windows.

#include <windows.h>

class CDispatchError {
public:
    explicit CDispatchError(HRESULT result) : m_result(result) {}
    HRESULT Result() const { return m_result; }

private:
    HRESULT m_result;
};
