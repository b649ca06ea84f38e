#pragma once
// Runs a command of the editor and shows its failure in an "Error" box over a_owner's window
// instead of letting it into the toolkit's event dispatch, where a host process has nobody to
// catch it. True when the command went through.
// [ui-thread]

#include "orvo/Core/Exception.h"
#include "orvo/Core/Utf.h"
#include "vexa/Window/MessageBox.h"

#include <exception>

namespace Tonekit {

template <class Command>
bool report_failures(Vexa::Widget* a_owner, Command&& a_command) {
    try {
        a_command();
        return true;
    } catch (const Orvo::Exception& failure) {
        Vexa::message_box_information(a_owner, u"Error", failure.get_message().view());
    } catch (const std::exception& failure) {
        Vexa::message_box_information(a_owner, u"Error",
                                      Orvo::utf8_to_utf16_lossy(failure.what()).view());
    }
    return false;
}

} // namespace Tonekit
