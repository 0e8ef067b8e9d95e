#include "design_layout.h"

#include <cstring>
#include <string>

namespace {

const char* const kTarnwickModels[] = {"Orlex-R7", "TK-610",  "TK-610-1", "TK-610BF", "TK-520",
                                       "TK-520F",  "TK-430",  "TK-430B",  "TK-430BF", "TK-340"};
const char* const kBrenloweModels[] = {"BW-11H", "BW-12H", "BW-13H", "BW-11", "BW-12", "BW-13"};
const char* const kPirrowanEnclosures[] = {"PW-21S", "PW-22S"};
const char* const kHfLevelNames[] = {"+3", "0", "-3"};

template <int N>
constexpr int CountOf(const char* const (&)[N]) { return N; }

// Word numbers as each deliverable's design_data.h has them.
const DesignLayout kLayouts[] = {
    // tag, boxes, words: count, air, aiming, angles (units), level (name), delay, model,
    // enclosure; the model names; the word of the HF levels
    {{'T', 'n', 'k', 0}, 24, 2, 3, 6, 6, 1, 34, "gain", 62, 90, -1,
     kTarnwickModels, CountOf(kTarnwickModels), -1},
    {{'B', 'w', 'l', 0}, 14, 2, 3, 4, 4, 10, 18, "attenuation", 32, 46, -1,
     kBrenloweModels, CountOf(kBrenloweModels), -1},
    {{'P', 'r', 'w', 0}, 6, 2, 4, 7, -1, 10, 8, "attenuation", 14, -1, 3,
     kPirrowanEnclosures, CountOf(kPirrowanEnclosures), 20},
};

std::string NameOf(const DesignLayout& layout, int32_t code) {
  if (code >= 0 && code < layout.modelNameCount) return layout.modelNames[code];
  return "code " + std::to_string(code);
}

}  // namespace

const DesignLayout* FindDesignLayout(const std::vector<int32_t>& block) {
  if (block.size() < 2) return nullptr;
  for (const DesignLayout& layout : kLayouts) {
    if (std::memcmp(&block[1], layout.tag, 4) == 0) return &layout;
  }
  return nullptr;
}

void PrintDesign(const DesignLayout& layout, const std::vector<int32_t>& block, std::FILE* out) {
  const int size = static_cast<int>(block.size());
  auto word = [&](int at) { return at >= 0 && at < size ? block[at] : 0; };
  const int32_t stored = word(layout.boxCount);
  const int boxes = stored < 1 ? 1 : stored > layout.maxBoxes ? layout.maxBoxes : stored;
  // The aiming is shown as the dialog shows it: the stored word negated (+ 0.0 turns -0 into 0).
  const double aiming = -word(layout.aiming) / 10.0 + 0.0;
  std::fprintf(out, "  %d %s, aiming %.1f degrees, excess air %s", boxes, boxes == 1 ? "box" : "boxes",
               aiming, word(layout.excessAir) ? "on" : "off");
  if (layout.enclosure >= 0) std::fprintf(out, ", enclosure %s", NameOf(layout, word(layout.enclosure)).c_str());
  std::fprintf(out, "\n");
  for (int b = 0; b < boxes; ++b) {
    std::fprintf(out, "  box %d:", b + 1);
    if (layout.model >= 0) std::fprintf(out, " model %s,", NameOf(layout, word(layout.model + b)).c_str());
    if (layout.angleBase >= 0 && b > 0) {
      std::fprintf(out, " angle %.1f,", static_cast<double>(word(layout.angleBase + b)) / layout.angleUnitsPerDegree);
    }
    std::fprintf(out, " %s %.1f dB, delay %.3f ms", layout.levelName, word(layout.level + b) / 10.0,
                 word(layout.delay + b) / 1000.0);
    if (layout.hfLevel >= 0) {
      const int32_t row = word(layout.hfLevel + b);
      std::fprintf(out, ", HF level %s", row >= 0 && row < CountOf(kHfLevelNames) ? kHfLevelNames[row] : "?");
    }
    std::fprintf(out, "\n");
  }
}
