// The folder tree: construction and colours, lazy loading of subfolders on expansion, the
// selected Directory, selecting a path, rebuilding, and creating and removing folders.
#include "foldertree/Zyn_FolderTree.h"

#include <algorithm>
#include <cstdint>

#include "framework/Zyn_stringl.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"
#include "platform/Win32.h"

namespace zyn {

using namespace vcl;

namespace {

// The hourglass while folders are read; the default cursor again however reading ends.
struct HourGlass {
    HourGlass() {
        if (Screen != nullptr) Screen->SetCursor(crHourGlass);
    }
    ~HourGlass() {
        if (Screen != nullptr) Screen->SetCursor(crDefault);
    }
};

// The components of a path between its '\' delimiters, without empty ones.
std::vector<std::string> PathComponents(const std::string& Path) {
    std::vector<std::string> tokens;
    Tokenize(Path, '\\', tokens);
    tokens.erase(std::remove(tokens.begin(), tokens.end(), std::string()), tokens.end());
    return tokens;
}

// Characters no folder name may hold: control characters, the quote, angle brackets and
// the bar, and the drive delimiter and wildcards, which mean something else in a path.
bool IsValidFolderNameChar(unsigned char C) {
    return C >= 0x20 && std::string_view("\"<>|:*?").find(char(C)) == std::string_view::npos;
}

// The existing folder Path names, spelled as the file system spells it: each component is
// taken as given when a folder of that name exists, else the first subfolder whose name
// matches it without regard to case. False when a component matches nothing.
bool ResolveFolderPath(const std::string& Path, std::string& Resolved) {
    const std::vector<std::string> parts = PathComponents(Path);
    if (parts.empty()) return false;
    std::string dir = parts[0] + "\\";
    if (!DirExists(dir)) return false;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const std::string& part = parts[i];
        if (DirectoryExists(dir + part)) {
            dir += part + "\\";
            continue;
        }
        // The first match in the order of the file search, as the tree would list them.
        const std::string key = FolderNameKey(part);
        std::string match;
        bool found = false;
        ListDirectory(dir, [&](const std::string& Name, bool IsDirectory) {
            if (IsDirectory && FolderNameKey(Name) == key && (!found || FolderListOrder(Name, match))) {
                match = Name;
                found = true;
            }
            return true;
        });
        if (found) dir += match + "\\";
        if (!found) return false;
    }
    Resolved = dir;
    return true;
}

}  // namespace

// =========================================================================================
// construction and colours

TFolderTree::TFolderTree(TComponent* AOwner) : TCustomTreeView(AOwner), FColorBak(TControl::GetColor()) {
    SetMultiSelect(false);
    SetReadOnly(true);
    SetDoubleBuffered(true);
}

TFolderTree::~TFolderTree() = default;

void TFolderTree::Loaded() {
    TCustomTreeView::Loaded();
    if (FColorBak == clBlack) FColorBak = clWhite;
    TControl::SetColor(GetEnabled() ? FColorBak : clBtnFace);
    FullCollapse();
}

// A disabled tree keeps showing clBtnFace; the new colour shows when it is enabled again.
void TFolderTree::SetColor(TColor Value) {
    FColorBak = Value;
    if (GetEnabled()) TControl::SetColor(Value);
}

void TFolderTree::SetEnabled(bool Value) {
    TControl::SetColor(Value ? FColorBak : clBtnFace);
    TCustomTreeView::SetEnabled(Value);
}

void TFolderTree::SetOldTreeStyle(bool Value) {
    if (FUseOldStyle == Value) return;
    FUseOldStyle = Value;
    ApplyWindowTheme();
}

// The classic look, or the look of the system's file explorer. This framework draws every
// control in the classic style, so the choice is kept for the window and shows no change.
void TFolderTree::ApplyWindowTheme() {
    if (!HandleAllocated()) return;
    SetWindowTheme(GetHandle(), FUseOldStyle ? nullptr : u"Explorer", nullptr);
}

void TFolderTree::CreateWnd() {
    TCustomTreeView::CreateWnd();
    ApplyWindowTheme();
    Reset();
}

// =========================================================================================
// nodes and paths

