// Published properties and the class registry.
//
// A class publishes its properties once, beside its code; in the platform each header's
// classes are registered in a XxxPublished.cpp next to it (Grid.h: GridPublished.cpp):
//
//   const bool registered = [] {
//       vcl::RegisterClass<TBevel, vcl::TGraphicControl>("TBevel", [](vcl::TPublisher<TBevel>& p) {
//           p.Enum("Shape", &TBevel::GetShape, &TBevel::SetShape, {"bsBox", "bsFrame", ...});
//           p.Object("Font", &TBevel::GetFont, &TBevel::SetFont);
//           p.Event("OnClick", &TBevel::GetOnClick, &TBevel::SetOnClick);
//       });
//       return true;
//   }();
//
// Nothing calls such a static initialiser, so the build links every *Published.cpp of the
// platform into each program as a whole archive (zyn_platform_area): a form file can name a
// class no code of the program mentions, and no set-up call is needed.
//
// A property given without a default takes the value a fresh instance has (the class is
// built once, with a null owner, when its table is first used), so each default is written
// once, in the class's field initialiser or constructor. NoDefault() makes a property always
// written; an explicit default is kept for classes that cannot be built alone.
//
// The table of a class chains to the table of the registered base class named as the
// second template argument (it need not be the direct base). Tables are built on first
// use, so the order of static initialisation does not matter. The tables drive form
// files, the property inspector and generic tests.
#pragma once

#include <any>
#include <concepts>
#include <deque>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeindex>
#include <utility>
#include <variant>
#include <vector>

#include "platform/core/Component.h"
#include "platform/runtime/Sets.h"

namespace vcl {

// pkClass is a sub-object the property's owner holds (a font); pkComponent a reference to
// another component it does not own (a popup menu, the control a label focuses); pkBinary
// bytes the object streams itself (a bitmap's pixels), written in form files as a block of
// hex digits in braces and as text as those hex digits.
enum TPropKind : std::uint8_t {
    pkInteger, pkFloat, pkString, pkBoolean, pkEnum, pkSet, pkColor, pkClass, pkEvent, pkComponent,
    pkBinary
};

// A property value: integer, boolean (0/1), enumeration (ordinal), set (bits) and colour
// as int64; float as double; string as UTF-8; binary data as its bytes in a string; a sub-object (pkClass) or a referenced
// component (pkComponent, nullptr for none) as its pointer.
using TPropValue = std::variant<std::int64_t, double, std::string, TPersistent*>;

struct TPropInfo {
    std::string Name;
    TPropKind Kind = pkInteger;
    // pkEnum: the name of each ordinal; pkSet: the name of each element.
    std::vector<std::string> EnumNames;
    std::function<TPropValue(TPersistent&)> Get;
    std::function<void(TPersistent&, const TPropValue&)> Set;   // empty: read-only
    // The value not written to form files; none: always written.
    std::optional<TPropValue> Default;
    // The default is read from a freshly built instance of the class when its table is
    // built, so a default is written once: in the class's own initialiser.
    bool DefaultFromPrototype = false;
    // The setter stores and repaints even when given the current value (documented as such
    // for a few properties); generic tests skip the "no repaint for the same value" rule.
    bool RepaintsAlways = false;
    // Whether the property is written at all (empty: yes).
    std::function<bool(TPersistent&)> StoredFn;
    // pkEvent: whether a handler is assigned, and binding one held in a std::any as the
    // event's std::function type (another type raises EPropertyError).
    std::function<bool(TPersistent&)> IsAssigned;
    std::function<void(TPersistent&, const std::any&)> SetHandler;
    // pkEvent: binds a handler that ignores the event's arguments, calls Fn and returns a
    // default value (event logs, generic tests); an empty Fn clears the event.
    std::function<void(TPersistent&, std::function<void()> Fn)> BindAny;
    // pkComponent: whether a component (non-null) is of the class the property refers to.
    std::function<bool(const TComponent&)> AcceptsComponent;

