// The report list unit: TRLData, the data container of the report list (cells with named,
// formatted and checkable columns, a sortable row order and the file exchange), and the
// unit-level test whether a file or stream holds a report list data set.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Zyn_conventions.h"
#include "framework/Zyn_dstruct.h"
#include "framework/Zyn_zynbase.h"
#include "platform/Classes.h"

namespace zyn {

// ---- errors, enumerations, events -------------------------------------------------------

class EZynRLDataError : public EZynError {
public:
    using EZynError::EZynError;
};

class EZynRepListError : public EZynError {
public:
    using EZynError::EZynError;
};

// Plain text, independent check boxes, at most one checked cell per column.
enum TCheckMode : std::uint8_t { cmNone, cmBox, cmRadio };

// The items of an XML data set; RepListXmlTagNames holds their tag names in this order.
enum TRepListXmlTag : std::uint8_t {
    xmlNumCols, xmlNumRows, xmlColName, xmlCheckedColumn, xmlCommonHd, xmlColumnFormat,
    xmlCell, xmlComment, xmlEndReplist, xmlInvalid
};
inline constexpr std::array<std::string_view, 10> RepListXmlTagNames{
    "numcols", "numrows", "colname", "checkedcolumn", "commonheader", "columnformat",
    "cell", "comment", "/replist", "invalidtag"};
// The tag of a name (compared without regard to ASCII case); xmlInvalid for any other.
TRepListXmlTag RepListXmlTagOf(std::string_view Name);

// How a column's texts are ordered by a sort: as text (code-point order, the default), as
// numbers, as dates/times, or naturally (digit runs by value, letters without regard to
// case: "file9" before "file10").
enum TSortKind : std::uint8_t { skText, skNumber, skDateTime, skNatural };

/// One key of a sort by several columns: the column, its direction and how its texts compare.
struct TRLSortKey {
    /// The column (0..NrOfColumns).
    int Col = 1;
    /// Whether this key sorts ascending (false: descending).
    bool Ascending = true;
    /// How the column's texts compare.
    TSortKind Kind = skText;
    /// Keys are equal when column, direction and kind are.
    bool operator==(const TRLSortKey&) const = default;
};

/// Progress of a long operation of Sender: Done of Total units so far. A handler that sets
/// Cancel stops the operation, which then leaves the list (its rows, order, selection and
/// files) as it was and raises EZynCancelled.
using TProgressEvent =
    std::function<void(vcl::TObject* Sender, std::int64_t Done, std::int64_t Total, bool& Cancel)>;

/// Raised by an operation that its OnProgress handler cancelled; nothing was changed.
class EZynCancelled : public EZynError {
public:
    using EZynError::EZynError;
};

/// Reports the progress of one operation through a TProgressEvent at most once per
/// IntervalMs of the application's clock (at most 20 times a second), however often Step is
/// called: at the start and whenever that time passed since the last report. The time of the
/// last report is kept by the caller (LastReportMs), so that the steps of one operation and
/// the operations that follow each other share the limit. Raises EZynCancelled when the
/// handler sets Cancel. Without a handler it costs a comparison per Step.
class TProgressTicker {
public:
    /// The least time between two reports.
    static constexpr std::int64_t IntervalMs = 50;
    /// Starts an operation of Total units (counted at least 1); reports Done 0 unless the
    /// last report was less than IntervalMs ago.
    TProgressTicker(const TProgressEvent& Event, vcl::TObject* Sender, std::int64_t Total,
                    std::int64_t& LastReportMs);
    /// Done units are done: reports them when IntervalMs passed since the last report.
    void Step(std::int64_t Done) {
        if (Done >= nextCheck_) Check(Done);
    }

private:
    void Check(std::int64_t Done);
    const TProgressEvent* event_;
    vcl::TObject* sender_;
    std::int64_t total_, stride_, nextCheck_;
    std::int64_t* lastMs_;
};

// Called for each cell text of an HTML export; the handler may change Text.
using TBeforeHTMLExportEvent =
    std::function<void(vcl::TObject* Sender, std::string& Text, int Col, int Row)>;

// Short string lengths (characters) of names, formats and cells.
inline constexpr int MaxColNameChars = 50;
inline constexpr int MaxColFormatChars = 80;

// ---- TRLData ----------------------------------------------------------------------------

/// The container. Cells live in Strings (columns 0..NrOfColumns, rows 1..); column 0 is an
/// extra text column that is never named or formatted. In a check column every non-empty
/// stored string starts with a mark character ("X" checked, " " unchecked; any non-blank
/// counts as checked) that GetElem/SetElem hide.
class TRLData : public vcl::TComponent {
public:
    /// Creates the object; AOwner (when given) frees it with itself.
    explicit TRLData(vcl::TComponent* AOwner);
    ~TRLData() override;
    /// The name the class is registered under.
    std::string ClassName() const override { return "TRLData"; }

