// The open text file: a stdio file with line reading that accepts any line break.
#include "platform/core/TextFile.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include "platform/runtime/Exceptions.h"

namespace vcl {

TTextFile::~TTextFile() {
    if (file_ != nullptr) std::fclose(file_);
}

void TTextFile::Fail(const std::string& what) const { throw EInOutError(what); }

void TTextFile::AssignFile(const std::string& FileName) {
    if (file_ != nullptr) Fail("File \"" + fileName_ + "\" is open");
    fileName_ = FileName;
}

void TTextFile::Open(const char* mode, bool forInput, const char* action) {
    if (fileName_.empty()) Fail("No file name assigned");
    if (file_ != nullptr) CloseFile();
    struct stat st {};
    if (::stat(fileName_.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
        Fail(std::string("Cannot ") + action + " file \"" + fileName_ + "\". " + std::strerror(EISDIR));
    }
    file_ = std::fopen(fileName_.c_str(), mode);
    if (file_ == nullptr)
        Fail(std::string("Cannot ") + action + " file \"" + fileName_ + "\". " + std::strerror(errno));
    input_ = forInput;
}

void TTextFile::Rewrite() { Open("wb", false, "create"); }
void TTextFile::Append() {
    // Appending needs an existing file, as reading does.
    struct stat st {};
    if (!fileName_.empty() && ::stat(fileName_.c_str(), &st) != 0)
        Fail("Cannot open file \"" + fileName_ + "\". " + std::strerror(errno));
    Open("ab", false, "open");
}
void TTextFile::Reset() { Open("rb", true, "open"); }

void TTextFile::CloseFile() {
    if (file_ == nullptr) Fail("File not open");
    bool ok = !input_ ? (std::fflush(file_) == 0 && !std::ferror(file_)) : true;
    ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    if (!ok) Fail("Error writing file \"" + fileName_ + "\"");
}

void TTextFile::CheckOpen(bool forInput) const {
    if (file_ == nullptr) Fail("File not open");
    if (input_ != forInput) Fail(forInput ? "File not open for input" : "File not open for output");
}

void TTextFile::Write(const std::string& S) {
    CheckOpen(false);
    if (!S.empty() && std::fwrite(S.data(), 1, S.size(), file_) != S.size())
        Fail("Error writing file \"" + fileName_ + "\"");
}

void TTextFile::WriteLn(const std::string& S) {
    Write(S);
    Write(LineBreak);
}

int TTextFile::Peek() {
    int c = std::fgetc(file_);
    if (c != EOF) std::ungetc(c, file_);
    return c;
}

bool TTextFile::ReadLn(std::string& Line) {
    CheckOpen(true);
    Line.clear();
    int c = std::fgetc(file_);
    if (c == EOF) {
        if (std::ferror(file_)) Fail("Error reading file \"" + fileName_ + "\"");
        return false;
    }
    while (c != EOF && c != '\n' && c != '\r') {
        Line += char(c);
        c = std::fgetc(file_);
    }
    if (c == '\r' && Peek() == '\n') std::fgetc(file_);
    if (std::ferror(file_)) Fail("Error reading file \"" + fileName_ + "\"");
    return true;
}

std::string TTextFile::ReadLn() {
    std::string line;
    ReadLn(line);
    return line;
}

bool TTextFile::Eof() {
    CheckOpen(true);
    return Peek() == EOF;
}

}  // namespace vcl
