// The report list unit: TRLData, the data container of the report list (cells with named,
// formatted and checkable columns, a sortable row order and the file exchange), and the
// unit-level test whether a file or stream holds a report list data set.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
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

// Called for each cell text of an HTML export; the handler may change Text.
using TBeforeHTMLExportEvent =
    std::function<void(vcl::TObject* Sender, std::string& Text, int Col, int Row)>;

// Short string lengths (characters) of names, formats and cells.
inline constexpr int MaxColNameChars = 50;
inline constexpr int MaxColFormatChars = 80;

// ---- TRLData ----------------------------------------------------------------------------

// The container. Cells live in Strings (columns 0..NrOfColumns, rows 1..); column 0 is an
// extra text column that is never named or formatted. In a check column every non-empty
// stored string starts with a mark character ("X" checked, " " unchecked; any non-blank
// counts as checked) that GetElem/SetElem hide.
class TRLData : public vcl::TComponent {
public:
    explicit TRLData(vcl::TComponent* AOwner);
    ~TRLData() override;
    std::string ClassName() const override { return "TRLData"; }

    void Assign(vcl::TPersistent* Source) override;

    // ---- published properties
    int GetNrOfColumns() const { return FNrOfCols; }
    void SetNrCols(int Value);
    void SetNrOfColumns(int Value) { SetNrCols(Value); }
    int GetNrOfRows() const { return FNrOfRows; }
    void SetNrRows(int Value);
    void SetNrOfRows(int Value) { SetNrRows(Value); }
    const std::string& GetCommonHeader() const { return FCommonHeader; }
    void SetCommonHeader(const std::string& Value);

    // ---- public properties
    const std::string& GetComment() const { return FComment; }
    void SetComment(const std::string& Value) { FComment = Value; }
    const std::string& GetDataID() const { return FDataID; }
    void SetDataID(const std::string& Value) { FDataID = Value; }
    int GetLastSortColumn() const { return FSortColumn; }
    int GetLastSortColumnSec() const { return FSortColumnSec; }
    bool GetLastSortOrder() const { return FSortOrder; }
    // Direction of the next sort started from a header click of the view.
    bool GetSortToggle() const { return FSortToggle; }
    void SetSortToggle(bool Value) { FSortToggle = Value; }

    // ---- cells (ACol 0..NrOfColumns, ARow 1..NrOfRows; outside: empty / ignored)
    std::string GetElem(int ACol, int ARow) const;
    void SetElem(int ACol, int ARow, std::string_view Value);
    bool GetElemChecked(int ACol, int ARow) const;
    void SetElemChecked(int ACol, int ARow, bool Value);
    // The cell as a number; EZynDStructError "Class TRLData: invalid numeric string: [c,r]: s".
    double GetAsNumber(int ACol, int ARow) const;
    // The same conversion with another class name in the message (the view's).
    double CellAsNumber(int ACol, int ARow, std::string_view ClassLabel) const;
    std::string GetCellDefaultValue(int ACol, int ARow) const;
    void Fill(std::string_view S);
    void Clear();

    // ---- rows
    void RemoveRow(int R);
    void RemoveEmptyRows();
    void CopyRow(int Source, int Target);
    // Whether every visible text of the row (columns 0..NrOfColumns) is empty.
    bool IsRowEmpty(int Row) const;

    // ---- columns (ColNr 1..NrOfColumns)
    std::string GetColName(int ColNr) const;
    void SetColName(int ColNr, std::string_view HLine);
    std::string GetColumnFormat(int ColNr) const;
    void SetColumnFormat(int ColNr, std::string_view DefValue);
    TCheckMode GetColCheckMode(int ColNr) const;
    void SetColCheckMode(int ColNr, TCheckMode Value);
    bool GetCheckedCol(int ColNr) const;
    void SetCheckedCol(int ColNr, bool Value);
    int ColumnIndex(std::string_view Head, bool PartialMatch) const;

    // ---- check marks
    void SetAllCheckmarksOfCol(int Column, bool Checked);
    void InvertAllCheckmarksOfCol(int Column);
    // Used by the public operations and the view after their own mode tests.
    void SetAllCheckmarksOfColIntern(int Column, bool Checked, bool AffectEnabledRowsOnly);
    void InvertAllCheckmarksOfColIntern(int Column, bool AffectEnabledRowsOnly);
    int CountCheckedElemsInCol(int Column) const;
    int CountCheckedElemsInRow(int Row) const;
    int FirstCheckedElemInCol(int ColNr) const;
    int FirstCheckedElemInRow(int RowNr) const;

