// TFolderTree: a read-only tree view of the file system's folders under the root "C:\",
// which keeps the selected folder as its Directory. A folder's subfolders are read only
// when it is first expanded; until then a folder that has subfolders carries one
// placeholder child so that it shows an expand button.
//
// Paths are in the framework's drive form ("C:\Data\Images\"); the drive mapping of the
// runtime's file functions decides which host folder "C:" stands for. Folder names are
// kept as the file system gives them (any bytes, '\' included); a node shows its name as
// UTF-8, with U+FFFD for bytes that are not. The tree reads, makes and removes a folder
// through the names of its nodes, never by splitting a joined path text again, so a name
// that holds a '\' is one folder, not two.
//
// Symbolic links show as the folders they lead to. A link back to a folder above it shows
// without an expand button (opening it would show that folder again, without end), and
// expanding a whole branch ('*', FullExpand) opens each real folder (device and inode)
// once: a second way to the same folder keeps its button, to be opened by hand.
//
// Listing and sorting subfolders live in FolderListing.cpp, the tree in Zyn_FolderTree.cpp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "framework/Zyn_zynbase.h"
#include "platform/Classes.h"
#include "platform/ComCtrls.h"
#include "platform/Controls.h"

namespace zyn {

using vcl::TColor;

// ---- folder listing (FolderListing.cpp) -------------------------------------------------

/// What a folder is on its device, whatever the path to it.
struct TFolderId {
    /// The device the folder lies on.
    std::uint64_t Dev = 0;
    /// The folder's inode number on that device.
    std::uint64_t Ino = 0;
    /// Two identities are equal when both device and inode agree.
    bool operator==(const TFolderId&) const = default;
};
/// Hash of a folder identity, for sets of folders already opened.
struct TFolderIdHash {
    /// Mixes the inode number with the device.
    std::size_t operator()(const TFolderId& Id) const noexcept {
        return std::hash<std::uint64_t>()(Id.Ino * 0x9E3779B97F4A7C15ull ^ Id.Dev);
    }
};

/// One subfolder: its name as stored (bytes), whether it has subfolders of its own, what it
/// is on disk, and whether it leads back to a folder above it (a loop of links).
struct TSubFolder {
    /// The subfolder's name as stored (bytes).
    std::string Name;
    /// Whether it has subfolders of its own (its node gets a placeholder child).
    bool HasSubFolders = false;
    /// What the subfolder is on disk (device and inode).
    TFolderId Id{};
    /// Whether it is a link back to a folder above it.
    bool LeadsBack = false;
};

// The subfolders of Path (a trailing '\' is added when missing): every directory entry
// whose name does not begin with '.', in the order of SortFolderNames, each with whether
// it has at least one such subfolder itself (decided from its first qualifying entry).
// A folder that cannot be read (missing, no permission, a loop of links) lists nothing,
// and a subfolder that cannot be read counts as having no subfolders.
void ListSubFolders(const std::string& Path, std::vector<TSubFolder>& Folders);

// The same for a host directory path (only '/' delimits), which is read as it is. A
// subfolder that is one of Above (the folder itself and those above it) leads back and has
// no subfolders. False when the folder cannot be read.
bool ListHostSubFolders(const std::string& Dir, std::vector<TSubFolder>& Folders,
                        const std::vector<TFolderId>& Above);

// The identity of the directory at a host path (links followed); false when there is none.
bool FolderIdOf(const std::string& Dir, TFolderId& Id);

// Orders folders by their names in lower case (compared byte by byte); names equal in
// lower case keep the order the file search lists them in (FolderListOrder). O(n log n).
void SortFolderNames(std::vector<TSubFolder>& Folders);

// The order of the file search: without regard to ASCII case, then byte by byte.
bool FolderListOrder(const std::string& A, const std::string& B);

// Lower case of a name for comparing: letters that have a lower-case form are lowered;
// bytes that are not valid UTF-8 are kept as they are, so different names stay different.
std::string FolderNameKey(std::string_view Name);

// A name as text that can be shown: valid UTF-8 as it is, every byte that is not part of
// a valid sequence as U+FFFD.
std::string DisplayName(std::string_view Name);

// ---- the tree ---------------------------------------------------------------------------
/// TFolderTree: a read-only tree view of the file system's folders under the root "C:\",
/// which keeps the selected folder as its Directory. A folder's subfolders are read only
/// when it is first expanded; until then a folder that has subfolders carries one
/// placeholder child so that it shows an expand button.
class TFolderTree : public vcl::TCustomTreeView {
public:
    /// Data of a node whose subfolders have been loaded.
    static inline void* const LoadedMarker = reinterpret_cast<void*>(std::uintptr_t(0xA5F016ED));
    /// Text of the placeholder child of a folder whose subfolders are not loaded yet.
    static constexpr const char* PlaceholderText = "Child";
    /// Text of the root node, the drive the tree starts from.
    static constexpr const char* RootText = "C:\\";

