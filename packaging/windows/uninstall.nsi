; Uninstall.exe, the command registered to remove the editor. The removing
; itself is done by the uninstaller that the installer writes beside it
; (Uninstall.dat); started from its own folder, that one would copy itself
; into %TEMP%, start the copy and end at once with exit code 0, whatever the
; copy then does, and leave the copy behind. This one starts a copy of it
; in a temporary folder of its own, in place (_?=), waits for it and ends
; with its exit code: 0 when everything is removed, 1 when the player
; cancelled, 2 when nothing was removed because the editor runs. The
; temporary folder goes when this ends; once everything else is removed,
; a command prompt started without a window removes this file and the
; folder as soon as this has ended. Made by scripts/package-windows, which passes
;   /DVERSION=1.0.6 /DICON=... /DOUTFILE=...
; Arguments (/S for a silent removal) go on to the uninstaller.

Unicode true
Target amd64-unicode
RequestExecutionLevel user
SilentInstall silent
SetCompressor /SOLID lzma

!define TITLE "Covertstrike Bot Tweaker"

Name "${TITLE}"
OutFile "${OUTFILE}"
Icon "${ICON}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${TITLE}"
VIAddVersionKey "FileDescription" "${TITLE} uninstaller"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "The Covertstrike Bot Tweaker developers"
VIAddVersionKey "LegalCopyright" "The Covertstrike Bot Tweaker developers. Licence: GPL-3.0-or-later."

!include "FileFunc.nsh"

Section
    ${GetParameters} $R1
    InitPluginsDir
    ClearErrors
    CopyFiles /SILENT "$EXEDIR\Uninstall.dat" "$PLUGINSDIR\Uninstall.exe"
    IfErrors 0 copied
    MessageBox MB_OK|MB_ICONSTOP "The uninstaller of ${TITLE} is missing from $EXEDIR: nothing was removed." /SD IDOK
    SetErrorLevel 2
    Quit
copied:
    ; Out of the folders to remove: a process's current folder cannot be removed.
    SetOutPath "$TEMP"
    ClearErrors
    ExecWait '"$PLUGINSDIR\Uninstall.exe" $R1 _?=$EXEDIR' $R0
    IfErrors 0 ran
    SetErrorLevel 2
    Quit
ran:
    SetErrorLevel $R0
    StrCmp $R0 0 0 done
    ; Everything else is gone: this file and the folder go once this has ended.
    ; It tries until this has ended, about a second apart, for a few minutes
    ; at most.
    ExpandEnvStrings $R2 "%COMSPEC%"
    System::Alloc 104 ; STARTUPINFOW, its size first
    Pop $1
    System::Call '*$1(i 104)'
    System::Alloc 24 ; PROCESS_INFORMATION
    Pop $2
    System::Call 'kernel32::CreateProcessW(p 0, w `"$R2" /d /c for /l %i in (1,1,300) do (del /f /q "$EXEPATH" 2>nul & if not exist "$EXEPATH" (rmdir "$EXEDIR" 2>nul & exit /b 0) & ping -n 2 127.0.0.1 >nul)`, p 0, p 0, i 0, i 0x08000000, p 0, w "$TEMP", p r1, p r2) i .r3'
    IntCmp $3 0 freed
    System::Call '*$2(p .r4, p .r5)'
    System::Call 'kernel32::CloseHandle(p r4)'
    System::Call 'kernel32::CloseHandle(p r5)'
freed:
    System::Free $1
    System::Free $2
done:
SectionEnd
