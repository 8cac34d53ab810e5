// Form text surgery: blocks found by the writer's own layout, two spaces per level.
#include "apps/designer/model/FormText.h"

#include <cctype>

namespace designer {

namespace {

struct Line {
    std::size_t begin, end;   // end past the line break
    int indent;
    std::string text;         // without indentation and line break
};

std::vector<Line> Lines(const std::string& Text) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < Text.size()) {
        std::size_t nl = Text.find('\n', pos);
        std::size_t stop = nl == std::string::npos ? Text.size() : nl;
        std::size_t first = Text.find_first_not_of(' ', pos);
        if (first == std::string::npos || first > stop) first = stop;
        std::string body = Text.substr(first, stop - first);
        if (!body.empty() && body.back() == '\r') body.pop_back();
        lines.push_back({pos, nl == std::string::npos ? Text.size() : nl + 1, int(first - pos), body});
        pos = lines.back().end;
    }
    return lines;
}

// "object Name: TClass" (also inherited/inline) -> Name and class.
bool ObjectHeader(const std::string& Body, std::string& Name, std::string& Cls) {
    for (const char* kw : {"object ", "inherited ", "inline "}) {
        std::string k(kw);
        if (Body.compare(0, k.size(), k) != 0) continue;
        std::size_t colon = Body.find(':', k.size());
        if (colon == std::string::npos) return false;
        Name = Body.substr(k.size(), colon - k.size());
        std::size_t c = Body.find_first_not_of(' ', colon + 1);
        Cls = c == std::string::npos ? "" : Body.substr(c);
        return true;
    }
    return false;
}

std::string NameBase(const std::string& Name) {
    std::size_t n = Name.size();
    while (n > 0 && std::isdigit(static_cast<unsigned char>(Name[n - 1]))) --n;
    return n == 0 ? std::string("Component") : Name.substr(0, n);
}

}  // namespace

std::string LowerName(const std::string& Name) {
    std::string s = Name;
    for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::vector<TObjectBlock> ObjectBlocks(const std::string& Text) {
    std::vector<Line> lines = Lines(Text);
    std::vector<TObjectBlock> blocks;
    std::vector<std::size_t> open;   // indexes into blocks
    for (const Line& l : lines) {
        std::string name, cls;
        if (ObjectHeader(l.text, name, cls)) {
            blocks.push_back({name, cls, l.indent, l.begin, l.end});
            open.push_back(blocks.size() - 1);
        } else if (l.text == "end" && !open.empty() && blocks[open.back()].Indent == l.indent) {
            blocks[open.back()].End = l.end;
            open.pop_back();
        }
    }
    return blocks;
}

bool FindObjectBlock(const std::string& Text, const std::string& Name, TObjectBlock& Block) {
    for (const TObjectBlock& b : ObjectBlocks(Text)) {
        if (LowerName(b.Name) == LowerName(Name)) {
            Block = b;
            return true;
        }
    }
    return false;
}

std::string Reindent(const std::string& Text, int Delta) {
    std::string out;
    for (const Line& l : Lines(Text)) {
        int indent = l.indent + Delta;
        if (indent < 0) indent = 0;
        out += std::string(std::size_t(indent), ' ') + l.text + "\n";
    }
    return out;
}

std::string RenameObjects(const std::string& Text, std::set<std::string>& Taken,
                          std::vector<std::pair<std::string, std::string>>& Renamed) {
    std::string out;
    for (const Line& l : Lines(Text)) {
        std::string name, cls, body = l.text;
        if (ObjectHeader(l.text, name, cls)) {
            std::string fresh = name;
            if (Taken.count(LowerName(name)) != 0) {
                std::string base = NameBase(name);
                for (int n = 1;; ++n) {
                    fresh = base + std::to_string(n);
                    if (Taken.count(LowerName(fresh)) == 0) break;
                }
                Renamed.emplace_back(name, fresh);
                std::string kw = body.substr(0, body.find(' ') + 1);
                body = kw + fresh + ": " + cls;
            }
            Taken.insert(LowerName(fresh));
        }
        out += std::string(std::size_t(l.indent), ' ') + body + "\n";
    }
    return out;
}

std::vector<std::string> SplitTopLevelBlocks(const std::string& Text) {
    std::vector<std::string> parts;
    for (const TObjectBlock& b : ObjectBlocks(Text))
        if (b.Indent == 0 && b.End > b.Begin) parts.push_back(Text.substr(b.Begin, b.End - b.Begin));
    return parts;
}

}  // namespace designer
