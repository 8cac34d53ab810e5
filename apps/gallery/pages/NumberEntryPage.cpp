// Page "Number entry": the set-up of a signal generator, one numeric edit field per number
// notation, each with its range; the column on the right reads every field's value live as
// it is typed, and a refused entry beeps and shows the last accepted text again.
#include <string>
#include <vector>

#include "apps/gallery/GalleryPage.h"
#include "numio/Zyn_NumIO.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "platform/Forms.h"

using namespace vcl;
using namespace zyn;

namespace gallery {

namespace {

struct FieldLayout {
    const char* caption;
    TInFormat format;
    double low, high, value;
    const char* hint;
};

const FieldLayout kFieldLayouts[] = {
    {"Frequency (Hz)", itExp, 1e-3, 2e7, 1000.0, "exponent form, 1 mHz .. 20 MHz"},
    {"Amplitude (V)", itFloat, -10, 10, 2.5, "decimal, -10 .. 10"},
    {"Offset (V)", itFixPoint, -5, 5, 0.25, "fixed point, two decimals"},
    {"Burst count", itInt, 1, 100000, 16, "integer, 1 .. 100000"},
    // Digit texts read as 32-bit two's complement (FFFFFFFF is -1): the range is the signed
    // one, so that every 32-bit mask can be entered.
    {"Trigger mask", itHex, -2147483648.0, 2147483647.0, 255, "hexadecimal, any 32-bit mask"},
    {"File mode", itOct, 0, 511, 420, "octal digits"},
    {"Channel bits", itBin, 0, 255, 5, "binary digits"},
    {"Register", itDynamic, -1e9, 1e9, 4096, "$hex, &octal, %binary or decimal"},
};

class NumberEntryPage {
public:
    explicit NumberEntryPage(PageContext& Page) : page_(Page) {
        Heading("Signal generator set-up", 20);
        Heading("Value read back", 560);
        int top = 46;
        for (const FieldLayout& field : kFieldLayouts) {
            AddField(field, top);
            top += 36;
        }
        auto* note = Label("Out-of-range or malformed entries are refused with a beep.", 20, top + 6, 600);
        note->GetFont()->SetColor(clGrayText);
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            Page.Watch(std::string("value") + std::to_string(i),
                       [this, i] { return FloatToStr(fields_[i]->GetValue()); });
        }
    }

private:
    TLabel* Label(const std::string& Text, int Left, int Top, int Width) {
        auto* l = new TLabel(page_.Form);
        l->SetParent(page_.Host);
        l->SetBounds(Left, Top, Width, 18);
        l->SetCaption(Text);
        return l;
    }

    void Heading(const char* Text, int Left) {
        Label(Text, Left, 14, 300)->GetFont()->SetStyle({fsBold});
    }

    void AddField(const FieldLayout& Field, int Top) {
        Label(Field.caption, 20, Top + 4, 120);
        auto* field = new TNumIO(page_.Form);
        field->SetParent(page_.Host);
        field->SetBounds(145, Top, 150, 24);
        field->SetInputFormat(Field.format);
        field->SetRangeHigh(Field.high);
        field->SetRangeLow(Field.low);
        field->SetBeep(true);
        field->SetHint(Field.hint);
        field->SetAccessibleName(Field.caption);
        field->SetShowHint(true);
        field->SetValue(Field.value);
        TLabel* hint = Label(Field.hint, 305, Top + 4, 240);
        hint->GetFont()->SetColor(clGrayText);
        hint->SetShowAccelChar(false);   // "&" is the octal prefix here
        TLabel* readout = Label("", 560, Top + 4, 200);
        const std::size_t index = fields_.size();
        fields_.push_back(field);
        readouts_.push_back(readout);
        field->SetOnChange([this, index](TObject*) {
            Show(index);
            page_.Record("changed", kFieldLayouts[index].caption);
        });
        Show(index);
    }

    void Show(std::size_t Index) {
        const double v = fields_[Index]->GetValue();
        std::string text = FloatToStr(v);
        if (kFieldLayouts[Index].format >= itHex && kFieldLayouts[Index].format <= itBin)
            text += "  (" + FormatHex(RoundToPattern(v), 8) + " hex)";
        readouts_[Index]->SetCaption(text);
    }

    PageContext page_;
    std::vector<TNumIO*> fields_;
    std::vector<TLabel*> readouts_;
};

}  // namespace

void BuildNumberEntryPage(PageContext& Page) { Page.Keep(std::make_unique<NumberEntryPage>(Page)); }

}  // namespace gallery
