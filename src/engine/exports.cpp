// Every function the host calls. Each export catches everything, turns null
// texts into empty ones, takes the state lock where it touches contest state,
// and hands over to a plain core function.
//
// On Windows the module-definition file exports each function under its plain
// alias, its declared name and its decorated C++ name; the Linux build exports
// the same plain names below.

#include <mutex>
#include <type_traits>

#include "engine/boundary.h"
#include "engine/contest_state.h"
#include "engine/exchange.h"
#include "engine/identification.h"
#include "engine/plugin_exports.h"
#include "engine/qso_operations.h"
#include "reports/score_summary.h"

#if defined(_WIN32)
#define STATS_EXPORT
#else
#define STATS_EXPORT __attribute__((visibility("default")))
#endif

namespace {
// Returned when there is no text to give; lives as long as the module.
const char kEmptyText[] = "";

QsoArguments QsoFromHost(const char* ownCall, const char* call, const COleDateTime* time,
                         unsigned int frequencyHz, const char* mode, const char* rstSent,
                         const char* rstReceived, const char* exchangeSent,
                         const char* exchangeReceived, const char* dxccPrefix,
                         const char* continent, const char* band) {
    QsoArguments qso;
    qso.ownCall = Text(ownCall);
    qso.call = Text(call);
    qso.callGiven = call != nullptr;
    qso.time = COleDateTime::CopyFrom(time);
    qso.frequencyHz = frequencyHz;
    qso.mode = Text(mode);
    qso.rstSent = Text(rstSent);
    qso.rstReceived = Text(rstReceived);
    qso.exchangeSent = Text(exchangeSent);
    qso.exchangeReceived = Text(exchangeReceived);
    qso.dxccPrefix = Text(dxccPrefix);
    qso.continent = Text(continent);
    qso.band = Text(band);
    return qso;
}
}  // namespace

