// Size constraints (SetBounds, alignment, form resizing, OnConstrainedResize, streaming) and the
// inherited reading order.
#include "tests/support/FormFixture.h"

#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "platform/core/FormFile.h"

using namespace vcl;

namespace {

class Constraints : public zyn_test::FormFixture {};

TEST_F(Constraints, SetBoundsKeepsTheLimitsAndZeroMeansNone) {
    auto* p = PlaceOn<TPanel>(form.get(), 10, 10, 100, 50);
    p->GetConstraints()->SetMinWidth(40);
    p->GetConstraints()->SetMaxWidth(120);
    p->GetConstraints()->SetMaxHeight(60);
    p->SetBounds(5, 6, 10, 200);
    EXPECT_EQ(p->GetWidth(), 40);
    EXPECT_EQ(p->GetHeight(), 60);
    EXPECT_EQ(p->GetLeft(), 5);
    p->SetWidth(500);
    EXPECT_EQ(p->GetWidth(), 120);
    p->SetHeight(1);                       // no minimum height
    EXPECT_EQ(p->GetHeight(), 1);
    // Tightening applies to the present size at once.
    p->GetConstraints()->SetMinHeight(30);
    EXPECT_EQ(p->GetHeight(), 30);
    EXPECT_THROW(p->GetConstraints()->SetMaxWidth(-1), EInvalidOperation);
}

TEST_F(Constraints, OnConstrainedResizeMayChangeTheLimits) {
    auto* p = PlaceOn<TPanel>(form.get(), 0, 0, 100, 50);
    p->GetConstraints()->SetMaxWidth(80);
    int calls = 0;
    p->SetOnConstrainedResize([&](TObject* Sender, int& MinW, int&, int& MaxW, int&) {
        ++calls;
        EXPECT_EQ(Sender, p);
        EXPECT_EQ(MaxW, 80);               // starts from Constraints
        MaxW = 150;
        MinW = 20;
    });
    p->SetWidth(300);
    EXPECT_GT(calls, 0);
    EXPECT_EQ(p->GetWidth(), 150);
    p->SetWidth(3);
    EXPECT_EQ(p->GetWidth(), 20);
}

TEST_F(Constraints, AlignmentRespectsTheLimits) {
    auto* top = PlaceOn<TPanel>(form.get(), 0, 0, 50, 40);
    top->GetConstraints()->SetMaxWidth(300);
    top->SetAlign(alTop);
    EXPECT_EQ(top->GetWidth(), 300);       // the form is 400 wide
    EXPECT_EQ(top->GetTop(), 0);
    auto* left = PlaceOn<TPanel>(form.get(), 0, 0, 30, 30);
    left->GetConstraints()->SetMinWidth(60);
    left->GetConstraints()->SetMaxHeight(100);
    left->SetAlign(alLeft);
    EXPECT_EQ(left->GetWidth(), 60);
    EXPECT_EQ(left->GetHeight(), 100);
    EXPECT_EQ(left->GetTop(), 40);         // below the top panel
    auto* client = PlaceOn<TPanel>(form.get(), 0, 0, 30, 30);
    client->GetConstraints()->SetMaxWidth(200);
    client->SetAlign(alClient);
    EXPECT_EQ(client->GetLeft(), 60);      // right of the left panel
    EXPECT_EQ(client->GetWidth(), 200);
    EXPECT_EQ(client->GetHeight(), 300 - 40);
    // The form grows: the client panel stays at its maximum, the top panel too.
    form->SetBounds(0, 0, 600, 400);
    EXPECT_EQ(client->GetWidth(), 200);
    EXPECT_EQ(top->GetWidth(), 300);
    EXPECT_EQ(client->GetHeight(), form->GetClientHeight() - 40);
}

TEST_F(Constraints, FormResizingIsLimited) {
    form->GetConstraints()->SetMinWidth(200);
    form->GetConstraints()->SetMinHeight(150);
    form->GetConstraints()->SetMaxWidth(500);
    form->SetBounds(0, 0, 100, 100);
    EXPECT_EQ(form->GetWidth(), 200);
    EXPECT_EQ(form->GetHeight(), 150);
    form->SetWidth(900);
    EXPECT_EQ(form->GetWidth(), 500);
}

TEST_F(Constraints, StreamedWithTheControl) {
    auto* p = PlaceOn<TPanel>(form.get(), 0, 0, 100, 50, "Limited");
    p->GetConstraints()->SetMinWidth(70);
    p->GetConstraints()->SetMaxHeight(45);
    std::string text = WriteComponentText(form.get());
    EXPECT_NE(text.find("Constraints.MinWidth = 70"), std::string::npos) << text;
    EXPECT_EQ(text.find("Constraints.MaxWidth"), std::string::npos);   // defaults are not written

    TForm copy(nullptr);
    ReadRootText(text, &copy);
    auto* q = dynamic_cast<TPanel*>(copy.FindComponent("Limited"));
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->GetConstraints()->GetMinWidth(), 70);
    EXPECT_EQ(q->GetConstraints()->GetMaxHeight(), 45);
    // A streamed size outside the limits is brought inside once loading ends.
    ReadRootText("object F: TForm\n  object P: TPanel\n    Width = 10\n    Height = 90\n"
                 "    Constraints.MinWidth = 25\n    Constraints.MaxHeight = 40\n  end\nend\n",
                 &copy);
    auto* r = dynamic_cast<TPanel*>(copy.FindComponent("P"));
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->GetWidth(), 25);
    EXPECT_EQ(r->GetHeight(), 40);
}

}  // namespace

