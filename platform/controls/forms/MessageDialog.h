// The message box: a small modal form with a message and a row of answer buttons.
#pragma once

#include <cstdint>
#include <string>

#include "platform/controls/base/Control.h"
#include "platform/runtime/Sets.h"

namespace vcl {

class TComponent;

/// What kind of message a message box carries; it names the box's caption.
enum TMsgDlgType : std::uint8_t { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

/// One answer button of a message box.
enum TMsgDlgBtn : std::uint8_t {
    mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp, mbClose
};
/// The answer buttons a message box shows, in the order of TMsgDlgBtn.
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

/// Shows Msg in a modal message box with the given buttons and returns the modal result of
/// the button pressed (mrYes for mbYes, mrOk for mbOK, ...); Escape or closing the box answers
/// mrCancel, or mrNo when the box offers no Cancel. The form is named "MessageForm" and its
/// buttons "<Caption>Button" ("YesButton", "NoButton", "OKButton"), so a modal script can find
/// them. Owner, when a control, gives the box its pixel density.
TModalResult MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                        TComponent* Owner = nullptr);
/// A message box with Msg and an OK button.
void ShowMessage(const std::string& Msg, TComponent* Owner = nullptr);

/// The pixels per inch a dialog built for Owner is laid out at: those of Owner's form when
/// Owner is a control on one, else the screen's.
int DialogPixelsPerInch(TComponent* Owner);

}  // namespace vcl
