// The equaliser dialog of one deliverable (this program is built once per deliverable), driven
// as a user would: focus, typing with Enter, Up and Down, focus loss, fader drags, Ctrl+clicks,
// the buttons, message boxes answered. Checked: what the dialog shows and what the caller gets.
#include <gtest/gtest.h>

#include <cstring>

#include "eq_test_support.h"
#include "product_config.h"

namespace {

CWinApp testApp(product::kAppName);

const std::string kEnteredOutOfLimits = "The entered value is out off limits";
const std::string kEntedOutOfLimits = "The ented value is out off limits";
const std::string kGroupRange = "For group are allowed values from +6 dB to -18 dB";
using Texts = std::vector<std::string>;

COLORREF EditBackground(UiDriver& ui, EqDialogView& view, int band) { return ui.Pixel(view.Edit(band), 1, 1); }

bool WholeTextSelected(UiDriver& ui, HWND edit) {
  DWORD start = 0, end = 0;
  ui.OnUi([&] { ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end)); });
  return start == 0 && end == ui.Text(edit).size();
}

int16_t GainOf(UiDriver& ui, CEqDlg& dialog, int band) {
  int16_t value = 0;
  ui.OnUi([&] { value = dialog.gain[band]; });
  return value;
}

bool Grouping(UiDriver& ui, CEqDlg& dialog) {
  bool building = false;
  ui.OnUi([&] { building = dialog.grouping != 0; });
  return building;
}

// Colour at the centre of the thumb's fill, and at a corner of the full fill that the smaller
// patch of a band under construction leaves out.
struct ThumbColours {
  COLORREF centre;
  COLORREF corner;
};
ThumbColours ThumbFill(UiDriver& ui, EqDialogView& view, int band) {
  RECT fill = FaderThumbFill(view.ThumbRect(band), false);
  return {ui.Pixel(view.Fader(band), (fill.left + fill.right) / 2, (fill.top + fill.bottom) / 2),
          ui.Pixel(view.Fader(band), fill.left, fill.top)};
}

const COLORREF kFace = ::GetSysColor(COLOR_BTNFACE);
const COLORREF kWindow = ::GetSysColor(COLOR_WINDOW);

TEST(EqDialogOpening, ShowsTheHandedInGainsWithOutOfRangeOnesAsZero) {
  EqOpening opening;
  opening.box = 2;
  opening.gain[0] = 7;
  opening.gain[1] = -20;
  opening.gain[2] = EQ_GAIN_OFF;
  opening.gain[3] = 6;
  opening.gain[4] = -18;
  EqOutcome outcome = RunEqDialog(opening, [](UiDriver& ui, EqDialogView& view, CEqDlg&) {
    EXPECT_EQ("EQ - Box 3", ui.Text(view.Dialog()));
    EXPECT_EQ((Texts{"0", "0", "OFF", "6", "-18"}),
              (Texts{view.EditText(0), view.EditText(1), view.EditText(2), view.EditText(3), view.EditText(4)}));
    EXPECT_EQ(6, view.FaderPos(0));
    EXPECT_EQ(6, view.FaderPos(1));
    EXPECT_EQ(25, view.FaderPos(2));
    EXPECT_EQ(0, view.FaderPos(3));
    EXPECT_EQ(24, view.FaderPos(4));
    EXPECT_EQ(0, view.FocusedFaderBand()) << "the first fader has the focus";
    ui.OnUi([] { EXPECT_EQ(0, lastFocusedBand); });
    EXPECT_FALSE(::IsWindowEnabled(view.Button(EQ_ID_PASTE))) << "no Copy made before this opening";
    view.PressButton(IDOK);
  });
  EXPECT_EQ(IDOK, outcome.result);
  EXPECT_EQ((std::vector<int>{0, 0, -19, 6, -18}),
            (std::vector<int>{outcome.gain[0], outcome.gain[1], outcome.gain[2], outcome.gain[3], outcome.gain[4]}));
}

