// The Cabrillo header dialog on Windows. Until the reports bring the dialog,
// the header is not edited and the answer is "cancelled".

#include "framework/ole_date_time.h"
#include "platform/platform.h"

namespace platform {

int EditCabrilloHeader(const std::string&, const COleDateTime&, const COleDateTime&) {
    return 0;
}

}  // namespace platform
