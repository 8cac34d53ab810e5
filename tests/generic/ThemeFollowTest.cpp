// Controls following the theme: a switch repaints every control of a form exactly once;
// colours left at their defaults move to the theme and back, colours an application or a
// form file set stay; form files written under a dark theme store no theme colour; every
// component's role table names real colour properties; ZYN_THEME chooses the theme a
// fresh process starts with, and a name it does not know is reported, not obeyed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "numlab/Zyn_NumLab.h"
#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Themes.h"
#include "tests/generic/PropertySweep.h"
#include "tests/support/FormFixture.h"
#include "tests/support/PaintCounter.h"

namespace {

using namespace vcl;
using zyn_test::PaintCounter;

// The component classes of the package, each of which keeps a role table beside it.
const std::vector<std::string> kComponentClasses = {
    "TNumIO2", "TReportListView", "TMarkSel", "TMeter", "TMiniCal", "TNTabEd", "TNumLab",
    "TOnOffBut", "TSevenSeg", "TRotLab", "TColSel", "TRasterLab", "TFolderTree",
    "TRepSpeedButton", "TProgBar", "TThumbnails", "TGradFill"};

class ThemeFollowTest : public zyn_test::FormFixture {
protected:
    ThemeFollowTest() : FormFixture(zyn_test::FormShape{0, 0, 1300, 900, bsNone}) {}
    void TearDown() override {
        Application->SetTheme("light");
        Application->SetOnThemeChange({});
        FormFixture::TearDown();
    }
    static bool SamePicture(TBitmap* A, TBitmap* B) {
        if (A->GetWidth() != B->GetWidth() || A->GetHeight() != B->GetHeight()) return false;
        for (int y = 0; y < A->GetHeight(); ++y)
            for (int x = 0; x < A->GetWidth(); ++x)
                if (Pixel(A, x, y) != Pixel(B, x, y)) return false;
        return true;
    }
};

TEST_F(ThemeFollowTest, SwitchRepaintsEveryControlOnceAndRaisesOneEvent) {
    // One fresh instance of every registered control class, side by side.
    std::vector<TControl*> controls;
    int slot = 0;
    for (const TClassInfo* cls : zyn_test::CreatableClasses()) {
        std::unique_ptr<TComponent> made(cls->Create(form.get()));
        auto* control = dynamic_cast<TControl*>(made.get());
        if (control == nullptr || dynamic_cast<TCustomForm*>(control) != nullptr) continue;
        made.release();
        control->SetParent(form.get());
        control->SetBounds(4 + (slot % 8) * 162, 4 + (slot / 8) * 96, 158, 92);
        controls.push_back(control);
        ++slot;
    }
    ASSERT_GT(controls.size(), 20u);
    Application->ProcessMessages();
    int events = 0;
    Application->SetOnThemeChange([&](TObject* Sender) {
        EXPECT_EQ(Sender, Application);
        ++events;
    });
    for (const char* theme : {"dark", "high-contrast", "light"}) {
        std::vector<PaintCounter> counters;
        for (TControl* c : controls) counters.emplace_back(c);
        const int formPaints = Testing::PaintCount(form.get());
        Application->SetTheme(theme);
        Application->ProcessMessages();
        EXPECT_EQ(Application->GetTheme(), theme);
        EXPECT_EQ(Testing::PaintCount(form.get()) - formPaints, 1) << theme;
        for (std::size_t i = 0; i < controls.size(); ++i)
            EXPECT_EQ(counters[i].Count(), 1) << theme << ": " << controls[i]->ClassName();
    }
    EXPECT_EQ(events, 3);

    // The theme in use again: nothing happens.
    std::vector<PaintCounter> counters;
    for (TControl* c : controls) counters.emplace_back(c);
    Application->SetTheme("LIGHT");
    Application->ProcessMessages();
    EXPECT_EQ(events, 3);
    for (std::size_t i = 0; i < controls.size(); ++i) EXPECT_EQ(counters[i].Count(), 0) << controls[i]->ClassName();
}

TEST_F(ThemeFollowTest, UnknownThemeRaisesAndChangesNothing) {
    Application->SetTheme("dark");
    EXPECT_THROW(Application->SetTheme("solarized"), EConvertError);
    EXPECT_EQ(Application->GetTheme(), "dark");
    EXPECT_EQ(ColorToRGB(clWindow), FindTheme("dark")->Roles[trWindow]);
}

TEST_F(ThemeFollowTest, DefaultsFollowSetColoursStay) {
    auto* plain = Place<zyn::TNumLab>(10, 10, 200, 40);
    auto* chosen = Place<zyn::TNumLab>(10, 60, 200, 40);
    chosen->SetColorLabText(clNavy);
    chosen->SetColorLabBakG(clYellow);
    chosen->SetColorOutBakG(clYellow);
    chosen->SetFrameStyle(zyn::frNone);   // a frame takes the theme's bevel lines
    Application->ProcessMessages();
    auto plainLight = Render(plain), chosenLight = Render(chosen);

    Application->SetTheme("dark");
    const TTheme& dark = *FindTheme("dark");
    EXPECT_EQ(plain->GetColorLabText(), dark.Roles[trFaceText]);
    EXPECT_EQ(plain->GetColorOutText(), dark.Roles[trFaceText]);
    EXPECT_EQ(chosen->GetColorLabText(), clNavy);
    EXPECT_EQ(chosen->GetColorLabBakG(), clYellow);
    auto plainDark = Render(plain), chosenDark = Render(chosen);
    EXPECT_FALSE(SamePicture(plainLight.get(), plainDark.get()));
    EXPECT_TRUE(SamePicture(chosenLight.get(), chosenDark.get()));

    // Through high contrast back to light: exactly the published defaults again.
    Application->SetTheme("high-contrast");
    EXPECT_EQ(plain->GetColorLabText(), FindTheme("high-contrast")->Roles[trFaceText]);
    Application->SetTheme("light");
    EXPECT_EQ(plain->GetColorLabText(), clBlack);
    EXPECT_EQ(chosen->GetColorLabText(), clNavy);
    auto plainAgain = Render(plain);
    EXPECT_TRUE(SamePicture(plainLight.get(), plainAgain.get()));
}

TEST_F(ThemeFollowTest, ControlMadeUnderDarkFollowsWhenPlaced) {
    Application->SetTheme("dark");
    auto* label = new zyn::TNumLab(form.get());
    EXPECT_EQ(label->GetColorLabText(), clBlack);   // not placed yet: as built
    label->SetParent(form.get());
    EXPECT_EQ(label->GetColorLabText(), FindTheme("dark")->Roles[trFaceText]);
    Application->SetTheme("light");
    EXPECT_EQ(label->GetColorLabText(), clBlack);
}

TEST_F(ThemeFollowTest, FormFilesStoreNoThemeColours) {
    auto* plain = Place<zyn::TNumLab>(10, 10, 200, 40);
    plain->SetName("Plain");
    auto* chosen = Place<zyn::TNumLab>(10, 60, 200, 40);
    chosen->SetName("Chosen");
    chosen->SetColorOutText(clRed);
    const std::string light = WriteComponentText(plain) + WriteComponentText(chosen);
    Application->SetTheme("dark");
    EXPECT_EQ(WriteComponentText(plain) + WriteComponentText(chosen), light);

    // Read under dark: the stored colour stays, the others follow.
    std::unique_ptr<TComponent> read(ReadComponentText(WriteComponentText(chosen), nullptr));
    auto* copy = dynamic_cast<zyn::TNumLab*>(read.get());
    ASSERT_NE(copy, nullptr);
    copy->SetParent(form.get());
    EXPECT_EQ(copy->GetColorOutText(), clRed);
    EXPECT_EQ(copy->GetColorLabText(), FindTheme("dark")->Roles[trFaceText]);
    copy->SetParent(nullptr);
}

TEST_F(ThemeFollowTest, RoleTablesNameColourPropertiesOfEveryComponent) {
    for (const std::string& name : kComponentClasses) {
        EXPECT_TRUE(HasThemeRoles(name)) << name << " has no role table";
        const TClassInfo* cls = FindClass(name);
        ASSERT_NE(cls, nullptr) << name;
        std::unique_ptr<TComponent> made(cls->Create(nullptr));
        for (const TThemeRoleEntry& e : ThemeRolesOf(*made)) {
            const TPropInfo* p = cls->FindProperty(e.Property);
            ASSERT_NE(p, nullptr) << name << "." << e.Property;
            EXPECT_EQ(p->Kind, pkColor) << name << "." << e.Property;
            EXPECT_TRUE(p->Set && p->Default) << name << "." << e.Property;
            if (e.DrawnOn.empty()) continue;
            const TPropInfo* bg = cls->FindProperty(e.DrawnOn);
            ASSERT_NE(bg, nullptr) << name << "." << e.DrawnOn;
            EXPECT_EQ(bg->Kind, pkColor) << name << "." << e.DrawnOn;
        }
    }
}

// The theme is chosen once per process, so each case runs in a fresh one: the threadsafe
// style of death test starts the test program anew for the statement.
class ThemeAtStart : public ::testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
    // Exits 0 when a label placed on a new form takes the colour Expected and the
    // application names the theme Name.
    [[noreturn]] static void CheckStartTheme(const char* Value, const std::string& Name, TColor Expected) {
        setenv("ZYN_THEME", Value, 1);
        auto shown = std::make_unique<TForm>(nullptr);
        auto* label = new zyn::TNumLab(shown.get());
        label->SetParent(shown.get());
        const bool ok = Application->GetTheme() == Name && label->GetColorLabText() == Expected;
        shown.reset();
        std::_Exit(ok ? 0 : 1);
    }
};

TEST_F(ThemeAtStart, NamedThemeIsInUseBeforeTheFirstFormShows) {
    EXPECT_EXIT(CheckStartTheme("DARK", "dark", FindTheme("dark")->Roles[trFaceText]),
                ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(CheckStartTheme("high-contrast", "high-contrast", FindTheme("high-contrast")->Roles[trFaceText]),
                ::testing::ExitedWithCode(0), "");
}

TEST_F(ThemeAtStart, UnknownNameIsReportedAndLightKept) {
    EXPECT_EXIT(CheckStartTheme("drak", "light", clBlack), ::testing::ExitedWithCode(0),
                "ZYN_THEME: unknown theme \"drak\" \\(known: light, dark, high-contrast\\); using light");
}

}  // namespace