TEST(EqDialogOpening, CancelEscapeAndCloseEndWithCancelAndEnterOnAFaderWithOk) {
  EqOpening opening;
  opening.gain[5] = -3;
  auto run = [&](const std::function<void(UiDriver&, EqDialogView&)>& close) {
    return RunEqDialog(opening, [&](UiDriver& ui, EqDialogView& view, CEqDlg&) {
      view.EnterValue(5, "2");
      close(ui, view);
    });
  };
  EqOutcome cancelled = run([](UiDriver&, EqDialogView& view) { view.PressButton(IDCANCEL); });
  EXPECT_EQ(IDCANCEL, cancelled.result);
  EXPECT_EQ(-3, cancelled.gain[5]) << "the caller keeps its gains on Cancel";
  EXPECT_EQ(IDCANCEL, run([](UiDriver& ui, EqDialogView&) { ui.Press(VK_ESCAPE); }).result);
  EXPECT_EQ(IDCANCEL, run([](UiDriver& ui, EqDialogView& view) {
              DWORD_PTR ignored = 0;
              ::SendMessageTimeoutA(view.Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0, SMTO_NORMAL, 5000, &ignored);
              ui.Sync();
            }).result);
  EqOutcome confirmed = run([](UiDriver& ui, EqDialogView& view) {
    view.ClickFader(0);
    ui.Press(VK_RETURN);
  });
  EXPECT_EQ(IDOK, confirmed.result);
  EXPECT_EQ(2, confirmed.gain[5]);
}

TEST(EqDialogFocus, TheValueEditOfTheFocusedBandShowsTheWindowColour) {
  RunEqDialog(EqOpening{}, [](UiDriver& ui, EqDialogView& view, CEqDlg&) {
    EXPECT_EQ(kWindow, EditBackground(ui, view, 0)) << "fader 0 has the focus";
    EXPECT_EQ(kFace, EditBackground(ui, view, 1));
    ui.Press(VK_TAB);
    EXPECT_EQ(1, view.FocusedFaderBand());
    EXPECT_EQ(kFace, EditBackground(ui, view, 0));
    EXPECT_EQ(kWindow, EditBackground(ui, view, 1));
    view.ClickEdit(5);
    EXPECT_EQ(5, view.FocusedEditBand());
    ui.OnUi([] { EXPECT_EQ(5, lastFocusedBand); });
    EXPECT_EQ(kFace, EditBackground(ui, view, 1));
    EXPECT_EQ(kWindow, EditBackground(ui, view, 5));
    view.ClickFader(5);
    EXPECT_EQ(kWindow, EditBackground(ui, view, 5)) << "the fader of the same band";
    view.PressButton(EQ_ID_FLAT);
    EXPECT_EQ(kFace, EditBackground(ui, view, 5)) << "a button has the focus";
    view.PressButton(IDOK);
  });
}

TEST(EqDialogEdits, TypedValuesMoveTheFaderWithEnterUpDownAndFocusLoss) {
  EqOutcome outcome = RunEqDialog(EqOpening{}, [](UiDriver& ui, EqDialogView& view, CEqDlg& dialog) {
    view.EnterValue(3, "-5");
    EXPECT_EQ(11, view.FaderPos(3));
    EXPECT_EQ("-5", view.EditText(3)) << "Enter adds no line break";
    EXPECT_TRUE(::IsWindow(view.Dialog())) << "Enter in an edit does not press OK";
    ui.Press(VK_UP);
    EXPECT_EQ("-4", view.EditText(3));
    ui.Press(VK_DOWN);
    EXPECT_EQ("-5", view.EditText(3));

    view.EnterValue(4, "6");
    ui.Press(VK_UP);
    EXPECT_EQ("6", view.EditText(4)) << "Up at +6 does nothing";
    EXPECT_EQ(0, view.FaderPos(4));

    view.EnterValue(5, "-18");
    ui.Press(VK_DOWN);
    EXPECT_EQ("OFF", view.EditText(5)) << "Down at -18 switches the band off";
    EXPECT_EQ(25, view.FaderPos(5));
    ui.Press(VK_DOWN);
    EXPECT_EQ("OFF", view.EditText(5)) << "Down at OFF does nothing";
    ui.Press(VK_UP);
    EXPECT_EQ("-18", view.EditText(5)) << "Up at OFF is one step above off";

    view.ClickEdit(6);
    ui.Retype("off");
    ui.Press(VK_UP);
    EXPECT_EQ("1", view.EditText(6)) << "for Up, \"off\" reads as the number 0";
    ui.Retype("off");
    ui.Press(VK_RETURN);
    EXPECT_EQ("OFF", view.EditText(6));
    EXPECT_EQ(EQ_GAIN_OFF, GainOf(ui, dialog, 6));

    view.EnterValue(7, "abc");
    EXPECT_EQ("0", view.EditText(7)) << "letters read as 0";
    view.EnterValue(7, "3x");
    EXPECT_EQ("3", view.EditText(7));

    view.ClickEdit(8);
    ui.Retype("4");
    ui.Press(VK_TAB);
    EXPECT_EQ(9, view.FocusedEditBand());
    EXPECT_EQ(2, view.FaderPos(8)) << "a valid text is taken when the edit loses the focus";
    view.PressButton(IDOK);
  });
  EXPECT_EQ(IDOK, outcome.result);
  const int expected[] = {0, 0, 0, -5, 6, -18, -19, 3, 4, 0};
  for (int b = 0; b < 10; ++b) EXPECT_EQ(expected[b], outcome.gain[b]) << "band " << b;
}

