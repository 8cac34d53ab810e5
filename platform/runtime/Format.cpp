// Format: the framework's printf-like formatter over an "array of const".
#include "platform/runtime/Format.h"

#include <cstdlib>

#include "platform/runtime/Exceptions.h"
#include "platform/runtime/FloatText.h"
#include "platform/runtime/FormatSettings.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/Utf8.h"

namespace vcl {
namespace {

constexpr int kNoValue = -1;

class Formatter {
public:
    Formatter(std::string_view fmt, std::span<const TVarRec> args, const TFormatSettings& fs)
        : fmt_(fmt), args_(args), fs_(fs) {}

    std::string Run() {
        std::string out;
        out.reserve(fmt_.size() + 16);
        std::size_t i = 0;
        while (i < fmt_.size()) {
            const std::size_t pct = fmt_.find('%', i);
            if (pct == std::string_view::npos) {
                out.append(fmt_, i);
                break;
            }
            out.append(fmt_, i, pct - i);
            i = pct + 1;
            if (i < fmt_.size() && fmt_[i] == '%') {
                out.push_back('%');
                ++i;
                continue;
            }
            i = Specifier(i, out);
        }
        return out;
    }

private:
    struct Spec {
        bool left = false;
        int width = kNoValue;
        int prec = kNoValue;
        char type = 0;
    };

    [[noreturn]] void InvalidFormat() const { Raise("Format '%s' invalid or incompatible with argument"); }
    [[noreturn]] void ArgumentMissing() const { Raise("No argument for format '%s'"); }

    // The messages quote the format string, cut to 31 bytes on a character boundary.
    [[noreturn]] void Raise(std::string_view pattern) const {
        std::size_t len = fmt_.size() < 31 ? fmt_.size() : 31;
        while (len > 0 && len < fmt_.size() && (static_cast<unsigned char>(fmt_[len]) & 0xC0) == 0x80) --len;
        std::string msg(pattern);
        msg.replace(msg.find("%s"), 2, fmt_.substr(0, len));
        throw EConvertError(msg);
    }

    const TVarRec& NextArg() {
        if (next_ >= args_.size()) ArgumentMissing();
        return args_[next_++];
    }

    // Digits or '*' at i; kNoValue when neither is there.
    int Number(std::size_t& i) {
        if (i < fmt_.size() && fmt_[i] == '*') {
            ++i;
            const TVarRec& a = NextArg();
            if (a.VType() != TVarRec::vtInteger) InvalidFormat();
            return static_cast<int>(a.AsInt64());
        }
        if (i >= fmt_.size() || fmt_[i] < '0' || fmt_[i] > '9') return kNoValue;
        long long v = 0;
        while (i < fmt_.size() && fmt_[i] >= '0' && fmt_[i] <= '9') {
            v = v * 10 + (fmt_[i] - '0');
            if (v > 0x7FFFFFFF) InvalidFormat();
            ++i;
        }
        return static_cast<int>(v);
    }

    std::size_t Specifier(std::size_t i, std::string& out) {
        Spec spec;
        // Optional "index:" (digits or '*'), then '-', width, ".prec" and the type letter.
        {
            std::size_t j = i;
            bool isIndex = false;
            if (j < fmt_.size() && fmt_[j] == '*') {
                isIndex = j + 1 < fmt_.size() && fmt_[j + 1] == ':';
            } else {
                while (j < fmt_.size() && fmt_[j] >= '0' && fmt_[j] <= '9') ++j;
                isIndex = j > i && j < fmt_.size() && fmt_[j] == ':';
            }
            if (isIndex) {
                const int index = Number(i);
                ++i;  // ':'
                if (index < 0) InvalidFormat();
                next_ = static_cast<std::size_t>(index);
            }
        }
        if (i < fmt_.size() && fmt_[i] == '-') {
            spec.left = true;
            ++i;
        }
        spec.width = Number(i);
        if (spec.width < kNoValue) {  // a negative '*' width left-aligns, as in C
            spec.left = true;
            spec.width = -spec.width;
        }
        if (i < fmt_.size() && fmt_[i] == '.') {
            ++i;
            spec.prec = Number(i);
            if (spec.prec < 0) spec.prec = kNoValue;
        }
        if (i >= fmt_.size()) InvalidFormat();
        spec.type = fmt_[i];
        if (spec.type >= 'A' && spec.type <= 'Z') spec.type = static_cast<char>(spec.type + 32);
        ++i;
        Pad(Convert(spec), spec, out);
        return i;
    }

