// SPDX-License-Identifier: GPL-3.0-or-later
// Text functions over UTF-8 strings in the two ways the lessons count:
// by characters (code points) and by the bytes the characters would take in
// the Japanese double-byte encoding (1 for ASCII and half-width katakana, 2 for
// everything else). Positions are 1-based; 0 means "not found".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rt {

// Code points of s, each as its own UTF-8 string.
std::vector<std::string> chars(std::string_view s);

// Character counting.
int klen(std::string_view s);
std::string kmid(std::string_view s, int start, int count = -1);
std::string kleft(std::string_view s, int count);
std::string kright(std::string_view s, int count);
int kinstr(std::string_view s, std::string_view what, int from = 1);

// Byte counting, as the double-byte encoding would count.
int blen(std::string_view s);
// Byte position of the first occurrence of what, or 0.
int binstr(std::string_view s, std::string_view what, int from = 1);

// The UTF-8 text of one code point.
std::string codePointText(char32_t c);

// True when the character takes one byte in the double-byte encoding.
bool isSingleByte(std::string_view ch);

// A number as the old runtime wrote it: a leading blank when not negative,
// no 0 before the point of a number between -1 and 1 (".5", "-.5"), at most
// 7 significant digits, no trailing zeros, never "-0".
std::string str(float v);
// The number at the start of a text, 0 when there is none (blanks skipped).
float val(std::string_view s);

}  // namespace rt
