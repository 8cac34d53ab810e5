// TNTabEd: a grid for viewing and editing a numeric data table. The numbers, the names and
// attributes of rows and columns, a state byte per cell and the table's comment live in a
// TDataTable (the public field Data); the editor adds decimal places per column, the cell
// formatter, in-place editing with validation, two kinds of cell marks shown in colour,
// heading cells for names and attributes, change notifications, two popup menus, a heading
// editor, a comment editor and the exchange of blocks of numbers with the clipboard.
//
// Layout: grid column 0 shows the row names, grid row 0 the column names. The row-attribute
// column (grid column 1) and the column-attribute row (grid row 1) can be hidden; data
// column c is grid column c + ColOffset, data row r grid row r + RowOffset, where each
// offset is 1 while its heading line shows and 0 otherwise. The corner cell (0, 0) shows the
// current cell as "column:row".
//
// The unit's files: Zyn_ntabed.cpp (construction, properties, public methods),
// NTabEdPaint.cpp (the cells), NTabEdInput.cpp (in-place editing, keyboard, mouse, sizes),
// NTabEdMenus.cpp (the popup menus, the heading and comment editors, the clipboard actions),
// NTabEdNumbers.cpp (the number texts and the clipboard scanner, without a canvas) and
// NTabEdPublished.cpp.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Zyn_datatable.h"
#include "framework/Zyn_undo.h"
#include "framework/Zyn_zynbase.h"
#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/Grids.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"

namespace zyn {

using vcl::TColor;

class EZynNTabedError : public EZynError {
public:
    using EZynError::EZynError;
};

// A row or column name: up to 50 characters.
using TDTNameStr = std::string;

// Just before an internal popup menu opens; the handler may change its items.
using TBeforePopupEvent = std::function<void(vcl::TObject* Sender, vcl::TPopupMenu* PMenu)>;
// Before a data cell (data column colix, data row rowix) is drawn; the handler may change
// the text, its colour, the background and the font style.
using TBeforeRenderCellEvent =
    std::function<void(vcl::TObject* Sender, int colix, int rowix, std::string& Text, TColor& ColorText,
                       TColor& ColorBakg, vcl::TFontStyles& FontStyles)>;

// ---- number texts and the clipboard scanner (NTabEdNumbers.cpp) --------------------------

// Decimal places of a column: -1 (exponent form) to 10.
inline constexpr int MinDecPlaces = -1;
inline constexpr int MaxDecPlaces = 10;
// Minimum width of a formatted number, in characters.
inline constexpr int MinNumWidth = 1;
inline constexpr int MaxNumWidth = 20;

// The text of a cell value with DecP decimal places (-1..10) and at least NumWidth
// characters. With 0 <= DecP <= 8 a value within the fixed form's range shows in that form,
// padded on the left with blanks; every other value shows in the exponent form with a
// two-digit exponent ("-1.5E+12"), or as asterisks when its exponent needs three digits.
std::string FormatCellValue(double Value, int DecP, int NumWidth);

// The runtime's Str layouts, appended to Out, built from the same correctly rounded 18
// digits but without the runtime's big-number conversion, so that a million cells format in
// a fraction of a second: the exponent form Str(x:Width) and the fixed form Str(x:Width:Dec).
void AppendStrExponent(std::string& Out, double X, int Width);
void AppendStrFixed(std::string& Out, double X, int Width, int Decimals);

// The clipboard text of one cell: "####" for a cell that holds no number (state bit 0 or
// 1); with full precision the 22-character exponent form; otherwise the fixed form with the
// column's decimal places (0..10) without padding, or for -1 the exponent form with one
// fraction digit.
void AppendClipCellText(std::string& Out, double Value, std::uint8_t State, int DecP, bool FullPrec);

// Reads one number from S starting at the 1-based position P, with '.' or ',' as decimal
// separator and an optional exponent. P is left on the character that ended the scan. A
// malformed number reads as 0; the result is limited to +-uc_MaxDouble.
double ScanClipNumber(std::string_view S, int& P);

// Walks clipboard text as Extract from Clipboard reads it: tabs and carriage returns count
// as blanks; OnNumber gets each number with its place (column and row from 0); OnRowEnd is
// told each line feed that starts a new row (with the row that ended and the numbers it
// held). Returns the number of numbers read.
int WalkClipNumbers(std::string_view Text, const std::function<void(int Col, int Row, double Value)>& OnNumber,
                    const std::function<void(int Row, int NumbersInRow)>& OnRowEnd);

// Whether clipboard text can be read as a table: no quotes, no control characters other
// than tab, carriage return and line feed, valid UTF-8, no line longer than MaxClipLineBytes,
// and the same number of values on every line that holds any (values are separated by tabs
// when the text holds a tab, by blanks otherwise); a line without any is a row of empty
// cells. False with a description in Problem.
inline constexpr std::size_t MaxClipLineBytes = 1 << 20;
bool CheckClipTable(std::string_view Text, std::string& Problem);

// The most data columns (rows) an editor shows: the grid holds at most 1 << 24 columns and
// rows (their extents stay in the int range), two of them for the headings. A size beyond
// it is refused before anything changes.
inline constexpr int MaxGridLines = 1 << 24;
inline constexpr int MaxDataLines = MaxGridLines - 2;

class TNTabEdTableLink;

// =========================================================================================
/// TNTabEd: a grid for viewing and editing a numeric data table. The numbers, the names and
/// attributes of rows and columns, a state byte per cell and the table's comment live in a
/// TDataTable (the public field Data); the editor adds decimal places per column, the cell
/// formatter, in-place editing with validation, two kinds of cell marks shown in colour,
/// heading cells for names and attributes, change notifications, two popup menus, a heading
/// editor, a comment editor and the exchange of blocks of numbers with the clipboard.
class TNTabEd : public vcl::TCustomGrid {
public:
    /// Creates the object; AOwner (when given) frees it with itself.
    explicit TNTabEd(vcl::TComponent* AOwner);
    ~TNTabEd() override;
    /// The name the class is registered under.
    std::string ClassName() const override { return "TNTabEd"; }

    /// The data matrix. Created and owned by the editor unless AssignAnotherDataMatrix
    /// handed in a table from outside.
    TDataTable* Data = nullptr;

