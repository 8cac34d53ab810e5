// Walking the class registry for the generic tests: which classes can be built, which of
// their properties are plain values, and a value other than a property's current one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/SysUtils.h"

namespace zyn_test {

// Every registered component class that can be built from an owner, ordered by name.
inline std::vector<const vcl::TClassInfo*> CreatableClasses() {
    std::vector<const vcl::TClassInfo*> out;
    for (const vcl::TClassInfo* c : vcl::RegisteredClasses())
        if (c->CanCreate()) out.push_back(c);
    return out;
}

inline bool IsScalar(const vcl::TPropInfo& P) {
    return P.Kind != vcl::pkClass && P.Kind != vcl::pkEvent && P.Kind != vcl::pkComponent && P.Get;
}
inline bool IsWritableScalar(const vcl::TPropInfo& P) { return IsScalar(P) && P.Set; }

inline std::vector<const vcl::TPropInfo*> ScalarProperties(const vcl::TClassInfo& Cls) {
    std::vector<const vcl::TPropInfo*> out;
    for (const vcl::TPropInfo* p : Cls.Properties())
        if (IsScalar(*p)) out.push_back(p);
    return out;
}

// A text for P that differs from its current value on Obj: the next ordinal, the flipped
// boolean, one more, another colour, a longer string.
inline std::string OtherValueText(const vcl::TPropInfo& P, vcl::TPersistent& Obj) {
    const vcl::TPropValue v = P.Get(Obj);
    switch (P.Kind) {
        case vcl::pkInteger:
            return std::to_string(std::get<std::int64_t>(v) + 1);
        case vcl::pkFloat: {
            double d = std::get<double>(v);
            return vcl::FloatToStr(d == 0 ? 0.5 : d * 2);
        }
        case vcl::pkBoolean:
            return std::get<std::int64_t>(v) ? "False" : "True";
        case vcl::pkEnum: {
            std::size_t next = (std::size_t(std::get<std::int64_t>(v)) + 1) % P.EnumNames.size();
            return P.EnumNames[next];
        }
        case vcl::pkSet: {
            std::int64_t bits = std::get<std::int64_t>(v) ^ 1;
            std::string s = "[";
            for (std::size_t i = 0; i < P.EnumNames.size() && i < 63; ++i)
                if (bits & (std::int64_t(1) << i)) s += (s.size() > 1 ? ", " : "") + P.EnumNames[i];
            return s + "]";
        }
        case vcl::pkColor:
            return std::get<std::int64_t>(v) == 0x123456 ? "$00654321" : "$00123456";
        case vcl::pkString:
            return std::get<std::string>(v) + "Zq";
        default:
            return P.GetAsText(Obj);
    }
}

inline std::string Describe(const vcl::TClassInfo& Cls) { return Cls.GetName() + ":"; }

}  // namespace zyn_test
