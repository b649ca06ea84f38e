#include "HeadlessToolkit.h"

#include "orvo/Signals/MethodSlot1.h"
#include "vexa/Window/Timer.h"

#include <functional>
#include <string>
#include <vector>

using namespace Vexa;
using VexaTest::failure;
using VexaTest::HeadlessToolkit;

namespace {

struct Ticker {
    std::function<void()> action;
    int ticks = 0;
    void on_tick(TimerTickEvent&) {
        ++ticks;
        if (action)
            action();
    }
    void attach(Timer& a_timer) {
        a_timer.get_tick_signal().connect(
            new Orvo::MethodSlot1<void(TimerTickEvent&), Ticker>(this, &Ticker::on_tick));
    }
};

using ApplicationLoop = HeadlessToolkit;

TEST_F(ApplicationLoop, TokensServeOneLoopAndAreDeletedByIt) {
    Application& application = *Application::get();
    EXPECT_EQ(failure([&] { application.loop(nullptr); }), u"a_quit_loop");

    QuitApplicationLoop* early = application.create_quit_loop();
    early->quit();
    application.loop(early); // returns at once
    EXPECT_EQ(application.get_quit_loop_count(), 0u);

    SystemWindow window(nullptr, 0);
    Timer timer(&window);
    Ticker ticker;
    QuitApplicationLoop* token = application.create_quit_loop();
    std::u16string nested_failure;
    ticker.action = [&] {
        nested_failure = failure([&] { application.loop(token); });
        token->quit();
    };
    ticker.attach(timer);
    timer.start(20, true);
    application.loop(token);
    EXPECT_EQ(nested_failure, u"!a_quit_loop->m_used");
    EXPECT_EQ(application.get_quit_loop_count(), 0u);
}

TEST_F(ApplicationLoop, ModalWindowsNestEndInnermostFirstAndDisableTheirOwnerOnce) {
    SystemWindow owner(nullptr, 0);
    owner.show(Modality_MODELESS);
    SystemWindow first(&owner, 0);
    SystemWindow second(&owner, 0);
    Timer open_second(&first);
    Timer close_second(&second);
    Ticker opener, closer;
    std::vector<std::string> order;
    opener.action = [&] {
        close_second.start(5, true);
        second.show(Modality_MODAL);
        order.push_back("second returned");
        EXPECT_EQ(owner.get_disable_counter(), 1);
        first.close();
    };
    closer.action = [&] {
        EXPECT_EQ(owner.get_disable_counter(), 2);
        EXPECT_FALSE(owner.is_enabled());
        order.push_back("closing second");
        second.close();
    };
    opener.attach(open_second);
    closer.attach(close_second);
    open_second.start(10, true);
    first.show(Modality_MODAL);
    order.push_back("first returned");
    EXPECT_EQ(order,
              (std::vector<std::string>{"closing second", "second returned", "first returned"}));
    EXPECT_TRUE(owner.is_enabled());
    EXPECT_EQ(Application::get()->get_quit_loop_count(), 0u);
}

TEST_F(ApplicationLoop, TimersTickOnTheFakeClock) {
    SystemWindow window(nullptr, 0);
    Timer periodic(&window), single(&window);
    Ticker periodic_ticks, single_ticks;
    periodic_ticks.attach(periodic);
    single_ticks.attach(single);
    periodic.start(50);
    single.start(30, true);
    m_platform->advance_time(49);
    EXPECT_EQ(periodic_ticks.ticks, 0);
    m_platform->advance_time(126); // t = 175
    EXPECT_EQ(periodic_ticks.ticks, 3);
    EXPECT_EQ(single_ticks.ticks, 1);
    EXPECT_FALSE(single.is_active());
    periodic.start(100); // a restart counts from now
    m_platform->advance_time(99);
    EXPECT_EQ(periodic_ticks.ticks, 3);
    periodic.stop();
    m_platform->advance_time(1000);
    EXPECT_EQ(periodic_ticks.ticks, 3);
    EXPECT_EQ(m_platform->get_timer_count(), 0u);
}

TEST_F(ApplicationLoop, ALoopWithNothingToServeFailsInsteadOfHanging) {
    SystemWindow window(nullptr, 0);
    EXPECT_EQ(failure([&] { window.show(Modality_MODAL); }),
              u"Nothing is left to serve: the loop would wait forever.");
    EXPECT_EQ(Application::get()->get_quit_loop_count(), 0u);
}

TEST_F(ApplicationLoop, TheMainWindowEndsTheOuterLoopWhenItCloses) {
    SystemWindow window(nullptr, 0);
    window.set_quit_application_on_close(true);
    window.show(Modality_MODELESS);
    NativeEvent close;
    close.type = NativeEventType::close_request;
    m_platform->post(*window.get_native_window(), close);
    Application::get()->loop(Application::get()->create_quit_loop());
    EXPECT_FALSE(window.is_shown());
}

} // namespace
