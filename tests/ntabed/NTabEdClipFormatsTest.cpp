// The table editor's clipboard formats: Copy offers text, CSV and an HTML table together;
// Extract from Clipboard reads a spreadsheet's HTML table when one is offered (one undo
// step), otherwise the text as before; Ctrl+C and Ctrl+V.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "NTabEdTestSupport.h"
#include "tests/support/SpreadsheetHtml.h"

using namespace zyn;
using namespace ntabed_test;

using NTabEdClipFormats = NTabEdTest;

TEST_F(NTabEdClipFormats, CopyOffersTextCsvAndHtml) {
    FillSample();
    ed->SetClipboardUseFullPrec(false);
    ed->SetPrecision(1, 2);
    ed->SetPrecision(2, 0);
    ed->SetElem(2, 2, -1234.25);
    ed->SetCellState(1, 2, dtsEmpty);
    Select(2, 1, 3, 2);   // data cells (1,1)..(2,2)
    ed->PopupMenuClickCopy(nullptr);
    vcl::TClipboard* clip = vcl::Clipboard();
    EXPECT_EQ(clip->GetFormats(), (std::vector<std::string>{"text/plain", "text/csv", "text/html"}));
    EXPECT_EQ(clip->GetAsText(), " 11.00\t21\r\n ####\t-1234\r\n");   // as before
    EXPECT_EQ(clip->GetAsFormat("text/csv"), "11.00,21\r\n,-1234\r\n");
    const std::string html = clip->GetAsFormat("text/html");
    EXPECT_NE(html.find("<tr><td align=\"right\" style=\"text-align:right\">11.00</td>"
                        "<td align=\"right\" style=\"text-align:right\">21</td></tr>"),
              std::string::npos);
    EXPECT_NE(html.find("<tr><td></td><td align=\"right\" style=\"text-align:right\">-1234</td></tr>"),
              std::string::npos);

    // Ctrl+C does the same from the keyboard.
    clip->Clear();
    ed->SetFocus();
    vcl::Input::KeyDown(ed, 'C', {vcl::ssCtrl});
    EXPECT_EQ(clip->GetAsFormat("text/csv"), "11.00,21\r\n,-1234\r\n");
}

TEST_F(NTabEdClipFormats, ExtractReadsASpreadsheetTable) {
    ed->Redimension(5, 4);
    FillSample();
    ed->Data->SetMScaleType(1, mstNominal);
    ed->Data->SetNominalID(1, 2, "Fish & chips");
    ed->SetCellState(2, 1, dtsMarkA);
    ed->ClearUndo();
    ResetCounts();
    vcl::TClipboard* clip = vcl::Clipboard();
    clip->Open();
    clip->SetAsText("9 9 9 9\r\n");
    clip->SetAsFormat("text/html", zyn_test::SpreadsheetHtml);
    clip->Close();
    Select(2, 1, 2, 1);   // data cell (1,1)
    ed->PopupMenuClickExtClip(nullptr);

    struct TWant {
        int c, r;
        double v;
        std::uint8_t s;
    };
    const TWant want[] = {
        {1, 1, 2, 0},     {2, 1, 1.5, dtsMarkA}, {3, 1, -2, 0},         {4, 1, 0, dtsInvalid},
        {1, 2, 0, dtsInvalid}, {2, 2, 0, dtsEmpty}, {3, 2, 300, 0},     {4, 2, 0, dtsEmpty},
        {1, 3, 4, 0},     {2, 3, 5.25, 0},       {3, 3, 0, dtsEmpty},   {4, 3, 0, dtsInvalid},
    };
    for (const TWant& w : want) {
        EXPECT_DOUBLE_EQ(ed->GetElem(w.c, w.r), w.v) << w.c << "," << w.r;
        EXPECT_EQ(ed->GetCellState(w.c, w.r), w.s) << w.c << "," << w.r;
    }
    EXPECT_DOUBLE_EQ(ed->GetElem(5, 1), 51);   // beyond the table: untouched
    EXPECT_DOUBLE_EQ(ed->GetElem(1, 4), 14);
    EXPECT_EQ(ed->GetSelection(), vcl::TGridRect(2, 1, 5, 3));
    EXPECT_EQ(N("Paste"), 1);
    EXPECT_GE(N("Change"), 1);
    // One step takes the whole paste back.
    EXPECT_EQ(ed->GetUndoHistory().Count(), 1);
    ed->Undo();
    EXPECT_DOUBLE_EQ(ed->GetElem(3, 2), 32);
    EXPECT_EQ(ed->GetCellState(2, 1), dtsMarkA);
    EXPECT_DOUBLE_EQ(ed->GetElem(2, 1), 21);

    // HTML without a table: the text is read as before.
    clip->Open();
    clip->SetAsText("7\t8\r\n");
    clip->SetAsFormat("text/html", "<p>7 8</p>");
    clip->Close();
    Select(2, 4, 2, 4);
    ed->PopupMenuClickExtClip(nullptr);
    EXPECT_DOUBLE_EQ(ed->GetElem(1, 4), 7);
    EXPECT_DOUBLE_EQ(ed->GetElem(2, 4), 8);

    // Ctrl+V pastes from the clipboard; a text that is no table only beeps from the keys.
    clip->SetAsFormat("text/html", "<table><tr><td>-6</td></tr></table>");
    ed->SetFocus();
    vcl::Input::KeyDown(ed, 'V', {vcl::ssCtrl});
    EXPECT_DOUBLE_EQ(ed->GetElem(1, 4), -6);
    clip->SetAsText("\"quoted\"");
    const int beeps = vcl::Testing::BeepCount();
    vcl::Input::KeyDown(ed, 'V', {vcl::ssCtrl});
    EXPECT_EQ(vcl::Testing::BeepCount(), beeps + 1);
    EXPECT_DOUBLE_EQ(ed->GetElem(1, 4), -6);
}
