// Runtime library: exceptions, number and date formatting, string and file helpers.
#pragma once

#include <concepts>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Types.h"

namespace vcl {

// Root of every error the framework and the components raise. The message is UTF-8.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const noexcept { return message_; }
    void SetMessage(std::string message) { message_ = std::move(message); }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

#define VCL_DECLARE_EXCEPTION(Name, Base) \
    class Name : public Base {            \
    public:                               \
        using Base::Base;                 \
    };

VCL_DECLARE_EXCEPTION(EConvertError, Exception)
VCL_DECLARE_EXCEPTION(EInOutError, Exception)
VCL_DECLARE_EXCEPTION(EInvalidGraphic, Exception)
VCL_DECLARE_EXCEPTION(EOutOfResources, Exception)
VCL_DECLARE_EXCEPTION(EResNotFound, Exception)
VCL_DECLARE_EXCEPTION(EListError, Exception)
VCL_DECLARE_EXCEPTION(EReadError, Exception)
VCL_DECLARE_EXCEPTION(EWriteError, Exception)
VCL_DECLARE_EXCEPTION(EInvalidOperation, Exception)
VCL_DECLARE_EXCEPTION(EInvalidGridOperation, Exception)
VCL_DECLARE_EXCEPTION(EComponentError, Exception)
VCL_DECLARE_EXCEPTION(EClassNotFound, Exception)
VCL_DECLARE_EXCEPTION(EPropertyError, Exception)

// Floating-point errors of the runtime (Round/Trunc out of range, division by zero).
VCL_DECLARE_EXCEPTION(EMathError, Exception)
VCL_DECLARE_EXCEPTION(EInvalidOp, EMathError)
VCL_DECLARE_EXCEPTION(EZeroDivide, EMathError)
VCL_DECLARE_EXCEPTION(EOverflow, EMathError)

using TDateTime = double;  // days since 1899-12-30; the fraction is the time of day

// ---------------------------------------------------------------------------------------------
// Format settings (US-English defaults; tests and components may change the global copy)
// ---------------------------------------------------------------------------------------------
struct TFormatSettings {
    std::string CurrencyString = "$";
    std::uint8_t CurrencyFormat = 0;   // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
    std::uint8_t NegCurrFormat = 0;    // 0 "($1)", 1 "-$1", ... 15 "(1 $)" as the framework numbers them
    std::uint8_t CurrencyDecimals = 2;
    char ThousandSeparator = ',';
    char DecimalSeparator = '.';
    char DateSeparator = '/';
    char TimeSeparator = ':';
    std::string ShortDateFormat = "M/d/yyyy";
    std::string LongDateFormat = "dddd, MMMM d, yyyy";
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
    std::string ShortTimeFormat = "h:mm AMPM";
    std::string LongTimeFormat = "h:mm:ss AMPM";
    std::string ShortMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::string LongMonthNames[12] = {"January", "February", "March",     "April",
                                      "May",     "June",     "July",      "August",
                                      "September", "October", "November", "December"};
    // Index 0 is Sunday, as DayOfWeek(d) - 1.
    std::string ShortDayNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::string LongDayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                   "Thursday", "Friday", "Saturday"};
    int TwoDigitYearCenturyWindow = 50;

    static TFormatSettings Default() { return {}; }
};

// The settings every function without an explicit TFormatSettings argument uses.
extern TFormatSettings FormatSettings;
// Restores FormatSettings to the defaults above (tests call it in their fixtures).
void ResetFormatSettings();

// ---------------------------------------------------------------------------------------------
// Rounding (banker's Round; Round/Trunc raise EInvalidOp when the result does not fit Int64)
// ---------------------------------------------------------------------------------------------
std::int64_t Round(double x);          // nearest, exact halves to even
std::int64_t Trunc(double x);          // toward zero
double Int(double x);                  // toward zero, as a float
double Frac(double x);                 // x - Int(x), same sign as x
double RoundTo(double x, int digit);   // Round(x / 10^digit) * 10^digit, halves to even
double SimpleRoundTo(double x, int digit = -2);  // halves away from zero