    /// Copies another container: counts, cells in their presented order (the copy can be
    /// unsorted to the same stored order), names, formats, check modes, attributes, comment,
    /// common header, data identifier and the sort-exchange handler (not OnBeforeHTMLExport or
    /// OnPercentDone). Raises EZynRLDataError ("not enough memory on heap") when the columns
    /// cannot be sized.
    void Assign(vcl::TPersistent* Source) override;

    // ---- published properties
    /// Number of data columns (1 in a new container, named C-1).
    int GetNrOfColumns() const { return FNrOfCols; }
    /// Resizes to Value columns (at least 1); new columns are named "C-" and their number, with an
    /// empty format and no check mode; existing columns keep theirs. Raises EZynRLDataError ("not
    /// enough memory on heap") when the column arrays cannot grow; a failed resize of the cells
    /// keeps the old count.
    void SetNrCols(int Value);
    /// Sets the number of data columns; the same as SetNrCols.
    void SetNrOfColumns(int Value) { SetNrCols(Value); }
    /// Number of data rows (0 in a new container).
    int GetNrOfRows() const { return FNrOfRows; }
    /// Resizes to Value rows (negative: 0); existing rows keep their cells. A failed resize leaves
    /// the count as it was and raises.
    void SetNrRows(int Value);
    /// Sets the number of data rows; the same as SetNrRows.
    void SetNrOfRows(int Value) { SetNrRows(Value); }
    /// Text of the common header a view shows above the column headers; default "Zyn Report
    /// Listview".
    const std::string& GetCommonHeader() const { return FCommonHeader; }
    /// Sets the common header text (saved with the data files).
    void SetCommonHeader(const std::string& Value);

    // ---- public properties
    /// Free comment text saved with the data files; empty by default.
    const std::string& GetComment() const { return FComment; }
    /// Replaces the comment (XML files written from now on carry it); fires no event.
    void SetComment(const std::string& Value) { FComment = Value; }
    /// Application-chosen identifier of the data set; empty by default.
    const std::string& GetDataID() const { return FDataID; }
    /// Replaces the identifier, kept for the application (the file methods take a DataID of their
    /// own); fires no event.
    void SetDataID(const std::string& Value) { FDataID = Value; }
    /// The column the rows were last sorted by; -1 when unsorted.
    int GetLastSortColumn() const { return FSortColumn; }
    /// The secondary column of the last sort (breaks ties); -1 when none.
    int GetLastSortColumnSec() const { return FSortColumnSec; }
    /// Direction of the last sort: true ascending (the default).
    bool GetLastSortOrder() const { return FSortOrder; }
    /// Direction of the next sort started from a header click of the view.
    bool GetSortToggle() const { return FSortToggle; }
    /// Sets the direction the next header-click sort of a view uses (true ascending).
    void SetSortToggle(bool Value) { FSortToggle = Value; }

