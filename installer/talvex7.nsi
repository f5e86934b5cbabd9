; The talvex7 installer: the module, its English language module and the reviewer's recalc.exe into the
; host's plug-in folder, the default report style sheet into the public documents folder, and an uninstaller
; registered with Add/Remove Programs that takes away exactly what this installer put there.
;
; Built by scripts/package, which defines:
;   TARGET       x86-unicode (the product: 32-bit modules for the 32-bit host; the default) or
;                amd64-unicode (a 64-bit build, for testing where only 64-bit Windows programs run)
;   MODULE       the built talvex7.dll
;   LANGUAGE_MODULE  the built talvex7ENU.dll
;   RECALC       the built recalc.exe, the reviewer's console program that verifies a report
;   STYLESHEET   the default style sheet, stylesheet/Report.xsl
;   OUTFILE      the installer to write
;
; Command line (besides NSIS's own /S and /D=folder, which must come last):
;   /REPLACESTYLESHEET  replace a style sheet that was changed since it was installed, or that another
;                       installation left, without asking (a silent installation keeps it otherwise)

!ifndef TARGET
  !define TARGET x86-unicode
!endif
!ifndef MODULE
  !error "MODULE, LANGUAGE_MODULE, RECALC, STYLESHEET and OUTFILE are given by scripts/package"
!endif

Unicode true
Target ${TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define PRODUCT "talvex7"
!define VERSION "1.0.0.0"
!define COMPANY "talvex7 developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define UNINSTALLER "talvex7-uninstall.exe"
; Below the public documents folder, where the module looks for its style sheet.
!define STYLESHEET_FOLDER "Veltrox4\talvex7"

Name "${PRODUCT}"
Caption "$(CAPTION)"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
; The host's plug-in folder; a reinstallation proposes the folder of the installation before.
InstallDir "$PROGRAMFILES\Veltrox4\Plugins"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "CompanyName" "${COMPANY}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright (C) 2026 ${COMPANY}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"

!define MUI_ABORTWARNING
!define MUI_DIRECTORYPAGE_TEXT_TOP "$(DIRECTORY_TEXT)"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "English"
!include /CHARSET=UTF8 "messages.nsh"

; State of this installation, kept in the uninstall key so that the uninstaller removes only what was ours.
;   StyleSheet          the style sheet's full path
;   StyleSheetTime      its write time (high.low) as installed; absent when an existing file was kept
;   CreatedPluginFolder, CreatedStyleSheetFolder
;                       the outermost folder the installer made on the way to the plug-in folder and to
;                       the style sheet's folder (the uninstaller removes those that are empty)
Var styleSheet
Var styleSheetFolder

Function .onInit
  SetShellVarContext all
  StrCpy $styleSheetFolder "$DOCUMENTS\${STYLESHEET_FOLDER}"
  StrCpy $styleSheet "$styleSheetFolder\Report.xsl"
FunctionEnd

; CreateFolder VALUE FOLDER: makes FOLDER with whatever part of its path is missing, and notes the
; outermost folder made under VALUE in the registry. A value left by an installation before stays: that
; installation made the folders.
!macro CreateFolder VALUE FOLDER
  StrCpy $R6 "${FOLDER}"
  StrCpy $R5 ""
  ${Do}
    ${IfThen} ${FileExists} "$R6\*.*" ${|} ${ExitDo} ${|}
    StrCpy $R5 $R6
    ${GetParent} $R6 $R6
  ${LoopUntil} $R6 == ""
  ${If} $R5 != ""
    CreateDirectory "${FOLDER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "${VALUE}" $R5
  ${EndIf}
!macroend

; RemoveCreatedFolders VALUE FOLDER: removes FOLDER and its parents up to the outermost folder this
; installation made (noted under VALUE), each only when it is empty.
!macro RemoveCreatedFolders VALUE FOLDER
  ReadRegStr $R5 HKLM "${UNINSTALL_KEY}" "${VALUE}"
  StrLen $R4 $R5
  StrCpy $R6 "${FOLDER}" $R4
  StrCpy $R3 "${FOLDER}" 1 $R4
  ; Only the folder noted or one inside it: anything else is not ours to remove.
  ${If} $R5 != ""
  ${AndIf} $R6 == $R5
    ${If} $R3 == ""
    ${OrIf} $R3 == "\"
      StrCpy $R6 "${FOLDER}"
      ${Do}
        RMDir $R6
        ${IfThen} $R6 == $R5 ${|} ${ExitDo} ${|}
        ${GetParent} $R6 $R6
      ${LoopUntil} $R6 == ""
    ${EndIf}
  ${EndIf}
!macroend

; The write time of a file as "high.low", or "" when the file is missing.
!macro FileTimeText FILE RESULT
  ClearErrors
  GetFileTime "${FILE}" $R8 $R9
  ${If} ${Errors}
    StrCpy ${RESULT} ""
  ${Else}
    StrCpy ${RESULT} "$R8.$R9"
  ${EndIf}
!macroend

; Whether the style sheet in place may be replaced: it is missing, it is the one an installation put there
; and nobody changed it since, the command line asks for it, or the administrator agrees.
Function StyleSheetReplaceable
  ${IfNot} ${FileExists} $styleSheet
    Push 1
    Return
  ${EndIf}
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "StyleSheetTime"
  !insertmacro FileTimeText $styleSheet $1
  ${If} $0 != ""
  ${AndIf} $0 == $1
    Push 1
    Return
  ${EndIf}
  ${GetParameters} $2
  ClearErrors
  ${GetOptions} $2 "/REPLACESTYLESHEET" $3
  ${IfNot} ${Errors}
    Push 1
    Return
  ${EndIf}
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(ASK_REPLACE_STYLESHEET)" /SD IDNO IDYES replace
  Push 0
  Return
replace:
  Push 1
FunctionEnd

; A reinstallation into another folder moves the module: a host must not find two copies of it.
Function RemovePreviousFolder
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == ""
  ${OrIf} $0 == $INSTDIR
    Return
  ${EndIf}
  Delete /REBOOTOK "$0\talvex7.dll"
  Delete /REBOOTOK "$0\talvex7ENU.dll"
  Delete /REBOOTOK "$0\recalc.exe"
  Delete "$0\${UNINSTALLER}"
  !insertmacro RemoveCreatedFolders "CreatedPluginFolder" $0
  DeleteRegValue HKLM "${UNINSTALL_KEY}" "CreatedPluginFolder"
FunctionEnd

Section "talvex7"
  SetOverwrite on
  Call RemovePreviousFolder
  !insertmacro CreateFolder "CreatedPluginFolder" "$INSTDIR"
  SetOutPath "$INSTDIR"
  File "/oname=talvex7.dll" "${MODULE}"
  File "/oname=talvex7ENU.dll" "${LANGUAGE_MODULE}"
  ; Beside the module, so that a reviewer finds it where the product is.
  File "/oname=recalc.exe" "${RECALC}"

  !insertmacro CreateFolder "CreatedStyleSheetFolder" "$styleSheetFolder"
  Call StyleSheetReplaceable
  Pop $0
  ${If} $0 == 1
    SetOutPath "$styleSheetFolder"
    File "/oname=Report.xsl" "${STYLESHEET}"
    !insertmacro FileTimeText $styleSheet $1
    WriteRegStr HKLM "${UNINSTALL_KEY}" "StyleSheetTime" $1
  ${Else}
    ; The administrator's style sheet stays, and stays after an uninstallation too.
    DetailPrint "$(KEPT_STYLESHEET)"
    DeleteRegValue HKLM "${UNINSTALL_KEY}" "StyleSheetTime"
  ${EndIf}

  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "$(DISPLAY_NAME)"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${COMPANY}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "StyleSheet" $styleSheet
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; Only our files: the folder is the host's, with its other plug-ins.
  ${GetSize} "$INSTDIR" "/M=talvex7*.* /S=0K /G=0" $0 $1 $2
  ${GetSize} "$INSTDIR" "/M=recalc.exe /S=0K /G=0" $3 $1 $2
  IntOp $0 $0 + $3
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "Uninstall"
  Delete /REBOOTOK "$INSTDIR\talvex7.dll"
  Delete /REBOOTOK "$INSTDIR\talvex7ENU.dll"
  Delete /REBOOTOK "$INSTDIR\recalc.exe"

  ; The style sheet goes only when it is the one installed, unchanged: edits are the laboratory's work.
  ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "StyleSheet"
  ReadRegStr $2 HKLM "${UNINSTALL_KEY}" "StyleSheetTime"
  ${If} $1 != ""
    !insertmacro FileTimeText $1 $3
    ${If} $2 != ""
    ${AndIf} $2 == $3
      Delete "$1"
    ${EndIf}
    ${GetParent} $1 $4
    !insertmacro RemoveCreatedFolders "CreatedStyleSheetFolder" $4
  ${EndIf}

  Delete "$INSTDIR\${UNINSTALLER}"
  !insertmacro RemoveCreatedFolders "CreatedPluginFolder" "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
