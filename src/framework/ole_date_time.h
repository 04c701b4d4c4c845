#pragma once
// The host's OLE date-time value: days since 30 December 1899 as a double (the
// fraction is the time of day) and a status word. The host passes pointers to
// exactly this layout, so its size and member offsets are fixed.

#include <cstdint>
#include <string>

class alignas(8) COleDateTime {
public:
    enum DateTimeStatus : std::int32_t { valid = 0, invalid = 1, null = 2 };

    COleDateTime() = default;
    COleDateTime(double days, std::int32_t status) : m_dt(days), m_status(status) {}

    // The value behind a host pointer; a null pointer reads as a null date.
    static COleDateTime CopyFrom(const COleDateTime* source);

    // strftime-style: %Y %m %d %H %M %S %%; other characters are copied.
    // A null date gives "", an invalid one (or one out of range) "Invalid DateTime".
    std::string Format(const char* pattern) const;

    bool IsFormattable() const;

    double m_dt = 0.0;
    std::int32_t m_status = valid;
};

static_assert(sizeof(COleDateTime) == 16, "the host passes a 16-byte date-time");
static_assert(alignof(COleDateTime) == 8, "double-aligned like the host's value");