TEST(EqDialogEdits, OutOfRangeTextsAreRefusedWithOneMessage) {
  EqOpening opening;
  opening.gain[3] = -5;
  EqOutcome outcome = RunEqDialog(opening, [](UiDriver& ui, EqDialogView& view, CEqDlg& dialog) {
    view.ClickEdit(3);
    ui.Retype("7");
    ui.Press(VK_RETURN);
    MessageBoxSeen box = ui.WaitForMessageBox();
    EXPECT_EQ(kEnteredOutOfLimits, box.text);
    EXPECT_EQ(product::kAppName, box.caption);
    ui.Answer(box);
    EXPECT_TRUE(ui.NoMessageBox()) << "losing the focus to the message box says nothing more";
    EXPECT_EQ(-5, GainOf(ui, dialog, 3));
    EXPECT_EQ(3, view.FocusedEditBand());
    if (eq::kEditRestoresText) {
      EXPECT_EQ("-5", view.EditText(3)) << "the previous value comes back";
      EXPECT_TRUE(WholeTextSelected(ui, view.Edit(3)));
      ui.Retype("99");
      ui.Press(VK_DOWN);
      EXPECT_EQ((Texts{kEntedOutOfLimits}), ui.AnswerAllMessageBoxes());
      EXPECT_EQ("-5", view.EditText(3));
      ui.Retype("99");
      ui.Press(VK_UP);
      EXPECT_EQ((Texts{kEnteredOutOfLimits}), ui.AnswerAllMessageBoxes());
      EXPECT_EQ("-5", view.EditText(3));
      ui.Retype("99");
      ui.Press(VK_TAB);
      EXPECT_EQ((Texts{kEnteredOutOfLimits}), ui.AnswerAllMessageBoxes());
      EXPECT_EQ("-5", view.EditText(3));
      EXPECT_EQ(3, view.FocusedEditBand()) << "the edit takes the focus back";
    } else {
      EXPECT_EQ("7", view.EditText(3)) << "the refused text stays";
      ui.Press(VK_UP);
      EXPECT_EQ((Texts{kEntedOutOfLimits}), ui.AnswerAllMessageBoxes());
      ui.Press(VK_DOWN);
      EXPECT_EQ((Texts{kEntedOutOfLimits}), ui.AnswerAllMessageBoxes());
      ui.Press(VK_TAB);
      EXPECT_EQ((Texts{kEnteredOutOfLimits}), ui.AnswerAllMessageBoxes());
      EXPECT_EQ(4, view.FocusedEditBand()) << "the focus goes where it was going";
      EXPECT_EQ("7", view.EditText(3));
      EXPECT_EQ(-5, GainOf(ui, dialog, 3));
      view.ClickEdit(3);
      EXPECT_EQ((Texts{}), ui.AnswerAllMessageBoxes());
      ui.Retype("-5");
      ui.Press(VK_RETURN);
    }
    view.PressButton(IDOK);
  });
  EXPECT_EQ(IDOK, outcome.result);
  EXPECT_EQ(-5, outcome.gain[3]);
}

