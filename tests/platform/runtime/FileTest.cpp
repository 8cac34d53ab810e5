// File functions on a temporary folder, in host form and through the drive mapping.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <vector>

#include "platform/SysUtils.h"

using namespace vcl;
namespace fs = std::filesystem;

namespace {

class Files : public ::testing::Test {
protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "zynrtXXXXXX").string();
        ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
        root_ = tmpl;
        SetDriveMapping('C', root_);
    }
    void TearDown() override {
        ClearDriveMappings();
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    void Touch(const std::string& rel, const std::string& text = "data") {
        std::ofstream(root_ + "/" + rel) << text;
    }
    // Names FindFirst/FindNext list for a search.
    static std::set<std::string> List(const std::string& path, int attr) {
        std::set<std::string> names;
        TSearchRec rec;
        for (int r = FindFirst(path, attr, rec); r == 0; r = FindNext(rec)) names.insert(rec.Name);
        FindClose(rec);
        return names;
    }
    std::string root_;
};

}  // namespace

TEST(Paths, StringFunctions) {
    const struct { const char* in; const char* path; const char* dir; const char* name; const char* ext; } cases[] = {
        {"C:\\Data\\x.txt", "C:\\Data\\", "C:\\Data", "x.txt", ".txt"},
        {"C:\\x.tar.gz", "C:\\", "C:\\", "x.tar.gz", ".gz"},
        {"/tmp/a.b/file", "/tmp/a.b/", "/tmp/a.b", "file", ""},
        {"C:name.", "C:", "C:", "name.", "."},
        {"plain", "", "", "plain", ""},
        {"\\\\srv\\x", "\\\\srv\\", "\\\\srv", "x", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExtractFilePath(c.in), c.path) << c.in;
        EXPECT_EQ(ExtractFileDir(c.in), c.dir) << c.in;
        EXPECT_EQ(ExtractFileName(c.in), c.name) << c.in;
        EXPECT_EQ(ExtractFileExt(c.in), c.ext) << c.in;
    }
    EXPECT_EQ(ChangeFileExt("C:\\a.b\\c.txt", ".bmp"), "C:\\a.b\\c.bmp");
    EXPECT_EQ(ChangeFileExt("C:\\a.b\\c", ".bmp"), "C:\\a.b\\c.bmp");
    EXPECT_EQ(ChangeFileExt("x.txt", ""), "x");
    EXPECT_EQ(IncludeTrailingPathDelimiter("C:\\Data"), "C:\\Data\\");
    EXPECT_EQ(IncludeTrailingPathDelimiter("C:\\Data\\"), "C:\\Data\\");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/tmp"), "/tmp/");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("C:\\Data\\"), "C:\\Data");
    EXPECT_EQ(ExtractFileDrive("c:\\x"), "c:");
    EXPECT_TRUE(IsPathDelimiter("a\\b", 2));
}

TEST(Paths, DriveMappingConvertsBothWays) {
    ClearDriveMappings();
    EXPECT_EQ(HostPath("C:\\Data\\x.txt"), "/Data/x.txt");
    EXPECT_EQ(HostPath("C:\\"), "/");
    EXPECT_EQ(HostPath("\\etc"), "/etc");
    EXPECT_EQ(HostPath("D:\\x"), "");  // unmapped
    EXPECT_EQ(HostPath("/usr/lib"), "/usr/lib");
    EXPECT_EQ(FrameworkPath("/usr/lib"), "C:\\usr\\lib");
    EXPECT_EQ(FrameworkPath("/"), "C:\\");
    SetDriveMapping('c', "/tmp/xyz/");
    SetDriveMapping('D', "/tmp/xyz/d");
    EXPECT_EQ(HostPath("c:\\Data\\"), "/tmp/xyz/Data/");
    EXPECT_EQ(HostPath("C:"), "/tmp/xyz");
    EXPECT_EQ(HostPath("D:\\a/b"), "/tmp/xyz/d/a/b");
    EXPECT_EQ(FrameworkPath("/tmp/xyz/Data/f"), "C:\\Data\\f");
    EXPECT_EQ(FrameworkPath("/tmp/xyz/d/f"), "D:\\f");  // the longest root wins
    EXPECT_EQ(FrameworkPath("/tmp/xyzzy"), "\\tmp\\xyzzy");  // under no root
    EXPECT_EQ(FrameworkPath("/tmp/xyz"), "C:\\");
    EXPECT_THROW(SetDriveMapping('1', "/"), EInOutError);
    ClearDriveMappings();
    EXPECT_EQ(HostPath("D:\\x"), "");
}

