#include "core/view/FrameBands.h"

#include <gtest/gtest.h>
#include <vector>

namespace orbanil {
namespace {

TEST(FrameBands, EveryBandIsDrawnOnceWhateverTheThreads)
{
    for (const int threads : {1, 2, 3, 8}) {
        FrameBands bands(threads);
        EXPECT_EQ(bands.threads(), threads);
        for (const int count : {0, 1, 7, 64}) {
            std::vector<int> drawn(static_cast<std::size_t>(count), 0);
            for (int run = 0; run < 3; ++run) {
                bands.run(count, [&](int band) { ++drawn[static_cast<std::size_t>(band)]; });
            }
            EXPECT_EQ(drawn, std::vector<int>(static_cast<std::size_t>(count), 3))
                << threads << " threads, " << count << " bands";
        }
    }
}

} // namespace
} // namespace orbanil
