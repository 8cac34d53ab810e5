// A shown form holding one report list view, with cell geometry and pixel reads.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/Testing.h"
#include "replist/Zyn_ReportListView.h"

namespace rlv_test {

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        vcl::Testing::ResetInput();
        form = std::make_unique<vcl::TForm>(nullptr);
        form->SetBorderStyle(vcl::bsNone);
        form->SetBounds(0, 0, 420, 320);
        view = new zyn::TReportListView(form.get());
        view->SetParent(form.get());
        view->SetBounds(0, 0, 400, 300);
        form->Show();
        vcl::Application->ProcessMessages();
    }
    void TearDown() override {
        form.reset();
        vcl::Testing::ResetInput();
    }
    // Fills NrCols x NrRows with "r<row>c<col>" unless told otherwise.
    void FillNamed(int Cols, int Rows) {
        view->SetNrCols(Cols);
        view->SetNrRows(Rows);
        for (int r = 1; r <= Rows; ++r)
            for (int c = 1; c <= Cols; ++c)
                view->SetElem(c, r, "r" + std::to_string(r) + "c" + std::to_string(c));
    }
    void Flush() { vcl::Application->ProcessMessages(); }
    vcl::TColor Pixel(int X, int Y) {
        Flush();
        return form->GetBackBuffer()->GetCanvas()->GetPixels(X, Y) & 0xFFFFFF;
    }
    // The rectangle of data row R at display position P (1-based).
    vcl::TRect Cell(int P, int R) const { return view->CellRect(P - 1, view->GetFixedRows() + R - 1); }
    vcl::TRect Header(int P) const {
        return view->CellRect(P - 1, view->GetCommonHeaderVisible() ? 1 : 0);
    }
    void ClickCell(int P, int R, vcl::TShiftState Shift = {}, int Dx = 30) {
        const vcl::TRect c = Cell(P, R);
        vcl::Input::Click(view, c.Left + Dx, (c.Top + c.Bottom) / 2, Shift);
    }
    void ClickHeader(int P, int Dx = -1) {
        const vcl::TRect h = Header(P);
        vcl::Input::Click(view, Dx < 0 ? (h.Left + h.Right) / 2 : h.Left + Dx, (h.Top + h.Bottom) / 2);
    }
    std::string Column(int C) const {
        std::string s;
        for (int r = 1; r <= view->GetNrOfShownRows(); ++r) s += view->GetElem(C, r) + (r < view->GetNrOfShownRows() ? "," : "");
        return s;
    }

    std::unique_ptr<vcl::TForm> form;
    zyn::TReportListView* view = nullptr;
};

}  // namespace rlv_test
