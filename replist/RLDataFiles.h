// Pieces shared by the report list's file operations: line sources over streams, strings and
// open text files, a buffered text sink, the safe file save and the size budget of readers.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Classes.h"
#include "replist/Zyn_replist.h"

namespace zyn {

class TRLData;

/// What the readers set in a container they build without the conversions of the setters.
struct TRLDataAccess {
    /// Stores the check mode of column Col as read, without converting the cells.
    static void SetMode(TRLData& D, int Col, TCheckMode Mode);
    /// Stores the common header as read.
    static void SetHeader(TRLData& D, std::string S);
    /// The row count of a container whose store already holds that many rows.
    static void AdoptRowCount(TRLData& D, int Rows);
};

}  // namespace zyn

namespace zyn::rlfiles {

/// Lines without their breaks (CR LF, LF or CR). The view stays valid until the next call.
class TLineSource {
public:
    virtual ~TLineSource() = default;
    /// Hands out the next line in Line; false at the end of the source.
    virtual bool NextLine(std::string_view& Line) = 0;
    /// Bytes handed out so far (lines and their breaks).
    std::int64_t Consumed() const { return consumed_; }
    /// Number of the last line handed out (1 for the first).
    int LineNumber() const { return lineNo_; }

protected:
    /// Bytes handed out so far.
    std::int64_t consumed_ = 0;
    /// Lines handed out so far.
    int lineNo_ = 0;
};

/// Reads a stream in large blocks; Finish() seeks back what was read beyond the last line
/// handed out, so the stream ends up right after that line.
class TStreamLines : public TLineSource {
public:
    /// Reads Stream from its current position; the stream must outlive the source.
    explicit TStreamLines(vcl::TStream* Stream) : stream_(Stream) {}
    /// Hands out the next line of the stream; false at its end.
    bool NextLine(std::string_view& Line) override;
    /// Seeks the stream back to just after the last line handed out.
    void Finish();

private:
    bool Fill();
    vcl::TStream* stream_;
    std::string buf_;
    std::size_t pos_ = 0;
    bool eof_ = false;
    bool skipLf_ = false;   // a CR ended the last line; a following LF belongs to it
};

/// Lines of a text in memory; the text must outlive the source.
class TStringLines : public TLineSource {
public:
    /// Reads Text from its start.
    explicit TStringLines(std::string_view Text) : text_(Text) {}
    /// Hands out the next line of the text; false at its end.
    bool NextLine(std::string_view& Line) override;

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

/// Lines of an open text file, read from its current line.
class TTextFileLines : public TLineSource {
public:
    /// Reads File from its current line; the file stays open.
    explicit TTextFileLines(vcl::TTextFile& File) : file_(File) {}
    /// Hands out the next line of the file; false at its end.
    bool NextLine(std::string_view& Line) override;

private:
    vcl::TTextFile& file_;
    std::string line_;
};

/// Collects text and hands it to Flush in blocks of about a megabyte. The buffer starts
/// small and grows as the text does (a small data set need not pay for a megabyte).
class TTextSink {
public:
    /// Hands each full block to Flush.
    explicit TTextSink(std::function<void(std::string_view)> Flush) : flush_(std::move(Flush)) { buf_.reserve(16384); }
    ~TTextSink() = default;
    /// The text collected so far, for appending to it directly (call MaybeFlush after).
    std::string& Buffer() { return buf_; }
    /// Appends S, handing a full block on.
    void Put(std::string_view S) { buf_ += S; MaybeFlush(); }
    /// Hands the text on once it has reached a block.
    void MaybeFlush() { if (buf_.size() >= kBlock) Flush(); }
    /// Hands on whatever was collected.
    void Flush() { if (!buf_.empty()) flush_(buf_); buf_.clear(); }

private:
    static constexpr std::size_t kBlock = 1 << 20;
    std::function<void(std::string_view)> flush_;
    std::string buf_;
};

// Writes FName through Write into a temporary file beside it and renames that over FName
// only when everything was written, so a failure never destroys the previous file.
void SaveFileSafely(const std::string& FName, const std::function<void(vcl::TStream*)>& Write);

/// What a reader may let the table it builds cost. The estimate follows the cell store: the
/// declared row count and empty rows cost nothing (a column keeps storage only up to its last
/// text), a column costs its name, format and store, and every cell slot up to the last text
/// of its column costs 16 bytes, counted two and a half times for the slack and the copy of a
/// growing column. The estimate may reach the larger of 256 MB and 16 bytes for each byte
/// read: whatever the writer wrote reads back, while a small file that declares or places its
/// cells far apart is refused before it costs more than that.
class TTableBudget {
public:
    /// The budget every reader may spend: 256 MB.
    static constexpr std::int64_t kFloor = std::int64_t(256) << 20;
    /// Budget bytes each byte read adds beyond the floor.
    static constexpr std::int64_t kPerByteRead = 16;
    /// Estimated bytes of one column (name, format, store).
    static constexpr std::int64_t kPerColumn = 128;
    /// Estimated bytes of one cell slot, slack and copy included.
    static constexpr std::int64_t kPerSlot = 40;

    /// Charges columns 1..Cols; the message for a table over the budget, "" when it fits.
    std::string Columns(long long Cols, std::int64_t BytesRead);
    /// Charges a text in column Col (0..) at stored row Row (1..).
    std::string Cell(long long Col, long long Row, std::int64_t BytesRead);
    /// A declared row count: only its range is checked, rows themselves cost nothing.
    static std::string Rows(long long Rows);
    /// The estimated bytes of what was charged so far.
    std::int64_t Estimate() const { return slots_ * kPerSlot + cols_ * kPerColumn; }

private:
    std::string Check(std::int64_t BytesRead) const;
    std::vector<std::int64_t> lengths_;   // per column, the last row given a text
    std::int64_t slots_ = 0;
    std::int64_t cols_ = 0;
};

// The whole content of a file or stream remainder, a UTF-8 byte-order mark removed.
std::string ReadWholeFile(const std::string& FName);
void StripBom(std::string& Text);

}  // namespace zyn::rlfiles
