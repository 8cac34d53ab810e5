// Filtering the report list: the three kinds of expression (a text to find, a Boolean
// expression of texts, a regular expression) and FilterAndSort, which puts the found rows
// first in the presented order, sorted, and shows only them.
//
// Regular expressions run on a Thompson automaton simulated over all its states at once,
// so the time is linear in the text for any pattern (no backtracking).
#include <algorithm>
#include <bitset>
#include <memory>
#include <string>
#include <cctype>
#include <numeric>

#include "replist/Zyn_ReportListView.h"

namespace zyn {

namespace {

char Lower(char C) { return char(std::tolower(static_cast<unsigned char>(C))); }

// ---- regular expressions ----------------------------------------------------------------

// A state of the automaton: a character test with one successor, a split with two, or the
// accepting state. Anchors test the position.
struct RxState {
    enum Kind : std::uint8_t { Char, Any, Set, Split, Begin, End, Match } kind;
    char ch = 0;
    int set = -1;              // index of a 256-bit set
    int out = -1, out1 = -1;
};

class TRegex {
public:
    TRegex(std::string_view Pattern, bool IgnoreCase) : p_(Pattern), icase_(IgnoreCase) {
        Frag f = ParseAlt();
        if (pos_ != p_.size()) Fail("unbalanced \")\"");
        const int m = Add({RxState::Match});
        Patch(f, m);
        start_ = f.start;
    }

    bool Search(std::string_view Text) const {
        // Unanchored: a new thread starts at every position.
        std::vector<int>& cur = cur_;
        std::vector<int>& next = next_;
        std::vector<std::uint32_t>& mark = mark_;
        mark.assign(states_.size(), 0);
        cur.clear();
        std::uint32_t gen = 1;
        for (std::size_t i = 0; i <= Text.size(); ++i) {
            AddThread(cur, start_, i, Text, mark, gen);
            for (int s : cur)
                if (states_[std::size_t(s)].kind == RxState::Match) return true;
            if (i == Text.size()) break;
            const unsigned char c = static_cast<unsigned char>(icase_ ? Lower(Text[i]) : Text[i]);
            next.clear();
            ++gen;
            for (int s : cur) {
                const RxState& st = states_[std::size_t(s)];
                bool ok = false;
                if (st.kind == RxState::Char) ok = static_cast<unsigned char>(st.ch) == c;
                else if (st.kind == RxState::Any) ok = c != '\n';
                else if (st.kind == RxState::Set) ok = sets_[std::size_t(st.set)][c];
                if (ok) AddThread(next, st.out, i + 1, Text, mark, gen);
            }
            std::swap(cur, next);
        }
        return false;
    }

private:
    struct Frag {
        int start;
        std::vector<std::pair<int, bool>> outs;   // (state, second exit)
    };

    [[noreturn]] void Fail(const std::string& What) const {
        // A pasted pattern may be long; the message quotes its start.
        const std::string shown = p_.size() <= 80 ? std::string(p_) : std::string(p_.substr(0, 77)) + "...";
        throw EZynRepListError("invalid regular expression \"" + shown + "\": " + What +
                               " at position " + std::to_string(pos_ + 1));
    }
    int Add(RxState S) {
        if (states_.size() > 100000) Fail("pattern too large");
        states_.push_back(S);
        return int(states_.size()) - 1;
    }
    void Patch(const Frag& F, int To) {
        for (auto [s, second] : F.outs) (second ? states_[std::size_t(s)].out1 : states_[std::size_t(s)].out) = To;
    }
    Frag Single(RxState S) {
        const int i = Add(S);
        return Frag{i, {{i, false}}};
    }
    bool More() const { return pos_ < p_.size(); }
    char Peek() const { return p_[pos_]; }

