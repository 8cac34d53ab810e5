// TStrings on its primitives, and the TStringList store.
#include "platform/core/StringList.h"

#include <algorithm>
#include <numeric>

#include "platform/core/Component.h"
#include "platform/core/Streams.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/TextUtils.h"
#include "platform/runtime/Utf8.h"

namespace vcl {

// ---- TStrings ------------------------------------------------------------------------------

void TStrings::Error(int Index) {
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}

void TStrings::CheckIndex(int Index) const {
    if (Index < 0 || Index >= GetCount()) Error(Index);
}

int TStrings::CompareStrings(const std::string& S1, const std::string& S2) const {
    return AnsiCompareText(S1, S2);
}

void TStrings::Put(int Index, const std::string& S) {
    TObject* object = GetObject(Index);
    BeginUpdate();
    try {
        Delete(Index);
        InsertObject(Index, S, object);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

TObject* TStrings::GetObject(int Index) const {
    CheckIndex(Index);
    return nullptr;
}

void TStrings::PutObject(int Index, TObject* AObject) {
    CheckIndex(Index);
    (void)AObject;
}

int TStrings::Add(const std::string& S) {
    int index = GetCount();
    Insert(index, S);
    return index;
}

int TStrings::AddObject(const std::string& S, TObject* AObject) {
    int index = Add(S);
    PutObject(index, AObject);
    return index;
}

void TStrings::InsertObject(int Index, const std::string& S, TObject* AObject) {
    Insert(Index, S);
    PutObject(Index, AObject);
}

void TStrings::AddStrings(const TStrings* Strings) {
    if (Strings == nullptr) return;
    BeginUpdate();
    try {
        for (int i = 0; i < Strings->GetCount(); ++i) AddObject(Strings->Get(i), Strings->GetObject(i));
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::AddStrings(const std::vector<std::string>& Strings) {
    BeginUpdate();
    try {
        for (const std::string& s : Strings) Add(s);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::Exchange(int Index1, int Index2) {
    CheckIndex(Index1);
    CheckIndex(Index2);
    if (Index1 == Index2) return;
    BeginUpdate();
    try {
        std::string s1 = Get(Index1);
        TObject* o1 = GetObject(Index1);
        Put(Index1, Get(Index2));
        PutObject(Index1, GetObject(Index2));
        Put(Index2, s1);
        PutObject(Index2, o1);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex) return;
    CheckIndex(CurIndex);
    CheckIndex(NewIndex);
    BeginUpdate();
    try {
        std::string s = Get(CurIndex);
        TObject* o = GetObject(CurIndex);
        PutObject(CurIndex, nullptr);   // an owning list must not free it on Delete
        Delete(CurIndex);
        InsertObject(NewIndex, s, o);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

int TStrings::IndexOf(const std::string& S) const {
    for (int i = 0; i < GetCount(); ++i)
        if (CompareStrings(Get(i), S) == 0) return i;
    return -1;
}

int TStrings::IndexOfObject(const TObject* AObject) const {
    for (int i = 0; i < GetCount(); ++i)
        if (GetObject(i) == AObject) return i;
    return -1;
}

bool TStrings::Equals(const TStrings* Strings) const {
    if (Strings == nullptr || Strings->GetCount() != GetCount()) return false;
    for (int i = 0; i < GetCount(); ++i)
        if (Get(i) != Strings->Get(i)) return false;
    return true;
}

// ---- name=value pairs

std::string TStrings::GetName(int Index) const {
    std::string s = Get(Index);
    std::size_t p = s.find(NameValueSeparator);
    return p == std::string::npos ? std::string() : s.substr(0, p);
}

std::string TStrings::GetValueFromIndex(int Index) const {
    std::string s = Get(Index);
    std::size_t p = s.find(NameValueSeparator);
    return p == std::string::npos ? std::string() : s.substr(p + 1);
}

int TStrings::IndexOfName(const std::string& Name) const {
    for (int i = 0; i < GetCount(); ++i) {
        std::string s = Get(i);
        std::size_t p = s.find(NameValueSeparator);
        if (p != std::string::npos && CompareStrings(s.substr(0, p), Name) == 0) return i;
    }
    return -1;
}

std::string TStrings::GetValue(const std::string& Name) const {
    int i = IndexOfName(Name);
    return i < 0 ? std::string() : GetValueFromIndex(i);
}

void TStrings::SetValue(const std::string& Name, const std::string& Value) {
    int i = IndexOfName(Name);
    std::string line = Name + NameValueSeparator + Value;
    if (Value.empty()) {
        if (i >= 0) Delete(i);
    } else if (i >= 0) {
        Put(i, line);
    } else {
        Add(line);
    }
}

// ---- text

std::string TStrings::GetText() const {
    std::string text;
    for (int i = 0; i < GetCount(); ++i) {
        text += Get(i);
        text += LineBreak;
    }
    return text;
}

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(text.substr(start, i - start));
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

}  // namespace

void TStrings::SetText(const std::string& Value) {
    std::vector<std::string> lines = SplitLines(Value);
    BeginUpdate();
    try {
        Clear();
        for (const std::string& line : lines) Add(line);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

// ---- delimited text

std::string TStrings::GetDelimitedText() const {
    if (GetCount() == 1 && Get(0).empty()) return std::string(2, QuoteChar);
    std::string text;
    for (int i = 0; i < GetCount(); ++i) {
        std::string s = Get(i);
        bool quote = false;
        for (unsigned char c : s) {
            if (c == static_cast<unsigned char>(Delimiter) || c == static_cast<unsigned char>(QuoteChar) ||
                (!StrictDelimiter && c <= ' ')) {
                quote = true;
                break;
            }
        }
        if (i > 0) text += Delimiter;
        if (quote) {
            text += QuoteChar;
            for (char c : s) {
                if (c == QuoteChar) text += QuoteChar;
                text += c;
            }
            text += QuoteChar;
        } else {
            text += s;
        }
    }
    return text;
}

void TStrings::SetDelimitedText(const std::string& Value) {
    const std::size_t n = Value.size();
    auto blank = [&](std::size_t i) {
        return i < n && Value[i] != '\0' && static_cast<unsigned char>(Value[i]) <= ' ';
    };
    std::vector<std::string> items;
    std::size_t i = 0;
    if (!StrictDelimiter)
        while (blank(i)) ++i;
    while (i < n) {
        std::string item;
        if (Value[i] == QuoteChar) {
            // Up to the closing quote; a doubled quote stands for one.
            ++i;
            while (i < n) {
                if (Value[i] == QuoteChar) {
                    if (i + 1 < n && Value[i + 1] == QuoteChar) {
                        item += QuoteChar;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += Value[i++];
            }
        } else {
            while (i < n && Value[i] != Delimiter && (StrictDelimiter || !blank(i))) item += Value[i++];
        }
        items.push_back(item);
        if (!StrictDelimiter)
            while (blank(i)) ++i;
        if (i < n && Value[i] == Delimiter) {
            ++i;
            if (i >= n) items.emplace_back();   // a delimiter at the very end ends an empty item
            if (!StrictDelimiter)
                while (blank(i)) ++i;
        }
    }
    BeginUpdate();
    try {
        Clear();
        for (const std::string& s : items) Add(s);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

std::string TStrings::GetCommaText() const {
    TStringList copy;
    copy.Delimiter = ',';
    copy.QuoteChar = '"';
    copy.AddStrings(this);
    return copy.GetDelimitedText();
}

void TStrings::SetCommaText(const std::string& Value) {
    char delimiter = Delimiter, quote = QuoteChar;
    bool strict = StrictDelimiter;
    Delimiter = ',';
    QuoteChar = '"';
    StrictDelimiter = false;
    try {
        SetDelimitedText(Value);
    } catch (...) {
        Delimiter = delimiter; QuoteChar = quote; StrictDelimiter = strict;
        throw;
    }
    Delimiter = delimiter; QuoteChar = quote; StrictDelimiter = strict;
}

// ---- updates, assignment, files

void TStrings::BeginUpdate() {
    // The state change is announced while the count is still 0, so OnChanging fires.
    if (updateCount_ == 0) SetUpdateState(true);
    ++updateCount_;
}

void TStrings::EndUpdate() {
    if (updateCount_ == 0) return;
    if (--updateCount_ == 0) SetUpdateState(false);
}

void TStrings::Assign(TPersistent* Source) {
    if (auto* source = dynamic_cast<TStrings*>(Source)) {
        if (source == this) return;
        BeginUpdate();
        try {
            Clear();
            NameValueSeparator = source->NameValueSeparator;
            Delimiter = source->Delimiter;
            QuoteChar = source->QuoteChar;
            StrictDelimiter = source->StrictDelimiter;
            LineBreak = source->LineBreak;
            AddStrings(source);
        } catch (...) {
            EndUpdate();
            throw;
        }
        EndUpdate();
        return;
    }
    TPersistent::Assign(Source);
}

void TStrings::LoadFromStream(TStream* Stream) {
    std::string text = Stream->ReadAllText();
    if (text.size() >= 3 && text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    SetText(text);
}

void TStrings::SaveToStream(TStream* Stream) const { Stream->WriteText(GetText()); }

void TStrings::LoadFromFile(const std::string& FileName) {
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&stream);
}

void TStrings::SaveToFile(const std::string& FileName) const {
    SaveFileSafely(FileName, [this](TStream* Out) { SaveToStream(Out); });
}

std::vector<std::string> TStrings::ToVector() const {
    std::vector<std::string> v;
    v.reserve(std::size_t(GetCount()));
    for (int i = 0; i < GetCount(); ++i) v.push_back(Get(i));
    return v;
}

// ---- TStringList --------------------------------------------------------------------------

TStringList::~TStringList() {
    FOnChange = nullptr;
    FOnChanging = nullptr;
    if (ownsObjects_)
        for (Item& item : items_) delete item.object;
}

int TStringList::CompareStrings(const std::string& S1, const std::string& S2) const {
    return caseSensitive_ ? AnsiCompareStr(S1, S2) : AnsiCompareText(S1, S2);
}

void TStringList::Changing() {
    if (GetUpdateCount() == 0 && FOnChanging) FOnChanging(this);
}

void TStringList::Changed() {
    if (GetUpdateCount() == 0 && FOnChange) FOnChange(this);
}

void TStringList::SetUpdateState(bool Updating) {
    if (Updating) Changing();
    else Changed();
}

std::string TStringList::Get(int Index) const {
    CheckIndex(Index);
    return items_[std::size_t(Index)].text;
}

void TStringList::Put(int Index, const std::string& S) {
    if (sorted_) throw EListError("Operation not allowed on sorted list");
    CheckIndex(Index);
    Changing();
    items_[std::size_t(Index)].text = S;
    Changed();
}

TObject* TStringList::GetObject(int Index) const {
    CheckIndex(Index);
    return items_[std::size_t(Index)].object;
}

void TStringList::PutObject(int Index, TObject* AObject) {
    CheckIndex(Index);
    Changing();
    items_[std::size_t(Index)].object = AObject;
    Changed();
}

void TStringList::InsertItem(int Index, const std::string& S, TObject* AObject) {
    Changing();
    items_.insert(items_.begin() + Index, Item{S, AObject});
    Changed();
}

void TStringList::Insert(int Index, const std::string& S) {
    if (sorted_) throw EListError("Operation not allowed on sorted list");
    if (Index < 0 || Index > GetCount()) Error(Index);
    InsertItem(Index, S, nullptr);
}

int TStringList::Add(const std::string& S) { return AddObject(S, nullptr); }

int TStringList::AddObject(const std::string& S, TObject* AObject) {
    int index = GetCount();
    if (sorted_ && Find(S, index)) {
        if (duplicates_ == dupIgnore) return index;
        if (duplicates_ == dupError) throw EListError("String list does not allow duplicates");
    }
    InsertItem(index, S, AObject);
    return index;
}

void TStringList::Delete(int Index) {
    CheckIndex(Index);
    Changing();
    TObject* object = items_[std::size_t(Index)].object;
    items_.erase(items_.begin() + Index);
    if (ownsObjects_) delete object;
    Changed();
}

void TStringList::Clear() {
    if (items_.empty()) return;
    Changing();
    std::vector<Item> old;
    old.swap(items_);
    if (ownsObjects_)
        for (Item& item : old) delete item.object;
    Changed();
}

void TStringList::Exchange(int Index1, int Index2) {
    if (sorted_) throw EListError("Operation not allowed on sorted list");
    CheckIndex(Index1);
    CheckIndex(Index2);
    Changing();
    std::swap(items_[std::size_t(Index1)], items_[std::size_t(Index2)]);
    Changed();
}

int TStringList::IndexOf(const std::string& S) const {
    if (!sorted_) return TStrings::IndexOf(S);
    int index = 0;
    return Find(S, index) ? index : -1;
}

bool TStringList::Find(const std::string& S, int& Index) const {
    // Lower bound; with duplicates accepted, the first of equal strings is found.
    int lo = 0, hi = GetCount() - 1;
    bool found = false;
    while (lo <= hi) {
        int mid = lo + (hi - lo) / 2;
        int c = CompareStrings(items_[std::size_t(mid)].text, S);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (c == 0) found = true;
        }
    }
    Index = lo;
    return found;
}

void TStringList::Sort() {
    CustomSort([](TStringList* list, int a, int b) {
        return list->CompareStrings(list->items_[std::size_t(a)].text, list->items_[std::size_t(b)].text);
    });
}

void TStringList::CustomSort(const TStringListSortCompare& Compare) {
    if (GetCount() < 2) return;
    Changing();
    // Sort a permutation with the caller's comparison on the unchanged list, then apply it.
    std::vector<int> order(items_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return Compare(this, a, b) < 0; });
    std::vector<Item> sorted;
    sorted.reserve(items_.size());
    for (int i : order) sorted.push_back(std::move(items_[std::size_t(i)]));
    items_.swap(sorted);
    Changed();
}

void TStringList::SetSorted(bool Value) {
    if (sorted_ == Value) return;
    if (Value) Sort();
    sorted_ = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
    if (caseSensitive_ == Value) return;
    caseSensitive_ = Value;
    if (sorted_) Sort();
}

}  // namespace vcl
