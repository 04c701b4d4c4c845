#!/usr/bin/env python3
"""Writes tools/demo/sample_contest.txt: one operator's 24 hours in the KVZ DIGI
Contest, as the host would replay it into Stats.dll.

Real calls come from the contest call database (MASTER.SCP), their DXCC
prefix and continent from the country file (cty.dat), both from Debian's
hamradio-files package. The seed is fixed, so the same files give the same
log. The log has what a real one has: runs on the bands the time of day
favours, RTTY and BPSK63, stations worked again on other bands and modes,
club members sending "123KVZ", a few dupes, and a few QSOs the plug-in must
refuse (160 m, a mode of another contest, a received number never typed).

Usage: make_sample_contest.py [OUTPUT]   (default: sample_contest.txt beside
this script). Only the Python standard library is needed.
"""

import datetime
import os
import random
import sys

CALL_DATABASE = "/usr/share/hamradio-files/MASTER.SCP"
COUNTRY_FILE = "/usr/share/hamradio-files/cty.dat"
SEED = 20260221

CONTEST_START = datetime.datetime(2026, 2, 21, 12, 0, 0)
CONTEST_END = datetime.datetime(2026, 2, 22, 11, 59, 59)
OPERATOR_PREFIX = "DL"  # the operator's DXCC entity
CLUB_SUFFIX = "KVZ"

# kHz ranges where each mode is found on each band.
SEGMENTS = {
    ("80m", "RTTY"): (3575, 3600),
    ("40m", "RTTY"): (7035, 7060),
    ("20m", "RTTY"): (14080, 14100),
    ("15m", "RTTY"): (21080, 21110),
    ("10m", "RTTY"): (28080, 28120),
    ("80m", "BPSK63"): (3580, 3590),
    ("40m", "BPSK63"): (7040, 7045),
    ("20m", "BPSK63"): (14070, 14078),
    ("15m", "BPSK63"): (21070, 21078),
    ("10m", "BPSK63"): (28070, 28080),
}

# The operator's plan by UTC hour: the bands open from central Europe in
# February, and the expected QSOs per hour (0 = asleep).
HOURLY_PLAN = {
    12: (["15m", "20m", "10m"], 34),
    13: (["15m", "10m", "20m"], 30),
    14: (["20m", "15m"], 26),
    15: (["20m", "15m"], 22),
    16: (["20m", "40m"], 20),
    17: (["40m", "20m"], 24),
    18: (["40m", "80m"], 22),
    19: (["80m", "40m"], 18),
    20: (["80m", "40m"], 15),
    21: (["40m", "80m"], 12),
    22: (["80m"], 8),
    23: (["80m", "40m"], 5),
    0: ([], 0),
    1: ([], 0),
    2: ([], 0),
    3: ([], 0),
    4: ([], 0),
    5: (["40m", "80m"], 6),
    6: (["40m", "20m"], 10),
    7: (["20m", "40m"], 14),
    8: (["20m", "15m"], 16),
    9: (["15m", "20m", "10m"], 18),
    10: (["15m", "10m", "20m"], 20),
    11: (["20m", "15m", "10m"], 22),
}


def load_country_file(path):
    """Alias prefixes and exact calls, each with (primary prefix, continent)."""
    prefixes = {}
    exact_calls = {}
    with open(path, encoding="latin-1") as country_file:
        text = country_file.read()
    for record in text.split(";"):
        record = record.strip()
        if not record:
            continue
        header, _, aliases = record.partition("\n")
        fields = [field.strip() for field in header.split(":")]
        if len(fields) < 8:
            continue
        entity = (fields[7].lstrip("*"), fields[3])
        for alias in aliases.split(","):
            alias = alias.strip()
            for mark in "([<{~":
                alias = alias.split(mark)[0]
            if not alias:
                continue
            if alias.startswith("="):
                exact_calls[alias[1:]] = entity
            else:
                prefixes[alias] = entity
    return prefixes, exact_calls


def entity_of(call, prefixes, exact_calls):
    if call in exact_calls:
        return exact_calls[call]
    for length in range(len(call), 0, -1):
        if call[:length] in prefixes:
            return prefixes[call[:length]]
    return None


def load_stations(prefixes, exact_calls):
    stations = []
    with open(CALL_DATABASE, encoding="latin-1") as database:
        for line in database:
            call = line.strip()
            if not call or call.startswith("#"):
                continue
            entity = entity_of(call, prefixes, exact_calls)
            if entity is not None:
                stations.append((call, entity[0], entity[1]))
    return stations


class Station:
    def __init__(self, call, prefix, continent, rng, club_member):
        self.call = call
        self.prefix = prefix
        self.continent = continent
        # Its own QSOs per hour, which its serial numbers grow by.
        self.rate = rng.uniform(4, 45)
        self.head_start = rng.randint(0, 6)
        self.club_member = club_member
        self.blank_before_suffix = club_member and rng.random() < 0.25

    def exchange_at(self, hours_in):
        serial = 1 + self.head_start + int(self.rate * hours_in)
        if not self.club_member:
            return str(serial)
        return f"{serial} {CLUB_SUFFIX}" if self.blank_before_suffix else f"{serial}{CLUB_SUFFIX}"


def pick_pool(stations, rng):
    """Who is on the air: mostly Europe, some DX, weighted the way a European
    operator hears them."""
    by_continent = {}
    for call, prefix, continent in stations:
        by_continent.setdefault(continent, []).append((call, prefix, continent))
    wanted = {"EU": 170, "AS": 30, "NA": 25, "SA": 8, "AF": 6, "OC": 6}
    pool = []
    for continent, count in wanted.items():
        pool += rng.sample(by_continent[continent], count)
    members = set(rng.sample(range(len(pool)), 10))
    return [Station(*entry, rng, index in members) for index, entry in enumerate(pool)]


