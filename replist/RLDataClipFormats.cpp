// The container's clipboard beyond its text: the copied cells as CSV and as an HTML table,
// offered together with the text so that a spreadsheet or a mail takes the table whole.
#include "framework/Zyn_tableclip.h"
#include "platform/Clipbrd.h"
#include "replist/Zyn_replist.h"

namespace zyn {

void TRLData::OfferClipboard(const std::string& Text, int LeftCol, int TopRow, int RightCol, int BottomRow,
                             bool AddHeader) const {
    ClampRange(LeftCol, RightCol, 0, FNrOfCols);
    ClampRange(TopRow, BottomRow, 1, FNrOfRows);
    TClipRows rows;
    if (AddHeader) {
        std::vector<TClipCell>& names = rows.emplace_back();
        for (int c = LeftCol; c <= RightCol; ++c) names.push_back({GetColName(c), false});
    }
    for (int r = TopRow; r <= BottomRow; ++r) {
        std::vector<TClipCell>& row = rows.emplace_back();
        for (int c = LeftCol; c <= RightCol; ++c) {
            std::string s = GetElem(c, r);
            const bool number = ClipTextIsNumber(s);
            row.push_back({std::move(s), number});
        }
    }
    vcl::TClipboard* clip = vcl::Clipboard();
    clip->Open();
    try {
        clip->SetAsText(Text);
        clip->SetAsFormat(MimeCsv, TableToCsv(rows));
        clip->SetAsFormat(MimeHtml, TableToHtml(rows));
    } catch (...) {
        clip->Close();
        throw;
    }
    clip->Close();
}

}  // namespace zyn
