// The form designer.
//
//   designer [FILE]          opens FILE (a form file) or a new form in a window
//   designer --png OUT FILE  writes the window with FILE open to the PNG file OUT
//   designer --dump-state F  keeps F up to date with what window tests check
#include <cstdio>
#include <fstream>
#include <cstdlib>
#include <cstring>
#include <string>

#include "apps/designer/program/DesignerForm.h"
#include "platform/Forms.h"

using namespace vcl;

int main(int argc, char** argv) {
    std::string file, png, state;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--png") == 0 && i + 1 < argc) png = argv[++i];
        else if (std::strcmp(argv[i], "--dump-state") == 0 && i + 1 < argc) state = argv[++i];
        else if (argv[i][0] == '-') {
            std::fprintf(stderr, "usage: designer [--png OUT] [FILE]\n");
            return 2;
        } else file = argv[i];
    }
    if (!png.empty()) setenv("ZYN_BACKEND", "headless", 0);
    try {
        auto* form = new designer::TDesignerForm(Application);
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
