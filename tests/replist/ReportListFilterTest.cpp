// Filtering: the three kinds of expression alone, then FilterAndSort on a view with
// OnBeforeFilter and each way of combining.
#include <string>
#include <string_view>
#include <vector>

#include "ReportListViewSupport.h"

using namespace zyn;
using rlv_test::ViewTest;

namespace {
bool M(std::string_view Expr, TFilterMode Mode, bool Icase, std::vector<std::string_view> Texts) {
    TRLFilter f(Expr, Mode, Icase);
    return f.Matches(Texts);
}
}  // namespace

TEST(RLFilter, SimpleFindsAnyTextContainingTheExpression) {
    EXPECT_TRUE(M("ell", fmSimple, false, {"xx", "Hello"}));
    EXPECT_FALSE(M("ELL", fmSimple, false, {"Hello"}));
    EXPECT_TRUE(M("ELL", fmSimple, true, {"Hello"}));
    EXPECT_FALSE(M("lo w", fmSimple, false, {"Hello", "world"}));   // no match across texts
    EXPECT_TRUE(M("", fmSimple, false, {"a"}));
}

TEST(RLFilter, BooleanOperatorsPhrasesAndErrors) {
    EXPECT_TRUE(M("red AND blue", fmBoolean, false, {"red car", "blue sky"}));
    EXPECT_FALSE(M("red AND green", fmBoolean, false, {"red car", "blue sky"}));
    EXPECT_TRUE(M("red OR green", fmBoolean, false, {"red"}));
    EXPECT_FALSE(M("NOT red", fmBoolean, false, {"red"}));
    EXPECT_TRUE(M("red blue", fmBoolean, false, {"blue red"}));                  // implicit AND
    EXPECT_TRUE(M("(a OR b) AND NOT c", fmBoolean, false, {"b"}));
    EXPECT_FALSE(M("(a OR b) AND NOT c", fmBoolean, false, {"bc"}));
    EXPECT_TRUE(M("a OR b AND c", fmBoolean, false, {"a"}));                     // AND binds tighter
    EXPECT_FALSE(M("\"red car\"", fmBoolean, false, {"car red"}));
    EXPECT_TRUE(M("\"red car\"", fmBoolean, false, {"a red car"}));
    EXPECT_TRUE(M("\"and\"", fmBoolean, false, {"sand"}));                       // quoted: a term
    EXPECT_TRUE(M("RED and Blue", fmBoolean, true, {"red blue"}));
    for (const char* bad : {"(a", "a)", "a AND", "\"open", "OR a", "NOT"})
        EXPECT_THROW(TRLFilter(bad, fmBoolean, false), EZynRepListError) << bad;
}

TEST(RLFilter, RegularExpressions) {
    EXPECT_TRUE(M("^a.c$", fmGrep, false, {"abc"}));
    EXPECT_FALSE(M("^a.c$", fmGrep, false, {"abcd"}));
    EXPECT_TRUE(M("b+c", fmGrep, false, {"abbbc"}));
    EXPECT_TRUE(M("colou?r", fmGrep, false, {"color"}));
    EXPECT_TRUE(M("(cat|dog)s", fmGrep, false, {"hotdogs"}));
    EXPECT_TRUE(M("[0-9]{3}-[0-9]{2}", fmGrep, false, {"tel 123-45"}));
    EXPECT_FALSE(M("^[0-9]{3}$", fmGrep, false, {"1234"}));
    EXPECT_TRUE(M("\\d+\\.\\d", fmGrep, false, {"v 1.5"}));
    EXPECT_TRUE(M("[^a-z]", fmGrep, false, {"abC"}));
    EXPECT_FALSE(M("[^a-z]", fmGrep, false, {"abc"}));
    EXPECT_TRUE(M("HELLO", fmGrep, true, {"say hello"}));
    EXPECT_FALSE(M("HELLO", fmGrep, false, {"say hello"}));
    EXPECT_TRUE(M("x{2,}", fmGrep, false, {"axxxb"}));
    EXPECT_TRUE(M("a*", fmGrep, false, {""}));
    for (const char* bad : {"(ab", "ab)", "*a", "[abc", "a\\", "x{3,1}", "a{2000}"})
        EXPECT_THROW(TRLFilter(bad, fmGrep, false), EZynRepListError) << bad;
}

