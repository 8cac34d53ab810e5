// A numeric table editor with the clipboard: monthly rainfall of five weather stations.
// "Copy" puts the selected block on the clipboard as tab-separated text (any spreadsheet
// takes it), "Paste" reads the numbers of a clipboard table into the cells from the
// selected one on. A right click on the table opens the editor's own menus with the same
// actions and more (marks, headings, precision, rows and columns).
//
//   table_editor              opens the editor in a window
//   table_editor --png FILE   copies two rows to a free block, then saves the picture
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ntabed/Zyn_ntabed.h"
#include "platform/Clipbrd.h"
#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/StdCtrls.h"
#include "platform/Testing.h"

using namespace vcl;
using namespace zyn;

const char* const kStations[] = {"Harbour", "Airport", "Old town", "Hill farm", "Lake"};
const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun"};
const double kRain[5][6] = {{78.2, 61.5, 55.0, 42.8, 51.3, 63.9}, {71.0, 58.4, 49.7, 40.1, 47.6, 60.2},
                            {80.5, 64.3, 57.9, 44.0, 52.8, 66.1}, {96.4, 82.7, 70.2, 55.5, 61.0, 74.8},
                            {0, 0, 0, 0, 0, 0}};

// Data column c and row r in grid coordinates: the names take grid column 0 and row 0, the
// row attributes grid column 1 (shown by default; the column-attribute row is hidden).
TGridRect Block(int C1, int R1, int C2, int R2) { return TGridRect(C1 + 1, R1, C2 + 1, R2); }

int main(int argc, char** argv) {
    std::string png;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--png") png = argv[i + 1];
    if (!png.empty()) setenv("ZYN_BACKEND", "headless", 1);

    try {
        auto* form = new TForm(Application);
        form->SetCaption("Rainfall (mm)");
        form->SetClientWidth(620);
        form->SetClientHeight(230);

        auto* ed = new TNTabEd(form);
        ed->SetParent(form);
        ed->SetBounds(10, 10, 600, 160);
        ed->SetSuppressPaint(true);   // one repaint after filling, not one per cell
        ed->Redimension(6, 5);
        for (int c = 1; c <= 6; ++c) {
            ed->SetColName(c, kMonths[c - 1]);
            ed->SetPrecision(c, 1);
        }
        for (int r = 1; r <= 5; ++r) {
            ed->SetRowName(r, kStations[r - 1]);
            for (int c = 1; c <= 6; ++c) ed->SetElem(c, r, kRain[r - 1][c - 1]);
        }
        ed->SetElemMarkedA(1, 4, true);   // a record month, shown in the mark colour
        ed->SetSelection(Block(1, 1, 6, 1));
        ed->SetSuppressPaint(false);

        auto* copy = new TButton(form);
        copy->SetParent(form);
        copy->SetBounds(10, 182, 90, 28);
        copy->SetCaption("Copy");
        auto* paste = new TButton(form);
        paste->SetParent(form);
        paste->SetBounds(110, 182, 90, 28);
        paste->SetCaption("Paste");
        auto* status = new TLabel(form);
        status->SetParent(form);
        status->SetBounds(214, 188, 400, 20);

        auto showClipboard = [ed, status] {
            int cols = 0, rows = 0;
            status->SetCaption(ed->GetClipMatrixSize(cols, rows)
                                   ? "The clipboard holds a table " + std::to_string(cols) +
                                         " numbers wide"
                                   : "The clipboard holds no table");
        };
        // The menu actions are public methods; the buttons call the same ones.
        copy->SetOnClick([ed, showClipboard](TObject*) {
            ed->PopupMenuClickCopy(nullptr);
            showClipboard();
        });
        paste->SetOnClick([ed, status](TObject*) {
            try {
                ed->PopupMenuClickExtClip(nullptr);
            } catch (const EZynNTabedError& e) {
                status->SetCaption(e.Message());   // not a table: nothing changed
            }
        });
        ed->SetOnPaste([status](TObject*) { status->SetCaption("Pasted"); });
        showClipboard();

        form->Show();
        if (!png.empty()) {
            // What a user would do: copy the harbour's row, paste it over the empty lake row.
            Input::Click(copy, 10, 10);
            ed->SetSelection(Block(1, 5, 1, 5));
            Input::Click(paste, 10, 10);
            Application->ProcessMessages();
            form->SaveToPNG(png);
        } else if (Backend()->IsInteractive()) {
            Application->Run();
        } else {
            std::fprintf(stderr, "table_editor: no display here; try --png FILE\n");
        }
        delete form;
    } catch (const Exception& e) {
        std::fprintf(stderr, "table_editor: %s\n", e.Message().c_str());
        return 1;
    }
    return 0;
}
