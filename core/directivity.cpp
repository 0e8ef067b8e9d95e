#include "directivity.h"

float GetDirectivity(int code, int band, float polar, float azimuth) {
  return LookUpDirectivitySet(LinkedDirectivitySet(DirectivitySetIndex(code)), band, polar,
                              azimuth);
}

void GetDirectivityBands(int code, float polar, float azimuth, float* out) {
  LookUpDirectivitySetBands(LinkedDirectivitySet(DirectivitySetIndex(code)), polar, azimuth, out);
}
