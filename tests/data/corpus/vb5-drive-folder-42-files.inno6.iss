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
Source: MSVBVM50.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
Source: StdOle2.tlb; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regtypelib sharedfile
Source: OleAut32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
Source: OlePro32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
Source: AsycFilt.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: Ctl3d32.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall sharedfile
Source: ComCat.dll; DestDir: {sys}; Flags: restartreplace uninsneveruninstall regserver sharedfile
; END VISUAL BASIC
Source: bmo.exe; DestDir: {app}
Source: hhctrl.ocx; DestDir: {sys}; Flags: sharedfile
Source: comdlg32.ocx; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: Sirtaki.sty; DestDir: {app}
Source: Ballad.sty; DestDir: {app}
Source: Bluegrass.sty; DestDir: {app}
Source: BluesBallad.sty; DestDir: {app}
Source: CajunTwoStep.sty; DestDir: {app}
Source: CajunWaltz.sty; DestDir: {app}
Source: Chacha.sty; DestDir: {app}
Source: Country.sty; DestDir: {app}
Source: CyberNoise.sty; DestDir: {app}
Source: Dixieland.sty; DestDir: {app}
Source: ElectroFunk.sty; DestDir: {app}
Source: Fiesta.sty; DestDir: {app}
Source: HeavyMetal.sty; DestDir: {app}
Source: Jazz.sty; DestDir: {app}
Source: March.sty; DestDir: {app}
Source: PopBallad.sty; DestDir: {app}
Source: Reggae.sty; DestDir: {app}
Source: Rock&roll.sty; DestDir: {app}
Source: RockShuffle.sty; DestDir: {app}
Source: AngelGroove.sty; DestDir: {app}
Source: SlowBallad.sty; DestDir: {app}
Source: SlowWaltz.sty; DestDir: {app}
Source: Soul.sty; DestDir: {app}
Source: SouthernRock.sty; DestDir: {app}
Source: SpaceFunk.sty; DestDir: {app}
Source: SwedishPop.sty; DestDir: {app}
Source: Symphonic.sty; DestDir: {app}
Source: Techno.sty; DestDir: {app}
Source: TirolerPolka.sty; DestDir: {app}
Source: Waltz.sty; DestDir: {app}
Source: The yellow rose of texas.sng; DestDir: {app}
Source: Go down Moses.sng; DestDir: {app}
Source: Home on the range.sng; DestDir: {app}
Source: Pack up your troubles.sng; DestDir: {app}
Source: Playlist.sng; DestDir: {app}
Source: Danny boy.sng; DestDir: {app}
Source: Patches.ini; DestDir: {app}
Source: bmo.CFG; DestDir: {app}
Source: bmo.chm; DestDir: {app}

[Icons]
Name: {group}\Band Minus One version 2.1 demo; Filename: {app}\bmo.exe; WorkingDir: {app}; IconFilename: {app}\bmo.exe; IconIndex: 0
