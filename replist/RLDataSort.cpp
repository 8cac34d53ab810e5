// Sorting the container by several keys and by value: numbers, dates/times and natural
// order, besides the text order of the store's own sort.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <numeric>

#include "platform/DateUtils.h"
#include "platform/SysUtils.h"
#include "replist/Zyn_ReportListView.h"
#include "replist/Zyn_replist.h"

namespace zyn {

namespace {

constexpr double NoValue = std::numeric_limits<double>::quiet_NaN();

std::string_view Trimmed(std::string_view S) {
    while (!S.empty() && (S.front() == ' ' || S.front() == '\t')) S.remove_prefix(1);
    while (!S.empty() && (S.back() == ' ' || S.back() == '\t')) S.remove_suffix(1);
    return S;
}

// A number as people write it in this locale: an optional sign, digits grouped by the
// thousands separator, the decimal separator, an optional exponent. Anything else is no
// number (NaN), so that words and placeholders sort behind the values.
double ReadNumber(std::string_view Text, char Decimal, char Thousands) {
    Text = Trimmed(Text);
    std::string plain;
    plain.reserve(Text.size());
    std::size_t i = 0;
    if (i < Text.size() && (Text[i] == '-' || Text[i] == '+')) {
        if (Text[i] == '-') plain += '-';
        ++i;
    }
    bool digits = false, decimals = false;
    for (; i < Text.size(); ++i) {
        const char c = Text[i];
        if (c >= '0' && c <= '9') {
            plain += c;
            digits = true;
        } else if (c == Thousands && c != Decimal && digits && !decimals && i + 1 < Text.size() &&
                   Text[i + 1] >= '0' && Text[i + 1] <= '9') {
            // a group mark between digits of the whole part
        } else if (c == Decimal && !decimals) {
            plain += '.';
            decimals = true;
        } else {
            break;
        }
    }
    if (!digits) return NoValue;
    if (i < Text.size() && (Text[i] == 'e' || Text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < Text.size() && (Text[i] == '-' || Text[i] == '+')) plain += Text[i++];
        const std::size_t start = i;
        while (i < Text.size() && Text[i] >= '0' && Text[i] <= '9') plain += Text[i++];
        if (i == start) return NoValue;
    }
    if (i != Text.size()) return NoValue;
    double v = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), v);
    if (ec != std::errc() || end != plain.data() + plain.size() || !std::isfinite(v)) return NoValue;
    return v;
}

double ReadDateTime(std::string_view Text, const std::string& Format, int ThisYear) {
    Text = Trimmed(Text);
    if (Text.empty()) return NoValue;
    try {
        int error = 0;
        const double v = ParseRowDateTime(Text, Format, error, ThisYear);
        return error == 0 ? v : NoValue;
    } catch (const vcl::EConvertError&) {
        return NoValue;   // a date that does not exist is no value
    }
}

char Lower(char C) { return C >= 'A' && C <= 'Z' ? char(C - 'A' + 'a') : C; }
bool IsDigit(char C) { return C >= '0' && C <= '9'; }

// Digit runs compare by value (leading zeros aside), everything else character by
// character without regard to ASCII case.
int NaturalCompare(std::string_view A, std::string_view B) {
    std::size_t i = 0, j = 0;
    while (i < A.size() && j < B.size()) {
        if (IsDigit(A[i]) && IsDigit(B[j])) {
            while (i < A.size() && A[i] == '0') ++i;
            while (j < B.size() && B[j] == '0') ++j;
            std::size_t ei = i, ej = j;
            while (ei < A.size() && IsDigit(A[ei])) ++ei;
            while (ej < B.size() && IsDigit(B[ej])) ++ej;
            if (ei - i != ej - j) return ei - i < ej - j ? -1 : 1;
            const int c = A.substr(i, ei - i).compare(B.substr(j, ej - j));
            if (c != 0) return c < 0 ? -1 : 1;
            i = ei;
            j = ej;
            continue;
        }
        const char a = Lower(A[i]), b = Lower(B[j]);
        if (a != b) return static_cast<unsigned char>(a) < static_cast<unsigned char>(b) ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < A.size()) return 1;
    if (j < B.size()) return -1;
    return 0;
}