    // ---- published properties
    /// Whether Enter (or a key the in-place editor consumed) moves on to the next cell; default
    /// true.
    bool GetAutoAdvance() const { return FAutoAdvance; }
    /// Switches moving on after Enter; takes effect with the next key press.
    void SetAutoAdvance(bool Value) { FAutoAdvance = Value; }
    /// Where AutoAdvance moves: ordinal 0 (default) down to the next row, ordinal 1 right to the
    /// next column.
    TOrientation GetAutoAdvanceDir() const { return FAutoAdvanceDir; }
    /// Sets where Enter moves with AutoAdvance; takes effect with the next Enter.
    void SetAutoAdvanceDir(TOrientation Value) { FAutoAdvanceDir = Value; }
    /// Whether the row-attribute column (grid column 1, heading "Attrib") is shown; default true.
    bool GetAttribRowVisible() const { return FColOffset == 1; }
    /// Shows or hides the row-attribute column; the column widths move with it and a shown column
    /// gets its remembered width. Fires OnLayoutChanged; setting the current value does nothing.
    void SetAttribRowVisible(bool Value);
    /// Whether the column-attribute row (grid row 1, heading "Attribute") is shown; default false.
    bool GetAttribColVisible() const { return FRowOffset == 1; }
    /// Shows or hides the column-attribute row (a shown row takes the height of the name row);
    /// fires OnLayoutChanged; setting the current value does nothing.
    void SetAttribColVisible(bool Value);
    /// Whether both internal pop-up menus and the comment editor are switched off; default false.
    bool GetBlockInternalPopup() const { return FBlockIntPopup; }
    /// Switches the internal menus and the comment editor off (true) or on; takes effect with the
    /// next click.
    void SetBlockInternalPopup(bool Value) { FBlockIntPopup = Value; }
    /// Whether a click on the corner cell opens the comment editor; default true.
    bool GetCommentEditingAllowed() const { return FCommEdAllowed; }
    /// Allows or forbids the comment editor; takes effect with the next click.
    void SetCommentEditingAllowed(bool Value) { FCommEdAllowed = Value; }
    /// Writing removes control characters, stores the rest and fires OnChange.
    std::string GetComment() const;
    /// Stores Value as the table comment without its control characters and fires OnChange.
    void SetComment(const std::string& Value);
    /// Background colour of the control; default clWindow.
    TColor GetColorBackground() const { return FColorBkgnd; }
    /// Sets the control background (the control's Color).
    void SetColorBackground(TColor Value);
    /// Background of the heading cells; default clBtnFace.
    TColor GetColorFixed() const { return FColorFixed; }
    /// Sets the heading background (the grid's FixedColor).
    void SetColorFixed(TColor Value);
    /// Text colour of cells and headings; default 0x002000.
    TColor GetColorNormal() const { return FColorNormal; }
    /// Sets the normal text colour; repaints and fires OnLayoutChanged.
    void SetColorNormal(TColor Value);
    /// Text colour of the headings of the current row and column; default 0x404040.
    TColor GetColorSelected() const { return FColorSelected; }
    /// Sets the colour of the current headings; repaints and fires OnLayoutChanged.
    void SetColorSelected(TColor Value);
    /// Text colour of cells that carry mark A only; default 0x0000FF (red).
    TColor GetColorMarkedA() const { return FColorMarkedA; }
    /// Sets the mark A colour; repaints and fires OnLayoutChanged.
    void SetColorMarkedA(TColor Value);
    /// Text colour of cells that carry mark B only; default 0xFF0000 (blue).
    TColor GetColorMarkedB() const { return FColorMarkedB; }
    /// Sets the mark B colour; repaints and fires OnLayoutChanged.
    void SetColorMarkedB(TColor Value);
    /// Text colour of cells that carry both marks; default 0xCC00BB.
    TColor GetColorMarkedBoth() const { return FColorMarkedBoth; }
    /// Sets the colour of doubly marked cells; repaints and fires OnLayoutChanged.
    void SetColorMarkedBoth(TColor Value);
    /// Text colour of selected cells without marks; default 0x80552C.
    TColor GetColorRangeSelFG() const { return FColorRngSelFG; }
    /// Sets the selection text colour; repaints and fires OnLayoutChanged.
    void SetColorRangeSelFG(TColor Value);
    /// Background of selected cells; default 0xF8E8E0.
    TColor GetColorRangeSelBG() const { return FColorRngSelBG; }
    /// Sets the selection background; repaints and fires OnLayoutChanged.
    void SetColorRangeSelBG(TColor Value);
    /// Every column takes the width; then the row-name column goes back to 80 and a shown
    /// row-attribute column to its remembered width.
    void SetDefaultColWidth(int Value);
    /// Whether marked cells are drawn bold; default true.
    bool GetBoldMarks() const { return FBoldMarks; }
    /// Switches bold marks; fires OnLayoutChanged when it changes.
    void SetBoldMarks(bool Value);
    /// Whether the headings of the current row and column are drawn bold; default true.
    bool GetBoldSelHeads() const { return FBoldSelHeads; }
    /// Switches bold current headings; fires OnLayoutChanged when it changes.
    void SetBoldSelHeads(bool Value);
    /// Number format of copied cells: true (default) writes the full-precision exponent form,
    /// false the fixed-point form with the column's decimal places.
    bool GetClipboardUseFullPrec() const { return FClipUseFullPrec; }
    /// Chooses the clipboard number format; takes effect with the next copy.
    void SetClipboardUseFullPrec(bool Value) { FClipUseFullPrec = Value; }
    /// First visible data column (row); a write is clamped to the table.
    int GetLeftCol() const { return TCustomGrid::GetLeftCol() - FColOffset; }
    /// Scrolls sideways so that data column Value (clamped to 1..NrOfColumns) is the first visible
    /// one.
    void SetLeftCol(int Value);
    /// First visible data row; default 1.
    int GetTopRow() const { return TCustomGrid::GetTopRow() - FRowOffset; }
    /// Scrolls so that data row Value (clamped to 1..NrOfRows) is the first visible one, then
    /// repaints.
    void SetTopRow(int Value);
    /// Number of rows the pick list of a nominal column's in-place editor shows; default 8.
    int GetNomEditDropDownCount() const { return FDropdownCount; }
    /// Sets the pick list row count; an open in-place editor takes it at once.
    void SetNomEditDropDownCount(int Value);
    /// Number of data columns (3 in a new editor).
    int GetNrOfColumns() const { return Data->GetNrOfColumns(); }
    /// Resizes the table to Value columns; new columns get the width and decimal places of the old
    /// last one. Fires OnChangeSetup.
    void SetNrOfColumns(int Value);
    /// Number of data rows (4 in a new editor).
    int GetNrOfRows() const { return Data->GetNrOfRows(); }
    /// Resizes the table to Value rows; fires OnChangeSetup.
    void SetNrOfRows(int Value);
    /// Minimum width of a formatted number in characters, 1..20; default 1.
    int GetNumWidth() const { return FNumWidth; }
    /// Sets the minimum number width: accepted only in 1..20 (then repaints); fires OnLayoutChanged
    /// in either case.
    void SetNumWidth(int Value);
    /// Whether the cells are protected against in-place editing (the menus' Paste and heading
    /// edits are disabled too); default false.
    bool GetDataReadOnly() const { return FReadOnly; }
    /// true hides an open in-place editor and removes goEditing from Options; false adds goEditing.
    void SetDataReadOnly(bool Value);
    /// Whether every paint fits the default row height to the font; default false.
    bool GetOptimizeRowHeight() const { return FOptRowHeight; }
    /// Switches row height fitting; repaints when it changes.
    void SetOptimizeRowHeight(bool Value);

