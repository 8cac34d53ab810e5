// Pieces shared by the report list's file operations: line sources over streams, strings and
// open text files, a buffered text sink, the safe file save and the size budget of readers.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/Classes.h"

namespace zyn::rlfiles {

// Lines without their breaks (CR LF, LF or CR). The view stays valid until the next call.
class TLineSource {
public:
    virtual ~TLineSource() = default;
    virtual bool NextLine(std::string_view& Line) = 0;
    // Bytes handed out so far (lines and their breaks).
    std::int64_t Consumed() const { return consumed_; }
    int LineNumber() const { return lineNo_; }

protected:
    std::int64_t consumed_ = 0;
    int lineNo_ = 0;
};

// Reads a stream in large blocks; Finish() seeks back what was read beyond the last line
// handed out, so the stream ends up right after that line.
class TStreamLines : public TLineSource {
public:
    explicit TStreamLines(vcl::TStream* Stream) : stream_(Stream) {}
    bool NextLine(std::string_view& Line) override;
    void Finish();

private:
    bool Fill();
    vcl::TStream* stream_;
    std::string buf_;
    std::size_t pos_ = 0;
    bool eof_ = false;
    bool skipLf_ = false;   // a CR ended the last line; a following LF belongs to it
};

class TStringLines : public TLineSource {
public:
    explicit TStringLines(std::string_view Text) : text_(Text) {}
    bool NextLine(std::string_view& Line) override;

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

class TTextFileLines : public TLineSource {
public:
    explicit TTextFileLines(vcl::TTextFile& File) : file_(File) {}
    bool NextLine(std::string_view& Line) override;

private:
    vcl::TTextFile& file_;
    std::string line_;
};

// Collects text and hands it to Flush in blocks of about a megabyte. The buffer starts
// small and grows as the text does (a small data set need not pay for a megabyte).
class TTextSink {
public:
    explicit TTextSink(std::function<void(std::string_view)> Flush) : flush_(std::move(Flush)) { buf_.reserve(16384); }
    ~TTextSink() = default;
    std::string& Buffer() { return buf_; }
    void Put(std::string_view S) { buf_ += S; MaybeFlush(); }
    void MaybeFlush() { if (buf_.size() >= kBlock) Flush(); }
    void Flush() { if (!buf_.empty()) flush_(buf_); buf_.clear(); }

private:
    static constexpr std::size_t kBlock = 1 << 20;
    std::function<void(std::string_view)> flush_;
    std::string buf_;
};

// Writes FName through Write into a temporary file beside it and renames that over FName
// only when everything was written, so a failure never destroys the previous file.
void SaveFileSafely(const std::string& FName, const std::function<void(vcl::TStream*)>& Write);

// Readers refuse tables that would need far more memory than the data they read justify:
// (Cols + 1) * Rows cells are allowed up to max(4M, 8 per byte read). Returns the message
// for a refused size, or "" when it fits.
std::string TableBudgetProblem(long long Cols, long long Rows, std::int64_t BytesRead);
inline constexpr int MaxColumns = 65536;

// The whole content of a file or stream remainder, a UTF-8 byte-order mark removed.
std::string ReadWholeFile(const std::string& FName);
void StripBom(std::string& Text);

}  // namespace zyn::rlfiles
