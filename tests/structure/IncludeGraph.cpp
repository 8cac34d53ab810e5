// Reading the includes of the source tree and finding loops in them.
#include "IncludeGraph.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <regex>

namespace structure {

namespace fs = std::filesystem;

namespace {

bool Skipped(const fs::path& Relative) {
    const std::string first = Relative.begin()->string();
    return first == ".git" || first == "out" || first.rfind("build", 0) == 0;
}

bool IsSource(const fs::path& P) {
    const std::string ext = P.extension().string();
    return ext == ".h" || ext == ".hpp" || ext == ".cpp" || ext == ".cc";
}

std::string Resolve(const fs::path& Root, const fs::path& From, const std::string& Written) {
    for (const fs::path& base : {Root, (Root / From).parent_path(), Root / "tests"}) {
        const fs::path candidate = (base / Written).lexically_normal();
        if (fs::is_regular_file(candidate)) return candidate.lexically_relative(Root).generic_string();
    }
    return {};
}

}  // namespace

IncludeGraph ReadIncludeGraph(const fs::path& Root) {
    static const std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re");
    IncludeGraph graph;
    for (auto it = fs::recursive_directory_iterator(Root); it != fs::recursive_directory_iterator(); ++it) {
        const fs::path relative = it->path().lexically_relative(Root);
        if (it->is_directory() && Skipped(relative)) {
            it.disable_recursion_pending();
            continue;
        }
        if (!it->is_regular_file() || !IsSource(it->path()) || Skipped(relative)) continue;
        std::vector<Include>& includes = graph[relative.generic_string()];
        std::ifstream in(it->path());
        std::string line;
        int number = 0;
        std::smatch m;
        while (std::getline(in, line)) {
            ++number;
            if (std::regex_search(line, m, include))
                includes.push_back({m[1].str(), Resolve(Root, relative, m[1].str()), number});
        }
    }
    return graph;
}

std::vector<std::vector<std::string>> FindIncludeLoops(const IncludeGraph& Graph) {
    // Depth-first search; an include of a file still on the path closes a loop.
    enum Mark { unseen, onPath, done };
    std::map<std::string, Mark> mark;
    std::vector<std::string> path;
    std::set<std::vector<std::string>> seen;   // loops rotated to start at their least file
    std::vector<std::vector<std::string>> loops;

    std::function<void(const std::string&)> visit = [&](const std::string& file) {
        mark[file] = onPath;
        path.push_back(file);
        auto it = Graph.find(file);
        if (it != Graph.end()) {
            for (const Include& inc : it->second) {
                if (inc.target.empty()) continue;
                Mark m = mark[inc.target];
                if (m == onPath) {
                    std::vector<std::string> loop(std::find(path.begin(), path.end(), inc.target), path.end());
                    std::vector<std::string> key = loop;
                    std::rotate(key.begin(), std::min_element(key.begin(), key.end()), key.end());
                    if (seen.insert(key).second) {
                        loop.push_back(inc.target);
                        loops.push_back(loop);
                    }
                } else if (m == unseen) {
                    visit(inc.target);
                }
            }
        }
        path.pop_back();
        mark[file] = done;
    };
    for (const auto& [file, includes] : Graph)
        if (mark[file] == unseen) visit(file);
    return loops;
}

}  // namespace structure
