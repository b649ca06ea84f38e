// Hands arbitrary bytes to a fresh device's preset manager as a host chunk and checks, for every
// input I:
//
//  1. Loading either succeeds or throws Orvo::Exception "An error occurred while loading the
//     preset." with the cause inside. Any other exception, a crash, a leak or an out-of-bounds
//     access is a finding.
//  2. The device then processes audio and saves its state without failing.
//  3. When the load failed, that state is exactly the clean state: the saved bytes equal those
//     of a device that never loaded anything. Nothing of I survives a failed load.
//  4. When the load succeeded, its saved bytes S load into another fresh device, which saves
//     exactly S again: whatever a chunk makes of a device, the device can give back.
//  5. After a failed load, a valid chunk still loads.
//
// The device is the preset tests' one: a plain parameter, a parameter with two variations, an
// instance setting, custom program and state data.

#include "orvo/Core/Exception.h"
#include "tests/tonekit/PresetTestDevice.h"
#include "tonekit/Devices/PresetManager.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

using TonekitTest::Bytes;
using TonekitTest::PresetTestDevice;

[[noreturn]] void fail(const char* a_what) {
    std::fprintf(stderr, "ChunkLoadFuzz property violated: %s\n", a_what);
    std::abort();
}

std::unique_ptr<PresetTestDevice> fresh_device() {
    static TonekitTest::TemporaryFolder home;
    auto device = std::make_unique<PresetTestDevice>(home.path());
    device->initialize();
    return device;
}

void process_block(PresetTestDevice& a_device) {
    alignas(16) float left[40] = {};
    alignas(16) float right[40] = {};
    float* inputs[2] = {left, right};
    float* outputs[2] = {left, right};
    Tonekit::ProcessRequest request;
    request.m_inputs = inputs;
    request.m_outputs = outputs;
    request.m_frames = 40;
    a_device.process(request);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* a_data, std::size_t a_size) {
    static const Bytes clean = fresh_device()->save_bytes();
    const Bytes input(a_data, a_data + a_size);

    auto device = fresh_device();
    bool loaded = true;
    try {
        device->load_bytes(input);
    } catch (const Orvo::Exception& failure) {
        if (failure.get_message() != Tonekit::PresetManager::load_error)
            fail("a failed load threw another message");
        if (!failure.get_inner())
            fail("a failed load lost its cause");
        loaded = false;
    }
    process_block(*device);
    const Bytes saved = device->save_bytes();
    if (!loaded) {
        if (saved != clean)
            fail("a failed load left something of the chunk behind");
        device->load_bytes(clean);
        if (device->save_bytes() != clean)
            fail("a valid chunk did not load after a failed one");
        return 0;
    }
    auto again = fresh_device();
    again->load_bytes(saved);
    if (again->save_bytes() != saved)
        fail("a loaded state did not survive saving and loading again");
    return 0;
}
