// Form files: components and their published properties as readable text.
//
//   object Form1: TForm
//     Caption = 'Prices '#8364' and more'
//     Font.Size = 10
//     Color = clBtnFace
//     PopupMenu = PopupMenu1
//     OnClick = FormClick
//     object Meter1: TMeter
//       Value = 12.5
//       Options = [moShowScale, moShowNeedle]
//       Items.Strings = (
//         'first'
//         'second')
//     end
//     object SpeedButton1: TSpeedButton
//       Glyph.Data = {
//         07544269746D61700000000020424D6600000000000000360000002800000004
//         ...00FF}
//     end
//   end
//
// Strings are UTF-8 between single quotes ('' is a quote) joined with #nnn code points
// (used for control characters). Numbers are decimal or $hex; floats use a point.
// Booleans are True/False, enumerations and colours identifiers (colours also numbers),
// sets [a, b], events the name of a handler the application supplies, component
// references the name of a component of the form (nil for none; written only when set).
// Binary data (pkBinary: what an object streams itself, such as a bitmap's pixels) is a
// block of hex digits in braces, BinaryLineDigits a line; the object's own Set decodes it,
// and data it refuses fails the read with "Line N: Invalid data for Glyph.Data: ...".
// Binary data left empty (a bitmap without pixels) is not written.
#pragma once

#include <any>
#include <cstddef>
#include <functional>
#include <map>
#include <string>

#include "platform/core/Component.h"

namespace vcl {

// The handlers a form file's events may name: name -> the event's std::function type.
//   handlers.Add("FormClick", TNotifyEvent([&](TObject*) { ... }));
class TEventHandlers {
public:
    template <class F>
    TEventHandlers& Add(const std::string& Name, F Handler) {
        handlers_[Name] = std::any(std::move(Handler));
        return *this;
    }
    const std::any* Find(const std::string& Name) const;   // nullptr when unknown
    bool Empty() const { return handlers_.empty(); }
    // A form designer reads forms whose handlers live in the application, not in it: with
    // placeholders on, a name the table does not hold binds a handler that does nothing, and
    // the name is kept so the form is written back as it was read.
    TEventHandlers& SetPlaceholders(bool Value) { placeholders_ = Value; return *this; }
    bool GetPlaceholders() const { return placeholders_; }

private:
    std::map<std::string, std::any> handlers_;
    bool placeholders_ = false;
};

// How deep objects may nest below the outer object of a form text. Real forms nest a few
// levels; the reader descends once per level, so a deeper (runaway or hostile) text is
// refused with EReadError "Line N: Objects nested too deeply" instead of exhausting the
// stack. Nothing else in a form text nests: string lists and sets are flat.
inline constexpr int MaxFormNesting = 200;

// How many hex digits (32 bytes) the writer puts on each line of a binary block; the
// reader takes any number of digits a line.
inline constexpr std::size_t BinaryLineDigits = 64;

// Creates the outer object from its class name, owned by Owner, nested objects owned by
// that new component (and placed in their enclosing object with SetParentComponent), sets
// their properties with csLoading set, then calls Loaded once on each. Component
// references are set after the whole text is read and before Loaded, so they may name
// components further down; a name is looked up among the outer component's components,
// then the outer component itself, then the components of its owner
// (FindComponentReference). Returns the outer component. A malformed text (also an
// unknown or wrongly typed reference) raises EReadError "Line N: ..." and frees
// everything it made.
TComponent* ReadComponentText(const std::string& Text, TComponent* Owner,
                              const TEventHandlers& Handlers = TEventHandlers());
// Reads into an existing Root (a form): the outer object describes Root itself (its class
// name must be Root's), nested objects are created owned by Root. On failure the
// components created are freed; properties already set on Root stay set.
void ReadRootText(const std::string& Text, TComponent* Root,
                  const TEventHandlers& Handlers = TEventHandlers());
// The text of Root and, nested, what GetChildren lists. Only stored properties that
// differ from their defaults are written; events (also those of sub-objects, such as
// "Layout.OnChange") by the handler names they were bound with; component references by
// name. A reference to a component the reader could not find by name (unnamed, or none
// of Root, its components and its owner's components) raises EWriteError.
std::string WriteComponentText(TComponent* Root);

// The same with files (UTF-8). File errors raise EFOpenError / EFCreateError.
TComponent* ReadFormFile(const std::string& FileName, TComponent* Owner,
                         const TEventHandlers& Handlers = TEventHandlers());
void WriteFormFile(const std::string& FileName, TComponent* Root);

}  // namespace vcl
