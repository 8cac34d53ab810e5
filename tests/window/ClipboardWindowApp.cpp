// A table editor in a real window for the clipboard window test: it shows a 3 x 3 table
// with two decimals, keeps a state file up to date (the cells' places on the window and the
// cells' values and states after every change) and runs until it is ended.
//
//   clipboard_window_app STATEFILE
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "ntabed/Zyn_ntabed.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"

using namespace vcl;
using namespace zyn;

namespace {

void WriteState(TNTabEd& Ed, const std::string& File) {
    const std::string tmp = File + ".tmp";
    {
        std::ofstream out(tmp);
        out << "ready=1\n";
        for (int c = 1; c <= Ed.GetNrOfColumns(); ++c)
            for (int r = 1; r <= Ed.GetNrOfRows(); ++r) {
                const TRect rc = Ed.CellRect(c + 1, r);
                out << "rect." << c << "." << r << "=" << rc.Left << " " << rc.Top << " " << rc.Width() << " "
                    << rc.Height() << "\n";
                out << "cell." << c << "." << r << "=" << FloatToStr(Ed.GetElem(c, r)) << " "
                    << int(Ed.GetCellState(c, r)) << "\n";
            }
    }
    std::rename(tmp.c_str(), File.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: clipboard_window_app STATEFILE\n");
        return 2;
    }
    const std::string state = argv[1];
    try {
        auto* form = new TForm(Application);
        form->SetCaption("NTabEd clipboard");
        form->SetBounds(0, 0, 520, 220);
        auto* ed = new TNTabEd(form);
        ed->SetParent(form);
        ed->SetBounds(0, 0, 500, 200);
        ed->Redimension(3, 3);
        ed->SetClipboardUseFullPrec(false);
        const double values[3][3] = {{1.5, 1000, 7}, {-2, 0.25, 8}, {3, 4, 9}};
        for (int c = 1; c <= 3; ++c) {
            ed->SetPrecision(c, 2);
            for (int r = 1; r <= 3; ++r) ed->SetElem(c, r, values[c - 1][r - 1]);
        }
        ed->SetOnChange([ed, state](TObject*) { WriteState(*ed, state); });
        ed->SetOnCellStateChanged([ed, state](TObject*) { WriteState(*ed, state); });
        form->Show();
        Application->ProcessMessages();
        WriteState(*ed, state);
        Application->Run();
        delete form;
    } catch (const Exception& e) {
        std::fprintf(stderr, "clipboard_window_app: %s\n", e.Message().c_str());
        return 1;
    }
    return 0;
}