    // ---- sorting
    void Sort(int Col, int ColSec, bool Ascending);
    void UnSort();
    void BeforeSortExchange(vcl::TObject* Sender, const std::string& Key1, std::string& Key2);
    void BeforeHTMLExport(std::string& Text, int Col, int Row);

    // ---- clipboard text
    // The text CopyToClipBoard puts on the clipboard (separator form / tab or fixed width).
    std::string ClipboardText(int LeftCol, int TopRow, int RightCol, int BottomRow,
                              bool AddHeader, char32_t Separator) const;
    std::string ClipboardText(int LeftCol, int TopRow, int RightCol, int BottomRow,
                              bool AddHeader, bool UseTabs) const;
    void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                         char Separator);
    void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                         char32_t Separator);
    void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                         bool UseTabs);
    // A string literal would silently convert to bool.
    void CopyToClipBoard(int, int, int, int, bool, const char*) = delete;

    // ---- files (see RLDataXml.cpp, RLDataCsv.cpp, RLDataFiles.cpp)
    void SaveAsXMLFile(const std::string& FName, const std::string& DataID);
    bool LoadFromXMLFile(const std::string& FName, const std::string& DataID);
    void WriteToXMLStream(vcl::TStream* OutStream, bool CreateHeader, const std::string& DataID);
    bool ReadFromXMLStream(vcl::TStream* InStream, const std::string& DataID);
    bool ReadFromXMLString(const std::string& InString, const std::string& DataID);
    void WriteToOpenXMLFile(vcl::TTextFile& F, bool CreateHeader, const std::string& DataID);
    bool ReadFromOpenXMLFile(vcl::TTextFile& F, const std::string& DataID);
    int ImportCSV(const std::string& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders);
    int LoadLinesFromFile(int Column, int FirstRow, const std::string& FName);
    void ExportHTMLTable(const std::string& FName, int LoC, int LoR, int HiC, int HiR,
                         std::span<const int> ColumnSelection, int Border, int CellSpacing,
                         int CellPadding, bool IncludeHeader, const std::string& HeadClass,
                         const std::string& CellClass, const std::string& TableClass);

    // ---- the cell store (public field; owned)
    TStringArray* Strings;

    // Progress of a long operation over Units steps: fires OnPercentDone from 0 to 99 as the
    // units pass, at most about 100 times, and 100 from Finish, when the operation is done
    // (used by the file operations).
    class TProgress {
    public:
        TProgress(TRLData* Owner, std::int64_t Units);
        void Step(std::int64_t Done);   // Done units so far
        void Finish();

    private:
        TRLData* owner_;
        std::int64_t units_, next_ = 0;
        int last_ = -1;
    };

    // Takes over the contents of Source (cells, counts, column metadata, header, comment);
    // the store object and its callbacks stay. Used by the readers.
    void TakeOver(TRLData& Source);

    // ---- events
    // Each exchange of two rows while the store sorts, Sender the container.
    const TBeforeSortExchgEvent& GetOnBeforeSortExchange() const { return FOnBeforeSortExchange; }
    void SetOnBeforeSortExchange(TBeforeSortExchgEvent Value) { FOnBeforeSortExchange = std::move(Value); }
    // Each cell text of an HTML export; the handler may change the text written.
    const TBeforeHTMLExportEvent& GetOnBeforeHTMLExport() const { return FOnBeforeHTMLExport; }
    void SetOnBeforeHTMLExport(TBeforeHTMLExportEvent Value) { FOnBeforeHTMLExport = std::move(Value); }
    // Progress of file reads and writes, 0 to 100.
    const TOnPercentDoneEvent& GetOnPercentDone() const { return FOnPercentDone; }
    void SetOnPercentDone(TOnPercentDoneEvent Value) { FOnPercentDone = std::move(Value); }

protected:
    TBeforeSortExchgEvent FOnBeforeSortExchange;
    TBeforeHTMLExportEvent FOnBeforeHTMLExport;
    TOnPercentDoneEvent FOnPercentDone;

    // The store is part of the container, not a component of its own in a form file.
    void GetChildren(const std::function<void(vcl::TComponent*)>&, vcl::TComponent*) override {}

private:
    friend struct TRLDataAccess;   // the file readers set metadata without conversions
    bool IsCheckColumn(int Col) const { return Col >= 1 && Col <= FNrOfCols && FColButMode[std::size_t(Col)] != cmNone; }
    static bool MarkChecked(std::string_view Stored) { return !Stored.empty() && Stored[0] != ' '; }
    void SetMark(int Col, int Row, bool Checked);
    void ResizeColumnArrays(int OldCount, int NewCount);
    void UpdateFeedback();
    void ClampRange(int& Lo, int& Hi, int Min, int Max) const;

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
