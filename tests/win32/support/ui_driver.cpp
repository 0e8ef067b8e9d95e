#include "ui_driver.h"

#include <gtest/gtest.h>

#include "png_writer.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

constexpr UINT kRunOnUi = WM_APP + 1;
constexpr UINT kPostedMarker = WM_APP + 2;
constexpr WORD kMarkerKey = VK_F24;  // never reaches a window: the hook below takes it
constexpr DWORD kWaitMs = 5000;
constexpr int kWatchdogSeconds = 90;

HANDLE inputMarker = nullptr;  // set when the marker key-up comes out of the UI thread's queue
HHOOK markerHook = nullptr;

LRESULT CALLBACK MarkerHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE) {
    MSG* msg = reinterpret_cast<MSG*>(lParam);
    if ((msg->message == WM_KEYDOWN || msg->message == WM_KEYUP) && msg->wParam == kMarkerKey) {
      if (msg->message == WM_KEYUP) ::SetEvent(inputMarker);
      msg->message = WM_NULL;
    }
  }
  return ::CallNextHookEx(markerHook, code, wParam, lParam);
}

LRESULT CALLBACK HelperProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kRunOnUi) {
    (*reinterpret_cast<const std::function<void()>*>(lParam))();
    return 1;
  }
  if (message == kPostedMarker) {
    ::SetEvent(reinterpret_cast<HANDLE>(lParam));
    return 0;
  }
  return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND CreateHelperWindow() {
  static ATOM atom = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = HelperProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "UiDriverHelper";
    return ::RegisterClassA(&wc);
  }();
  (void)atom;
  return ::CreateWindowExA(0, "UiDriverHelper", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           ::GetModuleHandleA(nullptr), nullptr);
}

// Ends the program when a test does not come back: a hung modal loop must not hang the run.
std::atomic<long long> watchdogDeadline{0};

long long NowSeconds() {
  return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void ArmWatchdog() {
  static bool started = false;
  if (!started) {
    started = true;
    std::thread([] {
    for (;;) {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      long long deadline = watchdogDeadline.load();
      if (deadline != 0 && NowSeconds() > deadline) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::fprintf(stderr, "\nwatchdog: %s.%s did not finish within %d s; ending the test program\n",
                     test ? test->test_suite_name() : "?", test ? test->name() : "?", kWatchdogSeconds);
        std::fflush(stderr);
        ::TerminateProcess(::GetCurrentProcess(), 3);
      }
    }
    }).detach();
  }
  watchdogDeadline = NowSeconds() + kWatchdogSeconds;
}

std::string ClassOf(HWND hwnd) {
  char name[64] = "";
  ::GetClassNameA(hwnd, name, sizeof(name));
  return name;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (::GetTickCount() - start > timeoutMs) return false;
    ::Sleep(10);
  }
}

LRESULT SendBounded(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  ::SendMessageTimeoutA(hwnd, message, wParam, lParam, SMTO_NORMAL, kWaitMs, &result);
  return static_cast<LRESULT>(result);
}

std::string ComboRowText(HWND combo, int row) {
  char text[256] = "";
  if (SendBounded(combo, CB_GETLBTEXTLEN, row) >= static_cast<LRESULT>(sizeof text)) return "?";
  SendBounded(combo, CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(text));
  return text;
}

void UiDriver::Run(const std::function<void()>& openDialog, const std::function<void(UiDriver&)>& script) {
  ArmWatchdog();

  if (!inputMarker) inputMarker = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
  markerHook = ::SetWindowsHookExA(WH_GETMESSAGE, MarkerHook, nullptr, ::GetCurrentThreadId());
  HWND helper = CreateHelperWindow();
  UiDriver driver(::GetCurrentThreadId(), helper);
  std::atomic<bool> uiDone{false};
  std::atomic<bool> scriptDone{false};

  std::thread scriptThread([&] {
    script(driver);
    // Whatever the script left open is closed, so the UI thread comes back.
    if (!WaitUntil([&] {
          if (uiDone) return true;
          driver.CloseEverything();
          return false;
        }, kWaitMs)) {
      ADD_FAILURE() << "the dialog did not close after the script";
    }
    scriptDone = true;
  });
  openDialog();
  uiDone = true;
  // The script may still ask the UI thread for something; keep answering until it ends.
  while (!scriptDone) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
  }
  scriptThread.join();
  ::DestroyWindow(helper);
  ::UnhookWindowsHookEx(markerHook);
  markerHook = nullptr;
  watchdogDeadline = 0;
}