    bool IsReadOnly() const { return !Set && !SetHandler; }
    bool IsStored(TPersistent& Obj) const { return !StoredFn || StoredFn(Obj); }
    // Whether the current value equals the default (never for a property without one).
    bool IsDefault(TPersistent& Obj) const;
    // The same against another default: the one a sub-object's property has inside the
    // class that holds it (TClassInfo::NestedDefault).
    bool IsDefault(TPersistent& Obj, const TPropValue& Default) const;

    // The value as text: a string as it is, otherwise as a form file writes it: 12, 1.5,
    // True, alLeft, [fsBold, fsItalic], clRed. A sub-object gives "(TFont)", an event "",
    // a component reference the referenced component's name ("" for none).
    std::string GetAsText(TPersistent& Obj) const;
    // Parses that text and sets the value; EPropertyError with a clear message when the
    // text does not fit the property (or the property is read-only, a sub-object or an event).
    // A component reference names a component of the same owner as Obj (or that owner
    // itself; "" clears it), so Obj must be a component.
    void SetAsText(TPersistent& Obj, const std::string& Text) const;
};

// Colour names come from the graphics layer; until it installs them, colours are written
// as $AARRGGBB-style hex ("$00FF0000") and read as numbers.
// A colour property left at its default follows the theme in use and then holds the theme's
// colour for it, not its published default. Form files must not store such a colour as if
// it had been set, so IsDefault also asks this test (the controls layer installs it): true
// when Prop of Obj holds what the theme in use gives it.
using TThemedDefaultTest = std::function<bool(TPersistent& Obj, const TPropInfo& Prop)>;
void SetThemedDefaultTest(TThemedDefaultTest Test);

struct TColorNameConverter {
    std::function<std::string(std::int32_t)> ToString;   // ColorToString
    std::function<bool(const std::string&, std::int32_t&)> FromString;   // false when invalid
};
void SetColorNameConverter(TColorNameConverter Converter);
std::string ColorValueToString(std::int32_t Color);
std::int32_t ColorValueFromString(const std::string& Text);   // EConvertError when invalid

class TClassInfo;
template <class C> class TPublisher;

// Registered class: name, base, properties and (for components) a factory.
class TClassInfo {
public:
    const std::string& GetName() const { return name_; }
    std::type_index GetType() const { return type_; }
    const TClassInfo* GetParent() const;
    bool InheritsFrom(const TClassInfo* Other) const;
    // Published properties of the class and its bases, the bases' first; a property the
    // class publishes again replaces its base's entry in place.
    const std::vector<const TPropInfo*>& Properties() const;
    const TPropInfo* FindProperty(std::string_view Name) const;   // case-insensitive
    // Whether Create works: a component class that can be built from an owner.
    bool CanCreate() const { return bool(factory_); }
    // A new instance owned by Owner; EComponentError when the class cannot be created.
    TComponent* Create(TComponent* Owner) const;
    // The default of a sub-object's property by its path below this class ("Font.Size",
    // "NeedleLayoutSec.Visible"): what that sub-object of a fresh instance holds. A holder
    // may set up two sub-objects of one class differently (a meter's second needle starts
    // hidden), so the sub-object class's own default does not tell what a fresh holder has.
    // nullptr when the class cannot be built alone or the property has no default at all.
    const TPropValue* NestedDefault(std::string_view Path) const;

    // Used by RegisterClass.
    TClassInfo(std::string Name, std::type_index Type, std::optional<std::type_index> Parent,
               std::function<void(std::vector<TPropInfo>&)> Publish,
               std::function<TComponent*(TComponent*)> Factory,
               std::function<std::unique_ptr<TPersistent>()> Prototype = {});

private:
    void Build() const;
    void TakeDefaultsFromPrototype(std::vector<const TPropInfo*>& All) const;
    void TakeNestedDefaults(TPersistent& Obj, const std::vector<const TPropInfo*>& Props,
                            const std::string& Prefix, int Depth) const;

