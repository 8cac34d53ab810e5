// The gallery: shows the package page by page.
//
//   gallery                     opens the gallery in a window (or runs headless without one)
//   gallery --page ID           starts on page ID
//   gallery --png DIR           writes every page to DIR/<page>.png and DIR/gallery.png
//   gallery --theme NAME        light (the default), dark or high-contrast
//   gallery --scale S           every page at S times its size (1.0 to 3.0); without it the
//                               display's scale (ZYN_SCALE, else the desktop's; 1.0 headless)
//   gallery --dump-state FILE   keeps FILE up to date with the values tests check
//   gallery --list              prints the page ids
//   gallery --form FILE         adds a page with the form file FILE loaded and starts there;
//                               with --png DIR only that page is written, to DIR/form.png
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "apps/gallery/GalleryForm.h"
#include "apps/gallery/Snapshots.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"

using namespace vcl;

namespace {

struct Options {
    std::string pngDir;
    std::string stateFile;
    std::string page;
    std::string theme;
    std::string formFile;
    double scale = 0;   // 0: the display's
    bool list = false;
};

[[noreturn]] void Usage(const char* Problem) {
    std::fprintf(stderr,
                 "gallery: %s\n"
                 "usage: gallery [--page ID] [--png DIR] [--theme NAME] [--scale S] [--dump-state FILE] [--form FILE] [--list]\n",
                 Problem);
    std::exit(2);
}

Options ParseArguments(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        auto value = [&](const char* name) -> std::string {
            if (i + 1 >= argc) Usage((std::string(name) + " needs a value").c_str());
            return argv[++i];
        };
        if (std::strcmp(argv[i], "--png") == 0) o.pngDir = value("--png");
        else if (std::strcmp(argv[i], "--dump-state") == 0) o.stateFile = value("--dump-state");
        else if (std::strcmp(argv[i], "--page") == 0) o.page = value("--page");
        else if (std::strcmp(argv[i], "--theme") == 0) o.theme = value("--theme");
        else if (std::strcmp(argv[i], "--form") == 0) o.formFile = value("--form");
        else if (std::strcmp(argv[i], "--scale") == 0) {
            const std::string text = value("--scale");
            std::string error;
            std::optional<double> scale = ParseDisplayScale(text, error);
            if (!scale) Usage(("--scale takes a number from 1.0 to 3.0, not \"" + text + "\"").c_str());
            o.scale = *scale;
        }
        else if (std::strcmp(argv[i], "--list") == 0) o.list = true;
        else Usage((std::string("unknown argument \"") + argv[i] + "\"").c_str());
    }
    return o;
}

int PageIndex(const std::string& Id) {
    for (size_t i = 0; i < gallery::Pages().size(); ++i)
        if (Id == gallery::Pages()[i].Id) return static_cast<int>(i);
    Usage(("no page \"" + Id + "\" (see --list)").c_str());
}

}  // namespace

int main(int argc, char** argv) {
    Options options = ParseArguments(argc, argv);
    if (options.list) {
        for (const auto& page : gallery::Pages()) std::printf("%s\t%s\n", page.Id, page.Title);
        return 0;
    }
    // Pictures are made without windows unless a backend was asked for.
    if (!options.pngDir.empty()) setenv("ZYN_BACKEND", "headless", 0);
    try {
        if (!options.theme.empty()) Application->SetTheme(options.theme);
        auto* form = new gallery::TGalleryForm(Application);
        // The pages are laid out at 96 pixels per inch; they grow once to the density asked for.
        const int ppi = options.scale > 0 ? ScaleToPixelsPerInch(options.scale) : Screen->GetPixelsPerInch();
        if (ppi != 96) form->ScaleBy(ppi, 96);
        if (!options.page.empty()) form->ShowPage(PageIndex(options.page));
        if (!options.formFile.empty()) form->AddFormPage(options.formFile);
        // Without a display nobody could work the window: make the pictures instead.
        if (options.pngDir.empty() && !Backend()->IsInteractive()) {
            options.pngDir = "out/gallery";
            std::printf("gallery: no display here; writing the pages to %s/ instead\n",
                        options.pngDir.c_str());
        }
        if (!options.pngDir.empty()) {
            form->SetThemeSwitchVisible(false);
            form->Show();
            if (!options.formFile.empty()) {
                if (!ForceDirectories(options.pngDir)) throw EInOutError("Cannot create the folder \"" + options.pngDir + "\"");
                Application->ProcessMessages();
                form->SaveToPNG(options.pngDir + "/form.png");
                if (!options.stateFile.empty()) form->State().WriteIfChanged(options.stateFile);
                std::printf("%s\n", (options.pngDir + "/form.png").c_str());
                return 0;
            }
            gallery::WritePageSnapshots(form, options.pngDir);
            return 0;
        }
        if (!options.stateFile.empty()) {
            std::string file = options.stateFile;
            Application->SetOnIdle([form, file](TObject*, bool&) { form->State().WriteIfChanged(file); });
        }
        form->Show();
        Application->Run();
        if (!options.stateFile.empty()) form->State().WriteIfChanged(options.stateFile);
    } catch (const Exception& e) {
        std::fprintf(stderr, "gallery: %s\n", e.Message().c_str());
        return 1;
    }
    return 0;
}
