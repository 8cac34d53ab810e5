// TOpenDialog and TSaveDialog: a modal form built from the platform's own controls that
// browses folders with std::filesystem.
#include "platform/controls/forms/FileDialog.h"

#include <fnmatch.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <system_error>

#include "platform/controls/buttons/Button.h"
#include "platform/controls/buttons/Label.h"
#include "platform/controls/forms/Form.h"
#include "platform/controls/forms/MessageDialog.h"
#include "platform/controls/lists/ComboBox.h"
#include "platform/controls/lists/ListBox.h"
#include "platform/controls/text/Edit.h"
#include "platform/core/WinTypes.h"
#include "platform/runtime/Exceptions.h"

namespace vcl {

namespace fs = std::filesystem;

namespace {

std::string Lower(const std::string& S) {
    std::string r = S;
    std::transform(r.begin(), r.end(), r.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return r;
}

bool Matches(const std::string& Name, const std::vector<std::string>& Patterns) {
    for (const std::string& p : Patterns)
        if (fnmatch(p.c_str(), Name.c_str(), FNM_CASEFOLD) == 0) return true;
    return false;
}

std::vector<std::string> SplitPatterns(const std::string& Text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= Text.size()) {
        std::size_t end = Text.find(';', start);
        if (end == std::string::npos) end = Text.size();
        std::string p = Text.substr(start, end - start);
        p.erase(0, p.find_first_not_of(' '));
        p.erase(p.find_last_not_of(' ') + 1);
        if (!p.empty()) out.push_back(p);
        start = end + 1;
    }
    return out;
}

bool Exists(const fs::path& P) {
    std::error_code ec;
    return fs::exists(P, ec);
}

bool IsFolder(const fs::path& P) {
    std::error_code ec;
    return fs::is_directory(P, ec);
}

// A typed name: "~" stands for the home folder, a relative name lies in Folder.
fs::path Resolve(const fs::path& Folder, std::string Text) {
    if (!Text.empty() && Text[0] == '~' && (Text.size() == 1 || Text[1] == '/')) {
        const char* home = std::getenv("HOME");
        if (home != nullptr) Text = std::string(home) + Text.substr(1);
    }
    fs::path p(Text);
    if (p.is_relative()) p = Folder / p;
    return p.lexically_normal();
}

// The list of the folder shown: a double click on an entry opens it (the list box itself
// takes no click events).
class TFileList : public TListBox {
public:
    explicit TFileList(TComponent* AOwner) : TListBox(AOwner) {}
    std::function<void(int Index)> OnOpen;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
        TListBox::MouseDown(Button, Shift, X, Y);
        if (Button != mbLeft || !Shift.Contains(ssDouble) || !OnOpen) return;
        int i = ItemAtPos({X, Y}, true);
        if (i >= 0 && i == GetItemIndex()) OnOpen(i);
    }
};

}  // namespace

TOpenDialog::TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}

void TOpenDialog::SetDefaultExt(const std::string& Value) {
    // ".form" and "form" mean the same extension.
    defaultExt_ = !Value.empty() && Value[0] == '.' ? Value.substr(1) : Value;
}

std::vector<TOpenDialog::TFilterItem> TOpenDialog::FilterItems() const {
    std::vector<TFilterItem> items;
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start < filter_.size()) {
        std::size_t end = filter_.find('|', start);
        if (end == std::string::npos) end = filter_.size();
        parts.push_back(filter_.substr(start, end - start));
        start = end + 1;
    }
    // Pairs of a description and its patterns; a last description alone shows every file.
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        TFilterItem item;
        item.Description = parts[i];
        item.Patterns = SplitPatterns(i + 1 < parts.size() ? parts[i + 1] : std::string("*"));
        if (item.Patterns.empty()) item.Patterns.push_back("*");
        items.push_back(std::move(item));
    }
    if (items.empty()) items.push_back({"All files (*)", {"*"}});
    return items;
}

std::vector<TFileEntry> TOpenDialog::ListFolder(const std::string& Folder,
                                                const std::vector<std::string>& Patterns) const {
    std::vector<TFileEntry> folders, files;
    std::error_code ec;
    fs::directory_iterator it(Folder, fs::directory_options::none, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (!options_.Contains(ofShowHidden) && !name.empty() && name[0] == '.') continue;
        std::error_code kind;
        if (it->is_directory(kind)) folders.push_back({name, true});
        else if (Matches(name, Patterns)) files.push_back({name, false});
    }
    if (ec) throw EInOutError("Cannot read the folder \"" + Folder + "\": " + ec.message() + ".");
    auto byName = [](const TFileEntry& A, const TFileEntry& B) {
        std::string a = Lower(A.Name), b = Lower(B.Name);
        return a != b ? a < b : A.Name < B.Name;
    };
    std::sort(folders.begin(), folders.end(), byName);
    std::sort(files.begin(), files.end(), byName);
    folders.insert(folders.end(), files.begin(), files.end());
    return folders;
}

