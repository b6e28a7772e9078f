// The stand-in shell's checks of the host table.
#include "services/contract_checks.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "contract/text.h"
#include "services/output.h"
#include "services/session.h"

namespace torvane::contract_checks {

void PoisonAfterText(KChar* buffer, std::size_t size) {
  const std::size_t text = contract::TextLength(buffer);
  if (text + 1 < size) std::fill(buffer + text + 1, buffer + size, kPoison);
}

void Refuse(const char* service, const char* what) {
  output::Flush();
  std::fprintf(stderr, "torvane: %s: %s\n", service, what);
  std::fflush(stderr);
  if (!CurrentSession().interactive) std::abort();
}

}  // namespace torvane::contract_checks
