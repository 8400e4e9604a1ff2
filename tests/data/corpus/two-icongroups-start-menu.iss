; This script was created by Tembrix
; https://tembrix.org
; https://tembrix.org/download

[Setup]
AppName=BackTraxPlayer
AppVerName=BackTraxPlayer 1.0
AppVersion=1.0
DefaultDirName={pf}\BackTraxPlayer
DefaultGroupName=BackTraxPlayer
OutputDir=C:\Build\OutPut\
OutputBaseFilename=BackTraxPlayer


[Files]
; START VISUAL BASIC 
Source: VB6STKIT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: COMCAT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: STDOLE2.TLB; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regtypelib sharedfile ; CopyMode: alwaysskipifsameorolder
Source: ASYCFILT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: OLEPRO32.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: OLEAUT32.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: msvbvm60.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
; END VISUAL BASIC
Source: TagsLib.dll; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: ColorBar.dll; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: basswv.dll; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: basswma.dll; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: bassopus.dll; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: bassmix.dll; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: bassflac.dll; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: bassenc.dll; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: basscd.dll; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: bass_mpc.dll; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: bass_fx.dll; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: bass_ape.dll; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: bass_alac.dll; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: bass_ac3.dll; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: bass_aac.dll; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: vsflex8l.ocx; DestDir: {app}; Flags: regserver sharedfile ; CopyMode: normal
Source: vbalIml240_10Tec.ocx; DestDir: {app}; Flags: regserver sharedfile ; CopyMode: normal
Source: cpvslider.ocx; DestDir: {app}; Flags: regserver sharedfile ; CopyMode: normal
Source: comdlg32.ocx; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSCOMCTL.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSVCRT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: THREED20.OCX; DestDir: {app}; Flags: regserver sharedfile ; CopyMode: normal
Source: ID3v23xBase.dll; DestDir: {app}; Flags: regserver sharedfile ; CopyMode: normal
Source: scrrun.dll; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: bass.dll; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: bassalac.dll; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: uxtheme.dll; DestDir: {app}; Flags: regserver sharedfile ; CopyMode: normal
Source: LilacProBackTraxPlayer.exe; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder

[Icons]
Name: {group}\BackTraxPlayer; Filename: {app}\LilacProBackTraxPlayer.exe;WorkingDir: {app}; IconFilename: {app}\LilacProBackTraxPlayer.exe; IconIndex: 0
Name: {commonstartmenu}\BackTraxPlayer; Filename: {app}\LilacProBackTraxPlayer.exe;WorkingDir: {app}; IconFilename: {app}\LilacProBackTraxPlayer.exe; IconIndex: 0
