// The design dialog's behaviour over a stand-in for its controls: what the user sees (lists,
// adapter frames, enabled edits, texts, messages) after opening, choosing models, frames, box
// counts, spins, typed angles and OK.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>
#include <vector>

#include "design_editor.h"

namespace {
using namespace tarnwick;

// The dialog's controls as plain values: list selections, adapter controls, enabled states
// and the texts of the angle and gain/delay edits, exchanged with the members like the dialog's
// data exchange does.
class FakeDesignDialog : public DesignEditor {
 public:
  struct Adapter {
    bool listShown = false, labelShown = false;
    std::string label;
    std::vector<std::string> items;
    int selected = -1;
  };

  FakeDesignDialog() {
    for (int& row : listRow) row = -1;
    for (bool& on : listEnabled) on = true;
  }

  // Loads the design words and runs the opening as the dialog does.
  void Open(const DesignForm& design) {
    static_cast<DesignForm&>(*this) = design;
    PrepareForOpening();
    FillControls();
    OpenModels();
    SelectBoxCountRow(boxCount - 1);
    EnableBoxRows();
    RecomputeJunctions();
  }
  void Choose(int box, int row) {
    SelectModelRow(box, row);
    OnModelChange(box);
  }
  void ChooseFrame(int junction, const char* frame) {
    Adapter& a = adapters[junction - 1];
    for (size_t i = 0; i < a.items.size(); ++i)
      if (a.items[i] == frame) a.selected = static_cast<int>(i);
    OnAdapterChange(junction - 1);
  }
  // Types into a splay edit and leaves it; the answers go to the Retry/Cancel boxes in order.
  void TypeAngle(int junction, const std::string& text, std::deque<bool> retries = {}) {
    angleText[junction] = text;
    answers = std::move(retries);
    OnAngleKillFocus(junction);
  }
  // Spin clicks as the dialog handles them: members refreshed, step, controls filled.
  std::vector<float> Spin(int junction, int direction, int clicks) {
    std::vector<float> seen;
    for (int c = 0; c < clicks; ++c) {
      RefreshMembers();
      StepSplayAngle(direction, junction);
      FillControls();
      seen.push_back(angle[junction]);
    }
    return seen;
  }
  void SpinColumn(int box, int direction) {
    RefreshMembers();
    StepGainDelay(direction, box);
    FillControls();
  }
  void Refresh() { RefreshMembers(); }
  void HideAdapterOf(int junction) { HideAdapter(junction - 1); }

  int listRow[kDesignBoxes];
  bool listEnabled[kDesignBoxes];
  bool angleEnabled[kDesignBoxes] = {};
  bool rowEnabled[kDesignBoxes] = {};
  Adapter adapters[kJunctions];
  int boxCountRow = -1, boxCountSpin = -1;
  std::string angleText[kDesignBoxes], columnText[kDesignBoxes];
  std::vector<std::string> messages;
  std::deque<bool> answers;  // Retry = true; Cancel when none is left
  int focusedJunction = -1;

