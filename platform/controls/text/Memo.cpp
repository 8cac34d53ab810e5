// TCustomMemo: the multi-line edit and its Lines view.
#include "platform/controls/text/Memo.h"

#include "platform/controls/base/Control.h"
#include "platform/controls/text/Edit.h"
#include "platform/core/Component.h"
#include "platform/core/StringList.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/Geometry.h"

namespace vcl {

namespace {

// The memo's text as lines: a final line break does not start another line.
std::vector<std::string> SplitLines(const std::string& Text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < Text.size()) {
        std::size_t end = Text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(Text.substr(start));
            break;
        }
        lines.push_back(Text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& Lines) {
    std::string text;
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        if (i > 0) text += '\n';
        text += Lines[i];
    }
    return text;
}

}  // namespace

// Lines reads and writes the memo's text directly, so both always agree.
class TCustomMemo::TMemoStrings : public TStrings {
public:
    explicit TMemoStrings(TCustomMemo* Memo) : memo_(Memo) {}
    std::string ClassName() const override { return "TMemoStrings"; }

    int GetCount() const override { return int(Lines().size()); }
    std::string Get(int Index) const override {
        const std::vector<std::string>& lines = Lines();
        Check(Index, int(lines.size()));
        return lines[std::size_t(Index)];
    }
    void Put(int Index, const std::string& S) override {
        std::vector<std::string> lines = SplitLines(memo_->GetText());
        Check(Index, int(lines.size()));
        lines[std::size_t(Index)] = Clean(S);
        memo_->SetText(JoinLines(lines));
    }
    void Insert(int Index, const std::string& S) override {
        std::vector<std::string> lines = SplitLines(memo_->GetText());
        Check(Index, int(lines.size()) + 1);
        lines.insert(lines.begin() + Index, Clean(S));
        memo_->SetText(JoinLines(lines));
    }
    void Delete(int Index) override {
        std::vector<std::string> lines = SplitLines(memo_->GetText());
        Check(Index, int(lines.size()));
        lines.erase(lines.begin() + Index);
        memo_->SetText(JoinLines(lines));
    }
    void Clear() override { memo_->SetText(""); }
    void SetText(const std::string& Value) override { memo_->SetText(Value); }

private:
    // The lines of the text now, split again only when the text changed: reading all lines
    // one by one (a form file, a loop over Get) stays linear in the text.
    const std::vector<std::string>& Lines() const {
        if (!split_ || memo_->TextVersion() != splitVersion_) {
            splitLines_ = SplitLines(memo_->GetText());
            splitVersion_ = memo_->TextVersion();
            split_ = true;
        }
        return splitLines_;
    }
    static void Check(int Index, int Count) {
        if (Index < 0 || Index >= Count)
            throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    }
    // A line given to Lines never holds a break of its own.
    static std::string Clean(const std::string& S) {
        std::string out;
        for (char c : S)
            if (c != '\r' && c != '\n') out += c;
        return out;
    }
    TCustomMemo* memo_;
    mutable bool split_ = false;
    mutable std::uint64_t splitVersion_ = 0;
    mutable std::vector<std::string> splitLines_;
};

TCustomMemo::TCustomMemo(TComponent* AOwner)
    : TCustomEdit(AOwner), lines_(std::make_unique<TMemoStrings>(this)) {
    SetMultiLine(true);
    SetAutoSelect(false);
    SetWordWrap(true);
    SetBounds(GetLeft(), GetTop(), 185, 89);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::SetLines(TStrings* Value) {
    if (Value == nullptr) lines_->Clear();
    else lines_->Assign(Value);
}

int TCustomMemo::GetTopLine() const {
    // The first visible line is the line of the position at the text area's top-left.
    int pos = PositionFromPoint({TextArea().Left, TextArea().Top});
    int line = 0;
    for (int i = 0; i < pos; ++i)
        if (Chars()[std::size_t(i)] == U'\n') ++line;
    return line;
}

TPoint TCustomMemo::GetCaretPos() const {
    int caret = CaretIndex();
    int line = 0, lineStart = 0;
    for (int i = 0; i < caret; ++i)
        if (Chars()[std::size_t(i)] == U'\n') {
            ++line;
            lineStart = i + 1;
        }
    return {caret - lineStart, line};
}

bool TCustomMemo::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    if (!TCustomEdit::DoMouseWheelDown(Shift, MousePos)) ScrollLines(3);
    return true;
}

bool TCustomMemo::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    if (!TCustomEdit::DoMouseWheelUp(Shift, MousePos)) ScrollLines(-3);
    return true;
}

TMemo::TMemo(TComponent* AOwner) : TCustomMemo(AOwner) {}

}  // namespace vcl
