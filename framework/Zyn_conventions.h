// Conventions every component of the package follows, as reusable pieces: the component
// error messages, the line colours of a colour scheme, the text-height probe strings and the
// timer on a hidden message window.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "framework/Zyn_zynbase.h"
#include "platform/Classes.h"
#include "platform/Win32.h"

namespace vcl { class TBitmap; }

namespace zyn {

// ---- messages ---------------------------------------------------------------------------

/// The texts that follow "Component \"Name\": " in the package's per-instance messages.
inline constexpr std::string_view msgNotEnoughMemory = "not enough memory on heap";
inline constexpr std::string_view msgNoTimer = "no timer available";
inline constexpr std::string_view msgFailedToInitialize = "failed to initialize (out of memory)";
inline constexpr std::string_view msgFailedToInitializeTableEditor =
    "failed to initialize table editor (out of memory)";
inline constexpr std::string_view msgIntegerOverflow = "integer overflow";

/// "Component \"" + Name + "\": " + Text. A null component gives an empty name.
std::string ComponentMessage(const vcl::TComponent* Component, std::string_view Text);

/// Raises the unit's error class E with ComponentMessage(Component, Text).
template <typename E>
[[noreturn]] void RaiseComponentError(const vcl::TComponent* Component, std::string_view Text) {
    throw E(ComponentMessage(Component, Text));
}

// ---- colour schemes ---------------------------------------------------------------------

/// The three line colours of the bevels and frames a component draws itself.
struct TLineColors {
    /// The dark line colour: clBlack in every scheme.
    TColor Black = vcl::clBlack;
    /// The shadow line colour: clGray in scheme 0, clBtnShadow otherwise.
    TColor Gray = vcl::clGray;
    /// The light line colour: clWhite in scheme 0, clBtnHighlight otherwise.
    TColor White = vcl::clWhite;
};

/// Scheme 0: black, gray, white; every other scheme: black, clBtnShadow, clBtnHighlight.
TLineColors LineColorsOfScheme(TColorScheme Scheme);
/// The same written into a component's three line colour fields.
void ApplyColorScheme(TColorScheme Scheme, TColor& BlackLine, TColor& GrayLine, TColor& WhiteLine);
// A line colour as the theme in use draws it: the fixed scheme's black, gray and white are the
// theme's bevel lines (the same three in the light theme, so a dark form gets no white
// line); system colours and any other colour stay as they are.
TColor ThemedLine(TColor Line);

// ---- bitmap resources -------------------------------------------------------------------

/// Loads one of the package's named bitmaps (the resources/ folder, embedded in the package)
/// into Bitmap. An unknown name raises the platform's EResNotFound and leaves Bitmap as it was.
void LoadResourceBitmap(vcl::TBitmap* Bitmap, const std::string& Name);
// The same for a control at PPI pixels per inch: the artwork size nearest it (1x, 1.5x, 2x).
void LoadResourceBitmap(vcl::TBitmap* Bitmap, const std::string& Name, int PPI);
/// Redraws artwork drawn for the light theme (a light face, dark frame and coloured marks on
/// white paper) in the theme in use: each pixel's lightness is moved from the black-to-white
/// scale onto the scale from the window text colour to the window colour (its mid tones
/// darkened first, so that marks stand further off the accent), and its hue is kept, so a
/// light box becomes a dark one with a light frame and a dark mark on a lighter accent.
/// Pixels of the colour Keep (a key colour; clNone: none) stay as they are, and no other
/// pixel becomes Keep. In the light theme (white window, black text) nothing changes.
void ThemeArtwork(vcl::TBitmap* Bitmap, TColor Keep);
/// The colour ThemeArtwork gives a pixel of Color (Color itself in the light theme): the
/// ground a recoloured sheet's smoothed edges were mixed with, for one.
TColor ThemeArtworkColor(TColor Color);
/// A pixel of artwork whose soft edges were smoothed against Face, with coverage Alpha
/// (0..255), as it shows on Ground (colours as 0x00BBGGRR): Pixel + (1 - Alpha / 255) *
/// (Ground - Face), each channel rounded to the nearest level and kept within 0..255. On the
/// artwork's own face it is Pixel unchanged.
TColor CompositeArtworkEdge(TColor Pixel, int Alpha, TColor Ground, TColor Face);

// ---- text height probes -----------------------------------------------------------------

/// Measured with TextHeight so that a text area covers accents and descenders: the numeric
/// controls and the on/off button use the first, the table editor's row height the second.
inline constexpr const char* TextHeightProbe = "(8g]}ÜÄ§";
inline constexpr const char* RowHeightProbe = "9GMgÜ$§[{|";

// ---- component timer --------------------------------------------------------------------

/// The timer of a component: a hidden message window whose timer number 1 calls OnTick.
/// The window lives as long as this object; destroying it ends the timer. An exception that
/// escapes OnTick is reported through Application->HandleException (with the component as
/// Sender) and the timer keeps running. Every other message goes to DefWindowProc. While the
/// component is designed (csDesigning) the timer does not run.
class TComponentTimer {
public:
    /// The number of the timer on the hidden window (WM_TIMER's WParam).
    static constexpr vcl::UINT_PTR TimerID = 1;

    /// Makes the hidden window; the timer does not run until Restart. Component names the owner in
    /// error messages and is the Sender of escaped exceptions.
    TComponentTimer(vcl::TComponent* Component, std::function<void()> OnTick);
    ~TComponentTimer();
    TComponentTimer(const TComponentTimer&) = delete;
    TComponentTimer& operator=(const TComponentTimer&) = delete;

    /// Kills the timer, then starts it again when Interval > 0 and Enabled. When the system
    /// has no timer to give, raises E with "Component \"Name\": no timer available".
    template <typename E>
    void Restart(int Interval, bool Enabled) {
        if (!TryRestart(Interval, Enabled)) RaiseComponentError<E>(component_, msgNoTimer);
    }
    /// As Restart; false instead of an exception when the timer could not be started.
    bool TryRestart(int Interval, bool Enabled);
    /// Kills the timer; Restart starts it again.
    void Stop();
    /// Whether the timer is running.
    bool IsRunning() const { return running_; }
    /// The hidden window that receives the timer messages.
    vcl::HWND Handle() const { return wnd_; }

private:
    void WndProc(vcl::TMessage& Message);
    bool Designed() const;

    vcl::TComponent* component_;
    std::function<void()> onTick_;
    vcl::HWND wnd_ = nullptr;
    bool running_ = false;
};

}  // namespace zyn
