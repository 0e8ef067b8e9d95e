// Tarnwick's design dialog opened through the real Tarnwick.dll with IP_ShowDialog and driven
// as a user would: lists, spins, typing, the equaliser, message boxes, OK and Cancel; then the
// design the host reads back.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "design_data.h"
#include "design_dialog_view.h"
#include "eq_config.h"
#include "eq_dialog_view.h"
#include "plugin_fixture.h"

namespace {

constexpr int kWords = 518;
constexpr char kCaption[] = "Kestrane Orlex-Tarnwick";
enum Model { R7, TK610, TK610_1, TK610BF, TK520, TK520F, TK430, TK430B, TK430BF, TK340 };

using Block = std::vector<int32_t>;

Block Design(std::vector<int> models) {
  Block block(kWords, 0);
  block[design::kBoxCount] = static_cast<int32_t>(models.size());
  block[design::kExcessAir] = 1;
  for (size_t b = 0; b < models.size(); ++b) block[design::kModelCode + b] = models[b];
  for (int b = 0; b < 24; ++b) block[design::kJunctionCode + b] = -1;
  return block;
}

uint8_t* EqRow(Block& block, int box) {
  return reinterpret_cast<uint8_t*>(&block[design::kEqRows + 6 * box]);
}

class TarnwickDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(plugin.Load(BesideThisProgram("Tarnwick.dll"))) << plugin.loadError;
    ASSERT_TRUE(fn.IP_ShowDialog);
    ASSERT_EQ(0, fn.CI_MakeCurrent(fn.CI_GetFreeID()));
  }
  void TearDown() override { plugin.Unload(); }

  void Store(Block block) {
    block[0] = kWords;
    std::memcpy(&block[1], "Tnk", 4);
    uint32_t sum = 0;
    for (int w = 2; w < kWords - 1; ++w) sum += static_cast<uint32_t>(block[w]);
    block[kWords - 1] = static_cast<int32_t>(sum);
    ASSERT_EQ(0, fn.IP_SetValue(1, block.data()));
  }
  Block Read() {
    Block block(kWords, 0);
    block[0] = kWords;
    EXPECT_EQ(0, fn.IP_GetValue(1, block.data()));
    return block;
  }
  std::vector<float> DirectivityIndex() {
    std::vector<float> index(21, -1.0f);
    for (int band = 1; band <= 21; ++band) fn.CI_GetCompDirectivity(0, band, &index[band - 1]);
    return index;
  }
  std::vector<float> ComponentPositions() {
    std::vector<float> all;
    for (int c = 1; c <= fn.DLLGetComponents(); ++c) {
      float p[3] = {};
      fn.CI_GetCompPosition3fv(c, p);
      all.insert(all.end(), p, p + 3);
    }
    return all;
  }
  // Opens the dialog on this thread and runs the script against it from a second one.
  int ShowDialog(const std::function<void(UiDriver&, DesignDialogView&)>& script) {
    int result = 99;
    UiDriver::Run([&] { result = fn.IP_ShowDialog(1); },
                  [&](UiDriver& ui) {
                    HWND dialog = ui.WaitForWindow(kCaption);
                    ASSERT_TRUE(dialog);
                    DesignDialogView view(ui, dialog);
                    script(ui, view);
                  });
    return result;
  }

  LoadedPlugin plugin;
  PluginExports& fn = plugin.fn;
};