// ---------------------------------------------------------------------------------------------
// Float to decimal: the one conversion behind every float-to-text routine
// ---------------------------------------------------------------------------------------------
// The value is first converted exactly to 18 significant digits (ties to even), then cut to
// at most `precision` significant digits and at most `decimals` digits after the point,
// rounding half up on the decimal digits.
// Value = 0.Digits * 10^Exponent. Digits holds no trailing zeros; it is empty for a zero
// result (Exponent 0). Infinity and NaN give Exponent = kFloatRecSpecial with Digits "INF" or
// "NAN".
struct TFloatRec {
    static constexpr int kFloatRecSpecial = 0x7FFF;
    int Exponent = 0;
    bool Negative = false;   // the sign bit of the value (also for values cut to zero)
    std::string Digits;      // '0'..'9', at most 18
};
TFloatRec FloatToDecimal(double value, int precision = 18, int decimals = 9999);

enum TFloatFormat : std::uint8_t { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits);
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& settings);
std::string FloatToStr(double value);  // FloatToStrF(value, ffGeneral, 15, 0)
std::string FloatToStr(double value, const TFormatSettings& settings);
std::string CurrToStr(double value);   // ffGeneral, 15 digits (no currency symbol)

// Str(x), Str(x:w), Str(x:w:d) and Write of reals: the exponent form with four exponent
// digits and a sign position, or the fixed form; the sign is kept for values cut to zero.
std::string Str(double x);
std::string Str(double x, int width);
std::string Str(double x, int width, int decimals);
// Str(i:w) of an integer: the decimal digits left-padded with blanks to the width.
std::string StrInteger(long long value, int width);
template <std::integral T>
std::string Str(T value, int width = 0) {
    return StrInteger(static_cast<long long>(value), width);
}

// ---------------------------------------------------------------------------------------------
// Format
// ---------------------------------------------------------------------------------------------
// One argument of Format, as the framework's "array of const".
class TVarRec {
public:
    enum Kind : std::uint8_t { vtInteger, vtInt64, vtExtended, vtString, vtChar, vtBoolean, vtPointer };

    TVarRec(bool v) : kind_(vtBoolean), int_(v ? 1 : 0) {}
    TVarRec(char v) : kind_(vtChar), int_(static_cast<unsigned char>(v)) {}
    TVarRec(char32_t v) : kind_(vtChar), int_(static_cast<std::int64_t>(v)) {}
    // Integers up to 32 bits are Integers, wider ones Int64 (unsigned 32-bit values above
    // the Integer range become Int64, as the framework passes Cardinals).
    template <std::integral T>
        requires(!std::same_as<T, bool> && !std::same_as<T, char> && !std::same_as<T, char32_t>)
    TVarRec(T v) {
        if constexpr (sizeof(T) < 4 || (sizeof(T) == 4 && std::is_signed_v<T>)) {
            kind_ = vtInteger;
        } else if constexpr (sizeof(T) == 4) {
            kind_ = v > 0x7FFFFFFFu ? vtInt64 : vtInteger;
        } else {
            kind_ = vtInt64;
        }
        int_ = static_cast<std::int64_t>(v);
    }
    template <std::floating_point T>
    TVarRec(T v) : kind_(vtExtended), float_(static_cast<double>(v)) {}
    TVarRec(const char* v) : kind_(vtString), string_(v ? v : "") {}
    TVarRec(std::string_view v) : kind_(vtString), string_(v) {}
    TVarRec(const std::string& v) : kind_(vtString), string_(v) {}
    TVarRec(std::string&& v) : kind_(vtString), string_(std::move(v)) {}
    TVarRec(const void* v) : kind_(vtPointer), int_(static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(v))) {}

    Kind VType() const { return kind_; }
    std::int64_t AsInt64() const { return int_; }      // vtInteger, vtInt64, vtChar, vtBoolean, vtPointer
    double AsExtended() const { return float_; }       // vtExtended
    const std::string& AsString() const { return string_; }  // vtString

private:
    Kind kind_ = vtInteger;
    std::int64_t int_ = 0;
    double float_ = 0.0;
    std::string string_;
};

// Format(fmt, args): specifiers '%' [index ':'] ['-'] [width] ['.' prec] type with type one
// of d u x e f g n m s p and "%%"; width, prec and index may be '*' (taken from the next
// Integer argument). Bad specifiers or mismatched arguments raise EConvertError
// "Format '<fmt>' invalid or incompatible with argument".
std::string Format(std::string_view fmt, std::initializer_list<TVarRec> args);
std::string Format(std::string_view fmt, std::span<const TVarRec> args);
std::string Format(std::string_view fmt, std::span<const TVarRec> args,
                   const TFormatSettings& settings);

