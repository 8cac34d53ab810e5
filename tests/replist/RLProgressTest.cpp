// Progress and cancel of the long operations: the rate limit on the virtual clock, and for
// each operation that a cancel in its middle leaves the list, its order, its selection and
// its files as they were.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>

#include "platform/Forms.h"
#include "ReportListViewSupport.h"

using namespace zyn;
using rlv_test::ViewTest;

namespace {

namespace fs = std::filesystem;

std::string FileText(const std::string& Name) {
    std::ifstream f(Name, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// Everything a cancel must leave alone: size, texts in presented order, the stored row
// behind each position, row attributes, the last sort.
std::string Snapshot(const TRLData& D) {
    std::string s = std::to_string(D.GetNrOfColumns()) + "x" + std::to_string(D.GetNrOfRows()) + " sort " +
                    std::to_string(D.GetLastSortColumn()) + "/" + std::to_string(D.GetLastSortColumnSec()) +
                    (D.GetLastSortOrder() ? "+" : "-") + std::to_string(D.GetLastSortKeys().size()) + "\n";
    for (int r = 1; r <= D.GetNrOfRows(); ++r) {
        s += std::to_string(D.Strings->GetSortOrder(r)) + ":" + std::to_string(D.Strings->GetRowAttrib(r));
        for (int c = 0; c <= D.GetNrOfColumns(); ++c) s += "|" + std::string(D.Strings->StringView(c, r));
        s += "\n";
    }
    return s;
}

void FillData(TRLData& D, int Rows, const std::string& Tag) {
    D.SetNrCols(3);
    D.SetNrRows(Rows);
    for (int r = 1; r <= Rows; ++r) {
        D.SetElem(1, r, Tag + std::to_string((r * 7919) % Rows));
        D.SetElem(2, r, std::to_string((r * 104729) % 1000));
        if (r % 5) D.SetElem(3, r, "w" + std::to_string(r % 13));
    }
}

// The progress tests run on the virtual clock, which only the handlers move.
class ProgressClock : public ::testing::Environment {
public:
    void SetUp() override { vcl::Application->SetVirtualClock(true); }
};
const auto* const clockEnvironment = ::testing::AddGlobalTestEnvironment(new ProgressClock);

// A handler that lets 50 ms pass on the virtual clock at each report (so the next check
// reports again) and cancels at report CancelAt (0: never).
struct Canceller {
    int calls = 0, cancelAt = 3;
    std::int64_t lastDone = -1, total = 0;
    vcl::TObject* sender = nullptr;
    TProgressEvent Handler() {
        return [this](vcl::TObject* Sender, std::int64_t Done, std::int64_t Total, bool& Cancel) {
            ++calls;
            sender = Sender;
            EXPECT_GE(Done, lastDone);
            EXPECT_LE(Done, Total);
            lastDone = Done;
            total = Total;
            vcl::Application->AdvanceTime(TProgressTicker::IntervalMs);
            if (calls == cancelAt) Cancel = true;
        };
    }
};

TEST(RLProgress, ReportsAtMostOncePerIntervalOfTheVirtualClock) {
    int reports = 0;
    const TProgressEvent handler = [&](vcl::TObject*, std::int64_t, std::int64_t Total, bool&) {
        ++reports;
        EXPECT_EQ(Total, 1000);
    };
    std::int64_t last = std::numeric_limits<std::int64_t>::min() / 2;
    const std::int64_t start = vcl::Application->GetClockMs();
    {
        TProgressTicker ticker(handler, nullptr, 1000, last);
        EXPECT_EQ(reports, 1) << "the start is reported";
        for (int i = 1; i <= 1000; ++i) {
            vcl::Application->AdvanceTime(7);
            ticker.Step(i);
        }
    }
    const std::int64_t elapsed = vcl::Application->GetClockMs() - start;
    EXPECT_LE(reports, elapsed / TProgressTicker::IntervalMs + 1);
    // Checks come every 7 ms, so a report comes at the first check 50 ms after the last.
    EXPECT_GE(reports, elapsed / (TProgressTicker::IntervalMs + 7) - 1);
    // The limit holds across operations: one started at once does not report its start.
    reports = 0;
    TProgressTicker next(handler, nullptr, 1000, last);
    EXPECT_EQ(reports, 0);
    // No handler: nothing is reported and nothing raised.
    TProgressTicker quiet(TProgressEvent(), nullptr, 10, last);
    quiet.Step(5);
}

TEST(RLProgress, ACancelledSortLeavesTheOrderAndTheLastSort) {
    TRLData d(nullptr);
    FillData(d, 5000, "k");
    d.Sort(2, -1, true);
    const std::string before = Snapshot(d);
    Canceller c;
    d.SetOnProgress(c.Handler());
    EXPECT_THROW(d.Sort(1, 3, false), EZynCancelled);
    EXPECT_EQ(c.calls, 3);
    EXPECT_GT(c.lastDone, 0) << "cancelled in the middle";
    EXPECT_EQ(c.sender, &d);
    EXPECT_EQ(Snapshot(d), before);
    const TRLSortKey key{2, false, skNumber};
    c = Canceller();
    d.SetOnProgress(c.Handler());
    EXPECT_THROW(d.SortBy({&key, 1}), EZynCancelled);
    EXPECT_EQ(Snapshot(d), before);
    // Not cancelled, the sort with a handler gives the store's order.
    TRLData plain(nullptr);
    FillData(plain, 5000, "k");
    plain.Sort(2, -1, true);
    plain.Sort(1, 3, false);
    c = Canceller();
    c.cancelAt = 0;
    d.SetOnProgress(c.Handler());
    d.Sort(1, 3, false);
    EXPECT_GT(c.calls, 3);
    EXPECT_EQ(Snapshot(d), Snapshot(plain));
}

TEST(RLProgress, CancelledFileOperationsChangeNeitherTheListNorTheFiles) {
    const fs::path dir = fs::temp_directory_path() / ("rlprogress" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string xml = (dir / "a.xml").string(), csv = (dir / "a.csv").string();
    {
        TRLData source(nullptr);
        FillData(source, 4000, "file");
        source.SaveAsXMLFile(xml, "set");
        std::ofstream out(csv);
        // The import reports by the block it reads: enough blocks for several reports.
        for (int r = 1; r <= 60000; ++r) out << "a" << r << ",b,\"c " << r << "\"\n";
    }
    const std::string xmlText = FileText(xml);
    TRLData d(nullptr);
    FillData(d, 300, "own");
    d.Sort(1, -1, false);
    d.Strings->SetRowAttrib(2, 64);
    const std::string before = Snapshot(d);
    Canceller c;
    d.SetOnProgress(c.Handler());
    EXPECT_THROW(d.LoadFromXMLFile(xml, "set"), EZynCancelled);
    EXPECT_EQ(c.calls, 3);
    EXPECT_EQ(Snapshot(d), before);
    c = Canceller();
    d.SetOnProgress(c.Handler());
    EXPECT_THROW(d.ImportCSV(csv, csvComma, false), EZynCancelled);
    EXPECT_EQ(c.calls, 3);
    EXPECT_EQ(Snapshot(d), before);
    // A cancelled save keeps the old file and leaves no temporary one.
    TRLData big(nullptr);
    FillData(big, 6000, "big");
    c = Canceller();
    big.SetOnProgress(c.Handler());
    EXPECT_THROW(big.SaveAsXMLFile(xml, "set"), EZynCancelled);
    EXPECT_EQ(c.calls, 3);
    EXPECT_EQ(FileText(xml), xmlText);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
    // RemoveEmptyRows of the container.
    TRLData holes(nullptr);
    FillData(holes, 5000, "h");
    for (int r = 1; r <= 5000; r += 3)
        for (int col = 1; col <= 3; ++col) holes.SetElem(col, r, "");
    const std::string holesBefore = Snapshot(holes);
    c = Canceller();
    holes.SetOnProgress(c.Handler());
    EXPECT_THROW(holes.RemoveEmptyRows(), EZynCancelled);
    EXPECT_EQ(Snapshot(holes), holesBefore);
    // Without a cancel every operation runs to its end.
    Canceller load, import;
    load.cancelAt = import.cancelAt = 0;
    d.SetOnProgress(load.Handler());
    EXPECT_TRUE(d.LoadFromXMLFile(xml, "set"));
    EXPECT_EQ(d.GetNrOfRows(), 4000);
    d.SetOnProgress(import.Handler());
    EXPECT_EQ(d.ImportCSV(csv, csvComma, false), 60000);
    EXPECT_GT(import.calls, 1);
    fs::remove_all(dir);
}

TEST(RLProgress, LoadingLinesIsNotCancelledHalfWay) {
    // It writes the cells as it reads: a cancel could not put them back, so none is asked.
    const std::string name = (fs::temp_directory_path() / ("rllines" + std::to_string(::getpid()))).string();
    {
        std::ofstream out(name);
        for (int r = 1; r <= 5000; ++r) out << "line " << r << "\n";
    }
    TRLData d(nullptr);
    d.SetNrCols(2);
    Canceller c;
    c.cancelAt = 1;
    d.SetOnProgress(c.Handler());
    EXPECT_EQ(d.LoadLinesFromFile(2, 1, name), 5000);
    EXPECT_EQ(c.calls, 0);
    EXPECT_EQ(d.GetElem(2, 5000), "line 5000");
    fs::remove(name);
}

class ViewProgressTest : public ViewTest {
protected:
    void FillView(int Rows) {
        view->SetNrCols(3);
        view->SetNrRows(Rows);
        for (int r = 1; r <= Rows; ++r) {
            if (r % 4) view->SetElem(1, r, "n" + std::to_string((r * 7919) % Rows));
            if (r % 4) view->SetElem(2, r, "t" + std::to_string(r % 17));
            if (r % 4) view->SetElem(3, r, std::string(std::size_t(r % 23), 'x'));
        }
    }
    // The view's state besides its data: shown rows, the selection and the widths.
    std::string ViewState() {
        std::string s = Snapshot(*view->GetData()) + " shown " + std::to_string(view->GetNrOfShownRows()) +
                        " sel " + std::to_string(view->GetSelection().Top) + "/" + std::to_string(view->GetRow()) +
                        " toggle " + std::to_string(view->GetData()->GetSortToggle()) + " widths";
        for (int c = 1; c <= view->GetNrOfColumns(); ++c) s += " " + std::to_string(view->GetColWidths(c));
        return s;
    }
};

TEST_F(ViewProgressTest, CancelledViewOperationsLeaveTheViewAsItWas) {
    FillView(5000);
    view->SetRowSelectMode(2);
    const int cols[] = {1, 2};
    view->FilterAndSort("t1", cols, false, fmSimple, 1, true);
    ClickCell(1, 3);
    const std::string before = ViewState();
    ASSERT_LT(view->GetNrOfShownRows(), 5000);
    Canceller c;
    view->SetOnProgress(c.Handler());
    EXPECT_THROW(view->FilterAndSort("t2", cols, false, fmSimple, 2, false), EZynCancelled);
    EXPECT_EQ(c.sender, view) << "the view reports as itself";
    EXPECT_EQ(ViewState(), before);
    for (auto op : {+[](TReportListView* v) { v->Sort(2, 1, false); },
                    +[](TReportListView* v) { v->RemoveEmptyRows(); },
                    +[](TReportListView* v) { v->FitAllColWidths(3, true, 4, 300, 20); }}) {
        c = Canceller();
        view->SetOnProgress(c.Handler());
        EXPECT_THROW(op(view), EZynCancelled);
        EXPECT_EQ(c.calls, 3);
        EXPECT_EQ(ViewState(), before);
    }
    // A header click that the handler cancels does nothing, also to the next direction.
    c = Canceller();
    view->SetOnProgress(c.Handler());
    ClickHeader(2);
    EXPECT_EQ(c.calls, 3);
    EXPECT_EQ(ViewState(), before);
    // Not cancelled, they run.
    c = Canceller();
    c.cancelAt = 0;
    view->SetOnProgress(c.Handler());
    view->RemoveEmptyRows();
    EXPECT_LT(view->GetNrOfRows(), 5000);
    view->SetOnProgress(nullptr);
    EXPECT_FALSE(view->GetData()->GetOnProgress());
}

}  // namespace
