// The published property table of the numeric edit field: defaults from a fresh field, the
// range always written, and a form-file round trip of every own property.
#include <gtest/gtest.h>

#include <memory>

#include "numio/Zyn_NumIO.h"
#include "platform/Classes.h"

using namespace vcl;
using namespace zyn;

TEST(NumIOPublished, DefaultsComeFromAFreshFieldAndTheRangeIsAlwaysWritten) {
    const TClassInfo* info = GetClass("TNumIO");
    ASSERT_NE(info, nullptr);
    TNumIO fresh(nullptr);
    for (const char* name : {"Beep", "DecPlaceSep", "FixPointDecPlaces", "InputFormat"}) {
        const TPropInfo* prop = info->FindProperty(name);
        ASSERT_NE(prop, nullptr) << name;
        EXPECT_TRUE(prop->IsDefault(fresh)) << name;
    }
    EXPECT_FALSE(info->FindProperty("RangeLow")->Default.has_value());
    EXPECT_FALSE(info->FindProperty("RangeHigh")->Default.has_value());
    fresh.SetFixPointDecPlaces(3);
    EXPECT_FALSE(info->FindProperty("FixPointDecPlaces")->IsDefault(fresh));

    const std::string text = WriteComponentText(&fresh);
    EXPECT_NE(text.find("RangeLow = 0"), std::string::npos) << text;
    EXPECT_EQ(text.find("InputFormat"), std::string::npos) << text;
}

TEST(NumIOPublished, OwnPropertiesSurviveAFormFile) {
    auto field = std::make_unique<TNumIO>(nullptr);
    field->SetName("Amount");
    field->SetBeep(true);
    field->SetDecPlaceSep(dpsPointOrComma);
    field->SetFixPointDecPlaces(4);
    field->SetInputFormat(itFixPoint);
    field->SetRangeHigh(50);
    field->SetRangeLow(5);
    std::unique_ptr<TComponent> read(ReadComponentText(WriteComponentText(field.get()), nullptr));
    auto* back = dynamic_cast<TNumIO*>(read.get());
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(back->GetBeep());
    EXPECT_EQ(back->GetDecPlaceSep(), dpsPointOrComma);
    EXPECT_EQ(back->GetFixPointDecPlaces(), 4);
    EXPECT_EQ(back->GetInputFormat(), itFixPoint);
    EXPECT_EQ(back->GetRangeLow(), 5.0);
    EXPECT_EQ(back->GetRangeHigh(), 50.0);
}
