// Form files: a line-aware lexer, the reader that builds components, and the writer.
#include "platform/core/FormFile.h"

#include <algorithm>
#include <memory>
#include <cctype>
#include <charconv>
#include <cmath>
#include <climits>
#include <unordered_set>

#include "platform/core/Component.h"
#include "platform/core/PropInfo.h"
#include "platform/core/Streams.h"
#include "platform/core/StringList.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/TextUtils.h"
#include "platform/runtime/Utf8.h"

namespace vcl {

const std::any* TEventHandlers::Find(const std::string& Name) const {
    auto it = handlers_.find(Name);
    if (it != handlers_.end()) return &it->second;
    // Pascal identifiers ignore case.
    for (const auto& [name, handler] : handlers_)
        if (SameText(name, Name)) return &handler;
    return nullptr;
}

namespace {

// ---------------------------------------------------------------------------------------
// Lexer

enum class Tok { End, Newline, Ident, String, Integer, Float, Symbol, Binary };

struct Token {
    Tok kind = Tok::End;
    std::string text;        // identifier, decoded string, number text, symbol or the
                             // characters of a binary block between its braces
    bool unterminated = false;   // a binary block the text ends in
    std::int64_t integer = 0;
    double number = 0;
    int line = 1;
};

[[noreturn]] void Fail(int line, const std::string& what) {
    throw EReadError("Line " + std::to_string(line) + ": " + what);
}

class Lexer {
public:
    explicit Lexer(const std::string& text) : s_(text) {
        if (s_.size() >= 3 && s_.compare(0, 3, "\xEF\xBB\xBF") == 0) pos_ = 3;
        Advance();
    }

    const Token& Peek() const { return current_; }
    Token Take() {
        Token t = current_;
        Advance();
        return t;
    }
    int Line() const { return current_.line; }

private:
    char At(std::size_t i) const { return i < s_.size() ? s_[i] : '\0'; }

    void Advance() {
        // Blanks and comments; line breaks are tokens.
        for (;;) {
            while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\r')) ++pos_;
            if (At(pos_) == '/' && At(pos_ + 1) == '/') {
                while (pos_ < s_.size() && s_[pos_] != '\n') ++pos_;
                continue;
            }
            break;
        }
        current_ = Token{};
        current_.line = line_;
        if (pos_ >= s_.size()) return;
        char c = s_[pos_];
        if (c == '\n') {
            current_.kind = Tok::Newline;
            ++pos_;
            ++line_;
            return;
        }
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') return Identifier();
        if (c == '\'' || c == '#') return String();
        if (c == '{') return Binary();
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '$' ||
            ((c == '-' || c == '+') && (std::isdigit(static_cast<unsigned char>(At(pos_ + 1))) || At(pos_ + 1) == '$' || At(pos_ + 1) == '.')) ||
            (c == '.' && std::isdigit(static_cast<unsigned char>(At(pos_ + 1)))))
            return Number();
        if (std::string_view("=:[](),+").find(c) != std::string_view::npos) {
            current_.kind = Tok::Symbol;
            current_.text = std::string(1, c);
            ++pos_;
            return;
        }
        Fail(line_, std::string("Unexpected character '") + c + "'");
    }

    void Identifier() {
        std::size_t start = pos_;
        for (;;) {
            while (std::isalnum(static_cast<unsigned char>(At(pos_))) || At(pos_) == '_') ++pos_;
            // A dotted path (Font.Size) is one identifier.
            if (At(pos_) == '.' && (std::isalpha(static_cast<unsigned char>(At(pos_ + 1))) || At(pos_ + 1) == '_')) {
                ++pos_;
                continue;
            }
            break;
        }
        current_.kind = Tok::Ident;
        current_.text = s_.substr(start, pos_ - start);
    }

