// The response exports of each real DLL as the host calls them: CI_GetCompFR in every
// deliverable, and Brenlowe's single-band and four-seat evaluation with the message box its
// single-band evaluation shows for a band it has no storage for.
#include <atomic>
#include <cmath>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "plugin_fixture.h"

namespace {
constexpr float kUntouched = -7.0f;

struct Response {
  int result;
  float level[21];
  float phase[21];
  float time;
};

class ResponseExportTest : public PluginTest {
 protected:
  bool Is(unsigned mask) const { return GetParam().mask == mask; }

  // A design of n boxes, every other word 0 but for one word set to value, stored with its
  // checksum; the array is then placed at the origin.
  void StoreBoxes(int n, int delayWord = 0, int word = 0, int32_t value = 0) {
    const int words = GetParam().blockWords;
    std::vector<int32_t> block(words, 0);
    block[0] = words;
    std::memcpy(&block[1], GetParam().tag, 4);
    block[2] = n;
    const int delayFirst = Is(kInTarnwick) ? 62 : (Is(kInBrenlowe) ? 32 : 14);
    for (int b = 0; b < n && b < GetParam().maxBoxes; ++b) block[delayFirst + b] = delayWord;
    if (word > 0) block[word] = value;
    uint32_t sum = 0;  // wraps as the stored checksum does
    for (int w = 2; w < words - 1; ++w) sum += static_cast<uint32_t>(block[w]);
    block[words - 1] = static_cast<int32_t>(sum);
    ASSERT_EQ(0, fn.IP_SetValue(1, block.data()));
    const float origin[3] = {0, 0, 0};
    ASSERT_EQ(0, fn.CI_SetLspkPosition3fv(origin));
    ASSERT_EQ(0, fn.CI_SetLspkAngles3fv(origin));
  }

  static bool Same(const Response& a, const Response& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
  }

  void SetSeat(float x, float y, float z) {
    const float p[3] = {x, y, z};
    ASSERT_EQ(0, fn.CI_SetSeatPosition3fv(p));
  }

  Response Evaluate(int first = 1) {
    Response r;
    for (float& v : r.level) v = kUntouched;
    for (float& v : r.phase) v = kUntouched;
    r.time = kUntouched;
    r.result = fn.CI_GetCompFR(first, r.level, r.phase, &r.time);
    return r;
  }

