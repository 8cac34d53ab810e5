// The inspector's rows and editors, from the published-property tables alone.
#include "apps/designer/model/PropertyRows.h"

#include <algorithm>

#include "platform/Graphics.h"

namespace designer {

using namespace vcl;

const std::vector<std::string>& ColorNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        auto add = [&](TColor c) {
            std::string n = ColorToString(c);
            if (n.rfind("cl", 0) == 0 && std::find(list.begin(), list.end(), n) == list.end()) list.push_back(n);
        };
        for (TColor c : {clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clGray, clSilver, clRed,
                         clLime, clYellow, clBlue, clFuchsia, clAqua, clWhite, clMoneyGreen, clSkyBlue, clCream,
                         clMedGray, clNone, clDefault})
            add(c);
        for (int i = 0; i <= 30; ++i) add(SysColor(i));
        return list;
    }();
    return names;
}

TEditorKind EditorKindOf(const TPropInfo& Prop, TPersistent& Holder) {
    switch (Prop.Kind) {
        case pkInteger: return TEditorKind::Integer;
        case pkFloat: return TEditorKind::Float;
        case pkString: return TEditorKind::String;
        case pkBoolean: return TEditorKind::Boolean;
        case pkEnum: return TEditorKind::Enum;
        case pkSet: return TEditorKind::Set;
        case pkColor: return TEditorKind::Color;
        case pkEvent: return TEditorKind::Event;
        case pkComponent: return TEditorKind::Component;
        case pkBinary: return TEditorKind::String;   // edited as its hex digits
        case pkClass: {
            TPersistent* sub = Prop.Get ? std::get<TPersistent*>(Prop.Get(Holder)) : nullptr;
            if (dynamic_cast<TStrings*>(sub) != nullptr) return TEditorKind::StringList;
            if (dynamic_cast<TFont*>(sub) != nullptr) return TEditorKind::Font;
            if (dynamic_cast<TBitmap*>(sub) != nullptr) return TEditorKind::Bitmap;
            return TEditorKind::Object;
        }
    }
    return TEditorKind::String;
}

void TInspector::Collect(TPersistent& Obj, const std::string& Prefix, int Depth, bool Events,
                         std::vector<TInspectorRow>& Rows) const {
    const TClassInfo* info = ClassInfoOf(&Obj);
    if (info == nullptr || Depth > 8) return;
    for (const TPropInfo* p : info->Properties()) {
        TEditorKind kind = EditorKindOf(*p, Obj);
        std::string path = Prefix + p->Name;
        bool nested = kind == TEditorKind::Font || kind == TEditorKind::Object;
        TPersistent* sub = nested ? std::get<TPersistent*>(p->Get(Obj)) : nullptr;
        // Components held as sub-objects are designed as components of their own.
        if (nested && (sub == nullptr || dynamic_cast<TComponent*>(sub) != nullptr)) continue;
        if ((kind == TEditorKind::Event) == Events || nested) {
            if (!Events || !nested)
                Rows.push_back({path, Depth, kind, p, &Obj, kind == TEditorKind::Event ? false : (p->IsReadOnly() && !nested && kind != TEditorKind::StringList)});
        }
        if (nested) Collect(*sub, path + ".", Depth + 1, Events, Rows);
    }
}

std::vector<TInspectorRow> TInspector::Properties(TComponent* C) const {
    std::vector<TInspectorRow> rows;
    Collect(*C, "", 0, false, rows);
    return rows;
}

std::vector<TInspectorRow> TInspector::Events(TComponent* C) const {
    std::vector<TInspectorRow> rows;
    Collect(*C, "", 0, true, rows);
    return rows;
}

std::string TInspector::Value(TComponent* C, const TInspectorRow& Row) const {
    switch (Row.Kind) {
        case TEditorKind::Event: return C->GetEventHandlerName(Row.Path);
        case TEditorKind::StringList: {
            auto* list = dynamic_cast<TStrings*>(std::get<TPersistent*>(Row.Prop->Get(*Row.Holder)));
            std::string text;
            for (int i = 0; i < list->GetCount(); ++i) text += (i ? "\n" : "") + list->Get(i);
            return text;
        }
        case TEditorKind::Bitmap: {
            auto* bmp = dynamic_cast<TBitmap*>(std::get<TPersistent*>(Row.Prop->Get(*Row.Holder)));
            if (bmp == nullptr || bmp->GetWidth() == 0 || bmp->GetHeight() == 0) return "(none)";
            return "(" + std::to_string(bmp->GetWidth()) + " x " + std::to_string(bmp->GetHeight()) + ")";
        }
        default: return Row.Prop->GetAsText(*Row.Holder);
    }
}

std::vector<std::string> TInspector::Choices(TComponent* C, const TInspectorRow& Row) const {
    switch (Row.Kind) {
        case TEditorKind::Boolean: return {"False", "True"};
        case TEditorKind::Enum:
        case TEditorKind::Set: return Row.Prop->EnumNames;
        case TEditorKind::Color: return ColorNames();
        case TEditorKind::Component: {
            std::vector<std::string> names{""};
            TComponent* form = model_.Form();
            for (TComponent* c : form->Components())
                if (c != C && !c->GetName().empty() && Row.Prop->AcceptsComponent(*c)) names.push_back(c->GetName());
            if (Row.Prop->AcceptsComponent(*form) && form != C) names.push_back(form->GetName());
            return names;
        }
        default: return {};
    }
}

bool TInspector::SetElement(TComponent* C, const TInspectorRow& Row, int Index) const {
    (void)C;
    return (std::get<std::int64_t>(Row.Prop->Get(*Row.Holder)) >> Index) & 1;
}

void TInspector::SetValue(TComponent* C, const TInspectorRow& Row, const std::string& Text) {
    switch (Row.Kind) {
        case TEditorKind::Event: model_.SetEventHandler(C, Row.Path, Text); return;
        case TEditorKind::StringList:
            model_.Change([&] {
                auto [holder, prop] = ResolvePropPath(C, Row.Path);
                dynamic_cast<TStrings*>(std::get<TPersistent*>(prop->Get(*holder)))->SetText(Text);
            });
            return;
        case TEditorKind::Bitmap: {
            // Read whole first: a file that does not load leaves the picture as it was.
            TBitmap picture;
            if (!Text.empty()) picture.LoadFromFile(Text);
            model_.Change([&] {
                auto [holder, prop] = ResolvePropPath(C, Row.Path);
                prop->Set(*holder, TPropValue(static_cast<TPersistent*>(&picture)));
            });
            return;
        }
        case TEditorKind::Font:
        case TEditorKind::Object: throw EPropertyError("Property " + Row.Path + " holds an object; set its properties instead");
        default: model_.SetProperty(C, Row.Path, Text);
    }
}

void TInspector::ToggleSetElement(TComponent* C, const TInspectorRow& Row, int Index, bool On) {
    const std::vector<std::string>& names = Row.Prop->EnumNames;
    std::string text = "[";
    bool first = true;
    for (int i = 0; i < int(names.size()); ++i) {
        bool in = i == Index ? On : SetElement(C, Row, i);
        if (!in) continue;
        text += (first ? "" : ", ") + names[std::size_t(i)];
        first = false;
    }
    model_.SetProperty(C, Row.Path, text + "]");
}

}  // namespace designer
