// Evaluate: 64-bit integer arithmetic written back into the buffer, and its
// refusals (syntax, division by zero, overflow) with the shell's message.
#include "host_kit.h"

#include <cstdint>

namespace {

Outcome RunEvaluate(std::u16string_view expression) { return OnBuffer(expression, Evaluate); }

// The oracle's exact arithmetic; __extension__ keeps -Wpedantic quiet.
__extension__ using Exact = __int128;

TEST(Evaluate, ComputesWithPrecedenceAndParentheses) {
  struct Row { std::u16string_view expression; std::int64_t expected; };
  const Row rows[] = {
      {u"0", 0}, {u"2+3*4", 14}, {u"(2+3)*4", 20},
      {u"10-4-3", 3},  // left to right
      {u"7/2", 3},
      {u"-7/2", -3},  // truncates toward zero
      {u"7%3", 1},
      {u"-7%3", -1},  // the remainder keeps the dividend's sign
      {u"7%-3", 1}, {u"-5", -5}, {u"--5", 5}, {u"-(2+3)*-2", 10}, {u"  1 +\t2  ", 3},
      {u"9223372036854775807", INT64_MAX}, {u"-9223372036854775807-1", INT64_MIN},
      {u"(-9223372036854775807-1) % -1", 0},
  };
  for (const Row& row : rows) {
    const Outcome outcome = RunEvaluate(row.expression);
    EXPECT_EQ(outcome.status, 0) << std::string(row.expression.begin(), row.expression.end());
    EXPECT_EQ(outcome.text, Widen(std::to_string(row.expected)));
    EXPECT_EQ(outcome.err, u"");
  }
}

TEST(Evaluate, RefusesBadExpressionsAndLeavesTheBuffer) {
  struct Row { std::u16string_view expression; std::u16string_view message; };
  const Row rows[] = {
      {u"", u"torvane: Bad expression \"\"\r\n"}, {u"1+", u"torvane: Bad expression \"1+\"\r\n"},
      {u"(1+2", u"torvane: Bad expression \"(1+2\"\r\n"}, {u"1+2)", u"torvane: Bad expression \"1+2)\"\r\n"},
      {u"3 4", u"torvane: Bad expression \"3 4\"\r\n"}, {u"1.5", u"torvane: Bad expression \"1.5\"\r\n"},
      {u"5/0", u"torvane: Division by zero in \"5/0\"\r\n"},
      {u"9223372036854775808", u"torvane: Arithmetic overflow in \"9223372036854775808\"\r\n"},
      {u"9223372036854775807+1", u"torvane: Arithmetic overflow in \"9223372036854775807+1\"\r\n"},
      {u"-9223372036854775807-2", u"torvane: Arithmetic overflow in \"-9223372036854775807-2\"\r\n"},
      {u"4294967296*4294967296", u"torvane: Arithmetic overflow in \"4294967296*4294967296\"\r\n"},
      {u"(-9223372036854775807-1)/-1", u"torvane: Arithmetic overflow in \"(-9223372036854775807-1)/-1\"\r\n"},
      {u"-(-9223372036854775807-1)", u"torvane: Arithmetic overflow in \"-(-9223372036854775807-1)\"\r\n"},
  };
  for (const Row& row : rows) {
    const Outcome outcome = RunEvaluate(row.expression);
    EXPECT_NE(outcome.status, 0);
    EXPECT_EQ(outcome.text, row.expression);
    EXPECT_EQ(outcome.err, row.message);
  }
}

TEST(Evaluate, NestingIsBoundedNotAStackOverflow) {
  const std::u16string fine = std::u16string(200, u'(') + u"1" + std::u16string(200, u')');
  EXPECT_EQ(RunEvaluate(fine).text, u"1");
  const std::u16string deep = std::u16string(4000, u'(') + u"1" + std::u16string(4000, u')');
  const Outcome outcome = RunEvaluate(deep);
  EXPECT_NE(outcome.status, 0);
  EXPECT_TRUE(outcome.err.starts_with(u"torvane: Expression nested too deeply"));
}

// Random operands of every magnitude against exact 128-bit arithmetic.
TEST(Evaluate, AgreesWithWideArithmetic) {
  std::uint64_t seed = 12345;
  const auto next = [&] {
    seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
    // Both signs, and magnitudes from one bit to all 64.
    return static_cast<std::int64_t>(seed) >> ((seed >> 3) % 64);
  };
  for (int i = 0; i < 2000; ++i) {
    const std::int64_t a = next();
    const std::int64_t b = next();
    const char op = "+-*/%"[i % 5];
    Exact exact = 0;
    switch (op) {
      case '+': exact = static_cast<Exact>(a) + b; break;
      case '-': exact = static_cast<Exact>(a) - b; break;
      case '*': exact = static_cast<Exact>(a) * b; break;
      case '/': exact = b == 0 ? 0 : static_cast<Exact>(a) / b; break;
      default: exact = b == 0 ? 0 : static_cast<Exact>(a) % b; break;
    }
    const std::string expression = std::to_string(a) + op + "(" + std::to_string(b) + ")";
    const Outcome outcome = RunEvaluate(Widen(expression));
    // INT64_MIN has no literal: its digits alone overflow.
    const bool fails = a == INT64_MIN || b == INT64_MIN || ((op == '/' || op == '%') && b == 0) ||
                       exact < INT64_MIN || exact > INT64_MAX;
    if (!fails) {
      EXPECT_EQ(outcome.text, Widen(std::to_string(static_cast<std::int64_t>(exact)))) << expression;
    } else {
      EXPECT_NE(outcome.status, 0) << expression;
    }
  }
}

}  // namespace
