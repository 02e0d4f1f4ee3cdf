cmake_policy(VERSION 3.25)
# Writes OUTPUT, a C++ source holding the bytes of INPUT (the device table)
# as lumtar::SYMBOL (default kBuiltinDeviceTable) and its size as SYMBOLSize.
if(NOT SYMBOL)
  set(SYMBOL kBuiltinDeviceTable)
endif()
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexlen)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
math(EXPR size "${hexlen} / 2")
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT} at build time. Do not edit.\n"
"#include <cstddef>\n"
"namespace lumtar {\n"
"extern const unsigned char ${SYMBOL}[] = {${bytes}0x00};\n"
"extern const std::size_t ${SYMBOL}Size = ${size};\n"
"}\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
