// The design model: selection, geometry, clipboard and undo over a form that is never shown.
#include "apps/designer/model/DesignModel.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "apps/designer/model/FormText.h"
#include "platform/Classes.h"
#include "platform/Clipbrd.h"
#include "platform/SysUtils.h"

namespace designer {

using namespace vcl;

void MarkDesigning(TComponent* C) { C->SetDesigning(true); }

namespace {
// A control that sizes itself takes its own size at once, as the form reader gives it when
// the form is read back: otherwise what the designer shows and what loads would differ.
void FitAutoSize(TControl* C) {
    if (!C->GetAutoSize()) return;
    C->SetAutoSize(false);
    C->SetAutoSize(true);
}
}  // namespace

TDesignModel::TDesignModel() { New(); }
TDesignModel::~TDesignModel() = default;

// ---- the form --------------------------------------------------------------------------

void TDesignModel::Install(std::unique_ptr<TCustomForm> Form) {
    selection_.clear();
    drag_ = Drag();
    guides_.clear();
    form_ = std::move(Form);
    MarkDesigning(form_.get());
}

std::unique_ptr<TCustomForm> TDesignModel::ReadForm(const std::string& Text) const {
    // The handlers a form names belong to the application; the design keeps their names.
    TEventHandlers handlers;
    handlers.SetPlaceholders(true);
    // Read under a designed owner, every component is designed from the moment it is made:
    // none starts a timer while its properties are set or in Loaded.
    TComponent host(nullptr);
    host.SetDesigning(true);
    std::unique_ptr<TComponent> root(ReadComponentText(Text, &host, handlers));
    host.RemoveComponent(root.get());
    auto* form = dynamic_cast<TCustomForm*>(root.get());
    if (form == nullptr) throw EReadError("A form file describes a form, not a " + root->ClassName());
    root.release();
    return std::unique_ptr<TCustomForm>(form);
}

void TDesignModel::New() {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetDesigning(true);
    form->SetName("Form1");
    SetPropText(form.get(), "Caption", "Form1");
    form->SetBounds(0, 0, 480, 360);
    Install(std::move(form));
    undo_.clear();
    redo_.clear();
    fileName_.clear();
    savedText_ = SaveText();
    Select(form_.get());
    Changed();
}

void TDesignModel::LoadText(const std::string& Text) {
    Install(ReadForm(Text));
    undo_.clear();
    redo_.clear();
    savedText_ = SaveText();
    Select(form_.get());
    Changed();
}

std::string TDesignModel::SaveText() const { return WriteComponentText(form_.get()); }

void TDesignModel::Open(const std::string& FileName) {
    std::ifstream in(FileName, std::ios::binary);
    if (!in) throw EFOpenError("Cannot open file \"" + FileName + "\"");
    std::ostringstream text;
    text << in.rdbuf();
    LoadText(text.str());
    fileName_ = FileName;
    Changed();
}

void TDesignModel::Save(const std::string& FileName) {
    WriteFormFile(FileName, form_.get());
    fileName_ = FileName;
    savedText_ = SaveText();
    Changed();
}

bool TDesignModel::Modified() const { return SaveText() != savedText_; }

// ---- components ------------------------------------------------------------------------

std::string TDesignModel::UniqueName(const std::string& ClassName) const {
    std::string base = ClassName.size() > 1 && (ClassName[0] == 'T' || ClassName[0] == 't') ? ClassName.substr(1) : ClassName;
    for (int n = 1;; ++n) {
        std::string name = base + std::to_string(n);
        if (Find(name) == nullptr) return name;
    }
}

TComponent* TDesignModel::Drop(const std::string& ClassName, TWinControl* Parent, const TRect& Bounds) {
    std::string name;
    Change([&] {
        const TClassInfo* info = FindClass(ClassName);
        TComponent* c = info->Create(form_.get());
        name = UniqueName(info->GetName());
        c->SetName(name);
        if (auto* control = dynamic_cast<TControl*>(c)) {
            TWinControl* into = ContainerOf(Parent != nullptr ? Parent : form_.get());
            control->SetParent(into);
            if (Bounds.IsEmpty())
                control->SetBounds(Bounds.Left, Bounds.Top, control->GetWidth(), control->GetHeight());
            else
                control->SetBoundsRect(Bounds);
            FitAutoSize(control);
            // A control that shows its caption starts with its name, as a fresh one in a
            // designer is expected to.
            const TClassInfo* own = ClassInfoOf(c);
            if (control->GetControlStyle().Contains(csSetCaption) && own != nullptr && own->FindProperty("Caption") != nullptr)
                SetPropText(c, "Caption", name);
        }
    });
    TComponent* c = Find(name);
    Select(c);
    Changed();
    return c;
}

TComponent* TDesignModel::Find(const std::string& Name) const {
    if (LowerName(Name) == LowerName(form_->GetName())) return form_.get();
    return form_->FindComponent(Name);
}

TWinControl* TDesignModel::ContainerOf(TControl* Control) {
    TControl* c = Control;
    while (c != nullptr) {
        auto* w = dynamic_cast<TWinControl*>(c);
        if (w != nullptr && (w->GetControlStyle().Contains(csAcceptsControls) || w->GetParent() == nullptr)) return w;
        c = c->GetParent();
    }
    return nullptr;
}

namespace {
TPoint ClientOriginIn(const TCustomForm* Form, const TWinControl* W) {
    if (W == Form) return {0, 0};
    TPoint a = W->ClientToScreen({0, 0}), f = Form->ClientToScreen({0, 0});
    return {a.X - f.X, a.Y - f.Y};
}
// The designed children of W: the form's own controls, not a component's inner parts.
std::vector<TControl*> DesignedChildren(const TWinControl* W, const TComponent* Root) {
    std::vector<TControl*> list;
    for (int i = 0; i < W->GetControlCount(); ++i) {
        TControl* c = W->Controls(i);
        if (c->GetOwner() == Root && !c->IsInnerPart()) list.push_back(c);
    }
    return list;
}
}  // namespace

TRect TDesignModel::FormRect(const TControl* Control) const {
    if (Control == form_.get()) return form_->GetClientRect();
    TRect r = Control->GetBoundsRect();
    TPoint o = ClientOriginIn(form_.get(), Control->GetParent());
    r.Offset(o.X, o.Y);
    return r;
}

TControl* TDesignModel::ControlAt(TPoint P) const {
    TControl* hit = form_.get();
    TWinControl* w = form_.get();
    while (w != nullptr) {
        std::vector<TControl*> kids = DesignedChildren(w, form_.get());
        TControl* found = nullptr;
        for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
            if (FormRect(*it).Contains(P)) {
                found = *it;
                break;
            }
        }
        if (found == nullptr) break;
        hit = found;
        w = dynamic_cast<TWinControl*>(found);
    }
    return hit;
}

