#pragma once
// What the modulation manager tells its receivers (the modulation editor). Every event is emitted
// on the user-interface thread, with the device's structural locks held: a receiver notes what to
// redraw and must not change the modulation from inside the handler.

namespace Tonekit {

class Modulator;
class ModulatorEntry;

namespace ModulationEvents {

struct OnCleared {};
struct OnLoaded {};
struct OnEntryMoved {
    Modulator* m_modulator;
    unsigned m_from;
    unsigned m_to;
};
struct OnModulatorMoved {
    Modulator* m_modulator;
    unsigned m_from;
    unsigned m_to;
};
struct EntryEvent {
    ModulatorEntry* m_entry;
};
struct ModulatorEvent {
    Modulator* m_modulator;
};

} // namespace ModulationEvents
} // namespace Tonekit