TEST(EqDialogFaders, DraggingAnUngroupedFaderToTheBottomSwitchesItsBandOff) {
  EqOutcome outcome = RunEqDialog(EqOpening{}, [](UiDriver&, EqDialogView& view, CEqDlg&) {
    view.DragFaderToBottom(1);
    EXPECT_EQ(25, view.FaderPos(1));
    EXPECT_EQ("OFF", view.EditText(1));
    view.DragFaderTo(2, 10);
    EXPECT_EQ(10, view.FaderPos(2));
    EXPECT_EQ("-4", view.EditText(2));
    view.PressButton(IDOK);
  });
  EXPECT_EQ(EQ_GAIN_OFF, outcome.gain[1]);
  EXPECT_EQ(-4, outcome.gain[2]);
}

TEST(EqDialogGroups, CtrlClicksBuildAGroupThatGroupCommits) {
  EqOutcome outcome = RunEqDialog(EqOpening{}, [](UiDriver& ui, EqDialogView& view, CEqDlg& dialog) {
    view.ClickFader(2);
    view.ClickFader(5, true);
    EXPECT_TRUE(Grouping(ui, dialog));
    for (int band : {2, 5}) {
      FaderState state = ReadFader(ui, dialog, band);
      EXPECT_TRUE(state.marked) << band;
      EXPECT_EQ(-1, state.group) << band;
      EXPECT_EQ(0, state.colourIndex) << "the first free slot, band " << band;
    }
    view.ClickFader(9, true);
    EqGroup building = ReadGroup(ui, dialog, 0);
    EXPECT_FALSE(building.active);
    EXPECT_EQ((std::vector<int>{2, 5, 9}), Members(building));
    ThumbColours selected = ThumbFill(ui, view, 5);
    EXPECT_EQ(eq::kGroupColours[0], selected.centre);
    EXPECT_NE(eq::kGroupColours[0], selected.corner) << "a selected band shows a smaller patch";
    EXPECT_EQ(kFace, ThumbFill(ui, view, 3).centre) << "an ungrouped band";

    view.PressButton(EQ_ID_GROUP);
    EXPECT_FALSE(Grouping(ui, dialog));
    for (int band : {2, 5, 9}) {
      EXPECT_EQ(0, ReadFader(ui, dialog, band).group) << band;
      ThumbColours committed = ThumbFill(ui, view, band);
      EXPECT_EQ(eq::kGroupColours[0], committed.centre) << band;
      EXPECT_EQ(eq::kGroupColours[0], committed.corner) << "the full patch, band " << band;
    }
    view.PressButton(IDOK);
  });
  EXPECT_TRUE(outcome.groups[0].active);
  EXPECT_EQ((std::vector<int>{2, 5, 9}), Members(outcome.groups[0]));
}

TEST(EqDialogGroups, CommittedBandsAreNotAddedAndEightGroupsAreTheLimit) {
  EqOpening opening;
  for (int slot = 0; slot < 6; ++slot) opening.Group(slot, {14 + slot});
  EqOutcome outcome = RunEqDialog(opening, [](UiDriver& ui, EqDialogView& view, CEqDlg& dialog) {
    view.ClickFader(14);  // focus on a committed band
    view.ClickFader(3, true);
    EXPECT_EQ((std::vector<int>{3}), Members(ReadGroup(ui, dialog, 6))) << "band 14 is in group 0 already";
    view.ClickFader(15, true);
    EXPECT_EQ((std::vector<int>{3}), Members(ReadGroup(ui, dialog, 6)));
    view.ClickFader(4, true);
    view.PressButton(EQ_ID_GROUP);
    EXPECT_EQ(eq::kGroupColours[6], ThumbFill(ui, view, 3).centre) << "slot 6 is orange";
    EXPECT_EQ(RGB(255, 128, 0), eq::kGroupColours[6]);

    view.ClickFader(6);
    view.ClickFader(7, true);
    view.PressButton(EQ_ID_GROUP);
    EXPECT_TRUE(ReadGroup(ui, dialog, 7).active);
    view.ClickFader(8);
    view.ClickFader(9, true);
    EXPECT_FALSE(Grouping(ui, dialog)) << "all eight slots are in use";
    EXPECT_FALSE(ReadFader(ui, dialog, 9).marked);
    EXPECT_FALSE(ReadFader(ui, dialog, 8).marked);
    view.PressButton(IDOK);
  });
  EXPECT_EQ((std::vector<int>{3, 4}), Members(outcome.groups[6]));
  EXPECT_EQ((std::vector<int>{6, 7}), Members(outcome.groups[7]));
}

