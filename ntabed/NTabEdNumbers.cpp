// The number texts of the table editor and the reading of clipboard text, without a canvas:
// the cell formatter, the runtime's Str layouts from a fast exact digit conversion, the
// clipboard text of a cell, the number scanner, the walk over clipboard text and the test
// whether clipboard text is a table.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "ntabed/Zyn_ntabed.h"

namespace zyn {

namespace {

// ---- decimal digits ---------------------------------------------------------------------

// A finite non-zero |x| as 0.D[0]D[1]..D[17] * 10^Exp: 18 significant digits, correctly
// rounded with ties to even, which is what the runtime's conversion gives. The standard
// library's shortest-free scientific conversion is exact, so it yields the same digits.
struct TDigits {
    char D[18];
    int Exp;
};

void Digits18(double X, TDigits& Out) {
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(X), std::chars_format::scientific, 17);
    // buf: d.ddddddddddddddddde[+-]xx[x]
    Out.D[0] = buf[0];
    std::memcpy(Out.D + 1, buf + 2, 17);
    const char* e = buf + 20;   // after the 'e'
    const bool negative = *e == '-';
    int exponent = 0;
    for (const char* p = e + 1; p < res.ptr; ++p) exponent = exponent * 10 + (*p - '0');
    Out.Exp = (negative ? -exponent : exponent) + 1;
}

// Keeps Keep (1..18) digits, rounding half up on the decimal digits; the digits after them
// become '0'.
void RoundDigits(TDigits& T, int Keep) {
    if (Keep >= 18) return;
    const bool up = T.D[Keep] >= '5';
    std::memset(T.D + Keep, '0', std::size_t(18 - Keep));
    if (!up) return;
    for (int i = Keep - 1; i >= 0; --i) {
        if (T.D[i] != '9') {
            ++T.D[i];
            return;
        }
        T.D[i] = '0';
    }
    T.D[0] = '1';   // 99..9 became 100..0
    ++T.Exp;
}

void AppendPadded(std::string& Out, const char* Text, std::size_t Len, int Width) {
    if (int(Len) < Width) Out.append(std::size_t(Width) - Len, ' ');
    Out.append(Text, Len);
}

// The runtime's text for infinities and NaN.
void AppendSpecial(std::string& Out, double X, int Width) {
    const char* s = std::isnan(X) ? "Nan" : (std::signbit(X) ? "-Inf" : "+Inf");
    AppendPadded(Out, s, std::strlen(s), Width);
}

// The exponent form of Str(x:Width) into Buf; returns its length.
std::size_t StrExponentInto(char* Buf, double X, int Width) {
    const int n = std::clamp(Width - 8, 2, 18);
    char* p = Buf;
    *p++ = std::signbit(X) ? '-' : ' ';
    int e = 0;
    if (X == 0.0) {
        *p++ = '0';
        *p++ = '.';
        for (int i = 1; i < n; ++i) *p++ = '0';
    } else {
        TDigits t;
        Digits18(X, t);
        RoundDigits(t, n);
        *p++ = t.D[0];
        *p++ = '.';
        for (int i = 1; i < n; ++i) *p++ = t.D[i];
        e = t.Exp - 1;
    }
    *p++ = 'E';
    *p++ = e < 0 ? '-' : '+';
    const int a = std::abs(e);
    *p++ = char('0' + a / 1000 % 10);
    *p++ = char('0' + a / 100 % 10);
    *p++ = char('0' + a / 10 % 10);
    *p++ = char('0' + a % 10);
    return std::size_t(p - Buf);
}

// Limits L(D) and S(D) of the fixed form for 0..8 decimal places.
constexpr double FixedLimit[9] = {999999999,  9999999.9,  999999.99,  99999.999, 9999.9999,
                                  999.99999,  99.999999,  9.9999999,  0.99999999};
constexpr double FixedSmallest[9] = {1, 0.1, 0.01, 0.001, 0.0001, 0.00001, 0.000001, 0.0000001, 0.00000001};

// The character classes of the number scanner.
enum TScanClass : std::uint8_t { scSep, scBlank, scSign, scDigit, scExp, scOther };
constexpr int ScanEnd = 0, ScanFail = -1;
// Next state by state (1..8) and class.
constexpr int ScanTable[9][6] = {
    {},
    {4, 1, 2, 3, ScanFail, ScanFail},                    // 1 start
    {4, ScanFail, ScanFail, 3, ScanFail, ScanFail},      // 2 after the sign
    {4, ScanEnd, ScanEnd, 3, 6, ScanEnd},                // 3 integer digits
    {ScanFail, ScanEnd, ScanEnd, 5, 6, ScanEnd},         // 4 after the separator
    {ScanFail, ScanEnd, ScanEnd, 5, 6, ScanEnd},         // 5 fraction digits
    {ScanFail, ScanFail, 7, 8, ScanFail, ScanEnd},       // 6 after 'E'
    {ScanFail, ScanFail, ScanFail, 8, ScanFail, ScanEnd},  // 7 exponent sign
    {ScanEnd, ScanEnd, ScanEnd, 8, ScanEnd, ScanEnd},    // 8 exponent digits
};

// The class of every byte, one table lookup per character.
struct TClassTable {
    std::uint8_t Of[256];
    constexpr TClassTable() : Of() {
        for (int c = 0; c < 256; ++c) Of[c] = scOther;
        Of[int('.')] = Of[int(',')] = scSep;
        Of[int(' ')] = scBlank;
        Of[int('+')] = Of[int('-')] = scSign;
        Of[int('E')] = Of[int('e')] = scExp;
        for (int c = '0'; c <= '9'; ++c) Of[c] = scDigit;
    }
};
constexpr TClassTable ScanClasses;

TScanClass ClassOf(char Ch) { return TScanClass(ScanClasses.Of[static_cast<unsigned char>(Ch)]); }

// The number text as a double: overflow gives +-uc_MaxDouble, underflow 0.
double NumberTextValue(const char* First, const char* Last) {
    bool negative = false;
    if (First < Last && (*First == '+' || *First == '-')) {
        negative = *First == '-';
        ++First;
    }
    double v = 0;
    const auto res = std::from_chars(First, Last, v, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Which way it left the range: a value of at least 1 overflowed. The value lies
        // below 10^(lead + exponent), lead counting the digits before the point from the
        // first non-zero one (negative for the zeros after the point).
        const char* e = std::find_if(First, Last, [](char c) { return c == 'E' || c == 'e'; });
        const char* point = std::find(First, e, '.');
        const char* first = std::find_if(First, e, [](char c) { return c >= '1' && c <= '9'; });
        const long lead = first < point ? long(point - first) : long(point - first) + 1;
        long exponent = 0;
        const char* p = e < Last ? e + 1 : Last;
        bool expNegative = false;
        if (p < Last && (*p == '+' || *p == '-')) expNegative = *p++ == '-';
        for (; p < Last && *p >= '0' && *p <= '9'; ++p) exponent = std::min(exponent * 10 + (*p - '0'), 100000L);
        v = lead + (expNegative ? -exponent : exponent) > 0 ? uc_MaxDouble : 0.0;
    } else if (res.ec != std::errc()) {
        v = 0;
    }
    v = std::clamp(v, -uc_MaxDouble, uc_MaxDouble);
    return negative ? -v : v;
}

bool IsNumberStart(char Ch) { return Ch == '+' || Ch == '-' || Ch == '.' || (Ch >= '0' && Ch <= '9'); }

// Clipboard text as Extract reads it: tabs and carriage returns are blanks, and one blank
// is appended, at 1-based position Length + 1.
class TClipText {
public:
    explicit TClipText(std::string_view Text) : text_(Text), n_(int(Text.size()) + 1) {}
    int Length() const { return n_; }
    bool InText(int P) const { return P >= 1 && P <= n_; }
    char At(int P) const {
        if (P < 1 || P > n_) return 'Z';
        if (P == n_) return ' ';
        const char c = text_[std::size_t(P - 1)];
        return c == '\t' || c == '\r' ? ' ' : c;
    }

private:
    std::string_view text_;
    int n_;
};

// Past the end of plain text the scanner sees 'Z', which ends or fails a number.
class TPlainText {
public:
    explicit TPlainText(std::string_view Text) : text_(Text) {}
    bool InText(int P) const { return P >= 1 && P <= int(text_.size()); }
    char At(int P) const { return P >= 1 && P <= int(text_.size()) ? text_[std::size_t(P - 1)] : 'Z'; }

private:
    std::string_view text_;
};

// The characters of a number being read: on the stack while short, on the heap after.
class TNumberText {
public:
    void Push(char C) {
        if (len_ < sizeof short_) {
            short_[len_++] = C;
            return;
        }
        if (long_.empty()) long_.assign(short_, len_);
        long_.push_back(C);
        ++len_;
    }
    bool Empty() const { return len_ == 0; }
    char Back() const { return long_.empty() ? short_[len_ - 1] : long_.back(); }
    const char* Data() const { return long_.empty() ? short_ : long_.data(); }
    std::size_t Size() const { return len_; }

private:
    char short_[64];
    std::size_t len_ = 0;
    std::string long_;
};

// "nf" at P, not followed by a letter or a digit: the rest of "Inf".
template <class TText>
bool IsInfTail(const TText& S, int P) {
    auto upper = [](char C) { return C >= 'a' && C <= 'z' ? char(C - 32) : C; };
    if (!S.InText(P + 1) || upper(S.At(P)) != 'N' || upper(S.At(P + 1)) != 'F') return false;
    if (!S.InText(P + 2)) return true;
    const char after = upper(S.At(P + 2));
    return !((after >= '0' && after <= '9') || (after >= 'A' && after <= 'Z'));
}

template <class TText>
double ScanNumber(const TText& S, int& P) {
    TNumberText text;
    int state = 1;
    long exponentSoFar = 0;
    bool exponentCapped = false;
    for (;;) {
        const char ch = S.At(P);
        // Copy writes an infinite value as "+Inf" or "-Inf": after its sign it reads back
        // as that infinity (which no finite number text could give).
        if (state == 2 && (ch == 'I' || ch == 'i') && IsInfTail(S, P + 1)) {
            P += 3;
            return text.Data()[0] == '-' ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
        }
        const int next = ScanTable[state][ClassOf(ch)];
        if (next <= ScanEnd) {
            if (next == ScanFail) return 0.0;
            break;
        }
        // Exponent digits past a magnitude of 4200 are read but not kept.
        if (next == 8) {
            if (exponentSoFar > 4200) exponentCapped = true;
            else exponentSoFar = exponentSoFar * 10 + (ch - '0');
        }
        if (next != 1 && !exponentCapped) text.Push(ch == ',' ? '.' : ch);
        state = next;
        ++P;
    }
    if (!text.Empty() && text.Back() == '.') text.Push('0');
    return NumberTextValue(text.Data(), text.Data() + text.Size());
}

}  // namespace

