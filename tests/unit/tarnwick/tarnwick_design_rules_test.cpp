// Tarnwick's cabinet rules: size groupings, junction codes, spin sequences, typed-angle checks
// and the gain/delay spins.
#include <gtest/gtest.h>

#include <vector>

#include "design_rules.h"

namespace {
using namespace tarnwick;

TEST(TarnwickDesignRules, SizeAndAdapterClassesGroupTheModels) {
  const int size[] = {1, 1, 1, 1, 2, 2, 3, 3, 3, 5};
  const int adapter[] = {1, 1, 1, 1, 2, 2, 3, 3, 3, 4};
  for (int code = 0; code < kModelRows; ++code) {
    EXPECT_EQ(size[code], SizeClassOf(code)) << code;
    EXPECT_EQ(adapter[code], AdapterClassOf(code)) << code;
  }
  // No selection, and codes the lists do not offer, count as the largest class.
  for (int code : {-1, 10, 18, 1000}) EXPECT_EQ(1, SizeClassOf(code)) << code;
}

TEST(TarnwickDesignRules, JunctionCodesOfEveryPairing) {
  struct Case {
    int upper, lower, lowerModel;
    AdapterFrame frame;
    int code;
  } cases[] = {
      {1, 2, 4, AdapterFrame::kNone, 1},  {1, 3, 6, AdapterFrame::kQk, 2},
      {1, 3, 6, AdapterFrame::kRk, 1},    {1, 3, 6, AdapterFrame::kNone, -1},
      {1, 5, 9, AdapterFrame::kNone, 4},  {2, 3, 6, AdapterFrame::kNone, 3},
      {2, 5, 9, AdapterFrame::kNone, 5},  {3, 5, 9, AdapterFrame::kNone, -1},
      {1, 5, 0, AdapterFrame::kNone, -1},  // a stale class 5 without a "TK-340" below
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.code, SmallerBelowCode(c.upper, c.lower, c.lowerModel, c.frame))
        << c.upper << " over " << c.lower;
  EXPECT_EQ(-1, NotSmallerBelowCode(2, 2));
  EXPECT_EQ(0, NotSmallerBelowCode(3, 1));
  EXPECT_EQ(0, NotSmallerBelowCode(5, 3));
  EXPECT_EQ(-1, NotSmallerBelowCodeRecomputed(5, 3));
}

// Clicks a spin until the angle stands still, collecting every value on the way.
std::vector<float> Walk(float start, int direction, int lower, int upper, int code, int lowerClass) {
  std::vector<float> seen{start};
  for (int click = 0; click < 40; ++click) {
    const float next = StepSplay(seen.back(), direction, lower, upper, code, lowerClass);
    if (next == seen.back()) break;
    seen.push_back(next);
  }
  return seen;
}

std::vector<float> Range(int from, int to) {
  std::vector<float> values;
  for (int v = from; from <= to ? v <= to : v >= to; v += from <= to ? 1 : -1) values.push_back(v);
  return values;
}

std::vector<float> Join(std::vector<float> a, const std::vector<float>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(TarnwickDesignRules, SplaySpinSequencesOfEveryPairing) {
  // Plain pairing, adapter limits, "TK-340" under class 1/2 (code 4/5), under class 3, under itself.
  EXPECT_EQ(Range(0, 10), Walk(0, 1, 1, 0, -1, 1));
  EXPECT_EQ(Range(10, 0), Walk(10, -1, 1, 0, -1, 1));
  EXPECT_EQ(Range(0, 5), Walk(0, 1, 4, 1, 1, 2));
  EXPECT_EQ(Range(0, 7), Walk(0, 1, 6, 4, 3, 3));
  EXPECT_EQ(Join(Range(0, 6), {7.5f, 8, 8.5f, 9, 9.5f, 10, 10.5f, 11, 11.5f, 12.5f}),
            Walk(0, 1, 9, 2, 4, 5));
  EXPECT_EQ(Join({12.5f, 11.5f, 11, 10.5f, 9, 8.5f, 8, 7.5f}, Range(6, 0)),
            Walk(12.5f, -1, 9, 4, 5, 5));
  EXPECT_EQ(Range(0, 15), Walk(0, 1, 9, 6, -1, 5));
  EXPECT_EQ(Join(Range(0, 12), {13.5f, 15}), Walk(0, 1, 9, 9, -1, 5));
  EXPECT_EQ(Join({15, 13.5f}, Range(12, 0)), Walk(15, -1, 9, 9, -1, 5));
}

TEST(TarnwickDesignRules, TypedAngleRulesByKindAndJunction) {
  using Kind = TypedAngleKind;
  EXPECT_EQ(Kind::kTk340UnderOther, TypedAngleKindOf(kModelTk340, kNoModel));
  EXPECT_EQ(Kind::kTk340Pair, TypedAngleKindOf(kModelTk340, kModelTk340));
  EXPECT_EQ(Kind::kFiveDegreeRows, TypedAngleKindOf(1, 16));
  EXPECT_EQ(Kind::kPlain, TypedAngleKindOf(kModelTk430, kModelTk340));
  EXPECT_STREQ("Whole numbers from 0 to 5 only",
               TypedAngleRuleFor(Kind::kPlain, kJunctionPk, kClassTk340).message);

  struct Form {
    Kind kind;
    float angle;
    bool valid;
  } forms[] = {{Kind::kPlain, 6, true},           {Kind::kPlain, 6.5f, false},
               {Kind::kTk340UnderOther, 7.5f, true}, {Kind::kTk340UnderOther, 8.5f, false},
               {Kind::kTk340Pair, 13.5f, true},   {Kind::kTk340Pair, 13, false},
               {Kind::kTk340Pair, 14, false},     {Kind::kTk340Pair, 12.5f, false},
               {Kind::kTk340Pair, 15, true}};
  for (const Form& f : forms)
    EXPECT_EQ(f.valid, TypedAngleHasValidForm(f.kind, f.angle))
        << static_cast<int>(f.kind) << " " << f.angle;
  EXPECT_FALSE(TypedAngleInRange(8, 7.5f));
  EXPECT_FALSE(TypedAngleInRange(-1, 10));
  EXPECT_TRUE(TypedAngleInRange(7.5f, 7.5f));
}

TEST(TarnwickDesignRules, TypedAnglesAreReadLikeScanfG) {
  float value = 0;
  EXPECT_TRUE(ParseTypedAngle(" 7.5deg", &value));
  EXPECT_EQ(7.5f, value);
  EXPECT_TRUE(ParseTypedAngle("1e1", &value));
  EXPECT_EQ(10.0f, value);
  EXPECT_FALSE(ParseTypedAngle("abc", &value));
  EXPECT_FALSE(ParseTypedAngle("", &value));
}

TEST(TarnwickDesignRules, GainAndDelaySpinsStopAtTheirLimits) {
  float gain = 5.5f;
  EXPECT_TRUE(StepGain(gain, 1));
  EXPECT_EQ(6.0f, gain);
  EXPECT_FALSE(StepGain(gain, 1));
  gain = 5.7f;  // typed off the grid: the step stops at +6
  EXPECT_TRUE(StepGain(gain, 1));
  EXPECT_EQ(6.0f, gain);
  gain = -30.0f;
  EXPECT_TRUE(StepGain(gain, -1));
  EXPECT_EQ(-30.5f, gain);

  float delay = 0.0f;
  EXPECT_FALSE(StepDelay(delay, -1));
  EXPECT_TRUE(StepDelay(delay, 1));
  EXPECT_EQ(0.022f, delay);
  EXPECT_TRUE(StepDelay(delay, -1));
  EXPECT_EQ(0.0f, delay);
  delay = 0.01f;
  EXPECT_TRUE(StepDelay(delay, -1));
  EXPECT_EQ(0.0f, delay);
}

}  // namespace
