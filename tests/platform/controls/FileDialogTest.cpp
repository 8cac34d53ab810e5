// The open and save dialogs on a folder of their own: the listing, navigation by mouse, keys
// and typed paths, and what OK accepts or refuses.
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tests/support/FormFixture.h"
#include "platform/Accessibility.h"
#include "platform/Dialogs.h"
#include "platform/StdCtrls.h"

using namespace vcl;
namespace fs = std::filesystem;

namespace {

class FileDialogTest : public zyn_test::FormFixture {
protected:
    void SetUp() override {
        zyn_test::FormFixture::SetUp();
        char pattern[] = "/tmp/zyn-filedlg-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root = pattern;
        fs::create_directories(root / "beta" / "inner");
        fs::create_directories(root / "Alpha");
        fs::create_directories(root / ".cache");
        for (const char* f : {"b.form", "A.form", "notes.txt", ".hidden.form"}) std::ofstream(root / f) << "x";
        std::ofstream(root / "beta" / "deep.form") << "x";
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(root, ec);
        zyn_test::FormFixture::TearDown();
    }

    template <class T>
    static T* Part(TForm* F, const char* Name) {
        auto* c = dynamic_cast<T*>(F->FindComponent(Name));
        EXPECT_NE(c, nullptr) << Name;
        return c;
    }
    static std::vector<std::string> Items(TForm* F) {
        std::vector<std::string> out;
        TListBox* list = Part<TListBox>(F, "FileList");
        for (int i = 0; i < list->GetCount(); ++i) out.push_back(list->GetItems()->Get(i));
        return out;
    }
    static std::string Shown(TForm* F) { return Part<TEdit>(F, "PathEdit")->GetText(); }
    static void Row(TForm* F, int Index, bool Double) {
        TListBox* list = Part<TListBox>(F, "FileList");
        TRect r = list->ItemRect(Index);
        if (Double) Input::DblClick(list, r.Left + 5, r.Top + 3);
        else Input::Click(list, r.Left + 5, r.Top + 3);
    }
    static void TypeName(TForm* F, const std::string& Text) {
        TEdit* edit = Part<TEdit>(F, "FileNameEdit");
        edit->SetText("");
        Input::TypeText(edit, Text);
        Input::KeyDown(edit, VK_RETURN);
    }