    // ---- public properties
    /// While true the editor neither paints nor sends its seven notifications; setting it
    /// back to false repaints at once.
    bool GetSuppressPaint() const { return FSuppressPaint; }
    /// Suspends (true) or resumes painting and the notifications; false repaints at once.
    void SetSuppressPaint(bool Value);
    /// Enable masks of the data menu (12 items) and the header menu (5 items): bit i - 1 for
    /// item i. Writing enables exactly the items whose bit is set.
    int GetPopupDMask() const { return FPopupDMask; }
    /// Sets the data menu's enable mask, enables exactly the items whose bit is set and fires
    /// OnChangeSetup.
    void SetPopupDMask(int Value);
    /// Enable mask of the header menu, bit i - 1 for item i (5 items); all bits set by default.
    int GetPopupHMask() const { return FPopupHMask; }
    /// Sets the header menu's enable mask, enables exactly the items whose bit is set and fires
    /// OnChangeSetup.
    void SetPopupHMask(int Value);

    /// Cells, 1-based; outside the table reads give 0 (false) and writes are ignored.
    double GetElem(int ACol, int ARow) const { return Data->GetElem(ACol, ARow); }
    /// Stores Value in cell (ACol, ARow) of Data; nothing is repainted or fired.
    void SetElem(int ACol, int ARow, double Value) { Data->SetElem(ACol, ARow, Value); }
    /// The state byte of cell (ACol, ARow): 1 no valid number, 2 empty, 64 mark A, 128 mark B.
    std::uint8_t GetCellState(int ACol, int ARow) const { return Data->GetCellState(ACol, ARow); }
    /// Replaces the state byte of cell (ACol, ARow); repaints and fires OnCellStateChanged.
    void SetCellState(int ACol, int ARow, std::uint8_t Value);
    /// Whether cell (ACol, ARow) carries mark A (state bit 64).
    bool GetElemMarkedA(int ACol, int ARow) const { return (GetCellState(ACol, ARow) & dtsMarkA) != 0; }
    /// Sets or clears mark A of a cell inside the table; repaints and fires OnCellStateChanged
    /// (also when the cell is out of range).
    void SetElemMarkedA(int ACol, int ARow, bool Value);
    /// Whether cell (ACol, ARow) carries mark B (state bit 128).
    bool GetElemMarkedB(int ACol, int ARow) const { return (GetCellState(ACol, ARow) & dtsMarkB) != 0; }
    /// Sets or clears mark B of a cell inside the table; repaints and fires OnCellStateChanged
    /// (also when the cell is out of range).
    void SetElemMarkedB(int ACol, int ARow, bool Value);
    /// Whether cell (ACol, ARow) holds a valid number (neither empty nor invalid).
    bool GetIsNumber(int ACol, int ARow) const { return Data->GetIsNumber(ACol, ARow); }
    /// Whether cell (ACol, ARow) is empty (state bit 2; shown as empty text).
    bool GetIsEmpty(int ACol, int ARow) const { return (GetCellState(ACol, ARow) & dtsEmpty) != 0; }
    /// Sets or clears the empty flag of cell (ACol, ARow) and fires OnCellStateChanged.
    void SetIsEmpty(int ACol, int ARow, bool Value);
    /// Names are cut to 50 characters; empty out of range.
    TDTNameStr GetColName(int ColNr) const { return Data->GetColName(ColNr); }
    /// Renames data column ColNr (cut to 50 characters, ignored out of range); fires
    /// OnHeadingChanged and repaints.
    void SetColName(int ColNr, const TDTNameStr& Value);
    /// Name of data row RowNr, cut to 50 characters; empty out of range.
    TDTNameStr GetRowName(int RowNr) const { return Data->GetRowName(RowNr); }
    /// Renames data row RowNr (cut to 50 characters, ignored out of range); fires
    /// OnHeadingChanged and repaints.
    void SetRowName(int RowNr, const TDTNameStr& Value);
    /// Attribute byte of data column ColNr, shown in the column-attribute row; 0 out of range.
    std::uint8_t GetColAttrib(int ColNr) const;
    /// Sets the attribute of data column ColNr (ignored out of range); repaints and fires
    /// OnAttributeChanged.
    void SetColAttrib(int ColNr, std::uint8_t Value);
    /// Attribute byte of data row RowNr, shown in the row-attribute column; 0 out of range.
    std::uint8_t GetRowAttrib(int RowNr) const;
    /// Sets the attribute of data row RowNr (ignored out of range); repaints and fires
    /// OnAttributeChanged.
    void SetRowAttrib(int RowNr, std::uint8_t Value);
    /// Index >= 1: data column Index; 0: the row-name column; negative: the row-attribute
    /// column (0 while it is hidden; a write then only remembers the width).
    int GetColWidths(int Index) const;
    /// Sets a column width with the same addressing; fires OnLayoutChanged.
    void SetColWidths(int Index, int Value);
    /// Decimal places of a data column, -1 (exponent form) to 10; 0 out of range.
    std::int8_t GetPrecision(int ColNr) const;
    /// Sets the decimal places of data column ColNr: below 0 stored as -1, above 10 as 10, ignored
    /// out of range; repaints and fires OnLayoutChanged.
    void SetPrecision(int ColNr, int Value);
    /// Captions of the menu items: data items 1..12, header items 1..5, and sub-items 1..4
    /// of both mark menus (M) or both unmark menus (U) at once.
    TDTNameStr GetPopupDCaptions(int ix) const;
    /// Sets the caption of data menu item ix (1..12), cut to 50 characters; ignored out of range.
    void SetPopupDCaptions(int ix, const TDTNameStr& Value);
    /// Caption of header menu item ix (1..5); empty out of range.
    TDTNameStr GetPopupHCaptions(int ix) const;
    /// Sets the caption of header menu item ix (1..5), cut to 50 characters; ignored out of range.
    void SetPopupHCaptions(int ix, const TDTNameStr& Value);
    /// Caption of sub-item ix (1..4) of the two mark menus; empty out of range.
    TDTNameStr GetPopupMCaptions(int ix) const;
    /// Sets the caption of sub-item ix (1..4) of both mark menus, cut to 50 characters.
    void SetPopupMCaptions(int ix, const TDTNameStr& Value);
    /// Caption of sub-item ix (1..4) of the two unmark menus; empty out of range.
    TDTNameStr GetPopupUCaptions(int ix) const;
    /// Sets the caption of sub-item ix (1..4) of both unmark menus, cut to 50 characters.
    void SetPopupUCaptions(int ix, const TDTNameStr& Value);
    /// The two internal menus (for the application's OnBeforePopup and for tests).
    vcl::TPopupMenu* GetDataMenu() const { return FPopupD; }
    /// The header menu, opened on the headings of data rows and columns.
    vcl::TPopupMenu* GetHeaderMenu() const { return FPopupH; }
    /// The heading editor and the comment editor (nullptr while designing).
    vcl::TEdit* GetNameEditor() const { return FNameEd; }
    /// Whether the heading editor is open.
    bool GetNameEditorActive() const { return FNameEdActive; }
    /// The comment editor opened on the corner cell.
    vcl::TMemo* GetCommentEditor() const { return FCommentMM; }
    /// Whether the comment editor is open.
    bool GetCommentEditorActive() const { return FCommentMMActive; }

