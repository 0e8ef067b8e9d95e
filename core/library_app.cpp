// The plug-in's application object: its constructor is the load-time set-up.
#include "load_setup.h"
#include "product_config.h"
#include "winapp.h"

class CLibraryApp : public CWinApp {
 public:
  CLibraryApp() : CWinApp(product::kAppName) { RunLoadTimeSetUp(); }
};

CLibraryApp theLibraryApp;