TEST(EqDialogGroups, GroupMovesStayInRangeAndNeverSwitchAMemberOff) {
  EqOpening opening;
  opening.gain[3] = 4;
  opening.gain[4] = 0;
  opening.Group(0, {3, 4});
  opening.gain[10] = EQ_GAIN_OFF;
  opening.gain[11] = 0;
  opening.Group(1, {10, 11});
  EqOutcome outcome = RunEqDialog(opening, [](UiDriver& ui, EqDialogView& view, CEqDlg& dialog) {
    view.EnterValue(4, "4");
    EXPECT_EQ("6", view.EditText(3)) << "+4 raised by 4 is limited to +6";
    EXPECT_EQ("4", view.EditText(4));
    view.EnterValue(4, "0");
    EXPECT_EQ("2", view.EditText(3)) << "the limited member does not recover its offset";
    EXPECT_EQ("0", view.EditText(4));

    view.EnterValue(4, "-18");
    EXPECT_EQ("-16", view.EditText(3));
    ui.Press(VK_DOWN);
    EXPECT_EQ("-18", view.EditText(4)) << "a grouped band stops at -18";
    EXPECT_EQ(24, view.FaderPos(4));
    EXPECT_EQ(-18, GainOf(ui, dialog, 4));
    EXPECT_EQ(-16, GainOf(ui, dialog, 3));

    ui.Retype("off");
    ui.Press(VK_RETURN);
    EXPECT_EQ((Texts{kGroupRange}), ui.AnswerAllMessageBoxes());
    EXPECT_EQ(-18, GainOf(ui, dialog, 4));
    EXPECT_EQ(4, view.FocusedEditBand());
    ui.Retype("-18");
    ui.Press(VK_RETURN);

    view.DragFaderToBottom(3);
    EXPECT_EQ(24, view.FaderPos(3)) << "the fader jumps back from OFF";
    EXPECT_EQ("-18", view.EditText(3));
    EXPECT_EQ("-18", view.EditText(4));

    view.ClickEdit(11);
    ui.Press(VK_UP);
    EXPECT_EQ("1", view.EditText(11));
    EXPECT_EQ("-18", view.EditText(10)) << "a member that was off comes back in range";
    view.PressButton(IDOK);
  });
  EXPECT_EQ(-18, outcome.gain[3]);
  EXPECT_EQ(-18, outcome.gain[4]);
  EXPECT_EQ(-18, outcome.gain[10]);
  EXPECT_EQ(1, outcome.gain[11]);
}

TEST(EqDialogGroups, PlainClicksAndValueEditsCancelAGroupUnderConstruction) {
  RunEqDialog(EqOpening{}, [](UiDriver& ui, EqDialogView& view, CEqDlg& dialog) {
    view.ClickFader(2);
    view.ClickFader(5, true);
    view.ClickFader(5);
    EXPECT_TRUE(Grouping(ui, dialog)) << "a plain click on a marked fader keeps the group";
    EXPECT_TRUE(ReadFader(ui, dialog, 2).marked);
    view.ClickFader(8);
    EXPECT_FALSE(Grouping(ui, dialog)) << "a plain click on an unmarked fader cancels it";
    EXPECT_FALSE(ReadFader(ui, dialog, 2).marked);
    EXPECT_FALSE(ReadFader(ui, dialog, 5).marked);
    EXPECT_EQ((std::vector<int>{}), Members(ReadGroup(ui, dialog, 0)));

    view.ClickFader(10, true);
    EXPECT_EQ((std::vector<int>{8, 10}), Members(ReadGroup(ui, dialog, 0))) << "with the band that had the focus";
    view.ClickEdit(12);
    EXPECT_FALSE(Grouping(ui, dialog)) << "clicking into a value edit cancels it";
    EXPECT_EQ((std::vector<int>{}), Members(ReadGroup(ui, dialog, 0)));
    EXPECT_FALSE(ReadFader(ui, dialog, 8).marked);
    view.PressButton(IDOK);
  });
}

