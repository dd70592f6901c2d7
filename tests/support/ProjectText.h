// Checks of the text of a generated project: how often a part stands in it,
// whether it holds a whole CR LF line, and that its .qsf gives no ball to two
// signals.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "tests/support/TestFiles.h"

// How many times `what` stands in text (occurrences that do not overlap).
inline int Count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
    return n;
}

// Whether one of the CR LF lines of text is exactly `line`.
inline bool HasLine(const std::string& text, const std::string& line)
{
    const auto lines = SplitCrLf(text);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// No ball of the .qsf is given to two signals.
inline void ExpectNoBallTwice(const std::string& qsf)
{
    std::map<std::string, std::string> owners;
    for (const std::string& line : SplitCrLf(qsf)) {
        const std::string head = "set_location_assignment PIN_";
        if (line.rfind(head, 0) != 0) continue;
        const size_t to = line.find(" -to ");
        const std::string ball = line.substr(head.size(), to - head.size());
        const std::string signal = line.substr(to + 5);
        EXPECT_TRUE(owners.emplace(ball, signal).second) << ball << " " << owners[ball] << " " << signal;
    }
}
