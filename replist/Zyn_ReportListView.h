// The report list view: a grid over its own TRLData with one or two header rows (a common
// header spanning the visible columns and a row of column headers), per-column alignment,
// check boxes, password masking, row and column selection, disabled rows, highlighting,
// click-to-sort, filtering and in-place editing of chosen columns.
//
// Coordinates: data rows 1..NrOfRows (in the store's presented order), data columns
// 1..NrOfColumns. Data row r is grid row FixedRows + r - 1; grid column i shows data column
// ColumnOrder(i + 1). While a filter is active the grid shows only the found rows, which
// come first in the presented order.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Graphics.h"
#include "platform/Buttons.h"
#include "platform/Forms.h"
#include "platform/Grids.h"
#include "replist/Zyn_replist.h"

namespace zyn {

enum TFilterMode : std::uint8_t { fmSimple, fmBoolean, fmGrep };

using TCheckStateChangeEvent =
    std::function<void(vcl::TObject* Sender, bool& State, int Col, int Row)>;
using TBeforeFilterEvent = std::function<void(vcl::TObject* Sender, int Row, bool& Found,
                                              TLogicOp& CombineWithInternalSearch)>;
using TReadCellEvent = std::function<void(vcl::TObject* Sender, int ACol, int ARow, std::string& Text)>;
using TCursorKeyActionEvent = std::function<void(vcl::TObject* Sender, vcl::WORD Key)>;
using TRenderCellEvent = std::function<void(vcl::TObject* Sender, int ACol, int ARow,
                                            vcl::TColor& PenColor, vcl::TColor& BrushColor,
                                            vcl::TColor& FontColor, vcl::TFontStyles& FontStyles,
                                            std::string& Text)>;
using TRequestEditFormatEvent =
    std::function<void(vcl::TObject* Sender, int Col, int Row, std::string& Format)>;

// Reads a date/time text with the display format of the row editor's date/time picker
// (case-sensitive tokens d dd ddd dddd, M MM MMM MMMM, yy yyyy, H HH, h hh (12-hour clock),
// m mm, s ss, t tt (AM/PM), quoted literals). Month and weekday names and the AM/PM marks
// are read as the picker writes them, from the format settings, and also in English; without
// an AM/PM field in the format, h and hh count on the 24-hour clock as well. Error is 0,
// -1 (a literal does not match), -2 (an unknown token such as yyy) or -3 (a field is no
// number or known name); with an error the result is 0. A date or time that does not exist
// raises vcl::EConvertError. ThisYear places two-digit years in the window of the format
// settings (the overload without it uses the current year).
vcl::TDateTime ParseRowDateTime(std::string_view Text, std::string_view Format, int& Error, int ThisYear);
vcl::TDateTime ParseRowDateTime(std::string_view Text, std::string_view Format, int& Error);

// The text the row editor writes back for a picker value: the picker's display format
// field by field as the picker shows it, except that hours of h or hh are written on the
// 24-hour clock when the format has no AM/PM mark, so that the text reads back to the same
// moment with ParseRowDateTime.
std::string FormatRowDateTime(vcl::TDateTime Value, std::string_view Format);

// The format a picker with display format Format shows its value in, in the picker's
// tokens: Format itself, or for an empty one the short date pattern of the format settings.
std::string RowDateFormat(std::string_view Format);

// A column format as the row editor reads it: the type text between the first "[" and
// "]" ("s" when there is none; a leading "#" removed and marking the control read-only),
// the width group that follows (200 when missing or below 1) and the parameter text.
struct TRowEditFormat {
    std::string TypeText;
    char Letter = 's';
    bool ReadOnly = false;
    int Width = 200;
    std::string Parameter;
};
TRowEditFormat SplitRowEditFormat(std::string_view Format);

// Row and column attribute bits of the store.
inline constexpr std::uint8_t RowSelectedBit = 128;
inline constexpr std::uint8_t RowDisabledBit = 64;
inline constexpr std::uint8_t ColSelectedBit = 128;

// How deep parentheses may nest in a Boolean or regular filter expression. A filter is typed
// or pasted by a user, and the parsers descend once per level: deeper nesting is refused as a
// malformed expression rather than allowed to exhaust the stack. Chains of any length
// ("a AND b AND ...", "NOT NOT ...", "a|b|...", "abc...") are no nesting and have no limit.
inline constexpr int MaxFilterNesting = 200;

// Which of the rows' texts match a filter expression: the search of FilterAndSort without a
// view, so that it can be tested and measured alone. Raises EZynRepListError for a malformed
// expression (including one nested deeper than MaxFilterNesting). Rows are given by a reader
// of the text of (column, row).
class TRLFilter {
public:
    TRLFilter(std::string_view Expression, TFilterMode Mode, bool IgnoreCase);
    ~TRLFilter();
    TRLFilter(const TRLFilter&) = delete;
    TRLFilter& operator=(const TRLFilter&) = delete;
    // Whether any of the texts matches (simple, grep) or the expression holds over them
    // (boolean: each term must match one of the texts).
    bool Matches(std::span<const std::string_view> Texts) const;
    bool Empty() const { return empty_; }