// ---- selection -------------------------------------------------------------------------

bool TDesignModel::IsSelected(const TComponent* C) const {
    return std::find(selection_.begin(), selection_.end(), C) != selection_.end();
}

void TDesignModel::Select(TComponent* C) {
    selection_.clear();
    if (C != nullptr) selection_.push_back(C);
    Changed();
}

void TDesignModel::Click(TPoint P, bool Shift) {
    TControl* c = ControlAt(P);
    if (!Shift || c == form_.get()) {
        // A click on a control of a group keeps the group, so that it can be dragged.
        if (!IsSelected(c)) Select(c);
        return;
    }
    std::erase(selection_, static_cast<TComponent*>(form_.get()));
    if (IsSelected(c)) std::erase(selection_, static_cast<TComponent*>(c));
    else selection_.push_back(c);
    Changed();
}

void TDesignModel::SelectRect(TPoint A, TPoint B, bool Shift) {
    TRect band(std::min(A.X, B.X), std::min(A.Y, B.Y), std::max(A.X, B.X) + 1, std::max(A.Y, B.Y) + 1);
    TWinControl* container = ContainerOf(ControlAt(A));
    if (!Shift) selection_.clear();
    std::erase(selection_, static_cast<TComponent*>(form_.get()));
    for (TControl* c : DesignedChildren(container, form_.get()))
        if (!IntersectRect(FormRect(c), band).IsEmpty() && !IsSelected(c)) selection_.push_back(c);
    if (selection_.empty()) selection_.push_back(container);
    Changed();
}

