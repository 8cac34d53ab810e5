// The property table of TBitmap: its picture streamed as one binary property, so a
// bitmap a class publishes (a speed button's Glyph, a menu item's Bitmap) is kept in form
// files as "Glyph.Data = {...}".
//
// The data, in this order (integers little-endian):
//   1 byte    7, the length of the class name
//   7 bytes   "TBitmap"
//   1 byte    flags: 1 = Transparent, 2 = the transparent colour is fixed (else automatic)
//   4 bytes   the fixed transparent colour (clDefault when automatic)
//   the rest  a BMP file as SaveToStream writes it, its size field equal to what is left
// The BMP keeps the size, the depth (1, 4, 8, 24 or 32 bits; 15 and 16 bits are kept as 24),
// the palette and, at 32 bits, the alpha channel (a bit-field header says the fourth byte is
// alpha). An empty bitmap has no data.
#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/core/PropInfo.h"
#include "platform/core/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/runtime/TextUtils.h"

namespace vcl {
namespace {

constexpr char kClassName[] = "TBitmap";
constexpr std::size_t kNameLength = sizeof(kClassName) - 1;
constexpr std::size_t kHeaderSize = 1 + kNameLength + 1 + 4;
constexpr std::uint8_t kTransparent = 1, kFixedColor = 2;

std::uint32_t ReadLE32(const std::string& s, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | std::uint8_t(s[at + std::size_t(i)]);
    return v;
}

void AppendLE32(std::string& s, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) s += char((v >> (8 * i)) & 0xFF);
}

std::string SaveData(TBitmap& b) {
    if (b.Empty()) return std::string();
    std::string data;
    data += char(kNameLength);
    data += kClassName;
    bool fixed = b.GetTransparentMode() == tmFixed;
    data += char((b.GetTransparent() ? kTransparent : 0) | (fixed ? kFixedColor : 0));
    AppendLE32(data, std::uint32_t(fixed ? b.GetTransparentColor() : clDefault));
    TMemoryStream bmp;
    b.SaveToStream(&bmp);
    data.append(reinterpret_cast<const char*>(bmp.Bytes().data()), bmp.Bytes().size());
    return data;
}

void LoadData(TBitmap& b, const std::string& data) {
    // The data the bitmap already holds changes nothing (and repaints nothing).
    if (data == SaveData(b)) return;
    if (data.empty()) {
        b.Assign(nullptr);
        return;
    }
    std::size_t nameLength = std::uint8_t(data[0]);
    if (data.size() < 1 + nameLength) throw EInvalidGraphic("Bitmap data is truncated in its class name");
    std::string name = data.substr(1, nameLength);
    if (!SameText(name, kClassName)) {
        bool printable = !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
        });
        throw EInvalidGraphic("Bitmap data holds " + (printable ? "a " + name : std::string("no class name")) +
                              ", not a TBitmap");
    }
    if (data.size() < kHeaderSize + 14) throw EInvalidGraphic("Bitmap data is truncated before its BMP stream");
    std::uint8_t flags = std::uint8_t(data[1 + kNameLength]);
    if ((flags & ~(kTransparent | kFixedColor)) != 0)
        throw EInvalidGraphic("Bitmap data has unknown flags " + std::to_string(int(flags)));
    TColor color = TColor(std::int32_t(ReadLE32(data, 2 + kNameLength)));
    if (data[kHeaderSize] != 'B' || data[kHeaderSize + 1] != 'M')
        throw EInvalidGraphic("Bitmap data holds no BMP stream");
    // The BMP's own size says where it ends: less data is a cut-off block, more is not ours.
    const std::uint64_t declared = ReadLE32(data, kHeaderSize + 2);
    const std::uint64_t present = data.size() - kHeaderSize;
    if (declared > present)
        throw EInvalidGraphic("Bitmap data is truncated: the BMP stream declares " + std::to_string(declared) +
                              " bytes but " + std::to_string(present) + " are present");
    if (declared < present)
        throw EInvalidGraphic("Bitmap data has " + std::to_string(present - declared) +
                              " bytes after its BMP stream");

    // Decoded whole first: data that does not load leaves the bitmap as it was.
    TBitmap loaded;
    TMemoryStream bmp;
    bmp.WriteBuffer(data.data() + kHeaderSize, std::int64_t(present));
    bmp.SetPosition(0);
    loaded.LoadFromStream(&bmp);
    loaded.SetTransparent((flags & kTransparent) != 0);
    if ((flags & kFixedColor) != 0) {
        loaded.SetTransparentColor(color);
        loaded.SetTransparentMode(tmFixed);
    }
    b.Assign(&loaded);
}

const bool registered = [] {
    RegisterClass<TBitmap, TPersistent>("TBitmap", [](TPublisher<TBitmap>& p) {
        p.Binary("Data", &SaveData, &LoadData);
    });
    return true;
}();

}  // namespace
}  // namespace vcl
