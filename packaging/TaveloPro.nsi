; The TaveloPro installer: one setup program with the program, its libraries, the default profiles
; and the default new-scene file. Built by packaging/CMakeLists.txt (target "installer"):
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DBIN_DIR=... -DDEFAULTS_DIR=... -DICON=...
;            -DOUT_FILE=... TaveloPro.nsi
;
; The program writes its profiles (TzView.ini, com.ini, button.ini), its traffic log and the
; insidemode folder beside itself while it runs, so it installs where its user may write:
;   per user (default)   $LOCALAPPDATA\Programs\TaveloPro, no elevation, registered under HKCU
;   per machine          /ALLUSERS from an elevated setup (or the choice page an elevated setup
;                        shows): $PROGRAMFILES64\TaveloPro, registered under HKLM, the profiles,
;                        the log and insidemode made writable for the machine's users
; Command line: /S silent, /D=folder (last), /ALLUSERS. Uninstaller: /S, /REMOVEDATA (also delete
; the profiles, scenes and presets, which are otherwise kept).

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true
ManifestSupportedOS all

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include nsDialogs.nsh
!include Sections.nsh

!macro REQUIRE_DEFINE NAME
  !ifndef ${NAME}
    !error "${NAME} must be defined on the command line (-D${NAME}=...)"
  !endif
!macroend
!insertmacro REQUIRE_DEFINE VERSION
!insertmacro REQUIRE_DEFINE BIN_DIR
!insertmacro REQUIRE_DEFINE DEFAULTS_DIR
!insertmacro REQUIRE_DEFINE ICON
!insertmacro REQUIRE_DEFINE OUT_FILE

!define PRODUCT "TaveloPro"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\TaveloPro"
; The program's own settings (its colour scheme), removed only with the operator's data.
!define PROGRAM_KEY "Software\TAVELO\TaveloPro"
!define USERS_SID "*S-1-5-32-545"
; The process exit code of a setup that needs elevation (ERROR_ELEVATION_REQUIRED).
!define EXIT_NEEDS_ADMIN 740

Name "${PRODUCT}"
OutFile "${OUT_FILE}"
; Chosen in .onInit: the previous installation's folder, or the default of the install mode.
InstallDir ""
ShowInstDetails show
ShowUninstDetails show
BrandingText "${PRODUCT} ${VERSION}"

; The binaries' version resources carry no copyright line either.
!pragma warning disable 9100
VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=0 "OriginalFilename" "TaveloPro-setup-${VERSION}.exe"

Var AllUsers        ; 1: per-machine installation
Var IsAdmin         ; 1: the setup runs with an administrator's token
Var RemoveData      ; uninstaller: 1 deletes the operator's profiles and scenes too
Var ModeRadioUser
Var ModeRadioMachine

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

Page custom ModePageShow ModePageLeave
!insertmacro MUI_PAGE_DIRECTORY
!define MUI_PAGE_CUSTOMFUNCTION_PRE ComponentsPagePre
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION RunProgram
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one used when the system's is neither.
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "English"

LangString SecProgramName ${LANG_SIMPCHINESE} "高清多画面分割器"
LangString SecProgramName ${LANG_ENGLISH} "TaveloPro"
LangString SecMatrixName ${LANG_SIMPCHINESE} "矩阵库 TzCommFun.dll"
LangString SecMatrixName ${LANG_ENGLISH} "Matrix library TzCommFun.dll"
LangString SecDesktopName ${LANG_SIMPCHINESE} "桌面快捷方式"
LangString SecDesktopName ${LANG_ENGLISH} "Desktop shortcut"
LangString ModeTitle ${LANG_SIMPCHINESE} "安装方式"
LangString ModeTitle ${LANG_ENGLISH} "Installation mode"
LangString ModeSubtitle ${LANG_SIMPCHINESE} "选择为谁安装 TaveloPro。"
LangString ModeSubtitle ${LANG_ENGLISH} "Choose for whom TaveloPro is installed."
LangString ModeUser ${LANG_SIMPCHINESE} "仅为我安装(推荐，无需管理员权限)"
LangString ModeUser ${LANG_ENGLISH} "Only for me (recommended, no administrator rights needed)"
LangString ModeMachine ${LANG_SIMPCHINESE} "为这台计算机的所有用户安装(配置文件和场景对所有用户可写)"
LangString ModeMachine ${LANG_ENGLISH} "For all users of this computer (profiles and scenes writable by every user)"
LangString NeedAdmin ${LANG_SIMPCHINESE} "为所有用户安装需要以管理员身份运行安装程序。"
LangString NeedAdmin ${LANG_ENGLISH} "Installing for all users needs the setup to run as administrator."
LangString UnNeedAdmin ${LANG_SIMPCHINESE} "TaveloPro 是为所有用户安装的，卸载需要以管理员身份运行。"
LangString UnNeedAdmin ${LANG_ENGLISH} "TaveloPro is installed for all users; uninstalling it needs administrator rights."
LangString ProgramRunning ${LANG_SIMPCHINESE} "TaveloPro 正在运行。请先退出程序，然后重试。"
LangString ProgramRunning ${LANG_ENGLISH} "TaveloPro is running. Close it, then retry."
LangString AskRemoveData ${LANG_SIMPCHINESE} "是否同时删除配置文件(TzView.ini、com.ini、button.ini)以及 insidemode 文件夹中的场景和预设场景?"
LangString AskRemoveData ${LANG_ENGLISH} "Also delete the profiles (TzView.ini, com.ini, button.ini) and the scenes and presets in the insidemode folder?"
LangString ShortcutComment ${LANG_SIMPCHINESE} "高清多画面分割器控制程序"
LangString ShortcutComment ${LANG_ENGLISH} "TaveloPro video wall controller"

