#pragma once
// The application object of a dynamic library: the module's entry point calls
// InitInstance when the library is loaded and ExitInstance when it is unloaded
// by FreeLibrary (not when the whole process ends).

#include <windows.h>

class CWinApp {
public:
    virtual ~CWinApp() = default;
    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }
};
