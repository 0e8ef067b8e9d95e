// Tarnwick's words for the response tests.
#include <algorithm>

#include "frequency_response_fixture.h"

void SetBoxAttenuation(std::vector<int32_t>& block, int box, int32_t tenthsOfDb) {
  block[design::kGain + box] = -tenthsOfDb;
}

void SetCurvedDesign(std::vector<int32_t>& block, int boxCount) {
  block[design::kAiming] = 20;  // 2 degrees down
  for (int b = 0; b < boxCount; ++b) {
    block[design::kModelCode + b] = 1;
    block[design::kJunctionCode + b] = -1;
    if (b > 0) block[design::kSplayBase + b] = std::min(1 + b / 2, 10);
  }
}

// Point 4 of box 1: the middle low-group sub-source.
int TimeReferenceComponent(int) { return 5; }
