// TCustomEdit: text, caret, selection, clipboard keys, scrolling and painting. Multi-line
// editing for the memo lives here too (lines are separated by LF inside).
#include "platform/controls/text/Edit.h"

#include <algorithm>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/InputDispatch.h"
#include "platform/controls/base/WinControl.h"
#include "platform/controls/look/FlatLook.h"
#include "platform/controls/scrolling/InnerScrollBar.h"
#include "platform/core/Clipboard.h"
#include "platform/core/Component.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/CanvasStateSaver.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/runtime/Geometry.h"
#include "platform/runtime/Utf8.h"

namespace vcl {

namespace {

constexpr UINT_PTR kCaretTimer = 1;
constexpr UINT kCaretBlinkMs = 530;
constexpr int kHorzLine = 8;   // pixels of one sideways scroll step

bool IsBlank(char32_t c) { return c == U' ' || c == U'\t'; }

bool IsWordChar(char32_t c) {
    return c == U'_' || (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') ||
           (c >= U'a' && c <= U'z') || c >= 0x80;
}

char32_t ToUpper(char32_t c) { return (c >= U'a' && c <= U'z') ? c - 32 : c; }
char32_t ToLower(char32_t c) { return (c >= U'A' && c <= U'Z') ? c + 32 : c; }

std::u32string NormalizeBreaks(std::u32string_view s) {
    std::u32string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == U'\r') {
            out.push_back(U'\n');
            if (i + 1 < s.size() && s[i + 1] == U'\n') ++i;
        } else {
            out.push_back(s[i]);
        }
    }
    return out;
}

}  // namespace

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
    SetControlStyle({csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks});
    SetBounds(GetLeft(), GetTop(), 121, 21);
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);   // a field keeps its own (window) colour on any parent
    SetCursor(crIBeam);
    vbar_.SetOnScroll([this](TObject*, int Code, int Pos) { ScrollVert(Code, Pos); });
    hbar_.SetOnScroll([this](TObject*, int Code, int Pos) { ScrollHorz(Code, Pos); });
}

TCustomEdit::~TCustomEdit() { StopCaretBlink(); }

TCanvas* TCustomEdit::Measure() {
    if (!measure_) measure_ = std::make_unique<TCanvas>();
    measure_->GetFont()->Assign(GetFont());
    return measure_.get();
}

int TCustomEdit::LineHeight() { return std::max(1, Measure()->TextHeight("Wg")); }

// ---- text ------------------------------------------------------------------------------

std::string TCustomEdit::GetTextBuf() const { return CodePointsToUtf8(chars_); }

void TCustomEdit::SetTextBuf(const std::string& Value) {
    std::u32string cps = Utf8ToCodePoints(Value);
    if (multiLine_) cps = NormalizeBreaks(cps);
    cps = ApplyCharCase(cps);
    if (cps == chars_) return;
    chars_ = std::move(cps);
    ++textVersion_;
    InvalidateLayout();
    ClearUndo();
    caret_ = anchor_ = 0;
    scrollX_ = 0;
    topLine_ = 0;
    modified_ = false;
    Invalidate();
    Perform(CM_TEXTCHANGED, 0, 0);
    Change();
}

int TCustomEdit::GetTextLength() const { return int(chars_.size()); }

void TCustomEdit::Change() {
    if (FOnChange) FOnChange(this);
}

void TCustomEdit::ReplaceChars(int Start, int Length, std::u32string_view With, bool Notify) {
    Start = std::clamp(Start, 0, int(chars_.size()));
    Length = std::clamp(Length, 0, int(chars_.size()) - Start);
    if (Length == 0 && With.empty()) return;
    if (Notify) {
        undoText_ = chars_;
        undoCaret_ = caret_;
        canUndo_ = true;
    }
    chars_.replace(std::size_t(Start), std::size_t(Length), With);
    ++textVersion_;
    RelayoutRange(Start, Length, int(With.size()));
    caret_ = anchor_ = Start + int(With.size());
    modified_ = true;
    ScrollCaretIntoView();
    RestartCaretBlink();
    Invalidate();
    if (Notify) {
        Perform(CM_TEXTCHANGED, 0, 0);
        Change();
    }
}

std::u32string TCustomEdit::ApplyCharCase(std::u32string_view S) const {
    std::u32string out(S);
    if (charCase_ == ecUpperCase) std::transform(out.begin(), out.end(), out.begin(), ToUpper);
    if (charCase_ == ecLowerCase) std::transform(out.begin(), out.end(), out.begin(), ToLower);
    return out;
}

void TCustomEdit::Undo() {
    if (!canUndo_ || readOnly_) return;
    std::u32string before = chars_;
    int beforeCaret = caret_;
    chars_.swap(undoText_);
    ++textVersion_;
    InvalidateLayout();
    caret_ = anchor_ = std::clamp(undoCaret_, 0, int(chars_.size()));
    undoText_ = std::move(before);
    undoCaret_ = beforeCaret;
    modified_ = true;
    ScrollCaretIntoView();
    RestartCaretBlink();
    Invalidate();
    Perform(CM_TEXTCHANGED, 0, 0);
    Change();
}

