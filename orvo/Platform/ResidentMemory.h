#pragma once
// The resident memory of this process, for checks that judge leaks by growth. A sanitizer's
// allocator quarantines freed memory, so under one the figure says nothing about leaks (its leak
// checker judges instead).

namespace Orvo {

// Bytes, from /proc/self/statm; -1 when that cannot be read.
long resident_memory_bytes();

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
inline constexpr bool resident_memory_is_meaningful = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
inline constexpr bool resident_memory_is_meaningful = false;
#else
inline constexpr bool resident_memory_is_meaningful = true;
#endif
#else
inline constexpr bool resident_memory_is_meaningful = true;
#endif

} // namespace Orvo
