#include "orvo/Binis/BiniValueType.h"

#include "orvo/Core/Utf.h"

#include <string>

namespace Orvo {

namespace {

struct TypeInfo {
    const char16_t* name;
    unsigned size;
    bool array;
};

constexpr TypeInfo p_types[BiniValueType_ENUM_SIZE] = {
    {u"null", 0, false},        {u"bool", 1, false},        {u"double", 8, false},
    {u"double array", 8, true}, {u"float", 4, false},       {u"float array", 4, true},
    {u"int8", 1, false},        {u"int8 array", 1, true},   {u"int16", 2, false},
    {u"int16 array", 2, true},  {u"int32", 4, false},       {u"int32 array", 4, true},
    {u"int64", 8, false},       {u"int64 array", 8, true},  {u"string", 2, true},
    {u"uint8", 1, false},       {u"uint8 array", 1, true},  {u"uint16", 2, false},
    {u"uint16 array", 2, true}, {u"uint32", 4, false},      {u"uint32 array", 4, true},
    {u"uint64", 8, false},      {u"uint64 array", 8, true},
};

bool p_known(BiniValueType a_type) noexcept {
    return a_type < BiniValueType_ENUM_SIZE;
}

} // namespace

WString bini_value_type_name(BiniValueType a_type) {
    if (!p_known(a_type))
        return utf8_to_utf16_lossy("unknown type " + std::to_string(unsigned(a_type)));
    return WString(p_types[a_type].name);
}

bool is_bini_array_type(BiniValueType a_type) noexcept {
    return p_known(a_type) && p_types[a_type].array;
}

unsigned bini_value_size(BiniValueType a_type) noexcept {
    return p_known(a_type) ? p_types[a_type].size : 0;
}

} // namespace Orvo