; ---------------------------------------------------------------------------------------------
; Install mode

; $AllUsers chosen: shell folders and registry root follow it.
!macro APPLY_MODE
  ${If} $AllUsers == 1
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
!macroend

; The folder of a previous installation in this mode, else the mode's default.
Function DefaultFolder
  ReadRegStr $INSTDIR SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $INSTDIR == ""
    ${If} $AllUsers == 1
      StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
    ${Else}
      StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUCT}"
    ${EndIf}
  ${EndIf}
FunctionEnd

; Offered only to an elevated setup: everyone else installs for themselves.
Function ModePageShow
  ${If} $IsAdmin != 1
    Abort
  ${EndIf}
  !insertmacro MUI_HEADER_TEXT "$(ModeTitle)" "$(ModeSubtitle)"
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateRadioButton} 0 10u 100% 12u "$(ModeUser)"
  Pop $ModeRadioUser
  ${NSD_CreateRadioButton} 0 30u 100% 12u "$(ModeMachine)"
  Pop $ModeRadioMachine
  ${If} $AllUsers == 1
    ${NSD_Check} $ModeRadioMachine
  ${Else}
    ${NSD_Check} $ModeRadioUser
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function ModePageLeave
  ${NSD_GetState} $ModeRadioMachine $0
  ${If} $0 == ${BST_CHECKED}
    StrCpy $1 1
  ${Else}
    StrCpy $1 0
  ${EndIf}
  ${If} $1 != $AllUsers
    StrCpy $AllUsers $1
    !insertmacro APPLY_MODE
    Call DefaultFolder
  ${EndIf}
FunctionEnd

; ---------------------------------------------------------------------------------------------
; Sections

; A running program keeps its files open; replacing them half-way would leave a mixed install.
Function WaitForProgramToEnd
  ${IfNot} ${FileExists} "$INSTDIR\TaveloPro.exe"
    Return
  ${EndIf}
  retry:
  ClearErrors
  FileOpen $0 "$INSTDIR\TaveloPro.exe" a
  ${IfNot} ${Errors}
    FileClose $0
    Return
  ${EndIf}
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ProgramRunning)" /SD IDCANCEL IDRETRY retry
  Abort
FunctionEnd

Section "!$(SecProgramName)" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  Call WaitForProgramToEnd

  SetOverwrite on
  File "${BIN_DIR}/TaveloPro.exe"
  File "${BIN_DIR}/TzComm.dll"
  File "${BIN_DIR}/LuLib20.dll"

  ; The operator's profiles and default scene: written once, kept by every later setup.
  SetOverwrite off
  File "${DEFAULTS_DIR}/TzView.ini"
  File "${DEFAULTS_DIR}/com.ini"
  File "${DEFAULTS_DIR}/button.ini"
  SetOutPath "$INSTDIR\insidemode"
  File "${DEFAULTS_DIR}/insidemode/newmode.tzs"
  SetOverwrite on

  ; The shortcut's working directory is its output path: button.ini is read from there.
  SetOutPath "$INSTDIR"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\TaveloPro.exe" "" "$INSTDIR\TaveloPro.exe" 0 \
    SW_SHOWNORMAL "" "$(ShortcutComment)"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\TaveloPro.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ; Set again by the matrix library's section when it installs ours.
  DeleteRegValue SHCTX "${UNINSTALL_KEY}" "MatrixStandIn"

  ${If} $AllUsers == 1
    Call GrantUsersTheData
  ${EndIf}
SectionEnd

Section "$(SecMatrixName)" SecMatrix
  SetOutPath "$INSTDIR"
  File "${BIN_DIR}/TzCommFun.dll"
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "MatrixStandIn" 1
SectionEnd

Section "$(SecDesktopName)" SecDesktop
  SetOutPath "$INSTDIR"
  CreateShortCut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\TaveloPro.exe" "" "$INSTDIR\TaveloPro.exe" 0 \
    SW_SHOWNORMAL "" "$(ShortcutComment)"
SectionEnd

Section "-Size"
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; ---------------------------------------------------------------------------------------------
; The matrix library: TzComm loads TzCommFun.dll from the program folder. Ours is a stand-in; an
; operator who has the maker's own keeps it, so a TzCommFun.dll this setup did not install is
; never replaced unless the operator picks the component.

