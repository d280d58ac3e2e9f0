#pragma once

#include <gst/gst.h>

#include <utility>

/// Owns one reference to a GStreamer object and drops it when it goes.
template<typename T>
class GstRef {
public:
    GstRef() = default;
    ~GstRef() { reset(); }
    GstRef(GstRef &&other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    GstRef &operator=(GstRef &&other) noexcept {
        if (this != &other) {
            reset();
            m_object = std::exchange(other.m_object, nullptr);
        }
        return *this;
    }
    GstRef(const GstRef &) = delete;
    GstRef &operator=(const GstRef &) = delete;

    /// Takes over a reference the caller owns (a "transfer full" result).
    static GstRef adopt(T *object) {
        GstRef ref;
        ref.m_object = object;
        return ref;
    }
    /// Takes a new object whose reference may still be floating (a "transfer floating" result).
    static GstRef sink(T *object) {
        GstRef ref;
        ref.m_object = object ? static_cast<T *>(gst_object_ref_sink(object)) : nullptr;
        return ref;
    }
    /// Adds a reference of its own to an object someone else owns.
    static GstRef share(T *object) {
        GstRef ref;
        ref.m_object = object ? static_cast<T *>(gst_object_ref(object)) : nullptr;
        return ref;
    }

    T *get() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }
    void reset() {
        if (m_object) {
            gst_object_unref(std::exchange(m_object, nullptr));
        }
    }

private:
    T *m_object = nullptr;
};
