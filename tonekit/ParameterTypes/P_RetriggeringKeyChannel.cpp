#include "tonekit/ParameterTypes/P_RetriggeringKeyChannel.h"

#include "orvo/Core/Utf.h"

#include <string>

namespace Tonekit {

P_RetriggeringKeyChannel::P_RetriggeringKeyChannel() {
    begin_options();
    append_option(any_id, u"Any", any_channel);
    for (int channel = 0; channel < 16; ++channel)
        append_option(std::uint32_t(channel) + 2u,
                      Orvo::utf8_to_utf16_lossy(std::to_string(channel + 1)), channel);
    end_options();
    set_default_option(any_id);
}

} // namespace Tonekit
