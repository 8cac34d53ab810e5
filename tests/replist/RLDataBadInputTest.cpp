// Hostile files for the container's readers: truncated data sets, bytes that are not XML,
// counts that lie, cells outside the declared size, broken CSV. Each ends in a clear error
// (or a documented result) and leaves the container as it was.
#include <gtest/gtest.h>

#include "replist/Zyn_replist.h"

using namespace zyn;

namespace {

std::string TempFile(const std::string& Name) { return std::string(ZYN_TEST_OUTPUT_DIR) + "/rlbad_" + Name; }

void WriteText(const std::string& FName, const std::string& Text) {
    vcl::TFileStream f(FName, vcl::fmCreate);
    f.WriteText(Text);
}

// Everything the container holds, as its own XML.
std::string Contents(TRLData& D) {
    vcl::TStringStream s;
    D.WriteToXMLStream(&s, false, "contents");
    return s.GetDataString() + "|" + D.GetDataID();
}

void Prefill(TRLData& D) {
    D.SetNrCols(3);
    D.SetNrRows(2);
    D.SetColName(1, "Name");
    D.SetColCheckMode(2, cmRadio);
    D.SetColumnFormat(3, "[i]");
    D.SetElem(1, 1, "before");
    D.SetElemChecked(2, 2, true);
    D.SetCommonHeader("header");
    D.SetComment("comment");
    D.SetDataID("old");
}

// Runs Read, which must raise EZynRLDataError naming a line; returns the message.
template <class F>
std::string Refused(TRLData& D, F Read) {
    const std::string before = Contents(D);
    std::string message = "accepted";
    try {
        Read();
    } catch (const EZynRLDataError& e) {
        message = e.Message();
    }
    EXPECT_EQ(Contents(D), before) << message;
    return message;
}

const std::string kHead = "<replist id=\"x\" format=\"zynwidget\" version=\"1\">\n";
const std::string kBody =
    "<numcols>2</numcols>\n<numrows>2</numrows>\n<!-- note -->\n"
    "<cell col=\"1\" row=\"1\">a &amp; b<![CDATA[<raw>]]></cell>\n</replist>\n";

}  // namespace

TEST(RLDataBadInput, TruncatedDataSetsFailWithTheirLineThroughEveryReader) {
    const std::string whole = kHead + kBody;
    const std::string f = TempFile("cut.xml");
    TRLData d(nullptr);
    Prefill(d);
    ASSERT_TRUE(TRLData(nullptr).ReadFromXMLString(whole, "x"));
    // Cut inside a tag, an attribute value, an entity, a comment, a CDATA section, a text,
    // and just before the end tag.
    for (const char* mark : {"<numr", "row=\"", "&am", "<!-- no", "<![CDATA[<r", "a &amp; b", "</replist"}) {
        const std::size_t at = whole.find(mark);
        ASSERT_NE(at, std::string::npos) << mark;
        const std::string cut = whole.substr(0, at + std::string(mark).size());
        EXPECT_NE(Refused(d, [&] { d.ReadFromXMLString(cut, "x"); }).find("line "), std::string::npos) << cut;
        vcl::TStringStream s(cut);
        EXPECT_NE(Refused(d, [&] { d.ReadFromXMLStream(&s, ""); }).find("invalid XML data set"), std::string::npos);
        WriteText(f, cut);
        EXPECT_NE(Refused(d, [&] { d.LoadFromXMLFile(f, "X"); }).find("line "), std::string::npos);
    }
    // Cut right after the opening line: the end of the data set is named.
    EXPECT_EQ(Refused(d, [&] { d.ReadFromXMLString(kHead, "x"); }),
              "Component \"\": invalid XML data set, line 1: the data set ends without </replist>");
}

TEST(RLDataBadInput, BytesThatAreNotADataSetAreNotFound) {
    TRLData d(nullptr);
    Prefill(d);
    const std::string before = Contents(d);
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += char((i * 131 + 7) & 0xFF);   // NULs, controls, 0xFF...
    const std::string f = TempFile("garbage.bin");
    WriteText(f, garbage);
    EXPECT_FALSE(d.ReadFromXMLString(garbage, ""));
    EXPECT_FALSE(d.LoadFromXMLFile(f, ""));
    EXPECT_FALSE(CheckIfValidReplist(f, ""));
    vcl::TStringStream s(garbage);
    EXPECT_FALSE(CheckIfValidReplist(&s, ""));
    // A data set of another identifier is not this one, and an empty text holds none.
    EXPECT_FALSE(d.ReadFromXMLString(kHead + kBody, "y"));
    EXPECT_FALSE(d.ReadFromXMLString("", ""));
    EXPECT_EQ(Contents(d), before);
}

