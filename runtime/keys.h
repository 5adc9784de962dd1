// SPDX-License-Identifier: GPL-3.0-or-later
// Keys as the lessons take them from Runtime::inkey(): a typed character as
// its own text, any other key as a text of its own that no number entry
// takes. The window and the headless key scripts name keys from this one
// table, so a script's "PageDown" is what the window gives for that key.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace rt {

struct NamedKey {
    std::string_view name;  // the key script's token
    std::string_view text;  // what inkey() gives for it
};

// Enter, Backspace, Delete, Escape, Tab and the arrows give the control codes
// the lessons were written for; the other keys that type nothing their names.
// F11 is not among them: the window keeps it for itself.
std::span<const NamedKey> namedKeys();

// The text of the key of that name, or nothing when no key has it.
std::optional<std::string_view> namedKeyText(std::string_view name);

namespace key {
inline constexpr std::string_view kEnter = "\r";
inline constexpr std::string_view kBackspace = "\b";
inline constexpr std::string_view kDelete = "\x0c";
inline constexpr std::string_view kSpace = " ";
// A key that types nothing and has no name of its own here (Shift with a
// digit, a key of another script's layout, ...): still a key press.
inline constexpr std::string_view kOther = "Other";
}  // namespace key

// The full-width digits, minus, full stop and slash an input method commits
// (or a layout's keypad types) as the half-width characters a number is
// written with; any other key as it is.
std::string halfWidthKey(std::string_view key);

}  // namespace rt
