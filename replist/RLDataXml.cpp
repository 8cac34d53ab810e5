// The XML data set of the report list: writer, reader and the data-set test.
//
// A data set looks like this (one item per line; every line break, tab and carriage return
// inside a text is written as a character reference, so an item never spans lines):
//
//   <?xml version="1.0" encoding="UTF-8"?>                       (only with a header)
//   <replist id="sales" format="zynwidget" version="1">
//     <numcols>3</numcols>
//     <numrows>2</numrows>
//     <commonheader>Title</commonheader>
//     <comment>Free text</comment>
//     <colname col="1">Name</colname>
//     <checkedcolumn col="2">1</checkedcolumn>                   (check mode ordinal)
//     <columnformat col="3">[i]rix4</columnformat>
//     <cell col="1" row="1">Smith &amp; Sons</cell>              (stored text, mark included)
//   </replist>
//
// Empty cells are not written. Bytes that XML cannot carry at all (control characters other
// than tab, line feed and carriage return, bytes that are not UTF-8, U+FFFE and U+FFFF) are
// written as <byte value="1B"/> inside the text; characters outside the Basic Multilingual
// Plane as character references. Several data sets may follow one another in a file.
#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

#include "replist/RLDataFiles.h"
#include "replist/Zyn_replist.h"

namespace zyn {

TRepListXmlTag RepListXmlTagOf(std::string_view Name) {
    for (std::size_t i = 0; i < RepListXmlTagNames.size() - 1; ++i)
        if (vcl::SameText(RepListXmlTagNames[i], Name)) return TRepListXmlTag(i);
    return xmlInvalid;
}

namespace {

// ---- escaping ---------------------------------------------------------------------------

const char kHex[] = "0123456789ABCDEF";

void AppendHexRef(std::string& Out, std::uint32_t Cp) {
    char tmp[8];
    int n = 0;
    do tmp[n++] = kHex[Cp & 15]; while ((Cp >>= 4) != 0);
    Out += "&#x";
    while (n > 0) Out += tmp[--n];
    Out += ';';
}

// Appends S as XML text. In attribute mode (Elements false) a byte that needs a <byte>
// element makes the function return false.
// The bytes that are not written as they are: controls, markup, quotes and every byte of a
// multi-byte character (checked for what XML can carry).
struct TPlainBytes {
    bool Plain[256];
    constexpr TPlainBytes() : Plain() {
        for (int c = 0x20; c < 0x80; ++c) Plain[c] = c != '&' && c != '<' && c != '>' && c != '"' && c != '\'';
    }
};
constexpr TPlainBytes kPlain;

bool AppendXmlEscaped(std::string& Out, std::string_view S, bool Elements) {
    std::size_t i = 0;
    const std::size_t n = S.size();
    while (i < n) {
        std::size_t run = i;
        while (run < n && kPlain.Plain[static_cast<unsigned char>(S[run])]) ++run;
        Out.append(S.data() + i, run - i);
        i = run;
        if (i >= n) break;
        const unsigned char c = static_cast<unsigned char>(S[i]);
        switch (c) {
        case '&': Out += "&amp;"; ++i; continue;
        case '<': Out += "&lt;"; ++i; continue;
        case '>': Out += "&gt;"; ++i; continue;
        case '"': Out += "&quot;"; ++i; continue;
        case '\'': Out += "&apos;"; ++i; continue;
        case '\t': case '\n': case '\r': AppendHexRef(Out, c); ++i; continue;
        default: break;
        }
        std::size_t start = i;
        char32_t cp = c < 0x80 ? char32_t(0xFFFE) : vcl::Utf8Decode(S, i);   // controls: never XML
        if (c < 0x80) ++i;
        const bool genuineReplacement = cp == 0xFFFD && i - start == 3;
        const bool unrepresentable = (cp == 0xFFFD && !genuineReplacement) || cp == 0xFFFE || cp == 0xFFFF;
        if (unrepresentable) {
            if (!Elements) return false;
            for (std::size_t k = start; k < i; ++k) {
                const unsigned char b = static_cast<unsigned char>(S[k]);
                Out += "<byte value=\"";
                Out += kHex[b >> 4];
                Out += kHex[b & 15];
                Out += "\"/>";
            }
        } else if (cp > 0xFFFF) {
            AppendHexRef(Out, std::uint32_t(cp));
        } else {
            Out.append(S.data() + start, i - start);
        }
    }
    return true;
}

void AppendInt(std::string& Out, long long V) {
    char tmp[24];
    auto [end, ec] = std::to_chars(tmp, tmp + sizeof tmp, V);
    Out.append(tmp, end);
}

void AppendItem(std::string& Out, std::string_view Tag, std::string_view Text) {
    Out += "  <";
    Out += Tag;
    Out += '>';
    AppendXmlEscaped(Out, Text, true);
    Out += "</";
    Out += Tag;
    Out += ">\n";
}

void AppendColumnItem(std::string& Out, std::string_view Tag, int Col, std::string_view Text) {
    Out += "  <";
    Out += Tag;
    Out += " col=\"";
    AppendInt(Out, Col);
    Out += "\">";
    AppendXmlEscaped(Out, Text, true);
    Out += "</";
    Out += Tag;
    Out += ">\n";
}

// ---- the opening line -------------------------------------------------------------------

std::size_t FindNoCase(std::string_view S, std::string_view Needle, std::size_t From = 0) {
    if (Needle.empty() || S.size() < Needle.size()) return std::string_view::npos;
    const char first = Needle[0];
    for (std::size_t i = From; i + Needle.size() <= S.size(); ++i) {
        if ((S[i] | 0x20) != first) continue;
        std::size_t k = 1;
        while (k < Needle.size()) {
            char a = S[i + k];
            if (a >= 'A' && a <= 'Z') a = char(a | 0x20);
            if (a != Needle[k]) break;
            ++k;
        }
        if (k == Needle.size()) return i;
    }
    return std::string_view::npos;
}

// Entity references of an identifier decoded; anything unknown is kept as written.
std::string DecodeIdentifier(std::string_view S) {
    std::string out;
    for (std::size_t i = 0; i < S.size(); ++i) {
        if (S[i] != '&') {
            out += S[i];
            continue;
        }
        const std::size_t semi = S.find(';', i);
        if (semi == std::string_view::npos) {
            out += S[i];
            continue;
        }
        const std::string_view ent = S.substr(i + 1, semi - i - 1);
        char32_t cp = 0;
        if (ent == "amp") cp = '&';
        else if (ent == "lt") cp = '<';
        else if (ent == "gt") cp = '>';
        else if (ent == "quot") cp = '"';
        else if (ent == "apos") cp = '\'';
        else if (ent.size() > 1 && ent[0] == '#') {
            std::uint32_t v = 0;
            const bool hex = ent[1] == 'x' || ent[1] == 'X';
            std::string_view digits = ent.substr(hex ? 2 : 1);
            auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v, hex ? 16 : 10);
            if (ec == std::errc() && end == digits.data() + digits.size() && !digits.empty()) cp = v;
        }
        if (cp == 0) {
            out += S[i];
            continue;
        }
        vcl::Utf8Append(out, cp);
        i = semi;
    }
    return out;
}

std::string TrimBlanks(std::string_view S) {
    while (!S.empty() && S.front() == ' ') S.remove_prefix(1);
    while (!S.empty() && S.back() == ' ') S.remove_suffix(1);
    return std::string(S);
}

// For a line that opens a data set ("<replist" and the marker word, any case): its
// identifier, trimmed and with entity references decoded; otherwise nothing.
std::optional<std::string> OpeningLineId(std::string_view Line) {
    if (Line.find('<') == std::string_view::npos) return std::nullopt;
    if (FindNoCase(Line, "<replist") == std::string_view::npos) return std::nullopt;
    if (FindNoCase(Line, "zynwidget") == std::string_view::npos) return std::nullopt;
    const std::size_t at = FindNoCase(Line, "id=\"");
    if (at == std::string_view::npos) return std::string();
    const std::size_t start = at + 4;
    const std::size_t end = Line.find('"', start);
    if (end == std::string_view::npos) return std::string();
    return TrimBlanks(DecodeIdentifier(Line.substr(start, end - start)));
}

bool IdAccepted(const std::string& FileId, const std::string& WantedLower) {
    return WantedLower.empty() || vcl::AnsiLowerCase(FileId) == WantedLower;
}

std::string WantedId(const std::string& DataID) { return vcl::AnsiLowerCase(TrimBlanks(DataID)); }

// Reads lines until one opens an accepted data set; that line is left in Line.
bool FindDataSet(rlfiles::TLineSource& Source, const std::string& DataID, std::string_view& Line,
                 std::string& FileId) {
    const std::string wanted = WantedId(DataID);
    while (Source.NextLine(Line)) {
        std::optional<std::string> id = OpeningLineId(Line);
        if (id && IdAccepted(*id, wanted)) {
            FileId = std::move(*id);
            return true;
        }
    }
    return false;
}

// ---- the reader -------------------------------------------------------------------------

class TXmlDataSetReader {
public:
    TXmlDataSetReader(TRLData& Target, rlfiles::TLineSource& Source) : target_(Target), src_(Source) {}

