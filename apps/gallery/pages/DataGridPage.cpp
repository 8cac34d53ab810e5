// Page "Data grid": an order list in an editable string grid. Quantities and prices can
// be edited (amounts and the total follow), a note field sits beside it, and a right
// click on the grid opens a menu that copies, pastes and clears cells through the
// system clipboard.
#include <string>

#include "apps/gallery/GalleryPage.h"
#include "apps/gallery/GalleryState.h"
#include "platform/Buttons.h"
#include "platform/Clipbrd.h"
#include "platform/Grids.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "platform/Forms.h"

using namespace vcl;

namespace gallery {

namespace {

enum Column { colNo, colPart, colDescription, colQty, colUnit, colPrice, colAmount, colCount };

struct OrderLine {
    const char* part;
    const char* description;
    int qty;
    const char* unit;
    double price;
};

const OrderLine kOrder[] = {
    {"PN-10421", "Hex bolt M8 x 40, zinc plated", 250, "pcs", 0.18},
    {"PN-10422", "Hex nut M8, DIN 934", 250, "pcs", 0.05},
    {"PN-20417", "Flat washer 8.4 mm", 500, "pcs", 0.02},
    {"PN-31102", "Ball bearing 6204-2RS", 12, "pcs", 4.35},
    {"PN-31877", "Timing belt HTD 5M, 450 mm", 4, "pcs", 11.90},
    {"PN-40210", "Aluminium profile 30 x 30", 16, "m", 7.45},
    {"PN-40288", "Corner bracket, 30 series", 48, "pcs", 0.95},
    {"PN-52014", "Cable gland M20, IP68", 30, "pcs", 1.12},
    {"PN-60033", "Stepper motor NEMA 17, 0.59 Nm", 3, "pcs", 18.50},
    {"PN-60090", "Motor driver board, 2 A", 3, "pcs", 9.80},
    {"PN-71005", "Power supply 24 V, 150 W", 1, "pcs", 32.00},
    {"PN-80112", "Shielded cable 4 x 0.5 mm\u00B2", 25, "m", 1.64},
    {"PN-80140", "Cable tie 200 x 4.8 mm, black", 200, "pcs", 0.03},
    {"PN-91003", "Limit switch, roller lever", 6, "pcs", 2.75},
    {"PN-91050", "Emergency stop button, 40 mm", 1, "pcs", 14.20},
    {"PN-95210", "Enclosure 300 x 200 x 120, grey", 1, "pcs", 46.90},
};

std::string Money(double Value) { return FloatToStrF(Value, ffFixed, 15, 2); }

// The page's controls and what they do together.
class OrderPage {
public:
    explicit OrderPage(PageContext& Page) : page_(Page) {
        BuildToolbar();
        BuildGrid();
        BuildNote();
        BuildMenu();
        Recalculate();
        Watch();
    }

private:
    void BuildToolbar() {
        auto button = [&](const char* caption, int left, int width, TNotifyEvent onClick) {
            auto* b = new TSpeedButton(page_.Form);
            b->SetParent(page_.Host);
            b->SetBounds(left, 12, width, 26);
            b->SetCaption(caption);
            b->SetOnClick(std::move(onClick));
            return b;
        };
        button("Add line", 16, 84, [this](TObject*) { AddLine(); });
        button("Delete line", 104, 92, [this](TObject*) { DeleteLine(); });
        button("Copy cell", 212, 84, [this](TObject*) { CopyCell(); });
        button("Paste", 300, 64, [this](TObject*) { PasteCell(); });
        total_ = new TLabel(page_.Form);
        total_->SetParent(page_.Host);
        total_->SetBounds(560, 17, 220, 18);
        total_->SetAlignment(taRightJustify);
        total_->GetFont()->SetStyle({fsBold});
    }

