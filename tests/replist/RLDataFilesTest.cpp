// Exchange of the container: XML round trips and data-set selection, bad input, CSV, lines, HTML.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

#include "replist/Zyn_replist.h"

using namespace zyn;

namespace {

std::string TempFile(const std::string& Name) { return std::string(ZYN_TEST_OUTPUT_DIR) + "/rldata_" + Name; }

void WriteText(const std::string& FName, const std::string& Text) {
    vcl::TFileStream f(FName, vcl::fmCreate);
    f.WriteText(Text);
}

std::string ReadText(const std::string& FName) {
    vcl::TFileStream f(FName, vcl::fmOpenRead);
    return f.ReadAllText();
}

// Texts that break careless writers: markup, quotes, controls, line breaks, non-BMP, bad UTF-8.
const std::vector<std::string> kHostile = {
    "a&b<c>d\"e'f", "line1\nline2\r\nline3\rend", "\ttab\t", std::string("nul\0byte", 8), "\x01\x1b\x7f",
    "emoji \xF0\x9F\x98\x80", "bad \xFF\xFE utf8 \xC3", "</cell></replist>", "<replist zynwidget id=\"x\">",
    "]]>", "&amp; literal", "  blanks  ", "\xEF\xBF\xBD real replacement", "\xEF\xBF\xBF"};

std::unique_ptr<TRLData> Hostile() {
    auto d = std::make_unique<TRLData>(nullptr);
    d->SetNrCols(3);
    d->SetNrRows(int(kHostile.size()));
    d->SetColCheckMode(2, cmBox);
    d->SetColCheckMode(3, cmRadio);
    for (int r = 1; r <= int(kHostile.size()); ++r) {
        d->SetElem(1, r, kHostile[std::size_t(r) - 1]);
        d->SetElem(2, r, kHostile[kHostile.size() - std::size_t(r)]);
        d->Strings->SetString(0, r, "zero" + std::to_string(r));
    }
    d->SetElemChecked(2, 2, true);
    d->SetElemChecked(3, 4, true);
    d->SetColName(1, "n<&>\"1\"");
    d->SetColumnFormat(1, "[c]a|b<c>");
    d->SetCommonHeader("head\nline");
    d->SetComment("comment \x02 with \xF0\x9F\x98\x80");
    return d;
}

void ExpectSame(const TRLData& a, const TRLData& b) {
    ASSERT_EQ(a.GetNrOfColumns(), b.GetNrOfColumns());
    ASSERT_EQ(a.GetNrOfRows(), b.GetNrOfRows());
    for (int c = 1; c <= a.GetNrOfColumns(); ++c) {
        EXPECT_EQ(a.GetColName(c), b.GetColName(c));
        EXPECT_EQ(a.GetColumnFormat(c), b.GetColumnFormat(c));
        EXPECT_EQ(a.GetColCheckMode(c), b.GetColCheckMode(c));
    }
    for (int r = 1; r <= a.GetNrOfRows(); ++r)
        for (int c = 0; c <= a.GetNrOfColumns(); ++c)
            EXPECT_EQ(a.Strings->GetString(c, r), b.Strings->GetString(c, r)) << c << "," << r;
    EXPECT_EQ(a.GetCommonHeader(), b.GetCommonHeader());
    EXPECT_EQ(a.GetComment(), b.GetComment());
}

// Reads Text with an address-space limit of 256 MB beyond what the process holds now (run in
// a child process): 0 when the budget refuses it, 1 when it is accepted, 2 when the reader
// ran out of memory instead, 3 when the limit cannot be set.
int ReadWithLittleMemory(const std::string& Text) {
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    unsigned long pages = 0;
    if (statm == nullptr || std::fscanf(statm, "%lu", &pages) != 1) return 3;
    std::fclose(statm);
    const rlim_t limit = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + (rlim_t(256) << 20);
    const rlimit r{limit, limit};
    if (setrlimit(RLIMIT_AS, &r) != 0) return 3;
    TRLData d(nullptr);
    try {
        d.ReadFromXMLString(Text, "");
    } catch (const EZynRLDataError& e) {
        return e.Message().find("the table would need") != std::string::npos ? 0 : 2;
    }
    return 1;
}

}  // namespace

