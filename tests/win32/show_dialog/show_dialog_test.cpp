// The host's call into the design dialog, through the real DLL: the ways the dialog ends and
// what each leaves in the slot, and the host calling in again while the dialog is open.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "design_data.h"
#include "host_road.h"
#include "plugin_fixture.h"
#include "ui_driver.h"

#if defined(SHOW_DIALOG_PRODUCT_tarnwick)
#include "design_resource.h"
#else
#include "design_control_ids.h"
#endif

namespace {

struct Product {
  const char* dll;
  const char* caption;
  int words;
  char tag[4];
  int boxCount;   // of the design under test
  int enterEdit;  // an edit in which Enter reaches the dialog's OK
  int okButton;
  const char* typedThreeShows;  // how the host stand-in prints a 3 typed into enterEdit
};

#if defined(SHOW_DIALOG_PRODUCT_tarnwick)
// Enter in an angle edit moves to the next one; in the gain/delay column it is the dialog's OK.
// Its OK button is a plain button of its own id.
constexpr Product kProduct = {"Tarnwick.dll", "Kestrane Orlex-Tarnwick", 518, "Tnk", 4, IDC_COLUMN_EDIT_FIRST,
                             IDC_DESIGN_OK, "box 1: model Orlex-R7, gain 3.0 dB,"};
#elif defined(SHOW_DIALOG_PRODUCT_brenlowe)
constexpr Product kProduct = {"Brenlowe.dll", "Kestrane Bwl", 264, "Bwl", 4, IDC_ATTENUATION_EDIT0 + 1, IDOK,
                             "box 1: model BW-11H, attenuation 3.0 dB,"};
#else
constexpr Product kProduct = {"Pirrowan.dll", "Kestrane Prw", 264, "Prw", 4, IDC_OVERALL_AIMING_EDIT, IDOK,
                             "box, aiming 3.0 degrees,"};
#endif

using Block = std::vector<int32_t>;

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The road of the host stand-in in this process, printed into a string.
int WalkRoadInto(LoadedPlugin& plugin, const RoadOptions& options, std::string& printed) {
  std::FILE* sink = std::tmpfile();
  if (!sink) return -1;
  const int failures = WalkHostRoad(plugin, options, sink);
  std::rewind(sink);
  char chunk[4096];
  for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, sink)) > 0;) printed.append(chunk, n);
  std::fclose(sink);
  return failures;
}

// Runs host_standin.exe beside this program with the given arguments, its output into a file;
// the exit code, or -1 when it did not start or end.
int RunStandIn(const std::string& arguments, const std::string& outputFile) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE output = ::CreateFileA(outputFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  if (output == INVALID_HANDLE_VALUE) return -1;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = output;
  startup.hStdError = output;
  PROCESS_INFORMATION process{};
  std::string command = "\"" + BesideThisProgram("host_standin.exe") + "\" " + arguments;
  DWORD code = static_cast<DWORD>(-1);
  if (::CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
    if (::WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0) ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
  }
  ::CloseHandle(output);
  return static_cast<int>(code);
}

class ShowDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(plugin.Load(BesideThisProgram(kProduct.dll))) << plugin.loadError;
    ASSERT_TRUE(fn.IP_ShowDialog);
    first = NewInstance(0);
  }
  void TearDown() override { plugin.Unload(); }

  // A new current instance holding a small design; variant tells designs apart.
  int NewInstance(int variant) {
    const int id = fn.CI_GetFreeID();
    EXPECT_EQ(0, fn.CI_MakeCurrent(id));
    Block block(kProduct.words, 0);
    block[design::kBoxCount] = kProduct.boxCount;
    block[design::kExcessAir] = 0;
#if defined(SHOW_DIALOG_PRODUCT_tarnwick)
    for (int b = 0; b < 24; ++b) block[design::kJunctionCode + b] = -1;
    block[design::kGain + 1] = 10 * variant;
#else
    block[design::kAttenuation + 1] = 10 * variant;
#endif
    Store(block);
    return id;
  }
  void Store(Block block) {
    block[0] = kProduct.words;
    std::memcpy(&block[1], kProduct.tag, 4);
    uint32_t sum = 0;
    for (int w = 2; w < kProduct.words - 1; ++w) sum += static_cast<uint32_t>(block[w]);
    block[kProduct.words - 1] = static_cast<int32_t>(sum);
    ASSERT_EQ(0, fn.IP_SetValue(1, block.data()));
  }
  // The current instance's block as the host reads it (checksum refreshed).
  Block Read() {
    Block block(kProduct.words, 0);
    block[0] = kProduct.words;
    EXPECT_EQ(0, fn.IP_GetValue(1, block.data()));
    return block;
  }
  Block ReadInstance(int id) {
    EXPECT_EQ(0, fn.CI_MakeCurrent(id));
    return Read();
  }
  // The module's directivity index, band by band (every plug-in answers this one; needs a
  // current instance).
  std::vector<float> DirectivityIndex() {
    std::vector<float> index(21, -1.0f);
    for (int band = 1; band <= 21; ++band) EXPECT_EQ(0, fn.CI_GetCompDirectivity(0, band, &index[band - 1]));
    return index;
  }

  // Opens the dialog through the host's call; script drives it. Returns the call's result.
  int Show(const std::function<void(UiDriver&, HWND)>& script) {
    int result = -100;
    UiDriver::Run([&] { result = fn.IP_ShowDialog(1); },
                  [&](UiDriver& ui) {
                    HWND dialog = ui.WaitForWindow(kProduct.caption);
                    if (dialog) script(ui, dialog);
                  });
    return result;
  }
  // The dialog has gone, with no message box on the way.
  static bool Closed(UiDriver& ui, HWND dialog) {
    if (WaitUntil([&] { return !::IsWindow(dialog); })) return true;
    for (const std::string& text : ui.AnswerAllMessageBoxes()) ADD_FAILURE() << "message box: " << text;
    return false;
  }
  static void ToggleExcessAir(UiDriver& ui, HWND dialog) {
    ui.ClickCentre(::GetDlgItem(dialog, IDC_EXCESS_AIR));
    ui.Sync();
  }

  LoadedPlugin plugin;
  PluginExports& fn = plugin.fn;
  int first = 0;
};

