// The application object's base: one per module, constructed by the module's static
// initialisation. Holds the application name; carries no window state of its own.
#pragma once

class CWinApp {
 public:
  explicit CWinApp(const char* appName);
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  const char* AppName() const { return appName_; }
  virtual bool InitInstance() { return true; }

 private:
  const char* appName_;
};

// The module's one application object, or null before it is constructed.
CWinApp* AfxGetApp();
