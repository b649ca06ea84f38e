#include "tools/host/PresetCommand.h"
#include "tools/host/BiniDocument.h"
#include "tools/host/BiniPrinter.h"
#include "tools/host/ByteFile.h"

namespace tolvanhost {

void PresetCommand::run(std::FILE* a_out) const {
    const BiniDocument document =
        BiniDocument::parse(ByteFile::read(m_path, "preset"), "preset " + m_path);
    const std::string text = BiniPrinter::print(document);
    std::fwrite(text.data(), 1, text.size(), a_out);
}

} // namespace tolvanhost
