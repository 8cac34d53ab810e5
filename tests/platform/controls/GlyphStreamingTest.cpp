// A bitmap property in form files: a speed button's Glyph written as "Glyph.Data = {...}"
// comes back with the same size, depth, pixels, alpha and transparency; an empty glyph
// writes nothing; data that is not a whole bitmap is refused naming the property, and the
// button keeps the glyph it had.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/Buttons.h"
#include "platform/Classes.h"
#include "platform/Graphics.h"
#include "platform/Menus.h"
#include "platform/graphics/codecs/ImageCodecs.h"

using namespace vcl;

namespace {

// Every pixel byte of the bitmap, rows top first, without row padding.
std::string PixelBytes(TBitmap* b) {
    std::string out;
    int bits = 0;
    switch (b->GetPixelFormat()) {
        case pf1bit: bits = 1; break;
        case pf4bit: bits = 4; break;
        case pf8bit: bits = 8; break;
        case pf24bit: bits = 24; break;
        default: bits = 32; break;
    }
    const std::size_t rowBytes = (std::size_t(b->GetWidth()) * std::size_t(bits) + 7) / 8;
    for (int y = 0; y < b->GetHeight(); ++y)
        out.append(reinterpret_cast<const char*>(b->ScanLine(y)), rowBytes);
    return out;
}

// A 24-bit picture whose every pixel differs from its neighbours.
void Paint24(TBitmap* b, int w, int h) {
    b->SetPixelFormat(pf24bit);
    b->SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b->GetCanvas()->SetPixels(x, y, RGB((x * 20) & 0xFF, (y * 30) & 0xFF, (x * y * 7) & 0xFF));
}

// A 32-bit picture with an alpha channel, loaded from a BMP file that says so.
void Load32WithAlpha(TBitmap* b, int w, int h) {
    codecs::RawImage image;
    image.width = w;
    image.height = h;
    image.bitsPerPixel = 32;
    image.hasAlpha = true;
    image.bits.resize(std::size_t(image.BytesPerLine()) * std::size_t(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = &image.bits[std::size_t(y * image.BytesPerLine() + x * 4)];
            p[0] = std::uint8_t(x * 40);
            p[1] = std::uint8_t(y * 40);
            p[2] = 200;
            p[3] = std::uint8_t((x + y) * 30);   // 0 (clear) .. opaque-ish
        }
    std::vector<std::uint8_t> bmp = codecs::EncodeBMP(image);
    TMemoryStream s;
    s.WriteBuffer(bmp.data(), std::int64_t(bmp.size()));
    s.SetPosition(0);
    b->LoadFromStream(&s);
}

// What the bitmap looks like drawn on white: alpha shows in the blend.
std::vector<TColor> DrawnOnWhite(TBitmap* b) {
    TBitmap canvas;
    canvas.SetPixelFormat(pf24bit);
    canvas.SetSize(b->GetWidth(), b->GetHeight());
    canvas.GetCanvas()->GetBrush()->SetColor(clWhite);
    canvas.GetCanvas()->FillRect(Rect(0, 0, b->GetWidth(), b->GetHeight()));
    canvas.GetCanvas()->Draw(0, 0, b);
    std::vector<TColor> out;
    for (int y = 0; y < b->GetHeight(); ++y)
        for (int x = 0; x < b->GetWidth(); ++x) out.push_back(canvas.GetCanvas()->GetPixels(x, y));
    return out;
}

TSpeedButton* ReadButton(const std::string& text, TComponent* owner) {
    auto* b = dynamic_cast<TSpeedButton*>(ReadComponentText(text, owner));
    if (b == nullptr) ADD_FAILURE() << "not a speed button";
    return b;
}

// The text of a speed button whose glyph data is Bytes exactly.
std::string ButtonWithData(const std::string& bytes) {
    return "object SB: TSpeedButton\n  Glyph.Data = {\n    " + BinaryToHex(bytes) + "}\nend\n";
}

// Glyph data: the class name, flags, colour and the BMP file Bmp.
std::string GlyphData(const std::string& bmp, std::uint8_t flags = 0) {
    return std::string("\x07TBitmap", 8) + char(flags) + std::string("\xFF\xFF\xFF\x1F", 4) + bmp;
}

std::string ValidBmp() {
    TBitmap b;
    Paint24(&b, 3, 2);
    TMemoryStream s;
    b.SaveToStream(&s);
    return std::string(reinterpret_cast<const char*>(s.Bytes().data()), s.Bytes().size());
}

void PutLE32(std::string& s, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) s[at + std::size_t(i)] = char((v >> (8 * i)) & 0xFF);
}

}  // namespace