void TCustomEdit::ScrollLines(int Delta) {
    if (!multiLine_) return;
    int lines = int(Rows().size());
    int visible = std::max(1, TextArea().Height() / LineHeight());
    int top = std::clamp(topLine_ + Delta, 0, std::max(0, lines - visible));
    if (top == topLine_) return;
    topLine_ = top;
    Invalidate();
}

void TCustomEdit::ScrollHorzTo(int X) {
    if (!multiLine_) return;
    Rows();
    X = wordWrap_ ? 0 : std::clamp(X, 0, std::max(0, rowsMaxWidth_ + ScaledMetric(2) - TextArea().Width()));
    if (X == scrollX_) return;
    scrollX_ = X;
    Invalidate();
}

void TCustomEdit::ScrollVert(int Code, int Pos) {
    int page = std::max(1, TextArea().Height() / LineHeight());
    switch (Code) {
    case SB_LINEUP: ScrollLines(-1); break;
    case SB_LINEDOWN: ScrollLines(1); break;
    case SB_PAGEUP: ScrollLines(-page); break;
    case SB_PAGEDOWN: ScrollLines(page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollLines(Pos - topLine_); break;
    default: break;
    }
    LayoutBars();
}

void TCustomEdit::ScrollHorz(int Code, int Pos) {
    int page = std::max(1, TextArea().Width());
    switch (Code) {
    case SB_LINEUP: ScrollHorzTo(scrollX_ - kHorzLine); break;
    case SB_LINEDOWN: ScrollHorzTo(scrollX_ + kHorzLine); break;
    case SB_PAGEUP: ScrollHorzTo(scrollX_ - page); break;
    case SB_PAGEDOWN: ScrollHorzTo(scrollX_ + page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollHorzTo(Pos); break;
    default: break;
    }
    LayoutBars();
}

void TCustomEdit::SetWordWrap(bool Value) {
    if (wordWrap_ == Value) return;
    wordWrap_ = Value;
    InvalidateLayout();
    if (Value) scrollX_ = 0;
    ScrollCaretIntoView();
    Invalidate();
}

void TCustomEdit::SetScrollBars(TScrollStyle Value) {
    if (scrollBars_ == Value) return;
    scrollBars_ = Value;
    InvalidateLayout();
    ScrollCaretIntoView();
    Invalidate();
}

void TCustomEdit::InsertTyped(std::u32string_view Text) {
    if (readOnly_) return;
    std::u32string s = ApplyCharCase(Text);
    int selStart = std::min(caret_, anchor_);
    int selLen = std::abs(caret_ - anchor_);
    if (maxLength_ > 0) {
        int room = maxLength_ - (int(chars_.size()) - selLen);
        if (room <= 0) {
            if (selLen == 0) return;
            s.clear();
        } else if (int(s.size()) > room) {
            s.resize(std::size_t(room));
        }
    }
    ReplaceChars(selStart, selLen, s, true);
}

// ---- selection ---------------------------------------------------------------------------

int TCustomEdit::GetSelStart() const { return std::min(caret_, anchor_); }

void TCustomEdit::SetSelStart(int Value) {
    Value = std::clamp(Value, 0, int(chars_.size()));
    const bool moved = caret_ != Value || anchor_ != Value;
    const int oldScrollX = scrollX_, oldTopLine = topLine_;
    caret_ = anchor_ = Value;
    ScrollCaretIntoView();
    // The same empty selection, already in view: nothing to show anew.
    if (!moved && scrollX_ == oldScrollX && topLine_ == oldTopLine) return;
    RestartCaretBlink();
    Invalidate();
}

int TCustomEdit::GetSelLength() const { return std::abs(caret_ - anchor_); }

void TCustomEdit::SetSelLength(int Value) {
    int start = GetSelStart();
    anchor_ = start;
    caret_ = std::clamp(start + Value, 0, int(chars_.size()));
    ScrollCaretIntoView();
    Invalidate();
}

std::string TCustomEdit::GetSelText() const {
    return CodePointsToUtf8(std::u32string_view(chars_).substr(std::size_t(GetSelStart()), std::size_t(GetSelLength())));
}

void TCustomEdit::SetSelText(const std::string& Value) {
    std::u32string s = Utf8ToCodePoints(Value);
    if (multiLine_) s = NormalizeBreaks(s);
    ReplaceChars(GetSelStart(), GetSelLength(), ApplyCharCase(s), true);
}

void TCustomEdit::SelectAll() {
    anchor_ = 0;
    caret_ = int(chars_.size());
    ScrollCaretIntoView();
    Invalidate();
}

void TCustomEdit::ClearSelection() {
    if (readOnly_ || GetSelLength() == 0) return;
    ReplaceChars(GetSelStart(), GetSelLength(), U"", true);
}

void TCustomEdit::Clear() { SetText(""); }

void TCustomEdit::CopyToClipboard() {
    if (GetSelLength() == 0 || passwordChar_ != 0) return;
    Clipboard()->SetAsText(GetSelText());
}

void TCustomEdit::CutToClipboard() {
    if (readOnly_ || passwordChar_ != 0) return;
    CopyToClipboard();
    ClearSelection();
}

void TCustomEdit::PasteFromClipboard() {
    if (readOnly_) return;
    std::u32string s = Utf8ToCodePoints(Clipboard()->GetAsText());
    if (multiLine_) {
        s = NormalizeBreaks(s);
    } else {
        // A one-line field takes the clipboard text up to its first line break.
        auto cut = s.find_first_of(U"\r\n");
        if (cut != std::u32string::npos) s.resize(cut);
    }
    if (s.empty()) return;
    InsertTyped(s);
}

// ---- properties --------------------------------------------------------------------------

void TCustomEdit::SetReadOnly(bool Value) {
    if (readOnly_ == Value) return;
    readOnly_ = Value;
    Invalidate();
}

void TCustomEdit::SetMaxLength(int Value) { maxLength_ = std::max(0, Value); }

void TCustomEdit::SetBorderStyle(TBorderStyle Value) {
    if (borderStyle_ == Value) return;
    borderStyle_ = Value;
    if (GetAutoSize()) AdjustSize();
    InvalidateLayout();
    ScrollCaretIntoView();
    Invalidate();
}

void TCustomEdit::SetHideSelection(bool Value) {
    if (hideSelection_ == Value) return;
    hideSelection_ = Value;
    Invalidate();
}

void TCustomEdit::SetCharCase(TEditCharCase Value) {
    if (charCase_ == Value) return;
    charCase_ = Value;
    std::u32string s = ApplyCharCase(chars_);
    if (s != chars_) ReplaceChars(0, int(chars_.size()), s, true);
}

void TCustomEdit::SetPasswordChar(char32_t Value) {
    if (passwordChar_ == Value) return;
    passwordChar_ = Value;
    InvalidateLayout();
    Invalidate();
}

void TCustomEdit::SetAlignment(TAlignment Value) {
    if (alignment_ == Value) return;
    alignment_ = Value;
    Invalidate();
}

bool TCustomEdit::CanAutoSize(int& NewWidth, int& NewHeight) {
    (void)NewWidth;
    if (multiLine_) return false;
    NewHeight = LineHeight() + ScaledMetric(borderStyle_ == bsSingle ? 8 : 4);
    return true;
}

void TCustomEdit::CMFontChanged(TMessage& Message) {
    TWinControl::CMFontChanged(Message);
    InvalidateLayout();
    ScrollCaretIntoView();
}

void TCustomEdit::CMEnabledChanged(TMessage& Message) {
    TWinControl::CMEnabledChanged(Message);
    Invalidate();
}

void TCustomEdit::Resize() {
    TWinControl::Resize();
    InvalidateLayout();
    ScrollLines(0);
    ScrollCaretIntoView();
}

// ---- layout ------------------------------------------------------------------------------

const std::vector<TCustomEdit::LineSpan>& TCustomEdit::Rows() const {
    int width = multiLine_ && wordWrap_ ? std::max(1, TextArea().Width() - ScaledLineWidth(1)) : 0;
    if (rowsValid_ && rowsWidth_ == width) return rows_;
    rows_.clear();
    rowsMaxWidth_ = 0;
    auto* self = const_cast<TCustomEdit*>(this);
    TCanvas* m = self->Measure();
    auto addLine = [&](int start, int end) {
        if (multiLine_ && wordWrap_) WrapLine(start, end, width, rows_);
        else rows_.push_back({start, end - start});
        if (multiLine_ && !wordWrap_)
            rowsMaxWidth_ = std::max(rowsMaxWidth_, m->TextWidth(CodePointsToUtf8(Displayed(start, end - start))));
    };
    int start = 0;
    if (multiLine_) {
        for (int i = 0; i < int(chars_.size()); ++i) {
            if (chars_[std::size_t(i)] == U'\n') {
                addLine(start, i);
                start = i + 1;
            }
        }
    }
    if (multiLine_) addLine(start, int(chars_.size()));
    else rows_.push_back({0, int(chars_.size())});
    rowsValid_ = true;
    rowsWidth_ = width;
    return rows_;
}

// Breaks the line [Start, End) into rows no wider than Width: after the last blank that
// fits (blanks at a row's end stay on it, even past the edge), or inside a word that is
// wider than a row on its own.
void TCustomEdit::WrapLine(int Start, int End, int Width, std::vector<LineSpan>& Out) const {
    auto* self = const_cast<TCustomEdit*>(this);
    TCanvas* m = self->Measure();
    auto width = [&](int a, int b) { return m->TextWidth(CodePointsToUtf8(Displayed(a, b - a))); };
    int pos = Start;
    for (;;) {
        // The longest prefix that fits (at least one character): a growing probe finds a
        // length that does not fit, so each row costs about its own length and a long line
        // is never measured whole for every row it makes.
        const int rest = End - pos;
        int lo = 1, hi = std::min(rest, 16);
        while (hi < rest && width(pos, pos + hi) <= Width) {
            lo = hi;
            hi = std::min(rest, hi * 2);
        }
        if (hi == rest && width(pos, End) <= Width) {
            Out.push_back({pos, rest});
            return;
        }
        while (hi - lo > 1) {
            int mid = (lo + hi) / 2;
            if (width(pos, pos + mid) <= Width) lo = mid;
            else hi = mid;
        }
        int fit = pos + lo;
        int brk = -1;
        for (int j = fit; j > pos; --j) {
            if (IsBlank(chars_[std::size_t(j - 1)])) {
                brk = j;
                break;
            }
        }
        if (brk < 0) brk = fit;
        while (brk < End && IsBlank(chars_[std::size_t(brk)])) ++brk;
        Out.push_back({pos, brk - pos});
        pos = brk;
        if (pos >= End) return;
    }
}

// After a replacement at Start (OldLength code points became NewLength): only the rows of
// the lines it touched are wrapped again; the rows after them move along.
void TCustomEdit::RelayoutRange(int Start, int OldLength, int NewLength) {
    if (!rowsValid_ || !multiLine_ || !wordWrap_) {
        InvalidateLayout();
        return;
    }
    int width = std::max(1, TextArea().Width() - ScaledLineWidth(1));
    if (width != rowsWidth_) {
        InvalidateLayout();
        return;
    }
    int size = int(chars_.size());
    int delta = NewLength - OldLength;
    int lineStart = Start;
    while (lineStart > 0 && chars_[std::size_t(lineStart - 1)] != U'\n') --lineStart;
    int newEnd = Start + NewLength;
    while (newEnd < size && chars_[std::size_t(newEnd)] != U'\n') ++newEnd;
    int oldEnd = newEnd - delta;   // the same line end before the change
    auto r0 = std::lower_bound(rows_.begin(), rows_.end(), lineStart,
                               [](const LineSpan& l, int p) { return l.start < p; });
    auto r1 = std::upper_bound(r0, rows_.end(), oldEnd, [](int p, const LineSpan& l) { return p < l.start; });
    std::vector<LineSpan> fresh;
    int s = lineStart;
    for (int i = lineStart; i <= newEnd; ++i) {
        if (i == newEnd || chars_[std::size_t(i)] == U'\n') {
            WrapLine(s, i, width, fresh);
            s = i + 1;
        }
    }
    for (auto it = r1; it != rows_.end(); ++it) it->start += delta;
    std::size_t at = std::size_t(r0 - rows_.begin());
    rows_.erase(r0, r1);
    rows_.insert(rows_.begin() + std::ptrdiff_t(at), fresh.begin(), fresh.end());
}

int TCustomEdit::RowLimit(const std::vector<LineSpan>& R, int Index) const {
    const LineSpan& l = R[std::size_t(Index)];
    bool wrapped = Index + 1 < int(R.size()) && R[std::size_t(Index + 1)].start == l.start + l.length;
    return wrapped ? std::max(0, l.length - 1) : l.length;
}

int TCustomEdit::LineOf(int Pos) const {
    if (!multiLine_) return 0;
    const auto& rows = Rows();
    // The last row starting at or before Pos.
    auto it = std::upper_bound(rows.begin(), rows.end(), Pos,
                               [](int p, const LineSpan& l) { return p < l.start; });
    return std::max(0, int(it - rows.begin()) - 1);
}

std::u32string TCustomEdit::Displayed(int Start, int Length) const {
    std::u32string s = chars_.substr(std::size_t(Start), std::size_t(Length));
    if (passwordChar_ != 0) std::fill(s.begin(), s.end(), passwordChar_);
    return s;
}

TRect TCustomEdit::TextArea() const {
    TRect r = GetClientRect();
    // The text keeps its distance from the border as the border and the font grow: 3 and 2
    // pixels at 96 dpi (2 and 2 without a border, with one spare pixel for the caret).
    if (borderStyle_ == bsSingle) r.Inflate(-ScaledMetric(3), -ScaledMetric(2));
    else r = Rect(r.Left + ScaledMetric(2), r.Top + ScaledMetric(2), r.Right - ScaledMetric(1), r.Bottom);
    if (multiLine_) {
        TRect inner = BarArea();
        const int sz = TInnerScrollBar::SizeAt(GetCurrentPPI());
        if (scrollBars_ == ssVertical || scrollBars_ == ssBoth)
            r.Right = std::min(r.Right, inner.Right - sz - ScaledMetric(1));
        if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) r.Bottom = std::min(r.Bottom, inner.Bottom - sz);
    }
    if (r.Right < r.Left) r.Right = r.Left;
    if (r.Bottom < r.Top) r.Bottom = r.Top;
    return r;
}

TRect TCustomEdit::BarArea() const {
    TRect r = GetClientRect();
    if (borderStyle_ == bsSingle) r.Inflate(-ScaledLineWidth(1), -ScaledLineWidth(1));
    return r;
}

void TCustomEdit::LayoutBars() const {
    bool v = multiLine_ && (scrollBars_ == ssVertical || scrollBars_ == ssBoth);
    bool h = multiLine_ && (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth);
    const int sz = TInnerScrollBar::SizeAt(GetCurrentPPI());
    vbar_.SetPixelsPerInch(GetCurrentPPI());
    hbar_.SetPixelsPerInch(GetCurrentPPI());
    TRect inner = BarArea();
    vbar_.SetBounds(v ? Rect(inner.Right - sz, inner.Top, inner.Right, inner.Bottom - (h ? sz : 0)) : TRect());
    hbar_.SetBounds(h ? Rect(inner.Left, inner.Bottom - sz, inner.Right - (v ? sz : 0), inner.Bottom) : TRect());
    if (!v && !h) return;
    auto* self = const_cast<TCustomEdit*>(this);
    TRect area = TextArea();
    int rows = int(Rows().size());
    int page = std::max(1, area.Height() / self->LineHeight());
    if (v) vbar_.SetParams(0, std::max(0, rows - page), page, topLine_);
    int view = std::max(1, area.Width());
    if (h) hbar_.SetParams(0, wordWrap_ ? 0 : std::max(0, rowsMaxWidth_ + ScaledMetric(2) - view), view, scrollX_);
}

// Client position of the caret cell's top-left for text position Pos.
TPoint TCustomEdit::PosToPoint(int Pos) {
    TRect area = TextArea();
    int line = LineOf(Pos);
    LineSpan l = Rows()[std::size_t(line)];
    TCanvas* m = Measure();
    int x = m->TextWidth(CodePointsToUtf8(Displayed(l.start, Pos - l.start)));
    int lh = LineHeight();
    if (!multiLine_) {
        int full = m->TextWidth(CodePointsToUtf8(Displayed(l.start, l.length)));
        int shift = 0;
        if (full < area.Width()) {
            if (alignment_ == taRightJustify) shift = area.Width() - full - ScaledLineWidth(1);
            else if (alignment_ == taCenter) shift = (area.Width() - full) / 2;
        }
        int y = borderStyle_ == bsSingle ? (GetClientHeight() - lh) / 2 : area.Top;
        return {area.Left + shift + x - scrollX_, y};
    }
    return {area.Left + x - scrollX_, area.Top + (line - topLine_) * lh};
}

int TCustomEdit::XToColumn(const LineSpan& Line, int X) {
    TCanvas* m = Measure();
    int prev = 0;
    for (int i = 1; i <= Line.length; ++i) {
        int w = m->TextWidth(CodePointsToUtf8(Displayed(Line.start, i)));
        if (X < (prev + w + 1) / 2) return i - 1;
        prev = w;
    }
    return Line.length;
}

int TCustomEdit::PositionFromPoint(TPoint P) const {
    auto* self = const_cast<TCustomEdit*>(this);
    std::vector<LineSpan> lines = LineSpans();
    int line = 0;
    if (multiLine_) {
        int lh = self->LineHeight();
        int dy = P.Y - TextArea().Top;
        line = topLine_ + (dy < 0 ? -1 : dy / lh);
        line = std::clamp(line, 0, int(lines.size()) - 1);
    }
    const LineSpan& l = lines[std::size_t(line)];
    TPoint origin = self->PosToPoint(l.start);
    return l.start + std::min(self->XToColumn(l, P.X - origin.X), RowLimit(lines, line));
}

TRect TCustomEdit::GetCaretRect() const {
    auto* self = const_cast<TCustomEdit*>(this);
    TPoint p = self->PosToPoint(caret_);
    return Rect(p.X, p.Y, p.X + ScaledLineWidth(1), p.Y + self->LineHeight());
}

void TCustomEdit::ScrollCaretIntoView() {
    TRect area = TextArea();
    if (area.Width() <= 0) return;
    TCanvas* m = Measure();
    int line = LineOf(caret_);
    LineSpan l = Rows()[std::size_t(line)];
    int x = m->TextWidth(CodePointsToUtf8(Displayed(l.start, caret_ - l.start)));
    int full = 0;
    if (!multiLine_) full = m->TextWidth(CodePointsToUtf8(Displayed(l.start, l.length)));
    const int caret = ScaledLineWidth(1);   // the caret's own width stays inside the area
    if ((!multiLine_ && full < area.Width()) || (multiLine_ && wordWrap_)) {
        scrollX_ = 0;
    } else {
        if (x - scrollX_ > area.Width() - caret) scrollX_ = x - area.Width() + caret;
        if (x - scrollX_ < 0) scrollX_ = std::max(0, x - area.Width() / 3);
    }
    if (multiLine_) {
        int visible = std::max(1, area.Height() / LineHeight());
        if (line < topLine_) topLine_ = line;
        if (line >= topLine_ + visible) topLine_ = line - visible + 1;
    }
}

// ---- caret -------------------------------------------------------------------------------

void TCustomEdit::RestartCaretBlink() {
    if (!Focused()) return;
    caretOn_ = true;
    if (HandleAllocated() || GetParent() != nullptr) {
        timerRunning_ = SetTimer(GetHandle(), kCaretTimer, kCaretBlinkMs, nullptr) != 0;
    }
    Invalidate();
}

void TCustomEdit::StopCaretBlink() {
    if (timerRunning_ && HandleAllocated()) KillTimer(GetHandle(), kCaretTimer);
    timerRunning_ = false;
    caretOn_ = false;
}

void TCustomEdit::WMTimer(TMessage& Message) {
    if (Message.WParam != kCaretTimer) {
        TWinControl::WMTimer(Message);
        return;
    }
    if (!Focused()) {
        StopCaretBlink();
        return;
    }
    caretOn_ = !caretOn_;
    InvalidateRect(GetCaretRect());
}

void TCustomEdit::CreateWnd() { TWinControl::CreateWnd(); }

void TCustomEdit::WMSetFocus(TMessage& Message) {
    TWinControl::WMSetFocus(Message);
    RestartCaretBlink();
}

void TCustomEdit::WMKillFocus(TMessage& Message) {
    StopCaretBlink();
    selecting_ = false;
    TWinControl::WMKillFocus(Message);
}

void TCustomEdit::DoEnter() {
    if (autoSelect_ && !focusedByClick_ && !multiLine_) SelectAll();
    TWinControl::DoEnter();
}

void TCustomEdit::DoExit() { TWinControl::DoExit(); }

void TCustomEdit::WMGetDlgCode(TMessage& Message) {
    Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL;
    if (multiLine_) {
        if (wantReturns_) Message.Result |= DLGC_WANTALLKEYS;
        if (wantTabs_) Message.Result |= DLGC_WANTTAB;
    }
}

// ---- keyboard ----------------------------------------------------------------------------

void TCustomEdit::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_KEYDOWN:
        TWinControl::WndProc(Message);
        if (Message.Result == 0) DefaultKeyDown(WORD(Message.WParam), KeyboardStateToShiftState());
        return;
    case WM_CHAR:
        TWinControl::WndProc(Message);
        if (Message.Result == 0) DefaultChar(char32_t(Message.WParam));
        return;
    case WM_COPY: CopyToClipboard(); return;
    case WM_CUT: CutToClipboard(); return;
    case WM_PASTE: PasteFromClipboard(); return;
    case WM_CLEAR: ClearSelection(); return;
    case WM_UNDO: Undo(); return;
    default: TWinControl::WndProc(Message); return;
    }
}

