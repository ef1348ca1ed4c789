#include "core/shape/ShapeDescriptor.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

TEST(ShapeDescriptor, TheAlternativeTexturesAreTheEntryInTheShapeBlock)
{
    struct Case
    {
        const char* what;
        const char* text;
        int flags;
    };
    const Case cases[] = {
        {"as exporters write it",
         "JINX0t1t______\r\n\r\nshape ( coche.s\r\n\tESD_Detail_Level ( 0 )\r\n"
         "\tESD_Alternative_Texture ( 256 )\r\n\tESD_Bounding_Box ( -1 0 -3 1 2.4 3 )\r\n)\r\n",
         256},
        {"keywords in any case", "Shape ( coche.s esd_alternative_texture ( 257 ) )", 257},
        {"the later of two",
         "shape ( c.s ESD_Alternative_Texture ( 1 ) ESD_Alternative_Texture ( 256 ) )", 256},
        {"none", "shape ( c.s ESD_Detail_Level ( 0 ) )", 0},
        {"not a whole number", "shape ( c.s ESD_Alternative_Texture ( 1.5 ) )", 0},
        {"an empty entry", "shape ( c.s ESD_Alternative_Texture ( ) ESD_Detail_Level ( 256 ) )", 0},
        {"outside the shape block", "ESD_Alternative_Texture ( 256 ) shape ( c.s )", 0},
        {"in a comment", "shape ( c.s comment ( ESD_Alternative_Texture ( 256 ) ) )", 0},
        {"a block before the shape's",
         "otro ( shape ( c.s ESD_Alternative_Texture ( 256 ) ) ) shape ( c.s "
         "ESD_Alternative_Texture ( 1 ) )",
         1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(alternativeTextureFlags(c.text), c.flags) << c.what;
    }
}

} // namespace
} // namespace orbanil
