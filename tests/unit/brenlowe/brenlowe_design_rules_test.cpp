// Brenlowe's design dialog rules: the up-down steps and what OK refuses.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "design_control_ids.h"
#include "design_rules.h"
#include "design_units.h"

namespace brenlowe {
using namespace design_units;
namespace {

TEST(BrenloweDesignRules, UpDownsAreFoundByTheirControlIds) {
  const struct {
    int id;
    SpinColumn column;
    int row, slot;
  } cases[] = {{1061, SpinColumn::Aiming, 0, 0},      {1062, SpinColumn::Hinge, 1, 1},
               {1074, SpinColumn::Hinge, 13, 13},     {1081, SpinColumn::Attenuation, 0, 14},
               {1094, SpinColumn::Attenuation, 13, 27}, {1121, SpinColumn::Delay, 0, 28},
               {1134, SpinColumn::Delay, 13, 41}};
  for (const auto& c : cases) {
    const SpinTarget t = SpinOfControl(c.id);
    EXPECT_EQ(c.column, t.column) << c.id;
    EXPECT_EQ(c.row, t.row) << c.id;
    EXPECT_EQ(c.slot, t.slot) << c.id;
  }
  for (int id : {IDC_OVERALL_ATT_SPIN, 1060, 1075, 1080, 1095, 1120, 1135, 1001}) {
    EXPECT_EQ(SpinColumn::None, SpinOfControl(id).column) << id;
  }
}

TEST(BrenloweDesignRules, StartPositionsAreTruncatedScaledValuesInsideTheRange) {
  EXPECT_EQ(1, StartPosition(SpinColumn::Delay, MicrosecondsToMs(22)));
  EXPECT_EQ(0, StartPosition(SpinColumn::Delay, MicrosecondsToMs(21)));
  EXPECT_EQ(5, StartPosition(SpinColumn::Hinge, 2.5f));
  EXPECT_EQ(-5, StartPosition(SpinColumn::Aiming, -2.5f));
  EXPECT_EQ(0, StartPosition(SpinColumn::Aiming, -0.3f));  // toward zero
  EXPECT_EQ(7, StartPosition(SpinColumn::Attenuation, 3.7f));
  EXPECT_EQ(100, StartPosition(SpinColumn::Hinge, 60.0f));
  EXPECT_EQ(-100, StartPosition(SpinColumn::Aiming, -70.0f));
  EXPECT_EQ(100, StartPosition(SpinColumn::Delay, 5.0f));
}

TEST(BrenloweDesignRules, ADelayStepsDownOnceFromTwentyTwoMicroseconds) {
  // The value the step starts from is the edit's text "0.022" read back.
  float delay = 0.022f;
  int32_t last = StartPosition(SpinColumn::Delay, MicrosecondsToMs(22));
  ASSERT_EQ(1, last);
  EXPECT_TRUE(ApplySpinPosition(SpinColumn::Delay, 0, delay, last));
  EXPECT_EQ(0.0f, delay);
  EXPECT_EQ(0, last);
  EXPECT_FALSE(ApplySpinPosition(SpinColumn::Delay, -1, delay, last));
  EXPECT_EQ(0, last);
  EXPECT_TRUE(ApplySpinPosition(SpinColumn::Delay, 1, delay, last));
  EXPECT_EQ(0.022f, delay);
}

TEST(BrenloweDesignRules, StepsAreSinglePrecision) {
  float delay = MicrosecondsToMs(22);  // one single-precision step above 0.022
  int32_t last = 1;
  EXPECT_TRUE(ApplySpinPosition(SpinColumn::Delay, 0, delay, last));
  EXPECT_NEAR(1.86265e-9, delay, 1e-13);
  EXPECT_EQ(0, MsToMicroseconds(delay));
}

TEST(BrenloweDesignRules, TheFloorsOfTheColumns) {
  float hinge = 0.3f;
  int32_t last = 0;
  EXPECT_TRUE(ApplySpinPosition(SpinColumn::Hinge, -1, hinge, last));
  EXPECT_EQ(0.3f - 0.5f, hinge);  // only an exact 0.0 stops a hinge
  EXPECT_EQ(-1, last);
  hinge = 0.0f;
  EXPECT_FALSE(ApplySpinPosition(SpinColumn::Hinge, -2, hinge, last));
  EXPECT_EQ(0.0f, hinge);
  EXPECT_EQ(-1, last);

  float attenuation = 0.3f;
  last = 0;
  EXPECT_FALSE(ApplySpinPosition(SpinColumn::Attenuation, -1, attenuation, last));
  EXPECT_EQ(0.3f, attenuation);
  attenuation = 0.5f;
  EXPECT_TRUE(ApplySpinPosition(SpinColumn::Attenuation, -1, attenuation, last));
  EXPECT_EQ(0.0f, attenuation);

  float aiming = 0.0f;
  last = 0;
  EXPECT_TRUE(ApplySpinPosition(SpinColumn::Aiming, -1, aiming, last));
  EXPECT_TRUE(ApplySpinPosition(SpinColumn::Aiming, -2, aiming, last));
  EXPECT_EQ(-1.0f, aiming);
}

TEST(BrenloweDesignRules, ATypedValueIsTheBaseOfTheNextStepAndAnUnmovedPositionChangesNothing) {
  float hinge = 1.3f;  // typed; the up-down still stands where the clicks left it
  int32_t last = 4;
  EXPECT_TRUE(ApplySpinPosition(SpinColumn::Hinge, 4, hinge, last));
  EXPECT_EQ(1.3f, hinge);
  EXPECT_TRUE(ApplySpinPosition(SpinColumn::Hinge, 5, hinge, last));
  EXPECT_EQ(1.3f + 0.5f, hinge);
  EXPECT_EQ(5, last);
  float unused = 2.0f;
  EXPECT_TRUE(ApplySpinPosition(SpinColumn::None, 9, unused, last));
  EXPECT_EQ(2.0f, unused);
  EXPECT_EQ(5, last);
}

class OkTexts {
 public:
  OkTexts& Set(int id, const std::string& text) {
    texts_[id] = text;
    return *this;
  }
  OkRefusal Check() const {
    return FindOkRefusal([this](int id) {
      auto it = texts_.find(id);
      return it == texts_.end() ? std::string("0") : it->second;
    });
  }

