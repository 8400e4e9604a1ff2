; This script was created by Tembrix
; https://tembrix.org
; https://tembrix.org/download

[Setup]
AppName=WeitzExport
AppVerName=WeitzExport 1.0
AppVersion=1.0
DefaultDirName=D:\AcordeSv\DSMS\SourceFiles\DSMS
DefaultGroupName=
OutputDir=C:\Build\OutPut\
OutputBaseFilename=WeitzExport


[Files]
; START VISUAL BASIC 
Source: VB6StKit.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
; END VISUAL BASIC
Source: WeitzExportUtility.dp6; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: WeitzExport.exe; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder

[Icons]
