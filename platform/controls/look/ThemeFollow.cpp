// Components following the theme: the role tables, moving a control's colour defaults and
// the switch that Application->SetTheme runs.
#include "platform/controls/look/ThemeFollow.h"

#include <cctype>
#include <map>
#include <variant>

#include "platform/controls/base/Control.h"
#include "platform/controls/base/PaintEngine.h"
#include "platform/controls/base/WinControl.h"
#include "platform/controls/forms/Form.h"
#include "platform/core/Application.h"
#include "platform/core/PropInfo.h"
#include "platform/runtime/Exceptions.h"

namespace vcl {

namespace {

std::map<std::string, std::vector<TThemeRoleEntry>>& RoleTables() {
    static std::map<std::string, std::vector<TThemeRoleEntry>> tables;
    return tables;
}

// Application->SetTheme and GetTheme run through the switch below.
const bool kHandlerInstalled = [] {
    TApplication::SetThemeHandler(TApplication::TThemeHandler{
        [](const std::string& Name) {
            const TTheme* theme = FindTheme(Name);
            if (theme == nullptr) throw EConvertError("Unknown theme \"" + Name + "\"");
            ThemeFollow::Switch(*theme);
            return theme->Name;
        },
        [] { return CurrentTheme().Name; }});
    return true;
}();

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

// A control following a theme other than light holds that theme's colours where it was
// left at its defaults; a form written then must not store them.
struct ThemeFollowDefaults {
    static bool Test(TPersistent& Obj, const TPropInfo& Prop) {
        auto* control = dynamic_cast<TControl*>(&Obj);
        if (control == nullptr || control->theme_ == nullptr || control->theme_ == &LightTheme()) return false;
        if (!Prop.Get) return false;
        const TPropValue v = Prop.Get(Obj);
        if (!std::holds_alternative<std::int64_t>(v)) return false;
        for (const TThemeRoleEntry& entry : ThemeRolesOf(Obj))
            if (SameName(entry.Property, Prop.Name) &&
                TColor(std::get<std::int64_t>(v)) == control->theme_->Roles[entry.Role])
                return true;
        return false;
    }
};

namespace {
const bool kDefaultTestInstalled = [] {
    SetThemedDefaultTest(&ThemeFollowDefaults::Test);
    return true;
}();
}  // namespace

bool RegisterThemeRoles(const std::string& ClassName, std::vector<TThemeRoleEntry> Entries) {
    RoleTables()[ClassName] = std::move(Entries);
    return true;
}

namespace {
std::map<std::string, TThemeHook>& Hooks() {
    static std::map<std::string, TThemeHook> hooks;
    return hooks;
}
}  // namespace

bool RegisterThemeHook(const std::string& ClassName, TThemeHook Hook) {
    Hooks()[ClassName] = Hook;
    return true;
}

bool HasThemeRoles(const std::string& ClassName) { return RoleTables().count(ClassName) != 0; }

std::vector<TThemeRoleEntry> ThemeRolesOf(const TPersistent& Obj) {
    std::vector<const TClassInfo*> chain;
    for (const TClassInfo* c = ClassInfoOf(&Obj); c != nullptr; c = c->GetParent()) chain.push_back(c);
    std::vector<TThemeRoleEntry> all;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        auto found = RoleTables().find((*it)->GetName());
        if (found != RoleTables().end()) all.insert(all.end(), found->second.begin(), found->second.end());
    }
    return all;
}

bool ThemedValue(const TPropInfo& Prop, TThemeRole Role, const TTheme& Theme, TColor& Value) {
    if (&Theme != &LightTheme()) {
        Value = Theme.Roles[Role];
        return true;
    }
    if (!Prop.Default || !std::holds_alternative<std::int64_t>(*Prop.Default)) return false;
    Value = TColor(std::get<std::int64_t>(*Prop.Default));
    return true;
}

void ThemeFollow::Follow(TControl* Control) {
    const TTheme& to = CurrentTheme();
    const TTheme& from = Control->theme_ != nullptr ? *Control->theme_ : LightTheme();
    if (&from == &to) return;
    const TClassInfo* info = ClassInfoOf(Control);
    if (info == nullptr) return;
    const std::vector<TThemeRoleEntry> roles = ThemeRolesOf(*Control);
    std::vector<TThemeHook> hooks;
    for (const TClassInfo* c = info; c != nullptr; c = c->GetParent())
        if (auto h = Hooks().find(c->GetName()); h != Hooks().end()) hooks.push_back(h->second);
    // A class still being built has no roles yet; it follows once placed again or switched.
    if (roles.empty() && hooks.empty()) return;
    PaintEngine::HoldDirectPaints(true);
    try {
        for (const TThemeRoleEntry& entry : roles) {
            const TPropInfo* prop = info->FindProperty(entry.Property);
            if (prop == nullptr || prop->IsReadOnly() || !prop->Get || !prop->Set) continue;
            TColor was = 0, now = 0;
            if (!ThemedValue(*prop, entry.Role, from, was) || !ThemedValue(*prop, entry.Role, to, now))
                continue;
            const TPropValue current = prop->Get(*Control);
            if (!std::holds_alternative<std::int64_t>(current) || TColor(std::get<std::int64_t>(current)) != was)
                continue;   // set by the application or a form file: stays as set
            prop->Set(*Control, TPropValue(std::int64_t(now)));
        }
        for (TThemeHook hook : hooks) hook(Control, from, to);
    } catch (...) {
        PaintEngine::HoldDirectPaints(false);
        throw;
    }
    PaintEngine::HoldDirectPaints(false);
    Control->theme_ = &to;
}

void ThemeFollow::FollowTree(TControl* Control) {
    Follow(Control);
    if (auto* w = dynamic_cast<TWinControl*>(Control))
        for (int i = 0; i < w->GetControlCount(); ++i) FollowTree(w->GetControls(i));
}

void ThemeFollow::Switch(const TTheme& Theme) {
    if (&Theme == &CurrentTheme()) return;
    SelectTheme(Theme);
    if (Screen == nullptr) return;
    PaintEngine::HoldDirectPaints(true);
    try {
        for (int i = 0; i < Screen->GetFormCount(); ++i) FollowTree(Screen->GetForms(i));
    } catch (...) {
        PaintEngine::HoldDirectPaints(false);
        throw;
    }
    PaintEngine::HoldDirectPaints(false);
    for (int i = 0; i < Screen->GetFormCount(); ++i) Screen->GetForms(i)->Invalidate();
}

}  // namespace vcl