    struct Impl;

private:
    Impl* impl_;
    bool empty_;
};

class TReportListView : public vcl::TCustomDrawGrid {
public:
    explicit TReportListView(vcl::TComponent* AOwner);
    ~TReportListView() override;
    std::string ClassName() const override { return "TReportListView"; }
    void Assign(vcl::TPersistent* Source) override;

    // ---- published properties, in the documented order
    int GetNrOfColumns() const { return FData->GetNrOfColumns(); }
    void SetNrCols(int Value);
    void SetNrOfColumns(int Value) { SetNrCols(Value); }
    int GetNrOfRows() const { return FData->GetNrOfRows(); }
    void SetNrRows(int Value);
    void SetNrOfRows(int Value) { SetNrRows(Value); }
    bool GetAutoAdvance() const { return FAutoAdvance; }
    void SetAutoAdvance(bool Value) { FAutoAdvance = Value; }
    vcl::TColor GetColorHigh() const { return FColorHigh; }
    void SetColorHigh(vcl::TColor Value) { SetColour(FColorHigh, Value); }
    vcl::TColor GetColorHighText() const { return FColorHighText; }
    void SetColorHighText(vcl::TColor Value) { SetColour(FColorHighText, Value); }
    vcl::TColor GetColorText() const { return FColorText; }
    void SetColorText(vcl::TColor Value) { SetColour(FColorText, Value); }
    vcl::TColor GetColorBkgdNormal() const { return FColorBkgdNormal; }
    void SetColorBkgdNormal(vcl::TColor Value) { SetColour(FColorBkgdNormal, Value); }
    vcl::TColor GetColorBkgdShaded() const { return FColorBkgdShaded; }
    void SetColorBkgdShaded(vcl::TColor Value) { SetColour(FColorBkgdShaded, Value); }
    vcl::TColor GetColorColumnHd() const { return GetFixedColor(); }
    void SetColorColumnHd(vcl::TColor Value);
    vcl::TColor GetColorColumnHdText() const { return FColorColumnHdText; }
    void SetColorColumnHdText(vcl::TColor Value) { SetColour(FColorColumnHdText, Value); }
    vcl::TColor GetColorCommonHd() const { return FColorCommonHd; }
    void SetColorCommonHd(vcl::TColor Value) { SetColour(FColorCommonHd, Value); }
    vcl::TColor GetColorCommonHdText() const { return FColorCommonHdText; }
    void SetColorCommonHdText(vcl::TColor Value) { SetColour(FColorCommonHdText, Value); }
    vcl::TColor GetColorDisabledBkgd() const { return FColorDisabledBkgd; }
    void SetColorDisabledBkgd(vcl::TColor Value) { SetColour(FColorDisabledBkgd, Value); }
    vcl::TColor GetColorDisabledText() const { return FColorDisabledText; }
    void SetColorDisabledText(vcl::TColor Value) { SetColour(FColorDisabledText, Value); }
    vcl::TColor GetColorEmptyMsg() const { return FColorEmptyMsg; }
    void SetColorEmptyMsg(vcl::TColor Value);
    vcl::TColor GetColorSelectedRow() const { return FColorSelectedRow; }
    void SetColorSelectedRow(vcl::TColor Value) { SetColour(FColorSelectedRow, Value); }
    vcl::TColor GetColorSelectedRowText() const { return FColorSelectedRowText; }
    void SetColorSelectedRowText(vcl::TColor Value) { SetColour(FColorSelectedRowText, Value); }
    vcl::TColor GetColorSelectedCol() const { return FColorSelectedCol; }
    void SetColorSelectedCol(vcl::TColor Value) { SetColour(FColorSelectedCol, Value); }
    vcl::TColor GetColorSelectedColText() const { return FColorSelectedColText; }
    void SetColorSelectedColText(vcl::TColor Value) { SetColour(FColorSelectedColText, Value); }
    vcl::TColor GetColorSelectedBoth() const { return FColorSelectedBoth; }
    void SetColorSelectedBoth(vcl::TColor Value) { SetColour(FColorSelectedBoth, Value); }
    vcl::TColor GetColorSelectedBothText() const { return FColorSelectedBothText; }
    void SetColorSelectedBothText(vcl::TColor Value) { SetColour(FColorSelectedBothText, Value); }
    const std::string& GetCommonHeader() const { return FData->GetCommonHeader(); }
    void SetCommonHeader(const std::string& Value);
    vcl::TAlignment GetCommonHeaderAlignment() const { return FCommonHeaderAlignment; }
    void SetCommonHeaderAlignment(vcl::TAlignment Value);
    bool GetCommonHeaderVisible() const { return FCommonHeaderVisible; }
    void SetComHdVis(bool Value);
    void SetCommonHeaderVisible(bool Value) { SetComHdVis(Value); }
    int GetCommonHeaderHeight() const { return FCommonHeaderHeight; }
    void SetCommonHeaderHeight(int Value);
    bool GetColumnHeadersVisible() const { return FColumnHeadersVisible; }
    void SetColHdVis(bool Value);
    void SetColumnHeadersVisible(bool Value) { SetColHdVis(Value); }
    int GetColumnHeadersHeight() const { return FColumnHeadersHeight; }
    void SetColumnHeadersHeight(int Value);
    int GetDefaultColWidth() const { return TCustomGrid::GetDefaultColWidth(); }
    void SetDefaultColWidth(int Value);
    int GetDefaultRowHeight() const { return TCustomGrid::GetDefaultRowHeight(); }
    void SetDefaultRowHeight(int Value);
    const std::string& GetEmptyMessage() const { return FEmptyMessage; }
    void SetEmptyMessage(const std::string& Value);
    void SetEnabled(bool Value) override;
    vcl::TColor GetFixedColor() const { return TCustomGrid::GetFixedColor(); }
    void SetFixedColor(vcl::TColor Value) { SetColorColumnHd(Value); }
    bool GetFixedFirstColumn() const { return FFixedFirstColumn; }
    void SetFixedFirstColumn(bool Value);
    bool GetHighLightBold() const { return FHighLightBold; }
    void SetHighLightBold(bool Value);
    int GetHighLightRow() const { return FHighLightRow; }
    void SetHighLightRow(int Value);
    int GetHighLightColumn() const { return FHighLightColumn; }
    void SetHighLightColumn(int Value);
    vcl::TColor GetInterRowIndicatorColor() const { return FInterRowIndicatorColor; }
    void SetInterRowIndicatorColor(vcl::TColor Value) { SetColour(FInterRowIndicatorColor, Value); }
    int GetInterRowIndicatorWidth() const { return FInterRowIndicatorWidth; }
    void SetInterRowIndicatorWidth(int Value);
    int GetLeftCol() const { return TCustomGrid::GetLeftCol() + 1; }
    void SetLeftCol(int Value);
    int GetRowSelectMode() const { return FRowSelectMode; }
    void SetRowSelectMode(int Value);
    int GetRowColPattern() const { return FRowColPattern; }
    void SetRowColPattern(int Value);
    bool GetShowEmptyCheckBoxes() const { return FShowEmptyCheckBoxes; }
    void SetShowEmptyCheckBoxes(bool Value);
    bool GetSortEnabled() const { return FSortEnabled; }
    void SetSortEnabled(bool Value) { FSortEnabled = Value; }
    int GetTopRow() const;
    void SetTopRow(int Value);
    bool GetUseCtrlForMultiSel() const { return FUseCtrlForMultiSel; }
    void SetUseCtrlForMultiSel(bool Value) { FUseCtrlForMultiSel = Value; }