    // Parses the data set whose opening line is Line (starting at its "<replist") into a
    // fresh container and hands that over to the target.
    void Read(std::string_view Line, const std::string& FileId);

private:
    struct TAttr {
        std::string name, value;
    };

    [[noreturn]] void Fail(const std::string& What) const {
        throw EZynRLDataError(ComponentMessage(&target_, "invalid XML data set, line " +
                                                             std::to_string(src_.LineNumber()) + ": " + What));
    }
    bool Ensure() {
        if (pos_ < win_.size()) return true;
        std::string_view line;
        if (!src_.NextLine(line)) return false;
        win_.assign(line);
        win_ += '\n';
        pos_ = 0;
        return true;
    }
    int Peek() { return Ensure() ? static_cast<unsigned char>(win_[pos_]) : -1; }
    int Get() {
        if (!Ensure()) return -1;
        return static_cast<unsigned char>(win_[pos_++]);
    }
    void Expect(char C, const char* What) {
        if (Get() != C) Fail(std::string("expected ") + What);
    }
    bool LookingAt(std::string_view S) {
        // Markup openers never span lines in practice; a line break inside one is an error
        // the caller reports.
        if (!Ensure()) return false;
        return std::string_view(win_).substr(pos_).starts_with(S);
    }
    void SkipSpace() {
        for (int c = Peek(); c == ' ' || c == '\t' || c == '\n' || c == '\r'; c = Peek()) ++pos_;
    }
    void SkipPast(std::string_view End, const char* What) {
        for (;;) {
            if (!Ensure()) Fail(std::string("the data set ends inside ") + What);
            const std::size_t at = win_.find(End, pos_);
            if (at != std::string::npos) {
                pos_ = at + End.size();
                return;
            }
            // Keep a possible partial terminator at the end of the window.
            std::string tail = win_.substr(win_.size() - std::min(win_.size() - pos_, End.size() - 1));
            std::string_view line;
            if (!src_.NextLine(line)) Fail(std::string("the data set ends inside ") + What);
            win_ = tail;
            win_ += line;
            win_ += '\n';
            pos_ = 0;
        }
    }
    void ReadName(std::string& Name) {
        Name.clear();
        for (int c = Peek(); c > ' ' && c != '>' && c != '/' && c != '=' && c != '<'; c = Peek()) {
            Name += char(c);
            ++pos_;
        }
        if (Name.empty()) Fail("a tag without a name");
    }
    // After "<" and the name: the attributes and ">" or "/>". True for an empty element.
    bool ReadAttributes() {
        nattrs_ = 0;
        for (;;) {
            SkipSpace();
            const int c = Get();
            if (c == '>') return false;
            if (c == '/') {
                Expect('>', "\">\" after \"/\"");
                return true;
            }
            if (c < 0) Fail("the data set ends inside a tag");
            --pos_;
            if (nattrs_ == attrs_.size()) attrs_.emplace_back();
            TAttr& a = attrs_[nattrs_++];
            ReadName(a.name);
            SkipSpace();
            Expect('=', "\"=\" after an attribute name");
            SkipSpace();
            const int quote = Get();
            if (quote != '"' && quote != '\'') Fail("an attribute value without quotes");
            a.value.clear();
            for (int v = Get(); v != quote; v = Get()) {
                if (v < 0) Fail("the data set ends inside an attribute value");
                if (v == '<') Fail("\"<\" inside an attribute value");
                if (v == '&') ReadEntity(a.value);
                else a.value += char(v);
            }
        }
    }
    const std::string* Attr(std::string_view Name) const {
        for (std::size_t i = 0; i < nattrs_; ++i)
            if (attrs_[i].name == Name) return &attrs_[i].value;
        return nullptr;
    }
    // The col and row attributes of the item being read (markup inside its text reuses
    // the attribute list).
    void KeepItemAttributes() {
        const std::string* c = Attr("col");
        const std::string* r = Attr("row");
        hasCol_ = c != nullptr, hasRow_ = r != nullptr;
        if (c) colAttr_ = *c;
        if (r) rowAttr_ = *r;
    }
    long long IntAttr(std::string_view Name) {
        const bool col = Name == "col";
        if (!(col ? hasCol_ : hasRow_)) Fail("attribute " + std::string(Name) + " missing");
        return ParseInt(col ? colAttr_ : rowAttr_, Name);
    }
    long long ParseInt(std::string_view S, std::string_view What) {
        while (!S.empty() && (S.front() == ' ' || S.front() == '\t' || S.front() == '\n')) S.remove_prefix(1);
        while (!S.empty() && (S.back() == ' ' || S.back() == '\t' || S.back() == '\n')) S.remove_suffix(1);
        long long v = 0;
        auto [end, ec] = std::from_chars(S.data(), S.data() + S.size(), v);
        if (S.empty() || ec != std::errc() || end != S.data() + S.size() || v < 0 || v > 0x7FFFFFFF)
            Fail("invalid number \"" + std::string(S.substr(0, 40)) + "\" for " + std::string(What));
        return v;
    }
    // After "&": one entity reference appended to Out as UTF-8.
    void ReadEntity(std::string& Out) {
        std::string name;
        for (int c = Get(); c != ';'; c = Get()) {
            if (c < 0 || name.size() > 12) Fail("an unterminated entity reference");
            name += char(c);
        }
        if (name == "amp") Out += '&';
        else if (name == "lt") Out += '<';
        else if (name == "gt") Out += '>';
        else if (name == "quot") Out += '"';
        else if (name == "apos") Out += '\'';
        else if (name.size() > 1 && name[0] == '#') {
            const bool hex = name[1] == 'x';
            std::string_view digits = std::string_view(name).substr(hex ? 2 : 1);
            std::uint32_t v = 0;
            auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v, hex ? 16 : 10);
            if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() || v == 0 ||
                v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF))
                Fail("invalid character reference &" + name + ";");
            vcl::Utf8Append(Out, char32_t(v));
        } else {
            Fail("unknown entity &" + name + ";");
        }
    }
    // The content of element Name up to its end tag, into Out.
    void ReadText(const std::string& Name, std::string& Out) {
        Out.clear();
        for (;;) {
            if (!Ensure()) Fail("the data set ends inside <" + Name + ">");
            const std::size_t stop = win_.find_first_of("<&", pos_);
            if (stop == std::string::npos) {
                Out.append(win_, pos_, std::string::npos);
                pos_ = win_.size();
                continue;
            }
            Out.append(win_, pos_, stop - pos_);
            pos_ = stop + 1;
            if (win_[stop] == '&') {
                ReadEntity(Out);
                continue;
            }
            if (LookingAt("/")) {
                ++pos_;
                ReadName(tag_);
                SkipSpace();
                Expect('>', "\">\" closing an end tag");
                if (tag_ != Name) Fail("</" + tag_ + "> where </" + Name + "> was expected");
                return;
            }
            if (LookingAt("![CDATA[")) {
                pos_ += 8;
                const std::size_t from = pos_;
                (void)from;
                AppendCData(Out);
                continue;
            }
            if (LookingAt("!--")) {
                SkipPast("-->", "a comment");
                continue;
            }
            if (LookingAt("?")) {
                SkipPast("?>", "a processing instruction");
                continue;
            }
            std::string inner;
            ReadName(inner);
            const bool empty = ReadAttributes();
            if (inner == "byte") {
                const std::string* v = Attr("value");
                unsigned b = 0;
                if (v == nullptr || v->size() != 2 ||
                    std::from_chars(v->data(), v->data() + 2, b, 16).ptr != v->data() + 2)
                    Fail("invalid <byte> element");
                Out += char(b);
                if (!empty) SkipElement(inner);
            } else if (!empty) {
                SkipElement(inner);   // unknown markup inside a text is left out
            }
        }
    }
    void AppendCData(std::string& Out) {
        for (;;) {
            if (!Ensure()) Fail("the data set ends inside a CDATA section");
            const std::size_t at = win_.find("]]>", pos_);
            if (at != std::string::npos) {
                Out.append(win_, pos_, at - pos_);
                pos_ = at + 3;
                return;
            }
            // Keep up to two characters that may begin the terminator.
            const std::size_t keep = std::min<std::size_t>(2, win_.size() - pos_);
            Out.append(win_, pos_, win_.size() - pos_ - keep);
            std::string tail = win_.substr(win_.size() - keep);
            std::string_view line;
            if (!src_.NextLine(line)) Fail("the data set ends inside a CDATA section");
            win_ = tail;
            win_ += line;
            win_ += '\n';
            pos_ = 0;
        }
    }
    // Skips everything up to the end tag of an element whose start tag was just read.
    void SkipElement(const std::string& Name) {
        int depth = 1;
        std::string name;
        while (depth > 0) {
            if (!Ensure()) Fail("the data set ends inside <" + Name + ">");
            const std::size_t lt = win_.find('<', pos_);
            if (lt == std::string::npos) {
                pos_ = win_.size();
                continue;
            }
            pos_ = lt + 1;
            if (LookingAt("/")) {
                ++pos_;
                ReadName(name);
                SkipSpace();
                Expect('>', "\">\" closing an end tag");
                --depth;
            } else if (LookingAt("!--")) {
                SkipPast("-->", "a comment");
            } else if (LookingAt("![CDATA[")) {
                SkipPast("]]>", "a CDATA section");
            } else if (LookingAt("?") || LookingAt("!")) {
                SkipPast(">", "a declaration");
            } else {
                ReadName(name);
                if (!ReadAttributes()) ++depth;
            }
        }
    }

    void ApplyCell(std::string& Text);
    bool SkipOpeningTag();

    TRLData& target_;
    rlfiles::TLineSource& src_;
    std::string win_;
    std::size_t pos_ = 0;
    std::vector<TAttr> attrs_;
    std::size_t nattrs_ = 0;
    std::string tag_;
    std::string colAttr_, rowAttr_;
    bool hasCol_ = false, hasRow_ = false;
    // What the data set declared, and what its cells cost so far.
    std::unique_ptr<TRLData> fresh_;
    long long cols_ = 1, rows_ = -1;
    bool sawCell_ = false;
    rlfiles::TTableBudget budget_;
    std::unique_ptr<TRLData::TProgress> progress_;
};

