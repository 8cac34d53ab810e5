// The table of pages, built from pages/PageList.h.
#include "apps/gallery/GalleryPage.h"

#include "apps/gallery/GalleryState.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"

namespace gallery {

#define GALLERY_PAGE(Function, Id, Title, Description) void Function(PageContext& Page);
#include "apps/gallery/pages/AllPages.h"
#undef GALLERY_PAGE

const std::vector<GalleryPage>& Pages() {
    static const std::vector<GalleryPage> pages = {
#define GALLERY_PAGE(Function, Id, Title, Description) {Id, Title, Description, &Function},
#include "apps/gallery/pages/AllPages.h"
#undef GALLERY_PAGE
    };
    return pages;
}

void PageContext::Watch(const std::string& Key, std::function<std::string()> Value) const {
    State->Watch(Prefix + "." + Key, std::move(Value));
}

namespace {

// Holds a page's helper object; owned by the form, so it goes when the form goes.
class TPageData : public vcl::TComponent {
public:
    TPageData(vcl::TComponent* AOwner, std::shared_ptr<void> Data)
        : vcl::TComponent(AOwner), data_(std::move(Data)) {}
    std::string ClassName() const override { return "TPageData"; }

private:
    std::shared_ptr<void> data_;
};

}  // namespace

void PageContext::KeepAlive(std::shared_ptr<void> Object) const {
    new TPageData(Form, std::move(Object));
}

void PageContext::FollowTheme(std::function<void()> Apply) const {
    Apply();
    if (ThemeAppliers != nullptr) ThemeAppliers->push_back(std::move(Apply));
}

vcl::TColor ThemePick(vcl::TColor Light, vcl::TColor Dark, vcl::TColor HighContrast) {
    const std::string theme = vcl::Application->GetTheme();
    return theme == "dark" ? Dark : theme == "high-contrast" ? HighContrast : Light;
}

void PageContext::Record(const std::string& Key, const std::string& Value) const {
    State->Record(Prefix + "." + Key, Value);
}

}  // namespace gallery
