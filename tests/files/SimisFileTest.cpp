#include "files/SimisFile.h"

#include "tests/support/BadBytes.h"
#include "tests/support/CabinFixture.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

using namespace testing;

const std::string compressedContents = binaryShapeContents(shapeBinary(fixtureCabin()));

// What follows the header of a compressed file is bytes, never UTF-16, whatever form they hold.
TEST(SimisFile, ACompressedFileInflatesToItsContents)
{
    const std::string contents = textShapeContents(shapeText(fixtureCabin()));
    const SimisContents read = simisContents(compressedFile(contents));
    EXPECT_EQ(read.bytes, contents);
    EXPECT_FALSE(read.utf16);
}

TEST(SimisFile, EveryBrokenCompressedFileSaysWhatIsWrong)
{
    const std::string whole = compressedFile(compressedContents);
    const BadBytes cases[] = {
        {"an inflated size that lies",
         compressedFile(compressedContents, compressedContents.size() + 1000),
         "se descomprime en " + std::to_string(compressedContents.size()) +
             " bytes y su cabecera dice " + std::to_string(compressedContents.size() + 1000)},
        {"a stream that inflates past its size", compressedFile(std::string(1 << 20, 'x'), 100),
         "se descomprime en más de los 100 bytes que dice su cabecera"},
        {"a size above the cap", compressedFile("x", 300u << 20),
         "dice ocupar 300 MB descomprimido, más que el límite de 256 MB"},
        {"a damaged stream", std::string("SIMISA@F\x10\0\0\0@@@@\x78\x9c\x07\0\0\0", 22),
         "los datos comprimidos están dañados"},
        {"a stream cut short", whole.substr(0, whole.size() / 2),
         "los datos comprimidos se acaban antes de tiempo"},
        {"no zlib stream", std::string("SIMISA@F\x10\0\0\0@@@@\0\0\0\0", 20),
         "los datos comprimidos no son un flujo zlib"},
    };
    expectRefused(cases, simisContents);
}

} // namespace
} // namespace orbanil
