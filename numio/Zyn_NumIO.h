// Number formats and the numeric edit field.
//
// The routines in the first half are shared by every control that reads or writes numbers
// in one of the TInFormat notations: a decimal scanner driven by a state machine, text
// validators, digit parsers that read 32-bit patterns and the formatters. TNumIO is the
// one-line edit field that keeps its text a valid number of its format within a range.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/Zyn_zynbase.h"
#include "platform/StdCtrls.h"

namespace zyn {

// Number notations, in published ordinal order.
enum TInFormat : std::uint8_t { itExp, itFloat, itFixPoint, itInt, itHex, itOct, itBin, itDynamic };

// Which characters the decimal routines take as the decimal separator.
enum TSeparatorMode : std::uint8_t { smPoint, smComma, smPointOrComma };

// The separator mode of a TDecPSep choice; dpsSystem follows FormatSettings.DecimalSeparator
// (comma when it is a comma, point otherwise).
TSeparatorMode SeparatorModeOf(TDecPSep DecPSep);

// Largest exponent magnitude the decimal routines read; more exponent digits are ignored by
// the scanner and make the validator fail.
inline constexpr int MaxDecimalExponent = 4200;

// ---- decimal scanner and validators -----------------------------------------------------

// Reads a decimal number from the 1-based character Position: leading blanks, optional
// sign, digits, separator, decimals and (when AllowExponent) an exponent. On return
// Position indexes the character that ended the number (length + 1 when the whole text was
// read). A text that is not a number gives 0; the result is clamped to +-uc_MaxDouble.
// An exponent mark without digits reads as the number before it.
double ScanDecimalNumber(std::string_view S, bool AllowExponent, TSeparatorMode SeparatorMode,
                         int& Position);

// Whether S starts with a complete decimal number (characters after it are not examined).
bool IsValidFloatText(std::string_view S, bool AllowExponent, TDecPSep DecPSep);
// Whether S is a (possibly incomplete) fixed-point number: sign, digits, separator, digits.
bool IsValidFixedText(std::string_view S, TDecPSep DecPSep);
// Whether S is a signed decimal integer (a lone sign is not).
bool IsValidIntText(std::string_view S);
bool IsValidHexText(std::string_view S);
bool IsValidOctText(std::string_view S);
bool IsValidBinText(std::string_view S);

// ---- digit parsers ----------------------------------------------------------------------
// Read from the 1-based character Position, skipping blanks while another character
// follows, up to the first character that is not a digit of their base, where Position is
// left. The number wraps modulo 2^32 and is returned as a signed 32-bit value.

std::int32_t ParseDecInt(std::string_view S, int& Position);     // optional "+" or "-"
std::int32_t ParseHexDigits(std::string_view S, int& Position);  // "$" as first character skipped
std::int32_t ParseOctDigits(std::string_view S, int& Position);
std::int32_t ParseBinDigits(std::string_view S, int& Position);

// ---- formatters -------------------------------------------------------------------------

// Decimals >= 0: fixed form, "-" for negative values, a point and Decimals rounded decimals,
// right-aligned to at least Width characters. Decimals < 0: exponent form of Width
// characters, a blank or "-", one digit, ".", Width - 7 digits (at least one), "E", the
// exponent's sign and two digits; a value whose exponent needs three digits is written as
// Width asterisks.
std::string FormatReal(int Width, int Decimals, double X);
// Exactly Digits digits of N's 32-bit two's complement pattern, leading zeros kept;
// Digits is capped at 8, 11 and 32.
std::string FormatHex(std::int32_t N, int Digits);
std::string FormatOct(std::int32_t N, int Digits);
std::string FormatBin(std::int32_t N, int Digits);

// FormatReal(Width, -2, X), except that an exponent of three or more digits is written out
// (one more character) instead of the asterisks, which no field can read back.
std::string ExponentText(int Width, double X);

// X rounded to the nearest integer (halves to even), as the low 32 bits of its two's
// complement; values beyond the 64-bit range give 0.
std::int32_t RoundToPattern(double X);

// ---- the edit field's reading of a text -------------------------------------------------

// Reads S in Format with the separator Mode: leading blanks are ignored, any other blank
// refuses the text, a text of blanks reads 0, an empty text is refused (Value untouched).
// itExp ignores a trailing "e", "e+" or "e-"; itHex, itOct and itBin take digits of their
// base only (itDynamic: after "$", "&" or "%"). True when the whole text was read.
bool ConvertNumText(std::string_view S, TInFormat Format, TSeparatorMode Mode, double& Value);

// The text the edit field shows for Value in Format (FixDecimals for itFixPoint).
std::string FormatEditValue(TInFormat Format, int FixDecimals, double Value);

// =========================================================================================
/// TNumIO: an edit field whose text is always a number of InputFormat within
/// RangeLow..RangeHigh (0 is accepted whatever the range). A refused edit brings back the last
/// accepted text, moves the caret one place left and beeps when Beep is set.
class TNumIO : public vcl::TCustomEdit {
public:
    /// Creates the object; AOwner (when given) frees it with itself.
    explicit TNumIO(vcl::TComponent* AOwner);
    ~TNumIO() override;
    /// The name the class is registered under.
    std::string ClassName() const override { return "TNumIO"; }

