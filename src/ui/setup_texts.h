#pragma once
// The Setup window's texts in English and in Russian. All are code page 1251
// bytes (the English ones plain ASCII), turned into UTF-16 when shown, so the
// Russian texts read right whatever the system's ANSI code page is.

struct SetupTexts {
    const char* titleFormat;  // one %s: the contest year; empty: no title
    const char* toDisplay;
    const char* choiceMode;
    const char* dxcc;
    const char* extendedDxcc;
    const char* windowOnTop;
    const char* clubMember;
};

const SetupTexts& SetupTextsFor(bool russian);