const std::string& TFolderTree::NodeName(const TTreeNode* Node) const {
    auto it = FRawNames.find(Node);
    return it != FRawNames.end() ? it->second : Node->GetText();
}

std::string TFolderTree::NodePath(const TTreeNode* Node) const {
    if (Node == nullptr) return {};
    std::vector<const TTreeNode*> chain;
    for (const TTreeNode* n = Node; n != nullptr; n = n->GetParent()) chain.push_back(n);
    std::string path;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) path = EnsureTrailingBkSlash(path + NodeName(*it));
    return path;
}

TTreeNode* TFolderTree::AddFolderNode(TTreeNode* Parent, const TSubFolder& Folder) {
    std::string text = DisplayName(Folder.Name);
    const bool differs = text != Folder.Name;
    TTreeNode* node = GetItems()->AddChildObject(Parent, text, nullptr);
    if (differs) FRawNames.emplace(node, Folder.Name);
    if (Folder.HasSubFolders) GetItems()->AddChild(node, PlaceholderText);
    return node;
}

TTreeNode* TFolderTree::RebuildRoot() {
    TTreeNodes* items = GetItems();
    items->BeginUpdate();
    items->Clear();
    FRawNames.clear();
    TTreeNode* root = items->AddChildObject(nullptr, RootText, nullptr);
    items->AddChild(root, PlaceholderText);
    items->EndUpdate();
    return root;
}

void TFolderTree::Delete(TTreeNode* Node) {
    FRawNames.erase(Node);
    TCustomTreeView::Delete(Node);
}

TTreeNode* TFolderTree::FindChildByPath(TTreeNode* Parent, const std::string& Name) const {
    for (int i = 0; i < Parent->GetCount(); ++i)
        if (NodeName(Parent->GetItem(i)) == Name) return Parent->GetItem(i);
    const std::string key = FolderNameKey(Name);
    for (int i = 0; i < Parent->GetCount(); ++i)
        if (FolderNameKey(NodeName(Parent->GetItem(i))) == key) return Parent->GetItem(i);
    return nullptr;
}

// =========================================================================================
// expansion

bool TFolderTree::CanExpand(TTreeNode* Node) {
    if (!GetComponentState().Contains(csDesigning) && Node->GetData() != LoadedMarker) {
        HourGlass busy;
        LoadSubFolders(Node);
    }
    return TCustomTreeView::CanExpand(Node);
}

// The placeholder goes; a folder with subfolders gets them, in the tree's order, and is
// marked as loaded. A folder without any keeps no children and loses its button.
void TFolderTree::LoadSubFolders(TTreeNode* Node) {
    std::vector<TSubFolder> folders;
    ListSubFolders(NodePath(Node), folders);
    TTreeNodes* items = GetItems();
    items->BeginUpdate();
    try {
        Node->DeleteChildren();
        if (!folders.empty()) {
            Node->SetData(LoadedMarker);
            for (const TSubFolder& f : folders) AddFolderNode(Node, f);
        }
    } catch (...) {
        items->EndUpdate();
        throw;
    }
    items->EndUpdate();
}

// =========================================================================================
// selection and Directory

void TFolderTree::Change(TTreeNode* Node) {
    if (FOnClick) FOnClick(this);
    const std::string old = FDirectory;
    if (Node != nullptr) FDirectory = NodePath(Node);
    TCustomTreeView::Change(Node);
    if (FDirectory != old && FQuietDirChanges == 0) DirChanged(old);
}

void TFolderTree::DirChanged(const std::string& OldDirectory) {
    (void)OldDirectory;
    if (FOnDirChange) FOnDirChange(this);
}

bool TFolderTree::Reset() {
    const std::string old = FDirectory;
    // The root of the drive the current folder is on; "C:" when it lies on no mapped drive.
    const std::string current = GetCurrentDir();
    const bool onDrive = current.size() >= 2 && current[1] == ':' &&
                         ((current[0] >= 'A' && current[0] <= 'Z') || (current[0] >= 'a' && current[0] <= 'z'));
    FDirectory = std::string(1, onDrive ? current[0] : 'C') + ":\\";
    RebuildRoot();
    FullCollapse();
    if (FDirectory != old) DirChanged(old);
    return DirExists(RootText);
}

