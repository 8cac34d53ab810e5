// Exact binary-to-decimal conversion of doubles, the first step of every float-to-text routine.
//
// A double is m * 2^e exactly. Its decimal expansion is the integer m * 2^e (e >= 0) or
// m * 5^-e scaled by 10^e (e < 0), computed here with a small base-10^9 big integer, so the
// 18 significant digits are correctly rounded (ties to even) with no printf involved. The
// second step, cutting those 18 digits to the requested precision, rounds half up on the
// decimal digits, which is what makes 0.125 print as 0.13 with two decimals.
#include "platform/runtime/FloatDecimal.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace vcl {
namespace {

constexpr int kMaxDigits = 18;
constexpr std::uint32_t kLimbBase = 1000000000u;

// Little-endian base-10^9 unsigned integer.
class DecimalBigInt {
public:
    explicit DecimalBigInt(std::uint64_t v) {
        while (v != 0) {
            limbs_.push_back(static_cast<std::uint32_t>(v % kLimbBase));
            v /= kLimbBase;
        }
    }

    void MultiplyBy(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs_) {
            const std::uint64_t p = static_cast<std::uint64_t>(limb) * factor + carry;
            limb = static_cast<std::uint32_t>(p % kLimbBase);
            carry = p / kLimbBase;
        }
        while (carry != 0) {
            limbs_.push_back(static_cast<std::uint32_t>(carry % kLimbBase));
            carry /= kLimbBase;
        }
    }

    void MultiplyByPowerOf2(int n) {
        for (; n >= 29; n -= 29) MultiplyBy(1u << 29);
        if (n > 0) MultiplyBy(1u << n);
    }

    void MultiplyByPowerOf5(int n) {
        constexpr std::uint32_t kFive13 = 1220703125u;  // 5^13, the largest power below 2^32
        for (; n >= 13; n -= 13) MultiplyBy(kFive13);
        std::uint32_t rest = 1;
        for (; n > 0; --n) rest *= 5;
        if (rest > 1) MultiplyBy(rest);
    }

    // The leading `want` decimal digits (fewer if the number is shorter), whether any digit
    // after them is non-zero, and the total number of decimal digits.
    void LeadingDigits(int want, std::string& digits, bool& sticky, int& totalDigits) const {
        digits.clear();
        sticky = false;
        char buf[10];
        const std::size_t top = limbs_.size() - 1;
        int topLen = 0;
        for (std::uint32_t v = limbs_[top]; v != 0; v /= 10) ++topLen;
        totalDigits = topLen + static_cast<int>(top) * 9;
        for (std::size_t k = limbs_.size(); k-- > 0;) {
            const int len = k == top ? topLen : 9;
            std::uint32_t v = limbs_[k];
            for (int i = len - 1; i >= 0; --i) {
                buf[i] = static_cast<char>('0' + v % 10);
                v /= 10;
            }
            for (int i = 0; i < len; ++i) {
                if (static_cast<int>(digits.size()) < want) {
                    digits.push_back(buf[i]);
                } else if (buf[i] != '0') {
                    sticky = true;
                    return;
                }
            }
        }
    }

private:
    std::vector<std::uint32_t> limbs_;
};

// Adds one unit in the last place of a digit string; true when it overflowed ("99" -> "100"
// is returned as "10" with the caller raising the exponent).
bool IncrementDigits(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
    digits.pop_back();
    return true;
}

// The value's 18 significant digits, correctly rounded with ties to even, and its decimal
// exponent (value = 0.digits * 10^exponent). `value` is finite and non-zero.
void EighteenDigits(double value, std::string& digits, int& exponent) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    int e;
    if (biased == 0) {
        e = -1074;
    } else {
        mantissa |= std::uint64_t{1} << 52;
        e = biased - 1075;
    }
    const int zeros = std::countr_zero(mantissa);
    mantissa >>= zeros;
    e += zeros;

    DecimalBigInt n(mantissa);
    int scale = 0;  // value = n * 10^-scale
    if (e >= 0) {
        n.MultiplyByPowerOf2(e);
    } else {
        n.MultiplyByPowerOf5(-e);
        scale = -e;
    }

    bool sticky = false;
    int total = 0;
    n.LeadingDigits(kMaxDigits + 1, digits, sticky, total);
    exponent = total - scale;

    if (static_cast<int>(digits.size()) > kMaxDigits) {
        const char next = digits[kMaxDigits];
        digits.resize(kMaxDigits);
        const bool odd = (digits.back() - '0') % 2 != 0;
        if (next > '5' || (next == '5' && (sticky || odd))) {
            if (IncrementDigits(digits)) ++exponent;
        }
    }
}

void StripTrailingZeros(std::string& digits) {
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
}

}  // namespace

TFloatRec FloatToDecimal(double value, int precision, int decimals) {
    TFloatRec rec;
    rec.Negative = std::signbit(value);
    if (std::isnan(value) || std::isinf(value)) {
        rec.Exponent = TFloatRec::kFloatRecSpecial;
        rec.Digits = std::isnan(value) ? "NAN" : "INF";
        return rec;
    }
    if (value == 0.0) return rec;

    if (precision > kMaxDigits) precision = kMaxDigits;
    if (precision < 1) precision = 1;

    std::string digits;
    int exponent = 0;
    EighteenDigits(value, digits, exponent);

    // Digits to keep: `precision` significant ones, and none beyond `decimals` after the point.
    const long long byDecimals = static_cast<long long>(exponent) + decimals;
    const int keep = byDecimals < precision ? static_cast<int>(byDecimals < -1 ? -1 : byDecimals)
                                            : precision;
    if (keep < 0) return rec;  // zero, keeping the sign bit
    if (keep == 0) {
        // Nothing survives the cut except a possible carry into the next higher digit.
        if (digits[0] >= '5') {
            rec.Digits = "1";
            rec.Exponent = exponent + 1;
        }
        return rec;
    }
    if (static_cast<int>(digits.size()) > keep) {
        const char next = digits[keep];
        digits.resize(keep);
        if (next >= '5' && IncrementDigits(digits)) ++exponent;
    }
    StripTrailingZeros(digits);
    if (digits.empty()) return rec;
    rec.Digits = std::move(digits);
    rec.Exponent = exponent;
    return rec;
}

}  // namespace vcl
