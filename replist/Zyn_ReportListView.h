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

/// A column format as the row editor reads it: the type text between the first "[" and
/// "]" ("s" when there is none; a leading "#" removed and marking the control read-only),
/// the width group that follows (200 when missing or below 1) and the parameter text.
struct TRowEditFormat {
    /// The type text.
    std::string TypeText;
    /// The letter.
    char Letter = 's';
    /// The read only.
    bool ReadOnly = false;
    /// The width.
    int Width = 200;
    /// The parameter.
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

/// Which of the rows' texts match a filter expression: the search of FilterAndSort without a
/// view, so that it can be tested and measured alone. Raises EZynRepListError for a malformed
/// expression (including one nested deeper than MaxFilterNesting). Rows are given by a reader
/// of the text of (column, row).
class TRLFilter {
public:
    /// Creates the object; AOwner (when given) frees it with itself.
    TRLFilter(std::string_view Expression, TFilterMode Mode, bool IgnoreCase);
    ~TRLFilter();
    TRLFilter(const TRLFilter&) = delete;
    TRLFilter& operator=(const TRLFilter&) = delete;
    /// Whether any of the texts matches (simple, grep) or the expression holds over them
    /// (boolean: each term must match one of the texts).
    bool Matches(std::span<const std::string_view> Texts) const;
    /// Empty.
    bool Empty() const { return empty_; }

    struct Impl;

private:
    Impl* impl_;
    bool empty_;
};

/// TReportListView: see the component's page in docs/components/.
class TReportListView : public vcl::TCustomDrawGrid {
public:
    /// Creates the object; AOwner (when given) frees it with itself.
    explicit TReportListView(vcl::TComponent* AOwner);
    ~TReportListView() override;
    /// The name the class is registered under.
    std::string ClassName() const override { return "TReportListView"; }
    /// Assign.
    void Assign(vcl::TPersistent* Source) override;

