// The grep filter's patterns: checked in the filter's own dialect and translated into RE2's
// syntax, which then runs them (in linear time, without backtracking).
//
// The translation works on bytes (RE2's Latin-1 mode), so a pattern matches UTF-8 texts
// byte for byte as before. Every character test becomes an explicit set of bytes: the case
// rule (ASCII letters only, as the text search folds them) is written into those sets
// instead of being left to RE2, whose folding would cover more letters.
#include "replist/RLRegex.h"

#include <re2/re2.h>

#include <bitset>
#include <cctype>

#include "replist/Zyn_ReportListView.h"

namespace zyn {

namespace {

char Lower(char C) { return char(std::tolower(static_cast<unsigned char>(C))); }

using TByteSet = std::bitset<256>;

std::string HexByte(unsigned V) {
    static const char digits[] = "0123456789abcdef";
    return std::string("\\x{") + digits[V >> 4] + digits[V & 15] + "}";
}

// RE2 syntax for a set of bytes.
std::string SetText(const TByteSet& S) {
    if (S.none()) return "[^\\x{00}-\\x{ff}]";
    if (S.count() == 1)
        for (unsigned v = 0; v < 256; ++v)
            if (S[v]) return HexByte(v);
    std::string out = "[";
    for (unsigned v = 0; v < 256;) {
        if (!S[v]) {
            ++v;
            continue;
        }
        unsigned e = v;
        while (e + 1 < 256 && S[e + 1]) ++e;
        out += HexByte(v);
        if (e > v) out += "-" + HexByte(e);
        v = e + 1;
    }
    return out + "]";
}

class TTranslator {
public:
    TTranslator(std::string_view Pattern, bool IgnoreCase) : p_(Pattern), icase_(IgnoreCase) {}

    std::string Run() {
        std::string out = ParseAlt();
        if (pos_ != p_.size()) Fail("unbalanced \")\"");
        return out;
    }

    [[noreturn]] void Fail(const std::string& What) const {
        // A pasted pattern may be long; the message quotes its start.
        const std::string shown = p_.size() <= 80 ? std::string(p_) : std::string(p_.substr(0, 77)) + "...";
        throw EZynRepListError("invalid regular expression \"" + shown + "\": " + What +
                               " at position " + std::to_string(pos_ + 1));
    }

private:
    bool More() const { return pos_ < p_.size(); }
    char Peek() const { return p_[pos_]; }

    // The bytes a text byte v may be to pass a test of the set S: the text is compared
    // lower-cased when case is ignored.
    std::string Test(const TByteSet& S) const {
        if (!icase_) return SetText(S);
        TByteSet folded;
        for (unsigned v = 0; v < 256; ++v)
            if (S[static_cast<unsigned char>(Lower(char(v)))]) folded.set(v);
        return SetText(folded);
    }
    std::string LiteralText(char C) const {
        TByteSet s;
        s.set(static_cast<unsigned char>(icase_ ? Lower(C) : C));
        return Test(s);
    }

    std::string ParseAlt() {
        std::string out = ParseSeq();
        while (More() && Peek() == '|') {
            ++pos_;
            out += '|';
            out += ParseSeq();
        }
        return out;
    }
    std::string ParseSeq() {
        std::string out;
        while (More() && Peek() != '|' && Peek() != ')') out += ParseRepeat();
        return out;
    }
    // Stacked operators mean one: "x*+" repeats x any number of times, "x+?" too, "x++" is x+.
    static char Stack(char Was, char Op) {
        if (Was == Op) return Op;
        return '*';
    }
    std::string ParseRepeat() {
        std::string atom = ParseAtom();
        char op = 0;   // the operator on atom not yet written
        while (More()) {
            const char c = Peek();
            if (c == '*' || c == '+' || c == '?') {
                ++pos_;
                op = op == 0 ? c : Stack(op, c);
            } else if (c == '{') {
                int lo = 0, hi = 0;
                if (!ParseCount(lo, hi)) break;
                if (op != 0) atom = "(?:" + atom + ")" + op;
                op = 0;
                atom = "(?:" + atom + "){" + std::to_string(lo) + (hi == lo ? "" : "," + (hi < 0 ? "" : std::to_string(hi))) + "}";
            } else {
                break;
            }
        }
        if (op != 0) atom = "(?:" + atom + ")" + op;
        return atom;
    }
    // {m}, {m,} or {m,n}; false (and a literal "{") when what follows is not a count.
    bool ParseCount(int& Lo, int& Hi) {
        std::size_t q = pos_ + 1;
        auto num = [&](int& V) {
            const std::size_t s = q;
            V = 0;
            while (q < p_.size() && std::isdigit(static_cast<unsigned char>(p_[q]))) {
                V = V * 10 + (p_[q] - '0');
                if (V > 1000) Fail("repeat count above 1000");
                ++q;
            }
            return q > s;
        };
        if (!num(Lo)) return false;
        Hi = Lo;
        if (q < p_.size() && p_[q] == ',') {
            ++q;
            if (!num(Hi)) Hi = -1;
        }
        if (q >= p_.size() || p_[q] != '}') return false;
        if (Hi >= 0 && Hi < Lo) Fail("repeat range out of order");
        pos_ = q + 1;
        return true;
    }
    static void AddClassEscape(TByteSet& S, char E) {
        for (int c = 0; c < 256; ++c) {
            const bool d = std::isdigit(c), w = std::isalnum(c) || c == '_', s = std::isspace(c);
            if ((E == 'd' && d) || (E == 'D' && !d) || (E == 'w' && w) || (E == 'W' && !w) ||
                (E == 's' && s) || (E == 'S' && !s))
                S.set(std::size_t(c));
        }
    }
    static bool IsClassEscape(char E) { return std::string_view("dDwWsS").find(E) != std::string_view::npos; }

