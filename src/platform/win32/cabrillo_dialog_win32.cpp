// The Cabrillo header dialog on Windows, modal on the host's thread.

#include <windows.h>

#include "platform/platform.h"
#include "reports/cabrillo_dialog.h"
#include "reports/cabrillo_header_values.h"

namespace platform {

bool ShowCabrilloDialog(CabrilloHeaderValues& values) {
    Cabrillo dialog;
    dialog.m_values = values;
    // No window of ours to own it: like any dialog opened without a parent it
    // belongs to the calling thread's active window, a window of the host.
    if (dialog.DoModal(GetActiveWindow()) != IDOK) {
        return false;
    }
    values = dialog.m_values;
    return true;
}

}  // namespace platform
