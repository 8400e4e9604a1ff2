; This script was created by Tembrix
; https://tembrix.org
; https://tembrix.org/download

[Setup]
AppName=Ordem de Serviço
AppVerName=Ordem de Serviço 1.0
AppVersion=1.0
DefaultDirName={autopf}\Ordem de Serviço
DefaultGroupName=Ordem de Serviço
OutputDir=C:\Build\OutPut\
OutputBaseFilename=Ordem de Serviço


[Files]
; START VISUAL BASIC
Source: VB6STKIT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: MSVCRT40.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: COMCAT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
Source: stdole2.tlb; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regtypelib sharedfile
Source: asycfilt.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: olepro32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
Source: oleaut32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
Source: msvbvm60.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
; END VISUAL BASIC
Source: os.mdb; DestDir: {app}; Flags: sharedfile
Source: MSTEXT35.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile promptifolder
Source: crviewer.dll; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: VB5DB.DLL; DestDir: {sys}; Flags: sharedfile
Source: MSREPL35.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: msrd2x35.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile promptifolder
Source: expsrv.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: vbajet32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: Msjint35.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: msjter35.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: msjet35.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile promptifolder
Source: DAO350.DLL; DestDir: {dao}; Flags: regserver sharedfile promptifolder
Source: Ordem de Serviço.exe; DestDir: {app}; Flags: sharedfile

[Icons]
Name: {group}\Ordem de Serviço; Filename: {app}\Ordem de Serviço.exe; WorkingDir: {app}; IconFilename: {app}\Ordem de Serviço.exe; IconIndex: 0
