#include "fake_host.h"
#include "framework/wide_text.h"

#include <mutex>

// {6B1D2F0A-5C3E-4A7B-9D21-3F4E8A7C0B15}, made up for the simulator.
const CLSID kFakeHostClsid = {
    0x6b1d2f0a, 0x5c3e, 0x4a7b, {0x9d, 0x21, 0x3f, 0x4e, 0x8a, 0x7c, 0x0b, 0x15}};
const wchar_t kHostProgId[] = L"Zolt2.Application";

namespace {

std::string Narrow(const wchar_t* text, UINT length) {
    return CodePageFromWide(std::wstring(text, length), CP_ACP);
}

bool IsPropertyGet(WORD flags) {
    return (flags & DISPATCH_PROPERTYGET) != 0;
}

bool IsMethod(WORD flags) {
    return (flags & DISPATCH_METHOD) != 0;
}

}  // namespace

// The COM object itself. Its calls run on the thread that registered it.
class HostAutomation final : public IDispatch {
public:
    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
            *object = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&m_references); }
    ULONG STDMETHODCALLTYPE Release() override {
        LONG left = InterlockedDecrement(&m_references);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // IDispatch: no type information; callers go by DISPID.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispid, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT*) override {
        std::lock_guard<std::mutex> hold(m_lock);
        auto failure = m_failures.find(dispid);
        if (failure != m_failures.end() && failure->second != S_OK) {
            // A refused call is not carried out, so SendCommand records nothing.
            m_calls.push_back({dispid, flags, true});
            return Refuse(failure->second, exception);
        }
        HRESULT outcome = Answer(dispid, flags, params, result);
        m_calls.push_back({dispid, flags, SUCCEEDED(outcome)});
        return outcome;
    }

    HostAnswers answers;
    mutable std::mutex m_lock;
    std::vector<std::string> m_commands;
    std::vector<HostCall> m_calls;
    std::vector<int> m_fieldIndexes;
    std::map<DISPID, HRESULT> m_failures;

private:
    ~HostAutomation() = default;

    static HRESULT Refuse(HRESULT error, EXCEPINFO* exception) {
        if (error == DISP_E_EXCEPTION && exception != nullptr) {
            *exception = EXCEPINFO();
            exception->scode = E_FAIL;
            exception->bstrDescription = SysAllocString(L"the host refused the call");
        }
        return error;
    }

    HRESULT Answer(DISPID dispid, WORD flags, DISPPARAMS* params, VARIANT* result) {
        UINT argumentCount = params != nullptr ? params->cArgs : 0;
        switch (dispid) {
            case host_dispid::kSendCommand:
                if (!IsMethod(flags)) {
                    return DISP_E_MEMBERNOTFOUND;
                }
                if (argumentCount != 1) {
                    return DISP_E_BADPARAMCOUNT;
                }
                return RecordCommand(params->rgvarg[0]);
            case host_dispid::kFieldText:
                if (!IsMethod(flags)) {
                    return DISP_E_MEMBERNOTFOUND;
                }
                if (argumentCount != 1) {
                    return DISP_E_BADPARAMCOUNT;
                }
                return AnswerFieldText(params->rgvarg[0], result);
            case host_dispid::kFrequency:
                if (!IsPropertyGet(flags) || argumentCount != 0) {
                    return DISP_E_MEMBERNOTFOUND;
                }
                if (result != nullptr) {
                    VariantInit(result);
                    result->vt = VT_R8;
                    result->dblVal = answers.frequencyHz;
                }
                return S_OK;
            case host_dispid::kModeName:
                if (!IsPropertyGet(flags) || argumentCount != 0) {
                    return DISP_E_MEMBERNOTFOUND;
                }
                if (result != nullptr) {
                    VariantInit(result);
                    result->vt = VT_BSTR;
                    result->bstrVal = SysAllocString(answers.modeName.c_str());
                }
                return S_OK;
            default:
                return DISP_E_MEMBERNOTFOUND;
        }
    }

    HRESULT RecordCommand(VARIANT& argument) {
        VARIANT text;
        VariantInit(&text);
        if (FAILED(VariantChangeType(&text, &argument, 0, VT_BSTR))) {
            return DISP_E_TYPEMISMATCH;
        }
        m_commands.push_back(Narrow(text.bstrVal, SysStringLen(text.bstrVal)));
        VariantClear(&text);
        return S_OK;
    }

    HRESULT AnswerFieldText(VARIANT& argument, VARIANT* result) {
        VARIANT index;
        VariantInit(&index);
        if (FAILED(VariantChangeType(&index, &argument, 0, VT_I4))) {
            return DISP_E_TYPEMISMATCH;
        }
        m_fieldIndexes.push_back(index.lVal);
        if (result == nullptr) {
            return S_OK;
        }
        VariantInit(result);
        if (index.lVal == 5 && answers.entryLineEmpty) {
            return S_OK;  // VT_EMPTY
        }
        result->vt = VT_BSTR;
        result->bstrVal = SysAllocString(index.lVal == 5 ? answers.entryLineCall.c_str() : L"");
        return S_OK;
    }

    LONG m_references = 1;
};

