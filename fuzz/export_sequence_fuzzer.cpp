// Random sequences of the host's calls with random texts and dates. Besides
// the sanitizers' findings, every call checks that the duplicate and
// multiplier indexes still agree with a plain walk over the log.

#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <limits>
#include <mutex>
#include <string>
#include <vector>

#include "engine/contest_state.h"
#include "engine/log_index.h"
#include "platform/posix/headless.h"
#include "support/host_calls.h"
#include "support/native_api.h"

namespace {

const char* const kTexts[] = {"",     "20m",    "20M",   "160m", "80m",  "RTTY", "BPSK63",
                              "rtty", "UA9",    "UA9XX", "DL",   "I",    "IS",   "KVZ",
                              "7KVZ", "12 KVZ", "599",   "0599", "1234", "EU",   "AS",
                              "2.20", "Zolt=",  " ",     "\xC0", "UA2/f"};

std::string Text(FuzzedDataProvider& input) {
    if (input.ConsumeBool())
        return kTexts[input.ConsumeIntegralInRange<std::size_t>(0, std::size(kTexts) - 1)];
    return input.ConsumeRandomLengthString(64);
}

std::optional<COleDateTime> Date(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange(0, 4)) {
        case 0:
            return std::nullopt;
        case 1:
            return COleDateTime(43418.0 + input.ConsumeIntegralInRange(0, 2880) / 1440.0, 0);
        case 2:
            return COleDateTime(input.ConsumeFloatingPoint<double>(),
                                input.ConsumeIntegralInRange<std::int32_t>(-1, 3));
        case 3:
            return COleDateTime(std::numeric_limits<double>::quiet_NaN(), 0);
        default:
            return COleDateTime(input.ConsumeFloatingPointInRange(-1e6, 3e6), 0);
    }
}

// Texts live here for the length of one call, so the pointers stay valid.
struct Texts {
    std::deque<std::string> items;  // stays put as it grows
    const char* Next(FuzzedDataProvider& input) {
        if (input.ConsumeIntegralInRange(0, 15) == 0)
            return nullptr;
        items.push_back(Text(input));
        return items.back().c_str();
    }
};

host::Qso MakeQso(FuzzedDataProvider& input, Texts& texts) {
    host::Qso qso;
    qso.ownCall = texts.Next(input);
    qso.call = texts.Next(input);
    qso.time = Date(input);
    qso.frequencyHz = input.ConsumeIntegral<unsigned int>();
    qso.mode = texts.Next(input);
    qso.rstSent = texts.Next(input);
    qso.rstReceived = texts.Next(input);
    qso.exchangeSent = texts.Next(input);
    qso.exchangeReceived = texts.Next(input);
    qso.dxccPrefix = texts.Next(input);
    qso.continent = texts.Next(input);
    qso.band = texts.Next(input);
    return qso;
}

void CheckIndexesAgreeWithTheLog() {
    std::lock_guard<std::mutex> hold(g_stateLock);
    for (const CInfo& entry : g_log) {
        if (!g_logIndex.HasQso(entry.call, entry.band, entry.mode) ||
            !g_logIndex.HasPrefix(entry.band, entry.mode, entry.dxccPrefix)) {
            std::abort();
        }
    }
    // And nothing more: a log without a key must not be answered from the index.
    if (g_log.empty() && (g_logIndex.HasQso("", "", "") || g_logIndex.HasPrefix("", "", ""))) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Reports and settings land in the current directory: give them their own.
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("stats-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder / "Plugins");
    std::filesystem::current_path(folder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const NativeApi api;
    while (input.remaining_bytes() > 0) {
        Texts texts;
        switch (input.ConsumeIntegralInRange(0, 6)) {
            case 0: {
                host::Reset reset;
                reset.hostFolder = texts.Next(input);
                reset.exportRequest = input.ConsumeIntegral<int>();
                reset.stationCall = texts.Next(input);
                reset.start = Date(input);
                reset.end = Date(input);
                reset.ownDxccPrefix = texts.Next(input);
                reset.ownContinent = texts.Next(input);
                host::ResetStats(api, reset);
                break;
            }
            case 1:
            case 2:
                host::Add(api, MakeQso(input, texts));
                break;
            case 3:
                host::Remove(api, MakeQso(input, texts));
                break;
            case 4: {
                host::Check check;
                check.call = texts.Next(input);
                check.mode = texts.Next(input);
                check.dxccPrefix = texts.Next(input);
                check.continent = texts.Next(input);
                check.band = texts.Next(input);
                check.otherBand = texts.Next(input);
                const int answer = host::CheckCall(api, check);
                if (answer != 0 && answer != 1 && answer != 2 && answer != 4)
                    std::abort();
                break;
            }
            case 5: {
                if (input.ConsumeIntegralInRange(0, 7) == 0)
                    setVersion("2.20");
                const std::string result = host::GetResult(api);
                if (result.rfind("\tKVZ DX Contest ", 0) != 0 && result.rfind("<html>", 0) != 0)
                    std::abort();
                break;
            }
            default:
                if (host::IsValidExchange(api, texts.Next(input)) > 1)
                    std::abort();
                break;
        }
        // The headless notices and dialogs are only recorded; keep the record small.
        platform::headless::TakeMessageBoxes();
        platform::headless::TakeHeaderDialogs();
        CheckIndexesAgreeWithTheLog();
    }
    return 0;
}
