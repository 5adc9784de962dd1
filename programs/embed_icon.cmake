# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the bytes of the PNG file PNG as the C++ source OUT, defining
# lesson::kIconPng (programs/icon.h). Run with cmake -P.
file(READ ${PNG} hex HEX)
string(LENGTH "${hex}" digits)
if(digits EQUAL 0)
  message(FATAL_ERROR "${PNG} is empty")
endif()
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Lines of 16 bytes keep the file readable and the compiler's lines short.
string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUT} "// Made by CMake from ${PNG}.\n#include \"programs/icon.h\"\n\nnamespace lesson {\nnamespace {\nconst std::uint8_t kBytes[] = {\n${bytes}\n};\n}  // namespace\nconst std::span<const std::uint8_t> kIconPng(kBytes);\n}  // namespace lesson\n")
