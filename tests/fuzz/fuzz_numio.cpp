// Any text through the decimal scanner (every start position and separator mode), the
// validators, the digit parsers and the edit field's conversion in every format.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "numio/Zyn_NumIO.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    using namespace zyn;
    const std::string_view text(reinterpret_cast<const char*>(Data), Size);
    for (TSeparatorMode mode : {smPoint, smComma, smPointOrComma}) {
        for (bool exponent : {false, true}) {
            for (int start : {1, 2, int(Size / 2) + 1}) {
                int position = start;
                const double v = ScanDecimalNumber(text, exponent, mode, position);
                if (!std::isfinite(v) || std::fabs(v) > uc_MaxDouble) std::abort();
                if (position < start || position > std::max(start, int(Size) + 1)) std::abort();
            }
        }
    }
    for (TDecPSep sep : {dpsPoint, dpsComma, dpsPointOrComma}) {
        (void)IsValidFloatText(text, true, sep);
        (void)IsValidFixedText(text, sep);
    }
    (void)IsValidIntText(text);
    int position = 1;
    (void)ParseDecInt(text, position);
    position = 1;
    (void)ParseHexDigits(text, position);
    for (TInFormat format : {itExp, itFloat, itFixPoint, itInt, itHex, itOct, itBin, itDynamic}) {
        double value = 0;
        if (ConvertNumText(text, format, smPointOrComma, value) && !std::isfinite(value)) std::abort();
        // What the field writes for a value, it reads back.
        double back = 0;
        if (!ConvertNumText(FormatEditValue(format, 2, value), format, smPointOrComma, back)) std::abort();
    }
    return 0;
}
