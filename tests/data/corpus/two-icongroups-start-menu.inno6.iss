; This script was created by Tembrix
; https://tembrix.org
; https://tembrix.org/download

[Setup]
AppName=BackTraxPlayer
AppVerName=BackTraxPlayer 1.0
AppVersion=1.0
DefaultDirName={autopf}\BackTraxPlayer
DefaultGroupName=BackTraxPlayer
OutputDir=C:\Build\OutPut\
OutputBaseFilename=BackTraxPlayer


[Files]
; START VISUAL BASIC
Source: VB6STKIT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: COMCAT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
Source: STDOLE2.TLB; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regtypelib sharedfile
Source: ASYCFILT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: OLEPRO32.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
Source: OLEAUT32.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
Source: msvbvm60.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
; END VISUAL BASIC
Source: TagsLib.dll; DestDir: {app}; Flags: sharedfile
Source: ColorBar.dll; DestDir: {app}; Flags: sharedfile
Source: basswv.dll; DestDir: {app}; Flags: sharedfile
Source: basswma.dll; DestDir: {app}; Flags: sharedfile
Source: bassopus.dll; DestDir: {app}; Flags: sharedfile
Source: bassmix.dll; DestDir: {app}; Flags: sharedfile
Source: bassflac.dll; DestDir: {app}; Flags: sharedfile
Source: bassenc.dll; DestDir: {app}; Flags: sharedfile
Source: basscd.dll; DestDir: {app}; Flags: sharedfile
Source: bass_mpc.dll; DestDir: {app}; Flags: sharedfile
Source: bass_fx.dll; DestDir: {app}; Flags: sharedfile
Source: bass_ape.dll; DestDir: {app}; Flags: sharedfile
Source: bass_alac.dll; DestDir: {app}; Flags: sharedfile
Source: bass_ac3.dll; DestDir: {app}; Flags: sharedfile
Source: bass_aac.dll; DestDir: {app}; Flags: sharedfile
Source: vsflex8l.ocx; DestDir: {app}; Flags: regserver sharedfile promptifolder
Source: vbalIml240_10Tec.ocx; DestDir: {app}; Flags: regserver sharedfile promptifolder
Source: cpvslider.ocx; DestDir: {app}; Flags: regserver sharedfile promptifolder
Source: comdlg32.ocx; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSCOMCTL.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSVCRT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: THREED20.OCX; DestDir: {app}; Flags: regserver sharedfile promptifolder
Source: ID3v23xBase.dll; DestDir: {app}; Flags: regserver sharedfile promptifolder
Source: scrrun.dll; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: bass.dll; DestDir: {app}; Flags: sharedfile
Source: bassalac.dll; DestDir: {app}; Flags: sharedfile
Source: uxtheme.dll; DestDir: {app}; Flags: regserver sharedfile promptifolder
Source: LilacProBackTraxPlayer.exe; DestDir: {app}

[Icons]
Name: {group}\BackTraxPlayer; Filename: {app}\LilacProBackTraxPlayer.exe; WorkingDir: {app}; IconFilename: {app}\LilacProBackTraxPlayer.exe; IconIndex: 0
Name: {commonstartmenu}\BackTraxPlayer; Filename: {app}\LilacProBackTraxPlayer.exe; WorkingDir: {app}; IconFilename: {app}\LilacProBackTraxPlayer.exe; IconIndex: 0
