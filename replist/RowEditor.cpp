// The row editor: a modal dialog with one labelled control per column, built from the
// column formats, whose texts are written back into the row on OK.
#include <algorithm>
#include <cctype>
#include <memory>

#include "numio/Zyn_NumIO.h"
#include "platform/Buttons.h"
#include "platform/ComCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "replist/Zyn_ReportListView.h"

namespace zyn {

using namespace vcl;

namespace {

constexpr const char* kPrefix = "runtime_rlre_";
constexpr const char* kLabelPrefix = "runtime_rlre_Label";
constexpr const char* kComboPrefix = "runtime_rlre_CBox";
constexpr const char* kPickerPrefix = "runtime_rlre_DtPick";
constexpr const char* kNumIOPrefix = "runtime_rlre_NumIO";
constexpr const char* kEditPrefix = "runtime_rlre_Edit";

constexpr int kRowPitch = 25;         // vertical distance of the column rows
constexpr int kButtonsMargin = 45;    // room above the rows for the own form's buttons
constexpr int kDefaultWidth = 200;    // control width without a usable width group
constexpr TColor kReadOnlyColor = 0xE0E0E0;
constexpr std::size_t kMaxCellText = 255;
constexpr char32_t kPasswordChar = U'*';

// An integer from the start of S: blanks, an optional sign, digits; 0 without digits.
int LeadingInt(std::string_view S) {
    std::size_t i = 0;
    while (i < S.size() && S[i] == ' ') ++i;
    bool negative = false;
    if (i < S.size() && (S[i] == '+' || S[i] == '-')) negative = S[i++] == '-';
    long long n = 0;
    while (i < S.size() && S[i] >= '0' && S[i] <= '9') {
        n = std::min<long long>(n * 10 + (S[i] - '0'), 1'000'000);
        ++i;
    }
    return int(negative ? -n : n);
}

bool ContainsNoCase(std::string_view Text, std::string_view Word) {
    std::string lower(Text);
    for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
    return lower.find(Word) != std::string::npos;
}

// The text an editor control writes back into its cell; false for a component that is no
// editor control (labels, buttons).
bool ControlText(TComponent* Comp, std::string& Text) {
    const std::string& name = Comp->GetName();
    if (name.starts_with(kComboPrefix)) Text = static_cast<TComboBox*>(Comp)->GetText();
    else if (name.starts_with(kNumIOPrefix)) Text = static_cast<TNumIO*>(Comp)->GetText();
    else if (name.starts_with(kEditPrefix)) Text = static_cast<TEdit*>(Comp)->GetText();
    // The picker's value in its display format, written so that it reads back to the same
    // moment (see FormatRowDateTime).
    else if (name.starts_with(kPickerPrefix)) {
        const auto* picker = static_cast<TDateTimePicker*>(Comp);
        Text = FormatRowDateTime(picker->GetDateTime(), picker->GetFormat());
    } else {
        return false;
    }
    if (Text.size() > kMaxCellText) Text.resize(kMaxCellText);
    return true;
}

}  // namespace

TRowEditFormat SplitRowEditFormat(std::string_view Format) {
    TRowEditFormat f;
    const std::size_t open = Format.find('[');
    const std::size_t close = Format.find(']');
    if (open != std::string_view::npos && close != std::string_view::npos && open < close)
        f.TypeText = std::string(Format.substr(open + 1, close - open - 1));
    else
        f.TypeText = "s";
    if (!f.TypeText.empty() && f.TypeText[0] == '#') {
        f.ReadOnly = true;
        f.TypeText.erase(0, 1);
    }
    std::string_view rest = close == std::string_view::npos ? Format : Format.substr(close + 1);
    const std::size_t wOpen = rest.find('[');
    const std::size_t wClose = rest.find(']');
    if (wOpen != std::string_view::npos && wClose != std::string_view::npos && wOpen < wClose) {
        f.Width = LeadingInt(rest.substr(wOpen + 1, wClose - wOpen - 1));
        rest.remove_prefix(wClose + 1);
    } else {
        f.Width = 0;
    }
    if (f.Width < 1) f.Width = kDefaultWidth;
    f.Parameter = std::string(rest);
    f.Letter = f.TypeText.empty() ? 's' : f.TypeText[0];
    return f;
}

int TReportListView::EditRowEntries(int Row, int PosLeft, int PosTop) {
    return EditRowEntriesIntern(Row, nullptr, PosLeft, PosTop, "Editing Row " + std::to_string(Row), "OK",
                                "Cancel");
}

int TReportListView::EditRowEntries(int Row, int PosLeft, int PosTop, const std::string& FormCaption,
                                    const std::string& ButOKCaption, const std::string& ButCancelCaption) {
    return EditRowEntriesIntern(Row, nullptr, PosLeft, PosTop, FormCaption, ButOKCaption, ButCancelCaption);
}

int TReportListView::EditRowEntries(int Row, TForm* ContainerForm, int PosLeft, int PosTop) {
    if (ContainerForm == nullptr) throw EZynRepListError("EditRowEntries: no container form");
    return EditRowEntriesIntern(Row, ContainerForm, PosLeft, PosTop, "", "", "");
}

void TReportListView::EdRowOKClick(TObject*) {
    if (FContainerForm != nullptr) FContainerForm->SetModalResult(mrOk);
}

void TReportListView::EdRowCancelClick(TObject*) {
    if (FContainerForm != nullptr) FContainerForm->SetModalResult(mrCancel);
}

void TReportListView::EdRowKeyPress(TObject*, char32_t& Key) {
    if (Key == 13 && FContainerForm != nullptr) {
        FContainerForm->SetModalResult(mrOk);
        Key = 0;
    }
}

// Escape cancels the dialog, unless it closes the open list of a combo box or the calendar
// of a date picker.
void TReportListView::EdRowKeyDown(TObject* Sender, WORD& Key, TShiftState Shift) {
    if (Key != VK_ESCAPE || !Shift.Empty() || FContainerForm == nullptr) return;
    if (const auto* box = dynamic_cast<const TComboBox*>(Sender); box != nullptr && box->GetDroppedDown()) return;
    if (const auto* picker = dynamic_cast<const TDateTimePicker*>(Sender); picker != nullptr && picker->GetDroppedDown())
        return;
    FContainerForm->SetModalResult(mrCancel);
    Key = 0;
}

int TReportListView::EditRowEntriesIntern(int Row, TForm* ContainerForm, int PosLeft, int PosTop,
                                          const std::string& FormCaption, const std::string& ButOKCaption,
                                          const std::string& ButCancelCaption) {
    if (FContainerForm != nullptr) throw EZynRepListError("EditRowEntries: the row editor is already open");
    std::unique_ptr<TForm> ownForm;
    TForm* form = ContainerForm;
    int x0 = PosLeft, y0 = PosTop, top = 0;
    if (form == nullptr) {
        // Owned by the view so that it goes with it, freed here in any case.
        ownForm = std::make_unique<TForm>(this);
        form = ownForm.get();
        form->SetLeft(PosLeft);
        form->SetTop(PosTop);
        x0 = 0;
        y0 = 0;
        top = kButtonsMargin;
    }
    FContainerForm = form;
    struct TRestore {
        TReportListView* View;
        ~TRestore() {
            View->FContainerForm = nullptr;
            View->FSBERCancel = nullptr;
        }
    } restore{this};

    const int nrCols = GetNrOfColumns();
    int labelWidth = 0;
    for (int c = 1; c <= nrCols; ++c)
        labelWidth = std::max(labelWidth, form->GetCanvas()->TextWidth(GetColName(c)));
    labelWidth += 8;

    // What each column's control was given to show: the cell text, or the column's default
    // for an empty cell.
    std::vector<std::string> given(std::size_t(nrCols) + 1);
    int widest = 0;
    try {
        for (int c = 1; c <= nrCols; ++c) {
            const int y = (c - 1) * kRowPitch;
            std::string format = GetColumnFormat(c);
            if (FOnRequestEditFormat) FOnRequestEditFormat(this, c, Row, format);
            const TRowEditFormat f = SplitRowEditFormat(format);
            widest = std::max(widest, f.Width);
            const std::string cell = GetElem(c, Row);

            auto* label = new TLabel(form);
            label->SetName(kLabelPrefix + std::to_string(c));
            label->SetTag(c);
            label->SetParent(form);
            label->SetAutoSize(false);
            label->SetAlignment(taRightJustify);
            label->SetCaption(GetColName(c) + ":");
            label->SetBounds(x0 + 8, y0 + top + y + 3, labelWidth, label->GetHeight());

            TWinControl* control = nullptr;
            switch (f.Letter) {
            case 'c':
            case 'l': {
                auto* box = new TComboBox(form);
                box->SetName(kComboPrefix + std::to_string(c));
                box->SetParent(form);
                box->SetStyle(f.Letter == 'c' ? csDropDown : csDropDownList);
                std::string items = f.Parameter;
                if (items.empty() || items.back() != '|') items += '|';
                std::size_t start = 0;
                for (std::size_t bar = items.find('|'); bar != std::string::npos; bar = items.find('|', start)) {
                    box->GetItems()->Add(items.substr(start, bar - start));
                    start = bar + 1;
                }
                const std::size_t colon = f.TypeText.find(':');
                if (colon != std::string::npos) box->SetDropDownCount(LeadingInt(std::string_view(f.TypeText).substr(colon + 1)));
                if (f.Letter == 'c') box->SetText(cell);
                else box->SetItemIndex(box->GetItems()->IndexOf(cell));
                given[std::size_t(c)] = cell;
                control = box;
                break;
            }
            case 'd': {
                auto* picker = new TDateTimePicker(form);
                picker->SetName(kPickerPrefix + std::to_string(c));
                picker->SetParent(form);
                // Parse errors and moments that do not exist both leave the value 0: the
                // dialog stays usable and the field can be corrected.
                picker->SetDateTime(0);
                const std::string display = f.TypeText.substr(1);
                picker->SetFormat(display);
                const std::string source = !cell.empty() ? cell : f.Parameter;
                given[std::size_t(c)] = source;
                if (!source.empty()) {
                    int error = 0;
                    try {
                        // An empty display format shows the settings' short date: read that.
                        picker->SetDateTime(ParseRowDateTime(source, RowDateFormat(display), error));
                    } catch (const EConvertError&) {
                    }
                }
                control = picker;
                break;
            }
            case 'e':
            case 'f':
            case 'h':
            case 'i': {
                auto* num = new TNumIO(form);
                num->SetName(kNumIOPrefix + std::to_string(c));
                num->SetParent(form);
                num->SetRangeLow(-1.7e308);
                num->SetRangeHigh(1.7e308);
                num->SetInputFormat(f.Letter == 'e'   ? itDynamic
                                    : f.Letter == 'f' ? itFloat
                                    : f.Letter == 'h' ? itHex
                                                      : itInt);
                std::string text = cell;
                if (text.empty()) {
                    if (ContainsNoCase(f.Parameter, "rix"))
                        text = RowIndexDefault(f.Letter, Row, f.Parameter.size() > 3 ? LeadingInt(std::string_view(f.Parameter).substr(3)) : 0);
                    else
                        text = f.Parameter;
                }
                num->SetText(text);
                given[std::size_t(c)] = text;
                if (GetColumnIsPwd(c)) num->SetPasswordChar(kPasswordChar);
                control = num;
                break;
            }
            default: {
                auto* edit = new TEdit(form);
                edit->SetName(kEditPrefix + std::to_string(c));
                edit->SetParent(form);
                std::string text = cell;
                if (text.empty()) {
                    if (ContainsNoCase(f.Parameter, "$pwd$"))
                        text = InventPassword(std::clamp(f.Parameter.size() > 5 ? LeadingInt(std::string_view(f.Parameter).substr(5)) : 0, 0, int(kMaxCellText)));
                    else
                        text = f.Parameter;
                }
                edit->SetText(text);
                given[std::size_t(c)] = text;
                // A column the view masks stays masked in the dialog, and editable.
                if (GetColumnIsPwd(c)) edit->SetPasswordChar(kPasswordChar);
                control = edit;
                break;
            }
            }
            control->SetTag(c);
            control->SetBounds(x0 + labelWidth + 12, y0 + top + y, f.Width, control->GetHeight());
            if (f.ReadOnly) {
                control->SetEnabled(false);
                control->SetColor(kReadOnlyColor);
                control->GetFont()->SetColor(clGray);
            } else {
                control->SetOnKeyPress([this](TObject* Sender, char32_t& Key) { EdRowKeyPress(Sender, Key); });
                control->SetOnKeyDown([this](TObject* Sender, WORD& Key, TShiftState Shift) { EdRowKeyDown(Sender, Key, Shift); });
            }
        }

        const int g = labelWidth + widest;
        const int h = nrCols * kRowPitch + top + 38;
        if (ownForm) {
            form->SetBorderStyle(bsDialog);
            form->SetWidth(g + 28);
            form->SetHeight(h);
            auto* cancel = new TSpeedButton(form);
            cancel->SetName(std::string(kPrefix) + "Cancel");
            cancel->SetParent(form);
            cancel->SetBounds(g - 69, 4, 81, 29);
            cancel->SetCaption(ButCancelCaption);
            cancel->SetOnClick([this](TObject* Sender) { EdRowCancelClick(Sender); });
            FSBERCancel = cancel;
            auto* ok = new TSpeedButton(form);
            ok->SetName(std::string(kPrefix) + "OK");
            ok->SetParent(form);
            ok->SetBounds(g - 154, 4, 81, 29);
            ok->SetCaption(ButOKCaption);
            ok->SetOnClick([this](TObject* Sender) { EdRowOKClick(Sender); });
            // With no editable field the keys go to the form itself.
            form->SetOnKeyDown([this](TObject* Sender, WORD& Key, TShiftState Shift) { EdRowKeyDown(Sender, Key, Shift); });
        } else {
            if (form->GetWidth() < g + 28) form->SetWidth(g + 28);
            if (form->GetHeight() < h) form->SetHeight(h);
        }
        form->SetCaption(FormCaption);
        if (ownForm) form->SetModalResult(mrNone);

        // A control that cannot show what it was given (a numeric field given "n/a", a list
        // without the cell's text among its items, a picker given a text it cannot read)
        // shows something else. Unless the user changes it, OK keeps the cell's text rather
        // than writing that back: what it shows when it opens is remembered.
        std::vector<std::pair<const TComponent*, std::string>> unshown;
        for (TComponent* comp : form->Components()) {
            std::string text;
            const int col = int(comp->GetTag());
            if (col < 1 || col > nrCols || !ControlText(comp, text)) continue;
            if (text != given[std::size_t(col)]) unshown.emplace_back(comp, std::move(text));
        }

        const int result = form->ShowModal();
        if (result == mrOk) WriteBackRow(form, Row, unshown);
        FreeRowEditorControls(form);
        return result;
    } catch (...) {
        FreeRowEditorControls(form);
        throw;
    }
}

void TReportListView::WriteBackRow(TForm* Form, int Row,
                                   const std::vector<std::pair<const TComponent*, std::string>>& Unshown) {
    // The row's cells as they were: the write-back is one step.
    std::vector<std::pair<int, int>> cells;
    for (int c = 1; c <= FData->Strings->GetNrOfColumns(); ++c) cells.emplace_back(c, Row);
    RecordUndoCells(cells);
    const bool suppressed = GetSuppressPaint();
    FSuppressPaint = true;
    for (TComponent* comp : Form->Components()) {
        std::string text;
        if (!ControlText(comp, text)) continue;
        const auto opened = std::find_if(Unshown.begin(), Unshown.end(),
                                         [&](const auto& U) { return U.first == comp; });
        if (opened != Unshown.end() && opened->second == text) continue;   // not edited
        SetElem(int(comp->GetTag()), Row, text);
    }
    SetSuppressPaint(suppressed);
}

void TReportListView::FreeRowEditorControls(TForm* Form) {
    const std::vector<TComponent*> comps = Form->Components();
    for (auto it = comps.rbegin(); it != comps.rend(); ++it)
        if ((*it)->GetName().find(kPrefix) != std::string::npos) delete *it;
}

}  // namespace zyn
