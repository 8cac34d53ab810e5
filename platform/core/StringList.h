// String lists: the abstract TStrings and the TStringList that stores strings with an
// object slot each, optionally sorted.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/core/Component.h"

namespace vcl {

class TStream;

// The line break TStrings writes in Text, SaveToFile and SaveToStream (reading accepts
// CR LF, LF and CR alike).
inline constexpr const char* sLineBreakText = "\n";

// A list of UTF-8 strings. Descendants store them; everything else is built on the few
// virtual primitives. Indexes are 0-based; a bad index raises EListError
// "List index out of bounds (N)".
class TStrings : public TPersistent {
public:
    std::string ClassName() const override { return "TStrings"; }

    // ---- primitives
    virtual int GetCount() const = 0;
    virtual std::string Get(int Index) const = 0;
    virtual void Put(int Index, const std::string& S);
    virtual TObject* GetObject(int Index) const;
    virtual void PutObject(int Index, TObject* AObject);
    virtual void Insert(int Index, const std::string& S) = 0;
    virtual void Delete(int Index) = 0;
    virtual void Clear() = 0;

    // ---- built on them
    int Count() const { return GetCount(); }
    std::string GetStrings(int Index) const { return Get(Index); }
    void SetStrings(int Index, const std::string& S) { Put(Index, S); }
    std::string operator[](int Index) const { return Get(Index); }
    TObject* GetObjects(int Index) const { return GetObject(Index); }
    void SetObjects(int Index, TObject* AObject) { PutObject(Index, AObject); }

    virtual int Add(const std::string& S);
    virtual int AddObject(const std::string& S, TObject* AObject);
    void InsertObject(int Index, const std::string& S, TObject* AObject);
    void Append(const std::string& S) { Add(S); }
    void AddStrings(const TStrings* Strings);
    void AddStrings(const std::vector<std::string>& Strings);
    virtual void Exchange(int Index1, int Index2);
    virtual void Move(int CurIndex, int NewIndex);
    // Case-insensitive unless the list says otherwise (TStringList::CaseSensitive).
    virtual int IndexOf(const std::string& S) const;
    int IndexOfObject(const TObject* AObject) const;
    bool Equals(const TStrings* Strings) const;

    // Name=Value pairs
    std::string GetName(int Index) const;
    std::string GetValueFromIndex(int Index) const;
    int IndexOfName(const std::string& Name) const;
    std::string GetValue(const std::string& Name) const;
    // Sets the value of Name, adding the pair when missing; an empty value deletes it.
    void SetValue(const std::string& Name, const std::string& Value);
    char NameValueSeparator = '=';

    // Text: every line followed by LineBreak. Setting it replaces the list; CR LF, LF and
    // a lone CR all end a line, and a last line without a break counts too.
    std::string GetText() const;
    virtual void SetText(const std::string& Value);
    std::string LineBreak = sLineBreakText;

    // Comma text: items separated by commas; an item holding a blank, comma, quote or
    // control character is quoted with " (inner quotes doubled). Reading also splits at
    // blanks outside quotes.
    std::string GetCommaText() const;
    void SetCommaText(const std::string& Value);
    // The same with Delimiter and QuoteChar; with StrictDelimiter only the delimiter
    // separates (blanks are kept).
    std::string GetDelimitedText() const;
    void SetDelimitedText(const std::string& Value);
    char Delimiter = ',';
    char QuoteChar = '"';
    bool StrictDelimiter = false;

    // Batches changes: OnChange of a TStringList fires once, at the last EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    int GetUpdateCount() const { return updateCount_; }

    // Copies the strings (and objects) of another TStrings.
    void Assign(TPersistent* Source) override;

    // UTF-8 text, a leading byte order mark is dropped. Errors raise EFOpenError /
    // EFCreateError.
    virtual void LoadFromFile(const std::string& FileName);
    virtual void SaveToFile(const std::string& FileName) const;
    virtual void LoadFromStream(TStream* Stream);
    virtual void SaveToStream(TStream* Stream) const;

    std::vector<std::string> ToVector() const;

protected:
    // Called when the update count changes between 0 and 1.
    virtual void SetUpdateState(bool Updating) { (void)Updating; }
    [[noreturn]] static void Error(int Index);
    void CheckIndex(int Index) const;
    // Case-insensitivity used by IndexOf and sorting; TStringList overrides.
    virtual int CompareStrings(const std::string& S1, const std::string& S2) const;

private:
    int updateCount_ = 0;
};

enum TDuplicates : std::uint8_t { dupIgnore, dupAccept, dupError };

class TStringList;
using TStringListSortCompare = std::function<int(TStringList* List, int Index1, int Index2)>;

class TStringList : public TStrings {
public:
    TStringList() = default;
    // With OwnsObjects the list frees the objects of deleted items and of itself.
    explicit TStringList(bool OwnsObjects) : ownsObjects_(OwnsObjects) {}
    ~TStringList() override;
    std::string ClassName() const override { return "TStringList"; }

    int GetCount() const override { return int(items_.size()); }
    std::string Get(int Index) const override;
    void Put(int Index, const std::string& S) override;
    TObject* GetObject(int Index) const override;
    void PutObject(int Index, TObject* AObject) override;
    // In a sorted list Insert raises EListError "Operation not allowed on sorted list".
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;
    // In a sorted list Add puts the string in its place and obeys Duplicates
    // (dupError raises EListError "String list does not allow duplicates").
    int Add(const std::string& S) override;
    int AddObject(const std::string& S, TObject* AObject) override;
    void Exchange(int Index1, int Index2) override;
    int IndexOf(const std::string& S) const override;

    // Binary search of a sorted list: true when found; Index is where S is or would go.
    bool Find(const std::string& S, int& Index) const;
    virtual void Sort();
    virtual void CustomSort(const TStringListSortCompare& Compare);

    bool GetSorted() const { return sorted_; }
    void SetSorted(bool Value);
    TDuplicates GetDuplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates Value) { duplicates_ = Value; }
    bool GetCaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool Value);
    bool GetOwnsObjects() const { return ownsObjects_; }
    void SetOwnsObjects(bool Value) { ownsObjects_ = Value; }

    // Fired after and before every change of the list, outside BeginUpdate/EndUpdate.
    TNotifyEvent GetOnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
    TNotifyEvent GetOnChanging() const { return FOnChanging; }
    void SetOnChanging(TNotifyEvent Value) { FOnChanging = std::move(Value); }

protected:
    TNotifyEvent FOnChange, FOnChanging;

    void SetUpdateState(bool Updating) override;
    int CompareStrings(const std::string& S1, const std::string& S2) const override;
    virtual void Changed();
    virtual void Changing();

private:
    struct Item {
        std::string text;
        TObject* object = nullptr;
    };
    void InsertItem(int Index, const std::string& S, TObject* AObject);

    std::vector<Item> items_;
    bool sorted_ = false;
    bool caseSensitive_ = false;
    bool ownsObjects_ = false;
    TDuplicates duplicates_ = dupIgnore;
};

}  // namespace vcl