TEST_F(Files, FindFirstFiltersByAttributeAndPattern) {
    Touch("a.txt");
    Touch("b.dat", "0123456789");
    Touch("noext");
    Touch(".hidden");
    Touch("ä.txt");
    fs::create_directory(root_ + "/sub");
    fs::create_directory(root_ + "/.git");
    fs::create_directory(root_ + "/sub/inner");

    EXPECT_EQ(List("C:\\*.*", faAnyFile & ~faDirectory & ~faHidden),
              (std::set<std::string>{"a.txt", "b.dat", "noext", "ä.txt"}));
    EXPECT_EQ(List("C:\\*.*", faAnyFile),
              (std::set<std::string>{"a.txt", "b.dat", "noext", "ä.txt", ".hidden", "sub", ".git"}));
    EXPECT_EQ(List("C:\\*.txt", faAnyFile), (std::set<std::string>{"a.txt", "ä.txt"}));
    EXPECT_EQ(List("C:\\?.*", 0), (std::set<std::string>{"a.txt", "b.dat", "ä.txt"}));
    EXPECT_EQ(List("C:\\noext.*", 0), (std::set<std::string>{"noext"}));
    // Below the drive root the directory search lists "." and ".." like the framework's.
    EXPECT_EQ(List("C:\\sub\\*.*", faDirectory), (std::set<std::string>{".", "..", "inner"}));
    EXPECT_EQ(List(root_ + "/sub/*", faDirectory), (std::set<std::string>{".", "..", "inner"}));

    // Listing order does not depend on the host: names sorted without regard to case.
    Touch("B.txt");
    Touch("c.txt");
    std::vector<std::string> order;
    TSearchRec rec;
    for (int r = FindFirst("C:\\*.txt", 0, rec); r == 0; r = FindNext(rec)) order.push_back(rec.Name);
    FindClose(rec);
    EXPECT_EQ(order, (std::vector<std::string>{"a.txt", "B.txt", "c.txt", "ä.txt"}));

    ASSERT_EQ(FindFirst("C:\\b.dat", faAnyFile, rec), 0);
    EXPECT_EQ(rec.Size, 10);
    EXPECT_EQ(rec.Attr & faDirectory, 0);
    EXPECT_NE(rec.Attr & faArchive, 0);
    EXPECT_GT(rec.TimeStamp, 40000.0);
    EXPECT_NE(rec.Time, 0);
    EXPECT_NE(FindNext(rec), 0);
    FindClose(rec);
    ASSERT_EQ(FindFirst("C:\\.git", faAnyFile, rec), 0);
    EXPECT_EQ(rec.Attr & (faDirectory | faHidden), faDirectory | faHidden);
    FindClose(rec);

    EXPECT_NE(FindFirst("C:\\*.none", faAnyFile, rec), 0);
    EXPECT_NE(FindFirst("C:\\missing\\*.*", faAnyFile, rec), 0);
    EXPECT_NE(FindFirst("Q:\\*.*", faAnyFile, rec), 0);  // unmapped drive
    EXPECT_NE(FindNext(rec), 0);  // after a failed search: nothing, no crash
}

