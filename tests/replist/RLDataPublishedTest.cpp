// The published property table of the report list data container: defaults from a fresh
// container, the events bound through the table, and a form-file round trip.
#include <gtest/gtest.h>

#include <any>
#include <memory>

#include "platform/Classes.h"
#include "replist/Zyn_replist.h"

using namespace vcl;
using namespace zyn;

TEST(RLDataPublished, DefaultsEventsAndFormFile) {
    const TClassInfo* info = GetClass("TRLData");
    ASSERT_NE(info, nullptr);
    auto d = std::make_unique<TRLData>(nullptr);
    for (const char* name : {"NrOfColumns", "NrOfRows", "CommonHeader"}) {
        const TPropInfo* prop = info->FindProperty(name);
        ASSERT_NE(prop, nullptr) << name;
        EXPECT_TRUE(prop->IsDefault(*d)) << name;
    }
    const TPropInfo* progress = info->FindProperty("OnPercentDone");
    ASSERT_NE(progress, nullptr);
    EXPECT_FALSE(progress->IsAssigned(*d));
    progress->SetHandler(*d, std::any(TOnPercentDoneEvent([](TObject*, int) {})));
    EXPECT_TRUE(d->GetOnPercentDone());

    d->SetName("Sales");
    d->SetNrCols(3);
    d->SetNrRows(7);
    d->SetCommonHeader("Quarter");
    const std::string text = WriteComponentText(d.get());
    std::unique_ptr<TComponent> read(ReadComponentText(text, nullptr));
    auto* back = dynamic_cast<TRLData*>(read.get());
    ASSERT_NE(back, nullptr) << text;
    EXPECT_EQ(back->GetNrOfColumns(), 3);
    EXPECT_EQ(back->GetNrOfRows(), 7);
    EXPECT_EQ(back->GetCommonHeader(), "Quarter");
    EXPECT_EQ(back->GetColName(3), "C-3");
}
