#include "tonekit/Modulation/ModulationManager.h"

namespace Tonekit {

// With no modulators there is nothing to run in any stage.
void ModulationManager::process_stage_1(unsigned) noexcept {}
void ModulationManager::process_stage_3(unsigned) noexcept {}
void ModulationManager::run_restart_handlers() noexcept {}

} // namespace Tonekit