    Frag ParseAlt() {
        Frag left = ParseSeq();
        while (More() && Peek() == '|') {
            ++pos_;
            Frag right = ParseSeq();
            const int s = Add({RxState::Split});
            states_[std::size_t(s)].out = left.start;
            states_[std::size_t(s)].out1 = right.start;
            // The exits are moved, not copied: a long alternation stays linear.
            Frag f{s, std::move(left.outs)};
            f.outs.insert(f.outs.end(), right.outs.begin(), right.outs.end());
            left = std::move(f);
        }
        return left;
    }
    // An empty sequence is a split whose two exits both lead on.
    Frag Empty() {
        const int s = Add({RxState::Split});
        return Frag{s, {{s, false}, {s, true}}};
    }
    Frag ParseSeq() {
        bool any = false;
        Frag seq{};
        while (More() && Peek() != '|' && Peek() != ')') {
            Frag f = ParseRepeat();
            if (!any) seq = std::move(f);
            else {
                Patch(seq, f.start);
                seq.outs = std::move(f.outs);
            }
            any = true;
        }
        return any ? seq : Empty();
    }
    Frag Star(Frag F) {
        const int s = Add({RxState::Split});
        states_[std::size_t(s)].out = F.start;
        Patch(F, s);
        return Frag{s, {{s, true}}};
    }
    Frag Plus(Frag F) {
        const int s = Add({RxState::Split});
        states_[std::size_t(s)].out = F.start;
        Patch(F, s);
        return Frag{F.start, {{s, true}}};
    }
    Frag Quest(Frag F) {
        const int s = Add({RxState::Split});
        states_[std::size_t(s)].out = F.start;
        Frag r{s, F.outs};
        r.outs.push_back({s, true});
        return r;
    }
    Frag ParseRepeat() {
        const std::size_t atomStart = pos_;
        Frag f = ParseAtom();
        const std::size_t atomEnd = pos_;
        while (More()) {
            const char c = Peek();
            if (c == '*') { ++pos_; f = Star(std::move(f)); }
            else if (c == '+') { ++pos_; f = Plus(std::move(f)); }
            else if (c == '?') { ++pos_; f = Quest(std::move(f)); }
            else if (c == '{') {
                int lo = 0, hi = 0;
                if (!ParseCount(lo, hi)) break;
                f = Counted(atomStart, atomEnd, std::move(f), lo, hi);
            } else break;
        }
        return f;
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
    // Counted repetition: copies of the atom, re-parsed from its text.
    Frag Counted(std::size_t AtomStart, std::size_t AtomEnd, Frag First, int Lo, int Hi) {
        const std::size_t save = pos_;
        auto copy = [&]() {
            pos_ = AtomStart;
            Frag f = ParseAtom();
            (void)AtomEnd;
            return f;
        };
        std::vector<Frag> parts;
        const int fixed = Lo;
        for (int i = 0; i < fixed; ++i) parts.push_back(i == 0 ? std::move(First) : copy());
        if (Hi < 0) parts.push_back(Star(fixed == 0 ? std::move(First) : copy()));
        else
            for (int i = fixed; i < Hi; ++i) parts.push_back(Quest(i == 0 && fixed == 0 ? std::move(First) : copy()));
        pos_ = save;
        if (parts.empty()) return Empty();
        Frag seq = std::move(parts[0]);
        for (std::size_t i = 1; i < parts.size(); ++i) {
            Patch(seq, parts[i].start);
            seq.outs = std::move(parts[i].outs);
        }
        return seq;
    }
    int NewSet() {
        sets_.emplace_back();
        return int(sets_.size()) - 1;
    }
    void AddClassEscape(std::bitset<256>& S, char E) {
        for (int c = 0; c < 256; ++c) {
            const bool d = std::isdigit(c), w = std::isalnum(c) || c == '_', s = std::isspace(c);
            if ((E == 'd' && d) || (E == 'D' && !d) || (E == 'w' && w) || (E == 'W' && !w) ||
                (E == 's' && s) || (E == 'S' && !s))
                S.set(std::size_t(c));
        }
    }
    static bool IsClassEscape(char E) { return std::string_view("dDwWsS").find(E) != std::string_view::npos; }
    char Literal(char C) const { return icase_ ? Lower(C) : C; }
    Frag ParseAtom() {
        if (!More()) Fail("missing operand");
        const char c = p_[pos_++];
        switch (c) {
            case '(': {
                // The parser descends once per group: nesting is bounded, length is not.
                if (depth_ >= MaxFilterNesting)
                    Fail("groups nested deeper than " + std::to_string(MaxFilterNesting) + " levels");
                if (pos_ + 1 < p_.size() && p_[pos_] == '?' && p_[pos_ + 1] == ':') pos_ += 2;
                ++depth_;
                Frag f = ParseAlt();
                if (!More() || Peek() != ')') Fail("missing \")\"");
                ++pos_;
                --depth_;
                return f;
            }
            case ')': Fail("unbalanced \")\"");
            case '*': case '+': case '?': Fail("nothing to repeat");
            case '.': return Single({RxState::Any});
            case '^': return Single({RxState::Begin});
            case '$': return Single({RxState::End});
            case '[': return ParseSet();
            case '\\': {
                if (!More()) Fail("trailing backslash");
                const char e = p_[pos_++];
                if (IsClassEscape(e)) {
                    RxState s{RxState::Set};
                    s.set = NewSet();
                    AddClassEscape(sets_[std::size_t(s.set)], e);
                    return Single(s);
                }
                RxState s{RxState::Char};
                s.ch = Literal(e == 't' ? '\t' : e == 'n' ? '\n' : e);
                return Single(s);
            }
            default: {
                RxState s{RxState::Char};
                s.ch = Literal(c);
                return Single(s);
            }
        }
    }
    Frag ParseSet() {
        RxState st{RxState::Set};
        st.set = NewSet();
        std::bitset<256> s;
        bool negate = false;
        if (More() && Peek() == '^') { negate = true; ++pos_; }
        bool first = true;
        while (true) {
            if (!More()) Fail("missing \"]\"");
            char c = p_[pos_++];
            if (c == ']' && !first) break;
            first = false;
            if (c == '\\') {
                if (!More()) Fail("trailing backslash");
                c = p_[pos_++];
                if (IsClassEscape(c)) { AddClassEscape(s, c); continue; }
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
        sets_[std::size_t(st.set)] = s;
        return Single(st);
    }

    void AddThread(std::vector<int>& List, int S, std::size_t I, std::string_view Text,
                   std::vector<std::uint32_t>& Mark, std::uint32_t Gen) const {
        // Iterative to keep the stack flat for long chains of splits.
        std::vector<int>& stack = stack_;
        stack.clear();
        stack.push_back(S);
        while (!stack.empty()) {
            const int s = stack.back();
            stack.pop_back();
            if (s < 0 || Mark[std::size_t(s)] == Gen) continue;
            Mark[std::size_t(s)] = Gen;
            const RxState& st = states_[std::size_t(s)];
            switch (st.kind) {
                case RxState::Split:
                    stack.push_back(st.out1);
                    stack.push_back(st.out);
                    break;
                case RxState::Begin:
                    if (I == 0) stack.push_back(st.out);
                    break;
                case RxState::End:
                    if (I == Text.size()) stack.push_back(st.out);
                    break;
                default: List.push_back(s);
            }
        }
    }

    std::string_view p_;
    std::size_t pos_ = 0;
    int depth_ = 0;   // groups open at pos_
    bool icase_;
    std::vector<RxState> states_;
    std::vector<std::bitset<256>> sets_;
    int start_ = 0;
    mutable std::vector<int> cur_, next_, stack_;
    mutable std::vector<std::uint32_t> mark_;
};

// ---- Boolean expressions ----------------------------------------------------------------

// AND, OR, NOT (any case), parentheses and double-quoted phrases over terms; two terms side
// by side are joined by AND. A term holds when one of the texts contains it.
//
// A chain "a AND b AND c ..." is one node with all its operands and a run of NOTs one node
// (or none), so the parser and Eval recurse once per level of parentheses only, and that
// nesting is bounded by MaxFilterNesting.
struct BoolNode {
    enum Kind : std::uint8_t { Term, And, Or, Not } kind;
    std::string term;
    std::vector<int> operands;   // And, Or: two or more; Not: one
};

class TBoolExpr {
public:
    TBoolExpr(std::string_view Expr, bool IgnoreCase) : icase_(IgnoreCase) {
        Tokenise(Expr);
        if (toks_.empty()) throw EZynRepListError("empty Boolean filter expression");
        root_ = ParseOr();
        if (i_ != toks_.size()) Fail("unexpected \"" + toks_[i_].text + "\"");
    }
    bool Eval(std::span<const std::string_view> Texts) const { return Eval(root_, Texts); }

private:
    struct Tok {
        enum Kind : std::uint8_t { Word, And, Or, Not, Open, Close } kind;
        std::string text;
    };
    [[noreturn]] void Fail(const std::string& What) const {
        throw EZynRepListError("invalid Boolean filter expression: " + What);
    }
    void Tokenise(std::string_view E) {
        std::size_t i = 0;
        while (i < E.size()) {
            const char c = E[i];
            if (c == ' ' || c == '\t') { ++i; continue; }
            if (c == '(') { toks_.push_back({Tok::Open, "("}); ++i; continue; }
            if (c == ')') { toks_.push_back({Tok::Close, ")"}); ++i; continue; }
            if (c == '"') {
                const std::size_t end = E.find('"', i + 1);
                if (end == std::string_view::npos) Fail("missing closing quote");
                toks_.push_back({Tok::Word, std::string(E.substr(i + 1, end - i - 1))});
                i = end + 1;
                continue;
            }
            std::size_t j = i;
            while (j < E.size() && E[j] != ' ' && E[j] != '\t' && E[j] != '(' && E[j] != ')' && E[j] != '"') ++j;
            std::string w(E.substr(i, j - i));
            std::string up = w;
            for (char& ch : up) ch = char(std::toupper(static_cast<unsigned char>(ch)));
            if (up == "AND") toks_.push_back({Tok::And, w});
            else if (up == "OR") toks_.push_back({Tok::Or, w});
            else if (up == "NOT") toks_.push_back({Tok::Not, w});
            else toks_.push_back({Tok::Word, w});
            i = j;
        }
    }
    bool At(Tok::Kind K) const { return i_ < toks_.size() && toks_[i_].kind == K; }
    int Node(BoolNode N) {
        nodes_.push_back(std::move(N));
        return int(nodes_.size()) - 1;
    }
    // An operand, or all operands of a chain of Op gathered into one node.
    int Chain(BoolNode::Kind Op, std::vector<int> Operands) {
        if (Operands.size() == 1) return Operands.front();
        return Node({Op, {}, std::move(Operands)});
    }
    int ParseOr() {
        std::vector<int> operands{ParseAnd()};
        while (At(Tok::Or)) {
            ++i_;
            operands.push_back(ParseAnd());
        }
        return Chain(BoolNode::Or, std::move(operands));
    }
    int ParseAnd() {
        std::vector<int> operands{ParseNot()};
        while (At(Tok::And) || At(Tok::Word) || At(Tok::Not) || At(Tok::Open)) {
            if (At(Tok::And)) ++i_;
            operands.push_back(ParseNot());
        }
        return Chain(BoolNode::And, std::move(operands));
    }
    int ParseNot() {
        // NOT NOT x is x: a run of NOTs leaves one negation or none.
        bool negate = false;
        while (At(Tok::Not)) {
            ++i_;
            negate = !negate;
        }
        const int operand = ParsePrimary();
        return negate ? Node({BoolNode::Not, {}, {operand}}) : operand;
    }
    int ParsePrimary() {
        if (At(Tok::Open)) {
            if (depth_ >= MaxFilterNesting)
                Fail("parentheses nested deeper than " + std::to_string(MaxFilterNesting) + " levels");
            ++i_;
            ++depth_;
            const int e = ParseOr();
            if (!At(Tok::Close)) Fail("missing \")\"");
            ++i_;
            --depth_;
            return e;
        }
        if (At(Tok::Word)) {
            std::string t = toks_[i_++].text;
            if (icase_)
                for (char& ch : t) ch = Lower(ch);
            return Node({BoolNode::Term, std::move(t), {}});
        }
        if (i_ >= toks_.size()) Fail("expression ends after an operator");
        Fail("unexpected \"" + toks_[i_].text + "\"");
    }
    bool Eval(int N, std::span<const std::string_view> Texts) const {
        const BoolNode& n = nodes_[std::size_t(N)];
        switch (n.kind) {
            case BoolNode::And:
                for (int o : n.operands)
                    if (!Eval(o, Texts)) return false;
                return true;
            case BoolNode::Or:
                for (int o : n.operands)
                    if (Eval(o, Texts)) return true;
                return false;
            case BoolNode::Not: return !Eval(n.operands.front(), Texts);
            default:
                for (std::string_view t : Texts)
                    if (t.find(n.term) != std::string_view::npos) return true;
                return false;
        }
    }

    bool icase_;
    std::vector<Tok> toks_;
    std::size_t i_ = 0;
    int depth_ = 0;
    std::vector<BoolNode> nodes_;
    int root_ = -1;
};

}  // namespace

// ---- TRLFilter ----------------------------------------------------------------------------

struct TRLFilter::Impl {
    TFilterMode mode;
    bool icase;
    std::string needle;
    std::unique_ptr<TRegex> rx;
    std::unique_ptr<TBoolExpr> expr;
    mutable std::vector<std::string> lowered;
    mutable std::vector<std::string_view> views;
};

TRLFilter::TRLFilter(std::string_view Expression, TFilterMode Mode, bool IgnoreCase)
    : impl_(new Impl{Mode, IgnoreCase, {}, {}, {}, {}, {}}), empty_(Expression.empty()) {
    try {
        if (empty_) return;
        if (Mode == fmGrep) impl_->rx = std::make_unique<TRegex>(Expression, IgnoreCase);
        else if (Mode == fmBoolean) impl_->expr = std::make_unique<TBoolExpr>(Expression, IgnoreCase);
        else {
            impl_->needle = std::string(Expression);
            if (IgnoreCase)
                for (char& c : impl_->needle) c = Lower(c);
        }
    } catch (...) {
        delete impl_;
        throw;
    }
}

TRLFilter::~TRLFilter() { delete impl_; }

bool TRLFilter::Matches(std::span<const std::string_view> Texts) const {
    if (empty_) return true;
    std::span<const std::string_view> texts = Texts;
    // Lower-case copies for the text searches; the automaton folds case itself.
    if (impl_->icase && impl_->mode != fmGrep) {
        impl_->lowered.resize(Texts.size());
        impl_->views.resize(Texts.size());
        for (std::size_t i = 0; i < Texts.size(); ++i) {
            std::string& l = impl_->lowered[i];
            l.assign(Texts[i]);
            for (char& c : l) c = Lower(c);
            impl_->views[i] = l;
        }
        texts = impl_->views;
    }
    switch (impl_->mode) {
        case fmGrep:
            for (std::string_view t : texts)
                if (impl_->rx->Search(t)) return true;
            return false;
        case fmBoolean: return impl_->expr->Eval(texts);
        default:
            for (std::string_view t : texts)
                if (t.find(impl_->needle) != std::string_view::npos) return true;
            return false;
    }
}

// ---- the view's filter ------------------------------------------------------------------

void TReportListView::ClearFilter() {
    if (FShownRows < 0) return;
    FShownRows = -1;
    ApplyHeadRows();
}

void TReportListView::FilterAndSort(std::string_view FilterExp, std::span<const int> FilterColumns,
                                    bool IgnoreCase, TFilterMode FilterMode, int SortColumn,
                                    bool Ascending) {
    // Compiling first: a malformed expression raises before anything changes.
    TRLFilter filter(FilterExp, FilterMode, IgnoreCase);
    HideEditor();
    const bool saved = FSuppressPaint;
    FSuppressPaint = true;
    try {
        TStringArray& store = *FData->Strings;
        const int rows = GetNrOfRows();
        // Decide per row in the presented order, then sort all rows and move the found ones
        // to the front in their sorted order (a stable partition of the presentation).
        std::vector<std::uint32_t> foundPhysical(std::size_t(rows) + 1, 0);   // by stored row
        std::vector<std::string_view> texts;
        std::vector<int> cols;
        for (int c : FilterColumns)
            if (c >= 0 && c <= GetNrOfColumns()) cols.push_back(c);
        const bool all = FilterExp.empty();
        auto builtIn = [&](int r) {
            if (all) return true;
            texts.clear();
            for (int c : cols) {
                std::string_view s = store.StringView(c, r);
                if (FData->GetColCheckMode(c) != cmNone && !s.empty()) s.remove_prefix(1);
                texts.push_back(s);
            }
            return filter.Matches(texts);
        };
        // Nothing changes while the rows are looked at; the sort computes its order aside
        // while somebody watches the progress, so a cancel leaves the view as it was.
        TProgressTicker ticker = FData->StartProgress(rows);
        for (int r = 1; r <= rows; ++r) {
            ticker.Step(r - 1);
            bool found;
            if (FOnBeforeFilter) {
                // The handler speaks first; by default its Found (false) is ORed with the
                // built-in result, so a handler that only watches changes nothing.
                bool own = false;
                TLogicOp op = loOr;
                FOnBeforeFilter(this, r, own, op);
                switch (op) {
                    case loAnd: found = own && builtIn(r); break;
                    case loOr: found = own || builtIn(r); break;
                    case loXor: found = own != builtIn(r); break;
                    default: found = own; break;   // the handler decides alone
                }
            } else {
                found = builtIn(r);
            }
            foundPhysical[std::size_t(store.GetSortOrder(r))] = found ? 1 : 0;
        }
        if (SortColumn >= 0 && SortColumn <= GetNrOfColumns()) {
            const TSortKind kind = GetColumnSortKind(SortColumn);
            if (kind == skText) {
                FData->Sort(SortColumn, -1, Ascending);
            } else {
                const TRLSortKey key{SortColumn, Ascending, kind};
                FData->SortBy({&key, 1});
            }
        }
        int nFound = 0;
        if (!all || FOnBeforeFilter) {
            std::vector<int> order(static_cast<std::size_t>(rows));
            for (int p = 1; p <= rows; ++p) order[std::size_t(p - 1)] = store.GetSortOrder(p);
            std::stable_partition(order.begin(), order.end(),
                                  [&](int phys) { return foundPhysical[std::size_t(phys)] != 0; });
            for (int p = 1; p <= rows; ++p) {
                store.SetSortOrder(p, order[std::size_t(p - 1)]);
                nFound += foundPhysical[std::size_t(order[std::size_t(p - 1)])];
            }
            FShownRows = nFound == rows ? -1 : nFound;
        } else {
            FShownRows = -1;
        }
    } catch (...) {
        FSuppressPaint = saved;
        throw;
    }
    SetSelection(vcl::TGridRect(0, 0, 0, 0));
    ApplyHeadRows();
    TCustomGrid::SetTopRow(std::min(GetFixedRows(), GetRowCount() - 1));
    SetSuppressPaint(saved);
    ChangedSetup();
}

// A header click while filtered sorts the found rows among themselves; the hidden ones stay
// behind them.
void TReportListView::FilterAndSortFound(const std::function<void()>& SortAll) {
    TStringArray& store = *FData->Strings;
    const int rows = GetNrOfRows();
    std::vector<std::uint8_t> found(std::size_t(rows) + 1, 0);
    for (int p = 1; p <= FShownRows; ++p) found[std::size_t(store.GetSortOrder(p))] = 1;
    SortAll();
    std::vector<int> order(static_cast<std::size_t>(rows));
    for (int p = 1; p <= rows; ++p) order[std::size_t(p - 1)] = store.GetSortOrder(p);
    std::stable_partition(order.begin(), order.end(), [&](int phys) { return found[std::size_t(phys)] != 0; });
    for (int p = 1; p <= rows; ++p) store.SetSortOrder(p, order[std::size_t(p - 1)]);
}

}  // namespace zyn
