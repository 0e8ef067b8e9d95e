// Brenlowe's words for the response tests.
#include <algorithm>

#include "frequency_response_fixture.h"

void SetBoxAttenuation(std::vector<int32_t>& block, int box, int32_t tenthsOfDb) {
  block[design::kAttenuation + box] = tenthsOfDb;
}

void SetCurvedDesign(std::vector<int32_t>& block, int boxCount) {
  block[design::kAiming] = 30;
  for (int b = 0; b < boxCount; ++b) {
    block[design::kModelCode + b] = b % 3;
    if (b > 0) block[design::kHingeBase + b] = std::min(10 * b, 100);
  }
}

// Point 0 of box 1: the first mid-group sub-source.
int TimeReferenceComponent(int) { return 1; }
