// The display's scale: ZYN_SCALE, the screen's PixelsPerInch, ScaleBy on the framework's
// controls, and form files read at another density than they were written at.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "platform/Buttons.h"
#include "platform/Classes.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/StdCtrls.h"
#include "platform/Testing.h"
#include "platform/Win32.h"

using namespace vcl;

namespace {

// Sets ZYN_SCALE (or clears it) for one test and puts the screen back afterwards.
class ScaleEnvironment {
public:
    explicit ScaleEnvironment(const char* Value) {
        if (const char* old = std::getenv("ZYN_SCALE")) old_ = old;
        if (Value != nullptr) setenv("ZYN_SCALE", Value, 1);
        else unsetenv("ZYN_SCALE");
        Testing::SetScreenPixelsPerInch(0);
    }
    ~ScaleEnvironment() {
        if (old_) setenv("ZYN_SCALE", old_->c_str(), 1);
        else unsetenv("ZYN_SCALE");
        Testing::SetScreenPixelsPerInch(0);
    }

private:
    std::optional<std::string> old_;
};

TEST(DisplayScale, ZynScaleTakesDecimalNumbersFromOneToThree) {
    struct Case { const char* text; double scale; };
    for (const Case& c : {Case{"1", 1.0}, Case{"1.0", 1.0}, Case{"1.25", 1.25}, Case{"1.5", 1.5},
                          Case{"2", 2.0}, Case{"2.75", 2.75}, Case{"3.0", 3.0}}) {
        std::string error;
        std::optional<double> scale = ParseDisplayScale(c.text, error);
        ASSERT_TRUE(scale.has_value()) << c.text << ": " << error;
        EXPECT_DOUBLE_EQ(*scale, c.scale) << c.text;
    }
}

TEST(DisplayScale, ZynScaleRefusesValuesOutsideTheRangeAndGarbageWithAReason) {
    for (const char* text : {"0.5", "0.99", "3.01", "4", "-2", "0"}) {
        std::string error;
        EXPECT_FALSE(ParseDisplayScale(text, error).has_value()) << text;
        EXPECT_NE(error.find("outside 1.0 to 3.0"), std::string::npos) << text << ": " << error;
    }
    for (const char* text : {"", "abc", "1.5x", "1,5", " 2", "2 ", "nan", "inf", "1e0", "0x2"}) {
        std::string error;
        EXPECT_FALSE(ParseDisplayScale(text, error).has_value()) << "\"" << text << "\"";
        EXPECT_NE(error.find("is not a number"), std::string::npos) << text << ": " << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << "one line: " << error;
    }
}

TEST(DisplayScale, TheScreenFollowsZynScaleAndIgnoresABadOneWithAMessage) {
    {
        ScaleEnvironment env("1.5");
        EXPECT_EQ(Screen->GetPixelsPerInch(), 144);
    }
    {
        ScaleEnvironment env("2");
        EXPECT_EQ(Screen->GetPixelsPerInch(), 192);
    }
    for (const char* bad : {"7", "big"}) {
        ScaleEnvironment env(bad);
        testing::internal::CaptureStderr();
        const int ppi = Screen->GetPixelsPerInch();   // headless: the backend has no display to ask
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(ppi, 96) << bad;
        EXPECT_NE(said.find("ZYN_SCALE"), std::string::npos) << said;
        EXPECT_NE(said.find("ignored"), std::string::npos) << said;
    }
    ScaleEnvironment none(nullptr);
    EXPECT_EQ(Screen->GetPixelsPerInch(), 96);
    EXPECT_EQ(ScaleToPixelsPerInch(1.25), 120);
}

TEST(DisplayScale, TheTestingHookSetsTheScreenWithinTheFormsRange) {
    ScaleEnvironment env(nullptr);
    Testing::SetScreenPixelsPerInch(192);
    EXPECT_EQ(Screen->GetPixelsPerInch(), 192);
    EXPECT_THROW(Testing::SetScreenPixelsPerInch(10), EInvalidOperation);
    EXPECT_EQ(Screen->GetPixelsPerInch(), 192);
    Testing::SetScreenPixelsPerInch(0);
    EXPECT_EQ(Screen->GetPixelsPerInch(), 96);
}

// ---- ScaleBy -------------------------------------------------------------------------------

class ScaleByTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetName("Dialog");
        form->SetBorderStyle(bsSizeable);
        form->SetBounds(30, 40, 416, 339);   // client 400 x 300
    }
    std::unique_ptr<TForm> form;
};

