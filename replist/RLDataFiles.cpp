// File helpers of the report list, the line import and the HTML table export.
#include "replist/RLDataFiles.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <unistd.h>

#include "replist/Zyn_replist.h"

namespace zyn::rlfiles {

// ---- line sources -----------------------------------------------------------------------

namespace {

// Position of the first CR or LF at or after From, npos when there is none. (find_first_of
// with a set of two would search the set once per character of the text.)
std::size_t FindLineBreak(std::string_view Text, std::size_t From) {
    for (std::size_t i = From; i < Text.size(); ++i)
        if (Text[i] == '\n' || Text[i] == '\r') return i;
    return std::string_view::npos;
}

}  // namespace

bool TStreamLines::Fill() {
    if (eof_) return false;
    if (pos_ > 0) {
        buf_.erase(0, pos_);
        pos_ = 0;
    }
    const std::size_t old = buf_.size();
    buf_.resize(old + (1 << 16));
    const std::int64_t got = stream_->Read(buf_.data() + old, 1 << 16);
    buf_.resize(old + std::size_t(std::max<std::int64_t>(got, 0)));
    if (got <= 0) eof_ = true;
    return got > 0;
}

bool TStreamLines::NextLine(std::string_view& Line) {
    for (;;) {
        if (skipLf_ && pos_ < buf_.size()) {
            if (buf_[pos_] == '\n') ++pos_, ++consumed_;
            skipLf_ = false;
        }
        const std::size_t end = FindLineBreak(buf_, pos_);
        if (end != std::string::npos) {
            Line = std::string_view(buf_).substr(pos_, end - pos_);
            consumed_ += std::int64_t(end - pos_ + 1);
            skipLf_ = buf_[end] == '\r';
            pos_ = end + 1;
            ++lineNo_;
            return true;
        }
        if (!Fill()) {
            if (skipLf_) skipLf_ = false;
            if (pos_ >= buf_.size()) return false;
            Line = std::string_view(buf_).substr(pos_);   // last line without a break
            consumed_ += std::int64_t(buf_.size() - pos_);
            pos_ = buf_.size();
            ++lineNo_;
            return true;
        }
    }
}

void TStreamLines::Finish() {
    if (skipLf_ && pos_ >= buf_.size()) Fill();
    if (skipLf_ && pos_ < buf_.size() && buf_[pos_] == '\n') ++pos_;
    skipLf_ = false;
    const std::size_t unread = buf_.size() - pos_;
    if (unread > 0) stream_->Seek(-std::int64_t(unread), vcl::soCurrent);
    buf_.clear();
    pos_ = 0;
}

bool TStringLines::NextLine(std::string_view& Line) {
    if (pos_ >= text_.size()) return false;
    std::size_t end = FindLineBreak(text_, pos_);
    if (end == std::string_view::npos) end = text_.size();
    Line = text_.substr(pos_, end - pos_);
    std::size_t next = end;
    if (next < text_.size()) next += (text_[next] == '\r' && next + 1 < text_.size() && text_[next + 1] == '\n') ? 2 : 1;
    consumed_ += std::int64_t(next - pos_);
    pos_ = next;
    ++lineNo_;
    return true;
}

bool TTextFileLines::NextLine(std::string_view& Line) {
    if (!file_.ReadLn(line_)) return false;
    Line = line_;
    consumed_ += std::int64_t(line_.size()) + 1;
    ++lineNo_;
    return true;
}

// ---- saving -----------------------------------------------------------------------------

void SaveFileSafely(const std::string& FName, const std::function<void(vcl::TStream*)>& Write) {
    static std::atomic<unsigned> counter{0};
    const std::string temp = FName + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    try {
        {
            vcl::TFileStream out(temp, vcl::fmCreate);
            Write(&out);
        }
        // rename() replaces an existing file in one step (RenameFile refuses to).
        if (std::rename(vcl::HostPath(temp).c_str(), vcl::HostPath(FName).c_str()) != 0)
            throw vcl::EInOutError("Cannot replace file \"" + FName + "\"");
    } catch (...) {
        vcl::DeleteFile(temp);
        throw;
    }
}

std::string TTableBudget::Check(std::int64_t BytesRead) const {
    const std::int64_t allowed = std::max(kFloor, kPerByteRead * BytesRead);
    if (Estimate() <= allowed) return {};
    return "the table would need about " + std::to_string(Estimate() >> 20) +
           " MB, far more than the " + std::to_string(BytesRead) + " bytes read justify";
}

std::string TTableBudget::Columns(long long Cols, std::int64_t BytesRead) {
    if (Cols > 0x7FFFFFFE) return std::to_string(Cols) + " columns are more than a list can hold";
    if (Cols > cols_) {
        cols_ = Cols;
        std::string problem = Check(BytesRead);
        if (!problem.empty()) return problem;
    }
    // Column 0 is there even before any column is charged.
    if (lengths_.size() < std::size_t(Cols) + 1) lengths_.resize(std::size_t(Cols) + 1, 0);
    return {};
}

std::string TTableBudget::Cell(long long Col, long long Row, std::int64_t BytesRead) {
    if (Col < 0 || Col >= std::int64_t(lengths_.size())) {
        std::string problem = Columns(Col, BytesRead);
        if (!problem.empty()) return problem;
    }
    std::int64_t& length = lengths_[std::size_t(Col)];
    if (Row <= length) return {};
    slots_ += Row - length;
    length = Row;
    return Check(BytesRead);
}

std::string TTableBudget::Rows(long long Rows) {
    if (Rows > 0x7FFFFFFF) return std::to_string(Rows) + " rows are more than a list can hold";
    return {};
}

std::string ReadWholeFile(const std::string& FName) {
    vcl::TFileStream in(FName, vcl::fmOpenRead | vcl::fmShareDenyWrite);
    std::string text = in.ReadAllText();
    StripBom(text);
    return text;
}

void StripBom(std::string& Text) {
    if (Text.starts_with("\xEF\xBB\xBF")) Text.erase(0, 3);
}

}  // namespace zyn::rlfiles

