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
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/Zyn_undo.h"
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
    /// The type text between the brackets ("s" without brackets), without a leading "#".
    std::string TypeText;
    /// The first letter of the type text, which picks the control.
    char Letter = 's';
    /// Whether the type text began with "#" (the control is read-only).
    bool ReadOnly = false;
    /// Width in pixels of the control (200 when missing or below 1).
    int Width = 200;
    /// The parameter text after the width group.
    std::string Parameter;
};
TRowEditFormat SplitRowEditFormat(std::string_view Format);

// What a password column shows (and copies) instead of its texts.
inline constexpr std::string_view PasswordMask = "******";

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
    /// Parses Expression for Mode; raises EZynRepListError when it is malformed.
    TRLFilter(std::string_view Expression, TFilterMode Mode, bool IgnoreCase);
    ~TRLFilter();
    TRLFilter(const TRLFilter&) = delete;
    TRLFilter& operator=(const TRLFilter&) = delete;
    /// Whether any of the texts matches (simple, grep) or the expression holds over them
    /// (boolean: each term must match one of the texts).
    bool Matches(std::span<const std::string_view> Texts) const;
    /// Whether the expression is empty (every row matches).
    bool Empty() const { return empty_; }

    struct Impl;

private:
    Impl* impl_;
    bool empty_;
};

/// TReportListView: a grid of the rows of its own TRLData under a common header and column
/// headers, with check boxes, selection, sorting, filtering and in-place editing (see the
/// component's page in docs/components/).
class TReportListView : public vcl::TCustomDrawGrid {
public:
    /// Creates the object; AOwner (when given) frees it with itself.
    explicit TReportListView(vcl::TComponent* AOwner);
    ~TReportListView() override;
    /// The name the class is registered under.
    std::string ClassName() const override { return "TReportListView"; }
    /// Copies another report list view: its settings, colours, events and per-column alignment,
    /// password, editable and order arrays, then its data; repaints. Raises EZynRepListError ("not
    /// enough memory on heap") when the column arrays cannot be sized.
    void Assign(vcl::TPersistent* Source) override;

