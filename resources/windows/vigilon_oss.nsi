; The installer of Vigilon OSS for 64-bit Windows (cmake/WindowsPackaging.cmake packs it).
; makensis is given VERSION and its VERSION_MAJOR, _MINOR and _PATCH, ICON, STAGE (the
; installation as CMake staged it), OUTFILE, and SIGN_TOOL when the files are signed.
;
; A user without administrator rights installs for themselves (%LOCALAPPDATA%\Programs);
; run as administrator it installs for all users (Program Files). /S installs silently,
; /CurrentUser or /AllUsers choose. The user's data (backups and service history in the
; roaming application data folder, settings in HKCU\Software\Ardentec) is never touched.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!define PRODUCT "Vigilon OSS"
!define MAKER "Ardentec"
!define GUI "VigilonOss.exe"
!define CLI "vigilon-oss-cli.exe"
!define UNINSTALLER "Uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define DATA_FILE_TYPE "VigilonOss.DataFile"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
; A new version goes where the last one is, in the same mode.
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!ifdef SIGN_TOOL
  !finalize '"${SIGN_TOOL}" "%1"'
  !uninstfinalize '"${SIGN_TOOL}" "%1"'
!endif

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
!define MUI_ICON "${ICON}"
VIProductVersion "${VERSION_MAJOR}.${VERSION_MINOR}.${VERSION_PATCH}.0"
VIFileVersion "${VERSION_MAJOR}.${VERSION_MINOR}.${VERSION_PATCH}.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "CompanyName" "${MAKER}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${MAKER}"

!define MUI_ABORTWARNING
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${GUI}"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The languages the program speaks; the installer takes the one of Windows.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
; The help's Start-menu entry and its pages, and the name of .vgd files, as the program says them.
LangString HELP_NAME ${LANG_ENGLISH} "Vigilon OSS Help"
LangString HELP_NAME ${LANG_GERMAN} "Hilfe zu Vigilon OSS"
LangString HELP_NAME ${LANG_FRENCH} "Aide de Vigilon OSS"
LangString HELP_NAME ${LANG_SPANISH} "Ayuda de Vigilon OSS"
LangString HELP_PAGE ${LANG_ENGLISH} "help\index.html"
LangString HELP_PAGE ${LANG_GERMAN} "help\de\index.html"
LangString HELP_PAGE ${LANG_FRENCH} "help\fr\index.html"
LangString HELP_PAGE ${LANG_SPANISH} "help\es\index.html"
LangString DATA_FILE_NAME ${LANG_ENGLISH} "Vigilon OSS data file"
LangString DATA_FILE_NAME ${LANG_GERMAN} "Vigilon-OSS-Datendatei"
LangString DATA_FILE_NAME ${LANG_FRENCH} "Fichier de données Vigilon OSS"
LangString DATA_FILE_NAME ${LANG_SPANISH} "Archivo de datos de Vigilon OSS"

Function .onInit
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section
  SetOutPath "$INSTDIR"
  File "${STAGE}/${GUI}"
  File "${STAGE}/${CLI}"
  File /r "${STAGE}/help"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\${GUI}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\$(HELP_NAME).lnk" "$INSTDIR\$(HELP_PAGE)"

  ; .vgd data files open in the GUI (SHCTX: the user's classes, or all users').
  WriteRegStr SHCTX "Software\Classes\.vgd" "" "${DATA_FILE_TYPE}"
  WriteRegStr SHCTX "Software\Classes\${DATA_FILE_TYPE}" "" "$(DATA_FILE_NAME)"
  WriteRegStr SHCTX "Software\Classes\${DATA_FILE_TYPE}\DefaultIcon" "" "$INSTDIR\${GUI},0"
  WriteRegStr SHCTX "Software\Classes\${DATA_FILE_TYPE}\shell\open\command" "" '"$INSTDIR\${GUI}" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)' ; SHCNE_ASSOCCHANGED

  ; Apps & features.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${GUI},0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what the installer put in place, and only that: the backups, the service
; history and the settings belong to the user and stay.
Section Uninstall
  Delete "$INSTDIR\${GUI}"
  Delete "$INSTDIR\${CLI}"
  RMDir /r "$INSTDIR\help"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"

  ; The folder is ours; the help's entry is named in the language installed with.
  Delete "$SMPROGRAMS\${PRODUCT}\*.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  ReadRegStr $0 SHCTX "Software\Classes\.vgd" ""
  ${If} $0 == "${DATA_FILE_TYPE}"
    DeleteRegKey SHCTX "Software\Classes\.vgd"
  ${EndIf}
  DeleteRegKey SHCTX "Software\Classes\${DATA_FILE_TYPE}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
