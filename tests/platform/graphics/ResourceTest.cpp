// Embedded resources: the test image under data/ is compiled into this program.
#include <gtest/gtest.h>

#include "platform/graphics/codecs/ImageCodecs.h"
#include "platform/graphics/resources/Resources.h"

using vcl::FindResourceData;
using vcl::HInstance;

TEST(Resources, EmbeddedFileIsFoundByNameInAnyCase) {
    ASSERT_NE(HInstance, nullptr);
    for (const char* name : {"PROBE", "probe", "Probe"}) {
        SCOPED_TRACE(name);
        const auto data = FindResourceData(HInstance, name);
        ASSERT_TRUE(data.has_value());
        // The bytes are the file's: a 5x3 4 bit bitmap with three palette entries.
        const vcl::codecs::RawImage image = vcl::codecs::DecodeBMP(*data);
        EXPECT_EQ(image.width, 5);
        EXPECT_EQ(image.height, 3);
        EXPECT_EQ(image.bitsPerPixel, 4);
        ASSERT_EQ(image.palette.size(), 3u);
        EXPECT_EQ(image.palette[2], vcl::RGB(0, 128, 255));
        EXPECT_EQ(image.bits[0], 0x01);   // top row 0 1 2 1 0
        EXPECT_EQ(image.bits[1], 0x21);
    }
}

TEST(Resources, UnknownNamesAndNullModulesFindNothing) {
    EXPECT_FALSE(FindResourceData(HInstance, "PROBE.BMP").has_value());
    EXPECT_FALSE(FindResourceData(HInstance, "NO_SUCH_RESOURCE").has_value());
    EXPECT_FALSE(FindResourceData(HInstance, "").has_value());
    EXPECT_FALSE(FindResourceData(nullptr, "PROBE").has_value());
}

TEST(Resources, RegisteredDataIsReplacedUnderTheSameName) {
    static const std::uint8_t first[] = {1, 2, 3};
    static const std::uint8_t second[] = {9};
    vcl::RegisterResource("Test_Replace", first);
    vcl::RegisterResource("TEST_REPLACE", second);
    const auto data = FindResourceData(HInstance, "test_replace");
    ASSERT_TRUE(data.has_value());
    ASSERT_EQ(data->size(), 1u);
    EXPECT_EQ((*data)[0], 9);
}
