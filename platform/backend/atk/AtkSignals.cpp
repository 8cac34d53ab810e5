// The model's events told as ATK signals (see AtkSignals.h).
#include "platform/backend/atk/AtkSignals.h"

#include <string>

#include "platform/backend/atk/AtkObjects.h"

namespace vcl::atkbridge {

namespace {

class Signals : public TAccListener {
public:
    void AccessibleEvent(const TAccEvent& E) override {
        if (!E.Source) return;
        if (E.Kind == aeFocus) {
            Focus(E.Source);
            return;
        }
        if (E.Kind == aeState && (E.State == asVisible || E.State == asActive) && !E.Source->GetParent() &&
            !E.Source->IsDefunct()) {
            Window(E);
            return;
        }
        // Nobody can know an object the service has not been given: nothing to tell.
        AtkObject* o = Existing(E.Source.get());
        if (o == nullptr) return;
        switch (E.Kind) {
        case aeState:
            atk_object_notify_state_change(o, StateOf(E.State), E.Source->HasState(E.State));
            break;
        case aeName:
            g_object_notify(G_OBJECT(o), "accessible-name");
            break;
        case aeValue:
            if (ATK_IS_VALUE(o)) {
                g_object_notify(G_OBJECT(o), "accessible-value");
                TAccValue* v = E.Source->GetValue();
                g_signal_emit_by_name(o, "value-changed", v ? v->GetValueRange().Current : 0.0,
                                      static_cast<const gchar*>(nullptr));
            }
            break;
        case aeText:
            if (ATK_IS_TEXT(o)) Text(o, *E.Source);
            break;
        case aeSelection:
            if (ATK_IS_SELECTION(o)) g_signal_emit_by_name(o, "selection-changed");
            break;
        case aeChildAdded:
        case aeChildRemoved: Children(o, E); break;
        case aeBounds:
            if (ATK_IS_COMPONENT(o)) {
                AtkRectangle r{};
                atk_component_get_extents(ATK_COMPONENT(o), &r.x, &r.y, &r.width, &r.height,
                                          ATK_XY_SCREEN);
                g_signal_emit_by_name(o, "bounds-changed", &r);
            }
            break;
        case aeFocus: break;
        }
    }

    void Forget() {
        if (focused_ != nullptr) g_object_unref(focused_);
        focused_ = nullptr;
    }

private:
    // A top-level window shown or hidden, activated or deactivated: told even of a window
    // the service was never given, as the service learns of new windows from these.
    void Window(const TAccEvent& E) {
        AtkObject* o = Wrap(E.Source);
        const bool on = E.Source->HasState(E.State);
        if (E.State == asVisible) {
            int index = -1;
            for (int i = 0, n = atk_object_get_n_accessible_children(Root()); i < n && index < 0; ++i) {
                AtkObject* c = atk_object_ref_accessible_child(Root(), i);
                if (c == o) index = i;
                if (c != nullptr) g_object_unref(c);
            }
            atk_object_notify_state_change(o, ATK_STATE_VISIBLE, on);
            atk_object_notify_state_change(o, ATK_STATE_SHOWING, E.Source->HasState(asShowing));
            g_signal_emit_by_name(Root(), on ? "children-changed::add" : "children-changed::remove", index, o);
            if (ATK_IS_WINDOW(o)) g_signal_emit_by_name(o, on ? "create" : "destroy");
        } else {
            atk_object_notify_state_change(o, ATK_STATE_ACTIVE, on);
            if (ATK_IS_WINDOW(o)) g_signal_emit_by_name(o, on ? "activate" : "deactivate");
        }
        g_object_unref(o);
    }

    void Focus(const TAccessiblePtr& Source) {
        AtkObject* o = Wrap(Source);
        if (focused_ != nullptr && focused_ != o) {
            atk_object_notify_state_change(focused_, ATK_STATE_FOCUSED, FALSE);
            g_object_unref(focused_);
            focused_ = nullptr;
        }
        G_GNUC_BEGIN_IGNORE_DEPRECATIONS
        g_signal_emit_by_name(o, "focus-event", TRUE);
        G_GNUC_END_IGNORE_DEPRECATIONS
        atk_object_notify_state_change(o, ATK_STATE_FOCUSED, TRUE);
        if (focused_ == o) g_object_unref(o);
        else focused_ = o;
    }

    // The model tells that the text changed, not how: the old text goes, the new comes.
    void Text(AtkObject* O, TAccessible& Source) {
        std::string now = Source.GetText() ? Source.GetText()->GetAccText() : std::string();
        auto* before = static_cast<gchar*>(g_object_get_data(G_OBJECT(O), "zyn-text"));
        if (before != nullptr && now == before) return;
        if (before != nullptr && *before != '\0')
            g_signal_emit_by_name(O, "text-remove", 0, gint(g_utf8_strlen(before, -1)), before);
        if (!now.empty())
            g_signal_emit_by_name(O, "text-insert", 0, gint(g_utf8_strlen(now.c_str(), -1)),
                                  now.c_str());
        g_object_set_data_full(G_OBJECT(O), "zyn-text", g_strdup(now.c_str()), g_free);
    }

    // A child is told with its object: the one the event names, else (an addition) the
    // child now at the index. The service cannot be handed a null object: without one (a
    // removed child nobody had asked for, "several") the change is told as a change of
    // what is shown, after which the service counts the children again.
    void Children(AtkObject* O, const TAccEvent& E) {
        const bool added = E.Kind == aeChildAdded;
        TAccessiblePtr child = E.Child;
        if (!child && added && E.Index >= 0) child = E.Source->GetChild(E.Index);
        if (!child) {
            g_signal_emit_by_name(O, "visible-data-changed");
            return;
        }
        AtkObject* c = Wrap(child);
        g_signal_emit_by_name(O, added ? "children-changed::add" : "children-changed::remove", E.Index, c);
        g_object_unref(c);
    }

    AtkObject* focused_ = nullptr;
};

Signals& TheSignals() {
    static Signals signals;
    return signals;
}

}  // namespace

TAccListener& EventSignals() { return TheSignals(); }

void ForgetSignalState() { TheSignals().Forget(); }

}  // namespace vcl::atkbridge
