#pragma once
// Shows a Bini document as text: the preamble, then one line per node, indented two spaces per
// level: the id (four characters or a number; "/" for the root), the type name and the value.
// Arrays show their element count and their first elements; long strings are cut.
//
//   Preamble: "Tolvan Chorus/Preset" (20 bytes)
//   / null
//     DeVe uint32 1
//     Prog null
//       Para null
//         1 null
//           Gain null
//             Valu float 0.25
//     Data float array (300) 0 0.25 0.5 0.75 1 1.25 1.5 1.75 ... (292 more)

#include "tools/host/BiniDocument.h"

#include <string>

namespace tolvanhost {

class BiniPrinter {
public:
    static constexpr std::size_t shown_elements = 8;
    static constexpr std::size_t shown_code_units = 200;

    static std::string print(const BiniDocument& a_document);
    // The value part of a record's line; empty for null.
    static std::string value_text(const BiniRecord& a_record);
    // Double quotes around the text; control characters, quotes, backslashes and bytes outside
    // ASCII as escapes.
    static std::string quoted_bytes(const std::string& a_bytes);
};

} // namespace tolvanhost
