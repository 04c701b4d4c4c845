#include "engine/identification.h"

#include "engine/contest_state.h"
#include "platform/platform.h"

namespace {
constexpr const char* kContestName = "KVZ DIGI Contest";
constexpr const char* kNoSetName = "";
}  // namespace

const char* ContestSetName(int set) {
    return set == 0 ? kContestName : kNoSetName;
}

void RequestHtmlResult() {
    g_htmlResult = 1;
}

// The host's thread has no main window of ours, so the box has no owner and the
// system's default caption.
void ShowNoSetupMessage() {
    platform::ShowMessageBox("No additional setup for this plugin", nullptr);
}