TEST(EqDialogGroups, UngroupDissolvesTheGroupOfTheFocusedBandOnly) {
  EqOpening opening;
  opening.Group(1, {15, 16});
  EqOutcome outcome = RunEqDialog(opening, [](UiDriver& ui, EqDialogView& view, CEqDlg& dialog) {
    EXPECT_EQ(eq::kGroupColours[1], ThumbFill(ui, view, 16).centre) << "a handed-in group is shown";
    view.ClickFader(3);
    view.PressButton(EQ_ID_UNGROUP);
    EXPECT_TRUE(ReadGroup(ui, dialog, 1).active) << "band 3 is in no group";
    view.ClickFader(15);
    view.PressButton(EQ_ID_UNGROUP);
    EXPECT_FALSE(ReadGroup(ui, dialog, 1).active);
    EXPECT_EQ((std::vector<int>{}), Members(ReadGroup(ui, dialog, 1)));
    for (int band : {15, 16}) {
      FaderState state = ReadFader(ui, dialog, band);
      EXPECT_FALSE(state.marked);
      EXPECT_EQ(-1, state.group);
      EXPECT_EQ(kFace, ThumbFill(ui, view, band).centre);
    }
    view.PressButton(IDOK);
  });
  EXPECT_FALSE(outcome.groups[1].active);
}

TEST(EqDialogClipboard, ACopyInACancelledDialogIsPastedInTheNextOne) {
  EqOpening first;
  for (int b = 0; b < eq::kBands; ++b) first.gain[b] = static_cast<int16_t>(b % 7 - 3);
  first.Group(2, {4, 5});
  EqOutcome copied = RunEqDialog(first, [](UiDriver&, EqDialogView& view, CEqDlg&) {
    view.PressButton(EQ_ID_COPY);
    EXPECT_FALSE(::IsWindowEnabled(view.Button(EQ_ID_PASTE))) << "Copy does not enable Paste in the same opening";
    view.PressButton(IDCANCEL);
  });
  EXPECT_EQ(IDCANCEL, copied.result);
  EXPECT_TRUE(copied.clipValid);
  EXPECT_EQ(0, std::memcmp(first.gain, copied.clipGain, sizeof(first.gain)));
  EXPECT_TRUE(eqGroupClipboard[2].active);

  EqOpening second;
  second.box = 1;
  second.gain[0] = 5;
  second.Group(0, {3, 7});
  std::memcpy(second.clipGain, copied.clipGain, sizeof(second.clipGain));
  second.clipValid = copied.clipValid;
  EqOutcome pasted = RunEqDialog(second, [](UiDriver& ui, EqDialogView& view, CEqDlg& dialog) {
    EXPECT_TRUE(::IsWindowEnabled(view.Button(EQ_ID_PASTE)));
    view.PressButton(EQ_ID_PASTE);
    EXPECT_EQ("-3", view.EditText(0));
    EXPECT_EQ("3", view.EditText(20));
    EXPECT_EQ(eq::FaderPosition(-3), view.FaderPos(0));
    EXPECT_EQ(2, ReadFader(ui, dialog, 4).group);
    EXPECT_EQ(eq::kGroupColours[2], ThumbFill(ui, view, 5).centre);
    FaderState band3 = ReadFader(ui, dialog, 3);
    EXPECT_FALSE(band3.marked) << "band 3's group is not in the clipboard";
    EXPECT_EQ(-1, band3.group);
    view.PressButton(IDOK);
  });
  EXPECT_EQ(0, std::memcmp(first.gain, pasted.gain, sizeof(first.gain)));
  EXPECT_FALSE(pasted.groups[0].active);
  EXPECT_EQ((std::vector<int>{4, 5}), Members(pasted.groups[2]));
}

TEST(EqDialogClipboard, APastedBandWithoutGroupCanJoinANewGroup) {
  EqOutcome empty = RunEqDialog(EqOpening{}, [](UiDriver&, EqDialogView& view, CEqDlg&) {
    view.PressButton(EQ_ID_COPY);
    view.PressButton(IDOK);
  });
  EqOpening opening;
  opening.Group(0, {3, 4});
  opening.clipValid = empty.clipValid;
  RunEqDialog(opening, [](UiDriver& ui, EqDialogView& view, CEqDlg& dialog) {
    view.PressButton(EQ_ID_PASTE);
    EXPECT_EQ(-1, ReadFader(ui, dialog, 3).group);
    view.ClickFader(3);
    view.ClickFader(6, true);
    EXPECT_EQ((std::vector<int>{3, 6}), Members(ReadGroup(ui, dialog, 0)));
    view.PressButton(IDOK);
  });
}