namespace {

class BiDi : public zyn_test::FormFixture {};

TEST_F(BiDi, InheritedFromTheParentUntilSetAndStreamed) {
    auto* outer = PlaceOn<TPanel>(form.get(), 0, 0, 200, 100, "Outer");
    auto* inner = PlaceOn<TPanel>(outer, 0, 0, 100, 50, "Inner");
    auto* edit = PlaceOn<TEdit>(inner, 0, 0, 60, 21, "Field");
    EXPECT_EQ(edit->GetBiDiMode(), bdLeftToRight);
    form->SetBiDiMode(bdRightToLeft);
    EXPECT_EQ(outer->GetBiDiMode(), bdRightToLeft);
    EXPECT_EQ(edit->GetBiDiMode(), bdRightToLeft);   // through two levels
    EXPECT_TRUE(edit->GetParentBiDiMode());
    inner->SetBiDiMode(bdLeftToRight);                // its own value stops the inheritance
    EXPECT_FALSE(inner->GetParentBiDiMode());
    EXPECT_EQ(edit->GetBiDiMode(), bdLeftToRight);
    form->SetBiDiMode(bdRightToLeftReadingOnly);
    EXPECT_EQ(outer->GetBiDiMode(), bdRightToLeftReadingOnly);
    EXPECT_EQ(inner->GetBiDiMode(), bdLeftToRight);
    inner->SetParentBiDiMode(true);                   // and taking the parent's again
    EXPECT_EQ(edit->GetBiDiMode(), bdRightToLeftReadingOnly);
    // A control placed later takes its new parent's mode.
    auto* late = PlaceOn<TEdit>(outer, 0, 60, 60, 21, "Late");
    EXPECT_EQ(late->GetBiDiMode(), bdRightToLeftReadingOnly);

    inner->SetBiDiMode(bdRightToLeftNoAlign);
    const std::string text = WriteComponentText(form.get());
    TForm copy(nullptr);
    ReadRootText(text, &copy);
    auto* i2 = dynamic_cast<TControl*>(copy.FindComponent("Inner"));
    auto* f2 = dynamic_cast<TControl*>(copy.FindComponent("Field"));
    auto* o2 = dynamic_cast<TControl*>(copy.FindComponent("Outer"));
    ASSERT_TRUE(i2 && f2 && o2);
    EXPECT_EQ(copy.GetBiDiMode(), bdRightToLeftReadingOnly);
    EXPECT_EQ(o2->GetBiDiMode(), bdRightToLeftReadingOnly);
    EXPECT_TRUE(o2->GetParentBiDiMode());
    EXPECT_EQ(i2->GetBiDiMode(), bdRightToLeftNoAlign);
    EXPECT_FALSE(i2->GetParentBiDiMode());
    EXPECT_EQ(f2->GetBiDiMode(), bdRightToLeftNoAlign);
}

}  // namespace
