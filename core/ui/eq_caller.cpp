#include "eq_caller.h"

#include <algorithm>

#include "eq_dialog.h"

void RunBoxEqualiser(int box, int16_t (&gain)[kBandCount], EqGroup (&groups)[kEqGroupsPerBox],
                     int16_t (&clipboard)[kBandCount], BOOL& clipValid) {
  CEqDlg equaliser;
  equaliser.box = box;
  std::copy_n(gain, kBandCount, equaliser.gain);
  std::copy_n(clipboard, kBandCount, equaliser.clipGain);
  std::copy_n(groups, kEqGroupsPerBox, equaliser.groups);
  equaliser.clipValid = clipValid;
  if (equaliser.DoModal() == IDOK) {
    std::copy_n(equaliser.gain, kBandCount, gain);
    std::copy_n(equaliser.groups, kEqGroupsPerBox, groups);
  }
  std::copy_n(equaliser.clipGain, kBandCount, clipboard);
  clipValid = equaliser.clipValid;
}
