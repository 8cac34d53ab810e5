// The framework's classes are registered before main runs, with no set-up call: each test
// runs in a process of its own, so nothing here has made a control before the checks.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/Classes.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/Graphics.h"

using namespace vcl;

namespace {

TEST(ClassRegistration, EveryFrameworkClassIsThereBeforeAnyInstance) {
    for (const char* name :
         {"TPersistent", "TComponent", "TTimer", "TFont", "TControl", "TWinControl", "TGraphicControl",
          "TCustomControl", "TCustomEdit", "TEdit", "TCustomMemo", "TMemo", "TCustomLabel", "TLabel",
          "TButtonControl", "TButton", "TCheckBox", "TSpeedButton", "TCustomPanel", "TPanel", "TBevel",
          "TCustomForm", "TForm", "TMenuItem", "TMenu", "TPopupMenu", "TColorDialog", "TCustomGrid",
          "TCustomDrawGrid", "TDrawGrid", "TStringGrid", "TCustomComboBox", "TComboBox",
          "TCustomTreeView", "TTreeView", "TDateTimePicker"}) {
        const TClassInfo* info = GetClass(name);
        ASSERT_NE(info, nullptr) << name;
        EXPECT_EQ(info->GetName(), name);
    }
    // Tables chain to their registered bases.
    EXPECT_TRUE(GetClass("TStringGrid")->InheritsFrom(GetClass("TWinControl")));
    EXPECT_NE(GetClass("TStringGrid")->FindProperty("ColCount"), nullptr);
    EXPECT_NE(GetClass("TStringGrid")->FindProperty("Font"), nullptr);
}

TEST(ClassRegistration, FormFileBuildsClassesItsProgramNeverNamedBefore) {
    // Only the form is made by code; the bevel, the string grid and the timer come from
    // their names in the text.
    const std::string text =
        "object Form1: TForm\n"
        "  object Bevel1: TBevel\n"
        "    Left = 8\n    Top = 8\n    Width = 100\n    Height = 2\n"
        "    Shape = bsTopLine\n"
        "  end\n"
        "  object Grid1: TStringGrid\n"
        "    Left = 8\n    Top = 16\n    Width = 200\n    Height = 120\n"
        "    ColCount = 3\n"
        "  end\n"
        "  object Timer1: TTimer\n"
        "    Interval = 250\n"
        "  end\n"
        "end\n";
    TForm form(nullptr);
    ReadRootText(text, &form);
    auto* bevel = dynamic_cast<TBevel*>(form.FindComponent("Bevel1"));
    auto* grid = dynamic_cast<TStringGrid*>(form.FindComponent("Grid1"));
    auto* timer = dynamic_cast<TTimer*>(form.FindComponent("Timer1"));
    ASSERT_NE(bevel, nullptr);
    ASSERT_NE(grid, nullptr);
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(bevel->GetShape(), bsTopLine);
    EXPECT_EQ(bevel->GetParent(), &form);
    EXPECT_EQ(grid->GetColCount(), 3);
    EXPECT_EQ(timer->GetInterval(), 250u);
}

TEST(ClassRegistration, DefaultsAreThoseOfAFreshInstance) {
    // A property registered without a default takes the value of a fresh instance, so a
    // fresh instance writes only what has no default.
    TForm form(nullptr);
    form.SetName("Form1");
    auto* bevel = new TBevel(&form);
    bevel->SetName("Bevel1");
    bevel->SetParent(&form);
    std::string text = WriteComponentText(&form);
    EXPECT_EQ(text.substr(text.find("  object Bevel1")),
              "  object Bevel1: TBevel\n"
              "    Left = 0\n    Top = 0\n    Width = " + std::to_string(bevel->GetWidth()) +
                  "\n    Height = " + std::to_string(bevel->GetHeight()) + "\n  end\nend\n")
        << text;
    auto* grid = new TStringGrid(&form);
    grid->SetName("Grid1");
    grid->SetParent(&form);
    for (const char* own : {"ColCount", "RowCount", "FixedCols", "FixedRows", "DefaultColWidth",
                            "DefaultRowHeight", "GridLineWidth", "Options", "FixedColor", "ScrollBars",
                            "DefaultDrawing"})
        EXPECT_EQ(WriteComponentText(&form).find(std::string(own) + " = "), std::string::npos) << own;
    // A changed value is written; setting the fresh value back drops it again.
    grid->SetDefaultColWidth(grid->GetDefaultColWidth() + 10);
    EXPECT_NE(WriteComponentText(&form).find("DefaultColWidth = "), std::string::npos);
    grid->SetDefaultColWidth(grid->GetDefaultColWidth() - 10);
    EXPECT_EQ(WriteComponentText(&form).find("DefaultColWidth = "), std::string::npos);
}

}  // namespace