    std::string Convert(const Spec& spec) {
        switch (spec.type) {
            case 'd': return Decimal(NextArg(), spec, false);
            case 'u': return Decimal(NextArg(), spec, true);
            case 'x': return Hex(NextArg(), spec);
            case 'e':
            case 'f':
            case 'g':
            case 'n':
            case 'm': return Float(NextArg(), spec);
            case 's': return String(NextArg(), spec);
            case 'p': {
                const TVarRec& a = NextArg();
                if (a.VType() != TVarRec::vtPointer) InvalidFormat();
                return IntToHex64(static_cast<std::uint64_t>(a.AsInt64()), sizeof(void*) * 2);
            }
            default: InvalidFormat();
        }
    }

    std::string Decimal(const TVarRec& a, const Spec& spec, bool isUnsigned) {
        std::string digits;
        bool negative = false;
        if (a.VType() == TVarRec::vtInteger) {
            const auto v = static_cast<std::int32_t>(a.AsInt64());
            if (isUnsigned) {
                digits = std::to_string(static_cast<std::uint32_t>(v));
            } else {
                negative = v < 0;
                digits = std::to_string(negative ? -static_cast<std::int64_t>(v) : v);
            }
        } else if (a.VType() == TVarRec::vtInt64) {
            const std::int64_t v = a.AsInt64();
            if (isUnsigned) {
                digits = std::to_string(static_cast<std::uint64_t>(v));
            } else {
                negative = v < 0;
                digits = std::to_string(negative ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v));
            }
        } else {
            InvalidFormat();
        }
        // The precision is the minimum digit count (zero-padded after the sign); above 16 it
        // is ignored.
        if (spec.prec != kNoValue && spec.prec <= 16 && static_cast<int>(digits.size()) < spec.prec) {
            digits.insert(0, spec.prec - digits.size(), '0');
        }
        return negative ? "-" + digits : digits;
    }

    std::string Hex(const TVarRec& a, const Spec& spec) {
        const int minDigits = spec.prec != kNoValue && spec.prec <= 16 ? spec.prec : 0;
        if (a.VType() == TVarRec::vtInteger) {
            return IntToHex32(static_cast<std::uint32_t>(a.AsInt64()), minDigits);
        }
        if (a.VType() == TVarRec::vtInt64) {
            return IntToHex64(static_cast<std::uint64_t>(a.AsInt64()), minDigits);
        }
        InvalidFormat();
    }

    std::string Float(const TVarRec& a, const Spec& spec) {
        if (a.VType() != TVarRec::vtExtended) InvalidFormat();
        const double v = a.AsExtended();
        // A precision above 18 counts as none.
        const int prec = spec.prec > 18 ? kNoValue : spec.prec;
        switch (spec.type) {
            case 'e': return FloatToStrF(v, ffExponent, prec == kNoValue ? 15 : prec, 3, fs_);
            case 'f': return FloatToStrF(v, ffFixed, 18, prec == kNoValue ? 2 : prec, fs_);
            case 'g': return FloatToStrF(v, ffGeneral, prec == kNoValue ? 15 : prec, 3, fs_);
            case 'n': return FloatToStrF(v, ffNumber, 18, prec == kNoValue ? 2 : prec, fs_);
            default:
                return FloatToStrF(v, ffCurrency, 18, prec == kNoValue ? fs_.CurrencyDecimals : prec, fs_);
        }
    }

    std::string String(const TVarRec& a, const Spec& spec) {
        std::string s;
        if (a.VType() == TVarRec::vtString) {
            s = a.AsString();
        } else if (a.VType() == TVarRec::vtChar) {
            s = Utf8Encode(static_cast<char32_t>(a.AsInt64()));
        } else {
            InvalidFormat();
        }
        if (spec.prec != kNoValue && Length(s) > spec.prec) s = LeftStr(s, spec.prec);
        return s;
    }

    // Pads to the width in characters, never truncating.
    static void Pad(const std::string& text, const Spec& spec, std::string& out) {
        const int len = Length(text);
        const int fill = spec.width > len ? spec.width - len : 0;
        if (!spec.left) out.append(fill, ' ');
        out += text;
        if (spec.left) out.append(fill, ' ');
    }

    std::string_view fmt_;
    std::span<const TVarRec> args_;
    const TFormatSettings& fs_;
    std::size_t next_ = 0;
};

}  // namespace

std::string Format(std::string_view fmt, std::span<const TVarRec> args, const TFormatSettings& settings) {
    return Formatter(fmt, args, settings).Run();
}

std::string Format(std::string_view fmt, std::span<const TVarRec> args) {
    return Format(fmt, args, FormatSettings);
}

std::string Format(std::string_view fmt, std::initializer_list<TVarRec> args) {
    return Format(fmt, std::span<const TVarRec>(args.begin(), args.size()), FormatSettings);
}

}  // namespace vcl
