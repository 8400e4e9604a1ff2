; This script was created by Tembrix
; https://tembrix.org
; https://tembrix.org/download

[Setup]
AppName=GetYourNumber
AppVerName=GetYourNumber 1.0
AppVersion=1.0
DefaultDirName={autopf}\GetYourNumber
DefaultGroupName=GetYourNumber
OutputDir=C:\Build\OutPut\
OutputBaseFilename=GetYourNumber


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
Source: MCI32.OCX; DestDir: {sys}; Flags: regserver sharedfile promptifolder
Source: hhctrl.ocx; DestDir: {sys}; Flags: sharedfile
Source: thenumber.exe; DestDir: {app}
Source: thenumber.DEP; DestDir: {app}
Source: getyournumber.chm; DestDir: {app}\help
Source: local.bin; DestDir: {app}
Source: highscore.bin; DestDir: {app}
Source: highscore.wav; DestDir: {app}\audio
Source: york.wav; DestDir: {app}\audio
Source: basingstoke.wav; DestDir: {app}\audio
Source: bath.wav; DestDir: {app}\audio
Source: birmingham.wav; DestDir: {app}\audio
Source: blackburn.wav; DestDir: {app}\audio
Source: blackpool.wav; DestDir: {app}\audio
Source: bolton.wav; DestDir: {app}\audio
Source: bournemouth.wav; DestDir: {app}\audio
Source: bracknell.wav; DestDir: {app}\audio
Source: bradford.wav; DestDir: {app}\audio
Source: brentwood.wav; DestDir: {app}\audio
Source: brighton.wav; DestDir: {app}\audio
Source: bristol.wav; DestDir: {app}\audio
Source: cambridge.wav; DestDir: {app}\audio
Source: cardiff.wav; DestDir: {app}\audio
Source: chelmsford.wav; DestDir: {app}\audio
Source: cheltenham.wav; DestDir: {app}\audio
Source: chichester.wav; DestDir: {app}\audio
Source: coventry.wav; DestDir: {app}\audio
Source: crawley.wav; DestDir: {app}\audio
Source: croydon.wav; DestDir: {app}\audio
Source: dartford.wav; DestDir: {app}\audio
Source: duh.wav; DestDir: {app}\audio
Source: dundee.wav; DestDir: {app}\audio
Source: edinburgh.wav; DestDir: {app}\audio
Source: gatwick.wav; DestDir: {app}\audio
Source: glasgow.wav; DestDir: {app}\audio
Source: guildford.wav; DestDir: {app}\audio
Source: halifax.wav; DestDir: {app}\audio
Source: hartlepool.wav; DestDir: {app}\audio
Source: haywards heath.wav; DestDir: {app}\audio
Source: heathrow.wav; DestDir: {app}\audio
Source: high wycombe.wav; DestDir: {app}\audio
Source: huddersfield.wav; DestDir: {app}\audio
Source: hull.wav; DestDir: {app}\audio
Source: kingston upon thames.wav; DestDir: {app}\audio
Source: leeds.wav; DestDir: {app}\audio
Source: leicester.wav; DestDir: {app}\audio
Source: liverpool.wav; DestDir: {app}\audio
Source: london.wav; DestDir: {app}\audio
Source: luton.wav; DestDir: {app}\audio
Source: maidenhead.wav; DestDir: {app}\audio
Source: maidstone.wav; DestDir: {app}\audio
Source: manchester.wav; DestDir: {app}\audio
Source: middlesbrough.wav; DestDir: {app}\audio
Source: milton keynes.wav; DestDir: {app}\audio
Source: newcastle upon tyne.wav; DestDir: {app}\audio
Source: northampton.wav; DestDir: {app}\audio
Source: nottingham.wav; DestDir: {app}\audio
Source: orpington.wav; DestDir: {app}\audio
Source: oxford.wav; DestDir: {app}\audio
Source: peterborough.wav; DestDir: {app}\audio
Source: plymouth.wav; DestDir: {app}\audio
Source: portsmouth.wav; DestDir: {app}\audio
Source: preston.wav; DestDir: {app}\audio
Source: reading.wav; DestDir: {app}\audio
Source: romford.wav; DestDir: {app}\audio
Source: sheffield.wav; DestDir: {app}\audio
Source: slough.wav; DestDir: {app}\audio
Source: southampton.wav; DestDir: {app}\audio
Source: southend on sea.wav; DestDir: {app}\audio
Source: stockport.wav; DestDir: {app}\audio
Source: stockton tees.wav; DestDir: {app}\audio
Source: stoke on trent.wav; DestDir: {app}\audio
Source: swansea.wav; DestDir: {app}\audio
Source: swindon.wav; DestDir: {app}\audio
Source: telford.wav; DestDir: {app}\audio
Source: uxbridge.wav; DestDir: {app}\audio
Source: warrington.wav; DestDir: {app}\audio
Source: wolverhampton.wav; DestDir: {app}\audio
Source: aberdeen.wav; DestDir: {app}\audio
Source: northern ireland.wav; DestDir: {app}\audio

[Icons]
Name: {group}\GetYourNumber; Filename: {app}\thenumber.exe; WorkingDir: {app}; IconFilename: {app}\thenumber.exe; IconIndex: 0
