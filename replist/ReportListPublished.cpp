// The published properties of the report list view, in the documented order. The grid
// properties it republishes come after its own.
#include "platform/Classes.h"
#include "platform/Controls.h"
#include "replist/Zyn_ReportListView.h"

namespace zyn {

using namespace vcl;

namespace {

const std::vector<std::string> AlignmentNames{"taLeftJustify", "taRightJustify", "taCenter"};

const TClassInfo* const ReportListViewClass = RegisterClass<TReportListView, TCustomControl>(
    "TReportListView", [](TPublisher<TReportListView>& p) {
        using V = TReportListView;
        p.Integer("NrOfColumns", &V::GetNrOfColumns, &V::SetNrCols).RepaintsAlways();
        p.Integer("NrOfRows", &V::GetNrOfRows, &V::SetNrRows).RepaintsAlways();
        p.Boolean("AutoAdvance", &V::GetAutoAdvance, &V::SetAutoAdvance);
        p.Color("ColorHigh", &V::GetColorHigh, &V::SetColorHigh).RepaintsAlways();
        p.Color("ColorHighText", &V::GetColorHighText, &V::SetColorHighText).RepaintsAlways();
        p.Color("ColorText", &V::GetColorText, &V::SetColorText).RepaintsAlways();
        p.Color("ColorBkgdNormal", &V::GetColorBkgdNormal, &V::SetColorBkgdNormal).RepaintsAlways();
        p.Color("ColorBkgdShaded", &V::GetColorBkgdShaded, &V::SetColorBkgdShaded).RepaintsAlways();
        p.Color("ColorColumnHd", &V::GetColorColumnHd, &V::SetColorColumnHd).RepaintsAlways();
        p.Color("ColorColumnHdText", &V::GetColorColumnHdText, &V::SetColorColumnHdText).RepaintsAlways();
        p.Color("ColorCommonHd", &V::GetColorCommonHd, &V::SetColorCommonHd).RepaintsAlways();
        p.Color("ColorCommonHdText", &V::GetColorCommonHdText, &V::SetColorCommonHdText).RepaintsAlways();
        p.Color("ColorDisabledBkgd", &V::GetColorDisabledBkgd, &V::SetColorDisabledBkgd).RepaintsAlways();
        p.Color("ColorDisabledText", &V::GetColorDisabledText, &V::SetColorDisabledText).RepaintsAlways();
        p.Color("ColorEmptyMsg", &V::GetColorEmptyMsg, &V::SetColorEmptyMsg);
        p.Color("ColorSelectedRow", &V::GetColorSelectedRow, &V::SetColorSelectedRow).RepaintsAlways();
        p.Color("ColorSelectedRowText", &V::GetColorSelectedRowText, &V::SetColorSelectedRowText).RepaintsAlways();
        p.Color("ColorSelectedCol", &V::GetColorSelectedCol, &V::SetColorSelectedCol).RepaintsAlways();
        p.Color("ColorSelectedColText", &V::GetColorSelectedColText, &V::SetColorSelectedColText).RepaintsAlways();
        p.Color("ColorSelectedBoth", &V::GetColorSelectedBoth, &V::SetColorSelectedBoth).RepaintsAlways();
        p.Color("ColorSelectedBothText", &V::GetColorSelectedBothText, &V::SetColorSelectedBothText).RepaintsAlways();
        p.String("CommonHeader", &V::GetCommonHeader, &V::SetCommonHeader);
        p.Enum("CommonHeaderAlignment", &V::GetCommonHeaderAlignment, &V::SetCommonHeaderAlignment, AlignmentNames);
        p.Boolean("CommonHeaderVisible", &V::GetCommonHeaderVisible, &V::SetComHdVis);
        p.Integer("CommonHeaderHeight", &V::GetCommonHeaderHeight, &V::SetCommonHeaderHeight).RepaintsAlways();
        p.Boolean("ColumnHeadersVisible", &V::GetColumnHeadersVisible, &V::SetColHdVis);
        p.Integer("ColumnHeadersHeight", &V::GetColumnHeadersHeight, &V::SetColumnHeadersHeight).RepaintsAlways();
        p.Integer("DefaultColWidth", &V::GetDefaultColWidth, &V::SetDefaultColWidth).RepaintsAlways();
        p.Integer("DefaultRowHeight", &V::GetDefaultRowHeight, &V::SetDefaultRowHeight).RepaintsAlways();
        p.String("EmptyMessage", &V::GetEmptyMessage, &V::SetEmptyMessage);
        p.Boolean("FixedFirstColumn", &V::GetFixedFirstColumn, &V::SetFixedFirstColumn).RepaintsAlways();
        p.Boolean("HighLightBold", &V::GetHighLightBold, &V::SetHighLightBold).RepaintsAlways();
        p.Integer("HighLightRow", &V::GetHighLightRow, &V::SetHighLightRow).RepaintsAlways();
        p.Integer("HighLightColumn", &V::GetHighLightColumn, &V::SetHighLightColumn).RepaintsAlways();
        p.Color("InterRowIndicatorColor", &V::GetInterRowIndicatorColor, &V::SetInterRowIndicatorColor).RepaintsAlways();
        p.Integer("InterRowIndicatorWidth", &V::GetInterRowIndicatorWidth, &V::SetInterRowIndicatorWidth).RepaintsAlways();
        p.Integer("RowSelectMode", &V::GetRowSelectMode, &V::SetRowSelectMode).RepaintsAlways();
        p.Integer("RowColPattern", &V::GetRowColPattern, &V::SetRowColPattern).RepaintsAlways();
        p.Boolean("ShowEmptyCheckBoxes", &V::GetShowEmptyCheckBoxes, &V::SetShowEmptyCheckBoxes);
        p.Boolean("SortEnabled", &V::GetSortEnabled, &V::SetSortEnabled);
        p.String("ColumnSortKinds", &V::GetColumnSortKinds, &V::SetColumnSortKinds);
        p.Boolean("UseCtrlForMultiSel", &V::GetUseCtrlForMultiSel, &V::SetUseCtrlForMultiSel);
        // The view repaints after every placement and every write of Enabled, also of the
        // same value.
        p.Integer("Left", &V::GetLeft, &V::SetLeft).NoDefault().RepaintsAlways();
        p.Integer("Top", &V::GetTop, &V::SetTop).NoDefault().RepaintsAlways();
        p.Integer("Width", &V::GetWidth, &V::SetWidth).NoDefault().RepaintsAlways();
        p.Integer("Height", &V::GetHeight, &V::SetHeight).NoDefault().RepaintsAlways();
        p.Boolean("Enabled", &V::GetEnabled, &V::SetEnabled).RepaintsAlways();
        // Republished from the grid.
        p.Enum("BorderStyle", &V::GetBorderStyle, &V::SetBorderStyle, {"bsNone", "bsSingle"});
        p.Boolean("DefaultDrawing", &V::GetDefaultDrawing, &V::SetDefaultDrawing);
        p.Set("Options", &V::GetOptions, &V::SetOptions,
              {"goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine", "goRangeSelect",
               "goDrawFocusSelected", "goRowSizing", "goColSizing", "goRowMoving", "goColMoving",
               "goEditing", "goTabs", "goRowSelect", "goAlwaysShowEditor", "goThumbTracking"});
        p.Enum("ScrollBars", &V::GetScrollBars, &V::SetScrollBars,
               {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"});
        p.Event("OnCheckedChange", &V::GetOnCheckedChange, &V::SetOnCheckedChange);
        p.Event("OnBeforeCheckedChange", &V::GetOnBeforeCheckedChange, &V::SetOnBeforeCheckedChange);
        p.Event("OnBeforeFilter", &V::GetOnBeforeFilter, &V::SetOnBeforeFilter);
        p.Event("OnRequestEditFormat", &V::GetOnRequestEditFormat, &V::SetOnRequestEditFormat);
        p.Event("OnSelectedChange", &V::GetOnSelectedChange, &V::SetOnSelectedChange);
        p.Event("OnChange", &V::GetOnChange, &V::SetOnChange);
        p.Event("OnChangeSetup", &V::GetOnChangeSetup, &V::SetOnChangeSetup);
        p.Event("OnBeforeRenderCell", &V::GetOnBeforeRenderCell, &V::SetOnBeforeRenderCell);
        p.Event("OnCursorKeyAction", &V::GetOnCursorKeyAction, &V::SetOnCursorKeyAction);
        p.Event("OnReadCell", &V::GetOnReadCell, &V::SetOnReadCell);
        p.Event("OnBeforeSortExchange", &V::GetOnBeforeSortExchange, &V::SetOnBeforeSortExchange);
        p.Event("OnBeforeHTMLExport", &V::GetOnBeforeHTMLExport, &V::SetOnBeforeHTMLExport);
        p.Event("OnPercentDone", &V::GetOnPercentDone, &V::SetOnPercentDone);
        p.Event("OnProgress", &V::GetOnProgress, &V::SetOnProgress);
        p.Event("OnGetEditText", &V::GetOnGetEditText, &V::SetOnGetEditText);
        p.Event("OnSetEditText", &V::GetOnSetEditText, &V::SetOnSetEditText);
        p.Event("OnDrawCell", &V::GetOnDrawCell, &V::SetOnDrawCell);
        p.Event("OnGetEditMask", &V::GetOnGetEditMask, &V::SetOnGetEditMask);
        p.Event("OnSelectCell", &V::GetOnSelectCell, &V::SetOnSelectCell);
        p.Event("OnTopLeftChanged", &V::GetOnTopLeftChanged, &V::SetOnTopLeftChanged);
        p.Event("OnRowMoved", &V::GetOnRowMoved, &V::SetOnRowMoved);
    });

}  // namespace

}  // namespace zyn
