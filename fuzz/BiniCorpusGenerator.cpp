// Writes the seed trees of fuzz/corpus/bini_load into the folder given as the only argument.
// Run it again after a change to the format and commit the result:
//   <build>/fuzz/bini_corpus_generator fuzz/corpus/bini_load

#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/FourCc.h"
#include "tests/orvo/Binis/BiniTestBytes.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

void write(const std::string& a_folder, const char* a_name, const Bytes& a_bytes) {
    std::ofstream file(a_folder + "/" + a_name, std::ios::binary);
    file.write(reinterpret_cast<const char*>(a_bytes.data()), std::streamsize(a_bytes.size()));
    if (!file)
        throw std::runtime_error(std::string("cannot write ") + a_name);
}

// The shape of a preset: versions, then parameters with their value nodes.
void fill_preset(Orvo::BiniNode& a_root) {
    using Orvo::four_cc;
    a_root.add_child(four_cc("FoVe"))->set_value_uint32(1);
    a_root.add_child(four_cc("DeVe"))->set_value_uint32(3);
    Orvo::BiniNode* program = a_root.add_child(four_cc("Prog"));
    const char ids[][5] = {"DlTr", "Dpth", "Mix ", "Gain"};
    float value = 0.125f;
    for (const auto& id : ids) {
        Orvo::BiniNode* parameter = program->add_child(four_cc(id));
        parameter->add_child(four_cc("Valu"))->set_value_float(value);
        parameter->add_child(four_cc("Vari"))->set_value_uint32(1);
        value *= 3.0f;
    }
    Orvo::BiniNode* state = a_root.add_child(four_cc("Stat"));
    state->add_child(four_cc("PrPa"))->set_value_string(u"Factory/Wide chorus");
    state->add_child(four_cc("InSe"))
        ->add_child(1)
        ->add_child(four_cc("Valu"))
        ->set_value_bool(true);
}

} // namespace

int main(int a_argc, char** a_argv) {
    if (a_argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus-folder>\n", a_argv[0]);
        return 2;
    }
    const std::string folder = a_argv[1];
    try {
        write(folder, "empty.bini", save_bytes(Orvo::BiniNode()));

        Orvo::BiniNode one_child;
        one_child.add_child(5)->set_value_uint32(7);
        write(folder, "uint32_child.bini", save_bytes(one_child));

        Orvo::BiniNode every_type;
        fill_every_type(every_type);
        write(folder, "every_type.bini", save_bytes(every_type));

        Orvo::BiniNode preset;
        fill_preset(preset);
        write(folder, "preset_shape.bini", save_bytes(preset));

        Orvo::BiniNode chain;
        Orvo::BiniNode* link = &chain;
        for (int depth = 0; depth < 20; ++depth)
            link = link->add_child(std::uint32_t(depth));
        link->set_value_string(u"bottom");
        write(folder, "chain.bini", save_bytes(chain));

        // What other writers may produce: a set eighth header byte and a bool stored as 0x7F.
        Orvo::BiniNode flag;
        flag.set_value_bool(true);
        Bytes lenient = save_bytes(flag);
        lenient[7] = 0x5A;
        lenient[9] = 0x7F;
        write(folder, "lenient_header_and_bool.bini", lenient);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    return 0;
}