void UiDriver::CloseEverything() {
  for (HWND box : MessageBoxes()) ::PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
  for (HWND box : MessageBoxes()) ::PostMessageA(box, WM_COMMAND, IDOK, 0);
  for (HWND dialog : dialogs_) {
    if (::IsWindow(dialog)) ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  }
}

HWND UiDriver::WaitForWindow(const std::string& caption) {
  struct Search {
    const std::string* caption;
    HWND found;
    static BOOL CALLBACK Visit(HWND hwnd, LPARAM param) {
      auto* s = reinterpret_cast<Search*>(param);
      char text[256] = "";
      ::GetWindowTextA(hwnd, text, sizeof(text));
      if (!::IsWindowVisible(hwnd) || *s->caption != text) return TRUE;
      s->found = hwnd;
      return FALSE;
    }
  } search{&caption, nullptr};
  WaitUntil([&] {
    ::EnumThreadWindows(uiThread_, &Search::Visit, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  });
  if (!search.found) {
    ADD_FAILURE() << "no window \"" << caption << "\" appeared";
    return nullptr;
  }
  RememberDialog(search.found);
  // The user's desktop would have brought the new window to the front; without a window
  // manager the test does it.
  HWND window = search.found;
  OnUi([&] { ::SetForegroundWindow(window); });
  Sync();
  return search.found;
}

std::vector<HWND> UiDriver::MessageBoxes() {
  struct Search {
    const std::vector<HWND>* dialogs;
    std::vector<HWND> boxes;
    static BOOL CALLBACK Visit(HWND hwnd, LPARAM param) {
      auto* s = reinterpret_cast<Search*>(param);
      if (!::IsWindowVisible(hwnd) || ClassOf(hwnd) != "#32770") return TRUE;
      for (HWND dialog : *s->dialogs) {
        if (dialog == hwnd) return TRUE;
      }
      s->boxes.push_back(hwnd);
      return TRUE;
    }
  } search{&dialogs_, {}};
  ::EnumThreadWindows(uiThread_, &Search::Visit, reinterpret_cast<LPARAM>(&search));
  return search.boxes;
}

MessageBoxSeen UiDriver::WaitForMessageBox() {
  MessageBoxSeen seen;
  Sync();
  WaitUntil([&] {
    // Of nested boxes, the one the user can answer is the enabled one.
    for (HWND box : MessageBoxes()) {
      if (::IsWindowEnabled(box)) seen.hwnd = box;
    }
    return seen.hwnd != nullptr;
  });
  if (!seen.hwnd) {
    ADD_FAILURE() << "no message box appeared";
    return seen;
  }
  seen.caption = Text(seen.hwnd);
  seen.text = Text(::GetDlgItem(seen.hwnd, 0xFFFF));
  return seen;
}

void UiDriver::Answer(const MessageBoxSeen& box, int buttonId) {
  if (!box.hwnd) return;
  HWND button = ::GetDlgItem(box.hwnd, buttonId);
  if (!button) {
    ADD_FAILURE() << "the message box \"" << box.text << "\" has no button " << buttonId;
    return;
  }
  SendBounded(button, BM_CLICK);
  if (!WaitUntil([&] { return !::IsWindow(box.hwnd) || !::IsWindowVisible(box.hwnd); })) {
    ADD_FAILURE() << "the message box \"" << box.text << "\" did not close";
  }
  Sync();
}

bool UiDriver::NoMessageBox() {
  Sync();
  return MessageBoxes().empty();
}

std::vector<std::string> UiDriver::AnswerAllMessageBoxes() {
  std::vector<std::string> texts;
  for (int i = 0; i < 10 && !NoMessageBox(); ++i) {
    MessageBoxSeen box = WaitForMessageBox();
    texts.push_back(box.text);
    Answer(box);
  }
  return texts;
}

// Input is sent from the UI thread: under Wine, input sent from another thread of the process
// does not reach the foreground window.
void UiDriver::SendInputs(const std::vector<INPUT>& inputs) {
  std::vector<INPUT> copy = inputs;
  UINT sent = 0;
  OnUi([&] { sent = ::SendInput(static_cast<UINT>(copy.size()), copy.data(), sizeof(INPUT)); });
  if (sent != copy.size()) ADD_FAILURE() << "SendInput took " << sent << " of " << copy.size() << " inputs";
}

namespace {

INPUT KeyInput(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  if (vk == VK_UP || vk == VK_DOWN || vk == VK_LEFT || vk == VK_RIGHT || vk == VK_HOME || vk == VK_END) {
    in.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
  }
  return in;
}

}  // namespace

void UiDriver::Press(WORD vk) {
  SendInputs({KeyInput(vk, false), KeyInput(vk, true)});
  Sync();
}

void UiDriver::Type(const std::string& text) {
  for (char c : text) {
    SHORT scan = ::VkKeyScanA(c);
    if (HIBYTE(scan) == 0) {
      WORD vk = LOBYTE(scan);
      SendInputs({KeyInput(vk, false), KeyInput(vk, true)});
    } else {
      // A character that needs Shift comes as itself: an injected Shift may not last (see Click).
      INPUT down{};
      down.type = INPUT_KEYBOARD;
      down.ki.wScan = static_cast<unsigned char>(c);
      down.ki.dwFlags = KEYEVENTF_UNICODE;
      INPUT up = down;
      up.ki.dwFlags |= KEYEVENTF_KEYUP;
      SendInputs({down, up});
    }
  }
  Sync();
}

void UiDriver::Retype(const std::string& text) {
  HWND edit = Focus();
  SendBounded(edit, EM_SETSEL, 0, -1);
  Type(text);
}

// Every mouse event carries its position (a move sent on its own could be overtaken by the
// pointer motion the X server reports for an earlier one).
void UiDriver::Mouse(HWND control, POINT client, DWORD buttonFlags) {
  ::ClientToScreen(control, &client);
  const int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = (client.x * 65536 + width - 1) / width;
  in.mi.dy = (client.y * 65536 + height - 1) / height;
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttonFlags;
  SendInputs({in});
}

void UiDriver::Click(HWND control, POINT client, bool ctrl) {
  Mouse(control, client, 0);
  if (ctrl) {
    // Wine takes the modifier keys from the X server's pointer events, where no Ctrl is held,
    // so an injected Ctrl can be gone again by the time the button goes down: the Ctrl+click
    // is posted to the control with its flags, as the input queue would deliver it.
    Sync();
    const LPARAM at = MAKELPARAM(client.x, client.y);
    ::PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, at);
    ::PostMessageA(control, WM_LBUTTONUP, MK_CONTROL, at);
  } else {
    Mouse(control, client, MOUSEEVENTF_LEFTDOWN);
    Mouse(control, client, MOUSEEVENTF_LEFTUP);
  }
  Sync();
}

