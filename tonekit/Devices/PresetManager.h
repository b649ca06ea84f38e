#pragma once
// Writes and reads the device's state: preset files and the host's project chunk.

#include "orvo/Core/String.h"

namespace Orvo {
class InputStream;
class OutputStream;
} // namespace Orvo

namespace Tonekit {

class Device;

class PresetManager {
public:
    // Sections of a saved state.
    enum Section : unsigned {
        Section_MODULATION = 1,
        Section_PROGRAM = 2,
        Section_STATE = 4,
        Section_ALL = 7,
    };

    explicit PresetManager(Device* a_device) : m_device(a_device) {}
    virtual ~PresetManager() = default;

    virtual void initialize() {}
    // Writes the selected sections to a_output. Writes nothing while the device has no state
    // format.
    virtual void save(Orvo::OutputStream& a_output, unsigned a_sections);
    // Reads a whole state from a_input; throws when it cannot, leaving the clean state.
    virtual void load(Orvo::InputStream& a_input);

protected:
    Device* m_device;
};

} // namespace Tonekit
