// The report list's filter expressions on any input: the first byte chooses the mode (text,
// Boolean expression, regular expression) and whether case is ignored, the first line is the
// expression and every further line a cell text of one row. Besides crashes, leaks, stack
// exhaustion and escaping exceptions other than EZynRepListError (a malformed expression),
// a finding is a filter that ignoring case treats a text and its other-case copy
// differently, or that (text and regular expression) finds a row whose single cells it
// finds in none.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "replist/Zyn_ReportListView.h"

namespace {

void Check(bool Condition) {
    if (!Condition) std::abort();
}

std::string SwapCase(std::string_view Text) {
    std::string s(Text);
    for (char& c : s) {
        const auto u = static_cast<unsigned char>(c);
        c = char(std::islower(u) ? std::toupper(u) : std::tolower(u));
    }
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    if (Size == 0) return 0;
    const auto mode = zyn::TFilterMode(Data[0] % 3);
    const bool ignoreCase = (Data[0] & 4) != 0;
    std::string_view rest(reinterpret_cast<const char*>(Data + 1), Size - 1);
    std::size_t cut = rest.find('\n');
    const std::string_view expression = rest.substr(0, cut);
    std::vector<std::string_view> texts;
    while (cut != std::string_view::npos && texts.size() < 16) {
        rest.remove_prefix(cut + 1);
        cut = rest.find('\n');
        texts.push_back(rest.substr(0, cut));
    }
    try {
        zyn::TRLFilter filter(expression, mode, ignoreCase);
        Check(filter.Empty() == expression.empty());
        const bool found = filter.Matches(texts);
        Check(filter.Matches(texts) == found);   // no state kept between rows
        if (ignoreCase) {
            std::vector<std::string> swapped;
            for (std::string_view t : texts) swapped.push_back(SwapCase(t));
            const std::vector<std::string_view> views(swapped.begin(), swapped.end());
            Check(filter.Matches(views) == found);
        }
        if (mode != zyn::fmBoolean && !filter.Empty()) {
            bool any = false;
            for (std::string_view t : texts) any = any || filter.Matches(std::span(&t, 1));
            Check(any == found);
        }
    } catch (const zyn::EZynRepListError&) {
        Check(!expression.empty());
    }
    return 0;
}
