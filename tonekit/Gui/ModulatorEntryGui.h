#pragma once
// Makes the cells of one row of an entry table: the editors of the entry's parameters under the
// table's columns. LFO entries add their phase group (the start phase group and the phase).
// [ui-thread]

#include "tonekit/Gui/CommandRunner.h"
#include "tonekit/Gui/ModulatorGuiColumn.h"

namespace Vexa {
class Widget;
}

namespace Tonekit {

class ModulatorEntry;

class ModulatorEntryGui {
public:
    ModulatorEntryGui(ModulatorEntry& a_entry, CommandRunner a_run)
        : m_entry(a_entry), m_run(std::move(a_run)) {}
    virtual ~ModulatorEntryGui() = default;

    // Null when the entry has nothing for the column.
    virtual Vexa::Widget* create_cell(const ModulatorGuiColumn& a_column);

protected:
    Vexa::Widget* p_editor_of(unsigned a_id) const;

    ModulatorEntry& m_entry;
    CommandRunner m_run;
};

class LfoModulatorEntryGui : public ModulatorEntryGui {
public:
    using ModulatorEntryGui::ModulatorEntryGui;
    Vexa::Widget* create_cell(const ModulatorGuiColumn& a_column) override;
};

} // namespace Tonekit