    // ---- public properties
    TRLData* GetData() const { return FData; }
    int CountHeadRows() const { return (FCommonHeaderVisible ? 1 : 0) + (FColumnHeadersVisible ? 1 : 0); }
    // Rows the grid shows: NrOfRows, or the found rows while a filter is active.
    int GetNrOfShownRows() const { return FShownRows < 0 ? GetNrOfRows() : FShownRows; }
    bool GetFilterActive() const { return FShownRows >= 0; }
    vcl::TAlignment GetColumnAlignment(int ColNr) const;
    void SetColumnAlignment(int ColNr, vcl::TAlignment Value);
    bool GetColumnEditable(int ColNr) const;
    void SetColumnEditable(int ColNr, bool Value);
    bool GetColumnIsPwd(int ColNr) const;
    void SetColumnIsPwd(int ColNr, bool Value);
    int GetColumnOrder(int ColNr) const;
    bool SetColumnOrder(std::span<const int> ColList);
    bool GetCheckMarksReadOnly() const { return FCheckMarksReadOnly; }
    void SetCheckMarksReadOnly(bool Value);
    int GetInterRowIndicatorPos() const { return FInterRowIndicatorPos; }
    void SetInterRowIndicatorPos(int Value);
    bool GetSuppressPaint() const { return FSuppressPaint; }
    void SetSuppressPaint(bool Value);
    int GetSecondarySortColumn() const { return FSortColumnSec; }
    void SetSortColumnSec(int Value);
    int GetSortColumn() const { return FData->GetLastSortColumn(); }
    bool GetSortOrder() const { return FData->GetLastSortOrder(); }

