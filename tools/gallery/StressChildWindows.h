#pragma once

namespace Gallery {

// Opens and closes `a_count` toolkit windows as children of a window of another X connection (as a
// host's editor window would be), then reports the X windows left under that parent and the growth
// of resident memory after a warm-up. Returns 0 when nothing is left and the growth is below 1 MB.
int stress_child_windows(int a_count);

} // namespace Gallery
