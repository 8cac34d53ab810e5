// A table as a spreadsheet puts it on the clipboard (text/html), for the tests of the HTML
// table reader and of pasting into the grids.
#pragma once

namespace zyn_test {

// Written by hand in a spreadsheet's shape: a doctype, upper-case tags and bare attribute
// values, a style block and comments, a column group, unclosed cells, entities, a no-break
// space in an empty cell, a cell spanning two columns and one spanning two rows.
inline const char* const SpreadsheetHtml = R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0 Transitional//EN">
<HTML><HEAD><META HTTP-EQUIV="CONTENT-TYPE" CONTENT="text/html; charset=utf-8"><TITLE></TITLE>
<STYLE><!-- BODY,DIV,TABLE,THEAD,TBODY,TFOOT,TR,TH,TD,P { font-family:"Liberation Sans"; font-size:x-small } --></STYLE>
</HEAD><BODY TEXT="#000000"><!--StartFragment-->
<TABLE FRAME=VOID CELLSPACING=0 COLS=4 RULES=NONE BORDER=0>
<COLGROUP><COL WIDTH=86><COL WIDTH=86><COL WIDTH=86><COL WIDTH=86></COLGROUP>
<TBODY>
<TR><TD WIDTH=86 HEIGHT=17 ALIGN=LEFT>Fish &amp; chips</TD><TD ALIGN=RIGHT SDVAL="1.5" SDNUM="1033;">1.5
<TD ALIGN=RIGHT SDVAL="-2" SDNUM="1033;">-2</TD><TD ALIGN=LEFT>&lt;x&gt; &#8364;</TD></TR>
<TR><TD COLSPAN=2 ALIGN=CENTER>merged
   across</TD><TD ROWSPAN=2 ALIGN=RIGHT>3e2</TD><TD>&nbsp;</TD></TR>
<TR><TD ALIGN=RIGHT>4</TD><TD ALIGN=RIGHT>5,25</TD><TD>six<BR>lines</TD></TR>
</TBODY></TABLE><!--EndFragment--></BODY></HTML>
)";

}  // namespace zyn_test
