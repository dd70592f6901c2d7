// Serves the program's own named resources (the IP files it exports) to a
// run through the seam recorder, byte for byte as the program carries them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/qt/NamedResources.h"
#include "tests/support/SeamRecorder.h"

// A name the build does not carry fails the test.
inline void ServeProgramResources(SeamRecorder& seam, const std::vector<std::string>& names)
{
    for (const std::string& name : names) {
        std::string bytes;
        ASSERT_TRUE(LoadNamedResource(name, bytes)) << name;
        seam.AddResource(name, bytes);
    }
}