// ---- Str layouts --------------------------------------------------------------------------

void AppendStrExponent(std::string& Out, double X, int Width) {
    if (!std::isfinite(X)) {
        AppendSpecial(Out, X, Width);
        return;
    }
    char buf[40];
    AppendPadded(Out, buf, StrExponentInto(buf, X, Width), Width);
}

void AppendStrFixed(std::string& Out, double X, int Width, int Decimals) {
    if (Decimals < 0 || (std::isfinite(X) && std::fabs(X) >= 1e36)) {
        AppendStrExponent(Out, X, Width);
        return;
    }
    if (!std::isfinite(X)) {
        AppendSpecial(Out, X, Width);
        return;
    }
    // Digits to keep: all up to Decimals after the point, at most 18.
    TDigits t{};
    bool zero = X == 0.0;
    if (!zero) {
        Digits18(X, t);
        const long keep = std::min<long>(long(t.Exp) + Decimals, 18);
        if (keep < 0) {
            zero = true;
        } else if (keep == 0) {
            if (t.D[0] >= '5') {
                std::memset(t.D, '0', 18);
                t.D[0] = '1';
                ++t.Exp;
            } else {
                zero = true;
            }
        } else {
            RoundDigits(t, int(keep));
        }
    }
    auto digit = [&](long i) { return zero || i < 0 || i >= 18 ? '0' : t.D[i]; };
    char small[64];
    std::string big;
    const std::size_t need = std::size_t(std::max(t.Exp, 1)) + std::size_t(Decimals) + 3;
    char* buf = small;
    if (need > sizeof small) {
        big.resize(need);
        buf = big.data();
    }
    char* p = buf;
    if (std::signbit(X)) *p++ = '-';
    if (zero || t.Exp <= 0) {
        *p++ = '0';
    } else {
        for (long i = 0; i < t.Exp; ++i) *p++ = digit(i);
    }
    if (Decimals > 0) {
        *p++ = '.';
        for (int i = 0; i < Decimals; ++i) *p++ = digit(long(zero ? 0 : t.Exp) + i);
    }
    AppendPadded(Out, buf, std::size_t(p - buf), Width);
}

