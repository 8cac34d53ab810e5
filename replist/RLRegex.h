// The regular expressions of the report list's grep filter, run by RE2. Internal to the
// report list folder.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace re2 {
class RE2;
}

namespace zyn {

// The dialect, read byte by byte: ".", sets "[...]", the classes \d \D \w \W \s \S, \t
// and \n, groups "(...)" and "(?:...)", alternation, the operators * + ? (also stacked),
// counts {m}, {m,} and {m,n} up to 1000 (a brace that starts no count is a literal), ^ and $
// at the ends of the text only, any other escaped character literal. With IgnoreCase ASCII
// letters match either case. The pattern is checked and translated into RE2's syntax here,
// so that its errors keep their texts and positions and the nesting limit MaxFilterNesting.
/// A grep filter pattern compiled for RE2; raises EZynRepListError when it is malformed.
class TRLRegex {
public:
    /// Checks and compiles Pattern; raises EZynRepListError when it is malformed or too large.
    TRLRegex(std::string_view Pattern, bool IgnoreCase);
    /// Frees the compiled pattern.
    ~TRLRegex();
    TRLRegex(const TRLRegex&) = delete;
    TRLRegex& operator=(const TRLRegex&) = delete;
    /// Whether the pattern matches anywhere in Text.
    bool Search(std::string_view Text) const;
    /// The pattern as given to RE2 (for tests).
    const std::string& Translated() const { return translated_; }

private:
    std::string translated_;
    std::unique_ptr<re2::RE2> re_;
};

}  // namespace zyn
