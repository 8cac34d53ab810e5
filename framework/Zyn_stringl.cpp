// String utilities: character-counting helpers over UTF-8 text.
#include "framework/Zyn_stringl.h"

#include "platform/SysUtils.h"

namespace zyn {

namespace {

// Byte length of the character at byte offset Pos.
std::size_t CharLenAt(std::string_view S, std::size_t Pos) {
    std::size_t next = Pos;
    vcl::Utf8Decode(S, next);
    return next > Pos ? next - Pos : 1;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool MatchAt(std::string_view S, std::size_t Pos, std::string_view Sub, bool MatchCase) {
    if (Pos + Sub.size() > S.size()) return false;
    for (std::size_t i = 0; i < Sub.size(); ++i) {
        char a = S[Pos + i], b = Sub[i];
        if (MatchCase ? a != b : Lower(a) != Lower(b)) return false;
    }
    return true;
}

}  // namespace

std::string ShortString(std::string_view S, int MaxChars) {
    if (MaxChars <= 0) return {};
    return std::string(S.substr(0, vcl::Utf8ByteOffset(S, std::size_t(MaxChars))));
}

std::string LeftString(std::string_view S, int N) {
    std::string r = ShortString(S, N);
    int have = vcl::Length(r);
    if (have < N) r.append(std::size_t(N - have), ' ');
    return r;
}

std::string EnsureTrailingChar(char32_t Ch, std::string_view S) {
    std::string tail = vcl::Utf8Encode(Ch);
    std::string r(S);
    if (r.size() < tail.size() || r.compare(r.size() - tail.size(), tail.size(), tail) != 0)
        r += tail;
    return r;
}

std::string EnsureTrailingBkSlash(std::string_view S) { return EnsureTrailingChar(U'\\', S); }

std::string StripLeadingChars(char32_t Ch, std::string_view S) {
    std::string c = vcl::Utf8Encode(Ch);
    std::size_t pos = 0;
    while (S.substr(pos, c.size()) == c) pos += c.size();
    return std::string(S.substr(pos));
}

std::string StripTrailingChars(char32_t Ch, std::string_view S) {
    std::string c = vcl::Utf8Encode(Ch);
    std::size_t end = S.size();
    while (end >= c.size() && S.substr(end - c.size(), c.size()) == c) end -= c.size();
    return std::string(S.substr(0, end));
}

std::string RemoveControlChars(std::string_view S) {
    std::string r;
    r.reserve(S.size());
    for (char c : S) {
        unsigned char u = static_cast<unsigned char>(c);
        if (u >= 32 && u != 127) r += c;
    }
    return r;
}

std::string ReplaceCharInString(std::string_view S, char32_t OldCh, char32_t NewCh) {
    std::string from = vcl::Utf8Encode(OldCh), to = vcl::Utf8Encode(NewCh);
    std::string r;
    r.reserve(S.size());
    std::size_t pos = 0;
    while (pos < S.size()) {
        if (S.substr(pos, from.size()) == from) {
            r += to;
            pos += from.size();
        } else {
            std::size_t len = CharLenAt(S, pos);
            r.append(S.substr(pos, len));
            pos += len;
        }
    }
    return r;
}

int NumberedPos(std::string_view Sub, std::string_view S, int Start, int N, bool MatchCase) {
    if (Sub.empty() || N < 1) return 0;
    if (Start < 1) Start = 1;
    std::size_t pos = vcl::Utf8ByteOffset(S, std::size_t(Start - 1));
    int charIndex = Start;   // 1-based character position of pos
    int found = 0;
    while (pos < S.size()) {
        if (MatchAt(S, pos, Sub, MatchCase)) {
            if (++found == N) return charIndex;
            const std::size_t end = pos + Sub.size();
            while (pos < end) {
                pos += CharLenAt(S, pos);
                ++charIndex;
            }
        } else {
            pos += CharLenAt(S, pos);
            ++charIndex;
        }
    }
    return 0;
}

int Tokenize(std::string_view S, char32_t Delimiter, std::vector<std::string>& Tokens) {
    Tokens.clear();
    if (S.empty()) return 0;
    const std::string d = vcl::Utf8Encode(Delimiter);
    std::size_t start = 0;
    for (;;) {
        std::size_t at = S.find(d, start);
        if (at == std::string_view::npos) {
            Tokens.emplace_back(S.substr(start));
            break;
        }
        Tokens.emplace_back(S.substr(start, at - start));
        start = at + d.size();
    }
    return static_cast<int>(Tokens.size());
}

std::string strff(double Value, int Width, int Decimals) {
    return vcl::Str(Value, Width < 0 ? 0 : Width, Decimals < 0 ? 0 : Decimals);
}

}  // namespace zyn
