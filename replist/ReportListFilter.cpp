// Filtering the report list: the three kinds of expression (a text to find, a Boolean
// expression of texts, a regular expression) and FilterAndSort, which puts the found rows
// first in the presented order, sorted, and shows only them.
//
// Regular expressions are run by RE2 (RLRegex.cpp), in time linear in the text for any
// pattern (no backtracking).
#include <algorithm>
#include <memory>
#include <string>
#include <cctype>
#include <numeric>

#include "replist/RLRegex.h"
#include "replist/Zyn_ReportListView.h"

namespace zyn {

namespace {

char Lower(char C) { return char(std::tolower(static_cast<unsigned char>(C))); }

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
    std::unique_ptr<TRLRegex> rx;
    std::unique_ptr<TBoolExpr> expr;
    mutable std::vector<std::string> lowered;
    mutable std::vector<std::string_view> views;
};

TRLFilter::TRLFilter(std::string_view Expression, TFilterMode Mode, bool IgnoreCase)
    : impl_(new Impl{Mode, IgnoreCase, {}, {}, {}, {}, {}}), empty_(Expression.empty()) {
    try {
        if (empty_) return;
        if (Mode == fmGrep) impl_->rx = std::make_unique<TRLRegex>(Expression, IgnoreCase);
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
    // Lower-case copies for the text searches; a regular expression folds case itself.
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
