// Owns one reference to a COM object and releases it when destroyed.
#pragma once

#include <unknwn.h>

template <class Interface> class ComPtr {
  public:
    ComPtr() = default;
    explicit ComPtr(Interface* object) : object_(object) {}
    ~ComPtr() { reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : object_(other.object_) { other.object_ = nullptr; }
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            reset();
            object_ = other.object_;
            other.object_ = nullptr;
        }
        return *this;
    }

    Interface* get() const { return object_; }
    Interface* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

    // For an out parameter: what was held is released first.
    Interface** receiver() {
        reset();
        return &object_;
    }
    void reset() {
        if (object_) {
            Interface* object = object_;
            object_ = nullptr;
            object->Release();
        }
    }

  private:
    Interface* object_ = nullptr;
};