std::vector<TControl*> TDesignModel::SelectedControls() const {
    std::vector<TControl*> list;
    for (TComponent* c : selection_) {
        auto* control = dynamic_cast<TControl*>(c);
        if (control == nullptr || control == form_.get()) continue;
        // A control inside a selected container goes with it.
        bool inside = false;
        for (TControl* p = control->GetParent(); p != nullptr; p = p->GetParent())
            if (IsSelected(p) && p != form_.get()) inside = true;
        if (!inside) list.push_back(control);
    }
    return list;
}

// ---- moving and sizing -----------------------------------------------------------------

std::vector<TRect> TDesignModel::HandleRects(const TControl* Control) const {
    TRect r = FormRect(Control);
    int cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2, h = HandleSize / 2;
    TPoint centres[8] = {{r.Left, r.Top}, {cx, r.Top}, {r.Right - 1, r.Top}, {r.Right - 1, cy},
                         {r.Right - 1, r.Bottom - 1}, {cx, r.Bottom - 1}, {r.Left, r.Bottom - 1}, {r.Left, cy}};
    std::vector<TRect> rects;
    for (TPoint c : centres) rects.push_back(TRect(c.X - h, c.Y - h, c.X + h + 1, c.Y + h + 1));
    return rects;
}

THandle TDesignModel::HandleAt(TPoint P) const {
    std::vector<TControl*> sel = SelectedControls();
    if (sel.size() != 1 || selection_.size() != 1) return THandle::None;
    std::vector<TRect> rects = HandleRects(sel[0]);
    for (int i = 0; i < 8; ++i)
        if (rects[std::size_t(i)].Contains(P)) return THandle(i);
    return THandle::None;
}

bool TDesignModel::BeginDrag(TPoint P) {
    drag_ = Drag();
    drag_.handle = HandleAt(P);
    if (drag_.handle == THandle::None) {
        TControl* c = ControlAt(P);
        if (c == form_.get() || !IsSelected(c)) {
            // Inside a selected control's child: the selected ancestor moves.
            bool under = false;
            for (TControl* p = c; p != nullptr && p != form_.get(); p = p->GetParent())
                if (IsSelected(p)) under = true;
            if (!under) return false;
        }
    }
    std::vector<TControl*> sel = SelectedControls();
    if (sel.empty()) return false;
    drag_.active = true;
    drag_.start = P;
    for (TControl* c : sel) drag_.startBounds.push_back(c->GetBoundsRect());
    drag_.before = SaveText();
    return true;
}

int TDesignModel::Snap(int V) const {
    if (!snapToGrid_ || grid_ <= 1) return V;
    int q = (V >= 0 ? V + grid_ / 2 : V - grid_ / 2) / grid_;
    return q * grid_;
}

