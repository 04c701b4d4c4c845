#pragma once
// The Cabrillo header dialog: one text per control, exchanged with the
// controls when it opens and, after OK, when it closes. Its combo lists come
// with its resource. Everything else is the base dialog's.

#include "framework/dialog.h"
#include "reports/cabrillo_header_values.h"

class Cabrillo : public CDialog {
public:
    Cabrillo();

    CabrilloHeaderValues m_values;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
};
