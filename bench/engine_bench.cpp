// How the engine's cost per call grows with the log: replaying N QSOs through
// AddData0 after ResetStats0, CheckCall0 against a log of N, and GetResult0
// over a log of N, for N = 1 000, 10 000 and 100 000 realistic QSOs with a few
// per cent duplicates. A keystroke must cost the same in the last hour of a
// contest as in the first; the score is counted afresh, once through the log.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/call_book.h"
#include "support/host_calls.h"
#include "support/native_api.h"
#include "support/temp_dir.h"

namespace {

const char* const kBands[] = {"20m", "40m", "80m", "15m", "10m"};
const char* const kModes[] = {"RTTY", "BPSK63"};
constexpr int kDupeEvery = 25;  // 4 % duplicates

struct BenchQso {
    const Station* station;
    const char* band;
    const char* mode;
    int serial;
};

// N QSOs over the call database: every station once per band and mode, then
// the next band or mode; every 25th QSO repeats an earlier one.
std::vector<BenchQso> MakeQsos(const std::vector<Station>& stations, std::size_t count) {
    std::vector<BenchQso> qsos;
    qsos.reserve(count);
    for (std::size_t i = 0; qsos.size() < count; ++i) {
        if (i % kDupeEvery == kDupeEvery - 1 && !qsos.empty()) {
            qsos.push_back(qsos[(i * 7919) % qsos.size()]);
            continue;
        }
        const std::size_t round = i / stations.size();
        qsos.push_back({&stations[i % stations.size()], kBands[round % 5], kModes[(round / 5) % 2],
                        static_cast<int>(i % 9999) + 1});
    }
    return qsos;
}

const std::vector<Station>& Stations() {
    static const std::vector<Station> stations = LoadStations(100000);
    return stations;
}

void Replay(const NativeApi& api, const std::vector<BenchQso>& qsos,
            std::vector<std::string>& serials) {
    host::Qso qso;
    for (std::size_t i = 0; i < qsos.size(); ++i) {
        qso.call = qsos[i].station->call.c_str();
        qso.dxccPrefix = qsos[i].station->dxccPrefix.c_str();
        qso.continent = qsos[i].station->continent.c_str();
        qso.band = qsos[i].band;
        qso.mode = qsos[i].mode;
        qso.exchangeReceived = serials[i].c_str();
        qso.time = COleDateTime(43418.0 + static_cast<double>(i) / 1440.0, 0);
        benchmark::DoNotOptimize(host::Add(api, qso));
    }
}

std::vector<std::string> Serials(const std::vector<BenchQso>& qsos) {
    std::vector<std::string> serials;
    for (const BenchQso& qso : qsos)
        serials.push_back(std::to_string(qso.serial));
    return serials;
}

void PerCall(benchmark::State& state, std::size_t callsPerIteration) {
    state.counters["per_call"] = benchmark::Counter(
        static_cast<double>(callsPerIteration),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// A fresh host folder and N QSOs ready to replay.
struct BenchContest {
    explicit BenchContest(std::size_t count)
        : qsos(MakeQsos(Stations(), count)), serials(Serials(qsos)) {
        std::filesystem::create_directory("Plugins");
    }
    ScopedWorkingDirectory folder;
    NativeApi api;
    std::vector<BenchQso> qsos;
    std::vector<std::string> serials;
};

void BM_ReplayAddData(benchmark::State& state) {
    BenchContest contest(static_cast<std::size_t>(state.range(0)));
    const NativeApi& api = contest.api;
    for (auto _ : state) {
        state.PauseTiming();
        host::ResetStats(api, host::Reset{});
        state.ResumeTiming();
        Replay(api, contest.qsos, contest.serials);
    }
    PerCall(state, contest.qsos.size());
}

void BM_CheckCall(benchmark::State& state) {
    BenchContest contest(static_cast<std::size_t>(state.range(0)));
    const NativeApi& api = contest.api;
    const std::vector<Station>& stations = Stations();
    const std::vector<BenchQso>& qsos = contest.qsos;
    host::ResetStats(api, host::Reset{});
    Replay(api, qsos, contest.serials);

    // What the operator types: calls already in the log (duplicates on this
    // band) and calls not yet worked, spread over the database. The host hands
    // over texts it has just written, so they are copied into one small block.
    struct TypedCall {
        std::string call, prefix, continent, band, mode;
    };
    std::vector<TypedCall> typed;
    for (std::size_t i = 0; i < 256; ++i) {
        const BenchQso& logged = qsos[(i * 104729) % qsos.size()];
        const Station& fresh = stations[(i * 15485863) % stations.size()];
        if (i % 2 == 0) {
            typed.push_back({logged.station->call, logged.station->dxccPrefix,
                             logged.station->continent, logged.band, logged.mode});
        } else {
            typed.push_back({fresh.call, fresh.dxccPrefix, fresh.continent, "10m", "BPSK63"});
        }
    }
    std::vector<host::Check> checks;
    for (const TypedCall& call : typed) {
        host::Check check;
        check.call = call.call.c_str();
        check.dxccPrefix = call.prefix.c_str();
        check.continent = call.continent.c_str();
        check.band = call.band.c_str();
        check.otherBand = check.band;
        check.mode = call.mode.c_str();
        checks.push_back(check);
    }
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(host::CheckCall(api, checks[next]));
        next = (next + 1) % checks.size();
    }
    PerCall(state, 1);
}

// The score as the host asks for it after every QSO: the whole log is counted
// again each time. With `exportRequest` set, each call also writes the
// Cabrillo file.
void GetResultAfterReplay(benchmark::State& state, int exportRequest) {
    BenchContest contest(static_cast<std::size_t>(state.range(0)));
    const NativeApi& api = contest.api;
    host::Reset reset;
    reset.exportRequest = exportRequest;
    host::ResetStats(api, reset);
    Replay(api, contest.qsos, contest.serials);
    for (auto _ : state)
        benchmark::DoNotOptimize(host::GetResult(api));
    PerCall(state, 1);
}

void BM_GetResult(benchmark::State& state) {
    GetResultAfterReplay(state, 0);
}

void BM_GetResultExport(benchmark::State& state) {
    GetResultAfterReplay(state, 1);
}

BENCHMARK(BM_ReplayAddData)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckCall)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_GetResult)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetResultExport)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Prints the runs as usual, then the growth from the smallest to the largest N.
class GrowthReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string name = run.benchmark_name();
            const std::size_t slash = name.find('/');
            auto counter = run.counters.find("per_call");
            if (slash == std::string::npos || counter == run.counters.end())
                continue;
            m_perCall[name.substr(0, slash)][std::stol(name.substr(slash + 1))] = counter->second;
        }
    }

    void PrintGrowth() const {
        std::printf("\n%-18s %12s %12s %12s %8s\n", "per call (us)", "N=1000", "N=10000",
                    "N=100000", "ratio");
        for (const auto& [name, byN] : m_perCall) {
            std::printf("%-18s", name.c_str());
            for (const auto& entry : byN)
                std::printf(" %12.3f", entry.second * 1e6);
            std::printf(" %8.2f\n", byN.rbegin()->second / byN.begin()->second);
        }
    }

private:
    std::map<std::string, std::map<long, double>> m_perCall;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (Stations().empty()) {
        std::fprintf(stderr, "no stations: install hamradio-files (scripts/bootstrap)\n");
        return 1;
    }
    GrowthReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintGrowth();
    benchmark::Shutdown();
    return 0;
}