TEST_F(ScaleByTest, ChildrenScaleByTheirEdgesAndTheFormKeepsItsPlaceAndFrame) {
    auto* left = new TPanel(form.get());
    left->SetParent(form.get());
    left->SetBounds(7, 9, 101, 33);
    auto* right = new TPanel(form.get());   // touches the left panel's right edge
    right->SetParent(form.get());
    right->SetBounds(108, 9, 55, 33);
    auto* edit = new TPanel(form.get());
    edit->SetParent(left);
    edit->SetBounds(3, 4, 61, 21);
    edit->GetConstraints()->SetMinWidth(40);
    edit->GetConstraints()->SetMaxHeight(30);

    form->ScaleBy(3, 2);

    EXPECT_EQ(form->GetLeft(), 30);
    EXPECT_EQ(form->GetTop(), 40);
    EXPECT_EQ(form->GetClientWidth(), 600);
    EXPECT_EQ(form->GetClientHeight(), 450);
    EXPECT_EQ(form->GetWidth(), 600 + 2 * form->GetBorderWidth());
    EXPECT_EQ(form->GetPixelsPerInch(), 144);
    EXPECT_EQ(left->GetBoundsRect(), Rect(MulDiv(7, 3, 2), MulDiv(9, 3, 2), MulDiv(108, 3, 2), MulDiv(42, 3, 2)));
    EXPECT_EQ(right->GetLeft(), left->GetLeft() + left->GetWidth()) << "neighbours still meet";
    EXPECT_EQ(edit->GetBoundsRect(), Rect(MulDiv(3, 3, 2), MulDiv(4, 3, 2), MulDiv(64, 3, 2), MulDiv(25, 3, 2)));
    EXPECT_EQ(edit->GetConstraints()->GetMinWidth(), 60);
    EXPECT_EQ(edit->GetConstraints()->GetMaxHeight(), 45);
    EXPECT_EQ(edit->GetConstraints()->GetMaxWidth(), 0) << "no limit stays no limit";
}

TEST_F(ScaleByTest, AnchoredAndAlignedChildrenKeepTheirRulesAtTheNewSize) {
    auto* bar = new TPanel(form.get());
    bar->SetParent(form.get());
    bar->SetHeight(30);
    bar->SetAlign(alTop);
    auto* ok = new TButton(form.get());
    ok->SetParent(form.get());
    ok->SetBounds(310, 260, 80, 30);   // 10 from the right, 10 from the bottom
    ok->SetAnchors({akRight, akBottom});

    form->ScaleBy(2, 1);

    EXPECT_EQ(bar->GetBoundsRect(), Rect(0, 0, 800, 60));
    EXPECT_EQ(ok->GetBoundsRect(), Rect(620, 520, 780, 580));
    form->SetClientWidth(900);   // the anchor keeps the scaled distance
    EXPECT_EQ(ok->GetLeft(), 900 - 20 - 160);
}

TEST_F(ScaleByTest, FontsScaleUnlessTheyAreTheParentsAndPointsFollowThePixelsPerInch) {
    form->GetFont()->SetHeight(-11);
    auto* label = new TLabel(form.get());   // follows the form's font
    label->SetParent(form.get());
    auto* title = new TLabel(form.get());
    title->SetParent(form.get());
    title->GetFont()->SetHeight(-19);
    ASSERT_FALSE(title->GetParentFont());

    form->ScaleBy(2, 1);

    EXPECT_EQ(form->GetFont()->GetHeight(), -22);
    EXPECT_EQ(label->GetFont()->GetHeight(), -22);
    EXPECT_EQ(title->GetFont()->GetHeight(), -38);
    // The same point sizes as before, now at 192 pixels per inch.
    EXPECT_EQ(form->GetFont()->GetSize(), 8);
    EXPECT_EQ(title->GetFont()->GetSize(), 14);
    title->GetFont()->SetSize(10);
    EXPECT_EQ(title->GetFont()->GetHeight(), -27);
    // A control placed on the form later maps points through its density too.
    auto* late = new TLabel(form.get());
    late->SetParent(form.get());
    late->SetParentFont(false);
    late->GetFont()->SetSize(9);
    EXPECT_EQ(late->GetFont()->GetHeight(), -24);
}