    void BuildGrid() {
        grid_ = new TStringGrid(page_.Form);
        grid_->SetName("OrderGrid");
        grid_->SetParent(page_.Host);
        grid_->SetParentColor(false);
        grid_->SetColor(clWindow);
        grid_->SetBounds(16, 48, 764, 380);
        grid_->SetColCount(colCount);
        grid_->SetRowCount(1 + int(std::size(kOrder)));
        grid_->SetFixedCols(1);
        grid_->SetFixedRows(1);
        grid_->SetDefaultRowHeight(22);
        grid_->SetOptions(grid_->GetOptions() | TGridOptions{goEditing, goColSizing, goTabs});
        const int widths[colCount] = {34, 86, 250, 60, 46, 86, 96};
        const char* titles[colCount] = {"", "Part", "Description", "Qty", "Unit", "Unit price", "Amount"};
        for (int c = 0; c < colCount; ++c) {
            grid_->SetColWidths(c, widths[c]);
            grid_->SetCells(c, 0, titles[c]);
        }
        for (int r = 1; r < grid_->GetRowCount(); ++r) {
            const OrderLine& line = kOrder[r - 1];
            grid_->SetCells(colNo, r, IntToStr(r));
            grid_->SetCells(colPart, r, line.part);
            grid_->SetCells(colDescription, r, line.description);
            grid_->SetCells(colQty, r, IntToStr(line.qty));
            grid_->SetCells(colUnit, r, line.unit);
            grid_->SetCells(colPrice, r, Money(line.price));
        }
        grid_->SetCol(colQty);
        grid_->SetRow(1);
        grid_->SetOnSetEditText([this](TObject*, int, int, const std::string&) { Recalculate(); });
    }

    void BuildNote() {
        auto* caption = new TLabel(page_.Form);
        caption->SetParent(page_.Host);
        caption->SetBounds(16, 444, 120, 18);
        caption->SetCaption("Delivery note:");
        note_ = new TEdit(page_.Form);
        note_->SetName("NoteEdit");
        note_->SetParent(page_.Host);
        note_->SetBounds(120, 440, 420, 24);
        note_->SetText("Deliver to gate 3, before noon");
        auto* hint = new TLabel(page_.Form);
        hint->SetParent(page_.Host);
        hint->SetBounds(16, 476, 764, 18);
        hint->GetFont()->SetColor(clGrayText);
        hint->SetCaption("Type into a Qty or Unit price cell to change the order; "
                         "Ctrl+C / Ctrl+V in the note use the system clipboard.");
    }

    void BuildMenu() {
        auto item = [&](const char* caption, TNotifyEvent action) {
            std::string name = caption;
            return NewItem(caption, 0, false, true,
                           [this, name, action](TObject* Sender) {
                               page_.Record("menu.last", name);
                               action(Sender);
                           },
                           0, "");
        };
        menu_ = NewPopupMenu(page_.Form, "OrderMenu", paLeft, true,
                             {item("Copy cell", [this](TObject*) { CopyCell(); }),
                              item("Paste into cell", [this](TObject*) { PasteCell(); }),
                              item("Clear cell", [this](TObject*) { SetCurrent(""); }),
                              NewLine(),
                              item("Add line", [this](TObject*) { AddLine(); }),
                              item("Delete line", [this](TObject*) { DeleteLine(); })});
        menu_->SetOnPopup([this](TObject*) { page_.Record("menu.popups", IntToStr(++popups_)); });
        grid_->SetPopupMenu(menu_);
    }

    // ---- actions

    void SetCurrent(const std::string& Text) {
        if (grid_->GetCol() == colNo || grid_->GetCol() == colAmount) return;   // computed
        grid_->SetEditorMode(false);
        grid_->SetCells(grid_->GetCol(), grid_->GetRow(), Text);
        Recalculate();
    }

    void CopyCell() { Clipboard()->SetAsText(grid_->GetCells(grid_->GetCol(), grid_->GetRow())); }