TPoint TDesignModel::Align(const TControl* C, const TRect& R, bool Left, bool Right, bool Top, bool Bottom) {
    guides_.clear();
    TWinControl* parent = C->GetParent();
    std::vector<TRect> others;
    for (TControl* s : DesignedChildren(parent, form_.get()))
        if (!IsSelected(s)) others.push_back(s->GetBoundsRect());
    // The nearest sibling edge within reach, per axis.
    auto nearest = [&](std::initializer_list<std::pair<bool, int>> edges, bool vertical) {
        int best = GuideDistance + 1;
        for (auto [moves, edge] : edges) {
            if (!moves) continue;
            for (const TRect& o : others) {
                std::array<int, 2> theirs = vertical ? std::array<int, 2>{o.Left, o.Right} : std::array<int, 2>{o.Top, o.Bottom};
                for (int e : theirs)
                    if (std::abs(e - edge) < std::abs(best)) best = e - edge;
            }
        }
        return std::abs(best) <= GuideDistance ? best : 0;
    };
    TPoint shift{nearest({{Left, R.Left}, {Right, R.Right}}, true), nearest({{Top, R.Top}, {Bottom, R.Bottom}}, false)};
    TRect moved = R;
    if (Left) moved.Left += shift.X;
    if (Right) moved.Right += shift.X;
    if (Top) moved.Top += shift.Y;
    if (Bottom) moved.Bottom += shift.Y;
    TPoint o = ClientOriginIn(form_.get(), parent);
    for (const TRect& s : others) {
        for (auto [moves, edge] : {std::pair{Left, moved.Left}, std::pair{Right, moved.Right}})
            for (int e : {s.Left, s.Right})
                if (moves && e == edge)
                    guides_.push_back({true, e + o.X, std::min(s.Top, moved.Top) + o.Y, std::max(s.Bottom, moved.Bottom) + o.Y});
        for (auto [moves, edge] : {std::pair{Top, moved.Top}, std::pair{Bottom, moved.Bottom}})
            for (int e : {s.Top, s.Bottom})
                if (moves && e == edge)
                    guides_.push_back({false, e + o.Y, std::min(s.Left, moved.Left) + o.X, std::max(s.Right, moved.Right) + o.X});
    }
    return shift;
}

void TDesignModel::MoveSelection(int Dx, int Dy, bool SnapIt) {
    std::vector<TControl*> sel = SelectedControls();
    if (sel.empty()) return;
    // The first control leads: it snaps to the grid and lines up with its siblings, and
    // the others keep their places relative to it.
    TRect lead = drag_.startBounds[0];
    lead.Offset(Dx, Dy);
    if (SnapIt) {
        Dx += Snap(lead.Left) - lead.Left;
        Dy += Snap(lead.Top) - lead.Top;
        lead = drag_.startBounds[0];
        lead.Offset(Dx, Dy);
    }
    TPoint shift = Align(sel[0], lead, true, true, true, true);
    Dx += shift.X;
    Dy += shift.Y;
    for (std::size_t i = 0; i < sel.size(); ++i) {
        if (sel[i]->GetAlign() != alNone) continue;   // its parent places it
        const TRect& s = drag_.startBounds[i];
        sel[i]->SetBounds(s.Left + Dx, s.Top + Dy, s.Width(), s.Height());
    }
}

void TDesignModel::SizeControl(TControl* C, const TRect& Start, int Dx, int Dy, bool SnapIt) {
    THandle h = drag_.handle;
    bool left = h == THandle::TopLeft || h == THandle::Left || h == THandle::BottomLeft;
    bool right = h == THandle::TopRight || h == THandle::Right || h == THandle::BottomRight;
    bool top = h == THandle::TopLeft || h == THandle::Top || h == THandle::TopRight;
    bool bottom = h == THandle::BottomLeft || h == THandle::Bottom || h == THandle::BottomRight;
    // An aligned control has only the edge its alignment leaves free.
    switch (C->GetAlign()) {
        case alLeft: left = top = bottom = false; break;
        case alRight: right = top = bottom = false; break;
        case alTop: left = right = top = false; break;
        case alBottom: left = right = bottom = false; break;
        case alClient: left = right = top = bottom = false; break;
        default: break;
    }
    TRect r = Start;
    if (left) r.Left = SnapIt ? Snap(r.Left + Dx) : r.Left + Dx;
    if (right) r.Right = SnapIt ? Snap(r.Right + Dx) : r.Right + Dx;
    if (top) r.Top = SnapIt ? Snap(r.Top + Dy) : r.Top + Dy;
    if (bottom) r.Bottom = SnapIt ? Snap(r.Bottom + Dy) : r.Bottom + Dy;
    TPoint shift = Align(C, r, left, right, top, bottom);
    if (left) r.Left += shift.X;
    if (right) r.Right += shift.X;
    if (top) r.Top += shift.Y;
    if (bottom) r.Bottom += shift.Y;
    if (left) r.Left = std::min(r.Left, r.Right - 1);
    if (right) r.Right = std::max(r.Right, r.Left + 1);
    if (top) r.Top = std::min(r.Top, r.Bottom - 1);
    if (bottom) r.Bottom = std::max(r.Bottom, r.Top + 1);
    C->SetBoundsRect(r);
    FitAutoSize(C);
    // Constraints may have refused the size: the edge held still stays where it was.
    if (left && C->GetWidth() != r.Width()) C->SetLeft(r.Right - C->GetWidth());
    if (top && C->GetHeight() != r.Height()) C->SetTop(r.Bottom - C->GetHeight());
}

