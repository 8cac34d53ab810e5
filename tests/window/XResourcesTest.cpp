// The desktop's scale from a resource manager string (Xft.dpi, as `xrdb -query` lists it) and
// from a monitor's physical DPI.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/backend/sdl/XResources.h"

using namespace vcl;

namespace {

TEST(XResources, XftDpiGivesTheScaleClampedToOneToThree) {
#if defined(ZYN_HAVE_X11)
    struct Case { const char* resources; double scale; };
    for (const Case& c : {Case{"Xft.dpi:\t144\n", 1.5}, Case{"Xcursor.size: 24\nXft.dpi: 192\nXft.hinting: 1\n", 2.0},
                          Case{"Xft.dpi:\t120\n", 1.25}, Case{"Xft.dpi: 96", 1.0}, Case{"Xft.dpi: 72\n", 1.0},
                          Case{"Xft.dpi: 400\n", 3.0}, Case{"Xft.dpi: 110.5\n", 110.5 / 96}}) {
        std::optional<double> scale = XftDpiScale(c.resources);
        ASSERT_TRUE(scale.has_value()) << c.resources;
        EXPECT_DOUBLE_EQ(*scale, c.scale) << c.resources;
    }
#else
    GTEST_SKIP() << "built without Xlib";
#endif
}

TEST(XResources, NoOrAnUnreadableXftDpiGivesNothing) {
    for (const char* resources : {"", "Xcursor.size: 24\n", "Xft.dpi:\n", "Xft.dpi: large\n", "Xft.dpi: -96\n",
                                  "Xft.dpi: 0\n", "Xft.dpi: 144dpi\n", "! Xft.dpi: 144\n"})
        EXPECT_FALSE(XftDpiScale(resources).has_value()) << resources;
}

TEST(XResources, APhysicalDpiSnapsToTheNearestQuarterStep) {
    EXPECT_EQ(PhysicalDpiScale(93.0), 1.0);
    EXPECT_EQ(PhysicalDpiScale(157.0), 1.75);   // 1.635 is nearer 1.75 than 1.5
    EXPECT_EQ(PhysicalDpiScale(141.0), 1.5);
    EXPECT_EQ(PhysicalDpiScale(60.0), 1.0);
    EXPECT_EQ(PhysicalDpiScale(500.0), 3.0);
    EXPECT_FALSE(PhysicalDpiScale(0.0).has_value());
    EXPECT_FALSE(PhysicalDpiScale(-5.0).has_value());
}

}  // namespace
