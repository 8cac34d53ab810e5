// DrawText: text laid out in a rectangle (lines, word breaks, alignment, accelerators).
#include "platform/controls/text/DrawText.h"

#include <algorithm>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/CanvasStateSaver.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/runtime/Geometry.h"
#include "platform/runtime/Utf8.h"

namespace vcl {

namespace {

struct Line {
    std::string text;
    int underline = -1;   // byte offset of the accelerator character, -1 for none
};

// Removes the accelerator marks: "&&" is "&", "&x" marks x.
Line StripPrefix(const std::string& S, bool NoPrefix) {
    Line line;
    if (NoPrefix) {
        line.text = S;
        return line;
    }
    for (std::size_t i = 0; i < S.size(); ++i) {
        if (S[i] == '&' && i + 1 < S.size()) {
            ++i;
            if (S[i] != '&' && line.underline < 0) line.underline = int(line.text.size());
        }
        line.text += S[i];
    }
    return line;
}

std::vector<std::string> HardLines(const std::string& Text, bool SingleLine) {
    std::vector<std::string> lines;
    if (SingleLine) {
        std::string one;
        for (char c : Text)
            if (c != '\r' && c != '\n') one += c;
        lines.push_back(one);
        return lines;
    }
    std::string cur;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        char c = Text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(cur);
            cur.clear();
            if (c == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
        } else {
            cur += c;
        }
    }
    lines.push_back(cur);
    return lines;
}

// Breaks a line between words so that each piece fits Width (a single word that does not
// fit stays whole, as the system does).
std::vector<std::string> WrapLine(TCanvas* Canvas, const std::string& S, int Width) {
    std::vector<std::string> out;
    std::string cur;
    std::size_t start = 0;
    while (start <= S.size()) {
        std::size_t end = S.find(' ', start);
        if (end == std::string::npos) end = S.size();
        std::string word = S.substr(start, end - start);
        std::string candidate = cur.empty() ? word : cur + " " + word;
        if (cur.empty() || Canvas->TextWidth(candidate) <= Width) {
            cur = candidate;
        } else {
            out.push_back(cur);
            cur = word;
        }
        start = end + 1;
    }
    out.push_back(cur);
    return out;
}

std::string ExpandTabs(const std::string& S) {
    std::string out;
    for (char c : S) {
        if (c == '\t') out += "        ";
        else out += c;
    }
    return out;
}

}  // namespace

int DrawText(TCanvas* Canvas, const std::string& Text, TRect& R, int Flags) {
    bool single = (Flags & DT_SINGLELINE) != 0;
    std::string text = (Flags & DT_EXPANDTABS) ? ExpandTabs(Text) : Text;
    std::vector<Line> lines;
    for (const std::string& hard : HardLines(text, single)) {
        Line stripped = StripPrefix(hard, (Flags & DT_NOPREFIX) != 0);
        if ((Flags & DT_WORDBREAK) && !single) {
            // Accelerator marks are only kept for lines that are not wrapped.
            std::vector<std::string> pieces = WrapLine(Canvas, stripped.text, R.Width());
            if (pieces.size() == 1) lines.push_back(stripped);
            else
                for (auto& p : pieces) lines.push_back(Line{p, -1});
        } else {
            lines.push_back(stripped);
        }
    }
    if (text.empty()) lines.clear();
    int lh = Canvas->TextHeight("Wg");
    int height = int(lines.size()) * lh;

    if (Flags & DT_CALCRECT) {
        int width = 0;
        for (const Line& l : lines) width = std::max(width, Canvas->TextWidth(l.text));
        R.Right = R.Left + width;
        R.Bottom = R.Top + height;
        return height;
    }

    if ((Flags & DT_END_ELLIPSIS) && lines.size() == 1 && Canvas->TextWidth(lines[0].text) > R.Width()) {
        std::u32string cps = Utf8ToCodePoints(lines[0].text);
        while (!cps.empty() && Canvas->TextWidth(CodePointsToUtf8(cps) + "...") > R.Width()) cps.pop_back();
        lines[0].text = CodePointsToUtf8(cps) + "...";
        lines[0].underline = -1;
    }

    TCanvasStateSaver saved(Canvas);
    if (!(Flags & DT_NOCLIP)) Canvas->IntersectClipRect(R);
    int y = R.Top;
    if (single) {
        if (Flags & DT_VCENTER) y = R.Top + (R.Height() - lh) / 2;
        else if (Flags & DT_BOTTOM) y = R.Bottom - lh;
    }
    for (const Line& l : lines) {
        int w = Canvas->TextWidth(l.text);
        int x = R.Left;
        if (Flags & DT_CENTER) x = R.Left + (R.Width() - w) / 2;
        else if (Flags & DT_RIGHT) x = R.Right - w;
        Canvas->TextOut(x, y, l.text);
        if (l.underline >= 0) {
            std::size_t pos = std::size_t(l.underline);
            std::size_t len = 1;
            while (pos + len < l.text.size() && (static_cast<unsigned char>(l.text[pos + len]) & 0xC0) == 0x80) ++len;
            int ux = x + Canvas->TextWidth(l.text.substr(0, pos));
            int uw = Canvas->TextWidth(l.text.substr(pos, len));
            Canvas->GetPen()->SetColor(Canvas->GetFont()->GetColor());
            int uy = y + lh - 2;
            Canvas->MoveTo(ux, uy);
            Canvas->LineTo(ux + uw, uy);
        }
        y += lh;
    }
    return height;
}

}  // namespace vcl