 private:
  std::map<int, std::string> texts_;
};

TEST(BrenloweDesignRules, OkRefusesTheFirstNegativeTextInItsOrder) {
  EXPECT_EQ(0, OkTexts().Check().editId);
  // The aiming of box 1 may be negative; a blank before the minus passes.
  EXPECT_EQ(0, OkTexts().Set(1001, "-3").Set(1022, " -1").Check().editId);

  OkRefusal r = OkTexts().Set(1101, "-1").Set(1021, "-2").Check();
  EXPECT_EQ(1021, r.editId);
  EXPECT_STREQ("The value of attenuation should be > 0", r.message);

  r = OkTexts().Set(1101, "-0.1").Set(1002, "-1").Check();
  EXPECT_EQ(1101, r.editId);
  EXPECT_STREQ("The delay value should be > 0", r.message);

  // Row by row: attenuation, hinge, delay; rows beyond the box count are checked as well.
  r = OkTexts().Set(1103, "-1").Set(1002, "-5").Set(1022, "-1").Check();
  EXPECT_EQ(1022, r.editId);
  r = OkTexts().Set(1103, "-1").Set(1002, "-5").Check();
  EXPECT_EQ(1002, r.editId);
  EXPECT_STREQ("The aiming angle should be > 0", r.message);
  r = OkTexts().Set(1114, "-2").Set(1014, "-2").Check();
  EXPECT_EQ(1014, r.editId);
}

}  // namespace
}  // namespace brenlowe
