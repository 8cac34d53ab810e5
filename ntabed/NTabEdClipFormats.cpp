// The table editor's clipboard beyond its tab-separated text: a copied block is offered as
// CSV and as an HTML table too, and Extract from Clipboard reads an HTML table (a block
// copied from a spreadsheet) when one is offered, cell by cell into the cells at the
// selection.
#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "framework/Zyn_tableclip.h"
#include "ntabed/Zyn_ntabed.h"
#include "platform/Clipbrd.h"
#include "platform/SysUtils.h"

namespace zyn {

using namespace vcl;

namespace {

// A cell's text from an HTML table as a number: '.' or ',' as the decimal separator, an
// optional exponent, nothing else; or an infinity as this editor writes it ("+Inf", "-Inf").
bool CellNumber(std::string Text, double& Value) {
    std::replace(Text.begin(), Text.end(), ',', '.');
    Text = Trim(Text);
    if (SameText(Text, "+Inf") || SameText(Text, "Inf") || SameText(Text, "-Inf")) {
        Value = Text[0] == '-' ? -HUGE_VAL : HUGE_VAL;
        return true;
    }
    TFormatSettings point;
    point.DecimalSeparator = '.';
    return !Text.empty() && TryStrToFloat(Text, Value, point) && Value == Value;
}

}  // namespace

void TNTabEd::OfferBlockFormats(int C1, int R1, int C2, int R2, const std::string& Text) {
    // Cells that hold no number are empty in CSV and HTML: "####" only means something to
    // this editor's own text form. Both are written cell by cell: a block may hold a million.
    const std::size_t cells = std::size_t(C2 - C1 + 1) * std::size_t(R2 - R1 + 1);
    std::string csv, html(HtmlTableHead), number;
    csv.reserve(cells * (FClipUseFullPrec ? 23 : 11));
    html.reserve(cells * (FClipUseFullPrec ? 70 : 58));
    for (int r = R1; r <= R2; ++r) {
        html += "<tr>";
        for (int c = C1; c <= C2; ++c) {
            if (c > C1) csv += ',';
            const std::uint8_t state = Data->GetCellState(c, r);
            if (state & (dtsInvalid | dtsEmpty)) {
                html += "<td></td>";
                continue;
            }
            number.clear();
            AppendClipCellText(number, Data->GetElem(c, r), state, GetPrecision(c), FClipUseFullPrec);
            const std::size_t first = number.find_first_not_of(' ');
            const std::string_view shown = first == std::string::npos ? std::string_view() : std::string_view(number).substr(first);
            AppendCsvField(csv, shown);
            AppendHtmlCell(html, shown, true);
        }
        csv += "\r\n";
        html += "</tr>\r\n";
    }
    html += HtmlTableTail;
    OfferTableOnClipboard(Text, std::move(csv), std::move(html));
}

bool TNTabEd::ExtractHtmlTable() {
    if (!Clipboard()->HasFormat(MimeHtml)) return false;
    std::vector<std::vector<std::string>> cells;
    if (!ReadHtmlTable(Clipboard()->GetAsFormat(MimeHtml), cells)) return false;
    HideEditor();
    const TGridRect sel = GetSelection();
    const int left = sel.Left - FColOffset, top = sel.Top - FRowOffset;
    const int cols = int(cells.front().size()), rows = int(cells.size());
    RecordRegion(left, top, left + cols - 1, top + rows - 1, RgCells);
    {
        TNTabEdSuppression quiet(*this);
        for (int j = 0; j < rows; ++j) {
            const int r = top + j;
            if (r < 1 || r > GetNrOfRows()) continue;
            for (int i = 0; i < cols; ++i) {
                const int c = left + i;
                if (c < 1 || c > GetNrOfColumns()) continue;
                const std::string& text = cells[std::size_t(j)][std::size_t(i)];
                const std::uint8_t marks = Data->GetCellState(c, r) & (dtsMarkA | dtsMarkB);
                double v = 0;
                const int nominal = Data->IsNominalColumn(c) ? Data->OrdinalOfNominalID(c, text, 1) : 0;
                // A number (or a nominal column's identifier) makes the cell a number, an
                // empty cell an empty one, any other text one that holds no number, as typing
                // it would; the marks stay.
                if (nominal > 0 || CellNumber(text, v)) {
                    Data->GetMatrix()->SetElem(c, r, nominal > 0 ? double(nominal) : v);
                    Data->SetCellState(c, r, marks);
                } else {
                    Data->GetMatrix()->SetElem(c, r, 0.0);
                    Data->SetCellState(c, r, std::uint8_t(marks | (text.empty() ? dtsEmpty : dtsInvalid)));
                }
            }
        }
    }
    Repaint();
    ChangedData();
    ChangedCellStates();
    if (FOnPaste) FOnPaste(this);
    SetSelection(TGridRect(sel.Left, sel.Top, sel.Left + cols - 1, sel.Top + rows - 1));
    return true;
}

}  // namespace zyn
