// Windows front-end of the date picker: dialog 101 of the plug-in's
// resources, run modally on the calling thread, drawn from the picker model.
// A keyboard hook of this thread turns the navigation keys into commands and
// a thread timer drives the countdown.
#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "frame/numbers.h"
#include "frame/text.h"
#include "picker/picker_face.h"
#include "picker/picker_model.h"
#include "picker/picker_view.h"
#include "platform/win32/module_handle.h"
#include "contract/win32/wide.h"

namespace kalendra {

using contract::AsWide;

namespace {

constexpr int kDialogTemplate = 101;
constexpr UINT kTickMilliseconds = 1000;
constexpr DWORD kConsoleTitleWait = 40;  // milliseconds for a new title to reach the console window
constexpr int kConsoleTitleLength = 1024;
constexpr int kEnglish = 9;  // the primary language of English

enum Font { kTitleFont, kDayFont, kSelectedFont, kUnavailableFont, kSmallFont, kButtonFont, kFontCount };

// The one dialog that can be open, with what it holds.
struct OpenDialog {
  PickerState* state = nullptr;
  HWND window = nullptr;
  HWND console = nullptr;
  HHOOK hook = nullptr;
  UINT_PTR timer = 0;
  std::array<HFONT, kFontCount> fonts{};
  HBRUSH selectionBrush = nullptr;
  COLORREF sunday = 0;
  COLORREF holiday = 0;
  std::optional<PickerFace> shown;  // what the controls show now
};

OpenDialog& Dialog() {
  static OpenDialog dialog;
  return dialog;
}

void SetText(int control, const std::u16string& text) {
  SetDlgItemTextW(Dialog().window, control, AsWide(text.c_str()));
}

void SetFont(int control, Font font) {
  SendDlgItemMessageW(Dialog().window, control, WM_SETFONT, reinterpret_cast<WPARAM>(Dialog().fonts[font]), TRUE);
}

// The dialog's controls as the face draws on them.
class DialogSurface final : public PickerSurface {
 public:
  void SetText(int control, const std::u16string& text) override { kalendra::SetText(control, text); }
  void SetCellFont(int control, CellFont font) override {
    SetFont(control, font == CellFont::kUnavailable ? kUnavailableFont
                     : font == CellFont::kSelected  ? kSelectedFont
                                                    : kDayFont);
  }
  void ShowControl(int control, bool shown) override {
    ShowWindow(GetDlgItem(Dialog().window, control), shown ? SW_SHOW : SW_HIDE);
  }
  void EnableControl(int control, bool enabled) override {
    EnableWindow(GetDlgItem(Dialog().window, control), enabled ? TRUE : FALSE);
  }
  void Repaint(int control) override { InvalidateRect(GetDlgItem(Dialog().window, control), nullptr, TRUE); }
};

// Draws what changed since the controls were last drawn.
void ShowState() {
  const PickerFace next = FaceOf(*Dialog().state);
  DialogSurface surface;
  DrawChanges(Dialog().shown ? &*Dialog().shown : nullptr, next, surface);
  Dialog().shown = next;
}

void KillCountdownTimer() {
  if (Dialog().timer == 0) return;
  KillTimer(nullptr, Dialog().timer);
  Dialog().timer = 0;
}

// After a command or a tick: ends the dialog, or shows what changed.
void Settle(PickerEnd end) {
  if (!Dialog().state->timerRunning) KillCountdownTimer();
  if (end != kPickerStaysOpen) {
    EndDialog(Dialog().window, end);
    return;
  }
  ShowState();
}

void CALLBACK OnTimerTick(HWND /*window*/, UINT /*message*/, UINT_PTR /*timer*/, DWORD /*time*/) {
  if (Dialog().state == nullptr || Dialog().window == nullptr) return;
  Settle(CountdownTick(*Dialog().state));
}

PickerKey KeyOf(WPARAM key) {
  switch (key) {
    case VK_LEFT: return PickerKey::kLeft;
    case VK_RIGHT: return PickerKey::kRight;
    case VK_UP: return PickerKey::kUp;
    case VK_DOWN: return PickerKey::kDown;
    case VK_PRIOR: return PickerKey::kPageUp;
    case VK_NEXT: return PickerKey::kPageDown;
    case VK_HOME: return PickerKey::kHome;
    case VK_END: return PickerKey::kEnd;
    case VK_BACK: return PickerKey::kBackspace;
    case VK_PAUSE: return PickerKey::kPause;
    default: return PickerKey::kOther;
  }
}

bool IsHeld(int key) { return GetKeyState(key) < 0; }

LRESULT CALLBACK PickerKeyHook(int code, WPARAM key, LPARAM flags) {
  if (code < 0 || Dialog().state == nullptr) return CallNextHookEx(nullptr, code, key, flags);
  NoteKeyEvent(*Dialog().state);
  ShowState();  // a key stops the countdown: the OK button's text changes
  const PickerKey pickerKey = KeyOf(key);
  if (pickerKey == PickerKey::kOther) return CallNextHookEx(nullptr, code, key, flags);
  const bool released = (static_cast<DWORD>(flags) & 0x80000000u) != 0;
  if (released) return 1;
  const int command = CommandOfKey(pickerKey, IsHeld(VK_CONTROL), IsHeld(VK_SHIFT));
  if (command != 0) PostMessageW(Dialog().window, WM_COMMAND, MAKEWPARAM(command, 1), 0);
  return 1;
}

// A font of the face Arial at a size in points.
HFONT MakeFont(int points, int weight, bool italic) {
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  return CreateFontW(height, 0, 0, 0, weight, italic ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial");
}

// Makes the six fonts; the negative code of the first that fails, else 0.
int MakeFonts(PickerFlags flags) {
  const bool englishTitle = (flags & kPickerEnglishNames) != 0 || PRIMARYLANGID(GetUserDefaultLangID()) == kEnglish;
  const struct {
    int points, weight;
    bool italic;
  } kFonts[kFontCount] = {{englishTitle ? 16 : 12, FW_BOLD, false}, {16, FW_NORMAL, false}, {16, FW_BOLD, false},
                          {16, FW_NORMAL, true},                      {9, FW_NORMAL, false},  {12, FW_NORMAL, false}};
  for (int font = 0; font < kFontCount; ++font) {
    Dialog().fonts[static_cast<std::size_t>(font)] = MakeFont(kFonts[font].points, kFonts[font].weight, kFonts[font].italic);
    if (Dialog().fonts[static_cast<std::size_t>(font)] == nullptr) return -101 - font;
  }
  return 0;
}

void ChooseColours() {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const bool dark = (GetRValue(face) + GetGValue(face) + GetBValue(face)) / 3 < 128;
  Dialog().selectionBrush = CreateSolidBrush(dark ? RGB(0x30, 0x30, 0x60) : RGB(0xB8, 0xB8, 0xFF));
  Dialog().sunday = dark ? RGB(0xFF, 0x40, 0x40) : RGB(0xB0, 0, 0);
  Dialog().holiday = dark ? RGB(0x60, 0x80, 0xFF) : RGB(0, 0, 0xC0);
}

// Over the console window; in the middle of the screen when there is none.
void CentreDialog(HWND window) {
  RECT over{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (Dialog().console != nullptr) GetWindowRect(Dialog().console, &over);
  RECT own{};
  GetWindowRect(window, &own);
  const int width = own.right - own.left;
  const int height = own.bottom - own.top;
  SetWindowPos(window, nullptr, over.left + (over.right - over.left - width) / 2,
               over.top + (over.bottom - over.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
}

void InitPickerDialog(HWND window) {
  OpenDialog& dialog = Dialog();
  dialog.window = window;
  const PickerState& state = *dialog.state;
  if (HICON icon = LoadIconW(platform::PluginModule(), L"CALDATE_ICON"); icon != nullptr) {
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  }
  if (!state.title.empty()) SetWindowTextW(window, AsWide(state.title.c_str()));
  CentreDialog(window);
  if (const int failure = MakeFonts(state.flags); failure != 0) {
    EndDialog(window, failure);
    return;
  }
  SetFont(kMonthTitle, kTitleFont);
  for (const int control : {kPreviousYear, kNextYear, kDateLine}) SetFont(control, kSmallFont);
  for (int column = 0; column < kDaysPerWeek; ++column) SetFont(kFirstHeader + column, kSmallFont);
  for (const int control : {kPreviousMonth, kNextMonth, kPickerOk, kPickerCancel, kRotateWeekdays}) {
    SetFont(control, kButtonFont);
  }
  ChooseColours();
  dialog.hook = SetWindowsHookExW(WH_KEYBOARD, PickerKeyHook, nullptr, GetCurrentThreadId());
  if ((state.flags & kPickerNoCancel) != 0) {
    EnableWindow(GetDlgItem(window, kPickerCancel), FALSE);
    ShowWindow(GetDlgItem(window, kPickerCancel), SW_HIDE);
  }
  dialog.timer = SetTimer(nullptr, 0, kTickMilliseconds, OnTimerTick);
  ShowState();
}

void ReleaseDialog() {
  OpenDialog& dialog = Dialog();
  for (HFONT& font : dialog.fonts) {
    if (font != nullptr) DeleteObject(font);
    font = nullptr;
  }
  if (dialog.selectionBrush != nullptr) DeleteObject(dialog.selectionBrush);
  dialog.selectionBrush = nullptr;
  if (dialog.hook != nullptr) UnhookWindowsHookEx(dialog.hook);
  dialog.hook = nullptr;
  KillCountdownTimer();
}

// The colour of a day cell or of the Sunday header; null for the default.
HBRUSH ColourOf(HDC dc, int control) {
  const OpenDialog& dialog = Dialog();
  const PickerState& state = *dialog.state;
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  if (control == kFirstHeader + SundayColumn(state)) {
    SetTextColor(dc, dialog.sunday);
    SetBkMode(dc, TRANSPARENT);
    return face;
  }
  if (control < kFirstCell || control > kLastCell) return nullptr;
  const DayCellFlags value = state.cells[static_cast<std::size_t>(control - kFirstCell)];
  HBRUSH brush = nullptr;
  if ((value & kCellSelected) != 0) {
    if ((value & kCellHoliday) != 0) {
      SetTextColor(dc, dialog.holiday);
    } else if ((value & kCellSunday) != 0) {
      SetTextColor(dc, dialog.sunday);
    }
    brush = dialog.selectionBrush;
  } else if ((value & kCellUnavailable) != 0) {
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    brush = face;
  } else if ((value & kCellHoliday) != 0) {
    SetTextColor(dc, dialog.holiday);
    brush = face;
  } else if ((value & kCellSunday) != 0) {
    SetTextColor(dc, dialog.sunday);
    brush = face;
  }
  if (brush != nullptr) SetBkMode(dc, TRANSPARENT);
  return brush;
}

void RunCommand(int command, int notification) {
  PickerState& state = *Dialog().state;
  if (command >= kFirstCell && command <= kLastCell) {
    if (notification == STN_CLICKED || notification == STN_DBLCLK) {
      Settle(ClickCell(state, command - kFirstCell, notification == STN_DBLCLK));
    }
    return;
  }
  if (command == kDateLine && notification != STN_CLICKED) return;
  Settle(RunPickerCommand(state, command));
}

INT_PTR CALLBACK PickerDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      InitPickerDialog(window);
      return TRUE;
    case WM_COMMAND:
      RunCommand(LOWORD(wParam), HIWORD(wParam));
      return FALSE;
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<INT_PTR>(
          ColourOf(reinterpret_cast<HDC>(wParam), GetDlgCtrlID(reinterpret_cast<HWND>(lParam))));
    case WM_DESTROY:
      ReleaseDialog();
      return FALSE;
    default:
      return FALSE;
  }
}

// The console's window, found by a title of its own for a moment.
HWND FindConsoleWindow() {
  std::array<wchar_t, kConsoleTitleLength + 1> saved{};
  GetConsoleTitleW(saved.data(), static_cast<DWORD>(saved.size()));
  std::array<wchar_t, 64> unique{};
  wsprintfW(unique.data(), L"<<PickDate>> %d/%d", static_cast<int>(GetTickCount()),
            static_cast<int>(GetCurrentProcessId()));
  SetConsoleTitleW(unique.data());
  Sleep(kConsoleTitleWait);
  HWND console = FindWindowW(nullptr, unique.data());
  SetConsoleTitleW(saved.data());
  return console;
}

}  // namespace

int RunPickerView(PickerState& state) {
  OpenDialog& dialog = Dialog();
  dialog = OpenDialog{};
  dialog.state = &state;
  dialog.console = FindConsoleWindow();
  const INT_PTR result = DialogBoxParamW(platform::PluginModule(), MAKEINTRESOURCEW(kDialogTemplate), GetForegroundWindow(),
                                         PickerDialogProc, 0);
  dialog = OpenDialog{};
  return static_cast<int>(result);
}

}  // namespace kalendra
