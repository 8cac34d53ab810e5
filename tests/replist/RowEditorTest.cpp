// The row editor dialog: its layout, the control of every column kind, OK, Cancel and
// Enter, and the texts written back into the row.
#include <gtest/gtest.h>

#include "numio/Zyn_NumIO.h"
#include "platform/Buttons.h"
#include "platform/ComCtrls.h"
#include "platform/DateUtils.h"
#include "platform/StdCtrls.h"
#include "tests/replist/ReportListViewSupport.h"

using namespace vcl;

namespace {

class RowEditorTest : public rlv_test::ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        ResetFormatSettings();
    }
    template <class T>
    T* Find(TForm* F, const std::string& Name) {
        auto* c = dynamic_cast<T*>(F->FindComponent(Name));
        EXPECT_NE(c, nullptr) << Name;
        return c;
    }
    // Runs the editor on Row; Script inspects (and may answer) the dialog.
    int Edit(int Row, std::function<void(TForm*)> Script) {
        Testing::OnModal(std::move(Script));
        const int result = view->EditRowEntries(Row, 30, 40);
        Testing::OnModal(nullptr);
        return result;
    }
    int LabelWidth(TForm* F) {
        int w = 0;
        for (int c = 1; c <= view->GetNrOfColumns(); ++c) w = std::max(w, F->GetCanvas()->TextWidth(view->GetColName(c)));
        return w + 8;
    }
};

TEST_F(RowEditorTest, SplitsColumnFormats) {
    auto f = zyn::SplitRowEditFormat("[c:5][120]red|green|blue");
    EXPECT_EQ(f.TypeText, "c:5");
    EXPECT_EQ(f.Letter, 'c');
    EXPECT_EQ(f.Width, 120);
    EXPECT_EQ(f.Parameter, "red|green|blue");
    f = zyn::SplitRowEditFormat("[#i]rix3");
    EXPECT_TRUE(f.ReadOnly);
    EXPECT_EQ(f.Letter, 'i');
    EXPECT_EQ(f.Width, 200);
    EXPECT_EQ(f.Parameter, "rix3");
    EXPECT_EQ(zyn::SplitRowEditFormat("[s][ -3]x").Width, 200);   // below 1
    EXPECT_EQ(zyn::SplitRowEditFormat("[s][ +90px]x").Width, 90);
    f = zyn::SplitRowEditFormat("");
    EXPECT_EQ(f.Letter, 's');
    EXPECT_EQ(f.Width, 200);
}

