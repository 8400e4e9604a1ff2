; This script was created by Tembrix
; https://tembrix.org
; https://tembrix.org/download

[Setup]
AppName=Sistema de Recursos Humanos
AppVerName=Sistema de Recursos Humanos 1.0
AppVersion=1.0
DefaultDirName={pf}\Sistema de Recursos Humanos
DefaultGroupName=Sistema de Recursos Humanos
OutputDir=C:\Build\OutPut\
OutputBaseFilename=Sistema de Recursos Humanos


[Files]
; START VISUAL BASIC 
Source: VB6STKIT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: COMCAT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: ASYCFILT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: OLEPRO32.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: OLEAUT32.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: STDOLE2.TLB; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regtypelib sharedfile ; CopyMode: alwaysskipifsameorolder
Source: msvbvm60.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
; END VISUAL BASIC
Source: 0.REG; DestDir: {app}; Flags: ; CopyMode: normal
Source: Mdac_typ.exe; DestDir: {tmp}; CopyMode: normal; Flags: deleteafterinstall
Source: MSCOMCTL.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSCOMM32.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: COMCT332.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: COMCT232.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: COMCTL32.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSCHRT20.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: u2lsamp1.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: u2fxls.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: u2fwordw.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: u2fwks.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: u2frec.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: u2fodbc.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: u2fhtml.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: u2dvim.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: u2dnotes.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: u2dmapi.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: p2soledb.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: p2ssyb10.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: p2ssql.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: p2sora7.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: p2sodbc.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: P2smon.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: p2sifmx.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: p2irdao.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: p2ctdao.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: p2bxbse.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: p2bdao.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: P2bbnd.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: Crxlat32.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: mfc42.dll; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: Crpaig80.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: sscsdk80.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: u252000.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: u2ldts.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: u2lcom.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: u2l2000.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: u25dts.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: crtslv.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: regserver sharedfile ; CopyMode: normal
Source: ExportModeller.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: regserver sharedfile ; CopyMode: normal
Source: crxf_pdf.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: u2ftext.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: u2fsepv.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: crxf_rtf.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: u2fcr.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: u2dapp.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: u2dpost.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: u2ddisk.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSVCRT.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: Implode.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: crpe32.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: Crystl32.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: DBGRID32.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSMASK32.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
; Source: RICHED32.DLL; DestDir: {sys}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: RICHTX32.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: mscomct2.ocx; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: TABCTL32.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSFLXGRD.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: COMDLG32.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: cdosys.dll; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: craxdui.dll; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: swebrs.dll; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: EXCEL.EXE; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: msscript.ocx; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: DPFPShrX.dll; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: DPFPEngX.dll; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: DPFPDevX.dll; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: DPFPCtlX.dll; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: craxddrt.dll; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: zkemkeeper.dll; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: CRViewer.dll; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: sviewhlp.dll; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: AcroPDF.dll; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: vbSendMail.dll; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: crdeploy.reg; DestDir: {app}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: keycode.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: regserver sharedfile ; CopyMode: normal
Source: crxf_xls.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: crxf_wordw.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: exlate32.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: querybuilder.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: crdb_odbc.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: crdb_dao.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: crdb_ado.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: crqe.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: regserver sharedfile ; CopyMode: normal
Source: u25samp1.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: u2lfinra.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: u2lexch.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: ufmanager.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: crtowords_en.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: craxdrt.dll; DestDir: {cf}\Crystal Decisions\2.5\bin; Flags: regserver sharedfile ; CopyMode: normal
Source: msxml.DLL; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: msxml4.dll; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSSTDFMT.DLL; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: VB5DB.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: msjtes40.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: normal
Source: msrepl40.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: msrd3x40.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: normal
Source: msrd2x40.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: normal
Source: mswdat10.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: mswstr10.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: expsrv.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: vbajet32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: msjint40.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: msjter40.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: msjet40.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: normal
Source: dao360.dll; DestDir: {dao}; Flags: regserver sharedfile ; CopyMode: normal
Source: RDOCURS.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSRDO20.DLL; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: odbccp32.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
; Source: shlwapi.dll; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: SRG_Recursos_Humanos.exe; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder

[Icons]
Name: {group}\Sistema de Recursos Humanos; Filename: {app}\SRG_Recursos_Humanos.exe;WorkingDir: {app}; IconFilename: {app}\SRG_Recursos_Humanos.exe; IconIndex: 0

[Run]
Filename: {tmp}\Mdac_typ.exe; WorkingDir: {tmp}; Parameters: /q
Filename: {win}\regedit.exe; Parameters: "/s ""{app}\0.REG"""; Flags: runhidden