int TCustomEdit::WordStart(int Pos) const {
    while (Pos > 0 && !IsWordChar(chars_[std::size_t(Pos - 1)])) --Pos;
    while (Pos > 0 && IsWordChar(chars_[std::size_t(Pos - 1)])) --Pos;
    return Pos;
}

int TCustomEdit::WordEnd(int Pos) const {
    int n = int(chars_.size());
    while (Pos < n && IsWordChar(chars_[std::size_t(Pos)])) ++Pos;
    while (Pos < n && !IsWordChar(chars_[std::size_t(Pos)]) && chars_[std::size_t(Pos)] != U'\n') ++Pos;
    return Pos;
}

void TCustomEdit::MoveCaret(int Pos, bool Extend) {
    caret_ = std::clamp(Pos, 0, int(chars_.size()));
    if (!Extend) anchor_ = caret_;
    ScrollCaretIntoView();
    RestartCaretBlink();
    Invalidate();
}

void TCustomEdit::DeleteSelectionOr(int From, int To) {
    if (readOnly_) return;
    if (GetSelLength() > 0) {
        ClearSelection();
        return;
    }
    From = std::clamp(From, 0, int(chars_.size()));
    To = std::clamp(To, 0, int(chars_.size()));
    if (From < To) ReplaceChars(From, To - From, U"", true);
}

