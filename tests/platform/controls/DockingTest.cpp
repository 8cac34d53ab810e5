// Docking: a dockable panel dragged onto a dock site, floated in its tool window, docked
// again; sites and old hosts refusing; docking from code; the properties in form files.
#include "tests/support/FormFixture.h"

#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/ExtCtrls.h"

using namespace vcl;

namespace {

class DockingTest : public zyn_test::FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        site = PlaceOn<TPanel>(form.get(), 240, 0, 160, 300, "Site");
        site->SetDockSite(true);
        tool = PlaceOn<TPanel>(form.get(), 20, 20, 120, 80, "Tool");
        tool->SetCaption("Tools");
        tool->SetDragKind(dkDock);
        tool->SetDragMode(dmAutomatic);
        tool->SetOnStartDock([this](TObject*, TDragDockObject*&) { log.push_back("start"); });
        tool->SetOnEndDock([this](TObject*, TObject* Target, int, int) {
            auto* c = dynamic_cast<TComponent*>(Target);
            log.push_back(std::string("end ") + (Target == nullptr ? "nil" : c->GetName().empty() ? c->ClassName() : c->GetName()));
        });
        site->SetOnDockOver([this](TObject*, TDragDockObject*, int, int, TDragState State, bool& Accept) {
            if (State == dsDragEnter) log.push_back("site.enter");
            if (State == dsDragLeave) log.push_back("site.leave");
            Accept = siteAccepts;
        });
        site->SetOnDockDrop([this](TObject*, TDragDockObject* Source, int, int) {
            log.push_back("site.drop " + std::to_string(int(Source->GetDropAlign())));
        });
        site->SetOnUnDock([this](TObject*, TControl* Client, TWinControl* NewTarget, bool& Allow) {
            log.push_back("site.undock " + Client->GetName() + " to " +
                          (NewTarget == site ? "site" : NewTarget->ClassName()));
            Allow = siteLetsGo;
        });
    }

    // Presses on the tool, moves to (X, Y) of Over and releases there.
    void DragToolTo(TControl* Over, int X, int Y) {
        Input::MouseDown(tool, mbLeft, {}, 30, 30);
        Input::MouseMove(Over, X, Y);
        Input::MouseUp(Over, mbLeft, {}, X, Y);
    }

    TPanel* site = nullptr;
    TPanel* tool = nullptr;
    bool siteAccepts = true;
    bool siteLetsGo = true;
    std::vector<std::string> log;
};

TEST_F(DockingTest, DragOntoSiteDocksFloatsAndDocksAgain) {
    // Into the middle of the site: docked filling it.
    Input::MouseDown(tool, mbLeft, {}, 30, 30);
    Input::MouseMove(site, 80, 150);
    EXPECT_TRUE(tool->Dragging());
    EXPECT_EQ(Testing::ShownCursor(), crDrag);
    Input::MouseUp(site, mbLeft, {}, 80, 150);
    EXPECT_EQ(log, (std::vector<std::string>{"start", "site.enter", "site.leave", "site.drop 5", "end Site"}));
    EXPECT_EQ(tool->GetParent(), site);
    EXPECT_EQ(tool->GetHostDockSite(), site);
    EXPECT_FALSE(tool->GetFloating());
    EXPECT_EQ(tool->GetAlign(), alClient);
    EXPECT_EQ(tool->GetBoundsRect(), Rect(1, 1, 159, 299)) << "inside the panel's bevel";
    ASSERT_EQ(site->GetDockClientCount(), 1);
    EXPECT_EQ(site->GetDockClients(0), tool);
    EXPECT_EQ(tool->GetUndockWidth(), 120);
    EXPECT_EQ(tool->GetUndockHeight(), 80);

    // Out onto the bare form: it floats in a tool window the size it had, where the press
    // point follows the pointer.
    log.clear();
    Input::MouseDown(tool, mbLeft, {}, 30, 30);
    Input::MouseMove(form.get(), 100, 200);
    EXPECT_EQ(Testing::ShownCursor(), crDefault) << "it would float here";
    Input::MouseUp(form.get(), mbLeft, {}, 100, 200);
    EXPECT_EQ(log, (std::vector<std::string>{"start", "site.undock Tool to TToolDockForm", "end TToolDockForm"}));
    ASSERT_TRUE(tool->GetFloating());
    auto* host = dynamic_cast<TCustomForm*>(tool->GetHostDockSite());
    ASSERT_NE(host, nullptr);
    EXPECT_TRUE(host->GetVisible());
    EXPECT_EQ(host->GetBorderStyle(), bsSizeToolWin);
    EXPECT_EQ(host->GetCaption(), "Tools");
    EXPECT_EQ(host->GetClientWidth(), 120);
    EXPECT_EQ(host->GetClientHeight(), 80);
    EXPECT_EQ(host->GetClientOrigin(), TPoint(70, 170));
    EXPECT_EQ(site->GetDockClientCount(), 0);

    // Dragged by its content a little: the window moves.
    log.clear();
    Input::MouseDown(tool, mbLeft, {}, 30, 30);
    Input::MouseMove(tool, 50, 60);
    Input::MouseUp(tool, mbLeft, {}, 50, 60);
    EXPECT_EQ(host->GetClientOrigin(), TPoint(90, 200));
    EXPECT_TRUE(tool->GetFloating());

    // Back onto the site near its top edge: docked along the top at its own height; the
    // tool window goes.
    log.clear();
    DragToolTo(site, 80, 10);
    EXPECT_EQ(log, (std::vector<std::string>{"start", "site.enter", "site.leave", "site.drop 1", "end Site"}));
    EXPECT_EQ(tool->GetParent(), site);
    EXPECT_EQ(tool->GetAlign(), alTop);
    EXPECT_EQ(tool->GetBoundsRect(), Rect(1, 1, 159, 81));
    EXPECT_FALSE(host->GetVisible());
}

