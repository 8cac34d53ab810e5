// TStream helpers, files through POSIX descriptors, memory and string streams.
#include "platform/core/Streams.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/runtime/Exceptions.h"

namespace vcl {

// ---- TStream ------------------------------------------------------------------------------

void TStream::ReadBuffer(void* Buffer, std::int64_t Count) {
    auto* out = static_cast<std::uint8_t*>(Buffer);
    std::int64_t done = 0;
    while (done < Count) {
        std::int64_t n = Read(out + done, Count - done);
        if (n <= 0) throw EReadError("Stream read error");
        done += n;
    }
}

void TStream::WriteBuffer(const void* Buffer, std::int64_t Count) {
    const auto* in = static_cast<const std::uint8_t*>(Buffer);
    std::int64_t done = 0;
    while (done < Count) {
        std::int64_t n = Write(in + done, Count - done);
        if (n <= 0) throw EWriteError("Stream write error");
        done += n;
    }
}

std::int64_t TStream::CopyFrom(TStream* Source, std::int64_t Count) {
    if (Count == 0) {
        Source->SetPosition(0);
        Count = Source->GetSize();
    }
    std::vector<std::uint8_t> buffer(std::size_t(std::min<std::int64_t>(Count, 1 << 16)));
    std::int64_t left = Count;
    while (left > 0) {
        std::int64_t n = std::min<std::int64_t>(left, std::int64_t(buffer.size()));
        Source->ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.data(), n);
        left -= n;
    }
    return Count;
}

std::int64_t TStream::GetSize() {
    std::int64_t pos = Seek(0, soCurrent);
    std::int64_t size = Seek(0, soEnd);
    Seek(pos, soBeginning);
    return size;
}

void TStream::SetSize(std::int64_t) { throw EStreamError("Stream size cannot be changed"); }

std::string TStream::ReadAllText() {
    std::string text;
    char buffer[1 << 14];
    for (;;) {
        std::int64_t n = Read(buffer, sizeof buffer);
        if (n <= 0) break;
        text.append(buffer, std::size_t(n));
    }
    return text;
}

// ---- TFileStream --------------------------------------------------------------------------

TFileStream::TFileStream(const std::string& FileName, std::uint16_t Mode) : fileName_(FileName) {
    if (Mode == fmCreate || (Mode & 0xFF00) == fmCreate) {
        fd_ = ::open(FileName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd_ < 0)
            throw EFCreateError("Cannot create file \"" + FileName + "\". " + std::strerror(errno));
        return;
    }
    int flags = O_CLOEXEC;
    switch (Mode & 0x3) {
        case fmOpenWrite: flags |= O_WRONLY; break;
        case fmOpenReadWrite: flags |= O_RDWR; break;
        default: flags |= O_RDONLY; break;
    }
    fd_ = ::open(FileName.c_str(), flags);
    if (fd_ >= 0) {
        struct stat st {};
        if (::fstat(fd_, &st) == 0 && S_ISDIR(st.st_mode)) {
            ::close(fd_);
            fd_ = -1;
            errno = EISDIR;
        }
    }
    if (fd_ < 0) throw EFOpenError("Cannot open file \"" + FileName + "\". " + std::strerror(errno));
}

TFileStream::~TFileStream() {
    if (fd_ >= 0) ::close(fd_);
}

void TFileStream::Close() {
    // close() is where some file systems report a write they could not complete.
    if (fd_ < 0) return;
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) throw EWriteError("Cannot write \"" + fileName_ + "\". " + std::strerror(errno));
}

std::int64_t TFileStream::Read(void* Buffer, std::int64_t Count) {
    if (Count <= 0) return 0;
    ssize_t n;
    do {
        n = ::read(fd_, Buffer, std::size_t(Count));
    } while (n < 0 && errno == EINTR);
    return n < 0 ? 0 : n;
}

std::int64_t TFileStream::Write(const void* Buffer, std::int64_t Count) {
    if (Count <= 0) return 0;
    ssize_t n;
    do {
        n = ::write(fd_, Buffer, std::size_t(Count));
    } while (n < 0 && errno == EINTR);
    return n < 0 ? 0 : n;
}

