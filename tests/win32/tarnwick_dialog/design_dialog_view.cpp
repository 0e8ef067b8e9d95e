#include "design_dialog_view.h"

#include <gtest/gtest.h>

namespace {

COMBOBOXINFO InfoOf(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ::GetComboBoxInfo(combo, &info);
  return info;
}

}  // namespace

HWND DesignDialogView::AdapterList(int junction) const {
  const int k = junction - 1;
  return Item(k < IDC_ADAPTER_LOW_COUNT ? IDC_ADAPTER_LIST_LOW + k
                                        : IDC_ADAPTER_LIST_HIGH + k - IDC_ADAPTER_LOW_COUNT);
}

std::string DesignDialogView::Selected(HWND list) const {
  const int index = static_cast<int>(SendBounded(list, CB_GETCURSEL));
  return index < 0 ? std::string() : ItemText(list, index);
}

int DesignDialogView::ItemCount(HWND list) const { return static_cast<int>(SendBounded(list, CB_GETCOUNT)); }

std::string DesignDialogView::ItemText(HWND list, int index) const { return ComboRowText(list, index); }

void DesignDialogView::OpenList(HWND list) {
  // On the arrow button: an editable list opens only there.
  const RECT button = InfoOf(list).rcButton;
  driver_.Click(list, POINT{(button.left + button.right) / 2, (button.top + button.bottom) / 2});
  if (!WaitUntil([&] { return SendBounded(list, CB_GETDROPPEDSTATE) != 0; }))
    ADD_FAILURE() << "the list did not open";
}

void DesignDialogView::ClickListItem(HWND list, int index) {
  HWND dropped = InfoOf(list).hwndList;
  ASSERT_TRUE(dropped);
  SendBounded(dropped, LB_SETTOPINDEX, index);  // a user scrolls the item into view first
  RECT item{};
  SendBounded(dropped, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
  driver_.Click(dropped, POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2});
  if (!WaitUntil([&] { return SendBounded(list, CB_GETDROPPEDSTATE) == 0; }))
    ADD_FAILURE() << "the list did not close";
  driver_.Sync();
}

void DesignDialogView::ClickSpinHalf(HWND spin, bool upper, int clicks) {
  RECT r{};
  ::GetClientRect(spin, &r);
  const POINT at{(r.left + r.right) / 2, upper ? r.bottom / 4 : r.bottom * 3 / 4};
  for (int c = 0; c < clicks; ++c) driver_.Click(spin, at);
}

void DesignDialogView::SpinUp(HWND spin, int clicks) { ClickSpinHalf(spin, true, clicks); }

void DesignDialogView::SpinDown(HWND spin, int clicks) { ClickSpinHalf(spin, false, clicks); }

void DesignDialogView::ReportSpinClick(HWND spin, int position) {
  const LPARAM from = reinterpret_cast<LPARAM>(spin);
  SendBounded(dialog_, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(position)), from);
  SendBounded(dialog_, WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), from);
}

void DesignDialogView::TypeAndLeave(HWND edit, const std::string& text) {
  driver_.ClickCentre(edit);
  driver_.Retype(text);
  driver_.Press(VK_TAB);
}

void DesignDialogView::Close(int buttonId) {
  driver_.ClickCentre(Item(buttonId));
  if (!WaitUntil([&] { return !::IsWindow(dialog_); }))
    ADD_FAILURE() << "the dialog stayed open after button " << buttonId;
}

void DesignDialogView::WaitUntilActive() {
  if (!WaitUntil([&] { return ::GetForegroundWindow() == dialog_; }))
    ADD_FAILURE() << "the dialog did not become active again";
  driver_.Sync();
}
