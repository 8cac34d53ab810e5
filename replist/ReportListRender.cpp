// The report list view's picture: data cells (colours by state, shading bands, password
// masking, shortened texts, check boxes and radio marks), the common header and the column
// headers with the sort arrow, the empty-list area, the inter-row indicator and the focus
// cue.
#include <algorithm>
#include <cmath>

#include "framework/Zyn_conventions.h"
#include "platform/Themes.h"
#include "replist/Zyn_ReportListView.h"

namespace zyn {

using namespace vcl;

namespace {

constexpr int CheckBoxRoom = 16;

// Round to nearest, ties to even.
int RoundEven(double V) { return int(std::nearbyint(V)); }

std::vector<std::string_view> SplitLines(std::string_view S, char Sep) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    while (true) {
        const std::size_t p = S.find(Sep, start);
        if (p == std::string_view::npos) {
            out.push_back(S.substr(start));
            return out;
        }
        out.push_back(S.substr(start, p - start));
        start = p + 1;
    }
}

void Line(TCanvas* C, TColor Colour, std::initializer_list<TPoint> Points) {
    C->GetPen()->SetColor(Colour);
    auto it = Points.begin();
    C->MoveTo(it->X, it->Y);
    for (++it; it != Points.end(); ++it) C->LineTo(it->X, it->Y);
}

}  // namespace

void TReportListView::Paint() {
    if (FSuppressPaint) return;
    TCustomDrawGrid::Paint();
    TCanvas* c = GetCanvas();
    if (GetNrOfShownRows() == 0) PaintEmptyArea(c);
    PaintInterRowIndicator(c);
    PaintFocusCue(c);
}

// The current row (or the cell the keys act on) carries the focus cue while the view has
// the keyboard; without it nothing is drawn.
void TReportListView::PaintFocusCue(TCanvas* C) {
    const TRect cue = FocusCueRect();
    if (!cue.IsEmpty()) DrawFocusCue(C, cue);
}

void TReportListView::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    TCanvas* c = GetCanvas();
    c->SetFont(GetFont());
    const TRect textRect(ARect.Left + 4, ARect.Top + 2, ARect.Right - 5, ARect.Bottom);
    if (ARow >= GetFixedRows()) {
        PaintDataCell(c, ACol, ARow, ARect);
    } else if (AState.Contains(gdFixed)) {
        const int r = VisibleColumnsRight();
        if (FCommonHeaderVisible && ARow == 0) PaintCommonHeader(c, ARect, r);
        else PaintColumnHeader(c, ACol, ARect, r);
    }
    TCustomDrawGrid::DrawCell(ACol, ARow, textRect, AState);
}

// The right end of the visible columns: the right edge of the last column, from LeftCol on,
// whose cell in grid row 0 is not empty.
int TReportListView::VisibleColumnsRight() const {
    int r = 0;
    for (int c = 0; c < GetFixedCols(); ++c) {
        const TRect cr = CellRect(c, 0);
        if (cr.Right > cr.Left) r = cr.Right;
    }
    for (int c = TCustomGrid::GetLeftCol(); c < GetColCount(); ++c) {
        const TRect cr = CellRect(c, 0);
        if (cr.Right <= cr.Left) break;
        r = cr.Right;
    }
    return r;
}