    /// Creates the object; AOwner (when given) frees it with itself.
    explicit TFolderTree(vcl::TComponent* AOwner);
    ~TFolderTree() override;
    /// The name the class is registered under.
    std::string ClassName() const override { return "TFolderTree"; }

    /// Recomputes what depends on several properties once a form file has set them all.
    void Loaded() override;

    // ---- published properties
    /// The colour shown while enabled (a disabled tree shows clBtnFace).
    TColor GetColor() const { return FColorBak; }
    /// Stores Value as the enabled colour and shows it (while enabled).
    void SetColor(TColor Value);
    /// Enables or disables the tree; a disabled tree shows clBtnFace, an enabled one Color.
    void SetEnabled(bool Value) override;
    /// Whether the tree keeps the classic look (default true) rather than the look of the
    /// system's file explorer; this framework draws both alike.
    bool GetOldTreeStyle() const { return FUseOldStyle; }
    /// Chooses the classic or the explorer look; a change applies the window theme at once.
    void SetOldTreeStyle(bool Value);

    // ---- public
    /// The selected folder's path, always ending in '\'.
    const std::string& GetDirectory() const { return FDirectory; }

    /// The host folder this tree's root "C:\" stands for; empty (the default) for the one
    /// the drive mapping gives "C:". Directory keeps the drive form, relative to this root;
    /// GetHostDirectory gives the host path. Setting it resets a tree whose window exists.
    const std::string& GetRootFolder() const { return FRootFolder; }
    /// Sets the host folder the root stands for; see GetRootFolder.
    void SetRootFolder(const std::string& Value);

    /// Back to the collapsed root; Directory becomes the root of the current folder's drive
    /// (C:\ when the current folder lies on no mapped drive). Runs whenever the window
    /// is made. Returns whether the root folder exists.
    bool Reset();
    /// Selects Directory again after folders changed on disk, or its nearest ancestor that
    /// still exists. Returns whether a folder could be selected.
    bool RefreshTree();
    /// Reads the subfolders of the selected folder again from the disk, so that folders
    /// made or removed meanwhile show; an open folder stays open (its subfolders closed),
    /// a closed one stays closed. A selected folder gone from the disk is handled as
    /// RefreshTree does. Returns false when no folder is selected or none is left.
    bool ReReadSelectedFolder();
    /// Rebuilds the tree expanded along Path (any case; a trailing '\' optional) and
    /// selects its folder. A host path ("/...", under the folder that "C:" maps to) is
    /// split at '/' only, so it names folders whose names hold '\' as well; in the drive
    /// form a run of components that is one folder's name is found on disk. A folder that
    /// does not exist gives false and changes nothing; a path through a folder the tree
    /// does not show (a dot-named one, a link back to a folder above) selects the deepest
    /// folder reached and gives false.
    bool SelectPath(const std::string& Path);
    /// Creates FolderName (with any missing folders of a relative path such as "x/y")
    /// under the selected folder and selects it. False when nothing is selected or the
    /// name is not a valid folder name.
    bool MakeSubFolder(const std::string& FolderName);
    /// Removes the selected folder when it is empty, then selects its parent. False for
    /// the root, without a selection, or when the folder cannot be removed.
    bool RemoveSelectedFolder();
    /// Appends the subfolders of Path (or of Node's folder) to DirList, sorted, each with
    /// the object -1 when it has subfolders itself (a link back to a folder on the way
    /// has none). False when the folder does not exist;
    /// otherwise whether DirList is not empty.
    bool GetSubDirs(const std::string& Path, vcl::TStrings* DirList);
    /// Appends the subfolders of Node's folder to DirList; the same as the path form.
    bool GetSubDirs(vcl::TTreeNode* Node, vcl::TStrings* DirList);