TEST_F(TarnwickDialogTest, ShowsTheStoredDesignAndCancelLeavesItWordForWord) {
  Block design = Design({TK610, TK610, TK520, TK430});
  design[design::kAiming] = -25;
  design[design::kSplayBase + 1] = 2;
  design[design::kSplayBase + 2] = 4;
  design[design::kSplayBase + 3] = 6;
  design[design::kGain + 0] = 35;
  design[design::kGain + 1] = 80;  // above +6 dB
  design[design::kDelay + 2] = 1234;
  design[design::kModelCode + 4] = 12;  // a code the lists do not offer, beyond the count
  design[design::kJunctionCode + 2] = 1;
  design[design::kJunctionCode + 3] = 3;
  Store(design);
  const Block before = Read();

  const int result = ShowDialog([&](UiDriver& ui, DesignDialogView& view) {
    EXPECT_EQ("4", view.Selected(view.Item(IDC_BOX_COUNT_LIST)));
    EXPECT_EQ(24, view.ItemCount(view.Item(IDC_BOX_COUNT_LIST)));
    ASSERT_EQ(10, view.ItemCount(view.ModelList(0)));
    EXPECT_EQ("Orlex-R7", view.ItemText(view.ModelList(0), 0));
    EXPECT_EQ("TK-340", view.ItemText(view.ModelList(23), 9));
    const char* shownModels[] = {"TK-610", "TK-610", "TK-520", "TK-430", ""};
    for (int b = 0; b < 5; ++b) EXPECT_EQ(shownModels[b], view.Selected(view.ModelList(b))) << b;
    EXPECT_FALSE(view.Shown(view.AngleEdit(0)));  // the aiming angle is carried, not shown
    EXPECT_EQ("2.5", view.Text(view.AngleEdit(0)));
    EXPECT_EQ("2", view.Text(view.AngleEdit(1)));
    EXPECT_EQ("6", view.Text(view.AngleEdit(3)));
    EXPECT_TRUE(view.Shown(view.AdapterLabel(2)));
    EXPECT_EQ("TK-900-RK", view.Text(view.AdapterLabel(2)));
    EXPECT_EQ("TK-900-PK", view.Text(view.AdapterLabel(3)));
    EXPECT_FALSE(view.Shown(view.AdapterList(2)));
    EXPECT_EQ("3.5", view.Text(view.ColumnEdit(0)));
    EXPECT_EQ("6", view.Text(view.ColumnEdit(1)));
    EXPECT_TRUE(view.Enabled(view.ModelList(3)));
    EXPECT_FALSE(view.Enabled(view.ModelList(4)));
    EXPECT_FALSE(view.Enabled(view.AngleEdit(4)));
    EXPECT_FALSE(view.Enabled(view.EqButton(4)));
    EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(view.Dialog(), IDC_EXCESS_AIR));
    EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(view.Dialog(), IDC_GAIN_MODE));
    EXPECT_TRUE(::FindWindowExA(view.Dialog(), nullptr, "Static", "Release v. 3.1.2"));
    EXPECT_TRUE(ui.SaveScreenshot(view.Dialog(), "tarnwick_design_dialog"));
    int nested = 0;  // the host calls again from inside the dialog's message loop
    ui.OnUi([&] { nested = fn.IP_ShowDialog(1); });
    EXPECT_EQ(-1, nested);

    // Edits that Cancel must throw away.
    view.Choose(view.ModelList(2), TK430);
    EXPECT_TRUE(view.Shown(view.AdapterList(2)));
    EXPECT_EQ("TK-900-QK", view.Selected(view.AdapterList(2)));
    EXPECT_EQ("10", view.Text(view.AngleEdit(2)));
    EXPECT_FALSE(view.Enabled(view.AngleEdit(2)));
    view.Choose(view.AdapterList(2), 1);
    EXPECT_EQ("7", view.Text(view.AngleEdit(2)));
    EXPECT_TRUE(view.Enabled(view.AngleEdit(2)));
    view.SpinUp(view.AngleSpin(1));
    EXPECT_EQ("3", view.Text(view.AngleEdit(1)));
    view.Click(view.Item(IDC_DELAY_MODE));
    EXPECT_EQ("1.234", view.Text(view.ColumnEdit(2)));
    view.OpenList(view.ModelList(2));  // opens on the model of the box above
    EXPECT_EQ("TK-610", view.Selected(view.ModelList(2)));
    ui.Press(VK_ESCAPE);
    view.Close(IDCANCEL);
  });
  EXPECT_EQ(0, result);
  EXPECT_EQ(before, Read());
  EXPECT_EQ(std::vector<float>(21, 0.0f), DirectivityIndex());
}

