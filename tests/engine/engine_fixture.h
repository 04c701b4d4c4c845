#pragma once
// A fresh current directory (with the Plugins folder the settings file lives
// in) and a quiet headless UI for every engine test.

#include <gtest/gtest.h>

#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "engine/contest_state.h"
#include "engine/log_index.h"
#include "platform/posix/headless.h"
#include "reports/cabrillo_log.h"
#include "reports/score_summary.h"
#include "support/host_calls.h"
#include "support/native_api.h"
#include "support/temp_dir.h"

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory("Plugins");
        platform::headless::CloseSetupWindow();
        platform::headless::TakeUiRecord();
        platform::headless::TakeHeaderDialogs();
        platform::headless::SetHeaderDialogAnswer(nullptr);
        platform::headless::TakeMessageBoxes();
        // The state a freshly loaded module has, whatever earlier tests of
        // this process did.
        std::lock_guard<std::mutex> hold(g_stateLock);
        ClearLog();
        g_workedBands.clear();
        g_updatePending = 1;
        g_badQsoFile.clear();
        g_hostVersion.clear();
        g_russianUi = 0;
        g_clubMember = 0;
        g_exportMode = 0;
        g_htmlResult = 0;
        g_badQsoCount = 0;
        for (StringList& list : g_multipliers)
            list.clear();
        g_cabrillo = CabrilloLog();
        g_claimedScore = 0;
        g_resultText.clear();
    }

    static std::string BadQsoFile() {
        std::lock_guard<std::mutex> hold(g_stateLock);
        return g_badQsoFile;
    }

    static std::vector<std::string> BadQsoLines() {
        std::vector<std::string> lines;
        const std::string text = ReadWholeFile(BadQsoFile());
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos;
             start = end + 2) {
            lines.push_back(text.substr(start, end - start));
        }
        EXPECT_EQ(start, text.size()) << "the file ends in the middle of a line";
        return lines;
    }

    static std::vector<CInfo> Log() {
        std::lock_guard<std::mutex> hold(g_stateLock);
        return g_log;
    }

    ScopedWorkingDirectory m_folder;
    NativeApi m_api;
};