    std::string name_;
    std::type_index type_;
    std::optional<std::type_index> parentType_;
    std::function<void(std::vector<TPropInfo>&)> publish_;
    std::function<TComponent*(TComponent*)> factory_;
    std::function<std::unique_ptr<TPersistent>()> prototype_;
    mutable bool built_ = false;
    mutable std::vector<TPropInfo> own_;
    mutable std::deque<TPropInfo> inheritedOverrides_;   // stable addresses
    mutable std::vector<const TPropInfo*> all_;
    mutable std::map<std::string, TPropValue, std::less<>> nestedDefaults_;   // lower-case paths
};

namespace detail {
template <class F> struct AnyHandler;
template <class R, class... A>
struct AnyHandler<std::function<R(A...)>> {
    static std::function<R(A...)> Make(std::function<void()> Fn) {
        if (!Fn) return {};
        return [Fn](A...) -> R {
            Fn();
            if constexpr (!std::is_void_v<R>) return R();
        };
    }
};

const TClassInfo* RegisterClassInfo(std::unique_ptr<TClassInfo> Info);
[[noreturn]] void ThrowPropertyError(const std::string& Message);
std::int64_t ValueToInt(const TPropValue& V, const std::string& Name);
double ValueToFloat(const TPropValue& V, const std::string& Name);
const std::string& ValueToString(const TPropValue& V, const std::string& Name);
// "Property P takes a TPopupMenu, not Edit1 (TEdit)".
[[noreturn]] void ThrowWrongComponent(const std::string& Name, const TPersistent* Value, std::type_index Expected);

template <class T> struct IsTSet : std::false_type {};
template <class E> struct IsTSet<TSet<E>> : std::true_type { using Element = E; };

template <class C>
C& Cast(TPersistent& Obj) {
    if constexpr (std::is_same_v<C, TPersistent>) {
        return Obj;
    } else {
        C* c = dynamic_cast<C*>(&Obj);
        if (c == nullptr) ThrowPropertyError("Property of " + Obj.ClassName() + " used on another class");
        return *c;
    }
}

template <class T>
T CheckedInt(std::int64_t V, const std::string& Name) {
    if constexpr (std::is_same_v<T, bool>) {
        return V != 0;
    } else {
        if (!std::in_range<T>(V)) ThrowPropertyError("Value " + std::to_string(V) + " out of range for " + Name);
        return static_cast<T>(V);
    }
}
}  // namespace detail

// Builds the property table of class C. Getters are member functions or callables taking
// C&; setters are member functions or callables taking (C&, value). Each call adds one
// property; Stored/NoDefault change the property added last.
template <class C>
class TPublisher {
    template <class G>
    using Result = std::remove_cvref_t<std::invoke_result_t<G, C&>>;

public:
    explicit TPublisher(std::vector<TPropInfo>& Props) : props_(Props) {}

    template <class G, class S = std::nullptr_t>
    TPublisher& Integer(std::string Name, G Get, S Set = nullptr, std::optional<std::int64_t> Default = std::nullopt) {
        using T = Result<G>;
        static_assert(std::is_integral_v<T>, "Integer properties read an integral type");
        TPropInfo& p = Add(std::move(Name), pkInteger, Wrap(Default));
        p.Get = [Get](TPersistent& o) { return TPropValue(std::int64_t(std::invoke(Get, detail::Cast<C>(o)))); };
        p.Set = Setter(Set, [n = p.Name](const TPropValue& v) { return detail::CheckedInt<T>(detail::ValueToInt(v, n), n); });
        return *this;
    }

    template <class G, class S = std::nullptr_t>
    TPublisher& Float(std::string Name, G Get, S Set = nullptr, std::optional<double> Default = std::nullopt) {
        using T = Result<G>;
        TPropInfo& p = Add(std::move(Name), pkFloat, Wrap(Default));
        p.Get = [Get](TPersistent& o) { return TPropValue(double(std::invoke(Get, detail::Cast<C>(o)))); };
        p.Set = Setter(Set, [n = p.Name](const TPropValue& v) { return T(detail::ValueToFloat(v, n)); });
        return *this;
    }

