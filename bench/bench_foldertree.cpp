// Expanding a folder of 10,000 subfolders: listing, the expand-button test of every
// subfolder, sorting and adding the nodes. The folders live in a temporary folder that
// drive "C:" maps to; it is made once and removed at the end.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "foldertree/Zyn_FolderTree.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/SysUtils.h"
#include "platform/Testing.h"

using namespace zyn;
namespace fs = std::filesystem;

namespace {

// Root/flat: 10,000 empty subfolders. Root/nested: 10,000 subfolders with one each.
class Folders {
public:
    Folders() {
        root_ = fs::temp_directory_path() / ("zyn-bench-foldertree-" + std::to_string(::getpid()));
        for (int i = 0; i < 10000; ++i) {
            const std::string name = "Folder " + std::to_string((i * 7919) % 10000);   // not in order
            fs::create_directories(root_ / "flat" / name);
            fs::create_directories(root_ / "nested" / name / "inner");
        }
        vcl::SetDriveMapping('C', root_.string());
    }
    ~Folders() {
        vcl::ClearDriveMappings();
        std::error_code ec;
        fs::remove_all(root_, ec);
    }

private:
    fs::path root_;
};

Folders& TheFolders() {
    static Folders folders;
    return folders;
}

void ExpandFolder(benchmark::State& State, const std::string& Path) {
    TheFolders();
    TFolderTree tree(nullptr);
    for (auto _ : State) {
        State.PauseTiming();   // a fresh tree, the root open
        tree.SelectPath("C:\\");
        vcl::TTreeNode* root = tree.GetItems()->GetFirstNode();
        vcl::TTreeNode* folder = root->GetItem(0)->GetText() == Path ? root->GetItem(0) : root->GetItem(1);
        State.ResumeTiming();
        folder->Expand(false);
        benchmark::DoNotOptimize(folder->GetCount());
        if (folder->GetCount() != 10000) State.SkipWithError("wrong number of subfolders");
    }
}

}  // namespace

static void BM_FolderTreeExpand10000(benchmark::State& State) { ExpandFolder(State, "flat"); }
BENCHMARK(BM_FolderTreeExpand10000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

static void BM_FolderTreeExpand10000WithButtons(benchmark::State& State) { ExpandFolder(State, "nested"); }
BENCHMARK(BM_FolderTreeExpand10000WithButtons)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// ---- a tree of 100,000 folders ------------------------------------------------------------
// Root/big: 10 x 100 x 100 folders (101,110 in all), each of the 10 with a link back to the
// root and one to its neighbour, so that opening every branch meets loops and second ways.
namespace {

class BigFolders {
public:
    BigFolders() {
        root_ = fs::temp_directory_path() / ("zyn-bench-foldertree-big-" + std::to_string(::getpid()));
        for (int a = 0; a < 10; ++a) {
            const fs::path top = root_ / ("Area " + std::to_string(a));
            for (int b = 0; b < 100; ++b)
                for (int c = 0; c < 100; ++c)
                    fs::create_directories(top / ("Group " + std::to_string(b)) / ("Item " + std::to_string(c)));
            std::error_code ec;
            fs::create_directory_symlink("..", top / "Back to the root", ec);
            fs::create_directory_symlink("../Area " + std::to_string((a + 1) % 10), top / "Next area", ec);
        }
    }
    ~BigFolders() {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    const fs::path& Root() const { return root_; }

private:
    fs::path root_;
};

BigFolders& TheBigFolders() {
    static BigFolders folders;
    return folders;
}

}  // namespace

// Opening every branch of the 100,000 folders (FullExpand, as '*' on the root does).
static void BM_FolderTreeFullExpand100000(benchmark::State& State) {
    BigFolders& big = TheBigFolders();
    TFolderTree tree(nullptr);
    tree.SetRootFolder(big.Root().string());
    for (auto _ : State) {
        State.PauseTiming();
        tree.Reset();
        State.ResumeTiming();
        tree.FullExpand();
        benchmark::DoNotOptimize(tree.GetItems()->GetCount());
    }
    State.counters["nodes"] = tree.GetItems()->GetCount();
    if (tree.GetItems()->GetCount() < 100000) State.SkipWithError("not every folder was shown");
}
BENCHMARK(BM_FolderTreeFullExpand100000)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// With every folder shown: one step down by key and one repaint of a 300 x 400 tree.
static void BM_FolderTreeStepAndPaint100000(benchmark::State& State) {
    BigFolders& big = TheBigFolders();
    vcl::TForm form(nullptr);
    form.SetBounds(0, 0, 320, 420);
    auto* tree = new TFolderTree(&form);
    tree->SetParent(&form);
    tree->SetBounds(0, 0, 300, 400);
    tree->SetRootFolder(big.Root().string());
    tree->HandleNeeded();
    tree->FullExpand();
    tree->SetSelected(tree->GetItems()->GetFirstNode());
    vcl::TBitmap target;
    target.SetSize(300, 400);
    for (auto _ : State) {
        vcl::Input::KeyDown(tree, vcl::VK_DOWN);
        tree->PaintTo(target.GetCanvas(), 0, 0);
        benchmark::DoNotOptimize(target.ScanLine(0));
    }
    State.counters["nodes"] = tree->GetItems()->GetCount();
}
BENCHMARK(BM_FolderTreeStepAndPaint100000)->Unit(benchmark::kMillisecond)->UseRealTime();
