// The one place that names the generated directivity tables of Tarnwick.
#include "directivity.h"
#include "directivity_lookup.h"
#include "directivity_tables.h"

const int16_t* LinkedDirectivitySet(int setIndex) {
  return SetInTable(kTarnwickDirectivity, kTarnwickDirectivityCount, kTarnwickDirectivitySetCount,
                    kTarnwickSetValues, setIndex);
}