    template <class G, class S = std::nullptr_t>
    TPublisher& String(std::string Name, G Get, S Set = nullptr, std::optional<std::string> Default = std::nullopt) {
        TPropInfo& p = Add(std::move(Name), pkString, Wrap(std::move(Default)));
        p.Get = [Get](TPersistent& o) { return TPropValue(std::string(std::invoke(Get, detail::Cast<C>(o)))); };
        p.Set = Setter(Set, [n = p.Name](const TPropValue& v) { return detail::ValueToString(v, n); });
        return *this;
    }

    template <class G, class S = std::nullptr_t>
    TPublisher& Boolean(std::string Name, G Get, S Set = nullptr, std::optional<bool> Default = std::nullopt) {
        TPropInfo& p = Add(std::move(Name), pkBoolean, Wrap(Default));
        p.Get = [Get](TPersistent& o) { return TPropValue(std::int64_t(bool(std::invoke(Get, detail::Cast<C>(o))))); };
        p.Set = Setter(Set, [n = p.Name](const TPropValue& v) { return detail::ValueToInt(v, n) != 0; });
        return *this;
    }

    // Names[i] is the identifier of ordinal i.
    template <class G, class S>
    TPublisher& Enum(std::string Name, G Get, S Set, std::vector<std::string> Names) {
        return Enum(std::move(Name), Get, Set, std::optional<Result<G>>(), std::move(Names));
    }
    template <class G, class S>
    TPublisher& Enum(std::string Name, G Get, S Set, std::optional<Result<G>> Default,
                     std::vector<std::string> Names) {
        using E = Result<G>;
        static_assert(std::is_enum_v<E>, "Enum properties read an enumeration");
        TPropInfo& p = Add(std::move(Name), pkEnum, Wrap(Default));
        p.EnumNames = std::move(Names);
        p.Get = [Get](TPersistent& o) { return TPropValue(std::int64_t(std::invoke(Get, detail::Cast<C>(o)))); };
        std::size_t count = p.EnumNames.size();
        p.Set = Setter(Set, [n = p.Name, count](const TPropValue& v) {
            std::int64_t i = detail::ValueToInt(v, n);
            if (i < 0 || std::uint64_t(i) >= count) detail::ThrowPropertyError("Value " + std::to_string(i) + " out of range for " + n);
            return E(i);
        });
        return *this;
    }

    // A TSet<E>; Names[i] is the identifier of element i.
    template <class G, class S>
    TPublisher& Set(std::string Name, G Get, S Set, std::vector<std::string> Names) {
        return this->Set(std::move(Name), Get, Set, std::optional<Result<G>>(), std::move(Names));
    }
    template <class G, class S>
    TPublisher& Set(std::string Name, G Get, S Set, std::optional<Result<G>> Default,
                    std::vector<std::string> Names) {
        using T = Result<G>;
        static_assert(detail::IsTSet<T>::value, "Set properties read a TSet");
        std::optional<TPropValue> def;
        if (Default) def = TPropValue(std::int64_t(Default->Bits()));
        TPropInfo& p = Add(std::move(Name), pkSet, std::move(def));
        p.EnumNames = std::move(Names);
        p.Get = [Get](TPersistent& o) { return TPropValue(std::int64_t(std::invoke(Get, detail::Cast<C>(o)).Bits())); };
        p.Set = Setter(Set, [n = p.Name](const TPropValue& v) { return T::FromBits(std::uint64_t(detail::ValueToInt(v, n))); });
        return *this;
    }