namespace zyn {

// ---- line import ------------------------------------------------------------------------

int TRLData::LoadLinesFromFile(int Column, int FirstRow, const std::string& FName) {
    if (Column < 0 || Column > FNrOfCols) return 0;
    FirstRow = std::max(FirstRow, 1);
    // The whole file is read before anything changes, so a read error loses nothing.
    const std::string text = rlfiles::ReadWholeFile(FName);
    std::vector<std::string_view> lines;
    rlfiles::TStringLines source(text);
    std::string_view line;
    while (source.NextLine(line)) lines.push_back(line);
    if (lines.empty()) return 0;
    const long long lastRow = (long long)FirstRow + (long long)lines.size() - 1;
    if (lastRow > 0x7FFFFFFF) RaiseComponentError<EZynRLDataError>(this, msgNotEnoughMemory);
    if (lastRow > FNrOfRows) SetNrRows(int(lastRow));
    // The cells change line by line: no cancel here.
    TProgress progress(this, std::int64_t(lines.size()), false);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SetElem(Column, FirstRow + int(i), lines[i]);
        progress.Step(std::int64_t(i));
    }
    progress.Finish();
    return int(lines.size());
}

// ---- HTML export ------------------------------------------------------------------------

namespace {

// Whether HTML forbids a character in a document, literally or as a reference: the control
// characters other than the white space of tab, line feed, form feed and carriage return
// (C0, DEL and C1; a reference to a C1 control would even be read as another character),
// and the noncharacters.
bool ForbiddenInHtml(char32_t Cp) {
    if (Cp < 0x20) return Cp != '\t' && Cp != '\n' && Cp != '\f' && Cp != '\r';
    if (Cp >= 0x7F && Cp <= 0x9F) return true;
    if (Cp >= 0xFDD0 && Cp <= 0xFDEF) return true;
    return (Cp & 0xFFFE) == 0xFFFE;
}

// Markup characters and quotes become references, everything beyond ASCII a numeric
// reference, so the table reads the same in a page of any encoding. Characters HTML forbids
// (control characters but white space, noncharacters) are written as U+FFFD, the
// replacement character, as are bytes that are not UTF-8; tab, line feed, form feed and
// carriage return stay as they are (a reference to a carriage return is an error in HTML).
void AppendHtmlEscaped(std::string& Out, std::string_view S) {
    std::size_t i = 0;
    while (i < S.size()) {
        const unsigned char c = static_cast<unsigned char>(S[i]);
        if (c >= 0x20 && c < 0x7F && c != '&' && c != '<' && c != '>' && c != '"' && c != '\'') {
            Out += char(c);
            ++i;
            continue;
        }
        const char32_t cp = c < 0x80 ? char32_t(c) : vcl::Utf8Decode(S, i);
        if (c < 0x80) ++i;
        if (ForbiddenInHtml(cp)) {
            Out += "&#65533;";
            continue;
        }
        switch (cp) {
        case '&': Out += "&amp;"; break;
        case '<': Out += "&lt;"; break;
        case '>': Out += "&gt;"; break;
        case '"': Out += "&quot;"; break;
        case '\'': Out += "&#39;"; break;
        case '\t': case '\n': case '\f': case '\r': Out += char(cp); break;
        default: Out += "&#" + std::to_string(std::uint32_t(cp)) + ";"; break;
        }
    }
}

}  // namespace

