// TCustomDrawGrid (cells drawn and edited through events), TStringGrid (cells hold
// strings) and the published properties of the grids.
#include <algorithm>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/WinControl.h"
#include "platform/controls/grid/Grid.h"
#include "platform/core/Component.h"
#include "platform/core/PropInfo.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

// ---- TCustomDrawGrid -------------------------------------------------------------------

void TCustomDrawGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    if (FOnDrawCell) FOnDrawCell(this, ACol, ARow, ARect, AState);
}

bool TCustomDrawGrid::SelectCell(int ACol, int ARow) {
    bool can = true;
    if (FOnSelectCell) FOnSelectCell(this, ACol, ARow, can);
    return can;
}

std::string TCustomDrawGrid::GetEditText(int ACol, int ARow) {
    std::string value;
    if (FOnGetEditText) FOnGetEditText(this, ACol, ARow, value);
    return value;
}

std::string TCustomDrawGrid::GetEditMask(int ACol, int ARow) {
    std::string value;
    if (FOnGetEditMask) FOnGetEditMask(this, ACol, ARow, value);
    return value;
}

void TCustomDrawGrid::SetEditText(int ACol, int ARow, const std::string& Value) {
    if (FOnSetEditText) FOnSetEditText(this, ACol, ARow, Value);
}

// ---- TStringGrid -----------------------------------------------------------------------

TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) {}

const TStringGrid::Cell* TStringGrid::Find(int ACol, int ARow) const {
    if (ARow < 0 || ARow >= int(rows_.size())) return nullptr;
    const auto& row = rows_[std::size_t(ARow)];
    if (ACol < 0 || ACol >= int(row.size())) return nullptr;
    return &row[std::size_t(ACol)];
}

TStringGrid::Cell& TStringGrid::Get(int ACol, int ARow) {
    if (ACol < 0 || ACol >= GetColCount() || ARow < 0 || ARow >= GetRowCount())
        throw EInvalidGridOperation("Grid index out of range");
    if (ARow >= int(rows_.size())) rows_.resize(std::size_t(ARow) + 1);
    auto& row = rows_[std::size_t(ARow)];
    if (ACol >= int(row.size())) row.resize(std::size_t(ACol) + 1);
    return row[std::size_t(ACol)];
}

std::string TStringGrid::GetCells(int ACol, int ARow) const {
    const Cell* c = Find(ACol, ARow);
    return c != nullptr ? c->text : std::string();
}

void TStringGrid::SetCells(int ACol, int ARow, const std::string& Value) {
    Cell& c = Get(ACol, ARow);
    if (c.text == Value) return;
    c.text = Value;
    InvalidateCell(ACol, ARow);
}

TObject* TStringGrid::GetObjects(int ACol, int ARow) const {
    const Cell* c = Find(ACol, ARow);
    return c != nullptr ? c->object : nullptr;
}

void TStringGrid::SetObjects(int ACol, int ARow, TObject* Value) { Get(ACol, ARow).object = Value; }

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    if (GetDefaultDrawing()) {
        TCanvas* canvas = GetCanvas();
        canvas->TextRect(ARect, ARect.Left + ScaledMetric(2), ARect.Top + ScaledMetric(2), GetCells(ACol, ARow));
    }
    TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

std::string TStringGrid::GetEditText(int ACol, int ARow) {
    std::string value = GetCells(ACol, ARow);
    if (FOnGetEditText) FOnGetEditText(this, ACol, ARow, value);
    return value;
}

void TStringGrid::SetEditText(int ACol, int ARow, const std::string& Value) {
    if (ACol >= 0 && ACol < GetColCount() && ARow >= 0 && ARow < GetRowCount()) {
        Cell& c = Get(ACol, ARow);
        if (c.text != Value) {
            c.text = Value;
            InvalidateCell(ACol, ARow);
        }
    }
    TDrawGrid::SetEditText(ACol, ARow, Value);
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
    for (auto& row : rows_) {
        int need = std::max(FromIndex, ToIndex) + 1;
        if (int(row.size()) < need) row.resize(std::size_t(need));
        Cell moved = std::move(row[std::size_t(FromIndex)]);
        row.erase(row.begin() + FromIndex);
        row.insert(row.begin() + ToIndex, std::move(moved));
    }
    TDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex) {
    int need = std::max(FromIndex, ToIndex) + 1;
    if (int(rows_.size()) < need) rows_.resize(std::size_t(need));
    auto moved = std::move(rows_[std::size_t(FromIndex)]);
    rows_.erase(rows_.begin() + FromIndex);
    rows_.insert(rows_.begin() + ToIndex, std::move(moved));
    TDrawGrid::RowMoved(FromIndex, ToIndex);
}

}  // namespace vcl
