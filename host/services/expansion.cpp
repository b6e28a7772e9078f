// The expansion engine. The text is always a copy the engine owns: plug-in
// calls may expand again (re-entry) or unload plug-ins, and no pointer into
// a buffer of theirs is kept across a call.
#include "services/expansion.h"

#include <array>

#include "contract/text.h"
#include "platform/host_platform.h"
#include "services/output.h"
#include "services/plugins.h"
#include "services/session.h"
#include "services/shell_functions.h"
#include "services/texts.h"

namespace torvane {
namespace {

constexpr std::size_t kNoPosition = std::u16string_view::npos;

// Counts the expansions in progress, re-entrant ones included.
class DepthGuard {
 public:
  DepthGuard() { ++depth_; }
  ~DepthGuard() { --depth_; }
  DepthGuard(const DepthGuard&) = delete;
  DepthGuard& operator=(const DepthGuard&) = delete;
  bool TooDeep() const { return depth_ > kMaxExpansionDepth; }

 private:
  static inline int depth_ = 0;
};

// Letters, digits, "_" and "$" make up a variable or function name: looked
// up in a table, since every name of every line is read through it.
constexpr std::array<bool, 0x80> kNameCharacters = [] {
  std::array<bool, 0x80> name{};
  for (int c = 0; c < 0x80; ++c) {
    name[static_cast<std::size_t>(c)] =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '$';
  }
  return name;
}();

bool IsNameCharacter(KChar c) { return c < 0x80 && kNameCharacters[c]; }

std::size_t NameLength(std::u16string_view text) {
  std::size_t length = 0;
  while (length < text.size() && IsNameCharacter(text[length])) ++length;
  return length;
}

// A plug-in call gets a writable buffer of the interface's length holding
// text, and answers in it; the answer is appended to out.
bool CallPlugin(const plugins::FoundFeature& feature, std::u16string_view name, std::u16string_view text,
                std::u16string& out) {
  if (text.size() >= kHostBufferLength) {
    output::ReportError(u"The text for " + Quoted(name) + u" is longer than " + TextLimit());
    return false;
  }
  const CallBuffer buffer;
  contract::CopyText(buffer.data(), kHostBufferLength, text);
  if (plugins::Call(feature, buffer.data()) != 0) return false;
  buffer.data()[kHostBufferLength - 1] = u'\0';
  out.append(buffer.data());
  return true;
}

// feature is the name with its "@"; its value is appended to out.
bool CallFunction(std::u16string_view feature, std::u16string_view arguments, std::u16string& out) {
  const std::u16string_view name = feature.substr(1);
  if (const plugins::FoundFeature found = plugins::Find(plugins::FeatureKind::kFunction, feature)) {
    if (FindUnit(arguments, u'%') == kNoPosition) return CallPlugin(found, feature, arguments, out);
    const std::optional<std::u16string> expanded = ExpandText(arguments);
    if (!expanded) return false;
    // The expansion may have loaded or unloaded plug-ins; one unloaded
    // meanwhile reads as unknown, empty.
    const plugins::FoundFeature again = plugins::Find(plugins::FeatureKind::kFunction, feature);
    return !again || CallPlugin(again, feature, *expanded, out);
  }
  if (const ShellFunction function = FindShellFunction(name)) {
    const std::optional<std::u16string> value = function(arguments);
    if (value) out += *value;
    return value.has_value();
  }
  output::ReportError(u"Unknown function " + Quoted(feature));
  return false;
}

// The closing bracket that matches the one at open, or kNoPosition.
std::size_t MatchingBracket(std::u16string_view text, std::size_t open) {
  constexpr std::array<KChar, 2> kBrackets{u'[', u']'};
  int depth = 1;  // the bracket at open
  for (std::size_t i = FindAnyOf(text, open + 1, kBrackets); i != kNoPosition; i = FindAnyOf(text, i + 1, kBrackets)) {
    if (text[i] == u'[') ++depth;
    if (text[i] == u']' && --depth == 0) return i;
  }
  return kNoPosition;
}

bool ReportMissingBracket(std::u16string_view reference) {
  output::ReportError(u"Missing \"]\" after " + Quoted(reference));
  return false;
}

// Each Expand* below starts at the "%" of a reference in text, appends its
// value to out and moves pos past it; false when the expansion fails.

bool ExpandFunction(std::u16string_view text, std::size_t& pos, std::u16string& out) {
  const std::size_t nameStart = pos + 2;
  const std::size_t open = nameStart + NameLength(text.substr(nameStart));
  if (open == nameStart || open >= text.size() || text[open] != u'[') {
    out += u"%@";  // no call: the text stands as written
    pos += 2;
    return true;
  }
  const std::size_t close = MatchingBracket(text, open);
  if (close == kNoPosition) return ReportMissingBracket(text.substr(pos, open + 1 - pos));
  if (!CallFunction(text.substr(pos + 1, open - pos - 1), text.substr(open + 1, close - open - 1), out)) return false;
  pos = close + 1;
  return true;
}

// The variable's value: a plug-in's internal variable, the shell's own, or
// an environment variable (exact name first, then any case); nothing when
// unknown. False when the plug-in's variable failed.
bool AppendVariable(std::u16string_view name, std::u16string& out) {
  if (const plugins::FoundFeature found = plugins::Find(plugins::FeatureKind::kVariable, name)) {
    return CallPlugin(found, name, u"", out);
  }
  if (std::optional<std::u16string> value = ShellVariable(name)) {
    out += *value;
  } else if (std::optional<std::u16string> environment = LookupEnvironment(name)) {
    out += *environment;
  }
  return true;
}

// %[NAME]: the name may itself hold references.
bool ExpandBracketedVariable(std::u16string_view text, std::size_t& pos, std::u16string& out) {
  const std::size_t open = pos + 1;
  const std::size_t close = MatchingBracket(text, open);
  if (close == kNoPosition) return ReportMissingBracket(u"%[");
  const std::optional<std::u16string> name = ExpandText(text.substr(open + 1, close - open - 1));
  pos = close + 1;
  return name && AppendVariable(*name, out);
}

bool ExpandReference(std::u16string_view text, std::size_t& pos, std::u16string& out) {
  const KChar next = pos + 1 < text.size() ? text[pos + 1] : u'\0';
  if (next == u'%') {
    out += u'%';
    pos += 2;
    return true;
  }
  if (next == u'@') return ExpandFunction(text, pos, out);
  if (next == u'[') return ExpandBracketedVariable(text, pos, out);
  if (contract::IsDigit(next)) {  // %0 to %9: one digit, so %10 is %1 then "0"
    out += BatchParameter(next - u'0');
    pos += 2;
    return true;
  }
  const std::size_t length = NameLength(text.substr(pos + 1));
  if (length == 0) {  // a lone "%"
    out += u'%';
    ++pos;
    return true;
  }
  pos += 1 + length;
  return AppendVariable(text.substr(pos - length, length), out);
}

}  // namespace

std::optional<std::u16string> LookupEnvironment(std::u16string_view name) {
  if (std::optional<std::u16string> value = platform::EnvironmentValue(name)) return value;
  for (auto& [entryName, value] : platform::EnvironmentEntries()) {
    if (contract::EqualsIgnoringAsciiCase(entryName, name)) return std::move(value);
  }
  return std::nullopt;
}

bool ExpandInto(std::u16string_view text, std::u16string& out, std::size_t firstPercent) {
  const DepthGuard guard;
  if (guard.TooDeep()) {
    output::ReportError(u"Expansion nested too deeply");
    return false;
  }
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t percent = pos < firstPercent ? firstPercent : FindUnit(text, u'%', pos);
    out.append(text.substr(pos, percent == kNoPosition ? kNoPosition : percent - pos));
    if (percent == kNoPosition) break;
    pos = percent;
    if (!ExpandReference(text, pos, out)) return false;
  }
  return true;
}

std::optional<std::u16string> ExpandText(std::u16string_view text) {
  std::u16string out;
  if (!ExpandInto(text, out)) return std::nullopt;
  return out;
}

}  // namespace torvane