    // ---- public methods
    /// Empties every cell, names the columns C-1, C-2, ... and the rows R-1, R-2, ... and
    /// gives every column 3 decimal places.
    void Clear();
    /// Every value of the matrix becomes value (the cell states stay).
    void Fill(double value);
    /// Sets the cells with a bit of Statemask in their state to value; returns their number.
    int FillMarkedCells(double value, std::uint8_t Statemask);
    /// ix in 1..count + 1 (count + 1 appends); other indexes are ignored.
    void InsertRow(int ix);
    /// Inserts an empty column before ix (1..count + 1; count + 1 appends); other indexes are
    /// ignored.
    void InsertColumn(int ix);
    /// ix in 1..count; the last row (column) is never removed.
    void RemoveRow(int ix);
    /// Removes column ix (1..count); the last column is never removed.
    void RemoveColumn(int ix);
    /// Reverses the order of the columns (with their names, attributes and decimal places);
    /// repaints.
    void MirrorColumns();
    /// Reverses the order of the rows; repaints.
    void MirrorRows();
    /// Both sizes in one step (each at least 1).
    void Redimension(int NrCols, int NrRows);
    /// Fits the column (row) to its texts: ColNr -1 the row-attribute column, 0 the
    /// row-name column, 1.. the data columns; RowNr -1 the column-attribute row, 0 the
    /// column-name row, 1.. the data rows. Returns the size found.
    int AutoColWidth(int ColNr, bool IncludeHeader, int Addon);
    /// Fits row RowNr to the font: -1 the column-attribute row, 0 the column-name row, 1.. the data
    /// rows; the height is the font's text height + Addon + 2, at least 8. Returns it.
    int AutoRowHeight(int RowNr, int Addon);
    /// Gives every cell mark A; repaints and fires OnCellStateChanged.
    void MarkAllElemsA();
    /// Gives every cell mark B; repaints and fires OnCellStateChanged.
    void MarkAllElemsB();
    /// Clears both marks of every cell; repaints and fires OnCellStateChanged.
    void UnMarkAllElems();
    /// Flips the state bits of StateMask in every cell; repaints and fires OnCellStateChanged.
    void InvertCellStates(std::uint8_t StateMask);
    /// Swaps mark A and mark B in every cell; repaints and fires OnCellStateChanged.
    void ExchangeMarkings();
    /// The number of cells with mark A.
    int NrOfMarkedDataA() const;
    /// The number of cells with mark B.
    int NrOfMarkedDataB() const;
    /// Whether any cell of data row row carries a mark; false out of range.
    bool IfRowMarked(int row) const;
    /// Whether any cell of data column col carries a mark; false out of range.
    bool IfColumnMarked(int col) const;
    /// Whether any cell of the table carries a mark.
    bool IfAnyMarked() const;
    /// The size of the table the clipboard text holds, as Extract from Clipboard reads it;
    /// false when the clipboard holds no text or no table.
    bool GetClipMatrixSize(int& NCols, int& NRows) const;
    /// Sorts the columns (rows) of the block by the values of row SortRowIx (column
    /// SortColIx), stably, cells that are not numbers last. With IncludeHeaders the names,
    /// attributes and decimal places move with their column (row).
    void SortCols(int SortRowIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                  bool IncludeHeaders);
    /// Sorts the rows of the block by the values of column SortColIx, as SortCols does for columns.
    void SortRows(int SortColIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                  bool IncludeHeaders);
    /// By attribute and by name; the headers (and decimal places) always move.
    void SortColAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
    /// Sorts the rows of the block by their attributes; names, attributes and decimal places move.
    void SortRowAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
    /// Sorts the columns of the block by their names, case-sensitively.
    void SortColNames(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
    /// Sorts the columns of the block by their names, ignoring case when IgnoreCase is set.
    void SortColNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow);
    /// Sorts the rows of the block by their names, case-sensitively.
    void SortRowNames(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
    /// Sorts the rows of the block by their names, ignoring case when IgnoreCase is set.
    void SortRowNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow);
    /// The first column (row) whose name equals the text, ignoring case; -1 when none.
    int FindColIndex(const std::string& ColID) const;
    /// The first row whose name equals RowID, ignoring case; -1 when none.
    int FindRowIndex(const std::string& RowID) const;
    /// Makes NewDTab the editor's Data. The editor does not own it; when it is freed the
    /// editor goes on with a table of its own of the same size. Several editors may show
    /// one table: each hears its changes and sizes itself from it.
    void AssignAnotherDataMatrix(TDataTable* NewDTab);
    /// Copies size, values, states, names, attributes, scale types with their nominal
    /// identifiers and comment of another table.
    void CopyContentsFrom(TDataTable* ExtTab);
    /// Copies the cell states of a table of the same size; false (and nothing copied)
    /// otherwise.
    bool CopyCellStatesFrom(TDataTable* ExtTab);

    // ---- undo and redo
    /// Takes back the newest change made through the editor (cell edits, pastes, extracts,
    /// fills, clearing, marks, rows and columns inserted or removed, sizes, sorts, mirroring,
    /// names, attributes, decimal places, the comment, CopyContentsFrom), one step for each
    /// action however many cells it touched. An open in-place editor is closed first (storing
    /// its text). Repaints and fires OnChange (and OnChangeSetup when the size changed);
    /// false when there is nothing to undo. Ctrl+Z does the same while the data is editable.
    /// Writes to Data made past the editor (and SetElem) are not recorded; a size change made
    /// that way, or by another editor of the table, forgets the history.
    bool Undo();
    /// Does the newest undone change again (Ctrl+Y, Ctrl+Shift+Z); false when there is none.
    bool Redo();
    /// Whether Undo has a step to take back.
    bool CanUndo() const { return FUndo.CanUndo(); }
    /// Whether Redo has a step to do again.
    bool CanRedo() const { return FUndo.CanRedo(); }
    /// Forgets every undo and redo step.
    void ClearUndo() { FUndo.Clear(); }
    /// The most steps the history keeps, default 100; lowering it forgets the oldest ones. The
    /// history also keeps at most TUndoStack::DefaultUnitBudget stored cells (each step keeps
    /// only the cells, headings and lines it changed), dropping the oldest steps beyond it.
    int GetUndoLimit() const { return FUndo.GetLimit(); }
    /// Sets the most steps kept (below 0 counts as 0: no history).
    void SetUndoLimit(int Value) { FUndo.SetLimit(Value); }
    /// The history itself: steps held, cells stored, and its memory bound (SetUnitBudget).
    const TUndoStack& GetUndoHistory() const { return FUndo; }
    /// The history, to change its memory bound.
    TUndoStack& GetUndoHistory() { return FUndo; }

