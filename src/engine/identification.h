#pragma once
// The host's identification calls: how many contests the plug-in scores and
// their names, and the request for the HTML summary.

// "KVZ DIGI Contest" for set 0, "" for any other; the texts live as long as the module.
const char* ContestSetName(int set);

// From now on the score summary comes back as HTML. Caller holds g_stateLock.
void RequestHtmlResult();

// Owner-less box telling the operator that there is nothing to set up here.
void ShowNoSetupMessage();