  // The component whose distance over c (plus box 1's delay) is the reported time.
  int TimeReference(int n) const { return Is(kInTarnwick) ? 5 : (Is(kInBrenlowe) ? 1 : 3 * n); }
  // Middle of box 1, the start of its axis.
  void BoxOneMiddle(float* out) {
    float a[3], b[3];
    ASSERT_EQ(0, fn.CI_GetCompPosition3fv(Is(kInPirrowan) ? 3 : 5, a));
    ASSERT_EQ(0, fn.CI_GetCompPosition3fv(Is(kInPirrowan) ? 4 : 5, b));
    for (int k = 0; k < 3; ++k) out[k] = (a[k] + b[k]) * 0.5f;
  }
};

TEST_P(ResponseExportTest, ArrayResponseAtTheSeat) {
  ClaimCurrent();
  StoreBoxes(4, 250);
  SetSeat(1.0f, -20.0f, -1.0f);
  const Response r = Evaluate();
  ASSERT_EQ(0, r.result);
  for (int b = 0; b < 21; ++b) {
    EXPECT_TRUE(r.level[b] > 60.0f && r.level[b] < 160.0f) << b << ": " << r.level[b];
    EXPECT_EQ(0.0f, r.phase[b]) << b;
  }
  EXPECT_NEAR(fn.CI_GetCompDistance(TimeReference(4)) / 343.0f + 0.00025f, r.time, 1e-6f);
}

TEST_P(ResponseExportTest, OneBoxOnAxisIsSixDbLowerAtTwiceTheDistance) {
  ClaimCurrent();
  StoreBoxes(1);
  float middle[3];
  BoxOneMiddle(middle);
  SetSeat(middle[0], middle[1] - 50.0f, middle[2]);
  const Response closer = Evaluate();
  SetSeat(middle[0], middle[1] - 100.0f, middle[2]);
  const Response farther = Evaluate();
  ASSERT_EQ(0, closer.result);
  ASSERT_EQ(0, farther.result);
  for (int b = 0; b < 21; ++b) EXPECT_NEAR(closer.level[b] - 6.0206f, farther.level[b], 0.02f) << b;
}

TEST_P(ResponseExportTest, RefusedCallsLeaveTheOutputsAlone) {
  Response r = Evaluate();
  EXPECT_EQ(-1, r.result);
  ClaimCurrent();
  StoreBoxes(2);
  r = Evaluate(2);
  EXPECT_EQ(-1, r.result);
  StoreBoxes(0);
  r = Evaluate();
  EXPECT_EQ(-1, r.result);
  EXPECT_EQ(kUntouched, r.level[0]);
  EXPECT_EQ(kUntouched, r.phase[20]);
  EXPECT_EQ(kUntouched, r.time);
}

TEST_P(ResponseExportTest, StoredLevelWordsOfAnySizeGiveFiniteLevels) {
  ClaimCurrent();
  // A box's gain (Tarnwick) or attenuation word in tenths of a dB: values found in hostile
  // blocks, and the extremes. A loud box saturates at the engine's loudest level.
  const int boxes = Is(kInTarnwick) ? 14 : (Is(kInBrenlowe) ? 7 : 4);
  const int word = Is(kInTarnwick) ? 47 : (Is(kInBrenlowe) ? 24 : 11);
  const int32_t found = Is(kInTarnwick) ? 1169585928 : (Is(kInBrenlowe) ? -784914106 : -261661564);
  StoreBoxes(boxes, 250);
  SetSeat(1.0f, -20.0f, -1.0f);
  const Response modest = Evaluate();
  ASSERT_EQ(0, modest.result);
  for (const int32_t value : {found, INT32_MAX, INT32_MIN}) {
    StoreBoxes(boxes, 250, word, value);
    const Response r = Evaluate();
    ASSERT_EQ(0, r.result) << value;
    const bool louder = Is(kInTarnwick) ? value > 0 : value < 0;
    for (int b = 0; b < 21; ++b) {
      EXPECT_TRUE(std::isfinite(r.level[b])) << value << " band " << b;
      if (louder) {
        EXPECT_GT(r.level[b], 250.0f) << value << " band " << b;
      }
    }
    EXPECT_EQ(modest.time, r.time);
    if (Is(kInBrenlowe)) {
      for (const int band : {10, 19}) {
        ASSERT_EQ(0, fn.CI_SetFR(band));
        float level[21], phase[21], time = 0.0f, level4[84], time4[4];
        ASSERT_EQ(0, fn.CI_GetCompFR1(1, level, phase, &time)) << value;
        EXPECT_NEAR(r.level[band], level[band], 1e-3f) << value << " band " << band;
        ASSERT_EQ(0, fn.CI_GetCompFR4(1, level4, phase, time4, 0)) << value;
        for (int s = 0; s < 4; ++s) EXPECT_TRUE(std::isfinite(level4[21 * s + band])) << s;
      }
    }
  }
  // The modest design answers as before.
  StoreBoxes(boxes, 250);
  EXPECT_TRUE(Same(modest, Evaluate()));
}

TEST_P(ResponseExportTest, ArgumentsThatAreNotNumbersAreRefusedAndChangeNothing) {
  ClaimCurrent();
  StoreBoxes(4, 250);
  SetSeat(1.0f, -20.0f, -1.0f);
  const Response before = Evaluate();
  ASSERT_EQ(0, before.result);
  const int firstBand = Is(kInPirrowan) ? 1 : 0;
  float levelAt1m = 0.0f;
  ASSERT_EQ(0, fn.CI_GetCompSPL1m(1, firstBand, &levelAt1m));
  const float distance = fn.CI_GetCompDistance(7);
  const float fine[3] = {1.0f, -20.0f, -1.0f};
  for (const float bad : {NAN, INFINITY, -INFINITY}) {
    for (int k = 0; k < 3; ++k) {
      float p[3] = {1.0f, -20.0f, -1.0f};
      p[k] = bad;
      EXPECT_EQ(-1, fn.CI_SetLspkPosition3fv(p)) << k;
      EXPECT_EQ(-1, fn.CI_SetLspkAngles3fv(p)) << k;
      EXPECT_EQ(-1, fn.CI_SetSeatPosition3fv(p)) << k;
      EXPECT_EQ(-1, fn.CI_SetSeatAngles3fv(p)) << k;
      if (Is(kInBrenlowe)) {
        EXPECT_EQ(-1, fn.CI_Set4SeatPosition(fine, fine, p, fine)) << k;
        EXPECT_EQ(-1, fn.CI_Set4SeatAngles(fine, fine, fine, p)) << k;
      }
    }
    // The air values and the filter are refused as the host passed them, not clamped.
    for (int id = 1; id <= 4; ++id) {
      float value = bad;
      EXPECT_EQ(-1, fn.RP_SetValue(id, &value)) << id;
      EXPECT_EQ(0, std::memcmp(&bad, &value, sizeof value)) << id;
    }
    for (float* (*pick)(float*, float*) : {+[](float* g, float*) { return g; },
                                           +[](float*, float* p) { return p; }}) {
      float gain[21] = {}, phase[21] = {};
      gain[0] = 50.0f;  // above the limit
      pick(gain, phase)[9] = bad;
      EXPECT_EQ(-1, fn.IP_SetFilter(gain, phase));
      EXPECT_EQ(50.0f, gain[0]);
    }
  }
  EXPECT_TRUE(Same(before, Evaluate()));
  float after = 0.0f;
  ASSERT_EQ(0, fn.CI_GetCompSPL1m(1, firstBand, &after));
  EXPECT_EQ(levelAt1m, after);
  EXPECT_EQ(distance, fn.CI_GetCompDistance(7));
  if (Is(kInBrenlowe)) {
    EXPECT_EQ(distance, fn.CI_GetCompDist4pos(7, 0));
  }

  // Finite but absurd: an array and a seat 6e38 m apart have no distance in single precision
  // and no arrival time; the answers are refused, the buffers left alone.
  const float farAway[3] = {3e38f, 0.0f, 0.0f};
  ASSERT_EQ(0, fn.CI_SetLspkPosition3fv(farAway));
  SetSeat(-3e38f, 0.0f, 0.0f);
  EXPECT_EQ(-1.0f, fn.CI_GetDistance());
  EXPECT_EQ(-1.0f, fn.CI_GetCompDistance(7));
  const Response refused = Evaluate();
  EXPECT_EQ(-1, refused.result);
  EXPECT_EQ(kUntouched, refused.level[3]);
  EXPECT_EQ(kUntouched, refused.time);
}

INSTANTIATE_FOR_EVERY_DELIVERABLE(ResponseExportTest);

// Presses OK on the first message box that a call on this thread opens, from a second thread,
// and keeps what the box showed.
class MessageBoxAnswerer {
 public:
  MessageBoxAnswerer() : uiThread_(GetCurrentThreadId()), watcher_([this] { Watch(); }) {}
  ~MessageBoxAnswerer() {
    stop_ = true;
    watcher_.join();
  }
  bool seen() const { return seen_; }
  const std::string& caption() const { return caption_; }
  const std::string& text() const { return text_; }