    // Quoted pieces and #code points, glued together.
    void String() {
        current_.kind = Tok::String;
        std::string& out = current_.text;
        for (;;) {
            char c = At(pos_);
            if (c == '\'') {
                ++pos_;
                for (;;) {
                    if (pos_ >= s_.size() || s_[pos_] == '\n') Fail(line_, "Unterminated string");
                    if (s_[pos_] == '\'') {
                        if (At(pos_ + 1) == '\'') {
                            out += '\'';
                            pos_ += 2;
                            continue;
                        }
                        ++pos_;
                        break;
                    }
                    out += s_[pos_++];
                }
            } else if (c == '#') {
                ++pos_;
                bool hex = At(pos_) == '$';
                if (hex) ++pos_;
                std::size_t start = pos_;
                while (hex ? std::isxdigit(static_cast<unsigned char>(At(pos_))) : std::isdigit(static_cast<unsigned char>(At(pos_)))) ++pos_;
                std::uint32_t cp = 0;
                auto [p, ec] = std::from_chars(s_.data() + start, s_.data() + pos_, cp, hex ? 16 : 10);
                if (start == pos_ || ec != std::errc() || p != s_.data() + pos_ || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
                    Fail(line_, "Invalid character code in string");
                Utf8Append(out, char32_t(cp));
            } else {
                break;
            }
        }
    }

    // A binary block: everything up to the closing brace, line breaks included. The reader
    // checks the digits, so that its error can name the property.
    void Binary() {
        current_.kind = Tok::Binary;
        std::size_t start = ++pos_;
        while (pos_ < s_.size() && s_[pos_] != '}') {
            if (s_[pos_] == '\n') ++line_;
            ++pos_;
        }
        current_.text = s_.substr(start, pos_ - start);
        if (pos_ < s_.size()) ++pos_;
        else current_.unterminated = true;
    }

    void Number() {
        std::size_t start = pos_;
        bool negative = false;
        if (At(pos_) == '-' || At(pos_) == '+') {
            negative = At(pos_) == '-';
            ++pos_;
        }
        if (At(pos_) == '$') {
            std::size_t digits = ++pos_;
            while (std::isxdigit(static_cast<unsigned char>(At(pos_)))) ++pos_;
            std::uint64_t u = 0;
            auto [p, ec] = std::from_chars(s_.data() + digits, s_.data() + pos_, u, 16);
            if (digits == pos_ || ec != std::errc() || p != s_.data() + pos_) Fail(line_, "Invalid hexadecimal number");
            current_.kind = Tok::Integer;
            current_.integer = negative ? -std::int64_t(u) : std::int64_t(u);
            current_.text = s_.substr(start, pos_ - start);
            return;
        }
        bool isFloat = false;
        while (std::isdigit(static_cast<unsigned char>(At(pos_)))) ++pos_;
        if (At(pos_) == '.' && std::isdigit(static_cast<unsigned char>(At(pos_ + 1)))) {
            isFloat = true;
            ++pos_;
            while (std::isdigit(static_cast<unsigned char>(At(pos_)))) ++pos_;
        }
        if ((At(pos_) == 'e' || At(pos_) == 'E') &&
            (std::isdigit(static_cast<unsigned char>(At(pos_ + 1))) ||
             ((At(pos_ + 1) == '-' || At(pos_ + 1) == '+') && std::isdigit(static_cast<unsigned char>(At(pos_ + 2)))))) {
            isFloat = true;
            pos_ += 2;
            while (std::isdigit(static_cast<unsigned char>(At(pos_)))) ++pos_;
        }
        if (std::isalpha(static_cast<unsigned char>(At(pos_))) || At(pos_) == '_') Fail(line_, "Invalid number");
        current_.text = s_.substr(start, pos_ - start);
        std::size_t skip = current_.text[0] == '+' ? 1 : 0;
        const char* first = current_.text.data() + skip;
        const char* last = current_.text.data() + current_.text.size();
        if (isFloat) {
            current_.kind = Tok::Float;
            auto [p, ec] = std::from_chars(first, last, current_.number);
            if (ec != std::errc() || p != last) Fail(line_, "Invalid number " + current_.text);
        } else {
            current_.kind = Tok::Integer;
            auto [p, ec] = std::from_chars(first, last, current_.integer);
            if (ec != std::errc() || p != last) Fail(line_, "Number out of range: " + current_.text);
            current_.number = double(current_.integer);
        }
    }

    const std::string& s_;
    std::size_t pos_ = 0;
    int line_ = 1;
    Token current_;
};

// ---------------------------------------------------------------------------------------
// Reader

// Watches the components a read creates so that a failed read frees exactly those still
// alive, whatever order they free one another in.
class CreationTracker : public TComponent {
public:
    CreationTracker() : TComponent(nullptr) {}
    ~CreationTracker() override {
        for (TComponent* c : created) RemoveFreeNotification(c);
    }
    void Track(TComponent* c) {
        created.push_back(c);
        c->FreeNotification(this);
    }
    void FreeAll() {
        while (!created.empty()) {
            TComponent* c = created.back();
            created.pop_back();
            RemoveFreeNotification(c);
            delete c;
        }
    }
    std::vector<TComponent*> created;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override {
        if (Operation == opRemove)
            created.erase(std::remove(created.begin(), created.end(), AComponent), created.end());
    }
};

class Reader {
public:
    Reader(const std::string& text, const TEventHandlers& handlers) : lex_(text), handlers_(handlers) {}

