// The report list readers on arbitrary bytes: the XML data-set reader (any and a named data
// set), the data-set test on a stream, the CSV importer with each delimiter, the line import.
// Every outcome but a clean result or the unit's errors is a finding.
#include <cstdint>
#include <string>
#include <unistd.h>

#include "replist/Zyn_replist.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    const std::string text(reinterpret_cast<const char*>(Data), Size);
    zyn::TRLData d(nullptr);
    for (const char* id : {"", "a"}) {
        try {
            d.ReadFromXMLString(text, id);
        } catch (const vcl::Exception&) {
        }
        vcl::TStringStream s(text);
        zyn::CheckIfValidReplist(&s, id);
    }
    static const std::string file = "/tmp/fuzz_replist_" + std::to_string(::getpid()) + ".csv";
    {
        vcl::TFileStream out(file, vcl::fmCreate);
        out.WriteText(text);
    }
    for (int delim = 0; delim < 4; ++delim) {
        try {
            d.ImportCSV(file, zyn::TCSVDelimiters(delim), delim % 2 == 0);
        } catch (const vcl::Exception&) {
        }
    }
    try {
        d.LoadLinesFromFile(1, 2, file);
    } catch (const vcl::Exception&) {
    }
    return 0;
}
