// The X settings manager's property parsed from hand-built bytes: both byte orders, the
// theme name found behind integer, string and colour settings, and truncated or malformed
// properties refused without reading past their end.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/backend/sdl/XSettings.h"
#include "tests/window/XSettingsBlob.h"

using namespace vcl;
using zyn_test::Blob;

namespace {

std::vector<std::uint8_t> Typical(bool BigEndian) {
    return Blob(BigEndian, 5)
        .Integer("Net/DoubleClickTime", 400)
        .String("Net/IconThemeName", "Icons-Dark")
        .Colour("Gtk/Color")
        .String("Net/ThemeName", "Adwaita-dark")
        .Integer("Xft/DPI", 98304)
        .bytes;
}

// Looks Name up in a copy of exactly Size bytes, so a read past the end shows under the
// address checker.
bool Lookup(const std::vector<std::uint8_t>& Bytes, std::size_t Size, const std::string& Name, std::string& Value) {
    std::vector<std::uint8_t> copy(Bytes.begin(), Bytes.begin() + std::ptrdiff_t(Size));
    return XSettingsString(copy.data(), copy.size(), Name, Value);
}

TEST(XSettings, FindsTheStringBehindOtherSettingsInBothByteOrders) {
    for (bool big : {false, true}) {
        const std::vector<std::uint8_t> bytes = Typical(big);
        std::string value;
        ASSERT_TRUE(Lookup(bytes, bytes.size(), "Net/ThemeName", value)) << "big endian " << big;
        EXPECT_EQ(value, "Adwaita-dark");
        ASSERT_TRUE(Lookup(bytes, bytes.size(), "Net/IconThemeName", value));
        EXPECT_EQ(value, "Icons-Dark");
        value = "kept";
        EXPECT_FALSE(Lookup(bytes, bytes.size(), "Net/CursorThemeName", value));   // missing
        EXPECT_FALSE(Lookup(bytes, bytes.size(), "Xft/DPI", value));              // not a string
        EXPECT_FALSE(Lookup(bytes, bytes.size(), "Gtk/Color", value));
        EXPECT_EQ(value, "kept");
    }
    // A name of a length that needs no padding, and an empty value.
    const auto even = Blob(false, 2).String("Abcd", "").String("Net/ThemeName", "HighContrast").bytes;
    std::string value;
    ASSERT_TRUE(Lookup(even, even.size(), "Abcd", value));
    EXPECT_EQ(value, "");
    ASSERT_TRUE(Lookup(even, even.size(), "Net/ThemeName", value));
    EXPECT_EQ(value, "HighContrast");
}

TEST(XSettings, RefusesTruncatedAndMalformedProperties) {
    const std::vector<std::uint8_t> bytes = Typical(false);
    std::string value;
    // Cut anywhere before the theme name's last byte: never found, never read past the end.
    const std::size_t full = bytes.size() - 20;   // the DPI setting (20 bytes) follows the name
    for (std::size_t size = 0; size < full; ++size)
        EXPECT_FALSE(Lookup(bytes, size, "Net/ThemeName", value)) << "cut at " << size;
    EXPECT_TRUE(Lookup(bytes, full, "Net/ThemeName", value));
    EXPECT_FALSE(XSettingsString(nullptr, 0, "Net/ThemeName", value));

    auto broken = bytes;
    broken[0] = 2;   // neither byte order
    EXPECT_FALSE(Lookup(broken, broken.size(), "Net/ThemeName", value));

    broken = bytes;
    broken[12] = 9;   // an unknown type before the one wanted: its size is unknown
    EXPECT_FALSE(Lookup(broken, broken.size(), "Net/ThemeName", value));

    // A count larger than the settings there, a name length and a string length past the end.
    auto counted = Blob(false, 1000).Integer("A", 1).bytes;
    EXPECT_FALSE(Lookup(counted, counted.size(), "Net/ThemeName", value));
    auto longName = Blob(false, 1).String("Net/ThemeName", "x").bytes;
    longName[15] = 0xFF;   // name length's high byte (little endian): 0xFF0D
    EXPECT_FALSE(Lookup(longName, longName.size(), "Net/ThemeName", value));
    auto longValue = Blob(false, 1).String("Net/ThemeName", "x").bytes;
    for (std::size_t i = 36; i < 40; ++i) longValue[i] = 0xFF;   // value length 0xFFFFFFFF
    EXPECT_FALSE(Lookup(longValue, longValue.size(), "Net/ThemeName", value));
}

TEST(XSettings, ThemeNamesEndingInDarkAreDark) {
    EXPECT_EQ(ThemeNameLook("Adwaita-dark"), "dark");
    EXPECT_EQ(ThemeNameLook("Breeze-DARK"), "dark");
    EXPECT_EQ(ThemeNameLook("-dark"), "dark");
    EXPECT_EQ(ThemeNameLook("Adwaita"), "light");
    EXPECT_EQ(ThemeNameLook("dark"), "light");
    EXPECT_EQ(ThemeNameLook("Darkness"), "light");
    EXPECT_EQ(ThemeNameLook("Adwaita-dark-blue"), "light");
    EXPECT_EQ(ThemeNameLook(""), "");
}

}  // namespace
