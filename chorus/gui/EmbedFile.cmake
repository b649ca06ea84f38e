# Writes a C++ source holding the bytes of a file: cmake -DINPUT=... -DOUTPUT=... -DNAME=...
# -P EmbedFile.cmake. The array and its size are defined in namespace tolvanchorus.
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n"
       bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated at build time from ${INPUT}; do not edit.\n"
  "#include <cstddef>\n\n"
  "namespace tolvanchorus {\n\n"
  "extern const unsigned char ${NAME}[];\n"
  "extern const std::size_t ${NAME}_size;\n"
  "const unsigned char ${NAME}[] = {\n${bytes}0x00};\n"
  "// The terminating zero above is not part of the file.\n"
  "const std::size_t ${NAME}_size = sizeof ${NAME} - 1;\n\n"
  "} // namespace tolvanchorus\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
