// The property table of TFont, streamed wherever a class publishes a font (Font.Size = 10).
#include "platform/core/PropInfo.h"
#include "platform/graphics/GraphicsObjects.h"

namespace vcl {
namespace {

const bool registered = [] {
    RegisterClass<TFont, TPersistent>("TFont", [](TPublisher<TFont>& p) {
        p.Color("Color", &TFont::GetColor, &TFont::SetColor);
        p.Integer("Height", &TFont::GetHeight, &TFont::SetHeight);
        p.String("Name", [](TFont& f) { return f.GetName(); }, &TFont::SetName);
        p.Integer("Size", &TFont::GetSize, &TFont::SetSize).Stored(false);
        p.Set("Style", &TFont::GetStyle, &TFont::SetStyle, {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
        p.Integer("Orientation", &TFont::GetOrientation, &TFont::SetOrientation);
        p.Enum("Quality", &TFont::GetQuality, &TFont::SetQuality,
               {"fqDefault", "fqDraft", "fqProof", "fqNonAntialiased", "fqAntialiased", "fqClearType",
                "fqClearTypeNatural"});
        p.Enum("Pitch", &TFont::GetPitch, &TFont::SetPitch, {"fpDefault", "fpVariable", "fpFixed"});
    });
    return true;
}();

}  // namespace
}  // namespace vcl
