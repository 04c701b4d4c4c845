#pragma once
// A push button that paints itself: flat face in a colour chosen at run time,
// grey bevel, focus mark and a centred label. Clicks behave as for any push
// button and reach the parent as BN_CLICKED.

#include <memory>

#include "framework/button.h"
#include "windows/advanced_component.h"
#include "windows/drawn_object.h"

class CAdvancedButton : public CButton, public CAdvancedComponent {
public:
    // Shape values: only the rectangle exists.
    static constexpr int kShapeRectangle = 0;

    // Takes over the parent's control with that id; false (and nothing
    // changed) when the parent has no such control.
    bool AttachToDialogItem(int controlId, HWND parent, COLORREF faceColor, COLORREF labelColor,
                            COLORREF disabledLabelColor);
    void SetShape(int shape) { m_shape = shape; }
    void Refresh() override;

    COLORREF FaceColor() const { return m_faceColor; }

protected:
    void PreSubclassWindow() override;
    void DrawItem(const DRAWITEMSTRUCT* item) override;

private:
    std::unique_ptr<DrawnObject> MakePainter() const;

    COLORREF m_disabledLabelColor = 0;
    int m_shape = kShapeRectangle;
};