// After "<replist": skips the rest of the opening tag, whatever it holds besides the marker
// word and the identifier that recognised it (attributes without values, words of any case).
// A quoted value is skipped whole when its closing quote is on the same line; a quote left
// open on its line is an ordinary character. True for a tag closed by "/>".
bool TXmlDataSetReader::SkipOpeningTag() {
    int previous = 0;
    for (;;) {
        const int c = Get();
        if (c < 0) Fail("the data set ends inside its opening tag");
        if (c == '"' || c == '\'') {
            const std::size_t close = win_.find(char(c), pos_);
            if (close != std::string::npos) {
                pos_ = close + 1;
                previous = c;
                continue;
            }
        }
        if (c == '>') return previous == '/';
        previous = c;
    }
}

void TXmlDataSetReader::Read(std::string_view Line, const std::string& FileId) {
    // The opening line was recognised by the same rule as CheckIfValidReplist's.
    win_.assign(Line.substr(FindNoCase(Line, "<replist") + 8));
    win_ += '\n';
    pos_ = 0;
    fresh_ = std::make_unique<TRLData>(nullptr);
    fresh_->Strings->SetAllocRowsBy(target_.Strings->GetAllocRowsBy());
    bool done = SkipOpeningTag();
    std::string text;
    bool sawCols = false;
    while (!done) {
        SkipSpace();
        const int c = Get();
        if (c < 0) Fail("the data set ends without </replist>");
        if (c != '<') {
            --pos_;
            const std::size_t lt = win_.find('<', pos_);
            pos_ = lt == std::string::npos ? win_.size() : lt;   // stray text is ignored
            continue;
        }
        if (LookingAt("/")) {
            ++pos_;
            ReadName(tag_);
            SkipSpace();
            Expect('>', "\">\" closing an end tag");
            if (RepListXmlTagOf("/" + tag_) != xmlEndReplist) Fail("unexpected end tag </" + tag_ + ">");
            done = true;
            continue;
        }
        if (LookingAt("!--")) { SkipPast("-->", "a comment"); continue; }
        if (LookingAt("![CDATA[")) { SkipPast("]]>", "a CDATA section"); continue; }
        if (LookingAt("?") || LookingAt("!")) { SkipPast(">", "a declaration"); continue; }
        ReadName(tag_);
        const std::string name = tag_;
        const bool empty = ReadAttributes();
        const TRepListXmlTag tag = RepListXmlTagOf(name);
        KeepItemAttributes();
        if (tag == xmlInvalid || tag == xmlEndReplist) {
            if (!empty) SkipElement(name);
            continue;
        }
        if (empty) text.clear();
        else ReadText(name, text);
        switch (tag) {
        case xmlNumCols: {
            if (sawCols) Fail("<numcols> given twice");
            if (sawCell_) Fail("<numcols> after the first cell");
            sawCols = true;
            cols_ = std::max(ParseInt(text, "numcols"), 1LL);
            const std::string problem = budget_.Columns(cols_, src_.Consumed());
            if (!problem.empty()) Fail(problem);
            fresh_->SetNrCols(int(cols_));
            break;
        }
        case xmlNumRows: {
            if (rows_ >= 0) Fail("<numrows> given twice");
            rows_ = ParseInt(text, "numrows");
            const std::string problem = rlfiles::TTableBudget::Rows(rows_);
            if (!problem.empty()) Fail(problem);
            // Rows cost nothing until cells arrive in them.
            fresh_->SetNrRows(int(rows_));
            progress_ = std::make_unique<TRLData::TProgress>(&target_, std::max(rows_, 1LL));
            break;
        }
        case xmlColName:
        case xmlColumnFormat:
        case xmlCheckedColumn: {
            const long long col = IntAttr("col");
            if (col < 1 || col > cols_)
                Fail("column " + std::to_string(col) + " outside the " + std::to_string(cols_) + " declared");
            if (tag == xmlColName) {
                fresh_->SetColName(int(col), text);
            } else if (tag == xmlColumnFormat) {
                fresh_->SetColumnFormat(int(col), text);
            } else {
                const long long mode = ParseInt(text, "checkedcolumn");
                if (mode > cmRadio) Fail("invalid check mode " + std::to_string(mode));
                TRLDataAccess::SetMode(*fresh_, int(col), TCheckMode(mode));
            }
            break;
        }
        case xmlCommonHd: TRLDataAccess::SetHeader(*fresh_, text); break;
        case xmlComment: fresh_->SetComment(text); break;
        case xmlCell: ApplyCell(text); break;
        default: break;
        }
    }
    if (rows_ < 0) rows_ = 0;
    target_.TakeOver(*fresh_);
    target_.SetDataID(FileId);
    // 100 percent once the container holds what was read.
    if (progress_) progress_->Finish();
}

