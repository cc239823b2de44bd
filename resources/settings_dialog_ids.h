// Resource ids of the settings dialog: its two templates and their controls.
// Plain macros, since the resource compiler reads this file too.
#pragma once

#define IDD_SETTINGS_ENGLISH 101
#define IDD_SETTINGS_RUSSIAN 322

#define IDC_OK 1007
#define IDC_CANCEL 1009
#define IDC_HOME_PAGE 1000
#define IDC_RESOLUTION 1004
#define IDC_ANTIALIASING 1038
#define IDC_USE_DESKTOP 1005
#define IDC_WIDE_SCREEN 1037
#define IDC_EXIT_ON_MOUSE 1036
#define IDC_PLAY_MUSIC 1015
#define IDC_PLAY_SOUNDS 1016
#define IDC_VOLUME 1035
#define IDC_DETAIL_FISH 1027
#define IDC_DETAIL_RUINS 1028
#define IDC_DETAIL_PLANTS 1029
#define IDC_SCHEME_TROPIC 1030
#define IDC_SCHEME_BLUE 1032
#define IDC_SCHEME_DEEP_BLUE 1031
#define IDC_SCHEME_RANDOM 1033
#define IDC_SPEED 1026
