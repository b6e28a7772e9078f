// Windows back-end of help: the HTML Help engine, loaded once from where the
// registry says the HTML Help control lives (else "hhctrl.ocx" by name), and
// the message box of a missing help file.
#include <windows.h>

#include <array>
#include <string>

#include "platform/platform.h"
#include "contract/win32/wide.h"

namespace kalendra::platform {

using contract::AsWide;

namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND owner, const wchar_t* file, UINT command, DWORD_PTR data);

// The engine, kept for the life of the process once loaded. After a failed
// load or lookup no page is shown again.
struct HtmlHelpEngine {
  HMODULE module = nullptr;
  HtmlHelpFunction entry = nullptr;
  bool failed = false;
};

HtmlHelpEngine& Engine() {
  static HtmlHelpEngine engine;
  return engine;
}

constexpr char kHtmlHelpControlKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr DWORD kMaxEnginePath = 260;
constexpr WORD kWideHtmlHelpOrdinal = 15;
constexpr UINT kDisplayTopic = 0;              // HH_DISPLAY_TOPIC
constexpr DWORD kWindowSettleMilliseconds = 5;  // before the new window is brought forward
constexpr wchar_t kHelpWindowTitle[] = L"KALENDRA Plugin Help";
constexpr wchar_t kHelpWindowClass[] = L"HH Parent";

// The engine's path as the registry holds it, expanded when it is an
// expandable text; empty when it is missing or does not fit.
std::string EnginePathFromRegistry() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kHtmlHelpControlKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
  std::array<char, kMaxEnginePath + 1> value{};
  DWORD type = 0;
  DWORD size = kMaxEnginePath;
  const LSTATUS status = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return {};
  if (type != REG_EXPAND_SZ) return std::string(value.data());
  std::array<char, kMaxEnginePath> expanded{};
  const DWORD length = ExpandEnvironmentStringsA(value.data(), expanded.data(), kMaxEnginePath);
  if (length == 0 || length > kMaxEnginePath) return {};
  return std::string(expanded.data());
}

HtmlHelpFunction EngineEntry() {
  HtmlHelpEngine& engine = Engine();
  if (engine.failed) return nullptr;
  if (engine.module == nullptr) {
    const std::string path = EnginePathFromRegistry();
    if (!path.empty()) engine.module = LoadLibraryA(path.c_str());
  }
  if (engine.module == nullptr) engine.module = LoadLibraryA("hhctrl.ocx");
  if (engine.module == nullptr) {
    engine.failed = true;
    return nullptr;
  }
  if (engine.entry == nullptr) {
    engine.entry = reinterpret_cast<HtmlHelpFunction>(
        reinterpret_cast<void*>(GetProcAddress(engine.module, MAKEINTRESOURCEA(kWideHtmlHelpOrdinal))));
  }
  if (engine.entry == nullptr) engine.failed = true;
  return engine.entry;
}

void RaiseWindow(HWND window) {
  BringWindowToTop(window);
  ShowWindow(window, SW_RESTORE);
}

// Brings the window to the front; the foreground is another thread's unless
// this thread already owns it, so input is attached to that thread for the
// moment.
void BringToFront(HWND window) {
  const DWORD self = GetCurrentThreadId();
  const DWORD foreground = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
  if (foreground == self || foreground == 0) {
    RaiseWindow(window);
    return;
  }
  AttachThreadInput(self, foreground, TRUE);
  RaiseWindow(window);
  AttachThreadInput(self, foreground, FALSE);
}

bool IsLibraryHelpWindow(HWND window) {
  std::array<wchar_t, 64> text{};
  std::array<wchar_t, 64> windowClass{};
  GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  GetClassNameW(window, windowClass.data(), static_cast<int>(windowClass.size()));
  return std::wstring(text.data()) == kHelpWindowTitle && std::wstring(windowClass.data()) == kHelpWindowClass;
}

}  // namespace

std::u16string_view HelpFileName() { return u"kalendra.chm"; }

HelpPlaceNames HelpPlaces() { return {u"KALENDRA.CHM", u"KALENDRA.DLL", u"DLL", u"HELP", u"%WINDIR\\HELP"}; }

std::optional<HelpWindow> ShowHelpPage(const std::u16string& helpFile, std::u16string_view page) {
  const HtmlHelpFunction entry = EngineEntry();
  if (entry == nullptr) return kNoHelpWindow;
  const std::u16string address = helpFile + u"::/" + std::u16string(page) + u".html";
  const HWND window = entry(GetDesktopWindow(), AsWide(address.c_str()), kDisplayTopic, 0);
  Sleep(kWindowSettleMilliseconds);
  if (window == nullptr) return kNoHelpWindow;
  BringToFront(window);
  return reinterpret_cast<HelpWindow>(window);
}

void CloseHelpWindow(HelpWindow handle) {
  const HWND window = reinterpret_cast<HWND>(handle);
  if (IsWindow(window) && IsLibraryHelpWindow(window)) SendMessageW(window, WM_CLOSE, 0, 0);
}

bool ShowMessageBox(std::u16string_view text) {
  const std::u16string message(text);
  MessageBoxW(GetForegroundWindow(), AsWide(message.c_str()), L"Error", MB_OK);
  return true;
}

}  // namespace kalendra::platform