void TXmlDataSetReader::ApplyCell(std::string& Text) {
    if (rows_ < 0) Fail("<cell> before <numrows>");
    const long long col = IntAttr("col"), row = IntAttr("row");
    if (col > cols_ || row < 1 || row > rows_)
        Fail("cell [" + std::to_string(col) + "," + std::to_string(row) + "] outside the declared size of " +
             std::to_string(cols_) + " columns and " + std::to_string(rows_) + " rows");
    sawCell_ = true;
    if (!Text.empty()) {
        const std::string problem = budget_.Cell(col, row, src_.Consumed());
        if (!problem.empty()) Fail(problem);
    }
    fresh_->Strings->SetString(int(col), int(row), Text);
    progress_->Step(row);
}

}  // namespace

// ---- writing ----------------------------------------------------------------------------

namespace {

void WriteDataSet(TRLData& D, rlfiles::TTextSink& Sink, bool CreateHeader, const std::string& DataID) {
    std::string& b = Sink.Buffer();
    if (CreateHeader) b += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    b += "<replist id=\"";
    if (!AppendXmlEscaped(b, DataID, false))
        RaiseComponentError<EZynRLDataError>(&D, "the data identifier holds characters XML cannot carry");
    b += "\" format=\"zynwidget\" version=\"1\">\n";
    const int cols = D.GetNrOfColumns(), rows = D.GetNrOfRows();
    b += "  <numcols>";
    AppendInt(b, cols);
    b += "</numcols>\n  <numrows>";
    AppendInt(b, rows);
    b += "</numrows>\n";
    AppendItem(b, "commonheader", D.GetCommonHeader());
    if (!D.GetComment().empty()) AppendItem(b, "comment", D.GetComment());
    for (int c = 1; c <= cols; ++c) {
        AppendColumnItem(b, "colname", c, D.GetColName(c));
        if (D.GetColCheckMode(c) != cmNone)
            AppendColumnItem(b, "checkedcolumn", c, std::to_string(int(D.GetColCheckMode(c))));
        if (!D.GetColumnFormat(c).empty()) AppendColumnItem(b, "columnformat", c, D.GetColumnFormat(c));
        Sink.MaybeFlush();
    }
    TRLData::TProgress progress(&D, rows);
    // In stored order the rows after the last one in use are empty and not written.
    const int last = D.Strings->IsSorted() ? rows : std::min(rows, D.Strings->RowsInUse());
    // What comes before a cell's row number is the same for every row: "  <cell col="C" row="".
    std::vector<std::string> heads(std::size_t(cols) + 1);
    for (int c = 0; c <= cols; ++c) {
        heads[std::size_t(c)] = "  <cell col=\"";
        AppendInt(heads[std::size_t(c)], c);
        heads[std::size_t(c)] += "\" row=\"";
    }
    char row[16];
    for (int r = 1; r <= last; ++r) {
        // The row number and what follows it, up to the text: r">.
        const std::size_t rowLen = std::size_t(std::to_chars(row, row + 12, r).ptr - row);
        row[rowLen] = '"';
        row[rowLen + 1] = '>';
        for (int c = 0; c <= cols; ++c) {
            const std::string_view s = D.Strings->StringView(c, r);
            if (s.empty()) continue;
            b.append(heads[std::size_t(c)]).append(row, rowLen + 2);
            AppendXmlEscaped(b, s, true);
            b.append("</cell>\n", 8);
        }
        Sink.MaybeFlush();
        progress.Step(r);
    }
    b += "</replist>\n";
    Sink.Flush();
    progress.Finish();
}

}  // namespace