void TCustomEdit::DefaultKeyDown(WORD Key, TShiftState Shift) {
    bool shift = Shift.Contains(ssShift), ctrl = Shift.Contains(ssCtrl);
    std::vector<LineSpan> lines = LineSpans();
    int line = LineOf(caret_);
    const LineSpan cur = lines[std::size_t(line)];
    auto verticalMove = [&](int delta) {
        if (!multiLine_) return;
        int target = std::clamp(line + delta, 0, int(lines.size()) - 1);
        TPoint p = PosToPoint(caret_);
        TPoint o = PosToPoint(lines[std::size_t(target)].start);
        int column = std::min(XToColumn(lines[std::size_t(target)], p.X - o.X), RowLimit(lines, target));
        MoveCaret(lines[std::size_t(target)].start + column, shift);
    };
    switch (Key) {
    case VK_LEFT:
        if (!shift && GetSelLength() > 0 && !ctrl) MoveCaret(GetSelStart(), false);
        else MoveCaret(ctrl ? WordStart(caret_) : caret_ - 1, shift);
        break;
    case VK_RIGHT:
        if (!shift && GetSelLength() > 0 && !ctrl) MoveCaret(GetSelStart() + GetSelLength(), false);
        else MoveCaret(ctrl ? WordEnd(caret_) : caret_ + 1, shift);
        break;
    case VK_HOME: MoveCaret(ctrl ? 0 : cur.start, shift); break;
    case VK_END: MoveCaret(ctrl ? int(chars_.size()) : cur.start + RowLimit(lines, line), shift); break;
    case VK_UP: verticalMove(-1); break;
    case VK_DOWN: verticalMove(1); break;
    case VK_PRIOR: verticalMove(-std::max(1, TextArea().Height() / LineHeight())); break;
    case VK_NEXT: verticalMove(std::max(1, TextArea().Height() / LineHeight())); break;
    case VK_DELETE:
        if (shift) CutToClipboard();
        else DeleteSelectionOr(caret_, ctrl ? WordEnd(caret_) : caret_ + 1);
        break;
    case VK_INSERT:
        if (shift) PasteFromClipboard();
        else if (ctrl) CopyToClipboard();
        break;
    default:
        if (ctrl && !shift && !Shift.Contains(ssAlt)) {
            switch (Key) {
            case 'A': SelectAll(); break;
            case 'C': CopyToClipboard(); break;
            case 'X': CutToClipboard(); break;
            case 'V': PasteFromClipboard(); break;
            case 'Z': Undo(); break;
            default: break;
            }
        }
        break;
    }
}

