#pragma once
// The link to the host's automation object "Zolt2.Application". Everything
// here runs on the UI thread, in whose apartment the interface was obtained.

#include <string>

#include "framework/dispatch_driver.h"

// The host's calls by dispatch identifier; every one throws CDispatchError
// when the host answers with an error, and does nothing without an interface.
class CHostApp : public COleDispatchDriver {
public:
    void SendCommand(const std::string& command);
    // Text of one of the host's entry fields (5: the callsign being typed).
    std::string GetFieldText(int index);
    double GetFrequency();  // Hz
    std::string GetModeName();
};

// The host's interface, one reference, null when the host is not running.
extern IDispatch* g_hostDispatch;
extern CHostApp g_hostApp;

// Joins a single-threaded COM apartment for the calling thread and looks up
// the running host once. Returns whether COM was initialised (the thread must
// then uninitialise it).
bool ConnectToHost();

// Hands over the host interface for release at the end of the thread and
// leaves the link empty.
IDispatch* TakeHostDispatch();
