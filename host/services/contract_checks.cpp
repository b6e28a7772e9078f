// The stand-in shell's checks of the host table.
#include "services/contract_checks.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "contract/text.h"
#include "services/output.h"
#include "services/session.h"

namespace torvane::contract_checks {

// Fills by doubling what is filled already, so that the copies go in the
// C library's widest steps: a whole buffer costs about as much as one
// memcpy of it, not a store per unit.
void PoisonAfterText(KChar* buffer, std::size_t size) {
  const std::size_t text = contract::TextLength(buffer);
  if (text + 1 >= size) return;
  KChar* const first = buffer + text + 1;
  const std::size_t count = size - text - 1;
  std::size_t filled = std::min<std::size_t>(count, 16);
  std::fill_n(first, filled, kPoison);
  while (filled < count) {
    const std::size_t step = std::min(filled, count - filled);
    std::memcpy(first + filled, first, step * sizeof(KChar));
    filled += step;
  }
}

void Refuse(const char* service, const char* what) {
  output::Flush();
  std::fprintf(stderr, "torvane: %s: %s\n", service, what);
  std::fflush(stderr);
  if (!CurrentSession().interactive) std::abort();
}

}  // namespace torvane::contract_checks
