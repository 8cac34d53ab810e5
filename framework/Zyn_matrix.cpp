// Math library helpers.
#include "framework/Zyn_matrix.h"

#include <cmath>
#include <limits>

namespace zyn {

int IntNeg(double X) {
    if (std::isnan(X)) return 0;
    const double f = std::floor(X);
    if (f <= double(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    if (f >= double(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    return int(f);
}

bool IsValidDecInt(std::string_view S) {
    std::size_t i = 0;
    while (i < S.size() && S[i] == ' ') ++i;
    bool negative = false;
    if (i < S.size() && (S[i] == '+' || S[i] == '-')) negative = S[i++] == '-';
    const std::size_t firstDigit = i;
    long long value = 0;
    const long long limit = negative ? -(long long)std::numeric_limits<int>::min()
                                     : (long long)std::numeric_limits<int>::max();
    while (i < S.size() && S[i] >= '0' && S[i] <= '9') {
        value = value * 10 + (S[i] - '0');
        if (value > limit) return false;
        ++i;
    }
    if (i == firstDigit) return false;
    while (i < S.size() && S[i] == ' ') ++i;
    return i == S.size();
}

}  // namespace zyn
