#pragma once
// The area of a normal window below its title bar; its one child, the client, fills it.

#include "vexa/Widget/Widget.h"

namespace Vexa {

class NormalWindowContents : public Widget {
protected:
    void resized() override;
};

} // namespace Vexa
