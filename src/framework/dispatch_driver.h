#pragma once
// Calls on an automation object by dispatch identifier through
// IDispatch::Invoke. The driver never adds or drops a reference of its own:
// whoever attaches the interface keeps it alive. With no interface attached
// every call does nothing and gives an empty result. A failed call throws
// CDispatchError.

#include <oaidl.h>
#include <windows.h>

#include <string>

// Owns one VARIANT and clears it when it goes.
class CVariant {
public:
    CVariant() { VariantInit(&m_value); }
    ~CVariant() { VariantClear(&m_value); }
    CVariant(const CVariant&) = delete;
    CVariant& operator=(const CVariant&) = delete;

    VARIANT* Get() { return &m_value; }
    const VARIANT& Value() const { return m_value; }
    // The string the variant holds, or empty when it holds none.
    std::wstring Text() const;

private:
    VARIANT m_value;
};

class COleDispatchDriver {
public:
    void AttachDispatch(IDispatch* dispatch) { m_lpDispatch = dispatch; }
    IDispatch* Dispatch() const { return m_lpDispatch; }

    void InvokeMethod(DISPID id, const std::wstring& text);
    void InvokeMethod(DISPID id, long number, CVariant& result);
    double GetPropertyDouble(DISPID id);
    std::wstring GetPropertyText(DISPID id);

private:
    // Invoke with the arguments in call order; result may be null.
    void Invoke(DISPID id, WORD flags, VARIANT* arguments, UINT count, VARIANT* result);

    IDispatch* m_lpDispatch = nullptr;
};
