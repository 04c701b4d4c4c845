#pragma once
// 8-bit texts to and from the UTF-16 that the wide window functions and
// automation strings use. The plug-in's texts are in the ANSI code page; its
// Russian ones are in code page 1251 whatever the system's code page is.

#include <windows.h>

#include <string>

std::wstring WideFromCodePage(const std::string& text, UINT codePage);
std::string CodePageFromWide(const std::wstring& text, UINT codePage);
