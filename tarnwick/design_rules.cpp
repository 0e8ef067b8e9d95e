#include "design_rules.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace tarnwick {

const char* const kModelNames[kModelRows] = {"Orlex-R7", "TK-610",  "TK-610-1", "TK-610BF",
                                             "TK-520",   "TK-520F", "TK-430",   "TK-430B",
                                             "TK-430BF", "TK-340"};
const char kFramePk[] = "TK-900-PK";
const char kFrameQk[] = "TK-900-QK";
const char kFrameRk[] = "TK-900-RK";
const char kEnterNumberMessage[] = "Please enter a number";
const char kNegativeSplayMessage[] = "The aiming angle should be > 0";

int SizeClassOf(int modelCode) {
  if (modelCode >= kModelTk520 && modelCode <= kModelTk520F) return kClassMedium;
  if (modelCode >= kModelTk430 && modelCode <= kModelTk430Bf) return kClassSmall;
  if (modelCode == kModelTk340) return kClassTk340;
  return kClassLarge;
}

int AdapterClassOf(int modelCode) {
  const int size = SizeClassOf(modelCode);
  return size == kClassTk340 ? kNoAdapterClass : size;
}

AdapterFrame AdapterFrameNamed(const char* name) {
  if (!std::strcmp(name, kFrameQk)) return AdapterFrame::kQk;
  if (!std::strcmp(name, kFrameRk)) return AdapterFrame::kRk;
  return AdapterFrame::kNone;
}

namespace {

// The adapter classes 1..3 are the size classes of the same models.
AdapterShown ShownFrame(int upperAdapterClass, int lowerAdapterClass) {
  if (upperAdapterClass == kClassLarge && lowerAdapterClass == kClassMedium)
    return AdapterShown::kLabelRk;
  if (upperAdapterClass == kClassMedium && lowerAdapterClass == kClassSmall)
    return AdapterShown::kLabelPk;
  return AdapterShown::kChoice;  // class 1 over class 3: the user picks the frame
}

bool TakesNoFrame(int upperAdapterClass, int lowerAdapterClass) {
  return upperAdapterClass == kNoAdapterClass || lowerAdapterClass == kNoAdapterClass;
}

}  // namespace

AdapterShown AdapterBelowBox(int upper, int lower) {
  if (upper == lower || TakesNoFrame(upper, lower)) return AdapterShown::kHidden;
  if (upper < lower) return ShownFrame(upper, lower);
  return AdapterShown::kUnchanged;
}

AdapterShown AdapterAboveBox(int upper, int lower) {
  if (upper >= lower || TakesNoFrame(upper, lower)) return AdapterShown::kHidden;
  return ShownFrame(upper, lower);
}

int SmallerBelowCode(int upperClass, int lowerClass, int lowerModel, AdapterFrame frame) {
  const bool tk340 = lowerModel == kModelTk340;
  if (upperClass == kClassLarge && lowerClass == kClassMedium) return kJunctionRk;
  if (upperClass == kClassLarge && lowerClass == kClassSmall) {
    if (frame == AdapterFrame::kQk) return kJunctionQk;
    if (frame == AdapterFrame::kRk) return kJunctionRk;
    return kJunctionPlain;
  }
  if (upperClass == kClassLarge && lowerClass == kClassTk340)
    return tk340 ? kJunctionTk340UnderLarge : kJunctionPlain;
  if (upperClass == kClassMedium && lowerClass == kClassSmall) return kJunctionPk;
  if (upperClass == kClassMedium && lowerClass == kClassTk340)
    return tk340 ? kJunctionTk340UnderMid : kJunctionPlain;
  return kJunctionPlain;
}

int NotSmallerBelowCode(int upperClass, int lowerClass) {
  return upperClass == lowerClass ? kJunctionPlain : kJunctionInverted;
}

int NotSmallerBelowCodeRecomputed(int upperClass, int lowerClass) {
  if (upperClass == kClassTk340 && lowerClass == kClassSmall) return kJunctionPlain;
  return NotSmallerBelowCode(upperClass, lowerClass);
}

float AdapterAngleLimit(int code, int lowerClass) {
  if (code == kJunctionRk && lowerClass == kClassMedium) return 5.0f;
  if ((code == kJunctionRk && lowerClass == kClassSmall) || code == kJunctionPk) return 7.0f;
  return kNoAngleLimit;
}

float AdapterChangeAngleLimit(int previousCode, int lowerClass) {
  if (previousCode == kJunctionQk && (lowerClass == kClassMedium || lowerClass == kClassTk340))
    return 5.0f;
  if ((previousCode == kJunctionQk && lowerClass == kClassSmall) || previousCode == kJunctionPk)
    return 7.0f;
  return kNoAngleLimit;
}

float AngleUnderOtherModel(float angle) {
  if (angle > 10.0f) return 10.0f;
  if (angle == 7.5f) return 8.0f;
  return angle;
}

float AngleNextToTk340(float angle) { return angle > 7.0f && angle < 8.0f ? 8.0f : angle; }

float SplayStepLimit(int lowerModel, int upperModel, int code, int lowerClass) {
  float limit = 10.0f;
  // Under the "TK-430" family or another "TK-340" (the models from "TK-430" on) it may open
  // further than under the larger ones.
  if (lowerModel == kModelTk340) limit = upperModel < kModelTk430 ? 12.0f : 15.0f;
  if (code == kJunctionRk || code == kJunctionPk) {
    if (lowerClass == kClassMedium) limit = 5.0f;
    if (lowerClass == kClassSmall) limit = 7.0f;
  } else if (code == kJunctionTk340UnderLarge || code == kJunctionTk340UnderMid) {
    limit = 12.5f;
  }
  return limit;
}

