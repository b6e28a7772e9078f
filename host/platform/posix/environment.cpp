// POSIX back-end of the environment (UTF-8 variables) and of the locale's
// thousands separator.
#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <string>
#include <utility>

#include "contract/text.h"
#include "platform/host_platform.h"

extern char** environ;

namespace torvane::platform {

std::optional<std::u16string> EnvironmentValue(std::u16string_view name) {
  const char* value = std::getenv(contract::ToUtf8(name).c_str());
  if (value == nullptr) return std::nullopt;
  return contract::FromUtf8(value);
}

std::vector<std::pair<std::u16string, std::u16string>> EnvironmentEntries() {
  std::vector<std::pair<std::u16string, std::u16string>> entries;
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    const std::string_view text(*entry);
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) continue;
    entries.emplace_back(contract::FromUtf8(text.substr(0, equals)), contract::FromUtf8(text.substr(equals + 1)));
  }
  return entries;
}

bool SetEnvironmentValue(std::u16string_view name, std::u16string_view value) {
  return ::setenv(contract::ToUtf8(name).c_str(), contract::ToUtf8(value).c_str(), 1) == 0;
}

bool RemoveEnvironmentValue(std::u16string_view name) { return ::unsetenv(contract::ToUtf8(name).c_str()) == 0; }

namespace {

// The variables that select the numeric locale, in the order they count.
std::string NumericLocaleSelection() {
  std::string selection;
  for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char* value = std::getenv(name);
    selection.append(value != nullptr ? value : "").push_back('\n');
  }
  return selection;
}

}  // namespace

std::u16string ThousandsSeparator() {
  // The locale the environment selects (LC_ALL, then LC_NUMERIC, then LANG),
  // read without changing the process's own locale. Loading it costs
  // thousands of instructions, so the answer is kept while the selection stays.
  static std::string selection;
  static std::u16string separator;
  std::string current = NumericLocaleSelection();
  if (!separator.empty() && current == selection) return separator;
  const locale_t locale = ::newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (locale == static_cast<locale_t>(nullptr)) return u",";
  const std::u16string read = contract::FromUtf8(::nl_langinfo_l(THOUSEP, locale));
  ::freelocale(locale);
  selection = std::move(current);
  separator = read.empty() ? u"," : read;
  return separator;
}

}  // namespace torvane::platform
