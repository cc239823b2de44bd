// The settings dialog in this process (which carries the module's resources),
// driven from a second thread the way a user would: clicks, list choices,
// slider moves, Esc and the close box.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "settings/settings.h"
#include "resources/settings_dialog_ids.h"
#include "settings/settings_dialog_model.h"
#include "settings/settings_dialog_win32.h"
#include "settings/settings_store.h"
#include "shell/saver_win32.h"

namespace sorvane {

namespace {

const wchar_t* const kEnglishTitle = L"Sorvane v2.9.94 configuration";
const wchar_t* const kRussianTitle = L"Sorvane v2.9.94 настройки";

std::string openedLink;
void RecordLink(const char* text) { openedLink = text; }

void DeleteSettings() { RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Quorvel Interactive\\Sorvane\\Settings"); }
bool SettingsKeyExists() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Quorvel Interactive\\Sorvane\\Settings", 0, KEY_READ, &key))
    return false;
  RegCloseKey(key);
  return true;
}

std::wstring Text(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// Shows the dialog on this thread while `drive` works it from another, once it
// is on screen. A dialog `drive` leaves open is cancelled.
INT_PTR RunDriven(bool cyrillic, const std::function<void(HWND)>& drive) {
  DWORD dialogThread = GetCurrentThreadId();
  std::thread driver([&] {
    HWND dialog = nullptr;
    for (int i = 0; i < 600 && !dialog; ++i) {
      EnumThreadWindows(dialogThread, FindDialog, reinterpret_cast<LPARAM>(&dialog));
      if (!dialog) Sleep(100);
    }
    if (!dialog) {
      ADD_FAILURE() << "the dialog did not appear";
      return;
    }
    EXPECT_EQ(Text(dialog), cyrillic ? kRussianTitle : kEnglishTitle);
    drive(dialog);
    if (IsWindow(dialog)) PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  LoadDirect3D();
  SettingsDialogSetup setup;
  setup.instance = GetModuleHandleW(nullptr);
  setup.cyrillicLocale = cyrillic;
  setup.direct3DCreate8 = Direct3DCreateEntry();
  setup.openLink = RecordLink;
  INT_PTR result = RunSettingsDialog(setup);
  driver.join();
  return result;
}

LRESULT Send(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendDlgItemMessageW(dialog, id, message, wParam, lParam);
}
void Click(HWND dialog, int id) { Send(dialog, id, BM_CLICK); }
bool Checked(HWND dialog, int id) { return Send(dialog, id, BM_GETCHECK) == BST_CHECKED; }
int Position(HWND dialog, int id) { return static_cast<int>(Send(dialog, id, TBM_GETPOS)); }


std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::vector<std::wstring> Items(HWND dialog, int id) {
  std::vector<std::wstring> items;
  for (LRESULT i = 0, n = Send(dialog, id, CB_GETCOUNT); i < n; ++i) {
    wchar_t text[64] = {};
    Send(dialog, id, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    items.push_back(text);
  }
  return items;
}

using Texts = std::vector<std::pair<int, const wchar_t*>>;

// Every control is there, of its kind, with its text.
void ExpectControls(HWND dialog, const Texts& texts) {
  for (auto [id, text] : texts) {
    HWND control = GetDlgItem(dialog, id);
    ASSERT_NE(control, nullptr) << id;
    EXPECT_EQ(ClassOf(control), L"Button") << id;
    EXPECT_EQ(Text(control), text) << id;
  }
  for (int id : {IDC_RESOLUTION, IDC_ANTIALIASING}) EXPECT_EQ(ClassOf(GetDlgItem(dialog, id)), L"ComboBox") << id;
  for (int id : {IDC_VOLUME, IDC_DETAIL_FISH, IDC_DETAIL_RUINS, IDC_DETAIL_PLANTS, IDC_SPEED})
    EXPECT_EQ(ClassOf(GetDlgItem(dialog, id)), L"msctls_trackbar32") << id;

  EXPECT_EQ(Items(dialog, IDC_RESOLUTION),
            (std::vector<std::wstring>{L"640x480", L"800x600", L"1024x768", L"1280x1024", L"1600x1200"}));
  std::vector<std::wstring> modes = Items(dialog, IDC_ANTIALIASING);
  ASSERT_FALSE(modes.empty());
  EXPECT_EQ(modes[0], L"None");
  for (size_t i = 1; i < modes.size(); ++i) EXPECT_TRUE(modes[i] == L"2 Samples" || modes[i] == L"4 Samples");

  for (int id : {IDC_VOLUME, IDC_DETAIL_FISH, IDC_SPEED})
    EXPECT_TRUE(GetWindowLongW(GetDlgItem(dialog, id), GWL_STYLE) & TBS_NOTICKS) << id;
  EXPECT_EQ(Send(dialog, IDC_SPEED, TBM_GETRANGEMIN), 1);
  EXPECT_EQ(Send(dialog, IDC_SPEED, TBM_GETRANGEMAX), 4);
  EXPECT_EQ(Send(dialog, IDC_VOLUME, TBM_GETRANGEMIN), 0);
  EXPECT_EQ(Send(dialog, IDC_VOLUME, TBM_GETRANGEMAX), 100);

  LOGFONTW font = {};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_STREQ(font.lfFaceName, L"MS Sans Serif");

  // The template's empty lower part is cut off: 128 pixels at 96 DPI.
  RECT full = {0, 0, 361, 286};
  MapDialogRect(dialog, &full);
  RECT client;
  GetClientRect(dialog, &client);
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(client.bottom, full.bottom - 128 * dpi / 96);
}

int StoredAntialiasing(const std::wstring& label) {
  if (label == L"2 Samples") return 1;
  if (label == L"4 Samples") return 2;
  return 0;
}

}  // namespace

TEST(SettingsDialog, EnglishOpensOnTheStoredSettingsAndOkStoresEveryValue) {
  DeleteSettings();
  const std::pair<const char*, int> seeded[] = {
      {setting::Resolution, 3}, {setting::ChangeResolution, 1}, {setting::Antialiasing, 0},
      {setting::WideScreen, 1}, {setting::ExitOnMouse, 0},      {setting::DetailLevelFish, 3},
      {setting::DetailLevelPlant, 1}, {setting::DetailLevelWreck, 4}, {setting::CamSpeed, 0},
      {setting::PlayMusic, 1}, {setting::PlaySound, 0},        {setting::Volume, 70},
      {setting::ColorScheme, 2}};
  for (auto [name, value] : seeded) WriteSettingInt(kSettingsSection, name, value);

  std::wstring lastMode;
  INT_PTR result = RunDriven(false, [&](HWND d) {
    ExpectControls(d, {{IDC_OK, L"OK"},
                       {IDC_CANCEL, L"Cancel"},
                       {IDC_HOME_PAGE, L"Home page"},
                       {IDC_USE_DESKTOP, L"Use desktop settings"},
                       {IDC_WIDE_SCREEN, L"Wide screen (16:9)"},
                       {IDC_EXIT_ON_MOUSE, L"Exit on mouse move"},
                       {IDC_PLAY_MUSIC, L"Play music"},
                       {IDC_PLAY_SOUNDS, L"Play sounds"},
                       {IDC_SCHEME_TROPIC, L"Tropic"},
                       {IDC_SCHEME_BLUE, L"Blue"},
                       {IDC_SCHEME_DEEP_BLUE, L"Deep blue"},
                       {IDC_SCHEME_RANDOM, L"Random"}});
    EXPECT_EQ(Send(d, IDC_RESOLUTION, CB_GETCURSEL), 3);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(d, IDC_RESOLUTION)));
    EXPECT_EQ(Send(d, IDC_ANTIALIASING, CB_GETCURSEL), 0);
    EXPECT_FALSE(Checked(d, IDC_USE_DESKTOP));
    EXPECT_TRUE(Checked(d, IDC_WIDE_SCREEN));
    EXPECT_FALSE(Checked(d, IDC_EXIT_ON_MOUSE));
    EXPECT_FALSE(Checked(d, IDC_PLAY_MUSIC));
    EXPECT_TRUE(Checked(d, IDC_PLAY_SOUNDS));
    EXPECT_FALSE(Checked(d, IDC_SCHEME_TROPIC) || Checked(d, IDC_SCHEME_BLUE) || Checked(d, IDC_SCHEME_RANDOM));
    EXPECT_TRUE(Checked(d, IDC_SCHEME_DEEP_BLUE));
    EXPECT_EQ(Position(d, IDC_SPEED), 2);
    EXPECT_EQ(Position(d, IDC_DETAIL_FISH), 3);
    EXPECT_EQ(Position(d, IDC_DETAIL_RUINS), 4);
    EXPECT_EQ(Position(d, IDC_DETAIL_PLANTS), 1);
    EXPECT_EQ(Position(d, IDC_VOLUME), 70);

    Send(d, IDC_RESOLUTION, CB_SETCURSEL, 1);
    std::vector<std::wstring> modes = Items(d, IDC_ANTIALIASING);
    lastMode = modes.back();
    Send(d, IDC_ANTIALIASING, CB_SETCURSEL, modes.size() - 1);
    Click(d, IDC_PLAY_MUSIC);
    Click(d, IDC_SCHEME_RANDOM);
    EXPECT_FALSE(Checked(d, IDC_SCHEME_DEEP_BLUE));
    Click(d, IDC_USE_DESKTOP);
    Click(d, IDC_EXIT_ON_MOUSE);
    Send(d, IDC_SPEED, TBM_SETPOS, TRUE, 4);
    Send(d, IDC_DETAIL_FISH, TBM_SETPOS, TRUE, 1);
    Send(d, IDC_VOLUME, TBM_SETPOS, TRUE, 20);
    Click(d, IDC_OK);
  });

  EXPECT_EQ(result, IDC_OK);
  const std::pair<const char*, int> expected[] = {
      {setting::Antialiasing, StoredAntialiasing(lastMode)}, {setting::Resolution, 1},
      {setting::ChangeResolution, 0}, {setting::PlayMusic, 0}, {setting::PlaySound, 0}, {setting::ColorScheme, 3},
      {setting::WideScreen, 1}, {setting::ExitOnMouse, 1}, {setting::CamSpeed, 4}, {setting::DetailLevelFish, 1},
      {setting::DetailLevelWreck, 4}, {setting::DetailLevelPlant, 1}, {setting::Volume, 20}};
  for (auto [name, value] : expected) EXPECT_EQ(ReadSettingInt(kSettingsSection, name, -100), value) << name;
  DeleteSettings();
}

TEST(SettingsDialog, RussianReadsRightAndCancelEscTheCloseBoxAndHomePageStoreNothing) {
  DeleteSettings();
  INT_PTR result = RunDriven(true, [](HWND d) {
    ExpectControls(d, {{IDC_OK, L"OK"},
                       {IDC_CANCEL, L"Cancel"},
                       {IDC_HOME_PAGE, L"Сайт"},
                       {IDC_USE_DESKTOP, L"Текущие настройки"},
                       {IDC_WIDE_SCREEN, L"Широкий экран (16:9)"},
                       {IDC_EXIT_ON_MOUSE, L"Выход по движению мыши"},
                       {IDC_PLAY_MUSIC, L"Проигрывать музыку"},
                       {IDC_PLAY_SOUNDS, L"Проигрывать звуки"},
                       {IDC_SCHEME_TROPIC, L"Тропики"},
                       {IDC_SCHEME_BLUE, L"Синяя"},
                       {IDC_SCHEME_DEEP_BLUE, L"Глубина"},
                       {IDC_SCHEME_RANDOM, L"Случайная"}});
    // An empty registry: the desktop's mode, so the resolution list is greyed.
    EXPECT_TRUE(Checked(d, IDC_USE_DESKTOP));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, IDC_RESOLUTION)));
    EXPECT_EQ(Send(d, IDC_RESOLUTION, CB_GETCURSEL), 0);
    EXPECT_TRUE(Checked(d, IDC_PLAY_MUSIC) && Checked(d, IDC_PLAY_SOUNDS) && Checked(d, IDC_SCHEME_TROPIC));
    EXPECT_EQ(Position(d, IDC_SPEED), 2);
    EXPECT_EQ(Position(d, IDC_DETAIL_PLANTS), 2);
    EXPECT_EQ(Position(d, IDC_VOLUME), 50);
    Click(d, IDC_USE_DESKTOP);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(d, IDC_RESOLUTION)));
    Click(d, IDC_USE_DESKTOP);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, IDC_RESOLUTION)));

    Click(d, IDC_PLAY_MUSIC);
    Send(d, IDC_VOLUME, TBM_SETPOS, TRUE, 90);
    Click(d, IDC_CANCEL);
  });
  EXPECT_EQ(result, IDC_CANCEL);
  EXPECT_FALSE(SettingsKeyExists());

  result = RunDriven(true, [](HWND d) {
    Click(d, IDC_SCHEME_BLUE);
    GUITHREADINFO gui = {sizeof gui};
    GetGUIThreadInfo(GetWindowThreadProcessId(d, nullptr), &gui);
    PostMessageW(gui.hwndFocus ? gui.hwndFocus : d, WM_KEYDOWN, VK_ESCAPE, 1);
    for (int i = 0; i < 50 && IsWindow(d); ++i) Sleep(100);
  });
  EXPECT_EQ(result, IDCANCEL) << "Esc";
  EXPECT_FALSE(SettingsKeyExists());

  result = RunDriven(true, [](HWND d) {
    Click(d, IDC_WIDE_SCREEN);
    SendMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0);
  });
  EXPECT_EQ(result, IDCANCEL) << "close box";
  EXPECT_FALSE(SettingsKeyExists());

  openedLink.clear();
  result = RunDriven(true, [](HWND d) { Click(d, IDC_HOME_PAGE); });
  EXPECT_EQ(result, 0) << "home page";
  EXPECT_EQ(openedLink, HomePage(true));
  EXPECT_FALSE(SettingsKeyExists());
}

}  // namespace sorvane
