// A recursive-descent evaluator for the shell's integer expressions:
//   sum := product (("+" | "-") product)*
//   product := unary (("*" | "/" | "%") unary)*
//   unary := ("+" | "-") unary | number | "(" sum ")"
#include "services/evaluate.h"

#include <string>

#include "contract/text.h"
#include "services/output.h"
#include "services/texts.h"

namespace torvane {
namespace {

class Evaluator {
 public:
  explicit Evaluator(std::u16string_view text) : text_(text) {}

  Arithmetic Run() {
    const std::int64_t value = Sum();
    SkipSpace();
    if (error_ == ArithmeticError::kNone && pos_ != text_.size()) error_ = ArithmeticError::kSyntax;
    return error_ == ArithmeticError::kNone ? Arithmetic{value, error_} : Arithmetic{0, error_};
  }

 private:
  void SkipSpace() {
    while (pos_ < text_.size() && contract::IsSpace(text_[pos_])) ++pos_;
  }

  // Consumes c (after white space) when it comes next.
  bool Accept(KChar c) {
    SkipSpace();
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }

  bool Failed() const { return error_ != ArithmeticError::kNone; }

  std::int64_t Fail(ArithmeticError error) {
    if (!Failed()) error_ = error;
    return 0;
  }

  std::int64_t Sum() {
    std::int64_t value = Product();
    while (!Failed()) {
      std::int64_t result = 0;
      if (Accept(u'+')) {
        if (__builtin_add_overflow(value, Product(), &result)) return Fail(ArithmeticError::kOverflow);
      } else if (Accept(u'-')) {
        if (__builtin_sub_overflow(value, Product(), &result)) return Fail(ArithmeticError::kOverflow);
      } else {
        break;
      }
      value = result;
    }
    return value;
  }

  std::int64_t Product() {
    std::int64_t value = Unary();
    while (!Failed()) {
      if (Accept(u'*')) {
        std::int64_t result = 0;
        if (__builtin_mul_overflow(value, Unary(), &result)) return Fail(ArithmeticError::kOverflow);
        value = result;
      } else if (Accept(u'/') || Accept(u'%')) {
        const bool remainder = text_[pos_ - 1] == u'%';
        const std::int64_t divisor = Unary();
        if (Failed()) break;
        if (divisor == 0) return Fail(ArithmeticError::kDivisionByZero);
        // INT64_MIN / -1 is the one quotient that does not fit.
        if (divisor == -1 && value == INT64_MIN) return remainder ? 0 : Fail(ArithmeticError::kOverflow);
        value = remainder ? value % divisor : value / divisor;
      } else {
        break;
      }
    }
    return value;
  }

  std::int64_t Unary() {
    if (Accept(u'-')) {
      const std::int64_t value = Unary();
      std::int64_t result = 0;
      if (__builtin_sub_overflow(std::int64_t{0}, value, &result)) return Fail(ArithmeticError::kOverflow);
      return result;
    }
    if (Accept(u'+')) return Unary();
    if (Accept(u'(')) {
      if (++depth_ > kMaxExpressionDepth) return Fail(ArithmeticError::kTooDeep);
      const std::int64_t value = Sum();
      --depth_;
      if (!Accept(u')')) return Fail(ArithmeticError::kSyntax);
      return value;
    }
    return Number();
  }

  std::int64_t Number() {
    SkipSpace();
    if (pos_ >= text_.size() || !contract::IsDigit(text_[pos_])) return Fail(ArithmeticError::kSyntax);
    std::int64_t value = 0;
    for (; pos_ < text_.size() && contract::IsDigit(text_[pos_]); ++pos_) {
      if (__builtin_mul_overflow(value, 10, &value) || __builtin_add_overflow(value, text_[pos_] - u'0', &value)) {
        return Fail(ArithmeticError::kOverflow);
      }
    }
    return value;
  }

  std::u16string_view text_;
  std::size_t pos_ = 0;
  int depth_ = 0;
  ArithmeticError error_ = ArithmeticError::kNone;
};

std::u16string_view Describe(ArithmeticError error) {
  switch (error) {
    case ArithmeticError::kDivisionByZero: return u"Division by zero in ";
    case ArithmeticError::kOverflow: return u"Arithmetic overflow in ";
    case ArithmeticError::kTooDeep: return u"Expression nested too deeply ";
    default: return u"Bad expression ";
  }
}

}  // namespace

Arithmetic EvaluateArithmetic(std::u16string_view text) { return Evaluator(text).Run(); }

std::optional<std::int64_t> EvaluateOrReport(std::u16string_view text) {
  const Arithmetic result = EvaluateArithmetic(text);
  if (result.error == ArithmeticError::kNone) return result.value;
  output::ReportError(std::u16string(Describe(result.error)) + Quoted(text));
  return std::nullopt;
}

}  // namespace torvane