TEST_F(ScaleByTest, GridWidthsAndHeightsScaleAndHiddenOnesStayHidden) {
    auto* grid = new TStringGrid(form.get());
    grid->SetParent(form.get());
    grid->SetBounds(0, 0, 300, 200);
    grid->SetColCount(4);
    grid->SetRowCount(3);
    grid->SetDefaultColWidth(50);
    grid->SetDefaultRowHeight(18);
    grid->SetColWidths(1, 75);
    grid->SetColWidths(2, 0);
    grid->SetRowHeights(2, 31);

    form->ScaleBy(2, 1);

    EXPECT_EQ(grid->GetDefaultColWidth(), 100);
    EXPECT_EQ(grid->GetDefaultRowHeight(), 36);
    EXPECT_EQ(grid->GetColWidths(0), 100);
    EXPECT_EQ(grid->GetColWidths(1), 150);
    EXPECT_EQ(grid->GetColWidths(2), 0);
    EXPECT_EQ(grid->GetRowHeights(2), 62);
}

TEST_F(ScaleByTest, ListsTreesAndButtonsScaleTheirMetrics) {
    auto* list = new TListBox(form.get());
    list->SetParent(form.get());
    list->SetItemHeight(17);
    auto* tree = new TTreeView(form.get());
    tree->SetParent(form.get());
    tree->SetIndent(19);
    auto* button = new TSpeedButton(form.get());
    button->SetParent(form.get());
    button->SetSpacing(4);   // Margin -1: centred
    ASSERT_EQ(button->GetMargin(), -1);

    form->ScaleBy(3, 2);

    EXPECT_EQ(list->GetItemHeight(), MulDiv(17, 3, 2));
    EXPECT_EQ(tree->GetIndent(), MulDiv(19, 3, 2));
    EXPECT_EQ(button->GetSpacing(), 6);
    EXPECT_EQ(button->GetMargin(), -1);
}

TEST_F(ScaleByTest, TheSameFactorChangesNothingAndBadFactorsAreRefused) {
    auto* edit = new TEdit(form.get());
    edit->SetParent(form.get());
    edit->SetBounds(5, 5, 77, 21);
    form->ScaleBy(96, 96);
    EXPECT_EQ(edit->GetBoundsRect(), Rect(5, 5, 82, 26));
    EXPECT_EQ(form->GetPixelsPerInch(), 96);
    EXPECT_THROW(form->ScaleBy(0, 96), EInvalidOperation);
    EXPECT_THROW(form->ScaleBy(192, -96), EInvalidOperation);
    EXPECT_EQ(edit->GetBoundsRect(), Rect(5, 5, 82, 26));
}

// ---- form files ----------------------------------------------------------------------------

class ScaledFormFile : public ::testing::Test {
protected:
    void SetUp() override { Testing::SetScreenPixelsPerInch(96); }
    void TearDown() override { Testing::SetScreenPixelsPerInch(0); }

    // A dialog written on a 96 dpi screen.
    static std::string TextAt96(bool Scaled = true) {
        TForm form(nullptr);
        form.SetName("Dialog");
        form.SetBorderStyle(bsSizeable);
        form.SetBounds(20, 30, 416, 339);
        form.SetScaled(Scaled);
        auto* panel = new TPanel(&form);
        panel->SetName("Top");
        panel->SetParent(&form);
        panel->SetBounds(8, 8, 201, 45);
        auto* label = new TLabel(&form);
        label->SetName("Title");
        label->SetParent(panel);
        label->SetAutoSize(false);
        label->SetBounds(5, 7, 123, 17);
        label->GetFont()->SetHeight(-15);
        auto* edit = new TPanel(&form);   // a box that does not size itself by its font
        edit->SetName("Name");
        edit->SetParent(&form);
        edit->SetBounds(8, 61, 151, 21);
        edit->GetConstraints()->SetMinWidth(100);
        return WriteComponentText(&form);
    }
};

TEST_F(ScaledFormFile, AFormWrittenAt96IsWrittenAsBeforeWithoutDensityOrScaled) {
    const std::string text = TextAt96();
    EXPECT_EQ(text.find("PixelsPerInch"), std::string::npos) << text;
    EXPECT_EQ(text.find("Scaled"), std::string::npos) << text;
    EXPECT_NE(TextAt96(false).find("Scaled = False"), std::string::npos);
}