    // A TColor (32-bit), written by name through the colour converter.
    template <class G, class S = std::nullptr_t>
    TPublisher& Color(std::string Name, G Get, S Set = nullptr, std::optional<std::int32_t> Default = std::nullopt) {
        using T = Result<G>;
        TPropInfo& p = Add(std::move(Name), pkColor, Wrap(Default));
        p.Get = [Get](TPersistent& o) { return TPropValue(std::int64_t(std::invoke(Get, detail::Cast<C>(o)))); };
        p.Set = Setter(Set, [n = p.Name](const TPropValue& v) {
            return T(std::int32_t(std::uint32_t(detail::ValueToInt(v, n))));
        });
        return *this;
    }

    // A sub-object (font, pen, needle layout, string list): written as its own properties
    // ("Font.Size = 10"). The optional setter takes a pointer (usually Assign).
    template <class G, class S = std::nullptr_t>
    TPublisher& Object(std::string Name, G Get, S Set = nullptr) {
        using P = Result<G>;
        static_assert(std::is_pointer_v<P>, "Object properties read a pointer");
        using T = std::remove_cv_t<std::remove_pointer_t<P>>;
        static_assert(std::is_base_of_v<TPersistent, T>, "Object properties are TPersistent");
        TPropInfo& p = Add(std::move(Name), pkClass, std::nullopt);
        p.Get = [Get](TPersistent& o) {
            return TPropValue(static_cast<TPersistent*>(const_cast<T*>(std::invoke(Get, detail::Cast<C>(o)))));
        };
        if constexpr (!std::is_null_pointer_v<S>) {
            p.Set = [Set, n = p.Name](TPersistent& o, const TPropValue& v) {
                const auto* obj = std::get_if<TPersistent*>(&v);
                if (obj == nullptr) detail::ThrowPropertyError("Property " + n + " takes an object");
                T* typed = *obj == nullptr ? nullptr : dynamic_cast<T*>(*obj);
                if (*obj != nullptr && typed == nullptr) detail::ThrowPropertyError("Wrong class for property " + n);
                std::invoke(Set, detail::Cast<C>(o), typed);
            };
        }
        return *this;
    }

    // A reference to a component of class T that the object does not own (PopupMenu,
    // FocusControl): the getter returns a T*, the setter takes one (nullptr clears it). Form
    // files write the referenced component's name and resolve it once the whole form is
    // read. Setting a component of another class raises EPropertyError. The setter must ask
    // the referenced component for FreeNotification and Notification must clear the
    // reference, so that freeing the referenced component leaves nothing dangling.
    template <class G, class S = std::nullptr_t>
    TPublisher& Component(std::string Name, G Get, S Set = nullptr) {
        using P = Result<G>;
        static_assert(std::is_pointer_v<P>, "Component properties read a pointer");
        using T = std::remove_cv_t<std::remove_pointer_t<P>>;
        static_assert(std::is_base_of_v<TComponent, T>, "Component properties refer to components");
        TPropInfo& p = Add(std::move(Name), pkComponent, TPropValue(static_cast<TPersistent*>(nullptr)));
        p.Get = [Get](TPersistent& o) {
            return TPropValue(static_cast<TPersistent*>(const_cast<T*>(std::invoke(Get, detail::Cast<C>(o)))));
        };
        p.AcceptsComponent = [](const TComponent& c) { return dynamic_cast<const T*>(&c) != nullptr; };
        if constexpr (!std::is_null_pointer_v<S>) {
            p.Set = [Set, n = p.Name](TPersistent& o, const TPropValue& v) {
                const auto* obj = std::get_if<TPersistent*>(&v);
                if (obj == nullptr) detail::ThrowPropertyError("Property " + n + " takes a component");
                T* typed = *obj == nullptr ? nullptr : dynamic_cast<T*>(*obj);
                if (*obj != nullptr && typed == nullptr) detail::ThrowWrongComponent(n, *obj, typeid(T));
                std::invoke(Set, detail::Cast<C>(o), typed);
            };
        }
        return *this;
    }