def qso_times(rng):
    """Arrival times of the operator's QSOs, hour by hour of the plan."""
    times = []
    hour_start = CONTEST_START
    while hour_start < CONTEST_END:
        bands, rate = HOURLY_PLAN[hour_start.hour]
        moment = hour_start
        while rate > 0:
            moment += datetime.timedelta(seconds=rng.expovariate(rate / 3600.0))
            if moment >= hour_start + datetime.timedelta(hours=1) or moment > CONTEST_END:
                break
            times.append(moment.replace(microsecond=0))
        hour_start += datetime.timedelta(hours=1)
    return times


def frequency_hz(band, mode, rng):
    low, high = SEGMENTS[(band, mode)]
    return rng.randrange(low * 1000, high * 1000, 10)


class Operator:
    def __init__(self, call, rng):
        self.call = call
        self.rng = rng
        self.serial = 0
        self.worked = set()  # (call, band, mode)
        self.lines = []

    def log(self, when, frequency, band, mode, station, received):
        self.serial += 1
        self.lines.append(
            "\t".join(
                [
                    "QSO",
                    when.strftime("%Y-%m-%d %H:%M:%S"),
                    str(frequency),
                    band,
                    mode,
                    station.call,
                    "599",
                    "599",
                    str(self.serial),
                    received,
                    station.prefix,
                    station.continent,
                ]
            )
        )


def hours_in(when):
    return (when - CONTEST_START).total_seconds() / 3600.0


def make_log(operator, pool, rng):
    band = None
    mode = "RTTY"
    frequency = 0
    times = qso_times(rng)
    # Which QSOs go wrong, by position in the log.
    positions = rng.sample(range(20, len(times) - 5), 10)
    dupes = set(positions[:6])
    wrong_mode = dict(zip(positions[6:8], ["CW", "PSK31"]))
    no_exchange = set(positions[8:10])
    # 160 m only after dark, where someone would try it.
    night = [i for i, when in enumerate(times) if when.hour >= 19 or when.hour < 7]
    top_band = set(rng.sample([i for i in night if i not in positions], 3))
    hour = None
    for index, when in enumerate(times):
        bands, _ = HOURLY_PLAN[when.hour]
        # Each hour the operator goes where the band is best, mostly; within
        # the hour a band change now and then. The run frequency otherwise holds.
        if when.hour != hour or band not in bands or rng.random() < 0.05:
            hour = when.hour
            band = rng.choices(bands, weights=[4, 2, 1][: len(bands)])[0]
            frequency = frequency_hz(band, mode, rng)
        # Most of the activity is in RTTY; BPSK63 is for a short change of scene.
        if rng.random() < (0.04 if mode == "RTTY" else 0.12):
            mode = "BPSK63" if mode == "RTTY" else "RTTY"
            frequency = frequency_hz(band, mode, rng)
        if index in top_band:
            station = rng.choice(pool)
            operator.log(when, rng.randrange(1838000, 1842000, 10), "160m", "RTTY", station,
                         station.exchange_at(hours_in(when)))
            continue
        if index in dupes:
            earlier = [key for key in operator.worked if key[1] == band and key[2] == mode]
            if earlier:
                call = rng.choice(sorted(earlier))[0]
                station = next(s for s in pool if s.call == call)
                operator.log(when, frequency, band, mode, station,
                             station.exchange_at(hours_in(when)))
                continue
        station = rng.choice(pool)
        while (station.call, band, mode) in operator.worked:
            station = rng.choice(pool)
        if index in wrong_mode:
            operator.log(when, frequency, band, wrong_mode[index], station,
                         station.exchange_at(hours_in(when)))
            continue
        received = "" if index in no_exchange else station.exchange_at(hours_in(when))
        operator.worked.add((station.call, band, mode))
        operator.log(when, frequency, band, mode, station, received)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "sample_contest.txt")
    rng = random.Random(SEED)
    prefixes, exact_calls = load_country_file(COUNTRY_FILE)
    stations = load_stations(prefixes, exact_calls)
    if not stations:
        sys.exit(f"no stations: is hamradio-files installed ({CALL_DATABASE})?")
    own = [s for s in stations if s[1] == OPERATOR_PREFIX and "/" not in s[0]]
    own_call, own_prefix, own_continent = rng.choice(own)
    pool = pick_pool([s for s in stations if s[0] != own_call], rng)
    operator = Operator(own_call, rng)
    make_log(operator, pool, rng)

    with open(output, "w", encoding="ascii", newline="\n") as sample:
        sample.write(
            "# KVZ DIGI Contest sample log (tools/demo/make_sample_contest.py). Tab-separated."
            " STATION: call, DXCC prefix, continent, contest start, contest end (UTC)."
            " QSO: UTC time, frequency Hz, band, mode, call, RST sent, RST received,"
            " exchange sent, exchange received, DXCC prefix, continent.\n"
        )
        sample.write(
            "\t".join(
                [
                    "STATION",
                    own_call,
                    own_prefix,
                    own_continent,
                    CONTEST_START.strftime("%Y-%m-%d %H:%M:%S"),
                    CONTEST_END.strftime("%Y-%m-%d %H:%M:%S"),
                ]
            )
            + "\n"
        )
        for line in operator.lines:
            sample.write(line + "\n")
    print(f"{output}: {own_call}, {len(operator.lines)} QSOs")


if __name__ == "__main__":
    main()