bool TFolderTree::SelectPath(const std::string& Path) {
    // A host path under the mapped root is taken in its drive form.
    std::string path = !Path.empty() && Path[0] == '/' ? FrameworkPath(Path) : Path;
    path = EnsureTrailingBkSlash(path);
    std::string resolved;
    if (!ResolveFolderPath(path, resolved)) return false;
    const std::vector<std::string> parts = PathComponents(resolved);
    // The tree shows one drive: a folder on another one is not there to select.
    if (FolderNameKey(parts[0] + "\\") != FolderNameKey(RootText)) return false;

    TTreeNode* root = RebuildRoot();
    TTreeNodes* items = GetItems();
    TTreeNode* found = nullptr;
    std::size_t reached = 0;
    items->BeginUpdate();
    try {
        for (std::size_t i = 0; i < parts.size(); ++i) {
            TTreeNode* n = i == 0 ? root : FindChildByPath(found, parts[i]);
            if (n == nullptr) break;
            found = n;
            ++reached;
            n->Expand(false);
        }
    } catch (...) {
        items->EndUpdate();
        throw;
    }
    items->EndUpdate();
    if (found == nullptr) return false;
    SetSelected(found);
    if (CanFocus()) SetFocus();
    return reached == parts.size();
}

bool TFolderTree::RefreshTree() {
    const std::string old = FDirectory;
    std::string path = FDirectory;
    bool ok = false;
    ++FQuietDirChanges;
    try {
        ok = SelectPath(path);
        while (!ok && !path.empty()) {
            path = ParentDir(path);
            if (!path.empty()) ok = SelectPath(path);
        }
    } catch (...) {
        --FQuietDirChanges;
        throw;
    }
    --FQuietDirChanges;
    if (!ok) FDirectory = path;
    if (FDirectory != old) DirChanged(old);
    return ok;
}

// =========================================================================================
// creating, removing and listing folders

bool TFolderTree::MakeSubFolder(const std::string& FolderName) {
    TTreeNode* selected = GetSelected();
    if (selected == nullptr) return false;
    if (!std::all_of(FolderName.begin(), FolderName.end(),
                     [](char c) { return IsValidFolderNameChar(static_cast<unsigned char>(c)); }))
        return false;
    // "x/y" and "x\y" both make x and y inside it; "." and ".." would leave the folder.
    const std::vector<std::string> parts = PathComponents(ReplaceCharInString(FolderName, '/', '\\'));
    if (parts.empty()) return false;
    std::string target = NodePath(selected);
    for (const std::string& part : parts) {
        if (part == "." || part == "..") return false;
        target += part + "\\";
    }
    try {
        if (!ForceDirectories(ExcludeTrailingPathDelimiter(target))) return false;
    } catch (const Exception&) {
        return false;
    }
    SelectPath(target);
    return true;
}

bool TFolderTree::RemoveSelectedFolder() {
    TTreeNode* selected = GetSelected();
    if (selected == nullptr || selected->GetParent() == nullptr) return false;
    const std::string path = NodePath(selected);
    const std::string parent = NodePath(selected->GetParent());
    const bool removed = RemoveDir(ExcludeTrailingPathDelimiter(path));
    if (Application != nullptr) Application->ProcessMessages();
    if (removed) SelectPath(parent);
    return removed;
}

bool TFolderTree::GetSubDirs(const std::string& Path, TStrings* DirList) {
    if (DirList == nullptr || !DirExists(EnsureTrailingBkSlash(Path))) return false;
    std::vector<TSubFolder> folders;
    ListSubFolders(Path, folders);
    TObject* const hasSubFolders = reinterpret_cast<TObject*>(std::intptr_t(-1));
    for (const TSubFolder& f : folders) DirList->AddObject(f.Name, f.HasSubFolders ? hasSubFolders : nullptr);
    return DirList->Count() > 0;
}

bool TFolderTree::GetSubDirs(TTreeNode* Node, TStrings* DirList) {
    if (Node == nullptr) return false;
    return GetSubDirs(NodePath(Node), DirList);
}

}  // namespace zyn
