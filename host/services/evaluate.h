// The shell's integer arithmetic: 64-bit + - * / %, parentheses and unary
// signs, used by Evaluate and @eval.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>


namespace torvane {

enum class ArithmeticError { kNone, kSyntax, kDivisionByZero, kOverflow, kTooDeep };

struct Arithmetic {
  std::int64_t value = 0;
  ArithmeticError error = ArithmeticError::kNone;
};

// Parentheses nest at most this deep, so that no text can exhaust the stack.
inline constexpr int kMaxExpressionDepth = 256;

// Evaluates an expression of decimal integers; division truncates toward
// zero and the remainder takes the sign of the dividend.
Arithmetic EvaluateArithmetic(std::u16string_view text);

// Evaluates, or reports why not on standard error and returns nullopt.
std::optional<std::int64_t> EvaluateOrReport(std::u16string_view text);

}  // namespace torvane
