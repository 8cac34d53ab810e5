// The row editor's reading of a date/time text with a picker display format, on any format
// and any text (the input is "format\ntext"). Besides crashes and leaks, a finding is an
// error code outside the documented ones, an exception other than EConvertError (which an
// impossible date or time raises), a failure that still returns a moment, a result that is
// not finite, or a result that depends on the current year although the format has no
// two-digit year.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/SysUtils.h"
#include "replist/Zyn_ReportListView.h"

namespace {

void Check(bool Condition) {
    if (!Condition) std::abort();
}

struct Result {
    int error = 0;   // 1 for an impossible date or time
    double value = 0;
    bool operator==(const Result&) const = default;
};

Result Parse(std::string_view Text, std::string_view Format, int ThisYear) {
    Result r;
    r.error = 99;
    try {
        r.value = zyn::ParseRowDateTime(Text, Format, r.error, ThisYear);
    } catch (const vcl::EConvertError&) {
        return {1, 0};
    }
    Check(r.error == 0 || r.error == -1 || r.error == -2 || r.error == -3);
    if (r.error != 0) Check(r.value == 0.0);
    Check(std::isfinite(r.value));
    return r;
}

// Whether the format holds a run of exactly two 'y' outside quotes.
bool HasTwoDigitYear(std::string_view Format) {
    bool quoted = false;
    for (std::size_t i = 0; i < Format.size();) {
        if (Format[i] == '\'') {
            quoted = !quoted;
            ++i;
            continue;
        }
        std::size_t n = 1;
        while (i + n < Format.size() && Format[i + n] == Format[i]) ++n;
        if (!quoted && Format[i] == 'y' && n == 2) return true;
        i += n;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    const std::string_view input(reinterpret_cast<const char*>(Data), Size);
    const std::size_t cut = input.find('\n');
    const std::string_view format = cut == std::string_view::npos ? input : input.substr(0, cut);
    const std::string_view text = cut == std::string_view::npos ? std::string_view() : input.substr(cut + 1);
    const Result early = Parse(text, format, 1);
    const Result now = Parse(text, format, 2030);
    const Result late = Parse(text, format, 9999);
    if (!HasTwoDigitYear(format)) Check(early == now && now == late);
    return 0;
}
