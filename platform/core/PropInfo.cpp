// The class registry, property tables with inheritance, and property values as text.
#include "platform/core/PropInfo.h"

#include <cmath>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <map>
#include <unordered_map>

#include "platform/core/Component.h"
#include "platform/runtime/Exceptions.h"

namespace vcl {

namespace {

std::string Lower(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return r;
}

bool SameName(std::string_view a, std::string_view b) { return Lower(a) == Lower(b); }

struct Registry {
    std::map<std::string, const TClassInfo*> byName;            // lower-case name
    std::unordered_map<std::type_index, const TClassInfo*> byType;
    std::vector<std::unique_ptr<TClassInfo>> owned;
};

Registry& TheRegistry() {
    static Registry* registry = new Registry;   // lives as long as the classes it holds
    return *registry;
}

TColorNameConverter& ColorConverter() {
    static TColorNameConverter* converter = new TColorNameConverter;
    return *converter;
}

std::string Trimmed(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    return std::string(s.substr(b, e - b));
}

// Integers: decimal with an optional sign, or $hex (the 32 or 64-bit pattern).
bool ParseInteger(std::string_view text, std::int64_t& value) {
    std::string s = Trimmed(text);
    if (s.empty()) return false;
    bool negative = false;
    std::size_t i = 0;
    if (s[0] == '-' || s[0] == '+') {
        negative = s[0] == '-';
        i = 1;
    }
    const char* first = s.data() + i;
    const char* last = s.data() + s.size();
    if (first < last && *first == '$') {
        std::uint64_t u = 0;
        auto [p, ec] = std::from_chars(first + 1, last, u, 16);
        if (ec != std::errc() || p != last || first + 1 == last) return false;
        value = negative ? -std::int64_t(u) : std::int64_t(u);
        return true;
    }
    std::uint64_t u = 0;
    auto [p, ec] = std::from_chars(first, last, u, 10);
    if (ec != std::errc() || p != last || first == last) return false;
    if (negative ? u > std::uint64_t(INT64_MAX) + 1 : u > std::uint64_t(INT64_MAX)) return false;
    value = negative ? std::int64_t(0 - u) : std::int64_t(u);
    return true;
}

bool ParseFloat(std::string_view text, double& value) {
    std::string s = Trimmed(text);
    if (s.empty()) return false;
    std::size_t start = s[0] == '+' ? 1 : 0;
    auto [p, ec] = std::from_chars(s.data() + start, s.data() + s.size(), value);
    return ec == std::errc() && p == s.data() + s.size();
}

std::string FloatText(double v) {
    char buffer[64];
    auto [p, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
    (void)ec;
    return std::string(buffer, p);
}

int EnumIndex(const TPropInfo& p, std::string_view name) {
    for (std::size_t i = 0; i < p.EnumNames.size(); ++i)
        if (SameName(p.EnumNames[i], name)) return int(i);
    return -1;
}

}  // namespace

// ---- helpers used by the templates ------------------------------------------------------

namespace detail {

const TClassInfo* RegisterClassInfo(std::unique_ptr<TClassInfo> Info) {
    Registry& r = TheRegistry();
    std::string key = Lower(Info->GetName());
    auto same = r.byName.find(key);
    if (same != r.byName.end()) {
        auto type = r.byType.find(Info->GetType());
        if (type != r.byType.end() && type->second == same->second) return same->second;
        throw EComponentError("A class named " + Info->GetName() + " is already registered");
    }
    const TClassInfo* info = Info.get();
    r.owned.push_back(std::move(Info));
    r.byName[key] = info;
    r.byType.emplace(info->GetType(), info);
    return info;
}

void ThrowPropertyError(const std::string& Message) { throw EPropertyError(Message); }

std::int64_t ValueToInt(const TPropValue& V, const std::string& Name) {
    if (const auto* i = std::get_if<std::int64_t>(&V)) return *i;
    ThrowPropertyError("Property " + Name + " takes an ordinal value");
}

double ValueToFloat(const TPropValue& V, const std::string& Name) {
    if (const auto* d = std::get_if<double>(&V)) {
        // A form file cannot carry NaN or an infinity, so a published property never takes one.
        if (!std::isfinite(*d)) ThrowPropertyError("Property " + Name + " takes a finite number");
        return *d;
    }
    if (const auto* i = std::get_if<std::int64_t>(&V)) return double(*i);
    ThrowPropertyError("Property " + Name + " takes a number");
}

const std::string& ValueToString(const TPropValue& V, const std::string& Name) {
    if (const auto* s = std::get_if<std::string>(&V)) return *s;
    ThrowPropertyError("Property " + Name + " takes a string");
}

void ThrowWrongComponent(const std::string& Name, const TPersistent* Value, std::type_index Expected) {
    Registry& r = TheRegistry();
    auto expected = r.byType.find(Expected);
    std::string wanted = expected != r.byType.end() ? "a " + expected->second->GetName() : "another class";
    const TClassInfo* actual = ClassInfoOf(Value);
    std::string className = actual != nullptr ? actual->GetName() : Value->ClassName();
    const auto* component = dynamic_cast<const TComponent*>(Value);
    std::string what = component != nullptr && !component->GetName().empty()
                           ? component->GetName() + " (" + className + ")"
                           : "a " + className;
    ThrowPropertyError("Property " + Name + " takes " + wanted + ", not " + what);
}

}  // namespace detail

// ---- colours ----------------------------------------------------------------------------

void SetColorNameConverter(TColorNameConverter Converter) { ColorConverter() = std::move(Converter); }

std::string ColorValueToString(std::int32_t Color) {
    if (ColorConverter().ToString) return ColorConverter().ToString(Color);
    static const char* digits = "0123456789ABCDEF";
    std::string s = "$";
    for (int shift = 28; shift >= 0; shift -= 4) s += digits[(std::uint32_t(Color) >> shift) & 0xF];
    return s;
}

std::int32_t ColorValueFromString(const std::string& Text) {
    std::int32_t color = 0;
    if (ColorConverter().FromString && ColorConverter().FromString(Text, color)) return color;
    std::int64_t v = 0;
    if (ParseInteger(Text, v) && v >= INT32_MIN && v <= std::int64_t(UINT32_MAX))
        return std::int32_t(std::uint32_t(v));
    throw EConvertError("'" + Text + "' is not a valid colour");
}

// ---- TPropInfo ----------------------------------------------------------------------------

namespace {
TThemedDefaultTest& ThemedDefaultTest() {
    static TThemedDefaultTest test;
    return test;
}
}  // namespace

void SetThemedDefaultTest(TThemedDefaultTest Test) { ThemedDefaultTest() = std::move(Test); }

bool TPropInfo::IsDefault(TPersistent& Obj) const {
    if (!Default) return false;
    return IsDefault(Obj, *Default);
}

bool TPropInfo::IsDefault(TPersistent& Obj, const TPropValue& Value) const {
    if (!Get || Kind == pkClass || Kind == pkEvent) return false;   // pkComponent: nullptr
    if (Kind == pkColor && ThemedDefaultTest() && ThemedDefaultTest()(Obj, *this)) return true;
    TPropValue v = Get(Obj);
    if (Kind == pkFloat) {
        const double* d = std::get_if<double>(&v);
        const double* dd = std::get_if<double>(&Value);
        return d && dd && *d == *dd;
    }
    return v == Value;
}

std::string TPropInfo::GetAsText(TPersistent& Obj) const {
    if (!Get) throw EPropertyError("Property " + Name + " cannot be read");
    TPropValue v = Get(Obj);
    switch (Kind) {
        case pkInteger: return std::to_string(std::get<std::int64_t>(v));
        case pkFloat: return FloatText(std::get<double>(v));
        case pkString: return std::get<std::string>(v);
        case pkBoolean: return std::get<std::int64_t>(v) != 0 ? "True" : "False";
        case pkEnum: {
            std::int64_t i = std::get<std::int64_t>(v);
            if (i >= 0 && std::size_t(i) < EnumNames.size()) return EnumNames[std::size_t(i)];
            return std::to_string(i);
        }
        case pkSet: {
            std::uint64_t bits = std::uint64_t(std::get<std::int64_t>(v));
            std::string s = "[";
            for (std::size_t i = 0; i < EnumNames.size() && i < 64; ++i) {
                if ((bits & (std::uint64_t{1} << i)) == 0) continue;
                if (s.size() > 1) s += ", ";
                s += EnumNames[i];
            }
            return s + "]";
        }
        case pkColor: return ColorValueToString(std::int32_t(std::get<std::int64_t>(v)));
        case pkClass: {
            TPersistent* p = std::get<TPersistent*>(v);
            if (p == nullptr) return "(none)";
            std::string s = "(";
            s += p->ClassName();
            s += ')';
            return s;
        }
        case pkEvent: return std::string();
        case pkComponent: {
            const auto* c = dynamic_cast<const TComponent*>(std::get<TPersistent*>(v));
            return c == nullptr ? std::string() : c->GetName();
        }
        case pkBinary: return BinaryToHex(std::get<std::string>(v));
    }
    return std::string();
}

void TPropInfo::SetAsText(TPersistent& Obj, const std::string& Text) const {
    if (!Set) throw EPropertyError("Property " + Name + " is read-only");
    auto bad = [&](const std::string& what) -> void {
        throw EPropertyError("Invalid " + what + " '" + Text + "' for property " + Name);
    };
    switch (Kind) {
        case pkInteger: {
            std::int64_t v = 0;
            if (!ParseInteger(Text, v)) bad("integer");
            Set(Obj, v);
            return;
        }
        case pkFloat: {
            double v = 0;
            if (!ParseFloat(Text, v)) bad("number");
            Set(Obj, v);
            return;
        }
        case pkString: Set(Obj, Text); return;
        case pkBoolean: {
            std::string t = Lower(Trimmed(Text));
            if (t != "true" && t != "false") bad("boolean");
            Set(Obj, std::int64_t(t == "true"));
            return;
        }
        case pkEnum: {
            int i = EnumIndex(*this, Trimmed(Text));
            if (i < 0) bad("value");
            Set(Obj, std::int64_t(i));
            return;
        }
        case pkSet: {
            std::string t = Trimmed(Text);
            if (t.size() < 2 || t.front() != '[' || t.back() != ']') bad("set");
            std::uint64_t bits = 0;
            std::string inner = t.substr(1, t.size() - 2);
            std::size_t start = 0;
            while (start <= inner.size()) {
                std::size_t comma = inner.find(',', start);
                std::string item = Trimmed(inner.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
                if (!item.empty()) {
                    int i = EnumIndex(*this, item);
                    if (i < 0 || i >= 64) bad("set element");
                    bits |= std::uint64_t{1} << i;
                } else if (comma != std::string::npos) {
                    bad("set");
                }
                if (comma == std::string::npos) break;
                start = comma + 1;
            }
            Set(Obj, std::int64_t(bits));
            return;
        }
        case pkColor: {
            std::int32_t c = 0;
            try {
                c = ColorValueFromString(Trimmed(Text));
            } catch (const EConvertError&) {
                bad("colour");
            }
            Set(Obj, std::int64_t(c));
            return;
        }
        case pkComponent: {
            std::string name = Trimmed(Text);
            if (name.empty()) {
                Set(Obj, static_cast<TPersistent*>(nullptr));
                return;
            }
            auto* self = dynamic_cast<TComponent*>(&Obj);
            if (self == nullptr) throw EPropertyError("Property " + Name + " of a sub-object cannot be set from text");
            TComponent* root = self->GetOwner() != nullptr ? self->GetOwner() : self;
            TComponent* target = FindComponentReference(root, name);
            if (target == nullptr) throw EPropertyError("Unknown component " + name + " for property " + Name);
            Set(Obj, static_cast<TPersistent*>(target));
            return;
        }
        case pkBinary: {
            std::string bytes, error;
            if (!HexToBinary(Text, bytes, error)) throw EPropertyError(error + " for property " + Name);
            Set(Obj, bytes);
            return;
        }
        case pkClass:
        case pkEvent: throw EPropertyError("Property " + Name + " cannot be set from text");
    }
}

std::string BinaryToHex(std::string_view Bytes) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(Bytes.size() * 2);
    for (unsigned char b : Bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

bool HexToBinary(std::string_view Text, std::string& Bytes, std::string& Error) {
    Bytes.clear();
    Bytes.reserve(Text.size() / 2);
    int high = -1;
    for (char c : Text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
        int v = c >= '0' && c <= '9' ? c - '0'
              : c >= 'A' && c <= 'F' ? c - 'A' + 10
              : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (v < 0) {
            Error = std::string("Invalid hexadecimal digit '") + c + "' in binary data";
            Bytes.clear();
            return false;
        }
        if (high < 0) {
            high = v;
        } else {
            Bytes += char((high << 4) | v);
            high = -1;
        }
    }
    if (high >= 0) {
        Error = "Odd number of hexadecimal digits in binary data";
        Bytes.clear();
        return false;
    }
    return true;
}

// ---- TClassInfo ---------------------------------------------------------------------------

TClassInfo::TClassInfo(std::string Name, std::type_index Type, std::optional<std::type_index> Parent,
                       std::function<void(std::vector<TPropInfo>&)> Publish,
                       std::function<TComponent*(TComponent*)> Factory,
                       std::function<std::unique_ptr<TPersistent>()> Prototype)
    : name_(std::move(Name)), type_(Type), parentType_(Parent), publish_(std::move(Publish)),
      factory_(std::move(Factory)), prototype_(std::move(Prototype)) {}

const TClassInfo* TClassInfo::GetParent() const {
    if (!parentType_) return nullptr;
    Registry& r = TheRegistry();
    auto it = r.byType.find(*parentType_);
    if (it == r.byType.end())
        throw EClassNotFound("The base class of " + name_ + " is not registered");
    return it->second;
}

bool TClassInfo::InheritsFrom(const TClassInfo* Other) const {
    for (const TClassInfo* c = this; c != nullptr; c = c->GetParent())
        if (c == Other) return true;
    return false;
}

// The defaults of a class are the values of one fresh instance of it: a property it
// publishes without a default reads it there, and an inherited property whose default the
// class's constructor changes (a control that clears ParentFont) gets an entry of its own
// with the new default, so a form file never drops a value as "default" that a fresh
// instance does not have. A class that cannot be built alone keeps the defaults it was
// given; properties it left open are always written.
void TClassInfo::TakeDefaultsFromPrototype(std::vector<const TPropInfo*>& All) const {
    if (!prototype_) return;
    std::unique_ptr<TPersistent> proto = prototype_();
    for (TPropInfo& p : own_)
        if (p.DefaultFromPrototype && p.Get) p.Default = p.Get(*proto);
    for (const TPropInfo*& p : All) {
        bool own = !own_.empty() && p >= &own_.front() && p <= &own_.back();
        if (own || !p->Get || !(p->Default || p->DefaultFromPrototype)) continue;
        TPropValue value = p->Get(*proto);
        if (p->Default && *p->Default == value) continue;
        TPropInfo& copy = inheritedOverrides_.emplace_back(*p);
        copy.Default = std::move(value);
        p = &copy;
    }
    TakeNestedDefaults(*proto, All, "", 0);
}

// The values of the prototype's sub-objects, by path, for every property the sub-object's
// class gives a default: a property without one stays always written.
void TClassInfo::TakeNestedDefaults(TPersistent& Obj, const std::vector<const TPropInfo*>& Props,
                                    const std::string& Prefix, int Depth) const {
    if (Depth > 8) return;
    for (const TPropInfo* p : Props) {
        if (p->Kind != pkClass || !p->Get) continue;
        TPersistent* sub = std::get<TPersistent*>(p->Get(Obj));
        if (sub == nullptr || dynamic_cast<TComponent*>(sub) != nullptr) continue;
        const TClassInfo* info = ClassInfoOf(sub);
        if (info == nullptr) continue;
        std::string path = Prefix + Lower(p->Name) + ".";
        const std::vector<const TPropInfo*>& inner = info->Properties();
        for (const TPropInfo* q : inner) {
            if (q->Kind == pkClass || q->Kind == pkEvent || q->Kind == pkComponent || !q->Get || !q->Default) continue;
            nestedDefaults_.insert_or_assign(path + Lower(q->Name), q->Get(*sub));
        }
        TakeNestedDefaults(*sub, inner, path, Depth + 1);
    }
}

const TPropValue* TClassInfo::NestedDefault(std::string_view Path) const {
    Build();
    auto it = nestedDefaults_.find(Lower(Path));
    return it == nestedDefaults_.end() ? nullptr : &it->second;
}

void TClassInfo::Build() const {
    if (built_) return;
    std::vector<TPropInfo> own;
    if (publish_) publish_(own);
    std::vector<const TPropInfo*> all;
    if (const TClassInfo* parent = GetParent()) all = parent->Properties();
    own_ = std::move(own);
    for (const TPropInfo& p : own_) {
        auto same = std::find_if(all.begin(), all.end(), [&](const TPropInfo* q) { return SameName(q->Name, p.Name); });
        if (same != all.end()) *same = &p;
        else all.push_back(&p);
    }
    TakeDefaultsFromPrototype(all);
    all_ = std::move(all);
    built_ = true;
}

const std::vector<const TPropInfo*>& TClassInfo::Properties() const {
    Build();
    return all_;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view Name) const {
    for (const TPropInfo* p : Properties())
        if (SameName(p->Name, Name)) return p;
    return nullptr;
}

TComponent* TClassInfo::Create(TComponent* Owner) const {
    if (!factory_) throw EComponentError("Cannot create an instance of " + name_);
    return factory_(Owner);
}

// ---- lookup -------------------------------------------------------------------------------

const TClassInfo* GetClass(const std::string& Name) {
    Registry& r = TheRegistry();
    auto it = r.byName.find(Lower(Name));
    return it == r.byName.end() ? nullptr : it->second;
}

std::vector<const TClassInfo*> RegisteredClasses() {
    std::vector<const TClassInfo*> classes;
    for (const auto& [name, info] : TheRegistry().byName) classes.push_back(info);
    return classes;
}

const TClassInfo* FindClass(const std::string& Name) {
    if (const TClassInfo* info = GetClass(Name)) return info;
    throw EClassNotFound("Class " + Name + " not found");
}

const TClassInfo* ClassInfoOf(const TPersistent* Obj) {
    if (Obj == nullptr) return nullptr;
    Registry& r = TheRegistry();
    auto it = r.byType.find(std::type_index(typeid(*Obj)));
    if (it != r.byType.end()) return it->second;
    // An unregistered class that reports a registered name (usually its base's).
    return GetClass(Obj->ClassName());
}

// ---- property paths -----------------------------------------------------------------------

std::pair<TPersistent*, const TPropInfo*> ResolvePropPath(TPersistent* Obj, const std::string& Path) {
    if (Obj == nullptr) throw EPropertyError("No object for property " + Path);
    TPersistent* holder = Obj;
    std::size_t start = 0;
    for (;;) {
        std::size_t dot = Path.find('.', start);
        std::string name = Path.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        const TClassInfo* info = ClassInfoOf(holder);
        const TPropInfo* prop = info ? info->FindProperty(name) : nullptr;
        if (prop == nullptr)
            throw EPropertyError("Unknown property " + name + " of " + holder->ClassName());
        if (dot == std::string::npos) return {holder, prop};
        if (prop->Kind != pkClass)
            throw EPropertyError("Property " + name + " of " + holder->ClassName() + " has no sub-properties");
        TPersistent* sub = std::get<TPersistent*>(prop->Get(*holder));
        if (sub == nullptr) throw EPropertyError("Property " + name + " of " + holder->ClassName() + " is empty");
        holder = sub;
        start = dot + 1;
    }
}

TComponent* FindComponentReference(TComponent* Root, const std::string& Name) {
    if (Root == nullptr || Name.empty()) return nullptr;
    if (TComponent* owned = Root->FindComponent(Name)) return owned;
    if (SameName(Root->GetName(), Name)) return Root;
    return Root->GetOwner() != nullptr ? Root->GetOwner()->FindComponent(Name) : nullptr;
}

std::string GetPropText(TPersistent* Obj, const std::string& Path) {
    auto [holder, prop] = ResolvePropPath(Obj, Path);
    return prop->GetAsText(*holder);
}

void SetPropText(TPersistent* Obj, const std::string& Path, const std::string& Text) {
    auto [holder, prop] = ResolvePropPath(Obj, Path);
    prop->SetAsText(*holder, Text);
}

}  // namespace vcl