// ---------------------------------------------------------------------------------------------
// Integers
// ---------------------------------------------------------------------------------------------
std::string IntToStr(std::int64_t value);
std::string IntToHex32(std::uint32_t value, int digits);
std::string IntToHex64(std::uint64_t value, int digits);
// Upper-case hex, at least `digits` digits, never truncated; negative values of 32-bit
// types print as 8-digit two's complement, of 64-bit types as 16 digits.
template <std::integral T>
std::string IntToHex(T value, int digits = 0) {
    if constexpr (sizeof(T) <= 4) {
        return IntToHex32(static_cast<std::uint32_t>(value), digits);
    } else {
        return IntToHex64(static_cast<std::uint64_t>(value), digits);
    }
}
// a * b / c with a 64-bit intermediate, rounding half away from zero; -1 when c is 0 or the
// result does not fit in 32 bits.
int MulDiv(int a, int b, int c);

// ---------------------------------------------------------------------------------------------
// Parsing
// ---------------------------------------------------------------------------------------------
// Val(s, x, code): the compiler's numeric parse with '.' as the decimal point. code = 0 on
// success, else the 1-based position of the first offending character.
void Val(std::string_view s, double& value, int& code);
void Val(std::string_view s, int& value, int& code);
void Val(std::string_view s, std::int64_t& value, int& code);

// Leading and trailing spaces, sign, digits, the settings' decimal separator, digits,
// optional exponent ("1E" reads as 1). Failure: EConvertError "'<s>' is not a valid floating
// point value" / false.
double StrToFloat(std::string_view s);
double StrToFloat(std::string_view s, const TFormatSettings& settings);
bool TryStrToFloat(std::string_view s, double& value);
bool TryStrToFloat(std::string_view s, double& value, const TFormatSettings& settings);
double StrToFloatDef(std::string_view s, double defaultValue);

// Leading spaces, sign, decimal digits or '$'/'0x' hex; 32-bit range (hex up to $FFFFFFFF).
// Failure: EConvertError "'<s>' is not a valid integer value" / false.
int StrToInt(std::string_view s);
bool TryStrToInt(std::string_view s, int& value);
int StrToIntDef(std::string_view s, int defaultValue);
std::int64_t StrToInt64(std::string_view s);
bool TryStrToInt64(std::string_view s, std::int64_t& value);
std::int64_t StrToInt64Def(std::string_view s, std::int64_t defaultValue);

// ---------------------------------------------------------------------------------------------
// UTF-8 text: a character is a Unicode code point; positions are 1-based
// ---------------------------------------------------------------------------------------------
constexpr char32_t kReplacementChar = 0xFFFD;

// Decodes the character at byte offset `pos` and moves `pos` past it. Invalid, overlong,
// surrogate or truncated sequences give U+FFFD and consume one byte; never reads past the
// end (at the end it returns U+FFFD without moving).
char32_t Utf8Decode(std::string_view s, std::size_t& pos);
// Appends the UTF-8 form of `cp` (U+FFFD for surrogates and values above U+10FFFF).
void Utf8Append(std::string& out, char32_t cp);
std::string Utf8Encode(char32_t cp);
std::u32string Utf8ToCodePoints(std::string_view s);
std::string CodePointsToUtf8(std::u32string_view cps);
// Byte offset where character `index` (0-based) starts; s.size() when past the end.
std::size_t Utf8ByteOffset(std::string_view s, std::size_t index);

int Length(std::string_view s);                       // characters
std::string Copy(std::string_view s, int index, int count = 0x7FFFFFFF);  // by characters
std::string LeftStr(std::string_view s, int count);   // first `count` characters
std::string RightStr(std::string_view s, int count);  // last `count` characters
std::string MidStr(std::string_view s, int index, int count);
void Delete(std::string& s, int index, int count);    // characters index..index+count-1
void Insert(std::string_view sub, std::string& s, int index);
int Pos(std::string_view sub, std::string_view s);    // character position, 0 when absent
int PosEx(std::string_view sub, std::string_view s, int offset = 1);
char32_t CharAt(std::string_view s, int index);       // 0 when index is out of range

std::string UpperCase(std::string_view s);      // ASCII letters only
std::string LowerCase(std::string_view s);
std::string AnsiUpperCase(std::string_view s);  // ASCII, Latin-1, Latin Extended-A, Greek, Cyrillic
std::string AnsiLowerCase(std::string_view s);
char32_t CharUpper(char32_t c);
char32_t CharLower(char32_t c);

