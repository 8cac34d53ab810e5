// Page "Text entry": a customer record made of the standard text controls: edit fields
// (customer number, phone, fax and date masked), combo boxes (a fixed list and an editable one), a memo and check boxes, with Save and
// Revert buttons that act on the record.
#include <string>

#include "apps/gallery/GalleryPage.h"
#include "platform/Mask.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "platform/Forms.h"

using namespace vcl;

namespace gallery {

namespace {

struct Field {
    const char* caption;
    const char* value;
    const char* mask;   // empty: a plain edit field
};

const Field kFields[] = {
    {"Customer no.", "C-10492", ">L-00000;1;_"},
    {"Company", "Harrowgate Components Ltd.", ""},
    {"Contact", "Maria Berger", ""},
    {"E-mail", "m.berger@harrowgate-components.example", ""},
    {"Phone", "+44 20 7946 0321", "+00 00 0000 0000;1;_"},
    {"Fax", "", "+00 00 0000 0000;1;_"},
    {"Customer since", "03/14/2019", "!99/99/0000;1;_"},
};

const char* const kCountries[] = {"Austria", "Belgium", "Denmark", "France", "Germany",
                                  "Ireland", "Italy", "Netherlands", "Norway", "Poland",
                                  "Portugal", "Spain", "Sweden", "Switzerland", "United Kingdom"};

const char* const kTerms[] = {"Prepayment", "Net 14 days", "Net 30 days", "Net 60 days"};

const char* const kNotes[] = {
    "Prefers delivery on Tuesdays or Thursdays.",
    "Invoices go to accounts payable, reference PO number.",
    "Framework agreement renewed in March; volume discount 4 %.",
    "Site contact for deliveries: gatehouse, ext. 214."};

class CustomerPage {
public:
    explicit CustomerPage(PageContext& Page) : page_(Page) {
        BuildFields();
        BuildChoices();
        BuildNotes();
        BuildButtons();
        Page.Watch("company", [this] { return edits_[1]->GetText(); });
        Page.Watch("country", [this] { return country_->GetText(); });
        Page.Watch("status", [this] { return status_->GetCaption(); });
    }

private:
    TLabel* Caption(const char* Text, int Left, int Top) {
        auto* l = new TLabel(page_.Form);
        l->SetParent(page_.Host);
        l->SetBounds(Left, Top + 4, 110, 18);
        l->SetCaption(Text);
        return l;
    }

    void BuildFields() {
        auto* heading = new TLabel(page_.Form);
        heading->SetParent(page_.Host);
        heading->SetBounds(20, 14, 300, 20);
        heading->SetCaption("Customer");
        heading->GetFont()->SetStyle({fsBold});
        int top = 42;
        for (const Field& f : kFields) {
            Caption(f.caption, 20, top);
            TCustomEdit* e = nullptr;
            if (*f.mask != 0) {
                auto* masked = new TMaskEdit(page_.Form);
                masked->SetEditMask(f.mask);
                e = masked;
            } else {
                e = new TEdit(page_.Form);
            }
            e->SetParent(page_.Host);
            e->SetBounds(130, top, 300, 24);
            e->SetText(f.value);
            edits_.push_back(e);
            top += 34;
        }
    }

    void BuildChoices() {
        int top = 42 + 34 * int(std::size(kFields));
        Caption("Country", 20, top);
        country_ = new TComboBox(page_.Form);
        country_->SetParent(page_.Host);
        country_->SetBounds(130, top, 200, 24);
        country_->SetStyle(csDropDownList);
        for (const char* c : kCountries) country_->GetItems()->Add(c);
        country_->SetItemIndex(14);
        country_->SetDropDownCount(8);

        top += 34;
        Caption("Payment terms", 20, top);
        terms_ = new TComboBox(page_.Form);
        terms_->SetParent(page_.Host);
        terms_->SetBounds(130, top, 200, 24);
        terms_->SetStyle(csDropDown);
        for (const char* t : kTerms) terms_->GetItems()->Add(t);
        terms_->SetItemIndex(2);

        top += 40;
        const char* checks[] = {"Send invoices by e-mail", "Key account", "Credit limit on hold"};
        bool states[] = {true, true, false};
        for (int i = 0; i < 3; ++i) {
            auto* c = new TCheckBox(page_.Form);
            c->SetParent(page_.Host);
            c->SetBounds(130, top + i * 26, 260, 20);
            c->SetCaption(checks[i]);
            c->SetChecked(states[i]);
        }
    }

    void BuildNotes() {
        auto* heading = new TLabel(page_.Form);
        heading->SetParent(page_.Host);
        heading->SetBounds(470, 14, 300, 20);
        heading->SetCaption("Notes");
        heading->GetFont()->SetStyle({fsBold});
        notes_ = new TMemo(page_.Form);
        notes_->SetParent(page_.Host);
        notes_->SetBounds(470, 42, 290, 240);
        notes_->SetWordWrap(true);
        for (const char* n : kNotes) notes_->GetLines()->Add(n);
    }

    void BuildButtons() {
        auto* save = new TButton(page_.Form);
        save->SetParent(page_.Host);
        save->SetBounds(470, 300, 96, 28);
        save->SetCaption("Save");
        save->SetOnClick([this](TObject*) {
            status_->SetCaption("Saved " + edits_[1]->GetText() + " at " +
                                FormatDateTime("hh:nn:ss", Now()));
        });
        auto* revert = new TButton(page_.Form);
        revert->SetParent(page_.Host);
        revert->SetBounds(574, 300, 96, 28);
        revert->SetCaption("Revert");
        revert->SetOnClick([this](TObject*) {
            for (size_t i = 0; i < edits_.size(); ++i) edits_[i]->SetText(kFields[i].value);
            status_->SetCaption("Changes discarded");
        });
        status_ = new TLabel(page_.Form);
        status_->SetParent(page_.Host);
        status_->SetBounds(470, 340, 310, 18);
        status_->GetFont()->SetColor(clGrayText);
        status_->SetCaption("No changes saved yet");
    }

    PageContext page_;
    std::vector<TCustomEdit*> edits_;
    TComboBox* country_ = nullptr;
    TComboBox* terms_ = nullptr;
    TMemo* notes_ = nullptr;
    TLabel* status_ = nullptr;
};

}  // namespace

void BuildTextEntryPage(PageContext& Page) { Page.Keep(std::make_unique<CustomerPage>(Page)); }

}  // namespace gallery