    /// The seven notifications; each fires its event unless painting is suppressed.
    void ChangedData();
    /// Fires OnHeadingChanged (a name changed).
    void ChangedHeading();
    /// Fires OnAttributeChanged (an attribute was written).
    void ChangedAttrib();
    /// Fires OnLayoutChanged (a display setting changed).
    void ChangedLayout();
    /// Fires OnCellStateChanged (marks or empty flags changed).
    void ChangedCellStates();
    /// Fires OnSelectionChanged (the selected range moved) and remembers the range reported.
    void ChangedSelection();
    /// Fires OnChangeSetup (size or setup changed).
    void ChangedSetup();

    // ---- menu actions (Sender is not used)
    /// Data menu "Mark as type A" / "Range": gives the selected cells mark A.
    void PopupMenuClickMarkARange(vcl::TObject* Sender);
    /// "Mark as type A" / "Column": every row of the selected columns.
    void PopupMenuClickMarkAColumn(vcl::TObject* Sender);
    /// "Mark as type A" / "Row": every column of the selected rows.
    void PopupMenuClickMarkARow(vcl::TObject* Sender);
    /// "Mark as type A" / "All": every cell.
    void PopupMenuClickMarkAAll(vcl::TObject* Sender);
    /// Data menu "Mark as type B" / "Range": gives the selected cells mark B.
    void PopupMenuClickMarkBRange(vcl::TObject* Sender);
    /// "Mark as type B" / "Column": every row of the selected columns.
    void PopupMenuClickMarkBColumn(vcl::TObject* Sender);
    /// "Mark as type B" / "Row": every column of the selected rows.
    void PopupMenuClickMarkBRow(vcl::TObject* Sender);
    /// "Mark as type B" / "All": every cell.
    void PopupMenuClickMarkBAll(vcl::TObject* Sender);
    /// Data menu "Unmark type A" / "Range": clears mark A of the selected cells.
    void PopupMenuClickUnMarkARange(vcl::TObject* Sender);
    /// "Unmark type A" / "Column": every row of the selected columns.
    void PopupMenuClickUnMarkAColumn(vcl::TObject* Sender);
    /// "Unmark type A" / "Row": every column of the selected rows.
    void PopupMenuClickUnMarkARow(vcl::TObject* Sender);
    /// "Unmark type A" / "All": every cell.
    void PopupMenuClickUnMarkAAll(vcl::TObject* Sender);
    /// Data menu "Unmark type B" / "Range": clears mark B of the selected cells.
    void PopupMenuClickUnMarkBRange(vcl::TObject* Sender);
    /// "Unmark type B" / "Column": every row of the selected columns.
    void PopupMenuClickUnMarkBColumn(vcl::TObject* Sender);
    /// "Unmark type B" / "Row": every column of the selected rows.
    void PopupMenuClickUnMarkBRow(vcl::TObject* Sender);
    /// "Unmark type B" / "All": every cell.
    void PopupMenuClickUnMarkBAll(vcl::TObject* Sender);
    /// Data menu "Unmark All": clears both marks everywhere; repaints and fires OnCellStateChanged.
    void PopupMenuClickUnMarkAll(vcl::TObject* Sender);
    /// Data menu "Clear": the selected cells become 0 with no state; fires OnPaste, OnChange and
    /// OnCellStateChanged.
    void PopupMenuClickClear(vcl::TObject* Sender);
    /// Data menu "Copy" (Ctrl+C): copies the selected block (values and states) into the editor's
    /// copy buffer and puts it on the clipboard as tab-separated text, offered together with CSV
    /// (text/csv) and an HTML table (text/html, numbers right-aligned) of the same cells, where
    /// cells without a number are empty.
    void PopupMenuClickCopy(vcl::TObject* Sender);
    /// Data menu "Paste": writes the copy buffer at the selection; fires OnChange,
    /// OnCellStateChanged and OnPaste.
    void PopupMenuClickPaste(vcl::TObject* Sender);
    /// Data menu "Data Read-Only": toggles DataReadOnly, then fires OnChangeSetup.
    void PopupMenuClickEdit(vcl::TObject* Sender);
    /// Data menu "Extract from Clipboard" (Ctrl+V): when the clipboard offers an HTML table (as
    /// spreadsheets do), its cells go into the cells from the selection's top left: numbers ('.'
    /// or ',' decimal) and a nominal column's identifiers become values, empty cells empty ones,
    /// other texts cells without a number (marks stay); spanned places are empty. Otherwise the
    /// clipboard text is read as numbers. Raises EZynNTabedError, changing nothing, when the
    /// text is not a table.
    void PopupMenuClickExtClip(vcl::TObject* Sender);
    /// Data menu "Select All": selects every data cell; repaints and fires OnSelectionChanged.
    void PopupMenuClickSelAll(vcl::TObject* Sender);
    /// Data menu "Toggle Empty State": flips the empty flag of the selected cells; fires
    /// OnCellStateChanged.
    void PopupMenuClickEmptyCells(vcl::TObject* Sender);
    /// Header menu "Edit Heading": opens the heading editor on the clicked name or attribute.
    void PopupMenuClickChangeID(vcl::TObject* Sender);
    /// Header menu "Change Precision": steps the clicked column's decimal places down (3, 2, 1, 0,
    /// -1, 10, 9, ...) and opens the menu again for the next step.
    void PopupMenuClickPrecision(vcl::TObject* Sender);
    /// Header menu "Select Column": selects the whole clicked column.
    void PopupMenuClickSelectCol(vcl::TObject* Sender);
    /// Header menu "Select Row": selects the whole clicked row.
    void PopupMenuClickSelectRow(vcl::TObject* Sender);
    /// Header menu "Insert Column": inserts a column named "(...)" at the clicked one.
    void PopupMenuClickInsertCol(vcl::TObject* Sender);
    /// Header menu "Insert Row": inserts a row named "(...)" at the clicked one.
    void PopupMenuClickInsertRow(vcl::TObject* Sender);
    /// Header menu "Delete Column": removes the clicked column and fires OnChangeSetup.
    void PopupMenuClickDeleteCol(vcl::TObject* Sender);
    /// Header menu "Delete Row": removes the clicked row and fires OnChangeSetup.
    void PopupMenuClickDeleteRow(vcl::TObject* Sender);

