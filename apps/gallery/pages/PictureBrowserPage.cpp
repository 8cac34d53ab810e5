// Page "Picture browser": a folder tree beside thumbnails of the pictures in the chosen
// folder. The page paints a small collection of pictures into folders of its own under the
// system's temporary folder and maps drive "C:" there, so the tree's root is the
// collection. Clicking a picture names it; double-clicking marks it as a favourite; the
// wheel scrolls the thumbnails; two buttons make and remove folders.
#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "apps/gallery/GalleryPage.h"
#include "foldertree/Zyn_FolderTree.h"
#include "platform/ExtCtrls.h"
#include "platform/Graphics.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "thumbnails/Zyn_Thumbnails.h"

using namespace vcl;
using namespace zyn;
namespace fs = std::filesystem;

namespace gallery {

namespace {

// ---- the pictures -----------------------------------------------------------------------

TColor Mix(TColor A, TColor B, double T) {
    auto ch = [T](int a, int b) { return int(std::lround(a + (b - a) * T)); };
    return RGB(ch(GetRValue(A), GetRValue(B)), ch(GetGValue(A), GetGValue(B)), ch(GetBValue(A), GetBValue(B)));
}

// A sky from Top (colour A) down to the horizon at row H (colour B).
void Sky(TCanvas* C, int W, int H, TColor A, TColor B) {
    for (int y = 0; y < H; ++y) {
        C->GetPen()->SetColor(Mix(A, B, double(y) / std::max(1, H - 1)));
        C->MoveTo(0, y);
        C->LineTo(W, y);
    }
}

void Shape(TCanvas* C, TColor Color, std::initializer_list<TPoint> Points) {
    C->GetPen()->SetColor(Color);
    C->GetBrush()->SetColor(Color);
    C->Polygon(Points);
}

void Disc(TCanvas* C, TColor Color, int X, int Y, int R) {
    C->GetPen()->SetColor(Color);
    C->GetBrush()->SetColor(Color);
    C->Ellipse(X - R, Y - R, X + R + 1, Y + R + 1);
}

struct Painting {
    const char* File;
    int W, H;
    void (*Paint)(TCanvas* C, int W, int H);
};

const Painting kPaintings[] = {
    {"Landscapes/Sunset over the hills.png", 320, 240,
     [](TCanvas* C, int W, int H) {
         Sky(C, W, H, RGB(40, 40, 110), RGB(250, 150, 60));
         Disc(C, RGB(255, 210, 90), 215, 150, 34);
         Shape(C, RGB(70, 40, 80), {{0, 170}, {90, 120}, {190, 175}, {260, 140}, {320, 165}, {320, 240}, {0, 240}});
         Shape(C, RGB(35, 25, 50), {{0, 205}, {120, 175}, {230, 210}, {320, 190}, {320, 240}, {0, 240}});
     }},
    {"Landscapes/Mountain lake.png", 360, 240,
     [](TCanvas* C, int W, int) {
         Sky(C, W, 140, RGB(120, 170, 230), RGB(210, 230, 250));
         Shape(C, RGB(110, 110, 130), {{0, 140}, {110, 40}, {200, 140}});
         Shape(C, RGB(90, 95, 115), {{130, 140}, {250, 25}, {360, 140}});
         Shape(C, RGB(250, 250, 255), {{110, 40}, {132, 60}, {88, 60}});
         Shape(C, RGB(250, 250, 255), {{250, 25}, {276, 50}, {224, 50}});
         for (int y = 140; y < 240; ++y) {
             C->GetPen()->SetColor(Mix(RGB(60, 110, 170), RGB(20, 50, 100), (y - 140) / 100.0));
             C->MoveTo(0, y);
             C->LineTo(W, y);
         }
         C->GetPen()->SetColor(RGB(150, 190, 230));
         for (int y = 150; y < 235; y += 14) {
             C->MoveTo(40 + (y * 7) % 90, y);
             C->LineTo(120 + (y * 7) % 90, y);
         }
     }},
    {"Landscapes/Dunes.png", 480, 160,
     [](TCanvas* C, int W, int H) {
         Sky(C, W, H, RGB(90, 160, 220), RGB(240, 220, 180));
         Shape(C, RGB(225, 170, 100), {{0, 110}, {140, 70}, {300, 115}, {480, 80}, {480, 160}, {0, 160}});
         Shape(C, RGB(200, 140, 75), {{0, 140}, {200, 105}, {380, 150}, {480, 130}, {480, 160}, {0, 160}});
     }},
    {"Landscapes/Night sky.bmp", 320, 240,
     [](TCanvas* C, int W, int H) {
         Sky(C, W, H, RGB(5, 10, 35), RGB(30, 40, 90));
         unsigned seed = 12345;
         for (int i = 0; i < 90; ++i) {
             seed = seed * 1103515245u + 12345u;
             const int x = int(seed >> 8) % W, y = int(seed >> 20) % (H - 40);
             C->SetPixels(x, y, i % 7 == 0 ? RGB(255, 240, 180) : clWhite);
         }
         Disc(C, RGB(245, 240, 210), 250, 60, 26);
         Disc(C, RGB(12, 18, 50), 262, 52, 24);
         Shape(C, RGB(10, 10, 20), {{0, 215}, {80, 195}, {170, 220}, {320, 200}, {320, 240}, {0, 240}});
     }},
    {"Landscapes/Archive/Old harbour.png", 320, 220,
     [](TCanvas* C, int W, int H) {
         Sky(C, W, H, RGB(200, 190, 160), RGB(150, 130, 100));
         Shape(C, RGB(90, 70, 50), {{40, 170}, {140, 170}, {125, 190}, {55, 190}});
         Shape(C, RGB(230, 220, 200), {{88, 90}, {88, 165}, {130, 165}});
         Shape(C, RGB(100, 90, 80), {{200, 100}, {320, 100}, {320, 190}, {200, 190}});
     }},
    {"Patterns/Checker.png", 240, 240,
     [](TCanvas* C, int, int) {
         for (int j = 0; j < 8; ++j)
             for (int i = 0; i < 8; ++i) {
                 C->GetBrush()->SetColor((i + j) % 2 ? RGB(40, 60, 90) : RGB(235, 225, 200));
                 C->FillRect(Rect(i * 30, j * 30, i * 30 + 30, j * 30 + 30));
             }
     }},
    {"Patterns/Rings.png", 240, 240,
     [](TCanvas* C, int, int) {
         const TColor colours[] = {RGB(230, 60, 60), RGB(240, 150, 40), RGB(240, 220, 60),
                                   RGB(80, 180, 90), RGB(60, 130, 220), RGB(120, 80, 190)};
         C->GetBrush()->SetColor(clWhite);
         C->FillRect(Rect(0, 0, 240, 240));
         for (int r = 115, k = 0; r > 0; r -= 16, ++k) Disc(C, colours[k % 6], 120, 120, r);
     }},
    {"Patterns/Stripes.png", 200, 300,
     [](TCanvas* C, int, int H) {
         for (int x = 0; x < 200; x += 25) {
             C->GetBrush()->SetColor(Mix(RGB(20, 120, 140), RGB(240, 200, 80), x / 200.0));
             C->FillRect(Rect(x, 0, x + 25, H));
         }
     }},
    {"Patterns/Tiles.bmp", 300, 200,
     [](TCanvas* C, int, int) {
         for (int j = 0; j < 4; ++j)
             for (int i = 0; i < 6; ++i) {
                 C->GetBrush()->SetColor(RGB(60 + i * 30, 90 + j * 35, 200 - i * 20));
                 C->FillRect(Rect(i * 50 + 2, j * 50 + 2, i * 50 + 48, j * 50 + 48));
             }
     }},
    {"Portraits/Lighthouse.png", 180, 320,
     [](TCanvas* C, int W, int) {
         Sky(C, W, 240, RGB(110, 160, 220), RGB(220, 235, 250));
         C->GetBrush()->SetColor(RGB(40, 80, 140));
         C->FillRect(Rect(0, 240, W, 320));
         Shape(C, RGB(240, 240, 235), {{75, 70}, {105, 70}, {115, 260}, {65, 260}});
         for (int y = 100; y < 260; y += 50) Shape(C, RGB(200, 40, 40), {{72, y}, {108, y}, {111, y + 20}, {69, y + 20}});
         Shape(C, RGB(50, 50, 50), {{70, 50}, {110, 50}, {110, 70}, {70, 70}});
         Disc(C, RGB(255, 230, 120), 90, 60, 7);
     }},
    {"Portraits/Poplar.png", 200, 300,
     [](TCanvas* C, int W, int) {
         Sky(C, W, 250, RGB(150, 200, 240), RGB(235, 245, 250));
         C->GetBrush()->SetColor(RGB(110, 160, 70));
         C->FillRect(Rect(0, 250, W, 300));
         Shape(C, RGB(90, 60, 40), {{95, 200}, {105, 200}, {107, 262}, {93, 262}});
         C->GetPen()->SetColor(RGB(40, 110, 50));
         C->GetBrush()->SetColor(RGB(50, 130, 60));
         C->Ellipse(60, 20, 141, 230);
     }},
};

// The collection's folder goes when the program ends, however the gallery's form does.
struct CollectionFolder {
    fs::path Path;
    ~CollectionFolder() {
        std::error_code ignored;
        if (!Path.empty()) fs::remove_all(Path, ignored);
    }
};

// Paints the collection under a new folder and gives its path.
fs::path PaintCollection() {
    static CollectionFolder folder;
    const fs::path root = fs::temp_directory_path() / ("zyn-gallery-pictures-" + std::to_string(::getpid()));
    fs::remove_all(root);
    folder.Path = root;
    for (const Painting& p : kPaintings) {
        const fs::path file = root / p.File;
        fs::create_directories(file.parent_path());
        TBitmap bmp;
        bmp.SetPixelFormat(pf24bit);
        bmp.SetSize(p.W, p.H);
        p.Paint(bmp.GetCanvas(), p.W, p.H);
        bmp.SaveToFile(file.string());
    }
    fs::create_directories(root / "Empty");
    fs::create_directories(root / ".cache");   // never shown by the tree
    return root;
}

bool IsPicture(const std::string& Name) {
    const std::string ext = LowerCase(ExtractFileExt(Name));
    return ext == ".png" || ext == ".bmp" || ext == ".jpg" || ext == ".jpeg";
}

// ---- the page ---------------------------------------------------------------------------

class PictureBrowserPage {
public:
    explicit PictureBrowserPage(PageContext& Page) : page_(Page) {
        try {
            root_ = PaintCollection();
            SetDriveMapping('C', root_.string());
        } catch (const std::exception&) {
            // Without a writable temporary folder the tree shows the file system itself.
        }

        auto* heading = new TLabel(Page.Form);
        heading->SetParent(Page.Host);
        heading->SetBounds(20, 10, 400, 20);
        heading->SetCaption("Picture collection");
        heading->GetFont()->SetStyle({fsBold});

        tree_ = new TFolderTree(Page.Form);
        tree_->SetParent(Page.Host);
        tree_->SetBounds(20, 36, 210, 440);
        tree_->SetAccessibleName("Picture folders");
        tree_->SetHideSelection(false);
        tree_->SetOnDirChanged([this](TObject*) { ShowFolder(); });

        thumbs_ = new TThumbnails(Page.Form);
        thumbs_->SetParent(Page.Host);
        thumbs_->SetBounds(244, 36, 540, 440);
        thumbs_->SetAccessibleName("Pictures");
        thumbs_->SetSlideSize(108);
        thumbs_->SetSlideMargin(6);
        thumbs_->SetSlideDistance(6);
        page_.FollowTheme([this] {
            thumbs_->SetColorBackGnd(ThemePick(TColor(0x00E6DCD2), RGB(0x24, 0x28, 0x2C), clBlack));
            thumbs_->SetColorCover(ThemePick(TColor(0x00F4F0EC), RGB(0x3A, 0x3E, 0x44), RGB(0x1A, 0x1A, 0x1A)));
        });
        thumbs_->SetColorSelected(TColor(0x00C08040));
        thumbs_->SetColorFocus(TColor(0x000080FF));
        thumbs_->SetColorMark(TColor(0x0000A0FF));
        thumbs_->SetFocusLinewidth(2);
        thumbs_->SetAntiAlias(true);
        thumbs_->SetOnImageRequest([this](TObject*, int Id, TImageRequestProcessing& How, int& Mark, TBitmap* Buffer) {
            Request(Id, How, Mark, Buffer);
        });
        thumbs_->SetOnImageClick([this](TObject*, int, int, int Id) { Clicked(Id); });
        thumbs_->SetOnImageDblClick([this](TObject*, int, int, int Id) { ToggleFavourite(Id); });
        thumbs_->SetOnMouseWheel([this](TObject*, TShiftState, int Delta, TPoint, bool& Handled) {
            const int rows = Delta > 0 ? -1 : 1;
            thumbs_->SetFirstThumbIdx(thumbs_->GetFirstThumbIdx() + rows * thumbs_->GetNumSlidesHoriz());
            Handled = true;
        });

        info_ = new TLabel(Page.Form);
        info_->SetParent(Page.Host);
        info_->SetBounds(244, 486, 540, 18);
        hint_ = new TLabel(Page.Form);
        hint_->SetParent(Page.Host);
        hint_->SetBounds(244, 508, 540, 18);
        hint_->SetCaption("Click a picture to name it, double-click it to mark it as a favourite.");
        hint_->GetFont()->SetColor(clGrayText);

        auto* make = new TButton(Page.Form);
        make->SetParent(Page.Host);
        make->SetBounds(20, 486, 100, 26);
        make->SetCaption("New folder");
        make->SetOnClick([this](TObject*) {
            const std::string name = "New folder " + IntToStr(++made_);
            Status(tree_->MakeSubFolder(name) ? "Made " + name : "No folder could be made here");
        });
        auto* remove = new TButton(Page.Form);
        remove->SetParent(Page.Host);
        remove->SetBounds(130, 486, 100, 26);
        remove->SetCaption("Remove folder");
        remove->SetOnClick([this](TObject*) {
            Status(tree_->RemoveSelectedFolder() ? "Removed" : "Only an empty folder other than the root can go");
        });

        // The tree resets itself when its window is made; make it now, then open a folder.
        tree_->HandleNeeded();
        tree_->SelectPath("C:\\Landscapes\\");
        // The lake is chosen and a favourite.
        thumbs_->SetSlideSelected(2, true);
        Clicked(2);
        ToggleFavourite(2);

        Page.Watch("directory", [this] { return tree_->GetDirectory(); });
        Page.Watch("pictures", [this] { return IntToStr(int(pictures_.size())); });
        Page.Watch("selected", [this] { return IntToStr(thumbs_->GetFirstSelectedSlide()); });
    }

