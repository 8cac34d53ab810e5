// The header scanner of the docs-page generator (see HeaderScan.h).
#include "tools/docgen/HeaderScan.h"

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "platform/Classes.h"

namespace fs = std::filesystem;

namespace {

std::string Collapse(const std::string& S) {
    std::string out;
    bool blank = false;
    for (char c : S) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

std::string Trim(const std::string& S) { return Collapse(S); }

bool StartsWith(const std::string& S, const std::string& P) { return S.rfind(P, 0) == 0; }

// The class body of Name: from after its opening brace to before its closing one.
std::string ClassBody(const std::string& Text, const std::string& Name) {
    const std::regex head("(^|\\n)class " + Name + "\\b[^;{]*\\{");
    std::smatch m;
    if (!std::regex_search(Text, m, head)) return "";
    std::size_t i = std::size_t(m.position(0) + m.length(0));
    const std::size_t start = i;
    int depth = 1;
    for (; i < Text.size() && depth > 0; ++i) {
        if (Text[i] == '{') ++depth;
        else if (Text[i] == '}') --depth;
    }
    return Text.substr(start, i - start - 1);
}

// The properties and events the registered class publishes, by name.
std::set<std::string> PublishedNames(const std::string& Class) {
    std::set<std::string> names;
    if (const vcl::TClassInfo* c = vcl::GetClass(Class))
        for (const vcl::TPropInfo* p : c->Properties()) names.insert(p->Name);
    return names;
}

std::string FunctionName(const std::string& Decl) {
    const std::size_t paren = Decl.find('(');
    if (paren == std::string::npos) return "";
    std::size_t end = paren;
    while (end > 0 && Decl[end - 1] == ' ') --end;
    std::size_t begin = end;
    while (begin > 0 && (std::isalnum(static_cast<unsigned char>(Decl[begin - 1])) || Decl[begin - 1] == '_' ||
                         Decl[begin - 1] == '~'))
        --begin;
    return Decl.substr(begin, end - begin);
}

}  // namespace

std::vector<TMethodDoc> THeaderInfo::PublicMethods(const std::string& Name) const {
    const std::string body = ClassBody(Text, Name);
    const std::set<std::string> published = PublishedNames(Name);
    std::vector<TMethodDoc> out;
    std::istringstream lines(body);
    bool isPublic = false;
    std::string comment, statement;
    int paren = 0, skipDepth = 0;
    bool skipping = false;   // inside an inline body or a nested type
    for (std::string raw; std::getline(lines, raw);) {
        const std::string line = Trim(raw);
        if (skipping) {
            for (char c : raw) {
                if (c == '{') ++skipDepth;
                else if (c == '}') --skipDepth;
            }
            if (skipDepth <= 0) skipping = false;
            continue;
        }
        if (statement.empty()) {
            if (line == "public:") { isPublic = true; comment.clear(); continue; }
            if (line == "protected:" || line == "private:") { isPublic = false; comment.clear(); continue; }
            if (line.empty()) { comment.clear(); continue; }
            if (StartsWith(line, "//")) {
                std::string text = Trim(line.substr(line.find_first_not_of("/!<")));
                if (StartsWith(text, "----") || StartsWith(text, "====")) { comment.clear(); continue; }
                if (StartsWith(text, "@{") || StartsWith(text, "@}")) continue;   // member groups
                comment += (comment.empty() ? "" : " ") + text;
                continue;
            }
        }
        // The statement so far, up to its end (';' outside parentheses) or an inline body.
        bool ended = false, hasBody = false;
        std::string part;
        for (std::size_t i = 0; i < raw.size(); ++i) {
            const char c = raw[i];
            if (c == '/' && i + 1 < raw.size() && raw[i + 1] == '/') break;   // trailing comment
            if (c == '(') ++paren;
            if (c == ')') --paren;
            if (paren == 0 && c == '{') {
                hasBody = true;
                int depth = 0;
                for (; i < raw.size(); ++i) {
                    if (raw[i] == '{') ++depth;
                    else if (raw[i] == '}' && --depth == 0) break;
                }
                if (depth > 0) { skipping = true; skipDepth = depth; }
                ended = true;
                break;
            }
            if (paren == 0 && c == ';') { ended = true; break; }
            part += c;
        }
        statement += " " + part;
        if (!ended) continue;
        const std::string decl = Trim(statement);
        statement.clear();
        paren = 0;
        const std::string doc = comment;
        comment.clear();
        if (!isPublic || decl.find('(') == std::string::npos) continue;
        if (StartsWith(decl, "using ") || StartsWith(decl, "friend ") || StartsWith(decl, "class ") ||
            StartsWith(decl, "struct ") || StartsWith(decl, "enum ") || StartsWith(decl, "template"))
            continue;
        if (decl.find("= delete") != std::string::npos) continue;
        // A framework hook (Paint, Loaded, SetBounds) is listed only when the class says
        // something of its own about it.
        if (doc.empty() && decl.find(" override") != std::string::npos) continue;
        (void)hasBody;
        const std::string fn = FunctionName(decl);
        if (fn.empty() || fn == Name || fn == "~" + Name || fn == "ClassName" || StartsWith(fn, "operator")) continue;
        if ((StartsWith(fn, "Get") || StartsWith(fn, "Set")) && published.count(fn.substr(3)) != 0) continue;
        if (StartsWith(fn, "GetOn") || StartsWith(fn, "SetOn")) continue;
        std::string shown = decl;
        if (StartsWith(shown, "virtual ")) shown = shown.substr(8);
        if (StartsWith(shown, "explicit ")) shown = shown.substr(9);
        out.push_back({shown, doc});
    }
    return out;
}

std::string THeaderInfo::EventType(const std::string& Getter) const {
    const std::regex re("([A-Za-z_][A-Za-z0-9_:]*)\\s*&?\\s+" + Getter + "\\(\\)");
    std::smatch m;
    if (!std::regex_search(Text, m, re)) return "";
    return m[1].str();
}

std::string THeaderInfo::TypeAlias(const std::string& Type) const {
    std::string name = Type;
    if (const std::size_t colons = name.rfind("::"); colons != std::string::npos) name = name.substr(colons + 2);
    if (name == "TNotifyEvent") return "void(TObject* Sender)";
    const std::regex re("using\\s+" + name + "\\s*=\\s*std::function<([^;]*)>\\s*;");
    std::smatch m;
    if (!std::regex_search(Text, m, re)) return "";
    std::string sig = Collapse(m[1].str());
    // The framework's namespace adds nothing on the page.
    for (std::size_t p; (p = sig.find("vcl::")) != std::string::npos;) sig.erase(p, 5);
    return sig;
}

std::optional<THeaderInfo> FindClassHeader(const std::string& SourceDir, const std::string& Name) {
    const std::regex head("(^|\\n)class " + Name + "\\b[^;{]*\\{");
    std::vector<fs::path> headers;
    for (const auto& dir : fs::directory_iterator(SourceDir)) {
        if (!dir.is_directory()) continue;
        const std::string top = dir.path().filename().string();
        if (top == "platform" || top == "tests" || top == "apps" || top == "tools" || top == "bench" ||
            top == "examples" || top == "docs" || StartsWith(top, ".") || StartsWith(top, "build") || top == "out")
            continue;
        for (const auto& f : fs::directory_iterator(dir.path()))
            if (f.path().extension() == ".h") headers.push_back(f.path());
    }
    std::sort(headers.begin(), headers.end());
    for (const fs::path& h : headers) {
        std::ifstream in(h, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        std::string text = s.str();
        if (std::regex_search(text, head))
            return THeaderInfo{fs::relative(h, SourceDir).string(), std::move(text)};
    }
    return std::nullopt;
}
