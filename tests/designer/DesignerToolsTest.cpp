// The designer's tools beside the surface: the tab order editor's model, the recent files,
// the preview and the inspector's colour selector, on the headless backend.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "apps/designer/model/DesignModel.h"
#include "apps/designer/model/RecentFiles.h"
#include "apps/designer/program/DesignerForm.h"
#include "colsel/Zyn_Colsel.h"
#include "platform/Classes.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "platform/Testing.h"
#include "progbar/Zyn_ProgBar.h"

namespace {

using namespace vcl;
using designer::TDesignModel;

std::vector<std::string> Names(const std::vector<TWinControl*>& List) {
    std::vector<std::string> n;
    for (TWinControl* w : List) n.push_back(w->GetName());
    return n;
}

TEST(DesignTabOrder, ReorderIsOneStepAndSurvivesSaving) {
    TDesignModel m;
    m.Drop("TEdit", nullptr, Bounds(8, 8, 100, 24));
    m.Drop("TButton", nullptr, Bounds(8, 40, 80, 24));
    auto* panel = dynamic_cast<TWinControl*>(m.Drop("TPanel", nullptr, Bounds(8, 80, 200, 100)));
    m.Drop("TCheckBox", panel, Bounds(8, 8, 100, 20));
    m.Drop("TLabel", nullptr, Bounds(220, 8, 60, 16));   // no tab stop: not listed
    EXPECT_EQ(Names(TDesignModel::TabOrderOf(m.Form())), (std::vector<std::string>{"Edit1", "Button1", "Panel1"}));
    // The container is the selected one, the parent of a selected control, or the form.
    m.Select(m.Find("CheckBox1"));
    EXPECT_EQ(m.TabOrderContainer(), m.Find("Panel1"));
    m.Select(m.Find("Panel1"));
    EXPECT_EQ(m.TabOrderContainer(), m.Find("Panel1"));
    m.Select(m.Find("Edit1"));
    EXPECT_EQ(m.TabOrderContainer(), m.Form());

    m.SetTabOrder(m.Form(), {"Panel1", "Edit1", "Button1"});
    EXPECT_EQ(Names(TDesignModel::TabOrderOf(m.Form())), (std::vector<std::string>{"Panel1", "Edit1", "Button1"}));
    // Read back from the form text it still holds.
    std::string text = m.SaveText();
    m.LoadText(text);
    EXPECT_EQ(Names(TDesignModel::TabOrderOf(m.Form())), (std::vector<std::string>{"Panel1", "Edit1", "Button1"}));
    EXPECT_EQ(m.SaveText(), text);

    TDesignModel u;
    for (const char* cls : {"TEdit", "TButton", "TMemo"}) u.Drop(cls, nullptr, TRect());
    u.SetTabOrder(u.Form(), {"Memo1", "Button1", "Edit1"});
    ASSERT_TRUE(u.CanUndo());
    u.Undo();   // one step back: the drops' order again
    EXPECT_EQ(Names(TDesignModel::TabOrderOf(u.Form())), (std::vector<std::string>{"Edit1", "Button1", "Memo1"}));
    u.Undo();
    EXPECT_EQ(TDesignModel::TabOrderOf(u.Form()).size(), 2u);

    // A list that is not exactly the children is refused, nothing changed.
    std::string before = m.SaveText();
    EXPECT_THROW(m.SetTabOrder(m.Form(), {"Panel1", "Edit1"}), EComponentError);
    EXPECT_THROW(m.SetTabOrder(m.Form(), {"Panel1", "Edit1", "CheckBox1"}), EComponentError);
    EXPECT_THROW(m.SetTabOrder(m.Form(), {"Panel1", "Edit1", "Edit1"}), EComponentError);
    EXPECT_EQ(m.SaveText(), before);
}

class DesignerTools : public ::testing::Test {
protected:
    void SetUp() override {
        Application->SetVirtualClock(true);
        Testing::ResetInput();
        dir = std::filesystem::path(ZYN_TEST_OUTPUT_DIR) / "designer-tools";
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { Testing::ResetInput(); }
    std::filesystem::path dir;
};

TEST_F(DesignerTools, RecentFilesNewestFirstKeptInTheirFile) {
    std::string list = (dir / "config" / "recent-files").string();
    designer::TRecentFiles r(list);
    r.Load();   // no file yet: empty
    EXPECT_TRUE(r.Files().empty());
    for (int i = 0; i < 10; ++i) r.Add((dir / ("f" + std::to_string(i) + ".dfm")).string());
    r.Add((dir / "f5.dfm").string());   // again: moves to the front, not twice
    ASSERT_EQ(r.Files().size(), designer::TRecentFiles::MaxFiles);
    EXPECT_EQ(r.Files()[0], (dir / "f5.dfm").string());
    EXPECT_EQ(r.Files()[1], (dir / "f9.dfm").string());
    EXPECT_EQ(std::count(r.Files().begin(), r.Files().end(), (dir / "f5.dfm").string()), 1);

    designer::TRecentFiles again(list);
    again.Load();
    EXPECT_EQ(again.Files(), r.Files());

    // The folder comes from XDG_CONFIG_HOME, else from HOME.
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    std::string keep = oldXdg != nullptr ? oldXdg : "";
    setenv("XDG_CONFIG_HOME", "/some/config", 1);
    EXPECT_EQ(designer::TRecentFiles::DefaultPath(), "/some/config/zyn-designer/recent-files");
    unsetenv("XDG_CONFIG_HOME");
    if (const char* home = std::getenv("HOME")) {
        EXPECT_EQ(designer::TRecentFiles::DefaultPath(), std::string(home) + "/.config/zyn-designer/recent-files");
    }
    if (oldXdg != nullptr) setenv("XDG_CONFIG_HOME", keep.c_str(), 1);
}

TEST_F(DesignerTools, SavingAndOpeningAddToTheRecentFiles) {
    std::string list = (dir / "recent").string();
    auto form = std::make_unique<designer::TDesignerForm>(nullptr, list);
    std::string file = (dir / "saved.dfm").string();
    ASSERT_TRUE(form->SaveFormAs(file));
    ASSERT_FALSE(form->RecentFiles().Files().empty());
    EXPECT_EQ(form->RecentFiles().Files()[0], file);
    std::ifstream in(list);
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, file);
}

TEST_F(DesignerTools, OpenAndSaveAsAskThroughTheFileDialog) {
    auto form = std::make_unique<designer::TDesignerForm>(nullptr, (dir / "recent").string());
    form->Model().Drop("TButton", nullptr, Bounds(8, 8, 80, 24));
    // Save As: the dialog starts on the name Save would use; the folder is typed with it.
    std::string shownName;
    Testing::OnModal([&](TForm* f) {
        if (f->GetName() != "FileDialog") return;
        auto* edit = dynamic_cast<TEdit*>(f->FindComponent("FileNameEdit"));
        ASSERT_NE(edit, nullptr);
        shownName = edit->GetText();
        edit->SetText((dir / "chosen").string());
        Input::KeyDown(edit, VK_RETURN);
    });
    ASSERT_TRUE(form->SaveAsWithDialog());
    EXPECT_EQ(shownName, "form1.dfm");
    const std::string saved = (dir / "chosen.form").string();   // the default extension
    EXPECT_TRUE(std::filesystem::exists(saved));
    EXPECT_EQ(form->Model().FileName(), saved);
    EXPECT_EQ(form->RecentFiles().Files().front(), saved);

    // Open: the dialog lists the saved file's folder; a double click on it opens it.
    form->NewForm();
    std::vector<std::string> folder;
    Testing::OnModal([&](TForm* f) {
        if (f->GetName() != "FileDialog") return;
        auto* list = dynamic_cast<TListBox*>(f->FindComponent("FileList"));
        ASSERT_NE(list, nullptr);
        for (int i = 0; i < list->GetCount(); ++i) folder.push_back(list->GetItems()->Get(i));
        auto at = std::find(folder.begin(), folder.end(), "chosen.form");
        ASSERT_NE(at, folder.end());
        TRect r = list->ItemRect(int(at - folder.begin()));
        Input::DblClick(list, r.Left + 4, r.Top + 3);
    });
    ASSERT_TRUE(form->OpenWithDialog());
    EXPECT_EQ(form->Model().FileName(), saved);
    EXPECT_NE(form->Model().Find("Button1"), nullptr);
    // Cancel changes nothing.
    Testing::OnModal([](TForm* f) { Input::KeyDown(f, VK_ESCAPE); });
    EXPECT_FALSE(form->OpenWithDialog());
    EXPECT_EQ(form->Model().FileName(), saved);
    Testing::OnModal(nullptr);
}

TEST_F(DesignerTools, PreviewRunsTheFormLiveWhileTheDesignStaysDesigned) {
    auto form = std::make_unique<designer::TDesignerForm>(nullptr, "");
    TDesignModel& m = form->Model();
    auto* bar = m.Drop("TProgBar", nullptr, Bounds(8, 8, 200, 20));
    m.SetProperty(bar, "StartInterval", "20");
    m.SetProperty(bar, "RepeatInterval", "20");
    m.SetProperty(bar, "AutoInc", "True");
    m.Drop("TButton", nullptr, Bounds(8, 40, 80, 24));
    const double start = dynamic_cast<zyn::TProgBar*>(bar)->GetValue();
    TCustomForm* preview = form->Preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->GetVisible());
    EXPECT_FALSE(preview->GetComponentState().Contains(csDesigning));
    auto* live = dynamic_cast<zyn::TProgBar*>(preview->FindComponent("ProgBar1"));
    auto* button = dynamic_cast<TButton*>(preview->FindComponent("Button1"));
    ASSERT_TRUE(live && button);
    Application->AdvanceTime(500);
    Application->ProcessMessages();
    EXPECT_GT(live->GetValue(), start);   // its timer runs
    int clicks = 0;
    button->SetOnClick([&](TObject*) { ++clicks; });
    Input::Click(button, 5, 5);
    EXPECT_EQ(clicks, 1);   // and its input arrives
    // The design did not move.
    auto* designed = dynamic_cast<zyn::TProgBar*>(m.Find("ProgBar1"));
    EXPECT_TRUE(designed->GetComponentState().Contains(csDesigning));
    EXPECT_EQ(designed->GetValue(), start);
    EXPECT_FALSE(designed->IsTimerRunning());
    // A second preview replaces the first.
    TCustomForm* second = form->Preview();
    EXPECT_NE(second, nullptr);
    EXPECT_EQ(form->PreviewForm(), second);
}