    TComponent* ReadNew(TComponent* owner) {
        SkipNewlines();
        Header h = ReadHeader();
        const TClassInfo* info = ClassFor(h);
        TComponent* root = nullptr;
        try {
            root = Create(info, owner, h);
        } catch (...) {
            tracker_.FreeAll();
            throw;
        }
        root_ = root;
        ReadBodyAndLoad(root, [&] { tracker_.FreeAll(); });
        return root;
    }

    void ReadInto(TComponent* root) {
        SkipNewlines();
        Header h = ReadHeader();
        const TClassInfo* info = ClassFor(h);
        const TClassInfo* own = ClassInfoOf(root);
        if (own == nullptr || (info != own && !SameText(h.className, root->ClassName())))
            Fail(h.line, "Class " + h.className + " does not match " + root->ClassName());
        root_ = root;
        Guard(h.line, [&] { if (!h.name.empty()) root->SetName(h.name); });
        loaded_.push_back(root);
        ReadBodyAndLoad(root, [&] {
            tracker_.FreeAll();
            root->SetComponentStateItem(csLoading, false);
            root->SetComponentStateItem(csReading, false);
        });
    }

private:
    struct Header {
        std::string name, className;
        int line;
    };

    // A component reference waiting for the whole form to be read (it may name a component
    // further down the file).
    struct Reference {
        TComponent* component;   // whose property it is
        std::string path;        // "PopupMenu", "Layout.Images"
        std::string name;        // the referenced component; "" for nil
        int line;
    };

    // Sets every component reference, in file order, while csLoading is still set.
    void ResolveReferences() {
        if (references_.empty()) return;
        std::unordered_set<TComponent*> alive(tracker_.created.begin(), tracker_.created.end());
        alive.insert(root_);
        for (const Reference& r : references_) {
            if (alive.count(r.component) == 0) continue;   // freed while the form was read
            TComponent* target = r.name.empty() ? nullptr : FindComponentReference(root_, r.name);
            if (target == nullptr && !r.name.empty()) Fail(r.line, "Unknown component " + r.name + " for " + r.path);
            Guard(r.line, [&] {
                auto [holder, prop] = ResolvePropPath(r.component, r.path);
                prop->Set(*holder, static_cast<TPersistent*>(target));
            });
        }
    }

    template <class Cleanup>
    void ReadBodyAndLoad(TComponent* top, Cleanup cleanup) {
        try {
            top->SetComponentStateItem(csLoading, true);
            top->SetComponentStateItem(csReading, true);
            ReadBody(top, top);
            SkipNewlines();
            if (lex_.Peek().kind != Tok::End) Fail(lex_.Line(), "Text after the final end");
            ResolveReferences();
            for (TComponent* c : loaded_) c->SetComponentStateItem(csReading, false);
            // Every component sees Loaded once, after all properties are in place.
            for (TComponent* c : loaded_) {
                c->Loaded();
                c->SetComponentStateItem(csLoading, false);
            }
            top->ReadCompleted();
        } catch (...) {
            cleanup();
            throw;
        }
    }