TEST(RLDataXml, HostileTextsRoundTripThroughStreamStringAndFile) {
    auto d = Hostile();
    vcl::TStringStream s;
    d->WriteToXMLStream(&s, true, "Sales");
    const std::string xml = s.GetDataString();
    // One item per line and no raw control characters: any XML tool reads it.
    for (char c : xml) EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 || c == '\n') << int(c);
    TRLData back(nullptr);
    EXPECT_TRUE(back.ReadFromXMLString(xml, "sales"));
    ExpectSame(*d, back);
    EXPECT_EQ(back.GetDataID(), "Sales");

    const std::string f = TempFile("hostile.xml");
    d->SaveAsXMLFile(f, "x");
    TRLData fromFile(nullptr);
    EXPECT_TRUE(fromFile.LoadFromXMLFile(f, "X"));
    ExpectSame(*d, fromFile);
    EXPECT_TRUE(CheckIfValidReplist(f, "x"));
}

TEST(RLDataXml, SeveralDataSetsSelectedById) {
    auto a = Hostile();
    TRLData b(nullptr);
    b.SetNrRows(1);
    b.SetElem(1, 1, "second");
    vcl::TStringStream s;
    a->WriteToXMLStream(&s, true, "a");
    b.WriteToXMLStream(&s, false, "b");
    s.SetPosition(0);
    EXPECT_TRUE(CheckIfValidReplist(&s, "B"));
    s.SetPosition(0);
    EXPECT_FALSE(CheckIfValidReplist(&s, "c"));
    TRLData r(nullptr);
    s.SetPosition(0);
    EXPECT_TRUE(r.ReadFromXMLStream(&s, "b"));
    EXPECT_EQ(r.GetElem(1, 1), "second");
    s.SetPosition(0);
    EXPECT_TRUE(r.ReadFromXMLStream(&s, ""));   // the first data set
    ExpectSame(*a, r);
    EXPECT_FALSE(r.ReadFromXMLString(s.GetDataString(), "c"));
    ExpectSame(*a, r);   // not found: unchanged

    // Two data sets through an open text file, read back in turn.
    const std::string f = TempFile("open.xml");
    vcl::TTextFile out;
    out.AssignFile(f);
    out.Rewrite();
    b.WriteToOpenXMLFile(out, true, "b");
    a->WriteToOpenXMLFile(out, false, "a");
    out.CloseFile();
    vcl::TTextFile in;
    in.AssignFile(f);
    in.Reset();
    TRLData r2(nullptr);
    EXPECT_TRUE(r2.ReadFromOpenXMLFile(in, "a"));
    ExpectSame(*a, r2);
    in.CloseFile();
}

TEST(RLDataXml, CheckIfValidReplistRules) {
    auto check = [](const std::string& text, const std::string& id) {
        vcl::TStringStream s(text);
        return CheckIfValidReplist(&s, id);
    };
    EXPECT_TRUE(check("<?xml version=\"1.0\"?>\n<replist zynwidget>\n", ""));
    EXPECT_TRUE(check("<REPLIST ZYNWIDGET ID=\" Sales \">\n", "sales"));
    EXPECT_FALSE(check("<replist id=\"a\">\n", ""));
    EXPECT_FALSE(check("<replist zynwidget>\n", "a"));
    EXPECT_TRUE(check("<replist id=\"a&amp;b\" format=\"zynwidget\">", "A&B"));
    EXPECT_THROW(CheckIfValidReplist(TempFile("missing.xml"), ""), vcl::EInOutError);
}

