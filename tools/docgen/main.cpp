// zyn_docgen: the generated parts of the component pages in docs/components/.
//
//   zyn_docgen SOURCE_DIR            rewrites every page whose generated part is out of date
//   zyn_docgen --check SOURCE_DIR    changes nothing; fails naming each stale page
//
// A page marks its generated part with
//   <!-- generated: TMeter TNeedleLayout -->
//   ...
//   <!-- end generated -->
// and the program writes between the marks, for each class named: the properties and
// events from the class's registered property table (names, kinds, the defaults a fresh
// instance has, the values of enumerations and sets) and the public methods from the
// class's header, each with the comment above it. So the tables follow the code: a
// property added, renamed or given another default shows up as a stale page.
// Every registered class of the package must appear on some page.
#include <cxxabi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Forms.h"
#include "platform/Testing.h"
#include "tools/docgen/HeaderScan.h"

namespace fs = std::filesystem;
using namespace vcl;

namespace {

const std::string kBegin = "<!-- generated:";
const std::string kEnd = "<!-- end generated -->";

std::string ReadFile(const fs::path& P) {
    std::ifstream in(P, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// A cell of a Markdown table: pipes escaped, line breaks as blanks.
std::string Cell(std::string S) {
    std::string out;
    for (char c : S) {
        if (c == '|') out += "\\|";
        else if (c == '\n' || c == '\r') out += ' ';
        else out += c;
    }
    return out;
}

std::string Code(const std::string& S) { return S.empty() ? "" : "`" + Cell(S) + "`"; }

std::string Demangled(const std::type_index& T) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(T.name(), nullptr, nullptr, &status), std::free);
    return status == 0 ? std::string(name.get()) : std::string(T.name());
}

bool IsPackageClass(const TClassInfo* C) { return Demangled(C->GetType()).rfind("zyn::", 0) == 0; }

std::string KindName(const TPropInfo& P, const std::string& Value) {
    switch (P.Kind) {
        case pkInteger: return "Integer";
        case pkFloat: return "Float";
        case pkString: return "String";
        case pkBoolean: return "Boolean";
        case pkEnum: return "enumeration";
        case pkSet: return "set";
        case pkColor: return "TColor";
        case pkClass: return Value.size() > 2 ? Value.substr(1, Value.size() - 2) : "object";
        case pkEvent: return "event";
        case pkComponent: return "component reference";
        case pkBinary: return "binary data";
    }
    return "";
}

// The properties a class publishes itself (its own and those it publishes again) and the
// names of those it inherits from the framework.
struct Split {
    std::vector<const TPropInfo*> Own;
    std::vector<std::string> Inherited;
};

Split SplitProperties(const TClassInfo* C) {
    Split s;
    std::set<const TPropInfo*> base;
    if (const TClassInfo* parent = C->GetParent()) {
        for (const TPropInfo* p : parent->Properties()) base.insert(p);
    }
    for (const TPropInfo* p : C->Properties()) {
        if (base.count(p) != 0) s.Inherited.push_back(p->Name);
        else s.Own.push_back(p);
    }
    return s;
}

std::string Join(const std::vector<std::string>& V, const std::string& Sep) {
    std::string out;
    for (std::size_t i = 0; i < V.size(); ++i) out += (i ? Sep : "") + V[i];
    return out;
}

// Fresh instances of the classes of one page, made as if today were Day. A class that cannot
// be made alone (a needle layout) is read from the sub-object a fresh instance of another
// class of the page holds.
class TFreshInstances {
public:
    explicit TFreshInstances(TDateTime Day) : day_(Day) {}
    TPersistent* Of(const TClassInfo* C) {
        if (C->CanCreate()) {
            auto& slot = made_[C];
            if (!slot) {
                Testing::SetNow(day_);
                slot.reset(C->Create(nullptr));
                Testing::ResetNow();
            }
            return slot.get();
        }
        for (auto& [cls, obj] : made_)
            for (const TPropInfo* p : cls->Properties())
                if (p->Kind == pkClass)
                    if (auto* sub = std::get<TPersistent*>(p->Get(*obj)); sub != nullptr && ClassInfoOf(sub) == C)
                        return sub;
        return nullptr;
    }

private:
    TDateTime day_;
    std::map<const TClassInfo*, std::unique_ptr<TComponent>> made_;
};

// Instances and OtherDay are the same classes made on two different days: a default that
// differs between them is the day the instance was made (a calendar's date), and the page
// says so instead of naming the day it was written on.
std::string ClassSection(const std::string& Name, const std::string& SourceDir, TFreshInstances& Instances,
                         TFreshInstances& OtherDay) {
    const TClassInfo* c = GetClass(Name);
    if (c == nullptr) throw Exception("no registered class " + Name);
    TPersistent* fresh = Instances.Of(c);
    TPersistent* other = OtherDay.Of(c);
    std::string out = "### " + Name + "\n\n";
    const TClassInfo* parent = c->GetParent();
    out += "Registered class, derived from `" + std::string(parent ? parent->GetName() : "nothing") + "`";
    const auto header = FindClassHeader(SourceDir, Name);
    if (header) out += "; declared in `" + header->File + "`";
    out += ".\n\n";

    const Split split = SplitProperties(c);
    std::vector<const TPropInfo*> props, events;
    for (const TPropInfo* p : split.Own) (p->Kind == pkEvent ? events : props).push_back(p);

    if (!props.empty()) {
        out += "| Property | Type | Default | Values |\n|---|---|---|---|\n";
        for (const TPropInfo* p : props) {
            std::string value;
            if (fresh != nullptr && p->Kind != pkEvent) value = p->GetAsText(*fresh);
            const bool today = other != nullptr && p->Kind != pkEvent && p->Kind != pkClass &&
                               p->Kind != pkComponent && p->GetAsText(*other) != value;
            std::string def;
            if (p->Kind == pkClass) def = "";
            else if (today) def = "today's";
            else if (p->Kind == pkString) def = value.empty() ? "(empty)" : Code("'" + value + "'");
            else if (p->Kind == pkComponent) def = value.empty() ? "(none)" : Code(value);
            else def = Code(value);
            std::string values = (p->Kind == pkEnum || p->Kind == pkSet) ? Code(Join(p->EnumNames, ", ")) : "";
            std::string notes;
            if (p->IsReadOnly()) notes += " read-only";
            if (!p->Default && p->Kind != pkClass && p->Kind != pkComponent) notes += " always stored";
            out += "| `" + p->Name + "` | " + KindName(*p, value) + (notes.empty() ? "" : " (" + notes.substr(1) + ")") +
                   " | " + def + " | " + values + " |\n";
        }
        out += "\n";
    }
    if (!events.empty()) {
        out += "| Event | Handler type | Handler |\n|---|---|---|\n";
        for (const TPropInfo* e : events) {
            std::string type, signature;
            if (header) {
                type = header->EventType("GetOn" + e->Name.substr(2));
                if (type.rfind("vcl::", 0) == 0) type = type.substr(5);
                signature = header->TypeAlias(type);
            }
            out += "| `" + e->Name + "` | " + Code(type) + " | " + Code(signature) + " |\n";
        }
        out += "\n";
    }
    if (!split.Inherited.empty())
        out += "Inherited from the framework: " + Join(split.Inherited, ", ") + ".\n\n";

    if (header) {
        const auto methods = header->PublicMethods(Name);
        if (!methods.empty()) {
            out += "| Method | Description |\n|---|---|\n";
            for (const auto& m : methods) out += "| " + Code(m.Declaration) + " | " + Cell(m.Comment) + " |\n";
            out += "\n";
        }
    }
    return out;
}

// The page with its generated parts rewritten; Classes collects the classes it names.
std::string Regenerate(const std::string& Page, const std::string& SourceDir, std::set<std::string>& Classes) {
    std::string out;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t begin = Page.find(kBegin, pos);
        if (begin == std::string::npos) break;
        const std::size_t close = Page.find("-->", begin);
        const std::size_t end = Page.find(kEnd, begin);
        if (close == std::string::npos || end == std::string::npos || end < close)
            throw Exception("a generated part without its end mark");
        std::istringstream names(Page.substr(begin + kBegin.size(), close - begin - kBegin.size()));
        out += Page.substr(pos, close + 3 - pos) + "\n";
        out += "<!-- Written by tools/docgen (make docs-pages); edits here are lost. -->\n\n";
        std::vector<std::string> list;
        for (std::string name; names >> name;) list.push_back(name);
        // Classes that can be made first, so that the others find their sub-objects.
        TFreshInstances instances(EncodeDate(2001, 2, 3)), otherDay(EncodeDate(2012, 11, 30));
        for (const std::string& name : list)
            if (const TClassInfo* c = GetClass(name); c != nullptr && c->CanCreate()) {
                instances.Of(c);
                otherDay.Of(c);
            }
        for (const std::string& name : list) {
            Classes.insert(name);
            out += ClassSection(name, SourceDir, instances, otherDay);
        }
        out += kEnd;
        pos = end + kEnd.size();
    }
    return out + Page.substr(pos);
}

}  // namespace