    const TClassInfo* ClassFor(const Header& h) {
        const TClassInfo* info = GetClass(h.className);
        if (info == nullptr) Fail(h.line, "Class " + h.className + " not found");
        return info;
    }

    TComponent* Create(const TClassInfo* info, TComponent* owner, const Header& h) {
        if (!info->CanCreate()) Fail(h.line, "Cannot create an instance of " + h.className);
        TComponent* c = nullptr;
        Guard(h.line, [&] { c = info->Create(owner); });
        tracker_.Track(c);
        loaded_.push_back(c);
        c->SetComponentStateItem(csLoading, true);
        c->SetComponentStateItem(csReading, true);
        Guard(h.line, [&] { if (!h.name.empty()) c->SetName(h.name); });
        return c;
    }

    // Runs f, turning any framework error into a read error at that line.
    template <class F>
    void Guard(int line, F f) {
        try {
            f();
        } catch (const EReadError&) {
            throw;
        } catch (const Exception& e) {
            Fail(line, e.Message());
        } catch (const std::exception& e) {
            Fail(line, e.what());
        }
    }

    void SkipNewlines() {
        while (lex_.Peek().kind == Tok::Newline) lex_.Take();
    }

    void ExpectLineEnd() {
        Token t = lex_.Peek();
        if (t.kind == Tok::End) return;
        if (t.kind != Tok::Newline) Fail(t.line, "Line break expected but '" + TokenText(t) + "' found");
        lex_.Take();
    }

    static std::string TokenText(const Token& t) {
        switch (t.kind) {
            case Tok::End: return "end of text";
            case Tok::Newline: return "line break";
            case Tok::String: return "'" + t.text + "'";
            case Tok::Binary: return "{";
            default: return t.text;
        }
    }

    bool IsKeyword(const Token& t, const char* word) const {
        return t.kind == Tok::Ident && SameText(t.text, word);
    }

    Header ReadHeader() {
        Token t = lex_.Take();
        if (!IsKeyword(t, "object")) Fail(t.line, "'object' expected but '" + TokenText(t) + "' found");
        Token first = lex_.Take();
        if (first.kind != Tok::Ident || first.text.find('.') != std::string::npos)
            Fail(first.line, "Component name or class expected");
        Header h{std::string(), first.text, t.line};
        if (lex_.Peek().kind == Tok::Symbol && lex_.Peek().text == ":") {
            lex_.Take();
            Token cls = lex_.Take();
            if (cls.kind != Tok::Ident || cls.text.find('.') != std::string::npos)
                Fail(cls.line, "Class name expected");
            h.name = first.text;
            h.className = cls.text;
        }
        ExpectLineEnd();
        return h;
    }

    // Properties and nested objects up to the matching end.
    void ReadBody(TComponent* component, TComponent* parent) {
        for (;;) {
            SkipNewlines();
            const Token& t = lex_.Peek();
            if (t.kind == Tok::End) Fail(t.line, "'end' expected but end of text found");
            if (IsKeyword(t, "end")) {
                lex_.Take();
                ExpectLineEnd();
                return;
            }
            if (IsKeyword(t, "object")) {
                if (depth_ >= MaxFormNesting) Fail(t.line, "Objects nested too deeply");
                Header h = ReadHeader();
                const TClassInfo* info = ClassFor(h);
                TComponent* child = Create(info, root_, h);
                Guard(h.line, [&] { child->SetParentComponent(parent); });
                ++depth_;
                ReadBody(child, child);
                --depth_;
                continue;
            }
            ReadProperty(component);
        }
    }

