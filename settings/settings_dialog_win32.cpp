// The settings dialog's controls: filled from the model when it opens, read
// back into it on OK. The decisions are the model's.
#include "settings/settings_dialog_win32.h"

#include <commctrl.h>

#include <cstring>
#include <string>

#include "device/device_d3d8_win32.h"
#include "settings/settings.h"
#include "resources/settings_dialog_ids.h"
#include "settings/settings_dialog_model.h"
#include "settings/settings_store.h"

namespace sorvane {

namespace {

struct DialogSession {
  const SettingsDialogSetup& setup;
  SettingsDialogModel model;
};

LRESULT Send(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendDlgItemMessageW(dialog, id, message, wParam, lParam);
}

void AddItem(HWND dialog, int id, const char* label) {
  std::wstring text(label, label + std::strlen(label));
  Send(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Check(HWND dialog, int id, bool on) { CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void SetTrackbar(HWND dialog, int id, int low, int high, int position) {
  Send(dialog, id, TBM_SETRANGEMIN, TRUE, low);
  Send(dialog, id, TBM_SETRANGEMAX, TRUE, high);
  Send(dialog, id, TBM_SETPOS, TRUE, position);
}
int32_t Position(HWND dialog, int id) { return static_cast<int32_t>(Send(dialog, id, TBM_GETPOS)); }

void EnableResolutionList(HWND dialog) {
  DialogControls c;
  c.useDesktopSettings = Checked(dialog, IDC_USE_DESKTOP);
  EnableWindow(GetDlgItem(dialog, IDC_RESOLUTION), c.ResolutionEnabled());
}

void OpenDialog(HWND dialog, DialogSession& session) {
  DialogSettings stored =
      ReadDialogSettings([](const char* name, int32_t fallback) { return ReadSettingInt(kSettingsSection, name, fallback); });
  void* entry = session.setup.direct3DCreate8;
  DialogControls c = session.model.Open(stored, OfferedAntialiasing(entry ? CreateRuntimeDirect3D(entry) : nullptr));

  for (const char* name : kResolutionNames) AddItem(dialog, IDC_RESOLUTION, name);
  Send(dialog, IDC_RESOLUTION, CB_SETCURSEL, static_cast<WPARAM>(c.resolution));
  for (const AntialiasingChoice& choice : session.model.offered()) AddItem(dialog, IDC_ANTIALIASING, choice.label);
  Send(dialog, IDC_ANTIALIASING, CB_SETCURSEL, static_cast<WPARAM>(c.antialiasing));

  Check(dialog, IDC_USE_DESKTOP, c.useDesktopSettings);
  Check(dialog, IDC_EXIT_ON_MOUSE, c.exitOnMouse);
  Check(dialog, IDC_WIDE_SCREEN, c.wideScreen);
  for (int scheme = 0; scheme < kColourSchemeCount; ++scheme)
    Check(dialog, kColourSchemeButtons[scheme], scheme == c.colourScheme);
  Check(dialog, IDC_PLAY_MUSIC, c.playMusic);
  Check(dialog, IDC_PLAY_SOUNDS, c.playSounds);

  SetTrackbar(dialog, IDC_SPEED, kSpeedMin, kSpeedMax, c.speed);
  SetTrackbar(dialog, IDC_DETAIL_FISH, kDetailMin, kDetailMax, c.fish);
  SetTrackbar(dialog, IDC_DETAIL_RUINS, kDetailMin, kDetailMax, c.ruins);
  SetTrackbar(dialog, IDC_DETAIL_PLANTS, kDetailMin, kDetailMax, c.plants);
  SetTrackbar(dialog, IDC_VOLUME, kVolumeMin, kVolumeMax, c.volume);
  EnableResolutionList(dialog);

  RECT frame;
  GetWindowRect(dialog, &frame);
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  DialogPlacement p = PlaceSettingsDialog(frame.right - frame.left, frame.bottom - frame.top,
                                          GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), dpi);
  MoveWindow(dialog, p.x, p.y, p.width, p.height, TRUE);

  // Shown only now, complete and in place: Direct3D may take seconds to answer,
  // and focus given before the resolution list is disabled would be lost with
  // it, leaving Return and Esc dead.
  SetForegroundWindow(dialog);
  ShowWindow(dialog, SW_SHOWDEFAULT);
  SetFocus(dialog);
}

// Music, sounds and the colour scheme are the model's held values, not read here.
DialogControls ReadControls(HWND dialog) {
  DialogControls c;
  c.resolution = static_cast<int32_t>(Send(dialog, IDC_RESOLUTION, CB_GETCURSEL));
  c.antialiasing = static_cast<int32_t>(Send(dialog, IDC_ANTIALIASING, CB_GETCURSEL));
  c.useDesktopSettings = Checked(dialog, IDC_USE_DESKTOP);
  c.wideScreen = Checked(dialog, IDC_WIDE_SCREEN);
  c.exitOnMouse = Checked(dialog, IDC_EXIT_ON_MOUSE);
  c.speed = Position(dialog, IDC_SPEED);
  c.fish = Position(dialog, IDC_DETAIL_FISH);
  c.ruins = Position(dialog, IDC_DETAIL_RUINS);
  c.plants = Position(dialog, IDC_DETAIL_PLANTS);
  c.volume = Position(dialog, IDC_VOLUME);
  return c;
}

void Command(HWND dialog, DialogSession& session, int id) {
  switch (id) {
    case IDC_USE_DESKTOP:
      EnableResolutionList(dialog);
      break;
    case IDC_OK:
      WriteDialogSettings(session.model.Store(ReadControls(dialog)),
                          [](const char* name, int32_t value) { WriteSettingInt(kSettingsSection, name, value); });
      EndDialog(dialog, IDC_OK);
      break;
    case IDC_CANCEL:
    case IDCANCEL:
      EndDialog(dialog, id);
      break;
    case IDC_HOME_PAGE:
      if (session.setup.openLink) session.setup.openLink(HomePage(session.setup.cyrillicLocale));
      EndDialog(dialog, 0);
      break;
    case IDC_PLAY_MUSIC:
      session.model.TogglePlayMusic();
      break;
    case IDC_PLAY_SOUNDS:
      session.model.TogglePlaySound();
      break;
    default:
      if (int32_t scheme = ColourSchemeOfButton(id); scheme >= 0) {
        for (int button : kColourSchemeButtons)
          if (button != id) Check(dialog, button, false);
        session.model.ChooseColourScheme(scheme);
      }
      break;
  }
}

// Answers 0 to every message, handled or not, so the dialog manager's defaults
// (focus, Return, Esc) stay in force.
INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, lParam);
  auto* session = reinterpret_cast<DialogSession*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (!session) return 0;
  if (message == WM_INITDIALOG) OpenDialog(dialog, *session);
  if (message == WM_COMMAND) Command(dialog, *session, LOWORD(wParam));
  return 0;
}

}  // namespace

INT_PTR RunSettingsDialog(const SettingsDialogSetup& setup) {
  // Windows registers the trackbar class only on request; without it the
  // dialog would fail to open.
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  DialogSession session{setup, {}};
  // The W call keeps the Russian texts right whatever the system's code page.
  int id = setup.cyrillicLocale ? IDD_SETTINGS_RUSSIAN : IDD_SETTINGS_ENGLISH;
  return DialogBoxParamW(setup.instance, MAKEINTRESOURCEW(id), nullptr, SettingsDialogProc,
                         reinterpret_cast<LPARAM>(&session));
}

}  // namespace sorvane