TEST_F(DockingTest, SitesAndOldHostsMayRefuse) {
    // A site that refuses: the drop floats the control instead.
    siteAccepts = false;
    DragToolTo(site, 80, 150);
    EXPECT_TRUE(tool->GetFloating());
    EXPECT_EQ(log.back(), "end TToolDockForm");

    // Docked, then the site will not let it go: it stays, the end has no target.
    siteAccepts = true;
    ASSERT_TRUE(tool->ManualDock(site));
    log.clear();
    siteLetsGo = false;
    DragToolTo(form.get(), 100, 200);
    EXPECT_EQ(log.back(), "end nil");
    EXPECT_EQ(tool->GetHostDockSite(), site);
    EXPECT_FALSE(tool->ManualFloat(Rect(10, 10, 110, 60)));
    EXPECT_EQ(tool->GetHostDockSite(), site);

    // Escape cancels a dock drag: nothing moves.
    siteLetsGo = true;
    log.clear();
    Input::MouseDown(tool, mbLeft, {}, 30, 30);
    Input::MouseMove(form.get(), 100, 200);
    Input::KeyDown(form.get(), VK_ESCAPE);
    EXPECT_EQ(log.back(), "end nil");
    EXPECT_EQ(tool->GetHostDockSite(), site);
    EXPECT_EQ(Testing::ShownCursor(), crDefault);

    // A control that is no dock site is no target, nor are controls inside the dragged one.
    auto* inner = PlaceOn<TPanel>(tool, 5, 5, 20, 20, "Inner");
    inner->SetDockSite(true);
    Input::MouseDown(tool, mbLeft, {}, 60, 60);
    Input::MouseMove(tool, 10, 10);
    Input::MouseUp(tool, mbLeft, {}, 10, 10);
    EXPECT_EQ(inner->GetDockClientCount(), 0);
    EXPECT_EQ(tool->GetHostDockSite(), site) << "dropped on itself in its site: docked there again";
}