    void ReadProperty(TComponent* component) {
        Token name = lex_.Take();
        if (name.kind != Tok::Ident) Fail(name.line, "Property name expected but '" + TokenText(name) + "' found");
        Token eq = lex_.Take();
        if (eq.kind != Tok::Symbol || eq.text != "=") Fail(eq.line, "'=' expected after " + name.text);

        // Items.Strings = ( ... ): the lines of a string list property.
        std::string path = name.text;
        if (path.size() > 8 && SameText(path.substr(path.size() - 8), ".Strings")) {
            std::string listPath = path.substr(0, path.size() - 8);
            TStrings* list = nullptr;
            Guard(name.line, [&] {
                auto [holder, prop] = ResolvePropPath(component, listPath);
                if (prop->Kind == pkClass) list = dynamic_cast<TStrings*>(std::get<TPersistent*>(prop->Get(*holder)));
            });
            if (list == nullptr) Fail(name.line, "Property " + listPath + " is not a string list");
            std::vector<std::string> lines = ReadStringList();
            Guard(name.line, [&] {
                list->BeginUpdate();
                try {
                    list->Clear();
                    list->AddStrings(lines);
                } catch (...) {
                    list->EndUpdate();
                    throw;
                }
                list->EndUpdate();
            });
            ExpectLineEnd();
            return;
        }

        TPersistent* holder = nullptr;
        const TPropInfo* prop = nullptr;
        Guard(name.line, [&] { std::tie(holder, prop) = ResolvePropPath(component, path); });
        int line = lex_.Line();
        switch (prop->Kind) {
            case pkEvent: {
                Token h = lex_.Take();
                if (h.kind != Tok::Ident) Fail(line, "Event handler name expected for " + path);
                const std::any* handler = handlers_.Find(h.text);
                if (handler == nullptr && !handlers_.GetPlaceholders())
                    Fail(line, "Unknown event handler " + h.text + " for " + path);
                if (handler != nullptr) Guard(line, [&] { prop->SetHandler(*holder, *handler); });
                else Guard(line, [&] { prop->BindAny(*holder, [] {}); });
                component->SetEventHandlerName(path, h.text);
                break;
            }
            case pkClass: Fail(line, "Property " + path + " holds an object; set its properties instead");
            case pkComponent: {
                if (prop->IsReadOnly()) Fail(line, "Property " + path + " is read-only");
                Token ref = lex_.Take();
                if (ref.kind != Tok::Ident)
                    Fail(line, "Component name expected for " + path + " but '" + TokenText(ref) + "' found");
                // nil (no component) waits as well, so the last assignment in the file wins.
                references_.push_back(Reference{component, path, SameText(ref.text, "nil") ? std::string() : ref.text, line});
                break;
            }
            default: {
                if (prop->IsReadOnly()) Fail(line, "Property " + path + " is read-only");
                TPropValue value = ReadValue(*prop, path);
                if (prop->Kind == pkBinary) {
                    // The object decodes its own data; say whose data it refused.
                    try {
                        prop->Set(*holder, value);
                    } catch (const Exception& e) {
                        Fail(line, "Invalid data for " + path + ": " + e.Message());
                    } catch (const std::exception& e) {
                        Fail(line, "Invalid data for " + path + ": " + e.what());
                    }
                    break;
                }
                Guard(line, [&] { prop->Set(*holder, value); });
                break;
            }
        }
        ExpectLineEnd();
    }

    std::vector<std::string> ReadStringList() {
        Token open = lex_.Take();
        if (open.kind != Tok::Symbol || open.text != "(") Fail(open.line, "'(' expected");
        std::vector<std::string> lines;
        for (;;) {
            SkipNewlines();
            Token t = lex_.Peek();
            if (t.kind == Tok::Symbol && t.text == ")") {
                lex_.Take();
                return lines;
            }
            if (t.kind != Tok::String) Fail(t.line, "String or ')' expected but '" + TokenText(t) + "' found");
            lines.push_back(ReadString());
        }
    }

