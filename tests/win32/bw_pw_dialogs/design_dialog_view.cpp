#include "design_dialog_view.h"

#include <gtest/gtest.h>

bool DesignDialogView::Checked(int id) const { return SendBounded(Item(id), BM_GETCHECK) == BST_CHECKED; }

int DesignDialogView::Selection(int comboId) const { return static_cast<int>(SendBounded(Item(comboId), CB_GETCURSEL)); }

int DesignDialogView::RowCount(int comboId) const { return static_cast<int>(SendBounded(Item(comboId), CB_GETCOUNT)); }

std::string DesignDialogView::RowText(int comboId, int row) const { return ComboRowText(Item(comboId), row); }

int DesignDialogView::FocusId() const {
  HWND focus = driver_.Focus();
  // The edit inside an editable list counts as the list.
  if (focus && ::GetParent(focus) != dialog_) focus = ::GetParent(focus);
  return focus ? ::GetDlgCtrlID(focus) : 0;
}

int DesignDialogView::SpinPosition(int spinId) const {
  // The high word flags that no buddy holds a number; these up-downs have none by design, and
  // the low word is the position all the same.
  const LRESULT answer = SendBounded(Item(spinId), UDM_GETPOS);
  return static_cast<short>(LOWORD(answer));
}

void DesignDialogView::TypeInto(int id, const std::string& text) {
  HWND target = Item(id);
  if (HWND inner = ::FindWindowExA(target, nullptr, "Edit", nullptr)) target = inner;
  driver_.ClickCentre(target);
  driver_.Retype(text);
}

void DesignDialogView::Click(int id) { driver_.ClickCentre(Item(id)); }

void DesignDialogView::Spin(int id, bool up) {
  RECT r{};
  ::GetClientRect(Item(id), &r);
  const LONG y = up ? r.bottom / 4 : r.bottom - r.bottom / 4 - 1;
  driver_.Click(Item(id), POINT{r.right / 2, y});
}

void DesignDialogView::ChooseRow(int comboId, int row) {
  // On the arrow at the right end, which opens the list of an editable one too.
  RECT r{};
  ::GetClientRect(Item(comboId), &r);
  driver_.Click(Item(comboId), POINT{r.right - 4, r.bottom / 2});
  EXPECT_TRUE(SendBounded(Item(comboId), CB_GETDROPPEDSTATE)) << "list " << comboId << " did not open";
  // Home would move the caret of an editable list's edit; the arrows walk the list.
  int at = Selection(comboId);
  if (at < 0) {
    driver_.Press(VK_DOWN);
    at = Selection(comboId);
  }
  for (; at < row; ++at) driver_.Press(VK_DOWN);
  for (; at > row; --at) driver_.Press(VK_UP);
  driver_.Press(VK_RETURN);
  EXPECT_EQ(row, Selection(comboId)) << "list " << comboId;
}

void DesignDialogView::Close(int buttonId) {
  Click(buttonId);
  HWND dialog = dialog_;
  EXPECT_TRUE(WaitUntil([dialog] { return !::IsWindow(dialog); })) << "the dialog did not close";
}
