#include "TestDevice.h"
#include "tests/support/ScopedEnvironment.h"

#include "orvo/Core/OperationFailedException.h"
#include "orvo/Core/Utf.h"
#include "tonekit/Devices/MidiRing.h"
#include "tonekit/Parameters/CommittableCallback.h"
#include "tonekit/vst/VstEntry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <future>
#include <thread>

using namespace TonekitTest;
using Tonekit::ProcessRequest;

namespace {

using TestSupport::ScopedEnvironment;

struct Buffers {
    explicit Buffers(unsigned a_frames) : left(a_frames, 1.0f), right(a_frames, -1.0f) {
        inputs[0] = left.data(), inputs[1] = right.data();
        out_left.assign(a_frames, 9.0f), out_right.assign(a_frames, 9.0f);
        outputs[0] = out_left.data(), outputs[1] = out_right.data();
    }
    ProcessRequest request(unsigned a_frames) const {
        ProcessRequest r;
        r.m_inputs = inputs, r.m_outputs = outputs, r.m_frames = a_frames;
        return r;
    }
    std::vector<float> left, right, out_left, out_right;
    const float* inputs[2];
    float* outputs[2];
};

} // namespace

TEST(DeviceFolders, AFreshAccountGetsTheWholeFolderChainCreated) {
    TemporaryFolder home;
    const auto data_home = home.path() / "fresh" / "share";
    ScopedEnvironment xdg("XDG_DATA_HOME", data_home.c_str());
    RecordingDevice device;
    device.initialize();
    EXPECT_TRUE(
        std::filesystem::is_directory(data_home / "Test Vendor" / "Test Device" / "Presets"));
    EXPECT_EQ(Orvo::to_utf8(device.get_settings_path()),
              (data_home / "Test Vendor" / "Test Device" / "Settings.data").string());
    EXPECT_EQ(Orvo::to_utf8(device.get_static_config().m_preset_folder),
              (data_home / "Test Vendor" / "Test Device" / "Presets").string());
}

class InitializedDevice : public ::testing::Test {
protected:
    void SetUp() override { device.initialize(); }
    TemporaryFolder folder;
    RecordingDevice device{folder.path()};
};

TEST_F(InitializedDevice, ABusyProcessingLockGivesSilenceEvenInPlace) {
    std::vector<float> left(64, 1.0f), right(64, 1.0f);
    float* channels[2] = {left.data(), right.data()};
    ProcessRequest request;
    request.m_inputs = channels, request.m_outputs = channels, request.m_frames = 64;
    std::thread holder;
    std::mutex ready_lock;
    std::condition_variable ready;
    bool held = false, done = false;
    holder = std::thread([&] {
        std::lock_guard processing(device.processing_lock());
        std::unique_lock lock(ready_lock);
        held = true;
        ready.notify_all();
        ready.wait(lock, [&] { return done; });
    });
    {
        std::unique_lock lock(ready_lock);
        ready.wait(lock, [&] { return held; });
    }
    device.process(request);
    {
        std::lock_guard lock(ready_lock);
        done = true;
    }
    ready.notify_all();
    holder.join();
    EXPECT_EQ(left, std::vector<float>(64, 0.0f));
    EXPECT_EQ(right, std::vector<float>(64, 0.0f));
    EXPECT_TRUE(device.m_calls.empty());
}