    // ---- published properties, in the documented order
    /// The NrOfColumns property.
    int GetNrOfColumns() const { return FData->GetNrOfColumns(); }
    /// Sets the NrCols property.
    void SetNrCols(int Value);
    /// Sets the NrOfColumns property.
    void SetNrOfColumns(int Value) { SetNrCols(Value); }
    /// The NrOfRows property.
    int GetNrOfRows() const { return FData->GetNrOfRows(); }
    /// Sets the NrRows property.
    void SetNrRows(int Value);
    /// Sets the NrOfRows property.
    void SetNrOfRows(int Value) { SetNrRows(Value); }
    /// The AutoAdvance property.
    bool GetAutoAdvance() const { return FAutoAdvance; }
    /// Sets the AutoAdvance property.
    void SetAutoAdvance(bool Value) { FAutoAdvance = Value; }
    /// The ColorHigh property.
    vcl::TColor GetColorHigh() const { return FColorHigh; }
    /// Sets the ColorHigh property.
    void SetColorHigh(vcl::TColor Value) { SetColour(FColorHigh, Value); }
    /// The ColorHighText property.
    vcl::TColor GetColorHighText() const { return FColorHighText; }
    /// Sets the ColorHighText property.
    void SetColorHighText(vcl::TColor Value) { SetColour(FColorHighText, Value); }
    /// The ColorText property.
    vcl::TColor GetColorText() const { return FColorText; }
    /// Sets the ColorText property.
    void SetColorText(vcl::TColor Value) { SetColour(FColorText, Value); }
    /// The ColorBkgdNormal property.
    vcl::TColor GetColorBkgdNormal() const { return FColorBkgdNormal; }
    /// Sets the ColorBkgdNormal property.
    void SetColorBkgdNormal(vcl::TColor Value) { SetColour(FColorBkgdNormal, Value); }
    /// The ColorBkgdShaded property.
    vcl::TColor GetColorBkgdShaded() const { return FColorBkgdShaded; }
    /// Sets the ColorBkgdShaded property.
    void SetColorBkgdShaded(vcl::TColor Value) { SetColour(FColorBkgdShaded, Value); }
    /// The ColorColumnHd property.
    vcl::TColor GetColorColumnHd() const { return GetFixedColor(); }
    /// Sets the ColorColumnHd property.
    void SetColorColumnHd(vcl::TColor Value);
    /// The ColorColumnHdText property.
    vcl::TColor GetColorColumnHdText() const { return FColorColumnHdText; }
    /// Sets the ColorColumnHdText property.
    void SetColorColumnHdText(vcl::TColor Value) { SetColour(FColorColumnHdText, Value); }
    /// The ColorCommonHd property.
    vcl::TColor GetColorCommonHd() const { return FColorCommonHd; }
    /// Sets the ColorCommonHd property.
    void SetColorCommonHd(vcl::TColor Value) { SetColour(FColorCommonHd, Value); }
    /// The ColorCommonHdText property.
    vcl::TColor GetColorCommonHdText() const { return FColorCommonHdText; }
    /// Sets the ColorCommonHdText property.
    void SetColorCommonHdText(vcl::TColor Value) { SetColour(FColorCommonHdText, Value); }
    /// The ColorDisabledBkgd property.
    vcl::TColor GetColorDisabledBkgd() const { return FColorDisabledBkgd; }
    /// Sets the ColorDisabledBkgd property.
    void SetColorDisabledBkgd(vcl::TColor Value) { SetColour(FColorDisabledBkgd, Value); }
    /// The ColorDisabledText property.
    vcl::TColor GetColorDisabledText() const { return FColorDisabledText; }
    /// Sets the ColorDisabledText property.
    void SetColorDisabledText(vcl::TColor Value) { SetColour(FColorDisabledText, Value); }
    /// The ColorEmptyMsg property.
    vcl::TColor GetColorEmptyMsg() const { return FColorEmptyMsg; }
    /// Sets the ColorEmptyMsg property.
    void SetColorEmptyMsg(vcl::TColor Value);
    /// The ColorSelectedRow property.
    vcl::TColor GetColorSelectedRow() const { return FColorSelectedRow; }
    /// Sets the ColorSelectedRow property.
    void SetColorSelectedRow(vcl::TColor Value) { SetColour(FColorSelectedRow, Value); }
    /// The ColorSelectedRowText property.
    vcl::TColor GetColorSelectedRowText() const { return FColorSelectedRowText; }
    /// Sets the ColorSelectedRowText property.
    void SetColorSelectedRowText(vcl::TColor Value) { SetColour(FColorSelectedRowText, Value); }
    /// The ColorSelectedCol property.
    vcl::TColor GetColorSelectedCol() const { return FColorSelectedCol; }
    /// Sets the ColorSelectedCol property.
    void SetColorSelectedCol(vcl::TColor Value) { SetColour(FColorSelectedCol, Value); }
    /// The ColorSelectedColText property.
    vcl::TColor GetColorSelectedColText() const { return FColorSelectedColText; }
    /// Sets the ColorSelectedColText property.
    void SetColorSelectedColText(vcl::TColor Value) { SetColour(FColorSelectedColText, Value); }
    /// The ColorSelectedBoth property.
    vcl::TColor GetColorSelectedBoth() const { return FColorSelectedBoth; }
    /// Sets the ColorSelectedBoth property.
    void SetColorSelectedBoth(vcl::TColor Value) { SetColour(FColorSelectedBoth, Value); }
    /// The ColorSelectedBothText property.
    vcl::TColor GetColorSelectedBothText() const { return FColorSelectedBothText; }
    /// Sets the ColorSelectedBothText property.
    void SetColorSelectedBothText(vcl::TColor Value) { SetColour(FColorSelectedBothText, Value); }
    /// The CommonHeader property.
    const std::string& GetCommonHeader() const { return FData->GetCommonHeader(); }
    /// Sets the CommonHeader property.
    void SetCommonHeader(const std::string& Value);
    /// The CommonHeaderAlignment property.
    vcl::TAlignment GetCommonHeaderAlignment() const { return FCommonHeaderAlignment; }
    /// Sets the CommonHeaderAlignment property.
    void SetCommonHeaderAlignment(vcl::TAlignment Value);
    /// The CommonHeaderVisible property.
    bool GetCommonHeaderVisible() const { return FCommonHeaderVisible; }
    /// Sets the ComHdVis property.
    void SetComHdVis(bool Value);
    /// Sets the CommonHeaderVisible property.
    void SetCommonHeaderVisible(bool Value) { SetComHdVis(Value); }
    /// The CommonHeaderHeight property.
    int GetCommonHeaderHeight() const { return FCommonHeaderHeight; }
    /// Sets the CommonHeaderHeight property.
    void SetCommonHeaderHeight(int Value);
    /// The ColumnHeadersVisible property.
    bool GetColumnHeadersVisible() const { return FColumnHeadersVisible; }
    /// Sets the ColHdVis property.
    void SetColHdVis(bool Value);
    /// Sets the ColumnHeadersVisible property.
    void SetColumnHeadersVisible(bool Value) { SetColHdVis(Value); }
    /// The ColumnHeadersHeight property.
    int GetColumnHeadersHeight() const { return FColumnHeadersHeight; }
    /// Sets the ColumnHeadersHeight property.
    void SetColumnHeadersHeight(int Value);
    /// The DefaultColWidth property.
    int GetDefaultColWidth() const { return TCustomGrid::GetDefaultColWidth(); }
    /// Sets the DefaultColWidth property.
    void SetDefaultColWidth(int Value);
    /// The DefaultRowHeight property.
    int GetDefaultRowHeight() const { return TCustomGrid::GetDefaultRowHeight(); }
    /// Sets the DefaultRowHeight property.
    void SetDefaultRowHeight(int Value);
    /// The EmptyMessage property.
    const std::string& GetEmptyMessage() const { return FEmptyMessage; }
    /// Sets the EmptyMessage property.
    void SetEmptyMessage(const std::string& Value);
    /// Sets the Enabled property.
    void SetEnabled(bool Value) override;
    /// The FixedColor property.
    vcl::TColor GetFixedColor() const { return TCustomGrid::GetFixedColor(); }
    /// Sets the FixedColor property.
    void SetFixedColor(vcl::TColor Value) { SetColorColumnHd(Value); }
    /// The FixedFirstColumn property.
    bool GetFixedFirstColumn() const { return FFixedFirstColumn; }
    /// Sets the FixedFirstColumn property.
    void SetFixedFirstColumn(bool Value);
    /// The HighLightBold property.
    bool GetHighLightBold() const { return FHighLightBold; }
    /// Sets the HighLightBold property.
    void SetHighLightBold(bool Value);
    /// The HighLightRow property.
    int GetHighLightRow() const { return FHighLightRow; }
    /// Sets the HighLightRow property.
    void SetHighLightRow(int Value);
    /// The HighLightColumn property.
    int GetHighLightColumn() const { return FHighLightColumn; }
    /// Sets the HighLightColumn property.
    void SetHighLightColumn(int Value);
    /// The InterRowIndicatorColor property.
    vcl::TColor GetInterRowIndicatorColor() const { return FInterRowIndicatorColor; }
    /// Sets the InterRowIndicatorColor property.
    void SetInterRowIndicatorColor(vcl::TColor Value) { SetColour(FInterRowIndicatorColor, Value); }
    /// The InterRowIndicatorWidth property.
    int GetInterRowIndicatorWidth() const { return FInterRowIndicatorWidth; }
    /// Sets the InterRowIndicatorWidth property.
    void SetInterRowIndicatorWidth(int Value);
    /// The LeftCol property.
    int GetLeftCol() const { return TCustomGrid::GetLeftCol() + 1; }
    /// Sets the LeftCol property.
    void SetLeftCol(int Value);
    /// The RowSelectMode property.
    int GetRowSelectMode() const { return FRowSelectMode; }
    /// Sets the RowSelectMode property.
    void SetRowSelectMode(int Value);
    /// The RowColPattern property.
    int GetRowColPattern() const { return FRowColPattern; }
    /// Sets the RowColPattern property.
    void SetRowColPattern(int Value);
    /// The ShowEmptyCheckBoxes property.
    bool GetShowEmptyCheckBoxes() const { return FShowEmptyCheckBoxes; }
    /// Sets the ShowEmptyCheckBoxes property.
    void SetShowEmptyCheckBoxes(bool Value);
    /// The SortEnabled property.
    bool GetSortEnabled() const { return FSortEnabled; }
    /// Sets the SortEnabled property.
    void SetSortEnabled(bool Value) { FSortEnabled = Value; }
    /// The TopRow property.
    int GetTopRow() const;
    /// Sets the TopRow property.
    void SetTopRow(int Value);
    /// The UseCtrlForMultiSel property.
    bool GetUseCtrlForMultiSel() const { return FUseCtrlForMultiSel; }
    /// Sets the UseCtrlForMultiSel property.
    void SetUseCtrlForMultiSel(bool Value) { FUseCtrlForMultiSel = Value; }