TEST(EqDialogClipboard, FlatSetsEveryGainToZeroAndKeepsTheGroups) {
  EqOpening opening;
  for (int b = 0; b < eq::kBands; ++b) opening.gain[b] = static_cast<int16_t>(-b);
  opening.Group(1, {2, 3});
  EqOutcome outcome = RunEqDialog(opening, [](UiDriver& ui, EqDialogView& view, CEqDlg& dialog) {
    view.ClickFader(8);
    view.ClickFader(9, true);  // a group under construction stays through Flat
    view.PressButton(EQ_ID_FLAT);
    for (int b = 0; b < eq::kBands; ++b) {
      EXPECT_EQ("0", view.EditText(b)) << b;
      EXPECT_EQ(6, view.FaderPos(b)) << b;
    }
    EXPECT_EQ(1, ReadFader(ui, dialog, 2).group);
    EXPECT_TRUE(ReadFader(ui, dialog, 9).marked);
    view.PressButton(EQ_ID_GROUP);
    view.PressButton(IDOK);
  });
  for (int b = 0; b < eq::kBands; ++b) EXPECT_EQ(0, outcome.gain[b]);
  EXPECT_EQ((std::vector<int>{2, 3}), Members(outcome.groups[1]));
  EXPECT_EQ((std::vector<int>{8, 9}), Members(outcome.groups[0]));
}

TEST(EqDialogPaint, CustomDrawRecordsThumbAndChannelAndDrawsTheTickMarks) {
  RunEqDialog(EqOpening{}, [](UiDriver& ui, EqDialogView& view, CEqDlg& dialog) {
    const int band = 7;
    RECT thumb{}, channel{};
    ui.Pixel(view.Fader(band), 0, 0);  // after a paint
    ui.OnUi([&] {
      thumb = dialog.faders[band].thumbRect;
      channel = dialog.faders[band].channelRect;
    });
    const RECT reportedThumb = view.ThumbRect(band), reportedChannel = view.ChannelRect(band);
    EXPECT_TRUE(::EqualRect(&thumb, &reportedThumb));
    EXPECT_TRUE(::EqualRect(&channel, &reportedChannel));

    int tops[5];
    FaderTickTops(thumb, channel, tops);
    for (int k = 0; k < 5; ++k) {
      for (int x = 3; x < 9; ++x) {
        for (int y = tops[k]; y < tops[k] + 3; ++y) {
          ASSERT_EQ(RGB(0, 0, 0), ui.Pixel(view.Fader(band), x, y)) << "mark " << k << " at " << x << "," << y;
        }
      }
    }
    if (eq::kTicksFollowThumb) {
      // Each mark sits level with the thumb centre at positions 0, 6, 12, 18 and 24.
      for (int k = 0; k < 5; ++k) {
        ui.OnUi([&] { dialog.faders[band].SetPos(6 * k); });
        POINT centre = view.ThumbCentre(band);
        EXPECT_NEAR(tops[k] + 1, centre.y, 1) << "mark " << k;
      }
    } else {
      const double fractions[5] = {0.065, 0.295, 0.52, 0.745, 0.97};
      for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(static_cast<int>((channel.bottom - channel.top) * fractions[k]), tops[k]) << "mark " << k;
      }
    }
    view.PressButton(IDCANCEL);
  });
}

TEST(EqDialogScreenshot, WritesTheDialogWithACommittedGroup) {
  EqOpening opening;
  const int16_t gains[eq::kBands] = {3, 2, 1, 0, -2, -4, -6, -6, -6, -4, -2, 0, 0, 1, 2, 3, 4, 4, 2, 0, EQ_GAIN_OFF};
  std::memcpy(opening.gain, gains, sizeof(gains));
  opening.Group(6, {6, 7, 8});
  RunEqDialog(opening, [](UiDriver& ui, EqDialogView& view, CEqDlg&) {
    view.ClickFader(13);
    view.ClickFader(15, true);  // a second group under construction
    const std::string file = std::string(EQ_TEST_PRODUCT) + "_eq_dialog";
    EXPECT_TRUE(ui.SaveScreenshot(view.Dialog(), file)) << file;
    view.PressButton(IDCANCEL);
  });
}

}  // namespace