std::int64_t TFileStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
    int whence = Origin == soBeginning ? SEEK_SET : Origin == soCurrent ? SEEK_CUR : SEEK_END;
    off_t pos = ::lseek(fd_, off_t(Offset), whence);
    if (pos < 0) throw EStreamError("Seek error in \"" + fileName_ + "\". " + std::strerror(errno));
    return pos;
}

void TFileStream::SetSize(std::int64_t NewSize) {
    if (NewSize < 0 || ::ftruncate(fd_, off_t(NewSize)) != 0)
        throw EStreamError("Cannot change the size of \"" + fileName_ + "\"");
    if (GetPosition() > NewSize) SetPosition(NewSize);
}

// ---- saving through a temporary -----------------------------------------------------------

void SaveFileSafely(const std::string& FileName, const std::function<void(TStream* Out)>& Write) {
    static unsigned counter = 0;
    const std::string temp = FileName + ".~" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    struct stat old {};
    const bool existed = ::stat(FileName.c_str(), &old) == 0;
    if (existed && S_ISDIR(old.st_mode))
        throw EFCreateError("Cannot create file \"" + FileName + "\". " + std::strerror(EISDIR));
    try {
        {
            TFileStream out(temp, fmCreate);
            Write(&out);
            out.Close();
        }
        if (existed) ::chmod(temp.c_str(), old.st_mode & 07777);
        if (std::rename(temp.c_str(), FileName.c_str()) != 0)
            throw EFCreateError("Cannot create file \"" + FileName + "\". " + std::strerror(errno));
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
}

// ---- TMemoryStream ------------------------------------------------------------------------

std::int64_t TMemoryStream::Read(void* Buffer, std::int64_t Count) {
    std::int64_t size = std::int64_t(data_.size());
    if (Count <= 0 || pos_ >= size) return 0;
    std::int64_t n = std::min(Count, size - pos_);
    std::memcpy(Buffer, data_.data() + pos_, std::size_t(n));
    pos_ += n;
    return n;
}

std::int64_t TMemoryStream::Write(const void* Buffer, std::int64_t Count) {
    if (Count <= 0) return 0;
    std::int64_t end = pos_ + Count;
    if (end > std::int64_t(data_.size())) data_.resize(std::size_t(end));   // a gap is zero-filled
    std::memcpy(data_.data() + pos_, Buffer, std::size_t(Count));
    pos_ = end;
    return Count;
}

std::int64_t TMemoryStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
    std::int64_t base = Origin == soBeginning ? 0 : Origin == soCurrent ? pos_ : std::int64_t(data_.size());
    std::int64_t pos = base + Offset;
    if (pos < 0) throw EStreamError("Seek before the start of the stream");
    pos_ = pos;   // beyond the end is allowed; a write there fills the gap
    return pos_;
}

void TMemoryStream::SetSize(std::int64_t NewSize) {
    if (NewSize < 0) throw EStreamError("Negative stream size");
    data_.resize(std::size_t(NewSize));
    if (pos_ > NewSize) pos_ = NewSize;
}

void TMemoryStream::LoadFromStream(TStream* Stream) {
    Stream->SetPosition(0);
    std::int64_t size = Stream->GetSize();
    std::vector<std::uint8_t> data(static_cast<std::size_t>(size));
    if (size > 0) Stream->ReadBuffer(data.data(), size);
    data_.swap(data);
    pos_ = 0;
}

void TMemoryStream::SaveToStream(TStream* Stream) {
    if (!data_.empty()) Stream->WriteBuffer(data_.data(), std::int64_t(data_.size()));
}

void TMemoryStream::LoadFromFile(const std::string& FileName) {
    TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&file);
}

void TMemoryStream::SaveToFile(const std::string& FileName) {
    SaveFileSafely(FileName, [this](TStream* Out) { SaveToStream(Out); });
}

// ---- TStringStream ------------------------------------------------------------------------

TStringStream::TStringStream(const std::string& AString) { data_.assign(AString.begin(), AString.end()); }

std::string TStringStream::ReadString(std::int64_t Count) {
    std::int64_t size = std::int64_t(data_.size());
    std::int64_t n = std::clamp<std::int64_t>(std::min(Count, size - pos_), 0, size);
    std::string s(data_.begin() + pos_, data_.begin() + pos_ + n);
    pos_ += n;
    return s;
}

}  // namespace vcl
