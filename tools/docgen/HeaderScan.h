// What the docs-page generator reads from a component's header: the public methods of a
// class with the comment above each, and the types of its events. A small scanner of the
// project's own header style (one declaration per statement, comments above), not a C++
// parser.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct TMethodDoc {
    std::string Declaration;   // whitespace collapsed, without body, "virtual" or ";"
    std::string Comment;       // the comment lines above it, joined
};

struct THeaderInfo {
    std::string File;   // relative to the source folder
    std::string Text;

    // The public member functions of class Name, in header order, leaving out
    // construction, ClassName, deleted functions, overrides without a comment and the accessors of properties and events
    // (GetX/SetX where the class publishes X, GetOnX/SetOnX).
    std::vector<TMethodDoc> PublicMethods(const std::string& Name) const;
    // The type a getter returns ("TMeterRenderedEvent" for GetOnRendered), "" when unknown.
    std::string EventType(const std::string& Getter) const;
    // What "using Type = std::function<...>" holds ("void(TObject* Sender)"), "" when unknown.
    std::string TypeAlias(const std::string& Type) const;
};

// The header below SourceDir (in a component folder or framework/) that defines class Name.
std::optional<THeaderInfo> FindClassHeader(const std::string& SourceDir, const std::string& Name);
