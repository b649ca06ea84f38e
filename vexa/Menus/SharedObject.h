#pragma once
// Objects that several owners share by counting references: a menu holds its items, a submenu item
// its submenu, and whoever opens a menu holds the menu. A new object has no reference; the last
// release deletes it. SharedRef is the holder that takes and gives back one reference.
// [ui-thread] The counter is not atomic: menus live on the thread that owns the windows.

#include "orvo/Core/Assert.h"

#include <utility>

namespace Vexa {

class SharedObject {
public:
    SharedObject() = default;
    SharedObject(const SharedObject&) = delete;
    SharedObject& operator=(const SharedObject&) = delete;

    void add_reference() noexcept { ++m_reference_counter; }
    void release() {
        ORVO_ASSERT(m_reference_counter > 0);
        if (--m_reference_counter == 0)
            delete this;
    }
    unsigned get_reference_counter() const noexcept { return m_reference_counter; }

protected:
    virtual ~SharedObject() = default;

private:
    unsigned m_reference_counter = 0;
};

template <class T>
class SharedRef {
public:
    SharedRef() noexcept = default;
    // Takes a reference of its own, so `SharedRef<T> ref(new T)` holds the only one.
    SharedRef(T* a_object) noexcept : m_object(a_object) {
        if (m_object)
            m_object->add_reference();
    }
    SharedRef(const SharedRef& a_other) noexcept : SharedRef(a_other.m_object) {}
    SharedRef(SharedRef&& a_other) noexcept : m_object(std::exchange(a_other.m_object, nullptr)) {}
    ~SharedRef() { reset(); }
    SharedRef& operator=(SharedRef a_other) noexcept {
        std::swap(m_object, a_other.m_object);
        return *this;
    }

    void reset() {
        if (T* object = std::exchange(m_object, nullptr))
            object->release();
    }
    T* get() const noexcept { return m_object; }
    T* operator->() const noexcept { return m_object; }
    T& operator*() const noexcept { return *m_object; }
    explicit operator bool() const noexcept { return m_object != nullptr; }

private:
    T* m_object = nullptr;
};

} // namespace Vexa
