#pragma once
// The score summary the host asks for with GetResult0, recomputed from the
// log on every call, and the Cabrillo export it drives while the last reset
// asked for one.

#include <cstdint>
#include <string>

extern std::string g_resultText;     // the latest summary; the host reads its buffer
extern std::int32_t g_claimedScore;  // the latest score, for the Cabrillo header

// Builds the summary into g_resultText and returns its buffer. In export mode
// it also writes the Cabrillo file, shows the operator the notice and stores
// -1 through `out`. Takes g_stateLock itself and lets go of it while the
// notice is open.
const char* ProduceResult(int* out);
