// Pirrowan's design dialog rules: the up-down steps and what OK refuses.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "design_control_ids.h"
#include "design_rules.h"

namespace pirrowan {
namespace {

TEST(PirrowanDesignRules, UpDownsAreFoundByTheirControlIds) {
  const struct {
    int id;
    SpinKind kind;
    int row;
  } cases[] = {{1003, SpinKind::OverallAiming, 0}, {1004, SpinKind::OverallAtt, 0},
               {1031, SpinKind::Attenuation, 0},   {1036, SpinKind::Attenuation, 5},
               {1051, SpinKind::Delay, 0},         {1056, SpinKind::Delay, 5},
               {1071, SpinKind::HfLevel, 0},       {1076, SpinKind::HfLevel, 5}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.kind, SpinOfControl(c.id).kind) << c.id;
    EXPECT_EQ(c.row, SpinOfControl(c.id).row) << c.id;
  }
  for (int id : {1001, 1030, 1037, 1050, 1057, 1070, 1077, 1234}) {
    EXPECT_EQ(SpinKind::None, SpinOfControl(id).kind) << id;
  }
}

TEST(PirrowanDesignRules, StepsFollowTheSignOfThePosition) {
  float aiming = 0.0f;
  StepBySign(SpinKind::OverallAiming, -1, aiming);
  StepBySign(SpinKind::OverallAiming, -1, aiming);
  EXPECT_EQ(-1.0f, aiming);  // no limits
  StepBySign(SpinKind::OverallAiming, 0, aiming);
  EXPECT_EQ(-1.0f, aiming);

  float attenuation = 0.3f;
  StepBySign(SpinKind::Attenuation, -1, attenuation);
  EXPECT_EQ(0.0f, attenuation);
  StepBySign(SpinKind::Attenuation, 1, attenuation);
  EXPECT_EQ(0.5f, attenuation);
  float overall = 0.2f;
  StepBySign(SpinKind::OverallAtt, -1, overall);
  EXPECT_EQ(0.0f, overall);

  float delay = 0.01f;
  StepBySign(SpinKind::Delay, -1, delay);
  EXPECT_EQ(0.0f, delay);
  StepBySign(SpinKind::Delay, 1, delay);
  EXPECT_EQ(0.022f, delay);
  delay = 0.05f;
  StepBySign(SpinKind::Delay, -1, delay);
  EXPECT_EQ(0.05f - 0.022f, delay);
}

TEST(PirrowanDesignRules, OkRefusesTheFirstNegativeTextBoxByBox) {
  std::map<int, std::string> texts;
  auto check = [&] {
    return FindOkRefusal([&](int id) {
      auto it = texts.find(id);
      return it == texts.end() ? std::string("0") : it->second;
    });
  };
  EXPECT_EQ(0, check().editId);
  texts[1001] = "-3";  // the overall aiming may be negative
  texts[1022] = " -1";  // only the first character counts
  EXPECT_EQ(0, check().editId);
  texts[1045] = "-1";  // row 5, also beyond the box count
  texts[1026] = "-1";
  OkRefusal r = check();
  EXPECT_EQ(1045, r.editId);
  EXPECT_STREQ("The delay value should be > 0", r.message);
  texts[1024] = "-0";
  r = check();
  EXPECT_EQ(1024, r.editId);
  EXPECT_STREQ("The value of attenuation should be > 0", r.message);
}

}  // namespace
}  // namespace pirrowan
