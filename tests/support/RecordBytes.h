// A settings record as the bytes of its file, and back.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>

// The record a file's bytes hold; a file of another size fails the test and
// gives a zeroed record.
template <class X_CONFIG>
X_CONFIG RecordOf(const std::string& bytes)
{
    X_CONFIG record{};
    EXPECT_EQ(bytes.size(), sizeof record);
    if (bytes.size() == sizeof record) std::memcpy(&record, bytes.data(), sizeof record);
    return record;
}

template <class X_CONFIG>
std::string BytesOf(const X_CONFIG& record)
{
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}