 private:
  static BOOL CALLBACK FindDialog(HWND hwnd, LPARAM found) {
    char name[16] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (std::strcmp(name, "#32770") != 0 || !IsWindowVisible(hwnd)) return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
  }
  static BOOL CALLBACK FindText(HWND child, LPARAM text) {
    char name[16] = {};
    GetClassNameA(child, name, sizeof name);
    char buffer[256] = {};
    GetWindowTextA(child, buffer, sizeof buffer);
    if (_stricmp(name, "Static") == 0 && buffer[0]) {
      *reinterpret_cast<std::string*>(text) = buffer;
      return FALSE;
    }
    return TRUE;
  }

  void Watch() {
    for (int attempt = 0; attempt < 500 && !stop_; ++attempt) {
      HWND box = nullptr;
      EnumThreadWindows(uiThread_, FindDialog, reinterpret_cast<LPARAM>(&box));
      if (box) {
        char caption[256] = {};
        GetWindowTextA(box, caption, sizeof caption);
        caption_ = caption;
        EnumChildWindows(box, FindText, reinterpret_cast<LPARAM>(&text_));
        HWND ok = GetDlgItem(box, IDOK);
        if (!ok) ok = GetDlgItem(box, IDCANCEL);
        seen_ = true;
        if (ok) {
          PostMessageA(ok, BM_CLICK, 0, 0);
        } else {
          PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
        return;
      }
      Sleep(20);
    }
  }

  DWORD uiThread_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> seen_{false};
  std::string caption_;
  std::string text_;
  std::thread watcher_;
};

const DeliverableInfo kBrenlowe = kDeliverables[1];

class FourSeatExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(plugin.Load(BesideThisProgram(kBrenlowe.dll))) << plugin.loadError;
    const int id = fn.CI_GetFreeID();
    ASSERT_EQ(0, fn.CI_MakeCurrent(id));
  }
  void TearDown() override { plugin.Unload(); }

