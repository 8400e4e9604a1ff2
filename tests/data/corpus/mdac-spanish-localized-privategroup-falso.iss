; This script was created by Tembrix
; https://tembrix.org
; https://tembrix.org/download

[Setup]
AppName=Gestion Integral del Alumno
AppVerName=Gestion Integral del Alumno 1.0
AppVersion=1.0
DefaultDirName={pf}\Gestion Integral del Alumno
DefaultGroupName=CR Software
OutputDir=C:\Build\OutPut\
OutputBaseFilename=Gestion Integral del Alumno


[Files]
; START VISUAL BASIC 
Source: VB6STKIT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSVCRT40.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: COMCAT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: asycfilt.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: olepro32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: oleaut32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: stdole2.tlb; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regtypelib sharedfile ; CopyMode: alwaysskipifsameorolder
Source: msvbvm60.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: VB6ES.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
; END VISUAL BASIC
Source: Mdac_typ.exe; DestDir: {tmp}; CopyMode: normal; Flags: deleteafterinstall
Source: VB5DB.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSREPL35.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSRD2X35.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: normal
Source: expsrv.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: vbajet32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSJINT35.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSJTER35.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSJET35.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: normal
Source: RDO20ES.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: RDOCURS.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSRDO20.DLL; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: DAO350.DLL; DestDir: {dao}; Flags: regserver sharedfile ; CopyMode: normal
Source: isButton.ocx; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: ieinfo5.ocx; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSCAL.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSCOMES.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSCOMM32.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSCH2ES.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSCHRT20.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: CMCTLES.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: COMCTL32.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSCMCES.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSCOMCTL.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: HookMenu.ocx; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: ADODCES.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSSTDFMT.DLL; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSADODC.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSCC2ES.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSCOMCT2.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: RCHTXES.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
; Source: RICHED32.DLL; DestDir: {sys}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: RICHTX32.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: msscript.ocx; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: DATLSES.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSDATLST.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: DATGDES.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSDATGRD.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: DTCRT.DLL; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: DATRPES.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSBIND.DLL; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSDATREP.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: DBLSTES.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: DBLIST32.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: DBGRDES.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: DBGRID32.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: CMCT3ES.DLL; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: COMCT332.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: CMCT2ES.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: COMCT232.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: DTCSERV.DLL; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: WINSKES.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSWINSCK.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: DBRPRES.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSDBRPTR.DLL; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: CMDLGES.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: comdlg32.ocx; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: FLXGDES.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSFLXGRD.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: RDC20ES.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSRDC20.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: msado28.tlb; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: GIA.exe; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder

[Icons]
Name: {group}\Gestion Integral del Alumno; Filename: {app}\GIA.exe;WorkingDir: {app}; IconFilename: {app}\GIA.exe; IconIndex: 0

[Run]
Filename: {tmp}\Mdac_typ.exe; WorkingDir: {tmp}; Parameters: /q
