#pragma once

#include "core/shape/FormatError.h"

#include <gtest/gtest.h>
#include <span>
#include <string>

namespace orbanil::testing {

// Bytes that a reader must refuse, and the phrase it must throw as FormatError.
struct BadBytes
{
    const char* what;
    std::string bytes;
    std::string reason;
};

template <class Read> void expectRefused(std::span<const BadBytes> cases, Read read)
{
    for (const BadBytes& bad : cases) {
        SCOPED_TRACE(bad.what);
        try {
            read(bad.bytes);
            ADD_FAILURE() << "read without a fault";
        } catch (const FormatError& e) {
            EXPECT_EQ(e.what(), bad.reason);
        }
    }
}

} // namespace orbanil::testing