// The form Execute shows. Laid out at 96 dpi and scaled to the owner's density once built.
class TFileDialogForm : public TForm {
public:
    explicit TFileDialogForm(TOpenDialog& Dialog) : TForm(nullptr), dialog_(Dialog) {
        SetName("FileDialog");
        SetBorderStyle(bsDialog);
        SetCaption(!Dialog.title_.empty() ? Dialog.title_ : Dialog.Saving() ? "Save As" : "Open");
        SetPosition(poScreenCenter);
        filters_ = Dialog.FilterItems();

        constexpr int margin = 8, fieldLeft = 88, buttonW = 80, listW = 480;
        constexpr int right = margin + listW;
        pathEdit_ = Make<TEdit>("PathEdit", 64, 8, right - 64 - 4 - 40, 22);
        AddLabel("Folder:", margin, 12, pathEdit_);
        pathEdit_->SetReadOnly(true);
        auto* up = Make<TButton>("UpButton", right - 40, 7, 40, 24);
        up->SetCaption("Up");
        up->SetOnClick([this](TObject*) { GoUp(); });
        list_ = Make<TFileList>("FileList", margin, 38, listW, 260);
        list_->SetAccessibleName("Folders and files");   // it has no label to be named by
        list_->SetOnClick([this](TObject*) { Picked(); });
        list_->OnOpen = [this](int Index) { OpenEntry(Index); };
        list_->SetOnKeyDown([this](TObject*, WORD& Key, TShiftState Shift) {
            if (Key == VK_BACK && Shift.Empty()) {
                Key = 0;
                GoUp();
            }
        });
        name_ = Make<TEdit>("FileNameEdit", fieldLeft, 309, right - fieldLeft - buttonW - margin, 22);
        AddLabel("File name:", margin, 313, name_);
        filter_ = Make<TComboBox>("FilterCombo", fieldLeft, 339, right - fieldLeft - buttonW - margin, 22);
        AddLabel("Files of type:", margin, 343, filter_);
        filter_->SetStyle(csDropDownList);
        for (const auto& f : filters_) filter_->GetItems()->Add(f.Description);
        filter_->SetItemIndex(std::clamp(Dialog.filterIndex_ - 1, 0, int(filters_.size()) - 1));
        filter_->SetOnChange([this](TObject*) { Navigate(folder_, false); });
        auto* ok = Make<TButton>("OKButton", right - buttonW, 308, buttonW, 25);
        ok->SetCaption(Dialog.Saving() ? "Save" : "Open");
        ok->SetDefault(true);
        ok->SetOnClick([this](TObject*) { Confirm(); });
        auto* cancel = Make<TButton>("CancelButton", right - buttonW, 338, buttonW, 25);
        cancel->SetCaption("Cancel");
        cancel->SetCancel(true);
        cancel->SetModalResult(mrCancel);
        SetClientWidth(right + margin);
        SetClientHeight(338 + 25 + margin);

        // The folder of FileName, else InitialDir, else the working folder; one that cannot be
        // read gives way to the next without a message (the user asked for none of them).
        fs::path start;
        std::string name;
        if (!Dialog.fileName_.empty()) {
            fs::path f(Dialog.fileName_);
            name = f.filename().string();
            if (f.has_parent_path()) start = f.parent_path();
        }
        if (start.empty() && !Dialog.initialDir_.empty()) start = Dialog.initialDir_;
        std::error_code ec;
        fs::path cwd = fs::current_path(ec);
        if (start.empty()) start = cwd;
        if (start.is_relative()) start = cwd / start;
        if (!Navigate(start.lexically_normal(), true)) Navigate(cwd, true);
        name_->SetText(name);
        SetActiveControl(name_);
        const int ppi = DialogPixelsPerInch(Dialog.GetOwner());
        if (ppi != GetPixelsPerInch()) ScaleBy(ppi, GetPixelsPerInch());
    }

    std::string Result() const { return result_; }
    int FilterIndex() const { return filter_->GetItemIndex() + 1; }

private:
    template <class C>
    C* Make(const char* Name, int Left, int Top, int Width, int Height) {
        auto* c = new C(this);
        c->SetName(Name);
        c->SetParent(this);
        c->SetBounds(Left, Top, Width, Height);
        return c;
    }
    // A label that names For, so that a screen reader reads it as the control's name.
    void AddLabel(const char* Text, int Left, int Top, TWinControl* For) {
        auto* l = new TLabel(this);
        l->SetParent(this);
        l->SetCaption(Text);
        l->SetLeft(Left);
        l->SetTop(Top);
        l->SetFocusControl(For);
    }

    const std::vector<std::string>& Patterns() const {
        return filters_[std::size_t(std::clamp(filter_->GetItemIndex(), 0, int(filters_.size()) - 1))].Patterns;
    }