TEST_F(InitializedDevice, HostChangesReachTheAudioAtTheNextBlockWithCallbacksOncePerPass) {
    int callback_runs = 0;
    struct Counter {
        int* m_runs;
        void count() { ++*m_runs; }
    } counter{&callback_runs};
    auto* callback = new Tonekit::CommittableMethodCallback<Counter>(&counter, &Counter::count);
    device.m_gain->set_committable_callback(callback);

    Buffers buffers(16);
    device.m_gain->set_normalized_value_from_host(0.75f);
    device.m_gain->set_normalized_value_from_host(0.5f);
    EXPECT_EQ(device.m_gain_value, 0.25f) << "applied before the audio thread took it";
    device.process(buffers.request(16));
    EXPECT_EQ(device.m_gain_value, 0.5f);
    EXPECT_EQ(buffers.out_left[0], 0.5f);
    EXPECT_EQ(callback_runs, 1);
    device.process(buffers.request(16));
    EXPECT_EQ(callback_runs, 1) << "nothing changed, nothing to commit";

    // The host's value is written under the parameter lock, as seen from another thread.
    static bool written_under_lock = false;
    device.m_gain->m_denormalize = [](Tonekit::Parameter* a_self) {
        std::thread([a_self] {
            std::unique_lock lock(a_self->get_device()->parameter_lock(), std::try_to_lock);
            written_under_lock = !lock.owns_lock();
        }).join();
        auto* self = static_cast<PlainParameter*>(a_self);
        self->m_value = self->m_normalized_value;
    };
    // A writer in the middle of a change holds the parameter lock: the audio thread must not read
    // half-written values, so the change waits one host block.
    device.m_gain->set_normalized_value_from_host(0.75f);
    EXPECT_TRUE(written_under_lock);
    std::promise<void> held, release;
    std::future<void> holding = held.get_future();
    std::thread writer([&, released = release.get_future()] {
        std::lock_guard lock(device.parameter_lock());
        held.set_value();
        released.wait();
    });
    holding.wait();
    device.process(buffers.request(16));
    EXPECT_EQ(device.m_gain_value, 0.5f);
    release.set_value();
    writer.join();
    device.process(buffers.request(16));
    EXPECT_EQ(device.m_gain_value, 0.75f);
}

TEST_F(InitializedDevice, MidiWordsBecomeNotesAndAFullRingDropsNewWords) {
    Tonekit::MidiRing& ring = device.get_midi_ring();
    ring.push(0x00403C92); // note on, channel 3, key 60, velocity 64
    ring.push(0x00003C82); // note off
    ring.push(0x00003C90); // note on with velocity 0 stays a note-on
    ring.push(0x00127FB0); // controller: ignored
    Buffers buffers(16);
    device.process(buffers.request(16));
    EXPECT_EQ(device.m_notes, (std::vector<Call>{{"on", 2u << 16 | 60u << 8 | 64u},
                                                 {"off", 2u << 16 | 60u << 8},
                                                 {"on", 60u << 8}}));
    device.m_notes.clear();
    unsigned accepted = 0;
    for (unsigned i = 0; i < 2 * Tonekit::MidiRing::capacity; ++i)
        accepted += ring.push(0x00400090u | (i & 0x7Fu) << 8) ? 1 : 0;
    EXPECT_EQ(accepted, Tonekit::MidiRing::capacity - 1);
    device.process(buffers.request(16));
    ASSERT_EQ(device.m_notes.size(), accepted);
    EXPECT_EQ(device.m_notes.front().m_frames >> 8 & 0x7F, 0u) << "the oldest words survive";
}

// What the adapter hands a host: texts cut to the host's buffers, and an empty chunk (no bytes)
// ignored rather than loaded as a damaged one, which would wipe the user's state.
TEST(HostAdapter, CutsTextsAndIgnoresAnEmptyChunk) {
    char text[32];
    std::memset(text, 'x', sizeof text);
    Tonekit::copy_host_text("value text longer than 15", text,
                            Tonekit::VstHost::parameter_text_limit);
    EXPECT_STREQ(text, "value text long");

    TemporaryFolder home;
    ScopedEnvironment data_home("XDG_DATA_HOME", home.path().c_str());
    Vst::AEffect* effect = Tonekit::create_vst_effect<RecordingDevice>(
        [](Vst::AEffect*, Vst::Int32 a_opcode, Vst::Int32, Vst::IntPtr, void*, float) {
            return Vst::IntPtr(a_opcode == Vst::audioMasterVersion ? 2400 : 0);
        });
    ASSERT_NE(effect, nullptr);
    effect->setParameter(effect, 2, 0.75f);
    char byte = 0;
    effect->dispatcher(effect, Vst::effSetChunk, 0, 0, &byte, 0.0f);
    EXPECT_EQ(effect->getParameter(effect, 2), 0.75f);
    effect->dispatcher(effect, Vst::effClose, 0, 0, nullptr, 0.0f);
}