TEST(RLDataXml, ReadersTakeEveryOpeningLineTheCheckAccepts) {
    const std::string body = "<numcols>2</numcols><numrows>1</numrows><cell col=\"2\" row=\"1\">v</cell>\n</replist>\n";
    const struct { std::string opening, id; bool valid; } openings[] = {
        {"<replist zynwidget>\n", "", true},
        {"<REPLIST ZYNWIDGET ID=\" Sales \">\n", "sales", true},
        {"<?xml version=\"1.0\"?>\n<Replist id='q' ZynWidget version=2>\n", "", true},
        {"<replist zynwidget id=\"half>\n", "", true},           // a quote left open on its line
        {"  <replist class=\"a > b\" zynwidget>", "", true},     // a ">" inside a quoted value
        {"<replist\n zynwidget>\n", "", false},                  // marker on the next line
    };
    for (const auto& [opening, id, expected] : openings) {
        const std::string text = opening + body;
        vcl::TStringStream probe(text);
        const bool valid = CheckIfValidReplist(&probe, id);
        EXPECT_EQ(valid, expected) << opening;
        TRLData fromString(nullptr), fromStream(nullptr), fromFile(nullptr);
        EXPECT_EQ(fromString.ReadFromXMLString(text, id), valid) << opening;
        vcl::TStringStream s(text);
        EXPECT_EQ(fromStream.ReadFromXMLStream(&s, id), valid) << opening;
        const std::string f = TempFile("opening.xml");
        WriteText(f, text);
        vcl::TTextFile in;
        in.AssignFile(f);
        in.Reset();
        EXPECT_EQ(fromFile.ReadFromOpenXMLFile(in, id), valid) << opening;
        in.CloseFile();
        if (!valid) continue;
        for (TRLData* d : {&fromString, &fromStream, &fromFile}) {
            EXPECT_EQ(d->GetNrOfColumns(), 2) << opening;
            EXPECT_EQ(d->GetElem(2, 1), "v") << opening;
        }
    }
    TRLData d(nullptr);
    ASSERT_TRUE(d.ReadFromXMLString("<REPLIST ZYNWIDGET ID=\" Sales \">\n" + body, "SALES"));
    EXPECT_EQ(d.GetDataID(), "Sales");
    // A data set closed in its opening tag is empty; items may follow the tag on its line.
    ASSERT_TRUE(d.ReadFromXMLString("<replist zynwidget/>\n", ""));
    EXPECT_EQ(d.GetNrOfRows(), 0);
    ASSERT_TRUE(d.ReadFromXMLString("<replist zynwidget><numrows>3</numrows></replist>", ""));
    EXPECT_EQ(d.GetNrOfRows(), 3);
    // Without <numcols> the set has one column, and column 0 takes texts as well.
    ASSERT_TRUE(d.ReadFromXMLString("<replist zynwidget><numrows>1</numrows>\n"
                                    "<cell col=\"0\" row=\"1\">zero</cell></replist>", ""));
    EXPECT_EQ(d.GetNrOfColumns(), 1);
    EXPECT_EQ(d.GetElem(0, 1), "zero");
}

TEST(RLDataXml, EveryDataSetTheWriterWritesReadsBack) {
    // Five columns of a million empty rows: a few hundred bytes that cost a count.
    TRLData empty(nullptr);
    empty.SetNrCols(5);
    empty.SetNrRows(1000000);
    vcl::TStringStream s;
    empty.WriteToXMLStream(&s, true, "e");
    EXPECT_LT(s.GetDataString().size(), 500u);
    TRLData back(nullptr);
    ASSERT_TRUE(back.ReadFromXMLString(s.GetDataString(), "e"));
    EXPECT_EQ(back.GetNrOfColumns(), 5);
    EXPECT_EQ(back.GetNrOfRows(), 1000000);
    EXPECT_EQ(back.Strings->CellSlots(), 0);
    EXPECT_EQ(back.GetElem(5, 1000000), "");

    // A hundred columns of 50,000 rows with one filled cell, through a file.
    TRLData sparse(nullptr);
    sparse.SetNrCols(100);
    sparse.SetNrRows(50000);
    sparse.SetElem(100, 50000, "last");
    sparse.SetColName(100, "far");
    const std::string f = TempFile("sparse.xml");
    sparse.SaveAsXMLFile(f, "s");
    TRLData fromFile(nullptr);
    ASSERT_TRUE(fromFile.LoadFromXMLFile(f, "s"));
    EXPECT_EQ(fromFile.GetNrOfRows(), 50000);
    EXPECT_EQ(fromFile.GetElem(100, 50000), "last");
    EXPECT_EQ(fromFile.GetColName(100), "far");
    EXPECT_LE(fromFile.Strings->CellSlots(), 50000);

    // Far more columns than any fixed limit allowed, and a sorted container (written in its
    // presented order).
    TRLData wide(nullptr);
    wide.SetNrCols(70000);
    wide.SetNrRows(3);
    wide.SetElem(70000, 1, "b");
    wide.SetElem(70000, 2, "a");
    wide.Sort(70000, -1, true);
    vcl::TStringStream w;
    wide.WriteToXMLStream(&w, false, "w");
    TRLData wideBack(nullptr);
    ASSERT_TRUE(wideBack.ReadFromXMLString(w.GetDataString(), "w"));
    EXPECT_EQ(wideBack.GetNrOfColumns(), 70000);
    EXPECT_EQ(wideBack.GetElem(70000, 2) + wideBack.GetElem(70000, 3), "ab");
}

