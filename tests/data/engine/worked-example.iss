; This script was created by Tembrix
; https://tembrix.org
; https://tembrix.org/download

[Setup]
AppName=Inventory
AppVerName=Inventory 1.0
AppVersion=1.0
DefaultDirName={pf}\Inventory
DefaultGroupName=Inventory
OutputDir=C:\Build\OutPut\
OutputBaseFilename=Inventory


[Files]
; START VISUAL BASIC 
Source: CORE.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: TYPES.TLB; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regtypelib sharedfile ; CopyMode: alwaysskipifsameorolder
; END VISUAL BASIC
Source: Mdac_typ.exe; DestDir: {tmp}; CopyMode: normal; Flags: deleteafterinstall
Source: GRID.DLL; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: INVENT.EXE; DestDir: {app}; Flags: ; CopyMode: normal
Source: README.TXT; DestDir: {app}\Docs; Flags: ; CopyMode: alwaysskipifsameorolder

[Icons]
Name: {group}\Inventory; Filename: {app}\INVENT.EXE;WorkingDir: {app}; IconFilename: {app}\INVENT.EXE; IconIndex: 0

[Run]
Filename: {tmp}\Mdac_typ.exe; WorkingDir: {tmp}; Parameters: /q
Filename: {app}\INVENT.EXE; Parameters: /REGSERVER; Flags: runhidden

[UninstallRun]
Filename: {app}\INVENT.EXE; Parameters: /UNREGSERVER; Flags: runhidden; RunOnceId: UnregServer_INVENT.EXE
