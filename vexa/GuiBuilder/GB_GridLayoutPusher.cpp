#include "vexa/GuiBuilder/GB_GridLayoutPusher.h"

#include "vexa/Layouts/GridLayout.h"

namespace Vexa {

Widget* GB_GridLayoutPusher::get_container() const {
    return m_builder.get_grid();
}

} // namespace Vexa