TEST(RLDataXml, SmallHostileFilesStayFarBelowTheBudget) {
    // Under an address-space limit of 256 MB beyond what the process holds now, a reader that
    // took more than it may would fail for memory; the budget refuses first.
    const auto hostile = [] {
        std::string items = "<replist zynwidget>\n<numcols>64</numcols><numrows>2147483647</numrows>\n";
        for (int c = 1; c <= 20; ++c)
            items += "<cell col=\"" + std::to_string(c) + "\" row=\"" + std::to_string(2147483647 - c) + "\">x</cell>\n";
        return items + "</replist>\n";
    }();
    ASSERT_LT(hostile.size(), 1100u);
    EXPECT_EXIT(std::_Exit(ReadWithLittleMemory(hostile)), ::testing::ExitedWithCode(0), "");
}

TEST(RLDataXml, BadInputLeavesContainerUnchanged) {
    auto d = Hostile();
    const std::string head = "<replist id=\"x\" format=\"zynwidget\">\n";
    const std::vector<std::string> bad = {
        head + "<numcols>2</numcols><numrows>2</numrows><cell col=\"1\" row=\"1\">abc",   // truncated
        head + "<numcols>2</numcols><numrows>2</numrows><cell col=\"3\" row=\"1\">x</cell></replist>",
        head + "<numcols>2</numcols><numrows>2</numrows><cell col=\"1\" row=\"3\">x</cell></replist>",
        head + "<numcols>-2</numcols></replist>",
        head + "<numcols>99999999</numcols></replist>",
        head + "<cell col=\"1\" row=\"1\">x</cell></replist>",
        head + "<numcols>1</numcols><numrows>1</numrows><cell col=\"1\" row=\"1\">&bogus;</cell></replist>",
        head + "<numcols>1</numcols><numrows>1</numrows><cell col=\"1\" row=\"1\">x</numrows></replist>",
        head + "<numcols>1</numcols><numrows>1</numrows><cell col=\"1\" row=\"1\">&#xD800;</cell></replist>",
    };
    for (const std::string& text : bad) {
        try {
            d->ReadFromXMLString(text, "x");
            ADD_FAILURE() << "accepted: " << text;
        } catch (const EZynRLDataError& e) {
            EXPECT_NE(e.Message().find("line "), std::string::npos) << e.Message();
        }
        auto ref = Hostile();
        ExpectSame(*ref, *d);
    }
    // Not XML at all, and unknown items in a valid set.
    EXPECT_FALSE(d->ReadFromXMLString("just text\n\x01\x02", ""));
    EXPECT_TRUE(d->ReadFromXMLString(head + "<extra a=\"1\"><numcols>9</numcols></extra><!-- c -->\n"
                                            "<numcols>1</numcols><numrows>1</numrows>"
                                            "<cell col=\"1\" row=\"1\">a<![CDATA[<b>]]>c</cell></replist>", "x"));
    EXPECT_EQ(d->GetNrOfColumns(), 1);
    EXPECT_EQ(d->GetElem(1, 1), "a<b>c");
}