TEST_F(ScaledFormFile, ReadAt192ItDoublesAndSavesBackWithItsDensityAndReadsAgainUnchanged) {
    const std::string at96 = TextAt96();
    Testing::SetScreenPixelsPerInch(192);
    std::unique_ptr<TComponent> read(ReadComponentText(at96, nullptr));
    auto* form = dynamic_cast<TForm*>(read.get());
    ASSERT_NE(form, nullptr);
    auto* panel = dynamic_cast<TControl*>(form->FindComponent("Top"));
    auto* label = dynamic_cast<TControl*>(form->FindComponent("Title"));
    auto* edit = dynamic_cast<TControl*>(form->FindComponent("Name"));
    ASSERT_TRUE(panel && label && edit);

    EXPECT_EQ(form->GetPixelsPerInch(), 192);
    EXPECT_EQ(form->GetClientWidth(), 800);
    EXPECT_EQ(form->GetClientHeight(), 600);
    EXPECT_EQ(form->GetLeft(), 20);
    auto near = [](int Actual, int Expected) { return std::abs(Actual - Expected) <= 1; };
    for (auto [control, bounds] : {std::pair{panel, Rect(8, 8, 209, 53)}, std::pair{label, Rect(5, 7, 128, 24)},
                                   std::pair{edit, Rect(8, 61, 159, 82)}}) {
        const TRect b = control->GetBoundsRect();
        EXPECT_TRUE(near(b.Left, 2 * bounds.Left) && near(b.Top, 2 * bounds.Top) &&
                    near(b.Right, 2 * bounds.Right) && near(b.Bottom, 2 * bounds.Bottom))
            << control->GetName() << ": " << b.Left << "," << b.Top << "," << b.Right << "," << b.Bottom;
    }
    EXPECT_TRUE(near(label->GetFont()->GetHeight(), -30)) << label->GetFont()->GetHeight();
    EXPECT_TRUE(near(form->GetFont()->GetHeight(), -22)) << form->GetFont()->GetHeight();
    EXPECT_EQ(edit->GetConstraints()->GetMinWidth(), 200);

    const std::string at192 = WriteComponentText(form);
    EXPECT_NE(at192.find("PixelsPerInch = 192"), std::string::npos) << at192;
    std::unique_ptr<TComponent> again(ReadComponentText(at192, nullptr));
    EXPECT_EQ(WriteComponentText(again.get()), at192) << "read on the same screen, nothing moves";
}

TEST_F(ScaledFormFile, AFormWithScaledFalseOrTheScreensDensityStaysAsWritten) {
    const std::string fixed = TextAt96(false);
    Testing::SetScreenPixelsPerInch(192);
    std::unique_ptr<TComponent> read(ReadComponentText(fixed, nullptr));
    auto* form = dynamic_cast<TForm*>(read.get());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->GetPixelsPerInch(), 96);
    EXPECT_EQ(form->GetClientWidth(), 400);
    EXPECT_EQ(WriteComponentText(form), fixed);

    Testing::SetScreenPixelsPerInch(96);
    const std::string plain = TextAt96();
    std::unique_ptr<TComponent> same(ReadComponentText(plain, nullptr));
    EXPECT_EQ(WriteComponentText(same.get()), plain);
}

TEST_F(ScaledFormFile, AFormWrittenAt144ShrinksOnA96Screen) {
    Testing::SetScreenPixelsPerInch(96);
    std::string text = TextAt96();
    Testing::SetScreenPixelsPerInch(144);
    std::unique_ptr<TComponent> big(ReadComponentText(text, nullptr));
    const std::string at144 = WriteComponentText(big.get());
    ASSERT_NE(at144.find("PixelsPerInch = 144"), std::string::npos);
    Testing::SetScreenPixelsPerInch(96);
    std::unique_ptr<TComponent> back(ReadComponentText(at144, nullptr));
    auto* form = dynamic_cast<TForm*>(back.get());
    EXPECT_EQ(form->GetPixelsPerInch(), 96);
    EXPECT_EQ(form->GetClientWidth(), 400);
    EXPECT_NEAR(dynamic_cast<TControl*>(form->FindComponent("Name"))->GetWidth(), 151, 1);
}

}  // namespace
