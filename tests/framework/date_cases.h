#pragma once
// Date-time values and the texts they must format to. Both the native unit
// tests and the host simulator under Wine run this table, so the formatter is
// proven to give the same bytes on both targets.

#include <cstdint>
#include <limits>

#include "framework/ole_date_time.h"

struct DateCase {
    const char* name;
    double days;
    std::int32_t status;
    const char* pattern;
    const char* expected;
};

namespace date_cases {
constexpr double kMinute = 1.0 / 1440.0;
constexpr double kSecond = 1.0 / 86400.0;
constexpr double k14Nov2018 = 43418.0;
constexpr std::int32_t kValid = COleDateTime::valid;
constexpr const char* kQsoPattern = "%Y-%m-%d %H%M";
constexpr const char* kInvalid = "Invalid DateTime";
}  // namespace date_cases

inline const DateCase kDateCases[] = {
    {"qso_time", date_cases::k14Nov2018 + (10 * 60 + 25) * date_cases::kMinute, date_cases::kValid,
     date_cases::kQsoPattern, "2018-11-14 1025"},
    {"start_day_month", date_cases::k14Nov2018, date_cases::kValid, "%d.%m", "14.11"},
    {"start_year", date_cases::k14Nov2018, date_cases::kValid, "%Y", "2018"},
    {"end_date", date_cases::k14Nov2018, date_cases::kValid, "%d.%m.%Y", "14.11.2018"},
    {"file_date", date_cases::k14Nov2018, date_cases::kValid, "%d_%m_%Y", "14_11_2018"},
    {"seconds_and_percent", date_cases::k14Nov2018 + 61 * date_cases::kSecond, date_cases::kValid,
     "%H:%M:%S 100%%", "00:01:01 100%"},
    {"unknown_directive_kept", date_cases::k14Nov2018, date_cases::kValid, "%q%Y", "%q2018"},
    {"leap_day_2020", 43890.0, date_cases::kValid, "%Y-%m-%d", "2020-02-29"},
    {"leap_day_2000", 36585.0, date_cases::kValid, "%Y-%m-%d", "2000-02-29"},
    {"no_leap_day_1900", 61.0, date_cases::kValid, "%Y-%m-%d", "1900-03-01"},
    {"epoch", 0.0, date_cases::kValid, date_cases::kQsoPattern, "1899-12-30 0000"},
    // Before the epoch the fraction still runs forwards from midnight.
    {"before_epoch", -1.25, date_cases::kValid, date_cases::kQsoPattern, "1899-12-29 0600"},
    // Rounded to the nearest second, so a hair before midnight is the next day...
    {"midnight_rounding", date_cases::k14Nov2018 + 1.0 - 1e-9, date_cases::kValid,
     date_cases::kQsoPattern, "2018-11-15 0000"},
    // ...while a whole second before it is not.
    {"last_second_stays", date_cases::k14Nov2018 + 1.0 - date_cases::kSecond, date_cases::kValid,
     "%H:%M:%S", "23:59:59"},
    {"over_half_second_rounds_up", date_cases::k14Nov2018 + 59.6 * date_cases::kSecond,
     date_cases::kValid, "%H:%M:%S", "00:01:00"},
    {"first_day", -657434.0, date_cases::kValid, "%Y-%m-%d", "100-01-01"},
    {"last_day", 2958465.0, date_cases::kValid, "%Y-%m-%d", "9999-12-31"},
    {"last_minute", 2958465.0 + 1439 * date_cases::kMinute, date_cases::kValid,
     date_cases::kQsoPattern, "9999-12-31 2359"},

    {"null_status", date_cases::k14Nov2018, COleDateTime::null, date_cases::kQsoPattern, ""},
    {"invalid_status", date_cases::k14Nov2018, COleDateTime::invalid, date_cases::kQsoPattern,
     date_cases::kInvalid},
    {"unknown_status", date_cases::k14Nov2018, 7, date_cases::kQsoPattern, date_cases::kInvalid},
    {"negative_status", date_cases::k14Nov2018, -1, date_cases::kQsoPattern, date_cases::kInvalid},
    {"nan", std::numeric_limits<double>::quiet_NaN(), date_cases::kValid, date_cases::kQsoPattern,
     date_cases::kInvalid},
    {"infinity", std::numeric_limits<double>::infinity(), date_cases::kValid,
     date_cases::kQsoPattern, date_cases::kInvalid},
    {"minus_infinity", -std::numeric_limits<double>::infinity(), date_cases::kValid,
     date_cases::kQsoPattern, date_cases::kInvalid},
    {"rounds_into_year_10000", 2958466.0 - 1e-9, date_cases::kValid, date_cases::kQsoPattern,
     date_cases::kInvalid},
    {"after_year_9999", 2958466.0, date_cases::kValid, date_cases::kQsoPattern,
     date_cases::kInvalid},
    {"before_year_100", -657435.0, date_cases::kValid, date_cases::kQsoPattern,
     date_cases::kInvalid},
    {"huge", 1e300, date_cases::kValid, date_cases::kQsoPattern, date_cases::kInvalid},
    {"huge_negative", -1e300, date_cases::kValid, date_cases::kQsoPattern, date_cases::kInvalid},
};
