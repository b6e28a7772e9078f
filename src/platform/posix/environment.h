// What the POSIX back-end's files share about the process environment.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>

namespace kalendra::platform {

// Watches a few environment variables cheaply enough for every call.
// setenv and unsetenv replace, add or remove whole "NAME=VALUE" entries:
// a new value is a new entry in the same slot, a new variable is appended,
// and a removal shifts the later entries down. So the array's address, the
// slot after its last entry, its last entry and the entries of the watched
// names tell a change without reading a single text: a handful of loads.
// The C library only grows the array in place or moves it, so the slots
// read are within it. Any doubt counts as a change, and the caller reads
// its variables again.
class EnvironmentWatch {
 public:
  static constexpr std::size_t kMaxNames = 4;

  EnvironmentWatch(std::initializer_list<std::string_view> names);

  // True at the first call and whenever one of the names may have been set,
  // replaced or removed since the last call.
  bool Changed();

 private:
  bool Unchanged() const;
  void Look();

  std::array<std::string_view, kMaxNames> names_{};
  std::size_t nameCount_ = 0;
  bool looked_ = false;
  char** array_ = nullptr;  // the environment as last seen
  std::size_t count_ = 0;   // its entries
  char* last_ = nullptr;    // its last entry
  std::array<std::ptrdiff_t, kMaxNames> slot_{};  // of each name's entry; -1 while it is unset
  std::array<char*, kMaxNames> entry_{};
};

}  // namespace kalendra::platform
