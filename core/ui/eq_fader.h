// CFader: the vertical trackbar of one equaliser band (range 0..25, position = 6 - gain). It
// paints its own tick marks and fills its thumb with the colour of the band's group, tells the
// dialog about Ctrl+clicks (group construction), and keeps its band's value edit informed of
// the keyboard focus. The gains and groups themselves live in the dialog.
#pragma once
#include <cstdint>

#include "framework.h"
#include "settings_block.h"

class CEditCtrl;

class CFader : public CSliderCtrl {
 public:
  CFader();
  ~CFader() override;

  void SetBand(int bandIndex) { band = bandIndex; }
  // A member of a committed group (as opposed to one of the group under construction).
  bool IsGrouped() const { return marked && group != -1; }

  CEditCtrl* edit = nullptr;  // the value edit of the same band
  BOOL marked = FALSE;        // in a committed group or in the group under construction
  int32_t group = -1;         // slot of the committed group listing the band, -1 for none
  int32_t colourIndex = -1;   // slot whose colour fills the thumb while marked
  int32_t band = 0;
  CBrush groupBrush[kEqGroupsPerBox];
  CBrush faceBrush;
  RECT thumbRect{};    // as the last custom draw reported them
  RECT channelRect{};

 protected:
  void OnSetFocus(CWnd* oldWnd);
  void OnKillFocus(CWnd* newWnd);
  void OnLButtonDown(UINT flags, POINT point);
  void OnCustomDraw(NMHDR* header, LRESULT* result);

  DECLARE_MESSAGE_MAP()

 private:
  void PaintMarksAndThumb(HDC dc);
};

// Tops of the five tick marks (+6, 0, -6, -12, -18 dB) in fader client coordinates.
void FaderTickTops(const RECT& thumb, const RECT& channel, int tops[5]);
// The part of the thumb that gets the group colour (or the face colour).
RECT FaderThumbFill(const RECT& thumb, bool underConstruction);