void TReportListView::PaintDataCell(TCanvas* C, int ACol, int ARow, const TRect& ARect) {
    const TGridOptions opt = GetOptions();
    const bool fixedCol = ACol < GetFixedCols();
    TRect box = ARect;
    if (!opt.Contains(goVertLine) && !fixedCol) ++box.Right;
    if (!opt.Contains(goHorzLine)) ++box.Bottom;
    TRect textRect(ARect.Left + 4, ARect.Top + 2, ARect.Right - 5, ARect.Bottom);

    const int dataCol = GetColumnOrder(ACol + 1);
    const int dataRow = DataRowOfGridRow(ARow);
    const TCheckMode mode = FData->GetColCheckMode(dataCol);
    const bool check = mode != cmNone;
    // 1. text, stored with its mark in check columns
    std::string text(FData->Strings->StringView(dataCol, dataRow));
    if (GetColumnIsPwd(dataCol)) text = PasswordMask;

    // 2.-5. colours by state
    TColor font = FColorText;
    TColor back = FColorBkgdNormal;
    if (FRowColPattern > 0) {
        const int band = (ARow - GetFixedRows()) / FRowColPattern;
        back = (band % 2) ? FColorBkgdNormal : FColorBkgdShaded;
    }
    TFontStyles styles = GetFont()->GetStyle();
    const bool enabled = GetEnabled();
    if (enabled) {
        const std::uint8_t attr = RowAttrib(dataRow);
        if (attr & RowDisabledBit) {
            back = FColorDisabledBkgd;
            font = FColorDisabledText;
        } else {
            const bool rowSel = attr & RowSelectedBit;
            const bool colSel = FData->Strings->GetColAttrib(dataCol) & ColSelectedBit;
            if (rowSel && colSel) { back = FColorSelectedBoth; font = FColorSelectedBothText; }
            else if (colSel) { back = FColorSelectedCol; font = FColorSelectedColText; }
            else if (rowSel) { back = FColorSelectedRow; font = FColorSelectedRowText; }
            if (dataRow == FHighLightRow || dataCol == FHighLightColumn) {
                back = FColorHigh;
                font = FColorHighText;
                if (FHighLightBold) styles.Include(fsBold);
            }
        }
    }
    if (fixedCol && FFixedFirstColumn) back = GetFixedColor();
    if (!enabled) font = clInactiveCaption;

    // 6. the application's say
    TColor pen = back;
    if (FOnBeforeRenderCell) FOnBeforeRenderCell(this, dataCol, dataRow, pen, back, font, styles, text);

    // 7.
    C->GetFont()->SetStyle(styles);
    C->GetFont()->SetColor(font);
    C->GetBrush()->SetColor(back);

    // 8. shortening with "..."
    if (text.size() > 1 || (!text.empty() && !check)) {
        const int t = C->TextWidth(text.substr(1));
        const int w = GetColWidths(dataCol);
        const int b = check ? ScaledMetric(CheckBoxRoom) : 0;
        if (w - b - 9 < t && t > 0) {
            const int keep = std::max(1, RoundEven(double(text.size()) * (w - b - 9) / t - 4));
            if (std::size_t(keep) < text.size()) {
                if (GetColumnAlignment(dataCol) == taRightJustify)
                    text = text.substr(0, 1) + "..." + text.substr(text.size() - std::size_t(keep));
                else
                    text = text.substr(0, std::size_t(keep)) + "...";
            }
        }
    }

    // 9. background
    C->GetPen()->SetColor(back);
    C->GetPen()->SetWidth(1);
    C->Rectangle(box.Left, box.Top, box.Right, box.Bottom);
    C->GetPen()->SetColor(pen);

    auto drawText = [&](const TRect& R, const std::string& S) {
        int t = C->TextWidth(S);
        if (ItalicFont()) t += 2;
        int x = R.Left;
        switch (GetColumnAlignment(dataCol)) {
            case taRightJustify: x = R.Right - t; break;
            case taCenter: x = (R.Left + R.Right) / 2 - t / 2; break;
            default: break;
        }
        C->TextRect(R, x, ARect.Top + 1, S);
    };

    if (!check) {
        drawText(textRect, text);                                   // 10. plain column
    } else if (text.size() > 1 || FShowEmptyCheckBoxes) {           // 11. check column
        const int ppi = GetCurrentPPI();
        // The text starts 5 pixels (at 96 dpi) after the mark's box: the drawn box ends 15
        // pixels into the cell; the artwork of a denser form sits 3 pixels in and its box
        // ends 14.5 pixels into its 16 pixel cell, so it is a little larger.
        const int textStart = NearestArtworkPPI(ppi) == 96
                                  ? 4 + CheckBoxRoom
                                  : ScaleMetric(3, ppi) + MulDiv(29, ppi, 192) + ScaleMetric(5, ppi);
        textRect.Left = ARect.Left + textStart;
        const bool checked = !text.empty() && text[0] != ' ';
        drawText(textRect, text.empty() ? std::string() : text.substr(1));
        const int l = ARect.Left, t = ARect.Top;
        const bool rowDisabled = RowAttrib(dataRow) & RowDisabledBit;
        if (NearestArtworkPPI(ppi) != 96) {
            // On a denser form the mark is the artwork drawn for it, its top-left corner
            // one pixel (at 96 dpi) before the corner of the 96 dpi box, whose sheet cell
            // has a margin of a pixel and a half. Read-only marks show only a checked state.
            if (!FCheckMarksReadOnly || checked)
                PaintMarkArtwork(C, mode == cmRadio, checked, enabled && !rowDisabled, l + ScaleMetric(3, ppi),
                                 t + ScaleMetric(3, ppi), back, box);
        } else {
            if (!FCheckMarksReadOnly) {
                C->GetPen()->SetColor(!enabled ? clInactiveCaption : rowDisabled ? pen : clBtnShadow);
                if (mode == cmRadio) C->Ellipse(l + 4, t + 4, l + 15, t + 15);
                else C->Rectangle(l + 4, t + 4, l + 15, t + 15);
            }
            C->GetPen()->SetColor(enabled ? font : clInactiveCaption);
            if (checked) {
                if (mode == cmRadio) {
                    C->MoveTo(l + 8, t + 7); C->LineTo(l + 11, t + 7);
                    for (int i = 0; i < 3; ++i) { C->MoveTo(l + 7, t + 8 + i); C->LineTo(l + 12, t + 8 + i); }
                    C->MoveTo(l + 8, t + 11); C->LineTo(l + 11, t + 11);
                } else {
                    for (int i = 0; i < 3; ++i) {
                        C->MoveTo(l + 6, t + 8 + i); C->LineTo(l + 9, t + 11 + i);
                        C->MoveTo(l + 8, t + 10 + i); C->LineTo(l + 13, t + 5 + i);
                    }
                }
            }
        }
    }

    // 12. raised edge of the fixed first column
    if (fixedCol && FFixedFirstColumn) {
        Line(C, ThemeColor(trLineLight), {{box.Left, box.Bottom - 1}, {box.Left, box.Top}, {box.Right, box.Top}});
        Line(C, ThemeColor(trLineShadow), {{box.Left + 1, box.Bottom - 1}, {box.Right - 1, box.Bottom - 1}, {box.Right - 1, box.Top}});
    }
}

