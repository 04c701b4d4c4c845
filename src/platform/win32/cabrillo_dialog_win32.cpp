// The Cabrillo header dialog on Windows. Until the dialog is built, the
// header is not edited and the answer is "cancelled".

#include "platform/platform.h"
#include "reports/cabrillo_header_values.h"

namespace platform {

bool ShowCabrilloDialog(CabrilloHeaderValues&) {
    return false;
}

}  // namespace platform