TEST_F(RowEditorTest, OwnFormLayout) {
    FillNamed(3, 2);
    view->SetColName(1, "Name");
    view->SetColName(2, "Colour");
    view->SetColName(3, "A much longer heading");
    view->SetColumnFormat(2, "[c:5][120]red|green|blue");
    bool seen = false;
    const int result = Edit(2, [&](TForm* F) {
        seen = true;
        const int l = LabelWidth(F);
        EXPECT_EQ(F->GetCaption(), "Editing Row 2");
        EXPECT_EQ(F->GetBorderStyle(), bsDialog);
        EXPECT_EQ(F->GetLeft(), 30);
        EXPECT_EQ(F->GetTop(), 40);
        EXPECT_EQ(F->GetWidth(), 200 + l + 28);
        EXPECT_EQ(F->GetHeight(), 3 * 25 + 45 + 38);
        for (int c = 1; c <= 3; ++c) {
            auto* label = Find<TLabel>(F, "runtime_rlre_Label" + std::to_string(c));
            EXPECT_EQ(label->GetLeft(), 8);
            EXPECT_EQ(label->GetTop(), 45 + (c - 1) * 25 + 3);
            EXPECT_EQ(label->GetWidth(), l);
            EXPECT_EQ(label->GetAlignment(), taRightJustify);
            EXPECT_EQ(label->GetTag(), c);
        }
        EXPECT_EQ(Find<TLabel>(F, "runtime_rlre_Label2")->GetCaption(), "Colour:");
        auto* box = Find<TComboBox>(F, "runtime_rlre_CBox2");
        EXPECT_EQ(box->GetLeft(), l + 12);
        EXPECT_EQ(box->GetTop(), 45 + 25);
        EXPECT_EQ(box->GetWidth(), 120);
        EXPECT_EQ(box->GetItems()->GetCount(), 3);
        EXPECT_EQ(box->GetDropDownCount(), 5);
        EXPECT_EQ(box->GetTag(), 2);
        auto* edit = Find<TEdit>(F, "runtime_rlre_Edit3");
        EXPECT_EQ(edit->GetWidth(), 200);
        EXPECT_EQ(edit->GetTop(), 45 + 50);
        EXPECT_EQ(edit->GetText(), "r2c3");
        const int g = l + 200;
        auto* ok = Find<TSpeedButton>(F, "runtime_rlre_OK");
        auto* cancel = Find<TSpeedButton>(F, "runtime_rlre_Cancel");
        EXPECT_EQ(ok->GetBoundsRect(), TRect(g - 154, 4, g - 154 + 81, 4 + 29));
        EXPECT_EQ(cancel->GetBoundsRect(), TRect(g - 69, 4, g - 69 + 81, 4 + 29));
        EXPECT_EQ(ok->GetCaption(), "OK");
        EXPECT_EQ(cancel->GetCaption(), "Cancel");
        EXPECT_EQ(view->GetContainerForm(), F);
    });
    EXPECT_TRUE(seen);
    EXPECT_EQ(result, mrCancel);   // nobody answered
    EXPECT_EQ(view->GetContainerForm(), nullptr);
}

TEST_F(RowEditorTest, ControlsOfEveryKind) {
    view->SetNrCols(8);
    view->SetNrRows(7);
    view->SetColumnFormat(1, "[l]red|green|blue");
    view->SetElem(1, 7, "green");
    view->SetColumnFormat(2, "[c]red|green");
    view->SetElem(2, 7, "purple");
    view->SetColumnFormat(3, "[dyyyy-MM-dd]");
    view->SetElem(3, 7, "2024-02-29");
    view->SetColumnFormat(4, "[#i]rix3");
    view->SetColumnFormat(5, "[h]rix4");
    view->SetColumnFormat(6, "[f]2.5");
    view->SetColumnFormat(7, "[s]$PWD$ 8");
    view->SetColumnFormat(8, "[dHH:mm]12:45");
    Edit(7, [&](TForm* F) {
        auto* list = Find<TComboBox>(F, "runtime_rlre_CBox1");
        EXPECT_EQ(list->GetStyle(), csDropDownList);
        EXPECT_EQ(list->GetItemIndex(), 1);
        auto* box = Find<TComboBox>(F, "runtime_rlre_CBox2");
        EXPECT_EQ(box->GetStyle(), csDropDown);
        EXPECT_EQ(box->GetText(), "purple");
        auto* picker = Find<TDateTimePicker>(F, "runtime_rlre_DtPick3");
        EXPECT_EQ(picker->GetFormat(), "yyyy-MM-dd");
        EXPECT_EQ(picker->GetDateTime(), EncodeDate(2024, 2, 29));
        auto* rix = Find<zyn::TNumIO>(F, "runtime_rlre_NumIO4");
        EXPECT_EQ(rix->GetText(), "007");
        EXPECT_FALSE(rix->GetEnabled());
        EXPECT_EQ(rix->GetColor(), TColor(14737632));
        EXPECT_EQ(rix->GetFont()->GetColor(), clGray);
        EXPECT_EQ(rix->GetInputFormat(), zyn::itInt);
        auto* hex = Find<zyn::TNumIO>(F, "runtime_rlre_NumIO5");
        EXPECT_EQ(hex->GetInputFormat(), zyn::itHex);
        EXPECT_EQ(hex->GetText(), "0007");
        EXPECT_TRUE(hex->GetEnabled());
        auto* real = Find<zyn::TNumIO>(F, "runtime_rlre_NumIO6");
        EXPECT_EQ(real->GetInputFormat(), zyn::itFloat);
        EXPECT_EQ(real->GetText(), "2.5");
        auto* pwd = Find<TEdit>(F, "runtime_rlre_Edit7");
        EXPECT_EQ(pwd->GetText().size(), 8u);
        auto* time = Find<TDateTimePicker>(F, "runtime_rlre_DtPick8");
        EXPECT_EQ(time->GetDateTime(), EncodeTime(12, 45, 0, 0));   // from the parameter text
    });
}

