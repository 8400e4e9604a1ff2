; This script was created by Tembrix
; https://tembrix.org
; https://tembrix.org/download

[Setup]
AppName=Gestion Integral del Alumno
AppVerName=Gestion Integral del Alumno 1.0
AppVersion=1.0
DefaultDirName={autopf}\Gestion Integral del Alumno
DefaultGroupName=CR Software
OutputDir=C:\Build\OutPut\
OutputBaseFilename=Gestion Integral del Alumno


[Files]
; START VISUAL BASIC
Source: VB6STKIT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: MSVCRT40.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: COMCAT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
Source: asycfilt.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: olepro32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
Source: oleaut32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
Source: stdole2.tlb; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regtypelib sharedfile
Source: msvbvm60.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
Source: VB6ES.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
; END VISUAL BASIC
Source: Mdac_typ.exe; DestDir: {tmp}; Flags: promptifolder deleteafterinstall
Source: VB5DB.DLL; DestDir: {sys}; Flags: sharedfile
Source: MSREPL35.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: MSRD2X35.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile promptifolder
Source: expsrv.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: vbajet32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: MSJINT35.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: MSJTER35.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: MSJET35.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile promptifolder
Source: RDO20ES.DLL; DestDir: {sys}; Flags: sharedfile
Source: RDOCURS.DLL; DestDir: {sys}; Flags: sharedfile
Source: MSRDO20.DLL; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: DAO350.DLL; DestDir: {dao}; Flags: regserver sharedfile promptifolder
Source: isButton.ocx; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: ieinfo5.ocx; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSCAL.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSCOMES.DLL; DestDir: {sys}; Flags: sharedfile
Source: MSCOMM32.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSCH2ES.DLL; DestDir: {sys}; Flags: sharedfile
Source: MSCHRT20.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: CMCTLES.DLL; DestDir: {sys}; Flags: sharedfile
Source: COMCTL32.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSCMCES.DLL; DestDir: {sys}; Flags: sharedfile
Source: MSCOMCTL.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: HookMenu.ocx; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: ADODCES.DLL; DestDir: {sys}; Flags: sharedfile
Source: MSSTDFMT.DLL; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSADODC.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSCC2ES.DLL; DestDir: {sys}; Flags: sharedfile
Source: MSCOMCT2.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: RCHTXES.DLL; DestDir: {sys}; Flags: sharedfile
; Source: RICHED32.DLL; DestDir: {sys}
Source: RICHTX32.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: msscript.ocx; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: DATLSES.DLL; DestDir: {sys}; Flags: sharedfile
Source: MSDATLST.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: DATGDES.DLL; DestDir: {sys}; Flags: sharedfile
Source: MSDATGRD.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: DTCRT.DLL; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: DATRPES.DLL; DestDir: {sys}; Flags: sharedfile
Source: MSBIND.DLL; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSDATREP.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: DBLSTES.DLL; DestDir: {sys}; Flags: sharedfile
Source: DBLIST32.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: DBGRDES.DLL; DestDir: {sys}; Flags: sharedfile
Source: DBGRID32.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: CMCT3ES.DLL; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: COMCT332.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: CMCT2ES.DLL; DestDir: {sys}; Flags: sharedfile
Source: COMCT232.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: DTCSERV.DLL; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: WINSKES.DLL; DestDir: {sys}; Flags: sharedfile
Source: MSWINSCK.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: DBRPRES.DLL; DestDir: {sys}; Flags: sharedfile
Source: MSDBRPTR.DLL; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: CMDLGES.DLL; DestDir: {sys}; Flags: sharedfile
Source: comdlg32.ocx; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: FLXGDES.DLL; DestDir: {sys}; Flags: sharedfile
Source: MSFLXGRD.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: RDC20ES.DLL; DestDir: {sys}; Flags: sharedfile
Source: MSRDC20.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: msado28.tlb; DestDir: {sys}; Flags: sharedfile
Source: GIA.exe; DestDir: {app}; Flags: sharedfile

[Icons]
Name: {group}\Gestion Integral del Alumno; Filename: {app}\GIA.exe; WorkingDir: {app}; IconFilename: {app}\GIA.exe; IconIndex: 0

[Run]
Filename: {tmp}\Mdac_typ.exe; WorkingDir: {tmp}; Parameters: /q
