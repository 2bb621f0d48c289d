; The setup of both programs for one user, without elevation. CPack runs it
; (cmake/make_setup.cmake) once it has staged the zip's files, so the setup
; carries exactly what the zip does. makensis gets, with -D:
;   VERSION     the project's version, e.g. 1.0.0
;   VERSION4    the same with four numbers, for the version resource
;   PUBLISHER   the name shown in the list of installed programs
;   TARGET      amd64-unicode or x86-unicode: the setup's own machine is the
;               programs' one, so a 64-bit setup never lands on 32-bit Windows
;   LISTS       the folder of install.nsh and uninstall.nsh, the file lists
;               written from the staged tree (packaging/setup_files.py)
;   ICON        the programs' icon
;   OUTFILE     the setup to write

Unicode true
Target ${TARGET}
SetCompressor /SOLID lzma
; Per user: the programs go where the user may write, so deckplayer-mini can
; keep its playlist beside itself, and every registry entry is the user's.
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\deckplayer"
!define CLASSES "Software\Classes"
!define PLAYLIST "плейлист.pcs"
; Each program's ProgID carries its open command for the three types; listed
; under an extension's OpenWithProgids, it offers the program in "Open with"
; and leaves the extension's default, the user's player, alone.
!define FULL_PROGID "deckplayer.Track"
!define MINI_PROGID "deckplayer-mini.Track"

Name "deckplayer ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\deckplayer"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "deckplayer ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

Var folderRefused

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_COMPONENTS
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE RefuseUnwritableFolder
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(StartDeckplayer)"
!define MUI_FINISHPAGE_RUN_FUNCTION StartDeckplayer
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The setup speaks the user's language when it is Russian, like the programs'
; own texts, and otherwise English, the first language, which NSIS takes when
; none matches.
!insertmacro MUI_LANGUAGE English
!insertmacro MUI_LANGUAGE Russian

LangString ProgramsSection ${LANG_RUSSIAN} "deckplayer и deckplayer-mini"
LangString ProgramsSection ${LANG_ENGLISH} "deckplayer and deckplayer-mini"
LangString DesktopSection ${LANG_RUSSIAN} "Ярлык deckplayer на рабочем столе"
LangString DesktopSection ${LANG_ENGLISH} "deckplayer shortcut on the desktop"
LangString StartDeckplayer ${LANG_RUSSIAN} "Запустить deckplayer"
LangString StartDeckplayer ${LANG_ENGLISH} "Start deckplayer"
LangString FullDescription ${LANG_RUSSIAN} "Проигрыватель в виде диджейской вертушки"
LangString FullDescription ${LANG_ENGLISH} "An audio player that looks and works like a DJ turntable"
LangString MiniDescription ${LANG_RUSSIAN} "Маленькая вертушка, которая помнит папку и трек"
LangString MiniDescription ${LANG_ENGLISH} "The small turntable that remembers the folder and the track"
LangString TrackType ${LANG_RUSSIAN} "Звуковой файл"
LangString TrackType ${LANG_ENGLISH} "Audio file"
LangString FolderNotWritable ${LANG_RUSSIAN} "В папку «$INSTDIR» нельзя записывать.$\r$\n$\r$\ndeckplayer-mini хранит плейлист рядом с собой, поэтому нужна папка, в которую можно записывать без прав администратора. Выберите другую папку, например «$LOCALAPPDATA\Programs\deckplayer»."
LangString FolderNotWritable ${LANG_ENGLISH} "The folder $\"$INSTDIR$\" cannot be written to.$\r$\n$\r$\ndeckplayer-mini keeps its playlist beside itself, so it needs a folder you can write to without administrator rights. Please choose another folder, for example $\"$LOCALAPPDATA\Programs\deckplayer$\"."
LangString RemovePlaylist ${LANG_RUSSIAN} "Удалить и плейлист deckplayer-mini («${PLAYLIST}»)? В нём записаны последняя папка и выбранный трек.$\r$\n$\r$\nЕсли оставить, deckplayer-mini вспомнит их после новой установки в эту папку."
LangString RemovePlaylist ${LANG_ENGLISH} "Remove deckplayer-mini's playlist ($\"${PLAYLIST}$\") as well? It holds the last folder and the chosen track.$\r$\n$\r$\nIf you keep it, deckplayer-mini remembers them after a new install into this folder."

