// A form with a hint showing over a button, a word-wrapped memo with scroll bars and a
// tree view with hot tracking and a wide node, saved as a picture to look at.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ComCtrls.h"
#include "platform/StdCtrls.h"
#include "tests/support/FormFixture.h"

using namespace vcl;

namespace {

class HintSnapshot : public zyn_test::FormFixture {
protected:
    HintSnapshot() : FormFixture(zyn_test::FormShape::Framed()) {}
};

TEST_F(HintSnapshot, FormWithHintWrappedMemoAndHotTree) {
    form->SetCaption("Hints, memo and tree");
    form->SetBorderStyle(bsDialog);
    form->SetClientWidth(440);
    form->SetClientHeight(260);

    auto* memo = Place<TMemo>(12, 12, 200, 150);
    memo->SetScrollBars(ssVertical);
    memo->SetText("A memo wraps its lines at word boundaries to the width of the field, so that "
                  "long paragraphs stay readable without a horizontal scroll bar.\n\n"
                  "Lines keeps the text's own lines while the caret moves on the display rows.\n"
                  "One\nTwo\nThree\nFour");
    memo->SetSelStart(0);

    auto* tree = Place<TTreeView>(224, 12, 204, 150);
    tree->SetHotTrack(true);
    TTreeNode* docs = tree->GetItems()->Add(nullptr, "Documents");
    tree->GetItems()->AddChild(docs, "Letters");
    TTreeNode* reports = tree->GetItems()->AddChild(docs, "Reports");
    tree->GetItems()->AddChild(reports, "Quarterly summary of the northern region");
    tree->GetItems()->AddChild(reports, "Annual");
    tree->GetItems()->Add(nullptr, "Music")->SetHasChildren(true);
    tree->GetItems()->Add(nullptr, "Pictures");
    docs->Expand(true);
    tree->SetSelected(docs->GetItem(0));

    auto* save = Place<TButton>(12, 176, 90, 27);
    save->SetCaption("Save");
    save->SetHint("Saves the document to disk|Writes every change");
    save->SetShowHint(true);

    // The pointer rests on the tree first (hot label), then on the button.
    TTreeNode* hot = tree->GetItems()->GetFirstNode()->GetItem(1);
    TRect hr = hot->DisplayRect(true);
    Input::MouseMove(tree, hr.Left + 5, (hr.Top + hr.Bottom) / 2);
    ASSERT_EQ(tree->GetHotNode(), hot);
    // Hot tracking is shown while the pointer is on the tree; the button's hint is then
    // composed in once the pointer has rested on the button.
    auto treePicture = Render(tree);
    Input::MouseMove(save, 40, 14);
    Application->AdvanceTime(Application->GetHintPause() + 20);
    THintWindow* hint = ShownHintWindow();
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->GetHintText(), "Saves the document to disk");
    Application->ProcessMessages();

    auto shot = form->Snapshot();
    TCanvas* c = shot->GetCanvas();
    TPoint client = {form->GetBorderWidth(), form->GetCaptionHeight()};
    c->Draw(client.X + tree->GetLeft(), client.Y + tree->GetTop(), treePicture.get());
    // The hint window is a window of its own above the form: drawn where it stands.
    TPoint at = {hint->GetLeft() - form->GetLeft(), hint->GetTop() - form->GetTop()};
    hint->PaintTo(c, at.X, at.Y);
    // The hint lies below the pointer and within the picture of the form.
    EXPECT_GT(at.Y, client.Y + save->GetTop() + 14);
    EXPECT_LE(at.X + hint->GetWidth(), shot->GetWidth());

    std::filesystem::create_directories(ZYN_TEST_OUTPUT_DIR);
    std::string file = std::string(ZYN_TEST_OUTPUT_DIR) + "/hints.png";
    shot->SaveToFile(file);
    EXPECT_TRUE(std::filesystem::exists(file));
}

}  // namespace
