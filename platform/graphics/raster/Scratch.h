// Scratch vectors for drawing calls: each thread keeps a few emptied vectors with their
// capacity, so the temporary point lists and tables of a shape cost no allocation once the
// first shapes of a size have been drawn.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace vcl::raster {

template <typename T>
class Scratch {
public:
    Scratch() {
        std::vector<std::vector<T>>& pool = Pool();
        if (!pool.empty()) {
            v_ = std::move(pool.back());
            pool.pop_back();
        }
    }
    ~Scratch() {
        // Very large buffers go back to the heap rather than stay with the thread.
        if (v_.capacity() * sizeof(T) > kKeepBytes) return;
        std::vector<std::vector<T>>& pool = Pool();
        if (pool.size() >= kPoolSize) return;
        v_.clear();
        pool.push_back(std::move(v_));
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    std::vector<T>& operator*() { return v_; }
    std::vector<T>* operator->() { return &v_; }

private:
    static constexpr std::size_t kPoolSize = 8;
    static constexpr std::size_t kKeepBytes = std::size_t(1) << 20;
    static std::vector<std::vector<T>>& Pool() {
        thread_local std::vector<std::vector<T>> pool;
        return pool;
    }
    std::vector<T> v_;
};

}  // namespace vcl::raster
