// Drives a modal dialog as a user would, for tests under Wine.
//
// The test's own thread (the UI thread) opens the dialog and runs its modal loop; a second
// thread runs the script: it waits for windows, types and clicks through real input
// (SendInput: keyboard focus, key state and mouse capture behave as for a user), answers
// message boxes by pressing their buttons, and reads what is on the screen. Every wait is
// bounded and fails the test with a message; after the script the dialog and any message box
// left open are closed, so the UI thread always comes back. A watchdog ends the whole program
// if a test hangs anyway.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "win_headers.h"

struct MessageBoxSeen {
  HWND hwnd = nullptr;
  std::string caption;
  std::string text;
};

class UiDriver {
 public:
  // Runs openDialog on this thread while script runs on a second thread with a driver.
  static void Run(const std::function<void()>& openDialog, const std::function<void(UiDriver&)>& script);

  // A visible top-level window of the UI thread with this caption.
  HWND WaitForWindow(const std::string& caption);
  // The message box now open (a dialog-class window of the UI thread other than the known
  // dialogs); fails the test when none appears.
  MessageBoxSeen WaitForMessageBox();
  // Presses a message box button (IDOK, IDRETRY, IDCANCEL) and waits until the box is gone.
  void Answer(const MessageBoxSeen& box, int buttonId = IDOK);
  // No message box open after all input so far was handled.
  bool NoMessageBox();
  // Answers every message box that comes up until none is left; returns their texts in order.
  std::vector<std::string> AnswerAllMessageBoxes();

  // Keyboard (to the window with the focus) and mouse, through the input queue.
  void Press(WORD vk);
  void Type(const std::string& text);
  // Selects the whole text of the edit with the focus and types over it.
  void Retype(const std::string& text);
  void Click(HWND control, POINT client, bool ctrl = false);
  void ClickCentre(HWND control, bool ctrl = false);
  void Drag(HWND control, POINT fromClient, POINT toClient);
  // Waits until every input sent so far and what it posted has been handled.
  void Sync();

  HWND Focus();
  HWND ActiveWindow();
  std::string Text(HWND hwnd);
  // Runs fn on the UI thread (inside whatever modal loop runs there) and waits for it.
  void OnUi(const std::function<void()>& fn);
  // Colour of a pixel of a window's client area as shown on the screen.
  COLORREF Pixel(HWND hwnd, int x, int y);
  // Writes the window as it is on the screen into screenshots/<name>.png in the folder of the
  // test program (the build's output folder), for a reviewer to look at without running Wine.
  bool SaveScreenshot(HWND hwnd, const std::string& name);

  // Known dialogs (not message boxes); Run registers the first window the script waits for.
  void RememberDialog(HWND hwnd) { dialogs_.push_back(hwnd); }

 private:
  UiDriver(DWORD uiThread, HWND helper) : uiThread_(uiThread), helper_(helper) {}
  void SendInputs(const std::vector<INPUT>& inputs);
  void Mouse(HWND control, POINT client, DWORD buttonFlags);
  void CloseEverything();
  std::vector<HWND> MessageBoxes();

  DWORD uiThread_;
  HWND helper_;
  std::vector<HWND> dialogs_;
  friend struct DriverAccess;
};

// Bounded wait for a condition, polled; false on timeout.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// SendMessage from the script thread with a bounded wait: 0 when the window does not answer.
LRESULT SendBounded(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// The text of one row of a combo box's list, "?" when it is too long to read.
std::string ComboRowText(HWND combo, int row);
