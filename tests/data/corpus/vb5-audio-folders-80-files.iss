; This script was created by Tembrix
; https://tembrix.org
; https://tembrix.org/download

[Setup]
AppName=GetYourNumber
AppVerName=GetYourNumber 1.0
AppVersion=1.0
DefaultDirName={pf}\GetYourNumber
DefaultGroupName=GetYourNumber
OutputDir=C:\Build\OutPut\
OutputBaseFilename=GetYourNumber


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
Source: MCI32.OCX; DestDir: {sys}; Flags: regserver sharedfile ; CopyMode: normal
Source: hhctrl.ocx; DestDir: {sys}; Flags: sharedfile ; CopyMode: alwaysskipifsameorolder
Source: thenumber.exe; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: thenumber.DEP; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: getyournumber.chm; DestDir: {app}\help; Flags: ; CopyMode: alwaysskipifsameorolder
Source: local.bin; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: highscore.bin; DestDir: {app}; Flags: ; CopyMode: alwaysskipifsameorolder
Source: highscore.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: york.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: basingstoke.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: bath.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: birmingham.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: blackburn.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: blackpool.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: bolton.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: bournemouth.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: bracknell.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: bradford.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: brentwood.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: brighton.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: bristol.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: cambridge.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: cardiff.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: chelmsford.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: cheltenham.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: chichester.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: coventry.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: crawley.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: croydon.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: dartford.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: duh.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: dundee.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: edinburgh.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: gatwick.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: glasgow.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: guildford.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: halifax.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: hartlepool.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: haywards heath.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: heathrow.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: high wycombe.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: huddersfield.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: hull.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: kingston upon thames.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: leeds.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: leicester.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: liverpool.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: london.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: luton.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: maidenhead.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: maidstone.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: manchester.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: middlesbrough.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: milton keynes.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: newcastle upon tyne.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: northampton.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: nottingham.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: orpington.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: oxford.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: peterborough.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: plymouth.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: portsmouth.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: preston.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: reading.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: romford.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: sheffield.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: slough.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: southampton.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: southend on sea.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: stockport.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: stockton tees.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: stoke on trent.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: swansea.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: swindon.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: telford.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: uxbridge.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: warrington.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: wolverhampton.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: aberdeen.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder
Source: northern ireland.wav; DestDir: {app}\audio; Flags: ; CopyMode: alwaysskipifsameorolder

[Icons]
Name: {group}\GetYourNumber; Filename: {app}\thenumber.exe;WorkingDir: {app}; IconFilename: {app}\thenumber.exe; IconIndex: 0
