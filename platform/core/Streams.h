// Streams of bytes: the abstract TStream, files, memory and strings.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/core/Component.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/Utf8.h"

namespace vcl {

VCL_DECLARE_EXCEPTION(EStreamError, Exception)
VCL_DECLARE_EXCEPTION(EFileStreamError, EStreamError)
VCL_DECLARE_EXCEPTION(EFCreateError, EFileStreamError)   // "Cannot create file \"x\". reason"
VCL_DECLARE_EXCEPTION(EFOpenError, EFileStreamError)     // "Cannot open file \"x\". reason"

enum TSeekOrigin : std::uint8_t { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
public:
    std::string ClassName() const override { return "TStream"; }

    // Reads up to Count bytes into Buffer; returns how many were read (0 at the end).
    virtual std::int64_t Read(void* Buffer, std::int64_t Count) = 0;
    // Writes up to Count bytes; returns how many were written.
    virtual std::int64_t Write(const void* Buffer, std::int64_t Count) = 0;
    // Moves the position; returns the new one. Raises EStreamError for a negative result.
    virtual std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) = 0;

    // Exactly Count bytes or EReadError "Stream read error" / EWriteError "Stream write error".
    void ReadBuffer(void* Buffer, std::int64_t Count);
    void WriteBuffer(const void* Buffer, std::int64_t Count);
    // Copies Count bytes from Source's position (Count 0: the whole of Source from its
    // start); returns the number copied.
    std::int64_t CopyFrom(TStream* Source, std::int64_t Count);

    std::int64_t GetPosition() { return Seek(0, soCurrent); }
    void SetPosition(std::int64_t Pos) { Seek(Pos, soBeginning); }
    virtual std::int64_t GetSize();
    // Truncates or extends; streams that cannot change size raise EStreamError.
    virtual void SetSize(std::int64_t NewSize);

    // Convenience for text: the bytes from the position to the end / the bytes of S.
    std::string ReadAllText();
    void WriteText(const std::string& S) { WriteBuffer(S.data(), std::int64_t(S.size())); }
};

// File open modes. fmCreate creates or truncates; the others open an existing file.
constexpr std::uint16_t fmOpenRead = 0x0000, fmOpenWrite = 0x0001, fmOpenReadWrite = 0x0002,
                        fmShareCompat = 0x0000, fmShareExclusive = 0x0010,
                        fmShareDenyWrite = 0x0020, fmShareDenyRead = 0x0030,
                        fmShareDenyNone = 0x0040, fmCreate = 0xFF00;

class TFileStream : public TStream {
public:
    // Raises EFCreateError (fmCreate) or EFOpenError with the system's reason.
    TFileStream(const std::string& FileName, std::uint16_t Mode);
    ~TFileStream() override;
    std::string ClassName() const override { return "TFileStream"; }

    std::int64_t Read(void* Buffer, std::int64_t Count) override;
    std::int64_t Write(const void* Buffer, std::int64_t Count) override;
    std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
    void SetSize(std::int64_t NewSize) override;
    const std::string& GetFileName() const { return fileName_; }
    // Closes the file now: EWriteError when the system reports a write it could not
    // complete. Reads and writes fail afterwards; the destructor closes silently.
    void Close();

private:
    std::string fileName_;
    int fd_ = -1;
};

class TMemoryStream : public TStream {
public:
    std::string ClassName() const override { return "TMemoryStream"; }

    std::int64_t Read(void* Buffer, std::int64_t Count) override;
    std::int64_t Write(const void* Buffer, std::int64_t Count) override;
    std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
    std::int64_t GetSize() override { return std::int64_t(data_.size()); }
    void SetSize(std::int64_t NewSize) override;

    void* GetMemory() { return data_.data(); }
    const std::vector<std::uint8_t>& Bytes() const { return data_; }
    void Clear() { data_.clear(); pos_ = 0; }
    void LoadFromStream(TStream* Stream);
    void SaveToStream(TStream* Stream);
    void LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName);

protected:
    std::vector<std::uint8_t> data_;
    std::int64_t pos_ = 0;
};

// Saves a file through a temporary file beside it: Write fills the temporary, which then
// replaces FileName in one step (rename). When Write raises or the disk refuses a byte, the
// exception passes on, FileName keeps its old contents and the temporary is removed. An
// existing file keeps its permission bits. Used by every SaveToFile of the framework.
void SaveFileSafely(const std::string& FileName, const std::function<void(TStream* Out)>& Write);

// A memory stream over a string (UTF-8 bytes).
class TStringStream : public TMemoryStream {
public:
    TStringStream() = default;
    explicit TStringStream(const std::string& AString);
    std::string ClassName() const override { return "TStringStream"; }
    std::string GetDataString() const { return std::string(data_.begin(), data_.end()); }
    // Reads Count bytes (fewer at the end) from the position as a string.
    std::string ReadString(std::int64_t Count);
    void WriteString(const std::string& S) { WriteText(S); }
};

}  // namespace vcl