TEST_F(TarnwickDialogTest, OkStoresTheEditsAndRecomputesTheDirectivityIndex) {
  Store(Design({TK610, TK610, TK610, TK610}));
  const float elsewhere[3] = {10.0f, 20.0f, 5.0f};
  const float turned[3] = {0.0f, 15.0f, 30.0f};
  fn.CI_SetLspkPosition3fv(elsewhere);
  fn.CI_SetLspkAngles3fv(turned);

  const int result = ShowDialog([&](UiDriver&, DesignDialogView& view) {
    view.SpinUp(view.AngleSpin(2), 3);
    EXPECT_EQ("3", view.Text(view.AngleEdit(2)));
    view.SpinUp(view.Item(IDC_BOX_COUNT_SPIN));
    EXPECT_EQ("5", view.Selected(view.Item(IDC_BOX_COUNT_LIST)));
    EXPECT_EQ("TK-610", view.Selected(view.ModelList(4)));
    EXPECT_TRUE(view.Enabled(view.ModelList(4)));
    // "TK-520" for box 2, then "Set All Boxes" copies it to the boxes below.
    view.Choose(view.ModelList(1), TK520);
    EXPECT_EQ("TK-900-RK", view.Text(view.AdapterLabel(1)));
    view.Click(view.Item(IDC_SET_ALL_BOXES));
    for (int b = 2; b < 5; ++b) EXPECT_EQ("TK-520", view.Selected(view.ModelList(b))) << b;
    view.Click(view.Item(IDC_DELAY_MODE));
    view.SpinUp(view.ColumnSpin(0));
    EXPECT_EQ("0.022", view.Text(view.ColumnEdit(0)));
    view.Click(view.Item(IDC_GAIN_MODE));
    view.TypeAndLeave(view.ColumnEdit(3), "2.3");
    view.Close(IDC_DESIGN_OK);
  });
  EXPECT_EQ(0, result);
  const Block after = Read();
  EXPECT_EQ(5, after[design::kBoxCount]);
  EXPECT_EQ(0, after[design::kReserved4]);
  EXPECT_EQ(0, after[design::kReserved5]);
  const int models[] = {TK610, TK520, TK520, TK520, TK520};
  const int codes[] = {-1, 1, -1, -1, -1};
  for (int b = 0; b < 5; ++b) {
    EXPECT_EQ(models[b], after[design::kModelCode + b]) << b;
    EXPECT_EQ(codes[b], after[design::kJunctionCode + b]) << b;
  }
  EXPECT_EQ(3, after[design::kSplayBase + 2]);
  EXPECT_EQ(22, after[design::kDelay + 0]);
  EXPECT_EQ(23, after[design::kGain + 3]);

  const std::vector<float> index = DirectivityIndex();
  EXPECT_NE(std::vector<float>(21, 0.0f), index);
  for (float db : index) EXPECT_GT(db, 0.0f);
  // The array was left at the origin with zero angles.
  const std::vector<float> leftAt = ComponentPositions();
  const float zero[3] = {};
  fn.CI_SetLspkPosition3fv(zero);
  fn.CI_SetLspkAngles3fv(zero);
  EXPECT_EQ(ComponentPositions(), leftAt);
}

TEST_F(TarnwickDialogTest, EqButtonsOpenTheEqualiserOfTheirBox) {
  Block design = Design({TK610, TK610, TK610});
  EqRow(design, 1)[0] = 0xF2;
  EqRow(design, 1)[1] = 0xED;
  EqRow(design, 2)[5] = 0x03;
  Store(design);

  const int result = ShowDialog([&](UiDriver& ui, DesignDialogView& view) {
    view.Click(view.EqButton(1));
    HWND eqDialog = ui.WaitForWindow("EQ - Box 2");
    ASSERT_TRUE(eqDialog);
    EqDialogView eq(ui, eqDialog);
    EXPECT_EQ("-14", eq.EditText(0));
    EXPECT_EQ("OFF", eq.EditText(1));
    EXPECT_FALSE(::IsWindowEnabled(eq.Button(EQ_ID_PASTE)));
    eq.EnterValue(3, "-5");
    eq.PressButton(EQ_ID_COPY);
    eq.PressButton(IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(eqDialog); }));
    view.WaitUntilActive();

    // The copy is offered to the next box; its equaliser is cancelled.
    view.Click(view.EqButton(2));
    HWND nextEq = ui.WaitForWindow("EQ - Box 3");
    ASSERT_TRUE(nextEq);
    EqDialogView next(ui, nextEq);
    EXPECT_TRUE(::IsWindowEnabled(next.Button(EQ_ID_PASTE)));
    next.PressButton(EQ_ID_PASTE);
    EXPECT_EQ("-5", next.EditText(3));
    next.PressButton(IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(nextEq); }));
    view.WaitUntilActive();
    view.Close(IDC_DESIGN_OK);
  });
  EXPECT_EQ(0, result);
  Block after = Read();
  EXPECT_EQ(0xF2, EqRow(after, 1)[0]);
  EXPECT_EQ(0xED, EqRow(after, 1)[1]);
  EXPECT_EQ(0xFB, EqRow(after, 1)[3]);
  EXPECT_EQ(0x00, EqRow(after, 2)[3]);
  EXPECT_EQ(0x03, EqRow(after, 2)[5]);
}