    /// The grid cell under the last mouse-down (or the one the application sets, so that
    /// the menu actions can be run without the mouse).
    vcl::TGridCoord GetClickedCell() const { return FClicked; }
    /// Sets the cell the menu actions work on (grid coordinates).
    void SetClickedCell(vcl::TGridCoord Value) { FClicked = Value; }

    // ---- events
    /// Called when the data changed: the data table reported a change (an edit, a sort), a comment
    /// was stored, or paste, clear, undo or redo ran. Not sent while SuppressPaint is set.
    /// Empty: none.
    const vcl::TNotifyEvent& GetOnChange() const { return FOnChange; }
    /// Installs the handler called when the data changed; an empty function removes it.
    void SetOnChange(vcl::TNotifyEvent Value) { FOnChange = std::move(Value); }
    /// Called when a row or column name changed or a heading edit was committed. Not sent while
    /// SuppressPaint is set. Empty: none.
    const vcl::TNotifyEvent& GetOnHeadingChanged() const { return FOnHeadingChanged; }
    /// Installs the handler called when a heading changed; an empty function removes it.
    void SetOnHeadingChanged(vcl::TNotifyEvent Value) { FOnHeadingChanged = std::move(Value); }
    /// Called when a row or column attribute was written. Not sent while SuppressPaint is set.
    /// Empty: none.
    const vcl::TNotifyEvent& GetOnAttributeChanged() const { return FOnAttributeChanged; }
    /// Installs the handler called when an attribute changed; an empty function removes it.
    void SetOnAttributeChanged(vcl::TNotifyEvent Value) { FOnAttributeChanged = std::move(Value); }
    /// Called when a display setting changed: colours, bold flags, decimal places, column widths,
    /// NumWidth, heading lines, DefaultColWidth. Not sent while SuppressPaint is set. Empty: none.
    const vcl::TNotifyEvent& GetOnLayoutChanged() const { return FOnLayoutChanged; }
    /// Installs the handler called when a display setting changed; an empty function removes it.
    void SetOnLayoutChanged(vcl::TNotifyEvent Value) { FOnLayoutChanged = std::move(Value); }
    /// Called when cell marks or empty flags changed. Not sent while SuppressPaint is set.
    /// Empty: none.
    const vcl::TNotifyEvent& GetOnCellStateChanged() const { return FOnCellStateChanged; }
    /// Installs the handler called when marks or empty flags changed; an empty function removes it.
    void SetOnCellStateChanged(vcl::TNotifyEvent Value) { FOnCellStateChanged = std::move(Value); }
    /// Called when the selected range changed, and after every key press and wheel step. Not sent
    /// while SuppressPaint is set. Empty: none.
    const vcl::TNotifyEvent& GetOnSelectionChanged() const { return FOnSelectionChanged; }
    /// Installs the handler called when the selection changed; an empty function removes it.
    void SetOnSelectionChanged(vcl::TNotifyEvent Value) { FOnSelectionChanged = std::move(Value); }
    /// Called when the table's size or setup changed, a menu mask changed, or read-only was
    /// toggled from the menu. Not sent while SuppressPaint is set. Empty: none.
    const vcl::TNotifyEvent& GetOnChangeSetup() const { return FOnChangeSetup; }
    /// Installs the handler called when the size or setup changed; an empty function removes it.
    void SetOnChangeSetup(vcl::TNotifyEvent Value) { FOnChangeSetup = std::move(Value); }
    /// Called after Paste, Extract from Clipboard and Clear have changed the cells. Empty: none.
    const vcl::TNotifyEvent& GetOnPaste() const { return FOnPaste; }
    /// Installs the handler called after a paste or clear; an empty function removes it.
    void SetOnPaste(vcl::TNotifyEvent Value) { FOnPaste = std::move(Value); }
    /// Called with 0..100 while the data table runs a long operation (a sort); the editor passes
    /// the table's progress on. Empty: none.
    const TOnPercentDoneEvent& GetOnPercentDone() const { return FOnPercentDone; }
    /// Installs the handler that follows the progress of long operations; an empty function
    /// removes it.
    void SetOnPercentDone(TOnPercentDoneEvent Value) { FOnPercentDone = std::move(Value); }
    /// Called with the menu just before one of the editor's own menus (data or heading) opens, so
    /// the application can change its items. Empty: none.
    const TBeforePopupEvent& GetOnBeforePopup() const { return FOnBeforePopup; }
    /// Installs the handler called before a menu opens; an empty function removes it.
    void SetOnBeforePopup(TBeforePopupEvent Value) { FOnBeforePopup = std::move(Value); }
    /// Called before each data cell is drawn, with its data column and row; the handler may change
    /// the text, its colour, the background and the font style. Empty: none.
    const TBeforeRenderCellEvent& GetOnBeforeRenderCell() const { return FOnBeforeRenderCell; }
    /// Installs the handler that may restyle each data cell; an empty function removes it.
    void SetOnBeforeRenderCell(TBeforeRenderCellEvent Value) { FOnBeforeRenderCell = std::move(Value); }
    // OnGetEditText, OnSetEditText and OnTopLeftChanged are the grid's.

    /// A form file holds the editor without its menus and editors (its constructor makes them).
    void GetChildren(const std::function<void(vcl::TComponent*)>& Proc, vcl::TComponent* Root) override;

protected:
    /// What assistive tools read of the control (its role, name, states, value).
    std::shared_ptr<vcl::TControlAccessible> CreateAccessible() override;
    /// Nothing while painting is suppressed; otherwise the grid, then (OptimizeRowHeight)
    /// the default row height follows the font.
    void Paint() override;
    ///@{
    /// The handlers of OnChange, OnHeadingChanged, OnAttributeChanged and OnLayoutChanged (see
    /// their getters); empty: none.
    vcl::TNotifyEvent FOnChange, FOnHeadingChanged, FOnAttributeChanged, FOnLayoutChanged;
    ///@}
    ///@{
    /// The handlers of OnCellStateChanged, OnSelectionChanged, OnChangeSetup and OnPaste (see
    /// their getters); empty: none.
    vcl::TNotifyEvent FOnCellStateChanged, FOnSelectionChanged, FOnChangeSetup, FOnPaste;
    ///@}
    /// The handler that follows the progress of long operations; empty: none.
    TOnPercentDoneEvent FOnPercentDone;
    /// The handler called before a menu opens; empty: none.
    TBeforePopupEvent FOnBeforePopup;
    /// The handler that may restyle each data cell; empty: none.
    TBeforeRenderCellEvent FOnBeforeRenderCell;

