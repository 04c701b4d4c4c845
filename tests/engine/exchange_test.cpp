#include "engine/exchange.h"

#include <gtest/gtest.h>

namespace {

struct SentCase {
    const char* sent;
    bool member;
    const char* expected;
};

TEST(Exchange, SentExchangeByLengthAndMembership) {
    const SentCase cases[] = {
        {"5", false, "05"},        {"12", false, "012"},       {"123", false, "0123"},
        {"1234", false, "1234"},   {"12345", false, "12345"},  {"5", true, "05 KVZ"},
        {"123", true, "0123 KVZ"}, {"1234", true, "1234 KVZ"}, {"12345", true, "12345 KVZ"},
    };
    for (const SentCase& c : cases) {
        EXPECT_EQ(NormaliseSentExchange(c.sent, c.member), c.expected)
            << c.sent << (c.member ? " member" : "");
    }
}

struct ReceivedCase {
    const char* received;
    bool club;
    const char* expected;
};

TEST(Exchange, ReceivedExchangeByLengthAndClubSuffix) {
    const ReceivedCase cases[] = {
        // Plain serials are padded to four digits.
        {"7", false, "0007"},
        {"12", false, "0012"},
        {"123", false, "0123"},
        {"1234", false, "1234"},
        {"12345", false, "12345"},
        // A text that begins with the suffix is no club exchange.
        {"KVZ", false, "0KVZ"},
        {"KVZ1", false, "KVZ1"},
        // Serial, blank, suffix: the serial is padded by the total length.
        {"7 KVZ", true, "0007 KVZ"},
        {"12 KVZ", true, "0012 KVZ"},
        {"123 KVZ", true, "0123 KVZ"},
        {"1234 KVZ", true, "1234 KVZ"},
        {"12345 KVZ", true, "12345 KVZ"},
        // Suffix attached: split off the last three characters.
        {"7KVZ", true, "0007 KVZ"},
        {"12KVZ", true, "0012 KVZ"},
        {"123KVZ", true, "0123 KVZ"},
        {"1234KVZ", true, "1234 KVZ"},
        {"123456KVZ", true, "1234 KVZ"},
        {"12KVZ99", true, "12KV Z99"},
        // A leading blank is not a separator.
        {" 12KVZ", true, "0 12 KVZ"},
    };
    for (const ReceivedCase& c : cases) {
        EXPECT_EQ(IsClubExchange(c.received), c.club) << c.received;
        EXPECT_EQ(NormaliseReceivedExchange(c.received), c.expected) << c.received;
    }
}

TEST(Exchange, ValidReceivedExchanges) {
    const char* valid[] = {"123", "0599", "1234", "000", "7KVZ", "7 KVZ", "12KVZ99", "1aKVZ"};
    const char* invalid[] = {"599",
                             "12",
                             "12345",
                             "12a",
                             "",
                             "KVZ",
                             "KVZ123",
                             "a1KVZ",
                             " 123",
                             "12 3",
                             "\xB3"
                             "12",
                             "12\xB3"};
    for (const char* exchange : valid)
        EXPECT_TRUE(IsValidExchange(exchange)) << exchange;
    for (const char* exchange : invalid)
        EXPECT_FALSE(IsValidExchange(exchange)) << exchange;
}

}  // namespace