TEST(GlyphStreaming, A24BitGlyphRoundTripsPixelForPixel) {
    TSpeedButton button(nullptr);
    button.SetName("SB");
    Paint24(button.GetGlyph(), 19, 7);   // 57-byte rows: padding and more than one text line
    const std::string text = WriteComponentText(&button);
    ASSERT_NE(text.find("  Glyph.Data = {\n    07544269746D6170"), std::string::npos) << text;
    for (std::size_t at = text.find("{\n") + 2; at < text.size();) {
        std::size_t nl = text.find('\n', at);
        EXPECT_LE(nl - at, 4 + 64 + 1) << "line too long at " << at;
        if (text[nl - 1] == '}') break;
        at = nl + 1;
    }

    TComponent owner(nullptr);
    TSpeedButton* back = ReadButton(text, &owner);
    ASSERT_NE(back, nullptr);
    TBitmap* g = back->GetGlyph();
    EXPECT_EQ(g->GetWidth(), 19);
    EXPECT_EQ(g->GetHeight(), 7);
    EXPECT_EQ(g->GetPixelFormat(), pf24bit);
    EXPECT_EQ(PixelBytes(g), PixelBytes(button.GetGlyph()));
    EXPECT_EQ(WriteComponentText(back), text);

    // The documented layout: class name, flags, colour, then the BMP's own header.
    TSpeedButton small(nullptr);
    small.SetName("SB");
    Paint24(small.GetGlyph(), 4, 4);
    EXPECT_NE(WriteComponentText(&small).find(
                  "  Glyph.Data = {\n    07544269746D61700000000020424D6600000000000000360000002800000004\n"),
              std::string::npos)
        << WriteComponentText(&small);
}

TEST(GlyphStreaming, A32BitGlyphKeepsItsAlphaAndTransparencyIsKept) {
    TSpeedButton button(nullptr);
    button.SetName("SB");
    Load32WithAlpha(button.GetGlyph(), 6, 5);
    const std::string text = WriteComponentText(&button);
    TComponent owner(nullptr);
    TSpeedButton* back = ReadButton(text, &owner);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetGlyph()->GetPixelFormat(), pf32bit);
    EXPECT_EQ(PixelBytes(back->GetGlyph()), PixelBytes(button.GetGlyph()));
    // The alpha is marked as alpha (pixels at 7A, after a 108-byte header, 6C) and stays
    // marked: the form read back writes the same text.
    EXPECT_NE(text.find("7A0000006C000000"), std::string::npos) << text;
    EXPECT_EQ(WriteComponentText(back), text);
    // Drawn, it looks exactly as before.
    const std::vector<TColor> before = DrawnOnWhite(button.GetGlyph());
    EXPECT_NE(before[0], before[before.size() - 1]);
    EXPECT_EQ(DrawnOnWhite(back->GetGlyph()), before);

    // Transparency: automatic (the bottom-left pixel) and a fixed colour.
    TSpeedButton flagged(nullptr);
    flagged.SetName("SB");
    Paint24(flagged.GetGlyph(), 4, 4);
    flagged.GetGlyph()->SetTransparent(true);
    TComponent owner2(nullptr);
    TSpeedButton* autoBack = ReadButton(WriteComponentText(&flagged), &owner2);
    ASSERT_NE(autoBack, nullptr);
    EXPECT_TRUE(autoBack->GetGlyph()->GetTransparent());
    EXPECT_EQ(autoBack->GetGlyph()->GetTransparentMode(), tmAuto);
    flagged.GetGlyph()->SetTransparentColor(clFuchsia);
    TComponent owner3(nullptr);
    TSpeedButton* fixedBack = ReadButton(WriteComponentText(&flagged), &owner3);
    ASSERT_NE(fixedBack, nullptr);
    EXPECT_TRUE(fixedBack->GetGlyph()->GetTransparent());
    EXPECT_EQ(fixedBack->GetGlyph()->GetTransparentMode(), tmFixed);
    EXPECT_EQ(fixedBack->GetGlyph()->GetTransparentColor(), clFuchsia);
    EXPECT_EQ(DrawnOnWhite(fixedBack->GetGlyph()), DrawnOnWhite(flagged.GetGlyph()));
}

