#include "DesktopFixture.h"

#include "vexa/Desktop/KeyCode.h"
#include "vexa/Window/NormalWindow.h"

using namespace Vexa;
using VexaTest::Desktops;

namespace {

INSTANTIATE_TEST_SUITE_P(Headless, Desktops, testing::Values(VexaTest::Backend::headless));

struct KeyCase {
    unsigned virtual_key;
    int key_code;
};

class KeyTable : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyTable, MapsVirtualKeysBothWays) {
    EXPECT_EQ(key_code_of_virtual_key(GetParam().virtual_key), GetParam().key_code);
    if (GetParam().key_code != 0) {
        EXPECT_EQ(virtual_key_of_key_code(GetParam().key_code), GetParam().virtual_key);
    }
}

INSTANTIATE_TEST_SUITE_P(Entries, KeyTable,
                         testing::Values(KeyCase{8, 1}, KeyCase{13, 3}, KeyCase{36, 9},
                                         KeyCase{35, 10}, KeyCase{37, 11}, KeyCase{40, 14},
                                         KeyCase{46, 16}, KeyCase{48, 17}, KeyCase{57, 26},
                                         KeyCase{65, 27}, KeyCase{90, 52}, KeyCase{96, 53},
                                         KeyCase{107, 64}, KeyCase{108, 0}, KeyCase{109, 65},
                                         KeyCase{111, 67}, KeyCase{112, 68}, KeyCase{135, 91},
                                         KeyCase{160, 92}, KeyCase{165, 97}, KeyCase{0, 0},
                                         KeyCase{166, 0}, KeyCase{255, 0}, KeyCase{47, 0}));

TEST(KeyTableWhole, EveryKeyCodeComesBackFromItsVirtualKey) {
    for (int code = 1; code < KeyCode_ENUM_SIZE; ++code)
        EXPECT_EQ(key_code_of_virtual_key(virtual_key_of_key_code(code)), code);
}

struct HitCase {
    int x, y;
    unsigned mask;
};

class NormalWindowEdges : public testing::TestWithParam<HitCase> {};

TEST_P(NormalWindowEdges, HitTestGivesTheEdgeMask) {
    Application::acquire();
    Toolkit::install(std::make_unique<HeadlessPlatform>());
    {
        NormalWindow window;
        window.set_geometry(0, 0, 200, 100);
        EXPECT_EQ(window.hit_test(GetParam().x, GetParam().y), GetParam().mask);
    }
    Application::release();
}

INSTANTIATE_TEST_SUITE_P(Points, NormalWindowEdges,
                         testing::Values(HitCase{100, 50, 0}, HitCase{0, 50, ResizeEdge_LEFT},
                                         HitCase{199, 50, ResizeEdge_RIGHT},
                                         HitCase{100, 0, ResizeEdge_TOP},
                                         HitCase{100, 99, ResizeEdge_BOTTOM},
                                         HitCase{0, 0, ResizeEdge_LEFT | ResizeEdge_TOP},
                                         HitCase{11, 0, ResizeEdge_LEFT | ResizeEdge_TOP},
                                         HitCase{12, 0, ResizeEdge_TOP},
                                         HitCase{199, 90, ResizeEdge_RIGHT | ResizeEdge_BOTTOM},
                                         HitCase{-1, 50, 0}));

} // namespace
