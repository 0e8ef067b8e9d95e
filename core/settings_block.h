// The settings block: the array design as the host stores it (length word, tag, design data,
// wrapping-sum checksum), and the packed forms of the equaliser data inside it.
#pragma once
#include <cstdint>

#include "product_config.h"

constexpr int kBlockLengthWord = 0;
constexpr int kBlockTagWord = 1;
constexpr int kDesignFirstWord = 2;
constexpr int kChecksumWord = product::kBlockWords - 1;

// Wrapping 32-bit sum of the design-data words 2 .. kChecksumWord - 1.
int32_t DesignChecksum(const int32_t* block);
// True when word 1 holds the deliverable's tag as a zero-terminated, case-sensitive string.
bool HasProductTag(const int32_t* block);
void WriteProductTag(int32_t* block);

// EqGain of one box: whole dB -18..+6, or EQ_GAIN_OFF for a band switched off.
constexpr int16_t EQ_GAIN_OFF = -19;
constexpr int kEqGroupsPerBox = 8;

struct EqGroup {
  int32_t active;
  int32_t member[21];
};

// 21 gains into a 24-byte row (6 words): the low byte of each gain, 3 spare bytes of 0.
void PackEqGains(const int16_t* gains, int32_t* rowWords);
void UnpackEqGains(const int32_t* rowWords, int16_t* gains);
// Gain of one band straight from a stored row, sign-extended.
int8_t StoredEqGain(const int32_t* rowWords, int band);

// Eight groups into a 32-byte row (8 words): 3 bytes a group, then 8 zero bytes.
void PackEqGroups(const EqGroup* groups, int32_t* rowWords);
void UnpackEqGroups(const int32_t* rowWords, EqGroup* groups);
