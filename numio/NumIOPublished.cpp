// The published properties of the numeric edit field. The table is registered while the
// program starts (the component library is linked whole), so form files can name the class
// before any instance exists.
#include "numio/Zyn_NumIO.h"
#include "platform/Classes.h"

namespace zyn {

using namespace vcl;

namespace {

const TClassInfo* const NumIOClass = RegisterClass<TNumIO, TCustomEdit>("TNumIO", [](TPublisher<TNumIO>& p) {
    using N = TNumIO;
    p.Boolean("Beep", &N::GetBeep, &N::SetBeep);
    p.Enum("DecPlaceSep", &N::GetDecPlaceSep, &N::SetDecPlaceSep,
           {"dpsSystem", "dpsPoint", "dpsComma", "dpsPointOrComma"});
    p.Integer("FixPointDecPlaces", &N::GetFixPointDecPlaces, &N::SetFixPointDecPlaces);
    p.Enum("InputFormat", &N::GetInputFormat, &N::SetInputFormat,
           {"itExp", "itFloat", "itFixPoint", "itInt", "itHex", "itOct", "itBin", "itDynamic"});
    // The range is always written: a field made while designing starts with another range
    // (every number) than one made at run time (0..0).
    p.Float("RangeLow", &N::GetRangeLow, &N::SetRangeLow).NoDefault();
    p.Float("RangeHigh", &N::GetRangeHigh, &N::SetRangeHigh).NoDefault();
});

}  // namespace

}  // namespace zyn
