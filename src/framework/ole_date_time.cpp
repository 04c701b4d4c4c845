#include "framework/ole_date_time.h"

#include <cmath>
#include <cstdio>

namespace {

// Day numbers of 1 January 100 and 31 December 9999: the days the host's
// date-time type accepts.
constexpr double kMinDate = -657434.0;
constexpr double kMaxDate = 2958465.0;
constexpr double kHalfSecond = 1.0 / 172800.0;
constexpr long kSecondsPerDay = 86400;

// Days since 1 March of year 0 (proleptic Gregorian) to a civil date.
void CivilFromDays(long daysSince1970, int& year, int& month, int& day) {
    long z = daysSince1970 + 719468;
    long era = (z >= 0 ? z : z - 146096) / 146097;
    long dayOfEra = z - era * 146097;
    long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    long monthIndex = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

// Broken-down time of a date-time value, rounded to the nearest second.
struct CivilTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

void AppendNumber(std::string& out, int value, int width) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%0*d", width, value);
    out += digits;
}

// False for NaN, infinities and values outside 1 January 100 .. 31 December 9999.
bool OleDateToCivil(double days, CivilTime& out) {
    if (!std::isfinite(days)) {
        return false;
    }
    // Before 30 December 1899 the whole part counts days backwards while the
    // fraction still counts the time of day forwards: -1.25 is 29 December, 06:00.
    double rounded = days + (days > 0.0 ? kHalfSecond : -kHalfSecond);
    double wholeDays = std::trunc(rounded);
    if (wholeDays < kMinDate || wholeDays > kMaxDate) {
        return false;
    }
    double fraction = std::fabs(rounded - wholeDays);
    long secondOfDay = static_cast<long>(fraction * kSecondsPerDay);
    if (secondOfDay >= kSecondsPerDay) {
        secondOfDay = kSecondsPerDay - 1;
    }
    // 30 December 1899 is 25569 days before 1 January 1970.
    long daysSince1970 = static_cast<long>(wholeDays) - 25569;
    CivilFromDays(daysSince1970, out.year, out.month, out.day);
    out.hour = static_cast<int>(secondOfDay / 3600);
    out.minute = static_cast<int>(secondOfDay / 60 % 60);
    out.second = static_cast<int>(secondOfDay % 60);
    return true;
}

}  // namespace

COleDateTime COleDateTime::CopyFrom(const COleDateTime* source) {
    if (source == nullptr) {
        return COleDateTime(0.0, null);
    }
    return *source;
}

bool COleDateTime::IsFormattable() const {
    CivilTime ignored;
    return m_status == valid && OleDateToCivil(m_dt, ignored);
}

std::string COleDateTime::Format(const char* pattern) const {
    if (m_status == null) {
        return std::string();
    }
    CivilTime civil;
    if (m_status != valid || !OleDateToCivil(m_dt, civil)) {
        return "Invalid DateTime";
    }
    std::string out;
    if (pattern == nullptr) {
        return out;
    }
    for (const char* p = pattern; *p != '\0'; ++p) {
        if (*p != '%' || p[1] == '\0') {
            out += *p;
            continue;
        }
        ++p;
        switch (*p) {
            case 'Y':
                AppendNumber(out, civil.year, 1);
                break;
            case 'm':
                AppendNumber(out, civil.month, 2);
                break;
            case 'd':
                AppendNumber(out, civil.day, 2);
                break;
            case 'H':
                AppendNumber(out, civil.hour, 2);
                break;
            case 'M':
                AppendNumber(out, civil.minute, 2);
                break;
            case 'S':
                AppendNumber(out, civil.second, 2);
                break;
            case '%':
                out += '%';
                break;
            default:
                out += '%';
                out += *p;
                break;
        }
    }
    return out;
}