TEST_F(Files, ListDirectoryGivesNamesAndWhetherEachIsADirectory) {
    Touch("file.txt");
    fs::create_directories(root_ + "/sub/inner");
    fs::create_directory(root_ + "/.dot");
    fs::create_directory_symlink("sub", root_ + "/to-sub");
    fs::create_symlink("file.txt", root_ + "/to-file");
    fs::create_symlink("nowhere", root_ + "/dangling");
    fs::create_symlink("loop2", root_ + "/loop1");
    fs::create_symlink("loop1", root_ + "/loop2");
    std::map<std::string, bool> seen;
    EXPECT_TRUE(ListDirectory("C:\\", [&](const std::string& Name, bool IsDir) {
        seen[Name] = IsDir;
        return true;
    }));
    const std::map<std::string, bool> want{{".dot", true},      {"dangling", false}, {"file.txt", false},
                                           {"loop1", false},    {"loop2", false},    {"sub", true},
                                           {"to-file", false},  {"to-sub", true}};
    EXPECT_EQ(seen, want);
    // The listing stops when asked to, and works in host form too.
    int calls = 0;
    EXPECT_TRUE(ListDirectory(root_, [&](const std::string&, bool) { return ++calls < 2; }));
    EXPECT_EQ(calls, 2);
    EXPECT_FALSE(ListDirectory("C:\\missing", [](const std::string&, bool) { return true; }));
    EXPECT_FALSE(ListDirectory("C:\\file.txt", [](const std::string&, bool) { return true; }));
    SetDriveMapping('C', "");
    EXPECT_FALSE(ListDirectory("C:\\", [](const std::string&, bool) { return true; }));
}

TEST_F(Files, CreateRemoveRenameAndExistence) {
    EXPECT_TRUE(ForceDirectories("C:\\one\\two\\three\\"));
    EXPECT_TRUE(DirectoryExists("C:\\one\\two\\three"));
    EXPECT_TRUE(DirectoryExists(root_ + "/one/two"));
    EXPECT_TRUE(ForceDirectories("C:\\one\\two"));  // already there
    EXPECT_THROW(ForceDirectories(""), EInOutError);
    EXPECT_FALSE(ForceDirectories("Q:\\x"));

    EXPECT_FALSE(CreateDir("C:\\one"));  // exists
    EXPECT_FALSE(CreateDir("C:\\nope\\deeper"));
    EXPECT_TRUE(CreateDir("C:\\solo"));

    Touch("one/file.txt");
    EXPECT_TRUE(FileExists("C:\\one\\file.txt"));
    EXPECT_FALSE(FileExists("C:\\one"));
    EXPECT_FALSE(DirectoryExists("C:\\one\\file.txt"));
    EXPECT_FALSE(RemoveDir("C:\\one"));  // not empty
    EXPECT_TRUE(RenameFile("C:\\one\\file.txt", "C:\\one\\moved.txt"));
    Touch("one/other.txt");
    EXPECT_FALSE(RenameFile("C:\\one\\other.txt", "C:\\one\\moved.txt"));  // never replaces
    EXPECT_TRUE(FileExists(root_ + "/one/moved.txt"));
    EXPECT_FALSE(DeleteFile("C:\\one\\two"));  // a directory is not a file
    EXPECT_TRUE(DeleteFile("C:\\one\\moved.txt"));
    EXPECT_TRUE(DeleteFile("C:\\one\\other.txt"));
    EXPECT_FALSE(DeleteFile("C:\\one\\moved.txt"));
    EXPECT_TRUE(RemoveDir("C:\\one\\two\\three"));
    EXPECT_FALSE(DirectoryExists("C:\\one\\two\\three"));
    EXPECT_EQ(FileAge("C:\\solo"), -1);
}

TEST_F(Files, CurrentDirectoryInDriveForm) {
    const std::string saved = fs::current_path().string();
    fs::create_directory(root_ + "/work");
    ASSERT_TRUE(SetCurrentDir("C:\\work"));
    EXPECT_EQ(GetCurrentDir(), "C:\\work");
    Touch("work/rel.txt");
    EXPECT_TRUE(FileExists("rel.txt"));
    EXPECT_FALSE(SetCurrentDir("C:\\missing"));
    fs::current_path(saved);
}
