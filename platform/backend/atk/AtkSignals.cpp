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

private:
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

    // An added child is told with its object. The object of a removed child is gone with
    // it, and the service cannot be handed a null one: a removal, like "several", is told
    // as a change of what is shown, after which the service counts the children again.
    void Children(AtkObject* O, const TAccEvent& E) {
        TAccessiblePtr child = E.Kind == aeChildAdded && E.Index >= 0 ? E.Source->GetChild(E.Index) : nullptr;
        if (!child) {
            g_signal_emit_by_name(O, "visible-data-changed");
            return;
        }
        AtkObject* c = Wrap(child);
        g_signal_emit_by_name(O, "children-changed::add", E.Index, c);
        g_object_unref(c);
    }

    AtkObject* focused_ = nullptr;
};

}  // namespace

TAccListener& EventSignals() {
    static Signals signals;
    return signals;
}

}  // namespace vcl::atkbridge