// While a dock drag runs, a half-tone frame shows where the control would go: every other
// pixel of a 3-pixel band turns black. It follows the pointer and goes with the drag.
TEST_F(DockingTest, AnOutlineShowsWhereTheControlWouldLand) {
    const TColor face = ColorToRGB(clBtnFace) & 0xFFFFFF;
    auto outlineAt = [&](int X, int Y) {   // the outline's look at form pixel (X, Y), Y even
        return Pixel(X, Y) == 0 && Pixel(X + 1, Y) != 0;
    };
    Application->ProcessMessages();
    Input::MouseDown(tool, mbLeft, {}, 30, 30);
    Input::MouseMove(site, 80, 150);
    Application->ProcessMessages();
    // In the middle of the site: the site's whole client area.
    EXPECT_EQ(form->GetDragOutline(), Rect(240, 0, 400, 300));
    EXPECT_TRUE(outlineAt(240, 150)) << "left band";
    EXPECT_TRUE(outlineAt(242, 150)) << "left band, third pixel";
    EXPECT_EQ(Pixel(243, 150), face) << "inside the band";
    EXPECT_TRUE(outlineAt(398, 150)) << "right band";
    EXPECT_TRUE(outlineAt(300, 2)) << "top band";

    // Near the top edge: docked along the top at the tool's own height.
    Input::MouseMove(site, 80, 10);
    Application->ProcessMessages();
    EXPECT_EQ(form->GetDragOutline(), Rect(240, 0, 400, 80));
    EXPECT_EQ(Pixel(242, 150), face) << "the old outline is gone";
    EXPECT_TRUE(outlineAt(300, 78)) << "bottom band";

    // Off the site it would float: the outline is the floating window's client area.
    Input::MouseMove(form.get(), 100, 200);
    Application->ProcessMessages();
    EXPECT_EQ(form->GetDragOutline(), Rect(70, 170, 190, 250));

    // Escape ends the drag and the outline.
    Input::KeyDown(form.get(), VK_ESCAPE);
    Application->ProcessMessages();
    EXPECT_TRUE(form->GetDragOutline().IsEmpty());
    EXPECT_EQ(Pixel(70, 200), face);
    EXPECT_EQ(Pixel(188, 200), face);

    // A drop ends it too.
    DragToolTo(site, 80, 150);
    Application->ProcessMessages();
    EXPECT_TRUE(form->GetDragOutline().IsEmpty());
    EXPECT_EQ(Pixel(242, 150), face);
}

TEST_F(DockingTest, ManualDockAndFloatFromCode) {
    ASSERT_TRUE(tool->ManualDock(site, alBottom));
    EXPECT_EQ(log, (std::vector<std::string>{"site.drop 2", "end Site"}));
    EXPECT_EQ(tool->GetAlign(), alBottom);
    EXPECT_EQ(tool->GetBoundsRect(), Rect(1, 219, 159, 299));

    log.clear();
    ASSERT_TRUE(tool->ManualFloat(Rect(500, 400, 700, 500)));
    EXPECT_EQ(log, (std::vector<std::string>{"site.undock Tool to TToolDockForm", "end TToolDockForm"}));
    auto* host = dynamic_cast<TCustomForm*>(tool->GetHostDockSite());
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->GetClientOrigin(), TPoint(500, 400));
    EXPECT_EQ(host->GetClientWidth(), 200);
    EXPECT_EQ(tool->GetWidth(), 200);

    // ManualDock(nullptr) floats too; moving a docked control by code undocks it.
    ASSERT_TRUE(tool->ManualDock(site));
    ASSERT_TRUE(tool->ManualDock(nullptr));
    EXPECT_TRUE(tool->GetFloating());
    tool->SetParent(form.get());
    EXPECT_EQ(tool->GetHostDockSite(), nullptr);
    EXPECT_FALSE(tool->GetFloating());

    // The floating window goes with its control.
    ASSERT_TRUE(tool->ManualDock(nullptr));
    const int forms = Screen->GetFormCount();
    delete tool;
    EXPECT_EQ(Screen->GetFormCount(), forms - 1);
}

TEST_F(DockingTest, DragAndDockPropertiesSurviveAFormFile) {
    site->SetDockSite(true);
    tool->SetDragCursor(crHandPoint);
    auto* plain = PlaceOn<TPanel>(form.get(), 0, 0, 10, 10, "Plain");
    const std::string text = WriteComponentText(form.get());
    EXPECT_NE(text.find("DockSite = True"), std::string::npos);
    EXPECT_NE(text.find("DragKind = dkDock"), std::string::npos);
    EXPECT_NE(text.find("DragMode = dmAutomatic"), std::string::npos);
    EXPECT_NE(text.find("DragCursor = -21"), std::string::npos);
    // Defaults are not written.
    const std::size_t plainAt = text.find("object Plain");
    ASSERT_NE(plainAt, std::string::npos);
    EXPECT_EQ(text.find("Drag", plainAt), std::string::npos);
    EXPECT_EQ(plain->GetDragCursor(), crDrag);

    TForm copy(nullptr);
    ReadRootText(text, &copy);
    auto* t = dynamic_cast<TPanel*>(copy.FindComponent("Tool"));
    auto* s = dynamic_cast<TPanel*>(copy.FindComponent("Site"));
    ASSERT_NE(t, nullptr);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(t->GetDragKind(), dkDock);
    EXPECT_EQ(t->GetDragMode(), dmAutomatic);
    EXPECT_EQ(t->GetDragCursor(), crHandPoint);
    EXPECT_TRUE(s->GetDockSite());
}

}  // namespace
