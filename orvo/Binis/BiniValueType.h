#pragma once
// The value types of a Bini node. The codes are the bytes of the file format and never change.

#include "orvo/Core/String.h"

#include <cstdint>

namespace Orvo {

enum BiniValueType : std::uint8_t {
    BiniValueType_NULL = 0,
    BiniValueType_BOOL = 1,
    BiniValueType_DOUBLE = 2,
    BiniValueType_DOUBLE_ARRAY = 3,
    BiniValueType_FLOAT = 4,
    BiniValueType_FLOAT_ARRAY = 5,
    BiniValueType_INT8 = 6,
    BiniValueType_INT8_ARRAY = 7,
    BiniValueType_INT16 = 8,
    BiniValueType_INT16_ARRAY = 9,
    BiniValueType_INT32 = 10,
    BiniValueType_INT32_ARRAY = 11,
    BiniValueType_INT64 = 12,
    BiniValueType_INT64_ARRAY = 13,
    BiniValueType_STRING = 14,
    BiniValueType_UINT8 = 15,
    BiniValueType_UINT8_ARRAY = 16,
    BiniValueType_UINT16 = 17,
    BiniValueType_UINT16_ARRAY = 18,
    BiniValueType_UINT32 = 19,
    BiniValueType_UINT32_ARRAY = 20,
    BiniValueType_UINT64 = 21,
    BiniValueType_UINT64_ARRAY = 22,
    BiniValueType_ENUM_SIZE = 23,
};

// The name used in "Expected type @2." messages: "null", "bool", "double", "float", "int8" ...
// "uint64" and "string" for the scalars; an array type is its element's name followed by
// " array" ("float array"). A code outside the table gives "unknown type <code>".
WString bini_value_type_name(BiniValueType a_type);

bool is_bini_array_type(BiniValueType a_type) noexcept;

// Bytes of a scalar payload or of one array element (2 for a string's code units); 0 for null
// and for codes outside the table.
unsigned bini_value_size(BiniValueType a_type) noexcept;

} // namespace Orvo
