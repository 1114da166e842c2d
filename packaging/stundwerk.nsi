; The Stundwerk installer: per user, without administrator rights.
; makensis -INPUTCHARSET UTF8 -DVERSION=x.y.z -DSTAGE=folder -DOUTFILE=file stundwerk.nsi
; STAGE holds Stundwerk.exe, stundwerk-cli.exe and LIESMICH.txt (the 32-bit program).
;
; The program keeps stundwrk.ini and its month plans (*.SW) beside itself, so it
; is installed into the user's own program folder, which the user may write.
; Installing, updating and uninstalling touch only the files listed here: the
; settings and the month plans always stay.

Unicode true
!include "MUI2.nsh"
!include "LogicLib.nsh"

!ifndef VERSION | STAGE | OUTFILE
  !error "VERSION, STAGE and OUTFILE must be defined"
!endif

!define PRODUCT "Stundwerk"
!define PUBLISHER "Stundwerk-Projekt"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Stundwerk"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define UNINSTALLER "Deinstallieren.exe"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Stundwerk"
; An update goes where the previous version is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1031 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1031 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=1031 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1031 "LegalCopyright" "${PUBLISHER}"

!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\Stundwerk.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Stundwerk jetzt starten"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\LIESMICH.txt"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "LIESMICH.txt anzeigen"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

; A running copy holds its program file open: it must end first. Silent runs
; cannot ask and give up.
!macro WAIT_FOR_PROGRAM_END
  ${Do}
    FindWindow $0 "Stundwerk"
    ${If} $0 == 0
      ${Break}
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "Stundwerk läuft noch.$\n$\nBitte beenden Sie es (rechte Maustaste auf das Symbol im Infobereich, $\"Beenden$\") und klicken Sie dann auf $\"Wiederholen$\"." \
      /SD IDCANCEL IDRETRY +2
    Abort
  ${Loop}
!macroend

Section "Stundwerk" SEC_PROGRAM
  SectionIn RO
  !insertmacro WAIT_FOR_PROGRAM_END
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "${STAGE}/Stundwerk.exe"
  File "${STAGE}/stundwerk-cli.exe"
  File "${STAGE}/LIESMICH.txt"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortCut "$SMPROGRAMS\Stundwerk.lnk" "$INSTDIR\Stundwerk.exe" "" "$INSTDIR\Stundwerk.exe" 0 \
    SW_SHOWNORMAL "" "Arbeitszeiten erfassen"
  ; The autostart section below sets it again when it is chosen.
  DeleteRegValue HKCU "${RUN_KEY}" "Stundwerk"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Stundwerk.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize ${SEC_PROGRAM} $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Beim Anmelden starten" SEC_AUTOSTART
  WriteRegStr HKCU "${RUN_KEY}" "Stundwerk" '"$INSTDIR\Stundwerk.exe"'
SectionEnd

Section "Uninstall"
  !insertmacro WAIT_FOR_PROGRAM_END
  SetShellVarContext current
  Delete "$SMPROGRAMS\Stundwerk.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "Stundwerk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  Delete "$INSTDIR\Stundwerk.exe"
  Delete "$INSTDIR\stundwerk-cli.exe"
  Delete "$INSTDIR\LIESMICH.txt"
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Removed only when empty: stundwrk.ini and the month plans stay.
  RMDir "$INSTDIR"
SectionEnd