Function ChooseMatrixLibrary
  ${If} ${FileExists} "$INSTDIR\TzCommFun.dll"
    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ReadRegDWORD $1 SHCTX "${UNINSTALL_KEY}" "MatrixStandIn"
    ${If} $0 == $INSTDIR
    ${AndIf} $1 == 1
      !insertmacro SelectSection ${SecMatrix}
    ${Else}
      !insertmacro UnselectSection ${SecMatrix}
    ${EndIf}
  ${Else}
    !insertmacro SelectSection ${SecMatrix}
  ${EndIf}
FunctionEnd

Function ComponentsPagePre
  Call ChooseMatrixLibrary
FunctionEnd

; Start-up: the install mode from the command line, the folder, the matrix library.
Function .onInit
  StrCpy $AllUsers 0
  StrCpy $IsAdmin 0
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 == "Admin"
    StrCpy $IsAdmin 1
  ${EndIf}

  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/ALLUSERS" $2
  ${IfNot} ${Errors}
    ${If} $IsAdmin != 1
      MessageBox MB_ICONSTOP "$(NeedAdmin)" /SD IDOK
      SetErrorLevel ${EXIT_NEEDS_ADMIN}
      Quit
    ${EndIf}
    StrCpy $AllUsers 1
  ${EndIf}
  !insertmacro APPLY_MODE

  ; /D= sets $INSTDIR before this runs; without it the folder follows the mode.
  ${If} $INSTDIR == ""
    Call DefaultFolder
  ${EndIf}
  Call ChooseMatrixLibrary
FunctionEnd

; Under Program Files only administrators may write; the program writes its profiles, its log and
; the insidemode folder while it runs, so the machine's users get modify rights on exactly those
; (not on the folder, where a user could otherwise place a DLL the program would load).
Function GrantUsersTheData
  ${IfNot} ${FileExists} "$INSTDIR\tzview.log"
    FileOpen $0 "$INSTDIR\tzview.log" w
    FileClose $0
  ${EndIf}
  nsExec::ExecToLog '"$SYSDIR\icacls.exe" "$INSTDIR\TzView.ini" /grant ${USERS_SID}:M'
  Pop $0
  nsExec::ExecToLog '"$SYSDIR\icacls.exe" "$INSTDIR\com.ini" /grant ${USERS_SID}:M'
  Pop $0
  nsExec::ExecToLog '"$SYSDIR\icacls.exe" "$INSTDIR\button.ini" /grant ${USERS_SID}:M'
  Pop $0
  nsExec::ExecToLog '"$SYSDIR\icacls.exe" "$INSTDIR\tzview.log" /grant ${USERS_SID}:M'
  Pop $0
  nsExec::ExecToLog '"$SYSDIR\icacls.exe" "$INSTDIR\insidemode" /grant ${USERS_SID}:(OI)(CI)M'
  Pop $0
FunctionEnd

Function RunProgram
  ; Started from its folder, as the shortcut starts it.
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\TaveloPro.exe"'
FunctionEnd

; ---------------------------------------------------------------------------------------------
; Uninstaller: removes the program, its shortcuts and its registration; the operator's profiles,
; scenes and presets stay unless asked for (/REMOVEDATA, or Yes to the question).

Function un.onInit
  StrCpy $AllUsers 0
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    StrCpy $AllUsers 1
    UserInfo::GetAccountType
    Pop $1
    ${If} $1 != "Admin"
      MessageBox MB_ICONSTOP "$(UnNeedAdmin)" /SD IDOK
      SetErrorLevel ${EXIT_NEEDS_ADMIN}
      Quit
    ${EndIf}
  ${EndIf}
  !insertmacro APPLY_MODE

  StrCpy $RemoveData 0
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/REMOVEDATA" $2
  ${IfNot} ${Errors}
    StrCpy $RemoveData 1
  ${EndIf}
FunctionEnd

Section "Uninstall"
  ${If} $RemoveData != 1
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(AskRemoveData)" /SD IDNO IDNO +2
    StrCpy $RemoveData 1
  ${EndIf}

  Delete "$INSTDIR\TaveloPro.exe"
  Delete "$INSTDIR\TzComm.dll"
  Delete "$INSTDIR\LuLib20.dll"
  ReadRegDWORD $0 SHCTX "${UNINSTALL_KEY}" "MatrixStandIn"
  ${If} $0 == 1
    Delete "$INSTDIR\TzCommFun.dll"
  ${EndIf}
  Delete "$INSTDIR\uninstall.exe"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$DESKTOP\${PRODUCT}.lnk"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"

  ${If} $RemoveData == 1
    Delete "$INSTDIR\TzView.ini"
    Delete "$INSTDIR\com.ini"
    Delete "$INSTDIR\button.ini"
    Delete "$INSTDIR\tzview.log"
    RMDir /r "$INSTDIR\insidemode"
    DeleteRegKey HKCU "${PROGRAM_KEY}"
    DeleteRegKey /ifempty HKCU "Software\TAVELO"
  ${EndIf}
  ; Only when nothing of the operator's is left in it.
  RMDir "$INSTDIR"
SectionEnd
