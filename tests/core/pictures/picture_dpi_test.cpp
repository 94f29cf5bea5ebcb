// Which embedded picture a window at a DPI draws from.
#include "core/pictures/picture_dpi.h"

#include <gtest/gtest.h>

namespace zintar {
namespace {

TEST(PictureSource, ExactScalesTheirOwnOthersTheNextLargerOrTheLargest) {
    struct Case {
        int dpi;
        int source;
    };
    for (const Case c : {Case{96, 96},
                         {120, 120},
                         {144, 144},
                         {192, 192}, // drawn for them
                         {72, 96},
                         {97, 120},
                         {108, 120},
                         {168, 192}, // shrunk
                         {240, 192},
                         {480, 192}}) { // enlarged
        const PictureSource source = PictureSourceFor(c.dpi);
        EXPECT_EQ(source.dpi, c.source) << c.dpi;
        EXPECT_EQ(kEmbeddedPictureDpis.at(source.index), c.source) << c.dpi;
    }
}

} // namespace
} // namespace zintar
