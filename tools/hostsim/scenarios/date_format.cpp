// The date-time formatter as the 32-bit Windows build compiles it must give
// the same texts as the native build: both run one table of cases.

#include <string>

#include "checks.h"
#include "framework/date_cases.h"
#include "framework/ole_date_time.h"
#include "scenarios/scenarios.h"

void RunDateFormat(LoadedPlugin&) {
    for (const DateCase& c : kDateCases) {
        CheckEqual(COleDateTime(c.days, c.status).Format(c.pattern), c.expected,
                   std::string("date case ") + c.name);
    }
}
