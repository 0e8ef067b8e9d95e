// The one place that names the generated directivity tables of Brenlowe.
#include "directivity.h"
#include "directivity_lookup.h"
#include "directivity_tables.h"

const int16_t* LinkedDirectivitySet(int setIndex) {
  return SetInTable(kBrenloweDirectivity, kBrenloweDirectivityCount, kBrenloweDirectivitySetCount,
                    kBrenloweSetValues, setIndex);
}
