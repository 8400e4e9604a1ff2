; This script was created by Tembrix
; https://tembrix.org
; https://tembrix.org/download

[Setup]
AppName=AgroModel 1.2
AppVerName=AgroModel 1.2 1.0
AppVersion=1.0
DefaultDirName={autopf}\MODEL
DefaultGroupName=AgroModel 1.2
OutputDir=C:\Build\OutPut\
OutputBaseFilename=AgroModel 1.2


[Files]
; START VISUAL BASIC
Source: VB6STKIT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: COMCAT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
Source: MSVCRT40.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: stdole2.tlb; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regtypelib sharedfile
Source: ASYCFILT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: olepro32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
Source: OLEAUT32.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
Source: MSVBVM60.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
; END VISUAL BASIC
Source: datach10.STA; DestDir: {app}; Flags: sharedfile
Source: datach10.sav; DestDir: {app}; Flags: sharedfile
Source: Charolai.mdx; DestDir: {app}
Source: Charolai.dbf; DestDir: {app}; Flags: sharedfile
Source: cercospora.xls; DestDir: {app}; Flags: sharedfile
Source: cercospora.mdb; DestDir: {app}; Flags: sharedfile
Source: animalsys.syo; DestDir: {app}
Source: animalxls.xls; DestDir: {app}; Flags: sharedfile
Source: animal.SYD; DestDir: {app}; Flags: sharedfile
Source: animal.mdb; DestDir: {app}; Flags: sharedfile
Source: MSCOMCTL.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: DAXCTLE.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: U2FXLS.DLL; DestDir: {win}\Crystal; Flags: sharedfile
Source: U2FWORDW.DLL; DestDir: {win}\Crystal; Flags: sharedfile
Source: U2FWKS.DLL; DestDir: {win}\Crystal; Flags: sharedfile
Source: U2FTEXT.DLL; DestDir: {win}\Crystal; Flags: sharedfile
Source: U2FSEPV.DLL; DestDir: {win}\Crystal; Flags: sharedfile
Source: U2FRTF.DLL; DestDir: {win}\Crystal; Flags: sharedfile
Source: U2FREC.DLL; DestDir: {win}\Crystal; Flags: sharedfile
Source: U2FHTML.DLL; DestDir: {win}\Crystal; Flags: sharedfile
Source: U2FDIF.DLL; DestDir: {win}\Crystal; Flags: sharedfile
Source: U2FCR.DLL; DestDir: {win}\Crystal; Flags: sharedfile
Source: U2DMAPI.DLL; DestDir: {win}\Crystal; Flags: sharedfile
Source: U2DDISK.DLL; DestDir: {win}\Crystal; Flags: sharedfile
Source: P2SODBC.DLL; DestDir: {sys}; Flags: sharedfile
Source: P2IRDAO.DLL; DestDir: {sys}; Flags: sharedfile
Source: P2CTDAO.DLL; DestDir: {sys}; Flags: sharedfile
Source: P2BDAO.DLL; DestDir: {sys}; Flags: sharedfile
Source: P2BBND.DLL; DestDir: {sys}; Flags: sharedfile
Source: CRXLAT32.DLL; DestDir: {win}\Crystal; Flags: sharedfile
Source: CO2C40EN.DLL; DestDir: {sys}; Flags: sharedfile
Source: PG32.DLL; DestDir: {sys}; Flags: sharedfile
Source: IMPLODE.DLL; DestDir: {sys}; Flags: sharedfile
Source: CRPE32.DLL; DestDir: {sys}; Flags: sharedfile
Source: CRYSTL32.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSSTDFMT.DLL; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSHFLXGD.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: RDOCURS.DLL; DestDir: {sys}; Flags: sharedfile
Source: MSRDO20.DLL; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSRDC20.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSCHRT20.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSDATLST.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSADODC.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSDATGRD.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: CHARTWIZ.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: DATAFORM.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: APPWIZ.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: grid32.ocx; DestDir: {app}
Source: isctrls.ocx; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: FLEXWIZ.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSFLXGRD.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: PICCLP32.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSWINSCK.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSCHART.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
; Source: RICHED32.DLL; DestDir: {sys}
Source: RICHTX32.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSINET.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: COMCTL32.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: COMDLG32.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: DBLIST32.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MCI32.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSMAPI32.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: DBGRID32.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSVCRT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: SCRRUN.DLL; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: GRAPH8.OLB; DestDir: {sys}; Flags: sharedfile
Source: MSDBRPTR.DLL; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MARQUEE.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: amstream.dll; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSSCRIPT.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSCDRUN.DLL; DestDir: {commoncf}\Designer; Flags: regserver sharedfile promptifolder
Source: MSBIND.DLL; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSDERUN.DLL; DestDir: {commoncf}\designer; Flags: regserver sharedfile promptifolder
Source: DANIM.DLL; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: PLUGIN.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSWORD8.OLB; DestDir: {sys}; Flags: sharedfile
Source: VB5EXT.OLB; DestDir: {sys}; Flags: sharedfile
Source: EXCEL8.OLB; DestDir: {sys}; Flags: sharedfile
Source: MSACC8.OLB; DestDir: {sys}; Flags: sharedfile
Source: APILOAD.EXE; DestDir: {sys}; Flags: uninsneveruninstall sharedfile promptifolder
Source: VB5DB.DLL; DestDir: {sys}; Flags: sharedfile
Source: MSREPL35.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: MSRD2X35.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile promptifolder
Source: EXPSRV.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile promptifolder
Source: vbajet32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: MSJINT35.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: MSJTER35.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: MSJET35.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile promptifolder
Source: DAO350.DLL; DestDir: {dao}; Flags: regserver sharedfile promptifolder
Source: MODEL.exe; DestDir: {app}; Flags: sharedfile

[Icons]
Name: {group}\AgroModel 1.2; Filename: {app}\MODEL.exe; WorkingDir: {app}; IconFilename: {app}\MODEL.exe; IconIndex: 0

[Run]
Filename: {sys}\APILOAD.EXE; Parameters: /REGSERVER; Flags: runhidden