    /// The folder of Node, with a trailing '\' (the names as stored, not as shown). A name
    /// that holds a '\' makes this text ambiguous; NodeHostPath and NodeNames are not.
    std::string NodePath(const vcl::TTreeNode* Node) const;
    /// The host path of Node's folder, with a trailing '/'; "" when the root's drive is
    /// not mapped.
    std::string NodeHostPath(const vcl::TTreeNode* Node) const;
    /// The names of the folders from below the root down to Node (empty for the root).
    std::vector<std::string> NodeNames(const vcl::TTreeNode* Node) const;
    /// The host path of the selected folder (as NodeHostPath); "" when none is selected.
    std::string GetHostDirectory() const;
    /// Rebuilds the tree along the folders Names below the root (as NodeNames gives them;
    /// every name is taken as it is) and selects the last one. As SelectPath otherwise.
    bool SelectFolderNames(const std::vector<std::string>& Names);

    // ---- events
    /// Called after Directory changed: by a selection, Reset or RefreshTree (not when the same
    /// folder is chosen again). Empty: none.
    const vcl::TNotifyEvent& GetOnDirChanged() const { return FOnDirChange; }
    /// Installs the handler called after Directory changed; an empty function removes it.
    void SetOnDirChanged(vcl::TNotifyEvent Value) { FOnDirChange = std::move(Value); }

protected:
    /// The handler called after Directory changed (published as OnDirChanged); empty: none.
    vcl::TNotifyEvent FOnDirChange;

    /// Makes the window and what depends on it.
    void CreateWnd() override;
    /// Loads the subfolders of Node when it is first expanded (the placeholder child is replaced).
    /// While a whole branch opens, a folder already open by another way stays closed.
    bool CanExpand(vcl::TTreeNode* Node) override;
    /// The selection moved to Node: fires OnClick, makes Node's folder the Directory, passes the
    /// change on (OnChange) and fires OnDirChanged when Directory differs.
    void Change(vcl::TTreeNode* Node) override;
    /// Forgets what the tree kept about Node before the node is deleted.
    void Delete(vcl::TTreeNode* Node) override;
    /// F5 reads the selected folder's subfolders again (ReReadSelectedFolder); every other
    /// key is the tree view's (arrows, +, -, *, Home, End, the pages).
    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;

private:
    // The name a node stands for (its text unless the name is not valid UTF-8).
    const std::string& NodeName(const vcl::TTreeNode* Node) const;
    // Reads a node's subfolders into it (once, until the tree is rebuilt).
    void LoadSubFolders(vcl::TTreeNode* Node);
    // The names below the root that a path text stands for (drive form with '\', or a
    // host path under the root's folder with '/'), checked against the disk; false when
    // it names no folder under the root.
    bool ResolvePath(const std::string& Path, std::vector<std::string>& Names) const;
    vcl::TTreeNode* AddFolderNode(vcl::TTreeNode* Parent, const TSubFolder& Folder);
    void MarkLoaded(vcl::TTreeNode* Node);
    void UnmarkLoaded(vcl::TTreeNode* Node);
    // Appends the subfolders of the host directory Dir to DirList (GetSubDirs); Above
    // are the folder itself and those above it.
    static bool AppendSubDirs(const std::string& Dir, const std::vector<TFolderId>& Above, vcl::TStrings* DirList);
    // Clears the tree and adds the root with its placeholder.
    vcl::TTreeNode* RebuildRoot();
    // The child of Parent named Name: the exact name first, else the first that matches
    // without regard to case.
    vcl::TTreeNode* FindChildByPath(vcl::TTreeNode* Parent, const std::string& Name) const;
    void ApplyWindowTheme();
    // The host folder of the root, with a trailing '/'; "" when "C:" is not mapped.
    std::string RootHostDir() const;
    void DirChanged(const std::string& OldDirectory);

    std::string FDirectory;
    std::string FRootFolder;
    bool FUseOldStyle = true;
    TColor FColorBak;   // the framework's colour at construction
    // Stored names of the nodes whose shown text differs from it.
    std::unordered_map<const vcl::TTreeNode*, std::string> FRawNames;
    // What each folder node is on disk, and how many loaded nodes show each folder.
    std::unordered_map<const vcl::TTreeNode*, TFolderId> FNodeIds;
    std::unordered_map<TFolderId, int, TFolderIdHash> FLoadedIds;
    // The names of the selected folder below the root (RefreshTree selects them again);
    // FDirNamesKnown is false while Directory is a text that no node gave.
    std::vector<std::string> FDirNames;
    bool FDirNamesKnown = false;
    // While RefreshTree runs, selections do not report Directory changes one by one.
    int FQuietDirChanges = 0;
};

}  // namespace zyn