// ---- cell texts ---------------------------------------------------------------------------

std::string FormatCellValue(double Value, int DecP, int NumWidth) {
    std::string out;
    if (Value == 0.0) Value = 0.0;   // no "-0"
    const double a = std::fabs(Value);
    if (DecP >= 0 && DecP <= 8 && a <= FixedLimit[DecP] && (a >= FixedSmallest[DecP] || Value == 0.0)) {
        AppendStrFixed(out, Value, NumWidth, DecP);
        return out;
    }
    if (!std::isfinite(Value)) {
        AppendSpecial(out, Value, NumWidth);
        return out;
    }
    char text[40];
    const std::size_t len = StrExponentInto(text, Value, NumWidth + 8);
    AppendPadded(out, text, len, NumWidth + 8);
    // The exponent has four digits; the first two go. Were they not both '0' (an exponent
    // of 100 or more), the number does not fit and shows as asterisks.
    const std::size_t e = out.size() - 4;
    const bool fits = out[e] == '0' && out[e + 1] == '0';
    out.erase(e, 2);
    if (!fits) out.assign(out.size(), '*');
    return out;
}

void AppendClipCellText(std::string& Out, double Value, std::uint8_t State, int DecP, bool FullPrec) {
    if ((State & (dtsInvalid | dtsEmpty)) != 0) {
        Out += "####";
    } else if (FullPrec) {
        AppendStrExponent(Out, Value, 22);
    } else if (DecP >= 0) {
        AppendStrFixed(Out, Value, 0, std::min(DecP, MaxDecPlaces));
    } else {
        AppendStrExponent(Out, Value, 0);
    }
}