    std::string ParseAtom() {
        if (!More()) Fail("missing operand");
        const char c = p_[pos_++];
        switch (c) {
            case '(': {
                // The parser descends once per group: nesting is bounded, length is not.
                if (depth_ >= MaxFilterNesting)
                    Fail("groups nested deeper than " + std::to_string(MaxFilterNesting) + " levels");
                if (pos_ + 1 < p_.size() && p_[pos_] == '?' && p_[pos_ + 1] == ':') pos_ += 2;
                ++depth_;
                std::string inner = ParseAlt();
                if (!More() || Peek() != ')') Fail("missing \")\"");
                ++pos_;
                --depth_;
                return "(?:" + inner + ")";
            }
            case ')': Fail("unbalanced \")\"");
            case '*': case '+': case '?': Fail("nothing to repeat");
            case '.': return "[^\\n]";
            case '^': return "^";
            case '$': return "$";
            case '[': return ParseSet();
            case '\\': {
                if (!More()) Fail("trailing backslash");
                const char e = p_[pos_++];
                if (IsClassEscape(e)) {
                    TByteSet s;
                    AddClassEscape(s, e);
                    return Test(s);
                }
                return LiteralText(e == 't' ? '\t' : e == 'n' ? '\n' : e);
            }
            default: return LiteralText(c);
        }
    }
    std::string ParseSet() {
        TByteSet s;
        bool negate = false;
        if (More() && Peek() == '^') {
            negate = true;
            ++pos_;
        }
        bool first = true;
        while (true) {
            if (!More()) Fail("missing \"]\"");
            char c = p_[pos_++];
            if (c == ']' && !first) break;
            first = false;
            if (c == '\\') {
                if (!More()) Fail("trailing backslash");
                c = p_[pos_++];
                if (IsClassEscape(c)) {
                    AddClassEscape(s, c);
                    continue;
                }
                if (c == 't') c = '\t';
                if (c == 'n') c = '\n';
            }
            unsigned char lo = static_cast<unsigned char>(c), hi = lo;
            if (pos_ + 1 < p_.size() && p_[pos_] == '-' && p_[pos_ + 1] != ']') {
                ++pos_;
                char e = p_[pos_++];
                if (e == '\\' && More()) e = p_[pos_++];
                hi = static_cast<unsigned char>(e);
                if (hi < lo) Fail("range out of order");
            }
            for (unsigned v = lo; v <= hi; ++v) {
                s.set(v);
                if (icase_) s.set(static_cast<unsigned char>(Lower(char(v))));
            }
        }
        if (negate) s.flip();
        return Test(s);
    }

    std::string_view p_;
    std::size_t pos_ = 0;
    int depth_ = 0;   // groups open at pos_
    bool icase_;
};

}  // namespace

TRLRegex::TRLRegex(std::string_view Pattern, bool IgnoreCase) {
    TTranslator translator(Pattern, IgnoreCase);
    translated_ = translator.Run();
    RE2::Options options;
    options.set_encoding(RE2::Options::EncodingLatin1);
    options.set_never_capture(true);
    options.set_log_errors(false);
    // Long patterns (tens of thousands of alternatives) need room beyond the default.
    options.set_max_mem(std::int64_t(256) << 20);
    re_ = std::make_unique<RE2>(translated_, options);
    // The pattern is well-formed here; what RE2 still refuses is its size.
    if (!re_->ok()) translator.Fail("pattern too large");
}

TRLRegex::~TRLRegex() = default;

bool TRLRegex::Search(std::string_view Text) const {
    return RE2::PartialMatch(re2::StringPiece(Text.data(), Text.size()), *re_);
}

}  // namespace zyn
