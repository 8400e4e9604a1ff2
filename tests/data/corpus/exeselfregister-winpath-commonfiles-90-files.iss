; This script was created by Tembrix
; https://tembrix.org
; https://tembrix.org/download

[Setup]
AppName=AgroModel 1.2
AppVerName=AgroModel 1.2 1.0
AppVersion=1.0
DefaultDirName={pf}\MODEL
DefaultGroupName=AgroModel 1.2
OutputDir=C:\Build\OutPut\
OutputBaseFilename=AgroModel 1.2


[Files]
; START VISUAL BASIC 
Source: VB6STKIT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: COMCAT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSVCRT40.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: stdole2.tlb; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regtypelib sharedfile ; CopyMode: alwaysskipifsameorolder
Source: ASYCFILT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: olepro32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: OLEAUT32.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSVBVM60.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
; END VISUAL BASIC
Source: datach10.STA; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: datach10.sav; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: Charolai.mdx; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Charolai.dbf; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: cercospora.xls; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: cercospora.mdb; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: animalsys.syo; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: animalxls.xls; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: animal.SYD; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: animal.mdb; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSCOMCTL.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: DAXCTLE.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: U2FXLS.DLL; DestDir: {win}\Crystal; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: U2FWORDW.DLL; DestDir: {win}\Crystal; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: U2FWKS.DLL; DestDir: {win}\Crystal; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: U2FTEXT.DLL; DestDir: {win}\Crystal; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: U2FSEPV.DLL; DestDir: {win}\Crystal; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: U2FRTF.DLL; DestDir: {win}\Crystal; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: U2FREC.DLL; DestDir: {win}\Crystal; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: U2FHTML.DLL; DestDir: {win}\Crystal; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: U2FDIF.DLL; DestDir: {win}\Crystal; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: U2FCR.DLL; DestDir: {win}\Crystal; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: U2DMAPI.DLL; DestDir: {win}\Crystal; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: U2DDISK.DLL; DestDir: {win}\Crystal; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: P2SODBC.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: P2IRDAO.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: P2CTDAO.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: P2BDAO.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: P2BBND.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: CRXLAT32.DLL; DestDir: {win}\Crystal; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: CO2C40EN.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: PG32.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: IMPLODE.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: CRPE32.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: CRYSTL32.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSSTDFMT.DLL; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSHFLXGD.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: RDOCURS.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSRDO20.DLL; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSRDC20.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSCHRT20.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSDATLST.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSADODC.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSDATGRD.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: CHARTWIZ.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: DATAFORM.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: APPWIZ.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: grid32.ocx; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: isctrls.ocx; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: FLEXWIZ.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSFLXGRD.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: PICCLP32.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSWINSCK.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSCHART.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
; Source: RICHED32.DLL; DestDir: {sys}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: RICHTX32.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSINET.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: COMCTL32.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: COMDLG32.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: DBLIST32.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MCI32.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSMAPI32.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: DBGRID32.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSVCRT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: SCRRUN.DLL; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: GRAPH8.OLB; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSDBRPTR.DLL; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MARQUEE.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: amstream.dll; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSSCRIPT.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSCDRUN.DLL; DestDir: {cf}\Designer; Flags: regserver sharedfile ; CopyMode: normal
Source: MSBIND.DLL; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSDERUN.DLL; DestDir: {cf}\designer; Flags: regserver sharedfile ; CopyMode: normal
Source: DANIM.DLL; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: PLUGIN.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSWORD8.OLB; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: VB5EXT.OLB; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: EXCEL8.OLB; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSACC8.OLB; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: APILOAD.EXE; DestDir: {sys}; Flags: uninsneveruninstall sharedfile ; CopyMode: normal
Source: VB5DB.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSREPL35.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSRD2X35.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: normal
Source: EXPSRV.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: normal
Source: vbajet32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSJINT35.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSJTER35.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSJET35.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: normal
Source: DAO350.DLL; DestDir: {dao}; Flags: regserver sharedfile ; CopyMode: normal
Source: MODEL.exe; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder

[Icons]
Name: {group}\AgroModel 1.2; Filename: {app}\MODEL.exe;WorkingDir: {app}; IconFilename: {app}\MODEL.exe; IconIndex: 0

[Run]
Filename: {sys}\APILOAD.EXE; Parameters: /REGSERVER; Flags: runhidden
