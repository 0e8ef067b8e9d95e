// The dialog framework under a real dialog: data exchange in both directions with refusal of
// a non-number, lists from the template's RT_DLGINIT data, message-map routing (id ranges,
// private messages, reflected colours, scroll notifications with signed positions), the
// notification lock-out during data exchange, PreTranslateMessage in the modal loop, owners
// of nested dialogs and message boxes, and the module state.
#include "framework.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework_test_ids.h"
#include "ui_driver.h"

namespace {

const char kAppName[] = "FrameworkTests";
CWinApp testApp(kAppName);

constexpr UINT WM_APP_SUM = WM_APP + 5;

// An edit that picks its own colours from the reflected WM_CTLCOLOREDIT.
class CTintedEdit : public CEdit {
 public:
  CBrush brush{RGB(255, 255, 0)};

 protected:
  HBRUSH CtlColor(CDC* dc, UINT) {
    dc->SetBkColor(RGB(255, 255, 0));
    return brush;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTintedEdit, CEdit)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CFormDlg : public CDialog {
 public:
  explicit CFormDlg(bool nested = false) : CDialog(IDD_FORM), nested_(nested) {}

  float number = 0.7f;
  int count = 42;
  float second = 12.5f;
  int checked = 1;
  int radio = 1;
  int listIndex = 2;
  CTintedEdit tinted;
  CSpinButtonCtrl spin;

  BOOL applyResult = -1;
  std::vector<UINT> rowClicks;
  int floatChanges = 0;
  int f2Keys = 0;
  int scrollPos = 99;
  CWnd* scrollBar = nullptr;
  INT_PTR nestedResult = 0;

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    spin.SetRange(-5, 5);
    spin.SetPos(0);
    if (nested_) SetWindowText("Nested form");
    return TRUE;
  }
  BOOL PreTranslateMessage(MSG* msg) override {
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_F2) {
      ++f2Keys;
      return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
  }

 protected:
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Text(dx, IDC_FLOAT, number);
    DDX_Text(dx, IDC_INT, count);
    DDX_Text(dx, IDC_SECOND_FLOAT, second);
    DDX_Check(dx, IDC_CHECK, checked);
    DDX_Radio(dx, IDC_RADIO_FIRST, radio);
    DDX_CBIndex(dx, IDC_LIST, listIndex);
    DDX_Control(dx, IDC_TINTED, tinted);
    DDX_Control(dx, IDC_SPIN, spin);
  }
  void OnApply() { applyResult = UpdateData(TRUE); }
  void OnRow(UINT id) { rowClicks.push_back(id); }
  void OnFloatChange() { ++floatChanges; }
  LRESULT OnSum(WPARAM a, LPARAM b) { return static_cast<LRESULT>(a) + b; }
  void OnVScroll(UINT code, UINT pos, CWnd* bar) {
    if (code != SB_ENDSCROLL) {
      scrollPos = static_cast<int>(pos);
      scrollBar = bar;
    }
    CDialog::OnVScroll(code, pos, bar);
  }
  void OnNested() {
    CFormDlg inner(true);
    nestedResult = inner.DoModal();
  }
  DECLARE_MESSAGE_MAP()

 private:
  bool nested_;
};

BEGIN_MESSAGE_MAP(CFormDlg, CDialog)
ON_BN_CLICKED(IDC_APPLY, &CFormDlg::OnApply)
ON_BN_CLICKED(IDC_NESTED, &CFormDlg::OnNested)
ON_CONTROL_RANGE(BN_CLICKED, IDC_ROW_FIRST, IDC_ROW_LAST, &CFormDlg::OnRow)
ON_EN_CHANGE(IDC_FLOAT, &CFormDlg::OnFloatChange)
ON_MESSAGE(WM_APP_SUM, &CFormDlg::OnSum)
ON_WM_VSCROLL()
END_MESSAGE_MAP()

HWND Item(HWND dialog, int id) { return ::GetDlgItem(dialog, id); }

void TypeInto(UiDriver& ui, HWND dialog, int id, const std::string& text) {
  ui.ClickCentre(Item(dialog, id));
  ui.Retype(text);
}

// Runs the form with the script, which gets the dialog window; returns DoModal's result.
INT_PTR RunForm(CFormDlg& form, const std::function<void(UiDriver&, HWND)>& script) {
  INT_PTR result = 0;
  UiDriver::Run([&] { result = form.DoModal(); },
                [&](UiDriver& ui) {
                  HWND dialog = ui.WaitForWindow("Framework form");
                  if (dialog) script(ui, dialog);
                });
  return result;
}

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendBounded(hwnd, message, wParam, lParam);
}

