// Everything the plug-in computes once when it is loaded.
#pragma once

// Runs the load-time set-up: maximum-level tables, air state and absorption, slot reset, record
// 1's default design, split gains, grid steps and band-edge factors. The application object's
// constructor calls it; tests call it again to start from a freshly loaded module.
void RunLoadTimeSetUp();