void TCustomEdit::DefaultChar(char32_t Ch) {
    if (readOnly_) return;
    switch (Ch) {
    case 8:   // Backspace
        DeleteSelectionOr(caret_ - 1, caret_);
        return;
    case 127:   // Ctrl+Backspace
        DeleteSelectionOr(WordStart(caret_), caret_);
        return;
    case 13:
        if (multiLine_ && wantReturns_) InsertTyped(U"\n");
        return;
    case 9:
        if (multiLine_ && wantTabs_) InsertTyped(U"\t");
        return;
    default:
        if (Ch < 32) return;   // other control characters type nothing
        InsertTyped(std::u32string(1, Ch));
        return;
    }
}

// ---- mouse -------------------------------------------------------------------------------

void TCustomEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TWinControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    if (!Focused() && CanFocus()) {
        focusedByClick_ = true;
        try {
            SetFocus();
        } catch (...) {
            focusedByClick_ = false;
            throw;
        }
        focusedByClick_ = false;
    }
    if (multiLine_ && scrollBars_ != ssNone) {
        LayoutBars();
        for (TInnerScrollBar* bar : {&vbar_, &hbar_}) {
            if (bar->GetVisible() && bar->MouseDown({X, Y})) {
                trackingBar_ = bar;
                Invalidate();
                return;
            }
        }
        // The corner between the bars does nothing.
        if (vbar_.GetVisible() && hbar_.GetVisible() && X >= vbar_.GetBounds().Left && Y >= hbar_.GetBounds().Top)
            return;
    }
    int pos = PositionFromPoint({X, Y});
    if (Shift.Contains(ssDouble)) {
        int start = pos, end = pos;
        while (start > 0 && IsWordChar(chars_[std::size_t(start - 1)])) --start;
        while (end < int(chars_.size()) && IsWordChar(chars_[std::size_t(end)])) ++end;
        anchor_ = start;
        MoveCaret(end, true);
        return;
    }
    MoveCaret(pos, Shift.Contains(ssShift));
    selecting_ = true;
}

