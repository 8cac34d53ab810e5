// Tables as CSV and HTML for the clipboard (see Zyn_tableclip.h).
#include "framework/Zyn_tableclip.h"

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "platform/Clipbrd.h"
#include "platform/SysUtils.h"

namespace zyn {

namespace {

bool NeedsQuotes(std::string_view F) {
    if (F.empty()) return false;
    if (F.front() == ' ' || F.back() == ' ') return true;
    return F.find_first_of(",\"\r\n") != std::string_view::npos;
}

void AppendEscaped(std::string& Out, std::string_view S) {
    if (S.find_first_of("&<>\"'") == std::string_view::npos) {
        Out += S;   // numbers, most texts
        return;
    }
    for (char ch : S) switch (ch) {
            case '&': Out += "&amp;"; break;
            case '<': Out += "&lt;"; break;
            case '>': Out += "&gt;"; break;
            case '"': Out += "&quot;"; break;
            case '\'': Out += "&#39;"; break;
            default: Out += ch;
        }
}

bool IsElement(const xmlNode* N, const char* Name) {
    return N->type == XML_ELEMENT_NODE && xmlStrcasecmp(N->name, reinterpret_cast<const xmlChar*>(Name)) == 0;
}

const xmlNode* FindFirst(const xmlNode* N, const char* Name) {
    for (; N != nullptr; N = N->next) {
        if (IsElement(N, Name)) return N;
        if (const xmlNode* found = FindFirst(N->children, Name)) return found;
    }
    return nullptr;
}

// The table's rows in order, also inside thead, tbody and tfoot, but not those of a table
// nested in a cell.
void CollectRows(const xmlNode* N, std::vector<const xmlNode*>& Rows) {
    for (; N != nullptr; N = N->next) {
        if (IsElement(N, "tr")) Rows.push_back(N);
        else if (IsElement(N, "thead") || IsElement(N, "tbody") || IsElement(N, "tfoot")) CollectRows(N->children, Rows);
    }
}

// The text as shown: every run of blanks, line breaks and no-break spaces (which spreadsheets
// put in empty cells) one blank; <br> a blank.
void AppendShownText(const xmlNode* N, std::string& Out) {
    for (; N != nullptr; N = N->next) {
        if (N->type == XML_TEXT_NODE || N->type == XML_CDATA_SECTION_NODE) {
            for (const xmlChar* p = N->content; p != nullptr && *p != 0; ++p) {
                const char ch = char(*p);
                const bool nbsp = *p == 0xC2 && p[1] == 0xA0;
                const bool blank = nbsp || ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\f';
                if (nbsp) ++p;
                if (blank) {
                    if (!Out.empty() && Out.back() != ' ') Out += ' ';
                } else {
                    Out += ch;
                }
            }
        } else if (IsElement(N, "br")) {
            if (!Out.empty() && Out.back() != ' ') Out += ' ';
        } else if (N->type == XML_ELEMENT_NODE && !IsElement(N, "style") && !IsElement(N, "script")) {
            AppendShownText(N->children, Out);
            // A block (a paragraph, a nested table's cell) ends its line.
            static const char* const blocks[] = {"p", "div", "li", "table", "tr", "td", "th"};
            for (const char* b : blocks)
                if (IsElement(N, b) && !Out.empty() && Out.back() != ' ') Out += ' ';
        }
    }
}

int SpanOf(const xmlNode* Cell, const char* Attribute) {
    xmlChar* v = xmlGetProp(Cell, reinterpret_cast<const xmlChar*>(Attribute));
    if (v == nullptr) return 1;
    const long n = std::strtol(reinterpret_cast<const char*>(v), nullptr, 10);
    xmlFree(v);
    // Browsers cap spans; so does this reader, so that a hostile document cannot ask for a
    // table of millions of places.
    return int(std::clamp(n, 1L, 1000L));
}

}  // namespace

void AppendCsvField(std::string& Out, std::string_view Field) {
    if (!NeedsQuotes(Field)) {
        Out += Field;
        return;
    }
    Out += '"';
    for (char ch : Field) {
        if (ch == '"') Out += '"';
        Out += ch;
    }
    Out += '"';
}

void AppendHtmlCell(std::string& Out, std::string_view Text, bool Number) {
    Out += Number ? "<td align=\"right\" style=\"text-align:right\">" : "<td>";
    AppendEscaped(Out, Text);
    Out += "</td>";
}

std::string TableToCsv(const TClipRows& Rows) {
    std::string out;
    for (const auto& row : Rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) out += ',';
            AppendCsvField(out, row[c].Text);
        }
        out += "\r\n";
    }
    return out;
}

std::string TableToHtml(const TClipRows& Rows) {
    std::string out(HtmlTableHead);
    for (const auto& row : Rows) {
        out += "<tr>";
        for (const TClipCell& cell : row) AppendHtmlCell(out, cell.Text, cell.Number);
        out += "</tr>\r\n";
    }
    out += HtmlTableTail;
    return out;
}