TEST(FrameworkText, FloatsShowSixSignificantDigitsAndReadTheLeadingNumber) {
  EXPECT_EQ("0.7", FormatFloatText(0.7f));
  EXPECT_EQ("12.5", FormatFloatText(12.5f));
  EXPECT_EQ("100000", FormatFloatText(100000.0f));
  EXPECT_EQ("1.23457e+06", FormatFloatText(1234567.0f));
  EXPECT_EQ("1.86265e-09", FormatFloatText(1.86264515e-09f));
  EXPECT_EQ("-0.022", FormatFloatText(-0.022f));

  double value = 0;
  EXPECT_TRUE(ParseLeadingNumber("  -2.5abc", &value));
  EXPECT_EQ(-2.5, value);
  EXPECT_TRUE(ParseLeadingNumber(".5", &value));
  EXPECT_EQ(0.5, value);
  EXPECT_TRUE(ParseLeadingNumber("1e3x", &value));
  EXPECT_EQ(1000.0, value);
  EXPECT_TRUE(ParseLeadingNumber("7e", &value)) << "an exponent without digits is not part of the number";
  EXPECT_EQ(7.0, value);
  EXPECT_FALSE(ParseLeadingNumber("abc", &value));
  EXPECT_FALSE(ParseLeadingNumber("-", &value));
  EXPECT_FALSE(ParseLeadingNumber("", &value));
  EXPECT_FALSE(ParseLeadingNumber(" . 5", &value));

  long whole = 0;
  EXPECT_TRUE(ParseLeadingInteger(" 42z", &whole));
  EXPECT_EQ(42, whole);
  EXPECT_FALSE(ParseLeadingInteger("x1", &whole));
  EXPECT_FALSE(ParseLeadingInteger("99999999999", &whole)) << "beyond the int range";
}

TEST(FrameworkDialog, DataExchangeFillsTheControlsAndReadsThemBack) {
  CFormDlg form;
  INT_PTR result = RunForm(form, [&](UiDriver& ui, HWND dialog) {
    EXPECT_EQ("0.7", ui.Text(Item(dialog, IDC_FLOAT)));
    EXPECT_EQ("42", ui.Text(Item(dialog, IDC_INT)));
    EXPECT_EQ("12.5", ui.Text(Item(dialog, IDC_SECOND_FLOAT)));
    EXPECT_EQ(BST_CHECKED, Send(Item(dialog, IDC_CHECK), BM_GETCHECK));
    EXPECT_EQ(BST_CHECKED, Send(Item(dialog, IDC_RADIO_SECOND), BM_GETCHECK));
    EXPECT_EQ(BST_UNCHECKED, Send(Item(dialog, IDC_RADIO_FIRST), BM_GETCHECK));
    EXPECT_EQ(3, Send(Item(dialog, IDC_LIST), CB_GETCOUNT)) << "items from the template's init data";
    EXPECT_EQ(2, Send(Item(dialog, IDC_LIST), CB_GETCURSEL));
    EXPECT_EQ("gamma", ui.Text(Item(dialog, IDC_LIST)));
    EXPECT_EQ(0, form.floatChanges) << "texts written by the exchange notify nobody";

    TypeInto(ui, dialog, IDC_FLOAT, "2.5 dB");
    EXPECT_GT(form.floatChanges, 0) << "typing does";
    TypeInto(ui, dialog, IDC_INT, "-7");
    ui.ClickCentre(Item(dialog, IDC_CHECK));
    ui.ClickCentre(Item(dialog, IDC_RADIO_THIRD));
    ui.ClickCentre(Item(dialog, IDC_APPLY));
    EXPECT_EQ(TRUE, form.applyResult);
    ui.OnUi([&] {
      EXPECT_EQ(2.5f, form.number);
      EXPECT_EQ(-7, form.count);
      EXPECT_EQ(0, form.checked);
      EXPECT_EQ(2, form.radio);
      EXPECT_EQ(2, form.listIndex);
    });
    ui.Press(VK_RETURN);  // the default button
  });
  EXPECT_EQ(IDOK, result);
  EXPECT_EQ(2.5f, form.number);
}

TEST(FrameworkDialog, ANonNumberIsRefusedWithAMessageAndTheFocusGoesBack) {
  CFormDlg form;
  INT_PTR result = RunForm(form, [&](UiDriver& ui, HWND dialog) {
    TypeInto(ui, dialog, IDC_FLOAT, "9");
    TypeInto(ui, dialog, IDC_SECOND_FLOAT, "abc");
    ui.ClickCentre(Item(dialog, IDC_CHECK));
    ui.ClickCentre(Item(dialog, IDC_APPLY));
    MessageBoxSeen box = ui.WaitForMessageBox();
    EXPECT_EQ("Please enter a number.", box.text);
    EXPECT_EQ(kAppName, box.caption);
    EXPECT_EQ(dialog, ::GetWindow(box.hwnd, GW_OWNER)) << "the box belongs to the active dialog";
    ui.Answer(box);
    EXPECT_EQ(FALSE, form.applyResult);
    EXPECT_EQ(Item(dialog, IDC_SECOND_FLOAT), ui.Focus());
    DWORD start = 1, end = 0;
    ui.OnUi([&] {
      Send(Item(dialog, IDC_SECOND_FLOAT), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
           reinterpret_cast<LPARAM>(&end));
    });
    EXPECT_EQ(0u, start);
    EXPECT_EQ(3u, end) << "the whole text is selected";
    ui.OnUi([&] {
      EXPECT_EQ(9.0f, form.number) << "members before the refused one are read";
      EXPECT_EQ(12.5f, form.second);
      EXPECT_EQ(1, form.checked) << "members after it keep their values";
    });

    ui.Press(VK_RETURN);  // OK refuses as well and the dialog stays
    EXPECT_EQ((std::vector<std::string>{"Please enter a number."}), ui.AnswerAllMessageBoxes());
    EXPECT_TRUE(::IsWindowVisible(dialog));
    ui.Retype("1e999");
    ui.ClickCentre(Item(dialog, IDC_APPLY));
    EXPECT_EQ((std::vector<std::string>{"Please enter a number."}), ui.AnswerAllMessageBoxes())
        << "a number beyond the float range";
    TypeInto(ui, dialog, IDC_INT, "x");
    TypeInto(ui, dialog, IDC_SECOND_FLOAT, "3");
    ui.ClickCentre(Item(dialog, IDC_APPLY));
    EXPECT_EQ((std::vector<std::string>{"Please enter an integer."}), ui.AnswerAllMessageBoxes());
    EXPECT_EQ(Item(dialog, IDC_INT), ui.Focus());
    ui.Retype("5");
    ui.ClickCentre(Item(dialog, IDOK));
  });
  EXPECT_EQ(IDOK, result);
  EXPECT_EQ(3.0f, form.second);
  EXPECT_EQ(5, form.count);
  EXPECT_EQ(0, form.checked);
}

