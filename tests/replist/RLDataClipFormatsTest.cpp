// The container's copy offers the text together with CSV and an HTML table of the cells.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/Zyn_tableclip.h"
#include "platform/Clipbrd.h"
#include "replist/Zyn_replist.h"

using namespace zyn;

TEST(RLDataClipFormats, CopyOffersTextCsvAndHtml) {
    auto d = std::make_unique<TRLData>(nullptr);
    d->SetNrCols(2);
    d->SetNrRows(2);
    d->SetColName(1, "Part");
    d->SetColName(2, "Price");
    d->SetElem(1, 1, "Bolt, 6 mm"), d->SetElem(2, 1, "0.25"), d->SetElem(1, 2, "<Nut>"), d->SetElem(2, 2, "12");
    d->CopyToClipBoard(1, 1, 2, 2, true, true);
    vcl::TClipboard* clip = vcl::Clipboard();
    EXPECT_EQ(clip->GetFormats(), (std::vector<std::string>{"text/plain", "text/csv", "text/html"}));
    EXPECT_EQ(clip->GetAsText(), "Part\tPrice\n\nBolt, 6 mm\t0.25\n<Nut>\t12\n");
    EXPECT_EQ(clip->GetAsFormat("text/csv"), "Part,Price\r\n\"Bolt, 6 mm\",0.25\r\n<Nut>,12\r\n");
    const std::string html = clip->GetAsFormat("text/html");
    EXPECT_NE(html.find("<td>&lt;Nut&gt;</td><td align=\"right\" style=\"text-align:right\">12</td>"),
              std::string::npos);
    std::vector<std::vector<std::string>> back;
    ASSERT_TRUE(ReadHtmlTable(html, back));
    EXPECT_EQ(back, (std::vector<std::vector<std::string>>{{"Part", "Price"}, {"Bolt, 6 mm", "0.25"}, {"<Nut>", "12"}}));
    clip->Clear();
}
