// Listing and ordering subfolders: which entries count, the expand-button test, the sort
// order, and names that are not UTF-8.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "foldertree/FolderTreeSupport.h"
#include "foldertree/Zyn_FolderTree.h"

using namespace zyn;

namespace {

std::vector<std::string> Names(const std::vector<TSubFolder>& Folders) {
    std::vector<std::string> names;
    for (const TSubFolder& f : Folders) names.push_back(f.Name + (f.HasSubFolders ? "+" : ""));
    return names;
}

// The order of repeated passes over neighbours, exchanging a pair whose lower-case names
// are out of order, until a pass exchanges nothing.
std::vector<TSubFolder> NeighbourPassSort(std::vector<TSubFolder> F) {
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (std::size_t i = 0; i + 1 < F.size(); ++i) {
            if (FolderNameKey(F[i].Name) > FolderNameKey(F[i + 1].Name)) {
                std::swap(F[i], F[i + 1]);
                exchanged = true;
            }
        }
    }
    return F;
}

}  // namespace

TEST(FolderListing, OnlyFoldersNotBeginningWithADot) {
    zyn_test::TempFolders tmp;
    tmp.Dir("b/deep");
    tmp.Dir("A");
    tmp.Dir("c/.git");         // only a dot folder: no button
    tmp.Dir("d");
    tmp.File("d/readme.txt");  // only files: no button
    tmp.Dir(".hidden/x");
    tmp.File("file.txt");
    std::vector<TSubFolder> folders;
    ListSubFolders("C:\\", folders);
    EXPECT_EQ(Names(folders), (std::vector<std::string>{"A", "b+", "c", "d"}));
    folders.clear();
    ListSubFolders("C:\\b", folders);   // without the trailing '\'
    EXPECT_EQ(Names(folders), (std::vector<std::string>{"deep"}));
    folders.clear();
    ListSubFolders("C:\\missing\\", folders);
    EXPECT_TRUE(folders.empty());
}

TEST(FolderListing, SortedByLowerCaseKeepingTheListedOrderOfEquals) {
    std::vector<TSubFolder> f{{"b"}, {"A"}, {"c"}, {"a"}, {"B"}};
    SortFolderNames(f);
    EXPECT_EQ(Names(f), (std::vector<std::string>{"A", "a", "B", "b", "c"}));

    // Random names over a small alphabet (many equal in lower case) sort exactly as the
    // neighbour passes would sort them from the order of the file search.
    std::mt19937 rng(7);
    const std::string alphabet = "aAbB_-1Zz";
    std::set<std::string> unique;   // a folder holds each name once
    while (unique.size() < 300) {
        std::string s;
        for (int k = 0, n = 1 + int(rng() % 4); k < n; ++k) s += alphabet[rng() % alphabet.size()];
        unique.insert(s);
    }
    std::vector<TSubFolder> names;
    for (const std::string& s : unique) names.push_back({s, (rng() & 1) != 0});
    std::shuffle(names.begin(), names.end(), rng);
    std::vector<TSubFolder> sorted = names;
    SortFolderNames(sorted);
    std::sort(names.begin(), names.end(),
              [](const TSubFolder& a, const TSubFolder& b) { return FolderListOrder(a.Name, b.Name); });
    const std::vector<TSubFolder> reference = NeighbourPassSort(names);
    EXPECT_EQ(Names(sorted), Names(reference));
}

TEST(FolderListing, NamesThatAreNotUtf8) {
    EXPECT_EQ(DisplayName("ok"), "ok");
    EXPECT_EQ(DisplayName("B\xC3\xA4r"), "B\xC3\xA4r");
    EXPECT_EQ(DisplayName("bad\xFF"), "bad\xEF\xBF\xBD");
    EXPECT_EQ(DisplayName("\xC3"), "\xEF\xBF\xBD");          // cut sequence
    // Keys lower letters and keep foreign bytes, so two different bad names stay apart.
    EXPECT_EQ(FolderNameKey("AbC"), "abc");
    EXPECT_EQ(FolderNameKey("\xC3\x84pfel"), "\xC3\xA4pfel");   // Ä lowered
    EXPECT_NE(FolderNameKey("x\xFE"), FolderNameKey("x\xFF"));
    EXPECT_NE(FolderNameKey("x\xFF"), FolderNameKey("x\xEF\xBF\xBD"));
}
