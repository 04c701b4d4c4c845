#pragma once
// The two colours of a drawn control; every change repaints it at once.

#include <windows.h>

class CAdvancedComponent {
public:
    virtual ~CAdvancedComponent() = default;

    virtual bool SetLabelColor(COLORREF color) {
        m_labelColor = color;
        Refresh();
        return true;
    }
    virtual bool SetFaceColor(COLORREF color) {
        m_faceColor = color;
        Refresh();
        return true;
    }
    virtual void Refresh() = 0;

protected:
    COLORREF m_faceColor = 0;
    COLORREF m_labelColor = 0;
};
