cmake_policy(VERSION 3.25)
# Writes OUTPUT, a C++ source holding the bytes of INPUT (the device table).
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexlen)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
math(EXPR size "${hexlen} / 2")
file(WRITE "${OUTPUT}.tmp"
"// Generated from the device table at build time. Do not edit.\n"
"#include <cstddef>\n"
"namespace lumtar {\n"
"extern const unsigned char kBuiltinDeviceTable[] = {${bytes}0x00};\n"
"extern const std::size_t kBuiltinDeviceTableSize = ${size};\n"
"}\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
