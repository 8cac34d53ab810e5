// MessageDlg: a modal form built from a label and buttons.
#include "platform/controls/forms/MessageDialog.h"

#include <algorithm>
#include <vector>

#include "platform/controls/buttons/Button.h"
#include "platform/controls/buttons/Label.h"
#include "platform/controls/forms/Form.h"
#include "platform/core/Component.h"
#include "platform/graphics/Canvas.h"

namespace vcl {

int DialogPixelsPerInch(TComponent* Owner) {
    for (TComponent* c = Owner; c != nullptr; c = c->GetOwner()) {
        if (auto* control = dynamic_cast<TControl*>(c)) {
            if (TCustomForm* form = GetParentForm(control)) return form->GetPixelsPerInch();
        }
    }
    return Screen != nullptr ? Screen->GetPixelsPerInch() : 96;
}

namespace {

struct TButtonKind {
    TMsgDlgBtn Button;
    const char* Caption;
    const char* Name;
    TModalResult Result;
};

const TButtonKind Kinds[] = {
    {mbYes, "Yes", "YesButton", mrYes},          {mbNo, "No", "NoButton", mrNo},
    {mbOK, "OK", "OKButton", mrOk},              {mbCancel, "Cancel", "CancelButton", mrCancel},
    {mbAbort, "Abort", "AbortButton", mrAbort},  {mbRetry, "Retry", "RetryButton", mrRetry},
    {mbIgnore, "Ignore", "IgnoreButton", mrIgnore}, {mbAll, "All", "AllButton", mrAll},
    {mbNoToAll, "No to All", "NoToAllButton", mrNoToAll}, {mbYesToAll, "Yes to All", "YesToAllButton", mrYesToAll},
    {mbHelp, "Help", "HelpButton", mrNone},      {mbClose, "Close", "CloseButton", mrClose},
};

const char* CaptionOf(TMsgDlgType Type) {
    switch (Type) {
    case mtWarning: return "Warning";
    case mtError: return "Error";
    case mtInformation: return "Information";
    case mtConfirmation: return "Confirm";
    default: return "Message";
    }
}

}  // namespace

TModalResult MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, TComponent* Owner) {
    if (Buttons.Empty()) Buttons = {mbOK};
    TForm form(nullptr);
    form.SetName("MessageForm");
    form.SetBorderStyle(bsDialog);
    form.SetCaption(CaptionOf(DlgType));
    form.SetPosition(poScreenCenter);
    // Laid out at 96 dpi from the font's own measures, then scaled to the owner's density.
    auto* text = new TLabel(&form);
    text->SetName("MessageLabel");
    text->SetParent(&form);
    text->SetCaption(Msg);
    text->SetLeft(16);
    text->SetTop(16);
    const int bw = 80, bh = 25, gap = 8;
    std::vector<TButton*> buttons;
    bool hasCancel = Buttons.Contains(mbCancel);
    for (const TButtonKind& k : Kinds) {
        if (!Buttons.Contains(k.Button)) continue;
        auto* b = new TButton(&form);
        b->SetName(k.Name);
        b->SetParent(&form);
        b->SetCaption(k.Caption);
        b->SetModalResult(k.Result);
        if (buttons.empty()) b->SetDefault(true);
        if (k.Button == mbCancel || (!hasCancel && (k.Button == mbNo || k.Button == mbOK || k.Button == mbClose)))
            b->SetCancel(true);
        buttons.push_back(b);
    }
    const int row = int(buttons.size()) * bw + (int(buttons.size()) - 1) * gap;
    const int width = std::max(std::max(row, text->GetWidth()) + 32, 200);
    const int top = text->GetTop() + text->GetHeight() + 20;
    int left = (width - row) / 2;
    for (TButton* b : buttons) {
        b->SetBounds(left, top, bw, bh);
        left += bw + gap;
    }
    form.SetClientWidth(width);
    form.SetClientHeight(top + bh + 12);
    const int ppi = DialogPixelsPerInch(Owner);
    if (ppi != form.GetPixelsPerInch()) form.ScaleBy(ppi, form.GetPixelsPerInch());
    form.SetActiveControl(buttons.front());
    TModalResult r = form.ShowModal();
    if (r == mrCancel && !hasCancel)
        r = Buttons.Contains(mbNo) ? mrNo : Buttons.Contains(mbOK) ? mrOk : r;
    return r;
}

void ShowMessage(const std::string& Msg, TComponent* Owner) { MessageDlg(Msg, mtInformation, {mbOK}, Owner); }

}  // namespace vcl
