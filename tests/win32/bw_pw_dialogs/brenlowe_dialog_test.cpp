// Brenlowe's design dialog, opened by the host's call and driven as a user would.
#include "design_control_ids.h"
#include "design_data.h"
#include "dialog_fixture.h"
#include "eq_config.h"

namespace {

// Row r (1..14) of the dialog.
int AngleEdit(int r) { return IDC_ANGLE_EDIT0 + r; }
int AttEdit(int r) { return IDC_ATTENUATION_EDIT0 + r; }
int DelayEdit(int r) { return IDC_DELAY_EDIT0 + r; }
int AngleSpin(int r) { return IDC_ANGLE_SPIN0 + r; }
int AttSpin(int r) { return IDC_ATTENUATION_SPIN0 + r; }
int DelaySpin(int r) { return IDC_DELAY_SPIN0 + r; }
int ModelCombo(int r) { return IDC_MODEL_COMBO0 + r; }
int EqButton(int r) { return IDC_EQ_BUTTON0 + r; }

class BrenloweDialog : public DesignDialogTest {
 protected:
  BrenloweDialog() : DesignDialogTest("Brenlowe.dll", "Kestrane Bwl") {}
};

TEST_F(BrenloweDialog, ShowsTheStoredDesignAndCancelKeepsTheBlock) {
  StoreWords({{design::kBoxCount, 3},
              {design::kAiming, 25},
              {design::kHingeBase + 1, 35},
              {design::kAttenuation + 0, 15},
              {design::kDelay + 1, 1234},
              {design::kModelCode + 0, 4},
              {design::kModelCode + 2, 9},  // not in the list: opens as the first model
              {design::kExcessAir, 1},
              {design::kHorizSymmetric, 1}});
  const Block before = ReadBlock();

  EXPECT_EQ(0, Show([&](UiDriver& ui, DesignDialogView& view) {
    EXPECT_EQ(14, view.RowCount(IDC_BOX_COUNT));
    EXPECT_EQ("14", view.RowText(IDC_BOX_COUNT, 13));
    EXPECT_EQ(2, view.Selection(IDC_BOX_COUNT));
    EXPECT_EQ("-2.5", view.Text(AngleEdit(1)));
    EXPECT_EQ("3.5", view.Text(AngleEdit(2)));
    EXPECT_EQ("1.5", view.Text(AttEdit(1)));
    EXPECT_EQ("1.234", view.Text(DelayEdit(2)));
    EXPECT_EQ("0", view.Text(DelayEdit(14)));
    const char* models[] = {"BW-11H", "BW-12H", "BW-13H", "BW-11", "BW-12", "BW-13"};
    ASSERT_EQ(6, view.RowCount(ModelCombo(7)));
    for (int row = 0; row < 6; ++row) EXPECT_EQ(models[row], view.RowText(ModelCombo(7), row));
    EXPECT_EQ(4, view.Selection(ModelCombo(1)));
    EXPECT_EQ(0, view.Selection(ModelCombo(3)));
    EXPECT_TRUE(view.Checked(IDC_EXCESS_AIR));
    EXPECT_TRUE(view.Checked(IDC_HORIZ_SYMMETRIC));
    // Rows up to the box count are enabled, the rest disabled; the overall attenuation is hidden.
    ExpectEnabled(view, {AngleEdit(3), AttSpin(3), DelayEdit(3), ModelCombo(3), EqButton(3)});
    ExpectDisabled(view, {AngleEdit(4), AngleSpin(4), AttEdit(4), AttSpin(4), DelayEdit(4), DelaySpin(4),
                          ModelCombo(4), EqButton(14)});
    ExpectHidden(view, {IDC_OVERALL_ATT_EDIT, IDC_OVERALL_ATT_SPIN});
    EXPECT_TRUE(ui.SaveScreenshot(view.Dialog(), "brenlowe_design_dialog"));
    // Changes that Cancel throws away.
    view.TypeInto(AttEdit(2), "12");
    view.ChooseRow(IDC_BOX_COUNT, 9);
    view.Click(IDC_EXCESS_AIR);
    view.Close(IDCANCEL);
  }));
  EXPECT_EQ(before, ReadBlock());
  EXPECT_TRUE(AllZero(DirectivityIndex()));
}

TEST_F(BrenloweDialog, OkStoresWhatTheUserChanged) {
  EXPECT_EQ(0, Show([&](UiDriver&, DesignDialogView& view) {
    EXPECT_EQ(3, view.Selection(IDC_BOX_COUNT));  // the reset design: four boxes
    EXPECT_FALSE(view.Enabled(ModelCombo(6)));
    view.ChooseRow(IDC_BOX_COUNT, 5);
    EXPECT_TRUE(view.Enabled(ModelCombo(6)));
    EXPECT_TRUE(view.Enabled(DelaySpin(6)));
    EXPECT_FALSE(view.Enabled(ModelCombo(7)));
    view.ChooseRow(ModelCombo(5), 5);
    view.TypeInto(AngleEdit(1), "-3.5");
    view.TypeInto(AngleEdit(2), "7.25");
    view.TypeInto(AttEdit(3), "0.7");
    view.TypeInto(DelayEdit(4), "0.0225");
    view.SpinUp(AngleSpin(3));
    view.SpinUp(AngleSpin(3));
    EXPECT_EQ("1", view.Text(AngleEdit(3)));
    view.SpinDown(AttSpin(1));  // refused at 0 dB
    EXPECT_EQ("0", view.Text(AttEdit(1)));
    view.SpinUp(AttSpin(1));
    EXPECT_EQ("0.5", view.Text(AttEdit(1)));
    EXPECT_FALSE(view.Checked(IDC_HORIZ_SYMMETRIC));
    view.Click(IDC_HORIZ_SYMMETRIC);
    view.Click(IDC_EXCESS_AIR);
    view.Close(IDOK);
  }));
  const Block block = ReadBlock();
  EXPECT_EQ(6, block[design::kBoxCount]);
  EXPECT_EQ(35, block[design::kAiming]);
  EXPECT_EQ(72, block[design::kHingeBase + 1]);
  EXPECT_EQ(10, block[design::kHingeBase + 2]);
  EXPECT_EQ(5, block[design::kAttenuation + 0]);
  EXPECT_EQ(6, block[design::kAttenuation + 2]);
  EXPECT_EQ(23, block[design::kDelay + 3]);
  EXPECT_EQ(5, block[design::kModelCode + 4]);
  EXPECT_EQ(1, block[design::kHorizSymmetric]);
  EXPECT_EQ(1, block[design::kExcessAir]);
  EXPECT_FALSE(AllZero(DirectivityIndex()));
}

TEST_F(BrenloweDialog, OkRefusesANegativeAttenuationAndCancelThenKeepsTheBlock) {
  const Block before = ReadBlock();
  Show([&](UiDriver& ui, DesignDialogView& view) {
    view.TypeInto(AttEdit(1), "-1");
    view.Click(IDOK);
    const MessageBoxSeen box = ui.WaitForMessageBox();
    EXPECT_EQ("The value of attenuation should be > 0", box.text);
    ui.Answer(box);
    EXPECT_TRUE(::IsWindow(view.Dialog()));
    EXPECT_EQ(AttEdit(1), view.FocusId());

    // A text that is not a number is refused by both transfers of one OK.
    view.TypeInto(AttEdit(1), "1");
    view.TypeInto(DelayEdit(3), "abc");
    view.Click(IDOK);
    const std::vector<std::string> prompts = ui.AnswerAllMessageBoxes();
    EXPECT_EQ(std::vector<std::string>(2, "Please enter a number."), prompts);
    EXPECT_TRUE(::IsWindow(view.Dialog()));
    EXPECT_EQ(DelayEdit(3), view.FocusId());
    view.Close(IDCANCEL);
  });
  EXPECT_EQ(before, ReadBlock());
  EXPECT_TRUE(AllZero(DirectivityIndex()));
}

TEST_F(BrenloweDialog, ANegativeHingeBeyondTheBoxCountBlocksOkUntilCorrected) {
  StoreWords({{design::kHingeBase + 5, -50}});  // row 6; the reset design has four boxes
  Show([&](UiDriver& ui, DesignDialogView& view) {
    EXPECT_EQ("-5", view.Text(AngleEdit(6)));
    EXPECT_FALSE(view.Enabled(AngleEdit(6)));
    view.Click(IDOK);
    const MessageBoxSeen box = ui.WaitForMessageBox();
    EXPECT_EQ("The aiming angle should be > 0", box.text);
    ui.Answer(box);
    view.ChooseRow(IDC_BOX_COUNT, 5);
    view.TypeInto(AngleEdit(6), "5");
    view.Close(IDOK);
  });
  const Block block = ReadBlock();
  EXPECT_EQ(50, block[design::kHingeBase + 5]);
  EXPECT_EQ(6, block[design::kBoxCount]);
}

TEST_F(BrenloweDialog, UpDownsStepFromTheirStartAndStopAtTheFloors) {
  StoreWords({{design::kDelay + 0, 22}, {design::kHingeBase + 1, 3}, {design::kAttenuation + 1, 3}});
  Show([&](UiDriver&, DesignDialogView& view) {
    // The step starts from the text "0.022" as read back, so it reaches 0 exactly; the up-down
    // stands at 0 then and the next step down is refused.
    view.SpinDown(DelaySpin(1));
    EXPECT_EQ("0", view.Text(DelayEdit(1)));
    view.SpinDown(DelaySpin(1));
    EXPECT_EQ("0", view.Text(DelayEdit(1)));
    view.SpinUp(DelaySpin(1));
    EXPECT_EQ("0.022", view.Text(DelayEdit(1)));
    view.SpinDown(DelaySpin(1));
    view.SpinDown(AngleSpin(2));
    EXPECT_EQ("-0.2", view.Text(AngleEdit(2)));
    view.SpinDown(AttSpin(2));
    EXPECT_EQ("0.3", view.Text(AttEdit(2)));
    view.SpinDown(AngleSpin(1));
    EXPECT_EQ("-0.5", view.Text(AngleEdit(1)));
    view.TypeInto(AngleEdit(2), "2");  // the hinge must not stay negative for OK
    view.Close(IDOK);
  });
  const Block block = ReadBlock();
  EXPECT_EQ(0, block[design::kDelay + 0]);
  EXPECT_EQ(20, block[design::kHingeBase + 1]);
  EXPECT_EQ(3, block[design::kAttenuation + 1]);
  EXPECT_EQ(5, block[design::kAiming]);
}

// The dialog compares each new position with the last one it saw; an up-down left one below
// after a refused step would make the next click up count as no click at all.
TEST_F(BrenloweDialog, UpDownPositionsFollowTheAcceptedStepsAndGoBackAfterARefusedOne) {
  StoreWords({{design::kBoxCount, 3},
              {design::kAiming, 0},
              {design::kHingeBase + 1, 0},
              {design::kAttenuation + 0, 0},
              {design::kDelay + 0, 0},
              {design::kAttenuation + 1, 15},  // 1.5 dB: position 3
              {design::kAttenuation + 2, 3},   // 0.3 dB: position 0, cannot go down
              {design::kDelay + 1, 100}});     // 0.1 ms: position 4
  Show([&](UiDriver&, DesignDialogView& view) {
    EXPECT_EQ(3, view.SpinPosition(AttSpin(2)));
    EXPECT_EQ(4, view.SpinPosition(DelaySpin(2)));
    ExpectSpinPositions(view, {AngleSpin(1), AngleSpin(2), AttSpin(1), AttSpin(3), DelaySpin(1)}, 0);
    EXPECT_EQ("0", view.Text(AngleEdit(1)));  // a stored aiming of 0 is not shown as "-0"

    ExpectSpinSteps(view, {
        {AttSpin(1), false, AttEdit(1), "0", 0},  // refused at 0 dB
        {AttSpin(1), false, AttEdit(1), "0", 0},
        {AttSpin(1), true, AttEdit(1), "0.5", 1},
        {AttSpin(1), false, AttEdit(1), "0", 0},
        {AttSpin(3), false, AttEdit(3), "0.3", 0},  // refused: it would go below 0
        {AttSpin(3), true, AttEdit(3), "0.8", 1},
        {AngleSpin(2), false, AngleEdit(2), "0", 0},  // refused at a hinge of exactly 0
        {AngleSpin(2), true, AngleEdit(2), "0.5", 1},
        {DelaySpin(1), false, DelayEdit(1), "0", 0},  // refused at position 0
        {DelaySpin(1), true, DelayEdit(1), "0.022", 1},
        {DelaySpin(2), false, DelayEdit(2), "0.078", 3},
        {AngleSpin(1), false, AngleEdit(1), "-0.5", -1},  // the aiming has no floor
        {AngleSpin(1), false, AngleEdit(1), "-1", -2},
    });

    // A typed value is the base of the next step but does not move the up-down.
    view.TypeInto(AttEdit(2), "10");
    EXPECT_EQ(3, view.SpinPosition(AttSpin(2)));
    ExpectSpinSteps(view, {{AttSpin(2), false, AttEdit(2), "9.5", 2}});
    view.Close(IDOK);
  });
  const Block block = ReadBlock();
  EXPECT_EQ(0, block[design::kAttenuation + 0]);
  EXPECT_EQ(95, block[design::kAttenuation + 1]);
  EXPECT_EQ(8, block[design::kAttenuation + 2]);
  EXPECT_EQ(5, block[design::kHingeBase + 1]);
  EXPECT_EQ(22, block[design::kDelay + 0]);
  EXPECT_EQ(78, block[design::kDelay + 1]);
  EXPECT_EQ(10, block[design::kAiming]);
}

TEST_F(BrenloweDialog, EqButtonsOpenTheEqualiserOfTheirBoxAndShareItsClipboard) {
  Show([&](UiDriver& ui, DesignDialogView& view) {
    view.Click(EqButton(3));
    HWND eq = ui.WaitForWindow("EQ - Box 3");
    ASSERT_TRUE(eq);
    DesignDialogView eqView(ui, eq);
    eqView.TypeInto(EQ_ID_FIRST_EDIT + 2, "-5");
    ui.Press(VK_RETURN);
    eqView.Click(EQ_ID_COPY);
    eqView.Close(IDCANCEL);  // the Copy still counts

    view.Click(EqButton(1));
    eq = ui.WaitForWindow("EQ - Box 1");
    ASSERT_TRUE(eq);
    DesignDialogView second(ui, eq);
    EXPECT_TRUE(second.Enabled(EQ_ID_PASTE));
    second.Click(EQ_ID_PASTE);
    EXPECT_EQ("-5", second.Text(EQ_ID_FIRST_EDIT + 2));
    second.Close(IDOK);
    view.Close(IDOK);
  });
  Block block = ReadBlock();
  EXPECT_EQ(-5, EqByte(block, 0, 2));
  EXPECT_EQ(0, EqByte(block, 2, 2));

  const std::vector<float> index = DirectivityIndex();
  EXPECT_FALSE(AllZero(index));

  // A new opening of the design dialog starts without a clipboard; an equaliser confirmed with
  // OK in a design dialog that is then cancelled changes nothing.
  Show([&](UiDriver& ui, DesignDialogView& view) {
    view.Click(EqButton(2));
    HWND eq = ui.WaitForWindow("EQ - Box 2");
    ASSERT_TRUE(eq);
    DesignDialogView eqView(ui, eq);
    EXPECT_FALSE(eqView.Enabled(EQ_ID_PASTE));
    eqView.TypeInto(EQ_ID_FIRST_EDIT + 0, "4");
    ui.Press(VK_RETURN);
    eqView.Close(IDOK);
    view.Close(IDCANCEL);
  });
  EXPECT_EQ(block, ReadBlock());
  EXPECT_EQ(index, DirectivityIndex());
}

TEST_F(BrenloweDialog, TheCallRefusesABadIndexAndAMissingSlot) {
  EXPECT_EQ(-2, fn.IP_ShowDialog(2));
  ASSERT_EQ(0, fn.CI_Release());
  EXPECT_EQ(-2, fn.IP_ShowDialog(2));
  EXPECT_EQ(-1, fn.IP_ShowDialog(1));
}

}  // namespace