TEST(RLFilter, PathologicalPatternRunsInLinearTime) {
    // (a*)*b over a long run of a's hangs a backtracking engine; here it is one pass.
    const std::string text(20000, 'a');
    EXPECT_FALSE(M("(a*)*b", fmGrep, false, {text}));
    EXPECT_FALSE(M("(a|aa)+$b", fmGrep, false, {text}));
}

namespace {
std::string Repeat(std::string_view Piece, int Count) {
    std::string s;
    for (int i = 0; i < Count; ++i) s += Piece;
    return s;
}
std::string Nested(std::string_view Open, int Depth, std::string_view Core) {
    return Repeat(Open, Depth) + std::string(Core) + Repeat(")", Depth);
}
// The message of the error that compiling Expr raises; "" when it compiles.
std::string ErrorOf(const std::string& Expr, TFilterMode Mode) {
    try {
        TRLFilter f(Expr, Mode, false);
    } catch (const EZynRepListError& e) {
        return e.what();
    }
    return {};
}
}  // namespace

TEST(RLFilter, NestingUpToTheLimitWorksAndDeeperIsRefused) {
    for (TFilterMode mode : {fmBoolean, fmGrep}) {
        SCOPED_TRACE(mode == fmBoolean ? "boolean" : "grep");
        EXPECT_TRUE(M(Nested("(", MaxFilterNesting, "ab"), mode, false, {"xaby"}));
        EXPECT_FALSE(M(Nested("(", MaxFilterNesting, "ab"), mode, false, {"a b"}));
        const std::string deeper = ErrorOf(Nested("(", MaxFilterNesting + 1, "ab"), mode);
        EXPECT_NE(deeper.find("nested deeper than 200 levels"), std::string::npos) << deeper;
        // What a user might paste: a huge run of openers, closed or not.
        EXPECT_NE(ErrorOf(std::string(100000, '('), mode).find("nested deeper"), std::string::npos);
        EXPECT_NE(ErrorOf(Nested("(", 100000, "a"), mode).find("nested deeper"), std::string::npos);
    }
    EXPECT_TRUE(M(Nested("(?:", MaxFilterNesting, "a|b"), fmGrep, false, {"b"}));
    EXPECT_NE(ErrorOf(Nested("(?:", 5000, "a"), fmGrep).find("nested deeper"), std::string::npos);
    EXPECT_TRUE(M(Nested("NOT (", MaxFilterNesting, "a"), fmBoolean, false, {"a"}));   // even count
    EXPECT_NE(ErrorOf(Nested("NOT (", 50000, "a"), fmBoolean).find("nested deeper"), std::string::npos);
    // A long pattern is quoted by its start only.
    EXPECT_LT(ErrorOf(std::string(100000, '('), fmGrep).size(), 200u);
}

TEST(RLFilter, ChainsOfAnyLengthNeedNoNesting) {
    const int n = 100000;
    // An odd run of NOTs negates, an even one does not.
    EXPECT_FALSE(M(Repeat("NOT ", n + 1) + "a", fmBoolean, false, {"a"}));
    EXPECT_TRUE(M(Repeat("NOT ", n + 1) + "a", fmBoolean, false, {"b"}));
    EXPECT_TRUE(M(Repeat("NOT ", n) + "a", fmBoolean, false, {"a"}));
    EXPECT_FALSE(M(Repeat("not ", n) + "a", fmBoolean, false, {"b"}));
    EXPECT_TRUE(M(Repeat("a AND ", n) + "b", fmBoolean, false, {"b", "a"}));
    EXPECT_FALSE(M(Repeat("a AND ", n) + "b", fmBoolean, false, {"a"}));
    EXPECT_TRUE(M(Repeat("a ", n) + "b", fmBoolean, false, {"ab"}));              // implicit AND
    EXPECT_TRUE(M(Repeat("x OR ", n) + "b", fmBoolean, false, {"b"}));
    EXPECT_FALSE(M(Repeat("x OR ", n) + "b", fmBoolean, false, {"a"}));
    EXPECT_TRUE(M(Repeat("x OR y AND ", n) + "b", fmBoolean, false, {"yb"}));
    // Precedence holds inside long chains: OR of AND groups, NOT on one operand.
    EXPECT_TRUE(M("a AND NOT b OR c AND d OR e", fmBoolean, false, {"cd"}));
    EXPECT_FALSE(M("a AND NOT b OR c AND d OR e", fmBoolean, false, {"ab", "c"}));
    EXPECT_TRUE(M("NOT NOT a AND NOT NOT NOT b", fmBoolean, false, {"a"}));
    EXPECT_THROW(TRLFilter(Repeat("NOT ", n), fmBoolean, false), EZynRepListError);
    // Regular expressions: long alternations, sequences and runs of groups side by side.
    EXPECT_TRUE(M(Repeat("x|", 40000) + "b", fmGrep, false, {"abc"}));
    EXPECT_FALSE(M(Repeat("x|", 40000) + "b", fmGrep, false, {"ac"}));
    // (Anchored, so that only one thread runs: unanchored, every start position is a thread.)
    EXPECT_TRUE(M("^" + std::string(90000, 'a'), fmGrep, false, {std::string(90001, 'a')}));
    EXPECT_TRUE(M("^" + Repeat("(a)", 30000) + "$", fmGrep, false, {std::string(30000, 'a')}));
    EXPECT_FALSE(M("^" + Repeat("(a)", 30000) + "$", fmGrep, false, {std::string(29999, 'a')}));
}

