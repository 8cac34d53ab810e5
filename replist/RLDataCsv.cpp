// CSV import of the report list.
//
// The dialect: fields separated by the chosen delimiter (comma, semicolon, tab or blank),
// records by CR LF, LF or CR. A field that starts with a double quote is quoted: it ends at
// the next lone double quote, a doubled quote stands for one, and delimiters and line
// breaks inside it are kept byte for byte; text after the closing quote is kept as well. A
// quote inside an unquoted field is an ordinary character. With the blank as delimiter a
// run of blanks separates two fields and blanks at the ends of a line are ignored. A UTF-8
// byte-order mark at the start is skipped; a line break at the end of the file does not
// start another record. Lines may have any number of fields: the table is as wide as the
// widest line, shorter lines leave their last cells empty.
#include <algorithm>

#include "replist/RLDataFiles.h"
#include "replist/Zyn_replist.h"

namespace zyn {

namespace {

class TCsvBuilder {
public:
    TCsvBuilder(TRLData& Target, bool Header) : target_(Target), header_(Header), fresh_(nullptr) {
        fresh_.Strings->SetAllocRowsBy(Target.Strings->GetAllocRowsBy());
    }

    void Record(std::vector<std::string>& Fields, std::size_t Count, std::int64_t BytesRead, int Line) {
        if (header_) {
            names_.assign(Fields.begin(), Fields.begin() + std::ptrdiff_t(Count));
            header_ = false;
            Widen(int(Count), BytesRead, Line);
            return;
        }
        if (rows_ >= 0x7FFFFFFF) Fail(Line, rlfiles::TTableBudget::Rows(rows_ + 1));
        ++rows_;
        Widen(int(Count), BytesRead, Line);
        // The store grows row by row at no cost; only the texts take room, so lines of any
        // length may follow one another.
        fresh_.Strings->Resize(storeCols_, int(rows_));
        for (std::size_t i = 0; i < Count; ++i) {
            if (Fields[i].empty()) continue;
            const std::string problem = budget_.Cell((long long)i + 1, rows_, BytesRead);
            if (!problem.empty()) Fail(Line, problem);
            fresh_.Strings->SetString(int(i) + 1, int(rows_), Fields[i]);
        }
    }

    // Whether a record may have one more field than Count (a line of endless delimiters
    // stops at the first field beyond the budget).
    void CheckFieldCount(std::size_t Count, std::int64_t BytesRead, int Line) {
        const std::string problem = budget_.Columns((long long)Count, BytesRead);
        if (!problem.empty()) Fail(Line, problem);
    }

    // Once the first block is read, the rows still to come are about as long as those read:
    // the columns get room for all of them at once (2 % more), so that they need not grow
    // by copying. A guess far beyond what the file can hold is not followed.
    void ExpectRows(std::int64_t BytesRead, std::int64_t TotalBytes) {
        if (rows_ <= 0 || BytesRead <= 0 || TotalBytes <= BytesRead) return;
        const long long expected = rows_ * TotalBytes / BytesRead;
        const long long rows = std::min<long long>(expected + expected / 50 + 16, 0x7FFFFFFE);
        // A cell of the file takes at least a byte and its separator; a guess that gives
        // each cell fewer than four bytes of the file came from untypical first lines.
        if (rows * cols_ > TotalBytes / 4) return;
        fresh_.Strings->ReserveRows(cols_, int(rows));
    }

    int Finish() {
        // The store holds every row already; the count follows it, then the columns (which
        // drops the store's spare empty ones and names the others).
        TRLDataAccess::AdoptRowCount(fresh_, int(rows_));
        fresh_.SetNrCols(cols_);
        for (std::size_t i = 0; i < names_.size(); ++i) fresh_.SetColName(int(i) + 1, names_[i]);
        fresh_.SetCommonHeader(target_.GetCommonHeader());
        fresh_.SetComment(target_.GetComment());
        target_.TakeOver(fresh_);
        return int(rows_);
    }

    [[noreturn]] void Fail(int Line, const std::string& What) const {
        throw EZynRLDataError(ComponentMessage(&target_, "invalid CSV file, line " + std::to_string(Line) + ": " + What));
    }

private:
    void Widen(int Count, std::int64_t BytesRead, int Line) {
        if (Count <= cols_) return;
        CheckFieldCount(std::size_t(Count), BytesRead, Line);
        cols_ = Count;
        // The store's columns grow by half at a time; the names follow once, at the end.
        if (cols_ > storeCols_) {
            storeCols_ = int(std::min<long long>(std::max<long long>(cols_, storeCols_ + storeCols_ / 2), 0x7FFFFFFE));
            fresh_.Strings->Resize(storeCols_, int(std::max<long long>(rows_, 1)));
        }
    }

