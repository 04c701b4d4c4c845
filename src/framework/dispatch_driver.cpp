#include "framework/dispatch_driver.h"

#include <oleauto.h>

#include "framework/dispatch_error.h"

std::wstring CVariant::Text() const {
    if (m_value.vt != VT_BSTR || m_value.bstrVal == nullptr) {
        return std::wstring();
    }
    return std::wstring(m_value.bstrVal, SysStringLen(m_value.bstrVal));
}

void COleDispatchDriver::InvokeMethod(DISPID id, const std::wstring& text) {
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_BSTR;
    argument.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    try {
        Invoke(id, DISPATCH_METHOD, &argument, 1, nullptr);
    } catch (...) {
        VariantClear(&argument);
        throw;
    }
    VariantClear(&argument);
}

void COleDispatchDriver::InvokeMethod(DISPID id, long number, CVariant& result) {
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_I4;
    argument.lVal = number;
    Invoke(id, DISPATCH_METHOD, &argument, 1, result.Get());
}

double COleDispatchDriver::GetPropertyDouble(DISPID id) {
    CVariant result;
    Invoke(id, DISPATCH_PROPERTYGET, nullptr, 0, result.Get());
    if (m_lpDispatch == nullptr) {
        return 0.0;
    }
    HRESULT converted = VariantChangeType(result.Get(), result.Get(), 0, VT_R8);
    if (FAILED(converted)) {
        throw CDispatchError(converted);
    }
    return result.Value().dblVal;
}

std::wstring COleDispatchDriver::GetPropertyText(DISPID id) {
    CVariant result;
    Invoke(id, DISPATCH_PROPERTYGET, nullptr, 0, result.Get());
    if (m_lpDispatch == nullptr) {
        return std::wstring();
    }
    HRESULT converted = VariantChangeType(result.Get(), result.Get(), 0, VT_BSTR);
    if (FAILED(converted)) {
        throw CDispatchError(converted);
    }
    return result.Text();
}

void COleDispatchDriver::Invoke(DISPID id, WORD flags, VARIANT* arguments, UINT count,
                                VARIANT* result) {
    if (m_lpDispatch == nullptr) {
        return;
    }
    // Invoke takes the arguments last to first; every call here has at most one.
    DISPPARAMS parameters{arguments, nullptr, count, 0};
    EXCEPINFO exception{};
    UINT badArgument = 0;
    HRESULT outcome = m_lpDispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters,
                                           result, &exception, &badArgument);
    if (outcome == DISP_E_EXCEPTION) {
        SysFreeString(exception.bstrSource);
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrHelpFile);
    }
    if (FAILED(outcome)) {
        throw CDispatchError(outcome);
    }
}
