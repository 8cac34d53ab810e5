// Components following the theme: the table that says which theme role each colour
// default of a class stands for, and the switch that moves every control to a new theme.
//
// A component keeps its colour defaults as they are written (its field initialisers) and
// registers, in one file beside it, which role each default stands for:
//
//     const bool kRoles = vcl::RegisterThemeRoles("TNumLab", {
//         {"ColorLabText", vcl::trFaceText, "ColorLabBakG"},   // text, and what it is drawn on
//         {"ColorOutBakG", vcl::trFace},
//     });
//
// A colour property still holding what the previous theme gave it (in the light theme: the
// published default) takes the new theme's colour for its role; the light theme gives the
// published default back, so forms look as they always did there. A colour the
// application or a form file set to anything else stays exactly as set. Defaults that are
// system colours (clBtnFace, clWindowText, ...) need no entry: they follow by themselves.
#pragma once

#include <string>
#include <vector>

#include "platform/graphics/Theme.h"

namespace vcl {

class TControl;
class TPersistent;
class TClassInfo;
struct TPropInfo;

// One colour property of a class and the role its default stands for. DrawnOn names the
// colour property of the background this colour's text is drawn on, when it colours text
// (contrast checks read the pairs); empty for colours that are not text.
struct TThemeRoleEntry {
    std::string Property;
    TThemeRole Role;
    std::string DrawnOn;
};

// Registers the roles of ClassName's colour defaults (one call per class, from a static
// initialiser beside the component). Returns true so it can initialise a constant.
bool RegisterThemeRoles(const std::string& ClassName, std::vector<TThemeRoleEntry> Entries);
// For colours a table cannot name (an indexed or public-only property): Hook moves them
// itself from the colours of From to those of To, leaving colours the program set alone.
using TThemeHook = void (*)(TControl* Control, const TTheme& From, const TTheme& To);
bool RegisterThemeHook(const std::string& ClassName, TThemeHook Hook);
// Whether ClassName registered its table (also an empty one).
bool HasThemeRoles(const std::string& ClassName);
// The entries of Obj's class and its registered bases, the bases' first.
std::vector<TThemeRoleEntry> ThemeRolesOf(const TPersistent& Obj);
// What a property of the entry's role holds in Theme: the published default in the light
// theme, the theme's role colour otherwise. False when the property has no default.
bool ThemedValue(const TPropInfo& Prop, TThemeRole Role, const TTheme& Theme, TColor& Value);

struct ThemeFollow {
    // Moves Control's colour defaults from the theme they follow to the theme in use.
    static void Follow(TControl* Control);
    // Control and every control inside it.
    static void FollowTree(TControl* Control);
    // Makes Theme the one in use: selects it, moves every control of every form to it with
    // direct paints held, and invalidates every form; the next repaint of the loop
    // (Application->SetTheme runs one at once) paints each control once.
    static void Switch(const TTheme& Theme);
};

}  // namespace vcl