std::string Trim(std::string_view s);       // removes characters <= ' ' at both ends
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

int CompareStr(std::string_view a, std::string_view b);    // byte order (= code point order)
int CompareText(std::string_view a, std::string_view b);   // ASCII case-insensitive
bool SameText(std::string_view a, std::string_view b);
int AnsiCompareStr(std::string_view a, std::string_view b);   // letters first by base letter, then accents, then case (lower first)
int AnsiCompareText(std::string_view a, std::string_view b);  // same, ignoring case
bool AnsiSameText(std::string_view a, std::string_view b);
bool AnsiSameStr(std::string_view a, std::string_view b);

std::string StringOfChar(char32_t ch, int count);
enum TReplaceFlag : std::uint8_t { rfReplaceAll, rfIgnoreCase };
using TReplaceFlags = TSet<TReplaceFlag>;
std::string StringReplace(std::string_view s, std::string_view oldPattern,
                          std::string_view newPattern, TReplaceFlags flags);
std::string QuotedStr(std::string_view s);                 // 'it''s'
std::string AnsiQuotedStr(std::string_view s, char quote);
std::string AnsiDequotedStr(std::string_view s, char quote);  // s itself when not quoted

// ---------------------------------------------------------------------------------------------
// Dates and times (TDateTime = days since 1899-12-30)
// ---------------------------------------------------------------------------------------------
bool IsLeapYear(int year);
// MonthDays[IsLeapYear(y)][m - 1]
extern const std::uint16_t MonthDays[2][12];

// EncodeDate requires 1 <= y <= 9999 and a valid month and day, EncodeTime h < 24, n < 60,
// s < 60, ms < 1000; otherwise EConvertError "Invalid argument to date encode" / "... time
// encode".
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int min, int sec, int msec);
bool TryEncodeDate(int year, int month, int day, TDateTime& date);
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time);
// Decoding takes the day from the whole part and the time from the absolute fraction,
// rounded to the nearest millisecond.
void DecodeDate(TDateTime date, int& year, int& month, int& day);
void DecodeTime(TDateTime time, int& hour, int& min, int& sec, int& msec);
bool DecodeDateFully(TDateTime date, int& year, int& month, int& day, int& dow);  // true in a leap year
int DayOfWeek(TDateTime date);  // 1 = Sunday ... 7 = Saturday
TDateTime IncMonth(TDateTime date, int months = 1);  // day clamped to the month's length
int CurrentYear();

// The current local date and time; tests install a fixed clock through SetNowProvider
// (DateUtils.h).
TDateTime Now();
TDateTime Date();  // Now() without the time
TDateTime Time();  // Now() without the date

// FormatDateTime tokens: d dd ddd dddd ddddd dddddd m mm mmm mmmm yy yyyy h hh n nn s ss z
// zzz t tt am/pm a/p ampm c / : and quoted literals; an empty format is "c".
std::string FormatDateTime(std::string_view format, TDateTime dt);
std::string FormatDateTime(std::string_view format, TDateTime dt, const TFormatSettings& settings);
std::string DateToStr(TDateTime date);       // ShortDateFormat
std::string TimeToStr(TDateTime time);       // LongTimeFormat
std::string DateTimeToStr(TDateTime dt);     // "c"

// Parsing by ShortDateFormat's field order and DateSeparator; two-digit years use
// TwoDigitYearCenturyWindow around CurrentYear(). Failure: EConvertError "'<s>' is not a
// valid date" (time, date and time) / false.
TDateTime StrToDate(std::string_view s);
TDateTime StrToDate(std::string_view s, const TFormatSettings& settings);
bool TryStrToDate(std::string_view s, TDateTime& date);
bool TryStrToDate(std::string_view s, TDateTime& date, const TFormatSettings& settings);
TDateTime StrToTime(std::string_view s);
bool TryStrToTime(std::string_view s, TDateTime& time);
bool TryStrToTime(std::string_view s, TDateTime& time, const TFormatSettings& settings);
TDateTime StrToDateTime(std::string_view s);
bool TryStrToDateTime(std::string_view s, TDateTime& dt);
bool TryStrToDateTime(std::string_view s, TDateTime& dt, const TFormatSettings& settings);

