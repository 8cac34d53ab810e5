// Page "Folder tree": a tree view over the project's own source folders, read from disk as
// folders are opened, with the chosen entry's details and the first lines of a chosen
// file beside it.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "apps/gallery/GalleryPage.h"
#include "platform/ComCtrls.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "platform/Forms.h"

using namespace vcl;
namespace fs = std::filesystem;

namespace gallery {

namespace {

constexpr int kPreviewLines = 18;

// Entries worth showing: no hidden files, no build output.
bool Shown(const fs::directory_entry& E) {
    std::string name = E.path().filename().string();
    return !name.empty() && name[0] != '.' && name.rfind("build", 0) != 0 && name != "out";
}

class FolderPage {
public:
    explicit FolderPage(PageContext& Page) : page_(Page) {
        tree_ = new TTreeView(Page.Form);
        tree_->SetParent(Page.Host);
        tree_->SetBounds(20, 16, 300, 470);
        tree_->SetParentColor(false);
        tree_->SetColor(clWindow);
        // A bevelled frame in place of the flat line: sunk in, then a raised rim, with two
        // pixels of the tree's colour before the entries.
        tree_->SetBorderStyle(bsNone);
        tree_->SetBevelKind(bkTile);
        tree_->SetBevelOuter(bvLowered);
        tree_->SetBevelInner(bvRaised);
        tree_->SetBorderWidth(2);
        tree_->SetOnExpanding([this](TObject*, TTreeNode* Node, bool& Allow) { Allow = Fill(Node); });
        tree_->SetOnChange([this](TObject*, TTreeNode* Node) { ShowDetails(Node); });

        path_ = Detail("Path", 16);
        kind_ = Detail("Kind", 62);
        size_ = Detail("Size", 108);
        preview_ = new TMemo(Page.Form);
        preview_->SetParent(Page.Host);
        preview_->SetBounds(340, 160, 430, 326);
        preview_->SetReadOnly(true);
        preview_->GetFont()->SetName("Courier New");

        root_ = fs::path(GALLERY_SOURCE_DIR);
        TTreeNode* top = Add(nullptr, root_);
        top->SetText("zynguipack");
        top->Expand(false);
        // Open the folders this page itself comes from, so the tree shows some depth.
        if (TTreeNode* apps = Find(top, "apps"); apps != nullptr) {
            apps->Expand(false);
            if (TTreeNode* gallery = Find(apps, "gallery"); gallery != nullptr) {
                gallery->Expand(false);
                if (TTreeNode* pages = Find(gallery, "pages"); pages != nullptr) {
                    pages->Expand(false);
                    if (TTreeNode* file = Find(pages, "FolderTree.cpp"); file != nullptr) tree_->SetSelected(file);
                }
            }
        }
        Page.Watch("selected", [this] {
            TTreeNode* n = tree_->GetSelected();
            return n != nullptr ? n->GetText() : std::string();
        });
    }

private:
    TLabel* Detail(const char* Caption, int Top) {
        auto* c = new TLabel(page_.Form);
        c->SetParent(page_.Host);
        c->SetBounds(340, Top, 420, 16);
        c->SetCaption(Caption);
        c->GetFont()->SetColor(clGrayText);
        auto* v = new TLabel(page_.Form);
        v->SetParent(page_.Host);
        v->SetBounds(340, Top + 18, 430, 18);
        v->GetFont()->SetStyle({fsBold});
        return v;
    }

    TTreeNode* Add(TTreeNode* Parent, const fs::path& Path) {
        paths_.push_back(Path);
        auto* node = tree_->GetItems()->AddChildObject(Parent, Path.filename().string(),
                                                        reinterpret_cast<void*>(paths_.size() - 1));
        std::error_code ec;
        if (fs::is_directory(Path, ec)) node->SetHasChildren(!fs::is_empty(Path, ec));
        return node;
    }

    const fs::path& PathOf(TTreeNode* Node) const {
        return paths_[reinterpret_cast<std::size_t>(Node->GetData())];
    }

    static TTreeNode* Find(TTreeNode* Parent, const std::string& Name) {
        for (TTreeNode* n = Parent->GetFirstChild(); n != nullptr; n = n->GetNextSibling())
            if (n->GetText() == Name) return n;
        return nullptr;
    }

    // Reads a folder the first time it opens: folders first, then files, each by name.
    bool Fill(TTreeNode* Node) {
        if (Node->GetCount() > 0) return true;
        std::vector<fs::directory_entry> folders, files;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(PathOf(Node), ec)) {
            if (!Shown(e)) continue;
            (e.is_directory(ec) ? folders : files).push_back(e);
        }
        if (ec) return false;
        auto byName = [](const fs::directory_entry& a, const fs::directory_entry& b) {
            return a.path().filename() < b.path().filename();
        };
        std::sort(folders.begin(), folders.end(), byName);
        std::sort(files.begin(), files.end(), byName);
        tree_->GetItems()->BeginUpdate();
        for (const auto& e : folders) Add(Node, e.path());
        for (const auto& e : files) Add(Node, e.path());
        tree_->GetItems()->EndUpdate();
        if (Node->GetCount() == 0) Node->SetHasChildren(false);
        return Node->GetCount() > 0;
    }

    void ShowDetails(TTreeNode* Node) {
        preview_->GetLines()->Clear();
        if (Node == nullptr) return;
        const fs::path& p = PathOf(Node);
        std::error_code ec;
        std::string relative = fs::relative(p, root_, ec).generic_string();
        path_->SetCaption(relative == "." ? "/" : relative);
        if (fs::is_directory(p, ec)) {
            int folders = 0, files = 0;
            for (const auto& e : fs::directory_iterator(p, ec))
                if (Shown(e)) ++(e.is_directory(ec) ? folders : files);
            kind_->SetCaption("Folder");
            size_->SetCaption(IntToStr(folders) + " folders, " + IntToStr(files) + " files");
            return;
        }
        kind_->SetCaption("File (" + (p.has_extension() ? p.extension().string().substr(1) : "no extension") + ")");
        size_->SetCaption(IntToStr(std::int64_t(fs::file_size(p, ec))) + " bytes");
        std::ifstream in(p);
        std::string line;
        for (int i = 0; i < kPreviewLines && std::getline(in, line); ++i) preview_->GetLines()->Add(line);
    }

    PageContext page_;
    TTreeView* tree_ = nullptr;
    TLabel *path_ = nullptr, *kind_ = nullptr, *size_ = nullptr;
    TMemo* preview_ = nullptr;
    fs::path root_;
    std::vector<fs::path> paths_;   // node Data is an index into this
};

}  // namespace

void BuildFolderTreePage(PageContext& Page) { Page.Keep(std::make_unique<FolderPage>(Page)); }

}  // namespace gallery