void UiDriver::ClickCentre(HWND control, bool ctrl) {
  RECT r{};
  ::GetClientRect(control, &r);
  Click(control, POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}, ctrl);
}

void UiDriver::Drag(HWND control, POINT from, POINT to) {
  Mouse(control, from, 0);
  Mouse(control, from, MOUSEEVENTF_LEFTDOWN);
  Sync();
  constexpr int kSteps = 4;
  POINT at = from;
  for (int step = 1; step <= kSteps; ++step) {
    at = POINT{from.x + (to.x - from.x) * step / kSteps, from.y + (to.y - from.y) * step / kSteps};
    Mouse(control, at, 0);
    Sync();
  }
  Mouse(control, at, MOUSEEVENTF_LEFTUP);
  Sync();
}

void UiDriver::Sync() {
  // A marker key behind the input so far: once it comes out of the queue, so has the rest.
  // When the input closed the last window, the marker has nowhere to go.
  ::ResetEvent(inputMarker);
  SendInputs({KeyInput(kMarkerKey, false), KeyInput(kMarkerKey, true)});
  bool handled = WaitUntil([&] { return ::WaitForSingleObject(inputMarker, 0) == WAIT_OBJECT_0 || !ActiveWindow(); });
  if (!handled) ADD_FAILURE() << "input did not reach the UI thread (is its window in the foreground?)";
  // Twice: what the handlers posted, and what translating that posted in turn.
  for (int round = 0; round < 2; ++round) {
    HANDLE done = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    ::PostMessageA(helper_, kPostedMarker, 0, reinterpret_cast<LPARAM>(done));
    if (::WaitForSingleObject(done, kWaitMs) != WAIT_OBJECT_0) ADD_FAILURE() << "the UI thread is not responding";
    ::CloseHandle(done);
  }
}