    // A string, possibly continued with + on the next line.
    std::string ReadString() {
        Token t = lex_.Take();
        std::string s = t.text;
        while (lex_.Peek().kind == Tok::Symbol && lex_.Peek().text == "+") {
            lex_.Take();
            SkipNewlines();
            Token next = lex_.Take();
            if (next.kind != Tok::String) Fail(next.line, "String expected after '+'");
            s += next.text;
        }
        return s;
    }

    TPropValue ReadValue(const TPropInfo& prop, const std::string& path) {
        const Token& t = lex_.Peek();
        int line = t.line;
        auto expected = [&](const char* what) {
            Fail(line, std::string(what) + " expected for " + path + " but '" + TokenText(lex_.Peek()) + "' found");
        };
        switch (prop.Kind) {
            case pkInteger:
                if (t.kind != Tok::Integer) expected("Integer");
                return lex_.Take().integer;
            case pkFloat:
                if (t.kind != Tok::Integer && t.kind != Tok::Float) expected("Number");
                return lex_.Take().number;
            case pkString:
                if (t.kind != Tok::String) expected("String");
                return ReadString();
            case pkBoolean:
                if (IsKeyword(t, "True")) { lex_.Take(); return std::int64_t(1); }
                if (IsKeyword(t, "False")) { lex_.Take(); return std::int64_t(0); }
                expected("True or False");
                break;
            case pkEnum: {
                if (t.kind != Tok::Ident) expected("Identifier");
                int i = IndexOfName(prop, t.text);
                if (i < 0) Fail(line, "Invalid value " + t.text + " for " + path);
                lex_.Take();
                return std::int64_t(i);
            }
            case pkSet: return ReadSet(prop, path);
            case pkColor: {
                if (t.kind == Tok::Integer) return std::int64_t(std::int32_t(std::uint32_t(lex_.Take().integer)));
                if (t.kind != Tok::Ident) expected("Colour");
                Token c = lex_.Take();
                std::int32_t color = 0;
                try {
                    color = ColorValueFromString(c.text);
                } catch (const Exception&) {
                    Fail(line, "Invalid colour " + c.text + " for " + path);
                }
                return std::int64_t(color);
            }
            case pkBinary: {
                if (t.kind != Tok::Binary) expected("Binary data {...}");
                if (t.unterminated) Fail(line, "Binary data for " + path + " has no closing '}'");
                std::string bytes, error;
                if (!HexToBinary(t.text, bytes, error)) Fail(line, error + " for " + path);
                lex_.Take();
                return bytes;
            }
            case pkClass:
            case pkEvent:
            case pkComponent: break;
        }
        Fail(line, "Cannot read property " + path);
    }

    TPropValue ReadSet(const TPropInfo& prop, const std::string& path) {
        Token open = lex_.Take();
        if (open.kind != Tok::Symbol || open.text != "[") Fail(open.line, "'[' expected for " + path);
        std::uint64_t bits = 0;
        if (lex_.Peek().kind == Tok::Symbol && lex_.Peek().text == "]") {
            lex_.Take();
            return std::int64_t(0);
        }
        for (;;) {
            Token e = lex_.Take();
            if (e.kind != Tok::Ident) Fail(e.line, "Set element expected for " + path);
            int i = IndexOfName(prop, e.text);
            if (i < 0 || i >= 64) Fail(e.line, "Invalid set element " + e.text + " for " + path);
            bits |= std::uint64_t{1} << i;
            Token sep = lex_.Take();
            if (sep.kind == Tok::Symbol && sep.text == "]") return std::int64_t(bits);
            if (sep.kind != Tok::Symbol || sep.text != ",") Fail(sep.line, "',' or ']' expected in " + path);
        }
    }

    static int IndexOfName(const TPropInfo& prop, const std::string& name) {
        for (std::size_t i = 0; i < prop.EnumNames.size(); ++i)
            if (SameText(prop.EnumNames[i], name)) return int(i);
        return -1;
    }

