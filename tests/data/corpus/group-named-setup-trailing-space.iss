; This script was created by Tembrix
; https://tembrix.org
; https://tembrix.org/download

[Setup]
AppName=AutoRun
AppVerName=AutoRun 1.0
AppVersion=1.0
DefaultDirName={pf}\Game TTGO
DefaultGroupName=Setup
OutputDir=C:\Build\OutPut\
OutputBaseFilename=AutoRun


[Files]
; START VISUAL BASIC 
Source: VB6STKIT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: COMCAT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: stdole2.tlb; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regtypelib sharedfile ; CopyMode: alwaysskipifsameorolder
Source: asycfilt.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: olepro32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: oleaut32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: msvbvm60.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
; END VISUAL BASIC
Source: Game TTGO.exe; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder

[Icons]
Name: {group}\Setup; Filename: {app}\Game TTGO.exe;WorkingDir: {app}; IconFilename: {app}\Game TTGO.exe; IconIndex: 0
