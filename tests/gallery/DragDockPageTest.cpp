// The "Drag and dock" page of the gallery: a part dragged into the shipment arrives and
// counts in the totals; the totals panel, dragged out of its dock by its title bar, floats
// and docks again.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "apps/gallery/GalleryForm.h"
#include "apps/gallery/GalleryPage.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/Testing.h"

using namespace vcl;

TEST(DragDockPage, PartsMoveBetweenListsAndTotalsFloatAndDock) {
    Testing::ResetInput();
    auto form = std::make_unique<gallery::TGalleryForm>(nullptr);
    int page = -1;
    for (std::size_t i = 0; i < gallery::Pages().size(); ++i)
        if (std::string(gallery::Pages()[i].Id) == "drag-dock") page = int(i);
    ASSERT_GE(page, 0);
    form->ShowPage(page);
    form->Show();
    Application->ProcessMessages();
    auto* stock = dynamic_cast<TListBox*>(form->FindComponent("Stock"));
    auto* shipment = dynamic_cast<TListBox*>(form->FindComponent("Shipment"));
    auto* dock = dynamic_cast<TPanel*>(form->FindComponent("Dock"));
    auto* totals = dynamic_cast<TPanel*>(form->FindComponent("Totals"));
    ASSERT_TRUE(stock && shipment && dock && totals);
    auto state = [&] { return form->State().Text(); };
    EXPECT_NE(state().find("drag-dock.totals.where=docked\n"), std::string::npos);

    // The second stock part onto the shipment, below its only line.
    const TRect item = stock->ItemRect(1);
    Input::MouseDown(stock, mbLeft, {}, 20, item.Top + 4);
    Input::MouseMove(stock, 40, item.Top + 20);
    Input::MouseMove(shipment, 30, 100);
    EXPECT_EQ(Testing::ShownCursor(), crDrag);
    Input::MouseUp(shipment, mbLeft, {}, 30, 100);
    EXPECT_EQ(shipment->GetCount(), 2);
    EXPECT_EQ(shipment->GetItems()->Get(1), "Drive belt XPZ 1250");
    EXPECT_EQ(stock->GetCount(), 9);
    EXPECT_NE(state().find("drag-dock.status=Packed \"Drive belt XPZ 1250\".\n"), std::string::npos) << state();

    // Dropped outside the lists: nothing moves.
    Application->AdvanceTime(1000);
    Input::MouseDown(stock, mbLeft, {}, 20, item.Top + 4);
    Input::MouseMove(form.get(), 5, 5);
    EXPECT_EQ(Testing::ShownCursor(), crNoDrop);
    Input::MouseUp(form.get(), mbLeft, {}, 5, 5);
    EXPECT_EQ(stock->GetCount(), 9);

    // The totals by their title bar: out of the dock, then back.
    TWinControl* grip = nullptr;
    for (int i = 0; i < totals->GetControlCount(); ++i)
        if (auto* w = dynamic_cast<TWinControl*>(totals->GetControls(i))) grip = w;
    ASSERT_NE(grip, nullptr);
    Input::MouseDown(grip, mbLeft, {}, 60, 10);
    Input::MouseMove(stock, 60, 60);
    Input::MouseUp(stock, mbLeft, {}, 60, 60);
    EXPECT_TRUE(totals->GetFloating());
    EXPECT_NE(state().find("drag-dock.totals.where=floating\n"), std::string::npos);
    if (auto* window = dynamic_cast<TCustomForm*>(totals->GetHostDockSite()))
        window->SaveToPNG(std::string(ZYN_TEST_OUTPUT_DIR) + "/drag-dock-floating.png");
    Input::MouseDown(grip, mbLeft, {}, 60, 10);
    Input::MouseMove(dock, 120, 200);
    Input::MouseUp(dock, mbLeft, {}, 120, 200);
    EXPECT_EQ(totals->GetHostDockSite(), dock);
    EXPECT_NE(state().find("drag-dock.status=Totals docked.\n"), std::string::npos);
    Testing::ResetInput();
}

// At twice the density the grip's dots are drawn at twice their size and spacing.
TEST(DragDockPage, TheGripDotsFollowTheFormsDensity) {
    auto form = std::make_unique<gallery::TGalleryForm>(nullptr);
    form->ScaleBy(192, 96);
    for (std::size_t i = 0; i < gallery::Pages().size(); ++i)
        if (std::string(gallery::Pages()[i].Id) == "drag-dock") form->ShowPage(int(i));
    form->Show();
    Application->ProcessMessages();
    auto* totals = dynamic_cast<TPanel*>(form->FindComponent("Totals"));
    ASSERT_NE(totals, nullptr);
    TControl* grip = nullptr;
    for (int i = 0; i < totals->GetControlCount(); ++i)
        if (totals->GetControls(i)->ClassName() == "TGripBar") grip = totals->GetControls(i);
    ASSERT_NE(grip, nullptr);
    const TPoint o = grip->ClientToParent(TPoint(0, 0), nullptr);
    auto at = [&](int X, int Y) { return form->GetBackBuffer()->GetCanvas()->GetPixels(o.X + X, o.Y + Y) & 0xFFFFFF; };
    const TColor dot = TColor(0xD8C8B8), bar = at(2, 2);
    ASSERT_NE(bar, dot);
    // The last dot of the lower row: 96 dpi (18..20, 11..13), doubled.
    EXPECT_EQ(at(36, 22), dot);
    EXPECT_EQ(at(39, 25), dot);
    EXPECT_EQ(at(40, 25), bar);
    EXPECT_EQ(at(35, 22), bar);
}
