#pragma once
// Owns one Cairo or fontconfig object: the destroy function runs exactly once, when the handle
// lets go. Shared ownership goes through std::shared_ptr built from a released handle.

#include <memory>

namespace Vexa {

template <class T, void (*Destroy)(T*)>
struct CairoDeleter {
    void operator()(T* a_object) const noexcept {
        if (a_object)
            Destroy(a_object);
    }
};

template <class T, void (*Destroy)(T*)>
using CairoHandle = std::unique_ptr<T, CairoDeleter<T, Destroy>>;

// A reference-counted handle: copies share the object, the last one destroys it.
template <class T, void (*Destroy)(T*)>
std::shared_ptr<T> make_shared_cairo(T* a_object) {
    if (!a_object)
        return {};
    return std::shared_ptr<T>(a_object, CairoDeleter<T, Destroy>());
}

} // namespace Vexa