void TRLData::ExportHTMLTable(const std::string& FName, int LoC, int LoR, int HiC, int HiR,
                              std::span<const int> ColumnSelection, int Border, int CellSpacing,
                              int CellPadding, bool IncludeHeader, const std::string& HeadClass,
                              const std::string& CellClass, const std::string& TableClass) {
    ClampRange(LoC, HiC, 0, FNrOfCols);
    ClampRange(LoR, HiR, 1, FNrOfRows);
    std::vector<int> columns;
    for (int c = LoC; c <= HiC; ++c)
        if (ColumnSelection.empty() || std::find(ColumnSelection.begin(), ColumnSelection.end(), c) != ColumnSelection.end())
            columns.push_back(c);
    auto classAttr = [](const std::string& Class) {
        std::string a;
        if (!Class.empty()) {
            a = " class=\"";
            AppendHtmlEscaped(a, Class);
            a += '"';
        }
        return a;
    };
    const std::string headAttr = classAttr(HeadClass), cellAttr = classAttr(CellClass);
    rlfiles::SaveFileSafely(FName, [&](vcl::TStream* Out) {
        rlfiles::TTextSink sink([Out](std::string_view S) { Out->WriteBuffer(S.data(), std::int64_t(S.size())); });
        std::string& b = sink.Buffer();
        b += "<table border=\"" + std::to_string(Border) + "\" cellspacing=\"" + std::to_string(CellSpacing) +
             "\" cellpadding=\"" + std::to_string(CellPadding) + "\"" + classAttr(TableClass) + ">\n";
        if (IncludeHeader) {
            b += "<tr>";
            for (int c : columns) {
                b += "<th" + headAttr + ">";
                AppendHtmlEscaped(b, GetColName(c));
                b += "</th>";
            }
            b += "</tr>\n";
        }
        TProgress progress(this, std::max(HiR - LoR + 1, 1));
        std::string text;
        for (int r = LoR; r <= HiR; ++r) {
            b += "<tr>";
            for (int c : columns) {
                text = GetElem(c, r);
                BeforeHTMLExport(text, c, r);
                b += "<td" + cellAttr + ">";
                AppendHtmlEscaped(b, text);
                b += "</td>";
            }
            b += "</tr>\n";
            sink.MaybeFlush();
            progress.Step(r - LoR + 1);
        }
        b += "</table>\n";
        sink.Flush();
        progress.Finish();
    });
}

}  // namespace zyn