TEST(RLDataCsv, QuotingRaggedLinesAndHeader) {
    const std::string f = TempFile("in.csv");
    WriteText(f, "\xEF\xBB\xBFName;Value\r\n\"a;b\";\"say \"\"hi\"\"\"\r\n\"multi\nline\";2;extra\r\nshort\r\n");
    TRLData d(nullptr);
    d.SetCommonHeader("kept");
    EXPECT_EQ(d.ImportCSV(f, csvSemicolon, true), 3);
    EXPECT_EQ(d.GetNrOfColumns(), 3);
    EXPECT_EQ(d.GetColName(1), "Name");
    EXPECT_EQ(d.GetColName(3), "C-3");
    EXPECT_EQ(d.GetElem(1, 1), "a;b");
    EXPECT_EQ(d.GetElem(2, 1), "say \"hi\"");
    EXPECT_EQ(d.GetElem(1, 2), "multi\nline");
    EXPECT_EQ(d.GetElem(3, 2), "extra");
    EXPECT_EQ(d.GetElem(1, 3), "short");
    EXPECT_EQ(d.GetElem(2, 3), "");
    EXPECT_EQ(d.GetCommonHeader(), "kept");

    WriteText(f, "  a   b\n c\n");
    EXPECT_EQ(d.ImportCSV(f, csvBlank, false), 2);
    EXPECT_EQ(d.GetNrOfColumns(), 2);
    EXPECT_EQ(d.GetElem(2, 1), "b");
    EXPECT_EQ(d.GetElem(1, 2), "c");

    WriteText(f, "x,\"open\n");
    EXPECT_THROW(d.ImportCSV(f, csvComma, false), EZynRLDataError);
    EXPECT_EQ(d.GetElem(1, 2), "c");   // unchanged

    // CR LF after an empty last field ends the record; a blank CR LF line is an empty record.
    WriteText(f, "a,\r\nb,\r\n");
    EXPECT_EQ(d.ImportCSV(f, csvComma, false), 2);
    EXPECT_EQ(d.GetNrOfColumns(), 2);
    EXPECT_EQ(d.GetElem(1, 2), "b");
    WriteText(f, "a\r\n\r\nb\r\n");
    EXPECT_EQ(d.ImportCSV(f, csvComma, false), 3);
    EXPECT_EQ(d.GetElem(1, 2), "");
    EXPECT_EQ(d.GetElem(1, 3), "b");
}

TEST(RLDataCsv, RaggedFilesOfAnyShapeImport) {
    const std::string f = TempFile("ragged.csv");
    // A header of a hundred fields over 50,000 lines of one field, and the other way round.
    std::string text;
    for (int c = 1; c <= 100; ++c) text += (c > 1 ? ";" : "") + std::string("h") + std::to_string(c);
    text += '\n';
    for (int r = 1; r <= 50000; ++r) text += std::to_string(r) + '\n';
    WriteText(f, text);
    TRLData d(nullptr);
    ASSERT_EQ(d.ImportCSV(f, csvSemicolon, true), 50000);
    EXPECT_EQ(d.GetNrOfColumns(), 100);
    EXPECT_EQ(d.GetColName(100), "h100");
    EXPECT_EQ(d.GetElem(1, 50000), "50000");
    EXPECT_EQ(d.GetElem(2, 50000), "");
    text.clear();
    for (int r = 1; r <= 50000; ++r) text += std::to_string(r) + '\n';
    text += std::string(99, ';') + "wide\n";
    WriteText(f, text);
    ASSERT_EQ(d.ImportCSV(f, csvSemicolon, false), 50001);
    EXPECT_EQ(d.GetNrOfColumns(), 100);
    EXPECT_EQ(d.GetElem(100, 50001), "wide");
    EXPECT_EQ(d.GetElem(1, 49999), "49999");
    EXPECT_LE(d.Strings->CellSlots(), 3 * 50001);
}