    Lexer lex_;
    const TEventHandlers& handlers_;
    int depth_ = 0;
    TComponent* root_ = nullptr;
    CreationTracker tracker_;
    std::vector<TComponent*> loaded_;
    std::vector<Reference> references_;
};

// ---------------------------------------------------------------------------------------
// Writer

std::string QuoteString(const std::string& s) {
    std::string out;
    bool inQuotes = false;
    for (unsigned char c : s) {
        if (c < 32 || c == 127) {
            if (inQuotes) out += '\'';
            inQuotes = false;
            out += '#' + std::to_string(int(c));
        } else {
            if (!inQuotes) out += '\'';
            inQuotes = true;
            if (c == '\'') out += '\'';
            out += char(c);
        }
    }
    if (inQuotes) out += '\'';
    return out.empty() ? "''" : out;
}

class Writer {
public:
    std::string Write(TComponent* root) {
        root_ = root;
        WriteComponent(root, 0);
        return out_;
    }

private:
    void Line(int indent, const std::string& text) {
        out_.append(std::size_t(indent) * 2, ' ');
        out_ += text;
        out_ += '\n';
    }

    void WriteComponent(TComponent* c, int indent) {
        const TClassInfo* info = ClassInfoOf(c);
        if (info == nullptr) throw EWriteError("Class " + c->ClassName() + " is not registered");
        std::string header = "object ";
        if (!c->GetName().empty()) header += c->GetName() + ": ";
        Line(indent, header + info->GetName());
        WriteProperties(c, c, "", indent + 1, 0);
        c->GetChildren([&](TComponent* child) { WriteComponent(child, indent + 1); }, root_);
        Line(indent, "end");
    }

    void WriteProperties(TComponent* component, TPersistent* obj, const std::string& prefix, int indent, int depth) {
        const TClassInfo* info = ClassInfoOf(obj);
        if (info == nullptr) return;
        for (const TPropInfo* p : info->Properties()) {
            if (!p->IsStored(*obj)) continue;
            std::string path = prefix + p->Name;
            switch (p->Kind) {
                case pkEvent: {
                    if (!p->IsAssigned(*obj)) break;
                    std::string handler = component->GetEventHandlerName(path);
                    if (!handler.empty()) Line(indent, path + " = " + handler);
                    break;
                }
                case pkClass: {
                    TPersistent* sub = std::get<TPersistent*>(p->Get(*obj));
                    // Components are written as objects of their own, not as sub-objects.
                    if (sub == nullptr || dynamic_cast<TComponent*>(sub) != nullptr || depth > 8) break;
                    if (auto* list = dynamic_cast<TStrings*>(sub); list != nullptr && list->GetCount() > 0) {
                        Line(indent, path + ".Strings = (");
                        for (int i = 0; i < list->GetCount(); ++i)
                            Line(indent + 1, QuoteString(list->Get(i)) + (i + 1 == list->GetCount() ? ")" : ""));
                    }
                    WriteProperties(component, sub, path + ".", indent, depth + 1);
                    break;
                }
                case pkComponent: {
                    if (p->IsReadOnly()) break;
                    auto* target = dynamic_cast<TComponent*>(std::get<TPersistent*>(p->Get(*obj)));
                    if (target != nullptr) Line(indent, path + " = " + ReferenceName(component, path, target));
                    break;
                }
                default: {
                    if (p->IsReadOnly()) break;
                    // A sub-object's property is compared with what a fresh component of
                    // this class holds there.
                    const TPropValue* nested = nullptr;
                    if (depth > 0)
                        if (const TClassInfo* own = ClassInfoOf(component)) nested = own->NestedDefault(path);
                    if (nested != nullptr ? p->IsDefault(*obj, *nested) : p->IsDefault(*obj)) break;
                    if (p->Kind == pkBinary) {
                        WriteBinary(indent, path, std::get<std::string>(p->Get(*obj)));
                        break;
                    }
                    Line(indent, path + " = " + ValueText(*p, *obj));
                    break;
                }
            }
        }
    }

