#include "engine/replay_cases.h"

#include <gtest/gtest.h>

#include "engine/engine_fixture.h"

namespace {

using ReplayTest = EngineTest;

TEST_F(ReplayTest, SessionAnswersBadQsoFileAndSummary) {
    replay::Run(m_api,
                [](const char* name, int got, int expected) { EXPECT_EQ(got, expected) << name; });
    EXPECT_EQ(ReadWholeFile(replay::kBadQsoFile), replay::kExpectedBadQsoText);
    EXPECT_EQ(Log().size(), 4u);
    EXPECT_EQ(host::GetResult(m_api), replay::kExpectedSummary);
}

}  // namespace