  // n boxes of model 0 with all angles 0, placed at the origin.
  void StoreBoxes(int n) {
    std::vector<int32_t> block(kBrenlowe.blockWords, 0);
    block[0] = kBrenlowe.blockWords;
    std::memcpy(&block[1], kBrenlowe.tag, 4);
    block[2] = n;
    block[kBrenlowe.blockWords - 1] = n;
    ASSERT_EQ(0, fn.IP_SetValue(1, block.data()));
    const float origin[3] = {0, 0, 0};
    ASSERT_EQ(0, fn.CI_SetLspkPosition3fv(origin));
    ASSERT_EQ(0, fn.CI_SetLspkAngles3fv(origin));
  }

  struct Single {
    int result;
    float level[21];
    float time;
  };
  Single One() {
    Single r;
    for (float& v : r.level) v = kUntouched;
    r.time = kUntouched;
    float phase[21];
    r.result = fn.CI_GetCompFR1(1, r.level, phase, &r.time);
    return r;
  }
  int All(float* level4) {
    for (int i = 0; i < 84; ++i) level4[i] = kUntouched;
    float phase[21], time4[8];
    return fn.CI_GetCompFR4(1, level4, phase, time4, 0);
  }
  Response Full() {
    Response r;
    r.result = fn.CI_GetCompFR(1, r.level, r.phase, &r.time);
    return r;
  }

  LoadedPlugin plugin;
  PluginExports& fn = plugin.fn;
};

const float kPoint[3] = {2.0f, -15.0f, -1.0f};

TEST_F(FourSeatExportTest, SingleBandStartsAtOneKilohertzAndEqualsTheFullResponse) {
  StoreBoxes(6);
  ASSERT_EQ(0, fn.CI_SetSeatPosition3fv(kPoint));
  const Response full = Full();
  ASSERT_EQ(0, full.result);
  Single one = One();  // band 10 until CI_SetFR is called
  ASSERT_EQ(0, one.result);
  EXPECT_NEAR(full.level[10], one.level[10], 1e-3f);
  EXPECT_EQ(kUntouched, one.level[9]);
  EXPECT_EQ(0.0f, one.time);

  ASSERT_EQ(0, fn.CI_SetFR(14));
  one = One();
  EXPECT_NEAR(full.level[14], one.level[14], 1e-3f);
  EXPECT_EQ(full.time, one.time);
}

TEST_F(FourSeatExportTest, FourSeatsAtOnePointAndTheirDistances) {
  StoreBoxes(4);
  ASSERT_EQ(0, fn.CI_SetFR(19));
  ASSERT_EQ(0, fn.CI_Set4SeatPosition(kPoint, kPoint, kPoint, kPoint));
  const float angles[3] = {45.0f, 0.0f, 10.0f};
  ASSERT_EQ(0, fn.CI_Set4SeatAngles(angles, angles, angles, angles));
  float level4[84];
  ASSERT_EQ(0, All(level4));
  const Single one = One();
  for (int s = 0; s < 4; ++s) EXPECT_NEAR(one.level[19], level4[21 * s + 19], 1e-4f) << s;
  EXPECT_EQ(kUntouched, level4[20]);
  EXPECT_EQ(fn.CI_GetCompDistance(7), fn.CI_GetCompDist4pos(7, 3));
  EXPECT_EQ(-1.0f, fn.CI_GetCompDist4pos(7, 4));
}

TEST_F(FourSeatExportTest, BandOfTwentyOneIsRefusedWithErrorTwo) {
  StoreBoxes(14);
  ASSERT_EQ(0, fn.CI_SetSeatPosition3fv(kPoint));
  ASSERT_EQ(0, fn.CI_SetFR(21));
  Single refused;
  {
    MessageBoxAnswerer answerer;
    refused = One();
    EXPECT_TRUE(answerer.seen());
    EXPECT_EQ("Error 2", answerer.text());
    EXPECT_EQ("Brenlowe.dll", answerer.caption());
  }
  EXPECT_EQ(-1, refused.result);
  EXPECT_EQ(kUntouched, refused.time);
  for (float v : refused.level) EXPECT_EQ(kUntouched, v);

  // The four-seat evaluation refuses it without a message.
  float level4[84];
  EXPECT_EQ(-1, All(level4));
  EXPECT_EQ(kUntouched, level4[21 * 3]);
}

TEST_F(FourSeatExportTest, FifteenStoredBoxesStopTheHighGroupAtErrorOne) {
  StoreBoxes(15);
  ASSERT_EQ(0, fn.CI_SetSeatPosition3fv(kPoint));
  ASSERT_EQ(0, fn.CI_SetFR(17));
  MessageBoxAnswerer answerer;
  EXPECT_EQ(-1, One().result);
  EXPECT_TRUE(answerer.seen());
  EXPECT_EQ("Error 1", answerer.text());
}
}  // namespace
