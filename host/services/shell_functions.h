// The shell's own variable functions: @if, @comma, @path and @eval. Plug-in
// functions of the same name come first.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace torvane {

// A shell function gets the text between its brackets unexpanded and
// expands what it uses; nullopt after a failure (message written).
using ShellFunction = std::optional<std::u16string> (*)(std::u16string_view arguments);

// The shell's function of that name (without "@", any case), or null.
ShellFunction FindShellFunction(std::u16string_view name);

// Inserts separator between groups of three digits of a whole number
// ("-1234567" to "-1,234,567"); nullopt when text is no whole number.
std::optional<std::u16string> GroupThousands(std::u16string_view text, std::u16string_view separator);

}  // namespace torvane
