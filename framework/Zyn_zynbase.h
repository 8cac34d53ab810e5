// The base library of the package: the common error class, the enumerations and tables the
// components share, frame and mark drawing, and small string, stream and file helpers.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/Zyn_stringl.h"
#include "platform/Graphics.h"
#include "platform/SysUtils.h"

namespace vcl {
class TStream;
}

namespace zyn {

using vcl::TColor;

/// Root of every error class of the package's units.
class EZynError : public vcl::Exception {
public:
    using vcl::Exception::Exception;
};

// ---- enumerations (used by ordinal) -----------------------------------------------------

/// Ordinal 0 draws bevels in fixed colours; every other scheme uses the system colours.
enum TColorScheme : std::uint8_t { schFixed, schSystem };

/// 0 no frame; 1..3 one pixel wide (flat, sunken, raised); 4 and 5 two pixels wide (sunken,
/// raised). See DrawFrame for the colours.
enum TFrameStyle : std::uint8_t { frNone, frSingle, frSunken, frRaised, frSunkenDouble, frRaisedDouble };

/// Background image: own size at the top-left, stretched, tiled.
enum TBkgFill : std::uint8_t { bfTopLeft, bfStretch, bfTile };

/// Where the cursor goes after an entry: 0 down, 1 right.
enum TOrientation : std::uint8_t { orVertical, orHorizontal };

/// Decimal separator: the system's, point, comma, point or comma.
enum TDecPSep : std::uint8_t { dpsSystem, dpsPoint, dpsComma, dpsPointOrComma };

/// Direction in which a bar grows.
enum TDirection : std::uint8_t { dirUp, dirDown, dirLeft, dirRight };

/// Field delimiter of CSV text: comma, semicolon, tab, blank.
enum TCSVDelimiters : std::uint8_t { csvComma, csvSemicolon, csvTab, csvBlank };

/// Language of day and month names; ordinal 0 reads as English.
enum TLanguage : std::uint8_t { lgUndefined, lgEnglish, lgGerman, lgFrench, lgSpanish };

/// How an application's filter result combines with a built-in one: both must hold, either,
/// exactly one, or the application's result alone.
enum TLogicOp : std::uint8_t { loAnd, loOr, loXor, loNone };

using TDoubleArray = std::vector<double>;

// ---- events shared by the data containers -----------------------------------------------

/// Progress of a long operation, Percent in 0..100.
using TOnPercentDoneEvent = std::function<void(vcl::TObject* Sender, int Percent)>;
/// Called before a sort exchanges two rows: the sort-key texts of the two rows. Key2 is handed
/// over as a scratch copy; changing it does not alter the data or the order.
using TBeforeSortExchgEvent =
    std::function<void(vcl::TObject* Sender, const std::string& Key1, std::string& Key2)>;

// ---- constants and tables ---------------------------------------------------------------

inline constexpr double uc_MaxDouble = 1.7976931348623157e308;
/// The largest magnitude the classic six-byte real holds.
inline constexpr double uc_MaxReal = 1.7e38;   // limit of the classic six-byte real
inline constexpr double uc_ln10 = 2.30258509299404568402;

// Index: [language][0..6], 0 = Monday; up to 3 characters.
extern const std::array<std::array<std::string, 7>, 5> WeekDayShort;
// Index: [language][1..12] (entry 0 is empty); up to 4 and up to 10 characters.
extern const std::array<std::array<std::string, 13>, 5> MonthShort;
extern const std::array<std::array<std::string, 13>, 5> MonthLong;

/// The 47 colours of the colour selector, read 1-based: 1..16 the basic 16-colour palette,
/// 1..20 with the four extra named colours the extended palette, 21..47 the system colours
/// (scroll bar .. info background, hot light, gradient of the active caption).
class TPredefinedColors {
public:
    /// The number of entries.
    static constexpr int Count = 47;
    /// Entry Index (1..47); clBlack outside that range.
    TColor operator[](int Index) const;
};
inline constexpr TPredefinedColors PredefinedColors{};

// ---- drawing ----------------------------------------------------------------------------

/// Frame of FrameStyle on the rectangle whose corner pixels are (Left, Top) and
/// (Right, Bottom), both inclusive (callers pass 0, 0, Width - 1, Height - 1):
///   0 nothing; 1 a line in C5;
///   2 sunken: top and left in C3, bottom and right in C1;
///   3 raised: top and left in C1, bottom and right in C3;
///   4 sunken, two pixels: outer top/left C3, inner top/left C4, outer bottom/right C1,
///     inner bottom/right C2;
///   5 raised, two pixels: outer top/left C2, inner top/left C1, outer bottom/right C5,
///     inner bottom/right C3.
/// Fill rule: DrawFrame draws only the frame lines and leaves the inside as it is, so a frame
/// drawn last (the seven-segment display, the mark selector, the rotated label...) never covers
/// what was drawn before it. A box that should show a background colour inside its frame (the
/// numeric label's box) is drawn with DrawFilledFrame, which first fills the inside with the
/// canvas's current brush. The pen is left as DrawFrame found it.
void DrawFrame(vcl::TCanvas* Canvas, int FrameStyle, int Left, int Top, int Right, int Bottom,
               TColor C1, TColor C2, TColor C3, TColor C4, TColor C5);
/// As DrawFrame, after filling the rectangle inside the frame lines (the whole rectangle for
/// style 0) with the current brush; a clear brush fills nothing.
void DrawFilledFrame(vcl::TCanvas* Canvas, int FrameStyle, int Left, int Top, int Right,
                     int Bottom, TColor C1, TColor C2, TColor C3, TColor C4, TColor C5);

/// The four lines of the classic bevel in the theme in use: white, silver, grey and black in
/// the light theme, subdued greys in the dark one, white and silver in high contrast. Frames
/// are passed as DrawFrame(..., Light, Face, Shadow, Dark, Dark), so that a bevel never
/// leaves a white line on a dark form.
struct TBevelLines {
    TColor Light;   ///< the lit outer edge
    TColor Face;    ///< the lit inner edge
    TColor Shadow;  ///< the shaded inner edge
    TColor Dark;    ///< the shaded outer edge
};
/// The bevel lines of the theme in use.
TBevelLines BevelLines();

/// Unfilled rectangle with the current pen whose corner pixels (L, T) and (R, B) are both drawn.
void DrawRectangle(vcl::TCanvas* Canvas, int L, int T, int R, int B);

/// Plot mark Mark (0..51) centred on (X, Y), about 7 to 13 pixels across. Outlines are drawn
/// in the pen colour; open marks are filled with the current brush (so they cover what lies
/// beneath), filled marks with the pen colour. Canvas pen and brush are left as found. Mark
/// numbers outside 0..51 draw nothing. The marks, in order:
///   0 dot; 1 plus; 2 cross; 3 asterisk;
///   4..11 small: circle, square, diamond, triangle up, triangle down, triangle left,
///         triangle right, hexagon - open;  12..19 the same, filled;
///   20..27 large versions of 4..11, open;  28..35 large, filled;
///   36 star (five points) open, 37 filled; 38 large star open, 39 filled;
///   40 square with cross, 41 circle with cross, 42 circle with plus, 43 square with plus;
///   44 circle with dot, 45 square with dot; 46 horizontal bar, 47 vertical bar;
///   48 large plus, 49 large cross; 50 six-pointed star; 51 bull's eye.
void DrawMarkOnCanvas(vcl::TCanvas* Canvas, int Mark, int X, int Y);
/// The same mark for a control at PPI pixels per inch: the sizes above are 96 dpi pixels and
/// scale with PPI, in lines of whole pixels (at 96 exactly the mark above).
void DrawMarkOnCanvas(vcl::TCanvas* Canvas, int Mark, int X, int Y, int PPI);
inline constexpr int NumberOfMarks = 52;

/// The colour halfway between C1 and C2 (system colours are resolved first).
TColor MeanColor(TColor C1, TColor C2);

// ---- streams, files and passwords -------------------------------------------------------

/// One text line from Stream, read from its position: the text up to a line feed, a carriage
/// return or a carriage return + line feed, which are consumed and not returned. A line longer
/// than Limit characters (Limit > 0) is returned in pieces of Limit characters, the rest being
/// left for the next call, so nothing is lost. Eof becomes true when the stream has no more
/// data after the returned line.
std::string ReadLnStream(vcl::TStream* Stream, bool& Eof, int Limit);

/// Whether Path names an existing folder (drive paths are mapped as the file functions do).
bool DirExists(const std::string& Path);

/// The folder above Path, with a trailing separator: "C:\a\b\" and "C:\a\b" give "C:\a\",
/// "C:\a" gives "C:\", and a path without a parent ("C:\", "", "abc") gives "".
std::string ParentDir(const std::string& Path);

/// A random password of Length characters from letters and digits (without the easily
/// confused I, O, l, 0 and 1).
std::string InventPassword(int Length);

}  // namespace zyn
