#pragma once
// The function types of every export of Stats.dll, shared by the plug-in and by
// the programs that load it. All use the C calling convention (the caller
// removes the arguments) and 8-bit ANSI texts. This header includes nothing, so
// that the decorated names can be derived from it with any compiler.

class COleDateTime;

#if defined(_WIN32)
#define STATS_CALL __cdecl
#else
#define STATS_CALL
#endif

// AddData0 and RemoveData0: own call, worked call, QSO time, three unused
// times, an unused number, frequency in Hz, mode, RST sent, RST received,
// exchange sent, exchange received, the worked station's information block
// (ten texts, three ints, two doubles, three texts), band, and one unused text.
using AddDataFn = int STATS_CALL(const char*, const char*, COleDateTime*, COleDateTime*,
                                 COleDateTime*, COleDateTime*, unsigned int, unsigned int,
                                 const char*, const char*, const char*, const char*, const char*,
                                 const char*, const char*, const char*, const char*, const char*,
                                 const char*, const char*, const char*, const char*, const char*,
                                 int, int, int, double, double, const char*, const char*,
                                 const char*, const char*, const char*);
using RemoveDataFn = AddDataFn;

// Host folder, export request, own call, contest start and end, the operator's
// information block (ten texts, three ints, two doubles, three texts).
using ResetStatsFn = int STATS_CALL(const char*, int, const char*, COleDateTime*, COleDateTime*,
                                    const char*, const char*, const char*, const char*, const char*,
                                    const char*, const char*, const char*, const char*, const char*,
                                    int, int, int, double, double, const char*, const char*,
                                    const char*);

// Entered call, two unused numbers, mode, the entered call's information block
// (ten texts, three ints, two doubles, three texts), two unused texts, band,
// second band, and two output buffers that are never written.
using CheckCallFn = int STATS_CALL(const char*, unsigned int, unsigned int, const char*,
                                   const char*, const char*, const char*, const char*, const char*,
                                   const char*, const char*, const char*, const char*, const char*,
                                   int, int, int, double, double, const char*, const char*,
                                   const char*, const char*, const char*, const char*, const char*,
                                   char*, char*);

using IsValidExchgFn = int STATS_CALL(const char*, const char*, const char*, const char*, int, int,
                                      int);
using GetExchgCountFn = int STATS_CALL(const char*, const char*, const char*);
using GetNumberOfSetsFn = int STATS_CALL();
using GetSetNameFn = const char* STATS_CALL(int);
using GetResultFn = const char* STATS_CALL(int*);
using SetupSetFn = void STATS_CALL();
using SetVersionFn = unsigned long STATS_CALL(const char*);
