// The repository's includes as a graph: every source and header file (paths relative to
// the repository root) with the project files it includes, and the include loops in it.
#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace structure {

struct Include {
    std::string written;   // as the #include line writes it
    std::string target;    // the file it names, relative to the root ("" when none is found)
    int line = 0;
};

// File (relative path) -> the project includes it makes, in order.
using IncludeGraph = std::map<std::string, std::vector<Include>>;

// Reads every .h/.cpp below Root, leaving out build folders, out/ and .git. A quoted include
// names a file relative to the root, to the including file's folder or to tests/ (the test
// programs' include folders), tried in that order; system includes are not followed.
IncludeGraph ReadIncludeGraph(const std::filesystem::path& Root);

// Include loops, each as its files with the first repeated at the end ("a.h", "b.h",
// "a.h"): at least one loop for every group of files that include each other round, and
// no loop twice.
std::vector<std::vector<std::string>> FindIncludeLoops(const IncludeGraph& Graph);

}  // namespace structure