TEST_F(TarnwickDialogTest, ALongArrayKeepsItsLowerFramesTheirLimitsAndTheAim) {
  // 24 boxes; "TK-430" as boxes 15 and 24 under "TK-610"s: the frame lists of junctions 14
  // and 23 (ids 1224 and 1233) offer the choice; junction 14 was stored with "TK-900-QK".
  std::vector<int> models(24, TK610);
  models[14] = TK430;
  models[23] = TK430;
  Block design = Design(models);
  design[design::kJunctionCode + 14] = 2;
  design[design::kAiming] = -25;
  Store(design);

  const int result = ShowDialog([&](UiDriver& ui, DesignDialogView& view) {
    for (int junction : {14, 23}) {
      EXPECT_TRUE(view.Shown(view.AdapterList(junction))) << junction;
      EXPECT_EQ("TK-900-QK", view.Selected(view.AdapterList(junction))) << junction;
      EXPECT_EQ("10", view.Text(view.AngleEdit(junction))) << junction;
      EXPECT_FALSE(view.Enabled(view.AngleEdit(junction))) << junction;
    }
    EXPECT_FALSE(view.Shown(view.AdapterList(13)));
    view.Choose(view.AdapterList(14), 1);
    view.Choose(view.AdapterList(23), 1);
    for (int junction : {14, 23}) {
      EXPECT_EQ("7", view.Text(view.AngleEdit(junction))) << junction;
      EXPECT_TRUE(view.Enabled(view.AngleEdit(junction))) << junction;
    }
    EXPECT_EQ("0", view.Text(view.AngleEdit(13)));

    // The hidden aiming spin moves the top box's aim by half a degree a click.
    for (int position : {1, 1, 1, -1}) view.ReportSpinClick(view.AngleSpin(0), position);
    EXPECT_EQ("3.5", view.Text(view.AngleEdit(0)));

    // Another class-1 model above the "TK-900-RK" keeps the frame and its limit of 7: the
    // spin stops there and a typed 9 is refused.
    view.Choose(view.ModelList(13), TK610_1);
    EXPECT_EQ("TK-900-RK", view.Selected(view.AdapterList(14)));
    EXPECT_TRUE(view.Enabled(view.AngleEdit(14)));
    view.SpinUp(view.AngleSpin(14), 3);
    EXPECT_EQ("7", view.Text(view.AngleEdit(14)));
    view.TypeAndLeave(view.AngleEdit(14), "9");
    MessageBoxSeen refusal = ui.WaitForMessageBox();
    EXPECT_EQ("Whole numbers from 0 to 7 only", refusal.text);
    ui.Answer(refusal, IDRETRY);
    // An angle that passes goes on with Enter, which ends the dialog with OK.
    ui.Retype("6");
    ui.Press(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(view.Dialog()); }));
  });
  EXPECT_EQ(0, result);
  const Block after = Read();
  EXPECT_EQ(-35, after[design::kAiming]);
  EXPECT_EQ(TK610_1, after[design::kModelCode + 13]);
  EXPECT_EQ(1, after[design::kJunctionCode + 14]);
  EXPECT_EQ(6, after[design::kSplayBase + 14]);
  EXPECT_EQ(1, after[design::kJunctionCode + 23]);
  EXPECT_EQ(7, after[design::kSplayBase + 23]);
  EXPECT_EQ(-1, after[design::kJunctionCode + 13]);
}

TEST_F(TarnwickDialogTest, SetAllBoxesCopiesTheTopBoxAfterTheFirstOrTheLastList) {
  std::vector<int> models(24, TK610);
  models[0] = TK430;
  Store(Design(models));

  const int result = ShowDialog([&](UiDriver&, DesignDialogView& view) {
    // The last list names no source: box 1's model goes to every box below it.
    view.Choose(view.ModelList(23), TK610);
    view.Click(view.Item(IDC_SET_ALL_BOXES));
    for (int b = 1; b < 24; ++b) EXPECT_EQ("TK-430", view.Selected(view.ModelList(b))) << b;
    // Nor does the first list, whatever was chosen in it.
    view.Choose(view.ModelList(0), TK520);
    view.Click(view.Item(IDC_SET_ALL_BOXES));
    for (int b = 1; b < 24; ++b) EXPECT_EQ("TK-520", view.Selected(view.ModelList(b))) << b;
    EXPECT_FALSE(view.Shown(view.AdapterLabel(1)));
    view.Close(IDC_DESIGN_OK);
  });
  EXPECT_EQ(0, result);
  const Block after = Read();
  for (int b = 0; b < 24; ++b) {
    EXPECT_EQ(TK520, after[design::kModelCode + b]) << b;
    EXPECT_EQ(-1, after[design::kJunctionCode + b]) << b;
  }
}