namespace {
void FillFruit(TReportListView* V) {
    V->SetNrCols(2);
    V->SetNrRows(6);
    const char* names[] = {"pear", "Apple", "plum", "apricot", "banana", "grape"};
    const char* kinds[] = {"core", "core", "stone", "stone", "berry", "berry"};
    for (int r = 1; r <= 6; ++r) {
        V->SetElem(1, r, names[r - 1]);
        V->SetElem(2, r, kinds[r - 1]);
    }
}
const std::vector<int> Both{1, 2};
}  // namespace

TEST_F(ViewTest, FilterShowsFoundRowsFirstAndSorted) {
    FillFruit(view);
    view->FilterAndSort("ap", Both, true, fmSimple, 1, true);
    EXPECT_EQ(view->GetNrOfShownRows(), 3);
    EXPECT_EQ(view->GetRowCount(), 4);
    EXPECT_EQ(Column(1), "Apple,apricot,grape");
    EXPECT_EQ(view->GetNrOfRows(), 6);   // nothing is lost
    view->FilterAndSort("ap", Both, false, fmSimple, 1, false);
    EXPECT_EQ(Column(1), "grape,apricot");
    view->FilterAndSort("stone OR berry", Both, false, fmBoolean, 1, true);
    EXPECT_EQ(Column(1), "apricot,banana,grape,plum");
    view->FilterAndSort("^p", std::vector<int>{1}, false, fmGrep, 1, true);
    EXPECT_EQ(Column(1), "pear,plum");
    // A header click sorts the found rows only, and so does Sort.
    ClickHeader(1);
    EXPECT_EQ(Column(1), "plum,pear");
    view->Sort(2, -1, true);
    EXPECT_EQ(Column(1), "pear,plum");
    EXPECT_EQ(view->GetNrOfShownRows(), 2);
    // An empty expression shows all rows again.
    view->FilterAndSort("", Both, false, fmSimple, 1, true);
    EXPECT_EQ(view->GetNrOfShownRows(), 6);
    EXPECT_EQ(Column(1), "Apple,apricot,banana,grape,pear,plum");
}

TEST_F(ViewTest, MalformedFilterLeavesTheViewAsItWas) {
    FillFruit(view);
    view->FilterAndSort("berry", Both, false, fmSimple, 1, true);
    ASSERT_EQ(view->GetNrOfShownRows(), 2);
    try {
        view->FilterAndSort("(pe", Both, false, fmGrep, 1, true);
        FAIL() << "no exception";
    } catch (const EZynRepListError& e) {
        EXPECT_NE(std::string(e.what()).find("missing \")\""), std::string::npos) << e.what();
    }
    EXPECT_EQ(view->GetNrOfShownRows(), 2);
    EXPECT_EQ(Column(1), "banana,grape");
}

TEST_F(ViewTest, BeforeFilterCombinesByItsLogicOp) {
    FillFruit(view);
    // Built-in: "core" finds rows pear and Apple. The handler finds names with an "r".
    auto run = [&](TLogicOp Op) {
        view->SetOnBeforeFilter([this, Op](vcl::TObject*, int Row, bool& Found, TLogicOp& Comb) {
            Found = view->GetElem(1, Row).find('r') != std::string::npos;
            Comb = Op;
        });
        view->FilterAndSort("core", Both, false, fmSimple, 1, true);
        return Column(1);
    };
    EXPECT_EQ(run(loAnd), "pear");
    EXPECT_EQ(run(loOr), "Apple,apricot,grape,pear");
    EXPECT_EQ(run(loXor), "Apple,apricot,grape");
    EXPECT_EQ(run(loNone), "apricot,grape,pear");
    // A handler that only watches leaves the built-in result.
    int calls = 0;
    view->SetOnBeforeFilter([&](vcl::TObject*, int, bool&, TLogicOp&) { ++calls; });
    view->FilterAndSort("core", Both, false, fmSimple, 1, true);
    EXPECT_EQ(calls, 6);
    EXPECT_EQ(Column(1), "Apple,pear");
}

