; Vantrel installer: both programs side by side in a folder of their own,
; Vantrel made the user's screensaver, a Start-menu entry for its settings,
; and an uninstaller that puts the previous screensaver back.
; Built by the `installer` target: makensis -DVERSION=... -DBINDIR=... -DOUTFILE=...
; The settings file C:\orlek_temp\Vantrel.ini is the user's and is never removed.

; A 64-bit installer for 64-bit programs: it also runs where no 32-bit
; subsystem is installed.
Target amd64-unicode
!include "LogicLib.nsh"

!ifndef VERSION
  !define VERSION "0.0.0"
!endif
!ifndef BINDIR
  !error "BINDIR must name the folder that holds Vantrel.scr and Vantrel.dll"
!endif
!ifndef OUTFILE
  !define OUTFILE "Vantrel-${VERSION}-setup.exe"
!endif

!define DESKTOP_KEY "Control Panel\Desktop"
!define OUR_KEY "Software\Vantrel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantrel"

Name "Vantrel"
OutFile "${OUTFILE}"
; Per-user: no elevation, like the programs themselves.
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Vantrel"
InstallDirRegKey HKCU "${OUR_KEY}" "InstallDir"
SetCompressor /SOLID lzma
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Vantrel"
VIAddVersionKey "FileDescription" "Vantrel screensaver setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (C) 2026 The Vantrel developers"

Page directory
Page components
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Vantrel screensaver" SecMain
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${BINDIR}/Vantrel.scr"
  File "${BINDIR}/Vantrel.dll"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; Remember the screensaver the user had, once: a reinstall must not
  ; record Vantrel itself as the one to go back to.
  ReadRegStr $1 HKCU "${OUR_KEY}" "PreviousSaved"
  ${If} $1 != "1"
    ClearErrors
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${If} ${Errors}
      WriteRegStr HKCU "${OUR_KEY}" "PreviousExists" "0"
    ${Else}
      WriteRegStr HKCU "${OUR_KEY}" "PreviousExists" "1"
    ${EndIf}
    WriteRegStr HKCU "${OUR_KEY}" "PreviousScreensaver" "$0"
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" "ScreenSaveActive"
    WriteRegStr HKCU "${OUR_KEY}" "PreviousActive" "$0"
    WriteRegStr HKCU "${OUR_KEY}" "PreviousSaved" "1"
  ${EndIf}
  WriteRegStr HKCU "${OUR_KEY}" "InstallDir" "$INSTDIR"

  ; NOTE: the system starts the saver from this value; a short path keeps it
  ; working when the user's profile folder contains blanks.
  GetFullPathName /SHORT $0 "$INSTDIR\Vantrel.scr"
  ${If} $0 == ""
    StrCpy $0 "$INSTDIR\Vantrel.scr"
  ${EndIf}
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$0"
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Vantrel screensaver"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Vantrel"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Vantrel.scr"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Start-menu entry for the settings" SecMenu
  CreateDirectory "$SMPROGRAMS\Vantrel"
  CreateShortcut "$SMPROGRAMS\Vantrel\Vantrel settings.lnk" "$INSTDIR\Vantrel.scr" "/c" "$INSTDIR\Vantrel.scr" 0
SectionEnd

Section "Uninstall"
  ; Put the previous screensaver back only if Vantrel is still the current
  ; one: the user may have chosen another since.
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  GetFullPathName /SHORT $1 "$INSTDIR\Vantrel.scr"
  ${If} $0 == $1
  ${OrIf} $0 == "$INSTDIR\Vantrel.scr"
    ReadRegStr $2 HKCU "${OUR_KEY}" "PreviousExists"
    ReadRegStr $3 HKCU "${OUR_KEY}" "PreviousScreensaver"
    ${If} $2 == "1"
      WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$3"
    ${Else}
      DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${EndIf}
    ReadRegStr $4 HKCU "${OUR_KEY}" "PreviousActive"
    ${If} $4 == ""
      DeleteRegValue HKCU "${DESKTOP_KEY}" "ScreenSaveActive"
    ${Else}
      WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "$4"
    ${EndIf}
  ${EndIf}

  Delete "$SMPROGRAMS\Vantrel\Vantrel settings.lnk"
  RMDir "$SMPROGRAMS\Vantrel"
  Delete "$INSTDIR\Vantrel.scr"
  Delete "$INSTDIR\Vantrel.dll"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "${OUR_KEY}"
SectionEnd
