// Edit masks: the parsed form of a mask string and the editing rules of a masked field,
// without any control (the mask edit and the grid's in-place editor use it).
//
// A mask string has up to three fields separated by ';': the mask, the save-literals flag
// ('0': the value holds only the typed characters; anything else: the literals too; default
// saved) and the blank character shown in empty positions (default '_'). Mask characters:
//   0 digit, required        9 digit, optional          # digit, '+' or '-', optional
//   L letter, required       l letter, optional
//   A letter or digit, req.  a letter or digit, opt.
//   C any character, req.    c any character, optional
//   >  the following positions fold to upper case, <  to lower case, <>  case as typed
//   !  optional positions take their blanks in front of the value (leading blanks)
//   \  the next character is a literal
//   :  the time separator, /  the date separator (of FormatSettings when the mask is parsed)
// Every other character is a literal, shown and skipped by the caret.
//
// The edit text always has one character per position: a literal, the blank character or a
// character its position accepts. A space or the blank character typed into a position
// empties it, so a required position is filled only by a real character.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vcl {

enum TMaskSlotKind : std::uint8_t { mskLiteral, mskDigit, mskDigitOrSign, mskLetter, mskAlphaNum, mskAnyChar };
enum TMaskCharCase : std::uint8_t { mccAsTyped, mccUpper, mccLower };

// One position of the edit text.
struct TMaskSlot {
    TMaskSlotKind Kind = mskLiteral;
    bool Required = false;
    TMaskCharCase Case = mccAsTyped;
    char32_t Literal = 0;   // the character of a literal position
};

// The text of a masked field and its selection (code point positions).
struct TMaskEditState {
    std::u32string Edit;
    int SelStart = 0;
    int SelLength = 0;
};

class TEditMaskFormat {
public:
    TEditMaskFormat() = default;
    // Parses Mask (UTF-8) with the separators of FormatSettings at this moment.
    explicit TEditMaskFormat(std::string_view Mask);

    // No mask: the field edits freely.
    bool Empty() const { return slots_.empty(); }
    int Length() const { return int(slots_.size()); }
    const TMaskSlot& Slot(int Pos) const { return slots_[std::size_t(Pos)]; }
    bool IsLiteral(int Pos) const { return slots_[std::size_t(Pos)].Kind == mskLiteral; }
    bool SaveLiterals() const { return saveLiterals_; }
    char32_t Blank() const { return blank_; }
    bool BlanksLead() const { return blanksLead_; }

    // The character a position stores for Ch (case folded), or 0 when it refuses it.
    char32_t Accept(int Pos, char32_t Ch) const;
    // True when the edit text has nothing in position Pos (blank character or space).
    bool IsBlankAt(const std::u32string& Edit, int Pos) const;

    // The edit text of an empty field: literals and blank characters.
    std::u32string BlankText() const;
    // The edit text for a value as Text gives it (with literals when they are saved, without
    // them otherwise). Characters a position refuses leave it blank; extra ones are dropped.
    std::u32string FormatValue(std::u32string_view Value) const;
    // The value of an edit text: blanks read as spaces; without saved literals only the
    // editable positions count and the blanks at the value's free end are cut off.
    std::u32string ValueOf(const std::u32string& Edit) const;
    // An edit text typed over: each editable position keeps the character of Text at the
    // same place when it accepts it, else it is blank.
    std::u32string Conform(std::u32string_view Text) const;
    // First required position left blank, or -1 when every required one is filled.
    int FirstMissing(const std::u32string& Edit) const;

    // First editable position at or after Pos (Length() when none), last one before Pos
    // (-1 when none).
    int NextEditable(int Pos) const;
    int PrevEditable(int Pos) const;

    // Editing. Each returns false when the key is refused (the caller beeps); the state's
    // edit text keeps its shape in every case.
    // A typed character: overwrites the first editable position at or after the selection
    // start (the selection is blanked first) and moves past the literals that follow. A
    // character equal to the literal at the caret steps over that literal.
    bool TypeChar(TMaskEditState& State, char32_t Ch) const;
    // Backspace: blanks the selection, or the editable position before the caret and moves
    // there.
    void Backspace(TMaskEditState& State) const;
    // Delete: blanks the selection, or the editable position at or after the caret; the
    // caret stays.
    void Delete(TMaskEditState& State) const;
    // Pasted text: typed character by character from the selection start; stops at the
    // first refused character (false) or at the end of the mask.
    bool Paste(TMaskEditState& State, std::u32string_view Text) const;

private:
    void BlankRange(std::u32string& Edit, int From, int To) const;

    std::vector<TMaskSlot> slots_;
    bool saveLiterals_ = true;
    char32_t blank_ = U'_';
    bool blanksLead_ = false;
};

}  // namespace vcl
