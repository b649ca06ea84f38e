// plugin_stress: a hostile host for the built plug-in.
//
//   plugin_stress storm [--seconds S] [--seed N] [--chunk FILE]
//                                                  three threads on one effect (see Storm.h)
//   plugin_stress lifecycle [--instances N]        open and close effects (see LifecycleLoop.h)
//
// The plug-in's folders go to a temporary data home, so a run never touches the user's settings
// or presets. The automation phase automates the modulators of tests/stress/data/automated.chunk.

#include "LifecycleLoop.h"
#include "Storm.h"
#include "StressHost.h"
#include "Watchdog.h"

#include "tests/support/TemporaryFolder.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Options {
    std::string m_mode;
    double m_seconds = 3.0;
    unsigned long m_seed = 1;
    unsigned long m_instances = 1000;
    // A chunk to start from, so that the storm also runs with modulators in place.
    std::string m_chunk;
};

[[noreturn]] void usage(const char* a_problem) {
    std::fprintf(stderr,
                 "plugin_stress: %s\n"
                 "usage: plugin_stress storm [--seconds S] [--seed N] [--chunk FILE]\n"
                 "       plugin_stress lifecycle [--instances N]\n",
                 a_problem);
    std::exit(2);
}

// A whole number, or with a_seconds a positive number of seconds up to a day.
double number(const char* a_text, bool a_seconds) {
    char* end = nullptr;
    const double value = std::strtod(a_text, &end);
    if (end == a_text || *end != 0 ||
        (a_seconds ? !(value > 0.0) || value > 86400.0 : value < 0.0 || value != std::floor(value)))
        usage(a_seconds ? "expected a positive number of seconds" : "expected a whole number");
    return value;
}

Options parse(int argc, char** argv) {
    Options options;
    options.m_mode = argc < 2 ? "" : argv[1];
    if (options.m_mode != "storm" && options.m_mode != "lifecycle")
        usage("the mode is storm or lifecycle");
    const bool storm = options.m_mode == "storm";
    for (int i = 2; i < argc; i += 2) {
        const std::string option = argv[i];
        if (i + 1 == argc)
            usage("an option lacks its value");
        const char* value = argv[i + 1];
        if (option == "--seconds" && storm)
            options.m_seconds = number(value, true);
        else if (option == "--seed" && storm)
            options.m_seed = static_cast<unsigned long>(number(value, false));
        else if (option == "--chunk" && storm)
            options.m_chunk = value;
        else if (option == "--instances" && !storm)
            options.m_instances = static_cast<unsigned long>(number(value, false));
        else
            usage("unknown option");
    }
    return options;
}

Stress::Bytes read_chunk(const std::string& a_path) {
    std::ifstream file(a_path, std::ios::binary);
    Stress::Bytes chunk{std::istreambuf_iterator<char>(file), {}};
    if (chunk.empty())
        std::fprintf(stderr, "stress: FAILED: cannot read the chunk %s\n", a_path.c_str());
    return chunk;
}

int storm(Stress::StressHost& a_host, const Options& a_options) {
    using namespace std::chrono;
    const auto length = duration_cast<milliseconds>(duration<double>(a_options.m_seconds));
    // Generous: a sanitizer slows every call many times over. A stalled thread fails sooner.
    Stress::Watchdog watchdog(length * 3 + seconds(120), seconds(60));
    const Stress::Bytes automated = read_chunk(TOLVAN_STRESS_DATA "/automated.chunk");
    const Stress::Bytes chunk =
        a_options.m_chunk.empty() ? Stress::Bytes{} : read_chunk(a_options.m_chunk);
    if (automated.empty() || (!a_options.m_chunk.empty() && chunk.empty()))
        return 1;
    Vst::AEffect* effect = a_host.open();
    if (!effect) {
        std::fprintf(stderr, "stress: FAILED: the module gave no effect\n");
        return 1;
    }
    if (!chunk.empty())
        effect->dispatcher(effect, Vst::effSetChunk, 0, Vst::IntPtr(chunk.size()),
                           const_cast<unsigned char*>(chunk.data()), 0.0f);
    const bool passed =
        Stress::Storm(effect, length, std::uint32_t(a_options.m_seed), automated).run(watchdog);
    watchdog.set_phase("closing");
    Stress::StressHost::close(effect);
    std::printf("  host callbacks answered: %lu\n", Stress::StressHost::callback_count());
    return passed ? 0 : 1;
}

int lifecycle(Stress::StressHost& a_host, const Options& a_options) {
    Stress::Watchdog watchdog(std::chrono::minutes(15), std::chrono::minutes(15));
    watchdog.set_phase("opening and closing");
    return Stress::LifecycleLoop(a_host, a_options.m_instances).run() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const Options options = parse(argc, argv);
    try {
        // A data home of the run's own, removed at the end.
        const TestSupport::TemporaryFolder home;
        setenv("XDG_DATA_HOME", home.path().c_str(), 1);
        Stress::StressHost host(TOLVAN_PLUGIN_PATH);
        const int status =
            options.m_mode == "storm" ? storm(host, options) : lifecycle(host, options);
        std::printf("stress: %s\n", status == 0 ? "passed" : "FAILED");
        return status;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "stress: FAILED: %s\n", failure.what());
        return 1;
    }
}
