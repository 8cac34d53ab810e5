// Any text as the table editor's clipboard reader sees it: the table check, the walk that
// Extract from Clipboard makes, the number scanner from several start positions, and the
// cell texts of what was read.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ntabed/Zyn_ntabed.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    using namespace zyn;
    const std::string_view text(reinterpret_cast<const char*>(Data), Size);
    std::string problem;
    const bool table = CheckClipTable(text, problem);
    if (!table && problem.empty()) std::abort();
    int lastRow = -1;
    const int count = WalkClipNumbers(
        text,
        [&](int Col, int Row, double Value) {
            if (Col < 0 || Row < lastRow || !std::isfinite(Value) || std::fabs(Value) > uc_MaxDouble) std::abort();
            lastRow = Row;
            for (int decP = MinDecPlaces; decP <= MaxDecPlaces; ++decP) {
                if (FormatCellValue(Value, decP, 1).empty()) std::abort();
                std::string clip;
                AppendClipCellText(clip, Value, 0, decP, decP == 0);
                if (clip.empty()) std::abort();
            }
        },
        nullptr);
    if (count < 0) std::abort();
    for (int start : {1, 2, int(Size / 2) + 1, int(Size) + 1}) {
        int position = start;
        const double v = ScanClipNumber(text, position);
        if (!std::isfinite(v) || std::fabs(v) > uc_MaxDouble) std::abort();
        if (position < start || position > std::max(start, int(Size) + 1)) std::abort();
    }
    return 0;
}
