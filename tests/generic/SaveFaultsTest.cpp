// Every save path run against storage that fails after N bytes, for many N: a stream whose
// writes come up short, and a file on a disk that refuses bytes past N (the process's file
// size limit). A save that cannot finish raises a framework exception, never succeeds in
// silence; a file that was there keeps its contents and no temporary is left beside it.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/StdCtrls.h"
#include "replist/Zyn_replist.h"

namespace {

using namespace vcl;
namespace fs = std::filesystem;

// A memory stream that takes Budget bytes in all and then writes nothing more.
class TShortStream : public TMemoryStream {
public:
    explicit TShortStream(std::int64_t Budget) : budget_(Budget) {}
    std::int64_t Write(const void* Buffer, std::int64_t Count) override {
        std::int64_t n = std::max<std::int64_t>(0, std::min(Count, budget_ - written_));
        written_ += n;
        return n == 0 ? 0 : TMemoryStream::Write(Buffer, n);
    }

private:
    std::int64_t budget_;
    std::int64_t written_ = 0;
};

// While alive, files of this process cannot grow past Bytes (writes past it fail with EFBIG).
class FileSizeLimit {
public:
    explicit FileSizeLimit(std::uint64_t Bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit r = old_;
        r.rlim_cur = Bytes;
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldSignal_);
    }

private:
    rlimit old_{};
    void (*oldSignal_)(int) = nullptr;
};

