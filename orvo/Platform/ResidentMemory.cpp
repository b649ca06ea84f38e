#include "orvo/Platform/ResidentMemory.h"

#include <fstream>
#include <unistd.h>

namespace Orvo {

long resident_memory_bytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    if (!(statm >> size >> resident))
        return -1;
    return resident * sysconf(_SC_PAGESIZE);
}

} // namespace Orvo
