; This script was created by Tembrix
; https://tembrix.org
; https://tembrix.org/download

[Setup]
AppName=최인균 자작 프로그램
AppVerName=최인균 자작 프로그램 1.0
AppVersion=1.0
DefaultDirName={pf}\시작
DefaultGroupName=최인균 자작 프로그램
OutputDir=C:\Build\OutPut\
OutputBaseFilename=최인균 자작 프로그램


[Files]
; START VISUAL BASIC 
Source: VB6STKIT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: COMCAT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: VB6KO.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: STDOLE2.TLB; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regtypelib sharedfile ; CopyMode: alwaysskipifsameorolder
Source: ASYCFILT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: OLEPRO32.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: OLEAUT32.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSVBVM60.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
; END VISUAL BASIC
Source: 타자글.ZIP; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: back3.gif; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 선택비행기백.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 선택비행기흑.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 선택비행기백2.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 선택비행기흑2.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: SUN.ICO; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: ROCKET.ICO; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: KEYS03.ICO; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: End.wav; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: HAND_3.ICO; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Yestrday.mid; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Hero.mid; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: C3.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 31.MID; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 11.MID; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: THEME AS.WAV; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: THEME MI.WAV; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: THEME ME.WAV; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: THEME MA.WAV; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Start.WAV; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 배경.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 우주 가득 찬 휴지통.ico; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: wiz.ico; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 2-02 Ahead on Our Way Midi.mid; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: shoot.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: qorud.mid; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: invpowerdown.wav; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: altkdlf.wav; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 12.MID; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 34.MID; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: TOHEART.MID; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습 V1.0.frm; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 카탈로그.mid; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자연습 V1.0.frm; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습v1.0  짧은글.frm; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습 V1.0 5.log; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습 V1.0 8.log; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습 V1.0.log; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습v1.0  짧은글.log; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자연습 V1.0.log; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습 V1.0 loag.OBJ; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자연습 V1.0 main.OBJ; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자.vbp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자.!!.vbw; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자.!!.PDM; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 인균이의 타자연습.PDM; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: C1.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: C4.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: C5.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: C6.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: C7.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: C8.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: C9.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: C10.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: C11.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: C12.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습 V1.0 7.log; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자연습 V1.0 main.log; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습v1.0  3.log; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습 V1.0 loag.log; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자.vbw; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Garshion.jpg; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 미사일백.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 배경그림.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 위비행기_백.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 오른쪽비행기_백.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 왼쪽비행기_백.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 위비행기_흑.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 오른쪽비행기_흑.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 왼쪽비행기_흑.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 아래비행기_백.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 아래비행기_흑.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: airlogo.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 아래비행기_백_Sprite.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 아래비행기_백_Mask.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 아래비행기_흑_Sprite.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 아래비행기_흑_Mask.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 미사일흑.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 게임.frm; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: start.frx; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: start.frm; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: xkwk.txt; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습 V1.0 loag.frx; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자연습 V1.0 2.frx; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자연습 V1.0 2.frm; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습 V1.0 loag.frm; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습 V1.0 1.frx; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습 V1.0 1.frm; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습 V1.0 8.frx; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습 V1.0 7.frx; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습 V1.0 8.frm; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습 V1.0 7.frm; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습 V1.0 5.frx; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습 V1.0 4.frx; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습 V1.0 5.frm; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습 V1.0 4.frm; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습 V1.0 9.frx; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습 V1.0 9.frm; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 게임3.frx; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 게임3.frm; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Nice.exe; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 흰색m.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 까만색M.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Maximum.gif; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 흰C1.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: C2.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 흰C2.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 흰C4.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 흰C5.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 흰C6.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 흰C7.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 흰C8.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 흰C9.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 흰C10.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 흰C11.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 흰C12.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: MSSCCPRJ.SCC; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습v1.0  3.frx; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습v1.0  3.frm; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 제작.frm; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: anti_left1.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: anti_left2.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: anti_right1.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: anti_right2.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: explosion.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: explosion2.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 적비행기흑.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 적비행기백.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 보스흑.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 보스백.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 폭발백.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 폭발흑.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 애니고...frx; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 애니고...frm; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 게임.bas; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 게임프로젝트.vbp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 적미사일백.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 적미사일흑.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Enemy.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Enemy백.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: shoot백.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: air백.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: air.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: game.txt; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자연습 V1.0 main.frx; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 게임2.frx; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자연습 V1.0 main.frm; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 게임2.frm; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: boss1.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: back.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: boss2.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 흰C3.bmp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 게임4.frx; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 게임4.frm; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 게임1.frx; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 게임1.frm; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: frmbrowser.frx; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: frmbrowser.frm; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 애니고 프로그램.vbg; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 인균이의 타자연습.exe; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Nice; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습 V1.0 6.frx; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Nice.vbw; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Nice.vbp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 타자 연습 V1.0 6.frm; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 인균이의 타자연습.vbw; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 인균이의 타자연습.vbp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 애니고...vbw; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 애니고...vbp; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 게임프로젝트.vbw; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: 게임.exe; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: GifPlay.ocx; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: MSCMCKO.DLL; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: MSCOMCTL.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: 최인균 자작 프로그램.exe; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder

[Icons]
Name: {group}\최인균 자작 프로그램; Filename: {app}\최인균 자작 프로그램.exe;WorkingDir: {app}; IconFilename: {app}\최인균 자작 프로그램.exe; IconIndex: 0
