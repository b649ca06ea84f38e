#pragma once

namespace Vexa {

enum Modality { Modality_MODAL = 0, Modality_MODELESS = 1 };

} // namespace Vexa
