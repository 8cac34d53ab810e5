// What a gallery page is: a function that places components on a panel, registered in
// pages/AllPages.h with one line.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Controls.h"

namespace vcl { class TCustomForm; }

namespace gallery {

class GalleryState;

// Everything a page needs while it builds itself.
struct PageContext {
    vcl::TWinControl* Host = nullptr;   // the page's panel: parent of the page's controls
    vcl::TCustomForm* Form = nullptr;   // owner of every component the page creates
    GalleryState* State = nullptr;
    std::string Prefix;                 // the page's id, prefix of its state keys
    // What the pages recolour when the theme or the density changes (the gallery form runs
    // them).
    std::vector<std::function<void()>>* ThemeAppliers = nullptr;

    // Adds a value to the state dump as "<page id>.<Key>".
    void Watch(const std::string& Key, std::function<std::string()> Value) const;
    // Runs Apply now and after every change of theme or of the form's density: a page sets
    // the colours it chose itself there, picking them with ThemePick, and makes the
    // pictures it draws for the form's density.
    void FollowTheme(std::function<void()> Apply) const;
    // Records an event for the dump ("<page id>.<Key>" keeps the latest value).
    void Record(const std::string& Key, const std::string& Value) const;
    // Keeps a page's helper object alive as long as the form (it is freed with it).
    template <class T>
    T* Keep(std::unique_ptr<T> Object) const {
        T* raw = Object.get();
        KeepAlive(std::shared_ptr<void>(std::move(Object)));
        return raw;
    }

private:
    void KeepAlive(std::shared_ptr<void> Object) const;
};

// A colour a page chose for the light theme, and the ones that stand for it in the dark
// and high-contrast themes.
vcl::TColor ThemePick(vcl::TColor Light, vcl::TColor Dark, vcl::TColor HighContrast);

using PageBuilder = void (*)(PageContext& Page);

struct GalleryPage {
    const char* Id;            // file name of its snapshot and prefix of its state keys
    const char* Title;         // shown in the page list and the header
    const char* Description;   // one line under the title
    PageBuilder Build;
};

// Every page, in the order of pages/AllPages.h.
const std::vector<GalleryPage>& Pages();

}  // namespace gallery