void TReportListView::PaintMarkArtwork(TCanvas* C, bool Radio, bool Checked, bool Enabled, int X, int Y,
                                       TColor Ground, const TRect& Box) {
    const int artworkPPI = NearestArtworkPPI(GetCurrentPPI());
    const std::pair<TColor, TColor> look(ColorToRGB(ThemeColor(trWindow)), ColorToRGB(ThemeColor(trWindowText)));
    if (artworkPPI != FMarkArtworkPPI || look != FMarkArtworkLook) {
        const char* names[2] = {"CHECKBOX", "RADIOBUT"};
        for (int i = 0; i < 2; ++i) {
            FMarkSheets[i] = std::make_unique<TBitmap>();
            FMarkAlphas[i] = std::make_unique<TBitmap>();
            LoadResourceBitmap(FMarkSheets[i].get(), names[i], artworkPPI);
            LoadResourceBitmap(FMarkAlphas[i].get(), std::string(names[i]) + "_ALPHA", artworkPPI);
            FMarkSheets[i]->SetPixelFormat(pf32bit);
            FMarkAlphas[i]->SetPixelFormat(pf32bit);
            // The marks are the window's own kind of control: in the theme's window colours,
            // or a light box would stay on a dark list.
            ThemeArtwork(FMarkSheets[i].get(), clNone);
        }
        FMarkArtworkPPI = artworkPPI;
        FMarkArtworkLook = look;
    }
    TBitmap* sheet = FMarkSheets[Radio ? 1 : 0].get();
    TBitmap* alpha = FMarkAlphas[Radio ? 1 : 0].get();
    const int gw = sheet->GetWidth() / 2, gh = sheet->GetHeight() / 2;
    if (gw <= 0 || gh <= 0 || alpha->GetWidth() != sheet->GetWidth() || alpha->GetHeight() != sheet->GetHeight())
        return;
    const TRect shown = IntersectRect(Bounds(X, Y, gw, gh), Box);
    if (shown.IsEmpty()) return;
    // The sheet's cells: on at the left, off at the right; enabled above, disabled below.
    const int cx = Checked ? 0 : gw, cy = Enabled ? 0 : gh;
    // The sheet's soft edges are smoothed against the artwork's face colour (in the theme's
    // colours, as the sheet is); each shows on the cell's ground by moving it by the
    // uncovered part of the ground's difference.
    const TColor face = ThemeArtworkColor(TColor(0xF0F0F0));
    const std::uint32_t ground = std::uint32_t(ColorToRGB(Ground)) & 0xFFFFFF;
    TBitmap mark;
    mark.SetPixelFormat(pf32bit);
    mark.SetSize(shown.Width(), shown.Height());
    for (int y = 0; y < shown.Height(); ++y) {
        const int sy = cy + shown.Top - Y + y;
        const std::uint8_t* s = sheet->ScanLine(sy);
        const std::uint8_t* a = alpha->ScanLine(sy);
        std::uint8_t* out = mark.ScanLine(y);
        for (int x = 0; x < shown.Width(); ++x) {
            const int sx = cx + shown.Left - X + x;
            const int coverage = a[4 * sx + 2];
            if (coverage == 0) {   // outside the glyph: the key colour there is not shown
                out[4 * x + 0] = std::uint8_t(ground >> 16);
                out[4 * x + 1] = std::uint8_t(ground >> 8);
                out[4 * x + 2] = std::uint8_t(ground);
                out[4 * x + 3] = 0xFF;
                continue;
            }
            // Bytes run blue, green, red; colours hold red in the low byte.
            const std::uint8_t* p = s + 4 * sx;
            const TColor pixel = TColor(std::uint32_t(p[2]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[0]) << 16);
            const std::uint32_t mixed = std::uint32_t(CompositeArtworkEdge(pixel, coverage, TColor(ground), face));
            out[4 * x + 0] = std::uint8_t(mixed >> 16);
            out[4 * x + 1] = std::uint8_t(mixed >> 8);
            out[4 * x + 2] = std::uint8_t(mixed);
            out[4 * x + 3] = 0xFF;
        }
    }
    const TCopyMode was = C->GetCopyMode();
    C->SetCopyMode(cmSrcCopy);
    C->CopyRect(shown, mark.GetCanvas(), Rect(0, 0, shown.Width(), shown.Height()));
    C->SetCopyMode(was);
}