    void PasteCell() {
        std::string text = Clipboard()->GetAsText();
        // Only the first line of what was copied fits a cell.
        if (auto eol = text.find_first_of("\r\n"); eol != std::string::npos) text.resize(eol);
        SetCurrent(text);
    }

    void AddLine() {
        int r = grid_->GetRowCount();
        grid_->SetRowCount(r + 1);
        grid_->SetCells(colNo, r, IntToStr(r));
        grid_->SetCells(colQty, r, "1");
        grid_->SetCells(colUnit, r, "pcs");
        grid_->SetCells(colPrice, r, Money(0));
        grid_->SetRow(r);
        grid_->SetCol(colPart);
        Recalculate();
    }

    void DeleteLine() {
        int rows = grid_->GetRowCount();
        if (rows <= 2) return;   // the header and one line stay
        grid_->SetEditorMode(false);
        for (int r = grid_->GetRow(); r < rows - 1; ++r)
            for (int c = colPart; c < colCount; ++c) grid_->SetCells(c, r, grid_->GetCells(c, r + 1));
        grid_->SetRowCount(rows - 1);
        Recalculate();
    }

    // Amount = quantity x price on every line that holds numbers; the sum goes on top.
    void Recalculate() {
        double total = 0;
        for (int r = 1; r < grid_->GetRowCount(); ++r) {
            double qty = 0, price = 0;
            if (TryStrToFloat(Trim(grid_->GetCells(colQty, r)), qty) &&
                TryStrToFloat(Trim(grid_->GetCells(colPrice, r)), price)) {
                grid_->SetCells(colAmount, r, Money(qty * price));
                total += qty * price;
            } else {
                grid_->SetCells(colAmount, r, "?");
            }
        }
        total_->SetCaption("Order total: " + Money(total));
    }

    // ---- state for the tests

    std::string CellRectText(int C, int R) const {
        TRect r = grid_->CellRect(C, R);
        TPoint origin = grid_->ClientToParent(TPoint(r.Left, r.Top), nullptr);
        return IntToStr(origin.X) + " " + IntToStr(origin.Y) + " " + IntToStr(r.Width()) + " " +
               IntToStr(r.Height());
    }

    void Watch() {
        page_.Watch("current", [this] { return IntToStr(grid_->GetCol()) + " " + IntToStr(grid_->GetRow()); });
        page_.Watch("rows", [this] { return IntToStr(grid_->GetRowCount() - 1); });
        for (int r = 1; r <= 4; ++r)
            for (int c = colPart; c < colCount; ++c) {
                std::string key = IntToStr(c) + "." + IntToStr(r);
                page_.Watch("cell." + key, [this, c, r] { return grid_->GetCells(c, r); });
                page_.Watch("rect." + key, [this, c, r] { return CellRectText(c, r); });
            }
        page_.Watch("total", [this] { return total_->GetCaption(); });
        page_.Watch("note.text", [this] { return note_->GetText(); });
        page_.Watch("note.rect", [this] {
            TPoint p = note_->ClientToParent(TPoint(0, 0), nullptr);
            return IntToStr(p.X) + " " + IntToStr(p.Y) + " " + IntToStr(note_->GetWidth()) + " " +
                   IntToStr(note_->GetHeight());
        });
        page_.Watch("focus", [] {
            TWinControl* c = Screen != nullptr ? Screen->GetActiveControl() : nullptr;
            return c != nullptr ? c->GetName() + ":" + c->ClassName() : std::string();
        });
        page_.Record("menu.last", "");
        page_.Record("menu.popups", "0");
        page_.Watch("clipboard", [] { return Clipboard()->GetAsText(); });
    }

    PageContext page_;
    TStringGrid* grid_ = nullptr;
    TEdit* note_ = nullptr;
    TLabel* total_ = nullptr;
    TPopupMenu* menu_ = nullptr;
    int popups_ = 0;
};

}  // namespace

void BuildDataGridPage(PageContext& Page) {
    Page.Keep(std::make_unique<OrderPage>(Page));
}

}  // namespace gallery
