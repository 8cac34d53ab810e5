// Page "Folder tree": the folder tree component over a small set of folders that the page
// makes under the system's temporary folder, the same on every machine. The tree's root
// "C:\" stands for that folder (its own root, so the drive mapping other pages set is left
// alone). Beside it: the chosen folder and its subfolders, and buttons that open every
// branch, make a folder, remove the chosen one and read the disk again. Among the folders
// are a name with a backslash (one folder on this system) and a link back to a folder
// above, which shows without an expand button.
#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "apps/gallery/GalleryPage.h"
#include "foldertree/Zyn_FolderTree.h"
#include "platform/Classes.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

using namespace vcl;
using namespace zyn;
namespace fs = std::filesystem;

namespace gallery {

namespace {

// The folders of the page, removed when the program ends.
struct SampleFolders {
    fs::path Path;
    ~SampleFolders() {
        std::error_code ignored;
        if (!Path.empty()) fs::remove_all(Path, ignored);
    }
};

fs::path MakeSampleFolders() {
    static SampleFolders folders;
    const fs::path root = fs::temp_directory_path() / ("zyn-gallery-folders-" + std::to_string(::getpid()));
    std::error_code ec;
    fs::remove_all(root, ec);
    folders.Path = root;
    for (const char* dir : {"Documents/Invoices/2024", "Documents/Invoices/2025", "Documents/Letters",
                            "Documents/Reports\\2025/Q1", "Documents/Reports\\2025/Q2", "Music/Albums",
                            "Music/Playlists", "Pictures/Family", "Pictures/Holidays/Coast",
                            "Pictures/Holidays/Mountains", "Projects/Garden plan", "Projects/Website/assets",
                            "Projects/Website/pages", ".config/settings"})
        fs::create_directories(root / dir);
    // A link from the web site back to the projects folder above it.
    fs::create_directory_symlink("..", root / "Projects" / "Website" / "All projects", ec);
    return root;
}

class FolderPage {
public:
    explicit FolderPage(PageContext& Page) : page_(Page) {
        std::string root;
        try {
            root = MakeSampleFolders().string();
        } catch (const std::exception&) {
            // Without a writable temporary folder the tree shows the file system itself.
        }

        auto* heading = new TLabel(Page.Form);
        heading->SetParent(Page.Host);
        heading->SetBounds(20, 10, 300, 20);
        heading->SetCaption("Folders");
        heading->GetFont()->SetStyle({fsBold});

        tree_ = new TFolderTree(Page.Form);
        tree_->SetName("SampleFolderTree");
        tree_->SetAccessibleName("Folders");
        tree_->SetParent(Page.Host);
        tree_->SetBounds(20, 36, 300, 450);
        tree_->SetHideSelection(false);
        tree_->SetRootFolder(root);
        tree_->SetOnDirChanged([this](TObject*) { ShowFolder(); });

        Caption("Chosen folder", 36);
        directory_ = Value(54);
        Caption("Subfolders", 86);
        subfolders_ = new TListBox(Page.Form);
        subfolders_->SetParent(Page.Host);
        subfolders_->SetAccessibleName("Subfolders");
        subfolders_->SetBounds(340, 104, 300, 200);

        Button("Expand all", 340, 320, [this] {
            tree_->FullExpand();
            Status("Every branch is open; the link back to Projects stays closed");
        });
        Button("New folder", 450, 320, [this] {
            const std::string name = "New folder " + IntToStr(++made_);
            Status(tree_->MakeSubFolder(name) ? "Made " + name : "No folder could be made here");
        });
        Button("Remove folder", 560, 320, [this] {
            Status(tree_->RemoveSelectedFolder() ? "Removed" : "Only an empty folder other than the root can go");
        });
        Button("Read again", 340, 356, [this] {
            Status(tree_->RefreshTree() ? "Read the folders again" : "The folders are gone");
        });
        status_ = Value(392);
        auto* note = new TLabel(Page.Form);
        note->SetParent(Page.Host);
        note->SetAutoSize(false);
        note->SetWordWrap(true);
        note->SetBounds(340, 420, 420, 66);
        note->SetCaption("\"Reports\\2025\" is one folder whose name holds a backslash. \"All projects\" "
                         "links back to Projects, so it has no expand button, and opening every branch "
                         "ends. Press * on a folder to open its whole branch.");
        note->GetFont()->SetColor(clGrayText);

        // The tree resets itself when its window is made; make it now, then open a folder.
        tree_->HandleNeeded();
        tree_->SelectPath("C:\\Projects\\Website\\");
        if (TTreeNode* top = tree_->GetItems()->GetFirstNode(); top != nullptr) {
            for (TTreeNode* n = top->GetFirstChild(); n != nullptr; n = n->GetNextSibling())
                if (n->GetText() == "Documents") n->Expand(false);
        }
        ShowFolder();

        Page.Watch("directory", [this] { return tree_->GetDirectory(); });
        Page.Watch("subfolders", [this] { return IntToStr(subfolders_->GetCount()); });
    }

private:
    void Caption(const char* Text, int Top) {
        auto* c = new TLabel(page_.Form);
        c->SetParent(page_.Host);
        c->SetBounds(340, Top, 300, 16);
        c->SetCaption(Text);
        c->GetFont()->SetColor(clGrayText);
    }

    TLabel* Value(int Top) {
        auto* v = new TLabel(page_.Form);
        v->SetParent(page_.Host);
        v->SetBounds(340, Top, 440, 18);
        v->GetFont()->SetStyle({fsBold});
        return v;
    }

    template <class F>
    void Button(const char* Text, int Left, int Top, F OnClick) {
        auto* b = new TButton(page_.Form);
        b->SetParent(page_.Host);
        b->SetBounds(Left, Top, 100, 26);
        b->SetCaption(Text);
        b->SetOnClick([OnClick](TObject*) { OnClick(); });
    }

    void Status(const std::string& Text) {
        status_->SetCaption(Text);
        page_.Record("status", Text);
    }

    void ShowFolder() {
        directory_->SetCaption(tree_->GetDirectory());
        subfolders_->GetItems()->Clear();
        TStringList names;
        if (tree_->GetSelected() != nullptr) tree_->GetSubDirs(tree_->GetSelected(), &names);
        for (int i = 0; i < names.Count(); ++i)
            subfolders_->GetItems()->Add(DisplayName(names.GetStrings(i)) + (names.GetObjects(i) ? "  +" : ""));
    }

    PageContext page_;
    TFolderTree* tree_ = nullptr;
    TLabel *directory_ = nullptr, *status_ = nullptr;
    TListBox* subfolders_ = nullptr;
    int made_ = 0;
};

}  // namespace

void BuildFolderTreePage(PageContext& Page) { Page.Keep(std::make_unique<FolderPage>(Page)); }

}  // namespace gallery
