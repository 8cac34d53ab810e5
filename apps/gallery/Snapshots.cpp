// Page snapshots and the contact sheet (see Snapshots.h).
#include "apps/gallery/Snapshots.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "apps/gallery/GalleryForm.h"
#include "platform/SysUtils.h"
#include "platform/Win32.h"

using namespace vcl;

namespace gallery {

namespace {

constexpr int SheetColumns = 3;
constexpr int SheetMargin = 24;
constexpr int CaptionHeight = 28;

// Lays the pictures out at half size with their titles under them.
std::unique_ptr<TBitmap> ContactSheet(const std::vector<std::unique_ptr<TBitmap>>& Shots) {
    int thumbW = 0, thumbH = 0;
    for (const auto& s : Shots) {
        thumbW = std::max(thumbW, s->GetWidth() / 2);
        thumbH = std::max(thumbH, s->GetHeight() / 2);
    }
    int count = static_cast<int>(Shots.size());
    int columns = std::min(SheetColumns, std::max(1, count));
    int rows = (count + columns - 1) / columns;
    auto sheet = std::make_unique<TBitmap>();
    sheet->SetPixelFormat(pf24bit);
    sheet->SetSize(SheetMargin + columns * (thumbW + SheetMargin),
                   SheetMargin + rows * (thumbH + CaptionHeight + SheetMargin));
    TCanvas* c = sheet->GetCanvas();
    c->GetBrush()->SetColor(TColor(0xEEE9E4));
    c->FillRect(Rect(0, 0, sheet->GetWidth(), sheet->GetHeight()));
    c->SetStretchBltMode(HALFTONE);
    c->GetFont()->SetName("Arial");
    c->GetFont()->SetSize(11);
    c->GetFont()->SetStyle({fsBold});
    c->GetFont()->SetColor(TColor(0x404040));
    for (int i = 0; i < count; ++i) {
        const TBitmap* shot = Shots[i].get();
        int x = SheetMargin + (i % columns) * (thumbW + SheetMargin);
        int y = SheetMargin + (i / columns) * (thumbH + CaptionHeight + SheetMargin);
        int w = shot->GetWidth() / 2, h = shot->GetHeight() / 2;
        // A soft shadow under each picture.
        c->GetBrush()->SetColor(TColor(0xCFC8C2));
        c->FillRect(Rect(x + 3, y + 3, x + w + 3, y + h + 3));
        c->StretchDraw(Rect(x, y, x + w, y + h), const_cast<TBitmap*>(shot));
        c->GetBrush()->SetStyle(bsClear);
        c->TextOut(x, y + h + 8, Pages()[i].Title);
        c->GetBrush()->SetStyle(bsSolid);
    }
    return sheet;
}

}  // namespace

void WritePageSnapshots(TGalleryForm* Form, const std::string& Dir) {
    if (!ForceDirectories(Dir)) throw EInOutError("Cannot create the folder \"" + Dir + "\"");
    std::vector<std::unique_ptr<TBitmap>> shots;
    for (int i = 0; i < Form->GetPageCount(); ++i) {
        Form->ShowPage(i);
        Application->ProcessMessages();
        std::string file = Dir + "/" + Pages()[i].Id + ".png";
        Form->SaveToPNG(file);
        shots.push_back(Form->Snapshot());
        std::printf("%s\n", file.c_str());
    }
    auto sheet = ContactSheet(shots);
    sheet->SaveToFile(Dir + "/gallery.png");
    std::printf("%s\n", (Dir + "/gallery.png").c_str());
}

}  // namespace gallery
