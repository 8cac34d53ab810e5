// The gallery's main form (see GalleryForm.h).
#include "apps/gallery/GalleryForm.h"

#include <limits>

#include "platform/Classes.h"
#include "platform/Forms.h"
#include "platform/Themes.h"

using namespace vcl;

namespace gallery {

TGalleryForm::TGalleryForm(TComponent* AOwner) : TForm(AOwner) {
    SetName("GalleryForm");
    SetCaption("Component Gallery");
    SetPosition(poScreenCenter);
    SetColor(clBtnFace);
    SetBounds(0, 0, 1000, 680);
    BuildFrame();
    BuildPages();
    ShowPage(0);
    Application->SetOnThemeChange([this](TObject*) {
        for (const auto& apply : themeAppliers_) apply();
    });
}

TGalleryForm::~TGalleryForm() { Application->SetOnThemeChange({}); }

void TGalleryForm::ChangeScale(int M, int D) {
    TForm::ChangeScale(M, D);
    for (const auto& apply : themeAppliers_) apply();
}

void TGalleryForm::BuildFrame() {
    pageList_ = new TPageList(this);
    pageList_->SetName("PageList");
    pageList_->SetParent(this);
    pageList_->SetWidth(196);
    pageList_->SetAlign(alLeft);
    pageList_->OnChange = [this](TObject*) { PageChosen(); };

    auto* footer = new TPanel(this);
    footer->SetParent(this);
    footer->SetAlign(alBottom);
    footer->SetHeight(24);
    footer->SetBevelOuter(bvNone);
    footer->SetCaption("");
    status_ = new TLabel(this);
    status_->SetParent(footer);
    status_->SetLeft(10);
    status_->SetTop(5);
    status_->GetFont()->SetColor(clGrayText);

    auto* header = new TPanel(this);
    header->SetParent(this);
    header->SetAlign(alTop);
    header->SetHeight(64);
    header->SetBevelOuter(bvNone);
    header->SetColor(clWindow);
    header->SetCaption("");
    title_ = new TLabel(this);
    title_->SetParent(header);
    title_->SetBounds(20, 10, 600, 24);
    title_->GetFont()->SetSize(14);
    title_->GetFont()->SetStyle({fsBold});
    description_ = new TLabel(this);
    description_->SetParent(header);
    description_->SetBounds(20, 38, 700, 18);
    description_->GetFont()->SetColor(clGrayText);
    BuildThemeSwitch(header);

    host_ = new TPanel(this);
    host_->SetName("PageHost");
    host_->SetParent(this);
    host_->SetAlign(alClient);
    host_->SetBevelOuter(bvNone);
    host_->SetCaption("");
    // The theme switch comes last in the Tab cycle, so Tab from the page list goes into the page.
    header->SetTabOrder(std::numeric_limits<int>::max());
}

// A drop-down list at the header's right: the themes, the one in use chosen.
void TGalleryForm::BuildThemeSwitch(TWinControl* Header) {
    auto* caption = new TLabel(this);
    themeCaption_ = caption;
    caption->SetParent(Header);
    caption->SetBounds(Header->GetWidth() - 210, 12, 50, 18);
    caption->SetCaption("Theme");
    caption->SetAnchors({akTop, akRight});
    themeSwitch_ = new TComboBox(this);
    themeSwitch_->SetName("ThemeSwitch");
    themeSwitch_->SetParent(Header);
    themeSwitch_->SetStyle(csDropDownList);
    themeSwitch_->SetBounds(Header->GetWidth() - 150, 8, 130, 24);
    themeSwitch_->SetAnchors({akTop, akRight});
    caption->SetFocusControl(themeSwitch_);   // and so names the switch for assistive tools
    for (const TTheme* theme : Themes()) {
        themeSwitch_->GetItems()->Add(theme->Name);
        if (theme == &CurrentTheme()) themeSwitch_->SetItemIndex(themeSwitch_->GetItems()->GetCount() - 1);
    }
    themeSwitch_->SetOnChange([this](TObject*) {
        const int i = themeSwitch_->GetItemIndex();
        if (i >= 0) Application->SetTheme(themeSwitch_->GetItems()->GetStrings(i));
    });
    state_.Watch("gallery.theme", [] { return Application->GetTheme(); });
}

void TGalleryForm::BuildPages() {
    state_.Watch("gallery.backend", [] { return CurrentBackendName(); });
    state_.Watch("gallery.page", [this] {
        int i = GetPageIndex();
        if (i == GetPageCount() && formPage_ != nullptr) return std::string("form");
        return i >= 0 && i < GetPageCount() ? std::string(Pages()[i].Id) : std::string();
    });
    for (const GalleryPage& page : Pages()) {
        pageList_->AddItem(page.Title);
        auto* panel = new TPanel(this);
        panel->SetParent(host_);
        panel->SetAlign(alClient);
        panel->SetBevelOuter(bvNone);
        panel->SetCaption("");
        panel->SetVisible(false);
        pages_.push_back(panel);
        PageContext context;
        context.Host = panel;
        context.Form = this;
        context.State = &state_;
        context.Prefix = page.Id;
        context.ThemeAppliers = &themeAppliers_;
        page.Build(context);
    }
}

void TGalleryForm::SetThemeSwitchVisible(bool Value) {
    themeCaption_->SetVisible(Value);
    themeSwitch_->SetVisible(Value);
}

void TGalleryForm::ShowPage(int Index) { pageList_->SetItemIndex(Index); }

void TGalleryForm::AddFormPage(const std::string& FileName) {
    if (formPage_ != nullptr) throw EComponentError("The gallery shows one form file");
    TEventHandlers handlers;
    handlers.SetPlaceholders(true);
    std::unique_ptr<TComponent> root(ReadFormFile(FileName, nullptr, handlers));
    auto* loaded = dynamic_cast<TCustomForm*>(root.get());
    if (loaded == nullptr) throw EReadError("\"" + FileName + "\" describes a " + root->ClassName() + ", not a form");
    // Written back before its controls move onto the page: what the file loaded to.
    state_.Record("form.text", WriteComponentText(loaded));
    for (TComponent* c : loaded->Components()) {
        const std::string name = c->GetName();
        state_.Record("form." + name, c->ClassName());
        const TClassInfo* info = ClassInfoOf(c);
        for (const char* prop : {"Caption", "Color"})
            if (info != nullptr && info->FindProperty(prop) != nullptr)
                state_.Watch("form." + name + "." + prop, [c, prop] { return GetPropText(c, prop); });
    }
    formTitle_ = loaded->GetCaption().empty() ? loaded->GetName() : loaded->GetCaption();
    formPage_ = new TPanel(this);
    formPage_->SetParent(host_);
    formPage_->SetAlign(alClient);
    formPage_->SetBevelOuter(bvNone);
    formPage_->SetCaption("");
    formPage_->SetColor(loaded->GetColor());
    formPage_->SetVisible(false);
    // The gallery owns the loaded form (and so its components); its controls live on the page.
    InsertComponent(root.release());
    while (loaded->GetControlCount() > 0) loaded->GetControls(0)->SetParent(formPage_);
    pageList_->AddItem(formTitle_);
    ShowPage(GetPageCount());
}

void TGalleryForm::PageChosen() {
    int index = pageList_->GetItemIndex();
    for (int i = 0; i < GetPageCount(); ++i) pages_[i]->SetVisible(i == index);
    if (formPage_ != nullptr) formPage_->SetVisible(index == GetPageCount());
    if (index == GetPageCount() && formPage_ != nullptr) {
        title_->SetCaption(formTitle_);
        description_->SetCaption("A form file, loaded as an application loads it");
        status_->SetCaption("Form file   \u00B7   " + Backend()->Name() + " backend");
        return;
    }
    if (index < 0 || index >= GetPageCount()) return;
    const GalleryPage& page = Pages()[index];
    title_->SetCaption(page.Title);
    description_->SetCaption(page.Description);
    status_->SetCaption("Page " + std::to_string(index + 1) + " of " +
                        std::to_string(GetPageCount()) + "   \u00B7   " + Backend()->Name() +
                        " backend");
}

}  // namespace gallery
