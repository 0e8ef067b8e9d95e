#include "eq_dialog_view.h"

int EqDialogView::FaderPos(int band) const { return static_cast<int>(SendBounded(Fader(band), TBM_GETPOS)); }

std::string EqDialogView::EditText(int band) const { return driver_.Text(Edit(band)); }

int EqDialogView::FocusedFaderBand() const {
  int id = ::GetDlgCtrlID(driver_.Focus()) - eq::kFirstFaderId;
  return eq::IsBand(id) && ::GetParent(driver_.Focus()) == dialog_ ? id : -1;
}

int EqDialogView::FocusedEditBand() const {
  int id = ::GetDlgCtrlID(driver_.Focus()) - eq::kFirstEditId;
  return eq::IsBand(id) && ::GetParent(driver_.Focus()) == dialog_ ? id : -1;
}

RECT EqDialogView::ThumbRect(int band) const {
  RECT r{};
  SendBounded(Fader(band), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
  return r;
}

RECT EqDialogView::ChannelRect(int band) const {
  RECT r{};
  SendBounded(Fader(band), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&r));
  return r;
}

POINT EqDialogView::ThumbCentre(int band) const {
  RECT r = ThumbRect(band);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void EqDialogView::ClickFader(int band, bool ctrl) { driver_.Click(Fader(band), ThumbCentre(band), ctrl); }

void EqDialogView::DragFaderToBottom(int band) {
  RECT client{};
  ::GetClientRect(Fader(band), &client);
  POINT from = ThumbCentre(band);
  driver_.Drag(Fader(band), from, POINT{from.x, client.bottom + 20});
}

void EqDialogView::DragFaderTo(int band, int position) {
  // The thumb centre travels over the channel: position p sits at p/25 of the travel.
  RECT channel = ChannelRect(band);
  RECT thumb = ThumbRect(band);
  int half = (thumb.bottom - thumb.top) / 2;
  int travel = (channel.bottom - channel.top) - (thumb.bottom - thumb.top);
  POINT from = ThumbCentre(band);
  POINT to{from.x, channel.top + half + travel * position / eq::kFaderMax};
  driver_.Drag(Fader(band), from, to);
}

void EqDialogView::ClickEdit(int band) { driver_.ClickCentre(Edit(band)); }

void EqDialogView::EnterValue(int band, const std::string& text) {
  ClickEdit(band);
  driver_.Retype(text);
  driver_.Press(VK_RETURN);
}

void EqDialogView::PressButton(int id) { driver_.ClickCentre(Button(id)); }
