// Every fuzz target (tests/fuzz/fuzz_<name>.cpp) has a seed corpus (tests/fuzz/corpus/<name>/)
// and a dictionary (tests/fuzz/<name>.dict) that libFuzzer accepts: `make fuzz` runs them
// with both, and a dictionary line libFuzzer cannot parse stops the run before it starts.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kFuzz = fs::path(ZYN_SOURCE_DIR) / "tests" / "fuzz";

std::vector<std::string> FuzzerNames() {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(kFuzz)) {
        const std::string file = e.path().filename().string();
        if (file.starts_with("fuzz_") && file.ends_with(".cpp")) names.push_back(file.substr(5, file.size() - 9));
    }
    return names;
}

// A dictionary line as libFuzzer parses it: empty, a comment ('#' first), or an entry
// [name]"bytes" (blanks around it allowed) whose bytes are printable or blank and escape only
// \\, \" and \xHH. Returns what is wrong, "" for a good line.
std::string DictLineProblem(const std::string& Line) {
    if (Line.empty() || Line[0] == '#') return {};
    const std::size_t l = Line.find_first_not_of(" \t\r");
    if (l == std::string::npos) return "a line of blanks";
    const std::size_t r = Line.find_last_not_of(" \t\r");
    if (Line[r] != '"') return "the entry does not end in a quote";
    const std::size_t open = Line.find('"', l);
    if (open >= r) return "no opening quote";
    if (open + 1 == r) return "an empty entry";
    for (std::size_t p = open + 1; p < r; ++p) {
        const unsigned char c = static_cast<unsigned char>(Line[p]);
        if (!std::isprint(c) && !std::isspace(c)) return "a raw byte " + std::to_string(c) + " (write it as \\xHH)";
        if (c != '\\') continue;
        if (p + 1 < r && (Line[p + 1] == '\\' || Line[p + 1] == '"')) {
            ++p;
        } else if (p + 3 < r && Line[p + 1] == 'x' && std::isxdigit(static_cast<unsigned char>(Line[p + 2])) &&
                   std::isxdigit(static_cast<unsigned char>(Line[p + 3]))) {
            p += 3;
        } else {
            return "an escape other than \\\\, \\\" and \\xHH";
        }
    }
    return {};
}

}  // namespace

TEST(FuzzAssets, EveryFuzzerHasSeedsAndAValidDictionary) {
    const std::vector<std::string> names = FuzzerNames();
    ASSERT_GE(names.size(), 9u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const fs::path corpus = kFuzz / "corpus" / name;
        ASSERT_TRUE(fs::is_directory(corpus));
        int seeds = 0;
        for (const auto& e : fs::directory_iterator(corpus))
            if (e.is_regular_file() && e.file_size() > 0) ++seeds;
        EXPECT_GE(seeds, 3);
        std::ifstream dict(kFuzz / (name + ".dict"));
        ASSERT_TRUE(dict.good());
        std::string line;
        int lineNo = 0, entries = 0;
        while (std::getline(dict, line)) {
            ++lineNo;
            const std::string problem = DictLineProblem(line);
            EXPECT_EQ(problem, "") << name << ".dict:" << lineNo << ": " << line;
            if (problem.empty() && line.find('"') != std::string::npos) ++entries;
        }
        EXPECT_GE(entries, 5);
    }
}

TEST(FuzzAssets, DictionaryLinesAreCheckedAsLibFuzzerReadsThem) {
    for (const char* good : {"", "# a comment", "\"AND\"", "kw=\"\\x89PNG\"", "\"\\\\d\"", "\"\\\"\"", "  \"a b\"  "})
        EXPECT_EQ(DictLineProblem(good), "") << good;
    for (const char* bad : {"AND", "  ", "\"open", "\"\"", "\"a\" b", "\"\\t\"", "\"\\x4\"", "\"\\\"", "\"\x01\""})
        EXPECT_NE(DictLineProblem(bad), "") << bad;
}
