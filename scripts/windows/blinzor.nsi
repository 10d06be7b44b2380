; The Windows installer: the licence first, then the kind of install, the folder, a Start-menu
; entry with the game's icon, and an uninstaller that Windows' list of programs knows and that
; takes away only what was installed. scripts/windows/make-installer passes the folder to pack
; (STAGE), the list of what is in it (FILE_LIST), the version and the output. It speaks
; English and ten other languages, each chosen by Windows' display language.
Unicode true
; Any warning fails the build: among them a message missing in one of the languages.
!pragma warning error all
Target amd64-unicode
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Blinzor"
; Beside Uninstall.exe: one file or folder (ending in "\") a line, relative to the install
; folder, files first and folders deepest first, between these two lines.
!define LIST "Uninstall.lst"
!define LIST_FIRST "Blinzor files"
!define LIST_LAST "end"

; NSIS's own support for the two kinds of install. Windows gives the installer the highest
; rights the player has: an administrator chooses between "For everyone" (Program Files, the
; machine's Start menu and registry) and "Only for me"; a player who is not one installs only
; for themselves (their own programs folder, Start menu and registry) and is asked nothing.
; /AllUsers and /CurrentUser choose on the command line. An earlier install of either kind
; decides the default kind and folder.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "Blinzor"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODEPAGE_TEXT_ALLUSERS "$(ForEveryone)"
!define MULTIUSER_INSTALLMODEPAGE_TEXT_CURRENTUSER "$(OnlyForMe)"
!define MULTIUSER_INIT_TEXT_ALLUSERSNOTPOSSIBLE "$(AllUsersNotPossible)"
!include "MultiUser.nsh"
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "TextFunc.nsh"

Name "Blinzor"
OutFile "${OUTFILE}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "Blinzor"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Blinzor ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) The Blinzor developers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"

!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
; Skipped by MultiUser for a player who may only install for themselves.
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; English first: the language of a Windows that speaks none of the others. NSIS picks the one
; of Windows' display language by itself, so there is no dialog asking for one.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "PortugueseBR"
!insertmacro MUI_LANGUAGE "Polish"
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "Ukrainian"
!insertmacro MUI_LANGUAGE "Dutch"
; NSIS's Turkish lacks the words of the page that chooses the kind of install.
!define MULTIUSER_TEXT_INSTALLMODE_TITLE "Kullanıcıları Seçin"
!define MULTIUSER_TEXT_INSTALLMODE_SUBTITLE "$(^NameDA) uygulamasını hangi kullanıcılar için \
    kurmak istediğinizi seçin."
!define MULTIUSER_INNERTEXT_INSTALLMODE_TOP "$(^NameDA) uygulamasını yalnızca kendiniz için mi, \
    yoksa bu bilgisayarın tüm kullanıcıları için mi kurmak istediğinizi seçin. $(^ClickNext)"
!define MULTIUSER_INNERTEXT_INSTALLMODE_ALLUSERS "Bu bilgisayarı kullanan herkes için kur"
!define MULTIUSER_INNERTEXT_INSTALLMODE_CURRENTUSER "Yalnızca benim için kur"
!insertmacro MUI_LANGUAGE "Turkish"
!include "messages.nsh"

Function .onInit
    SetRegView 64
    ; A folder named with /D= wins over the default folder of the kind of install.
    StrCpy $0 $INSTDIR
    !insertmacro MULTIUSER_INIT
    ${IfThen} $0 != "" ${|} StrCpy $INSTDIR $0 ${|}
FunctionEnd

; Nothing is touched, not even an earlier install, before the folder is known to take files.
Function EnsureFolderWritable
    ClearErrors
    CreateDirectory "$INSTDIR"
    FileOpen $0 "$INSTDIR\Blinzor-setup.tmp" w
    ${If} ${Errors}
        RMDir "$INSTDIR"
        MessageBox MB_OK|MB_ICONSTOP "$(FolderNotWritable)" /SD IDOK
        Abort "$(FolderNotWritableDetail)"
    ${EndIf}
    FileClose $0
    Delete "$INSTDIR\Blinzor-setup.tmp"
FunctionEnd

; An earlier install of the same kind is taken away by its own uninstaller with its own list,
; run in place (_?=) so that the installer waits for it; that leaves the uninstaller itself.
; One without a list is older than the list and would take the whole folder: it is not run,
; and the new files go over the old.
Function RemoveEarlierInstall
    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} ${FileExists} "$0\${LIST}"
        ExecWait '"$0\Uninstall.exe" /S /$MultiUser.InstallMode _?=$0'
        Delete "$0\Uninstall.exe"
        RMDir "$0"
    ${EndIf}
FunctionEnd

Section "Blinzor"
    Call EnsureFolderWritable
    Call RemoveEarlierInstall
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*"
    File "/oname=${LIST}" "${FILE_LIST}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Blinzor.lnk" "$INSTDIR\blinzor.exe" "" "$INSTDIR\blinzor.exe" 0 \
        SW_SHOWNORMAL "" "$(ShortcutDescription)"
    ; Last, so that an install that stops halfway leaves no entry in the list of programs.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Blinzor"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\blinzor.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "The Blinzor developers"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" \
        '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" \
        '"$INSTDIR\Uninstall.exe" /S /$MultiUser.InstallMode'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function un.onInit
    SetRegView 64
    ; The uninstaller takes away the install it lies in, whatever folder the registry names.
    ; That install was the player's alone when the player's own entry names its folder: this
    ; settles the kind when it is started from the folder rather than from the list of programs.
    StrCpy $0 $INSTDIR
    !insertmacro MULTIUSER_UNINIT
    StrCpy $INSTDIR $0
    ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $1 == $INSTDIR
        Call un.MultiUser.InstallMode.CurrentUser
    ${EndIf}
FunctionEnd

; The next line of the open list ($R1) in $R2, without its line end; "" past the last line.
Function un.NextLine
    FileRead $R1 $R2
    ${un.TrimNewLines} $R2 $R2
FunctionEnd

!macro RejectLineWith TEXT
    ${UnStrStr} $R5 $R2 "${TEXT}"
    ${IfThen} $R5 != "" ${|} StrCpy $R4 unsafe ${|}
!macroend

; $R4 is "safe" when the line $R2 names one thing inside the folder: not empty, not from the
; root, no drive, no way up, no wildcard.
Function un.CheckLine
    StrCpy $R4 safe
    StrCpy $R5 $R2 1
    ${If} $R5 == ""
    ${OrIf} $R5 == "\"
    ${OrIf} $R5 == "/"
        StrCpy $R4 unsafe
    ${EndIf}
    !insertmacro RejectLineWith ":"
    !insertmacro RejectLineWith ".."
    !insertmacro RejectLineWith "*"
    !insertmacro RejectLineWith "?"
FunctionEnd

Function un.RemoveLine
    StrCpy $R5 $R2 "" -1
    ${If} $R5 == "\"
        RMDir "$INSTDIR\$R2"
    ${Else}
        Delete "$INSTDIR\$R2"
    ${EndIf}
FunctionEnd

; Reads the list through, and when $R9 is "remove" takes away what it names. $R0 is "whole"
; when the list has both its first and last lines and only safe ones between.
Function un.WalkList
    StrCpy $R0 damaged
    ClearErrors
    FileOpen $R1 "$INSTDIR\${LIST}" r
    ${IfThen} ${Errors} ${|} Return ${|}
    Call un.NextLine
    ${If} $R2 == "${LIST_FIRST}"
        ${Do}
            Call un.NextLine
            ${If} $R2 == "${LIST_LAST}"
                StrCpy $R0 whole
                ${ExitDo}
            ${EndIf}
            Call un.CheckLine
            ${IfThen} $R4 != safe ${|} ${ExitDo} ${|}
            ${IfThen} $R9 == remove ${|} Call un.RemoveLine ${|}
        ${Loop}
    ${EndIf}
    FileClose $R1
FunctionEnd

; Only what the list names goes, each folder only once empty: whatever else the player keeps in
; the folder stays, and so does the folder. Without a whole list no file is removed at all.
Section "Uninstall"
    StrCpy $R9 check
    Call un.WalkList
    ${If} $R0 == whole
        StrCpy $R9 remove
        Call un.WalkList
        Delete "$INSTDIR\${LIST}"
        Delete "$INSTDIR\Uninstall.exe"
        RMDir "$INSTDIR"
    ${Else}
        SetErrorLevel 2
        DetailPrint "$(ListDamagedDetail)"
        MessageBox MB_OK|MB_ICONEXCLAMATION "$(ListDamaged)" /SD IDOK
    ${EndIf}
    ; Its own entry names this folder, or an uninstaller that is gone.
    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
    ${OrIfNot} ${FileExists} "$0\Uninstall.exe"
        Delete "$SMPROGRAMS\Blinzor.lnk"
        DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    ${EndIf}
SectionEnd
