// The exports as the host sees them: libStats.so is loaded like the DLL and
// every function is looked up under each of its names.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

#include "engine/contest_state.h"
#include "engine/plugin_exports.h"
#include "platform/posix/headless.h"

extern "C" {
GetNumberOfSetsFn GetNumberOfSets;
SetupSetFn SetupSet0;
SetVersionFn setVersion;
}

namespace {

class LoadedLibrary : public testing::Test {
protected:
    void SetUp() override {
        m_handle = dlopen(STATS_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(m_handle, nullptr) << dlerror();
    }
    void TearDown() override {
        if (m_handle != nullptr) {
            dlclose(m_handle);
        }
    }
    template <typename Fn>
    Fn* Lookup(const char* name) {
        return reinterpret_cast<Fn*>(dlsym(m_handle, name));
    }
    void* m_handle = nullptr;
};

TEST_F(LoadedLibrary, ExportsEveryNameAndPairsLeadToOneFunction) {
    const char* plain[] = {"AddData0",      "RemoveData0",    "ResetStats0",     "CheckCall0",
                           "IsValidExchg0", "GetExchgCount0", "GetNumberOfSets", "GetSetName",
                           "GetResult0",    "SetupSet0",      "setVersion"};
    for (const char* name : plain) {
        EXPECT_NE(dlsym(m_handle, name), nullptr) << name;
    }
    EXPECT_EQ(dlsym(m_handle, "CheckCall0"), dlsym(m_handle, "CheckCallFunc0"));
    EXPECT_EQ(dlsym(m_handle, "IsValidExchg0"), dlsym(m_handle, "StatsIsValidExchg0"));
    EXPECT_EQ(dlsym(m_handle, "GetExchgCount0"), dlsym(m_handle, "StatsGetExchgCount0"));
    EXPECT_EQ(dlsym(m_handle, "GetExchgCount0"), dlsym(m_handle, "GetNumberOfSets"));
    // Only the exports are visible, not the core's own functions.
    EXPECT_EQ(dlsym(m_handle, "_Z14ContestSetNamei"), nullptr);
}

TEST_F(LoadedLibrary, AnswersTheIdentificationCalls) {
    auto* sets = Lookup<GetNumberOfSetsFn>("GetNumberOfSets");
    auto* exchanges = Lookup<GetExchgCountFn>("GetExchgCount0");
    auto* name = Lookup<GetSetNameFn>("GetSetName");
    auto* version = Lookup<SetVersionFn>("setVersion");
    ASSERT_TRUE(sets && exchanges && name && version);
    EXPECT_EQ(sets(), 1);
    EXPECT_EQ(exchanges("RTTY", "20m", "x"), 1);
    EXPECT_EQ(exchanges(nullptr, nullptr, nullptr), 1);
    EXPECT_STREQ(name(0), "KVZ DIGI Contest");
    // A constant of the module: the same text every time.
    EXPECT_EQ(name(0), name(0));
    for (int set : {1, -1, 2, 1000000}) {
        EXPECT_STREQ(name(set), "") << set;
    }
    EXPECT_EQ(version("2.20"), 0ul);
    EXPECT_EQ(version(nullptr), 0ul);
}

// The static core is linked into this test too, so its state can be seen.
TEST(CoreExports, SetVersionSwitchesToHtmlForGood) {
    EXPECT_EQ(setVersion("anything"), 0ul);
    std::lock_guard<std::mutex> hold(g_stateLock);
    EXPECT_EQ(g_htmlResult, 1);
}

TEST(CoreExports, SetupShowsOneOwnerlessBoxWithDefaultCaption) {
    platform::headless::TakeMessageBoxes();
    SetupSet0();
    auto boxes = platform::headless::TakeMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "No additional setup for this plugin");
    EXPECT_TRUE(boxes[0].defaultCaption);
    EXPECT_EQ(GetNumberOfSets(), 1);
}

}  // namespace
