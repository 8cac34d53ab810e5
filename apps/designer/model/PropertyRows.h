// The object inspector's model: the rows of one component, built only from its class's
// published-property table, each with the editor its kind takes, the text it shows and the
// choices it offers. Writing goes through the design model, so every edit is one undo step
// and a refused value leaves the component as it was.
#pragma once

#include <string>
#include <vector>

#include "apps/designer/model/DesignModel.h"
#include "platform/Classes.h"

namespace designer {

enum class TEditorKind {
    Integer, Float, String, Enum, Set, Boolean, Color, Font, Object, StringList, Component, Event, Bitmap
};

// The editor kind of a property as held by Holder (sub-objects differ by their class).
TEditorKind EditorKindOf(const vcl::TPropInfo& Prop, vcl::TPersistent& Holder);

struct TInspectorRow {
    std::string Path;                 // "Font.Size": the path below the component
    int Depth = 0;                    // 0 for the component's own properties
    TEditorKind Kind = TEditorKind::String;
    const vcl::TPropInfo* Prop = nullptr;
    vcl::TPersistent* Holder = nullptr;   // the object the property belongs to
    bool ReadOnly = false;
};

class TInspector {
public:
    explicit TInspector(TDesignModel& Model) : model_(Model) {}

    // The properties of C (sub-objects' properties follow their row, a level deeper;
    // a string list is one row). Events are on their own tab.
    std::vector<TInspectorRow> Properties(vcl::TComponent* C) const;
    std::vector<TInspectorRow> Events(vcl::TComponent* C) const;

    // The text the row shows: the form-file text of the value; a string list's lines
    // joined by line breaks; an event's handler name; "(TFont)" for a sub-object; a
    // bitmap's size ("(16 x 16)", "(none)").
    std::string Value(vcl::TComponent* C, const TInspectorRow& Row) const;
    // The values a drop-down offers: enumeration and boolean names, colour names (the
    // standard and the system colours), the form's components the reference accepts ("" for
    // none first), a set's elements.
    std::vector<std::string> Choices(vcl::TComponent* C, const TInspectorRow& Row) const;
    // A set's element is in the value.
    bool SetElement(vcl::TComponent* C, const TInspectorRow& Row, int Index) const;

    // Writes Text as the row's value (a string list: its lines; an event: the handler
    // name; a bitmap: the file it loads from, "" clears it). The property's own error (EPropertyError, EConvertError, ...) when it refuses.
    void SetValue(vcl::TComponent* C, const TInspectorRow& Row, const std::string& Text);
    // Turns one element of a set on or off.
    void ToggleSetElement(vcl::TComponent* C, const TInspectorRow& Row, int Index, bool On);

private:
    void Collect(vcl::TPersistent& Obj, const std::string& Prefix, int Depth, bool Events,
                 std::vector<TInspectorRow>& Rows) const;
    TDesignModel& model_;
};

// Every colour name the colour editor offers: standard colours, then system colours.
const std::vector<std::string>& ColorNames();

}  // namespace designer
