#include "directivity.h"

float GetDirectivity(int code, int band, float polar, float azimuth) {
  return LookUpDirectivitySet(LinkedDirectivitySet(DirectivitySetIndex(code)), band, polar,
                              azimuth);
}
