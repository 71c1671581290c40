; The Foalix installer for Windows: installs for the current user only (no
; administrator rights), adds a Start-menu shortcut and an uninstaller, and touches
; nothing else: the game's folders and saves are never written. Foalix is free software
; under the GNU GPL, version 3 or later: the first page shows the licence (LICENSE.txt of
; the staged folder).
; makensis -DVERSION=1.0.0 -DSTAGE=<staged folder> -DOUTFILE=<setup.exe> foalix.nsi
Unicode true
Target amd64-unicode
!include "MUI2.nsh"

Name "Foalix ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Foalix"
InstallDirRegKey HKCU "Software\Foalix" "InstallDir"
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Foalix"

!define MUI_LICENSEPAGE_TEXT_TOP "Foalix is free software, licensed under the GNU General Public License, version 3 or (at your option) any later version."
!define MUI_LICENSEPAGE_BUTTON "&Next >"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "The licence lets you use Foalix for any purpose; it sets conditions only for passing it on. Click Next to continue."
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Foalix"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Foalix.lnk" "$INSTDIR\foalix.exe"
  WriteRegStr HKCU "Software\Foalix" "InstallDir" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Foalix"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\foalix.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what the installer put there; the player's setting (HKCU\Software\Foalix RK5)
; is the player's and stays.
Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Foalix.lnk"
  RMDir /r "$INSTDIR\platforms"
  RMDir /r "$INSTDIR\styles"
  RMDir /r "$INSTDIR\licences"
  RMDir /r "$INSTDIR\translations"
  Delete "$INSTDIR\*.exe"
  Delete "$INSTDIR\*.dll"
  Delete "$INSTDIR\LICENSE.txt"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "Software\Foalix"
SectionEnd
