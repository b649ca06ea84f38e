#include "tonekit/Devices/PresetManager.h"

#include "orvo/Core/Exception.h"

namespace Tonekit {

void PresetManager::save(Orvo::OutputStream&, unsigned) {}

void PresetManager::load(Orvo::InputStream&) {
    throw Orvo::Exception(u"An error occurred while loading the preset.");
}

} // namespace Tonekit
