#include "engine/exchange.h"

#include <algorithm>

const char kClubSuffix[] = "KVZ";

namespace {
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string Zeros(std::size_t count) {
    return std::string(count, '0');
}
}  // namespace

std::string NormaliseSentExchange(std::string_view sent, bool operatorIsMember) {
    std::string text = sent.size() < 4 ? "0" + std::string(sent) : std::string(sent);
    if (operatorIsMember)
        text += std::string(" ") + kClubSuffix;
    return text;
}

bool IsClubExchange(std::string_view received) {
    const std::size_t suffix = received.find(kClubSuffix);
    return suffix != std::string_view::npos && suffix != 0;
}

std::string NormaliseReceivedExchange(std::string_view received) {
    const std::size_t length = received.size();
    if (!IsClubExchange(received)) {
        // 7 becomes 0007 and 123 becomes 0123.
        return length >= 1 && length <= 3 ? Zeros(4 - length) + std::string(received)
                                          : std::string(received);
    }
    const std::size_t blank = received.find(' ');
    if (blank != std::string_view::npos && blank != 0) {
        // Serial, blank and suffix: pad the serial, keep the rest.
        return length >= 5 && length <= 7 ? Zeros(8 - length) + std::string(received)
                                          : std::string(received);
    }
    // Suffix attached: split off the last three characters. From a longer text
    // only the first four and the last three survive.
    const std::string_view last = received.substr(length - 3);
    const std::size_t serial = std::min<std::size_t>(length - 3, 4);
    return Zeros(4 - serial) + std::string(received.substr(0, serial)) + " " + std::string(last);
}

bool IsValidExchange(std::string_view exchange) {
    if (IsClubExchange(exchange) && IsDigit(exchange.front()))
        return true;
    return (exchange.size() == 3 || exchange.size() == 4) &&
           std::all_of(exchange.begin(), exchange.end(), IsDigit) && exchange != "599";
}
