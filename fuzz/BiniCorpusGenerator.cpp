// Writes the seed trees of fuzz/corpus/bini_load into the folder given as the only argument.
// Run it again after a change to the format and commit the result:
//   <build>/fuzz/bini_corpus_generator fuzz/corpus/bini_load

#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/Exception.h"
#include "orvo/Core/FourCc.h"
#include "orvo/Streams/ExpandingOutputStream.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes saved(const Orvo::BiniNode& a_node) {
    Orvo::ExpandingOutputStream output(4096);
    a_node.save(output, {});
    Bytes bytes(output.get_size());
    output.copy_to(bytes.data());
    return bytes;
}

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

void fill_every_type(Orvo::BiniNode& a_root) {
    const double doubles[] = {0.5, -1e9};
    const float floats[] = {1.0f, -0.0f, 3.5f};
    const std::int8_t int8s[] = {-1, 2};
    const std::int16_t int16s[] = {-300, 300};
    const std::int32_t int32s[] = {-70000};
    const std::int64_t int64s[] = {-1, 1ll << 40};
    const std::uint8_t uint8s[] = {0, 128, 255};
    const std::uint16_t uint16s[] = {1, 65535};
    const std::uint32_t uint32s[] = {7, 0x61507250};
    const std::uint64_t uint64s[] = {~0ull};
    a_root.add_child(0)->set_value_null();
    a_root.add_child(1)->set_value_bool(false);
    a_root.add_child(2)->set_value_double(2.5);
    a_root.add_child(3)->set_value_double_array(doubles, 2);
    a_root.add_child(4)->set_value_float(0.75f);
    a_root.add_child(5)->set_value_float_array(floats, 3);
    a_root.add_child(6)->set_value_int8(-8);
    a_root.add_child(7)->set_value_int8_array(int8s, 2);
    a_root.add_child(8)->set_value_int16(-16);
    a_root.add_child(9)->set_value_int16_array(int16s, 2);
    a_root.add_child(10)->set_value_int32(-32);
    a_root.add_child(11)->set_value_int32_array(int32s, 1);
    a_root.add_child(12)->set_value_int64(-64);
    a_root.add_child(13)->set_value_int64_array(int64s, 2);
    a_root.add_child(14)->set_value_string(u"ab\u00e9");
    a_root.add_child(15)->set_value_uint8(8);
    a_root.add_child(16)->set_value_uint8_array(uint8s, 3);
    a_root.add_child(17)->set_value_uint16(16);
    a_root.add_child(18)->set_value_uint16_array(uint16s, 2);
    a_root.add_child(19)->set_value_uint32(32);
    a_root.add_child(20)->set_value_uint32_array(uint32s, 2);
    a_root.add_child(21)->set_value_uint64(64);
    a_root.add_child(22)->set_value_uint64_array(uint64s, 1);
}

} // namespace

int main(int a_argc, char** a_argv) {
    if (a_argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus-folder>\n", a_argv[0]);
        return 2;
    }
    const std::string folder = a_argv[1];
    try {
        write(folder, "empty.bini", saved(Orvo::BiniNode()));

        Orvo::BiniNode one_child;
        one_child.add_child(5)->set_value_uint32(7);
        write(folder, "uint32_child.bini", saved(one_child));

        Orvo::BiniNode every_type;
        fill_every_type(every_type);
        write(folder, "every_type.bini", saved(every_type));

        Orvo::BiniNode preset;
        fill_preset(preset);
        write(folder, "preset_shape.bini", saved(preset));

        Orvo::BiniNode chain;
        Orvo::BiniNode* link = &chain;
        for (int depth = 0; depth < 20; ++depth)
            link = link->add_child(std::uint32_t(depth));
        link->set_value_string(u"bottom");
        write(folder, "chain.bini", saved(chain));

        // What other writers may produce: a set eighth header byte and a bool stored as 0x7F.
        Orvo::BiniNode flag;
        flag.set_value_bool(true);
        Bytes lenient = saved(flag);
        lenient[7] = 0x5A;
        lenient[9] = 0x7F;
        write(folder, "lenient_header_and_bool.bini", lenient);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    return 0;
}