namespace {

struct Stop {
  float from;
  float to;
};

// The half-degree stops of a "TK-340" under a class-1 or class-2 box, after the whole step.
constexpr Stop kHalfStopsUp[] = {{7.0f, 7.5f},   {8.5f, 8.0f},   {9.0f, 8.5f},
                                 {9.5f, 9.0f},   {10.0f, 9.5f},  {10.5f, 10.0f},
                                 {11.0f, 10.5f}, {11.5f, 11.0f}, {12.0f, 11.5f}};
constexpr Stop kHalfStopsDown[] = {{10.5f, 11.0f}, {10.0f, 10.5f}, {9.5f, 9.0f}, {9.0f, 9.5f},
                                   {8.0f, 8.5f},   {7.5f, 8.0f},   {7.0f, 7.5f}, {6.5f, 6.0f}};

template <size_t N>
float ApplyStop(const Stop (&stops)[N], float angle) {
  for (const Stop& stop : stops)
    if (angle == stop.from) return stop.to;
  return angle;
}

// "TK-340" under "TK-340": 12, 13.5 and 15 are the stops above 12.
float Tk340PairStop(float angle, int direction) {
  if (direction > 0) {
    if (angle == 13.0f) return 13.5f;
    if (angle > 14.0f) return 15.0f;
  } else {
    if (angle == 14.0f) return 13.5f;
    if (angle > 12.0f && angle < 13.0f) return 12.0f;
  }
  return angle;
}

}  // namespace

float StepSplay(float angle, int direction, int lowerModel, int upperModel, int code,
                int lowerClass) {
  const float limit = SplayStepLimit(lowerModel, upperModel, code, lowerClass);
  if (direction > 0 && angle < limit) angle += 1.0f;
  if (direction < 0 && angle > 0.0f) angle -= 1.0f;
  if (lowerModel == kModelTk340 && upperModel == kModelTk340) angle = Tk340PairStop(angle, direction);
  if (code == kJunctionTk340UnderLarge || code == kJunctionTk340UnderMid) {
    if (direction > 0) angle = ApplyStop(kHalfStopsUp, angle);
    if (direction < 0) angle = ApplyStop(kHalfStopsDown, angle);
  }
  return angle;
}

namespace {

bool IsFiveDegreeRow(int row) { return row >= kFiveDegreeRowFirst && row <= kFiveDegreeRowLast; }

}  // namespace

TypedAngleKind TypedAngleKindOf(int lowerRow, int upperRow) {
  if (IsFiveDegreeRow(lowerRow)) return TypedAngleKind::kFiveDegreeRows;
  if (lowerRow == kModelTk340)
    return upperRow == kModelTk340 ? TypedAngleKind::kTk340Pair : TypedAngleKind::kTk340UnderOther;
  if (IsFiveDegreeRow(upperRow)) return TypedAngleKind::kFiveDegreeRows;
  return TypedAngleKind::kPlain;
}

TypedAngleRule TypedAngleRuleFor(TypedAngleKind kind, int code, int lowerClass) {
  TypedAngleRule rule{"Whole numbers from 0 to 10 only", 10.0f};
  if (kind == TypedAngleKind::kFiveDegreeRows) rule = {"Whole numbers from 0 to 5 only", 5.0f};
  if (kind == TypedAngleKind::kTk340Pair)
    rule = {"Valid angles are: 0, 1, 2, ... 12, 13.5, 15", 15.0f};
  if (kind == TypedAngleKind::kTk340UnderOther) rule = {"Whole numbers from 0 to 7 or 7.5", 7.5f};
  if (code == kJunctionRk && lowerClass == kClassMedium)
    rule = {"Whole numbers from 0 to 5 only", 5.0f};
  if (code == kJunctionRk && lowerClass == kClassSmall)
    rule = {"Whole numbers from 0 to 7 only", 7.0f};
  if (code == kJunctionPk) {
    rule = lowerClass == kClassTk340 ? TypedAngleRule{"Whole numbers from 0 to 5 only", 5.0f}
                                     : TypedAngleRule{"Whole numbers from 0 to 7 only", 7.0f};
  }
  return rule;
}

bool TypedAngleHasValidForm(TypedAngleKind kind, float angle) {
  const bool whole = std::floor(angle) == angle;
  if (kind == TypedAngleKind::kTk340Pair) {
    if (angle == 13.5f) return true;
    return whole && angle != 13.0f && angle != 14.0f;
  }
  return whole || (kind == TypedAngleKind::kTk340UnderOther && angle == 7.5f);
}

bool TypedAngleInRange(float angle, float limit) { return !(angle < 0.0f || angle > limit); }

bool ParseTypedAngle(const char* text, float* angle) {
  return std::sscanf(text, "%g", angle) == 1;
}

bool StepGain(float& gain, int direction) {
  if (direction > 0) {
    if (gain >= kGainCeiling) return false;
    gain = std::fmin(gain + 0.5f, kGainCeiling);  // a typed value off the grid stops at +6
    return true;
  }
  if (direction < 0) {
    gain -= 0.5f;
    return true;
  }
  return false;
}

bool StepDelay(float& delay, int direction) {
  // One step is the single-precision 0.022 ms, added in double precision.
  constexpr double kStep = static_cast<double>(0.022f);
  if (direction > 0) {
    delay = static_cast<float>(static_cast<double>(delay) + kStep);
    return true;
  }
  if (direction < 0 && delay > 0.0f) {
    delay = static_cast<float>(std::fmax(static_cast<double>(delay) - kStep, 0.0));
    return true;
  }
  return false;
}

}  // namespace tarnwick
