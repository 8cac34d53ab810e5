// The gallery's main form: the page list on the left, a header with the page's title and
// description, the page itself on a panel, and a status line.
#pragma once

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
    std::string ClassName() const override { return "TGalleryForm"; }

    int GetPageCount() const { return static_cast<int>(pages_.size()); }
    // Shows page Index (and selects it in the list).
    void ShowPage(int Index);
    int GetPageIndex() const { return pageList_->GetItemIndex(); }
    GalleryState& State() { return state_; }

private:
    void BuildFrame();
    void BuildPages();
    void PageChosen();

    TPageList* pageList_ = nullptr;
    vcl::TLabel* title_ = nullptr;
    vcl::TLabel* description_ = nullptr;
    vcl::TPanel* host_ = nullptr;
    vcl::TLabel* status_ = nullptr;
    std::vector<vcl::TPanel*> pages_;
    GalleryState state_;
};

}  // namespace gallery
