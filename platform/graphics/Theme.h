// Themes: the one place that says which RGB value a system colour or a drawing role has.
//
// A theme is a table of the 31 system colours (what ColorToRGB answers for clBtnFace,
// clWindowText, ...) and of the roles the standard controls and the components draw with
// (accent, grid line, disabled text, focus cue, the selection of an unfocused control, ...).
// Three ship: "light" (the classic palette, the default), "dark" and "high-contrast"
// (white on black with a yellow highlight). Selecting a theme here only swaps the tables;
// repainting the forms and moving components' colour defaults to the new theme is the
// controls layer's part (Application->SetTheme).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/graphics/Colors.h"

namespace vcl {

// What a colour is used for. Roles that mirror a system colour say which one.
enum TThemeRole : std::uint8_t {
    trWindow,                 // clWindow: background of edits, lists, grids
    trWindowText,             // clWindowText: text on trWindow
    trFace,                   // clBtnFace: forms, panels, buttons' surroundings
    trFaceText,               // clBtnText: text on trFace
    trHighlight,              // clHighlight: the selection of a focused control
    trHighlightText,          // clHighlightText: text on trHighlight
    trDisabledText,           // text of a disabled control
    trAccent,                 // focus rings, the current item's cue, checked marks
    trFocus,                  // the focus cue drawn round the focused item
    trSelectionInactive,      // the selection of a control without the focus
    trSelectionInactiveText,  // text on trSelectionInactive
    trGridLine,               // lines between the cells of a grid
    trGridLineFixed,          // lines between the fixed (heading) cells of a grid
    trAlternateRow,           // the shaded background of every other row
    trBorder,                 // frames of edits and check boxes
    trBorderHot,              // the frame under the pointer
    trBorderDisabled,         // the frame of a disabled control
    trButtonFace,             // push buttons at rest
    trButtonBorder,
    trButtonHotFace,          // push buttons under the pointer
    trButtonHotBorder,
    trButtonDownFace,         // push buttons held down
    trButtonDownBorder,
    trMenuFace,               // popup menus and drop-down lists
    trMenuHot,                // the item under the pointer in a menu
    trMenuHotText,            // text on trMenuHot
    trMenuBorder,
    trHintFrame,              // the frame of a hint window
    trAlertText,              // text that warns (an error, a holiday, a red mark)
    trWarnBack,               // background of a warning field
    trMarkText,               // text set apart without warning (a second mark colour)
    trLineDark,               // the darkest line of a bevel
    trLineShadow,             // the shadow line of a bevel
    trLineLight,              // the lit line of a bevel
    trButtonDisabledFace,     // push buttons that are disabled
    trButtonDisabledBorder,
    trButtonCheckedFace,      // a flat speed button held down
    trCheckMark,              // the mark in a check box
    trMenuSeparator,          // the line between groups of menu items
    trMenuHotDisabled,        // a disabled menu item under the pointer
    trMenuGlyph,              // check marks and sub-menu arrows in menus
    trCaption,                // the title bar of a drawn window frame
    trCaptionText,
    trCaptionFrame,
    trLineFace,               // the inner lit line of a two-pixel bevel
    trDisabledFace,           // the face of a disabled field or selector
    trDisabledInk,            // text and marks of a disabled component, and engraved captions
    trEngraveLight,           // the line offset below an engraved caption
    trDisabledSelection,      // the selected item of a disabled selector
    trRoleCount
};

constexpr int kSysColorTableSize = 31;

struct TTheme {
    std::string Name;
    bool Dark = false;   // light text on dark surfaces
    std::array<TColor, kSysColorTableSize> SysColors{};
    std::array<TColor, trRoleCount> Roles{};   // RGB values, never system colours
};

// The built-in themes in a fixed order: light, dark, high-contrast.
const std::vector<const TTheme*>& Themes();
// The theme named Name (case-insensitive), or nullptr.
const TTheme* FindTheme(const std::string& Name);
const TTheme& LightTheme();

// The theme in use. The first call (at the latest when the first control is placed, so
// before any form shows) takes StartupTheme(getenv("ZYN_THEME")).
const TTheme& CurrentTheme();
// The theme a process starts with when ZYN_THEME holds Name (nullptr: unset): the theme
// Name names, light when it is unset or empty. An unknown name is reported on stderr,
// once per call, and light is kept.
const TTheme& StartupTheme(const char* Name);
// Makes Theme the one in use: the system colour table becomes the theme's (overrides made
// with SetSysColor are dropped). Nothing is repainted here.
void SelectTheme(const TTheme& Theme);

// The RGB value of Role in the theme in use.
TColor ThemeColor(TThemeRole Role);

// WCAG 2 relative luminance of a colour (system colours resolved), 0 (black) .. 1 (white).
double RelativeLuminance(TColor Color);
// WCAG 2 contrast ratio of two colours, 1 .. 21.
double ContrastRatio(TColor A, TColor B);

}  // namespace vcl
