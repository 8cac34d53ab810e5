// The designer's main window.
#include "apps/designer/program/DesignerForm.h"

#include <algorithm>

#include "apps/designer/program/TabOrderDialog.h"
#include "colsel/Zyn_Colsel.h"
#include "platform/Classes.h"
#include "platform/Dialogs.h"
#include "platform/Graphics.h"

namespace designer {

using namespace vcl;

std::vector<TPaletteGroup> PaletteGroups() {
    TPaletteGroup windowed{"Windowed controls", {}}, graphic{"Graphic controls", {}}, other{"Non-visual components", {}};
    const TClassInfo* form = GetClass("TCustomForm");
    const TClassInfo* win = GetClass("TWinControl");
    const TClassInfo* control = GetClass("TControl");
    for (const TClassInfo* c : RegisteredClasses()) {
        if (!c->CanCreate() || (form != nullptr && c->InheritsFrom(form))) continue;
        // The bases other classes are built on are not dropped themselves.
        const std::string& n = c->GetName();
        if (n.rfind("TCustom", 0) == 0 || n == "TControl" || n == "TWinControl" || n == "TGraphicControl" ||
            n == "TButtonControl")
            continue;
        if (win != nullptr && c->InheritsFrom(win)) windowed.Classes.push_back(c->GetName());
        else if (control != nullptr && c->InheritsFrom(control)) graphic.Classes.push_back(c->GetName());
        else other.Classes.push_back(c->GetName());
    }
    return {windowed, graphic, other};
}

namespace {
const char* const GroupMark = TPaletteBox::GroupMark;

TButton* ToolButton(TWinControl* Parent, const std::string& Caption, int Left, int Width, TNotifyEvent OnClick) {
    auto* b = new TButton(Parent);
    b->SetParent(Parent);
    b->SetCaption(Caption);
    b->SetBounds(Left, 4, Width, 24);
    b->SetOnClick(std::move(OnClick));
    return b;
}
}  // namespace

TDesignerForm::TDesignerForm(TComponent* AOwner, const std::string& RecentPath) : TForm(AOwner), recent_(RecentPath) {
    recent_.Load();
    SetName("DesignerForm");
    SetCaption("Form designer");
    SetBounds(0, 0, 1100, 680);
    BuildToolBar();
    BuildPalette();
    BuildInspector();
    surface_ = new TDesignSurface(this, model_);
    surface_->SetParent(this);
    surface_->SetAlign(alClient);
    surface_->OnDropped = [this] { palette_->SetItemIndex(-1); };
    model_.OnChange = [this] { Refresh(); };
    RefreshRecent();
    Refresh();
}

TDesignerForm::~TDesignerForm() {
    preview_.reset();
    model_.OnChange = nullptr;
}

void TDesignerForm::BuildToolBar() {
    auto* bar = new TPanel(this);
    bar->SetParent(this);
    bar->SetAlign(alTop);
    bar->SetHeight(32);
    bar->SetCaption("");
    ToolButton(bar, "New", 4, 60, [this](TObject*) { NewForm(); });
    ToolButton(bar, "Open", 68, 60, [this](TObject*) { OpenWithDialog(); });
    saveButton_ = ToolButton(bar, "Save", 132, 60, [this](TObject*) { SaveForm(); });
    ToolButton(bar, "Save As", 196, 70, [this](TObject*) { SaveAsWithDialog(); });
    auto* label = new TLabel(bar);
    label->SetParent(bar);
    label->SetCaption("File:");
    label->SetBounds(276, 9, 30, 16);
    fileEdit_ = new TEdit(bar);
    fileEdit_->SetParent(bar);
    fileEdit_->SetBounds(310, 5, 220, 22);
    fileEdit_->SetText("form1.dfm");
    // Names are chosen in the file dialogs; the field shows the file Save writes to.
    fileEdit_->SetReadOnly(true);
    recentBox_ = new TComboBox(bar);
    recentBox_->SetParent(bar);
    recentBox_->SetStyle(csDropDownList);
    recentBox_->SetBounds(536, 5, 170, 22);
    recentBox_->SetOnChange([this](TObject*) {
        int i = recentBox_->GetItemIndex();
        if (i <= 0 || i > int(recent_.Files().size())) return;
        std::string file = recent_.Files()[std::size_t(i - 1)];
        recentBox_->SetItemIndex(0);
        OpenForm(file);
    });
    ToolButton(bar, "Tab order", 712, 76, [this](TObject*) { EditTabOrder(); });
    previewButton_ = ToolButton(bar, "Preview", 792, 66, [this](TObject*) { Preview(); });
    status_ = new TLabel(bar);
    status_->SetParent(bar);
    status_->SetBounds(866, 9, 230, 16);
}

void TDesignerForm::RefreshRecent() {
    recentBox_->GetItems()->Clear();
    recentBox_->GetItems()->Add(recent_.Files().empty() ? "(no recent files)" : "Recent files");
    for (const std::string& f : recent_.Files()) recentBox_->GetItems()->Add(f);
    recentBox_->SetItemIndex(0);
}

void TDesignerForm::Remember(const std::string& FileName) {
    recent_.Add(FileName);
    RefreshRecent();
}

TCustomForm* TDesignerForm::Preview() {
    preview_.reset();
    try {
        // Read as the application reads it: not designed, so timers run and input arrives;
        // the handlers it names are the application's and do nothing here.
        TEventHandlers handlers;
        handlers.SetPlaceholders(true);
        std::unique_ptr<TComponent> root(ReadComponentText(model_.SaveText(), nullptr, handlers));
        auto* form = dynamic_cast<TCustomForm*>(root.get());
        if (form == nullptr) return nullptr;
        root.release();
        preview_.reset(form);
        preview_->SetCaption(preview_->GetCaption() + " (preview)");
        preview_->SetPosition(poDefault);
        preview_->Show();
        status_->SetCaption("Preview of " + preview_->GetName());
    } catch (const Exception& e) {
        status_->SetCaption(e.Message());
    }
    return preview_.get();
}

void TDesignerForm::EditTabOrder() {
    try {
        if (designer::EditTabOrder(this, model_)) status_->SetCaption("Tab order set");
    } catch (const Exception& e) {
        status_->SetCaption(e.Message());
    }
}

void TDesignerForm::BuildPalette() {
    palette_ = new TPaletteBox(this);
    palette_->SetParent(this);
    palette_->SetAlign(alLeft);
    palette_->SetWidth(170);
    for (const TPaletteGroup& g : PaletteGroups()) {
        palette_->GetItems()->Add(GroupMark + g.Title);
        for (const std::string& c : g.Classes) palette_->GetItems()->Add(c);
    }
    palette_->SetOnClick([this](TObject*) {
        int i = palette_->GetItemIndex();
        std::string item = i >= 0 ? palette_->GetItems()->Get(i) : "";
        surface_->PendingClass = item.rfind(GroupMark, 0) == 0 ? "" : item;
        status_->SetCaption(surface_->PendingClass.empty() ? "" : "Click on the form to drop a " + surface_->PendingClass);
    });
}

void TDesignerForm::BuildInspector() {
    auto* side = new TPanel(this);
    side->SetParent(this);
    side->SetAlign(alRight);
    side->SetWidth(300);
    side->SetCaption("");
    auto* head = new TPanel(side);
    head->SetParent(side);
    head->SetAlign(alTop);
    head->SetHeight(56);
    head->SetCaption("");
    inspectedLabel_ = new TLabel(head);
    inspectedLabel_->SetParent(head);
    inspectedLabel_->SetBounds(6, 4, 280, 16);
    propertiesTab_ = ToolButton(head, "Properties", 4, 90, [this](TObject*) { events_ = false; RefreshInspector(); });
    propertiesTab_->SetTop(26);
    eventsTab_ = ToolButton(head, "Events", 98, 70, [this](TObject*) { events_ = true; RefreshInspector(); });
    eventsTab_->SetTop(26);

    auto* foot = new TPanel(side);
    foot->SetParent(side);
    foot->SetAlign(alBottom);
    foot->SetHeight(180);
    foot->SetCaption("");
    valueEdit_ = new TEdit(foot);
    valueEdit_->SetParent(foot);
    valueEdit_->SetBounds(4, 4, 220, 22);
    // A colour row also offers this package's colour selector, system colours included.
    colorBox_ = new zyn::TColSel(foot);
    colorBox_->SetParent(foot);
    colorBox_->SetBounds(4, 30, 284, 24);
    colorBox_->LoadStandardPalette();
    colorBox_->SetVisible(false);
    colorBox_->SetOnChange([this](TObject*) { ColorChosen(); });
    setButton_ = ToolButton(foot, "Set", 228, 60, [this](TObject*) { ApplyValue(valueEdit_->GetText()); });
    setButton_->SetTop(3);
    valueEdit_->SetOnKeyDown([this](TObject*, WORD& Key, TShiftState) {
        if (Key == VK_RETURN) {
            ApplyValue(valueEdit_->GetText());
            Key = 0;
        }
    });
    choices_ = new TListBox(foot);
    choices_->SetParent(foot);
    choices_->SetBounds(4, 58, 284, 116);
    choices_->SetOnClick([this](TObject*) { ChoiceChosen(); });

    rows_ = new TListBox(side);
    rows_->SetParent(side);
    rows_->SetAlign(alClient);
    rows_->SetOnClick([this](TObject*) { RowChosen(); });
}

TComponent* TDesignerForm::Inspected() const {
    return model_.Selection().empty() ? model_.Form() : model_.Selection()[0];
}

void TDesignerForm::Refresh() {
    std::string title = model_.FileName().empty() ? "untitled" : model_.FileName();
    SetCaption("Form designer - " + title + (model_.Modified() ? " *" : ""));
    if (surface_ != nullptr) surface_->Invalidate();
    if (!model_.Dragging()) RefreshInspector();
}

void TDesignerForm::RefreshInspector() {
    if (rows_ == nullptr || refreshing_) return;
    refreshing_ = true;
    TComponent* c = Inspected();
    std::string chosen = rows_->GetItemIndex() >= 0 && rows_->GetItemIndex() < int(shownRows_.size())
                             ? shownRows_[std::size_t(rows_->GetItemIndex())].Path : "";
    inspectedLabel_->SetCaption(c->GetName() + ": " + c->ClassName() +
                                (model_.Selection().size() > 1 ? " (" + std::to_string(model_.Selection().size()) + " selected)" : ""));
    shownRows_ = events_ ? inspector_.Events(c) : inspector_.Properties(c);
    TStringList lines;
    int again = -1;
    for (std::size_t i = 0; i < shownRows_.size(); ++i) {
        const TInspectorRow& r = shownRows_[i];
        std::string value = inspector_.Value(c, r);
        if (r.Kind == TEditorKind::StringList) value = "(" + std::to_string(std::count(value.begin(), value.end(), '\n') + (value.empty() ? 0 : 1)) + " lines)";
        lines.Add(std::string(std::size_t(r.Depth) * 2, ' ') + r.Prop->Name + " = " + value);
        if (r.Path == chosen) again = int(i);
    }
    // The list stays scrolled where it was: the row just edited stays under the pointer.
    int top = rows_->GetTopIndex();
    rows_->GetItems()->Assign(&lines);
    rows_->SetTopIndex(top);
    rows_->SetItemIndex(again);
    refreshing_ = false;
    RowChosen();
}

bool TDesignerForm::ChooseRow(const std::string& Path) {
    for (std::size_t i = 0; i < shownRows_.size(); ++i)
        if (shownRows_[i].Path == Path) {
            rows_->SetItemIndex(int(i));
            RowChosen();
            return true;
        }
    return false;
}

void TDesignerForm::RowChosen() {
    if (refreshing_) return;
    int i = rows_->GetItemIndex();
    choices_->GetItems()->Clear();
    if (i < 0 || i >= int(shownRows_.size())) {
        valueEdit_->SetText("");
        return;
    }
    const TInspectorRow& r = shownRows_[std::size_t(i)];
    TComponent* c = Inspected();
    std::string value = inspector_.Value(c, r);
    // A string list is edited as its lines joined by '|'.
    if (r.Kind == TEditorKind::StringList) {
        std::replace(value.begin(), value.end(), '\n', '|');
    }
    valueEdit_->SetText(value);
    colorBox_->SetVisible(r.Kind == TEditorKind::Color);
    if (r.Kind == TEditorKind::Color) {
        refreshing_ = true;
        try {
            // The entry of that very colour: system colours of one shade (clBtnFace and
            // clMenu in many themes) are told apart by name.
            TColor shown = StringToColor(value);
            int exact = 0;
            for (int k = 1; k <= colorBox_->GetNumColors() && exact == 0; ++k)
                if (colorBox_->GetArrayColor(k) == shown) exact = k;
            if (exact > 0) colorBox_->SetSelIx(exact);
            else colorBox_->SetSelColor(shown);
        } catch (const Exception&) {
        }
        refreshing_ = false;
    }
    std::vector<std::string> options = inspector_.Choices(c, r);
    for (std::size_t k = 0; k < options.size(); ++k) {
        if (r.Kind == TEditorKind::Set) choices_->GetItems()->Add((inspector_.SetElement(c, r, int(k)) ? "[x] " : "[ ] ") + options[k]);
        else choices_->GetItems()->Add(options[k].empty() ? "(none)" : options[k]);
    }
}

void TDesignerForm::ApplyValue(const std::string& Text) {
    int i = rows_->GetItemIndex();
    if (i < 0 || i >= int(shownRows_.size())) return;
    TInspectorRow r = shownRows_[std::size_t(i)];
    std::string text = Text;
    if (r.Kind == TEditorKind::StringList) std::replace(text.begin(), text.end(), '|', '\n');
    try {
        inspector_.SetValue(Inspected(), r, text);
        status_->SetCaption("");
    } catch (const Exception& e) {
        // The property's own words; the component kept its value.
        status_->SetCaption(e.Message());
        RefreshInspector();
    }
}

void TDesignerForm::ColorChosen() {
    int i = rows_->GetItemIndex();
    if (refreshing_ || i < 0 || i >= int(shownRows_.size()) || shownRows_[std::size_t(i)].Kind != TEditorKind::Color) return;
    ApplyValue(ColorToString(colorBox_->GetSelColor()));
}

void TDesignerForm::ChoiceChosen() {
    int i = rows_->GetItemIndex(), k = choices_->GetItemIndex();
    if (i < 0 || i >= int(shownRows_.size()) || k < 0) return;
    TInspectorRow r = shownRows_[std::size_t(i)];
    TComponent* c = Inspected();
    try {
        if (r.Kind == TEditorKind::Set) inspector_.ToggleSetElement(c, r, k, !inspector_.SetElement(c, r, k));
        else inspector_.SetValue(c, r, inspector_.Choices(c, r)[std::size_t(k)]);
        status_->SetCaption("");
    } catch (const Exception& e) {
        status_->SetCaption(e.Message());
    }
}

namespace {
std::string RectText(const TControl* C, const TRect& R) {
    TPoint p = C->ClientToParent(TPoint(R.Left, R.Top), nullptr);
    return std::to_string(p.X) + " " + std::to_string(p.Y) + " " + std::to_string(R.Width()) + " " + std::to_string(R.Height());
}
}  // namespace

std::string TDesignerForm::StateText() const {
    std::string s;
    auto line = [&](const std::string& k, const std::string& v) { s += k + "=" + v + "\n"; };
    TRect visible = palette_->GetClientRect();
    for (int i = 0; i < palette_->GetItems()->GetCount(); ++i) {
        TRect r = palette_->ItemRect(i);
        if (!r.IsEmpty() && r.Top >= 0 && r.Bottom <= visible.Bottom) line("palette." + palette_->GetItems()->Get(i), RectText(palette_, r));
    }
    line("palette.rect", RectText(palette_, visible));
    TPoint o = surface_->FormOrigin();
    line("surface.form", RectText(surface_, TRect(o.X, o.Y, o.X + 1, o.Y + 1)));
    visible = rows_->GetClientRect();
    for (std::size_t i = 0; i < shownRows_.size(); ++i) {
        TRect r = rows_->ItemRect(int(i));
        if (!r.IsEmpty() && r.Top >= 0 && r.Bottom <= visible.Bottom) line("row." + shownRows_[i].Path, RectText(rows_, r));
    }
    line("rows.rect", RectText(rows_, rows_->GetClientRect()));
    // Every row in order and the first one in view, so that a script knows which way to scroll.
    std::string all;
    for (const TInspectorRow& r : shownRows_) all += (all.empty() ? "" : " ") + r.Path;
    line("rows.all", all);
    line("rows.top", std::to_string(rows_->GetTopIndex()));
    int chosen = rows_->GetItemIndex();
    line("row", chosen >= 0 && chosen < int(shownRows_.size()) ? shownRows_[std::size_t(chosen)].Path : "");
    line("value", valueEdit_->GetText());
    line("value.rect", RectText(valueEdit_, valueEdit_->GetClientRect()));
    line("set.rect", RectText(setButton_, setButton_->GetClientRect()));
    line("save.rect", RectText(saveButton_, saveButton_->GetClientRect()));
    line("preview.rect", RectText(previewButton_, previewButton_->GetClientRect()));
    line("preview", preview_ != nullptr && preview_->GetVisible() ? preview_->GetName() : "");
    line("recent", recent_.Files().empty() ? "" : recent_.Files()[0]);
    std::string sel;
    for (TComponent* c : model_.Selection()) sel += (sel.empty() ? "" : " ") + c->GetName();
    line("selection", sel);
    line("components", std::to_string(model_.Form()->GetComponentCount()));
    line("modified", model_.Modified() ? "1" : "0");
    line("file", model_.FileName());
    line("status", status_->GetCaption());
    return s;
}

// ---- files -----------------------------------------------------------------------------

namespace {
// Save / Discard / Cancel: what to do with unsaved changes.
TModalResult AskAboutChanges(TComponent* Owner, const std::string& Title) {
    auto* ask = new TForm(Owner);
    ask->SetCaption("Unsaved changes");
    ask->SetBorderStyle(bsDialog);
    ask->SetBounds(0, 0, 340, 120);
    ask->SetPosition(poOwnerFormCenter);
    auto* text = new TLabel(ask);
    text->SetParent(ask);
    text->SetBounds(12, 12, 310, 16);
    text->SetCaption("Save the changes to " + Title + "?");
    struct Choice { const char* caption; TModalResult result; int left; };
    for (Choice ch : {Choice{"Save", mrYes, 12}, Choice{"Discard", mrNo, 120}, Choice{"Cancel", mrCancel, 228}}) {
        auto* b = new TButton(ask);
        b->SetParent(ask);
        b->SetCaption(ch.caption);
        b->SetModalResult(ch.result);
        b->SetBounds(ch.left, 44, 96, 26);
        if (ch.result == mrYes) b->SetDefault(true);
        if (ch.result == mrCancel) b->SetCancel(true);
    }
    TModalResult result = ask->ShowModal();
    delete ask;
    return result;
}
}  // namespace

bool TDesignerForm::ConfirmDiscard() {
    if (!model_.Modified()) return true;
    TModalResult answer = AskAboutChanges(this, model_.FileName().empty() ? "the new form" : model_.FileName());
    if (answer == mrYes) return SaveForm();
    return answer == mrNo;
}

bool TDesignerForm::CloseQuery() { return ConfirmDiscard() && TForm::CloseQuery(); }

void TDesignerForm::NewForm() {
    if (ConfirmDiscard()) model_.New();
}

void TDesignerForm::OpenForm(const std::string& FileName) {
    if (!ConfirmDiscard()) return;
    try {
        model_.Open(FileName);
        fileEdit_->SetText(FileName);
        Remember(FileName);
        status_->SetCaption("Opened " + FileName);
    } catch (const Exception& e) {
        status_->SetCaption(e.Message());
    }
}

bool TDesignerForm::SaveForm() {
    return SaveFormAs(model_.FileName().empty() ? fileEdit_->GetText() : model_.FileName());
}

namespace {
const char* const FormFilter = "Form files (*.form;*.dfm)|*.form;*.dfm|All files (*)|*";

// The dialogs start in the folder of the file worked on, else of the last file opened.
void PrepareFileDialog(TOpenDialog& Dialog, const std::string& Current, const TRecentFiles& Recent) {
    Dialog.SetFilter(FormFilter);
    Dialog.SetDefaultExt("form");
    const std::string& near = !Current.empty() ? Current : Recent.Files().empty() ? Current : Recent.Files().front();
    std::size_t slash = near.rfind('/');
    if (slash != std::string::npos) Dialog.SetInitialDir(near.substr(0, slash + 1));
}
}  // namespace

bool TDesignerForm::OpenWithDialog() {
    TOpenDialog dialog(this);
    PrepareFileDialog(dialog, model_.FileName(), recent_);
    dialog.SetTitle("Open form");
    dialog.SetOptions({ofPathMustExist, ofFileMustExist});
    if (!dialog.Execute()) return false;
    OpenForm(dialog.GetFileName());
    return model_.FileName() == dialog.GetFileName();
}

bool TDesignerForm::SaveAsWithDialog() {
    TSaveDialog dialog(this);
    PrepareFileDialog(dialog, model_.FileName(), recent_);
    dialog.SetTitle("Save form as");
    dialog.SetOptions({ofPathMustExist, ofOverwritePrompt});
    dialog.SetFileName(model_.FileName().empty() ? fileEdit_->GetText() : model_.FileName());
    if (!dialog.Execute()) return false;
    return SaveFormAs(dialog.GetFileName());
}

bool TDesignerForm::SaveFormAs(const std::string& FileName) {
    try {
        model_.Save(FileName);
        fileEdit_->SetText(FileName);
        Remember(FileName);
        status_->SetCaption("Saved " + FileName);
        return true;
    } catch (const Exception& e) {
        status_->SetCaption(e.Message());
        return false;
    }
}

}  // namespace designer