TEST_F(ShowDialogTest, EnterInAnEditEndsWithOkAndStoresTheExcessAirToggle) {
  const Block before = Read();
  const std::vector<float> indexBefore = DirectivityIndex();
  EXPECT_EQ(0, Show([&](UiDriver& ui, HWND dialog) {
    ToggleExcessAir(ui, dialog);
    EXPECT_EQ(BST_CHECKED, SendBounded(::GetDlgItem(dialog, IDC_EXCESS_AIR), BM_GETCHECK));
    ui.ClickCentre(::GetDlgItem(dialog, kProduct.enterEdit));
    ui.Press(VK_RETURN);
    EXPECT_TRUE(Closed(ui, dialog)) << "Enter did not end the dialog";
  }));
  const Block after = Read();
  EXPECT_EQ(1, after[design::kExcessAir]);
  EXPECT_EQ(before[design::kBoxCount], after[design::kBoxCount]);
  EXPECT_NE(indexBefore, DirectivityIndex()) << "OK recomputes the directivity index";

  // Unticked again and accepted with the OK button.
  EXPECT_EQ(0, Show([&](UiDriver& ui, HWND dialog) {
    ToggleExcessAir(ui, dialog);
    ui.ClickCentre(::GetDlgItem(dialog, kProduct.okButton));
    EXPECT_TRUE(Closed(ui, dialog));
  }));
  EXPECT_EQ(0, Read()[design::kExcessAir]);
}

TEST_F(ShowDialogTest, EscapeAndTheCloseBoxPutTheBlockBackWordForWord) {
  const Block before = Read();
  const std::vector<float> indexBefore = DirectivityIndex();
  auto changeThenEnd = [&](const char* how, const std::function<void(UiDriver&, HWND)>& end) {
    SCOPED_TRACE(how);
    EXPECT_EQ(0, Show([&](UiDriver& ui, HWND dialog) {
      ToggleExcessAir(ui, dialog);
      ui.ClickCentre(::GetDlgItem(dialog, kProduct.enterEdit));
      ui.Retype("3");
      end(ui, dialog);
      EXPECT_TRUE(Closed(ui, dialog));
    }));
    EXPECT_EQ(before, Read());
    EXPECT_EQ(indexBefore, DirectivityIndex());
  };
  changeThenEnd("Escape", [](UiDriver& ui, HWND) { ui.Press(VK_ESCAPE); });
  // The close box. Without a window manager the frame's own mouse tracking does not finish a
  // click made through the input queue here, so the test sends what a finished click sends.
  changeThenEnd("close box", [](UiDriver& ui, HWND dialog) {
    ::PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    ui.Sync();
  });
}