void TReportListView::PaintCommonHeader(TCanvas* C, const TRect& ARect, int R) {
    const TRect cell(0, ARect.Top, R, ARect.Bottom);
    C->GetFont()->SetColor(FColorCommonHdText);
    C->GetBrush()->SetColor(FColorCommonHd);
    C->GetPen()->SetColor(FColorCommonHd);
    C->Rectangle(cell.Left, cell.Top, std::max(cell.Right, cell.Left + 1), cell.Bottom);
    const std::string& header = FData->GetCommonHeader();
    const int h = C->TextHeight(header);
    const auto lines = SplitLines(header, '\n');
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string line(lines[i]);
        TRect lr = cell;
        if (i > 0) {
            lr.Top = std::min(cell.Top + int(i) * h, cell.Bottom);
            lr.Bottom = std::min(cell.Top + int(i + 1) * h, cell.Bottom);
        }
        const int t = C->TextWidth(line);
        int x = lr.Left + 4;
        if (FCommonHeaderAlignment == taRightJustify) x = R - t - 5;
        else if (FCommonHeaderAlignment == taCenter) x = (lr.Left + R) / 2 - t / 2;
        C->TextRect(lr, x, cell.Top + 2 + int(i) * h, line);
    }
    Line(C, ThemeColor(trLineLight), {{cell.Left, cell.Bottom - 1}, {cell.Left, cell.Top}, {R, cell.Top}});
    Line(C, ThemeColor(trLineShadow), {{cell.Left + 1, cell.Bottom - 1}, {R - 1, cell.Bottom - 1}, {R - 1, cell.Top}});
    Line(C, ThemeColor(trLineDark), {{R, cell.Bottom - 1}, {R, cell.Top - 1}});
}

