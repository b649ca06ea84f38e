// Host calls as real hosts make them: from their audio thread and other threads, while the
// user-interface thread holds the device's locks for a load or a modulator's removal.
#include "TestDevice.h"

#include "tests/support/SilentBlock.h"
#include "tonekit/Parameters/ParameterOwner.h"
#include "tonekit/vst/VstHost.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

using namespace TonekitTest;

namespace {

Vst::IntPtr quiet_host(Vst::AEffect*, Vst::Int32 a_opcode, Vst::Int32, Vst::IntPtr, void*, float) {
    return a_opcode == Vst::audioMasterVersion ? 2400 : 0;
}

// A parameter as a modulator owns it, so that the slots take it.
struct ModulatorParameter {
    explicit ModulatorParameter(const char (&a_id)[5])
        : m_parameter(new PlainParameter(Orvo::four_cc(a_id), u"Rate", nullptr)) {
        m_parameter->set_owner(&m_owner);
    }
    ~ModulatorParameter() { release(); }
    void release() {
        if (!m_parameter)
            return;
        m_parameter->destroy();
        delete m_parameter;
        m_parameter = nullptr;
    }
    Tonekit::ParameterOwner m_owner{Tonekit::ParameterOwner::Kind_MODULATOR};
    PlainParameter* m_parameter;
};

struct HostedDevice {
    HostedDevice() {
        auto owned = std::make_unique<RecordingDevice>(m_folder.path());
        m_device = owned.get();
        m_device->initialize();
        m_host = std::make_unique<Tonekit::VstHost>(quiet_host, std::move(owned));
    }
    void block() { TestSupport::process_silence(*m_device, 16); }
    // Runs a_call on another thread while this one holds the structural locks; true when the
    // call came back before they were released.
    template <class Call, class WhileHeld>
    bool returns_while_locked(Call a_call, WhileHeld a_while_held) {
        std::atomic<bool> done{false};
        std::thread caller;
        bool returned;
        {
            auto locks = m_device->lock_structure();
            caller = std::thread([&] {
                a_call();
                done = true;
            });
            const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(5);
            while (!done && std::chrono::steady_clock::now() < limit)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            returned = done;
            a_while_held();
        }
        caller.join();
        return returned;
    }

    TemporaryFolder m_folder;
    RecordingDevice* m_device;
    std::unique_ptr<Tonekit::VstHost> m_host;
};

} // namespace

TEST(HostThreads, SetParameterDuringALoadNeverWaitsNorTouchesTheRemovedParameter) {
    HostedDevice hosted;
    Tonekit::DeviceProgram& program = *hosted.m_device->get_program();
    ModulatorParameter removed("Rate");
    ModulatorParameter next("Next");
    program.assign(0, removed.m_parameter);

    // As a load does: the slot's parameter is deleted and another takes its place under the
    // locks, while the host's automation arrives from another thread.
    ASSERT_TRUE(hosted.returns_while_locked([&] { hosted.m_host->setParameter(0, 0.75f); },
                                            [&] {
                                                program.assign(0, nullptr);
                                                removed.release();
                                                program.assign(0, next.m_parameter);
                                            }));
    EXPECT_FLOAT_EQ(hosted.m_host->getParameter(0), 0.75f) << "the waiting value reads back";
    EXPECT_NE(next.m_parameter->get_normalized_value(), 0.75f);
    // The next block applies it to what the slot shows then.
    hosted.block();
    EXPECT_FLOAT_EQ(next.m_parameter->get_normalized_value(), 0.75f);
    EXPECT_EQ(next.m_parameter->m_commits, 1);
    program.assign(0, nullptr);
}

TEST(HostThreads, ReadsAndTextsAnswerWhileTheLocksAreHeld) {
    HostedDevice hosted;
    hosted.m_host->setParameter(2, 0.5f);
    char display[16];
    hosted.m_host->getParameterDisplay(2, display);
    float value = -1.0f;
    char during[16] = "x";
    char name[16] = "x";
    ASSERT_TRUE(hosted.returns_while_locked(
        [&] {
            value = hosted.m_host->getParameter(2);
            hosted.m_host->getParameterDisplay(2, during);
            hosted.m_host->getParameterName(0, name);
        },
        [] {}));
    EXPECT_FLOAT_EQ(value, 0.5f);
    EXPECT_STREQ(during, display) << "the last answer stands in";
    EXPECT_STREQ(name, "Assignable 1");
}

TEST(HostThreads, AParameterSitsInOneSlotOnly) {
    HostedDevice hosted;
    Tonekit::DeviceProgram& program = *hosted.m_device->get_program();
    ModulatorParameter rate("Rate");
    ModulatorParameter depth("Dept");
    program.assign(0, rate.m_parameter);
    program.assign(1, rate.m_parameter);
    EXPECT_EQ(program.get_slot_record(0).m_assigned, nullptr);
    EXPECT_EQ(program.host_parameter(0), program.get_slot_record(0).m_slot);
    EXPECT_EQ(rate.m_parameter->m_host_index, 1);

    // Reassigning the freed slot leaves the parameter connected to the host where it is shown.
    program.assign(0, depth.m_parameter);
    EXPECT_EQ(rate.m_parameter->m_host_index, 1);
    EXPECT_NE(rate.m_parameter->m_host_notifier, nullptr);
    program.assign(0, nullptr);
    program.assign(1, nullptr);
}

TEST(HostThreads, ResetLeavesTheMidiRingToItsReader) {
    // The event call may be writing into the ring while the user-interface thread resets: only
    // the audio thread, the ring's reader, may empty it, at its next block.
    HostedDevice hosted;
    Tonekit::MidiRing& ring = hosted.m_device->get_midi_ring();
    const std::uint32_t note_on = 0x90u | 60u << 8 | 100u << 16;
    while (ring.push(note_on)) {
    }
    hosted.m_device->reset();
    EXPECT_FALSE(ring.push(note_on)) << "emptied by the resetting thread";
    hosted.block();
    EXPECT_TRUE(hosted.m_device->m_notes.empty()) << "notes from before the reset were played";
    ASSERT_TRUE(ring.push(note_on));
    hosted.block();
    EXPECT_EQ(hosted.m_device->m_notes.size(), 1u);
}
