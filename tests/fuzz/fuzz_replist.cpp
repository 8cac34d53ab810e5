// The report list readers on arbitrary bytes: the XML data-set reader (from a string and a
// stream, any and a named data set), the data-set test on a stream, the CSV importer with
// each delimiter, the line import. Besides crashes, leaks and escaping exceptions, a
// finding is a reader that fails but changes the container, or a container read from the
// bytes that does not come back the same through its own XML.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "replist/Zyn_replist.h"

namespace {

// Everything a data set holds, as the container's own XML.
std::string Contents(zyn::TRLData& D) {
    vcl::TStringStream s;
    D.WriteToXMLStream(&s, false, "contents");
    return s.GetDataString();
}

void Prefill(zyn::TRLData& D) {
    D.SetNrCols(2);
    D.SetNrRows(2);
    D.SetColName(1, "first");
    D.SetColCheckMode(2, zyn::cmBox);
    D.SetElem(1, 1, "kept");
    D.SetElemChecked(2, 2, true);
    D.SetCommonHeader("header");
    D.SetComment("comment");
    D.SetDataID("before");
}

void Check(bool Condition) {
    if (!Condition) std::abort();
}

// What Prefill makes, taken once.
const std::string& Prefilled() {
    static const std::string contents = [] {
        zyn::TRLData d(nullptr);
        Prefill(d);
        return Contents(d);
    }();
    return contents;
}

// Runs a reader on a prefilled container; a failure must leave it as it was.
template <class F>
bool Unchanged(zyn::TRLData& D, F Read) {
    try {
        Read();
        return true;
    } catch (const vcl::Exception&) {
        Check(Contents(D) == Prefilled() && D.GetDataID() == "before");
        return false;
    }
}

// What was read survives a trip through the writer and the reader.
void RoundTrips(zyn::TRLData& D) {
    vcl::TStringStream out;
    D.WriteToXMLStream(&out, true, "trip");
    zyn::TRLData back(nullptr);
    Check(back.ReadFromXMLString(out.GetDataString(), "trip"));
    Check(Contents(back) == Contents(D));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    const std::string text(reinterpret_cast<const char*>(Data), Size);
    for (const char* id : {"", "a"}) {
        zyn::TRLData d(nullptr);
        Prefill(d);
        bool found = false;
        if (Unchanged(d, [&] { found = d.ReadFromXMLString(text, id); }) && found) RoundTrips(d);
        vcl::TStringStream s(text);
        zyn::CheckIfValidReplist(&s, id);
    }
    {
        zyn::TRLData d(nullptr);
        Prefill(d);
        vcl::TStringStream s(text);
        bool found = false;
        if (Unchanged(d, [&] { found = d.ReadFromXMLStream(&s, ""); }) && found) RoundTrips(d);
        Check(s.GetPosition() >= 0 && s.GetPosition() <= s.GetSize());
    }
    static const std::string file = "/tmp/fuzz_replist_" + std::to_string(::getpid()) + ".csv";
    {
        vcl::TFileStream out(file, vcl::fmCreate);
        out.WriteText(text);
    }
    for (int delim = 0; delim < 4; ++delim) {
        zyn::TRLData d(nullptr);
        Prefill(d);
        int rows = -1;
        if (Unchanged(d, [&] { rows = d.ImportCSV(file, zyn::TCSVDelimiters(delim), delim % 2 == 0); })) {
            Check(rows == d.GetNrOfRows());
            RoundTrips(d);
        }
    }
    zyn::TRLData d(nullptr);
    Prefill(d);
    Unchanged(d, [&] { d.LoadLinesFromFile(1, 2, file); });
    return 0;
}