    ~PictureBrowserPage() {
        if (!root_.empty()) ClearDriveMappings();
    }

private:
    // The pictures of the chosen folder, by name, as slides 1 .. n (none: Min above Max).
    void ShowFolder() {
        pictures_.clear();
        favourites_.clear();
        const std::string dir = tree_->GetDirectory();
        TSearchRec rec;
        for (int r = FindFirst(dir + "*.*", faAnyFile & ~faDirectory, rec); r == 0; r = FindNext(rec))
            if ((rec.Attr & faDirectory) == 0 && IsPicture(rec.Name)) pictures_.push_back(rec.Name);
        FindClose(rec);
        const int n = int(pictures_.size());
        thumbs_->ResetAllSelections();
        thumbs_->SetMin(n > 0 ? 1 : 2);
        thumbs_->SetMax(n > 0 ? n : 1);
        thumbs_->SetFirstThumbIdx(1);
        Status(n == 0 ? "No pictures in " + dir : IntToStr(n) + (n == 1 ? " picture in " : " pictures in ") + dir);
        page_.Record("folder", dir);
    }

    TBitmap* Picture(int Id) {
        if (Id < 1 || Id > int(pictures_.size())) return nullptr;
        const std::string path = tree_->GetDirectory() + pictures_[std::size_t(Id - 1)];
        auto& cached = cache_[path];
        if (!cached) {
            cached = std::make_unique<TBitmap>();
            try {
                cached->LoadFromFile(HostPath(path));
            } catch (const Exception&) {
                cached->SetSize(0, 0);   // shown as an empty slide
            }
        }
        return cached.get();
    }

