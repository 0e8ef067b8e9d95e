// Pirrowan's design dialog, opened by the host's call and driven as a user would.
#include "design_control_ids.h"
#include "design_data.h"
#include "dialog_fixture.h"
#include "eq_config.h"

namespace {

// Box row r (0..5) of the dialog.
int AttEdit(int r) { return IDC_ATTENUATION_EDIT + r; }
int DelayEdit(int r) { return IDC_DELAY_EDIT + r; }
int AttSpin(int r) { return IDC_ATTENUATION_SPIN + r; }
int DelaySpin(int r) { return IDC_DELAY_SPIN + r; }
int HfCombo(int r) { return IDC_HF_LEVEL_COMBO + r; }
int HfSpin(int r) { return IDC_HF_LEVEL_SPIN + r; }
int EqButton(int r) { return IDC_EQ_BUTTON + r; }

// A click on the level up-down of box r; the up-down and the list then stand at the same row.
void ClickLevel(DesignDialogView& view, int r, bool up, int row) {
  view.Spin(HfSpin(r), up);
  EXPECT_EQ(row, view.SpinPosition(HfSpin(r))) << "box " << r;
  EXPECT_EQ(row, view.Selection(HfCombo(r))) << "box " << r;
}

class PirrowanDialog : public DesignDialogTest {
 protected:
  PirrowanDialog() : DesignDialogTest("Pirrowan.dll", "Kestrane Prw") {}
};

TEST_F(PirrowanDialog, ShowsTheStoredDesignAndCancelKeepsTheBlock) {
  StoreWords({{design::kBoxCount, 2},
              {design::kEnclosureType, 5},  // opens as the second type
              {design::kExcessAir, 1},
              {design::kAiming, 25},
              {design::kAttenuation + 0, 7},
              {design::kDelay + 0, 12000},  // beyond 10 ms: opens as 0
              {design::kDelay + 1, 10000},
              {design::kHfLevelIndex + 0, 0},
              {design::kHfLevelIndex + 1, 2},
              {design::kHfLevelIndex + 2, 7}});  // not in the list: opens as "0"
  const Block before = ReadBlock();

  EXPECT_EQ(0, Show([&](UiDriver& ui, DesignDialogView& view) {
    EXPECT_EQ(6, view.RowCount(IDC_BOX_COUNT));
    EXPECT_EQ(1, view.Selection(IDC_BOX_COUNT));
    EXPECT_FALSE(view.Checked(IDC_ENCLOSURE_21S));
    EXPECT_TRUE(view.Checked(IDC_ENCLOSURE_22S));
    EXPECT_TRUE(view.Checked(IDC_EXCESS_AIR));
    EXPECT_EQ("-2.5", view.Text(IDC_OVERALL_AIMING_EDIT));
    EXPECT_EQ("0.7", view.Text(AttEdit(0)));
    EXPECT_EQ("0", view.Text(DelayEdit(0)));
    EXPECT_EQ("10", view.Text(DelayEdit(1)));
    ASSERT_EQ(3, view.RowCount(HfCombo(4)));
    EXPECT_EQ("+3", view.RowText(HfCombo(4), 0));
    EXPECT_EQ("0", view.RowText(HfCombo(4), 1));
    EXPECT_EQ("-3", view.RowText(HfCombo(4), 2));
    EXPECT_EQ(0, view.Selection(HfCombo(0)));
    EXPECT_EQ(2, view.Selection(HfCombo(1)));
    EXPECT_EQ(1, view.Selection(HfCombo(2)));
    ExpectEnabled(view, {AttEdit(1), DelaySpin(1), HfCombo(1), HfSpin(1), EqButton(1)});
    ExpectDisabled(view, {AttEdit(2), AttSpin(2), DelayEdit(2), DelaySpin(2), HfCombo(2), HfSpin(2), EqButton(5)});
    ExpectHidden(view, {IDC_OVERALL_ATT_EDIT, IDC_OVERALL_ATT_SPIN});
    EXPECT_TRUE(ui.SaveScreenshot(view.Dialog(), "pirrowan_design_dialog"));
    view.TypeInto(AttEdit(1), "12");
    view.Click(IDC_ENCLOSURE_21S);
    view.Close(IDCANCEL);
  }));
  EXPECT_EQ(before, ReadBlock());
  EXPECT_TRUE(AllZero(DirectivityIndex()));
}

TEST_F(PirrowanDialog, OkStoresWhatTheUserChanged) {
  StoreWords({{design::kAttenuation + 5, 7}});  // untouched: comes back as 6 tenths
  EXPECT_EQ(0, Show([&](UiDriver&, DesignDialogView& view) {
    EXPECT_EQ(3, view.Selection(IDC_BOX_COUNT));  // the reset design: four boxes
    view.TypeInto(IDC_BOX_COUNT, "2");
    EXPECT_EQ(1, view.Selection(IDC_BOX_COUNT));
    EXPECT_FALSE(view.Enabled(AttEdit(2)));
    view.TypeInto(IDC_BOX_COUNT, "7");  // not in the list: nothing changes
    EXPECT_FALSE(view.Enabled(AttEdit(2)));
    view.ChooseRow(IDC_BOX_COUNT, 4);
    EXPECT_TRUE(view.Enabled(AttEdit(4)));
    EXPECT_FALSE(view.Enabled(AttEdit(5)));
    view.Click(IDC_ENCLOSURE_21S);
    view.SpinUp(IDC_OVERALL_AIMING_SPIN);
    view.SpinUp(IDC_OVERALL_AIMING_SPIN);
    EXPECT_EQ("1", view.Text(IDC_OVERALL_AIMING_EDIT));
    view.SpinUp(AttSpin(0));
    EXPECT_EQ("0.5", view.Text(AttEdit(0)));
    view.TypeInto(DelayEdit(1), "0.01");
    view.SpinDown(DelaySpin(1));
    EXPECT_EQ("0", view.Text(DelayEdit(1)));
    view.SpinUp(DelaySpin(1));
    EXPECT_EQ("0.022", view.Text(DelayEdit(1)));
    view.TypeInto(AttEdit(3), "0.7");
    view.SpinUp(HfSpin(0));  // from "0" up to "+3"
    EXPECT_EQ(0, view.Selection(HfCombo(0)));
    view.ChooseRow(HfCombo(2), 2);
    view.Close(IDOK);
  }));
  const Block block = ReadBlock();
  EXPECT_EQ(5, block[design::kBoxCount]);
  EXPECT_EQ(0, block[design::kEnclosureType]);
  EXPECT_EQ(-10, block[design::kAiming]);
  EXPECT_EQ(5, block[design::kAttenuation + 0]);
  EXPECT_EQ(6, block[design::kAttenuation + 3]);
  EXPECT_EQ(6, block[design::kAttenuation + 5]);
  EXPECT_EQ(22, block[design::kDelay + 1]);
  EXPECT_EQ(0, block[design::kHfLevelIndex + 0]);
  EXPECT_EQ(1, block[design::kHfLevelIndex + 1]);
  EXPECT_EQ(2, block[design::kHfLevelIndex + 2]);
  EXPECT_FALSE(AllZero(DirectivityIndex()));
}

// The value up-downs go back to 0 after every click, floors included, so the sign of the next
// position is the next click's direction; a level up-down stays where the click left it, since
// its position is the level.
TEST_F(PirrowanDialog, UpDownPositionsReadBackAfterEachClick) {
  StoreWords({{design::kBoxCount, 2},
              {design::kAiming, 0},
              {design::kAttenuation + 0, 0},
              {design::kDelay + 0, 0},
              {design::kHfLevelIndex + 0, 1},
              {design::kHfLevelIndex + 1, 2}});
  Show([&](UiDriver&, DesignDialogView& view) {
    ExpectSpinPositions(view, {IDC_OVERALL_AIMING_SPIN, AttSpin(0), DelaySpin(0), AttSpin(1)}, 0);
    EXPECT_EQ("0", view.Text(IDC_OVERALL_AIMING_EDIT));  // a stored 0 is not shown as "-0"
    EXPECT_EQ(1, view.SpinPosition(HfSpin(0)));
    EXPECT_EQ(2, view.SpinPosition(HfSpin(1)));

    ExpectSpinSteps(view, {
        {IDC_OVERALL_AIMING_SPIN, true, IDC_OVERALL_AIMING_EDIT, "0.5", 0},
        {IDC_OVERALL_AIMING_SPIN, true, IDC_OVERALL_AIMING_EDIT, "1", 0},
        {IDC_OVERALL_AIMING_SPIN, false, IDC_OVERALL_AIMING_EDIT, "0.5", 0},
        {AttSpin(0), false, AttEdit(0), "0", 0},  // the floor
        {AttSpin(0), false, AttEdit(0), "0", 0},
        {AttSpin(0), true, AttEdit(0), "0.5", 0},
        {DelaySpin(0), false, DelayEdit(0), "0", 0},  // the floor
        {DelaySpin(0), true, DelayEdit(0), "0.022", 0},
        {DelaySpin(0), true, DelayEdit(0), "0.044", 0},
        {DelaySpin(0), false, DelayEdit(0), "0.022", 0},
    });

    // Up moves toward "+3" and stops there; the position stays the level's row.
    ClickLevel(view, 0, true, 0);
    ClickLevel(view, 0, true, 0);
    ClickLevel(view, 0, false, 1);
    // A level chosen from the list leaves the up-down where it was, so the next click goes on
    // from the up-down's own position.
    view.ChooseRow(HfCombo(0), 0);
    EXPECT_EQ(1, view.SpinPosition(HfSpin(0)));
    ClickLevel(view, 0, false, 2);
    ClickLevel(view, 1, true, 1);
    view.Close(IDOK);
  });
  const Block block = ReadBlock();
  EXPECT_EQ(-5, block[design::kAiming]);
  EXPECT_EQ(5, block[design::kAttenuation + 0]);
  EXPECT_EQ(22, block[design::kDelay + 0]);
  EXPECT_EQ(2, block[design::kHfLevelIndex + 0]);
  EXPECT_EQ(1, block[design::kHfLevelIndex + 1]);
}

TEST_F(PirrowanDialog, OkRefusesNegativeAndNonNumericTexts) {
  StoreWords({{design::kBoxCount, 2}});
  const Block before = ReadBlock();
  Show([&](UiDriver& ui, DesignDialogView& view) {
    view.TypeInto(IDC_OVERALL_AIMING_EDIT, "abc");
    view.Click(IDOK);
    const std::vector<std::string> prompts = ui.AnswerAllMessageBoxes();
    ASSERT_EQ(1u, prompts.size());
    EXPECT_EQ("Please enter a number.", prompts[0]);
    EXPECT_EQ(IDC_OVERALL_AIMING_EDIT, view.FocusId());
    view.TypeInto(IDC_OVERALL_AIMING_EDIT, "-4");  // the aiming may be negative

    view.ChooseRow(IDC_BOX_COUNT, 5);
    view.TypeInto(AttEdit(5), "-1");
    view.ChooseRow(IDC_BOX_COUNT, 1);
    EXPECT_FALSE(view.Enabled(AttEdit(5)));
    view.Click(IDOK);  // row 5 lies beyond the box count and still counts
    MessageBoxSeen box = ui.WaitForMessageBox();
    EXPECT_EQ("The value of attenuation should be > 0", box.text);
    ui.Answer(box);
    EXPECT_TRUE(::IsWindow(view.Dialog()));
    view.Close(IDCANCEL);
  });
  EXPECT_EQ(before, ReadBlock());
}

TEST_F(PirrowanDialog, EqButtonOpensTheEqualiserOfItsBox) {
  Show([&](UiDriver& ui, DesignDialogView& view) {
    view.Click(EqButton(1));
    HWND eq = ui.WaitForWindow("EQ - Box 2");
    ASSERT_TRUE(eq);
    DesignDialogView eqView(ui, eq);
    EXPECT_FALSE(eqView.Enabled(EQ_ID_PASTE));
    eqView.TypeInto(EQ_ID_FIRST_EDIT + 20, "3");
    ui.Press(VK_RETURN);
    eqView.Close(IDOK);
    view.Close(IDOK);
  });
  const Block block = ReadBlock();
  EXPECT_EQ(3, EqByte(block, 1, 20));
  EXPECT_EQ(0, EqByte(block, 0, 20));
}

TEST_F(PirrowanDialog, TheCallRefusesABadIndexAndAMissingSlot) {
  EXPECT_EQ(-2, fn.IP_ShowDialog(0));
  ASSERT_EQ(0, fn.CI_Release());
  EXPECT_EQ(-1, fn.IP_ShowDialog(1));
}

}  // namespace
