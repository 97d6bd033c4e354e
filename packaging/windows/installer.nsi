; The installer for Windows: for the user who runs it, without administrator
; rights, into that user's own programs folder, with a Start-menu shortcut,
; an uninstaller and its entry in the list of installed programs (both
; under HKEY_CURRENT_USER). Made by scripts/package-windows, which passes
;   /DVERSION=1.0.6 /DEXE=... /DREADME=... /DLICENSE=... /DICON=... /DSIDE_PICTURE=...
;   /DHEADER_PICTURE=... /DUNINSTALL=... /DOUTFILE=...
; (/DUNINSTALL: Uninstall.exe as packaging/windows/uninstall.nsi makes it,
; the command registered for removing the editor; the uninstaller written
; here goes beside it as Uninstall.dat.)
; Bot files (.covbots) open with the editor: a per-user file association
; under HKEY_CURRENT_USER\Software\Classes, removed again by the uninstaller.
; "/S" installs and uninstalls silently. While the editor runs, neither
; replaces nor removes anything: they ask to close it, and silently end with
; exit code 2. The player's remembered roster (%APPDATA%\CovBotEd) is
; theirs and is left in place.

Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma
ManifestDPIAware true
; A file that cannot be written ends the installation, never skipped.
AllowSkipFiles off

!define TITLE "Covertstrike Bot Tweaker"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\CovBotEd"
!define BOT_FILE_KEY "Software\Classes\.covbots"
!define BOT_FILE_TYPE "CovBotEd.BotFile"

Name "${TITLE}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${TITLE}"
; A new version goes where the last one went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${TITLE} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${TITLE}"
VIAddVersionKey "FileDescription" "${TITLE} installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "The Covertstrike Bot Tweaker developers"
VIAddVersionKey "LegalCopyright" "The Covertstrike Bot Tweaker developers. Licence: GPL-3.0-or-later."

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
; The program's own picture beside the first and last pages, and in the
; header of the others.
!define MUI_WELCOMEFINISHPAGE_BITMAP "${SIDE_PICTURE}"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${SIDE_PICTURE}"
!define MUI_HEADERIMAGE
!define MUI_HEADERIMAGE_RIGHT
!define MUI_HEADERIMAGE_BITMAP "${HEADER_PICTURE}"
!define MUI_HEADERIMAGE_UNBITMAP "${HEADER_PICTURE}"
!define MUI_WELCOMEPAGE_TEXT "This installs ${TITLE} ${VERSION} for you alone, without administrator \
    rights: an editor for the bots of the Covertstrike roster in the game's CovertstrikeUser.ini.$\r$\n$\r$\n\
    Close the editor if it is running, and the game while you edit its bots.$\r$\n$\r$\n$_CLICK"
!define MUI_FINISHPAGE_RUN "$INSTDIR\CovBotEd.exe"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    ; A running editor keeps its .exe: nothing is replaced until it is
    ; closed, and no success is reported with the old program left.
    ; Silently (/S) the installer stops with exit code 2.
retry:
    ClearErrors
    IfFileExists "$INSTDIR\CovBotEd.exe" 0 free
    FileOpen $0 "$INSTDIR\CovBotEd.exe" a
    IfErrors 0 writable
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "${TITLE} is running. Close it, then choose Retry." /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Abort "${TITLE} is still running: nothing was installed. Close it and install again."
writable:
    FileClose $0
free:
    File "/oname=CovBotEd.exe" "${EXE}"
    File "/oname=README.txt" "${README}"
    File "/oname=LICENSE.txt" "${LICENSE}"
    File "/oname=Uninstall.exe" "${UNINSTALL}"
    WriteUninstaller "$INSTDIR\Uninstall.dat"
    CreateShortcut "$SMPROGRAMS\${TITLE}.lnk" "$INSTDIR\CovBotEd.exe" "" "$INSTDIR\CovBotEd.exe" 0 "" "" \
        "Edit the bots of the Covertstrike roster"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${TITLE}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Covertstrike Bot Tweaker developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\CovBotEd.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    SectionGetSize 0 $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

    ; Bot files open with the editor, which imports them into the roster.
    WriteRegStr HKCU "${BOT_FILE_KEY}" "" "${BOT_FILE_TYPE}"
    WriteRegStr HKCU "${BOT_FILE_KEY}\OpenWithProgids" "${BOT_FILE_TYPE}" ""
    WriteRegStr HKCU "Software\Classes\${BOT_FILE_TYPE}" "" "Covertstrike bots"
    WriteRegStr HKCU "Software\Classes\${BOT_FILE_TYPE}\DefaultIcon" "" "$INSTDIR\CovBotEd.exe,0"
    WriteRegStr HKCU "Software\Classes\${BOT_FILE_TYPE}\shell\open\command" "" '"$INSTDIR\CovBotEd.exe" "%1"'
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    ; A running editor keeps its .exe: nothing is removed until it is
    ; closed, and no success is reported with the program left behind.
    ; Silently (/S) the uninstaller stops with exit code 2.
retry:
    ClearErrors
    Delete "$INSTDIR\CovBotEd.exe"
    IfErrors 0 removed
    IfFileExists "$INSTDIR\CovBotEd.exe" 0 removed
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "${TITLE} is running. Close it, then choose Retry." /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Abort "${TITLE} is still running: nothing was removed. Close it and uninstall again."
removed:
    Delete "$SMPROGRAMS\${TITLE}.lnk"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\Uninstall.dat"
    ; Uninstall.exe, which started this copy of the uninstaller and waits
    ; for it, removes itself and the folder once this has ended; these two
    ; serve where this was started otherwise. The folder goes only when
    ; empty: nothing the player put there is removed.
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ; The bot file type goes; .covbots only while it still names it (another
    ; program may have taken the suffix since).
    DeleteRegKey HKCU "Software\Classes\${BOT_FILE_TYPE}"
    DeleteRegValue HKCU "${BOT_FILE_KEY}\OpenWithProgids" "${BOT_FILE_TYPE}"
    DeleteRegKey /ifempty HKCU "${BOT_FILE_KEY}\OpenWithProgids"
    ReadRegStr $0 HKCU "${BOT_FILE_KEY}" ""
    StrCmp $0 "${BOT_FILE_TYPE}" 0 +2
    DeleteRegValue HKCU "${BOT_FILE_KEY}" ""
    DeleteRegKey /ifempty HKCU "${BOT_FILE_KEY}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
