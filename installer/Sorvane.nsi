; SorvaneSetup.exe: puts Sorvane.scr where Windows looks for screensavers, the
; two sounds where the saver looks for them, and an uninstaller, with the
; licence beside it, that takes exactly these away again. Built by the build:
;   makensis -INPUTCHARSET UTF8 -DTARGET=x86-unicode -DMODULE=Sorvane.scr
;            -DGENERATED=<folder with sorvane.ico, installer.bmp, the .ogg files and License.txt>
;            -DOUTFILE=SorvaneSetup.exe Sorvane.nsi
; TARGET amd64-unicode wraps a 64-bit module, for test machines without 32-bit code.

Unicode true
!ifndef TARGET
  !define TARGET x86-unicode
!endif
Target ${TARGET}
SetCompressor /SOLID lzma
; The same inputs give the same installer: no file times are stored.
SetDateSave off
RequestExecutionLevel admin

!define VERSION "2.9.94"
!define PUBLISHER "Quorvel Interactive"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Sorvane"
!define SETTINGS_KEY "Software\${PUBLISHER}\Sorvane"
!define DESKTOP_KEY "Control Panel\Desktop"

Name "Sorvane"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Sorvane"
BrandingText "${PUBLISHER}"

!include MUI2.nsh
!include LogicLib.nsh
!include x64.nsh

Var SaverPath

!define MUI_ICON "${GENERATED}/sorvane.ico"
!define MUI_UNICON "${GENERATED}/sorvane.ico"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${GENERATED}/installer.bmp"

!define MUI_WELCOMEPAGE_TEXT "$(WelcomeText)"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(ChooseSaverText)"
!define MUI_FINISHPAGE_RUN_FUNCTION ChooseSaver
!define MUI_FINISHPAGE_SHOWREADME
!define MUI_FINISHPAGE_SHOWREADME_TEXT "$(OpenSettingsText)"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION OpenSaverSettings
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Russian"
!include "${__FILEDIR__}/texts.nsh"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Sorvane"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Sorvane Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${PUBLISHER}"

; Russian for the same six Cyrillic-script languages as the saver's own
; dialog (Bashkir, Belarusian, Russian, Tatar, Sakha, Ukrainian), else English.
; Then the admin check, whose message is already in that language.
!macro Prepare UN
  System::Call 'kernel32::GetUserDefaultLangID() i .r0'
  IntOp $0 $0 & 0xFFFF
  ${If} $0 = 0x046D
  ${OrIf} $0 = 0x0423
  ${OrIf} $0 = 0x0419
  ${OrIf} $0 = 0x0444
  ${OrIf} $0 = 0x0485
  ${OrIf} $0 = 0x0422
    StrCpy $LANGUAGE ${LANG_RUSSIAN}
  ${Else}
    StrCpy $LANGUAGE ${LANG_ENGLISH}
  ${EndIf}

  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "admin"
    MessageBox MB_ICONSTOP "$(${UN}NeedAdminText)" /SD IDOK
    SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
    Quit
  ${EndIf}

  ; The path other programs use to start the saver. A 32-bit installer on 64-bit
  ; Windows writes to the system folder through redirection into SysWOW64; the
  ; 64-bit screensaver host must be given the real folder.
  StrCpy $SaverPath "$SYSDIR\Sorvane.scr"
  !if ${NSIS_PTR_SIZE} <= 4
    ${If} ${RunningX64}
      StrCpy $SaverPath "$WINDIR\SysWOW64\Sorvane.scr"
    ${EndIf}
  !endif
!macroend

; $0 := 1 when the current user's screensaver is the installed Sorvane.scr in
; any letter case (older control panels wrote it in capitals), else 0.
!macro SaverChosen UN
Function ${UN}SaverChosen
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${If} $0 == $SaverPath
    StrCpy $0 1
  ${Else}
    StrCpy $0 0
  ${EndIf}
FunctionEnd
!macroend
!insertmacro SaverChosen ""
!insertmacro SaverChosen "un."

Function .onInit
  !insertmacro Prepare ""
FunctionEnd

Function un.onInit
  !insertmacro Prepare "un."
FunctionEnd

Section
  SetOutPath $SYSDIR
  File "/oname=Sorvane.scr" "${MODULE}"
  SetOutPath $WINDIR
  File "${GENERATED}/sorvane.ogg"
  File "${GENERATED}/svambient.ogg"
  SetOutPath $INSTDIR
  File "${GENERATED}/License.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; One key, so that an install over an install stays one program entry.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Sorvane"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$SaverPath,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize 0 $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The finish page's offer. The choice it replaces is kept, to be given back
; when Sorvane is removed while still chosen.
Function ChooseSaver
  Call SaverChosen
  ${If} $0 = 0
    ReadRegStr $1 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${If} $1 != ""
      WriteRegStr HKCU "${SETTINGS_KEY}" "PreviousScreenSaver" $1
    ${EndIf}
  ${EndIf}
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $SaverPath
FunctionEnd

; On 64-bit Windows the 64-bit control panel, which lists the savers of both
; system folders, rather than the 32-bit one this installer would reach.
Function OpenSaverSettings
  !if ${NSIS_PTR_SIZE} <= 4
    ${DisableX64FSRedirection}
  !endif
  Exec '"$SYSDIR\control.exe" desk.cpl,,@screensaver'
  !if ${NSIS_PTR_SIZE} <= 4
    ${EnableX64FSRedirection}
  !endif
FunctionEnd

Section Uninstall
  Call un.SaverChosen
  ReadRegStr $1 HKCU "${SETTINGS_KEY}" "PreviousScreenSaver"
  ${If} $0 = 1
    ${If} $1 == ""
      DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${Else}
      WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $1
    ${EndIf}
  ${EndIf}
  DeleteRegValue HKCU "${SETTINGS_KEY}" "PreviousScreenSaver"

  ; A running saver holds its file: it goes at the next restart then.
  Delete /REBOOTOK "$SYSDIR\Sorvane.scr"
  Delete "$WINDIR\sorvane.ogg"
  Delete "$WINDIR\svambient.ogg"
  Delete "$INSTDIR\License.txt"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  ; The user's settings stay for a later install unless the user says otherwise.
  ClearErrors
  EnumRegValue $2 HKCU "${SETTINGS_KEY}\Settings" 0
  ${IfNot} ${Errors}
  ${AndIf} $2 != ""
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(un.RemoveSettingsText)" /SD IDNO IDNO +2
      DeleteRegKey HKCU "${SETTINGS_KEY}"
  ${EndIf}
  DeleteRegKey /ifempty HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\${PUBLISHER}"
SectionEnd
