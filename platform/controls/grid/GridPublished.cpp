// The property tables of the grids.
#include "platform/controls/base/PropertyTables.h"
#include "platform/controls/grid/Grid.h"

namespace vcl {
namespace {

const std::vector<std::string> kGridOptionNames = {
    "goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine", "goRangeSelect",
    "goDrawFocusSelected", "goRowSizing", "goColSizing", "goRowMoving", "goColMoving",
    "goEditing", "goTabs", "goRowSelect", "goAlwaysShowEditor", "goThumbTracking"};

const bool registered = [] {
    RegisterClass<TCustomGrid, TWinControl>("TCustomGrid", [](TPublisher<TCustomGrid>& p) {
        p.Integer("ColCount", &TCustomGrid::GetColCount, &TCustomGrid::SetColCount);
        p.Integer("RowCount", &TCustomGrid::GetRowCount, &TCustomGrid::SetRowCount);
        p.Integer("FixedCols", &TCustomGrid::GetFixedCols, &TCustomGrid::SetFixedCols);
        p.Integer("FixedRows", &TCustomGrid::GetFixedRows, &TCustomGrid::SetFixedRows);
        p.Integer("DefaultColWidth", &TCustomGrid::GetDefaultColWidth, &TCustomGrid::SetDefaultColWidth);
        p.Integer("DefaultRowHeight", &TCustomGrid::GetDefaultRowHeight, &TCustomGrid::SetDefaultRowHeight);
        p.Integer("GridLineWidth", &TCustomGrid::GetGridLineWidth, &TCustomGrid::SetGridLineWidth);
        p.Set("Options", &TCustomGrid::GetOptions, &TCustomGrid::SetOptions, kGridOptionNames);
        p.Color("FixedColor", &TCustomGrid::GetFixedColor, &TCustomGrid::SetFixedColor);
        p.Enum("DrawingStyle", &TCustomGrid::GetDrawingStyle, &TCustomGrid::SetDrawingStyle,
               {"gdsClassic", "gdsThemed", "gdsGradient"});
        p.Color("GradientStartColor", &TCustomGrid::GetGradientStartColor, &TCustomGrid::SetGradientStartColor);
        p.Color("GradientEndColor", &TCustomGrid::GetGradientEndColor, &TCustomGrid::SetGradientEndColor);
        p.Enum("ScrollBars", &TCustomGrid::GetScrollBars, &TCustomGrid::SetScrollBars,
               tables::ScrollStyleNames());
        p.Boolean("DefaultDrawing", &TCustomGrid::GetDefaultDrawing, &TCustomGrid::SetDefaultDrawing);
        tables::PublishBevels(p);
        p.Enum("BorderStyle", &TCustomGrid::GetBorderStyle, &TCustomGrid::SetBorderStyle, {"bsNone", "bsSingle"});
        p.Integer("VisibleColCount", &TCustomGrid::GetVisibleColCount).Stored(false);
        p.Integer("VisibleRowCount", &TCustomGrid::GetVisibleRowCount).Stored(false);
        p.Event("OnDrawCell", &TCustomGrid::GetOnDrawCell, &TCustomGrid::SetOnDrawCell);
        p.Event("OnSelectCell", &TCustomGrid::GetOnSelectCell, &TCustomGrid::SetOnSelectCell);
        p.Event("OnTopLeftChanged", &TCustomGrid::GetOnTopLeftChanged, &TCustomGrid::SetOnTopLeftChanged);
        p.Event("OnGetEditText", &TCustomGrid::GetOnGetEditText, &TCustomGrid::SetOnGetEditText);
        p.Event("OnGetEditMask", &TCustomGrid::GetOnGetEditMask, &TCustomGrid::SetOnGetEditMask);
        p.Event("OnSetEditText", &TCustomGrid::GetOnSetEditText, &TCustomGrid::SetOnSetEditText);
        p.Event("OnColumnMoved", &TCustomGrid::GetOnColumnMoved, &TCustomGrid::SetOnColumnMoved);
        p.Event("OnRowMoved", &TCustomGrid::GetOnRowMoved, &TCustomGrid::SetOnRowMoved);
        p.Event("OnClick", &TCustomGrid::GetOnClick, &TCustomGrid::SetOnClick);
        p.Event("OnDblClick", &TCustomGrid::GetOnDblClick, &TCustomGrid::SetOnDblClick);
        p.Event("OnKeyDown", &TCustomGrid::GetOnKeyDown, &TCustomGrid::SetOnKeyDown);
    });
    RegisterClass<TCustomDrawGrid, TCustomGrid>("TCustomDrawGrid");
    RegisterClass<TDrawGrid, TCustomDrawGrid>("TDrawGrid");
    RegisterClass<TStringGrid, TDrawGrid>("TStringGrid");
    return true;
}();

}  // namespace
}  // namespace vcl
