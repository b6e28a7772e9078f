// The shell's own variable functions and the small text readers they share.
#include "services/shell_functions.h"

#include <array>
#include <vector>

#include "contract/text.h"
#include "services/evaluate.h"
#include "services/expansion.h"
#include "services/output.h"
#include "services/plugins.h"
#include "services/texts.h"

namespace torvane {
namespace {

std::optional<std::u16string> ExpandTrimmed(std::u16string_view text) {
  std::optional<std::u16string> expanded = ExpandText(text);
  if (expanded) *expanded = std::u16string(TrimSpace(*expanded));
  return expanded;
}

std::optional<std::u16string> Fail(std::u16string_view message) {
  output::ReportError(message);
  return std::nullopt;
}

// Cuts unexpanded text at the commas outside brackets, so that a comma in a
// nested call's text or result does not split it.
std::vector<std::u16string_view> SplitTopLevel(std::u16string_view text) {
  std::vector<std::u16string_view> parts;
  int depth = 0;
  std::size_t begin = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'[') ++depth;
    if (text[i] == u']' && depth > 0) --depth;
    if (text[i] == u',' && depth == 0) {
      parts.push_back(text.substr(begin, i - begin));
      begin = i + 1;
    }
  }
  parts.push_back(text.substr(begin));
  return parts;
}

bool IsWholeNumber(std::u16string_view text) {
  if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) text.remove_prefix(1);
  if (text.empty()) return false;
  for (const KChar c : text) {
    if (!contract::IsDigit(c)) return false;
  }
  return true;
}

// "X == Y" and "X != Y": whole numbers compare by value, other texts
// without regard to case.
bool SameValue(std::u16string_view a, std::u16string_view b) {
  if (IsWholeNumber(a) && IsWholeNumber(b)) {
    const Arithmetic x = EvaluateArithmetic(a);
    const Arithmetic y = EvaluateArithmetic(b);
    if (x.error == ArithmeticError::kNone && y.error == ArithmeticError::kNone) return x.value == y.value;
  }
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (contract::ToUpper(a[i]) != contract::ToUpper(b[i])) return false;
  }
  return true;
}

// The condition's truth: "plugin NAME", "X == Y", "X != Y", or an integer
// expression (nonzero true). nullopt when it is none of these.
std::optional<bool> Condition(std::u16string_view condition) {
  constexpr std::u16string_view kPlugin = u"plugin";
  if (condition.size() > kPlugin.size() && contract::EqualsIgnoringAsciiCase(condition.substr(0, kPlugin.size()), kPlugin) &&
      contract::IsSpace(condition[kPlugin.size()])) {
    return plugins::IsLoaded(TrimSpace(condition.substr(kPlugin.size())));
  }
  for (const std::u16string_view op : {std::u16string_view(u"=="), std::u16string_view(u"!=")}) {
    const std::size_t at = condition.find(op);
    if (at == std::u16string_view::npos) continue;
    const bool same = SameValue(TrimSpace(condition.substr(0, at)), TrimSpace(condition.substr(at + op.size())));
    return op == u"==" ? same : !same;
  }
  const Arithmetic number = EvaluateArithmetic(condition);
  if (number.error != ArithmeticError::kNone) return std::nullopt;
  return number.value != 0;
}

// @if[COND,A,B]: only the chosen value is expanded.
std::optional<std::u16string> IfFunction(std::u16string_view arguments) {
  const std::vector<std::u16string_view> parts = SplitTopLevel(arguments);
  if (parts.size() != 3) return Fail(u"@if takes a condition and two values: " + Quoted(arguments));
  const std::optional<std::u16string> condition = ExpandTrimmed(parts[0]);
  if (!condition) return std::nullopt;
  const std::optional<bool> truth = Condition(*condition);
  if (!truth) return Fail(u"@if: bad condition " + Quoted(*condition));
  return ExpandTrimmed(parts[*truth ? 1 : 2]);
}

std::optional<std::u16string> CommaFunction(std::u16string_view arguments) {
  const std::optional<std::u16string> number = ExpandTrimmed(arguments);
  if (!number) return std::nullopt;
  std::optional<std::u16string> grouped = GroupThousands(*number, platform::ThousandsSeparator());
  if (!grouped) return Fail(u"@comma: not a whole number " + Quoted(*number));
  return grouped;
}

// @path[NAME]: the directory part with its trailing separator; empty when
// the name has none.
std::optional<std::u16string> PathFunction(std::u16string_view arguments) {
  const std::optional<std::u16string> name = ExpandTrimmed(arguments);
  if (!name) return std::nullopt;
  return DirectoryPart(*name);
}

std::optional<std::u16string> EvalFunction(std::u16string_view arguments) {
  const std::optional<std::u16string> expression = ExpandText(arguments);
  if (!expression) return std::nullopt;
  const std::optional<std::int64_t> value = EvaluateOrReport(*expression);
  if (!value) return std::nullopt;
  return contract::Widen(std::to_string(*value));
}

struct NamedFunction {
  std::u16string_view name;
  ShellFunction function;
};

constexpr std::array<NamedFunction, 4> kShellFunctions{{
    {u"if", IfFunction},
    {u"comma", CommaFunction},
    {u"path", PathFunction},
    {u"eval", EvalFunction},
}};

}  // namespace

ShellFunction FindShellFunction(std::u16string_view name) {
  for (const NamedFunction& entry : kShellFunctions) {
    if (contract::EqualsIgnoringAsciiCase(entry.name, name)) return entry.function;
  }
  return nullptr;
}

std::optional<std::u16string> GroupThousands(std::u16string_view text, std::u16string_view separator) {
  if (!IsWholeNumber(text)) return std::nullopt;
  std::u16string out;
  if (!contract::IsDigit(text.front())) {
    out += text.front();
    text.remove_prefix(1);
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i > 0 && (text.size() - i) % 3 == 0) out += separator;
    out += text[i];
  }
  return out;
}

}  // namespace torvane
