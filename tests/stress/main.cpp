// plugin_stress: a hostile host for the built plug-in.
//
//   plugin_stress storm [--seconds S] [--seed N] [--chunk FILE] [--automated FILE]
//                                                  three threads on one effect (see Storm.h)
//   plugin_stress lifecycle [--instances N]        open and close effects (see LifecycleLoop.h)
//
// TOLVAN_STRESS_SECONDS sets the storm's default duration (3 s). The plug-in's folders go to a
// temporary data home, so a run never touches the user's settings or presets.

#include "LifecycleLoop.h"
#include "Storm.h"
#include "StressHost.h"
#include "Watchdog.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
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
    // The chunk whose modulators the automation phase automates and removes again.
    std::string m_automated = TOLVAN_STRESS_DATA "/automated.chunk";
};

[[noreturn]] void usage(const char* a_problem) {
    std::fprintf(stderr,
                 "plugin_stress: %s\n"
                 "usage: plugin_stress storm [--seconds S] [--seed N] [--chunk FILE] "
                 "[--automated FILE]\n"
                 "       plugin_stress lifecycle [--instances N]\n",
                 a_problem);
    std::exit(2);
}

double positive_number(const char* a_text) {
    char* end = nullptr;
    const double value = std::strtod(a_text, &end);
    if (end == a_text || *end != 0 || !(value > 0.0) || value > 86400.0)
        usage("expected a positive number of seconds");
    return value;
}

unsigned long whole_number(const char* a_text) {
    char* end = nullptr;
    const unsigned long value = std::strtoul(a_text, &end, 10);
    if (end == a_text || *end != 0 || a_text[0] == '-')
        usage("expected a whole number");
    return value;
}

Options parse(int argc, char** argv) {
    Options options;
    if (const char* seconds = std::getenv("TOLVAN_STRESS_SECONDS"); seconds && *seconds)
        options.m_seconds = positive_number(seconds);
    if (argc < 2)
        usage("no mode given");
    options.m_mode = argv[1];
    if (options.m_mode != "storm" && options.m_mode != "lifecycle")
        usage("the mode is storm or lifecycle");
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 == argc)
            usage("an option lacks its value");
        const char* value = argv[++i];
        if (option == "--seconds" && options.m_mode == "storm")
            options.m_seconds = positive_number(value);
        else if (option == "--seed" && options.m_mode == "storm")
            options.m_seed = whole_number(value);
        else if (option == "--chunk" && options.m_mode == "storm")
            options.m_chunk = value;
        else if (option == "--automated" && options.m_mode == "storm")
            options.m_automated = value;
        else if (option == "--instances" && options.m_mode == "lifecycle")
            options.m_instances = whole_number(value);
        else
            usage("unknown option");
    }
    return options;
}

// A data home of the run's own, removed at the end.
class TemporaryDataHome {
public:
    TemporaryDataHome() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tolvan-stress-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder");
        m_path = pattern;
        setenv("XDG_DATA_HOME", m_path.c_str(), 1);
    }
    ~TemporaryDataHome() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

private:
    std::filesystem::path m_path;
};

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
    Vst::AEffect* effect = a_host.open();
    if (!effect) {
        std::fprintf(stderr, "stress: FAILED: the module gave no effect\n");
        return 1;
    }
    Stress::Bytes chunk;
    Stress::Bytes automated = read_chunk(a_options.m_automated);
    if (!a_options.m_chunk.empty())
        chunk = read_chunk(a_options.m_chunk);
    if (automated.empty() || (!a_options.m_chunk.empty() && chunk.empty())) {
        Stress::StressHost::close(effect);
        return 1;
    }
    if (!chunk.empty())
        effect->dispatcher(effect, Vst::effSetChunk, 0, Vst::IntPtr(chunk.size()), chunk.data(),
                           0.0f);
    bool passed;
    {
        Stress::Storm storm(effect, length, std::uint32_t(a_options.m_seed), std::move(automated));
        passed = storm.run(watchdog);
    }
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
        TemporaryDataHome home;
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