    // ---- cells (ACol 0..NrOfColumns, ARow 1..NrOfRows; outside: empty / ignored)
    /// The visible text of cell (ACol, ARow); in a check column without its mark character.
    std::string GetElem(int ACol, int ARow) const;
    /// Stores Value in cell (ACol, ARow), cut to 255 characters; in a check column the cell's mark
    /// stays in front (blank when the cell was empty).
    void SetElem(int ACol, int ARow, std::string_view Value);
    /// Whether cell (ACol, ARow) of a check column is checked (its mark is not a blank); an empty
    /// cell is unchecked.
    bool GetElemChecked(int ACol, int ARow) const;
    /// Checks or unchecks cell (ACol, ARow); only in check columns. In a cmRadio column every other
    /// mark of the column is cleared first.
    void SetElemChecked(int ACol, int ARow, bool Value);
    /// The cell as a number; EZynDStructError "Class TRLData: invalid numeric string: [c,r]: s".
    double GetAsNumber(int ACol, int ARow) const;
    /// The same conversion with another class name in the message (the view's).
    double CellAsNumber(int ACol, int ARow, std::string_view ClassLabel) const;
    /// The default value the format of column ACol gives for row ARow.
    std::string GetCellDefaultValue(int ACol, int ARow) const;
    /// Writes S into every cell of columns 1..NrOfColumns (column 0 is not touched); check-column
    /// cells keep their checked state and S follows the mark.
    void Fill(std::string_view S);
    /// Empties every cell and resets the columns to the names C-1, C-2, ..., empty formats and no
    /// check mode; the numbers of rows and columns stay.
    void Clear();

    // ---- rows
    /// Removes row R (ignored outside 1..NrOfRows), making the current sort order permanent first;
    /// the only row is emptied instead and NrOfRows becomes 0.
    void RemoveRow(int R);
    /// Removes, last to first, every row whose visible texts are all empty (a row holding only
    /// check marks counts as empty).
    void RemoveEmptyRows();
    /// Copies the stored texts (marks included) and the attribute byte of row Source to row
    /// Target; nothing happens unless both lie in 1..NrOfRows.
    void CopyRow(int Source, int Target);
    /// Whether every visible text of the row (columns 0..NrOfColumns) is empty.
    bool IsRowEmpty(int Row) const;

    // ---- columns (ColNr 1..NrOfColumns)
    /// Name of column ColNr (the header a view shows).
    std::string GetColName(int ColNr) const;
    /// Renames column ColNr; the name is cut to 50 characters.
    void SetColName(int ColNr, std::string_view HLine);
    /// Format of column ColNr (at most 80 characters): the kind of value the row editor asks for
    /// and the default value of the column's cells.
    std::string GetColumnFormat(int ColNr) const;
    /// Sets the format of column ColNr, cut to 80 characters; no cell is changed.
    void SetColumnFormat(int ColNr, std::string_view DefValue);
    /// Check mode of column ColNr: cmNone (plain text), cmBox (independent boxes) or cmRadio (at
    /// most one checked cell).
    TCheckMode GetColCheckMode(int ColNr) const;
    /// Changes the check mode of column ColNr (ignored out of range or when unchanged) and converts
    /// the cells: marks are added (unchecked) or removed; cmBox to cmRadio clears all marks.
    void SetColCheckMode(int ColNr, TCheckMode Value);
    /// Whether column ColNr has independent check boxes (cmBox; false for cmRadio).
    bool GetCheckedCol(int ColNr) const;
    /// true makes column ColNr a cmBox column, false a plain (cmNone) one.
    void SetCheckedCol(int ColNr, bool Value);
    /// The number of the column whose name equals Head (PartialMatch false) or contains it
    /// (true), ignoring case; the highest-numbered match wins, -1 when none matches.
    int ColumnIndex(std::string_view Head, bool PartialMatch) const;

    // ---- check marks
    /// Sets or clears every mark of Column: in a cmBox column all rows; in a cmRadio column only
    /// clearing has an effect; plain columns are not changed.
    void SetAllCheckmarksOfCol(int Column, bool Checked);
    /// Flips every mark of a cmBox column (an empty cell becomes checked); other columns are not
    /// changed.
    void InvertAllCheckmarksOfCol(int Column);
    /// Used by the public operations and the view after their own mode tests.
    void SetAllCheckmarksOfColIntern(int Column, bool Checked, bool AffectEnabledRowsOnly);
    /// Flips the marks of Column without the mode test, skipping disabled rows when
    /// AffectEnabledRowsOnly is set.
    void InvertAllCheckmarksOfColIntern(int Column, bool AffectEnabledRowsOnly);
    /// The number of checked cells of Column; 0 for a plain column.
    int CountCheckedElemsInCol(int Column) const;
    /// The number of checked cells of Row over all check columns.
    int CountCheckedElemsInRow(int Row) const;
    /// The first row whose cell in column ColNr is checked; 0 when none or the column is plain.
    int FirstCheckedElemInCol(int ColNr) const;
    /// The first column whose cell in row RowNr is checked; 0 when none or RowNr is out of range.
    int FirstCheckedElemInRow(int RowNr) const;