VIProductVersion ${VERSION4}
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "deckplayer"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "deckplayer ${VERSION} setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (c) the deckplayer developers, MIT License"

; Sets $folderRefused to 1 when the setup cannot write into $INSTDIR, else to
; 0. The check is a real write: the folder is made (with any missing folders
; above it) and a file is created and deleted there, since a folder's
; permissions are not known until the system refuses. What was made for the
; check is removed again, so a user who then cancels finds nothing left.
Function CheckFolder
  Push $0 ; the nearest folder at or above $INSTDIR that exists already
  Push $1
  StrCpy $folderRefused 0
  StrCpy $0 $INSTDIR
  ${DoUntil} ${FileExists} "$0\*.*"
    ${GetParent} $0 $1
    ${If} $1 == ""
    ${OrIf} $1 == $0
      ; No drive or share holds it.
      StrCpy $folderRefused 1
      Goto checked
    ${EndIf}
    StrCpy $0 $1
  ${Loop}
  ClearErrors
  CreateDirectory $INSTDIR
  FileOpen $1 "$INSTDIR\deckplayer-setup-check.tmp" w
  ${If} ${Errors}
    StrCpy $folderRefused 1
  ${Else}
    FileClose $1
    Delete "$INSTDIR\deckplayer-setup-check.tmp"
  ${EndIf}
  StrCpy $1 $INSTDIR
  ${DoWhile} $1 != $0
    RMDir $1
    ${GetParent} $1 $1
    ${IfThen} $1 == "" ${|} ${ExitDo} ${|}
  ${Loop}
checked:
  Pop $1
  Pop $0
FunctionEnd

Function RefuseUnwritableFolder
  Call CheckFolder
  ${If} $folderRefused == 1
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(FolderNotWritable)"
    Abort
  ${EndIf}
FunctionEnd

Function StartDeckplayer
  ; Exec starts the program in $OUTDIR, where its record picture is.
  SetOutPath $INSTDIR
  Exec '"$INSTDIR\deckplayer.exe"'
FunctionEnd

; The installation this one replaces, found by its entry in the list of
; installed programs, is removed by its own uninstaller, which knows the
; files it wrote (a file a newer version no longer has must not stay behind).
; Run silently it keeps the playlist; run in place (_?=) it is waited for.
Function RemovePreviousInstall
  Push $0
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\uninstall.exe"
    DetailPrint "$0\uninstall.exe /S"
    ExecWait '"$0\uninstall.exe" /S _?=$0'
    ; In place it cannot delete itself, nor the folder it is in.
    Delete "$0\uninstall.exe"
    RMDir $0
  ${EndIf}
  Pop $0
FunctionEnd

!macro RegisterProgram exe progid friendly
  WriteRegStr HKCU "${CLASSES}\Applications\${exe}" "FriendlyAppName" "${friendly}"
  WriteRegStr HKCU "${CLASSES}\Applications\${exe}\DefaultIcon" "" "$INSTDIR\${exe},0"
  WriteRegStr HKCU "${CLASSES}\Applications\${exe}\shell\open\command" "" '"$INSTDIR\${exe}" "%1"'
  WriteRegStr HKCU "${CLASSES}\${progid}" "" "$(TrackType)"
  WriteRegStr HKCU "${CLASSES}\${progid}\DefaultIcon" "" "$INSTDIR\${exe},0"
  WriteRegStr HKCU "${CLASSES}\${progid}\shell\open\command" "" '"$INSTDIR\${exe}" "%1"'
  !insertmacro RegisterType ${exe} ${progid} .wav
  !insertmacro RegisterType ${exe} ${progid} .mp3
  !insertmacro RegisterType ${exe} ${progid} .mid
!macroend

