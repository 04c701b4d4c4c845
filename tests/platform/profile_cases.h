#pragma once
// Settings-file cases that the Linux stand-in and the real Windows functions
// must answer alike. The native unit tests run them against the stand-in, the
// host simulator under Wine against the system; each run starts in an empty
// current directory.

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/platform.h"

struct ProfileStep {
    bool write = false;
    std::string section;
    std::string key;
    std::string text;  // value to write, or the default of a read
    std::size_t bufferSize = 100;
    std::string expected;  // what a read gives; "1" or "0" for a write's success
};

struct ProfileCase {
    std::string name;
    bool pluginsFolder = true;  // create "Plugins" first
    bool hasInitialFile = false;
    std::string initialFile;
    std::vector<ProfileStep> steps;
    bool checkFile = false;
    std::string expectedFile;  // bytes of the file afterwards
};

inline const std::string kProfileIni = "Plugins\\KVZ-DIGI.ini";

inline ProfileStep ReadStep(const std::string& section, const std::string& key,
                            const std::string& fallback, std::size_t size,
                            const std::string& expected) {
    return {false, section, key, fallback, size, expected};
}

inline ProfileStep WriteStep(const std::string& section, const std::string& key,
                             const std::string& value, bool succeeds = true) {
    return {true, section, key, value, 0, succeeds ? "1" : "0"};
}

inline const std::vector<ProfileCase>& ProfileCases() {
    static const std::vector<ProfileCase> cases = {
        {"missing_file_gives_default",
         true,
         false,
         "",
         {ReadStep("Settings", "Start", "", 100, ""), ReadStep("Settings", "Start", "7", 100, "7"),
          ReadStep("Settings", "Start", "abc   ", 100, "abc")},
         false,
         ""},
        {"first_write_creates_file_and_section",
         true,
         false,
         "",
         {WriteStep("Settings", "Start", "1"), ReadStep("Settings", "Start", "", 100, "1")},
         true,
         "[Settings]\r\nStart=1\r\n"},
        {"lookup_ignores_case",
         true,
         true,
         "[settings]\nSETUP_kvz = 1 \n",
         {ReadStep("Settings", "setup_KVZ", "", 100, "1"),
          ReadStep("SETTINGS", "Setup_Kvz", "", 100, "1"),
          ReadStep("Other", "setup_KVZ", "d", 100, "d")},
         false,
         ""},
        {"rewrite_in_place_and_append_key",
         true,
         true,
         "[Settings]\r\nMode=RTTY\r\nStart=1\r\n[Other]\r\nStart=9\r\n",
         {WriteStep("SETTINGS", "start", "0"), WriteStep("Settings", "DXCC", "1"),
          ReadStep("Other", "Start", "", 100, "9"), ReadStep("Settings", "Start", "", 100, "0")},
         true,
         "[Settings]\r\nMode=RTTY\r\nStart=0\r\nDXCC=1\r\n[Other]\r\nStart=9\r\n"},
        {"new_section_goes_last",
         true,
         true,
         "[Other]\r\nA=1\r\n",
         {WriteStep("Settings", "Claimed", "1234")},
         true,
         "[Other]\r\nA=1\r\n[Settings]\r\nClaimed=1234\r\n"},
        {"buffer_size_cuts",
         true,
         false,
         "",
         {WriteStep("Settings", "SOAPBOX", std::string(150, 'x')),
          ReadStep("Settings", "SOAPBOX", "", 100, std::string(99, 'x')),
          ReadStep("Settings", "SOAPBOX", "", 50, std::string(49, 'x')),
          ReadStep("Settings", "SOAPBOX", "", 1, ""),
          ReadStep("Settings", "missing", std::string(120, 'd'), 100, std::string(99, 'd'))},
         false,
         ""},
        {"matching_quotes_stripped",
         true,
         true,
         "[Settings]\nA=\"quoted\"\nB='x'\nC=\"open\nD=\n",
         {ReadStep("Settings", "A", "", 100, "quoted"), ReadStep("Settings", "B", "", 100, "x"),
          ReadStep("Settings", "C", "", 100, "\"open"),
          ReadStep("Settings", "D", "default", 100, "")},
         false,
         ""},
        {"encoded_line_ends_round_trip",
         true,
         false,
         "",
         {WriteStep("Settings", "SOAPBOX", "one<CR><LF>two"),
          ReadStep("Settings", "SOAPBOX", "", 100, "one<CR><LF>two")},
         true,
         "[Settings]\r\nSOAPBOX=one<CR><LF>two\r\n"},
        {"missing_folder_is_not_created",
         false,
         false,
         "",
         {WriteStep("Settings", "Start", "1", false), ReadStep("Settings", "Start", "0", 100, "0")},
         false,
         ""},
    };
    return cases;
}

// Runs one case in the current directory; returns what differed, one line each.
inline std::vector<std::string> RunProfileCase(const ProfileCase& c) {
    namespace fs = std::filesystem;
    std::vector<std::string> differences;
    const fs::path file = fs::path("Plugins") / "KVZ-DIGI.ini";
    if (c.pluginsFolder) {
        fs::create_directory("Plugins");
    }
    if (c.hasInitialFile) {
        std::ofstream(file, std::ios::binary) << c.initialFile;
    }
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
        const ProfileStep& step = c.steps[i];
        std::string got =
            step.write
                ? (platform::WriteProfileText(kProfileIni, step.section, step.key, step.text) ? "1"
                                                                                              : "0")
                : platform::ReadProfileText(kProfileIni, step.section, step.key, step.text,
                                            step.bufferSize);
        if (got != step.expected) {
            differences.push_back("step " + std::to_string(i + 1) + ": got \"" + got +
                                  "\", expected \"" + step.expected + "\"");
        }
    }
    if (!c.pluginsFolder && fs::exists("Plugins")) {
        differences.push_back("the Plugins folder was created");
    }
    if (c.checkFile) {
        std::ostringstream bytes;
        bytes << std::ifstream(file, std::ios::binary).rdbuf();
        if (bytes.str() != c.expectedFile) {
            differences.push_back("file holds \"" + bytes.str() + "\"");
        }
    }
    return differences;
}