extern "C" {

STATS_EXPORT int STATS_CALL AddData0(
    const char* ownCall, const char* call, COleDateTime* time, COleDateTime*, COleDateTime*,
    COleDateTime*, unsigned int, unsigned int frequencyHz, const char* mode, const char* rstSent,
    const char* rstReceived, const char* exchangeSent, const char* exchangeReceived, const char*,
    const char*, const char*, const char*, const char*, const char*, const char*, const char*,
    const char*, const char* dxccPrefix, int, int, int, double, double, const char*,
    const char* continent, const char*, const char* band, const char*) {
    return Guarded(0, [&] {
        const QsoArguments qso =
            QsoFromHost(ownCall, call, time, frequencyHz, mode, rstSent, rstReceived, exchangeSent,
                        exchangeReceived, dxccPrefix, continent, band);
        std::lock_guard<std::mutex> hold(g_stateLock);
        return AddQso(qso);
    });
}

STATS_EXPORT int STATS_CALL RemoveData0(const char*, const char* call, COleDateTime* time,
                                        COleDateTime*, COleDateTime*, COleDateTime*, unsigned int,
                                        unsigned int, const char* mode, const char*, const char*,
                                        const char*, const char*, const char*, const char*,
                                        const char*, const char*, const char*, const char*,
                                        const char*, const char*, const char*, const char*, int,
                                        int, int, double, double, const char*, const char*,
                                        const char*, const char* band, const char*) {
    return Guarded(1, [&] {
        const QsoArguments qso = QsoFromHost(nullptr, call, time, 0, mode, nullptr, nullptr,
                                             nullptr, nullptr, nullptr, nullptr, band);
        std::lock_guard<std::mutex> hold(g_stateLock);
        return RemoveQso(qso);
    });
}

STATS_EXPORT int STATS_CALL ResetStats0(const char* hostFolder, int exportRequest,
                                        const char* stationCall, COleDateTime* start,
                                        COleDateTime* end, const char*, const char*, const char*,
                                        const char*, const char*, const char*, const char*,
                                        const char*, const char*, const char* ownDxccPrefix, int,
                                        int, int, double, double, const char*,
                                        const char* ownContinent, const char*) {
    return Guarded(1, [&] {
        ResetArguments reset;
        reset.hostFolder = Text(hostFolder);
        reset.exportRequest = exportRequest;
        reset.stationCall = Text(stationCall);
        reset.start = COleDateTime::CopyFrom(start);
        reset.end = COleDateTime::CopyFrom(end);
        reset.ownDxccPrefix = Text(ownDxccPrefix);
        reset.ownContinent = Text(ownContinent);
        // Takes the lock itself: it must not hold it while a dialog is open.
        return ResetContest(reset);
    });
}

STATS_EXPORT int STATS_CALL CheckCallFunc0(
    const char* call, unsigned int, unsigned int, const char* mode, const char*, const char*,
    const char*, const char*, const char*, const char*, const char*, const char*, const char*,
    const char* dxccPrefix, int, int, int, double, double, const char*, const char* continent,
    const char*, const char*, const char*, const char* band, const char* otherBand, char*, char*) {
    return Guarded(4, [&] {
        CallCheckArguments check;
        check.call = Text(call);
        check.mode = Text(mode);
        check.dxccPrefix = Text(dxccPrefix);
        check.continent = Text(continent);
        check.band = band;
        check.otherBand = otherBand;
        std::lock_guard<std::mutex> hold(g_stateLock);
        return CheckCall(check);
    });
}

STATS_EXPORT int STATS_CALL StatsIsValidExchg0(const char* exchange, const char*, const char*,
                                               const char*, int, int, int) {
    return Guarded(0, [&] { return IsValidExchange(Text(exchange)) ? 1 : 0; });
}

// Also exported as GetExchgCount0 and StatsGetExchgCount0: with the caller
// removing the arguments, one body serves both signatures.
STATS_EXPORT int STATS_CALL GetNumberOfSets() {
    return 1;
}

STATS_EXPORT const char* STATS_CALL GetSetName(int set) {
    return Guarded<const char*>(kEmptyText, [&] { return ContestSetName(set); });
}

STATS_EXPORT const char* STATS_CALL GetResult0(int* out) {
    // Takes the lock itself: it must not hold it while the export's notice is open.
    return Guarded<const char*>(kEmptyText, [&] { return ProduceResult(out); });
}

STATS_EXPORT void STATS_CALL SetupSet0() {
    GuardedVoid([] { ShowNoSetupMessage(); });
}

STATS_EXPORT unsigned long STATS_CALL setVersion(const char*) {
    GuardedVoid([] {
        std::lock_guard<std::mutex> hold(g_stateLock);
        RequestHtmlResult();
    });
    return 0;
}

#if !defined(_WIN32)
STATS_EXPORT CheckCallFn CheckCall0 __attribute__((alias("CheckCallFunc0")));
STATS_EXPORT IsValidExchgFn IsValidExchg0 __attribute__((alias("StatsIsValidExchg0")));
STATS_EXPORT GetNumberOfSetsFn GetExchgCount0 __attribute__((alias("GetNumberOfSets")));
STATS_EXPORT GetNumberOfSetsFn StatsGetExchgCount0 __attribute__((alias("GetNumberOfSets")));
#endif

}  // extern "C"

// The definitions above must keep the exact signatures the host is built against.
static_assert(std::is_same_v<decltype(AddData0), AddDataFn>);
static_assert(std::is_same_v<decltype(RemoveData0), RemoveDataFn>);
static_assert(std::is_same_v<decltype(ResetStats0), ResetStatsFn>);
static_assert(std::is_same_v<decltype(CheckCallFunc0), CheckCallFn>);
static_assert(std::is_same_v<decltype(StatsIsValidExchg0), IsValidExchgFn>);
static_assert(std::is_same_v<decltype(GetNumberOfSets), GetNumberOfSetsFn>);
static_assert(std::is_same_v<decltype(GetSetName), GetSetNameFn>);
static_assert(std::is_same_v<decltype(GetResult0), GetResultFn>);
static_assert(std::is_same_v<decltype(SetupSet0), SetupSetFn>);
static_assert(std::is_same_v<decltype(setVersion), SetVersionFn>);
