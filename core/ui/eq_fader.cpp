#include "eq_fader.h"

#include "eq_edit.h"
#include "eq_shared.h"

BEGIN_MESSAGE_MAP(CFader, CSliderCtrl)
  ON_WM_SETFOCUS()
  ON_WM_KILLFOCUS()
  ON_WM_LBUTTONDOWN()
  ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, &CFader::OnCustomDraw)
END_MESSAGE_MAP()

CFader::CFader() {
  for (int slot = 0; slot < kEqGroupsPerBox; ++slot) groupBrush[slot].CreateSolidBrush(eq::kGroupColours[slot]);
  faceBrush.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
}

CFader::~CFader() = default;

void CFader::OnSetFocus(CWnd* oldWnd) {
  CSliderCtrl::OnSetFocus(oldWnd);
  if (edit) {
    edit->focused = TRUE;
    edit->Invalidate(TRUE);
  }
  lastFocusedBand = band;
}

void CFader::OnKillFocus(CWnd* newWnd) {
  CSliderCtrl::OnKillFocus(newWnd);
  if (edit) {
    edit->focused = FALSE;
    edit->Invalidate(TRUE);
  }
}

void CFader::OnLButtonDown(UINT flags, POINT point) {
  // The trackbar takes the focus only in the default processing below, so lastFocusedBand
  // still names the band that had the focus before this click.
  HWND dialog = ::GetParent(m_hWnd);
  if (flags & MK_CONTROL) {
    ::SendMessageA(dialog, WM_EQ_GROUPSELECT, static_cast<WPARAM>(band), static_cast<LPARAM>(lastFocusedBand));
  } else if (!marked) {
    ::SendMessageA(dialog, WM_EQ_GROUPSELECT, static_cast<WPARAM>(-1), 0);
  }
  CSliderCtrl::OnLButtonDown(flags, point);
}

void CFader::OnCustomDraw(NMHDR* header, LRESULT* result) {
  auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(header);
  switch (draw->dwDrawStage) {
    case CDDS_PREPAINT:
      *result = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
      break;
    case CDDS_ITEMPREPAINT:
      if (draw->dwItemSpec == TBCD_THUMB) thumbRect = draw->rc;
      if (draw->dwItemSpec == TBCD_CHANNEL) channelRect = draw->rc;
      *result = CDRF_DODEFAULT;
      break;
    case CDDS_PREERASE:
    case CDDS_POSTERASE:
    case CDDS_ITEMPOSTPAINT:
    case CDDS_ITEMPREERASE:
    case CDDS_ITEMPOSTERASE:
      *result = 0;
      break;
    case CDDS_POSTPAINT:
      PaintMarksAndThumb(draw->hdc);
      *result = CDRF_SKIPDEFAULT;
      break;
    default:
      break;
  }
}

// After the trackbar has painted itself: the five scale marks level with the dialog's scale
// labels, then the thumb's fill in the group colour (a smaller patch while the band is only
// selected for a group under construction) or in the face colour.
void CFader::PaintMarksAndThumb(HDC hdc) {
  CDC dc;
  dc.Attach(hdc);
  HGDIOBJ oldBrush = dc.SelectStockObject(BLACK_BRUSH);
  int tops[5];
  FaderTickTops(thumbRect, channelRect, tops);
  for (int top : tops) dc.Rectangle(3, top, 9, top + 3);
  dc.SelectObject(oldBrush);

  RECT fill = FaderThumbFill(thumbRect, marked && group == -1);
  bool coloured = marked && eq::IsGroupSlot(colourIndex);
  dc.FillRect(&fill, coloured ? &groupBrush[colourIndex] : &faceBrush);
  dc.Detach();
}

void FaderTickTops(const RECT& thumb, const RECT& channel, int tops[5]) {
  const int channelHeight = channel.bottom - channel.top;
  if (eq::kTicksFollowThumb) {
    // The marks follow the thumb centre at positions 0, 6, 12, 18 and 24: one step is the
    // travel of six positions (6 dB).
    const int thumbHeight = thumb.bottom - thumb.top;
    const float y0 = static_cast<float>(thumbHeight) * 0.5f + static_cast<float>(channel.top) - 1.0f;
    const float step = static_cast<float>(channelHeight - thumbHeight) * 6.0f / 25.0f;
    for (int k = 0; k < 5; ++k) tops[k] = static_cast<int>(y0 + static_cast<float>(k) * step);
  } else {
    static const double kFractions[5] = {0.065, 0.295, 0.52, 0.745, 0.97};
    for (int k = 0; k < 5; ++k) tops[k] = static_cast<int>(channelHeight * kFractions[k]);
  }
}

RECT FaderThumbFill(const RECT& thumb, bool underConstruction) {
  RECT fill{thumb.left + 3 + 3, thumb.top + 3 - 1, thumb.right - 3, thumb.bottom - 3};
  if (underConstruction) {
    fill.left += 2;
    fill.right -= 2;
    fill.top += 1;
    fill.bottom -= 1;
  }
  return fill;
}
