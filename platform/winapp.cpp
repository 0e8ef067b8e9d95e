#include "winapp.h"

namespace {
CWinApp* theApp = nullptr;
}

CWinApp::CWinApp(const char* appName) : appName_(appName) { theApp = this; }

CWinApp::~CWinApp() {
  if (theApp == this) theApp = nullptr;
}

CWinApp* AfxGetApp() { return theApp; }