// Past the first block of a megabyte the reader guesses the rows to come from those read:
// lines that then grow longer or shorter (or wider) than the first ones read all the same.
TEST(RLDataCsv, FilesPastTheFirstBlockWhateverTheirLaterLines) {
    const std::string f = TempFile("blocks.csv");
    const std::string longText(200, 'w');
    for (int shape = 0; shape < 3; ++shape) {
        std::string text;
        int rows = 0;
        for (; text.size() < (3u << 20); ++rows) {
            const bool later = text.size() > (1u << 20);
            text += std::to_string(rows + 1) + ",a";
            if (later && shape == 0) text += "," + longText;     // longer lines
            if (!later && shape == 1) text += "," + longText;    // shorter lines later
            if (later && shape == 2) text += ",b,c,d,e,f,g,h";   // wider lines
            text += '\n';
        }
        WriteText(f, text);
        TRLData d(nullptr);
        ASSERT_EQ(d.ImportCSV(f, csvComma, false), rows) << "shape " << shape;
        EXPECT_EQ(d.GetNrOfColumns(), shape == 2 ? 9 : 3);
        EXPECT_EQ(d.GetElem(1, rows), std::to_string(rows));
        EXPECT_EQ(d.GetElem(2, rows / 2), "a");
        EXPECT_EQ(d.GetElem(3, 1), shape == 1 ? longText : "");
        EXPECT_EQ(d.GetElem(3, rows), shape == 0 ? longText : shape == 2 ? "b" : "");
    }
    std::remove(f.c_str());
}

TEST(RLDataCsv, HostileTextsThroughCsv) {
    // Every hostile text written as a quoted field comes back byte for byte.
    std::string csv;
    for (const std::string& t : kHostile) {
        std::string q = "\"";
        for (char c : t) q += c == '"' ? std::string("\"\"") : std::string(1, c);
        csv += q + "\",x\n";
    }
    const std::string f = TempFile("hostile.csv");
    WriteText(f, csv);
    TRLData d(nullptr);
    ASSERT_EQ(d.ImportCSV(f, csvComma, false), int(kHostile.size()));
    for (std::size_t i = 0; i < kHostile.size(); ++i) EXPECT_EQ(d.GetElem(1, int(i) + 1), kHostile[i]);
}

TEST(RLDataFiles, LineImportGrowsTheTable) {
    const std::string f = TempFile("lines.txt");
    WriteText(f, "one\r\ntwo\nthree\n");
    TRLData d(nullptr);
    d.SetNrCols(2);
    d.SetNrRows(1);
    d.SetColCheckMode(2, cmBox);
    EXPECT_EQ(d.LoadLinesFromFile(2, 3, f), 3);
    EXPECT_EQ(d.GetNrOfRows(), 5);
    EXPECT_EQ(d.GetElem(2, 3), "one");
    EXPECT_EQ(d.Strings->GetString(2, 5), " three");
    EXPECT_EQ(d.LoadLinesFromFile(7, 1, f), 0);
}