void TRLData::WriteToXMLStream(vcl::TStream* OutStream, bool CreateHeader, const std::string& DataID) {
    rlfiles::TTextSink sink([OutStream](std::string_view S) { OutStream->WriteBuffer(S.data(), std::int64_t(S.size())); });
    WriteDataSet(*this, sink, CreateHeader, DataID);
}

void TRLData::WriteToOpenXMLFile(vcl::TTextFile& F, bool CreateHeader, const std::string& DataID) {
    rlfiles::TTextSink sink([&F](std::string_view S) { F.Write(std::string(S)); });
    WriteDataSet(*this, sink, CreateHeader, DataID);
}

void TRLData::SaveAsXMLFile(const std::string& FName, const std::string& DataID) {
    rlfiles::SaveFileSafely(FName, [&](vcl::TStream* Out) { WriteToXMLStream(Out, true, DataID); });
}

// ---- reading ----------------------------------------------------------------------------

namespace {

bool ReadFrom(TRLData& D, rlfiles::TLineSource& Source, const std::string& DataID) {
    std::string_view line;
    std::string fileId;
    if (!FindDataSet(Source, DataID, line, fileId)) return false;
    TXmlDataSetReader reader(D, Source);
    try {
        reader.Read(line, fileId);
    } catch (const std::bad_alloc&) {
        // What was read so far is dropped; the container is as it was.
        RaiseComponentError<EZynRLDataError>(&D, msgNotEnoughMemory);
    }
    return true;
}

}  // namespace