TEST_F(ShowDialogTest, ASecondCallFromInsideTheDialogIsRefusedAndTouchesNothing) {
  const int second = NewInstance(3);
  const Block secondBefore = Read();
  const Block firstBefore = ReadInstance(first);
  const std::vector<float> indexBefore = DirectivityIndex();

  // Cancel after the refused call: both instances as they were.
  EXPECT_EQ(0, Show([&](UiDriver& ui, HWND dialog) {
    ToggleExcessAir(ui, dialog);
    int nested = -100;
    ui.OnUi([&] {
      fn.CI_MakeCurrent(second);
      nested = fn.IP_ShowDialog(1);
    });
    EXPECT_EQ(-1, nested);
    EXPECT_EQ(-1, [&] {
      int again = -100;
      ui.OnUi([&] { again = fn.IP_ShowDialog(1); });
      return again;
    }());
    ui.ClickCentre(::GetDlgItem(dialog, IDCANCEL));
    EXPECT_TRUE(Closed(ui, dialog));
  }));
  EXPECT_EQ(secondBefore, Read()) << "the host's current instance stays the one it chose";
  EXPECT_EQ(firstBefore, ReadInstance(first));
  EXPECT_EQ(indexBefore, DirectivityIndex());

  // OK while another instance is current: the design goes to the instance the dialog opened on.
  ASSERT_EQ(0, fn.CI_MakeCurrent(first));
  EXPECT_EQ(0, Show([&](UiDriver& ui, HWND dialog) {
    ToggleExcessAir(ui, dialog);
    ui.OnUi([&] { fn.CI_MakeCurrent(second); });
    ui.ClickCentre(::GetDlgItem(dialog, kProduct.okButton));
    EXPECT_TRUE(Closed(ui, dialog));
  }));
  EXPECT_EQ(secondBefore, Read()) << "the current instance after the call is the host's choice";
  const Block firstAfter = ReadInstance(first);
  EXPECT_EQ(1, firstAfter[design::kExcessAir]);
  EXPECT_NE(indexBefore, DirectivityIndex());
  // After the dialog a new one opens normally.
  EXPECT_EQ(0, Show([&](UiDriver& ui, HWND dialog) {
    ui.Press(VK_ESCAPE);
    EXPECT_TRUE(Closed(ui, dialog));
  }));
  EXPECT_EQ(firstAfter, ReadInstance(first));
}

TEST_F(ShowDialogTest, AnInstanceReleasedWhileTheDialogIsOpenIsNotWritten) {
  EXPECT_EQ(0, Show([&](UiDriver& ui, HWND dialog) {
    ToggleExcessAir(ui, dialog);
    ui.OnUi([&] {
      fn.CI_Release();
      // The record is handed out again to a new instance before the dialog ends.
      fn.CI_MakeCurrent(fn.CI_GetFreeID());
    });
    ui.ClickCentre(::GetDlgItem(dialog, kProduct.okButton));
    EXPECT_TRUE(Closed(ui, dialog));
  }));
  const Block fresh = Read();
  EXPECT_EQ(0, fresh[design::kBoxCount]) << "the new instance starts empty";
  EXPECT_EQ(0, fresh[design::kExcessAir]);
}

// The host stand-in's --dialog and --save, as a person uses them: the road opens the dialog on
// its slot, what the user typed and confirmed is printed and saved, and the saved block comes
// back word for word through --design of the real program.
TEST_F(ShowDialogTest, TheHostStandInPrintsAndSavesWhatTheDialogLeft) {
  const std::string prefix = BesideThisProgram("show_dialog_") + kProduct.tag;
  const std::string saved = prefix + "_saved.bin", again = prefix + "_saved_again.bin";
  RoadOptions options;
  options.showDialog = true;
  options.saveFile = saved;
  ASSERT_EQ(0, fn.CI_Release());  // the road starts as the host does, with no current slot
  std::string printed;
  int failures = -1;
  UiDriver::Run([&] { failures = WalkRoadInto(plugin, options, printed); },
                [&](UiDriver& ui) {
                  HWND dialog = ui.WaitForWindow(kProduct.caption);
                  if (!dialog) return;
                  ui.ClickCentre(::GetDlgItem(dialog, kProduct.enterEdit));
                  ui.Retype("3");
                  ui.Press(VK_RETURN);
                  EXPECT_TRUE(Closed(ui, dialog));
                });
  EXPECT_EQ(0, failures) << printed;
  EXPECT_NE(std::string::npos, printed.find("closed (result 0), design changed")) << printed;
  EXPECT_NE(std::string::npos, printed.find(kProduct.typedThreeShows)) << printed;
  const std::string block = FileText(saved);
  ASSERT_EQ(kProduct.words * sizeof(int32_t), block.size());
  EXPECT_EQ(0, std::memcmp(block.data() + 4, kProduct.tag, 4));

  const std::string reply = prefix + "_standin.txt";
  EXPECT_EQ(0, RunStandIn(std::string(kProduct.dll) + " --design \"" + saved + "\" --save \"" + again + "\"", reply));
  const std::string replayed = FileText(reply);
  EXPECT_NE(std::string::npos, replayed.find("restored design from")) << replayed;
  EXPECT_NE(std::string::npos, replayed.find(kProduct.typedThreeShows)) << replayed;
  EXPECT_TRUE(block == FileText(again)) << "the block saved after --design differs from the one restored";
}

}  // namespace