bool RegisterHostProgId() {
    wchar_t clsidText[64] = {};
    StringFromGUID2(kFakeHostClsid, clsidText, 64);
    std::wstring keyPath = std::wstring(kHostProgId) + L"\\CLSID";
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, keyPath.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    DWORD bytes = static_cast<DWORD>((wcslen(clsidText) + 1) * sizeof(wchar_t));
    LONG written =
        RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(clsidText), bytes);
    RegCloseKey(key);
    CLSID found = {};
    return written == ERROR_SUCCESS && SUCCEEDED(CLSIDFromProgID(kHostProgId, &found)) &&
           IsEqualCLSID(found, kFakeHostClsid);
}

void UnregisterHostProgId() {
    std::wstring keyPath = std::wstring(kHostProgId) + L"\\CLSID";
    RegDeleteKeyW(HKEY_CLASSES_ROOT, keyPath.c_str());
    RegDeleteKeyW(HKEY_CLASSES_ROOT, kHostProgId);
}

FakeHost::FakeHost() : m_object(new HostAutomation) {}

FakeHost::~FakeHost() {
    StopRunning();
    m_object->Release();
}

bool FakeHost::StartRunning() {
    if (m_cookie != 0) {
        return true;
    }
    if (!RegisterHostProgId()) {
        return false;
    }
    return SUCCEEDED(
               RegisterActiveObject(m_object, kFakeHostClsid, ACTIVEOBJECT_STRONG, &m_cookie)) &&
           m_cookie != 0;
}

void FakeHost::StopRunning() {
    if (m_cookie != 0) {
        RevokeActiveObject(m_cookie, nullptr);
        m_cookie = 0;
    }
}

HostAnswers& FakeHost::Answers() {
    return m_object->answers;
}

void FakeHost::FailDispid(DISPID dispid, HRESULT error) {
    std::lock_guard<std::mutex> hold(m_object->m_lock);
    m_object->m_failures[dispid] = error;
}

std::vector<std::string> FakeHost::Commands() const {
    std::lock_guard<std::mutex> hold(m_object->m_lock);
    return m_object->m_commands;
}

std::vector<HostCall> FakeHost::Calls() const {
    std::lock_guard<std::mutex> hold(m_object->m_lock);
    return m_object->m_calls;
}

int FakeHost::RefusedCalls() const {
    int refused = 0;
    for (const HostCall& call : Calls()) {
        refused += call.accepted ? 0 : 1;
    }
    return refused;
}

std::vector<int> FakeHost::FieldIndexes() const {
    std::lock_guard<std::mutex> hold(m_object->m_lock);
    return m_object->m_fieldIndexes;
}

long FakeHost::References() const {
    m_object->AddRef();
    return static_cast<long>(m_object->Release());
}