// The units of a sort of Rows rows by Keys keys: one read of each key, n log2 n comparisons.
std::int64_t SortUnits(int Rows, std::size_t Keys) {
    const std::int64_t n = Rows;
    std::int64_t log2 = 1;
    while ((std::int64_t(1) << log2) < n) ++log2;
    return n * std::int64_t(Keys) + n * log2;
}

std::uint64_t Prefix(std::string_view K) {
    std::uint64_t prefix = 0;
    for (std::size_t i = 0; i < 8; ++i)
        prefix = (prefix << 8) | (i < K.size() ? static_cast<unsigned char>(K[i]) : 0u);
    return prefix;
}

// What one key needs of every row, by presented position: numbers and dates as values read
// once, texts with their first 8 bytes as a number so that most comparisons stay in here.
struct TPreparedKey {
    TRLSortKey key;
    std::vector<double> values;          // skNumber, skDateTime
    std::vector<std::uint64_t> prefixes; // skText
};

}  // namespace

std::vector<std::uint32_t> TRLData::OrderByKeys(std::span<const TRLSortKey> Keys, TProgressTicker* Ticker) const {
    const TStringArray& store = *Strings;
    const std::size_t n = std::size_t(FNrOfRows);
    std::vector<std::uint32_t> stored(n);
    for (std::size_t p = 0; p < n; ++p) stored[p] = std::uint32_t(store.GetSortOrder(int(p) + 1) - 1);
    // The visible text of a key column: check marks are no part of a value (the text order
    // keeps comparing the stored strings, as the store's sort does).
    auto text = [&](const TRLSortKey& k, std::size_t p) {
        std::string_view s = store.StringView(k.Col, int(p) + 1);
        if (k.Kind != skText && IsCheckColumn(k.Col) && !s.empty()) s.remove_prefix(1);
        return s;
    };
    // Progress in units of one row's key read and one comparison (about n log2 n of them).
    std::int64_t done = 0;
    auto step = [&](std::int64_t Units) {
        done += Units;
        if (Ticker != nullptr) Ticker->Step(done);
    };
    std::vector<TPreparedKey> keys;
    const int thisYear = vcl::CurrentYear();
    for (const TRLSortKey& k : Keys) {
        TPreparedKey& pk = keys.emplace_back();
        pk.key = k;
        switch (k.Kind) {
            case skText:
                pk.prefixes.resize(n);
                for (std::size_t p = 0; p < n; ++p) pk.prefixes[p] = Prefix(text(k, p)), step(1);
                break;
            case skNumber: {
                const char dec = vcl::FormatSettings.DecimalSeparator;
                const char th = vcl::FormatSettings.ThousandSeparator;
                pk.values.resize(n);
                for (std::size_t p = 0; p < n; ++p) pk.values[p] = ReadNumber(text(k, p), dec, th), step(1);
                break;
            }
            case skDateTime: {
                const TRowEditFormat f = SplitRowEditFormat(GetColumnFormat(k.Col));
                const std::string format = RowDateFormat(f.Letter == 'd' ? std::string_view(f.TypeText).substr(1) : "");
                pk.values.resize(n);
                for (std::size_t p = 0; p < n; ++p) pk.values[p] = ReadDateTime(text(k, p), format, thisYear), step(1);
                break;
            }
            case skNatural: step(std::int64_t(n)); break;
        }
    }
    // One value key, the common case: the values are sorted with their positions beside
    // them, in one contiguous array, and the rows without a value follow in their order.
    if (keys.size() == 1 && !keys.front().values.empty()) {
        struct TValued {
            double value;
            std::uint32_t position;
        };
        std::vector<TValued> valued;
        std::vector<std::uint32_t> none;
        valued.reserve(n);
        const std::vector<double>& values = keys.front().values;
        for (std::size_t p = 0; p < n; ++p) {
            if (std::isnan(values[p])) none.push_back(std::uint32_t(p));
            else valued.push_back({values[p], std::uint32_t(p)});
        }
        std::vector<double>().swap(keys.front().values);
        const bool ascending = keys.front().key.Ascending;
        std::stable_sort(valued.begin(), valued.end(), [&](const TValued& a, const TValued& b) {
            step(1);
            return ascending ? a.value < b.value : a.value > b.value;
        });
        std::vector<std::uint32_t> order;
        order.reserve(n);
        for (const TValued& v : valued) order.push_back(stored[v.position]);
        for (std::uint32_t p : none) order.push_back(stored[p]);
        return order;
    }
    // True when position a goes before position b.
    auto before = [&](std::uint32_t a, std::uint32_t b) {
        step(1);
        for (const TPreparedKey& pk : keys) {
            int c = 0;
            switch (pk.key.Kind) {
                case skText:
                    c = pk.prefixes[a] < pk.prefixes[b] ? -1 : pk.prefixes[a] > pk.prefixes[b] ? 1 : 0;
                    if (c == 0) c = text(pk.key, a).compare(text(pk.key, b));
                    break;
                case skNumber:
                case skDateTime: {
                    const double va = pk.values[a], vb = pk.values[b];
                    const bool na = std::isnan(va), nb = std::isnan(vb);
                    // No value goes last in either direction.
                    if (na != nb) return nb;
                    if (!na) c = va < vb ? -1 : va > vb ? 1 : 0;
                    break;
                }
                case skNatural: c = NaturalCompare(text(pk.key, a), text(pk.key, b)); break;
            }
            if (c != 0) return pk.key.Ascending ? c < 0 : c > 0;
        }
        return false;
    };
    std::vector<std::uint32_t> positions(n);
    std::iota(positions.begin(), positions.end(), 0u);
    std::stable_sort(positions.begin(), positions.end(), before);
    for (std::uint32_t& p : positions) p = stored[p];
    return positions;
}


