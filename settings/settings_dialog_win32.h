// The settings dialog on Windows: one of the module's two templates, its
// controls filled from the stored settings, and the settings stored on OK.
#pragma once
#include <windows.h>

namespace sorvane {

struct SettingsDialogSetup {
  HINSTANCE instance = nullptr;
  // Picks the Russian template and home page.
  bool cyrillicLocale = false;
  // The runtime's Direct3DCreate8 entry; without one only "None" is offered.
  void* direct3DCreate8 = nullptr;
  // Opens the home page.
  void (*openLink)(const char* text) = nullptr;
};

// Shows the modal dialog. Returns how it ended: the id of OK or Cancel, 2 for
// Esc and the close box, 0 for the home page, -1 when it could not be shown.
INT_PTR RunSettingsDialog(const SettingsDialogSetup& setup);

}  // namespace sorvane
