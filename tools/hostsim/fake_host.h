#pragma once
// The host's automation object as the plug-in meets it: the ProgID
// "Zolt2.Application" in the registry and a running instance in the running
// object table. It answers by DISPID only, records every call, and can be told
// what to answer or to fail. Create, register and revoke it on the simulator's
// main thread after CoInitialize; that thread must keep pumping messages while
// the plug-in may call, because the calls arrive from the plug-in's own
// apartment.

#include <windows.h>
// after windows.h, which it needs
#include <oleauto.h>

#include <map>
#include <string>
#include <vector>

namespace host_dispid {
constexpr DISPID kFrequency = 2;     // property get, Hz as a double
constexpr DISPID kModeName = 7;      // property get, text
constexpr DISPID kFieldText = 8;     // method (int index), variant
constexpr DISPID kSendCommand = 16;  // method (text)
}  // namespace host_dispid

// What the host answers; the scenarios change it between calls.
struct HostAnswers {
    std::wstring entryLineCall;   // GetFieldText(5)
    bool entryLineEmpty = false;  // answer VT_EMPTY instead of a string
    double frequencyHz = 14080000.0;
    std::wstring modeName = L"RTTY";
};

// One Invoke as the host saw it.
struct HostCall {
    DISPID dispid;
    WORD flags;
    bool accepted;  // false: wrong kind of call or arguments for this DISPID
};

class HostAutomation;

class FakeHost {
public:
    FakeHost();
    ~FakeHost();
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    // Writes the ProgID and puts the object into the running object table.
    bool StartRunning();
    // Takes the object out of the running object table (the ProgID stays, as
    // for a host that is installed but not running).
    void StopRunning();
    bool IsRunning() const { return m_cookie != 0; }

    HostAnswers& Answers();
    // Answer this DISPID with an error from now on (S_OK clears it).
    void FailDispid(DISPID dispid, HRESULT error);

    // Every command text received through SendCommand, in order.
    std::vector<std::string> Commands() const;
    std::vector<HostCall> Calls() const;
    // Calls refused because their kind or arguments did not fit the DISPID.
    int RefusedCalls() const;
    // Index arguments GetFieldText was called with, in order.
    std::vector<int> FieldIndexes() const;
    // References held on the object, the simulator's own one included: 1 once
    // it is out of the running object table and nobody else holds it.
    long References() const;

private:
    HostAutomation* m_object;
    DWORD m_cookie = 0;
};

// The class identifier the fake host registers its ProgID with.
extern const CLSID kFakeHostClsid;
extern const wchar_t kHostProgId[];

// Writes HKEY_CLASSES_ROOT\Zolt2.Application\CLSID; true when it is there.
bool RegisterHostProgId();
// Deletes the ProgID, as on a machine where the host was never installed.
void UnregisterHostProgId();
