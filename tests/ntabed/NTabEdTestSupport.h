// A table editor on a shown form of the headless backend, counting its notifications, with
// helpers to reach its cells with the mouse and to answer its popup menus.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ntabed/Zyn_ntabed.h"
#include "platform/Clipbrd.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/Menus.h"
#include "platform/Testing.h"

namespace ntabed_test {

class NTabEdTest : public ::testing::Test {
protected:
    void SetUp() override {
        vcl::Testing::ResetInput();
        vcl::Clipboard()->Clear();
        form = std::make_unique<vcl::TForm>(nullptr);
        form->SetBorderStyle(vcl::bsNone);
        form->SetBounds(0, 0, 640, 420);
        ed = new zyn::TNTabEd(form.get());
        ed->SetName("Ed");
        ed->SetParent(form.get());
        ed->SetBounds(10, 10, 600, 380);
        // Glyph pixels take the text colour exactly.
        ed->GetFont()->SetQuality(vcl::fqNonAntialiased);
        Count(&zyn::TNTabEd::SetOnChange, "Change");
        Count(&zyn::TNTabEd::SetOnHeadingChanged, "Heading");
        Count(&zyn::TNTabEd::SetOnAttributeChanged, "Attrib");
        Count(&zyn::TNTabEd::SetOnLayoutChanged, "Layout");
        Count(&zyn::TNTabEd::SetOnCellStateChanged, "CellState");
        Count(&zyn::TNTabEd::SetOnSelectionChanged, "Selection");
        Count(&zyn::TNTabEd::SetOnChangeSetup, "Setup");
        Count(&zyn::TNTabEd::SetOnPaste, "Paste");
        form->Show();
        vcl::Application->ProcessMessages();
        ResetCounts();
    }
    void TearDown() override {
        form.reset();
        vcl::Testing::ResetInput();
        vcl::Clipboard()->Clear();
    }

    // Every notification is counted and logged by name, in order.
    void Count(void (zyn::TNTabEd::*Setter)(vcl::TNotifyEvent), const std::string& Name) {
        (ed->*Setter)([this, Name](vcl::TObject* Sender) {
            EXPECT_EQ(Sender, ed);
            ++counts[Name];
            log.push_back(Name);
        });
    }
    void ResetCounts() {
        counts.clear();
        log.clear();
    }
    int N(const std::string& Name) { return counts[Name]; }

    // The middle of a grid cell, in the editor's client coordinates.
    vcl::TPoint Centre(int ACol, int ARow) const {
        const vcl::TRect r = ed->CellRect(ACol, ARow);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void ClickCell(int ACol, int ARow, vcl::TMouseButton Button = vcl::mbLeft) {
        const vcl::TPoint p = Centre(ACol, ARow);
        vcl::Input::Click(ed, p.X, p.Y, {}, Button);
    }
    // Right-clicks a cell and records the menu that opened (nullptr when none did); the
    // "user" then picks what Pick returns (nothing by default).
    vcl::TPopupMenu* RightClick(int ACol, int ARow,
                                std::function<vcl::TMenuItem*(vcl::TPopupMenu*)> Pick = nullptr) {
        vcl::TPopupMenu* opened = nullptr;
        vcl::Testing::OnPopup([&](vcl::TPopupMenu* Menu, int, int) -> vcl::TMenuItem* {
            if (opened == nullptr) opened = Menu;
            return Pick ? Pick(Menu) : nullptr;
        });
        ClickCell(ACol, ARow, vcl::mbRight);
        vcl::Testing::OnPopup(nullptr);
        return opened;
    }
    static vcl::TMenuItem* Item(vcl::TPopupMenu* Menu, int Ix) { return Menu->GetItems()->GetItems(Ix - 1); }
    void Select(int C1, int R1, int C2, int R2) { ed->SetSelection(vcl::TGridRect(C1, R1, C2, R2)); }
    // A table of values c * 10 + r, named and with three decimals.
    void FillSample() {
        ed->Clear();
        for (int c = 1; c <= ed->GetNrOfColumns(); ++c)
            for (int r = 1; r <= ed->GetNrOfRows(); ++r) ed->SetElem(c, r, c * 10 + r);
        ResetCounts();
    }

    std::unique_ptr<vcl::TForm> form;
    zyn::TNTabEd* ed = nullptr;
    std::map<std::string, int> counts;
    std::vector<std::string> log;
};

// The editor painted into a bitmap of its size.
struct Picture {
    mutable vcl::TBitmap bmp;
    explicit Picture(zyn::TNTabEd& Ed) {
        bmp.SetSize(Ed.GetWidth(), Ed.GetHeight());
        Ed.PaintTo(bmp.GetCanvas(), 0, 0);
    }
    vcl::TColor At(int X, int Y) const { return bmp.GetCanvas()->GetPixels(X, Y) & 0xFFFFFF; }
    // Pixels of exactly Color inside R (right and bottom edges excluded).
    int Count(const vcl::TRect& R, vcl::TColor Color) const {
        int n = 0;
        for (int y = R.Top; y < R.Bottom; ++y)
            for (int x = R.Left; x < R.Right; ++x)
                if (At(x, y) == (Color & 0xFFFFFF)) ++n;
        return n;
    }
};

}  // namespace ntabed_test