TEST(FrameworkDialog, MessageMapsRouteRangesPrivateMessagesScrollsAndReflectedColours) {
  CFormDlg form;
  RunForm(form, [&](UiDriver& ui, HWND dialog) {
    ui.ClickCentre(Item(dialog, IDC_ROW_FIRST + 1));
    ui.ClickCentre(Item(dialog, IDC_ROW_LAST));
    EXPECT_EQ((std::vector<UINT>{IDC_ROW_FIRST + 1, IDC_ROW_LAST}), form.rowClicks);
    EXPECT_EQ(5, Send(dialog, WM_APP_SUM, 2, 3));
    EXPECT_EQ(RGB(255, 255, 0), ui.Pixel(Item(dialog, IDC_TINTED), 2, 2)) << "the edit coloured itself";

    RECT arrows{};
    ::GetClientRect(Item(dialog, IDC_SPIN), &arrows);
    ui.Click(Item(dialog, IDC_SPIN), POINT{arrows.right / 2, arrows.bottom - 2});  // the down arrow
    EXPECT_EQ(-1, form.scrollPos) << "the position arrives with its sign";
    EXPECT_EQ(&form.spin, form.scrollBar) << "the control's own object";

    ui.ClickCentre(Item(dialog, IDC_FLOAT));
    ui.Press(VK_F2);
    EXPECT_EQ(1, form.f2Keys) << "PreTranslateMessage sees the key first";
    ui.Press(VK_ESCAPE);
  });
}

TEST(FrameworkDialog, ANestedDialogIsOwnedByTheOuterOneWhichWaitsDisabled) {
  CFormDlg form;
  INT_PTR result = RunForm(form, [&](UiDriver& ui, HWND outer) {
    ui.ClickCentre(Item(outer, IDC_NESTED));
    HWND inner = ui.WaitForWindow("Nested form");
    ASSERT_TRUE(inner);
    EXPECT_EQ(outer, ::GetWindow(inner, GW_OWNER));
    EXPECT_FALSE(::IsWindowEnabled(outer));
    ui.ClickCentre(Item(inner, IDCANCEL));
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(inner); }));
    EXPECT_TRUE(::IsWindowEnabled(outer));
    EXPECT_EQ(outer, ui.ActiveWindow()) << "the outer dialog is active again";
    EXPECT_EQ(IDCANCEL, form.nestedResult);
    ui.ClickCentre(Item(outer, IDCANCEL));
  });
  EXPECT_EQ(IDCANCEL, result);
}

TEST(FrameworkModule, ResourcesComeFromTheOwnModuleAndStateScopesRestore) {
  EXPECT_EQ(::GetModuleHandleA(nullptr), AfxGetInstanceHandle());
  EXPECT_EQ(::GetModuleHandleA(nullptr), AfxGetResourceHandle());
  AFX_MODULE_STATE elsewhere{nullptr, reinterpret_cast<HINSTANCE>(0x1234)};
  {
    AFX_MAINTAIN_STATE2 scope(&elsewhere);
    EXPECT_EQ(&elsewhere, AfxGetModuleState());
    EXPECT_EQ(reinterpret_cast<HINSTANCE>(0x1234), AfxGetResourceHandle());
    {
      AFX_MAINTAIN_STATE2 own(AfxGetStaticModuleState());
      EXPECT_EQ(::GetModuleHandleA(nullptr), AfxGetResourceHandle());
    }
    EXPECT_EQ(&elsewhere, AfxGetModuleState());
  }
  EXPECT_EQ(AfxGetStaticModuleState(), AfxGetModuleState());

  CDialog missing(IDD_MISSING);
  EXPECT_EQ(-1, missing.DoModal()) << "no such template";
}

}  // namespace