int main(int argc, char** argv) {
    bool check = false;
    std::string sourceDir;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--check") check = true;
        else sourceDir = argv[i];
    }
    if (sourceDir.empty()) {
        std::fprintf(stderr, "usage: zyn_docgen [--check] SOURCE_DIR\n");
        return 2;
    }
    setenv("ZYN_BACKEND", "headless", 1);
    try {
        const fs::path pages = fs::path(sourceDir) / "docs" / "components";
        std::set<std::string> named;
        std::vector<std::string> stale;
        std::vector<fs::path> files;
        for (const auto& e : fs::directory_iterator(pages))
            if (e.path().extension() == ".md") files.push_back(e.path());
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) {
            const std::string old = ReadFile(file);
            std::string fresh;
            try {
                fresh = Regenerate(old, sourceDir, named);
            } catch (const Exception& e) {
                throw Exception(file.string() + ": " + e.Message());
            }
            if (fresh == old) continue;
            stale.push_back(file.string());
            if (!check) {
                std::ofstream(file, std::ios::binary) << fresh;
                std::printf("wrote %s\n", file.string().c_str());
            }
        }
        std::vector<std::string> missing;
        for (const TClassInfo* c : RegisteredClasses())
            if (IsPackageClass(c) && named.count(c->GetName()) == 0) missing.push_back(c->GetName());
        for (const auto& m : missing)
            std::fprintf(stderr, "zyn_docgen: no page in docs/components/ names the class %s\n", m.c_str());
        if (check && !stale.empty()) {
            for (const auto& s : stale) std::fprintf(stderr, "zyn_docgen: %s is out of date\n", s.c_str());
            std::fprintf(stderr, "zyn_docgen: regenerate the pages with `make docs-pages`\n");
        }
        return (check && !stale.empty()) || !missing.empty() ? 1 : 0;
    } catch (const Exception& e) {
        std::fprintf(stderr, "zyn_docgen: %s\n", e.Message().c_str());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zyn_docgen: %s\n", e.what());
        return 1;
    }
}