    // ---- properties
    /// Whether a refused change sounds a beep; default false.
    bool GetBeep() const { return FBeep; }
    /// Switches the beep on refused changes.
    void SetBeep(bool Value) { FBeep = Value; }
    /// Decimal separator the field reads: ordinal 0 the system's (default), 1 point, 2 comma,
    /// 3 point or comma.
    TDecPSep GetDecPlaceSep() const { return FDecPSep; }
    /// Sets the decimal separator; when it differs, forgets the last accepted text and checks the
    /// current text again.
    void SetDecPlaceSep(TDecPSep Value);
    /// Number of decimals in itFixPoint, 1..8; default 2.
    int GetFixPointDecPlaces() const { return FFixPDecPl; }
    /// Sets the itFixPoint decimals, clamped to 1..8; the current text is not rechecked.
    void SetFixPointDecPlaces(int Value);
    /// The number format the field accepts and writes (itExp, itFloat, itFixPoint, itInt, itHex,
    /// itOct, itBin or itDynamic); default itDynamic.
    TInFormat GetInputFormat() const { return FInFormat; }
    /// Sets the format; when it differs, forgets the last accepted text and checks the current
    /// text again.
    void SetInputFormat(TInFormat Value);
    /// Lower bound of the accepted values (0 is accepted whatever the range).
    double GetRangeLow() const { return FMinimum; }
    /// Sets the lower bound; a value at or above RangeHigh becomes the upper bound and the old
    /// upper bound the lower one. The current text is checked again (a text outside the new
    /// range is replaced by the last accepted one).
    void SetRangeLow(double Value);
    /// Upper bound of the accepted values.
    double GetRangeHigh() const { return FMaximum; }
    /// Sets the upper bound; a value at or below RangeLow becomes the lower bound and the old
    /// lower bound the upper one. The current text is checked again.
    void SetRangeHigh(double Value);

    /// The number the text shows (0 when it reads as none).
    double GetValue() const;
    /// Writes Value in the field's format without change processing and without OnChange.
    void SetValue(double Value);

    // ---- public methods
    /// From another TNumIO: InputFormat, Beep, the range and DecPlaceSep (not the decimals
    /// nor the text).
    void Assign(vcl::TPersistent* Source) override;

protected:
    /// What assistive tools read of the control (its role, name, states, value).
    std::shared_ptr<vcl::TControlAccessible> CreateAccessible() override;
    /// Copies this object into Dest (the other half of Assign).
    void AssignTo(vcl::TPersistent* Dest) override;
    /// Checks each edit of the text: a text that converts and lies in Minimum..Maximum (or is 0) is
    /// kept (fixed point: rewritten with its decimals) and fires OnChange; any other text is put
    /// back as it was, with a beep when Beep is set.
    void Change() override;
    /// Recomputes what depends on several properties once a form file has set them all.
    void Loaded() override;
    /// Reads S in the current format and separator into Value; false when S is not a number of
    /// that format (an empty S leaves Value untouched).
    bool ConvertNumString(std::string_view S, double& Value) const;
    /// Replaces the text; the change notification this causes is ignored.
    void SetEditText(const std::string& S);
    /// The keyboard beyond the edit's own: Up/Down step the value by one, PgUp/PgDn by ten
    /// (within the range; not while ReadOnly); Enter commits the text, Escape brings back
    /// the text last committed (on Enter, on entering or leaving the field, or written by
    /// the program through Value).
    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    ///@{
    /// Entering and leaving the field commit its text.
    void DoEnter() override;
    void DoExit() override;
    ///@}

private:
    // Clears the last accepted text and runs the change processing, as the format, range and
    // separator setters do.
    void Revalidate();
    // Fixed-point rules: keeps one point and at most FFixPDecPl decimals. When they replace
    // Text, returns true with the replacement, which stands unless Text itself converts
    // (then the formatted value replaces it); they may move Caret (0-based).
    bool ApplyFixPointRules(const std::string& Text, std::string& Replacement, int& Caret) const;
    // Moves the value by Steps units, clamped to the range, through the change processing.
    void StepValue(int Steps);

    TInFormat FInFormat = itDynamic;
    int FFixPDecPl = 2;
    std::string FOldText;
    std::string FCommittedText;   // what Escape brings back
    bool FInternalChg = false;
    bool FBeep = false;
    double FMinimum = 0.0;
    double FMaximum = 0.0;
    TDecPSep FDecPSep = dpsSystem;
};

}  // namespace zyn