    fs::path root;
    const std::string filter = "Form files (*.form)|*.form|All files (*)|*";
};

TEST_F(FileDialogTest, ListsFoldersFirstThenTheFilesTheFilterMatches) {
    TOpenDialog dialog(nullptr);
    dialog.SetFilter(filter);
    dialog.SetInitialDir(root.string());
    ASSERT_EQ(dialog.FilterItems().size(), 2u);
    EXPECT_EQ(dialog.FilterItems()[1].Patterns, std::vector<std::string>{"*"});

    std::vector<std::string> first, all, hidden;
    Testing::OnModal([&](TForm* f) {
        EXPECT_EQ(f->GetName(), "FileDialog");
        EXPECT_EQ(f->GetCaption(), "Open");
        EXPECT_EQ(Shown(f), root.string());
        first = Items(f);
        auto* combo = Part<TComboBox>(f, "FilterCombo");
        ASSERT_EQ(combo->GetItems()->Count(), 2);
        // The second filter, chosen from the list with the keys.
        Input::KeyDown(combo, VK_DOWN);
        all = Items(f);
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(first, (std::vector<std::string>{"Alpha/", "beta/", "A.form", "b.form"}));
    EXPECT_EQ(all, (std::vector<std::string>{"Alpha/", "beta/", "A.form", "b.form", "notes.txt"}));
    EXPECT_EQ(dialog.GetFilterIndex(), 1);   // cancelled: the choice is not kept

    dialog.SetOptions({ofShowHidden});
    Testing::OnModal([&](TForm* f) { hidden = Items(f); });
    dialog.Execute();
    EXPECT_EQ(hidden, (std::vector<std::string>{".cache/", "Alpha/", "beta/", ".hidden.form", "A.form", "b.form"}));
    EXPECT_THROW(dialog.ListFolder((root / "none").string(), {"*"}), EInOutError);
}

// A screen reader names each field by its label, and the list by what it holds.
TEST_F(FileDialogTest, EveryFieldHasANameForAScreenReader) {
    TSaveDialog dialog(nullptr);
    dialog.SetFilter(filter);
    dialog.SetInitialDir(root.string());
    std::vector<std::string> names;
    Testing::OnModal([&](TForm* f) {
        for (const char* part : {"PathEdit", "FileNameEdit", "FilterCombo", "FileList"})
            names.push_back(Part<TWinControl>(f, part)->GetAccessible()->GetName());
    });
    dialog.Execute();
    EXPECT_EQ(names, (std::vector<std::string>{"Folder:", "File name:", "Files of type:", "Folders and files"}));
}

TEST_F(FileDialogTest, DoubleClickEnterBackspaceAndTypedPathsMoveBetweenFolders) {
    TOpenDialog dialog(nullptr);
    dialog.SetFilter(filter);
    dialog.SetFileName((root / "b.form").string());
    std::vector<std::string> visited;
    Testing::OnModal([&](TForm* f) {
        EXPECT_EQ(Part<TEdit>(f, "FileNameEdit")->GetText(), "b.form");
        Row(f, 1, true);   // beta/
        visited.push_back(Shown(f));
        EXPECT_EQ(Items(f), (std::vector<std::string>{"inner/", "deep.form"}));
        auto* list = Part<TListBox>(f, "FileList");
        Input::KeyDown(list, VK_BACK);
        visited.push_back(Shown(f));
        EXPECT_EQ(list->GetItemIndex(), 1);   // the folder come from is selected
        Input::KeyDown(list, VK_UP);
        Input::KeyDown(list, VK_RETURN);   // Alpha/
        visited.push_back(Shown(f));
        TypeName(f, "../beta/inner");
        visited.push_back(Shown(f));
        EXPECT_EQ(Part<TEdit>(f, "FileNameEdit")->GetText(), "");
        Input::Click(Part<TButton>(f, "UpButton"), 5, 5);
        visited.push_back(Shown(f));
        Input::KeyDown(f, VK_ESCAPE);
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(visited, (std::vector<std::string>{(root / "beta").string(), root.string(), (root / "Alpha").string(),
                                                 (root / "beta" / "inner").string(), (root / "beta").string()}));
    EXPECT_EQ(dialog.GetFileName(), (root / "b.form").string());   // Cancel leaves it
}

TEST_F(FileDialogTest, AFileIsChosenByDoubleClickOrByTheListAndEnter) {
    TOpenDialog dialog(nullptr);
    dialog.SetFilter(filter);
    dialog.SetInitialDir(root.string());
    Testing::OnModal([&](TForm* f) { Row(f, 3, true); });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.GetFileName(), (root / "b.form").string());

    Testing::OnModal([&](TForm* f) {
        Row(f, 2, false);   // a click puts the name in the field
        EXPECT_EQ(Part<TEdit>(f, "FileNameEdit")->GetText(), "A.form");
        Input::KeyDown(Part<TListBox>(f, "FileList"), VK_RETURN);
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.GetFileName(), (root / "A.form").string());
}

TEST_F(FileDialogTest, SavingOverAnExistingFileAsksFirst) {
    TSaveDialog dialog(nullptr);
    dialog.SetFilter(filter);
    dialog.SetInitialDir(root.string());
    dialog.SetOptions({ofOverwritePrompt});
    std::vector<std::string> asked;
    int answers = 0;
    bool stillOpen = false;
    Testing::OnModal([&](TForm* f) {
        if (f->GetName() == "MessageForm") {
            asked.push_back(Part<TLabel>(f, "MessageLabel")->GetCaption());
            Input::Click(Part<TButton>(f, answers++ == 0 ? "NoButton" : "YesButton"), 5, 5);
            return;
        }
        EXPECT_EQ(f->GetCaption(), "Save As");
        TypeName(f, "A.form");   // answered No: the dialog stays
        stillOpen = f->GetVisible() && f->GetModalResult() == mrNone;
        TypeName(f, "A.form");   // answered Yes
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_NE(asked[0].find("\"A.form\" already exists"), std::string::npos) << asked[0];
    EXPECT_EQ(dialog.GetFileName(), (root / "A.form").string());

    // A new name asks nothing, and gets the default extension.
    dialog.SetDefaultExt(".form");
    asked.clear();
    Testing::OnModal([&](TForm* f) {
        if (f->GetName() == "MessageForm") asked.push_back("?");
        else TypeName(f, "fresh");
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(dialog.GetFileName(), (root / "fresh.form").string());
}

TEST_F(FileDialogTest, MissingFilesAndFoldersAreRefusedWithAMessage) {
    TOpenDialog dialog(nullptr);
    dialog.SetInitialDir(root.string());
    dialog.SetFileName("keep.form");
    dialog.SetOptions({ofFileMustExist, ofPathMustExist});
    std::vector<std::string> messages;
    Testing::OnModal([&](TForm* f) {
        if (f->GetName() == "MessageForm") {
            messages.push_back(Part<TLabel>(f, "MessageLabel")->GetCaption());
            Input::KeyDown(f, VK_RETURN);
            return;
        }
        TypeName(f, "missing.form");
        TypeName(f, "nowhere/x.form");
        // A folder that goes away after it was listed cannot be opened.
        fs::remove_all(root / "Alpha");
        Row(f, 0, true);
        EXPECT_EQ(Shown(f), root.string());
        EXPECT_EQ(f->GetModalResult(), mrNone);
        Input::Click(Part<TButton>(f, "CancelButton"), 5, 5);
    });
    EXPECT_FALSE(dialog.Execute());
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_NE(messages[0].find("missing.form\" does not exist"), std::string::npos) << messages[0];
    EXPECT_NE(messages[1].find("nowhere\" does not exist"), std::string::npos) << messages[1];
    EXPECT_NE(messages[2].find("Cannot read the folder"), std::string::npos) << messages[2];
    EXPECT_EQ(dialog.GetFileName(), "keep.form");
}

TEST_F(FileDialogTest, TabOrderFollowsTheRowsAndTheFormScalesWithTheDensity) {
    TOpenDialog dialog(nullptr);
    dialog.SetInitialDir(root.string());
    std::vector<std::string> order;
    int listWidth = 0;
    Testing::OnModal([&](TForm* f) {
        for (int i = 0; i < 7; ++i) {
            order.push_back(Screen->GetActiveControl() ? Screen->GetActiveControl()->GetName() : "");
            Input::KeyDown(Screen->GetActiveControl(), VK_TAB);
        }
        listWidth = Part<TListBox>(f, "FileList")->GetWidth();
    });
    dialog.Execute();
    EXPECT_EQ(order, (std::vector<std::string>{"FileNameEdit", "FilterCombo", "OKButton", "CancelButton", "PathEdit",
                                               "UpButton", "FileList"}));
    EXPECT_EQ(listWidth, 480);
    Testing::SetScreenPixelsPerInch(192);
    dialog.Execute();
    Testing::SetScreenPixelsPerInch(0);
    EXPECT_EQ(listWidth, 960);
}

}  // namespace