!macro RegisterType exe progid extension
  WriteRegStr HKCU "${CLASSES}\Applications\${exe}\SupportedTypes" "${extension}" ""
  WriteRegNone HKCU "${CLASSES}\${extension}\OpenWithProgids" "${progid}"
!macroend

Section "$(ProgramsSection)" SecPrograms
  SectionIn RO
  Call CheckFolder
  ${If} $folderRefused == 1
    ; Reached with /S, which skips the directory page. An abort alone
    ; would end a silent setup with exit code 0, as if it had installed.
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(FolderNotWritable)" /SD IDOK
    SetErrorLevel 2
    Abort
  ${EndIf}
  Call RemovePreviousInstall

  SetOutPath $INSTDIR
  !include "${LISTS}/install.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; A shortcut starts its program in the output folder: the install folder,
  ; where the record pictures are and the playlist is written.
  SetOutPath $INSTDIR
  CreateShortcut "$SMPROGRAMS\deckplayer.lnk" "$INSTDIR\deckplayer.exe" "" \
    "$INSTDIR\deckplayer.exe" 0 SW_SHOWNORMAL "" "$(FullDescription)"
  CreateShortcut "$SMPROGRAMS\deckplayer-mini.lnk" "$INSTDIR\deckplayer-mini.exe" "" \
    "$INSTDIR\deckplayer-mini.exe" 0 SW_SHOWNORMAL "" "$(MiniDescription)"

  !insertmacro RegisterProgram deckplayer.exe ${FULL_PROGID} deckplayer
  !insertmacro RegisterProgram deckplayer-mini.exe ${MINI_PROGID} deckplayer-mini
  ; SHCNE_ASSOCCHANGED: Explorer reads the associations again.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "deckplayer"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\deckplayer.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize ${SecPrograms} $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "$(DesktopSection)" SecDesktop
  SetOutPath $INSTDIR
  CreateShortcut "$DESKTOP\deckplayer.lnk" "$INSTDIR\deckplayer.exe" "" \
    "$INSTDIR\deckplayer.exe" 0 SW_SHOWNORMAL "" "$(FullDescription)"
SectionEnd

!macro ForgetProgram exe progid
  DeleteRegKey HKCU "${CLASSES}\Applications\${exe}"
  DeleteRegKey HKCU "${CLASSES}\${progid}"
  !insertmacro ForgetType ${progid} .wav
  !insertmacro ForgetType ${progid} .mp3
  !insertmacro ForgetType ${progid} .mid
!macroend

; The extension's key may hold the user's default or other programs' entries:
; only our value goes, and a key only when nothing at all is left in it.
!macro ForgetType progid extension
  DeleteRegValue HKCU "${CLASSES}\${extension}\OpenWithProgids" "${progid}"
  DeleteRegKey /ifempty HKCU "${CLASSES}\${extension}\OpenWithProgids"
  DeleteRegKey /ifempty HKCU "${CLASSES}\${extension}"
!macroend

Section "Uninstall"
  ; The playlist is the user's, written by deckplayer-mini: kept unless the
  ; user says otherwise, and always kept by a silent uninstall.
  ${If} ${FileExists} "$INSTDIR\${PLAYLIST}"
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(RemovePlaylist)" /SD IDNO IDNO keepPlaylist
    Delete "$INSTDIR\${PLAYLIST}"
  keepPlaylist:
  ${EndIf}

  ; Exactly the files the setup wrote, never the folder as a whole: it may be
  ; one the user chose, holding files of their own.
  !include "${LISTS}/uninstall.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir $INSTDIR

  Delete "$SMPROGRAMS\deckplayer.lnk"
  Delete "$SMPROGRAMS\deckplayer-mini.lnk"
  Delete "$DESKTOP\deckplayer.lnk"

  !insertmacro ForgetProgram deckplayer.exe ${FULL_PROGID}
  !insertmacro ForgetProgram deckplayer-mini.exe ${MINI_PROGID}
  DeleteRegKey /ifempty HKCU "${CLASSES}\Applications"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
