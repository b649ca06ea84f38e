#include "orvo/Core/Assert.h"

#include "orvo/Core/Utf.h"

#include <string>

namespace Orvo {

void assertion_failed(const char* a_condition, const char* a_source_file, const char* a_function,
                      int a_line) {
    Exception failure(utf8_to_utf16_lossy(a_condition));
    failure.set_location(a_source_file, a_function, a_line);
    throw failure;
}

void not_overridden(const char* a_class_and_operation) {
    throw Exception(utf8_to_utf16_lossy(std::string(a_class_and_operation) + " not overridden."));
}

} // namespace Orvo
