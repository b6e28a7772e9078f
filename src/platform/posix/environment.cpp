// POSIX back-end: environment variables, read as UTF-8.
#include <cstdlib>

#include "contract/text.h"
#include "platform/platform.h"
#include "platform/posix/environment.h"

extern char** environ;

namespace kalendra::platform {

using contract::FromUtf8;
using contract::ToUtf8;

EnvironmentWatch::EnvironmentWatch(std::initializer_list<std::string_view> names) {
  for (const std::string_view name : names) {
    if (nameCount_ < kMaxNames) names_[nameCount_++] = name;
  }
}

bool EnvironmentWatch::Changed() {
  if (looked_ && Unchanged()) return false;
  Look();
  return true;
}

bool EnvironmentWatch::Unchanged() const {
  char** const array = environ;
  if (array != array_) return false;
  if (array == nullptr) return true;
  // One more entry fills the slot after the last; one fewer empties the
  // last slot or moves another entry into it.
  if (array[count_] != nullptr || (count_ > 0 && array[count_ - 1] != last_)) return false;
  for (std::size_t i = 0; i < nameCount_; ++i) {
    if (slot_[i] >= 0 && array[slot_[i]] != entry_[i]) return false;
  }
  return true;
}

void EnvironmentWatch::Look() {
  looked_ = true;
  array_ = environ;
  count_ = 0;
  slot_.fill(-1);
  entry_.fill(nullptr);
  for (char** entry = array_; entry != nullptr && *entry != nullptr; ++entry, ++count_) {
    const std::string_view text(*entry);
    for (std::size_t i = 0; i < nameCount_; ++i) {
      if (text.size() > names_[i].size() && text.starts_with(names_[i]) && text[names_[i].size()] == '=') {
        slot_[i] = static_cast<std::ptrdiff_t>(count_);
        entry_[i] = *entry;
      }
    }
  }
  last_ = count_ > 0 ? array_[count_ - 1] : nullptr;
}

std::u16string EnvironmentValue(const std::u16string& name) {
  const char* value = std::getenv(ToUtf8(name).c_str());
  return value == nullptr ? std::u16string() : FromUtf8(value);
}

}  // namespace kalendra::platform
