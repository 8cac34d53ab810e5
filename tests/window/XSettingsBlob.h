// An X settings manager's _XSETTINGS_SETTINGS property built byte by byte, for the parser's
// tests and the stand-in manager of xsettings_test.sh.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zyn_test {

// Builds a settings property the way a manager writes it.
class Blob {
public:
    explicit Blob(bool BigEndian, std::uint32_t Count) : big_(BigEndian) {
        bytes.push_back(BigEndian ? 1 : 0);
        Card(0, 3);  // unused
        Card32(7);   // serial
        Card32(Count);
    }
    Blob& Integer(const std::string& Name, std::int32_t Value) {
        Head(0, Name);
        Card32(std::uint32_t(Value));
        return *this;
    }
    Blob& String(const std::string& Name, const std::string& Value) {
        Head(1, Name);
        Card32(std::uint32_t(Value.size()));
        Padded(Value);
        return *this;
    }
    Blob& Colour(const std::string& Name) {
        Head(2, Name);
        for (std::uint16_t c : {0xFFFF, 0x8000, 0x0000, 0xFFFF}) Card16(c);
        return *this;
    }
    std::vector<std::uint8_t> bytes;

private:
    void Head(std::uint8_t Type, const std::string& Name) {
        bytes.push_back(Type);
        bytes.push_back(0);
        Card16(std::uint16_t(Name.size()));
        Padded(Name);
        Card32(3);   // last-change serial
    }
    // Byte by byte, most significant first when big endian.
    void Card(std::uint32_t V, int Bytes) {
        for (int i = 0; i < Bytes; ++i) {
            const int shift = 8 * (big_ ? Bytes - 1 - i : i);
            bytes.push_back(std::uint8_t(V >> shift));
        }
    }
    void Card16(std::uint16_t V) { Card(V, 2); }
    void Card32(std::uint32_t V) { Card(V, 4); }
    void Padded(const std::string& S) {
        for (char c : S) bytes.push_back(std::uint8_t(c));
        for (std::size_t i = S.size(); i % 4 != 0; ++i) bytes.push_back(0);
    }
    bool big_;
};

}  // namespace zyn_test