    // Binary data the object streams itself (a bitmap's "Data"): Get returns the bytes and
    // Set takes them (std::string). Empty bytes are the default, so an object holding
    // nothing writes nothing; Set raising an error refuses the data as it stands, so it
    // must leave the object as it was.
    template <class G, class S>
    TPublisher& Binary(std::string Name, G Get, S Set) {
        TPropInfo& p = Add(std::move(Name), pkBinary, TPropValue(std::string()));
        p.Get = [Get](TPersistent& o) { return TPropValue(std::string(std::invoke(Get, detail::Cast<C>(o)))); };
        p.Set = Setter(Set, [n = p.Name](const TPropValue& v) { return detail::ValueToString(v, n); });
        return *this;
    }

    // An event held in a public std::function member (&C::OnClick).
    template <class F>
    TPublisher& Event(std::string Name, F C::*Field) {
        TPropInfo& p = Add(std::move(Name), pkEvent, std::nullopt);
        p.IsAssigned = [Field](TPersistent& o) { return bool(detail::Cast<C>(o).*Field); };
        p.SetHandler = [Field, n = p.Name](TPersistent& o, const std::any& h) {
            detail::Cast<C>(o).*Field = HandlerOf<F>(h, n);
        };
        p.BindAny = [Field](TPersistent& o, std::function<void()> Fn) {
            detail::Cast<C>(o).*Field = detail::AnyHandler<F>::Make(std::move(Fn));
        };
        return *this;
    }

    // An event behind a getter and a setter.
    template <class G, class S>
    TPublisher& Event(std::string Name, G Get, S Set) {
        using F = Result<G>;
        TPropInfo& p = Add(std::move(Name), pkEvent, std::nullopt);
        p.IsAssigned = [Get](TPersistent& o) { return bool(std::invoke(Get, detail::Cast<C>(o))); };
        p.SetHandler = [Set, n = p.Name](TPersistent& o, const std::any& h) {
            std::invoke(Set, detail::Cast<C>(o), HandlerOf<F>(h, n));
        };
        p.BindAny = [Set](TPersistent& o, std::function<void()> Fn) {
            std::invoke(Set, detail::Cast<C>(o), detail::AnyHandler<F>::Make(std::move(Fn)));
        };
        return *this;
    }

    // The last property is written only when Fn(object) is true.
    TPublisher& Stored(std::function<bool(C&)> Fn) {
        Last().StoredFn = [Fn](TPersistent& o) { return Fn(detail::Cast<C>(o)); };
        return *this;
    }
    TPublisher& Stored(bool Value) {
        Last().StoredFn = [Value](TPersistent&) { return Value; };
        return *this;
    }
    // The last property's setter repaints even when the value does not change.
    TPublisher& RepaintsAlways() { Last().RepaintsAlways = true; return *this; }
    // The last property has no default: it is always written.
    TPublisher& NoDefault() {
        Last().Default.reset();
        Last().DefaultFromPrototype = false;
        return *this;
    }

private:
    // A scalar property without a default takes it from the prototype instance.
    TPropInfo& Add(std::string Name, TPropKind Kind, std::optional<TPropValue> Default) {
        props_.push_back(TPropInfo{});
        TPropInfo& p = props_.back();
        p.Name = std::move(Name);
        p.Kind = Kind;
        p.DefaultFromPrototype = !Default && Kind != pkClass && Kind != pkEvent && Kind != pkComponent;
        p.Default = std::move(Default);
        return p;
    }
    template <class T>
    static std::optional<TPropValue> Wrap(std::optional<T> V) {
        if (!V) return std::nullopt;
        if constexpr (std::is_same_v<T, std::string>) return TPropValue(std::move(*V));
        else if constexpr (std::is_floating_point_v<T>) return TPropValue(double(*V));
        else return TPropValue(std::int64_t(*V));
    }
    TPropInfo& Last() { return props_.back(); }