    // ---- sorting
    /// Sorts the presented rows by the text of column Col, ties by column ColSec, ascending or
    /// descending, and records it as the last sort; the stored order stays (see UnSort).
    void Sort(int Col, int ColSec, bool Ascending);
    /// Sorts the presented rows by the keys in turn: rows equal in the first key are ordered
    /// by the second, and so on; rows equal in all keys keep their presented order. Number keys
    /// read the visible text (trimmed) as a number with the decimal and thousands separators of
    /// the format settings and an optional sign; date/time keys read it with ParseRowDateTime
    /// in the column's date format (a "[d...]" column format, else the short date); in both,
    /// texts that are no value (empty, "-", words) come after all values in either direction.
    /// Natural keys compare digit runs by value and letters without regard to ASCII case.
    /// Records the first key as the last sort (column, direction), the second as the secondary
    /// column, and the keys (LastSortKeys). Keys with a column outside 0..NrOfColumns are
    /// skipped; with none left nothing happens.
    void SortBy(std::span<const TRLSortKey> Keys);
    /// The keys of the last SortBy; empty after Sort, UnSort or a read of a file.
    const std::vector<TRLSortKey>& GetLastSortKeys() const { return FSortKeys; }
    /// Brings back the stored row order; the last sort column and the secondary column become -1.
    void UnSort();
    /// The store's hook during a sort: passes its arguments to OnBeforeSortExchange, with this
    /// container as Sender.
    void BeforeSortExchange(vcl::TObject* Sender, const std::string& Key1, std::string& Key2);
    /// The hook of the HTML export: OnBeforeHTMLExport may change Text, the text written for
    /// cell (Col, Row).
    void BeforeHTMLExport(std::string& Text, int Col, int Row);