void TCustomEdit::MouseMove(TShiftState Shift, int X, int Y) {
    TWinControl::MouseMove(Shift, X, Y);
    if (trackingBar_ != nullptr) {
        trackingBar_->MouseMove({X, Y});
        Invalidate();
        return;
    }
    if (selecting_ && Shift.Contains(ssLeft)) {
        MoveCaret(PositionFromPoint({X, Y}), true);
        return;
    }
    // Over the scroll bars the pointer is an arrow, not the text cursor.
    bool overBars = false;
    if (multiLine_ && scrollBars_ != ssNone) {
        LayoutBars();
        overBars = vbar_.GetBounds().Contains({X, Y}) || hbar_.GetBounds().Contains({X, Y}) ||
                   (vbar_.GetVisible() && hbar_.GetVisible() && X >= vbar_.GetBounds().Left &&
                    Y >= hbar_.GetBounds().Top);
    }
    if (overBars != barCursor_) {
        barCursor_ = overBars;
        if (overBars) {
            savedCursor_ = GetCursor();
            SetCursor(crArrow);
        } else {
            SetCursor(savedCursor_);
        }
    }
}

void TCustomEdit::CMMouseLeave(TMessage& Message) {
    TWinControl::CMMouseLeave(Message);
    if (barCursor_) {
        barCursor_ = false;
        SetCursor(savedCursor_);
    }
}

void TCustomEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        selecting_ = false;
        if (trackingBar_ != nullptr) {
            TInnerScrollBar* bar = trackingBar_;
            trackingBar_ = nullptr;
            bar->MouseUp({X, Y});
            Invalidate();
        }
    }
    TWinControl::MouseUp(Button, Shift, X, Y);
}

void TCustomEdit::WMCancelMode(TMessage& Message) {
    TWinControl::WMCancelMode(Message);
    selecting_ = false;
    if (trackingBar_ != nullptr) trackingBar_->CancelTracking();
    trackingBar_ = nullptr;
}

// ---- painting ----------------------------------------------------------------------------

void TCustomEdit::PaintWindow(TCanvas* Canvas) {
    TRect client = GetClientRect();
    bool enabled = IsEnabledInTree();
    look::Fill(Canvas, client, GetColor());
    if (borderStyle_ == bsSingle) {
        TColor border = !enabled ? look::BorderDisabled() : Focused() ? look::Accent() : look::Border();
        look::Frame(Canvas, client, border, ScaledLineWidth(1));
    }
    PaintText(Canvas);
    if (multiLine_ && scrollBars_ != ssNone) {
        LayoutBars();
        vbar_.Paint(Canvas);
        hbar_.Paint(Canvas);
        if (vbar_.GetVisible() && hbar_.GetVisible())
            look::Fill(Canvas, Rect(vbar_.GetBounds().Left, hbar_.GetBounds().Top, vbar_.GetBounds().Right,
                                    hbar_.GetBounds().Bottom), clBtnFace);
    }
}

