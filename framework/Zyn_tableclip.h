// Tables on the clipboard in the forms spreadsheets exchange: CSV (text/csv) and an HTML
// table (text/html), written from cells and read back. Both grids use them beside their own
// tab-separated text. The HTML is read by libxml2's HTML parser, which takes what browsers
// and spreadsheets write (unclosed cells, entities, comments, style blocks) as a browser does.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zyn {

inline constexpr const char* MimeCsv = "text/csv";
inline constexpr const char* MimeHtml = "text/html";

/// One cell to write: its text, and whether it is a number (right-aligned in HTML).
struct TClipCell {
    /// The cell's text as shown.
    std::string Text;
    /// Whether the cell is a number; HTML writes it right-aligned.
    bool Number = false;
};
/// Rows of cells, top to bottom.
using TClipRows = std::vector<std::vector<TClipCell>>;

/// The pieces of both forms, for writers that go cell by cell without building rows first (a
/// million cells): one CSV field (quoted when it must be, no separator), one HTML cell, and
/// what comes before the first row and after the last of the HTML document.
void AppendCsvField(std::string& Out, std::string_view Field);
void AppendHtmlCell(std::string& Out, std::string_view Text, bool Number);
inline constexpr std::string_view HtmlTableHead = "<html><head><meta charset=\"utf-8\"></head><body><table>\r\n";
inline constexpr std::string_view HtmlTableTail = "</table></body></html>\r\n";

/// The rows as CSV: fields separated by commas, rows ended by CR LF; a field holding a comma,
/// a quote, a line break or a leading or trailing blank is quoted, its quotes doubled.
std::string TableToCsv(const TClipRows& Rows);

/// The rows as an HTML document holding one table: "&", "<", ">" and quotes escaped,
/// numbers right-aligned, UTF-8 declared.
std::string TableToHtml(const TClipRows& Rows);

/// The first table of an HTML document as rows of cell texts (entities decoded, blanks and
/// line breaks collapsed as a browser shows them, trimmed). A cell spanning several columns
/// or rows keeps its text in its top-left place; the other places it covers are empty, so the
/// cells after it land where they show. Every row is as long as the longest. False when the
/// document holds no table with a cell.
bool ReadHtmlTable(std::string_view Html, std::vector<std::vector<std::string>>& Rows);

/// CSV as TableToCsv writes it (and spreadsheets do) as rows of cell texts: fields separated
/// by commas, rows by CR LF, LF or CR; a quoted field keeps commas and line breaks, a
/// doubled quote stands for one. A line break at the end starts no row. Every row is as
/// long as the longest. False when the text holds no field.
bool ReadCsvTable(std::string_view Csv, std::vector<std::vector<std::string>>& Rows);

/// Tab-separated text (the grids' own clipboard text) as rows of cell texts: cells separated
/// by tabs, rows by CR LF or LF, no quoting. A line break at the end starts no row. Every row
/// is as long as the longest. False when the text is empty.
bool ReadTabTable(std::string_view Text, std::vector<std::vector<std::string>>& Rows);

/// Whether a cell's text reads whole as a number (blanks around it allowed, '.' as the
/// decimal point): such cells are right-aligned in the HTML table.
bool ClipTextIsNumber(std::string_view Text);

/// Offers a table on the clipboard in its three forms at once (between one Open and Close):
/// Text as the clipboard's text, Csv as text/csv and Html as text/html. The clipboard is
/// closed again when a form cannot be offered, and the error passes on.
void OfferTableOnClipboard(const std::string& Text, std::string Csv, std::string Html);

}  // namespace zyn
