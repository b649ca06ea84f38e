# Writes a C++ source holding every .preset file of a folder, in file-name order, as the table
# that chorus/FactoryBank.cpp serves; a null entry ends it, so that an empty folder still builds.
# cmake -DFOLDER=... -DOUTPUT=... -P EmbedBank.cmake
file(GLOB presets RELATIVE "${FOLDER}" "${FOLDER}/*.preset")
list(SORT presets)
list(LENGTH presets count)
set(arrays "")
set(table "")
set(index 0)
foreach(preset IN LISTS presets)
  if(preset MATCHES "[\"\\\\]")
    message(FATAL_ERROR "a preset file name may not hold quotes or backslashes: ${preset}")
  endif()
  file(READ "${FOLDER}/${preset}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n"
         bytes "${bytes}")
  string(APPEND arrays "const unsigned char preset_${index}[] = {\n${bytes}};\n")
  string(APPEND table "    {\"${preset}\", preset_${index}, sizeof preset_${index}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUTPUT}.tmp"
  "// Generated at build time from ${FOLDER}; do not edit.\n"
  "#include \"chorus/FactoryBank.h\"\n\n"
  "namespace tolvanchorus {\n\n"
  "namespace {\n${arrays}} // namespace\n\n"
  "extern const FactoryPresetFile factory_bank_files[];\n"
  "extern const std::size_t factory_bank_file_count;\n"
  "const FactoryPresetFile factory_bank_files[] = {\n${table}    {nullptr, nullptr, 0}};\n"
  "const std::size_t factory_bank_file_count = ${count};\n\n"
  "} // namespace tolvanchorus\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
