// kalendrahelp, the shell's Help and Usage calls, the help-file search and
// the version line.
#include "help/help.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "frame/arguments.h"
#include "frame/errors.h"
#include "frame/features.h"
#include "frame/numbers.h"
#include "frame/plugin.h"
#include "frame/text.h"
#include "platform/platform.h"

namespace kalendra {
namespace {

// The window of the last page shown, closed at unload.
platform::HelpWindow& HelpWindowState() {
  static platform::HelpWindow window = platform::kNoHelpWindow;
  return window;
}

// A topic longer than this is cut before it becomes a page name.
constexpr std::size_t kMaxTopicLength = 1023;
// What the plug-in hands ASCIIToUnicode to widen into.
constexpr int kAsciiToUnicodeCapacity = 1024;

constexpr std::string_view kBuildTime = __TIME__;
constexpr std::string_view kCompilerDate = __DATE__;
constexpr std::u16string_view kArchitecture = u"x64";

// The start (a variable, "~" or a shell function) and the rest of a
// candidate, whose "/" become the system's separator.
std::u16string CandidateFolder(std::u16string_view start, std::u16string_view rest) {
  std::u16string text(rest);
  std::replace(text.begin(), text.end(), u'/', platform::PathSeparator());
  return std::u16string(start) + text;
}

// The places the help file may be, in the order they are tried; "/" stands
// for the system's separator.
std::array<std::u16string, 7> HelpFileCandidates() {
  const std::u16string file(platform::HelpFileName());
  return {CandidateFolder(u"%[kalendrahelp]", u"/" + file),
          CandidateFolder(u"%[pluginhelp]", u"/" + file),
          CandidateFolder(u"~", u"/" + file),
          CandidateFolder(u"~", u"/help/" + file),
          CandidateFolder(u"%@path[%_cmdspec]", file),
          CandidateFolder(u"%@path[%_cmdspec]", u"help/" + file),
          CandidateFolder(u"%[windir]", u"/help/" + file)};
}

// The library's folder with its separator, or nothing when the library's
// path is unknown.
std::optional<std::u16string> LibraryFolder() {
  const std::u16string path = platform::ModulePath();
  const std::size_t cut = path.rfind(platform::PathSeparator());
  if (cut == std::u16string::npos) return std::nullopt;
  return path.substr(0, cut);
}

// The candidate as a full path of an existing file, or nothing.
std::optional<std::u16string> ResolveCandidate(std::u16string_view candidate) {
  std::u16string text(candidate);
  // Where the candidate begins with a variable, the text after it: an
  // expansion no longer than that means the variable gave nothing.
  std::optional<std::size_t> tailAfterVariable;
  if (text.starts_with(u'~') && text.size() > 1 && text[1] == platform::PathSeparator()) {
    const std::optional<std::u16string> folder = LibraryFolder();
    if (!folder) return std::nullopt;
    text.replace(0, 1, *folder);
  } else if (const std::size_t close = text.find(u']'); text.starts_with(u"%[") && close != std::u16string::npos) {
    tailAfterVariable = text.size() - close - 1;
  }
  HostBuffer buffer;
  if (text.size() >= buffer.size()) return std::nullopt;
  CopyText(buffer.data(), buffer.size(), text);
  if (ExpandVariables(buffer.data(), 0) != 0) return std::nullopt;
  if (tailAfterVariable && TextLength(buffer.data()) <= *tailAfterVariable) return std::nullopt;
  HostBuffer fullPath;
  if (QueryTrueName(buffer.data(), fullPath.data()) != 0 || QueryIsFile(fullPath.data()) == 0) return std::nullopt;
  return std::u16string(fullPath.data());
}

// 1 when the candidate names an existing help file, whose page was then
// handed to the viewer (whether or not a window appeared); 0 when it does
// not.
int OpenHelpTopic(std::u16string_view candidate, std::u16string_view page) {
  const std::optional<std::u16string> helpFile = ResolveCandidate(candidate);
  if (!helpFile) return 0;
  const std::optional<platform::HelpWindow> window = platform::ShowHelpPage(*helpFile, page);
  HelpWindowState() = window.value_or(platform::kNoHelpWindow);
  if (!window) {
    const std::u16string folder = helpFile->substr(0, helpFile->rfind(platform::PathSeparator()));
    ReportError(u"No help page \"%s\" in %s", std::u16string(page).c_str(), folder.c_str());
  }
  return 1;
}

// The places searched, as this system names them; the last with "or".
std::u16string MissingHelpFileText() {
  const platform::HelpPlaceNames names = platform::HelpPlaces();
  const std::u16string folder(names.helpFolder);
  std::vector<std::u16string> places{u"in a directory specified in %KALENDRAHELP",
                                     u"in a directory specified in %PLUGINHELP",
                                     u"in the same directory as " + std::u16string(names.library),
                                     u"in a " + folder + u" directory within the " + std::u16string(names.libraryKind) +
                                         u"'s directory",
                                     u"in the same directory as the shell",
                                     u"in a " + folder + u" directory within the shell's directory  "};
  if (!names.systemFolder.empty()) places.push_back(u"in " + std::u16string(names.systemFolder));
  std::u16string text = u"Can't find help file " + std::u16string(names.helpFile) + u".  It should be:  \n\n";
  for (std::size_t i = 0; i < places.size(); ++i) {
    const bool last = i + 1 == places.size();
    std::u16string place = places[i];
    if (last) {
      while (place.ends_with(u' ')) place.pop_back();
      place = u"or " + place + u".";
    }
    text += u"    - " + place + u"\n";
  }
  return text;
}

// Every candidate after the first, then the message when none holds the file:
// in a box of its own where the system has them, else as an error.
void ShowHelpTopic(std::u16string_view page) {
  const std::array<std::u16string, 7> candidates = HelpFileCandidates();
  for (std::size_t i = 1; i < candidates.size(); ++i) {
    if (OpenHelpTopic(candidates[i], page) != 0) return;
  }
  std::u16string text = MissingHelpFileText();
  if (platform::ShowMessageBox(text)) return;
  text.pop_back();  // ReportError ends the line
  ReportError(u"%s", text.c_str());
}

std::u16string Lowered(std::u16string_view text) {
  std::u16string lowered;
  for (const KChar c : text) lowered += ToLower(c);
  return lowered;
}

void PrintVersionLine() {
  std::array<KChar, kAsciiToUnicodeCapacity> time{};
  ASCIIToUnicode(std::string(kBuildTime).c_str(), time.data(), kAsciiToUnicodeCapacity);
  const std::u16string date = BuildDate(kCompilerDate);
  Printf(u"%s plugin v%d.%d.%d %s %s (%s)\r\n", kPluginName.data(), kVersionMajor, kVersionMinor, kVersionBuild,
         date.c_str(), time.data(), kArchitecture.data());
}

}  // namespace

std::u16string HelpPageName(std::u16string_view topic) {
  std::u16string page = Lowered(topic);
  if (page.starts_with(u'@')) {
    page.replace(0, 1, u"f_");
  } else if (page.starts_with(u'_')) {
    page.insert(0, 1, u'v');
  }
  return page;
}

std::u16string BuildDate(std::string_view compilerDate) {
  constexpr std::array<std::string_view, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  int month = 0;
  for (std::size_t i = 0; i < kMonths.size(); ++i) {
    if (compilerDate.starts_with(kMonths[i])) month = static_cast<int>(i) + 1;
  }
  if (month == 0) return {};
  // The day and the year, each after white space.
  const std::u16string text = Widen(compilerDate.substr(3));
  std::size_t pos = 0;
  const auto field = [&]() {
    while (pos < text.size() && IsSpace(text[pos])) ++pos;
    return pos < text.size() && IsDigit(text[pos]) ? ReadDigits(text, pos) : -1;
  };
  const int day = field();
  const int year = field();
  if (day < 1 || day > 31 || year < 2014 || year > 2099) return {};
  return std::u16string(NumberText(year, 4).View()) + u"-" + std::u16string(NumberText(month, 2).View()) + u"-" +
         std::u16string(NumberText(day, 2).View());
}

void ShowHelpPageFromCandidates(std::u16string_view page) {
  if (OpenHelpTopic(HelpFileCandidates()[0], page) == 0) ShowHelpTopic(page);
}

int KalendraHelpCommand(KChar* tail) {
  SplitCommandLine(tail);
  const std::u16string_view topic = Argument(1);
  if (topic.empty()) {
    ShowHelpPageFromCandidates(u"overview");
  } else if (topic == u"/?") {
    QPuts(std::u16string(kHelpTitle).c_str());
    QPuts(u"\n\n");
    QPuts(std::u16string(kHelpUsage).c_str());
  } else if (topic == u"/V") {
    PrintVersionLine();
  } else {
    ShowHelpPageFromCandidates(HelpPageName(topic.substr(0, kMaxTopicLength)));
  }
  return 0;
}

int HelpForName(const KChar* name) {
  if (name == nullptr || *name == 0) return 0;
  const std::u16string wanted = Lowered(name);
  const std::u16string_view list = FeatureList();
  std::size_t begin = 0;
  while (begin <= list.size()) {
    std::size_t end = list.find(u',', begin);
    if (end == std::u16string_view::npos) end = list.size();
    if (Lowered(list.substr(begin, end - begin)) == wanted) {
      ShowHelpPageFromCandidates(HelpPageName(wanted));
      return 1;
    }
    begin = end + 1;
  }
  return 0;
}

int UsageForName(const KChar* name, KChar* buffer) {
  if (name == nullptr || buffer == nullptr) return 0;
  for (const Feature& feature : Features()) {
    if (!feature.usage.empty() && EqualsIgnoringAsciiCase(name, feature.name)) {
      CopyText(buffer, kUsageBufferLength, feature.usage);
      return 1;
    }
  }
  return 0;
}

void CloseHelpWindowAtShutdown() {
  platform::HelpWindow& window = HelpWindowState();
  if (window != platform::kNoHelpWindow) platform::CloseHelpWindow(window);
  window = platform::kNoHelpWindow;
}

}  // namespace kalendra
