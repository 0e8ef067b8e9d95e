#include "settings_block.h"

#include <cstring>

#include "plugin_api.h"
#include "product_hooks.h"
#include "registry.h"

int32_t DesignChecksum(const int32_t* block) {
  uint32_t sum = 0;
  for (int w = kDesignFirstWord; w < kChecksumWord; ++w) sum += static_cast<uint32_t>(block[w]);
  return static_cast<int32_t>(sum);
}

bool HasProductTag(const int32_t* block) {
  // Compared as a string: the tag's letters and its zero byte, nothing after that zero.
  char tag[4];
  std::memcpy(tag, &block[kBlockTagWord], 4);
  for (int i = 0; i < 4; ++i) {
    if (tag[i] != product::kTag[i]) return false;
    if (tag[i] == 0) return true;
  }
  return true;
}

void WriteProductTag(int32_t* block) { std::memcpy(&block[kBlockTagWord], product::kTag, 4); }

namespace {
uint8_t* RowBytes(int32_t* rowWords) { return reinterpret_cast<uint8_t*>(rowWords); }
const uint8_t* RowBytes(const int32_t* rowWords) {
  return reinterpret_cast<const uint8_t*>(rowWords);
}
}  // namespace

void PackEqGains(const int16_t* gains, int32_t* rowWords) {
  uint8_t bytes[24] = {};
  for (int b = 0; b < 21; ++b) bytes[b] = static_cast<uint8_t>(gains[b] & 0xFF);
  std::memcpy(RowBytes(rowWords), bytes, sizeof bytes);
}

void UnpackEqGains(const int32_t* rowWords, int16_t* gains) {
  for (int b = 0; b < 21; ++b) gains[b] = StoredEqGain(rowWords, b);
}

int8_t StoredEqGain(const int32_t* rowWords, int band) {
  return static_cast<int8_t>(RowBytes(rowWords)[band]);
}

void PackEqGroups(const EqGroup* groups, int32_t* rowWords) {
  uint8_t bytes[32] = {};
  for (int g = 0; g < kEqGroupsPerBox; ++g) {
    uint8_t* packed = bytes + 3 * g;
    // An inactive group keeps no member bits in the stored form.
    if (!groups[g].active) continue;
    uint32_t bits = 1;
    for (int b = 0; b < 21; ++b)
      if (groups[g].member[b]) bits |= 1u << (b + 1);
    packed[0] = static_cast<uint8_t>(bits);
    packed[1] = static_cast<uint8_t>(bits >> 8);
    packed[2] = static_cast<uint8_t>(bits >> 16);
  }
  std::memcpy(RowBytes(rowWords), bytes, sizeof bytes);
}

void UnpackEqGroups(const int32_t* rowWords, EqGroup* groups) {
  const uint8_t* bytes = RowBytes(rowWords);
  for (int g = 0; g < kEqGroupsPerBox; ++g) {
    const uint8_t* packed = bytes + 3 * g;
    const uint32_t bits = packed[0] | (packed[1] << 8) | (packed[2] << 16);
    groups[g].active = bits & 1u;
    for (int b = 0; b < 21; ++b) groups[g].member[b] = (bits >> (b + 1)) & 1u;
  }
}

PLUGIN_EXPORT int PLUGIN_CALL IP_GetValue(int i, int32_t* block) {
  if (i != 1 || !CurrentSlot) return -1;
  int32_t* settings = CurrentSlot->settings;
  settings[kBlockLengthWord] = product::kBlockWords;
  if (block[0] == 0) {  // size query
    block[0] = product::kBlockWords;
    return 0;
  }
  WriteProductTag(settings);
  settings[kChecksumWord] = DesignChecksum(settings);
  std::memcpy(block, settings, sizeof(int32_t) * product::kBlockWords);
  return 0;
}

PLUGIN_EXPORT int PLUGIN_CALL IP_SetValue(int i, const int32_t* block) {
  if (i != 1 || !CurrentSlot) return -1;
  int32_t* settings = CurrentSlot->settings;
  // The length word is taken as it comes; a full block is read whatever it says.
  settings[kBlockLengthWord] = block[0];
  if (HasProductTag(block) && DesignChecksum(block) == block[kChecksumWord]) {
    std::memcpy(settings + kDesignFirstWord, block + kDesignFirstWord,
                sizeof(int32_t) * (product::kBlockWords - kDesignFirstWord));
  } else {
    ResetDesign(settings);
  }
  return 0;
}
