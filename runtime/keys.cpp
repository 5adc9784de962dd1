// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/keys.h"

#include <array>

namespace rt {

namespace {

constexpr std::array<NamedKey, 27> kNamedKeys{{
    {"Enter", key::kEnter},
    {"Backspace", key::kBackspace},
    {"Delete", key::kDelete},
    {"Space", key::kSpace},
    {"Escape", "\x1b"},
    {"Tab", "\t"},
    {"Right", "\x1c"},
    {"Left", "\x1d"},
    {"Up", "\x1e"},
    {"Down", "\x1f"},
    {"PageUp", "PageUp"},
    {"PageDown", "PageDown"},
    {"Home", "Home"},
    {"End", "End"},
    {"Insert", "Insert"},
    {"F1", "F1"},
    {"F2", "F2"},
    {"F3", "F3"},
    {"F4", "F4"},
    {"F5", "F5"},
    {"F6", "F6"},
    {"F7", "F7"},
    {"F8", "F8"},
    {"F9", "F9"},
    {"F10", "F10"},
    {"F12", "F12"},
    {"Other", key::kOther},
}};

}  // namespace

std::span<const NamedKey> namedKeys() { return kNamedKeys; }

std::optional<std::string_view> namedKeyText(std::string_view name) {
    for (const NamedKey& k : kNamedKeys)
        if (k.name == name) return k.text;
    return std::nullopt;
}

std::string halfWidthKey(std::string_view key) {
    // U+FF0D to U+FF19 (－．／０..９) are EF BC 8D to EF BC 99, each the
    // half-width character 0xFEE0 below.
    if (key.size() == 3 && static_cast<unsigned char>(key[0]) == 0xEF &&
        static_cast<unsigned char>(key[1]) == 0xBC) {
        const auto c = static_cast<unsigned char>(key[2]);
        if (c >= 0x8D && c <= 0x99) return std::string(1, static_cast<char>(c - 0x8D + '-'));
    }
    return std::string(key);
}

}  // namespace rt
