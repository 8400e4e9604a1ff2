; This script was created by Tembrix
; https://tembrix.org
; https://tembrix.org/download

[Setup]
AppName=Inventory
AppVerName=Inventory 1.0
AppVersion=1.0
DefaultDirName={autopf}\Inventory
DefaultGroupName=Inventory
OutputDir=C:\Build\OutPut\
OutputBaseFilename=Inventory


[Files]
; START VISUAL BASIC
Source: CORE.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
Source: TYPES.TLB; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regtypelib sharedfile
; END VISUAL BASIC
Source: Mdac_typ.exe; DestDir: {tmp}; Flags: promptifolder deleteafterinstall
Source: GRID.DLL; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: INVENT.EXE; DestDir: {app}; Flags: promptifolder
Source: README.TXT; DestDir: {app}\Docs

[Icons]
Name: {group}\Inventory; Filename: {app}\INVENT.EXE; WorkingDir: {app}; IconFilename: {app}\INVENT.EXE; IconIndex: 0

[Run]
Filename: {tmp}\Mdac_typ.exe; WorkingDir: {tmp}; Parameters: /q
Filename: {app}\INVENT.EXE; Parameters: /REGSERVER; Flags: runhidden

[UninstallRun]
Filename: {app}\INVENT.EXE; Parameters: /UNREGSERVER; Flags: runhidden; RunOnceId: UnregServer_INVENT.EXE
