// The shell's session state and the variables that report it.
#include "services/session.h"

#include "contract/text.h"
#include "platform/host_platform.h"
#include "services/texts.h"

namespace torvane {
namespace {

std::u16string Flag(bool value) { return value ? u"1" : u"0"; }

// _pipe: 1 when the shell reads from or writes into a pipe. A terminal, a
// file or a device is no pipe.
bool InPipe() {
  const Session& session = CurrentSession();
  if (session.pipeOverride) return *session.pipeOverride;
  return platform::IsPipe(platform::Stream::Input) || platform::IsPipe(platform::Stream::Output);
}

const BatchFrame* InnermostBatch() {
  const Session& session = CurrentSession();
  return session.batches.empty() ? nullptr : &session.batches.back();
}

}  // namespace

Session theSession;

std::vector<std::u16string> ShellVariableNames() {
  return {u"_batch", u"_batchline", u"_batchname", u"_cmdspec", u"_pipe", u"_transient"};
}

std::optional<std::u16string> ShellVariable(std::u16string_view name) {
  const auto is = [&](std::u16string_view candidate) { return contract::EqualsIgnoringAsciiCase(name, candidate); };
  const BatchFrame* batch = InnermostBatch();
  if (is(u"_batch")) return Decimal(static_cast<long long>(CurrentSession().batches.size()));
  if (is(u"_batchname")) return batch != nullptr ? batch->path : u"";
  if (is(u"_batchline")) return batch != nullptr ? Decimal(batch->line) : u"0";
  if (is(u"_transient")) return Flag(CurrentSession().transient);
  if (is(u"_pipe")) return Flag(InPipe());
  if (is(u"_cmdspec")) return platform::ExecutablePath();
  return std::nullopt;
}

std::u16string BatchParameter(int n) {
  const BatchFrame* batch = InnermostBatch();
  if (batch == nullptr || n < 0 || static_cast<std::size_t>(n) >= batch->arguments.size()) return {};
  return batch->arguments[static_cast<std::size_t>(n)];
}

}  // namespace torvane