    // ---- public properties
    /// The Data property.
    TRLData* GetData() const { return FData; }
    /// Count head rows.
    int CountHeadRows() const { return (FCommonHeaderVisible ? 1 : 0) + (FColumnHeadersVisible ? 1 : 0); }
    /// Rows the grid shows: NrOfRows, or the found rows while a filter is active.
    int GetNrOfShownRows() const { return FShownRows < 0 ? GetNrOfRows() : FShownRows; }
    /// The FilterActive property.
    bool GetFilterActive() const { return FShownRows >= 0; }
    /// The ColumnAlignment property.
    vcl::TAlignment GetColumnAlignment(int ColNr) const;
    /// Sets the ColumnAlignment property.
    void SetColumnAlignment(int ColNr, vcl::TAlignment Value);
    /// The ColumnEditable property.
    bool GetColumnEditable(int ColNr) const;
    /// Sets the ColumnEditable property.
    void SetColumnEditable(int ColNr, bool Value);
    /// The ColumnIsPwd property.
    bool GetColumnIsPwd(int ColNr) const;
    /// Sets the ColumnIsPwd property.
    void SetColumnIsPwd(int ColNr, bool Value);
    /// The ColumnOrder property.
    int GetColumnOrder(int ColNr) const;
    /// Sets the ColumnOrder property.
    bool SetColumnOrder(std::span<const int> ColList);
    /// The CheckMarksReadOnly property.
    bool GetCheckMarksReadOnly() const { return FCheckMarksReadOnly; }
    /// Sets the CheckMarksReadOnly property.
    void SetCheckMarksReadOnly(bool Value);
    /// The InterRowIndicatorPos property.
    int GetInterRowIndicatorPos() const { return FInterRowIndicatorPos; }
    /// Sets the InterRowIndicatorPos property.
    void SetInterRowIndicatorPos(int Value);
    /// The SuppressPaint property.
    bool GetSuppressPaint() const { return FSuppressPaint; }
    /// Sets the SuppressPaint property.
    void SetSuppressPaint(bool Value);
    /// The SecondarySortColumn property.
    int GetSecondarySortColumn() const { return FSortColumnSec; }
    /// Sets the SortColumnSec property.
    void SetSortColumnSec(int Value);
    /// The SortColumn property.
    int GetSortColumn() const { return FData->GetLastSortColumn(); }
    /// The SortOrder property.
    bool GetSortOrder() const { return FData->GetLastSortOrder(); }

