// Prints what the system's locale services say, straight from the platform
// back-end, so that end-to-end cases compute their expectations for
// locale-formatted output at run time instead of copying them from memory.
// Usage: locale_probe long|short YYYY MM DD WEEKDAY
//        locale_probe month|weekday INDEX    (weekdays 1 = Monday)
//        locale_probe item order|separator|firstday
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "frame/text.h"
#include "platform/platform.h"

namespace {

using kalendra::platform::LocaleDateStyle;
using kalendra::platform::LocaleItem;
using kalendra::platform::LocaleNameSet;

std::optional<std::u16string> Probe(int argc, char** argv) {
  const std::string_view what = argc > 1 ? argv[1] : "";
  const auto number = [&](int i) { return i < argc ? std::atoi(argv[i]) : 0; };
  if ((what == "long" || what == "short") && argc == 6) {
    const LocaleDateStyle style = what == "long" ? LocaleDateStyle::kLongDate : LocaleDateStyle::kShortDate;
    return kalendra::platform::FormatLocaleDate(style, {number(2), number(3), number(4), number(5)}, u"");
  }
  if (what == "month" && argc == 3) return kalendra::platform::LocaleName(LocaleNameSet::kMonth, number(2));
  if (what == "weekday" && argc == 3) return kalendra::platform::LocaleName(LocaleNameSet::kWeekday, number(2));
  if (what == "item" && argc == 3) {
    const std::string_view item = argv[2];
    if (item == "order") return kalendra::platform::LocaleInfo(LocaleItem::kShortDateOrder);
    if (item == "separator") return kalendra::platform::LocaleInfo(LocaleItem::kDateSeparator);
    if (item == "firstday") return kalendra::platform::LocaleInfo(LocaleItem::kFirstDayOfWeek);
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  kalendra::platform::ReloadLocaleIfChanged();
  const std::optional<std::u16string> answer = Probe(argc, argv);
  if (!answer) {
    std::fputs("locale_probe: no answer\n", stderr);
    return 1;
  }
  const std::string text = kalendra::ToUtf8(*answer) + "\n";
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}
