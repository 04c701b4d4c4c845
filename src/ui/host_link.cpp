#include "ui/host_link.h"

#include <objbase.h>
#include <oleauto.h>

#include "framework/wide_text.h"

IDispatch* g_hostDispatch = nullptr;
CHostApp g_hostApp;

namespace {

const DISPID kGetFrequency = 2;
const DISPID kGetModeName = 7;
const DISPID kGetFieldText = 8;
const DISPID kSendCommand = 16;

std::wstring Wide(const std::string& text) {
    return WideFromCodePage(text, CP_ACP);
}

std::string Narrow(const std::wstring& text) {
    return CodePageFromWide(text, CP_ACP);
}

}  // namespace

void CHostApp::SendCommand(const std::string& command) {
    InvokeMethod(kSendCommand, Wide(command));
}

std::string CHostApp::GetFieldText(int index) {
    CVariant field;
    InvokeMethod(kGetFieldText, index, field);
    return Narrow(field.Text());
}

double CHostApp::GetFrequency() {
    return GetPropertyDouble(kGetFrequency);
}

std::string CHostApp::GetModeName() {
    return Narrow(GetPropertyText(kGetModeName));
}

bool ConnectToHost() {
    bool comReady = SUCCEEDED(CoInitialize(nullptr));
    // An interface from an earlier UI thread belongs to that thread's apartment.
    g_hostDispatch = nullptr;
    CLSID hostClass;
    IUnknown* running = nullptr;
    if (comReady && SUCCEEDED(CLSIDFromProgID(L"Zolt2.Application", &hostClass)) &&
        SUCCEEDED(GetActiveObject(hostClass, nullptr, &running)) && running != nullptr) {
        void* dispatch = nullptr;
        if (FAILED(running->QueryInterface(IID_IDispatch, &dispatch))) {
            dispatch = nullptr;
        }
        g_hostDispatch = static_cast<IDispatch*>(dispatch);
        running->Release();
    }
    g_hostApp.AttachDispatch(g_hostDispatch);
    return comReady;
}

IDispatch* TakeHostDispatch() {
    IDispatch* dispatch = g_hostDispatch;
    g_hostDispatch = nullptr;
    g_hostApp.AttachDispatch(nullptr);
    return dispatch;
}
