#include "tonekit/ParameterTypes/Unit.h"

#include "orvo/Core/Assert.h"

namespace Tonekit {
namespace {

constexpr UnitInfo unit_table[Unit_ENUM_SIZE] = {
    {u"null", u"", 0, false},
    {u"amplitude ratio", u"", 1, false},
    {u"cents", u"cents", 2, true},
    {u"decibels", u"db", 4, true},
    {u"frames", u"", 8, false},
    {u"frequency ratio", u"", 16, true},
    {u"hertz", u"hz", 32, false},
    {u"inverted frames", u"", 64, false},
    {u"millioctaves", u"moct", 128, true},
    {u"milliseconds", u"ms", 256, false},
    {u"none", u"", 512, false},
    {u"normalized frequency", u"", 1024, false},
    {u"octaves", u"oct", 2048, true},
    {u"percent offset", u"", 4096, true},
    {u"seconds", u"s", 8192, false},
    {u"semitones", u"semi", 16384, true},
};

} // namespace

const UnitInfo& get_unit_info(Unit a_unit) {
    ORVO_ASSERT(a_unit < Unit_ENUM_SIZE);
    return unit_table[a_unit];
}

} // namespace Tonekit
