// Pirrowan's words for the response tests.
#include "frequency_response_fixture.h"

void SetBoxAttenuation(std::vector<int32_t>& block, int box, int32_t tenthsOfDb) {
  block[design::kAttenuation + box] = tenthsOfDb;
}

void SetCurvedDesign(std::vector<int32_t>& block, int) {
  block[design::kEnclosureType] = 0;
  block[design::kAiming] = 50;  // the whole arc 5 degrees down
}

// The last sub-source of the array's upper half.
int TimeReferenceComponent(int boxCount) { return 3 * boxCount; }
