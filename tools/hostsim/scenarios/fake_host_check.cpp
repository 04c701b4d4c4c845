// The simulator's automation object on its own, reached the way the plug-in
// reaches it: from another thread's apartment, through the ProgID and the
// running object table, by DISPID. The plug-in's scenarios rely on it, so it
// is proven first.

#include <windows.h>
// after windows.h, which it needs
#include <oleauto.h>

#include <string>

#include "checks.h"
#include "fake_host.h"
#include "message_pump.h"
#include "scenarios/scenarios.h"
#include "scenarios/ui_common.h"

namespace {

struct ClientResult {
    HRESULT lookup = E_FAIL;
    HRESULT send = E_FAIL;
    HRESULT field = E_FAIL;
    VARTYPE fieldType = VT_NULL;
    std::wstring fieldText;
    VARTYPE emptyFieldType = VT_NULL;
    HRESULT frequency = E_FAIL;
    double frequencyHz = 0;
    HRESULT mode = E_FAIL;
    std::wstring modeName;
    HRESULT refused = S_OK;
    HRESULT wrongKind = S_OK;
};

struct ClientJob {
    FakeHost* host;
    ClientResult result;
};

HRESULT CallMethod(IDispatch* object, DISPID dispid, VARIANT* argument, VARIANT* result) {
    DISPPARAMS params = {argument, nullptr, argument != nullptr ? 1u : 0u, 0};
    return object->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result,
                          nullptr, nullptr);
}

HRESULT GetProperty(IDispatch* object, DISPID dispid, VARIANT* result) {
    DISPPARAMS params = {nullptr, nullptr, 0, 0};
    return object->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &params,
                          result, nullptr, nullptr);
}

HRESULT SendCommand(IDispatch* object, const wchar_t* text) {
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_BSTR;
    argument.bstrVal = SysAllocString(text);
    HRESULT outcome = CallMethod(object, host_dispid::kSendCommand, &argument, nullptr);
    VariantClear(&argument);
    return outcome;
}

HRESULT FieldText(IDispatch* object, int index, VARIANT* result) {
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_I4;
    argument.lVal = index;
    VariantInit(result);
    return CallMethod(object, host_dispid::kFieldText, &argument, result);
}

// What the plug-in's UI thread does: its own apartment, lookup, calls.
DWORD WINAPI PluginSideClient(void* param) {
    auto* job = static_cast<ClientJob*>(param);
    ClientResult& r = job->result;
    CoInitialize(nullptr);
    CLSID clsid = {};
    IUnknown* running = nullptr;
    IDispatch* host = nullptr;
    r.lookup = CLSIDFromProgID(kHostProgId, &clsid);
    if (SUCCEEDED(r.lookup)) {
        r.lookup = GetActiveObject(clsid, nullptr, &running);
    }
    if (SUCCEEDED(r.lookup)) {
        r.lookup = running->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&host));
        running->Release();
    }
    if (SUCCEEDED(r.lookup)) {
        r.send = SendCommand(host, L"<MODE:BPSK31>");
        if (SUCCEEDED(r.send)) {
            r.send = SendCommand(host, L"<BAUDRATE:63>");
        }
        VARIANT value;
        r.field = FieldText(host, 5, &value);
        r.fieldType = value.vt;
        if (value.vt == VT_BSTR) {
            r.fieldText = value.bstrVal;
        }
        VariantClear(&value);
        r.frequency = GetProperty(host, host_dispid::kFrequency, &value);
        r.frequencyHz = value.vt == VT_R8 ? value.dblVal : -1;
        VariantClear(&value);
        r.mode = GetProperty(host, host_dispid::kModeName, &value);
        if (value.vt == VT_BSTR) {
            r.modeName = value.bstrVal;
        }
        VariantClear(&value);
        // Between calls the host is told to answer differently; the next
        // calls must see the change.
        r.wrongKind = GetProperty(host, host_dispid::kSendCommand, &value);
        VariantClear(&value);
        job->host->Answers().entryLineEmpty = true;
        FieldText(host, 5, &value);
        r.emptyFieldType = value.vt;
        VariantClear(&value);
        job->host->FailDispid(host_dispid::kSendCommand, DISP_E_EXCEPTION);
        r.refused = SendCommand(host, L"<SP1>");
        host->Release();
    }
    CoUninitialize();
    return 0;
}

ClientResult RunClient(FakeHost& host) {
    ClientJob job{&host, {}};
    HANDLE client = CreateThread(nullptr, 0, PluginSideClient, &job, 0, nullptr);
    bool ended = PumpUntilSignalled(client, 20000);
    Check(ended, "the plug-in-side client finishes while the host pumps");
    if (!ended) {
        FinishChecks();
        TerminateProcess(GetCurrentProcess(), 3);
    }
    CloseHandle(client);
    return job.result;
}

}  // namespace

void RunFakeHostCheck(LoadedPlugin&) {
    HostApartment apartment;
    Check(apartment.Ok(), "the host's thread is a COM apartment");
    FakeHost host;
    host.Answers().entryLineCall = L"UA9ABC";
    host.Answers().frequencyHz = 7035250.0;
    host.Answers().modeName = L"BPSK63";
    Check(host.StartRunning(), "the host registers its ProgID and its running object");

    ClientResult r = RunClient(host);
    Check(SUCCEEDED(r.lookup), "another apartment finds the running host by its ProgID");
    Check(SUCCEEDED(r.send), "SendCommand (DISPID 16) is accepted");
    CheckCommandsSince(
        host, 0, {"<MODE:BPSK31>", "<BAUDRATE:63>"},
        "the host recorded the commands in order; the refused one is not among them");
    Check(SUCCEEDED(r.field) && r.fieldType == VT_BSTR && r.fieldText == L"UA9ABC",
          "GetFieldText(5) (DISPID 8) answers the entry line as a string variant");
    Check(r.emptyFieldType == VT_EMPTY, "told to, GetFieldText(5) answers an empty variant");
    Check(SUCCEEDED(r.frequency) && r.frequencyHz == 7035250.0,
          "the frequency (DISPID 2) comes as a double in Hz");
    Check(SUCCEEDED(r.mode) && r.modeName == L"BPSK63", "the mode name (DISPID 7) comes as text");
    Check(r.wrongKind == DISP_E_MEMBERNOTFOUND, "a property get of the command method is refused");
    Check(r.refused == DISP_E_EXCEPTION, "told to, the host answers SendCommand with an error");
    CheckEqual(static_cast<long long>(host.RefusedCalls()), 1,
               "the host counts the one call of the wrong kind");
    CheckEqual(static_cast<long long>(host.FieldIndexes().size()), 2,
               "the host recorded both GetFieldText calls");

    host.StopRunning();
    PumpMessagesFor(200);
    CheckEqual(host.References(), 1,
               "revoked, and released by its client, the object is held by nobody else");
    ClientResult gone = RunClient(host);
    Check(FAILED(gone.lookup), "with the object revoked, the lookup finds no running host");
    UnregisterHostProgId();
    CLSID clsid = {};
    Check(FAILED(CLSIDFromProgID(kHostProgId, &clsid)),
          "with the ProgID removed, it no longer resolves");
}