namespace {
// Every stored cell of columns 0..NrOfColumns and every row's attribute byte but its
// selected bit.
std::string Snapshot(const TReportListView* V) {
    std::string s;
    for (int r = 1; r <= V->GetNrOfRows(); ++r) {
        for (int c = 0; c <= V->GetNrOfColumns(); ++c) s += V->GetData()->Strings->GetString(c, r) + ";";
        s += std::to_string(V->GetData()->Strings->GetRowAttrib(r) & 0x7F) + "\n";
    }
    return s;
}
}  // namespace

// With no row shown, the grid row below the headers that stands in for the list holds no
// row: clicking it, F2, typing and the cursor keys neither edit nor select a hidden row.
TEST_F(ViewTest, AFilterThatFindsNothingLeavesNothingCurrent) {
    FillFruit(view);
    view->SetColumnEditable(1, true);
    ClickCell(1, 2);   // a row is current before the filter
    view->FilterAndSort("nothing like this", Both, false, fmSimple, -1, true);
    ASSERT_EQ(view->GetNrOfShownRows(), 0);
    const std::string before = Snapshot(view);
    int selected = 0;
    view->SetOnSelectedChange([&](vcl::TObject*) { ++selected; });
    ClickCell(1, 1);
    EXPECT_LT(view->GetRow(), view->GetFixedRows());
    EXPECT_FALSE(view->GetOptions().Contains(vcl::goEditing));
    vcl::Input::KeyDown(view, vcl::VK_F2);
    vcl::Input::TypeText(view, "x");
    if (vcl::TInplaceEdit* ed = view->GetInplaceEditor()) {
        EXPECT_FALSE(ed->GetVisible());
        vcl::Input::TypeText(ed, "y");
    }
    for (vcl::WORD key : {vcl::VK_DOWN, vcl::VK_UP, vcl::VK_END, vcl::VK_HOME}) {
        vcl::Input::KeyDown(view, key);
        EXPECT_LT(view->GetRow(), view->GetFixedRows()) << key;
    }
    vcl::Input::KeyDown(view, vcl::VK_F2);
    vcl::Input::TypeText(view, "z");
    EXPECT_EQ(view->NumSelectedRows(), 0);
    EXPECT_GT(selected, 0);   // the keys still report, with nothing selected
    EXPECT_EQ(Snapshot(view), before);
    // Rows shown again can be made current and edited as before.
    view->FilterAndSort("", Both, false, fmSimple, -1, true);
    ClickCell(1, 2);
    EXPECT_EQ(view->GetRow(), view->GetFixedRows() + 1);
    EXPECT_TRUE(view->GetOptions().Contains(vcl::goEditing));
}

// Removing the last shown row while it is current leaves nothing current either.
TEST_F(ViewTest, RemovingTheLastShownRowLeavesNothingCurrent) {
    FillFruit(view);
    view->SetColumnEditable(1, true);
    view->FilterAndSort("banana", Both, false, fmSimple, -1, true);
    ASSERT_EQ(view->GetNrOfShownRows(), 1);
    ClickCell(1, 1);
    ASSERT_EQ(view->GetRow(), view->GetFixedRows());
    view->RemoveRow(1);
    ASSERT_EQ(view->GetNrOfShownRows(), 0);
    const std::string before = Snapshot(view);
    EXPECT_LT(view->GetRow(), view->GetFixedRows());
    vcl::Input::KeyDown(view, vcl::VK_F2);
    vcl::Input::TypeText(view, "x");
    if (vcl::TInplaceEdit* ed = view->GetInplaceEditor()) vcl::Input::TypeText(ed, "y");
    vcl::Input::KeyDown(view, vcl::VK_DOWN);
    EXPECT_EQ(view->NumSelectedRows(), 0);
    EXPECT_EQ(Snapshot(view), before);
}