    /// Forgets a component that is being freed.
    void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
    /// Draws one cell: a data cell (formatted number, marks, selection, after OnBeforeRenderCell)
    /// or a heading cell (names, attributes, the corner).
    void DrawCell(int ACol, int ARow, const vcl::TRect& ARect, vcl::TGridDrawState AState) override;
    /// After a scroll: reports a selection change, then moves the in-place editor and fires
    /// OnTopLeftChanged.
    void TopLeftChanged() override;
    /// A pick list in nominal columns, a plain edit line in all others.
    vcl::TEditStyle GetEditStyle(int ACol, int ARow) override;
    /// The text the in-place editor starts with: the identifier in a nominal column, the formatted
    /// number otherwise, as OnGetEditText leaves it.
    std::string GetEditText(int ACol, int ARow) override;
    /// Stores what was typed: a number (',' read as '.') or a nominal identifier makes the cell
    /// valid; anything else marks it invalid ("-nan-"). Clears the cell's marks; fires
    /// OnSetEditText.
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
    /// The in-place editor: an edit line with a pick list (NomEditDropDownCount rows) for the
    /// nominal columns.
    vcl::TInplaceEdit* CreateEditor() override;
    /// Typed characters go to the grid; with AutoAdvance, Enter then moves to the next cell.
    /// Escape abandons an edit under way (the cell gets back what it held) and ends editing until
    /// the next mouse-up or F2.
    void KeyPress(char32_t& Key) override;
    /// Selects the cell under the pointer; a second press on the same data cell edits it, and the
    /// right button opens the data or heading menu there. Remembers the cell for the menu actions.
    void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    /// Passes the move to the grid (range selection) and reports a changed selection.
    void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
    /// Ends the grid's press; editing is allowed again unless DataReadOnly.
    void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
    /// A wheel step towards the user as the grid takes it, then a repaint and OnSelectionChanged.
    bool DoMouseWheelDown(vcl::TShiftState Shift, vcl::TPoint MousePos) override;
    /// A wheel step away from the user as the grid takes it, then a repaint and OnSelectionChanged.
    bool DoMouseWheelUp(vcl::TShiftState Shift, vcl::TPoint MousePos) override;
    /// Asks for Tab keys as well, so Tab moves between the cells.
    void WMGetDlgCode(vcl::TMessage& Message) override;
    /// Gives the canvas the new font and repaints.
    void CMFontChanged(vcl::TMessage& Message) override;
    /// A table read from a form file starts without history.
    void Loaded() override;

public:
    /// The editor's keys (F2 editing, Tab between cells, the menu and heading keys, clipboard and
    /// undo keys) after the application's OnKeyDown has seen them; other keys go to the grid.
    /// Fires OnSelectionChanged after every key.
    void KeyDown(vcl::WORD& Key, vcl::TShiftState Shift) override;

private:
    friend class TNTabEdAccessible;
    friend class TNTabEdSuppression;
    friend class TNTabEdBulk;
    friend class TNTabEdTableLink;
    friend class TNTabEdUndo;

    // The grid's own sizes follow the table; these would break that tie.
    using TCustomGrid::SetColCount;
    using TCustomGrid::SetRowCount;
    using TCustomGrid::SetFixedCols;
    using TCustomGrid::SetFixedRows;

    bool PaintSuppressed() const { return FSuppressPaint || FInternSuppPaint; }
    void SetColorField(TColor& Field, TColor Value);
    // Store a state byte without the table's change notification reaching OnChange.
    void WriteCellState(int ACol, int ARow, std::uint8_t State);
    // Sets (On) or clears the bits of Mask in the cells of the data block.
    void MarkBlock(int C1, int R1, int C2, int R2, std::uint8_t Mask, bool On);
    int CountStateBits(std::uint8_t Mask) const;
    // The selection in data coordinates, clamped to the table; false when it holds no
    // data cell.
    bool SelectedBlock(int& C1, int& R1, int& C2, int& R2) const;
    void ResetCopyBuffer();

    // the data table's notifications, shared with every other editor of the table
    void HookData();
    // Leaves the table's link; Table is nullptr while the table is being destroyed.
    void UnhookData(TDataTable* Table);
    // The internal suppression ended: notifications held back for other editors go out.
    void InternalQuietEnded();
    // The other editors of the table (not this one).
    std::vector<TNTabEd*> PeerEditors() const;
    void DataChanged();
    void SetupChanged();
    void DataSizeChanged(int OldCols, int OldRows, int NewCols, int NewRows);
    void SortExchange(std::uint8_t Kind, bool Headers, int Index1, int Index2);
    // Grid size, widths and decimal places after the table went from OldCols to its size.
    void FollowDataSize(int OldCols);
    void ResizeDecP(int Count);
    void ResizeData(int Cols, int Rows);
    // Raises EZynNTabedError, before anything changes, for a size the grid cannot show.
    void CheckGridSize(long long Cols, long long Rows) const;
    // Grid column (row) count for the table's size with a heading offset.
    int GridColsFor(int ColOffset) const;
    int GridRowsFor(int RowOffset) const;
    void EndStructureChange();
    // A sort of the table with painting held back, then one repaint and report.
    void RunSort(bool HeadersMove, int LowCol, int LowRow, int HighCol, int HighRow,
                 const std::function<void()>& Sort);

    // painting (NTabEdPaint.cpp)
    // Fixed: the cell is a heading, which the grid fills by its drawing style.
    void FillUnder(vcl::TCanvas* C, TColor Back, bool Fixed = false);
    void DrawDataCell(vcl::TCanvas* C, int Col, int Row, const vcl::TRect& R, vcl::TGridDrawState State);
    void DrawHeadingCell(vcl::TCanvas* C, int ACol, int ARow, const vcl::TRect& R);
    void DrawCornerCell(vcl::TCanvas* C, const vcl::TRect& R);
    void DrawCommentCorner(vcl::TCanvas* C, const vcl::TRect& R, int Dx, int Dy);
    std::string DataCellText(int Col, int Row, std::uint8_t State) const;
    std::string CornerText() const;
    // Draws the corner at once (after keys, wheel steps and clicks) and invalidates.
    void RedrawCorner();
    // The inverting frame round a heading cell while its menu is open.
    void ShowCellFrame(vcl::TGridCoord Cell);
    void HideCellFrame();
    void InvertCellFrame(vcl::TGridCoord Cell);

    // input (NTabEdInput.cpp)
    bool IsDataCell(int ACol, int ARow) const { return ACol > FColOffset && ARow > FRowOffset; }
    void SetEditing(bool On);
    void CheckSelectionChanged();
    void FillPickList(int ACol, int ARow, vcl::TStrings* Items);
    void StoreEditText(int Col, int Row, const std::string& Value);
    // Escape: the edited cell gets back the value and state it had when the editor opened.
    void RestoreEditedCell();
    // The keys of the key table (NTabEdInput.cpp) that the grid does not handle.
    void RunKeyAction(int Action);
    // Tab (Forward) and Shift+Tab: the next (previous) data cell, on to the next (previous)
    // row at a row's end and from the last cell to the first.
    void MoveByTab(bool Forward);
    // The menu keys: the menu a right-click on Cell opens, placed at the cell.
    void OpenMenuByKey(vcl::TGridCoord Cell);
    // The heading keys: the heading editor on the heading cell Cell, as Edit Heading of
    // its menu opens it, and only while that item would be offered.
    void EditHeadingByKey(vcl::TGridCoord Cell);
    // Before a key opens a menu or another editor: an open cell edit is stored and ends.
    void EndEditForKey();