void TDesignModel::DragTo(TPoint P) {
    if (!drag_.active) return;
    int dx = P.X - drag_.start.X, dy = P.Y - drag_.start.Y;
    if (drag_.handle == THandle::None) MoveSelection(dx, dy, snapToGrid_);
    else SizeControl(SelectedControls()[0], drag_.startBounds[0], dx, dy, snapToGrid_);
    drag_.moved = true;
    if (OnChange) OnChange();
}

void TDesignModel::EndDrag() {
    if (!drag_.active) return;
    Step before{drag_.before, {}};
    for (TComponent* c : selection_) before.selection.push_back(c->GetName());
    drag_ = Drag();
    guides_.clear();
    if (SaveText() != before.text) Record(std::move(before));
    else Changed();
}

void TDesignModel::Nudge(int Dx, int Dy, bool Shift, bool Ctrl) {
    int step = Ctrl ? 1 : grid_;
    Change([&] {
        for (TControl* c : SelectedControls()) {
            if (Shift) {
                c->SetBounds(c->GetLeft(), c->GetTop(), std::max(1, c->GetWidth() + Dx * step),
                             std::max(1, c->GetHeight() + Dy * step));
                FitAutoSize(c);
            } else if (c->GetAlign() == alNone) {
                c->SetBounds(c->GetLeft() + Dx * step, c->GetTop() + Dy * step, c->GetWidth(), c->GetHeight());
            }
        }
    });
}

// ---- editing ---------------------------------------------------------------------------

std::string TDesignModel::CopyText() const {
    std::string form = SaveText(), out;
    std::vector<TComponent*> items;
    for (TControl* c : SelectedControls()) items.push_back(c);
    for (TComponent* c : selection_)
        if (dynamic_cast<TControl*>(c) == nullptr) items.push_back(c);   // non-visual components
    for (TComponent* c : items) {
        TObjectBlock b;
        if (FindObjectBlock(form, c->GetName(), b)) out += Reindent(form.substr(b.Begin, b.End - b.Begin), -b.Indent);
    }
    return out;
}

void TDesignModel::Copy() {
    std::string text = CopyText();
    if (!text.empty()) Clipboard()->SetAsText(text);
}

void TDesignModel::Cut() {
    Copy();
    Delete();
}

void TDesignModel::Paste() { Paste(Clipboard()->GetAsText()); }