TEST_F(RowEditorTest, RequestEditFormatChoosesPerRow) {
    FillNamed(2, 3);
    std::vector<std::pair<int, int>> calls;
    view->SetOnRequestEditFormat([&](TObject*, int Col, int Row, std::string& Format) {
        calls.emplace_back(Col, Row);
        if (Col == 2) Format = "[l][90]a|b";
    });
    Edit(3, [&](TForm* F) { EXPECT_EQ(Find<TComboBox>(F, "runtime_rlre_CBox2")->GetWidth(), 90); });
    EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}}));
}

TEST_F(RowEditorTest, CancelLeavesTheRowAndFreesTheControls) {
    FillNamed(2, 2);
    TForm* dialog = nullptr;
    const int result = Edit(1, [&](TForm* F) {
        dialog = F;
        Find<TEdit>(F, "runtime_rlre_Edit1")->SetText("changed");
        Input::Click(Find<TSpeedButton>(F, "runtime_rlre_Cancel"), 40, 14);
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(view->GetElem(1, 1), "r1c1");
    EXPECT_EQ(view->GetContainerForm(), nullptr);
}

TEST_F(RowEditorTest, OkWritesEveryControlBack) {
    view->SetNrCols(5);
    view->SetNrRows(7);
    view->SetColumnFormat(1, "[#i]rix3");
    view->SetColumnFormat(2, "[l]red|green");
    view->SetElem(2, 7, "purple");                 // not an item: shows no selection
    view->SetColumnFormat(3, "[dhh:mm tt]");
    view->SetElem(3, 7, "02:05 PM");
    view->SetColumnFormat(4, "[c]x|y");
    view->SetElem(5, 7, "text");
    const int result = Edit(7, [&](TForm* F) {
        Find<TComboBox>(F, "runtime_rlre_CBox4")->SetText("free");
        Input::Click(Find<TSpeedButton>(F, "runtime_rlre_OK"), 40, 14);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(view->GetElem(1, 7), "007");         // read-only, written back with its default
    EXPECT_EQ(view->GetElem(2, 7), "purple");      // not shown, not chosen: kept
    EXPECT_EQ(view->GetElem(3, 7), "02:05 PM");    // in the picker's own tokens
    EXPECT_EQ(view->GetElem(4, 7), "free");
    EXPECT_EQ(view->GetElem(5, 7), "text");
    // Written dates read back to the same moment the next time.
    Edit(7, [&](TForm* F) {
        EXPECT_EQ(Find<TDateTimePicker>(F, "runtime_rlre_DtPick3")->GetDateTime(), EncodeTime(14, 5, 0, 0));
    });
}

// A control that cannot show its cell's text shows something else (a numeric field an
// empty text or its last number, a list no choice, a picker the value 0): OK keeps the
// cell's text unless the user changed the control. Controls that show their text write it
// back as before.
TEST_F(RowEditorTest, OkKeepsTextsTheControlsCouldNotShowUnlessEdited) {
    view->SetNrCols(8);
    view->SetNrRows(1);
    const char* formats[] = {"[f]", "[f]", "[i]", "[e]2.5", "[l]red|green", "[dyyyy-MM-dd]", "[dHH:mm]", "[f]"};
    const char* cells[] = {"n/a", "1,5", "12abc", "", "purple", "someday", "", "n/a"};
    for (int c = 1; c <= 8; ++c) {
        view->SetColumnFormat(c, formats[c - 1]);
        view->SetElem(c, 1, cells[c - 1]);
    }
    std::vector<std::string> shown;
    Edit(1, [&](TForm* F) {
        for (int c : {1, 2, 3, 4, 8}) shown.push_back(Find<zyn::TNumIO>(F, "runtime_rlre_NumIO" + std::to_string(c))->GetText());
        auto* edited = Find<zyn::TNumIO>(F, "runtime_rlre_NumIO8");
        edited->SetFocus();
        edited->SelectAll();
        Input::TypeText(edited, "7.25");
        Input::Click(Find<TSpeedButton>(F, "runtime_rlre_OK"), 40, 14);
    });
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_NE(shown[0], "n/a");          // the fields could not show these texts
    EXPECT_NE(shown[1], "1,5");
    EXPECT_NE(shown[2], "12abc");
    EXPECT_EQ(shown[3], "2.5");          // the default of an empty cell
    EXPECT_EQ(view->GetElem(1, 1), "n/a");
    EXPECT_EQ(view->GetElem(2, 1), "1,5");
    EXPECT_EQ(view->GetElem(3, 1), "12abc");
    EXPECT_EQ(view->GetElem(4, 1), "2.5");      // shown, so written back
    EXPECT_EQ(view->GetElem(5, 1), "purple");
    EXPECT_EQ(view->GetElem(6, 1), "someday");
    EXPECT_EQ(view->GetElem(7, 1), "");          // no time was chosen for the empty cell
    EXPECT_EQ(view->GetElem(8, 1), "7.25");      // edited: the user's number
    // A list choice, a picked time and an edited number replace what the cells held.
    Edit(1, [&](TForm* F) {
        Find<TComboBox>(F, "runtime_rlre_CBox5")->SetItemIndex(1);
        Find<TDateTimePicker>(F, "runtime_rlre_DtPick7")->SetDateTime(EncodeTime(9, 15, 0, 0));
        auto* num = Find<zyn::TNumIO>(F, "runtime_rlre_NumIO1");
        num->SetFocus();
        num->SelectAll();
        Input::TypeText(num, "3");
        Input::Click(Find<TSpeedButton>(F, "runtime_rlre_OK"), 40, 14);
    });
    EXPECT_EQ(view->GetElem(1, 1), "3");
    EXPECT_EQ(view->GetElem(5, 1), "green");
    EXPECT_EQ(view->GetElem(6, 1), "someday");
    EXPECT_EQ(view->GetElem(7, 1), "09:15");
}

// What OK writes for each date column reads back to the same moment the next time the row
// is edited, also for an empty format, a twelve-hour clock without a mark and names.
TEST_F(RowEditorTest, WrittenDatesComeBackAsTheSameMoment) {
    FormatSettings.ShortMonthNames[2] = "Mär";
    FormatSettings.LongDayNames[4] = "Donnerstag";
    view->SetNrCols(4);
    view->SetNrRows(2);
    view->SetColumnFormat(1, "[d]");
    view->SetElem(1, 2, "2/29/2024");               // the settings' short date, M/d/yyyy
    view->SetColumnFormat(2, "[dhh:mm]");
    view->SetColumnFormat(3, "[ddddd, dd MMM yyyy]");
    view->SetElem(3, 2, "Donnerstag, 07 Mär 2024");
    view->SetColumnFormat(4, "[dd MMM yyyy]");
    const TDateTime afternoon = EncodeTime(15, 30, 0, 0);
    Edit(2, [&](TForm* F) {
        EXPECT_EQ(Find<TDateTimePicker>(F, "runtime_rlre_DtPick1")->GetDateTime(), EncodeDate(2024, 2, 29));
        EXPECT_EQ(Find<TDateTimePicker>(F, "runtime_rlre_DtPick3")->GetDateTime(), EncodeDate(2024, 3, 7));
        Find<TDateTimePicker>(F, "runtime_rlre_DtPick2")->SetDateTime(afternoon);
        Find<TDateTimePicker>(F, "runtime_rlre_DtPick4")->SetDateTime(EncodeDate(2025, 3, 1));
        Input::Click(Find<TSpeedButton>(F, "runtime_rlre_OK"), 40, 14);
    });
    EXPECT_EQ(view->GetElem(1, 2), "2/29/2024");
    EXPECT_EQ(view->GetElem(2, 2), "15:30");
    EXPECT_EQ(view->GetElem(3, 2), "Donnerstag, 07 Mär 2024");
    EXPECT_EQ(view->GetElem(4, 2), "1 Mär 2025");
    Edit(2, [&](TForm* F) {
        EXPECT_EQ(Find<TDateTimePicker>(F, "runtime_rlre_DtPick1")->GetDateTime(), EncodeDate(2024, 2, 29));
        EXPECT_EQ(Find<TDateTimePicker>(F, "runtime_rlre_DtPick2")->GetDateTime(), afternoon);
        EXPECT_EQ(Find<TDateTimePicker>(F, "runtime_rlre_DtPick3")->GetDateTime(), EncodeDate(2024, 3, 7));
        EXPECT_EQ(Find<TDateTimePicker>(F, "runtime_rlre_DtPick4")->GetDateTime(), EncodeDate(2025, 3, 1));
    });
}

TEST_F(RowEditorTest, AMaskedColumnIsMaskedInTheDialogAndStaysEditable) {
    view->SetNrCols(3);
    view->SetNrRows(1);
    view->SetColumnFormat(2, "[s][70]");
    view->SetColumnFormat(3, "[i]");
    view->SetColumnIsPwd(2, true);
    view->SetColumnIsPwd(3, true);
    view->SetElem(1, 1, "name");
    view->SetElem(2, 1, "1234");
    view->SetElem(3, 1, "99");
    Edit(1, [&](TForm* F) {
        EXPECT_EQ(Find<TEdit>(F, "runtime_rlre_Edit1")->GetPasswordChar(), 0u);
        auto* pin = Find<TEdit>(F, "runtime_rlre_Edit2");
        EXPECT_EQ(pin->GetPasswordChar(), U'*');
        EXPECT_TRUE(pin->GetEnabled());
        EXPECT_EQ(pin->GetText(), "1234");
        EXPECT_EQ(Find<zyn::TNumIO>(F, "runtime_rlre_NumIO3")->GetPasswordChar(), U'*');
        pin->SetFocus();
        pin->SelectAll();
        Input::TypeText(pin, "5678");
        Input::Click(Find<TSpeedButton>(F, "runtime_rlre_OK"), 40, 14);
    });
    EXPECT_EQ(view->GetElem(2, 1), "5678");
    EXPECT_EQ(view->GetElem(3, 1), "99");
}

TEST_F(RowEditorTest, EnterInAnyEditableFieldConfirms) {
    view->SetNrCols(4);
    view->SetNrRows(1);
    view->SetColumnFormat(1, "[s]");
    view->SetColumnFormat(2, "[i]5");
    view->SetColumnFormat(3, "[c]a|b");
    view->SetColumnFormat(4, "[dyyyy]");
    const char* names[] = {"runtime_rlre_Edit1", "runtime_rlre_NumIO2", "runtime_rlre_CBox3", "runtime_rlre_DtPick4"};
    for (const char* name : names) {
        view->SetElem(1, 1, "");
        const int result = Edit(1, [&](TForm* F) {
            auto* control = Find<TWinControl>(F, name);
            control->SetFocus();
            if (std::string(name) == "runtime_rlre_Edit1") Input::TypeText(control, "typed");
            Input::TypeText(control, "\r");
        });
        EXPECT_EQ(result, mrOk) << name;
        if (std::string(name) == "runtime_rlre_Edit1") {
            EXPECT_EQ(view->GetElem(1, 1), "typed");
        }
    }
    EXPECT_EQ(view->GetElem(2, 1), "5");
}

TEST_F(RowEditorTest, ImpossibleDateKeepsTheDialogOpen) {
    view->SetNrCols(2);
    view->SetNrRows(1);
    view->SetColumnFormat(1, "[ddd.MM.yyyy]");
    view->SetElem(1, 1, "31.02.2024");
    view->SetElem(2, 1, "other");
    bool shown = false;
    EXPECT_NO_THROW(Edit(1, [&](TForm* F) {
        shown = true;
        EXPECT_EQ(Find<TDateTimePicker>(F, "runtime_rlre_DtPick1")->GetDateTime(), 0.0);
        EXPECT_NE(F->FindComponent("runtime_rlre_Edit2"), nullptr);
    }));
    EXPECT_TRUE(shown);
    EXPECT_EQ(view->GetElem(1, 1), "31.02.2024");   // cancelled: unchanged
}

TEST_F(RowEditorTest, ContainerFormIsOnlyEnlarged) {
    FillNamed(2, 1);
    auto container = std::make_unique<TForm>(nullptr);
    container->SetBounds(0, 0, 900, 20);
    container->SetCaption("mine");
    auto* keep = new TEdit(container.get());
    keep->SetName("keepMe");
    keep->SetParent(container.get());
    Testing::OnModal([&](TForm* F) {
        EXPECT_EQ(F, container.get());
        const int l = LabelWidth(F);
        auto* label = Find<TLabel>(F, "runtime_rlre_Label2");
        EXPECT_EQ(label->GetLeft(), 15 + 8);
        EXPECT_EQ(label->GetTop(), 25 + 25 + 3);
        EXPECT_EQ(Find<TEdit>(F, "runtime_rlre_Edit1")->GetLeft(), 15 + l + 12);
        EXPECT_EQ(F->FindComponent("runtime_rlre_OK"), nullptr);
        EXPECT_EQ(F->GetWidth(), 900);                 // wide enough already
        EXPECT_EQ(F->GetHeight(), 2 * 25 + 38);
        Find<TEdit>(F, "runtime_rlre_Edit1")->SetText("new");
        F->SetModalResult(mrOk);
    });
    const int result = view->EditRowEntries(1, container.get(), 15, 25);
    Testing::OnModal(nullptr);
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(view->GetElem(1, 1), "new");
    EXPECT_EQ(container->GetCaption(), "");
    EXPECT_EQ(container->FindComponent("runtime_rlre_Edit1"), nullptr);   // freed
    EXPECT_EQ(container->FindComponent("keepMe"), keep);
}

TEST_F(RowEditorTest, CustomCaptions) {
    FillNamed(1, 1);
    Edit(1, [&](TForm*) {});
    Testing::OnModal([&](TForm* F) {
        EXPECT_EQ(F->GetCaption(), "Row");
        EXPECT_EQ(Find<TSpeedButton>(F, "runtime_rlre_OK")->GetCaption(), "Yes");
        EXPECT_EQ(Find<TSpeedButton>(F, "runtime_rlre_Cancel")->GetCaption(), "No");
    });
    view->EditRowEntries(1, 0, 0, "Row", "Yes", "No");
    Testing::OnModal(nullptr);
}

}  // namespace

// Escape is Cancel in every kind of field, and on the form itself when no field can take
// the keyboard; an open list or calendar is closed first.
TEST_F(RowEditorTest, EscapeCancelsTheDialog) {
    view->SetNrCols(4);
    view->SetNrRows(1);
    view->SetColumnFormat(1, "[s]");
    view->SetColumnFormat(2, "[i]");
    view->SetColumnFormat(3, "[c]a|b");
    view->SetColumnFormat(4, "[dyyyy-MM-dd]");
    view->SetElem(1, 1, "old");
    view->SetElem(2, 1, "12");
    view->SetElem(4, 1, "2024-02-29");
    const char* names[] = {"runtime_rlre_Edit1", "runtime_rlre_NumIO2", "runtime_rlre_CBox3", "runtime_rlre_DtPick4"};
    for (const char* name : names) {
        int during = -1;
        const int result = Edit(1, [&](TForm* F) {
            auto* control = Find<TWinControl>(F, name);
            control->SetFocus();
            Input::TypeText(control, "7");
            Input::KeyDown(control, VK_ESCAPE);
            Input::KeyUp(control, VK_ESCAPE);
            during = F->GetModalResult();
        });
        EXPECT_EQ(during, mrCancel) << name;
        EXPECT_EQ(result, mrCancel) << name;
    }
    EXPECT_EQ(view->GetElem(1, 1), "old");
    EXPECT_EQ(view->GetElem(2, 1), "12");
    EXPECT_EQ(view->GetElem(3, 1), "");

    // The first Escape closes the open list, the second cancels.
    int afterFirst = -1, afterSecond = -1;
    bool dropped = false;
    Edit(1, [&](TForm* F) {
        auto* box = Find<TComboBox>(F, "runtime_rlre_CBox3");
        box->SetFocus();
        Input::KeyDown(box, VK_F4);
        dropped = box->GetDroppedDown();
        Input::KeyDown(box, VK_ESCAPE);
        afterFirst = F->GetModalResult();
        EXPECT_FALSE(box->GetDroppedDown());
        Input::KeyDown(box, VK_ESCAPE);
        afterSecond = F->GetModalResult();
    });
    EXPECT_TRUE(dropped);
    EXPECT_EQ(afterFirst, mrNone);
    EXPECT_EQ(afterSecond, mrCancel);

    // Only read-only fields: the keys go to the form.
    for (int c = 1; c <= 4; ++c) view->SetColumnFormat(c, "[#s]");
    int readOnly = -1;
    Edit(1, [&](TForm* F) {
        Input::KeyDown(F, VK_ESCAPE);
        readOnly = F->GetModalResult();
    });
    EXPECT_EQ(readOnly, mrCancel);
}

// Tab walks the editable fields from top to bottom (the layout has one field per row) and
// wraps; Shift+Tab walks back; read-only fields are skipped.
TEST_F(RowEditorTest, TabFollowsTheLayout) {
    view->SetNrCols(5);
    view->SetNrRows(1);
    view->SetColumnFormat(1, "[s]");
    view->SetColumnFormat(2, "[i]");
    view->SetColumnFormat(3, "[#s]");
    view->SetColumnFormat(4, "[c]a|b");
    view->SetColumnFormat(5, "[dyyyy]");
    std::vector<std::string> forward, backward;
    std::string first;
    // The field that has the keyboard (a combo box's inner edit stands for the box).
    auto focused = [](TForm* F) -> std::string {
        for (TWinControl* c = F->GetActiveControl(); c != nullptr; c = c->GetParent())
            if (c->GetName().starts_with("runtime_rlre_")) return c->GetName();
        return "";
    };
    Edit(1, [&](TForm* F) {
        first = focused(F);
        Find<TWinControl>(F, "runtime_rlre_Edit1")->SetFocus();
        for (int i = 0; i < 4; ++i) {
            Input::KeyDown(F, VK_TAB);
            forward.push_back(focused(F));
        }
        for (int i = 0; i < 2; ++i) {
            Input::KeyDown(F, VK_TAB, TShiftState{ssShift});
            backward.push_back(focused(F));
        }
    });
    EXPECT_EQ(first, "runtime_rlre_Edit1");
    EXPECT_EQ(forward, (std::vector<std::string>{"runtime_rlre_NumIO2", "runtime_rlre_CBox4", "runtime_rlre_DtPick5",
                                                 "runtime_rlre_Edit1"}));
    EXPECT_EQ(backward, (std::vector<std::string>{"runtime_rlre_DtPick5", "runtime_rlre_CBox4"}));
}