    // Binary data as a block of hex digits, BinaryLineDigits a line, the closing brace
    // after the last digit.
    void WriteBinary(int indent, const std::string& path, const std::string& bytes) {
        Line(indent, path + " = {");
        const std::string hex = BinaryToHex(bytes);
        for (std::size_t i = 0; i < hex.size(); i += BinaryLineDigits) {
            bool last = i + BinaryLineDigits >= hex.size();
            Line(indent + 1, hex.substr(i, BinaryLineDigits) + (last ? "}" : ""));
        }
        if (hex.empty()) out_.insert(out_.size() - 1, "}");
    }

    // The reader finds a referenced component by its name as FindComponentReference does
    // from the root, so only a component found that way can be written; anything else would
    // come back as a different component or none, and is refused rather than dropped.
    std::string ReferenceName(TComponent* component, const std::string& path, TComponent* target) const {
        const std::string& name = target->GetName();
        if (!IsIdentifier(name) || FindComponentReference(root_, name) != target) {
            std::string who = component->GetName().empty() ? "a " + component->ClassName() : component->GetName();
            std::string what = name.empty() ? "an unnamed " + target->ClassName() : target->GetName();
            throw EWriteError("Property " + path + " of " + who + " refers to " + what +
                              ", which cannot be found by name from " +
                              (root_->GetName().empty() ? "a " + root_->ClassName() : root_->GetName()));
        }
        return name;
    }

    static bool IsIdentifier(const std::string& s) {
        if (s.empty() || std::isdigit(static_cast<unsigned char>(s[0]))) return false;
        return std::all_of(s.begin(), s.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
        });
    }

    static std::string ValueText(const TPropInfo& p, TPersistent& obj) {
        if (p.Kind == pkString) return QuoteString(std::get<std::string>(p.Get(obj)));
        if (p.Kind == pkFloat) {
            // Keep a float a float when read back, and non-finite values unwritable.
            double d = std::get<double>(p.Get(obj));
            if (!std::isfinite(d)) throw EWriteError("Property " + p.Name + " holds no finite number");
            std::string s = p.GetAsText(obj);
            if (s.find_first_of(".e") == std::string::npos) s += ".0";
            return s;
        }
        return p.GetAsText(obj);
    }

    TComponent* root_ = nullptr;
    std::string out_;
};

}  // namespace

// ---- entry points ---------------------------------------------------------------------------

TComponent* ReadComponentText(const std::string& Text, TComponent* Owner, const TEventHandlers& Handlers) {
    Reader reader(Text, Handlers);
    return reader.ReadNew(Owner);
}

void ReadRootText(const std::string& Text, TComponent* Root, const TEventHandlers& Handlers) {
    if (Root == nullptr) throw EReadError("No component to read into");
    // The text is first read whole into a scratch instance of the root's class, with its own
    // fresh children: a syntax error, an unknown class, property, handler or reference, or a
    // value a setter refuses all show there. Only a text that reads whole reaches Root, so a
    // failed load leaves it as it was.
    const TClassInfo* own = ClassInfoOf(Root);
    if (own != nullptr && own->CanCreate()) {
        std::unique_ptr<TComponent> scratch;
        try {
            scratch.reset(own->Create(nullptr));
        } catch (const Exception&) {
            scratch.reset();   // a class that cannot stand alone is read straight in
        }
        if (scratch) {
            Reader trial(Text, Handlers);
            trial.ReadInto(scratch.get());
        }
    }
    Reader reader(Text, Handlers);
    reader.ReadInto(Root);
}

std::string WriteComponentText(TComponent* Root) {
    if (Root == nullptr) throw EWriteError("No component to write");
    Writer writer;
    return writer.Write(Root);
}

TComponent* ReadFormFile(const std::string& FileName, TComponent* Owner, const TEventHandlers& Handlers) {
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    return ReadComponentText(stream.ReadAllText(), Owner, Handlers);
}

void WriteFormFile(const std::string& FileName, TComponent* Root) {
    std::string text = WriteComponentText(Root);
    SaveFileSafely(FileName, [&text](TStream* Out) { Out->WriteText(text); });
}

}  // namespace vcl
