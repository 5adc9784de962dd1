// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace rt {
namespace {

// Length of the UTF-8 sequence that starts with byte c (1 for a stray byte,
// so malformed text still advances).
int seqLen(unsigned char c) {
    if (c < 0x80) return 1;
    if ((c & 0xE0) == 0xC0) return 2;
    if ((c & 0xF0) == 0xE0) return 3;
    if ((c & 0xF8) == 0xF0) return 4;
    return 1;
}

char32_t decode(std::string_view ch) {
    if (ch.empty()) return 0;
    auto c = static_cast<unsigned char>(ch[0]);
    int n = seqLen(c);
    if (n == 1 || static_cast<int>(ch.size()) < n) return c;
    char32_t cp = c & (0x7F >> n);
    for (int i = 1; i < n; ++i) cp = (cp << 6) | (static_cast<unsigned char>(ch[i]) & 0x3F);
    return cp;
}

// Byte offset of character number index (0-based), or s.size() past the end.
std::size_t offsetOf(std::string_view s, int index) {
    std::size_t pos = 0;
    for (int i = 0; i < index && pos < s.size(); ++i) pos += seqLen(static_cast<unsigned char>(s[pos]));
    return pos < s.size() ? pos : s.size();
}

}  // namespace

std::string codePointText(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

std::vector<std::string> chars(std::string_view s) {
    std::vector<std::string> out;
    for (std::size_t pos = 0; pos < s.size();) {
        std::size_t n = std::min<std::size_t>(seqLen(static_cast<unsigned char>(s[pos])), s.size() - pos);
        out.emplace_back(s.substr(pos, n));
        pos += n;
    }
    return out;
}

int klen(std::string_view s) {
    int n = 0;
    for (std::size_t pos = 0; pos < s.size(); pos += seqLen(static_cast<unsigned char>(s[pos]))) ++n;
    return n;
}

std::string kmid(std::string_view s, int start, int count) {
    if (start < 1) start = 1;
    std::size_t from = offsetOf(s, start - 1);
    if (count < 0) return std::string(s.substr(from));
    std::size_t to = from + offsetOf(s.substr(from), count);
    return std::string(s.substr(from, to - from));
}

std::string kleft(std::string_view s, int count) { return count <= 0 ? std::string() : kmid(s, 1, count); }

std::string kright(std::string_view s, int count) {
    int n = klen(s);
    if (count <= 0) return {};
    if (count >= n) return std::string(s);
    return kmid(s, n - count + 1);
}

int kinstr(std::string_view s, std::string_view what, int from) {
    if (from < 1) from = 1;
    std::size_t start = offsetOf(s, from - 1);
    if (what.empty()) return start <= s.size() && from <= klen(s) ? from : 0;
    std::size_t hit = s.find(what, start);
    if (hit == std::string_view::npos) return 0;
    return klen(s.substr(0, hit)) + 1;
}

bool isSingleByte(std::string_view ch) {
    char32_t cp = decode(ch);
    return cp < 0x80 || (cp >= 0xFF61 && cp <= 0xFF9F);
}

int blen(std::string_view s) {
    int n = 0;
    for (const auto& c : chars(s)) n += isSingleByte(c) ? 1 : 2;
    return n;
}

int binstr(std::string_view s, std::string_view what, int from) {
    int k = kinstr(s, what, 1);
    // Convert character positions to byte positions, honouring the start byte.
    while (k != 0) {
        int bytePos = blen(kleft(s, k - 1)) + 1;
        if (bytePos >= from) return bytePos;
        k = kinstr(s, what, k + 1);
    }
    return 0;
}

std::string str(float v) {
    if (v == 0 || std::isnan(v)) return " 0";
    if (std::isinf(v)) return v > 0 ? " Inf" : "-Inf";
    char buf[64];
    // Seven significant digits of the single-precision value, then tidy up.
    std::snprintf(buf, sizeof buf, "%.6e", static_cast<double>(std::fabs(v)));
    std::string digits;
    digits += buf[0];
    for (const char* p = buf + 2; *p && *p != 'e'; ++p) digits += *p;
    int exp10 = std::atoi(std::strchr(buf, 'e') + 1);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string body;
    int nd = static_cast<int>(digits.size());
    if (exp10 >= 7 || exp10 < -7) {
        // Too large or small for plain digits: mantissa and exponent.
        body = digits.substr(0, 1);
        if (nd > 1) body += "." + digits.substr(1);
        char e[16];
        std::snprintf(e, sizeof e, "E%c%02d", exp10 < 0 ? '-' : '+', std::abs(exp10));
        body += e;
    } else if (exp10 < 0) {
        body = "." + std::string(static_cast<std::size_t>(-exp10 - 1), '0') + digits;
    } else if (nd <= exp10 + 1) {
        body = digits + std::string(static_cast<std::size_t>(exp10 + 1 - nd), '0');
    } else {
        body = digits.substr(0, static_cast<std::size_t>(exp10 + 1)) + "." +
               digits.substr(static_cast<std::size_t>(exp10 + 1));
    }
    return (v < 0 ? "-" : " ") + body;
}

float val(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    std::string t;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) t += s[i++];
    bool digits = false;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) t += s[i++], digits = true;
    if (i < s.size() && s[i] == '.') {
        t += s[i++];
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) t += s[i++], digits = true;
    }
    if (!digits) return 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        std::string e = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) e += s[j++];
        bool ed = false;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) e += s[j++], ed = true;
        if (ed) t += e;
    }
    float out = std::strtof(t.c_str(), nullptr);
    return std::isfinite(out) ? out : 0.0f;
}

}  // namespace rt
