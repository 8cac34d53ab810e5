#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "platform/Classes.h"

using namespace vcl;

namespace {
std::string Out(const char* name) { return std::string(ZYN_TEST_OUTPUT_DIR) + "/" + name; }
}  // namespace

TEST(Stream, MemoryStreamSeekWriteAndShortReads) {
    TMemoryStream m;
    m.WriteBuffer("hello", 5);
    EXPECT_EQ(m.GetPosition(), 5);
    EXPECT_EQ(m.GetSize(), 5);
    m.Seek(-2, soEnd);
    m.WriteBuffer("LOWORLD", 7);          // overwrites and grows
    EXPECT_EQ(std::string(m.Bytes().begin(), m.Bytes().end()), "helLOWORLD");
    m.SetPosition(12);                    // past the end: a write fills the gap with zeros
    m.WriteBuffer("!", 1);
    EXPECT_EQ(m.GetSize(), 13);
    EXPECT_EQ(m.Bytes()[10], 0);
    EXPECT_THROW(m.Seek(-1, soBeginning), EStreamError);

    m.SetPosition(8);
    char buf[8] = {};
    EXPECT_EQ(m.Read(buf, 8), 5);         // Read gives what there is
    m.SetPosition(8);
    try {
        m.ReadBuffer(buf, 8);             // ReadBuffer insists
        FAIL();
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Stream read error");
    }
    m.SetSize(3);
    EXPECT_EQ(m.GetPosition(), 3);
    EXPECT_EQ(m.Read(buf, 1), 0);
}

TEST(Stream, StringStreamAndCopyFrom) {
    TStringStream s("abcdef");
    EXPECT_EQ(s.ReadString(2), "ab");
    EXPECT_EQ(s.ReadString(100), "cdef");
    EXPECT_EQ(s.ReadString(1), "");
    s.WriteString("gh");
    EXPECT_EQ(s.GetDataString(), "abcdefgh");

    TMemoryStream copy;
    EXPECT_EQ(copy.CopyFrom(&s, 0), 8);   // 0: the whole source from its start
    EXPECT_EQ(copy.GetSize(), 8);
    s.SetPosition(6);
    EXPECT_THROW(copy.CopyFrom(&s, 5), EReadError);
}

TEST(Stream, FileStreamModesAndErrors) {
    std::string path = Out("core_stream.bin");
    {
        TFileStream f(path, fmCreate);
        f.WriteBuffer("0123456789", 10);
        EXPECT_EQ(f.GetSize(), 10);
    }
    {
        TFileStream f(path, fmOpenReadWrite);
        f.Seek(3, soBeginning);
        f.WriteBuffer("xy", 2);
        f.SetSize(8);
        EXPECT_EQ(f.GetSize(), 8);
    }
    {
        TFileStream f(path, fmOpenRead);
        char buf[16] = {};
        f.ReadBuffer(buf, 8);
        EXPECT_EQ(std::string(buf), "012xy567");
        EXPECT_THROW(f.WriteBuffer("z", 1), EWriteError);   // opened for reading only
        EXPECT_THROW(f.ReadBuffer(buf, 1), EReadError);
    }
    try {
        TFileStream f(Out("missing.bin"), fmOpenRead);
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_EQ(std::string(e.Message()).rfind("Cannot open file \"" + Out("missing.bin") + "\". ", 0), 0u)
            << e.Message();
    }
    EXPECT_THROW(TFileStream(ZYN_TEST_OUTPUT_DIR, fmOpenRead), EFOpenError);   // a directory
    EXPECT_THROW(TFileStream(Out("no/dir/x.bin"), fmCreate), EFCreateError);
    // Both derive from the stream error classes, so one handler catches either.
    EXPECT_THROW(TFileStream(Out("no/dir/x.bin"), fmCreate), EStreamError);

    TMemoryStream m;
    m.LoadFromFile(path);
    EXPECT_EQ(m.GetSize(), 8);
    m.SaveToFile(Out("core_stream2.bin"));
    TMemoryStream m2;
    m2.LoadFromFile(Out("core_stream2.bin"));
    EXPECT_EQ(m2.Bytes(), m.Bytes());
}

TEST(TextFile, WriteAppendReadAndEof) {
    std::string path = Out("core_text.txt");
    TextFile f;
    AssignFile(f, path);
    Rewrite(f);
    WriteLn(f, "first");
    f.Write("sec");
    WriteLn(f, "ond");
    CloseFile(f);
    Append(f);
    WriteLn(f);
    WriteLn(f, "last");
    CloseFile(f);

    Reset(f);
    std::vector<std::string> lines;
    while (!Eof(f)) {
        std::string line;
        ReadLn(f, line);
        lines.push_back(line);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"first", "second", "", "last"}));
    EXPECT_EQ(f.ReadLn(), "");            // reading at the end gives an empty line
    EXPECT_THROW(f.WriteLn("x"), EInOutError);
    CloseFile(f);
    EXPECT_THROW(CloseFile(f), EInOutError);
    EXPECT_THROW(f.ReadLn(), EInOutError);

    // Lines ending in CR LF or CR alone read the same.
    {
        TFileStream raw(path, fmCreate);
        raw.WriteText("a\r\nb\rc");
    }
    Reset(f);
    EXPECT_EQ(f.ReadLn(), "a");
    EXPECT_EQ(f.ReadLn(), "b");
    EXPECT_FALSE(f.Eof());
    EXPECT_EQ(f.ReadLn(), "c");
    EXPECT_TRUE(f.Eof());
    CloseFile(f);

    TextFile missing;
    std::remove(Out("nothing.txt").c_str());
    AssignFile(missing, Out("nothing.txt"));
    EXPECT_THROW(Reset(missing), EInOutError);
    EXPECT_THROW(Append(missing), EInOutError);
    TextFile unnamed;
    EXPECT_THROW(Rewrite(unnamed), EInOutError);
}