void TReportListView::PaintColumnHeader(TCanvas* C, int ACol, const TRect& ARect, int R) {
    const int dataCol = GetColumnOrder(ACol + 1);
    C->GetBrush()->SetColor(GetFixedColor());
    C->GetPen()->SetColor(GetFixedColor());
    C->GetFont()->SetColor(FColorColumnHdText);
    // The cell only: the fixed grid lines right of and below it stay as the grid drew them.
    C->Rectangle(ARect.Left, ARect.Top, ARect.Right, ARect.Bottom);
    const TRect textRect(ARect.Left + 4, ARect.Top + 2, ARect.Right - 5, ARect.Bottom);
    const std::string name = FData->GetColName(dataCol);
    const int h = C->TextHeight(name);
    // A sort by several keys numbers its arrows in key order; a sort by one column (with or
    // without a secondary one) shows the one arrow of its column.
    bool sorted = FData->GetLastSortColumn() == dataCol;
    bool ascending = FData->GetLastSortOrder();
    std::string keyNumber;
    const std::vector<TRLSortKey>& keys = FData->GetLastSortKeys();
    if (keys.size() > 1) {
        const auto it = std::find_if(keys.begin(), keys.end(), [&](const TRLSortKey& k) { return k.Col == dataCol; });
        sorted = it != keys.end();
        if (sorted) {
            ascending = it->Ascending;
            keyNumber = std::to_string(it - keys.begin() + 1);
        }
    }
    // The arrow's room: 13 pixels at 96 dpi, growing with the arrow on a denser screen.
    const int arrowRoom = ScaledMetric(13);
    const int a = sorted ? arrowRoom + (keyNumber.empty() ? 0 : C->TextWidth(keyNumber) + 1) : 0;
    const int w = GetColWidths(dataCol);
    const auto lines = SplitLines(name, '\n');
    int arrowOffset = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string line(lines[i]);
        int t = C->TextWidth(line);
        if (w - a - 9 < t && t > 0) {
            const int keep = std::max(1, RoundEven(double(line.size()) * (w - a - 9) / t - 3));
            line = line.substr(0, std::size_t(keep)) + "...";
            t = C->TextWidth(line);
        }
        if (ItalicFont()) t += 2;
        // Line 1 may use the whole cell; later lines their own band of it.
        TRect lr = ARect;
        if (i > 0) {
            lr.Top = std::min(ARect.Top + int(i) * h, ARect.Bottom);
            lr.Bottom = std::min(ARect.Top + int(i + 1) * h, ARect.Bottom);
        }
        int x = textRect.Left, off = 0;
        switch (GetColumnAlignment(dataCol)) {
            case taLeftJustify: off = t + 10; break;
            case taRightJustify: x = textRect.Right - t; off = (textRect.Right - textRect.Left) - t - 11; break;
            case taCenter:
                x = (textRect.Left + textRect.Right) / 2 - t / 2;
                off = (textRect.Right - textRect.Left) / 2 + t / 2 + 10;
                break;
        }
        if (i == 0) arrowOffset = off;
        C->TextRect(lr, x, textRect.Top + int(i) * h, line);
    }
    if (sorted) PaintSortArrow(C, textRect, arrowOffset, w - a + arrowRoom, h, ascending, keyNumber);
    // The raised edge, kept inside the cell so that it does not cross the grid line between
    // two headers: white left and top, gray bottom, and the gray right edge at the right end
    // of the visible columns.
    const int right = std::min(ARect.Right, R);
    Line(C, ThemeColor(trLineLight), {{ARect.Left, ARect.Bottom - 1}, {ARect.Left, ARect.Top}, {right, ARect.Top}});
    if (right == R)
        Line(C, ThemeColor(trLineShadow), {{ARect.Left + 1, ARect.Bottom - 1}, {R - 1, ARect.Bottom - 1}, {R - 1, ARect.Top}});
    else
        Line(C, ThemeColor(trLineShadow), {{ARect.Left + 1, ARect.Bottom - 1}, {right, ARect.Bottom - 1}});
}