HWND UiDriver::ActiveWindow() {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  ::GetGUIThreadInfo(uiThread_, &info);
  return info.hwndActive;
}

HWND UiDriver::Focus() {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  ::GetGUIThreadInfo(uiThread_, &info);
  return info.hwndFocus;
}

std::string UiDriver::Text(HWND hwnd) {
  char text[512] = "";
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text), SMTO_NORMAL, kWaitMs,
                        &ignored);
  return text;
}

void UiDriver::OnUi(const std::function<void()>& fn) {
  DWORD_PTR result = 0;
  if (!::SendMessageTimeoutA(helper_, kRunOnUi, 0, reinterpret_cast<LPARAM>(&fn), SMTO_NORMAL, kWaitMs, &result)) {
    ADD_FAILURE() << "the UI thread did not run a request";
  }
}

COLORREF UiDriver::Pixel(HWND hwnd, int x, int y) {
  OnUi([&] { ::RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); });
  HDC dc = ::GetDC(hwnd);
  COLORREF colour = ::GetPixel(dc, x, y);
  ::ReleaseDC(hwnd, dc);
  return colour;
}

// The client area as the screen shows it, under a caption bar drawn for the window (without a
// window manager nobody draws the frame on the screen).
bool UiDriver::SaveScreenshot(HWND hwnd, const std::string& name) {
  OnUi([&] { ::RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); });
  RECT client{};
  ::GetClientRect(hwnd, &client);
  const int captionHeight = ::GetSystemMetrics(SM_CYCAPTION);
  const int width = client.right, height = client.bottom + captionHeight;
  if (client.right <= 0 || client.bottom <= 0) return false;
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first, as PNG stores them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  OnUi([&] {
    RECT caption{0, 0, width, captionHeight};
    ::DrawCaption(hwnd, memory, &caption, DC_ACTIVE | DC_TEXT | DC_GRADIENT);
    HDC clientDc = ::GetDC(hwnd);
    ::BitBlt(memory, 0, captionHeight, client.right, client.bottom, clientDc, 0, 0, SRCCOPY);
    ::ReleaseDC(hwnd, clientDc);
  });
  ::GdiFlush();
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
  const auto* bgrx = static_cast<const uint8_t*>(bits);
  for (size_t p = 0; p < static_cast<size_t>(width) * height; ++p) {
    rgb[3 * p] = bgrx[4 * p + 2];
    rgb[3 * p + 1] = bgrx[4 * p + 1];
    rgb[3 * p + 2] = bgrx[4 * p];
  }
  ::SelectObject(memory, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  // The folder screenshots beside the test program, which is the build's output folder.
  char program[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, program, MAX_PATH);
  std::string folder(program);
  folder = folder.substr(0, folder.find_last_of("\\/") + 1) + "screenshots";
  ::CreateDirectoryA(folder.c_str(), nullptr);
  return WritePng(folder + "\\" + name + ".png", width, height, rgb);
}
