#include "tonekit/Modulation/ModulatorTypes.h"

#include "tonekit/Modulation/CombinatorModulator.h"
#include "tonekit/Modulation/LfoModulator.h"
#include "tonekit/Modulation/TestModulator.h"
#include "tonekit/Modulation/XyModulator.h"

namespace Tonekit {
namespace {

template <class Kind>
Modulator* p_create(Device* a_device) {
    return new Kind(a_device);
}

constexpr ModulatorType modulator_types[] = {
    {CombinatorModulator::type_code, p_create<CombinatorModulator>},
    {LfoModulator::type_code, p_create<LfoModulator>},
    {TestModulator::type_code, p_create<TestModulator>},
    {XyModulator::type_code, p_create<XyModulator>},
};

} // namespace

const ModulatorType* find_modulator_type(unsigned a_code) noexcept {
    for (const ModulatorType& type : modulator_types)
        if (type.m_code == a_code)
            return &type;
    return nullptr;
}

} // namespace Tonekit