    // ---- clipboard text
    /// The text CopyToClipBoard puts on the clipboard (separator form / tab or fixed width).
    std::string ClipboardText(int LeftCol, int TopRow, int RightCol, int BottomRow,
                              bool AddHeader, char32_t Separator) const;
    /// The text CopyToClipBoard puts on the clipboard in the tab or fixed-width form.
    std::string ClipboardText(int LeftCol, int TopRow, int RightCol, int BottomRow,
                              bool AddHeader, bool UseTabs) const;
    /// Puts the visible texts of the range on the clipboard, the columns separated by Separator
    /// and each row ended by a line feed; with AddHeader the column names come first, followed
    /// by two line feeds. The same cells (and names) are offered beside the text as CSV
    /// (text/csv) and as an HTML table (text/html, numbers right-aligned).
    void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                         char Separator);
    /// The same with a character of any code as separator.
    void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                         char32_t Separator);
    /// The same with tabs between the columns (UseTabs true) or in columns of fixed width, padded
    /// with blanks (false).
    void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                         bool UseTabs);
    // A string literal would silently convert to bool.
    void CopyToClipBoard(int, int, int, int, bool, const char*) = delete;

    // ---- files (see RLDataXml.cpp, RLDataCsv.cpp, RLDataFiles.cpp)
    /// Writes the data set, with the document header, into file FName under the identifier
    /// DataID; the file is replaced only once everything is written, so a failure keeps the old
    /// one.
    void SaveAsXMLFile(const std::string& FName, const std::string& DataID);
    /// Reads the data set identified by DataID (any case; empty: the first one) from file FName.
    /// Returns false when the file holds no such data set; a malformed data set raises
    /// EZynRLDataError and leaves the container as it was.
    bool LoadFromXMLFile(const std::string& FName, const std::string& DataID);
    /// Writes the data set into OutStream, after the document header when CreateHeader is set
    /// (without it the data set is appended to what the stream holds).
    void WriteToXMLStream(vcl::TStream* OutStream, bool CreateHeader, const std::string& DataID);
    /// Reads the data set identified by DataID from InStream's current position; the results and
    /// errors of LoadFromXMLFile.
    bool ReadFromXMLStream(vcl::TStream* InStream, const std::string& DataID);
    /// Reads the data set identified by DataID from the text InString; the results and errors of
    /// LoadFromXMLFile.
    bool ReadFromXMLString(const std::string& InString, const std::string& DataID);
    /// Writes the data set into an open text file, after the document header when CreateHeader
    /// is set.
    void WriteToOpenXMLFile(vcl::TTextFile& F, bool CreateHeader, const std::string& DataID);
    /// Reads the data set identified by DataID from an open text file, from its current line; the
    /// results and errors of LoadFromXMLFile.
    bool ReadFromOpenXMLFile(vcl::TTextFile& F, const std::string& DataID);
    /// Replaces the contents by those of CSV file FName (fields separated by Delimiter, quoted
    /// fields allowed); with IncludeColHeaders its first line names the columns. The table is as
    /// wide as the widest line. Returns the number of data rows read; a file the table cannot
    /// hold raises EZynRLDataError ("invalid CSV file, line ...") and changes nothing.
    int ImportCSV(const std::string& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders);
    /// Writes each line of text file FName into Column (0..NrOfColumns), from FirstRow on (at
    /// least 1), adding rows as needed. Returns the number of lines written (0 for another column).
    int LoadLinesFromFile(int Column, int FirstRow, const std::string& FName);
    /// Writes the cells LoC..HiC x LoR..HiR as an HTML table into file FName: only the columns
    /// listed in ColumnSelection (all when it is empty), with the given border, spacing and
    /// padding, a header row of column names when IncludeHeader is set, and the class names
    /// given to header cells, data cells and the table. OnBeforeHTMLExport may change each text.
    void ExportHTMLTable(const std::string& FName, int LoC, int LoR, int HiC, int HiR,
                         std::span<const int> ColumnSelection, int Border, int CellSpacing,
                         int CellPadding, bool IncludeHeader, const std::string& HeadClass,
                         const std::string& CellClass, const std::string& TableClass);

    // ---- the cell store (public field; owned)
    /// The cell store: every cell's stored text (marks included) and the row and column
    /// attribute bytes. Owned by the container.
    TStringArray* Strings;

    /// Progress of a long operation over Units steps: fires OnPercentDone from 0 to 99 as the
    /// units pass, at most about 100 times, and 100 from Finish, when the operation is done
    /// (used by the file operations); reports to OnProgress as well (see TProgressTicker),
    /// which may cancel the operation.
    class TProgress {
    public:
        /// Starts reporting an operation of Units steps for Owner; to OnProgress too unless
        /// Cancellable is false (an operation that changes the list as it goes, where a
        /// cancel could not leave it as it was).
        TProgress(TRLData* Owner, std::int64_t Units, bool Cancellable = true);
        /// Reports that Done units are done (fires OnPercentDone when the percentage moved on).
        void Step(std::int64_t Done);   // Done units so far
        /// Reports 100 percent.
        void Finish();

    private:
        TRLData* owner_;
        std::int64_t units_, next_ = 0;
        int last_ = -1;
        TProgressTicker ticker_;
    };

    /// Takes over the contents of Source (cells, counts, column metadata, header, comment);
    /// the store object and its callbacks stay. Used by the readers.
    void TakeOver(TRLData& Source);

    // ---- events
    /// Each exchange of two rows while the store sorts, Sender the container.
    const TBeforeSortExchgEvent& GetOnBeforeSortExchange() const { return FOnBeforeSortExchange; }
    /// Installs the handler called before each row exchange of a sort (an empty one removes it).
    void SetOnBeforeSortExchange(TBeforeSortExchgEvent Value) { FOnBeforeSortExchange = std::move(Value); }
    /// Each cell text of an HTML export; the handler may change the text written.
    const TBeforeHTMLExportEvent& GetOnBeforeHTMLExport() const { return FOnBeforeHTMLExport; }
    /// Installs the handler that may change the texts of an HTML export (an empty one removes it).
    void SetOnBeforeHTMLExport(TBeforeHTMLExportEvent Value) { FOnBeforeHTMLExport = std::move(Value); }
    /// Progress of file reads and writes, 0 to 100.
    const TOnPercentDoneEvent& GetOnPercentDone() const { return FOnPercentDone; }
    /// Installs the handler that follows file reads and writes in percent; an empty function
    /// removes it.
    void SetOnPercentDone(TOnPercentDoneEvent Value) { FOnPercentDone = std::move(Value); }
    /// Progress of the long operations (reading XML, importing CSV, saving XML and HTML, Sort,
    /// SortBy, RemoveEmptyRows), at most 20 times a second; the handler may cancel
    /// (TProgressEvent). LoadLinesFromFile, which fills the cells as it reads, reports none.
    /// While a handler is assigned, Sort computes its order aside (the store's own progress
    /// percentages are not reported then).
    const TProgressEvent& GetOnProgress() const { return FOnProgress; }
    /// Installs the handler that follows (and may cancel) the long operations; an empty function
    /// removes it.
    void SetOnProgress(TProgressEvent Value) { FOnProgress = std::move(Value); }
    /// A ticker of an operation of Total units reporting to OnProgress, with the container's
    /// time of the last report (so a view's operations share the limit with the container's).
    TProgressTicker StartProgress(std::int64_t Total) { return {FOnProgress, this, Total, FProgressLastMs}; }