    // ---- published properties, in the documented order
    /// Number of data columns (default 5, named C-1 to C-5 in a new view).
    int GetNrOfColumns() const { return FData->GetNrOfColumns(); }
    /// Resizes the list to Value columns: the last column's width is given to the new columns,
    /// new columns are left-aligned, not editable and not masked, the column order is reset and
    /// the view scrolls to the top; repaints and fires OnChangeSetup. Raises EZynRepListError
    /// ("not enough memory on heap") when the columns cannot be allocated.
    void SetNrCols(int Value);
    /// Sets the number of data columns; the same as SetNrCols.
    void SetNrOfColumns(int Value) { SetNrCols(Value); }
    /// Number of data rows (default 4). The grid always keeps one row below the headers, so an
    /// empty list still shows an empty line.
    int GetNrOfRows() const { return FData->GetNrOfRows(); }
    /// Resizes the list to Value rows, clears the grid selection, recomputes the header rows and
    /// their heights, repaints and fires OnChangeSetup.
    void SetNrRows(int Value);
    /// Sets the number of data rows; the same as SetNrRows.
    void SetNrOfRows(int Value) { SetNrRows(Value); }
    /// Whether Enter moves the cursor to the next row (default false).
    bool GetAutoAdvance() const { return FAutoAdvance; }
    /// Switches Enter-to-next-row on or off; takes effect with the next key press.
    void SetAutoAdvance(bool Value) { FAutoAdvance = Value; }
    /// Background of the highlighted row or column (HighLightRow, HighLightColumn); default
    /// 0xCC9966.
    vcl::TColor GetColorHigh() const { return FColorHigh; }
    /// Sets the highlight background; repaints and fires OnChangeSetup.
    void SetColorHigh(vcl::TColor Value) { SetColour(FColorHigh, Value); }
    /// Text colour of the highlighted row or column; default clWhite.
    vcl::TColor GetColorHighText() const { return FColorHighText; }
    /// Sets the highlight text colour; repaints and fires OnChangeSetup.
    void SetColorHighText(vcl::TColor Value) { SetColour(FColorHighText, Value); }
    /// Text colour of normal cells; default 0x002000.
    vcl::TColor GetColorText() const { return FColorText; }
    /// Sets the normal text colour; repaints and fires OnChangeSetup.
    void SetColorText(vcl::TColor Value) { SetColour(FColorText, Value); }
    /// Background of unshaded rows; default clWhite.
    vcl::TColor GetColorBkgdNormal() const { return FColorBkgdNormal; }
    /// Sets the unshaded row background; repaints and fires OnChangeSetup.
    void SetColorBkgdNormal(vcl::TColor Value) { SetColour(FColorBkgdNormal, Value); }
    /// Background of shaded rows (the bands RowColPattern defines); default 0xF0EFE8.
    vcl::TColor GetColorBkgdShaded() const { return FColorBkgdShaded; }
    /// Sets the shaded row background; repaints and fires OnChangeSetup.
    void SetColorBkgdShaded(vcl::TColor Value) { SetColour(FColorBkgdShaded, Value); }
    /// Background of the column headers and the fixed first column; default clBtnFace. The
    /// same value as FixedColor.
    vcl::TColor GetColorColumnHd() const { return GetFixedColor(); }
    /// Sets the column header background (and FixedColor with it); repaints and fires
    /// OnChangeSetup.
    void SetColorColumnHd(vcl::TColor Value);
    /// Text colour of the column headers; default clBlack.
    vcl::TColor GetColorColumnHdText() const { return FColorColumnHdText; }
    /// Sets the column header text colour; repaints and fires OnChangeSetup.
    void SetColorColumnHdText(vcl::TColor Value) { SetColour(FColorColumnHdText, Value); }
    /// Background of the common header row; default clBtnFace.
    vcl::TColor GetColorCommonHd() const { return FColorCommonHd; }
    /// Sets the common header background; repaints and fires OnChangeSetup.
    void SetColorCommonHd(vcl::TColor Value) { SetColour(FColorCommonHd, Value); }
    /// Text colour of the common header; default clBlack.
    vcl::TColor GetColorCommonHdText() const { return FColorCommonHdText; }
    /// Sets the common header text colour; repaints and fires OnChangeSetup.
    void SetColorCommonHdText(vcl::TColor Value) { SetColour(FColorCommonHdText, Value); }
    /// Background of disabled rows (see RowEnabled); default 0xF0F0F0.
    vcl::TColor GetColorDisabledBkgd() const { return FColorDisabledBkgd; }
    /// Sets the disabled row background; repaints and fires OnChangeSetup.
    void SetColorDisabledBkgd(vcl::TColor Value) { SetColour(FColorDisabledBkgd, Value); }
    /// Text colour of disabled rows; default 0xC0C0C0.
    vcl::TColor GetColorDisabledText() const { return FColorDisabledText; }
    /// Sets the disabled row text colour; repaints and fires OnChangeSetup.
    void SetColorDisabledText(vcl::TColor Value) { SetColour(FColorDisabledText, Value); }
    /// Colour of EmptyMessage, the text an empty list shows; default clBlack.
    vcl::TColor GetColorEmptyMsg() const { return FColorEmptyMsg; }
    /// Sets the empty-list message colour; repaints and fires OnChangeSetup only when it differs.
    void SetColorEmptyMsg(vcl::TColor Value);
    /// Background of selected rows; default 0x94BAED.
    vcl::TColor GetColorSelectedRow() const { return FColorSelectedRow; }
    /// Sets the selected row background; repaints and fires OnChangeSetup.
    void SetColorSelectedRow(vcl::TColor Value) { SetColour(FColorSelectedRow, Value); }
    /// Text colour of selected rows; default 0x800000.
    vcl::TColor GetColorSelectedRowText() const { return FColorSelectedRowText; }
    /// Sets the selected row text colour; repaints and fires OnChangeSetup.
    void SetColorSelectedRowText(vcl::TColor Value) { SetColour(FColorSelectedRowText, Value); }
    /// Background of selected columns; default clBlack.
    vcl::TColor GetColorSelectedCol() const { return FColorSelectedCol; }
    /// Sets the selected column background; repaints and fires OnChangeSetup.
    void SetColorSelectedCol(vcl::TColor Value) { SetColour(FColorSelectedCol, Value); }
    /// Text colour of selected columns; default clBlack.
    vcl::TColor GetColorSelectedColText() const { return FColorSelectedColText; }
    /// Sets the selected column text colour; repaints and fires OnChangeSetup.
    void SetColorSelectedColText(vcl::TColor Value) { SetColour(FColorSelectedColText, Value); }
    /// Background of cells that lie in a selected row and a selected column; default clBlack.
    vcl::TColor GetColorSelectedBoth() const { return FColorSelectedBoth; }
    /// Sets the row-and-column selection background; repaints and fires OnChangeSetup.
    void SetColorSelectedBoth(vcl::TColor Value) { SetColour(FColorSelectedBoth, Value); }
    /// Text colour of cells in a selected row and a selected column; default clBlack.
    vcl::TColor GetColorSelectedBothText() const { return FColorSelectedBothText; }
    /// Sets the row-and-column selection text colour; repaints and fires OnChangeSetup.
    void SetColorSelectedBothText(vcl::TColor Value) { SetColour(FColorSelectedBothText, Value); }
    /// Text of the common header row, stored with the data; default "Zyn Report Listview".
    const std::string& GetCommonHeader() const { return FData->GetCommonHeader(); }
    /// Sets the common header text; when it differs, fires OnChange and repaints.
    void SetCommonHeader(const std::string& Value);
    /// Alignment of the common header text (taLeftJustify, taRightJustify, taCenter); default
    /// taCenter.
    vcl::TAlignment GetCommonHeaderAlignment() const { return FCommonHeaderAlignment; }
    /// Sets the common header alignment; when it differs, fires OnChange and repaints.
    void SetCommonHeaderAlignment(vcl::TAlignment Value);
    /// Whether the common header row above the column headers is shown; default false.
    bool GetCommonHeaderVisible() const { return FCommonHeaderVisible; }
    /// Shows or hides the common header row: when it differs, the head rows and their heights
    /// are recomputed (RowCount, FixedRows), OnChange fires and the view repaints.
    void SetComHdVis(bool Value);
    /// Shows or hides the common header row; the same as SetComHdVis.
    void SetCommonHeaderVisible(bool Value) { SetComHdVis(Value); }
    /// Height of the common header row in pixels, 8..127; default 20.
    int GetCommonHeaderHeight() const { return FCommonHeaderHeight; }
    /// Sets the common header height, clamped to 8..127; applies the header heights, fires
    /// OnChange and repaints.
    void SetCommonHeaderHeight(int Value);
    /// Whether the row of column headers is shown; default true.
    bool GetColumnHeadersVisible() const { return FColumnHeadersVisible; }
    /// Shows or hides the column headers: when it differs, the head rows and their heights are
    /// recomputed, OnChange fires and the view repaints.
    void SetColHdVis(bool Value);
    /// Shows or hides the column headers; the same as SetColHdVis.
    void SetColumnHeadersVisible(bool Value) { SetColHdVis(Value); }
    /// Height of the column header row in pixels, 8..127; default 20.
    int GetColumnHeadersHeight() const { return FColumnHeadersHeight; }
    /// Sets the column header height, clamped to 8..127; applies the header heights, fires
    /// OnChange and repaints.
    void SetColumnHeadersHeight(int Value);
    /// Width in pixels a column gets unless it is sized on its own (the grid's default).
    int GetDefaultColWidth() const { return TCustomGrid::GetDefaultColWidth(); }
    /// Sets the default column width; repaints and fires OnChangeSetup.
    void SetDefaultColWidth(int Value);
    /// Height in pixels of each data row (the grid's default); a hidden header row uses it too.
    int GetDefaultRowHeight() const { return TCustomGrid::GetDefaultRowHeight(); }
    /// Sets the default row height and applies the header heights again; repaints and fires
    /// OnChangeSetup.
    void SetDefaultRowHeight(int Value);
    /// Text drawn in the view while the list has no rows; default empty (nothing drawn).
    const std::string& GetEmptyMessage() const { return FEmptyMessage; }
    /// Sets the empty-list message; when it differs, repaints and fires OnChangeSetup.
    void SetEmptyMessage(const std::string& Value);
    /// Enables or disables the whole view (disabled: greyed check boxes, no input) and repaints.
    void SetEnabled(bool Value) override;
    /// Background of the column headers and the fixed column; the same value as ColorColumnHd.
    vcl::TColor GetFixedColor() const { return TCustomGrid::GetFixedColor(); }
    /// Sets the fixed background; the same as SetColorColumnHd.
    void SetFixedColor(vcl::TColor Value) { SetColorColumnHd(Value); }
    /// Whether the first column stays fixed at the left while scrolling sideways; default false.
    bool GetFixedFirstColumn() const { return FFixedFirstColumn; }
    /// Fixes or frees the first column (it becomes fixed only once a second column exists);
    /// fires OnChange and repaints.
    void SetFixedFirstColumn(bool Value);
    /// Whether highlighted cells (HighLightRow, HighLightColumn) are drawn in bold; default false.
    bool GetHighLightBold() const { return FHighLightBold; }
    /// Switches bold highlighting; repaints and fires OnChangeSetup.
    void SetHighLightBold(bool Value);
    /// Data row drawn in the highlight colours; 0 (default) highlights none.
    int GetHighLightRow() const { return FHighLightRow; }
    /// Sets the highlighted row (0: none); repaints and fires OnChangeSetup.
    void SetHighLightRow(int Value);
    /// Data column drawn in the highlight colours; 0 (default) highlights none.
    int GetHighLightColumn() const { return FHighLightColumn; }
    /// Sets the highlighted column (0: none); repaints and fires OnChangeSetup.
    void SetHighLightColumn(int Value);
    /// Colour of the inter-row indicator line (see InterRowIndicatorPos); default clRed.
    vcl::TColor GetInterRowIndicatorColor() const { return FInterRowIndicatorColor; }
    /// Sets the inter-row indicator colour; repaints and fires OnChangeSetup.
    void SetInterRowIndicatorColor(vcl::TColor Value) { SetColour(FInterRowIndicatorColor, Value); }
    /// Pen width in pixels of the inter-row indicator line; default 3.
    int GetInterRowIndicatorWidth() const { return FInterRowIndicatorWidth; }
    /// Sets the inter-row indicator width; repaints and fires OnChangeSetup.
    void SetInterRowIndicatorWidth(int Value);
    /// First visible display column (1-based); default 1.
    int GetLeftCol() const { return TCustomGrid::GetLeftCol() + 1; }
    /// Scrolls sideways: Value is limited to NrOfColumns and kept right of a fixed first column.
    void SetLeftCol(int Value);
    /// How rows are selected: 0 none, 1 a single row (default), 2 several rows (Ctrl and Shift
    /// clicks; see UseCtrlForMultiSel).
    int GetRowSelectMode() const { return FRowSelectMode; }
    /// Sets the row selection mode. Any mode but 2 clears every row's selection (mode 0 also moves
    /// the grid's cursor out of the data), repaints and fires OnSelectedChange.
    void SetRowSelectMode(int Value);
    /// Height in rows of each band of the shading pattern (shaded and unshaded bands alternate);
    /// default 1; 0 or less: no shading.
    int GetRowColPattern() const { return FRowColPattern; }
    /// Sets the shading band height; repaints and fires OnChangeSetup.
    void SetRowColPattern(int Value);
    /// Whether check columns show a box also in cells with empty text; default true.
    bool GetShowEmptyCheckBoxes() const { return FShowEmptyCheckBoxes; }
    /// Shows or hides check boxes in empty check-column cells; repaints when it differs.
    void SetShowEmptyCheckBoxes(bool Value);
    /// Whether a click on a column header sorts by that column; default true. A plain click
    /// sorts by the column alone (SecondarySortColumn breaking ties); a Shift+click adds the
    /// column as the next key of a sort by several columns (ascending first, reversed by the
    /// next Shift+click on it), and the headers then number their arrows in key order. Each
    /// column sorts by its ColumnSortKind.
    bool GetSortEnabled() const { return FSortEnabled; }
    /// Switches header-click sorting; takes effect with the next click.
    void SetSortEnabled(bool Value) { FSortEnabled = Value; }
    /// First visible data row (1-based); default 1.
    int GetTopRow() const;
    /// Scrolls so that data row Value is the first visible one, clamped to the existing rows.
    void SetTopRow(int Value);
    /// In row selection mode 2: whether a plain click selects just that row and Ctrl+click toggles
    /// (true, default), or a plain click toggles the row (false).
    bool GetUseCtrlForMultiSel() const { return FUseCtrlForMultiSel; }
    /// Chooses plain-click selection (true) or plain-click toggling (false) in mode 2.
    void SetUseCtrlForMultiSel(bool Value) { FUseCtrlForMultiSel = Value; }