// A solid triangle in the header's text colour, 9 pixels wide and 7 high round (x0, y0) at
// 96 dpi (its sizes scale with the form's density):
// pointing up for an ascending sort, down for a descending one; the key's number (in a sort
// by several keys) follows it.
void TReportListView::PaintSortArrow(TCanvas* C, const TRect& TextRect, int Offset, int W, int H,
                                     bool Ascending, const std::string& KeyNumber) {
    auto m = [this](int v) { return ScaledMetric(v); };
    const int x0 = TextRect.Left + std::min(Offset, W - m(11));
    const int y0 = TextRect.Top + H / 2;
    C->GetPen()->SetColor(FColorColumnHdText);
    C->GetPen()->SetWidth(1);
    C->GetBrush()->SetColor(FColorColumnHdText);
    if (Ascending)
        C->Polygon({{x0 - m(4), y0 + m(3)}, {x0, y0 - m(3)}, {x0 + m(4), y0 + m(3)}});
    else
        C->Polygon({{x0 - m(4), y0 - m(3)}, {x0, y0 + m(3)}, {x0 + m(4), y0 - m(3)}});
    C->GetBrush()->SetColor(GetFixedColor());
    if (!KeyNumber.empty()) {
        C->GetBrush()->SetStyle(bsClear);
        C->TextOut(x0 + m(6), TextRect.Top, KeyNumber);
        C->GetBrush()->SetStyle(bsSolid);
    }
}

void TReportListView::PaintEmptyArea(TCanvas* C) {
    const int h0 = HeadRowsHeight();
    // The area starts below the head rows' grid lines, so that the line under the column
    // headers stays; the message keeps its place measured from the head rows' heights.
    C->GetPen()->SetColor(GetColor());
    C->GetBrush()->SetColor(GetColor());
    C->Rectangle(0, std::max(h0, VertAxis().fixedBoundary), GetWidth(), GetHeight());
    if (FEmptyMessage.empty()) return;
    C->SetFont(GetFont());
    C->GetFont()->SetColor(FColorEmptyMsg);
    const auto lines = SplitLines(FEmptyMessage, '|');
    const int h = C->TextHeight(FEmptyMessage);
    const int y0 = h0 - int(lines.size()) * h;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string line(lines[i]);
        C->TextOut((GetWidth() - C->TextWidth(line)) / 2,
                   y0 + (GetHeight() - y0 - h) / 2 + h * int(i) - 2, line);
    }
}

// The line lies on the top edge of its data row for any number of head rows.
void TReportListView::PaintInterRowIndicator(TCanvas* C) {
    const int pos = FInterRowIndicatorPos;
    if (pos == 0 || pos < GetTopRow() || pos > GetNrOfShownRows() + 1) return;
    // The grid line above the row (below the last row for the position after it).
    int y;
    if (pos <= GetNrOfShownRows()) {
        const TRect r = CellRect(0, GridRowOfDataRow(pos));
        if (r.Bottom <= r.Top) return;   // scrolled below the visible rows
        y = r.Top - 1;
    } else {
        const TRect r = CellRect(0, GridRowOfDataRow(pos - 1));
        if (r.Bottom <= r.Top) return;
        y = r.Bottom;
    }
    C->GetPen()->SetColor(FInterRowIndicatorColor);
    C->GetPen()->SetWidth(FInterRowIndicatorWidth);
    C->MoveTo(0, y);
    C->LineTo(GetWidth(), y);
    C->GetPen()->SetWidth(1);
}

}  // namespace zyn