void TCustomEdit::PaintText(TCanvas* Canvas) {
    TRect area = TextArea();
    TCanvasStateSaver saved(Canvas);
    Canvas->IntersectClipRect(area);

    TFont* font = Canvas->GetFont();
    font->Assign(GetFont());
    if (!IsEnabledInTree()) font->SetColor(clGrayText);
    TColor textColor = font->GetColor();
    Canvas->GetBrush()->SetStyle(bsClear);

    bool showSel = GetSelLength() > 0 && (Focused() || !hideSelection_);
    int selA = GetSelStart(), selB = GetSelStart() + GetSelLength();
    int lh = LineHeight();
    std::vector<LineSpan> lines = Rows();
    for (int i = multiLine_ ? topLine_ : 0; i < int(lines.size()); ++i) {
        const LineSpan& l = lines[std::size_t(i)];
        TPoint p = PosToPoint(l.start);
        if (p.Y >= area.Bottom) break;
        Canvas->TextOut(p.X, p.Y, CodePointsToUtf8(Displayed(l.start, l.length)));
        // The selected part of the line: highlight with its text over it.
        int a = std::max(selA, l.start), b = std::min(selB, l.start + l.length);
        int end = l.start + l.length;
        bool lineBreakSelected = multiLine_ && end < int(chars_.size()) && chars_[std::size_t(end)] == U'\n' &&
                                 selA <= end && selB > end;
        if (showSel && (a < b || lineBreakSelected)) {
            // Measured within this row: a wrapped row's end is where the next row starts.
            auto xOf = [&](int pos) { return p.X + Measure()->TextWidth(CodePointsToUtf8(Displayed(l.start, pos - l.start))); };
            int xa = xOf(std::min(a, end));
            int xb = a < b ? xOf(b) : xa;
            if (lineBreakSelected) xb += ScaledMetric(4);
            TColor back = Focused() ? look::Selection() : look::SelectionInactive();
            look::Fill(Canvas, Rect(xa, p.Y, xb, p.Y + lh), back);
            if (a < b) {
                font->SetColor(Focused() ? clHighlightText : textColor);
                Canvas->GetBrush()->SetStyle(bsClear);
                Canvas->TextOut(xa, p.Y, CodePointsToUtf8(Displayed(a, b - a)));
                font->SetColor(textColor);
            }
        }
    }
    if (Focused() && caretOn_) look::Fill(Canvas, GetCaretRect(), textColor);
}

// =========================================================================================
// A single-line field sizes its height to its font from the first font or border change on
// (the initial 21 pixels fit the default font).
TEdit::TEdit(TComponent* AOwner) : TCustomEdit(AOwner) { InitAutoSize(true); }

}  // namespace vcl