protected:
    /// The handler called before each row exchange of a sort; empty: none.
    TBeforeSortExchgEvent FOnBeforeSortExchange;
    /// The handler that may change the texts of an HTML export; empty: none.
    TBeforeHTMLExportEvent FOnBeforeHTMLExport;
    /// The handler that follows file reads and writes in percent; empty: none.
    TOnPercentDoneEvent FOnPercentDone;
    /// The handler that follows (and may cancel) the long operations; empty: none.
    TProgressEvent FOnProgress;
    /// When OnProgress was called last (application clock, ms).
    std::int64_t FProgressLastMs = std::numeric_limits<std::int64_t>::min() / 2;

    /// The store is part of the container, not a component of its own in a form file.
    void GetChildren(const std::function<void(vcl::TComponent*)>&, vcl::TComponent*) override {}

private:
    friend struct TRLDataAccess;   // the file readers set metadata without conversions
    bool IsCheckColumn(int Col) const { return Col >= 1 && Col <= FNrOfCols && FColButMode[std::size_t(Col)] != cmNone; }
    static bool MarkChecked(std::string_view Stored) { return !Stored.empty() && Stored[0] != ' '; }
    void SetMark(int Col, int Row, bool Checked);
    void ResizeColumnArrays(int OldCount, int NewCount);
    void UpdateFeedback();
    void ClampRange(int& Lo, int& Hi, int Min, int Max) const;
    // Runs a sort step of the store, which then reports its exchanges only when somebody
    // listens (see Sort).
    void RunStoreSort(const std::function<void()>& Step);
    std::vector<std::uint32_t> OrderByKeys(std::span<const TRLSortKey> Keys, TProgressTicker* Ticker) const;
    void SortAside(int Col, int ColSec, bool Ascending);
    // Puts Text on the clipboard together with the same cells as CSV and as an HTML table
    // (RLDataClipFormats.cpp).
    void OfferClipboard(const std::string& Text, int LeftCol, int TopRow, int RightCol, int BottomRow,
                        bool AddHeader) const;

    std::string FComment;
    // Index 0 unused so that column numbers index directly.
    std::vector<std::string> FColName;
    std::vector<std::string> FColumnFormat;
    std::string FCommonHeader = "Zyn Report Listview";
    std::vector<TCheckMode> FColButMode;
    int FNrOfCols = 1;
    int FNrOfRows = 0;
    int FSortColumn = -1;
    int FSortColumnSec = -1;
    bool FSortOrder = true;
    std::vector<TRLSortKey> FSortKeys;
    std::string FDataID;
    bool FSortToggle = true;
    int FFeedbkNumCells = 1;
    int FFeedbkStep = 1;
};

// Whether the text file FName (EInOutError when it cannot be read) or the stream from its
// position holds a data set whose identifier is DataID (any data set for an empty DataID).
// The running row index that a "rix" column gives row Row with Count digits, by the type
// letter of the column: "e"/"f" a number with Count decimals, "h" Count upper-case
// hexadecimal digits, "i" Count decimal digits; empty for other letters.
std::string RowIndexDefault(char Letter, int Row, int Count);

bool CheckIfValidReplist(const std::string& FName, const std::string& DataID);
bool CheckIfValidReplist(vcl::TStream* InStream, const std::string& DataID);

}  // namespace zyn
