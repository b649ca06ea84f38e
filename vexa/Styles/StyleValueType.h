#pragma once
// The kinds of value a style sheet can give a property. The codes are fixed: registrations and
// compiled sheets refer to them by number.

namespace Vexa {

enum StyleValueType {
    StyleValueType_BOOLEAN = 0,
    StyleValueType_BORDER = 1,
    StyleValueType_BRUSH = 2,
    // A registration type only: the property takes one of a set of names, each mapped to a value.
    StyleValueType_ENUMERATED = 3,
    StyleValueType_COLOR = 4,
    StyleValueType_DIMENSION = 5,
    StyleValueType_FONT = 6,
    StyleValueType_FRAME = 7,
    StyleValueType_INTEGER = 8,
    StyleValueType_LIST = 9,
    StyleValueType_PARENT = 10,
    StyleValueType_PEN = 11,
    StyleValueType_STRING = 12,
    StyleValueType_ENUM_SIZE = 13
};

} // namespace Vexa
