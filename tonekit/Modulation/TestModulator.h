#pragma once
// A diagnostic modulator without a panel: three values "A", "B", "C" on the modulator and on each
// entry, where an entry's "Override" switches choose its own value over the modulator's. Its
// entries pass their target's value on unchanged; they exist to exercise routing and storage.

#include "tonekit/Modulation/Modulator.h"
#include "tonekit/Modulation/ModulatorEntry.h"

namespace Tonekit {

class TestModulator;

class TestModulatorEntry : public ModulatorEntry {
public:
    explicit TestModulatorEntry(TestModulator* a_modulator);

    // The entry's value of A, B or C (0..2), or the modulator's unless overridden.
    float get_value(unsigned a_which) const;

private:
    FloatParameter* m_values[3];
    bool m_overrides[3] = {};
    alignas(16) float m_lanes_abc[3][16] = {};
};

class TestModulator : public Modulator {
public:
    static constexpr unsigned type_code = 6;

    explicit TestModulator(Device* a_device);

    Modulator* create_same_kind() const override { return new TestModulator(m_device); }
    ModulatorEntry* create_entry() override { return new TestModulatorEntry(this); }
    // Throws "No gui.".
    ModulatorGui* create_gui() override;
    void process(unsigned a_frames, bool a_start) noexcept override;

    float get_value(unsigned a_which) const;

private:
    FloatParameter* m_values[3];
    alignas(16) float m_lanes_abc[3][16] = {};
};

} // namespace Tonekit
