// @ord: the shell evaluates, @comma groups, this file picks the suffix.
#include "numerals/ordinal.h"

#include <array>
#include <optional>
#include <string>

#include "calendar/argument_reader.h"
#include "frame/errors.h"
#include "frame/numbers.h"
#include "frame/text.h"

namespace kalendra {
namespace {

constexpr std::array<std::u16string_view, 4> kSuffixes = {u"th", u"st", u"nd", u"rd"};

bool IsBlank(const KChar* text) {
  for (; *text != u'\0'; ++text) {
    if (!IsSpace(*text)) return false;
  }
  return true;
}

// The value as the shell's @comma groups it, or ungrouped when the shell
// cannot expand the call.
std::u16string GroupedDigits(std::int32_t value) {
  const NumberText digits(value, 1);
  HostBuffer text;
  CopyText(text.data(), text.size(), u"%@comma[" + std::u16string(digits.View()) + u"]");
  // A result that fills the buffer may have been cut.
  if (ExpandVariables(text.data(), 1) != 0 || TextLength(text.data()) >= text.size() - 1) {
    return std::u16string(digits.View());
  }
  return std::u16string(text.data());
}

}  // namespace

std::u16string_view OrdinalSuffix(std::int64_t value) {
  std::int64_t index = value % 100;
  if (index > 19) index = value % 10;
  return index > 3 ? kSuffixes[0] : kSuffixes[static_cast<std::size_t>(index)];
}

int OrdFunction(KChar* buffer) {
  if (IsBlank(buffer)) return ReportError(u"No expression");
  if (Evaluate(buffer) != 0) return kEvaluateFailedResult;
  // A value beyond 32 bits is refused rather than written cut.
  const std::optional<std::int64_t> value = ParseSignedNumber(buffer);
  if (!value || *value > kMaxNumber || *value < -kMaxNumber - 1) return ReportError(kInvalidNumberMessage, buffer);
  if (*value < 0) return ReportError(u"Number must be nonnegative \"%d\"", static_cast<std::int32_t>(*value));
  return AnswerText(buffer, GroupedDigits(static_cast<std::int32_t>(*value)) + std::u16string(OrdinalSuffix(*value)));
}

}  // namespace kalendra
