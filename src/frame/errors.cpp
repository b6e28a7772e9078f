#include "frame/errors.h"

#include "frame/arguments.h"
#include "frame/numbers.h"
#include "frame/text.h"

namespace kalendra {

void ErrorPrefix() {
  Qprintf(kHostStderr, u"KALENDRA plugin: ");
  HostBuffer buffer;
  CopyText(buffer.data(), buffer.size(), u"%_batch");
  ExpandVariables(buffer.data(), 1);
  if (buffer[0] == u'0') return;  // not inside a batch file
  CopyText(buffer.data(), buffer.size(), u"%_batchname [%_batchline]  ");
  ExpandVariables(buffer.data(), 1);
  // The name is literal text: a "%" in it must not be read as a conversion.
  Qprintf(kHostStderr, u"%s", buffer.data());
}

int ReportArgumentError(Message format, int n) { return ReportError(format, Argument(n).data()); }

int ReadNumberArgument(int n, std::int32_t fallback, Message message, std::int32_t& value) {
  const std::int32_t read = HasArgument(n) ? ParseNumber(Argument(n)) : fallback;
  if (read < 0) return ReportArgumentError(message, n);
  value = read;
  return 0;
}

}  // namespace kalendra
