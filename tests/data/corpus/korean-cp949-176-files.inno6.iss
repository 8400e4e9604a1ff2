; This script was created by Tembrix
; https://tembrix.org
; https://tembrix.org/download

[Setup]
AppName=최인균 자작 프로그램
AppVerName=최인균 자작 프로그램 1.0
AppVersion=1.0
DefaultDirName={autopf}\시작
DefaultGroupName=최인균 자작 프로그램
OutputDir=C:\Build\OutPut\
OutputBaseFilename=최인균 자작 프로그램


[Files]
; START VISUAL BASIC
Source: VB6STKIT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: COMCAT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
Source: VB6KO.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: STDOLE2.TLB; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regtypelib sharedfile
Source: ASYCFILT.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: OLEPRO32.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
Source: OLEAUT32.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
Source: MSVBVM60.DLL; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
; END VISUAL BASIC
Source: 타자글.ZIP; DestDir: {app}
Source: back3.gif; DestDir: {app}
Source: 선택비행기백.bmp; DestDir: {app}
Source: 선택비행기흑.bmp; DestDir: {app}
Source: 선택비행기백2.bmp; DestDir: {app}
Source: 선택비행기흑2.bmp; DestDir: {app}
Source: SUN.ICO; DestDir: {app}
Source: ROCKET.ICO; DestDir: {app}
Source: KEYS03.ICO; DestDir: {app}
Source: End.wav; DestDir: {app}
Source: HAND_3.ICO; DestDir: {app}
Source: Yestrday.mid; DestDir: {app}
Source: Hero.mid; DestDir: {app}
Source: C3.bmp; DestDir: {app}
Source: 31.MID; DestDir: {app}
Source: 11.MID; DestDir: {app}
Source: THEME AS.WAV; DestDir: {app}
Source: THEME MI.WAV; DestDir: {app}
Source: THEME ME.WAV; DestDir: {app}
Source: THEME MA.WAV; DestDir: {app}
Source: Start.WAV; DestDir: {app}
Source: 배경.bmp; DestDir: {app}
Source: 우주 가득 찬 휴지통.ico; DestDir: {app}
Source: wiz.ico; DestDir: {app}
Source: 2-02 Ahead on Our Way Midi.mid; DestDir: {app}
Source: shoot.bmp; DestDir: {app}
Source: qorud.mid; DestDir: {app}
Source: invpowerdown.wav; DestDir: {app}
Source: altkdlf.wav; DestDir: {app}
Source: 12.MID; DestDir: {app}
Source: 34.MID; DestDir: {app}
Source: TOHEART.MID; DestDir: {app}
Source: 타자 연습 V1.0.frm; DestDir: {app}
Source: 카탈로그.mid; DestDir: {app}
Source: 타자연습 V1.0.frm; DestDir: {app}
Source: 타자 연습v1.0  짧은글.frm; DestDir: {app}
Source: 타자 연습 V1.0 5.log; DestDir: {app}
Source: 타자 연습 V1.0 8.log; DestDir: {app}
Source: 타자 연습 V1.0.log; DestDir: {app}
Source: 타자 연습v1.0  짧은글.log; DestDir: {app}
Source: 타자연습 V1.0.log; DestDir: {app}
Source: 타자 연습 V1.0 loag.OBJ; DestDir: {app}
Source: 타자연습 V1.0 main.OBJ; DestDir: {app}
Source: 타자.vbp; DestDir: {app}
Source: 타자.!!.vbw; DestDir: {app}
Source: 타자.!!.PDM; DestDir: {app}
Source: 인균이의 타자연습.PDM; DestDir: {app}
Source: C1.bmp; DestDir: {app}
Source: C4.bmp; DestDir: {app}
Source: C5.bmp; DestDir: {app}
Source: C6.bmp; DestDir: {app}
Source: C7.bmp; DestDir: {app}
Source: C8.bmp; DestDir: {app}
Source: C9.bmp; DestDir: {app}
Source: C10.bmp; DestDir: {app}
Source: C11.bmp; DestDir: {app}
Source: C12.bmp; DestDir: {app}
Source: 타자 연습 V1.0 7.log; DestDir: {app}
Source: 타자연습 V1.0 main.log; DestDir: {app}
Source: 타자 연습v1.0  3.log; DestDir: {app}
Source: 타자 연습 V1.0 loag.log; DestDir: {app}
Source: 타자.vbw; DestDir: {app}
Source: Garshion.jpg; DestDir: {app}
Source: 미사일백.bmp; DestDir: {app}
Source: 배경그림.bmp; DestDir: {app}
Source: 위비행기_백.bmp; DestDir: {app}
Source: 오른쪽비행기_백.bmp; DestDir: {app}
Source: 왼쪽비행기_백.bmp; DestDir: {app}
Source: 위비행기_흑.bmp; DestDir: {app}
Source: 오른쪽비행기_흑.bmp; DestDir: {app}
Source: 왼쪽비행기_흑.bmp; DestDir: {app}
Source: 아래비행기_백.bmp; DestDir: {app}
Source: 아래비행기_흑.bmp; DestDir: {app}
Source: airlogo.bmp; DestDir: {app}
Source: 아래비행기_백_Sprite.bmp; DestDir: {app}
Source: 아래비행기_백_Mask.bmp; DestDir: {app}
Source: 아래비행기_흑_Sprite.bmp; DestDir: {app}
Source: 아래비행기_흑_Mask.bmp; DestDir: {app}
Source: 미사일흑.bmp; DestDir: {app}
Source: 게임.frm; DestDir: {app}
Source: start.frx; DestDir: {app}
Source: start.frm; DestDir: {app}
Source: xkwk.txt; DestDir: {app}
Source: 타자 연습 V1.0 loag.frx; DestDir: {app}
Source: 타자연습 V1.0 2.frx; DestDir: {app}
Source: 타자연습 V1.0 2.frm; DestDir: {app}
Source: 타자 연습 V1.0 loag.frm; DestDir: {app}
Source: 타자 연습 V1.0 1.frx; DestDir: {app}
Source: 타자 연습 V1.0 1.frm; DestDir: {app}
Source: 타자 연습 V1.0 8.frx; DestDir: {app}
Source: 타자 연습 V1.0 7.frx; DestDir: {app}
Source: 타자 연습 V1.0 8.frm; DestDir: {app}
Source: 타자 연습 V1.0 7.frm; DestDir: {app}
Source: 타자 연습 V1.0 5.frx; DestDir: {app}
Source: 타자 연습 V1.0 4.frx; DestDir: {app}
Source: 타자 연습 V1.0 5.frm; DestDir: {app}
Source: 타자 연습 V1.0 4.frm; DestDir: {app}
Source: 타자 연습 V1.0 9.frx; DestDir: {app}
Source: 타자 연습 V1.0 9.frm; DestDir: {app}
Source: 게임3.frx; DestDir: {app}
Source: 게임3.frm; DestDir: {app}
Source: Nice.exe; DestDir: {app}
Source: 흰색m.bmp; DestDir: {app}
Source: 까만색M.bmp; DestDir: {app}
Source: Maximum.gif; DestDir: {app}
Source: 흰C1.bmp; DestDir: {app}
Source: C2.bmp; DestDir: {app}
Source: 흰C2.bmp; DestDir: {app}
Source: 흰C4.bmp; DestDir: {app}
Source: 흰C5.bmp; DestDir: {app}
Source: 흰C6.bmp; DestDir: {app}
Source: 흰C7.bmp; DestDir: {app}
Source: 흰C8.bmp; DestDir: {app}
Source: 흰C9.bmp; DestDir: {app}
Source: 흰C10.bmp; DestDir: {app}
Source: 흰C11.bmp; DestDir: {app}
Source: 흰C12.bmp; DestDir: {app}
Source: MSSCCPRJ.SCC; DestDir: {app}
Source: 타자 연습v1.0  3.frx; DestDir: {app}
Source: 타자 연습v1.0  3.frm; DestDir: {app}
Source: 제작.frm; DestDir: {app}
Source: anti_left1.bmp; DestDir: {app}
Source: anti_left2.bmp; DestDir: {app}
Source: anti_right1.bmp; DestDir: {app}
Source: anti_right2.bmp; DestDir: {app}
Source: explosion.bmp; DestDir: {app}
Source: explosion2.bmp; DestDir: {app}
Source: 적비행기흑.bmp; DestDir: {app}
Source: 적비행기백.bmp; DestDir: {app}
Source: 보스흑.bmp; DestDir: {app}
Source: 보스백.bmp; DestDir: {app}
Source: 폭발백.bmp; DestDir: {app}
Source: 폭발흑.bmp; DestDir: {app}
Source: 애니고...frx; DestDir: {app}
Source: 애니고...frm; DestDir: {app}
Source: 게임.bas; DestDir: {app}
Source: 게임프로젝트.vbp; DestDir: {app}
Source: 적미사일백.bmp; DestDir: {app}
Source: 적미사일흑.bmp; DestDir: {app}
Source: Enemy.bmp; DestDir: {app}
Source: Enemy백.bmp; DestDir: {app}
Source: shoot백.bmp; DestDir: {app}
Source: air백.bmp; DestDir: {app}
Source: air.bmp; DestDir: {app}
Source: game.txt; DestDir: {app}
Source: 타자연습 V1.0 main.frx; DestDir: {app}
Source: 게임2.frx; DestDir: {app}
Source: 타자연습 V1.0 main.frm; DestDir: {app}
Source: 게임2.frm; DestDir: {app}
Source: boss1.bmp; DestDir: {app}
Source: back.bmp; DestDir: {app}
Source: boss2.bmp; DestDir: {app}
Source: 흰C3.bmp; DestDir: {app}
Source: 게임4.frx; DestDir: {app}
Source: 게임4.frm; DestDir: {app}
Source: 게임1.frx; DestDir: {app}
Source: 게임1.frm; DestDir: {app}
Source: frmbrowser.frx; DestDir: {app}
Source: frmbrowser.frm; DestDir: {app}
Source: 애니고 프로그램.vbg; DestDir: {app}
Source: 인균이의 타자연습.exe; DestDir: {app}
Source: Nice; DestDir: {app}
Source: 타자 연습 V1.0 6.frx; DestDir: {app}
Source: Nice.vbw; DestDir: {app}
Source: Nice.vbp; DestDir: {app}
Source: 타자 연습 V1.0 6.frm; DestDir: {app}
Source: 인균이의 타자연습.vbw; DestDir: {app}
Source: 인균이의 타자연습.vbp; DestDir: {app}
Source: 애니고...vbw; DestDir: {app}
Source: 애니고...vbp; DestDir: {app}
Source: 게임프로젝트.vbw; DestDir: {app}
Source: 게임.exe; DestDir: {app}
Source: GifPlay.ocx; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: MSCMCKO.DLL; DestDir: {sys}; Flags: sharedfile
Source: MSCOMCTL.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: 최인균 자작 프로그램.exe; DestDir: {app}

[Icons]
Name: {group}\최인균 자작 프로그램; Filename: {app}\최인균 자작 프로그램.exe; WorkingDir: {app}; IconFilename: {app}\최인균 자작 프로그램.exe; IconIndex: 0
