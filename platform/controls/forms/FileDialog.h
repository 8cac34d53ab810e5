// The open and save dialogs: a modal form that browses the file system for one file name.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/Component.h"
#include "platform/runtime/Sets.h"

namespace vcl {

/// What the file dialogs check and show.
enum TOpenOption : std::uint8_t {
    ofOverwritePrompt,   ///< an existing file chosen to save over is confirmed first
    ofPathMustExist,     ///< a name in a folder that does not exist is refused
    ofFileMustExist,     ///< a file that does not exist is refused
    ofShowHidden,        ///< entries whose names start with a dot are listed
};
/// The set of TOpenOption a dialog follows.
using TOpenOptions = TSet<TOpenOption>;

/// One entry of the dialog's list: a folder or a file of the folder shown.
struct TFileEntry {
    std::string Name;   ///< the name within the folder
    bool Folder;        ///< true for a folder (listed before the files)
};

/// The dialog that asks for the name of an existing file to open. Execute shows a modal form
/// with the folder's path and an "Up" button, the list of the folder's sub-folders and the
/// files the chosen filter matches, the file-name field, the filter list and OK and Cancel.
class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* AOwner);
    std::string ClassName() const override { return "TOpenDialog"; }

    /// The file chosen: a full path after a confirmed Execute. Set before Execute, its folder
    /// is the one shown first and its name fills the name field.
    const std::string& GetFileName() const { return fileName_; }
    void SetFileName(const std::string& Value) { fileName_ = Value; }
    /// The folder shown first when FileName names none ("" for the working folder).
    const std::string& GetInitialDir() const { return initialDir_; }
    void SetInitialDir(const std::string& Value) { initialDir_ = Value; }
    /// Pairs of description and patterns, each part ended by "|": "Form files (*.form)|*.form|All
    /// files (*)|*". Patterns are shell patterns; several are separated by ";". Empty: all files.
    const std::string& GetFilter() const { return filter_; }
    void SetFilter(const std::string& Value) { filter_ = Value; }
    /// The filter in use, counted from 1; the user's choice after Execute.
    int GetFilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int Value) { filterIndex_ = Value; }
    /// The extension (without the dot) added to a name typed without one; "" adds none.
    const std::string& GetDefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const std::string& Value);
    /// The dialog's caption; "" gives "Open" or "Save As".
    const std::string& GetTitle() const { return title_; }
    void SetTitle(const std::string& Value) { title_ = Value; }
    TOpenOptions GetOptions() const { return options_; }
    void SetOptions(TOpenOptions Value) { options_ = Value; }

    /// Lets the user pick a file; true and FileName (and FilterIndex) set when confirmed,
    /// false with both unchanged when cancelled. Without a person at the backend the modal
    /// script works the form (named "FileDialog"; its parts "PathEdit", "UpButton",
    /// "FileList", "FileNameEdit", "FilterCombo", "OKButton", "CancelButton").
    virtual bool Execute();

    /// Runs when the form is about to show, and when it has closed.
    TNotifyEvent GetOnShow() const { return FOnShow; }
    void SetOnShow(TNotifyEvent Value) { FOnShow = std::move(Value); }
    /// Runs when the form has closed, whatever the answer.
    TNotifyEvent GetOnClose() const { return FOnClose; }
    void SetOnClose(TNotifyEvent Value) { FOnClose = std::move(Value); }

    /// The descriptions and pattern lists of Filter, in order.
    struct TFilterItem {
        std::string Description;             ///< the text the filter list shows
        std::vector<std::string> Patterns;   ///< shell patterns, any of which a file matches
    };
    /// Filter split into its items ("All files" matching "*" when Filter is empty).
    std::vector<TFilterItem> FilterItems() const;
    /// The entries of Folder the dialog lists: sub-folders first, then the files one of
    /// Patterns matches, each group sorted by name without regard to case; names starting
    /// with a dot only with ofShowHidden. Throws EInOutError when the folder cannot be read.
    std::vector<TFileEntry> ListFolder(const std::string& Folder, const std::vector<std::string>& Patterns) const;

protected:
    /// True for the save dialog: the caption, and the checks made on OK.
    virtual bool Saving() const { return false; }
    TNotifyEvent FOnShow, FOnClose;

private:
    friend class TFileDialogForm;
    std::string fileName_, initialDir_, filter_, defaultExt_, title_;
    int filterIndex_ = 1;
    TOpenOptions options_;
};

/// The dialog that asks for the name to save a file under: as the open dialog, with
/// ofOverwritePrompt asking before an existing file is chosen.
class TSaveDialog : public TOpenDialog {
public:
    explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) {}
    std::string ClassName() const override { return "TSaveDialog"; }

protected:
    bool Saving() const override { return true; }
};

}  // namespace vcl