TEST_F(DesignerTools, TheColourSelectorEditsAColourRow) {
    auto form = std::make_unique<designer::TDesignerForm>(nullptr, "");
    form->Model().Drop("TPanel", nullptr, Bounds(8, 8, 100, 60));
    zyn::TColSel* sel = form->ColorEditor();
    ASSERT_TRUE(form->ChooseRow("Caption"));
    EXPECT_FALSE(sel->GetVisible());
    ASSERT_TRUE(form->ChooseRow("Color"));
    EXPECT_TRUE(sel->GetVisible());
    // The row's colour is shown; the system colours are there to choose.
    const std::string before = GetPropText(form->Model().Find("Panel1"), "Color");
    EXPECT_EQ(sel->GetSelColor(), StringToColor(before));
    int window = -1;
    for (int i = 1; i <= sel->GetNumColors(); ++i)
        if (sel->GetArrayColor(i) == clWindow) window = i;
    ASSERT_GT(window, 0);
    sel->SetItemIndex(window - 1);
    sel->GetOnChange()(sel);
    EXPECT_EQ(GetPropText(form->Model().Find("Panel1"), "Color"), "clWindow");
    EXPECT_EQ(form->ValueEdit()->GetText(), "clWindow");
    form->Model().Undo();
    EXPECT_EQ(GetPropText(form->Model().Find("Panel1"), "Color"), before);
}

}  // namespace
