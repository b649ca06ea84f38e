#pragma once

#include <memory>

namespace Orvo {

// The allocator the node-based containers use unless told otherwise.
template <class T>
using Allocator = std::allocator<T>;

} // namespace Orvo
