#pragma once
// Serial-number exchanges: how the log keeps them, and which received ones the
// host may accept. A club member sends the serial followed by the club suffix.

#include <string>
#include <string_view>

extern const char kClubSuffix[];  // "KVZ"

// The exchange the operator sent, as the log keeps it: short serials get one
// leading zero, and a club member's carry " KVZ".
std::string NormaliseSentExchange(std::string_view sent, bool operatorIsMember);

// Whether a received exchange comes from a club member: it carries the suffix,
// and not at its very start.
bool IsClubExchange(std::string_view received);

// The received exchange as the log keeps it: serials padded to four digits,
// a member's serial and suffix separated by one blank.
std::string NormaliseReceivedExchange(std::string_view received);

// Whether the host may accept a received exchange: a serial of 3 or 4 digits
// other than "599", or a serial followed by the club suffix.
bool IsValidExchange(std::string_view exchange);
