// Fake back-end: every answer comes from state that tests set.
#include "platform/fake/fake_platform.h"

#include <map>

namespace kalendra {
namespace {

struct FakeState {
  platform::LocalDateTime now = fake::kDefaultNow;
  std::u16string modulePath = u"/opt/kalendra/libkalendra.so";
  std::map<std::u16string, std::u16string> environment;
};

FakeState& State() {
  static FakeState state;
  return state;
}

}  // namespace

namespace fake {

void Reset() { State() = FakeState{}; }
void SetNow(const platform::LocalDateTime& now) { State().now = now; }
void SetModulePath(const std::u16string& path) { State().modulePath = path; }
void SetEnvironmentValue(const std::u16string& name, const std::u16string& value) {
  State().environment[name] = value;
}
void UnsetEnvironmentValue(const std::u16string& name) { State().environment.erase(name); }

}  // namespace fake

namespace platform {

LocalDateTime LocalNow() { return State().now; }
void RecordModuleHandle(void* /*module*/) {}
std::u16string ModulePath() { return State().modulePath; }
std::u16string EnvironmentValue(const std::u16string& name) {
  const auto found = State().environment.find(name);
  return found == State().environment.end() ? std::u16string() : found->second;
}

}  // namespace platform
}  // namespace kalendra