TEST(GlyphStreaming, AnEmptyGlyphWritesNothing) {
    TSpeedButton fresh(nullptr);
    fresh.SetName("SB");
    const std::string plain = WriteComponentText(&fresh);
    EXPECT_EQ(plain.find("Glyph"), std::string::npos) << plain;

    // Set and cleared again, or only flagged transparent: still nothing.
    TSpeedButton cleared(nullptr);
    cleared.SetName("SB");
    Paint24(cleared.GetGlyph(), 4, 4);
    cleared.SetGlyph(nullptr);
    cleared.GetGlyph()->SetTransparent(true);
    EXPECT_EQ(WriteComponentText(&cleared), plain);

    // An empty block clears a glyph.
    TComponent owner(nullptr);
    TSpeedButton* back = ReadButton(ButtonWithData(""), &owner);
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(back->GetGlyph()->Empty());
}

TEST(GlyphStreaming, MalformedGlyphDataIsRefusedNamingTheProperty) {
    const std::string bmp = ValidBmp();
    std::string huge(54, '\0');   // a header alone, claiming 65536 x 65536 pixels
    huge[0] = 'B';
    huge[1] = 'M';
    PutLE32(huge, 2, 54);
    PutLE32(huge, 10, 54);
    PutLE32(huge, 14, 40);
    PutLE32(huge, 18, 65536);
    PutLE32(huge, 22, 65536);
    huge[26] = 1;
    huge[28] = 24;
    std::string cut = bmp.substr(0, bmp.size() - 3);
    std::string shortHeader = GlyphData(bmp).substr(0, 12);
    const std::pair<std::string, std::string> cases[] = {
        {GlyphData(cut), "Bitmap data is truncated: the BMP stream declares"},
        {GlyphData(bmp + "xyz"), "Bitmap data has 3 bytes after its BMP stream"},
        {GlyphData(huge), "Invalid data for Glyph.Data: "},
        {GlyphData("PK" + bmp.substr(2)), "Bitmap data holds no BMP stream"},
        {GlyphData(bmp, 0x80), "Bitmap data has unknown flags 128"},
        {std::string("\x08TPicture", 9) + bmp, "Bitmap data holds a TPicture, not a TBitmap"},
        {std::string("\x40TBitmap", 8), "Bitmap data is truncated in its class name"},
        {shortHeader, "Bitmap data is truncated before its BMP stream"},
    };
    TSpeedButton button(nullptr);
    button.SetName("SB");
    Paint24(button.GetGlyph(), 5, 5);
    const std::string kept = PixelBytes(button.GetGlyph());
    for (const auto& [bytes, message] : cases) {
        TComponent owner(nullptr);
        try {
            ReadComponentText(ButtonWithData(bytes), &owner);
            ADD_FAILURE() << "accepted: " << message;
        } catch (const EReadError& e) {
            EXPECT_EQ(e.Message().rfind("Line 2: Invalid data for Glyph.Data: ", 0), 0u) << e.Message();
            EXPECT_NE(e.Message().find(message), std::string::npos) << e.Message();
        }
        EXPECT_EQ(owner.GetComponentCount(), 0);
        // Read into the button itself: it keeps its glyph.
        EXPECT_THROW(ReadRootText(ButtonWithData(bytes), &button), EReadError);
        EXPECT_EQ(button.GetGlyph()->GetWidth(), 5);
        EXPECT_EQ(PixelBytes(button.GetGlyph()), kept);
    }
    // The valid data those cases were made from reads.
    TComponent owner(nullptr);
    TSpeedButton* back = ReadButton(ButtonWithData(GlyphData(bmp)), &owner);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetGlyph()->GetWidth(), 3);
}

TEST(GlyphStreaming, AMenuItemBitmapIsKeptToo) {
    TMenuItem item(nullptr);
    item.SetName("Item1");
    Paint24(item.GetBitmap(), 16, 16);
    const std::string text = WriteComponentText(&item);
    ASSERT_NE(text.find("  Bitmap.Data = {"), std::string::npos) << text;
    TComponent owner(nullptr);
    auto* back = dynamic_cast<TMenuItem*>(ReadComponentText(text, &owner));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(PixelBytes(back->GetBitmap()), PixelBytes(item.GetBitmap()));
}