void TRLData::SortBy(std::span<const TRLSortKey> Keys) {
    std::vector<TRLSortKey> keys;
    for (const TRLSortKey& k : Keys)
        if (k.Col >= 0 && k.Col <= FNrOfCols) keys.push_back(k);
    if (keys.empty()) return;
    // Cancelling leaves the order as it was: it changes only once computed.
    TProgressTicker ticker = StartProgress(SortUnits(FNrOfRows, keys.size()));
    std::vector<std::uint32_t> order = OrderByKeys(keys, &ticker);
    RunStoreSort([&] { Strings->TakeOrder(std::move(order), keys.front().Col); });
    FSortColumn = keys.front().Col;
    FSortColumnSec = keys.size() > 1 ? keys[1].Col : -1;
    FSortOrder = keys.front().Ascending;
    FSortKeys = std::move(keys);
}

void TRLData::SortAside(int Col, int ColSec, bool Ascending) {
    // The store's sort by text, computed here so that a cancel leaves the order as it was.
    std::vector<TRLSortKey> keys{{Col, Ascending, skText}};
    if (ColSec >= 0 && ColSec <= FNrOfCols && ColSec != Col) keys.push_back({ColSec, Ascending, skText});
    TProgressTicker ticker = StartProgress(SortUnits(FNrOfRows, keys.size()));
    std::vector<std::uint32_t> order = OrderByKeys(keys, &ticker);
    RunStoreSort([&] { Strings->TakeOrder(std::move(order), Col); });
    FSortColumn = Col;
    FSortColumnSec = ColSec;
    FSortOrder = Ascending;
    FSortKeys.clear();
}

}  // namespace zyn
