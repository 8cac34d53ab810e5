// TEditMaskFormat: parsing a mask string, the characters each position takes, value <-> edit
// text, and the editing keys of a masked field.
#include "platform/controls/text/EditMask.h"

#include <algorithm>

#include "platform/runtime/FormatSettings.h"
#include "platform/runtime/Utf8.h"

namespace vcl {

namespace {

// Letters of the Latin, Greek and Cyrillic scripts; other scripts are taken by the "any
// character" positions only.
bool IsMaskLetter(char32_t c) {
    if ((c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z')) return true;
    if (c >= 0xC0 && c <= 0x24F) return c != 0xD7 && c != 0xF7;   // not × and ÷
    if (c >= 0x386 && c <= 0x3FF) return c != 0x387;               // Greek, not the ano teleia
    return c >= 0x400 && c <= 0x52F;                                // Cyrillic
}

bool IsMaskDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

char32_t FoldUpper(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 32;
    if (c >= 0x430 && c <= 0x44F) return c - 32;
    if (c >= 0x450 && c <= 0x45F) return c - 80;
    return c;
}

char32_t FoldLower(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 32;
    if (c >= 0x410 && c <= 0x42F) return c + 32;
    if (c >= 0x400 && c <= 0x40F) return c + 80;
    return c;
}

TMaskSlot Literal(char32_t c) {
    TMaskSlot s;
    s.Literal = c;
    return s;
}

TMaskSlot Editable(TMaskSlotKind Kind, bool Required, TMaskCharCase Case) {
    TMaskSlot s;
    s.Kind = Kind;
    s.Required = Required;
    s.Case = Case;
    return s;
}

}  // namespace

TEditMaskFormat::TEditMaskFormat(std::string_view Mask) {
    const std::u32string m = Utf8ToCodePoints(Mask);
    // The mask field ends at the first ';' that no '\' escapes.
    std::size_t end = 0;
    while (end < m.size() && m[end] != U';') end += (m[end] == U'\\' && end + 1 < m.size()) ? 2 : 1;
    if (end < m.size()) {
        std::size_t flag = end + 1;
        std::size_t flagEnd = m.find(U';', flag);
        if (flag < m.size() && m[flag] == U'0') saveLiterals_ = false;
        if (flagEnd != std::u32string::npos && flagEnd + 1 < m.size() && m[flagEnd + 1] >= 32)
            blank_ = m[flagEnd + 1];
    }
    TMaskCharCase folding = mccAsTyped;
    for (std::size_t i = 0; i < end; ++i) {
        const char32_t c = m[i];
        switch (c) {
        case U'\\':
            if (i + 1 < end) slots_.push_back(Literal(m[++i]));
            break;
        case U'>': folding = mccUpper; break;
        case U'<':
            if (i + 1 < end && m[i + 1] == U'>') {
                folding = mccAsTyped;
                ++i;
            } else {
                folding = mccLower;
            }
            break;
        case U'!': blanksLead_ = true; break;
        case U':': slots_.push_back(Literal(char32_t(static_cast<unsigned char>(FormatSettings.TimeSeparator)))); break;
        case U'/': slots_.push_back(Literal(char32_t(static_cast<unsigned char>(FormatSettings.DateSeparator)))); break;
        case U'0': slots_.push_back(Editable(mskDigit, true, folding)); break;
        case U'9': slots_.push_back(Editable(mskDigit, false, folding)); break;
        case U'#': slots_.push_back(Editable(mskDigitOrSign, false, folding)); break;
        case U'L': slots_.push_back(Editable(mskLetter, true, folding)); break;
        case U'l': slots_.push_back(Editable(mskLetter, false, folding)); break;
        case U'A': slots_.push_back(Editable(mskAlphaNum, true, folding)); break;
        case U'a': slots_.push_back(Editable(mskAlphaNum, false, folding)); break;
        case U'C': slots_.push_back(Editable(mskAnyChar, true, folding)); break;
        case U'c': slots_.push_back(Editable(mskAnyChar, false, folding)); break;
        default: slots_.push_back(Literal(c)); break;
        }
    }
}

// ---- positions and characters ------------------------------------------------------------

char32_t TEditMaskFormat::Accept(int Pos, char32_t Ch) const {
    if (Pos < 0 || Pos >= Length()) return 0;
    const TMaskSlot& s = Slot(Pos);
    if (s.Kind == mskLiteral || Ch < 32 || Ch == 0x7F || Ch == U' ' || Ch == blank_ || Ch > 0x10FFFF ||
        (Ch >= 0xD800 && Ch <= 0xDFFF))
        return 0;
    if (s.Case == mccUpper) Ch = FoldUpper(Ch);
    if (s.Case == mccLower) Ch = FoldLower(Ch);
    switch (s.Kind) {
    case mskDigit: return IsMaskDigit(Ch) ? Ch : 0;
    case mskDigitOrSign: return IsMaskDigit(Ch) || Ch == U'+' || Ch == U'-' ? Ch : 0;
    case mskLetter: return IsMaskLetter(Ch) ? Ch : 0;
    case mskAlphaNum: return IsMaskLetter(Ch) || IsMaskDigit(Ch) ? Ch : 0;
    case mskAnyChar: return Ch;
    case mskLiteral: break;
    }
    return 0;
}

bool TEditMaskFormat::IsBlankAt(const std::u32string& Edit, int Pos) const {
    if (Pos < 0 || Pos >= int(Edit.size())) return true;
    const char32_t c = Edit[std::size_t(Pos)];
    return c == blank_ || c == U' ';
}

int TEditMaskFormat::NextEditable(int Pos) const {
    for (int p = std::max(Pos, 0); p < Length(); ++p)
        if (!IsLiteral(p)) return p;
    return Length();
}

int TEditMaskFormat::PrevEditable(int Pos) const {
    for (int p = std::min(Pos, Length()) - 1; p >= 0; --p)
        if (!IsLiteral(p)) return p;
    return -1;
}

// ---- value and edit text -----------------------------------------------------------------

std::u32string TEditMaskFormat::BlankText() const {
    std::u32string edit(slots_.size(), blank_);
    for (int p = 0; p < Length(); ++p)
        if (IsLiteral(p)) edit[std::size_t(p)] = Slot(p).Literal;
    return edit;
}

std::u32string TEditMaskFormat::FormatValue(std::u32string_view Value) const {
    std::u32string edit = BlankText();
    const int n = int(Value.size());
    auto place = [&](int Pos, int& V) {
        const char32_t c = Value[std::size_t(V)];
        if (IsLiteral(Pos)) {
            // A saved value carries the literals; one that lacks a literal goes on.
            if (saveLiterals_ && c == Slot(Pos).Literal) V += blanksLead_ ? -1 : 1;
            return;
        }
        if (char32_t a = Accept(Pos, c)) edit[std::size_t(Pos)] = a;
        V += blanksLead_ ? -1 : 1;
    };
    if (blanksLead_) {
        // The value is aligned to the end: the blanks lead.
        int v = n - 1;
        for (int p = Length() - 1; p >= 0 && v >= 0; --p) place(p, v);
    } else {
        int v = 0;
        for (int p = 0; p < Length() && v < n; ++p) place(p, v);
    }
    return edit;
}

std::u32string TEditMaskFormat::ValueOf(const std::u32string& Edit) const {
    std::u32string value;
    value.reserve(slots_.size());
    for (int p = 0; p < Length(); ++p) {
        if (IsLiteral(p)) {
            if (saveLiterals_) value.push_back(Slot(p).Literal);
        } else {
            value.push_back(IsBlankAt(Edit, p) ? U' ' : Edit[std::size_t(p)]);
        }
    }
    if (!saveLiterals_) {
        if (blanksLead_) value.erase(0, value.find_first_not_of(U' ') == std::u32string::npos
                                            ? value.size() : value.find_first_not_of(U' '));
        else value.erase(value.find_last_not_of(U' ') + 1);
    }
    return value;
}

std::u32string TEditMaskFormat::Conform(std::u32string_view Text) const {
    std::u32string edit = BlankText();
    for (int p = 0; p < Length() && p < int(Text.size()); ++p) {
        if (IsLiteral(p)) continue;
        if (char32_t a = Accept(p, Text[std::size_t(p)])) edit[std::size_t(p)] = a;
    }
    return edit;
}

int TEditMaskFormat::FirstMissing(const std::u32string& Edit) const {
    for (int p = 0; p < Length(); ++p)
        if (!IsLiteral(p) && Slot(p).Required && IsBlankAt(Edit, p)) return p;
    return -1;
}

// ---- editing -----------------------------------------------------------------------------

void TEditMaskFormat::BlankRange(std::u32string& Edit, int From, int To) const {
    for (int p = std::max(From, 0); p < std::min(To, Length()); ++p)
        if (!IsLiteral(p)) Edit[std::size_t(p)] = blank_;
}

namespace {
void Normalize(TMaskEditState& S, int Length) {
    S.SelStart = std::clamp(S.SelStart, 0, Length);
    S.SelLength = std::clamp(S.SelLength, 0, Length - S.SelStart);
}
}  // namespace

bool TEditMaskFormat::TypeChar(TMaskEditState& State, char32_t Ch) const {
    if (int(State.Edit.size()) != Length()) State.Edit = Conform(State.Edit);
    Normalize(State, Length());
    const int p = NextEditable(State.SelStart);
    if (p >= Length()) return false;
    auto put = [&](char32_t c) {
        BlankRange(State.Edit, State.SelStart, State.SelStart + State.SelLength);
        State.Edit[std::size_t(p)] = c;
        State.SelStart = NextEditable(p + 1);
        State.SelLength = 0;
    };
    const bool blankKey = Ch == U' ' || Ch == blank_;
    if (!blankKey) {
        if (char32_t a = Accept(p, Ch)) {
            put(a);
            return true;
        }
    }
    // A character equal to one of the literals just before the position (the ones the caret
    // skipped, or sits on) is taken as typed over them: "(555) 123" fills a phone mask.
    for (int q = p - 1; q >= 0 && IsLiteral(q); --q) {
        if (Slot(q).Literal == Ch) {
            State.SelStart = p;
            State.SelLength = 0;
            return true;
        }
    }
    if (blankKey) {
        put(blank_);
        return true;
    }
    return false;
}

void TEditMaskFormat::Backspace(TMaskEditState& State) const {
    if (int(State.Edit.size()) != Length()) State.Edit = Conform(State.Edit);
    Normalize(State, Length());
    if (State.SelLength > 0) {
        BlankRange(State.Edit, State.SelStart, State.SelStart + State.SelLength);
        State.SelLength = 0;
        return;
    }
    const int p = PrevEditable(State.SelStart);
    if (p < 0) return;
    State.Edit[std::size_t(p)] = blank_;
    State.SelStart = p;
}

void TEditMaskFormat::Delete(TMaskEditState& State) const {
    if (int(State.Edit.size()) != Length()) State.Edit = Conform(State.Edit);
    Normalize(State, Length());
    if (State.SelLength > 0) {
        BlankRange(State.Edit, State.SelStart, State.SelStart + State.SelLength);
        State.SelLength = 0;
        return;
    }
    const int p = NextEditable(State.SelStart);
    if (p < Length()) State.Edit[std::size_t(p)] = blank_;
}

bool TEditMaskFormat::Paste(TMaskEditState& State, std::u32string_view Text) const {
    // All or nothing: a refused character leaves the field as it was.
    TMaskEditState work = State;
    for (char32_t c : Text) {
        if (NextEditable(work.SelStart) >= Length()) break;   // the rest does not fit
        if (!TypeChar(work, c)) return false;
    }
    State = std::move(work);
    return true;
}

}  // namespace vcl