void TDesignModel::Paste(const std::string& Text) {
    std::vector<std::string> blocks = SplitTopLevelBlocks(Text);
    if (blocks.empty()) throw EReadError("The clipboard holds no components");
    TWinControl* target = form_.get();
    if (selection_.size() == 1) {
        if (auto* c = dynamic_cast<TControl*>(selection_[0])) {
            auto* w = dynamic_cast<TWinControl*>(c);
            target = w != nullptr && w->GetControlStyle().Contains(csAcceptsControls) ? w : ContainerOf(c->GetParent() ? c->GetParent() : c);
        }
    }
    std::string targetName = target->GetName();
    std::vector<std::string> pasted;
    Change([&] {
        std::string form = SaveText();
        std::set<std::string> taken;
        for (TObjectBlock& b : ObjectBlocks(form)) taken.insert(LowerName(b.Name));
        std::string insert;
        bool copies = false;
        for (const std::string& block : blocks) {
            std::vector<std::pair<std::string, std::string>> renamed;
            std::string top = ObjectBlocks(block)[0].Name;
            std::string text = RenameObjects(block, taken, renamed);
            std::string name = top;
            for (auto& [from, to] : renamed)
                if (from == top) {
                    name = to;
                    copies = true;
                }
            pasted.push_back(name);
            insert += text;
        }
        TObjectBlock into;
        if (!FindObjectBlock(form, targetName, into)) throw EReadError("No container " + targetName);
        std::size_t endLine = form.rfind('\n', into.End >= 2 ? into.End - 2 : 0);
        endLine = endLine == std::string::npos ? 0 : endLine + 1;
        std::string text = form.substr(0, endLine) + Reindent(insert, into.Indent + 2) + form.substr(endLine);
        Install(ReadForm(text));
        for (const std::string& n : pasted) {
            TComponent* c = Find(n);
            // A copy beside its original would hide it: it goes a grid step down and right.
            if (auto* control = dynamic_cast<TControl*>(c); control != nullptr && copies && control->GetAlign() == alNone)
                control->SetBounds(control->GetLeft() + grid_, control->GetTop() + grid_, control->GetWidth(), control->GetHeight());
            if (c != nullptr) selection_.push_back(c);
        }
    });
    selection_.clear();
    for (const std::string& n : pasted)
        if (TComponent* c = Find(n)) selection_.push_back(c);
    Changed();
}

void TDesignModel::Delete() {
    std::vector<TComponent*> doomed;
    for (TControl* c : SelectedControls()) doomed.push_back(c);
    for (TComponent* c : selection_)
        if (dynamic_cast<TControl*>(c) == nullptr) doomed.push_back(c);
    if (doomed.empty()) return;
    Change([&] {
        selection_.clear();
        for (TComponent* c : doomed) delete c;
    });
    Select(form_.get());
}

void TDesignModel::BringToFront() {
    Change([&] {
        for (TControl* c : SelectedControls()) c->BringToFront();
    });
}

void TDesignModel::SendToBack() {
    Change([&] {
        std::vector<TControl*> sel = SelectedControls();
        // Back to front, so the selection keeps its own order at the back.
        for (auto it = sel.rbegin(); it != sel.rend(); ++it) (*it)->SendToBack();
    });
}

std::vector<TWinControl*> TDesignModel::TabOrderOf(const TWinControl* Container) {
    std::vector<TWinControl*> list;
    for (int i = 0; i < Container->GetControlCount(); ++i)
        if (auto* w = dynamic_cast<TWinControl*>(Container->GetControls(i)); w != nullptr && w->GetTabOrder() >= 0)
            list.push_back(w);
    std::stable_sort(list.begin(), list.end(), [](const TWinControl* a, const TWinControl* b) { return a->GetTabOrder() < b->GetTabOrder(); });
    return list;
}

TWinControl* TDesignModel::TabOrderContainer() const {
    if (selection_.size() == 1)
        if (auto* c = dynamic_cast<TControl*>(selection_[0])) {
            auto* w = dynamic_cast<TWinControl*>(c);
            if (w != nullptr && (w == form_.get() || w->GetControlStyle().Contains(csAcceptsControls))) return w;
            if (c->GetParent() != nullptr) return c->GetParent();
        }
    return form_.get();
}

