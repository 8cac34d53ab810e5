// TColorDialog: a modal form with a grid of colours, or the test's script.
#include "platform/controls/forms/ColorDialog.h"

#include <algorithm>

#include "platform/controls/base/Backend.h"
#include "platform/controls/base/Control.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/controls/buttons/Button.h"
#include "platform/controls/forms/Form.h"
#include "platform/controls/look/FlatLook.h"
#include "platform/core/Component.h"
#include "platform/core/StringList.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

const TColor TColorDialog::BasicColors[48] = {
    RGB(255, 128, 128), RGB(255, 255, 128), RGB(128, 255, 128), RGB(0, 255, 128),
    RGB(128, 255, 255), RGB(0, 128, 255),   RGB(255, 128, 192), RGB(255, 128, 255),
    RGB(255, 0, 0),     RGB(255, 255, 0),   RGB(128, 255, 0),   RGB(0, 255, 64),
    RGB(0, 255, 255),   RGB(0, 128, 192),   RGB(128, 128, 192), RGB(255, 0, 255),
    RGB(128, 64, 64),   RGB(255, 128, 64),  RGB(0, 255, 0),     RGB(0, 128, 128),
    RGB(0, 64, 128),    RGB(128, 128, 255), RGB(128, 0, 64),    RGB(255, 0, 128),
    RGB(128, 0, 0),     RGB(255, 128, 0),   RGB(0, 128, 0),     RGB(0, 128, 64),
    RGB(0, 0, 255),     RGB(0, 0, 160),     RGB(128, 0, 128),   RGB(128, 0, 255),
    RGB(64, 0, 0),      RGB(128, 64, 0),    RGB(0, 64, 0),      RGB(0, 64, 64),
    RGB(0, 0, 128),     RGB(0, 0, 64),      RGB(64, 0, 64),     RGB(64, 0, 128),
    RGB(0, 0, 0),       RGB(128, 128, 0),   RGB(128, 128, 64),  RGB(128, 128, 128),
    RGB(64, 128, 128),  RGB(192, 192, 192), RGB(64, 0, 64),     RGB(255, 255, 255),
};

namespace {

constexpr int kColumns = 8, kRows = 6, kCellW = 24, kCellH = 20, kGap = 4;

// The grid of swatches; a click selects one, a double click confirms the dialog.
class TColorGrid : public TCustomControl {
public:
    explicit TColorGrid(TComponent* AOwner) : TCustomControl(AOwner) {
        SetBounds(0, 0, kColumns * (kCellW + kGap) + kGap, kRows * (kCellH + kGap) + kGap);
        SetTabStop(true);
        SetColor(clBtnFace);
    }
    std::string ClassName() const override { return "TColorGrid"; }

    int Selected = -1;

    TRect CellRect(int Index) const {
        int c = Index % kColumns, r = Index / kColumns;
        return Bounds(kGap + c * (kCellW + kGap), kGap + r * (kCellH + kGap), kCellW, kCellH);
    }

protected:
    void Paint() override {
        TCanvas* canvas = GetCanvas();
        for (int i = 0; i < kColumns * kRows; ++i) {
            TRect r = CellRect(i);
            look::Fill(canvas, r, TColorDialog::BasicColors[i]);
            look::Frame(canvas, r, look::Border());
            if (i == Selected) {
                TRect outer = r;
                outer.Inflate(2, 2);
                look::Frame(canvas, outer, look::Accent());
                outer.Inflate(-1, -1);
                look::Frame(canvas, outer, look::Accent());
            }
        }
    }
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
        TCustomControl::MouseDown(Button, Shift, X, Y);
        if (Button != mbLeft) return;
        if (CanFocus()) SetFocus();
        for (int i = 0; i < kColumns * kRows; ++i) {
            if (CellRect(i).Contains({X, Y})) {
                Selected = i;
                Invalidate();
                if (Shift.Contains(ssDouble)) {
                    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(mrOk);
                }
                return;
            }
        }
    }
    void KeyDown(WORD& Key, TShiftState Shift) override {
        TCustomControl::KeyDown(Key, Shift);
        int s = Selected < 0 ? 0 : Selected;
        switch (Key) {
        case VK_LEFT: s = std::max(0, s - 1); break;
        case VK_RIGHT: s = std::min(kColumns * kRows - 1, s + 1); break;
        case VK_UP: s = s >= kColumns ? s - kColumns : s; break;
        case VK_DOWN: s = s + kColumns < kColumns * kRows ? s + kColumns : s; break;
        default: return;
        }
        Selected = s;
        Invalidate();
    }
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_WANTARROWS; }
};

}  // namespace

TColorDialog::TColorDialog(TComponent* AOwner)
    : TComponent(AOwner), customColors_(std::make_unique<TStringList>()) {}

TColorDialog::~TColorDialog() = default;

void TColorDialog::SetCustomColors(TStrings* Value) {
    if (Value == nullptr) customColors_->Clear();
    else customColors_->Assign(Value);
}

bool TColorDialog::Execute() {
    if (FOnShow) FOnShow(this);
    std::optional<bool> scripted;
    if (!Backend()->IsInteractive()) scripted = Backend()->RunScriptedColorDialog(this);
    bool ok = scripted.has_value() ? *scripted : RunForm();
    if (FOnClose) FOnClose(this);
    return ok;
}

bool TColorDialog::RunForm() {
    TForm form(nullptr);
    form.SetBorderStyle(bsDialog);
    form.SetCaption("Color");
    form.SetPosition(poScreenCenter);
    auto* grid = new TColorGrid(&form);
    grid->SetName("ColorGrid");
    grid->SetParent(&form);
    grid->SetLeft(8);
    grid->SetTop(8);
    TColor current = ColorToRGB(color_) & 0xFFFFFF;
    for (int i = 0; i < 48; ++i)
        if (BasicColors[i] == current) grid->Selected = i;
    int buttonsTop = grid->GetTop() + grid->GetHeight() + 8;
    auto* ok = new TButton(&form);
    ok->SetName("OKButton");
    ok->SetParent(&form);
    ok->SetCaption("OK");
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    auto* cancel = new TButton(&form);
    cancel->SetName("CancelButton");
    cancel->SetParent(&form);
    cancel->SetCaption("Cancel");
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    int right = grid->GetLeft() + grid->GetWidth();
    cancel->SetBounds(right - 75, buttonsTop, 75, 25);
    ok->SetBounds(right - 75 - 8 - 75, buttonsTop, 75, 25);
    form.SetClientWidth(right + 8);
    form.SetClientHeight(buttonsTop + 25 + 8);
    form.SetActiveControl(nullptr);
    if (form.ShowModal() != mrOk || grid->Selected < 0) return false;
    color_ = BasicColors[grid->Selected];
    return true;
}

}  // namespace vcl
