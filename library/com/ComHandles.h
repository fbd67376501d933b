#pragma once
// One owner for each kind of Windows handle the library holds: registry keys, strings,
// variants, safe arrays and COM interface pointers. Move-only; no implicit conversion back
// to the raw handle.

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <utility>

namespace qv::win {

class UniqueHKey {
  public:
    UniqueHKey() = default;
    explicit UniqueHKey(HKEY key) : key_(key) {}
    UniqueHKey(UniqueHKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
    UniqueHKey& operator=(UniqueHKey&& other) noexcept {
        reset(std::exchange(other.key_, nullptr));
        return *this;
    }
    ~UniqueHKey() { reset(); }

    HKEY get() const { return key_; }
    HKEY* put() {
        reset();
        return &key_;
    }
    void reset(HKEY key = nullptr) {
        if (key_) RegCloseKey(key_);
        key_ = key;
    }

  private:
    HKEY key_ = nullptr;
};

class UniqueBstr {
  public:
    UniqueBstr() = default;
    explicit UniqueBstr(const std::wstring& text)
        : text_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    UniqueBstr(UniqueBstr&& other) noexcept : text_(std::exchange(other.text_, nullptr)) {}
    UniqueBstr& operator=(UniqueBstr&& other) noexcept {
        reset(std::exchange(other.text_, nullptr));
        return *this;
    }
    ~UniqueBstr() { reset(); }

    BSTR get() const { return text_; }
    BSTR* put() {
        reset();
        return &text_;
    }
    BSTR release() { return std::exchange(text_, nullptr); }
    void reset(BSTR text = nullptr) {
        if (text_) SysFreeString(text_);
        text_ = text;
    }

  private:
    BSTR text_ = nullptr;
};

class UniqueVariant {
  public:
    UniqueVariant() { VariantInit(&value_); }
    UniqueVariant(UniqueVariant&& other) noexcept : value_(other.value_) {
        VariantInit(&other.value_);
    }
    UniqueVariant& operator=(UniqueVariant&& other) noexcept {
        VariantClear(&value_);
        value_ = other.value_;
        VariantInit(&other.value_);
        return *this;
    }
    UniqueVariant(const UniqueVariant&) = delete;
    UniqueVariant& operator=(const UniqueVariant&) = delete;
    ~UniqueVariant() { VariantClear(&value_); }

    VARIANT* get() { return &value_; }
    const VARIANT* get() const { return &value_; }
    VARIANT release() {
        VARIANT value = value_;
        VariantInit(&value_);
        return value;
    }

  private:
    VARIANT value_;
};

class UniqueSafeArray {
  public:
    UniqueSafeArray() = default;
    explicit UniqueSafeArray(SAFEARRAY* array) : array_(array) {}
    UniqueSafeArray(UniqueSafeArray&& other) noexcept
        : array_(std::exchange(other.array_, nullptr)) {}
    UniqueSafeArray& operator=(UniqueSafeArray&& other) noexcept {
        reset(std::exchange(other.array_, nullptr));
        return *this;
    }
    ~UniqueSafeArray() { reset(); }

    SAFEARRAY* get() const { return array_; }
    SAFEARRAY* release() { return std::exchange(array_, nullptr); }
    void reset(SAFEARRAY* array = nullptr) {
        if (array_) SafeArrayDestroy(array_);
        array_ = array;
    }

  private:
    SAFEARRAY* array_ = nullptr;
};

template <class Interface>
class ComPtr {
  public:
    ComPtr() = default;
    ComPtr(const ComPtr& other) : pointer_(other.pointer_) {
        if (pointer_) pointer_->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(pointer_, other.pointer_);
        return *this;
    }
    ~ComPtr() { reset(); }

    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    Interface** put() {
        reset();
        return &pointer_;
    }
    void** putVoid() { return reinterpret_cast<void**>(put()); }
    void reset() {
        if (pointer_) std::exchange(pointer_, nullptr)->Release();
    }

  private:
    Interface* pointer_ = nullptr;
};

// The text of a BSTR; a null BSTR is the empty text.
inline std::wstring textOf(BSTR text) {
    return text ? std::wstring(text, SysStringLen(text)) : std::wstring();
}

}  // namespace qv::win
