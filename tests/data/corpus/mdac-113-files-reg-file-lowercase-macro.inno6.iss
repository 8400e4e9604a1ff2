; This script was created by Tembrix
; https://tembrix.org
; https://tembrix.org/download

[Setup]
AppName=Sistema de Recursos Humanos
AppVerName=Sistema de Recursos Humanos 1.0
AppVersion=1.0
DefaultDirName={autopf}\Sistema de Recursos Humanos
DefaultGroupName=Sistema de Recursos Humanos
OutputDir=C:\Build\OutPut\
OutputBaseFilename=Sistema de Recursos Humanos


[Files]
; START VISUAL BASIC
Source: VB6STKIT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: COMCAT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
Source: ASYCFILT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: OLEPRO32.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
Source: OLEAUT32.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
Source: STDOLE2.TLB; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regtypelib sharedfile
Source: msvbvm60.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
; END VISUAL BASIC
Source: 0.REG; DestDir: {app}; Flags: promptifolder
Source: Mdac_typ.exe; DestDir: {tmp}; Flags: promptifolder deleteafterinstall
Source: MSCOMCTL.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSCOMM32.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: COMCT332.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: COMCT232.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: COMCTL32.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSCHRT20.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: u2lsamp1.dll; DestDir: {sys}; Flags: sharedfile
Source: u2fxls.dll; DestDir: {sys}; Flags: sharedfile
Source: u2fwordw.dll; DestDir: {sys}; Flags: sharedfile
Source: u2fwks.dll; DestDir: {sys}; Flags: sharedfile
Source: u2frec.dll; DestDir: {sys}; Flags: sharedfile
Source: u2fodbc.dll; DestDir: {sys}; Flags: sharedfile
Source: u2fhtml.dll; DestDir: {sys}; Flags: sharedfile
Source: u2dvim.dll; DestDir: {sys}; Flags: sharedfile
Source: u2dnotes.dll; DestDir: {sys}; Flags: sharedfile
Source: u2dmapi.dll; DestDir: {sys}; Flags: sharedfile
Source: p2soledb.dll; DestDir: {sys}; Flags: sharedfile
Source: p2ssyb10.dll; DestDir: {sys}; Flags: sharedfile
Source: p2ssql.dll; DestDir: {sys}; Flags: sharedfile
Source: p2sora7.dll; DestDir: {sys}; Flags: sharedfile
Source: p2sodbc.dll; DestDir: {sys}; Flags: sharedfile
Source: P2smon.dll; DestDir: {sys}; Flags: sharedfile
Source: p2sifmx.dll; DestDir: {sys}; Flags: sharedfile
Source: p2irdao.dll; DestDir: {sys}; Flags: sharedfile
Source: p2ctdao.dll; DestDir: {sys}; Flags: sharedfile
Source: p2bxbse.dll; DestDir: {sys}; Flags: sharedfile
Source: p2bdao.dll; DestDir: {sys}; Flags: sharedfile
Source: P2bbnd.dll; DestDir: {sys}; Flags: sharedfile
Source: Crxlat32.dll; DestDir: {sys}; Flags: sharedfile
Source: mfc42.dll; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: Crpaig80.dll; DestDir: {sys}; Flags: sharedfile
Source: sscsdk80.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: u252000.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: u2ldts.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: u2lcom.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: u2l2000.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: u25dts.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: crtslv.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: regserver sharedfile promptifolder
Source: ExportModeller.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: regserver sharedfile promptifolder
Source: crxf_pdf.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: u2ftext.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: u2fsepv.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: crxf_rtf.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: u2fcr.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: u2dapp.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: u2dpost.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: u2ddisk.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: MSVCRT.DLL; DestDir: {sys}; Flags: sharedfile
Source: Implode.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: crpe32.dll; DestDir: {sys}; Flags: sharedfile
Source: Crystl32.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: DBGRID32.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSMASK32.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
; Source: RICHED32.DLL; DestDir: {sys}
Source: RICHTX32.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: mscomct2.ocx; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: TABCTL32.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSFLXGRD.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: COMDLG32.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: cdosys.dll; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: craxdui.dll; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: swebrs.dll; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: EXCEL.EXE; DestDir: {app}; Flags: sharedfile
Source: msscript.ocx; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: DPFPShrX.dll; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: DPFPEngX.dll; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: DPFPDevX.dll; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: DPFPCtlX.dll; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: craxddrt.dll; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: zkemkeeper.dll; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: CRViewer.dll; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: sviewhlp.dll; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: AcroPDF.dll; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: vbSendMail.dll; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: crdeploy.reg; DestDir: {app}; Flags: sharedfile
Source: keycode.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: regserver sharedfile promptifolder
Source: crxf_xls.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: crxf_wordw.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: exlate32.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: querybuilder.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: crdb_odbc.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: crdb_dao.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: crdb_ado.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: crqe.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: regserver sharedfile promptifolder
Source: u25samp1.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: u2lfinra.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: u2lexch.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: ufmanager.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: crtowords_en.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: sharedfile
Source: craxdrt.dll; DestDir: {commoncf}\Crystal Decisions\2.5\bin; Flags: regserver sharedfile promptifolder
Source: msxml.DLL; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: msxml4.dll; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSSTDFMT.DLL; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: VB5DB.DLL; DestDir: {sys}; Flags: sharedfile
Source: msjtes40.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile promptifolder
Source: msrepl40.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: msrd3x40.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile promptifolder
Source: msrd2x40.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile promptifolder
Source: mswdat10.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: mswstr10.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: expsrv.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: vbajet32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: msjint40.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: msjter40.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: msjet40.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile promptifolder
Source: dao360.dll; DestDir: {dao}; Flags: regserver sharedfile promptifolder
Source: RDOCURS.DLL; DestDir: {sys}; Flags: sharedfile
Source: MSRDO20.DLL; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: odbccp32.dll; DestDir: {sys}; Flags: sharedfile
; Source: shlwapi.dll; DestDir: {sys}; Flags: sharedfile
Source: SRG_Recursos_Humanos.exe; DestDir: {app}

[Icons]
Name: {group}\Sistema de Recursos Humanos; Filename: {app}\SRG_Recursos_Humanos.exe; WorkingDir: {app}; IconFilename: {app}\SRG_Recursos_Humanos.exe; IconIndex: 0

[Run]
Filename: {tmp}\Mdac_typ.exe; WorkingDir: {tmp}; Parameters: /q
Filename: {win}\regedit.exe; Parameters: "/s ""{app}\0.REG"""; Flags: runhidden
