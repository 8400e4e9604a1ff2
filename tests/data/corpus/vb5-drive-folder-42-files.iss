; This script was created by Tembrix
; https://tembrix.org
; https://tembrix.org/download

[Setup]
AppName=Band Minus One version 2.1 demo
AppVerName=Band Minus One version 2.1 demo 1.0
AppVersion=1.0
DefaultDirName=c:\JmSoftware\Band Minus One version 2.1 demo
DefaultGroupName=Band Minus One version 2.1 demo
OutputDir=C:\Build\OutPut\
OutputBaseFilename=Band Minus One version 2.1 demo


[Files]
; START VISUAL BASIC 
Source: MSVBVM50.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: StdOle2.tlb; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regtypelib sharedfile ; CopyMode: alwaysskipifsameorolder
Source: OleAut32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: OlePro32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
Source: AsycFilt.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: Ctl3d32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile ; CopyMode: alwaysskipifsameorolder
Source: ComCat.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile ; CopyMode: alwaysskipifsameorolder
; END VISUAL BASIC
Source: bmo.exe; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: hhctrl.ocx; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: comdlg32.ocx; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: Sirtaki.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Ballad.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Bluegrass.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: BluesBallad.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: CajunTwoStep.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: CajunWaltz.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Chacha.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Country.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: CyberNoise.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Dixieland.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: ElectroFunk.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Fiesta.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: HeavyMetal.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Jazz.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: March.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: PopBallad.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Reggae.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Rock&roll.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: RockShuffle.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: AngelGroove.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: SlowBallad.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: SlowWaltz.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Soul.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: SouthernRock.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: SpaceFunk.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: SwedishPop.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Symphonic.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Techno.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: TirolerPolka.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Waltz.sty; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: The yellow rose of texas.sng; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Go down Moses.sng; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Home on the range.sng; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Pack up your troubles.sng; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Playlist.sng; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Danny boy.sng; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: Patches.ini; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: bmo.CFG; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: bmo.chm; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder

[Icons]
Name: {group}\Band Minus One version 2.1 demo; Filename: {app}\bmo.exe;WorkingDir: {app}; IconFilename: {app}\bmo.exe; IconIndex: 0
