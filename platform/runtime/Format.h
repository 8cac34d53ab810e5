// Format: printf-style formatting with the framework's specifiers and "array of const".
#pragma once

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/runtime/FormatSettings.h"

namespace vcl {

// One argument of Format, as the framework's "array of const".
class TVarRec {
public:
    enum Kind : std::uint8_t { vtInteger, vtInt64, vtExtended, vtString, vtChar, vtBoolean, vtPointer };

    TVarRec(bool v) : kind_(vtBoolean), int_(v ? 1 : 0) {}
    TVarRec(char v) : kind_(vtChar), int_(static_cast<unsigned char>(v)) {}
    TVarRec(char32_t v) : kind_(vtChar), int_(static_cast<std::int64_t>(v)) {}
    // Integers up to 32 bits are Integers, wider ones Int64 (unsigned 32-bit values above
    // the Integer range become Int64, as the framework passes Cardinals).
    template <std::integral T>
        requires(!std::same_as<T, bool> && !std::same_as<T, char> && !std::same_as<T, char32_t>)
    TVarRec(T v) {
        if constexpr (sizeof(T) < 4 || (sizeof(T) == 4 && std::is_signed_v<T>)) {
            kind_ = vtInteger;
        } else if constexpr (sizeof(T) == 4) {
            kind_ = v > 0x7FFFFFFFu ? vtInt64 : vtInteger;
        } else {
            kind_ = vtInt64;
        }
        int_ = static_cast<std::int64_t>(v);
    }
    template <std::floating_point T>
    TVarRec(T v) : kind_(vtExtended), float_(static_cast<double>(v)) {}
    TVarRec(const char* v) : kind_(vtString), string_(v ? v : "") {}
    TVarRec(std::string_view v) : kind_(vtString), string_(v) {}
    TVarRec(const std::string& v) : kind_(vtString), string_(v) {}
    TVarRec(std::string&& v) : kind_(vtString), string_(std::move(v)) {}
    TVarRec(const void* v) : kind_(vtPointer), int_(static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(v))) {}

    Kind VType() const { return kind_; }
    std::int64_t AsInt64() const { return int_; }      // vtInteger, vtInt64, vtChar, vtBoolean, vtPointer
    double AsExtended() const { return float_; }       // vtExtended
    const std::string& AsString() const { return string_; }  // vtString

private:
    Kind kind_ = vtInteger;
    std::int64_t int_ = 0;
    double float_ = 0.0;
    std::string string_;
};

// Format(fmt, args): specifiers '%' [index ':'] ['-'] [width] ['.' prec] type with type one
// of d u x e f g n m s p and "%%"; width, prec and index may be '*' (taken from the next
// Integer argument). Bad specifiers or mismatched arguments raise EConvertError
// "Format '<fmt>' invalid or incompatible with argument".
std::string Format(std::string_view fmt, std::initializer_list<TVarRec> args);
std::string Format(std::string_view fmt, std::span<const TVarRec> args);
std::string Format(std::string_view fmt, std::span<const TVarRec> args,
                   const TFormatSettings& settings);

}  // namespace vcl
