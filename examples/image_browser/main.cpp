// An image browser: a folder tree beside thumbnails of the pictures (PNG, JPEG, BMP) in the
// folder chosen in it. The tree shows one folder of the host as drive C: and loads each
// branch when it is opened; the thumbnails ask the program for each picture when they
// need it, so a folder of thousands costs nothing until it is scrolled to.
//
//   image_browser [FOLDER]              opens the browser on FOLDER (default: the current one)
//   image_browser [FOLDER] --png FILE   draws it without a window and saves it as PNG
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "foldertree/Zyn_FolderTree.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "thumbnails/Zyn_Thumbnails.h"

using namespace vcl;
using namespace zyn;

bool IsPicture(const std::string& Name) {
    const std::string ext = LowerCase(ExtractFileExt(Name));
    return ext == ".png" || ext == ".bmp" || ext == ".jpg" || ext == ".jpeg";
}

int main(int argc, char** argv) {
    std::string png, root = GetCurrentDir();
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--png" && i + 1 < argc) png = argv[++i];
        else root = argv[i];
    }
    if (!png.empty()) setenv("ZYN_BACKEND", "headless", 1);

    try {
        // The tree speaks in drive paths ("C:\photos\"); C: stands for the chosen folder.
        SetDriveMapping('C', root);
        auto* form = new TForm(Application);
        form->SetCaption("Image browser - " + root);
        form->SetClientWidth(720);
        form->SetClientHeight(440);

        auto* tree = new TFolderTree(form);
        tree->SetParent(form);
        tree->SetBounds(10, 10, 200, 420);
        tree->SetHideSelection(false);

        auto* thumbs = new TThumbnails(form);
        thumbs->SetParent(form);
        thumbs->SetBounds(220, 10, 490, 392);
        thumbs->SetSlideSize(108);
        thumbs->SetSlideMargin(6);
        thumbs->SetSlideDistance(6);
        thumbs->SetAntiAlias(true);

        auto* info = new TLabel(form);
        info->SetParent(form);
        info->SetBounds(220, 412, 490, 20);

        // The pictures of the chosen folder are slides 1..n; each is loaded once.
        std::vector<std::string> names;
        std::map<int, std::unique_ptr<TBitmap>> cache;
        auto picture = [&](int Id) -> TBitmap* {
            if (Id < 1 || Id > int(names.size())) return nullptr;
            auto& bmp = cache[Id];
            if (!bmp) {
                bmp = std::make_unique<TBitmap>();
                try {
                    bmp->LoadFromFile(HostPath(tree->GetDirectory() + names[Id - 1]));
                } catch (const Exception&) {
                    bmp->SetSize(0, 0);   // unreadable: an empty slide
                }
            }
            return bmp.get();
        };
        thumbs->SetOnImageRequest([&](TObject*, int Id, TImageRequestProcessing& How, int&, TBitmap* Buffer) {
            TBitmap* p = picture(Id);
            if (p == nullptr || p->Empty()) return;
            Buffer->Assign(p);
            How = irpShowSlide;
        });
        thumbs->SetOnImageClick([&](TObject*, int, int, int Id) {
            if (TBitmap* p = picture(Id))
                info->SetCaption(names[Id - 1] + "  " + IntToStr(p->GetWidth()) + " x " +
                                 IntToStr(p->GetHeight()) + " pixels");
        });
        tree->SetOnDirChanged([&](TObject*) {
            names.clear();
            cache.clear();
            TSearchRec rec;
            for (int r = FindFirst(tree->GetDirectory() + "*.*", faAnyFile & ~faDirectory, rec); r == 0;
                 r = FindNext(rec))
                if ((rec.Attr & faDirectory) == 0 && IsPicture(rec.Name)) names.push_back(rec.Name);
            FindClose(rec);
            const int n = int(names.size());
            thumbs->ResetAllSelections();
            thumbs->SetMin(n > 0 ? 1 : 2);   // no slides: Min above Max
            thumbs->SetMax(n > 0 ? n : 1);
            thumbs->SetFirstThumbIdx(1);
            info->SetCaption(IntToStr(n) + (n == 1 ? " picture in " : " pictures in ") + tree->GetDirectory());
        });

        // The tree fills itself when its window is made; make it now, then open the root.
        tree->HandleNeeded();
        tree->SelectPath("C:\\");

        form->Show();
        if (!png.empty()) {
            Application->ProcessMessages();
            form->SaveToPNG(png);
        } else if (Backend()->IsInteractive()) {
            Application->Run();
        } else {
            std::fprintf(stderr, "image_browser: no display here; try --png FILE\n");
        }
        delete form;
        ClearDriveMappings();
    } catch (const Exception& e) {
        std::fprintf(stderr, "image_browser: %s\n", e.Message().c_str());
        return 1;
    }
    return 0;
}
