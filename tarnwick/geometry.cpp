// Sub-source geometry of the current array.
#include "product_hooks.h"
#include "registry.h"

int BuildArrayGeometry() {
  if (!CurrentSlot) return -1;
  return 0;
}