TEST(RLDataBadInput, CountsThatLieAndCellsOutsideTheDeclaredSize) {
    TRLData d(nullptr);
    Prefill(d);
    auto xml = [](const std::string& Items) { return kHead + Items + "\n</replist>\n"; };
    struct Case {
        std::string items, message;
    };
    const Case cases[] = {
        // A count beyond what a list can hold; a cell far down a column, whose storage
        // reaches to it; columns whose names and stores alone take gigabytes; cells that
        // add up beyond the budget one column at a time.
        {"<numrows>2147483648</numrows>", "invalid number \"2147483648\" for numrows"},
        {"<numcols>1</numcols><numrows>2000000000</numrows>\n<cell col=\"1\" row=\"1999999999\">x</cell>",
         "far more than the 138 bytes read justify"},
        {"<numcols>100000000</numcols>", "the table would need about 12207 MB"},
        {"<numcols>9</numcols><numrows>2000000</numrows>"
         "<cell col=\"1\" row=\"2000000\">x</cell><cell col=\"2\" row=\"2000000\">x</cell>"
         "<cell col=\"3\" row=\"2000000\">x</cell><cell col=\"4\" row=\"2000000\">x</cell>",
         "the table would need about 305 MB"},
        {"<numcols>2</numcols><numrows>2</numrows><cell col=\"1\" row=\"0\">x</cell>",
         "cell [1,0] outside the declared size of 2 columns and 2 rows"},
        {"<numcols>2</numcols><numrows>2</numrows><cell col=\"-1\" row=\"1\">x</cell>",
         "invalid number \"-1\" for col"},
        {"<numcols>2</numcols><numrows>2</numrows><cell col=\"1\">x</cell>", "attribute row missing"},
        {"<numcols>2</numcols><numrows>2</numrows><cell col=\"1x\" row=\"1\">x</cell>",
         "invalid number \"1x\" for col"},
        {"<numcols>2</numcols><colname col=\"3\">x</colname>", "column 3 outside the 2 declared"},
        {"<numcols>2</numcols><checkedcolumn col=\"1\">3</checkedcolumn>", "invalid check mode 3"},
        {"<numrows>1</numrows><numrows>1</numrows>", "<numrows> given twice"},
    };
    for (const Case& c : cases) {
        const std::string message = Refused(d, [&] { d.ReadFromXMLString(xml(c.items), "x"); });
        EXPECT_NE(message.find(c.message), std::string::npos) << c.items << "\n" << message;
        EXPECT_NE(message.find("line "), std::string::npos) << message;
    }
}

TEST(RLDataBadInput, BrokenCsvLeavesTheContainerAlone) {
    TRLData d(nullptr);
    Prefill(d);
    const std::string f = TempFile("bad.csv");

    // An opening quote that never closes: the error names the line it opened on.
    WriteText(f, "a,b\nc,\"open\nstill open\n\nto the end");
    EXPECT_EQ(Refused(d, [&] { d.ImportCSV(f, csvComma, true); }),
              "Component \"\": invalid CSV file, line 2: a quoted field is not closed");

    // A line of nothing but delimiters stops at the first field beyond the budget instead of
    // collecting them all: 2.5 million columns would cost some 300 MB for 2.5 MB read.
    WriteText(f, "x\n" + std::string(2500000, ';') + "\n");
    const std::string message = Refused(d, [&] { d.ImportCSV(f, csvSemicolon, false); });
    EXPECT_TRUE(message.starts_with("Component \"\": invalid CSV file, line 2: the table would need about 256 MB"))
        << message;

    // Many short lines: allowed as long as the cells stay in proportion to the bytes.
    std::string lines;
    for (int i = 0; i < 1000; ++i) lines += "1\n";
    WriteText(f, lines);
    EXPECT_EQ(d.ImportCSV(f, csvTab, false), 1000);
    EXPECT_EQ(d.GetNrOfColumns(), 1);
}

TEST(RLDataBadInput, DeeplyNestedMarkupIsSkippedWithoutRecursion) {
    // Unknown elements are skipped by counting levels, so any depth costs no stack.
    const int depth = 100000;
    std::string open, close;
    for (int i = 0; i < depth; ++i) {
        open += "<x a=\"1\">";
        close += "</x>";
    }
    TRLData d(nullptr);
    ASSERT_TRUE(d.ReadFromXMLString(kHead + "<numcols>2</numcols>\n<numrows>1</numrows>\n" + open +
                                        "<cell col=\"1\" row=\"1\">hidden</cell>" + close + "\n<cell col=\"2\" row=\"1\">a" + open + "b" + close + "c</cell>\n" +
                                        "</replist>\n",
                                    "x"));
    EXPECT_EQ(d.GetNrOfColumns(), 2);
    EXPECT_EQ(d.GetElem(2, 1), "ac");   // unknown markup inside a text is left out whole
    EXPECT_EQ(d.GetElem(1, 1), "");     // a cell inside unknown markup is not read
    // Left open, the nesting ends in the reader's error, not a crash.
    Prefill(d);
    EXPECT_NE(Refused(d, [&] { d.ReadFromXMLString(kHead + "<numcols>2</numcols>\n" + open, "x"); })
                  .find("the data set ends inside <x>"),
              std::string::npos);
    EXPECT_NE(Refused(d, [&] { d.ReadFromXMLString(kHead + "<cell col=\"1\" row=\"1\">" + open, "x"); })
                  .find("the data set ends inside <x>"),
              std::string::npos);
}