    // ---- forwarded to the container
    std::string GetElem(int ACol, int ARow) const;
    void SetElem(int ACol, int ARow, std::string_view Value);
    bool GetElemChecked(int ACol, int ARow) const { return FData->GetElemChecked(ACol, ARow); }
    void SetElemChecked(int ACol, int ARow, bool Value);
    double GetAsNumber(int ACol, int ARow) const;
    std::string GetCellDefaultValue(int ACol, int ARow) const { return FData->GetCellDefaultValue(ACol, ARow); }
    int ColumnIndex(std::string_view Head, bool PartialMatch) const { return FData->ColumnIndex(Head, PartialMatch); }
    int CountCheckedElemsInRow(int Row) const { return FData->CountCheckedElemsInRow(Row); }
    int CountCheckedElemsInCol(int Column) const;
    int FirstCheckedElemInCol(int ColNr) const { return FData->FirstCheckedElemInCol(ColNr); }
    int FirstCheckedElemInRow(int RowNr) const { return FData->FirstCheckedElemInRow(RowNr); }
    std::string GetColName(int ColNr) const { return FData->GetColName(ColNr); }
    void SetColName(int ColNr, std::string_view Name);
    std::string GetColumnFormat(int ColNr) const { return FData->GetColumnFormat(ColNr); }
    void SetColumnFormat(int ColNr, std::string_view Format);
    bool GetCheckedCol(int ColNr) const { return FData->GetCheckedCol(ColNr); }
    void SetCheckedCol(int ColNr, bool Value);
    TCheckMode GetColCheckMode(int ColNr) const { return FData->GetColCheckMode(ColNr); }
    void SetColCheckMode(int ColNr, TCheckMode Value);
    void SetAllCheckmarksOfCol(int Column, bool Checked, bool AffectEnabledRowsOnly = false);
    void InvertAllCheckmarksOfCol(int Column, bool AffectEnabledRowsOnly = false);
    void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                         char32_t Separator) { FData->CopyToClipBoard(LeftCol, TopRow, RightCol, BottomRow, AddHeader, Separator); }
    void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                         bool UseTabs) { FData->CopyToClipBoard(LeftCol, TopRow, RightCol, BottomRow, AddHeader, UseTabs); }
    void CopyToClipBoard(int, int, int, int, bool, const char*) = delete;
    const std::string& GetDataID() const { return FData->GetDataID(); }
    void SetDataID(const std::string& Value) { FData->SetDataID(Value); }
    const std::string& GetComment() const { return FData->GetComment(); }
    void SetComment(const std::string& Value) { FData->SetComment(Value); }
    void Sort(int Col, int ColSec, bool Ascending);
    void UnSort();

    // ---- files: the container's, then the view brought in line with the loaded data
    void SaveAsXMLFile(const std::string& FName, const std::string& DataID) { FData->SaveAsXMLFile(FName, DataID); }
    bool LoadFromXMLFile(const std::string& FName, const std::string& DataID);
    void WriteToXMLStream(vcl::TStream* OutStream, bool CreateHeader, const std::string& DataID) { FData->WriteToXMLStream(OutStream, CreateHeader, DataID); }
    bool ReadFromXMLStream(vcl::TStream* InStream, const std::string& DataID);
    bool ReadFromXMLString(const std::string& InString, const std::string& DataID);
    void WriteToOpenXMLFile(vcl::TTextFile& F, bool CreateHeader, const std::string& DataID) { FData->WriteToOpenXMLFile(F, CreateHeader, DataID); }
    bool ReadFromOpenXMLFile(vcl::TTextFile& F, const std::string& DataID);
    int ImportCSV(const std::string& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders);
    int LoadLinesFromFile(int Column, int FirstRow, const std::string& FName);
    void ExportHTMLTable(const std::string& FName, int LoC, int LoR, int HiC, int HiR,
                         std::span<const int> ColumnSelection, int Border, int CellSpacing,
                         int CellPadding, bool IncludeHeader, const std::string& HeadClass,
                         const std::string& CellClass, const std::string& TableClass) {
        FData->ExportHTMLTable(FName, LoC, LoR, HiC, HiR, ColumnSelection, Border, CellSpacing,
                               CellPadding, IncludeHeader, HeadClass, CellClass, TableClass);
    }

    // ---- filtering
    // Shows only the rows that match FilterExp in one of FilterColumns, first in the
    // presented order and sorted by SortColumn (none when outside the columns). An empty
    // expression shows all rows again. A malformed expression raises EZynRepListError and
    // leaves the view as it was.
    void FilterAndSort(std::string_view FilterExp, std::span<const int> FilterColumns,
                       bool IgnoreCase, TFilterMode FilterMode, int SortColumn, bool Ascending);

    // ---- rows
    int InsertRow(int R);
    int AddRow();
    void RemoveRow(int R);
    void RemoveEmptyRows();
    void Fill(std::string_view S);
    void Clear();

    // ---- selection
    void SelectRow(int RowNr);
    void SelectAllRows();
    void DeselectAllRows();
    void SelectColumn(int ColNr);
    void SelectAllColumns();
    void DeselectAllColumns();
    void EnableAllRows();
    void DisableAllRows();
    bool GetRowSelect(int R) const;
    void SetRowSelect(int R, bool Value);
    bool GetRowEnabled(int R) const;
    void SetRowEnabled(int R, bool Value);
    bool GetColSelect(int C) const;
    void SetColSelect(int C, bool Value);
    int FirstSelectedRow() const;
    int FirstSelectedColumn() const;
    int NumSelectedRows() const;
    int NumSelectedColumns() const;
    int NumEnabledRows() const;
    void CenterScrollAndSelect(int Row);

    // ---- row editor (RowEditor.cpp)
    // Edits all cells of Row in a modal dialog: one labelled control per column, chosen by
    // the column format (combo box, date/time picker, numeric field or edit field). The
    // first two forms build their own dialog at screen point (PosLeft, PosTop) with OK and
    // Cancel buttons; the third places the controls on ContainerForm, offset by (PosLeft,
    // PosTop), and shows it. On mrOk the controls' texts are written back into the row.
    // Returns the modal result.
    int EditRowEntries(int Row, int PosLeft, int PosTop);
    int EditRowEntries(int Row, int PosLeft, int PosTop, const std::string& FormCaption,
                       const std::string& ButOKCaption, const std::string& ButCancelCaption);
    int EditRowEntries(int Row, vcl::TForm* ContainerForm, int PosLeft, int PosTop);
    // The dialog's handlers: OK, Cancel, and Enter in an editable field (confirms).
    void EdRowOKClick(vcl::TObject* Sender);
    void EdRowCancelClick(vcl::TObject* Sender);
    void EdRowKeyPress(vcl::TObject* Sender, char32_t& Key);
    // The form while the row editor runs (nullptr otherwise).
    vcl::TForm* GetContainerForm() const { return FContainerForm; }

    // ---- column widths (Index: data column)
    int GetColWidths(int Index) const;
    void SetColWidths(int Index, int Value);
    int DetermineMaxColWidth(int ColNr, bool IncludeHeader);
    void AutoColWidth(int ColNr, bool IncludeHeader, int Addon);
    void AutoColWidth(int ColNr, bool IncludeHeader, int Addon, int MaxWidth);
    void ExpandColWidth(int ColIx, int RightMargin);
    void FitAllColWidths(int ExpandColumn, bool IncludeHeader, int Addon, int MaxWidth, int RightMargin);

    // The cell under a client point: (display position, data row); row -1 for the column
    // header row, -2 for the common header row, 0 outside the cells.
    std::pair<int, int> MouseCell(int X, int Y) const;
    // The display position showing data column DataCol, 0 when none does.
    int DisplayPosOf(int DataCol) const;

    // ---- events
    const TCheckStateChangeEvent& GetOnCheckedChange() const { return FOnCheckedChange; }
    void SetOnCheckedChange(TCheckStateChangeEvent Value) { FOnCheckedChange = std::move(Value); }
    const TCheckStateChangeEvent& GetOnBeforeCheckedChange() const { return FOnBeforeCheckedChange; }
    void SetOnBeforeCheckedChange(TCheckStateChangeEvent Value) { FOnBeforeCheckedChange = std::move(Value); }
    const TBeforeFilterEvent& GetOnBeforeFilter() const { return FOnBeforeFilter; }
    void SetOnBeforeFilter(TBeforeFilterEvent Value) { FOnBeforeFilter = std::move(Value); }
    const TRequestEditFormatEvent& GetOnRequestEditFormat() const { return FOnRequestEditFormat; }
    void SetOnRequestEditFormat(TRequestEditFormatEvent Value) { FOnRequestEditFormat = std::move(Value); }
    const vcl::TNotifyEvent& GetOnSelectedChange() const { return FOnSelectedChange; }
    void SetOnSelectedChange(vcl::TNotifyEvent Value) { FOnSelectedChange = std::move(Value); }
    const vcl::TNotifyEvent& GetOnChange() const { return FOnChange; }
    void SetOnChange(vcl::TNotifyEvent Value) { FOnChange = std::move(Value); }
    const vcl::TNotifyEvent& GetOnChangeSetup() const { return FOnChangeSetup; }
    void SetOnChangeSetup(vcl::TNotifyEvent Value) { FOnChangeSetup = std::move(Value); }
    const TRenderCellEvent& GetOnBeforeRenderCell() const { return FOnBeforeRenderCell; }
    void SetOnBeforeRenderCell(TRenderCellEvent Value) { FOnBeforeRenderCell = std::move(Value); }
    const TCursorKeyActionEvent& GetOnCursorKeyAction() const { return FOnCursorKeyAction; }
    void SetOnCursorKeyAction(TCursorKeyActionEvent Value) { FOnCursorKeyAction = std::move(Value); }
    const TReadCellEvent& GetOnReadCell() const { return FOnReadCell; }
    void SetOnReadCell(TReadCellEvent Value) { FOnReadCell = std::move(Value); }
    const TBeforeSortExchgEvent& GetOnBeforeSortExchange() const { return FOnBeforeSortExchange; }
    void SetOnBeforeSortExchange(TBeforeSortExchgEvent Value);
    const TBeforeHTMLExportEvent& GetOnBeforeHTMLExport() const { return FOnBeforeHTMLExport; }
    void SetOnBeforeHTMLExport(TBeforeHTMLExportEvent Value) { FOnBeforeHTMLExport = std::move(Value); }
    const TOnPercentDoneEvent& GetOnPercentDone() const { return FOnPercentDone; }
    void SetOnPercentDone(TOnPercentDoneEvent Value) { FOnPercentDone = std::move(Value); }

    // Notifications. Changed takes the place of the control's own change notification:
    // a change of the list is told to OnChange.
    void Changed() override { if (FOnChange) FOnChange(this); }
    void ChangedSetup() { if (FOnChangeSetup) FOnChangeSetup(this); }
    void ChangedSelection() { if (FOnSelectedChange) FOnSelectedChange(this); }
    void CursorKeyAction(vcl::WORD Key) { if (FOnCursorKeyAction) FOnCursorKeyAction(this, Key); }

    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    TCheckStateChangeEvent FOnCheckedChange, FOnBeforeCheckedChange;
    TBeforeFilterEvent FOnBeforeFilter;
    TRequestEditFormatEvent FOnRequestEditFormat;
    vcl::TNotifyEvent FOnSelectedChange, FOnChange, FOnChangeSetup;
    TRenderCellEvent FOnBeforeRenderCell;
    TCursorKeyActionEvent FOnCursorKeyAction;
    TReadCellEvent FOnReadCell;
    TBeforeSortExchgEvent FOnBeforeSortExchange;
    TBeforeHTMLExportEvent FOnBeforeHTMLExport;
    TOnPercentDoneEvent FOnPercentDone;

    void Paint() override;
    void DrawCell(int ACol, int ARow, const vcl::TRect& ARect, vcl::TGridDrawState AState) override;
    void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
    void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    void DblClick() override;
    bool DoMouseWheelDown(vcl::TShiftState Shift, vcl::TPoint MousePos) override;
    bool DoMouseWheelUp(vcl::TShiftState Shift, vcl::TPoint MousePos) override;
    bool SelectCell(int ACol, int ARow) override;
    std::string GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
    bool CanEditShow() override;
    void TopLeftChanged() override;
    void BeforeCheckStateChange(bool& State, int Col, int Row) {
        if (FOnBeforeCheckedChange) FOnBeforeCheckedChange(this, State, Col, Row);
    }
    void CheckStateHasChanged(bool State, int Col, int Row) {
        if (FOnCheckedChange) FOnCheckedChange(this, State, Col, Row);
    }