    // ---- forwarded to the container
    /// The Elem property.
    std::string GetElem(int ACol, int ARow) const;
    /// Sets the Elem property.
    void SetElem(int ACol, int ARow, std::string_view Value);
    /// The ElemChecked property.
    bool GetElemChecked(int ACol, int ARow) const { return FData->GetElemChecked(ACol, ARow); }
    /// Sets the ElemChecked property.
    void SetElemChecked(int ACol, int ARow, bool Value);
    /// The AsNumber property.
    double GetAsNumber(int ACol, int ARow) const;
    /// The CellDefaultValue property.
    std::string GetCellDefaultValue(int ACol, int ARow) const { return FData->GetCellDefaultValue(ACol, ARow); }
    /// Column index.
    int ColumnIndex(std::string_view Head, bool PartialMatch) const { return FData->ColumnIndex(Head, PartialMatch); }
    /// Count checked elems in row.
    int CountCheckedElemsInRow(int Row) const { return FData->CountCheckedElemsInRow(Row); }
    /// Count checked elems in col.
    int CountCheckedElemsInCol(int Column) const;
    /// First checked elem in col.
    int FirstCheckedElemInCol(int ColNr) const { return FData->FirstCheckedElemInCol(ColNr); }
    /// First checked elem in row.
    int FirstCheckedElemInRow(int RowNr) const { return FData->FirstCheckedElemInRow(RowNr); }
    /// The ColName property.
    std::string GetColName(int ColNr) const { return FData->GetColName(ColNr); }
    /// Sets the ColName property.
    void SetColName(int ColNr, std::string_view Name);
    /// The ColumnFormat property.
    std::string GetColumnFormat(int ColNr) const { return FData->GetColumnFormat(ColNr); }
    /// Sets the ColumnFormat property.
    void SetColumnFormat(int ColNr, std::string_view Format);
    /// The CheckedCol property.
    bool GetCheckedCol(int ColNr) const { return FData->GetCheckedCol(ColNr); }
    /// Sets the CheckedCol property.
    void SetCheckedCol(int ColNr, bool Value);
    /// The ColCheckMode property.
    TCheckMode GetColCheckMode(int ColNr) const { return FData->GetColCheckMode(ColNr); }
    /// Sets the ColCheckMode property.
    void SetColCheckMode(int ColNr, TCheckMode Value);
    /// Sets the AllCheckmarksOfCol property.
    void SetAllCheckmarksOfCol(int Column, bool Checked, bool AffectEnabledRowsOnly = false);
    /// Invert all checkmarks of col.
    void InvertAllCheckmarksOfCol(int Column, bool AffectEnabledRowsOnly = false);
    /// Copy to clip board.
    void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                         char32_t Separator) { FData->CopyToClipBoard(LeftCol, TopRow, RightCol, BottomRow, AddHeader, Separator); }
    /// Copy to clip board.
    void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                         bool UseTabs) { FData->CopyToClipBoard(LeftCol, TopRow, RightCol, BottomRow, AddHeader, UseTabs); }
    void CopyToClipBoard(int, int, int, int, bool, const char*) = delete;
    /// The DataID property.
    const std::string& GetDataID() const { return FData->GetDataID(); }
    /// Sets the DataID property.
    void SetDataID(const std::string& Value) { FData->SetDataID(Value); }
    /// The Comment property.
    const std::string& GetComment() const { return FData->GetComment(); }
    /// Sets the Comment property.
    void SetComment(const std::string& Value) { FData->SetComment(Value); }
    /// Sort.
    void Sort(int Col, int ColSec, bool Ascending);
    /// Un sort.
    void UnSort();

    // ---- files: the container's, then the view brought in line with the loaded data
    /// Save as xmlfile.
    void SaveAsXMLFile(const std::string& FName, const std::string& DataID) { FData->SaveAsXMLFile(FName, DataID); }
    /// Load from xmlfile.
    bool LoadFromXMLFile(const std::string& FName, const std::string& DataID);
    /// Write to xmlstream.
    void WriteToXMLStream(vcl::TStream* OutStream, bool CreateHeader, const std::string& DataID) { FData->WriteToXMLStream(OutStream, CreateHeader, DataID); }
    /// Read from xmlstream.
    bool ReadFromXMLStream(vcl::TStream* InStream, const std::string& DataID);
    /// Read from xmlstring.
    bool ReadFromXMLString(const std::string& InString, const std::string& DataID);
    /// Write to open xmlfile.
    void WriteToOpenXMLFile(vcl::TTextFile& F, bool CreateHeader, const std::string& DataID) { FData->WriteToOpenXMLFile(F, CreateHeader, DataID); }
    /// Read from open xmlfile.
    bool ReadFromOpenXMLFile(vcl::TTextFile& F, const std::string& DataID);
    /// Import csv.
    int ImportCSV(const std::string& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders);
    /// Load lines from file.
    int LoadLinesFromFile(int Column, int FirstRow, const std::string& FName);
    /// Export htmltable.
    void ExportHTMLTable(const std::string& FName, int LoC, int LoR, int HiC, int HiR,
                         std::span<const int> ColumnSelection, int Border, int CellSpacing,
                         int CellPadding, bool IncludeHeader, const std::string& HeadClass,
                         const std::string& CellClass, const std::string& TableClass) {
        FData->ExportHTMLTable(FName, LoC, LoR, HiC, HiR, ColumnSelection, Border, CellSpacing,
                               CellPadding, IncludeHeader, HeadClass, CellClass, TableClass);
    }

    // ---- filtering
    /// Shows only the rows that match FilterExp in one of FilterColumns, first in the
    /// presented order and sorted by SortColumn (none when outside the columns). An empty
    /// expression shows all rows again. A malformed expression raises EZynRepListError and
    /// leaves the view as it was.
    void FilterAndSort(std::string_view FilterExp, std::span<const int> FilterColumns,
                       bool IgnoreCase, TFilterMode FilterMode, int SortColumn, bool Ascending);

    // ---- rows
    /// Insert row.
    int InsertRow(int R);
    /// Add row.
    int AddRow();
    /// Remove row.
    void RemoveRow(int R);
    /// Remove empty rows.
    void RemoveEmptyRows();
    /// Fill.
    void Fill(std::string_view S);
    /// Clear.
    void Clear();

    // ---- selection
    /// Select row.
    void SelectRow(int RowNr);
    /// Select all rows.
    void SelectAllRows();
    /// Deselect all rows.
    void DeselectAllRows();
    /// Select column.
    void SelectColumn(int ColNr);
    /// Select all columns.
    void SelectAllColumns();
    /// Deselect all columns.
    void DeselectAllColumns();
    /// Enable all rows.
    void EnableAllRows();
    /// Disable all rows.
    void DisableAllRows();
    /// The RowSelect property.
    bool GetRowSelect(int R) const;
    /// Sets the RowSelect property.
    void SetRowSelect(int R, bool Value);
    /// The RowEnabled property.
    bool GetRowEnabled(int R) const;
    /// Sets the RowEnabled property.
    void SetRowEnabled(int R, bool Value);
    /// The ColSelect property.
    bool GetColSelect(int C) const;
    /// Sets the ColSelect property.
    void SetColSelect(int C, bool Value);
    /// First selected row.
    int FirstSelectedRow() const;
    /// First selected column.
    int FirstSelectedColumn() const;
    /// Num selected rows.
    int NumSelectedRows() const;
    /// Num selected columns.
    int NumSelectedColumns() const;
    /// Num enabled rows.
    int NumEnabledRows() const;
    /// Center scroll and select.
    void CenterScrollAndSelect(int Row);

    // ---- row editor (RowEditor.cpp)
    /// Edits all cells of Row in a modal dialog: one labelled control per column, chosen by
    /// the column format (combo box, date/time picker, numeric field or edit field). The
    /// first two forms build their own dialog at screen point (PosLeft, PosTop) with OK and
    /// Cancel buttons; the third places the controls on ContainerForm, offset by (PosLeft,
    /// PosTop), and shows it. On mrOk the controls' texts are written back into the row.
    /// Returns the modal result.
    int EditRowEntries(int Row, int PosLeft, int PosTop);
    /// Edit row entries.
    int EditRowEntries(int Row, int PosLeft, int PosTop, const std::string& FormCaption,
                       const std::string& ButOKCaption, const std::string& ButCancelCaption);
    /// Edit row entries.
    int EditRowEntries(int Row, vcl::TForm* ContainerForm, int PosLeft, int PosTop);
    /// The dialog's handlers: OK, Cancel, and Enter in an editable field (confirms).
    void EdRowOKClick(vcl::TObject* Sender);
    /// Ed row cancel click.
    void EdRowCancelClick(vcl::TObject* Sender);
    /// Ed row key press.
    void EdRowKeyPress(vcl::TObject* Sender, char32_t& Key);
    /// The form while the row editor runs (nullptr otherwise).
    vcl::TForm* GetContainerForm() const { return FContainerForm; }

    // ---- column widths (Index: data column)
    /// The ColWidths property.
    int GetColWidths(int Index) const;
    /// Sets the ColWidths property.
    void SetColWidths(int Index, int Value);
    /// Determine max col width.
    int DetermineMaxColWidth(int ColNr, bool IncludeHeader);
    /// Auto col width.
    void AutoColWidth(int ColNr, bool IncludeHeader, int Addon);
    /// Auto col width.
    void AutoColWidth(int ColNr, bool IncludeHeader, int Addon, int MaxWidth);
    /// Expand col width.
    void ExpandColWidth(int ColIx, int RightMargin);
    /// Fit all col widths.
    void FitAllColWidths(int ExpandColumn, bool IncludeHeader, int Addon, int MaxWidth, int RightMargin);

    /// The cell under a client point: (display position, data row); row -1 for the column
    /// header row, -2 for the common header row, 0 outside the cells.
    std::pair<int, int> MouseCell(int X, int Y) const;
    /// The display position showing data column DataCol, 0 when none does.
    int DisplayPosOf(int DataCol) const;

    // ---- events
    /// The handler of event OnCheckedChange (empty: none).
    const TCheckStateChangeEvent& GetOnCheckedChange() const { return FOnCheckedChange; }
    /// Sets the handler of event OnCheckedChange (an empty function removes it).
    void SetOnCheckedChange(TCheckStateChangeEvent Value) { FOnCheckedChange = std::move(Value); }
    /// The handler of event OnBeforeCheckedChange (empty: none).
    const TCheckStateChangeEvent& GetOnBeforeCheckedChange() const { return FOnBeforeCheckedChange; }
    /// Sets the handler of event OnBeforeCheckedChange (an empty function removes it).
    void SetOnBeforeCheckedChange(TCheckStateChangeEvent Value) { FOnBeforeCheckedChange = std::move(Value); }
    /// The handler of event OnBeforeFilter (empty: none).
    const TBeforeFilterEvent& GetOnBeforeFilter() const { return FOnBeforeFilter; }
    /// Sets the handler of event OnBeforeFilter (an empty function removes it).
    void SetOnBeforeFilter(TBeforeFilterEvent Value) { FOnBeforeFilter = std::move(Value); }
    /// The handler of event OnRequestEditFormat (empty: none).
    const TRequestEditFormatEvent& GetOnRequestEditFormat() const { return FOnRequestEditFormat; }
    /// Sets the handler of event OnRequestEditFormat (an empty function removes it).
    void SetOnRequestEditFormat(TRequestEditFormatEvent Value) { FOnRequestEditFormat = std::move(Value); }
    /// The handler of event OnSelectedChange (empty: none).
    const vcl::TNotifyEvent& GetOnSelectedChange() const { return FOnSelectedChange; }
    /// Sets the handler of event OnSelectedChange (an empty function removes it).
    void SetOnSelectedChange(vcl::TNotifyEvent Value) { FOnSelectedChange = std::move(Value); }
    /// The handler of event OnChange (empty: none).
    const vcl::TNotifyEvent& GetOnChange() const { return FOnChange; }
    /// Sets the handler of event OnChange (an empty function removes it).
    void SetOnChange(vcl::TNotifyEvent Value) { FOnChange = std::move(Value); }
    /// The handler of event OnChangeSetup (empty: none).
    const vcl::TNotifyEvent& GetOnChangeSetup() const { return FOnChangeSetup; }
    /// Sets the handler of event OnChangeSetup (an empty function removes it).
    void SetOnChangeSetup(vcl::TNotifyEvent Value) { FOnChangeSetup = std::move(Value); }
    /// The handler of event OnBeforeRenderCell (empty: none).
    const TRenderCellEvent& GetOnBeforeRenderCell() const { return FOnBeforeRenderCell; }
    /// Sets the handler of event OnBeforeRenderCell (an empty function removes it).
    void SetOnBeforeRenderCell(TRenderCellEvent Value) { FOnBeforeRenderCell = std::move(Value); }
    /// The handler of event OnCursorKeyAction (empty: none).
    const TCursorKeyActionEvent& GetOnCursorKeyAction() const { return FOnCursorKeyAction; }
    /// Sets the handler of event OnCursorKeyAction (an empty function removes it).
    void SetOnCursorKeyAction(TCursorKeyActionEvent Value) { FOnCursorKeyAction = std::move(Value); }
    /// The handler of event OnReadCell (empty: none).
    const TReadCellEvent& GetOnReadCell() const { return FOnReadCell; }
    /// Sets the handler of event OnReadCell (an empty function removes it).
    void SetOnReadCell(TReadCellEvent Value) { FOnReadCell = std::move(Value); }
    /// The handler of event OnBeforeSortExchange (empty: none).
    const TBeforeSortExchgEvent& GetOnBeforeSortExchange() const { return FOnBeforeSortExchange; }
    /// Sets the handler of event OnBeforeSortExchange (an empty function removes it).
    void SetOnBeforeSortExchange(TBeforeSortExchgEvent Value);
    /// The handler of event OnBeforeHTMLExport (empty: none).
    const TBeforeHTMLExportEvent& GetOnBeforeHTMLExport() const { return FOnBeforeHTMLExport; }
    /// Sets the handler of event OnBeforeHTMLExport (an empty function removes it).
    void SetOnBeforeHTMLExport(TBeforeHTMLExportEvent Value) { FOnBeforeHTMLExport = std::move(Value); }
    /// The handler of event OnPercentDone (empty: none).
    const TOnPercentDoneEvent& GetOnPercentDone() const { return FOnPercentDone; }
    /// Sets the handler of event OnPercentDone (an empty function removes it).
    void SetOnPercentDone(TOnPercentDoneEvent Value) { FOnPercentDone = std::move(Value); }

    /// Notifications. Changed takes the place of the control's own change notification:
    /// a change of the list is told to OnChange.
    void Changed() override { if (FOnChange) FOnChange(this); }
    /// Changed setup.
    void ChangedSetup() { if (FOnChangeSetup) FOnChangeSetup(this); }
    /// Changed selection.
    void ChangedSelection() { if (FOnSelectedChange) FOnSelectedChange(this); }
    /// Cursor key action.
    void CursorKeyAction(vcl::WORD Key) { if (FOnCursorKeyAction) FOnCursorKeyAction(this, Key); }

    /// The rectangle of the focus cue in client coordinates: the cell the keys act on when
    /// its column has check marks or is editable, otherwise the visible cells of the
    /// current row; empty when no shown row is current.
    vcl::TRect FocusCueRect() const;
    /// Handles a key press (virtual key).
    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    /// Handles a typed character.
    void KeyPress(char32_t& Key) override;
    /// Sets the Bounds property.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    ///@{
    /// The handler of event OnCheckedChange.
    TCheckStateChangeEvent FOnCheckedChange, FOnBeforeCheckedChange;
    ///@}
    /// The handler of event OnBeforeFilter.
    TBeforeFilterEvent FOnBeforeFilter;
    /// The handler of event OnRequestEditFormat.
    TRequestEditFormatEvent FOnRequestEditFormat;
    ///@{
    /// The handler of event OnSelectedChange.
    vcl::TNotifyEvent FOnSelectedChange, FOnChange, FOnChangeSetup;
    ///@}
    /// The handler of event OnBeforeRenderCell.
    TRenderCellEvent FOnBeforeRenderCell;
    /// The handler of event OnCursorKeyAction.
    TCursorKeyActionEvent FOnCursorKeyAction;
    /// The handler of event OnReadCell.
    TReadCellEvent FOnReadCell;
    /// The handler of event OnBeforeSortExchange.
    TBeforeSortExchgEvent FOnBeforeSortExchange;
    /// The handler of event OnBeforeHTMLExport.
    TBeforeHTMLExportEvent FOnBeforeHTMLExport;
    /// The handler of event OnPercentDone.
    TOnPercentDoneEvent FOnPercentDone;

    /// Draws the control.
    void Paint() override;
    /// Draws one cell of the grid.
    void DrawCell(int ACol, int ARow, const vcl::TRect& ARect, vcl::TGridDrawState AState) override;
    /// Handles a mouse button press.
    void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    /// Handles a pointer move.
    void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
    /// Handles a mouse button release.
    void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    /// Handles a double click.
    void DblClick() override;
    /// Handles a wheel step towards the user.
    bool DoMouseWheelDown(vcl::TShiftState Shift, vcl::TPoint MousePos) override;
    /// Handles a wheel step away from the user.
    bool DoMouseWheelUp(vcl::TShiftState Shift, vcl::TPoint MousePos) override;
    /// Whether the cell may become the current one.
    bool SelectCell(int ACol, int ARow) override;
    /// The EditText property.
    std::string GetEditText(int ACol, int ARow) override;
    /// Sets the EditText property.
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
    /// Whether the in-place editor may open: only on a shown row of an editable column.
    bool CanEditShow() override;
    /// Repaints the whole view when the grid scrolls, so the headers follow.
    void TopLeftChanged() override;
    /// Drops the character of a Space that toggled a check mark, so that it does not open
    /// the in-place editor.
    void WMChar(vcl::TMessage& Message) override;
    /// Before check state change.
    void BeforeCheckStateChange(bool& State, int Col, int Row) {
        if (FOnBeforeCheckedChange) FOnBeforeCheckedChange(this, State, Col, Row);
    }
    /// Check state has changed.
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
    void PaintFocusCue(vcl::TCanvas* C);
    int VisibleColumnsRight() const;
    int HeadRowsHeight() const;

    // ---- input steps (ReportListInput.cpp)
    void HeaderClickSort(int DataCol);
    void CheckBoxClick(int DataCol, int DataRow);
    void SelectByClick(int DataRow, vcl::TShiftState Shift);
    bool NearHeaderBorder(int X, int Y, int& SizedPos) const;
    void SetEditing(bool On);
    // ---- the row editor's Escape (RowEditor.cpp)
    void EdRowKeyDown(vcl::TObject* Sender, vcl::WORD& Key, vcl::TShiftState Shift);
    // ---- keyboard steps (ReportListInput.cpp)
    bool ToggleCurrentCheck();
    int KeyColumn() const;
    void FocusKeyCell();
    void MoveKeyColumn(int Step);
    void SelectAllShownRows();
    void PopupAtCurrentRow();
    bool AbandonEdit();

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
    bool FEatSpaceChar = false;      // the Space that toggled a mark types no character
    // The grid column the keys act on (Space, F2): while whole rows are selected the grid
    // keeps its current cell in the first column, so the view remembers the column that
    // the last click or Ctrl+Left/Right chose.
    int FKeyCol = 0;
    // What the in-place editor showed when it opened, for Escape to put back: its grid
    // cell, the text it showed and the stored string of the cell.
    int FEditUndoCol = -1;
    int FEditUndoRow = -1;
    std::string FEditUndoText;
    std::string FEditUndoStored;
    vcl::TForm* FContainerForm = nullptr;     // the row editor's form while it runs
    vcl::TSpeedButton* FSBERCancel = nullptr; // its Cancel button (own form only)
};

}  // namespace zyn
