// The holiday rule list, its guard against changes while it is walked, and
// the built-in rules.
#include "holidays/rule_list.h"

#include <new>

#include "contract/host_interface.h"

namespace kalendra {
namespace {

struct HolidayListState {
  std::forward_list<std::u16string> rules;
  int walks = 0;  // live HolidayListWalk objects
};

HolidayListState& HolidayList() {
  static HolidayListState state;
  return state;
}

// The built-in rules, in the order they are added.
constexpr std::u16string_view kDefaultRules[] = {
    u"*-01-01",
    u"(1986)%@holiday[3,1,1]",
    u"(1880-1970)*-02-22",
    u"(1971)%@holiday[3,1,2]",
    u"%@easter[]",
    u"(1914)%@holiday[2,7,5]",
    u"(1868-1970)*-05-30",
    u"(1971)%@holiday[5,1,5]",
    u"(1910)%@holiday[3,7,6]",
    u"(1776)*-07-04",
    u"(1894)%@holiday[1,1,9]",
    u"(1934-1970)*-10-12",
    u"(1971)%@holiday[2,1,10]",
    u"*-10-31",
    u"(1848?2)%@holiday[1,1,11,,,1]",
    u"(1919-1970)*-11-11",
    u"(1971-1977)%@holiday[4,1,10]",
    u"(1978)*-11-11",
    u"(1942)%@holiday[4,4,11]",
    u"(1939-1941)%@holiday[5,4,11,,,-7]",
    u"(1863-1938)%@holiday[5,4,11]",
    u"*-12-25",
    u"*-12-31",
};

}  // namespace

int AddHolidayRule(std::u16string_view rule) {
  if (rule.empty() || rule.size() > kMaxRuleLength) return kRuleMissing;
  HolidayListState& list = HolidayList();
  if (list.walks > 0) return kRuleListBusy;
  try {
    list.rules.emplace_front(rule);
  } catch (const std::bad_alloc&) {
    return kRuleNoMemory;
  }
  return kRuleAdded;
}

int AddHolidayRules(std::u16string_view option) {
  std::u16string_view rest = option.substr(option.size() < 2 ? option.size() : 2);  // past "/H"
  if (!rest.empty() && (rest[0] == u':' || rest[0] == u'=')) rest.remove_prefix(1);
  while (!rest.empty()) {
    const std::size_t end = FindOutsideBrackets(rest, u",;");
    if (end > 0) AddHolidayRule(rest.substr(0, end));
    rest.remove_prefix(end < rest.size() ? end + 1 : end);
  }
  return 0;
}

int LoadDefaultHolidays() {
  for (const std::u16string_view rule : kDefaultRules) AddHolidayRule(rule);
  return 0;
}

void FreeHolidayRules() {
  HolidayListState& list = HolidayList();
  if (list.walks == 0) list.rules.clear();
}

bool HolidayListInUse() { return HolidayList().walks > 0; }

HolidayListWalk::HolidayListWalk() { ++HolidayList().walks; }
HolidayListWalk::~HolidayListWalk() { --HolidayList().walks; }

std::forward_list<std::u16string>::const_iterator HolidayListWalk::begin() const {
  return HolidayList().rules.cbegin();
}
std::forward_list<std::u16string>::const_iterator HolidayListWalk::end() const { return HolidayList().rules.cend(); }

std::size_t FindOutsideBrackets(std::u16string_view text, std::u16string_view separators) {
  int depth = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const KChar c = text[i];
    if (c == u'[') {
      ++depth;
    } else if (c == u']') {
      if (depth > 0) --depth;
    } else if (depth == 0 && separators.find(c) != std::u16string_view::npos) {
      return i;
    }
  }
  return text.size();
}

}  // namespace kalendra