bool ReadHtmlTable(std::string_view Html, std::vector<std::vector<std::string>>& Rows) {
    Rows.clear();
    const int options = HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET;
    std::unique_ptr<xmlDoc, void (*)(xmlDoc*)> doc(
        htmlReadMemory(Html.data(), int(std::min<std::size_t>(Html.size(), 1u << 30)), nullptr, "UTF-8", options),
        xmlFreeDoc);
    if (!doc) return false;
    const xmlNode* table = FindFirst(xmlDocGetRootElement(doc.get()), "table");
    if (table == nullptr) return false;
    std::vector<const xmlNode*> trs;
    CollectRows(table->children, trs);
    // Places taken by a cell of a row above that spans down: remaining rows by column.
    std::vector<int> coveredFor;
    std::size_t width = 0;
    bool anyCell = false;
    for (const xmlNode* tr : trs) {
        std::vector<std::string> row;
        std::size_t col = 0;
        auto skipCovered = [&] {
            while (col < coveredFor.size() && coveredFor[col] > 0) {
                if (row.size() <= col) row.resize(col + 1);
                --coveredFor[col];
                ++col;
            }
        };
        for (const xmlNode* td = tr->children; td != nullptr; td = td->next) {
            if (!IsElement(td, "td") && !IsElement(td, "th")) continue;
            anyCell = true;
            skipCovered();
            std::string text;
            AppendShownText(td->children, text);
            if (!text.empty() && text.front() == ' ') text.erase(0, 1);
            while (!text.empty() && text.back() == ' ') text.pop_back();
            const int colspan = SpanOf(td, "colspan"), rowspan = SpanOf(td, "rowspan");
            if (row.size() < col + std::size_t(colspan)) row.resize(col + std::size_t(colspan));
            row[col] = std::move(text);
            if (coveredFor.size() < col + std::size_t(colspan)) coveredFor.resize(col + std::size_t(colspan), 0);
            for (int i = 0; i < colspan; ++i) coveredFor[col + std::size_t(i)] = rowspan - 1;
            col += std::size_t(colspan);
        }
        // Spans from above that reach past this row's last cell.
        for (std::size_t c = col; c < coveredFor.size(); ++c)
            if (coveredFor[c] > 0) {
                if (row.size() <= c) row.resize(c + 1);
                --coveredFor[c];
            }
        width = std::max(width, row.size());
        Rows.push_back(std::move(row));
    }
    // Rows that only a span from above reaches still count; trailing rows a span asks for
    // but that the table never writes do not.
    for (auto& row : Rows) row.resize(width);
    if (!anyCell) Rows.clear();
    return anyCell;
}

namespace {

// Rows of unequal length are filled up with empty cells, as the other readers give them.
bool EvenRows(std::vector<std::vector<std::string>>& Rows) {
    std::size_t width = 0;
    for (const auto& row : Rows) width = std::max(width, row.size());
    for (auto& row : Rows) row.resize(width);
    return !Rows.empty();
}

}  // namespace

bool ReadCsvTable(std::string_view Csv, std::vector<std::vector<std::string>>& Rows) {
    Rows.clear();
    std::vector<std::string> row;
    std::string field;
    // inField: the current field has begun (a quote counts); more: a comma promised a field.
    bool quoted = false, inField = false, more = false;
    auto endField = [&] {
        row.push_back(std::move(field));
        field.clear();
        inField = more = false;
    };
    for (std::size_t i = 0; i < Csv.size(); ++i) {
        const char ch = Csv[i];
        if (quoted) {
            if (ch != '"') field += ch;
            else if (i + 1 < Csv.size() && Csv[i + 1] == '"') field += Csv[++i];
            else quoted = false;
        } else if (ch == '"' && !inField) {
            quoted = inField = true;
        } else if (ch == ',') {
            endField();
            more = true;
        } else if (ch == '\r' || ch == '\n') {
            if (ch == '\r' && i + 1 < Csv.size() && Csv[i + 1] == '\n') ++i;
            endField();
            Rows.push_back(std::move(row));
            row.clear();
        } else {
            field += ch;
            inField = true;
        }
    }
    if (inField || more) {
        endField();
        Rows.push_back(std::move(row));
    }
    return EvenRows(Rows);
}

bool ReadTabTable(std::string_view Text, std::vector<std::vector<std::string>>& Rows) {
    Rows.clear();
    std::size_t start = 0;
    while (start < Text.size()) {
        std::size_t end = Text.find('\n', start);
        if (end == std::string_view::npos) end = Text.size();
        std::string_view line = Text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::vector<std::string>& row = Rows.emplace_back();
        for (std::size_t from = 0;;) {
            const std::size_t tab = line.find('\t', from);
            row.emplace_back(line.substr(from, tab == std::string_view::npos ? std::string_view::npos : tab - from));
            if (tab == std::string_view::npos) break;
            from = tab + 1;
        }
        start = end + 1;
    }
    return EvenRows(Rows);
}

bool ClipTextIsNumber(std::string_view Text) {
    const std::string t = vcl::Trim(std::string(Text));
    vcl::TFormatSettings point;
    point.DecimalSeparator = '.';
    double v = 0;
    return !t.empty() && vcl::TryStrToFloat(t, v, point);
}

void OfferTableOnClipboard(const std::string& Text, std::string Csv, std::string Html) {
    vcl::TClipboard* clip = vcl::Clipboard();
    clip->Open();
    try {
        clip->SetAsText(Text);
        clip->SetAsFormat(MimeCsv, std::move(Csv));
        clip->SetAsFormat(MimeHtml, std::move(Html));
    } catch (...) {
        clip->Close();
        throw;
    }
    clip->Close();
}

}  // namespace zyn
