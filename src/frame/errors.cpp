// The error prefix and the reporting of a message that quotes an argument.
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

}  // namespace kalendra
