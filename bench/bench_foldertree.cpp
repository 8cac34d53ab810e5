// Expanding a folder of 10,000 subfolders: listing, the expand-button test of every
// subfolder, sorting and adding the nodes. The folders live in a temporary folder that
// drive "C:" maps to; it is made once and removed at the end.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "foldertree/Zyn_FolderTree.h"
#include "platform/SysUtils.h"

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