    // ---- public properties
    /// The list's own data container; the view owns and frees it.
    TRLData* GetData() const { return FData; }
    /// The number of header rows shown above the data: common header and column headers, 0..2.
    int CountHeadRows() const { return (FCommonHeaderVisible ? 1 : 0) + (FColumnHeadersVisible ? 1 : 0); }
    /// Rows the grid shows: NrOfRows, or the found rows while a filter is active.
    int GetNrOfShownRows() const { return FShownRows < 0 ? GetNrOfRows() : FShownRows; }
    /// Whether a filter (FilterAndSort with a non-empty expression) currently hides rows.
    bool GetFilterActive() const { return FShownRows >= 0; }
    /// Alignment of the cells of data column ColNr; taLeftJustify for a column out of range.
    vcl::TAlignment GetColumnAlignment(int ColNr) const;
    /// Sets the alignment of data column ColNr; ignored out of range.
    void SetColumnAlignment(int ColNr, vcl::TAlignment Value);
    /// Whether the in-place editor may open in data column ColNr; false out of range.
    bool GetColumnEditable(int ColNr) const;
    /// Allows or forbids in-place editing of data column ColNr; ignored out of range.
    void SetColumnEditable(int ColNr, bool Value);
    /// Whether the cells of data column ColNr are shown masked, as passwords; false out of range.
    bool GetColumnIsPwd(int ColNr) const;
    /// Masks or unmasks data column ColNr; ignored out of range.
    void SetColumnIsPwd(int ColNr, bool Value);
    /// How a sort by data column ColNr orders its texts (skText, the default, for a column out
    /// of range): a header click sorts by this kind.
    TSortKind GetColumnSortKind(int ColNr) const;
    /// Sets the sort kind of data column ColNr; ignored out of range. Takes effect with the
    /// next sort.
    void SetColumnSortKind(int ColNr, TSortKind Value);
    /// The sort kinds of the columns as text, the published form of ColumnSortKind: the
    /// kinds' names (skText, skNumber, skDateTime, skNatural) of columns 1, 2, ... separated by
    /// commas, without the trailing skText ones; empty when every column sorts as text.
    std::string GetColumnSortKinds() const;
    /// Sets the sort kinds from that text (blanks around names allowed; names beyond
    /// NrOfColumns are ignored, columns without a name sort as text). Raises
    /// EZynRepListError ("invalid sort kind: ...") for an unknown name, changing nothing.
    void SetColumnSortKinds(const std::string& Value);
    /// The data column (1-based) shown at display position ColNr.
    int GetColumnOrder(int ColNr) const;
    /// Sets the display order: ColList needs exactly NrOfColumns entries, each the data column
    /// to show at that position (1..NrOfColumns). Returns false when the length is wrong (nothing
    /// changes) or an entry is invalid (that position stays). Repeats are not checked; nothing is
    /// repainted.
    bool SetColumnOrder(std::span<const int> ColList);
    /// Whether clicks leave the check marks alone (boxes drawn without outline); default false.
    bool GetCheckMarksReadOnly() const { return FCheckMarksReadOnly; }
    /// Makes the check marks read-only or clickable; repaints.
    void SetCheckMarksReadOnly(bool Value);
    /// Data row above whose top edge the inter-row indicator line is drawn; 0 (default): no line.
    /// Rows up to NrOfRows + 1 are allowed (a line below the last row).
    int GetInterRowIndicatorPos() const { return FInterRowIndicatorPos; }
    /// Moves the inter-row indicator (0 hides it); repaints.
    void SetInterRowIndicatorPos(int Value);
    /// Whether painting is suspended (the view draws nothing while it is set).
    bool GetSuppressPaint() const { return FSuppressPaint; }
    /// Suspends or resumes painting; switching it off repaints once.
    void SetSuppressPaint(bool Value);
    /// The secondary sort column a header-click sort uses for ties; -1 for none.
    int GetSecondarySortColumn() const { return FSortColumnSec; }
    /// Sets the secondary sort column; values outside -1..NrOfColumns are ignored; a change fires
    /// OnChangeSetup.
    void SetSortColumnSec(int Value);
    /// The column the list was last sorted by; -1 when it is unsorted.
    int GetSortColumn() const { return FData->GetLastSortColumn(); }
    /// Direction of the last sort: true ascending.
    bool GetSortOrder() const { return FData->GetLastSortOrder(); }

