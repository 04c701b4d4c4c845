#pragma once
// The instance handle of the module this code was linked into (Stats.dll or a
// test program), for loading its own resources.

#include <windows.h>

HINSTANCE ModuleInstance();
