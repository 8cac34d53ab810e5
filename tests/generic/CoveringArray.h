// A pairwise covering array: rows of levels, one per factor, such that every level of every
// factor meets every level of every other factor in at least one row. Built greedily (each
// row the best of a few candidates, each candidate grown from a pair not yet covered by
// choosing, factor by factor, the level that covers most new pairs); the same counts give
// the same rows.
#pragma once

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <random>
#include <vector>

namespace zyn_test {

inline std::vector<std::vector<int>> PairwiseRows(const std::vector<int>& Levels, unsigned Seed = 1) {
    const int k = int(Levels.size());
    std::vector<std::vector<int>> rows;
    if (k == 0) return rows;
    if (k == 1) {
        for (int a = 0; a < Levels[0]; ++a) rows.push_back({a});
        return rows;
    }
    // uncovered[f][g] for f < g: level a of f with level b of g at a * Levels[g] + b.
    const std::size_t n = std::size_t(k);
    std::vector<std::vector<std::vector<char>>> uncovered(n, std::vector<std::vector<char>>(n));
    std::size_t remaining = 0;
    for (int f = 0; f < k; ++f)
        for (int g = f + 1; g < k; ++g) {
            uncovered[f][g].assign(std::size_t(Levels[f] * Levels[g]), 1);
            remaining += uncovered[f][g].size();
        }
    auto open = [&](int f, int a, int g, int b) {
        return f < g ? uncovered[f][g][std::size_t(a * Levels[g] + b)] : uncovered[g][f][std::size_t(b * Levels[f] + a)];
    };
    std::mt19937 rng(Seed);
    std::vector<int> order(n);
    constexpr int kCandidates = 8;
    while (remaining > 0) {
        std::vector<int> best;
        std::size_t bestGain = 0;
        for (int t = 0; t < kCandidates; ++t) {
            // A pair not covered yet, found from a random factor pair onwards.
            std::vector<int> row(std::size_t(k), -1);
            const int start = int(rng() % unsigned(k * k));
            bool seeded = false;
            for (int s = 0; s < k * k && !seeded; ++s) {
                const int f = (start + s) % (k * k) / k, g = (start + s) % k;
                if (f >= g) continue;
                const auto& u = uncovered[f][g];
                const auto it = std::find(u.begin(), u.end(), 1);
                if (it == u.end()) continue;
                const int idx = int(it - u.begin());
                row[std::size_t(f)] = idx / Levels[g];
                row[std::size_t(g)] = idx % Levels[g];
                seeded = true;
            }
            std::iota(order.begin(), order.end(), 0);
            std::shuffle(order.begin(), order.end(), rng);
            for (int f : order) {
                if (row[std::size_t(f)] >= 0) continue;
                int bestLevel = 0, bestCount = -1;
                const int offset = int(rng() % unsigned(Levels[f]));
                for (int i = 0; i < Levels[f]; ++i) {
                    const int a = (i + offset) % Levels[f];
                    int count = 0;
                    for (int g = 0; g < k; ++g)
                        if (row[std::size_t(g)] >= 0 && open(f, a, g, row[std::size_t(g)])) ++count;
                    if (count > bestCount) {
                        bestCount = count;
                        bestLevel = a;
                    }
                }
                row[std::size_t(f)] = bestLevel;
            }
            std::size_t gain = 0;
            for (int f = 0; f < k; ++f)
                for (int g = f + 1; g < k; ++g) gain += std::size_t(open(f, row[std::size_t(f)], g, row[std::size_t(g)]));
            if (gain > bestGain) {
                bestGain = gain;
                best = row;
            }
        }
        for (int f = 0; f < k; ++f)
            for (int g = f + 1; g < k; ++g) {
                char& c = uncovered[f][g][std::size_t(best[std::size_t(f)] * Levels[g] + best[std::size_t(g)])];
                remaining -= std::size_t(c);
                c = 0;
            }
        rows.push_back(std::move(best));
    }
    return rows;
}

}  // namespace zyn_test
