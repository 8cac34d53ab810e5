// The published properties of the table editor. The table is registered while the program
// starts (the component library is linked whole), so form files can name the class before
// any instance exists.
#include "ntabed/Zyn_ntabed.h"
#include "platform/Classes.h"

namespace zyn {

using namespace vcl;

namespace {

const TClassInfo* const NTabEdClass = RegisterClass<TNTabEd, TCustomGrid>("TNTabEd", [](TPublisher<TNTabEd>& p) {
    using M = TNTabEd;
    // The grid's counts follow the table and its heading lines: shown, never written.
    p.Integer("ColCount", &M::GetColCount).Stored(false);
    p.Integer("RowCount", &M::GetRowCount).Stored(false);
    p.Integer("FixedCols", &M::GetFixedCols).Stored(false);
    p.Integer("FixedRows", &M::GetFixedRows).Stored(false);

    p.Boolean("AutoAdvance", &M::GetAutoAdvance, &M::SetAutoAdvance);
    p.Enum("AutoAdvanceDir", &M::GetAutoAdvanceDir, &M::SetAutoAdvanceDir, {"orVertical", "orHorizontal"});
    p.Boolean("AttribRowVisible", &M::GetAttribRowVisible, &M::SetAttribRowVisible);
    p.Boolean("AttribColVisible", &M::GetAttribColVisible, &M::SetAttribColVisible);
    p.Boolean("BlockInternalPopup", &M::GetBlockInternalPopup, &M::SetBlockInternalPopup);
    p.Boolean("CommentEditingAllowed", &M::GetCommentEditingAllowed, &M::SetCommentEditingAllowed);
    p.String("Comment", &M::GetComment, &M::SetComment);
    p.Color("ColorBackground", &M::GetColorBackground, &M::SetColorBackground);
    p.Color("ColorFixed", &M::GetColorFixed, &M::SetColorFixed);
    p.Color("ColorNormal", &M::GetColorNormal, &M::SetColorNormal);
    p.Color("ColorSelected", &M::GetColorSelected, &M::SetColorSelected);
    p.Color("ColorMarkedA", &M::GetColorMarkedA, &M::SetColorMarkedA);
    p.Color("ColorMarkedB", &M::GetColorMarkedB, &M::SetColorMarkedB);
    p.Color("ColorMarkedBoth", &M::GetColorMarkedBoth, &M::SetColorMarkedBoth);
    p.Color("ColorRangeSelFG", &M::GetColorRangeSelFG, &M::SetColorRangeSelFG);
    p.Color("ColorRangeSelBG", &M::GetColorRangeSelBG, &M::SetColorRangeSelBG);
    // Every write resets all column widths, also with the current width.
    p.Integer("DefaultColWidth", &M::GetDefaultColWidth, &M::SetDefaultColWidth).RepaintsAlways();
    p.Boolean("BoldMarks", &M::GetBoldMarks, &M::SetBoldMarks);
    p.Boolean("BoldSelHeads", &M::GetBoldSelHeads, &M::SetBoldSelHeads);
    p.Boolean("ClipboardUseFullPrec", &M::GetClipboardUseFullPrec, &M::SetClipboardUseFullPrec);
    // The sizes come before the first visible column and row, which are clamped to them.
    p.Integer("NrOfColumns", &M::GetNrOfColumns, &M::SetNrOfColumns);
    p.Integer("NrOfRows", &M::GetNrOfRows, &M::SetNrOfRows);
    p.Integer("LeftCol", &M::GetLeftCol, &M::SetLeftCol);
    p.Integer("TopRow", &M::GetTopRow, &M::SetTopRow).RepaintsAlways();
    p.Integer("NomEditDropDownCount", &M::GetNomEditDropDownCount, &M::SetNomEditDropDownCount);
    p.Integer("NumWidth", &M::GetNumWidth, &M::SetNumWidth);
    p.Boolean("DataReadOnly", &M::GetDataReadOnly, &M::SetDataReadOnly);
    p.Boolean("OptimizeRowHeight", &M::GetOptimizeRowHeight, &M::SetOptimizeRowHeight);

    p.Event("OnChange", &M::GetOnChange, &M::SetOnChange);
    p.Event("OnHeadingChanged", &M::GetOnHeadingChanged, &M::SetOnHeadingChanged);
    p.Event("OnAttributeChanged", &M::GetOnAttributeChanged, &M::SetOnAttributeChanged);
    p.Event("OnLayoutChanged", &M::GetOnLayoutChanged, &M::SetOnLayoutChanged);
    p.Event("OnCellStateChanged", &M::GetOnCellStateChanged, &M::SetOnCellStateChanged);
    p.Event("OnSelectionChanged", &M::GetOnSelectionChanged, &M::SetOnSelectionChanged);
    p.Event("OnChangeSetup", &M::GetOnChangeSetup, &M::SetOnChangeSetup);
    p.Event("OnPaste", &M::GetOnPaste, &M::SetOnPaste);
    p.Event("OnPercentDone", &M::GetOnPercentDone, &M::SetOnPercentDone);
    p.Event("OnBeforePopup", &M::GetOnBeforePopup, &M::SetOnBeforePopup);
    p.Event("OnBeforeRenderCell", &M::GetOnBeforeRenderCell, &M::SetOnBeforeRenderCell);
});

}  // namespace

}  // namespace zyn
