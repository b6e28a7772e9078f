// Completion of names from the loaded plug-ins, the shell's own variables
// and the built-in commands.
#include "services/completion.h"

#include <algorithm>

#include "contract/text.h"
#include "services/commands.h"
#include "services/plugins.h"
#include "services/session.h"

namespace torvane {
namespace {

bool StartsWithIgnoringCase(std::u16string_view text, std::u16string_view prefix) {
  return text.size() >= prefix.size() && contract::EqualsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

// Every name of one kind, written as the prompt takes it.
std::vector<std::u16string> Candidates(plugins::FeatureKind kind) {
  std::vector<std::u16string> words;
  for (const std::u16string& name : plugins::OfferedNames()) {
    if (plugins::KindOf(name) != kind) continue;
    if (kind == plugins::FeatureKind::kFunction) {
      words.push_back(u"%" + name + u"[");
    } else if (kind == plugins::FeatureKind::kVariable) {
      words.push_back(u"%" + name);
    } else {
      words.push_back(name);
    }
  }
  if (kind == plugins::FeatureKind::kVariable) {
    for (const std::u16string& name : ShellVariableNames()) words.push_back(u"%" + name);
  }
  if (kind == plugins::FeatureKind::kCommand) {
    for (std::u16string& name : BuiltinNames()) words.push_back(std::move(name));
  }
  return words;
}

}  // namespace

std::vector<std::u16string> CompletionsFor(std::u16string_view word, bool atLineStart) {
  std::vector<std::u16string> words;
  if (word.starts_with(u"%@")) {
    words = Candidates(plugins::FeatureKind::kFunction);
  } else if (word.starts_with(u"%_")) {
    words = Candidates(plugins::FeatureKind::kVariable);
  } else if (atLineStart) {
    words = Candidates(plugins::FeatureKind::kCommand);
  }
  std::erase_if(words, [&](const std::u16string& candidate) { return !StartsWithIgnoringCase(candidate, word); });
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
  return words;
}

}  // namespace torvane