 protected:
  bool RefreshMembers() override {
    auto read = [](const std::string& text, float& value) {
      char* end = nullptr;
      const float number = std::strtof(text.c_str(), &end);
      if (end == text.c_str()) return false;
      value = number;
      return true;
    };
    for (int i = 0; i < kDesignBoxes; ++i)
      if (!read(angleText[i], angle[i])) return false;
    for (int i = 0; i < kDesignBoxes; ++i)
      if (!read(columnText[i], columnValue[i])) return false;
    return true;
  }
  void FillControls() override {
    char text[32];
    for (int i = 0; i < kDesignBoxes; ++i) {
      std::snprintf(text, sizeof text, "%g", angle[i]);
      angleText[i] = text;
      std::snprintf(text, sizeof text, "%g", columnValue[i]);
      columnText[i] = text;
    }
  }
  int SelectedModelRow(int box) const override { return listRow[box]; }
  void SelectModelRow(int box, int row) override { listRow[box] = row < kModelRows ? row : -1; }
  bool ModelListEnabled(int box) const override { return listEnabled[box]; }
  void EnableAngleControls(int junction, bool enable) override { angleEnabled[junction] = enable; }
  void EnableRowControls(int box, bool enable) override {
    rowEnabled[box] = enable;
    listEnabled[box] = enable;
  }
  void ShowAdapterLabel(int k, const char* frame) override {
    adapters[k] = Adapter{false, true, frame, {}, -1};
  }
  void ShowAdapterList(int k, AdapterFrame selected) override {
    adapters[k] = Adapter{true, false, "", {kFrameQk, kFrameRk}, selected == AdapterFrame::kRk ? 1 : 0};
  }
  void HideAdapter(int k) override { adapters[k] = Adapter{}; }
  AdapterFrame AdapterSelection(int k) const override {
    const Adapter& a = adapters[k];
    return a.selected < 0 ? AdapterFrame::kNone : AdapterFrameNamed(a.items[a.selected].c_str());
  }
  bool AdapterListEnabled(int k) const override { return adapters[k].listShown; }
  bool AdapterListVisible(int k) const override { return adapters[k].listShown; }
  int SelectedBoxCountRow() const override { return boxCountRow; }
  void SelectBoxCountRow(int row) override { boxCountRow = row; }
  void SetBoxCountSpinPos(int position) override { boxCountSpin = position; }
  std::string AngleText(int junction) const override { return angleText[junction]; }
  void FocusAngleEdit(int junction) override { focusedJunction = junction; }
  void ShowNotice(const char* text) override { messages.push_back(text); }
  bool AskRetry(const char* text) override {
    messages.push_back(text);
    if (answers.empty()) return false;
    const bool retry = answers.front();
    answers.pop_front();
    return retry;
  }
};

enum Model { R7, TK610, TK610_1, TK610BF, TK520, TK520F, TK430, TK430B, TK430BF, TK340 };

DesignForm Design(std::vector<int> models) {
  DesignForm form;
  form.boxCount = static_cast<int>(models.size());
  for (size_t b = 0; b < models.size(); ++b) form.model[b] = models[b];
  for (int& code : form.junctionCode) code = -1;
  return form;
}

TEST(TarnwickDesignEditor, OpeningBringsStoredValuesIntoRange) {
  DesignForm design = Design({R7, R7, R7, R7, 12, R7});
  design.angle[0] = -200;
  design.angle[3] = 20;
  design.gain[1] = 8;
  design.delay[2] = -0.1f;
  FakeDesignDialog dialog;
  dialog.Open(design);
  EXPECT_EQ(-1, dialog.listRow[4]);
  EXPECT_EQ(-1, dialog.model[4]);
  EXPECT_EQ("0", dialog.angleText[0]);
  EXPECT_EQ("0", dialog.angleText[3]);
  EXPECT_EQ("6", dialog.columnText[1]);
  EXPECT_EQ(0.0f, dialog.delay[2]);
  EXPECT_EQ(5, dialog.boxCountRow);
  EXPECT_TRUE(dialog.rowEnabled[5]);
  EXPECT_FALSE(dialog.rowEnabled[6]);
  EXPECT_FALSE(dialog.angleEnabled[6]);
}

TEST(TarnwickDesignEditor, OpeningKeepsTheStoredFrameOfAClassThreeBoxUnderClassOne) {
  DesignForm design = Design({TK610, TK430, TK610, TK430});
  design.junctionCode[1] = kJunctionRk;
  design.angle[1] = 6;
  design.junctionCode[3] = kJunctionQk;
  FakeDesignDialog dialog;
  dialog.Open(design);
  EXPECT_EQ(kJunctionRk, dialog.junctionCode[1]);
  EXPECT_EQ(1, dialog.adapters[0].selected);
  EXPECT_EQ(6.0f, dialog.angle[1]);
  EXPECT_TRUE(dialog.angleEnabled[1]);
  EXPECT_EQ(kJunctionQk, dialog.junctionCode[3]);
  EXPECT_EQ(10.0f, dialog.angle[3]);
  EXPECT_FALSE(dialog.angleEnabled[3]);
}

TEST(TarnwickDesignEditor, FramesBetweenBoxesOfDifferentSize) {
  FakeDesignDialog dialog;
  dialog.Open(Design({TK610, TK610, TK520, TK430}));
  // "TK-520" under "TK-610": the fixed "TK-900-RK", limit 5.
  EXPECT_EQ(kJunctionRk, dialog.junctionCode[2]);
  EXPECT_TRUE(dialog.adapters[1].labelShown);
  EXPECT_EQ("TK-900-RK", dialog.adapters[1].label);
  EXPECT_EQ(5.0f, dialog.Spin(2, 1, 8).back());
  dialog.TypeAngle(2, "6");
  EXPECT_EQ(std::vector<std::string>{"Whole numbers from 0 to 5 only"}, dialog.messages);
  // "TK-430" under "TK-520": "TK-900-PK", limit 7.
  EXPECT_EQ(kJunctionPk, dialog.junctionCode[3]);
  EXPECT_EQ("TK-900-PK", dialog.adapters[2].label);
  EXPECT_EQ(7.0f, dialog.Spin(3, 1, 10).back());

  // "TK-430" under "TK-610": the frame is chosen; "TK-900-QK" comes first, fixed at 10.
  dialog.Choose(2, TK430);
  EXPECT_TRUE(dialog.adapters[1].listShown);
  EXPECT_EQ((std::vector<std::string>{"TK-900-QK", "TK-900-RK"}), dialog.adapters[1].items);
  EXPECT_EQ(kJunctionQk, dialog.junctionCode[2]);
  EXPECT_EQ(0, dialog.adapters[1].selected);  // the list shows the frame proposed
  EXPECT_EQ(10.0f, dialog.angle[2]);
  EXPECT_FALSE(dialog.angleEnabled[2]);
  dialog.ChooseFrame(2, "TK-900-RK");
  EXPECT_EQ(kJunctionRk, dialog.junctionCode[2]);
  EXPECT_EQ(7.0f, dialog.angle[2]);
  EXPECT_TRUE(dialog.angleEnabled[2]);
  dialog.messages.clear();
  dialog.TypeAngle(2, "8");
  EXPECT_EQ(std::vector<std::string>{"Whole numbers from 0 to 7 only"}, dialog.messages);
  // The junction below ("TK-430" under "TK-430") needs no frame any more.
  EXPECT_FALSE(dialog.adapters[2].labelShown);
}

TEST(TarnwickDesignEditor, TheSmallestCabinetHasItsOwnAngles) {
  FakeDesignDialog dialog;
  dialog.Open(Design({TK610_1, TK340, TK340, TK430, TK340}));
  EXPECT_EQ(kJunctionTk340UnderLarge, dialog.junctionCode[1]);
  EXPECT_EQ(12.5f, dialog.Spin(1, 1, 20).back());
  dialog.TypeAngle(1, "8");
  dialog.TypeAngle(1, "7.5");
  EXPECT_EQ(std::vector<std::string>{"Whole numbers from 0 to 7 or 7.5"}, dialog.messages);

  // Under itself: 13 and 12.5 are refused, 13.5 passes.
  dialog.messages.clear();
  dialog.TypeAngle(2, "13");
  dialog.TypeAngle(2, "12.5");
  dialog.TypeAngle(2, "13.5");
  EXPECT_EQ(2u, dialog.messages.size());
  EXPECT_EQ("Valid angles are: 0, 1, 2, ... 12, 13.5, 15", dialog.messages[0]);
  EXPECT_EQ(13.5f, dialog.angle[2]);

  // Under "TK-430": no code, the spin reaches 15, a typed 9 is refused.
  EXPECT_EQ(kJunctionPlain, dialog.junctionCode[4]);
  EXPECT_EQ(15.0f, dialog.Spin(4, 1, 20).back());
  dialog.messages.clear();
  dialog.TypeAngle(4, "9");
  EXPECT_EQ(std::vector<std::string>{"Whole numbers from 0 to 7 or 7.5"}, dialog.messages);
}

TEST(TarnwickDesignEditor, RetryReturnsToTheEditAndCancelKeepsTheValue) {
  FakeDesignDialog dialog;
  dialog.Open(Design({TK610, TK610}));
  dialog.TypeAngle(1, "10.5", {true});
  EXPECT_EQ(1u, dialog.messages.size());
  EXPECT_EQ(1, dialog.focusedJunction);
  // The refused text stands until it is checked again: OK asks once more, and Retry again
  // keeps the dialog from taking it.
  EXPECT_EQ(1, dialog.RefusedJunction());
  dialog.answers = {true};
  EXPECT_FALSE(dialog.RecheckRefusedAngle());
  EXPECT_EQ(2u, dialog.messages.size());
  EXPECT_EQ(1, dialog.RefusedJunction());
  dialog.messages.clear();
  dialog.focusedJunction = -1;
  dialog.TypeAngle(1, "10.5");  // Cancel twice: wrong form and out of range
  EXPECT_EQ(2u, dialog.messages.size());
  EXPECT_EQ(10.5f, dialog.angle[1]);
  EXPECT_EQ(-1, dialog.focusedJunction);
  EXPECT_EQ(0, dialog.RefusedJunction());  // kept by the user's Cancel
  EXPECT_TRUE(dialog.RecheckRefusedAngle());
  EXPECT_EQ(2u, dialog.messages.size());
  dialog.messages.clear();
  dialog.TypeAngle(1, "abc");
  EXPECT_EQ(std::vector<std::string>{"Please enter a number"}, dialog.messages);
  EXPECT_EQ(1, dialog.focusedJunction);
  EXPECT_FALSE(dialog.angleCheckBusy);
}

TEST(TarnwickDesignEditor, ModelChangesKeepTheAimingAngleAndTidySplays) {
  DesignForm design = Design({TK610, TK610, TK610});
  design.angle[0] = 3.5f;
  design.junctionCode[0] = kJunctionRk;  // carries nothing, whatever a block holds
  FakeDesignDialog dialog;
  dialog.Open(design);
  dialog.Choose(0, TK520);
  EXPECT_EQ(3.5f, dialog.angle[0]);
  dialog.angleText[1] = "7.5";
  dialog.angleText[2] = "12";
  dialog.Choose(1, TK610_1);
  EXPECT_EQ(8.0f, dialog.angle[1]);
  dialog.Choose(2, TK610BF);
  EXPECT_EQ(10.0f, dialog.angle[2]);
  // A larger box under a smaller one: code 0 in the dialog, plain after OK.
  dialog.Choose(1, TK520);
  EXPECT_EQ(kJunctionInverted, dialog.junctionCode[2]);
  dialog.RecomputeCodesForOk();
  EXPECT_EQ(kJunctionPlain, dialog.junctionCode[2]);
}

TEST(TarnwickDesignEditor, ModelChangesKeepTheFrameAndItsAngleRule) {
  FakeDesignDialog dialog;
  dialog.Open(Design({TK610, TK430, TK430, TK430}));
  // "TK-900-RK" chosen, a typed 9 kept with Cancel: a new model above, of the same or another
  // class-1 kind, keeps the frame and brings the angle to its limit of 7, still free to move.
  dialog.ChooseFrame(1, "TK-900-RK");
  dialog.TypeAngle(1, "9");
  EXPECT_EQ(9.0f, dialog.angle[1]);
  for (int upper : {TK610_1, R7}) {
    dialog.Choose(0, upper);
    EXPECT_EQ(kJunctionRk, dialog.junctionCode[1]) << upper;
    EXPECT_EQ(1, dialog.adapters[0].selected) << upper;
    EXPECT_EQ(7.0f, dialog.angle[1]) << upper;
    EXPECT_TRUE(dialog.angleEnabled[1]) << upper;
    EXPECT_EQ(7.0f, dialog.Spin(1, 1, 4).back()) << upper;
  }
  dialog.messages.clear();
  dialog.TypeAngle(1, "8", {true});
  EXPECT_EQ(std::vector<std::string>{"Whole numbers from 0 to 7 only"}, dialog.messages);
  dialog.TypeAngle(1, "6");
  dialog.RecomputeCodesForOk();
  EXPECT_EQ(kJunctionRk, dialog.junctionCode[1]);
  EXPECT_EQ(6.0f, dialog.angle[1]);

  // "TK-900-QK" stays locked at 10 under a new model above; a class-2 box above brings the
  // fixed "TK-900-PK" and its limit of 7.
  dialog.ChooseFrame(1, "TK-900-QK");
  dialog.Choose(0, TK610BF);
  EXPECT_EQ(kJunctionQk, dialog.junctionCode[1]);
  EXPECT_EQ(10.0f, dialog.angle[1]);
  EXPECT_FALSE(dialog.angleEnabled[1]);
  dialog.Choose(0, TK520);
  EXPECT_EQ(kJunctionPk, dialog.junctionCode[1]);
  EXPECT_EQ("TK-900-PK", dialog.adapters[0].label);
  EXPECT_EQ(7.0f, dialog.angle[1]);
  EXPECT_TRUE(dialog.angleEnabled[1]);

  // A class-1 box put over a class-3 one offers the choice with the fixed frame first; a
  // "TK-520" put under a class-1 box takes "TK-900-RK" and brings the angle to 5.
  dialog.Choose(2, TK610);
  EXPECT_TRUE(dialog.adapters[2].listShown);
  EXPECT_EQ(kJunctionQk, dialog.junctionCode[3]);
  EXPECT_EQ(10.0f, dialog.angle[3]);
  dialog.Choose(3, TK520);
  EXPECT_EQ(kJunctionRk, dialog.junctionCode[3]);
  EXPECT_EQ("TK-900-RK", dialog.adapters[2].label);
  EXPECT_EQ(5.0f, dialog.angle[3]);
  EXPECT_TRUE(dialog.angleEnabled[3]);
}

TEST(TarnwickDesignEditor, HalfDegreesBetweenSevenAndEightGoToEightNextToTheSmallestCabinet) {
  FakeDesignDialog dialog;
  dialog.Open(Design({TK430, TK430, TK430, TK430}));
  dialog.angleText[1] = "7.5";
  dialog.angleText[2] = "7.25";
  dialog.angleText[3] = "7.5";
  dialog.Choose(1, TK340);
  EXPECT_EQ(8.0f, dialog.angle[1]);  // above the new "TK-340"
  EXPECT_EQ(8.0f, dialog.angle[2]);  // and below it
  EXPECT_EQ(7.5f, dialog.angle[3]);  // a junction further down keeps its half degree
  dialog.angleText[2] = "7";
  dialog.Choose(2, TK340);
  EXPECT_EQ(7.0f, dialog.angle[2]);  // whole degrees stay
  EXPECT_EQ(8.0f, dialog.angle[3]);
}

TEST(TarnwickDesignEditor, OkKeepsTheFramesShown) {
  FakeDesignDialog dialog;
  dialog.Open(Design({TK610, TK430, TK430, TK610, TK430}));
  dialog.ChooseFrame(1, "TK-900-RK");
  dialog.HideAdapterOf(4);
  dialog.RecomputeCodesForOk();
  EXPECT_EQ(kJunctionRk, dialog.junctionCode[1]);
  EXPECT_EQ(kJunctionPlain, dialog.junctionCode[2]);
  EXPECT_EQ(kJunctionPlain, dialog.junctionCode[3]);
  EXPECT_EQ(kJunctionPlain, dialog.junctionCode[4]);  // the list was hidden
}

TEST(TarnwickDesignEditor, BoxCountBySpinAndByList) {
  DesignForm design = Design({R7, TK610, TK610, TK520});
  design.model[5] = TK340;  // left from a larger array
  FakeDesignDialog dialog;
  dialog.Open(design);
  dialog.StepBoxCount(4);
  EXPECT_EQ(5, dialog.boxCount);
  EXPECT_EQ(TK520, dialog.listRow[4]);
  EXPECT_EQ(TK520, dialog.model[4]);
  EXPECT_TRUE(dialog.rowEnabled[4]);
  dialog.angleText[4] = "4";
  dialog.columnText[4] = "2";
  dialog.Refresh();
  dialog.StepBoxCount(3);
  EXPECT_EQ(4, dialog.boxCount);
  EXPECT_EQ(R7, dialog.listRow[4]);
  EXPECT_EQ("0", dialog.angleText[4]);
  EXPECT_EQ("0", dialog.columnText[4]);
  EXPECT_FALSE(dialog.rowEnabled[4]);
  dialog.StepBoxCount(3);  // a click at the spin's end moves nothing and clears no box
  EXPECT_EQ(TK520, dialog.listRow[3]);
  EXPECT_EQ(4, dialog.boxCount);

  // From 2 to 6 in the list: the new boxes show box 2's model.
  dialog.boxCountRow = 1;
  dialog.OnBoxCountChange();
  dialog.boxCountRow = 5;
  dialog.OnBoxCountChange();
  EXPECT_EQ(5, dialog.boxCountSpin);
  for (int b = 2; b < 6; ++b) EXPECT_EQ(TK610, dialog.listRow[b]) << b;
  EXPECT_EQ(kJunctionPlain, dialog.junctionCode[5]);
  EXPECT_EQ(10.0f, SplayStepLimit(dialog.model[5], dialog.model[4], dialog.junctionCode[5],
                                  dialog.sizeClass[5]));
}

TEST(TarnwickDesignEditor, ListsOpenOnTheBoxAboveAndSetAllCopiesDown) {
  FakeDesignDialog dialog;
  dialog.Open(Design({TK610, TK520, TK430, TK340, R7, R7, R7, R7}));
  dialog.OnModelDropDown(6);
  EXPECT_EQ(R7, dialog.listRow[6]);
  dialog.SetAllBoxes(2);
  EXPECT_EQ(TK520, dialog.listRow[1]);
  for (int b = 3; b < 8; ++b) EXPECT_EQ(TK430, dialog.listRow[b]) << b;
  for (int source : {-1, 0, 23}) {
    dialog.SetAllBoxes(source);
    for (int b = 1; b < 8; ++b) EXPECT_EQ(TK610, dialog.model[b]) << source << " " << b;
  }
  FakeDesignDialog single;
  single.Open(Design({TK520}));
  single.SetAllBoxes(-1);
  EXPECT_EQ(TK520, single.listRow[0]);
}

TEST(TarnwickDesignEditor, GainDelayColumn) {
  DesignForm design = Design({R7, R7});
  design.gain[0] = 5.5f;
  design.delay[0] = 1.5f;
  FakeDesignDialog dialog;
  dialog.Open(design);
  dialog.ShowColumn(kColumnGains);
  EXPECT_EQ("5.5", dialog.columnText[0]);
  dialog.columnText[1] = "-3";  // typed, then the column switches: the value is kept
  dialog.ShowColumn(kColumnDelays);
  EXPECT_EQ("1.5", dialog.columnText[0]);
  EXPECT_EQ(-3.0f, dialog.gain[1]);
  dialog.SpinColumn(1, -1);
  EXPECT_EQ(0.0f, dialog.delay[1]);
  dialog.SpinColumn(1, 1);
  EXPECT_EQ("0.022", dialog.columnText[1]);
  dialog.ShowColumn(kColumnGains);
  dialog.SpinColumn(0, 1);
  EXPECT_EQ("6", dialog.columnText[0]);
  EXPECT_EQ(0.022f, dialog.delay[1]);
  dialog.columnText[1] = "2";  // a spin steps from the typed value
  dialog.SpinColumn(1, 1);
  EXPECT_EQ(2.5f, dialog.gain[1]);
}

TEST(TarnwickDesignEditor, OkRefusesANegativeSplayEvenInADisabledRow) {
  FakeDesignDialog dialog;
  dialog.Open(Design({R7, R7, R7}));
  EXPECT_EQ(0, dialog.FindNegativeSplayText());
  dialog.angleText[7] = " -2";
  EXPECT_EQ(7, dialog.FindNegativeSplayText());
}

}  // namespace