// ---- reading clipboard text ---------------------------------------------------------------

double ScanClipNumber(std::string_view S, int& P) { return ScanNumber(TPlainText(S), P); }

int WalkClipNumbers(std::string_view Text, const std::function<void(int Col, int Row, double Value)>& OnNumber,
                    const std::function<void(int Row, int NumbersInRow)>& OnRowEnd) {
    const TClipText s(Text);
    const int n = s.Length();
    int p = 1;
    while (p < n && !IsNumberStart(s.At(p))) ++p;
    int row = 0, col = 0, count = 0;
    while (p <= n) {
        if (p < n || (s.At(p) >= '0' && s.At(p) <= '9')) {
            const double v = ScanNumber(s, p);
            if (OnNumber) OnNumber(col, row, v);
            ++col;
            ++count;
            // On to the next number. A line feed passed on the way ends the row, also the
            // one that ended the number itself (text with bare line feeds, as other
            // systems than Windows put it on the clipboard).
            auto rowEnd = [&] {
                if (p < n) ++p;
                if (OnRowEnd) OnRowEnd(row, col);
                ++row;
                col = 0;
            };
            for (;;) {
                if (s.At(p) == '\n') {
                    rowEnd();
                } else {
                    if (p < n) ++p;
                    if (s.At(p) == '\n') rowEnd();
                }
                if (p >= n || IsNumberStart(s.At(p))) break;
            }
        } else {
            ++p;
        }
    }
    return count;
}

bool CheckClipTable(std::string_view Text, std::string& Problem) {
    const bool tabs = Text.find('\t') != std::string_view::npos;
    std::size_t pos = 0;
    int line = 0, firstLine = 0, firstCount = -1;
    while (pos < Text.size()) {
        std::size_t end = Text.find('\n', pos);
        if (end == std::string_view::npos) end = Text.size();
        ++line;
        std::string_view l = Text.substr(pos, end - pos);
        if (l.size() > MaxClipLineBytes) {
            Problem = "line " + std::to_string(line) + " is longer than " + std::to_string(MaxClipLineBytes) +
                      " characters";
            return false;
        }
        // One pass: the characters must be text (valid UTF-8, no control characters but tab
        // and carriage return, no quotes), and the values are counted on the way.
        int count = 0;
        bool any = false, inValue = false;
        for (std::size_t i = 0; i < l.size();) {
            const unsigned char c = static_cast<unsigned char>(l[i]);
            if (c == '"') {
                Problem = "line " + std::to_string(line) + " holds a quotation mark";
                return false;
            }
            if (c < 0x80) {
                if ((c < 32 && c != '\t' && c != '\r') || c == 127) {
                    Problem = "line " + std::to_string(line) + " holds the control character " + std::to_string(c);
                    return false;
                }
                const bool blank = c == ' ' || c == '\r' || c == '\t';
                if (tabs) {
                    if (c == '\t') ++count;
                    if (!blank) any = true;
                } else {
                    if (!blank && !inValue) ++count;
                    inValue = !blank;
                }
                ++i;
                continue;
            }
            const int extra = c >= 0xC2 && c <= 0xDF ? 1 : c >= 0xE0 && c <= 0xEF ? 2 : c >= 0xF0 && c <= 0xF4 ? 3 : 0;
            bool valid = extra > 0 && i + std::size_t(extra) < l.size();
            for (int k = 1; valid && k <= extra; ++k)
                valid = (static_cast<unsigned char>(l[i + std::size_t(k)]) & 0xC0) == 0x80;
            if (!valid) {
                Problem = "line " + std::to_string(line) + " holds bytes that are not text";
                return false;
            }
            any = true;
            if (!tabs && !inValue) ++count;
            inValue = true;
            i += std::size_t(extra) + 1;
        }
        // With tabs, a line of values has one more value than tabs.
        // A line without values is a row of empty cells, which Extract passes over as a row.
        if (tabs) count = any ? count + 1 : 0;
        if (count != 0) {
            if (firstCount < 0) {
                firstCount = count;
                firstLine = line;
            } else if (count != firstCount) {
                Problem = "line " + std::to_string(line) + " has " + std::to_string(count) + " values, line " +
                          std::to_string(firstLine) + " has " + std::to_string(firstCount);
                return false;
            }
        }
        pos = end + 1;
    }
    if (firstCount < 0) {
        Problem = "it holds no values";
        return false;
    }
    return true;
}

}  // namespace zyn