    void Request(int Id, TImageRequestProcessing& How, int& Mark, TBitmap* Buffer) {
        TBitmap* picture = Picture(Id);
        if (picture == nullptr || picture->Empty()) return;
        Buffer->Assign(picture);
        How = irpShowSlide;
        if (favourites_.count(Id) != 0) Mark = 37;   // a filled star
    }

    void Clicked(int Id) {
        TBitmap* picture = Picture(Id);
        if (picture == nullptr) {
            info_->SetCaption("");
            return;
        }
        const std::string text = pictures_[std::size_t(Id - 1)] + "  \u00B7  " + IntToStr(picture->GetWidth()) +
                                 " \u00D7 " + IntToStr(picture->GetHeight()) + " pixels";
        info_->SetCaption(text);
        page_.Record("clicked", pictures_[std::size_t(Id - 1)]);
    }

    void ToggleFavourite(int Id) {
        if (Picture(Id) == nullptr) return;
        if (!favourites_.erase(Id)) favourites_[Id] = true;
        thumbs_->Invalidate();
    }

    void Status(const std::string& Text) { info_->SetCaption(Text); }

    PageContext page_;
    fs::path root_;
    TFolderTree* tree_ = nullptr;
    TThumbnails* thumbs_ = nullptr;
    TLabel* info_ = nullptr;
    TLabel* hint_ = nullptr;
    std::vector<std::string> pictures_;
    std::map<int, bool> favourites_;
    std::map<std::string, std::unique_ptr<TBitmap>> cache_;
    int made_ = 0;
};

}  // namespace

void BuildPictureBrowserPage(PageContext& Page) { Page.Keep(std::make_unique<PictureBrowserPage>(Page)); }

}  // namespace gallery