std::string ReadFile(const fs::path& P) {
    std::ifstream in(P, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// The lengths to fail at: every one for short outputs, otherwise the first and last
// sixteen and sixty spread over the rest.
std::vector<std::int64_t> FailurePoints(std::int64_t Full) {
    std::vector<std::int64_t> n;
    for (std::int64_t i = 0; i < Full; ++i)
        if (Full <= 200 || i < 16 || i >= Full - 16 || i % std::max<std::int64_t>(1, Full / 60) == 0) n.push_back(i);
    return n;
}

struct SavePath {
    std::string Name;
    std::string Extension;
    std::function<void(TStream*)> ToStream;               // empty: the path has no stream form
    std::function<void(const std::string&)> ToFile;
};

class SaveFaults : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::path(ZYN_TEST_OUTPUT_DIR) / ("save-faults-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);

        data = std::make_unique<zyn::TRLData>(nullptr);
        data->SetNrOfColumns(3);
        data->SetNrRows(40);
        for (int r = 1; r <= 40; ++r)
            for (int c = 1; c <= 3; ++c)
                data->SetElem(c, r, "Zelle <" + std::to_string(c) + "," + std::to_string(r) + "> & \xC3\xBC\"'");
        data->SetComment("a comment\nover two lines");

        form = std::make_unique<TForm>(nullptr);
        form->SetName("SavedForm");
        form->SetBounds(0, 0, 120, 90);
        auto* edit = new TEdit(form.get());
        edit->SetName("Edit1");
        edit->SetParent(form.get());
        edit->SetText("text to keep");
        auto* memo = new TMemo(form.get());
        memo->SetName("Memo1");
        memo->SetParent(form.get());
        memo->SetText("one\ntwo\nthree");

        bitmap = std::make_unique<TBitmap>();
        bitmap->SetPixelFormat(pf24bit);
        bitmap->SetSize(37, 23);
        for (int y = 0; y < 23; ++y)
            for (int x = 0; x < 37; ++x) bitmap->GetCanvas()->SetPixels(x, y, TColor((x * 7) | (y * 11) << 8 | (x ^ y) << 16));

        lines = std::make_unique<TStringList>();
        for (int i = 0; i < 50; ++i) lines->Add("line " + std::to_string(i) + " \xE2\x82\xAC");

        paths = {
            {"report list XML", ".xml", [this](TStream* S) { data->WriteToXMLStream(S, true, "sales"); },
             [this](const std::string& F) { data->SaveAsXMLFile(F, "sales"); }},
            {"report list HTML", ".html", {},
             [this](const std::string& F) {
                 data->ExportHTMLTable(F, 0, 1, 3, 40, {}, 1, 2, 3, true, "head", "cell", "table");
             }},
            {"form file", ".dfm", {}, [this](const std::string& F) { WriteFormFile(F, form.get()); }},
            {"bitmap BMP", ".bmp", [this](TStream* S) { bitmap->SaveToStream(S); },
             [this](const std::string& F) { bitmap->SaveToFile(F); }},
            {"bitmap PNG", ".png", {}, [this](const std::string& F) { bitmap->SaveToFile(F); }},
            {"form snapshot PNG", ".png", {}, [this](const std::string& F) { form->SaveToPNG(F); }},
            {"string list", ".txt", [this](TStream* S) { lines->SaveToStream(S); },
             [this](const std::string& F) { lines->SaveToFile(F); }},
            {"memory stream", ".bin", {},
             [this](const std::string& F) {
                 TMemoryStream m;
                 lines->SaveToStream(&m);
                 m.SaveToFile(F);
             }},
        };
    }
    void TearDown() override { fs::remove_all(dir); }

    // Whether F raises a framework exception; anything else is recorded as a fault.
    bool Raises(const std::function<void()>& F, const std::string& What) {
        try {
            F();
            return false;
        } catch (const Exception&) {
            return true;
        } catch (const std::exception& e) {
            faults.push_back(What + ": " + e.what() + " is not a framework exception");
            return true;
        }
    }

    fs::path dir;
    std::unique_ptr<zyn::TRLData> data;
    std::unique_ptr<TForm> form;
    std::unique_ptr<TBitmap> bitmap;
    std::unique_ptr<TStringList> lines;
    std::vector<SavePath> paths;
    std::vector<std::string> faults;
};

TEST_F(SaveFaults, AStreamThatFillsUpMakesEverySaveRaise) {
    int runs = 0;
    for (const SavePath& p : paths) {
        if (!p.ToStream) continue;
        TMemoryStream whole;
        p.ToStream(&whole);
        const std::int64_t full = whole.GetSize();
        ASSERT_GT(full, 0) << p.Name;
        for (std::int64_t n : FailurePoints(full)) {
            TShortStream s(n);
            if (!Raises([&] { p.ToStream(&s); }, p.Name)) faults.push_back(p.Name + ": " + std::to_string(n) + " of " +
                                                                          std::to_string(full) + " bytes written, no error");
            ++runs;
        }
        // With room for all of it the save succeeds and writes the same bytes.
        TShortStream enough(full);
        EXPECT_FALSE(Raises([&] { p.ToStream(&enough); }, p.Name)) << p.Name;
        EXPECT_EQ(enough.Bytes(), whole.Bytes()) << p.Name;
    }
    EXPECT_GT(runs, 100);
    EXPECT_TRUE(faults.empty()) << [&] {
        std::string s;
        for (const std::string& f : faults) s += "\n  " + f;
        return s;
    }();
}

TEST_F(SaveFaults, ADiskThatFillsUpLeavesTheOldFileAsItWas) {
    const std::string original = "the file as it was before the save\n";
    int runs = 0;
    for (const SavePath& p : paths) {
        const fs::path target = dir / ("target" + p.Extension);
        // What the save writes when nothing fails.
        p.ToFile(target.string());
        const std::string whole = ReadFile(target);
        ASSERT_FALSE(whole.empty()) << p.Name;
        std::vector<std::int64_t> points = FailurePoints(std::int64_t(whole.size()));
        // Files take long to write: every fourth point is enough here.
        for (std::size_t i = 0; i < points.size(); i += (points.size() > 40 ? 4 : 1)) {
            const std::int64_t n = points[i];
            { std::ofstream(target, std::ios::binary | std::ios::trunc) << original; }
            bool raised;
            {
                FileSizeLimit limit{std::uint64_t(n)};
                raised = Raises([&] { p.ToFile(target.string()); }, p.Name);
            }
            if (!raised) faults.push_back(p.Name + ": the disk took " + std::to_string(n) + " of " +
                                          std::to_string(whole.size()) + " bytes, no error");
            if (ReadFile(target) != original) faults.push_back(p.Name + ": the old file was damaged at " + std::to_string(n));
            int others = 0;
            for (const auto& e : fs::directory_iterator(dir)) others += e.path() != target;
            if (others != 0) faults.push_back(p.Name + ": a temporary file was left behind at " + std::to_string(n));
            ++runs;
        }
        // A save that can finish replaces the old file whole.
        { std::ofstream(target, std::ios::binary | std::ios::trunc) << original; }
        p.ToFile(target.string());
        EXPECT_EQ(ReadFile(target), whole) << p.Name;
        fs::remove(target);
    }
    EXPECT_GT(runs, 50);
    EXPECT_TRUE(faults.empty()) << [&] {
        std::string s;
        for (std::size_t i = 0; i < faults.size() && i < 30; ++i) s += "\n  " + faults[i];
        return s;
    }();
}

// A save into a folder that does not exist, or onto a folder, raises and creates nothing.
TEST_F(SaveFaults, UnwritablePlacesRaise) {
    for (const SavePath& p : paths) {
        EXPECT_TRUE(Raises([&] { p.ToFile((dir / "missing" / ("x" + p.Extension)).string()); }, p.Name)) << p.Name;
        fs::create_directory(dir / "folder");
        EXPECT_TRUE(Raises([&] { p.ToFile((dir / "folder").string()); }, p.Name)) << p.Name;
        EXPECT_TRUE(fs::is_directory(dir / "folder")) << p.Name;
        fs::remove(dir / "folder");
        EXPECT_TRUE(fs::is_empty(dir)) << p.Name;
    }
    EXPECT_TRUE(faults.empty());
}

}  // namespace