    // menus, heading editor, comment editor, clipboard (NTabEdMenus.cpp)
    void BuildMenus();
    vcl::TMenuItem* DataItem(int ix) const;
    vcl::TMenuItem* HeaderItem(int ix) const;
    void OpenInternalPopup(vcl::TGridCoord Cell, int X, int Y);
    // While the data is read-only the items that change the table are off; each comes back
    // when editing is allowed again (unless a mask write has decided it meanwhile).
    void HoldOffEditingItem(vcl::TMenuItem* Item, int Bit, int& Held);
    // Whether the header menu would offer Edit Heading now (its mask bit, not read-only).
    bool HeadingEditingOffered() const;
    void PopupHeaderMenu(vcl::TGridCoord Cell);
    void OpenNameEditor();
    void NameEditorKeyPress(char32_t& Key);
    void OpenCommentEditor();
    void CloseCommentEditor(bool Accept);
    void CommentKeyPress(char32_t& Key);
    void RunMarkAction(int Range, std::uint8_t Mask, bool On);
    void BeginBulk();
    void EndBulk();
    // the clipboard's other formats (NTabEdClipFormats.cpp)
    void OfferBlockFormats(int C1, int R1, int C2, int R2, const std::string& Text);
    bool ExtractHtmlTable();

    // undo (NTabEdUndo.cpp): each records, before the change it names, what that change
    // will overwrite. What a region covers (the Rg... bits): the cells of the block, the column
    // headings of its columns (name, attribute, scale type, nominal identifiers, decimal
    // places), the row headings of its rows, the comment.
    enum : int { RgCells = 1, RgColHeads = 2, RgRowHeads = 4, RgComment = 8 };
    void RecordRegion(int C1, int R1, int C2, int R2, int Kinds);
    void RecordAll(int Kinds) { RecordRegion(1, 1, GetNrOfColumns(), GetNrOfRows(), Kinds); }
    // The table is about to take the size Cols x Rows: what lies outside the new size.
    bool RecordResize(int Cols, int Rows);
    // Row or column Ix is about to be inserted (Inserting) or removed.
    void RecordLine(bool Column, int Ix, bool Inserting);
    void RecordMirror(bool Columns);
    bool Replay(bool Back);

    TDataTable* FDataOwned = nullptr;          // Data while the editor owns it
    std::shared_ptr<TNTabEdTableLink> FLink;   // the editors of Data
    bool FDataHookMuted = false;               // this editor's data-changed handling detached
    bool FPendingData = false;                 // held back while another editor works
    bool FPendingSetup = false;
    std::unique_ptr<TDataTable> FDataCopy;
    bool FDataCopyAvail = false;
    bool FExtMatAssigned = false;
    std::vector<std::int8_t> FDecP;
    int FColOffset = 1;
    int FRowOffset = 0;
    int FClassColWidth = 32;
    int FNumWidth = 1;
    vcl::TGridRect FOldSel;
    bool FOptRowHeight = false;
    bool FClipUseFullPrec = true;
    bool FSortIncludeHd = false;
    bool FSuppressPaint = false;
    bool FInternSuppPaint = false;
    bool FBlockIntPopup = false;
    bool FCommEdAllowed = true;
    bool FReadOnly = false;
    bool FAutoAdvance = true;
    TOrientation FAutoAdvanceDir = orVertical;
    vcl::TPopupMenu* FPopupD = nullptr;
    vcl::TPopupMenu* FPopupH = nullptr;
    int FPopupDMask = 0x7FFFFFFF;
    int FPopupHMask = 0x7FFFFFFF;
    TColor FColorBkgnd = vcl::clWindow;
    TColor FColorFixed = vcl::clBtnFace;
    TColor FColorNormal = 0x002000;
    TColor FColorSelected = 0x404040;
    TColor FColorMarkedA = 0x0000FF;
    TColor FColorMarkedB = 0xFF0000;
    TColor FColorMarkedBoth = 0xCC00BB;
    TColor FColorRngSelFG = 0x80552C;
    TColor FColorRngSelBG = 0xF8E8E0;
    bool FBoldSelHeads = true;
    bool FBoldMarks = true;
    vcl::TEdit* FNameEd = nullptr;
    bool FNameEdActive = false;
    vcl::TGridCoord FNameEdCell{-1, -1};       // the heading the name editor writes to
    vcl::TMemo* FCommentMM = nullptr;
    bool FCommentMMActive = false;
    int FDropdownCount = 8;
    std::unique_ptr<vcl::TStringList> FColPickList;
    // mouse
    vcl::TGridCoord FClicked{-1, -1};          // grid cell under the last mouse-down
    vcl::TGridCoord FPrevClicked{-1, -1};      // the one under the mouse-down before it
    vcl::TPoint FLastDownPos{-1, -1};          // last mouse-down inside the grid
    vcl::TGridCoord FFrameCell{-1, -1};        // the cell with the inverting frame, if any
    // in-place editing: the text the editor was opened with, until something is stored
    vcl::TGridCoord FEditCell{-1, -1};
    std::string FEditLoaded;
    bool FEditStored = false;
    bool FEditAbandoned = false;               // Escape is closing the editor
    double FEditOldValue = 0;                  // what the cell held when the editor opened
    std::uint8_t FEditOldState = 0;
    bool FEditRecorded = false;                // the edit under way has its undo step
    TUndoStack FUndo;
    // menu items held off while the data is read-only: bit i - 1 for item i
    int FHeldOffD = 0;
    int FHeldOffH = 0;
};

/// Sets the editor's internal suppression flag for its lifetime and restores it afterwards,
/// also when an exception passes.
class TNTabEdSuppression {
public:
    /// Sets the internal suppression flag of Editor until the object ends.
    explicit TNTabEdSuppression(TNTabEd& Editor) : editor_(Editor), old_(Editor.FInternSuppPaint) {
        editor_.FInternSuppPaint = true;
    }
    ~TNTabEdSuppression() {
        editor_.FInternSuppPaint = old_;
        if (!old_) editor_.InternalQuietEnded();
    }
    TNTabEdSuppression(const TNTabEdSuppression&) = delete;
    TNTabEdSuppression& operator=(const TNTabEdSuppression&) = delete;

private:
    TNTabEd& editor_;
    bool old_;
};

}  // namespace zyn
