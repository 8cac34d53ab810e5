// Form files: components and their published properties as readable text.
//
//   object Form1: TForm
//     Caption = 'Prices '#8364' and more'
//     Font.Size = 10
//     Color = clBtnFace
//     OnClick = FormClick
//     object Meter1: TMeter
//       Value = 12.5
//       Options = [moShowScale, moShowNeedle]
//       Items.Strings = (
//         'first'
//         'second')
//     end
//   end
//
// Strings are UTF-8 between single quotes ('' is a quote) joined with #nnn code points
// (used for control characters). Numbers are decimal or $hex; floats use a point.
// Booleans are True/False, enumerations and colours identifiers (colours also numbers),
// sets [a, b], events the name of a handler the application supplies.
#pragma once

#include <any>
#include <functional>
#include <map>
#include <string>

#include "platform/core/Component.h"
#include "platform/core/PropInfo.h"

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

private:
    std::map<std::string, std::any> handlers_;
};

// Creates the outer object from its class name, owned by Owner, nested objects owned by
// that new component (and placed in their enclosing object with SetParentComponent), sets
// their properties with csLoading set, then calls Loaded once on each. Returns the outer
// component. A malformed text raises EReadError "Line N: ..." and frees everything it made.
TComponent* ReadComponentText(const std::string& Text, TComponent* Owner,
                              const TEventHandlers& Handlers = TEventHandlers());
// Reads into an existing Root (a form): the outer object describes Root itself (its class
// name must be Root's), nested objects are created owned by Root. On failure the
// components created are freed; properties already set on Root stay set.
void ReadRootText(const std::string& Text, TComponent* Root,
                  const TEventHandlers& Handlers = TEventHandlers());
// The text of Root and, nested, what GetChildren lists. Only stored properties that
// differ from their defaults are written; events by the handler names they were bound with.
std::string WriteComponentText(TComponent* Root);

// The same with files (UTF-8). File errors raise EFOpenError / EFCreateError.
TComponent* ReadFormFile(const std::string& FileName, TComponent* Owner,
                         const TEventHandlers& Handlers = TEventHandlers());
void WriteFormFile(const std::string& FileName, TComponent* Root);

}  // namespace vcl
