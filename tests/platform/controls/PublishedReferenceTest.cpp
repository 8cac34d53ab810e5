// Component references published by the controls: a control's PopupMenu and a label's
// FocusControl in form files, and what freeing the referenced component does to them.
#include <gtest/gtest.h>

#include "platform/Classes.h"
#include "platform/Forms.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"
#include "platform/Testing.h"

using namespace vcl;

namespace {

template <class C>
C* Named(TComponent* owner, const char* name) {
    auto* c = new C(owner);
    c->SetName(name);
    return c;
}

TEST(PublishedReferences, PopupMenuAndFocusControlRoundTripAndClearWhenFreed) {
    Testing::ResetInput();
    TForm form(nullptr);
    form.SetName("Form1");
    // The label comes first, so its FocusControl names a control written after it.
    auto* label = Named<TLabel>(&form, "Label1");
    label->SetParent(&form);
    label->SetCaption("&Name");
    auto* edit = Named<TEdit>(&form, "Edit1");
    edit->SetParent(&form);
    edit->SetBounds(60, 8, 120, 21);
    auto* menu = Named<TPopupMenu>(&form, "PopupMenu1");
    label->SetFocusControl(edit);
    edit->SetPopupMenu(menu);
    form.SetPopupMenu(menu);

    std::string text = WriteComponentText(&form);
    EXPECT_NE(text.find("  PopupMenu = PopupMenu1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("    FocusControl = Edit1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("    PopupMenu = PopupMenu1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("object PopupMenu1: TPopupMenu"), std::string::npos) << text;

    TForm copy(nullptr);
    ReadRootText(text, &copy);
    auto* label2 = dynamic_cast<TLabel*>(copy.FindComponent("Label1"));
    auto* edit2 = dynamic_cast<TEdit*>(copy.FindComponent("Edit1"));
    auto* menu2 = dynamic_cast<TPopupMenu*>(copy.FindComponent("PopupMenu1"));
    ASSERT_NE(label2, nullptr);
    ASSERT_NE(edit2, nullptr);
    ASSERT_NE(menu2, nullptr);
    EXPECT_EQ(label2->GetFocusControl(), edit2);
    EXPECT_EQ(edit2->GetPopupMenu(), menu2);
    EXPECT_EQ(copy.GetPopupMenu(), menu2);
    EXPECT_EQ(label2->GetPopupMenu(), nullptr);
    EXPECT_EQ(WriteComponentText(&copy), text);

    // Freeing what they point at clears the references (ASan reports a dangling one).
    delete menu2;
    EXPECT_EQ(edit2->GetPopupMenu(), nullptr);
    EXPECT_EQ(copy.GetPopupMenu(), nullptr);
    delete edit2;
    EXPECT_EQ(label2->GetFocusControl(), nullptr);
    std::string after = WriteComponentText(&copy);
    EXPECT_EQ(after.find("PopupMenu ="), std::string::npos) << after;
    EXPECT_EQ(after.find("FocusControl"), std::string::npos) << after;
}

TEST(PublishedReferences, AReferenceToTheWrongKindOfComponentIsRefused) {
    Testing::ResetInput();
    const char* text =
        "object Form1: TForm\n"
        "  object Edit1: TEdit\n"
        "    PopupMenu = Label1\n"
        "  end\n"
        "  object Label1: TLabel\n"
        "  end\n"
        "end\n";
    TForm form(nullptr);
    try {
        ReadRootText(text, &form);
        ADD_FAILURE() << "a label accepted as popup menu";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Line 3: Property PopupMenu takes a TPopupMenu, not Label1 (TLabel)");
    }
    EXPECT_EQ(form.GetComponentCount(), 0);

    // A label's FocusControl must be a windowed control.
    TForm other(nullptr);
    EXPECT_THROW(ReadRootText("object F: TForm\n  object L: TLabel\n    FocusControl = M\n  end\n"
                              "  object M: TPopupMenu\n  end\nend\n",
                              &other),
                 EReadError);
    EXPECT_EQ(other.GetComponentCount(), 0);
}

}  // namespace
