#include "platform/accessibility/Accessible.h"

#include <algorithm>

namespace vcl {

std::string_view AccRoleName(TAccRole Role) {
    static constexpr std::string_view names[] = {
        "unknown", "frame", "dialog", "panel", "push button", "toggle button", "radio button",
        "check box", "spin button", "slider", "dial", "progress bar", "label", "text",
        "combo box", "table", "table cell", "column header", "row header", "calendar", "list",
        "list item", "tree", "tree item", "menu", "menu item", "image", "filler", "separator"};
    return Role < std::size(names) ? names[Role] : "unknown";
}

std::string_view AccActionName(TAccAction Action) {
    static constexpr std::string_view names[] = {"press", "toggle", "activate", "expand", "collapse"};
    return Action < std::size(names) ? names[Action] : "";
}

std::string_view AccEventName(TAccEventKind Kind) {
    static constexpr std::string_view names[] = {"focus", "state", "name", "value", "text",
                                                 "selection", "child added", "child removed",
                                                 "bounds"};
    return Kind < std::size(names) ? names[Kind] : "";
}

int TAccessible::GetIndexInParent() const {
    TAccessiblePtr parent = GetParent();
    if (!parent) return -1;
    int n = parent->GetChildCount();
    for (int i = 0; i < n; ++i)
        if (parent->GetChild(i).get() == this) return i;
    return -1;
}

TAccessiblePtr TAccessible::GetChildAtPoint(TPoint Screen) {
    if (IsDefunct() || !GetScreenBounds().Contains(Screen)) return nullptr;
    for (int i = GetChildCount() - 1; i >= 0; --i) {
        TAccessiblePtr c = GetChild(i);
        if (c && c->HasState(asShowing) && c->GetScreenBounds().Contains(Screen)) return c;
    }
    return nullptr;
}

namespace accessibility {
namespace detail {
int listenerCount = 0;
}

namespace {
// Never freed: forms freed by the program's exit handlers still raise events, after the
// function statics made since (this list among them) are gone.
std::vector<TAccListener*>& Listeners() {
    static auto* list = new std::vector<TAccListener*>;
    return *list;
}
}  // namespace

void AddListener(TAccListener* Listener) {
    auto& list = Listeners();
    if (!Listener || std::find(list.begin(), list.end(), Listener) != list.end()) return;
    list.push_back(Listener);
    detail::listenerCount = int(list.size());
}

void RemoveListener(TAccListener* Listener) {
    auto& list = Listeners();
    list.erase(std::remove(list.begin(), list.end(), Listener), list.end());
    detail::listenerCount = int(list.size());
}

void Raise(const TAccEvent& Event) {
    if (!Event.Source) return;
    // A listener may remove itself while it hears the event.
    std::vector<TAccListener*> now = Listeners();
    for (TAccListener* l : now)
        if (std::find(Listeners().begin(), Listeners().end(), l) != Listeners().end()) l->AccessibleEvent(Event);
}

}  // namespace accessibility
}  // namespace vcl
