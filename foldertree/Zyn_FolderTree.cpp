// The folder tree: construction and colours, lazy loading of subfolders on expansion, the
// selected Directory, selecting a path, rebuilding, and creating and removing folders.
#include "foldertree/Zyn_FolderTree.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>

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

bool IsHostDirectory(const std::string& Path) {
    struct stat st {};
    return !Path.empty() && ::stat(Path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The names of Tokens[From..] as folders under the host directory Dir, spelled as the file
// system spells them. A name may itself hold '\', so a run of tokens joined by '\' may be
// one folder: the shortest run that leads to the whole path wins, each run taken as given
// when a folder of that name exists, else as the first subfolder (in the order of the file
// search) whose name matches it without regard to case.
bool ResolveTokens(const std::string& Dir, const std::vector<std::string>& Tokens, std::size_t From,
                   std::vector<std::string>& Names) {
    if (From == Tokens.size()) return true;
    std::vector<std::string> listed;
    bool read = false;
    std::string run;
    for (std::size_t end = From; end < Tokens.size(); ++end) {
        run += (end > From ? "\\" : "") + Tokens[end];
        if (IsHostDirectory(Dir + run)) {
            Names.push_back(run);
            if (ResolveTokens(Dir + run + "/", Tokens, end + 1, Names)) return true;
            Names.pop_back();
        }
        // Only when the name as given leads nowhere is the folder read for another case.
        if (!read) {
            read = true;
            std::vector<TSubFolder> all;
            ListHostSubFolders(Dir, all, {});
            for (TSubFolder& f : all) listed.push_back(std::move(f.Name));
            std::stable_sort(listed.begin(), listed.end(), FolderListOrder);
        }
        const std::string key = FolderNameKey(run);
        for (const std::string& name : listed) {
            if (name == run || FolderNameKey(name) != key) continue;
            Names.push_back(name);
            if (ResolveTokens(Dir + name + "/", Tokens, end + 1, Names)) return true;
            Names.pop_back();
            break;
        }
    }
    return false;
}

// Makes the folder Dir + Names (each name one folder) with the folders missing on the way.
bool MakeHostFolders(std::string Dir, const std::vector<std::string>& Names) {
    for (const std::string& name : Names) {
        Dir += name;
        if (::mkdir(Dir.c_str(), 0777) != 0 && !(errno == EEXIST && IsHostDirectory(Dir))) return false;
        Dir += '/';
    }
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

std::vector<std::string> TFolderTree::NodeNames(const TTreeNode* Node) const {
    std::vector<std::string> names;
    for (const TTreeNode* n = Node; n != nullptr && n->GetParent() != nullptr; n = n->GetParent())
        names.push_back(NodeName(n));
    std::reverse(names.begin(), names.end());
    return names;
}

std::string TFolderTree::RootHostDir() const {
    std::string path = FRootFolder.empty() ? HostPath(RootText) : FRootFolder;
    if (!path.empty() && path.back() != '/') path += '/';
    return path;
}

void TFolderTree::SetRootFolder(const std::string& Value) {
    std::string root = Value.empty() ? Value : std::filesystem::path(Value).lexically_normal().string();
    while (root.size() > 1 && root.back() == '/') root.pop_back();
    if (root == FRootFolder) return;
    FRootFolder = root;
    if (HandleAllocated()) Reset();
}

std::string TFolderTree::NodeHostPath(const TTreeNode* Node) const {
    if (Node == nullptr) return {};
    std::string path = RootHostDir();
    if (path.empty()) return {};
    for (const std::string& name : NodeNames(Node)) path += name + "/";
    return path;
}

std::string TFolderTree::GetHostDirectory() const { return NodeHostPath(GetSelected()); }

TTreeNode* TFolderTree::AddFolderNode(TTreeNode* Parent, const TSubFolder& Folder) {
    std::string text = DisplayName(Folder.Name);
    const bool differs = text != Folder.Name;
    TTreeNode* node = GetItems()->AddChildObject(Parent, text, nullptr);
    if (differs) FRawNames.emplace(node, Folder.Name);
    FNodeIds.emplace(node, Folder.Id);
    if (Folder.HasSubFolders) GetItems()->AddChild(node, PlaceholderText);
    return node;
}

void TFolderTree::MarkLoaded(TTreeNode* Node) {
    Node->SetData(LoadedMarker);
    if (auto it = FNodeIds.find(Node); it != FNodeIds.end()) ++FLoadedIds[it->second];
}

TTreeNode* TFolderTree::RebuildRoot() {
    TTreeNodes* items = GetItems();
    items->BeginUpdate();
    items->Clear();
    FRawNames.clear();
    FNodeIds.clear();
    FLoadedIds.clear();
    TTreeNode* root = items->AddChildObject(nullptr, RootText, nullptr);
    TFolderId id;
    if (FolderIdOf(RootHostDir(), id)) FNodeIds.emplace(root, id);
    items->AddChild(root, PlaceholderText);
    items->EndUpdate();
    return root;
}

void TFolderTree::UnmarkLoaded(TTreeNode* Node) {
    if (Node->GetData() != LoadedMarker) return;
    Node->SetData(nullptr);
    if (auto it = FNodeIds.find(Node); it != FNodeIds.end()) {
        auto loaded = FLoadedIds.find(it->second);
        if (loaded != FLoadedIds.end() && --loaded->second <= 0) FLoadedIds.erase(loaded);
    }
}

void TFolderTree::Delete(TTreeNode* Node) {
    FRawNames.erase(Node);
    UnmarkLoaded(Node);
    FNodeIds.erase(Node);
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

bool TFolderTree::ResolvePath(const std::string& Path, std::vector<std::string>& Names) const {
    Names.clear();
    const std::string rootDir = RootHostDir();
    if (rootDir.empty()) return false;
    std::vector<std::string> tokens;
    if (!Path.empty() && Path[0] == '/') {
        // A host path: only '/' delimits, and it must lie under the root's folder.
        const std::string host = std::filesystem::path(Path).lexically_normal().string() + "/";
        if (host.compare(0, rootDir.size(), rootDir) != 0) return false;
        std::size_t pos = rootDir.size();
        while (pos < host.size()) {
            const std::size_t slash = host.find('/', pos);
            if (slash > pos) tokens.push_back(host.substr(pos, slash - pos));
            pos = slash + 1;
        }
        for (const std::string& t : tokens)
            if (t == "..") return false;
        if (!IsHostDirectory(rootDir)) return false;
        std::string dir = rootDir;
        for (const std::string& t : tokens) {
            dir += t + "/";
            if (!IsHostDirectory(dir)) return false;
        }
        Names = tokens;
        return true;
    }
    tokens = PathComponents(EnsureTrailingBkSlash(Path));
    // The tree shows one drive: a folder on another one is not there to select.
    if (tokens.empty() || FolderNameKey(tokens[0] + "\\") != FolderNameKey(RootText)) return false;
    if (!IsHostDirectory(rootDir)) return false;
    return ResolveTokens(rootDir, tokens, 1, Names);
}

// =========================================================================================
// expansion

bool TFolderTree::CanExpand(TTreeNode* Node) {
    if (!GetComponentState().Contains(csDesigning) && Node->GetData() != LoadedMarker) {
        // Opening a whole branch reads each real folder once: another way to a folder
        // already open stays closed, so that links between branches end the walk.
        if (ExpandingRecursively()) {
            auto it = FNodeIds.find(Node);
            if (it != FNodeIds.end() && FLoadedIds.count(it->second) > 0) return false;
        }
        HourGlass busy;
        LoadSubFolders(Node);
    }
    return TCustomTreeView::CanExpand(Node);
}

// The placeholder goes; a folder with subfolders gets them, in the tree's order, and is
// marked as loaded. A folder without any keeps no children and loses its button.
void TFolderTree::LoadSubFolders(TTreeNode* Node) {
    std::vector<TFolderId> above;
    for (const TTreeNode* n = Node; n != nullptr; n = n->GetParent())
        if (auto it = FNodeIds.find(n); it != FNodeIds.end()) above.push_back(it->second);
    std::vector<TSubFolder> folders;
    ListHostSubFolders(NodeHostPath(Node), folders, above);
    TTreeNodes* items = GetItems();
    items->BeginUpdate();
    try {
        Node->DeleteChildren();
        if (!folders.empty()) {
            MarkLoaded(Node);
            for (const TSubFolder& f : folders) AddFolderNode(Node, f);
        }
    } catch (...) {
        items->EndUpdate();
        throw;
    }
    items->EndUpdate();
}

void TFolderTree::KeyDown(WORD& Key, TShiftState Shift) {
    if (Key == VK_F5 && !Shift.Contains(ssAlt) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssShift)) {
        TCustomControl::KeyDown(Key, Shift);   // OnKeyDown first, as for every key
        if (Key == 0) return;
        ReReadSelectedFolder();
        Key = 0;
        return;
    }
    TCustomTreeView::KeyDown(Key, Shift);
}

bool TFolderTree::ReReadSelectedFolder() {
    TTreeNode* node = GetSelected();
    if (node == nullptr) return false;
    if (!DirectoryExists(NodeHostPath(node))) return RefreshTree();
    const bool open = node->GetExpanded();
    HourGlass busy;
    UnmarkLoaded(node);
    LoadSubFolders(node);
    // Loaded now: opening it again reads nothing more.
    if (open && node->GetCount() > 0) node->Expand(false);
    return true;
}

// =========================================================================================
// selection and Directory

void TFolderTree::Change(TTreeNode* Node) {
    if (FOnClick) FOnClick(this);
    const std::string old = FDirectory;
    if (Node != nullptr) {
        FDirectory = NodePath(Node);
        FDirNames = NodeNames(Node);
        FDirNamesKnown = true;
    }
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
    FDirNames.clear();
    FDirNamesKnown = FolderNameKey(FDirectory) == FolderNameKey(RootText);
    RebuildRoot();
    FullCollapse();
    if (FDirectory != old) DirChanged(old);
    return IsHostDirectory(RootHostDir());
}

bool TFolderTree::SelectPath(const std::string& Path) {
    std::vector<std::string> names;
    if (!ResolvePath(Path, names)) return false;
    return SelectFolderNames(names);
}

bool TFolderTree::SelectFolderNames(const std::vector<std::string>& Names) {
    // Nothing changes unless the whole path is there to select.
    std::string dir = RootHostDir();
    if (!IsHostDirectory(dir)) return false;
    for (const std::string& name : Names) {
        if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..") return false;
        dir += name + "/";
        if (!IsHostDirectory(dir)) return false;
    }

    TTreeNode* root = RebuildRoot();
    TTreeNodes* items = GetItems();
    TTreeNode* found = root;
    std::size_t reached = 0;
    items->BeginUpdate();
    try {
        root->Expand(false);
        for (const std::string& name : Names) {
            TTreeNode* n = FindChildByPath(found, name);
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
    SetSelected(found);
    if (CanFocus()) SetFocus();
    return reached == Names.size();
}

bool TFolderTree::RefreshTree() {
    const std::string old = FDirectory;
    bool ok = false;
    ++FQuietDirChanges;
    try {
        if (FDirNamesKnown) {
            // The selected folder by its names, else the nearest of its ancestors.
            std::vector<std::string> names = FDirNames;
            ok = SelectFolderNames(names);
            while (!ok && !names.empty()) {
                names.pop_back();
                ok = SelectFolderNames(names);
            }
            if (!ok) FDirectory.clear();
        } else {
            std::string path = FDirectory;
            ok = SelectPath(path);
            while (!ok && !path.empty()) {
                path = ParentDir(path);
                if (!path.empty()) ok = SelectPath(path);
            }
            if (!ok) FDirectory = path;
        }
    } catch (...) {
        --FQuietDirChanges;
        throw;
    }
    --FQuietDirChanges;
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
    for (const std::string& part : parts)
        if (part == "." || part == "..") return false;
    const std::string dir = NodeHostPath(selected);
    if (dir.empty() || !MakeHostFolders(dir, parts)) return false;
    std::vector<std::string> names = NodeNames(selected);
    names.insert(names.end(), parts.begin(), parts.end());
    SelectFolderNames(names);
    return true;
}

bool TFolderTree::RemoveSelectedFolder() {
    TTreeNode* selected = GetSelected();
    if (selected == nullptr || selected->GetParent() == nullptr) return false;
    std::string dir = NodeHostPath(selected);
    const std::vector<std::string> parent = NodeNames(selected->GetParent());
    if (dir.size() > 1) dir.pop_back();   // the folder itself, not a path into it
    const bool removed = !dir.empty() && ::rmdir(dir.c_str()) == 0;
    if (Application != nullptr) Application->ProcessMessages();
    if (removed) SelectFolderNames(parent);
    return removed;
}

bool TFolderTree::GetSubDirs(const std::string& Path, TStrings* DirList) {
    std::vector<std::string> names;
    if (DirList == nullptr || !ResolvePath(Path, names)) return false;
    // What each folder on the way is, so that a link back to any of them counts as a loop.
    std::string dir = RootHostDir();
    std::vector<TFolderId> above;
    TFolderId id;
    if (FolderIdOf(dir, id)) above.push_back(id);
    for (const std::string& name : names) {
        dir += name + "/";
        if (FolderIdOf(dir, id)) above.push_back(id);
    }
    return AppendSubDirs(dir, above, DirList);
}

bool TFolderTree::GetSubDirs(TTreeNode* Node, TStrings* DirList) {
    if (Node == nullptr || DirList == nullptr) return false;
    const std::string dir = NodeHostPath(Node);
    if (!IsHostDirectory(dir)) return false;
    std::vector<TFolderId> above;
    for (const TTreeNode* n = Node; n != nullptr; n = n->GetParent())
        if (auto it = FNodeIds.find(n); it != FNodeIds.end()) above.push_back(it->second);
    return AppendSubDirs(dir, above, DirList);
}

bool TFolderTree::AppendSubDirs(const std::string& Dir, const std::vector<TFolderId>& Above, TStrings* DirList) {
    std::vector<TSubFolder> folders;
    ListHostSubFolders(Dir, folders, Above);
    TObject* const hasSubFolders = reinterpret_cast<TObject*>(std::intptr_t(-1));
    for (const TSubFolder& f : folders) DirList->AddObject(f.Name, f.HasSubFolders ? hasSubFolders : nullptr);
    return DirList->Count() > 0;
}

}  // namespace zyn
