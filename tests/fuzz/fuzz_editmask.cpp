// A mask and a run of keys through the edit mask's rules. The input is the mask text up to
// the first line feed, then the keys as UTF-8: U+0001 Backspace, U+0002 Delete, U+0003 and
// U+0004 set the selection start and length from the next character, U+0005 pastes the
// next eight characters, U+0006 sets the value to the rest of the input; every other
// character is typed. After each step the edit text must keep the mask's shape, read back
// to itself through its value, and the selection must stay inside it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/Mask.h"
#include "platform/SysUtils.h"

namespace {

void Check(const vcl::TEditMaskFormat& M, const vcl::TMaskEditState& S) {
    const int len = M.Length();
    if (int(S.Edit.size()) != len) std::abort();
    if (S.SelStart < 0 || S.SelLength < 0 || S.SelStart + S.SelLength > len) std::abort();
    for (int p = 0; p < len; ++p) {
        const char32_t c = S.Edit[std::size_t(p)];
        if (M.IsLiteral(p)) {
            if (c != M.Slot(p).Literal) std::abort();
        } else if (c != M.Blank() && M.Accept(p, c) != c) {
            std::abort();
        }
    }
    if (M.FormatValue(M.ValueOf(S.Edit)) != S.Edit) std::abort();
    if (M.Conform(S.Edit) != S.Edit) std::abort();
    const int missing = M.FirstMissing(S.Edit);
    if (missing >= len || (missing >= 0 && (M.IsLiteral(missing) || !M.Slot(missing).Required ||
                                             !M.IsBlankAt(S.Edit, missing))))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    const std::string_view input(reinterpret_cast<const char*>(Data), Size);
    const std::size_t cut = input.find('\n');
    const std::string_view maskText = input.substr(0, cut);
    const vcl::TEditMaskFormat mask{maskText};
    if (mask.Empty()) return 0;
    const std::u32string keys =
        cut == std::string_view::npos ? std::u32string() : vcl::Utf8ToCodePoints(input.substr(cut + 1));

    vcl::TMaskEditState state;
    state.Edit = mask.BlankText();
    Check(mask, state);
    const int span = mask.Length() + 1;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const char32_t k = keys[i];
        auto next = [&]() -> int { return ++i < keys.size() ? int(keys[i] % char32_t(span)) : 0; };
        switch (k) {
        case 1: mask.Backspace(state); break;
        case 2: mask.Delete(state); break;
        case 3: state.SelStart = next(); state.SelLength = std::min(state.SelLength, mask.Length() - state.SelStart); break;
        case 4: state.SelLength = std::min(next(), mask.Length() - state.SelStart); break;
        case 5: {
            const std::u32string_view text = std::u32string_view(keys).substr(std::min(keys.size(), i + 1), 8);
            const vcl::TMaskEditState before = state;
            if (!mask.Paste(state, text) && (state.Edit != before.Edit || state.SelStart != before.SelStart))
                std::abort();   // a refused paste changes nothing
            i += text.size();
            break;
        }
        case 6:
            state.Edit = mask.FormatValue(std::u32string_view(keys).substr(i + 1));
            state.SelStart = state.SelLength = 0;
            i = keys.size();
            break;
        default: {
            const std::u32string before = state.Edit;
            if (!mask.TypeChar(state, k) && state.Edit != before) std::abort();   // refused: unchanged
            break;
        }
        }
        Check(mask, state);
    }
    return 0;
}