TEST_F(TarnwickDialogTest, ATypedAngleThatBreaksARuleAsksForRetryOrCancel) {
  Store(Design({TK610, TK520}));  // "TK-900-RK": 0 to 5 degrees
  const int result = ShowDialog([&](UiDriver& ui, DesignDialogView& view) {
    HWND edit = view.AngleEdit(1);
    view.TypeAndLeave(edit, "abc");
    MessageBoxSeen notice = ui.WaitForMessageBox();
    EXPECT_EQ("Please enter a number", notice.text);
    EXPECT_FALSE(::GetDlgItem(notice.hwnd, IDRETRY));
    ui.Answer(notice, IDOK);
    EXPECT_EQ(edit, ui.Focus());

    ui.Retype("6");
    ui.Press(VK_TAB);
    MessageBoxSeen refusal = ui.WaitForMessageBox();
    EXPECT_EQ("Whole numbers from 0 to 5 only", refusal.text);
    EXPECT_TRUE(::GetDlgItem(refusal.hwnd, IDCANCEL));
    ui.Answer(refusal, IDRETRY);
    EXPECT_EQ(edit, ui.Focus());
    DWORD start = 1, end = 0;
    ::SendMessageTimeoutA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                          reinterpret_cast<LPARAM>(&end), SMTO_NORMAL, 5000, nullptr);
    EXPECT_EQ(0u, start);
    EXPECT_EQ(1u, end);

    // Enter right after Retry leaves the edit, so the text is checked again; Retry once more
    // keeps the dialog open and the text where it was refused. So does OK.
    ui.Press(VK_RETURN);
    MessageBoxSeen onEnter = ui.WaitForMessageBox();
    EXPECT_EQ("Whole numbers from 0 to 5 only", onEnter.text);
    ui.Answer(onEnter, IDRETRY);
    EXPECT_TRUE(ui.NoMessageBox());
    EXPECT_TRUE(::IsWindowVisible(view.Dialog()));
    EXPECT_EQ(edit, ui.Focus());
    view.Click(view.Item(IDC_DESIGN_OK));
    MessageBoxSeen onOk = ui.WaitForMessageBox();
    EXPECT_EQ("Whole numbers from 0 to 5 only", onOk.text);
    ui.Answer(onOk, IDRETRY);
    EXPECT_TRUE(ui.NoMessageBox());
    EXPECT_TRUE(::IsWindowVisible(view.Dialog()));
    EXPECT_EQ(edit, ui.Focus());

    ui.Press(VK_TAB);
    MessageBoxSeen again = ui.WaitForMessageBox();
    EXPECT_EQ("Whole numbers from 0 to 5 only", again.text);
    ui.Answer(again, IDCANCEL);
    EXPECT_TRUE(ui.NoMessageBox());
    EXPECT_NE(edit, ui.Focus());
    EXPECT_EQ("6", view.Text(edit));
    view.Close(IDC_DESIGN_OK);
  });
  EXPECT_EQ(0, result);
  EXPECT_EQ(6, Read()[design::kSplayBase + 1]);  // Cancel kept the value
}

TEST_F(TarnwickDialogTest, ANegativeSplayInADisabledRowStillRefusesOk) {
  Store(Design({TK610, TK610, TK610}));
  const Block before = Read();
  const int result = ShowDialog([&](UiDriver& ui, DesignDialogView& view) {
    view.TypeAndLeave(view.AngleEdit(2), "-2");
    ui.Answer(ui.WaitForMessageBox(), IDCANCEL);  // out of range, kept
    view.Choose(view.Item(IDC_BOX_COUNT_LIST), 1);
    EXPECT_FALSE(view.Enabled(view.AngleEdit(2)));
    view.Click(view.Item(IDC_DESIGN_OK));
    MessageBoxSeen refusal = ui.WaitForMessageBox();
    EXPECT_EQ("The aiming angle should be > 0", refusal.text);
    ui.Answer(refusal, IDOK);
    EXPECT_TRUE(::IsWindowVisible(view.Dialog()));
    view.Close(IDCANCEL);
  });
  EXPECT_EQ(0, result);
  EXPECT_EQ(before, Read());
}

TEST_F(TarnwickDialogTest, RefusesABadIndexAndAMissingSlot) {
  EXPECT_EQ(-2, fn.IP_ShowDialog(2));
  fn.CI_Release();
  EXPECT_EQ(-2, fn.IP_ShowDialog(2));
  EXPECT_EQ(-1, fn.IP_ShowDialog(1));
}

}  // namespace