bool TRLData::ReadFromXMLStream(vcl::TStream* InStream, const std::string& DataID) {
    rlfiles::TStreamLines source(InStream);
    bool found = false;
    try {
        found = ReadFrom(*this, source, DataID);
    } catch (...) {
        source.Finish();
        throw;
    }
    source.Finish();
    return found;
}

bool TRLData::ReadFromXMLString(const std::string& InString, const std::string& DataID) {
    rlfiles::TStringLines source(InString);
    return ReadFrom(*this, source, DataID);
}

bool TRLData::ReadFromOpenXMLFile(vcl::TTextFile& F, const std::string& DataID) {
    rlfiles::TTextFileLines source(F);
    return ReadFrom(*this, source, DataID);
}

bool TRLData::LoadFromXMLFile(const std::string& FName, const std::string& DataID) {
    vcl::TFileStream in(FName, vcl::fmOpenRead | vcl::fmShareDenyWrite);
    return ReadFromXMLStream(&in, DataID);
}

// ---- the data-set test ------------------------------------------------------------------

bool CheckIfValidReplist(const std::string& FName, const std::string& DataID) {
    vcl::TTextFile f;
    f.AssignFile(FName);
    f.Reset();
    rlfiles::TTextFileLines source(f);
    std::string_view line;
    std::string id;
    const bool found = FindDataSet(source, DataID, line, id);
    f.CloseFile();
    return found;
}

bool CheckIfValidReplist(vcl::TStream* InStream, const std::string& DataID) {
    rlfiles::TStreamLines source(InStream);
    std::string_view line;
    std::string id;
    const bool found = FindDataSet(source, DataID, line, id);
    source.Finish();
    return found;
}

}  // namespace zyn