    // Lists Folder; a folder that cannot be read leaves the one shown and, unless Quiet,
    // says why.
    bool Navigate(const fs::path& Folder, bool Quiet) {
        std::vector<TFileEntry> entries;
        try {
            entries = dialog_.ListFolder(Folder.string(), Patterns());
        } catch (const EInOutError& e) {
            if (!Quiet) MessageDlg(e.Message(), mtError, {mbOK}, this);
            return false;
        }
        folder_ = Folder;
        entries_ = std::move(entries);
        pathEdit_->SetText(folder_.string());
        list_->GetItems()->BeginUpdate();
        list_->GetItems()->Clear();
        // Folders end in a slash, as a listing on this system shows them.
        for (const TFileEntry& e : entries_) list_->GetItems()->Add(e.Folder ? e.Name + "/" : e.Name);
        list_->GetItems()->EndUpdate();
        list_->SetItemIndex(-1);
        list_->SetTopIndex(0);
        return true;
    }

    void GoUp() {
        fs::path parent = folder_.parent_path();
        if (parent.empty() || parent == folder_) return;
        std::string from = folder_.filename().string();
        if (!Navigate(parent, false)) return;
        for (std::size_t i = 0; i < entries_.size(); ++i)
            if (entries_[i].Folder && entries_[i].Name == from) list_->SetItemIndex(int(i));
    }

    // A file picked in the list becomes the name to confirm.
    void Picked() {
        int i = list_->GetItemIndex();
        if (i >= 0 && i < int(entries_.size()) && !entries_[std::size_t(i)].Folder)
            name_->SetText(entries_[std::size_t(i)].Name);
    }

    void OpenEntry(int Index) {
        if (Index < 0 || Index >= int(entries_.size())) return;
        const TFileEntry& e = entries_[std::size_t(Index)];
        if (e.Folder) {
            if (Navigate(folder_ / e.Name, false)) name_->SetText("");
            return;
        }
        name_->SetText(e.Name);
        Accept(e.Name);
    }

    // OK or Enter: an entry of the focused list opens; otherwise the name field is taken.
    void Confirm() {
        if (GetActiveControl() == list_ && list_->GetItemIndex() >= 0) {
            OpenEntry(list_->GetItemIndex());
            return;
        }
        Accept(name_->GetText());
    }

    void Accept(std::string Text) {
        Text.erase(0, Text.find_first_not_of(' '));
        Text.erase(Text.find_last_not_of(' ') + 1);
        if (Text.empty()) return;
        fs::path p = Resolve(folder_, Text);
        if (IsFolder(p)) {
            // A typed folder is gone to, not chosen.
            if (Navigate(p, false)) name_->SetText("");
            return;
        }
        const TOpenOptions options = dialog_.options_;
        fs::path parent = p.parent_path();
        if (p.filename().empty() || !IsFolder(parent)) {
            if (p.filename().empty() || options.Contains(ofPathMustExist) || options.Contains(ofFileMustExist)) {
                MessageDlg("The folder \"" + (p.filename().empty() ? p : parent).string() +
                               "\" does not exist.\nCheck the path and try again.",
                           mtError, {mbOK}, this);
                return;
            }
        }
        if (!dialog_.defaultExt_.empty() && p.extension().empty() && !Exists(p)) p += "." + dialog_.defaultExt_;
        const bool exists = Exists(p);
        if (options.Contains(ofFileMustExist) && !exists) {
            MessageDlg("The file \"" + p.string() + "\" does not exist.\nCheck the file name and try again.", mtError,
                       {mbOK}, this);
            return;
        }
        if (dialog_.Saving() && exists && options.Contains(ofOverwritePrompt)) {
            if (MessageDlg("\"" + p.filename().string() + "\" already exists.\nDo you want to replace it?",
                           mtConfirmation, {mbYes, mbNo}, this) != mrYes)
                return;
        }
        result_ = p.string();
        SetModalResult(mrOk);
    }

    TOpenDialog& dialog_;
    std::vector<TOpenDialog::TFilterItem> filters_;
    fs::path folder_;
    std::vector<TFileEntry> entries_;
    std::string result_;
    TEdit* pathEdit_ = nullptr;
    TFileList* list_ = nullptr;
    TEdit* name_ = nullptr;
    TComboBox* filter_ = nullptr;
};

bool TOpenDialog::Execute() {
    if (FOnShow) FOnShow(this);
    bool ok = false;
    {
        TFileDialogForm form(*this);
        if (form.ShowModal() == mrOk && !form.Result().empty()) {
            fileName_ = form.Result();
            filterIndex_ = form.FilterIndex();
            ok = true;
        }
    }
    if (FOnClose) FOnClose(this);
    return ok;
}

}  // namespace vcl
