; This script was created by Tembrix
; https://tembrix.org
; https://tembrix.org/download

[Setup]
AppName=Ordem de Serviço
AppVerName=Ordem de Serviço 1.0
AppVersion=1.0
DefaultDirName={pf}\Ordem de Serviço
DefaultGroupName=Ordem de Serviço
OutputDir=C:\Build\OutPut\
OutputBaseFilename=Ordem de Serviço


[Files]
; START VISUAL BASIC 
Source: VB6STKIT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSVCRT40.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: COMCAT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: stdole2.tlb; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regtypelib sharedfile ; CopyMode: alwaysskipifsameorolder
Source: asycfilt.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: olepro32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: oleaut32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: msvbvm60.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
; END VISUAL BASIC
Source: os.mdb; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSTEXT35.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: normal
Source: crviewer.dll; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: VB5DB.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSREPL35.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: msrd2x35.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: normal
Source: expsrv.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: vbajet32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: Msjint35.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: msjter35.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: msjet35.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: normal
Source: DAO350.DLL; DestDir: {dao}; Flags: regserver sharedfile ; CopyMode: normal
Source: Ordem de Serviço.exe; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder

[Icons]
Name: {group}\Ordem de Serviço; Filename: {app}\Ordem de Serviço.exe;WorkingDir: {app}; IconFilename: {app}\Ordem de Serviço.exe; IconIndex: 0