    template <class S, class Convert>
    static std::function<void(TPersistent&, const TPropValue&)> Setter(S Set, Convert convert) {
        if constexpr (std::is_null_pointer_v<S>) {
            return {};
        } else {
            return [Set, convert](TPersistent& o, const TPropValue& v) { std::invoke(Set, detail::Cast<C>(o), convert(v)); };
        }
    }

    template <class F>
    static F HandlerOf(const std::any& h, const std::string& name) {
        if (!h.has_value()) return F();
        if (const F* f = std::any_cast<F>(&h)) return *f;
        detail::ThrowPropertyError("Handler does not fit event " + name);
    }

    std::vector<TPropInfo>& props_;
};

// Registers class C under Name with Parent (a registered base, or void for a root) and
// its properties. Components constructible from an owner get a factory. Registering a
// name twice raises EComponentError unless it is the same class.
template <class C, class Parent>
const TClassInfo* RegisterClass(const std::string& Name,
                                std::function<void(TPublisher<C>&)> Publish = {}) {
    static_assert(std::is_base_of_v<TPersistent, C>, "only TPersistent classes are registered");
    std::optional<std::type_index> parent;
    if constexpr (!std::is_void_v<Parent>) {
        static_assert(std::is_base_of_v<Parent, C>, "Parent must be a base class");
        parent = std::type_index(typeid(Parent));
    }
    std::function<void(std::vector<TPropInfo>&)> publish;
    if (Publish) {
        publish = [Publish](std::vector<TPropInfo>& props) {
            TPublisher<C> p(props);
            Publish(p);
        };
    }
    std::function<TComponent*(TComponent*)> factory;
    std::function<std::unique_ptr<TPersistent>()> prototype;
    if constexpr (std::is_base_of_v<TComponent, C> && !std::is_abstract_v<C> &&
                  std::is_constructible_v<C, TComponent*>) {
        factory = [](TComponent* Owner) -> TComponent* { return new C(Owner); };
        prototype = [] { return std::unique_ptr<TPersistent>(new C(nullptr)); };
    } else if constexpr (!std::is_abstract_v<C> && std::is_default_constructible_v<C>) {
        prototype = [] { return std::unique_ptr<TPersistent>(new C()); };
    }
    return detail::RegisterClassInfo(std::make_unique<TClassInfo>(
        Name, std::type_index(typeid(C)), parent, std::move(publish), std::move(factory),
        std::move(prototype)));
}

// The registered class of that name (case-insensitive), or nullptr.
const TClassInfo* GetClass(const std::string& Name);
// Every registered class, ordered by name (generic tests and inspectors walk them).
std::vector<const TClassInfo*> RegisteredClasses();
// The same, raising EClassNotFound "Class TFoo not found".
const TClassInfo* FindClass(const std::string& Name);
// The registered class of an object: its own, or (for an unregistered class) the one its
// ClassName names; nullptr when neither is registered.
const TClassInfo* ClassInfoOf(const TPersistent* Obj);

// Property access by path ("Caption", "Font.Size") in the text form of form files, for
// the property inspector and scripts. Unknown names raise EPropertyError.
std::string GetPropText(TPersistent* Obj, const std::string& Path);
void SetPropText(TPersistent* Obj, const std::string& Path, const std::string& Text);
// The property at the end of Path and the object that holds it.
std::pair<TPersistent*, const TPropInfo*> ResolvePropPath(TPersistent* Obj, const std::string& Path);
// The component a reference names, seen from Root (the form): the component Root owns
// under that name, otherwise Root itself when the name is Root's, otherwise the component
// Root's owner owns under that name (names compare case-insensitively); nullptr when
// there is none.
TComponent* FindComponentReference(TComponent* Root, const std::string& Name);

// Binary data as text: two upper-case hex digits a byte, and back. HexToBinary skips
// blanks and line breaks between digits and returns false (Error saying why) for any other
// character or an odd number of digits.
std::string BinaryToHex(std::string_view Bytes);
bool HexToBinary(std::string_view Text, std::string& Bytes, std::string& Error);

}  // namespace vcl
