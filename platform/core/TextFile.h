// An open text file, read or written line by line (the classic AssignFile / Rewrite /
// Append / Reset / WriteLn / ReadLn / Eof / CloseFile sequence). Failures raise EInOutError.
#pragma once

#include <cstdio>
#include <string>

namespace vcl {

class TTextFile {
public:
    TTextFile() = default;
    TTextFile(const TTextFile&) = delete;
    TTextFile& operator=(const TTextFile&) = delete;
    ~TTextFile();

    // Names the file; raises EInOutError when the file is open.
    void AssignFile(const std::string& FileName);
    const std::string& GetFileName() const { return fileName_; }
    // Creates or truncates the file for writing.
    void Rewrite();
    // Opens an existing file for writing at its end.
    void Append();
    // Opens an existing file for reading.
    void Reset();
    void CloseFile();
    bool IsOpen() const { return file_ != nullptr; }
    bool IsInput() const { return input_; }

    void Write(const std::string& S);
    // Writes S and the line break (LineBreak, default LF).
    void WriteLn(const std::string& S = std::string());
    // The next line without its break (CR LF, LF or CR); "" at the end of the file.
    std::string ReadLn();
    bool ReadLn(std::string& Line);   // false (Line empty) at the end of the file
    // True when nothing is left to read. A closed file or one open for writing raises.
    bool Eof();

    std::string LineBreak = "\n";

private:
    void CheckOpen(bool forInput) const;
    [[noreturn]] void Fail(const std::string& what) const;
    void Open(const char* mode, bool forInput, const char* action);
    int Peek();

    std::string fileName_;
    std::FILE* file_ = nullptr;
    bool input_ = false;
};

using TextFile = TTextFile;

inline void AssignFile(TTextFile& F, const std::string& FileName) { F.AssignFile(FileName); }
inline void Rewrite(TTextFile& F) { F.Rewrite(); }
inline void Reset(TTextFile& F) { F.Reset(); }
inline void Append(TTextFile& F) { F.Append(); }
inline void CloseFile(TTextFile& F) { F.CloseFile(); }
inline bool Eof(TTextFile& F) { return F.Eof(); }
inline void WriteLn(TTextFile& F, const std::string& S = std::string()) { F.WriteLn(S); }
inline void ReadLn(TTextFile& F, std::string& S) { S = F.ReadLn(); }

}  // namespace vcl