TEST(RLDataFiles, HtmlTableParsesBack) {
    auto d = Hostile();
    int calls = 0;
    d->SetOnBeforeHTMLExport([&](vcl::TObject* Sender, std::string& Text, int Col, int Row) {
        EXPECT_EQ(Sender, d.get());
        ++calls;
        if (Col == 2 && Row == 1) Text = "<changed>";
    });
    const std::string f = TempFile("table.html");
    const int sel[] = {1, 2};
    d->ExportHTMLTable(f, 1, 1, 3, d->GetNrOfRows(), sel, 1, 2, 3, true, "h", "c\"", "t");
    EXPECT_EQ(calls, 2 * d->GetNrOfRows());
    const std::string html = ReadText(f);
    EXPECT_TRUE(html.starts_with("<table border=\"1\" cellspacing=\"2\" cellpadding=\"3\" class=\"t\">"));
    // Parse the cells back: every text between <td ...> and </td>, references decoded.
    std::vector<std::string> cells;
    for (std::size_t p = html.find("<td"); p != std::string::npos; p = html.find("<td", p)) {
        const std::size_t start = html.find('>', p) + 1, end = html.find("</td>", start);
        std::string raw = html.substr(start, end - start), text;
        for (std::size_t i = 0; i < raw.size(); ++i) {
            ASSERT_NE(raw[i], '<');
            if (raw[i] != '&') { text += raw[i]; continue; }
            const std::size_t semi = raw.find(';', i);
            const std::string ent = raw.substr(i + 1, semi - i - 1);
            if (ent == "amp") text += '&';
            else if (ent == "lt") text += '<';
            else if (ent == "gt") text += '>';
            else if (ent == "quot") text += '"';
            else vcl::Utf8Append(text, char32_t(std::stoul(ent.substr(1))));
            i = semi;
        }
        cells.push_back(text);
        p = end;
    }
    ASSERT_EQ(cells.size(), 2 * kHostile.size());
    EXPECT_EQ(cells[1], "<changed>");
    // Characters HTML forbids (controls but white space, the noncharacter U+FFFF) are written
    // as U+FFFD; everything else comes back as it was.
    const std::string replacement = "\xEF\xBF\xBD";
    auto allowed = [&](std::string Text) {
        for (std::string bad : {std::string(1, '\0'), std::string("\x01"), std::string("\x1b"), std::string("\x7f"),
                                std::string("\xEF\xBF\xBF")})
            for (std::size_t at = Text.find(bad); at != std::string::npos; at = Text.find(bad, at + 1))
                Text.replace(at, bad.size(), replacement);
        return Text;
    };
    for (std::size_t i = 0; i < kHostile.size(); ++i) {
        const bool validUtf8 = kHostile[i].find('\xFF') == std::string::npos && kHostile[i].find('\xC3') == std::string::npos;
        if (validUtf8) {
            EXPECT_EQ(cells[2 * i], allowed(kHostile[i])) << i;
        }
    }
    for (const char* forbidden : {"&#0;", "&#1;", "&#27;", "&#127;", "&#13;", "&#65535;"})
        EXPECT_EQ(html.find(forbidden), std::string::npos) << forbidden;
    EXPECT_NE(html.find("line1\nline2\r\nline3\rend"), std::string::npos);
    EXPECT_NE(html.find("<th class=\"h\">n&lt;&amp;&gt;&quot;1&quot;</th>"), std::string::npos);
    EXPECT_EQ(html.find("<td class=\"c&quot;\">"), html.find("<td"));
}

TEST(RLDataFiles, HundredPercentComesWithTheNewContents) {
    TRLData source(nullptr);
    source.SetNrCols(2);
    source.SetNrRows(700);
    source.SetElem(2, 700, "end");
    vcl::TStringStream s;
    source.WriteToXMLStream(&s, true, "p");
    TRLData d(nullptr);
    std::vector<int> rowsAt100;
    d.SetOnPercentDone([&](vcl::TObject*, int p) {
        if (p == 100) rowsAt100.push_back(d.GetNrOfRows());
    });
    ASSERT_TRUE(d.ReadFromXMLString(s.GetDataString(), "p"));
    const std::string f = TempFile("progress.csv");
    WriteText(f, "a;b\nc;d\ne;f\n");
    EXPECT_EQ(d.ImportCSV(f, csvSemicolon, false), 3);
    EXPECT_EQ(rowsAt100, (std::vector<int>{700, 3}));
}

TEST(RLDataFiles, ProgressRunsFromZeroToHundred) {
    TRLData d(nullptr);
    d.SetNrCols(2);
    d.SetNrRows(5000);
    std::vector<int> seen;
    d.SetOnPercentDone([&](vcl::TObject*, int p) { seen.push_back(p); });
    vcl::TStringStream s;
    d.WriteToXMLStream(&s, true, "");
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), 0);
    EXPECT_EQ(seen.back(), 100);
    EXPECT_LE(seen.size(), 102u);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
}