    // ---- forwarded to the container
    /// The text of cell (ACol, ARow) as OnReadCell leaves it (the handler may change it).
    std::string GetElem(int ACol, int ARow) const;
    /// Stores Value in cell (ACol, ARow).
    void SetElem(int ACol, int ARow, std::string_view Value);
    /// Whether the check mark of cell (ACol, ARow) is set.
    bool GetElemChecked(int ACol, int ARow) const { return FData->GetElemChecked(ACol, ARow); }
    /// Sets or clears the check mark of cell (ACol, ARow), following the column's check mode
    /// (in a radio column the other rows are cleared).
    void SetElemChecked(int ACol, int ARow, bool Value);
    /// Cell (ACol, ARow) as a number. Raises EZynDStructError ("Class TReportListView: invalid
    /// numeric string: [col,row]: " and the text) when the cell does not hold a number.
    double GetAsNumber(int ACol, int ARow) const;
    /// The default value the format of column ACol gives for row ARow.
    std::string GetCellDefaultValue(int ACol, int ARow) const { return FData->GetCellDefaultValue(ACol, ARow); }
    /// The number of the column whose name equals Head (PartialMatch false) or contains it (true),
    /// ignoring case; the highest-numbered match wins, -1 when none matches.
    int ColumnIndex(std::string_view Head, bool PartialMatch) const { return FData->ColumnIndex(Head, PartialMatch); }
    /// The number of checked cells of Row over all check columns.
    int CountCheckedElemsInRow(int Row) const { return FData->CountCheckedElemsInRow(Row); }
    /// The number of checked cells of Column in enabled rows.
    int CountCheckedElemsInCol(int Column) const;
    /// The first row whose cell in column ColNr is checked; 0 when none or the column is plain.
    int FirstCheckedElemInCol(int ColNr) const { return FData->FirstCheckedElemInCol(ColNr); }
    /// The first column whose cell in row RowNr is checked; 0 when none.
    int FirstCheckedElemInRow(int RowNr) const { return FData->FirstCheckedElemInRow(RowNr); }
    /// Name of data column ColNr, shown in its header.
    std::string GetColName(int ColNr) const { return FData->GetColName(ColNr); }
    /// Renames data column ColNr (ignored out of range); fires OnChange and repaints.
    void SetColName(int ColNr, std::string_view Name);
    /// The format of data column ColNr (at most 80 characters): the kind of value the row editor
    /// asks for and the default value of its cells.
    std::string GetColumnFormat(int ColNr) const { return FData->GetColumnFormat(ColNr); }
    /// Sets the format of data column ColNr (cut to 80 characters, ignored out of range; cells
    /// are not changed); fires OnChange and repaints.
    void SetColumnFormat(int ColNr, std::string_view Format);
    /// Whether data column ColNr has independent check boxes (cmBox; false for cmRadio and plain).
    bool GetCheckedCol(int ColNr) const { return FData->GetCheckedCol(ColNr); }
    /// true makes data column ColNr a cmBox column, false a plain one; fires OnChange and repaints.
    void SetCheckedCol(int ColNr, bool Value);
    /// The check mode of data column ColNr: cmNone (plain text), cmBox (independent boxes) or
    /// cmRadio (at most one checked cell in the column).
    TCheckMode GetColCheckMode(int ColNr) const { return FData->GetColCheckMode(ColNr); }
    /// Changes the check mode of data column ColNr (adding or removing the marks in front of
    /// the cells); fires OnChange and repaints.
    void SetColCheckMode(int ColNr, TCheckMode Value);
    /// Sets or clears every check mark of Column (in a cmRadio column only clearing has an
    /// effect); with AffectEnabledRowsOnly disabled rows keep theirs. Repaints once.
    void SetAllCheckmarksOfCol(int Column, bool Checked, bool AffectEnabledRowsOnly = false);
    /// Flips every mark of a cmBox column; with AffectEnabledRowsOnly disabled rows keep theirs.
    /// Repaints once.
    void InvertAllCheckmarksOfCol(int Column, bool AffectEnabledRowsOnly = false);
    /// Puts the visible texts of the range on the clipboard, the columns separated by Separator and
    /// each row ended by a line feed; with AddHeader the column names come first.
    void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                         char32_t Separator) { FData->CopyToClipBoard(LeftCol, TopRow, RightCol, BottomRow, AddHeader, Separator); }
    /// The same with tabs between the columns (UseTabs true) or in fixed-width columns (false).
    void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                         bool UseTabs) { FData->CopyToClipBoard(LeftCol, TopRow, RightCol, BottomRow, AddHeader, UseTabs); }
    void CopyToClipBoard(int, int, int, int, bool, const char*) = delete;
    /// The text Ctrl+C copies: one line (ended by a line feed) for each selected shown row in
    /// the presented order, holding the visible texts of all columns in display order
    /// separated by tabs. Password columns give their mask, and tabs and line breaks inside
    /// a cell become blanks so that every line keeps its columns. Empty when no shown row is
    /// selected.
    std::string SelectedRowsText() const;
    /// Puts SelectedRowsText on the clipboard (what Ctrl+C does); returns false, leaving the
    /// clipboard alone, when no shown row is selected.
    bool CopySelectedRows();
    /// What Ctrl+V and Shift+Insert do: reads the best table the clipboard offers (an HTML
    /// table, else CSV, else tab-separated text) and writes it with PasteCells. False when
    /// the clipboard holds no table or no cell could be written.
    bool PasteFromClipboard();
    /// Writes a block of texts into the shown rows from the current cell (the cell the keys
    /// act on) rightwards in display order and downwards. Only cells an in-place edit could
    /// change are written (editable columns, enabled rows); the others keep their texts and
    /// the block keeps its shape around them. The block is cut at the last shown row and the
    /// last column: a paste adds no rows. Each cell is written as the in-place editor writes
    /// it (check marks stay), firing OnChange and OnSetEditText; the view repaints once. The
    /// paste is one undo step. Returns the number of cells written.
    int PasteCells(const std::vector<std::vector<std::string>>& Block);
    /// Application-chosen identifier of the data set (the container's DataID).
    const std::string& GetDataID() const { return FData->GetDataID(); }
    /// Replaces the identifier, kept for the application (the file methods take a DataID of their
    /// own); fires no event.
    void SetDataID(const std::string& Value) { FData->SetDataID(Value); }
    /// Free text saved with the data files.
    const std::string& GetComment() const { return FData->GetComment(); }
    /// Replaces the comment (XML files written from now on carry it); fires no event.
    void SetComment(const std::string& Value) { FData->SetComment(Value); }
    /// Sorts the rows by the text of column Col, ties by column ColSec, and repaints; while a
    /// filter is active the found rows stay first, sorted among themselves.
    void Sort(int Col, int ColSec, bool Ascending);
    /// Sorts the rows by several keys, by value or text (see TRLData::SortBy), and repaints;
    /// while a filter is active the found rows stay first, sorted among themselves.
    void SortBy(std::span<const TRLSortKey> Keys);
    /// Drops an active filter, brings back the stored row order and repaints.
    void UnSort();

    // ---- files: the container's, then the view brought in line with the loaded data
    /// Writes the list's data set into file FName under the identifier DataID (see TRLData).
    void SaveAsXMLFile(const std::string& FName, const std::string& DataID) { FData->SaveAsXMLFile(FName, DataID); }
    /// Reads the data set identified by DataID from file FName and brings rows, columns, header
    /// heights and the per-column settings in line with it; false when the file holds no such set.
    bool LoadFromXMLFile(const std::string& FName, const std::string& DataID);
    /// Writes the list's data set into OutStream, after the document header when CreateHeader is
    /// set.
    void WriteToXMLStream(vcl::TStream* OutStream, bool CreateHeader, const std::string& DataID) { FData->WriteToXMLStream(OutStream, CreateHeader, DataID); }
    /// Reads the data set identified by DataID from InStream, as LoadFromXMLFile.
    bool ReadFromXMLStream(vcl::TStream* InStream, const std::string& DataID);
    /// Reads the data set identified by DataID from the text InString, as LoadFromXMLFile.
    bool ReadFromXMLString(const std::string& InString, const std::string& DataID);
    /// Writes the list's data set into an open text file, after the document header when
    /// CreateHeader is set.
    void WriteToOpenXMLFile(vcl::TTextFile& F, bool CreateHeader, const std::string& DataID) { FData->WriteToOpenXMLFile(F, CreateHeader, DataID); }
    /// Reads the data set identified by DataID from an open text file, as LoadFromXMLFile.
    bool ReadFromOpenXMLFile(vcl::TTextFile& F, const std::string& DataID);
    /// Replaces the list by the contents of CSV file FName (see TRLData::ImportCSV) and brings the
    /// grid in line; returns the number of rows read.
    int ImportCSV(const std::string& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders);
    /// Writes each line of file FName into Column from FirstRow on, adding rows as needed; returns
    /// the number of lines written.
    int LoadLinesFromFile(int Column, int FirstRow, const std::string& FName);
    /// Writes a range of cells as an HTML table into file FName (see TRLData::ExportHTMLTable);
    /// OnBeforeHTMLExport receives the view as Sender.
    void ExportHTMLTable(const std::string& FName, int LoC, int LoR, int HiC, int HiR,
                         std::span<const int> ColumnSelection, int Border, int CellSpacing,
                         int CellPadding, bool IncludeHeader, const std::string& HeadClass,
                         const std::string& CellClass, const std::string& TableClass) {
        FData->ExportHTMLTable(FName, LoC, LoR, HiC, HiR, ColumnSelection, Border, CellSpacing,
                               CellPadding, IncludeHeader, HeadClass, CellClass, TableClass);
    }

    // ---- filtering
    /// Shows only the rows that match FilterExp in one of FilterColumns, first in the
    /// presented order and sorted by SortColumn (none when outside the columns; by the
    /// column's ColumnSortKind). An empty
    /// expression shows all rows again. A malformed expression raises EZynRepListError and
    /// leaves the view as it was.
    void FilterAndSort(std::string_view FilterExp, std::span<const int> FilterColumns,
                       bool IgnoreCase, TFilterMode FilterMode, int SortColumn, bool Ascending);

    // ---- rows
    /// Inserts an empty row before row R (1..NrOfRows), or appends one when R is beyond the last
    /// row; R of 0 or less inserts nothing. Forgets the last sort columns, drops an active filter
    /// and fires OnChangeSetup. Returns the new row's number (R when nothing was inserted).
    int InsertRow(int R);
    /// Appends an empty row and returns the new NrOfRows.
    int AddRow();
    /// Removes row R (ignored out of range) and fires OnChangeSetup; the only row is emptied
    /// instead.
    void RemoveRow(int R);
    /// Removes every row whose visible texts are all empty; repaints once.
    void RemoveEmptyRows();
    /// Writes S into every data cell (check cells keep their marks); repaints once.
    void Fill(std::string_view S);
    /// Empties the list and resets the columns: names C-1, C-2, ..., no formats or check modes,
    /// left alignment, not masked, not editable, the natural order. Repaints.
    void Clear();

    // ---- selection
    /// Selects row RowNr and deselects every other row; repaints once and fires OnSelectedChange.
    void SelectRow(int RowNr);
    /// Selects every row; repaints once and fires OnSelectedChange.
    void SelectAllRows();
    /// Deselects every row; repaints once and fires OnSelectedChange.
    void DeselectAllRows();
    /// Selects column ColNr and deselects every other column; repaints once and fires
    /// OnSelectedChange.
    void SelectColumn(int ColNr);
    /// Selects every column; repaints once and fires OnSelectedChange.
    void SelectAllColumns();
    /// Deselects every column; repaints once and fires OnSelectedChange.
    void DeselectAllColumns();
    /// Enables every row; repaints once and fires OnSelectedChange.
    void EnableAllRows();
    /// Disables every row (greyed, not editable); repaints once and fires OnSelectedChange.
    void DisableAllRows();
    /// Whether data row R is selected; false out of range.
    bool GetRowSelect(int R) const;
    /// Selects or deselects data row R (ignored out of range); fires OnSelectedChange and repaints.
    void SetRowSelect(int R, bool Value);
    /// Whether data row R is enabled (disabled rows are greyed and not editable); false out of
    /// range.
    bool GetRowEnabled(int R) const;
    /// Enables or disables data row R (ignored out of range); fires OnSelectedChange and repaints.
    void SetRowEnabled(int R, bool Value);
    /// Whether data column C is selected; false out of range.
    bool GetColSelect(int C) const;
    /// Selects or deselects data column C (ignored out of range); fires OnSelectedChange and
    /// repaints.
    void SetColSelect(int C, bool Value);
    /// The first selected row; 0 when none is selected or that row is disabled.
    int FirstSelectedRow() const;
    /// The first selected column; 0 when none is selected.
    int FirstSelectedColumn() const;
    /// The number of selected rows.
    int NumSelectedRows() const;
    /// The number of selected columns.
    int NumSelectedColumns() const;
    /// The number of enabled rows.
    int NumEnabledRows() const;
    /// Selects Row (as SelectRow), scrolls it into the middle of the visible rows and moves the
    /// grid's cursor onto it.
    void CenterScrollAndSelect(int Row);

    // ---- row editor (RowEditor.cpp)
    /// Edits all cells of Row in a modal dialog: one labelled control per column, chosen by
    /// the column format (combo box, date/time picker, numeric field or edit field). The
    /// first two forms build their own dialog at screen point (PosLeft, PosTop) with OK and
    /// Cancel buttons; the third places the controls on ContainerForm, offset by (PosLeft,
    /// PosTop), and shows it. On mrOk the controls' texts are written back into the row.
    /// Returns the modal result.
    int EditRowEntries(int Row, int PosLeft, int PosTop);
    /// The same with the dialog's caption and the captions of its OK and Cancel buttons.
    int EditRowEntries(int Row, int PosLeft, int PosTop, const std::string& FormCaption,
                       const std::string& ButOKCaption, const std::string& ButCancelCaption);
    /// The same with the controls placed on ContainerForm, offset by (PosLeft, PosTop).
    int EditRowEntries(int Row, vcl::TForm* ContainerForm, int PosLeft, int PosTop);
    /// The dialog's handlers: OK, Cancel, and Enter in an editable field (confirms).
    void EdRowOKClick(vcl::TObject* Sender);
    /// Closes the row editor with mrCancel (nothing is written back).
    void EdRowCancelClick(vcl::TObject* Sender);
    /// Enter in a field closes the row editor with mrOk.
    void EdRowKeyPress(vcl::TObject* Sender, char32_t& Key);
    /// The form while the row editor runs (nullptr otherwise).
    vcl::TForm* GetContainerForm() const { return FContainerForm; }

    // ---- column widths (Index: data column)
    /// Width in pixels of the display column that shows data column Index; 0 out of range.
    int GetColWidths(int Index) const;
    /// Sets the width of the column showing data column Index (ignored out of range); fires
    /// OnChangeSetup.
    void SetColWidths(int Index, int Value);
    /// The width a column needs for its widest visible text in the canvas font (check columns 16
    /// more, italic 2 more), with IncludeHeader also for its name (13 more in the sort column),
    /// plus 9; 9 for a column out of range.
    int DetermineMaxColWidth(int ColNr, bool IncludeHeader);
    /// Sizes column ColNr to DetermineMaxColWidth + Addon, at least 4; fires OnChangeSetup.
    void AutoColWidth(int ColNr, bool IncludeHeader, int Addon);
    /// The same, at most MaxWidth.
    void AutoColWidth(int ColNr, bool IncludeHeader, int Addon, int MaxWidth);
    /// Makes column ColIx take the client width less RightMargin and the other columns' widths
    /// (at least 16); fires OnChangeSetup.
    void ExpandColWidth(int ColIx, int RightMargin);
    /// Sizes every column but ExpandColumn with AutoColWidth (at most MaxWidth), then expands
    /// ExpandColumn into the rest of the width; repaints once.
    void FitAllColWidths(int ExpandColumn, bool IncludeHeader, int Addon, int MaxWidth, int RightMargin);

    /// The cell under a client point: (display position, data row); row -1 for the column
    /// header row, -2 for the common header row, 0 outside the cells.
    std::pair<int, int> MouseCell(int X, int Y) const;
    /// The display position showing data column DataCol, 0 when none does.
    int DisplayPosOf(int DataCol) const;

    // ---- undo and redo (ReportListUndo.cpp)
    /// Takes back the newest change the user made in the view: an in-place edit (one step
    /// however many keys it took), a check box or radio button toggled, a row written back by
    /// the row editor. The cells get back their exact stored texts (marks included), found by
    /// their rows also after a sort; OnChange fires. False when there is nothing to undo, or
    /// when rows were added or removed since the step (the history is forgotten then).
    /// Ctrl+Z does the same; changes made by the application are not recorded.
    bool Undo();
    /// Does the newest undone change again (Ctrl+Y, Ctrl+Shift+Z); false when there is none.
    bool Redo();
    /// Whether Undo has a step to take back.
    bool CanUndo() const { return FUndo.CanUndo(); }
    /// Whether Redo has a step to do again.
    bool CanRedo() const { return FUndo.CanRedo(); }
    /// Forgets every undo and redo step.
    void ClearUndo() { FUndo.Clear(); }
    /// The most steps kept, default 100; lowering it forgets the oldest ones.
    int GetUndoLimit() const { return FUndo.GetLimit(); }
    /// Sets the most steps kept (below 0 counts as 0: no history).
    void SetUndoLimit(int Value) { FUndo.SetLimit(Value); }
    /// The history: steps held, texts stored, its memory bound.
    TUndoStack& GetUndoHistory() { return FUndo; }

    // ---- events
    /// Called after a click (or Space) changed a check mark, with the data column and row; State is
    /// the opposite of the state the mark was given (in a box column its former state).
    /// Empty: none.
    const TCheckStateChangeEvent& GetOnCheckedChange() const { return FOnCheckedChange; }
    /// Installs the handler called after a check mark changed; an empty function removes it.
    void SetOnCheckedChange(TCheckStateChangeEvent Value) { FOnCheckedChange = std::move(Value); }
    /// Called before a click changes a check mark, with the state about to be given (the handler
    /// may change it; a radio column checks the cell whatever it says) and the data column and
    /// row. Empty: none.
    const TCheckStateChangeEvent& GetOnBeforeCheckedChange() const { return FOnBeforeCheckedChange; }
    /// Installs the handler that may change a check mark's new state; an empty function removes it.
    void SetOnBeforeCheckedChange(TCheckStateChangeEvent Value) { FOnBeforeCheckedChange = std::move(Value); }
    /// Called by FilterAndSort for each row before it decides whether the row is found: the
    /// handler sets Found and how its result combines with the built-in search (TLogicOp).
    /// Empty: none.
    const TBeforeFilterEvent& GetOnBeforeFilter() const { return FOnBeforeFilter; }
    /// Installs the handler that takes part in filtering; an empty function removes it.
    void SetOnBeforeFilter(TBeforeFilterEvent Value) { FOnBeforeFilter = std::move(Value); }
    /// Called by the row editor once per column before it builds the column's control, with the
    /// column's format; the handler may return another format for this row. Empty: none.
    const TRequestEditFormatEvent& GetOnRequestEditFormat() const { return FOnRequestEditFormat; }
    /// Installs the handler that may change the row editor's format per row; an empty function
    /// removes it.
    void SetOnRequestEditFormat(TRequestEditFormatEvent Value) { FOnRequestEditFormat = std::move(Value); }
    /// Called when rows or columns were selected, deselected, enabled or disabled: by the mouse,
    /// the cursor keys, the selection methods or a change of RowSelectMode. Empty: none.
    const vcl::TNotifyEvent& GetOnSelectedChange() const { return FOnSelectedChange; }
    /// Installs the handler called when the selection changed; an empty function removes it.
    void SetOnSelectedChange(vcl::TNotifyEvent Value) { FOnSelectedChange = std::move(Value); }
    /// Called when the list's contents changed: cells, column names, formats or check modes, the
    /// common header, FixedFirstColumn. Empty: none.
    const vcl::TNotifyEvent& GetOnChange() const { return FOnChange; }
    /// Installs the handler called when the contents changed; an empty function removes it.
    void SetOnChange(vcl::TNotifyEvent Value) { FOnChange = std::move(Value); }
    /// Called when the list's setup changed: the number of rows or columns, column widths, row
    /// heights, colours, highlighting, the empty-list message, the secondary sort column.
    /// Empty: none.
    const vcl::TNotifyEvent& GetOnChangeSetup() const { return FOnChangeSetup; }
    /// Installs the handler called when the setup changed; an empty function removes it.
    void SetOnChangeSetup(vcl::TNotifyEvent Value) { FOnChangeSetup = std::move(Value); }
    /// Called before each data cell is drawn, with its data column and row, the pen (starting as
    /// the background), brush and font colours, the font style and the text; what the handler
    /// changes is drawn. Empty: none.
    const TRenderCellEvent& GetOnBeforeRenderCell() const { return FOnBeforeRenderCell; }
    /// Installs the handler that may restyle each cell; an empty function removes it.
    void SetOnBeforeRenderCell(TRenderCellEvent Value) { FOnBeforeRenderCell = std::move(Value); }
    /// Called after a cursor key (arrows, Page Up/Down, Home, End, or Enter with AutoAdvance) moved
    /// the current row, with the key; OnSelectedChange follows. Empty: none.
    const TCursorKeyActionEvent& GetOnCursorKeyAction() const { return FOnCursorKeyAction; }
    /// Installs the handler called after the cursor keys moved the row (an empty one removes it).
    void SetOnCursorKeyAction(TCursorKeyActionEvent Value) { FOnCursorKeyAction = std::move(Value); }
    /// Called by GetElem with the cell's text just before it returns it; the handler may change
    /// the text returned (the stored text stays). Empty: none.
    const TReadCellEvent& GetOnReadCell() const { return FOnReadCell; }
    /// Installs the handler that may change the texts GetElem returns (an empty one removes it).
    void SetOnReadCell(TReadCellEvent Value) { FOnReadCell = std::move(Value); }
    /// Called before each exchange of two rows while the list sorts, with the sort-key texts of
    /// the two rows. While it is assigned the rows are exchanged one pair at a time (far slower
    /// on large lists); unassigned, the new order is taken over at once. Empty: none.
    const TBeforeSortExchgEvent& GetOnBeforeSortExchange() const { return FOnBeforeSortExchange; }
    /// Installs the handler called before each row exchange of a sort (an empty one removes it).
    void SetOnBeforeSortExchange(TBeforeSortExchgEvent Value);
    /// Called for each cell text an HTML export writes, with its column and row; the handler may
    /// change the text written. Empty: none.
    const TBeforeHTMLExportEvent& GetOnBeforeHTMLExport() const { return FOnBeforeHTMLExport; }
    /// Installs the handler that may change the texts of an HTML export (an empty one removes it).
    void SetOnBeforeHTMLExport(TBeforeHTMLExportEvent Value) { FOnBeforeHTMLExport = std::move(Value); }
    /// Called with 0..100 as the store reads or writes files and sorts (not while OnProgress is
    /// assigned, when sorts are computed aside). Empty: none.
    const TOnPercentDoneEvent& GetOnPercentDone() const { return FOnPercentDone; }
    /// Installs the handler that follows the progress in percent; an empty function removes it.
    void SetOnPercentDone(TOnPercentDoneEvent Value) { FOnPercentDone = std::move(Value); }
    /// Progress of the long operations (XML reads, CSV imports, XML and HTML saves, sorting,
    /// FilterAndSort, RemoveEmptyRows, FitAllColWidths) with the view as Sender, at most 20
    /// times a second (not LoadLinesFromFile, which fills cells as it reads). A
    /// handler that sets Cancel stops the operation: the rows, their order, the filter, the
    /// selection, the column widths and the files stay as they were, and EZynCancelled is
    /// raised.
    const TProgressEvent& GetOnProgress() const { return FOnProgress; }
    /// Installs the handler that follows (and may cancel) the long operations; an empty function
    /// removes it.
    void SetOnProgress(TProgressEvent Value);

    /// Notifications. Changed takes the place of the control's own change notification:
    /// a change of the list is told to OnChange.
    void Changed() override { if (FOnChange) FOnChange(this); }
    /// Fires OnChangeSetup (the setup changed).
    void ChangedSetup() { if (FOnChangeSetup) FOnChangeSetup(this); }
    /// Tells assistive tools that the selection changed, then fires OnSelectedChange.
    void ChangedSelection();
    /// Fires OnCursorKeyAction with Key (a cursor key moved the current row).
    void CursorKeyAction(vcl::WORD Key) { if (FOnCursorKeyAction) FOnCursorKeyAction(this, Key); }

    /// The rectangle of the focus cue in client coordinates: the cell the keys act on when
    /// its column has check marks or is editable, otherwise the visible cells of the
    /// current row; empty when no shown row is current.
    vcl::TRect FocusCueRect() const;
    /// The list's keys: the cursor keys select the row under the cursor (then OnCursorKeyAction
    /// and OnSelectedChange), Space toggles a check mark, F2 edits the cell the keys act on,
    /// Escape abandons an edit, Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo, Ctrl+A selects all
    /// rows (RowSelectMode 2), Ctrl+C copies the selected rows, the menu key and Shift+F10 open
    /// the row menu; other keys go to the grid.
    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;
    /// Enter opens the editor on the column the keys act on; with AutoAdvance it then moves one
    /// row down as the Down arrow does.
    void KeyPress(char32_t& Key) override;
    /// Places the view like any control, then repaints.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    /// Enter belongs to the list while the list uses it (AutoAdvance, or an editable cell
    /// to open); otherwise it goes to the form's default button, as in a dialog.
    void CMWantSpecialKey(vcl::TMessage& Message) override;
    /// What assistive tools read of the control (its role, name, states, value).
    std::shared_ptr<vcl::TControlAccessible> CreateAccessible() override;
    /// Scales the grid's widths and heights, the header heights (still 8..127) and the
    /// inter-row indicator width with the control.
    void ChangeScale(int M, int D) override;
    ///@{
    /// The handlers called after and before a check mark changes (OnCheckedChange,
    /// OnBeforeCheckedChange); empty: none.
    TCheckStateChangeEvent FOnCheckedChange, FOnBeforeCheckedChange;
    ///@}
    /// The handler that takes part in filtering; empty: none.
    TBeforeFilterEvent FOnBeforeFilter;
    /// The handler that may change the row editor's format per row; empty: none.
    TRequestEditFormatEvent FOnRequestEditFormat;
    ///@{
    /// The handlers of OnSelectedChange, OnChange and OnChangeSetup (see their getters); empty:
    /// none.
    vcl::TNotifyEvent FOnSelectedChange, FOnChange, FOnChangeSetup;
    ///@}
    /// The handler that may restyle each cell; empty: none.
    TRenderCellEvent FOnBeforeRenderCell;
    /// The handler called after the cursor keys moved the row; empty: none.
    TCursorKeyActionEvent FOnCursorKeyAction;
    /// The handler that may change the texts GetElem returns; empty: none.
    TReadCellEvent FOnReadCell;
    /// The handler called before each row exchange of a sort; empty: none.
    TBeforeSortExchgEvent FOnBeforeSortExchange;
    /// The handler that may change the texts of an HTML export; empty: none.
    TBeforeHTMLExportEvent FOnBeforeHTMLExport;
    /// The handler that follows the progress in percent; empty: none.
    TOnPercentDoneEvent FOnPercentDone;
    /// The handler that follows (and may cancel) the long operations; empty: none.
    TProgressEvent FOnProgress;

    /// Draws the grid, then the empty-list message (when no row is shown), the inter-row indicator
    /// and the focus cue; nothing while SuppressPaint is set.
    void Paint() override;
    /// Draws one cell: a data cell (row colours, check box, after OnBeforeRenderCell), a column
    /// header or the common header.
    void DrawCell(int ACol, int ARow, const vcl::TRect& ARect, vcl::TGridDrawState AState) override;
    /// A left press on a column header sorts by that column (Shift: adds it as a further key;
    /// not in the header's border zone, only with SortEnabled); on a data cell it toggles the
    /// check mark when the box was hit and selects rows by RowSelectMode.
    void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    /// Remembers the pointer position (the double click and the header borders use it).
    void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
    /// In RowSelectMode 2, a release right of the cells (or a left release below them) deselects
    /// every row and fires OnSelectedChange.
    void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    /// On a column header border, fits the column left of it to its contents; elsewhere the
    /// grid's double click (OnDblClick, the row editor).
    void DblClick() override;
    /// A wheel step towards the user, as the grid takes it; ignored while no row is shown.
    bool DoMouseWheelDown(vcl::TShiftState Shift, vcl::TPoint MousePos) override;
    /// A wheel step away from the user, as the grid takes it; ignored while no row is shown.
    bool DoMouseWheelUp(vcl::TShiftState Shift, vcl::TPoint MousePos) override;
    /// Whether the cell may become current: never on the stand-in row of an empty list, otherwise
    /// as OnSelectCell decides. Switches in-place editing on for editable columns of enabled rows.
    bool SelectCell(int ACol, int ARow) override;
    /// The text the in-place editor starts with for grid cell (ACol, ARow).
    std::string GetEditText(int ACol, int ARow) override;
    /// Writes what the in-place editor holds back into the cell and fires OnSetEditText.
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
    /// Whether the in-place editor may open: only on a shown row of an editable column.
    bool CanEditShow() override;
    /// Repaints the whole view when the grid scrolls, so the headers follow.
    void TopLeftChanged() override;
    /// Drops the character of a Space that toggled a check mark, so that it does not open
    /// the in-place editor.
    void WMChar(vcl::TMessage& Message) override;
    /// Fires OnBeforeCheckedChange, whose handler may change State before a check mark changes.
    void BeforeCheckStateChange(bool& State, int Col, int Row) {
        if (FOnBeforeCheckedChange) FOnBeforeCheckedChange(this, State, Col, Row);
    }
    /// Fires OnCheckedChange after the check mark of cell (Col, Row) changed to State.
    void CheckStateHasChanged(bool State, int Col, int Row) {
        if (FOnCheckedChange) FOnCheckedChange(this, State, Col, Row);
    }

