#pragma once
// The two forms the host gets the score summary in: a tab-separated text, and
// an HTML page once the host has asked for HTML.

#include <string>

#include "reports/score_tally.h"

// Ends both forms; has no line end.
extern const char kCreditFooter[];

// The plain text. The rate block comes only outside export mode and when the
// log has entries.
std::string PlainSummary(const ScoreTally& tally, bool withRates);

// The HTML page; its rate rows are always there.
std::string HtmlSummary(const ScoreTally& tally);