    TRLData& target_;
    bool header_;
    TRLData fresh_;
    std::vector<std::string> names_;
    rlfiles::TTableBudget budget_;
    int cols_ = 1;
    int storeCols_ = 1;
    long long rows_ = 0;
};

}  // namespace

int TRLData::ImportCSV(const std::string& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders) {
    static constexpr char kDelims[] = {',', ';', '\t', ' '};
    const char delim = Delimiter <= csvBlank ? kDelims[Delimiter] : ',';
    const bool blank = delim == ' ';
    vcl::TFileStream in(FName, vcl::fmOpenRead | vcl::fmShareDenyWrite);
    const std::int64_t total = in.GetSize();
    TProgress progress(this, total);
    try {
        TCsvBuilder builder(*this, IncludeColHeaders);

        enum { StartField, Unquoted, Quoted, QuoteSeen } state = StartField;
        std::vector<std::string> fields(8);
        std::size_t count = 0;           // fields of the current record so far
        bool inRecord = false;           // anything of the current record seen
        bool afterCR = false;            // the last byte was a CR ending a line
        int line = 1, quoteLine = 1;
        std::int64_t read = 0;
        bool first = true;
        bool estimated = false;

        auto field = [&]() -> std::string& {
            if (count == fields.size()) {
                // A line of nothing but delimiters must not pile up empty fields far beyond
                // what the table may hold before the record is checked.
                builder.CheckFieldCount(count + 1, read, line);
                fields.emplace_back();
            }
            return fields[count];
        };
        auto beginField = [&] { field().clear(); };
        auto endField = [&] { ++count; };
        auto endRecord = [&] {
            if (inRecord) {
                builder.Record(fields, count, read, line);
            }
            count = 0;
            inRecord = false;
            state = StartField;
        };

        // Blocks of up to a megabyte; a small file needs no more than its size.
        std::string chunk(std::size_t(std::clamp<std::int64_t>(total + 1, 4096, 1 << 20)), '\0');
        for (;;) {
            const std::int64_t got = in.Read(chunk.data(), std::int64_t(chunk.size()));
            if (got <= 0) break;
            std::string_view data(chunk.data(), std::size_t(got));
            if (first) {
                first = false;
                if (data.starts_with("\xEF\xBB\xBF")) data.remove_prefix(3);
            }
            for (std::size_t i = 0; i < data.size(); ++i) {
                const char c = data[i];
                ++read;
                if (afterCR) {
                    afterCR = false;
                    if (c == '\n' && state != Quoted) continue;
                }
                switch (state) {
                case StartField:
                    if (c == '\r' || c == '\n') {
                        // An empty line is a record of one empty field, except that the end of a
                        // blank-separated line after its last field adds none.
                        if (!inRecord) {
                            inRecord = true;
                            beginField();
                            endField();
                        } else if (!blank) {
                            beginField();
                            endField();
                        }
                        endRecord();
                        afterCR = c == '\r';
                        ++line;
                        break;
                    }
                    if (blank && c == ' ') {
                        break;
                    }
                    inRecord = true;
                    beginField();
                    if (c == '"') {
                        state = Quoted;
                        quoteLine = line;
                    } else if (c == delim) {
                        endField();
                    } else {
                        field() += c;
                        state = Unquoted;
                    }
                    break;
                case Unquoted: {
                    // Copy the run up to the next delimiter or line break at once.
                    std::size_t j = i;
                    while (j < data.size() && data[j] != delim && data[j] != '\r' && data[j] != '\n') ++j;
                    field().append(data.data() + i, j - i);
                    read += std::int64_t(j - i) - 1;
                    i = j - 1;
                    if (j < data.size()) {
                        // Let the next round see the terminator.
                        state = QuoteSeen;   // same handling: a field that has ended
                    }
                    break;
                }
                case Quoted: {
                    std::size_t j = i;
                    while (j < data.size() && data[j] != '"') {
                        if (data[j] == '\n' || (data[j] == '\r' && (j + 1 >= data.size() || data[j + 1] != '\n'))) ++line;
                        ++j;
                    }
                    field().append(data.data() + i, j - i);
                    read += std::int64_t(j - i) - 1;
                    i = j - 1;
                    if (j < data.size()) {
                        ++read;
                        ++i;
                        state = QuoteSeen;
                    }
                    break;
                }
                case QuoteSeen:
                    if (c == delim) {
                        endField();
                        state = StartField;
                    } else if (c == '\r' || c == '\n') {
                        endField();
                        endRecord();
                        afterCR = c == '\r';
                        ++line;
                    } else if (c == '"') {
                        field() += '"';   // a doubled quote inside a quoted field
                        state = Quoted;
                    } else {
                        field() += c;     // text after the closing quote is kept
                        state = Unquoted;
                    }
                    break;
                }
            }
            progress.Step(read);
            if (!estimated) {
                estimated = true;
                builder.ExpectRows(read, total);
            }
        }
        if (state == Quoted) builder.Fail(quoteLine, "a quoted field is not closed");
        if (state == Unquoted || state == QuoteSeen) endField();
        else if (state == StartField && inRecord && !blank) {
            beginField();
            endField();
        }
        endRecord();
        const int rows = builder.Finish();
        // 100 percent once the container holds what was read.
        progress.Finish();
        return rows;
    } catch (const std::bad_alloc&) {
        // What was read so far is dropped; the container is as it was.
        RaiseComponentError<EZynRLDataError>(this, msgNotEnoughMemory);
    }
}

}  // namespace zyn
