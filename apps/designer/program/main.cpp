// The form designer.
//
//   designer [FILE]          opens FILE (a form file) or a new form in a window
//   designer --png OUT FILE  writes the window with FILE open to the PNG file OUT
//   designer --dump-state F  keeps F up to date with what window tests check
//   designer --scale S       the window at S times its size (1.0 to 3.0); without it the
//                            display's scale (ZYN_SCALE, else the desktop's; 1.0 headless)
//   designer --theme NAME    the window in the theme NAME (light, dark, high-contrast)
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>

#include "apps/designer/program/DesignerForm.h"
#include "platform/Forms.h"

using namespace vcl;

namespace {
int Usage(const std::string& Problem) {
    std::fprintf(stderr,
                 "designer: %s\n"
                 "usage: designer [--png OUT] [--scale S] [--theme NAME] [--dump-state FILE] [FILE]\n",
                 Problem.c_str());
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    std::string file, png, state, theme;
    double scale = 0;   // 0: the display's
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--png") == 0 && hasValue) png = argv[++i];
        else if (std::strcmp(argv[i], "--dump-state") == 0 && hasValue) state = argv[++i];
        else if (std::strcmp(argv[i], "--theme") == 0 && hasValue) theme = argv[++i];
        else if (std::strcmp(argv[i], "--scale") == 0 && hasValue) {
            const std::string text = argv[++i];
            std::string error;
            std::optional<double> parsed = ParseDisplayScale(text, error);
            if (!parsed) return Usage("--scale takes a number from 1.0 to 3.0, not \"" + text + "\"");
            scale = *parsed;
        } else if (argv[i][0] == '-') {
            return Usage(std::string("unknown argument \"") + argv[i] + "\"");
        } else file = argv[i];
    }
    if (!png.empty()) setenv("ZYN_BACKEND", "headless", 0);
    try {
        if (!theme.empty()) Application->SetTheme(theme);
        auto* form = new designer::TDesignerForm(Application);
        // The window is laid out at 96 pixels per inch and grows once to the display's
        // density. The designed form keeps its own: it is a form of the user's, not a part
        // of this window.
        const int ppi = scale > 0 ? ScaleToPixelsPerInch(scale) : Screen->GetPixelsPerInch();
        if (ppi != form->GetPixelsPerInch()) form->ScaleBy(ppi, form->GetPixelsPerInch());
        if (!file.empty()) form->OpenForm(file);
        form->Show();
        if (!png.empty()) {
            form->SaveToPNG(png);
            return 0;
        }
        if (!state.empty()) {
            // Written whole under another name and renamed, so a reader never sees half.
            Application->SetOnIdle([form, state, last = std::string()](TObject*, bool&) mutable {
                std::string text = form->StateText();
                if (text == last) return;
                { std::ofstream(state + ".tmp", std::ios::binary | std::ios::trunc) << text; }
                std::rename((state + ".tmp").c_str(), state.c_str());
                last = text;
            });
        }
        Application->Run();
    } catch (const Exception& e) {
        std::fprintf(stderr, "designer: %s\n", e.Message().c_str());
        return 1;
    }
    return 0;
}
