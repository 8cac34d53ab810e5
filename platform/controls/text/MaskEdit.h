// Masked edit fields: TCustomMaskEdit, an edit field whose text follows an edit mask (see
// EditMask.h for the mask language), and TMaskEdit, which publishes the mask. The grid's
// in-place editor is a mask edit too, so each cell can have its own mask.
#pragma once

#include <string>

#include "platform/controls/text/Edit.h"
#include "platform/controls/text/EditMask.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/runtime/Exceptions.h"

namespace vcl {

// Raised by ValidateEdit when a required position of the mask is empty.
VCL_DECLARE_EXCEPTION(EMaskEditError, Exception)

// With an empty EditMask the field is a plain edit field. With a mask:
// - the field always shows the whole mask: literals and the blank character in the empty
//   positions (EditText); Text is the value, with or without the literals as the mask's
//   save-literals field says, blanks read as spaces;
// - a typed character overwrites the position at the caret when the position takes it,
//   otherwise the key is refused with a beep; the caret skips literals;
// - Backspace and Delete blank a position (or the selection) and move nothing else;
// - Escape restores the text the field had when it got the focus;
// - leaving the field after changing it validates it (ValidateEdit): with a required
//   position empty the field takes the focus back and EMaskEditError is raised.
class TCustomMaskEdit : public TCustomEdit {
public:
    explicit TCustomMaskEdit(TComponent* AOwner);
    std::string ClassName() const override { return "TCustomMaskEdit"; }

    const std::string& GetEditMask() const { return FEditMask; }
    // Keeps the value (Text) and shows it under the new mask.
    void SetEditMask(const std::string& Value);
    bool IsMasked() const { return !FMask.Empty(); }
    const TEditMaskFormat& GetMaskFormat() const { return FMask; }
    // The text as shown: literals, typed characters and blank characters.
    std::string GetEditText() const;
    // Sets the text as shown; each position keeps what it accepts, else it is blank.
    void SetEditText(const std::string& Value);
    // Raises EMaskEditError with the caret on the first required position left empty.
    virtual void ValidateEdit();

    void WndProc(TMessage& Message) override;

protected:
    std::string GetTextBuf() const override;
    void SetTextBuf(const std::string& Value) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void DoEnter() override;
    void DoExit() override;
    // Under a mask CharCase folds the typed characters only; the literals keep their case.
    std::u32string ApplyCharCase(std::u32string_view S) const override;

private:
    TMaskEditState CurrentState() const;
    // Puts a new edit text and selection in with one change notification.
    void ApplyState(const TMaskEditState& State);
    void MaskedPaste();
    void MaskedCut();
    void MaskedClear();

    std::string FEditMask;
    TEditMaskFormat FMask;
    std::u32string FEnterText;     // the edit text when the field got the focus
    bool FRefocusing = false;      // taking the focus back after a failed validation
};

class TMaskEdit : public TCustomMaskEdit {
public:
    explicit TMaskEdit(TComponent* AOwner);
    std::string ClassName() const override { return "TMaskEdit"; }
};

}  // namespace vcl