private:
    // ---- layout helpers
    void SetColour(vcl::TColor& Field, vcl::TColor Value);
    void ApplyHeadRows();
    void ApplyHeaderHeights();
    void ApplyFixedCols();
    void ResizeColumnArrays(int NewCount);
    void InstallStoreCallbacks();
    void AfterLoad();           // the view in line with the container after a file read
    void RepaintView();
    int DataRowOfGridRow(int GridRow) const { return GridRow - GetFixedRows() + 1; }
    int GridRowOfDataRow(int DataRow) const { return GetFixedRows() + DataRow - 1; }
    int ColumnHeaderGridRow() const { return FColumnHeadersVisible ? (FCommonHeaderVisible ? 1 : 0) : -1; }
    bool ValidCol(int C) const { return C >= 1 && C <= GetNrOfColumns(); }
    bool ValidRow(int R) const { return R >= 1 && R <= GetNrOfRows(); }
    bool IsShownRow(int R) const { return R >= 1 && R <= GetNrOfShownRows(); }
    void DropHiddenCurrent();
    std::uint8_t RowAttrib(int R) const { return FData->Strings->GetRowAttrib(R); }
    void SetRowBit(int R, std::uint8_t Bit, bool On);
    void ClearFilter();
    void FilterAndSortFound(int DataCol, int ColSec, bool Ascending);
    bool ItalicFont() const;

    // ---- row editor steps (RowEditor.cpp)
    int EditRowEntriesIntern(int Row, vcl::TForm* ContainerForm, int PosLeft, int PosTop,
                             const std::string& FormCaption, const std::string& ButOKCaption,
                             const std::string& ButCancelCaption);
    // Writes every control's text into Row, except the controls listed in Unshown (those
    // that could not show their cell's text) whose text is still the one they opened with.
    void WriteBackRow(vcl::TForm* Form, int Row,
                      const std::vector<std::pair<const vcl::TComponent*, std::string>>& Unshown);
    void FreeRowEditorControls(vcl::TForm* Form);

    // ---- painting steps (ReportListRender.cpp)
    void PaintDataCell(vcl::TCanvas* C, int ACol, int ARow, const vcl::TRect& ARect);
    void PaintCommonHeader(vcl::TCanvas* C, const vcl::TRect& ARect, int R);
    void PaintColumnHeader(vcl::TCanvas* C, int ACol, const vcl::TRect& ARect, int R);
    void PaintSortArrow(vcl::TCanvas* C, const vcl::TRect& TextRect, int Offset, int W, int H);
    void PaintEmptyArea(vcl::TCanvas* C);
    void PaintInterRowIndicator(vcl::TCanvas* C);
    int VisibleColumnsRight() const;
    int HeadRowsHeight() const;

    // ---- input steps (ReportListInput.cpp)
    void HeaderClickSort(int DataCol);
    void CheckBoxClick(int DataCol, int DataRow);
    void SelectByClick(int DataRow, vcl::TShiftState Shift);
    bool NearHeaderBorder(int X, int Y, int& SizedPos) const;
    void SetEditing(bool On);

    TRLData* FData = nullptr;
    std::vector<vcl::TAlignment> FColAlignment;   // index 0 unused
    std::vector<bool> FColumnEditable;
    std::vector<bool> FColumnIsPwd;
    std::vector<int> FColOrder;
    int FSelectAnchor = 1;
    int FLastMousePosX = 0;
    int FLastMousePosY = 0;
    bool FSuppressPaint = true;   // until the constructor is done
    int FShownRows = -1;          // found rows while filtered, -1 without a filter

    bool FAutoAdvance = false;
    vcl::TColor FColorHigh = 0xCC9966;
    vcl::TColor FColorHighText = vcl::clWhite;
    vcl::TColor FColorText = 0x002000;
    vcl::TColor FColorBkgdNormal = vcl::clWhite;
    vcl::TColor FColorBkgdShaded = 0xF0EFE8;
    vcl::TColor FColorColumnHdText = vcl::clBlack;
    vcl::TColor FColorCommonHd = vcl::clBtnFace;
    vcl::TColor FColorCommonHdText = vcl::clBlack;
    vcl::TColor FColorDisabledBkgd = 0xF0F0F0;
    vcl::TColor FColorDisabledText = 0xC0C0C0;
    vcl::TColor FColorEmptyMsg = vcl::clBlack;
    vcl::TColor FColorSelectedRow = 0x94BAED;
    vcl::TColor FColorSelectedRowText = 0x800000;
    vcl::TColor FColorSelectedCol = vcl::clBlack;
    vcl::TColor FColorSelectedColText = vcl::clBlack;
    vcl::TColor FColorSelectedBoth = vcl::clBlack;
    vcl::TColor FColorSelectedBothText = vcl::clBlack;
    vcl::TAlignment FCommonHeaderAlignment = vcl::taCenter;
    bool FCommonHeaderVisible = false;
    int FCommonHeaderHeight = 20;
    bool FColumnHeadersVisible = true;
    int FColumnHeadersHeight = 20;
    std::string FEmptyMessage;
    bool FFixedFirstColumn = false;
    bool FHighLightBold = false;
    int FHighLightRow = 0;
    int FHighLightColumn = 0;
    vcl::TColor FInterRowIndicatorColor = vcl::clRed;
    int FInterRowIndicatorWidth = 3;
    int FInterRowIndicatorPos = 0;
    int FRowSelectMode = 1;
    int FRowColPattern = 1;
    bool FShowEmptyCheckBoxes = true;
    bool FSortEnabled = true;
    bool FUseCtrlForMultiSel = true;
    bool FCheckMarksReadOnly = false;
    int FSortColumnSec = -1;
    bool FRowSelectLifted = false;   // whole-row selection lifted for the editor
    vcl::TForm* FContainerForm = nullptr;     // the row editor's form while it runs
    vcl::TSpeedButton* FSBERCancel = nullptr; // its Cancel button (own form only)
};

}  // namespace zyn
