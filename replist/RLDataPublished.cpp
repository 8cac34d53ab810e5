// The published properties of the report list data container. The table is registered while
// the program starts (the component library is linked whole), so form files can name the
// class before any instance exists.
#include "platform/Classes.h"
#include "replist/Zyn_replist.h"

namespace zyn {

using namespace vcl;

namespace {

const TClassInfo* const RLDataClass = RegisterClass<TRLData, TComponent>("TRLData", [](TPublisher<TRLData>& p) {
    using D = TRLData;
    p.Integer("NrOfColumns", &D::GetNrOfColumns, &D::SetNrCols);
    p.Integer("NrOfRows", &D::GetNrOfRows, &D::SetNrRows);
    p.String("CommonHeader", &D::GetCommonHeader, &D::SetCommonHeader);
    p.Event("OnBeforeSortExchange", &D::GetOnBeforeSortExchange, &D::SetOnBeforeSortExchange);
    p.Event("OnBeforeHTMLExport", &D::GetOnBeforeHTMLExport, &D::SetOnBeforeHTMLExport);
    p.Event("OnPercentDone", &D::GetOnPercentDone, &D::SetOnPercentDone);
    p.Event("OnProgress", &D::GetOnProgress, &D::SetOnProgress);
});

}  // namespace

}  // namespace zyn