private:
    friend class TReportListAccessible;
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
    void FilterAndSortFound(const std::function<void()>& SortAll);
    int MeasureColWidth(int ColNr, bool IncludeHeader, TProgressTicker* Ticker, std::int64_t DoneBefore);
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
    void PaintSortArrow(vcl::TCanvas* C, const vcl::TRect& TextRect, int Offset, int W, int H,
                        bool Ascending, const std::string& KeyNumber);
    void PaintEmptyArea(vcl::TCanvas* C);
    void PaintInterRowIndicator(vcl::TCanvas* C);
    void PaintFocusCue(vcl::TCanvas* C);
    // The check or radio artwork of a form denser than 96 dpi at (X, Y), in the state that
    // Checked and Enabled pick, over Ground and within Box.
    void PaintMarkArtwork(vcl::TCanvas* C, bool Radio, bool Checked, bool Enabled, int X, int Y,
                          vcl::TColor Ground, const vcl::TRect& Box);
    int VisibleColumnsRight() const;
    int HeadRowsHeight() const;

    // ---- input steps (ReportListInput.cpp)
    void HeaderClickSort(int DataCol, bool AddKey);
    void CheckBoxClick(int DataCol, int DataRow);
    void SelectByClick(int DataRow, vcl::TShiftState Shift);
    bool NearHeaderBorder(int X, int Y, int& SizedPos) const;
    void SetEditing(bool On);
    // ---- the row editor's Escape (RowEditor.cpp)
    void EdRowKeyDown(vcl::TObject* Sender, vcl::WORD& Key, vcl::TShiftState Shift);
    // ---- keyboard steps (ReportListInput.cpp)
    bool ToggleCurrentCheck();
    int KeyColumn() const;
    // Whether the in-place editor may open on the cell the keys act on.
    bool KeyCellEditable() const;
    void FocusKeyCell();
    void MoveKeyColumn(int Step);
    void SelectAllShownRows();
    void PopupAtCurrentRow();
    bool AbandonEdit();
    // Stores a text as the in-place editor does (a check column keeps its mark).
    void WriteEditedText(int DataCol, int DataRow, const std::string& Value);
    // Records the stored texts of the cells (data column, data row) before a user's change.
    void RecordUndoCells(const std::vector<std::pair<int, int>>& Cells);
    bool ReplayUndo(bool Back);

    TRLData* FData = nullptr;
    std::vector<vcl::TAlignment> FColAlignment;   // index 0 unused
    std::vector<bool> FColumnEditable;
    std::vector<bool> FColumnIsPwd;
    std::vector<TSortKind> FColSortKind;
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
    bool FEditRecorded = false;   // the edit under way has its undo step
    TUndoStack FUndo;
    int FUndoRows = -1;           // the row count the steps were recorded at
    vcl::TForm* FContainerForm = nullptr;     // the row editor's form while it runs
    vcl::TSpeedButton* FSBERCancel = nullptr; // its Cancel button (own form only)
    // The check box and radio sheets (2 x 2 states) and their coverage at FMarkArtworkPPI,
    // loaded when a mark is first painted on a form denser than 96 dpi; 32 bit pixels. The
    // sheets are in the theme's window colours of FMarkArtworkLook (window, window text).
    int FMarkArtworkPPI = 0;
    std::pair<vcl::TColor, vcl::TColor> FMarkArtworkLook;
    std::unique_ptr<vcl::TBitmap> FMarkSheets[2], FMarkAlphas[2];
};

}  // namespace zyn
