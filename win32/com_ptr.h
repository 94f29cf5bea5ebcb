#pragma once
// Owns one COM interface reference: not copyable, released on every path.
#include <utility>

namespace win32 {

template <typename T> class ComPtr {
  public:
    ComPtr() = default;
    ~ComPtr() { reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For out-parameters: releases what is held and hands out the slot.
    T** put() {
        reset();
        return &p_;
    }
    void reset() {
        if (p_)
            p_->Release();
        p_ = nullptr;
    }

  private:
    T* p_ = nullptr;
};

} // namespace win32
