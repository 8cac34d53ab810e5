// The calendar in form files: its own settings survive a round trip, its grid layout and
// the parts of its date are not written, and a read calendar fills its client area.
#include <gtest/gtest.h>

#include <string>

#include "minical/Zyn_MiniCal.h"
#include "platform/Classes.h"
#include "platform/DateUtils.h"
#include "platform/Forms.h"
#include "platform/Testing.h"

using namespace zyn;

TEST(MiniCalPublished, DefaultsAreTheFreshCalendarsAndNothingOfTheLayoutIsWritten) {
    vcl::Testing::SetNow(vcl::EncodeDate(2024, 3, 15));
    vcl::TForm form(nullptr);
    form.SetName("Form1");
    auto* cal = new TMiniCal(&form);
    cal->SetName("Cal");
    cal->SetParent(&form);
    cal->SetBounds(8, 8, 300, 180);
    const vcl::TClassInfo* info = vcl::GetClass("TMiniCal");
    ASSERT_NE(info, nullptr);
    for (const char* name : {"AutoSwitch", "ColorActiveMonth", "ColorInactiveMonth", "ColorWeekNoBg", "ColorWeekNoFg",
                             "ColorDayIdBg", "ColorDayIdFg", "ColorSelectedBg", "ColorSelectedFg", "ColorHolidayBg",
                             "ColorHolidayFg", "ColorToday", "FirstDayOfWeek", "IndicateHolidays", "Language",
                             "MarkToday", "ShowHolidayHint", "ShowMonthShort", "ShowMovableHolidays"}) {
        const vcl::TPropInfo* prop = info->FindProperty(name);
        ASSERT_NE(prop, nullptr) << name;
        EXPECT_TRUE(prop->IsDefault(*cal)) << name;
    }
    for (const char* name : {"Day", "Month", "Year", "ColCount", "DefaultColWidth", "Options"})
        EXPECT_FALSE(info->FindProperty(name)->IsStored(*cal)) << name;
    EXPECT_NE(info->FindProperty("OnChange"), nullptr);
    const std::string text = vcl::WriteComponentText(&form);
    for (const char* name : {"ColCount", "FixedRows", "DefaultColWidth", "DefaultRowHeight", "Options",
                             "ScrollBars", "DefaultDrawing", "Day =", "Month =", "Year =", "Language"})
        EXPECT_EQ(text.find(name), std::string::npos) << name << " in\n" << text;
    vcl::Testing::ResetNow();
}

TEST(MiniCalPublished, SettingsSurviveARoundTrip) {
    vcl::Testing::SetNow(vcl::EncodeDate(2024, 3, 15));
    vcl::TForm form(nullptr);
    form.SetName("Form1");
    auto* cal = new TMiniCal(&form);
    cal->SetName("Cal");
    cal->SetParent(&form);
    cal->SetBounds(8, 8, 331, 211);
    cal->SetFirstDayOfWeek(dwSun);
    cal->SetLanguage(lgSpanish);
    cal->SetAutoSwitch(false);
    cal->SetShowMonthShort(false);
    cal->SetShowMovableHolidays(false);
    cal->SetColorToday(0x00FF00);
    cal->SetColorHolidayBg(0x8080FF);
    const std::string text = vcl::WriteComponentText(&form);

    vcl::TForm copy(nullptr);
    vcl::ReadRootText(text, &copy);
    auto* read = dynamic_cast<TMiniCal*>(copy.FindComponent("Cal"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->GetFirstDayOfWeek(), dwSun);
    EXPECT_EQ(read->GetLanguage(), lgSpanish);
    EXPECT_FALSE(read->GetAutoSwitch());
    EXPECT_FALSE(read->GetShowMonthShort());
    EXPECT_FALSE(read->GetShowMovableHolidays());
    EXPECT_EQ(read->GetColorToday(), 0x00FF00);
    EXPECT_EQ(read->GetColorHolidayBg(), 0x8080FF);
    std::string caption;
    EXPECT_TRUE(read->CheckHoliday(2024, 12, 25, caption));
    EXPECT_EQ(caption, "Navidad");
    // The layout is the calendar's own after reading: the cells fill the client area.
    EXPECT_EQ(read->GetGridWidth(), read->GetClientWidth());
    EXPECT_EQ(read->GetGridHeight(), read->GetClientHeight());
    EXPECT_EQ(read->GetClientWidth(), 331 - 4);   // inside the sunken border
    EXPECT_EQ(read->GetMonOfs(), CalcMonthOffset(2024, 3, dwSun));
    EXPECT_EQ(vcl::WriteComponentText(&copy), text);
    vcl::Testing::ResetNow();
}