// ---------------------------------------------------------------------------------------------
// Files and paths
// ---------------------------------------------------------------------------------------------
// Paths come in host form ("/tmp/x") or in the framework's drive form ("C:\Data\x.txt"); '\'
// is a path delimiter in both. A table maps drive letters to host directories; by default
// "C:" is "/". A drive path on an unmapped drive names nothing (the functions fail).
void SetDriveMapping(char drive, std::string hostRoot);
void ClearDriveMappings();  // back to the default table: only "C:" -> "/"
// Host form of a path: drive form through the table, '\' as '/'; "" for an unmapped drive.
std::string HostPath(std::string_view path);
// Drive form of an absolute host path through the table (the longest matching root wins);
// a path under no mapped root, or a relative one, only gets '\' delimiters.
std::string FrameworkPath(std::string_view hostPath);

constexpr char PathDelim = '\\';
constexpr char DriveDelim = ':';

std::string ExtractFilePath(std::string_view fileName);  // up to and including the last delimiter
std::string ExtractFileDir(std::string_view fileName);   // the same without the delimiter (kept for "C:\")
std::string ExtractFileName(std::string_view fileName);
std::string ExtractFileExt(std::string_view fileName);   // ".txt", "" when none
std::string ExtractFileDrive(std::string_view fileName); // "C:" or ""
std::string ChangeFileExt(std::string_view fileName, std::string_view extension);
std::string IncludeTrailingPathDelimiter(std::string_view path);
std::string ExcludeTrailingPathDelimiter(std::string_view path);
bool IsPathDelimiter(std::string_view s, int index);  // 1-based

// File attributes as the framework numbers them.
constexpr int faReadOnly = 0x01;
constexpr int faHidden = 0x02;    // names starting with '.' (other than "." and "..")
constexpr int faSysFile = 0x04;   // devices, pipes and sockets
constexpr int faVolumeID = 0x08;
constexpr int faDirectory = 0x10;
constexpr int faArchive = 0x20;   // regular files
constexpr int faNormal = 0x80;
constexpr int faSymLink = 0x400;
constexpr int faAnyFile = 0x1FF;

struct TSearchRec {
    int Time = 0;              // packed local date and time (FileDateToDateTime)
    std::int64_t Size = 0;
    int Attr = 0;
    std::string Name;
    int ExcludeAttr = 0;
    TDateTime TimeStamp = 0;   // last modification, local time
    std::shared_ptr<void> FindHandle;
};

// FindFirst(path + pattern, attr, rec): pattern with '*' and '?' ("*.*" and a trailing ".*"
// also match names without an extension). Normal files are always found; hidden, system and
// directory entries only when their attribute is in `attr`. Returns 0 on success, else an
// error code (ENOENT when nothing matches). Entries come in case-insensitive name order; "."
// and ".." are listed for directories other than a drive or file-system root, as the
// framework's file system does.
int FindFirst(std::string_view path, int attr, TSearchRec& rec);
int FindNext(TSearchRec& rec);
void FindClose(TSearchRec& rec);

// The entries of a directory with only whether each is one (a symbolic link counts as what
// it leads to, one that leads nowhere as no directory), without "." and "..", in the order
// the file system keeps them: Proc gets each name and ends the listing by returning false.
// Unlike FindFirst it neither sorts nor reads each entry's attributes, so looking for the
// first subdirectory of a large folder costs little. False when Dir cannot be read.
using TDirEntryProc = std::function<bool(const std::string& Name, bool IsDirectory)>;
bool ListDirectory(std::string_view dir, const TDirEntryProc& proc);

bool FileExists(std::string_view fileName);       // true for files, false for directories
bool DirectoryExists(std::string_view directory);
bool CreateDir(std::string_view dir);
// Creates the directory and every missing parent; raises EInOutError "Unable to create
// directory" for an empty name; false when a component cannot be created.
bool ForceDirectories(std::string_view dir);
bool RemoveDir(std::string_view dir);             // empty directories only
bool DeleteFile(std::string_view fileName);
bool RenameFile(std::string_view oldName, std::string_view newName);
std::string GetCurrentDir();                      // in drive form when under a mapped root
bool SetCurrentDir(std::string_view dir);
int FileAge(std::string_view fileName);           // packed date, -1 when missing
TDateTime FileDateToDateTime(int fileDate);
int DateTimeToFileDate(TDateTime dt);

}  // namespace vcl
