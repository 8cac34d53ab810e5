// The gallery's main form: the page list on the left, a header with the page's title and
// description, the page itself on a panel, and a status line.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "apps/gallery/GalleryPage.h"
#include "apps/gallery/GalleryState.h"
#include "apps/gallery/PageListControl.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

namespace gallery {

class TGalleryForm : public vcl::TForm {
public:
    explicit TGalleryForm(vcl::TComponent* AOwner);
    ~TGalleryForm() override;
    std::string ClassName() const override { return "TGalleryForm"; }

    int GetPageCount() const { return static_cast<int>(pages_.size()); }
    // Shows page Index (and selects it in the list).
    void ShowPage(int Index);
    // Loads a form file as an application does (the handlers it names are bound to ones
    // that do nothing) onto a page of its own after the others, and shows that page. The
    // state dump gets "form.text", the text the loaded form writes back, and for each of
    // its components "form.<Name>" (its class) and its Caption and Color where it has them.
    // A file that does not read raises the reader's error.
    void AddFormPage(const std::string& FileName);
    // The page AddFormPage made (nullptr before).
    vcl::TPanel* FormPage() const { return formPage_; }
    int GetPageIndex() const { return pageList_->GetItemIndex(); }
    GalleryState& State() { return state_; }
    // The theme switch in the header; the page pictures are taken without it, so that they
    // show the pages alone (the theme is chosen with --theme there).
    void SetThemeSwitchVisible(bool Value);

protected:
    // The pages draw again what they drew for the theme: their glyphs are made at the
    // form's density.
    void ChangeScale(int M, int D) override;

private:
    void BuildFrame();
    void BuildThemeSwitch(vcl::TWinControl* Header);
    void BuildPages();
    void PageChosen();

    TPageList* pageList_ = nullptr;
    vcl::TLabel* title_ = nullptr;
    vcl::TLabel* description_ = nullptr;
    vcl::TPanel* host_ = nullptr;
    vcl::TLabel* status_ = nullptr;
    vcl::TLabel* themeCaption_ = nullptr;
    vcl::TComboBox* themeSwitch_ = nullptr;
    std::vector<vcl::TPanel*> pages_;
    vcl::TPanel* formPage_ = nullptr;
    std::string formTitle_;
    std::vector<std::function<void()>> themeAppliers_;
    GalleryState state_;
};

}  // namespace gallery