void TDesignModel::SetTabOrder(TWinControl* Container, const std::vector<std::string>& Names) {
    std::vector<TWinControl*> now = TabOrderOf(Container);
    std::vector<TWinControl*> wanted;
    for (const std::string& n : Names) {
        auto* w = dynamic_cast<TWinControl*>(Find(n));
        if (w == nullptr || w->GetParent() != Container || std::find(wanted.begin(), wanted.end(), w) != wanted.end())
            throw EComponentError("'" + n + "' is not a windowed child of " + Container->GetName() + " to be ordered");
        wanted.push_back(w);
    }
    if (wanted.size() != now.size())
        throw EComponentError("The tab order of " + Container->GetName() + " names " + std::to_string(now.size()) +
                              " controls, not " + std::to_string(wanted.size()));
    // The windowed children keep the places they hold among the container's focus targets
    // (graphic controls that take the keyboard are there too) and swap among them.
    std::vector<int> slots;
    for (TWinControl* w : now) slots.push_back(w->GetTabOrder());
    Change([&] {
        for (std::size_t k = 0; k < wanted.size(); ++k) wanted[k]->SetTabOrder(slots[k]);
    });
}

void TDesignModel::SetProperty(TComponent* C, const std::string& Path, const std::string& Text) {
    // An editor left as it was writes nothing: setting a value, even the same one, clears
    // the Parent* flag that goes with it (ParentFont, ParentBiDiMode).
    std::string old = GetPropText(C, Path);
    if (old == Text) return;
    Change([&] {
        try {
            SetPropText(C, Path, Text);
        } catch (const Exception&) {
            // The property's own error goes to the user; the value it had stays (and Change
            // reads the form back should anything else have moved).
            try {
                if (GetPropText(C, Path) != old) SetPropText(C, Path, old);
            } catch (const Exception&) {
            }
            throw;
        }
    });
}

void TDesignModel::SetEventHandler(TComponent* C, const std::string& Path, const std::string& Handler) {
    bool valid = Handler.empty() || std::isalpha(static_cast<unsigned char>(Handler[0])) || Handler[0] == '_';
    for (char ch : Handler) valid = valid && (std::isalnum(static_cast<unsigned char>(ch)) || ch == '_');
    if (!valid) throw EPropertyError("'" + Handler + "' is not a valid handler name");
    auto [holder, prop] = ResolvePropPath(C, Path);
    if (prop->Kind != pkEvent) throw EPropertyError("Property " + Path + " is not an event");
    Change([&] {
        if (Handler.empty()) prop->BindAny(*holder, {});
        else prop->BindAny(*holder, [] {});
        C->SetEventHandlerName(Path, Handler);
    });
}

// ---- undo ------------------------------------------------------------------------------

TDesignModel::Step TDesignModel::Snapshot() const {
    Step s{SaveText(), {}};
    for (TComponent* c : selection_) s.selection.push_back(c->GetName());
    return s;
}

void TDesignModel::Restore(const Step& S) {
    Install(ReadForm(S.text));
    for (const std::string& n : S.selection)
        if (TComponent* c = Find(n)) selection_.push_back(c);
    if (selection_.empty()) selection_.push_back(form_.get());
}

void TDesignModel::Record(Step Before) {
    undo_.push_back(std::move(Before));
    redo_.clear();
    Changed();
}

void TDesignModel::Change(const std::function<void()>& Fn) {
    Step before = Snapshot();
    try {
        Fn();
    } catch (...) {
        if (SaveText() != before.text) Restore(before);
        Changed();
        throw;
    }
    if (SaveText() != before.text) Record(std::move(before));
}

void TDesignModel::Undo() {
    if (undo_.empty()) return;
    Step back = std::move(undo_.back());
    undo_.pop_back();
    redo_.push_back(Snapshot());
    Restore(back);
    Changed();
}

void TDesignModel::Redo() {
    if (redo_.empty()) return;
    Step forward = std::move(redo_.back());
    redo_.pop_back();
    undo_.push_back(Snapshot());
    Restore(forward);
    Changed();
}

void TDesignModel::Changed() {
    if (OnChange) OnChange();
}

}  // namespace designer
