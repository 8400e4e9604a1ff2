; This script was created by Tembrix
; https://tembrix.org
; https://tembrix.org/download

[Setup]
AppName=AutoRun
AppVerName=AutoRun 1.0
AppVersion=1.0
DefaultDirName={autopf}\Game TTGO
DefaultGroupName=Setup
OutputDir=C:\Build\OutPut\
OutputBaseFilename=AutoRun


[Files]
; START VISUAL BASIC
Source: VB6STKIT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall
Source: COMCAT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver
Source: stdole2.tlb; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regtypelib
Source: asycfilt.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall
Source: olepro32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver
Source: oleaut32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver
Source: msvbvm60.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver
; END VISUAL BASIC
Source: Game TTGO.exe; DestDir: {app}; Flags: sharedfile

[Icons]
Name: {group}\Setup; Filename: {app}\Game TTGO.exe; WorkingDir: {app}; IconFilename: {app}\Game TTGO.exe; IconIndex: 0
