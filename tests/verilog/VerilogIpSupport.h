// Helpers of the Verilog IP tests: the program's own resource lookup, the
// paths of the stored IP texts and of the benches, and running a bench or
// Verilator's lint on them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/qt/QtBackend.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

// Records the boxes like the other tests, but finds resources the way the
// program does.
class ProgramResources : public SeamRecorder {
public:
    bool LoadRawResource(const std::string& name, std::string& bytes) override
    {
        return m_Qt.LoadRawResource(name, bytes);
    }

private:
    QtSeamBackend m_Qt;
};

// The build compiles the source folder in (PINLOOM_SOURCE_DIR, ending in "/").
inline std::string IpFile(const std::string& name) { return PINLOOM_SOURCE_DIR "resources/verilog/" + name; }
inline std::string BenchFile(const std::string& name) { return PINLOOM_SOURCE_DIR "tests/verilog/" + name; }

// The last line a bench printed.
inline std::string LastLine(const std::string& log)
{
    std::string text = log;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    const size_t start = text.find_last_of('\n');
    return start == std::string::npos ? text : text.substr(start + 1);
}

// Runs a bench; options go to Icarus Verilog (for example "-DNAME").
inline void ExpectBenchPasses(const std::vector<std::string>& files, const std::string& top,
                              const std::string& options = "")
{
    std::string log;
    EXPECT_TRUE(SimulateVerilog(files, top, "-Wall -Wno-timescale -I '" + BenchFile("") + "' " + options, log)) << log;
    EXPECT_EQ(LastLine(log), "PASS") << log;
}

// Lints IP files (paths below resources/verilog/) with every warning but
// those the waiver file of the bench folder names.
inline void ExpectLintClean(const std::vector<std::string>& files, const std::string& top,
                            const std::string& waivers = "lint_waivers.vlt")
{
    std::string command = "verilator --lint-only -Wall '" + BenchFile(waivers) + "' --top-module " + top;
    for (const std::string& file : files) command += " '" + IpFile(file) + "'";
    std::string log;
    EXPECT_EQ(RunCommand(command, log), 0) << log;
}

// Every line of an IP text ends in CR LF, the last one too: no CR or LF
// stands alone.
inline void ExpectCrLfLines(const std::string& text, const std::string& name)
{
    ASSERT_GE(text.size(), 2u) << name;
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << name;
    size_t alone = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) ++alone;
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) ++alone;
    }
    EXPECT_EQ(alone, 0u) << name;
}
