<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Cli</name>
    <message>
        <source>usage: vigilon-oss-cli [--port COMn | --device PATH] [--yes] [--lab] [--json] [--language LANG] COMMAND [ARGS]
</source>
        <translation>Aufruf: vigilon-oss-cli [--port COMn | --device PATH] [--yes] [--lab] [--json] [--language LANG] COMMAND [ARGS]
</translation>
    </message>
    <message>
        <source>--language takes en, de, fr or es</source>
        <translation>--language erwartet en, de, fr oder es</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>--board belongs to diff</source>
        <translation>--board gehört zu diff</translation>
    </message>
    <message>
        <source>--all belongs to ports</source>
        <translation>--all gehört zu ports</translation>
    </message>
    <message>
        <source>%1 needs two FILE arguments</source>
        <translation>%1 benötigt zwei FILE-Argumente</translation>
    </message>
    <message>
        <source>%1 needs a FILE argument</source>
        <translation>%1 benötigt ein FILE-Argument</translation>
    </message>
    <message>
        <source>too many arguments for %1</source>
        <translation>zu viele Argumente für %1</translation>
    </message>
    <message>
        <source>%1 is a lab-mode command: add --lab</source>
        <translation>%1 ist ein Befehl des Labormodus: Geben Sie --lab an</translation>
    </message>
    <message>
        <source>give --port or --device, not both</source>
        <translation>--port oder --device angeben, nicht beides</translation>
    </message>
    <message>
        <source>--port takes COM1, COM2, COM3 or COM4</source>
        <translation>--port erwartet COM1, COM2, COM3 oder COM4</translation>
    </message>
    <message>
        <source>--device needs a path</source>
        <translation>--device benötigt einen Pfad</translation>
    </message>
    <message>
        <source>only fleet takes more than one --port or --device</source>
        <translation>nur fleet akzeptiert mehr als eine Option --port oder --device</translation>
    </message>
    <message>
        <source>fleet takes at most %1 ports</source>
        <translation>fleet akzeptiert höchstens %1 Schnittstellen</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 ist zweimal angegeben</translation>
    </message>
    <message>
        <source>--count and --report belong to fleet</source>
        <translation>--count und --report gehören zu fleet</translation>
    </message>
    <message>
        <source>--count takes a number of radios</source>
        <translation>--count erwartet eine Anzahl von Funkgeräten</translation>
    </message>
    <message>
        <source>cannot write the trace file &apos;%1&apos;</source>
        <translation>die Mitschnittdatei „%1“ kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>give --csv or --json, not both</source>
        <translation>--csv oder --json angeben, nicht beides</translation>
    </message>
    <message>
        <source>--since and --until take a date (2026-12-09) or a time (2026-12-09T14:30)</source>
        <translation>--since und --until erwarten ein Datum (2026-12-09) oder einen Zeitpunkt (2026-12-09T14:30)</translation>
    </message>
    <message>
        <source>--radio, --since, --until, --failed and --csv belong to history</source>
        <translation>--radio, --since, --until, --failed und --csv gehören zu history</translation>
    </message>
    <message>
        <source>%1 and %2 are the same device (%3): give only one of them</source>
        <translation>%1 und %2 sind dasselbe Gerät (%3): nur eines davon angeben</translation>
    </message>
    <message>
        <source>find-cable takes --port COMn, not --device</source>
        <translation>find-cable nimmt --port COMn, nicht --device</translation>
    </message>
    <message>
        <source>read the board&apos;s settings and save them to the data file FILE
(and a backup of them; --no-backup skips it)</source>
        <translation>die Einstellungen der Optionsplatine auslesen und in der
Datendatei FILE speichern (dazu eine Sicherung davon;
--no-backup lässt sie weg)</translation>
    </message>
    <message>
        <source>program the board with the settings of the data file FILE</source>
        <translation>die Optionsplatine mit den Einstellungen der Datendatei
FILE programmieren</translation>
    </message>
    <message>
        <source>show the board&apos;s type, revisions, codeplug version and remarks</source>
        <translation>Typ, Revisionen, Codeplug-Version und Herstellerhinweise
der Optionsplatine anzeigen</translation>
    </message>
    <message>
        <source>check the connection link by link: port, cable, radio, board,
codeplug version; one line per stage, stops at the first failure</source>
        <translation>die Verbindung Glied für Glied prüfen: Schnittstelle,
Kabel, Funkgerät, Optionsplatine, Codeplug-Version; eine
Zeile pro Stufe, bricht beim ersten Fehler ab</translation>
    </message>
    <message>
        <source>calibrate the accelerometer (needs --lab)</source>
        <translation>den Beschleunigungssensor kalibrieren (erfordert --lab)</translation>
    </message>
    <message>
        <source>export the board&apos;s calibration data to FILE (needs --lab)</source>
        <translation>die Kalibrierdaten der Optionsplatine nach FILE exportieren
(erfordert --lab)</translation>
    </message>
    <message>
        <source>check an exported calibration data file, print each column&apos;s
minimum, maximum and mean</source>
        <translation>eine exportierte Kalibrierdatendatei prüfen, Minimum,
Maximum und Mittelwert jeder Spalte ausgeben</translation>
    </message>
    <message>
        <source>show the settings kept in the data file FILE</source>
        <translation>die Einstellungen in der Datendatei FILE anzeigen</translation>
    </message>
    <message>
        <source>list the serial ports COM1..COM4 present, with their devices

list every serial device: path, stable path, the ports that
stand for it, kind (cable, usb, serial) and description</source>
        <extracomment>One paragraph per form: ports, then ports --all.</extracomment>
        <translation>die vorhandenen seriellen Schnittstellen COM1..COM4 mit
ihren Geräten auflisten

alle seriellen Geräte auflisten: Pfad, stabiler Pfad, die
Schnittstellen, die für das Gerät stehen, Art (Kabel, USB,
seriell) und Beschreibung</translation>
    </message>
    <message>
        <source>list the backups of board settings, newest first</source>
        <translation>die Sicherungen der Einstellungen von Optionsplatinen
auflisten, neueste zuerst</translation>
    </message>
    <message>
        <source>show the settings that differ between data files A and B

show the settings that differ between data file A and the board</source>
        <extracomment>One paragraph per form: diff A B, then diff A --board.</extracomment>
        <translation>die Einstellungen anzeigen, in denen sich die Datendateien
A und B unterscheiden

die Einstellungen anzeigen, in denen sich die Datendatei A
und die Optionsplatine unterscheiden</translation>
    </message>
    <message>
        <source>write the data file&apos;s settings as text (to OUT or the terminal)</source>
        <translation>die Einstellungen der Datendatei als Text schreiben
(nach OUT oder auf das Terminal)</translation>
    </message>
    <message>
        <source>make the data file OUT from a text made by to-text</source>
        <translation>die Datendatei OUT aus einem mit to-text erstellten
Text erzeugen</translation>
    </message>
    <message>
        <source>find the programming cable: unplug it and plug it in again
when asked; the port (--port, default: the configured one)
then stands for it, kept by its stable path</source>
        <translation>das Programmierkabel suchen: es auf Aufforderung abziehen
und wieder einstecken; die Schnittstelle (--port, Standard:
die konfigurierte) steht dann für das Kabel, festgehalten
über seinen stabilen Pfad</translation>
    </message>
    <message>
        <source>program radio after radio with the settings of FILE: waits for
each radio, writes it, reports it, waits until it is unplugged;
with several --port (or --device) options, on all at once</source>
        <translation>ein Funkgerät nach dem anderen mit den Einstellungen von
FILE programmieren: wartet auf jedes Funkgerät, schreibt
es, meldet es, wartet, bis es abgezogen wird; mit mehreren
Optionen --port (oder --device) auf allen gleichzeitig</translation>
    </message>
    <message>
        <source>Reads, writes and inspects the Vigilon man down option board through the radio
on a serial port.

commands:
</source>
        <translation>Liest, schreibt und untersucht die Vigilon-Optionsplatine für den Lagealarm über
das Funkgerät an einer seriellen Schnittstelle.

Befehle:
</translation>
    </message>
    <message>
        <source>--json belongs to %1 and %2</source>
        <translation>--json gehört zu %1 und %2</translation>
    </message>
    <message>
        <source>write one zip file for support: versions, system, serial
devices, what keeps each port from opening, the settings
(no passwords), the last 50 service history entries and
the trace file TRACE of an earlier --trace</source>
        <translation>eine ZIP-Datei für den Support schreiben: Versionen, System,
serielle Geräte, was das Öffnen jeder Schnittstelle
verhindert, die Einstellungen (ohne Passwörter), die letzten
50 Einträge der Servicehistorie und die Mitschnittdatei
TRACE eines früheren --trace</translation>
    </message>
    <message>
        <source>--radio-id belongs to the commands that talk to one radio, and to history</source>
        <translation>--radio-id gehört zu den Befehlen, die mit einem Funkgerät sprechen, und zu history</translation>
    </message>
    <message>
        <source>--radio-id takes the radio&apos;s serial number or asset tag: up to %1 characters of one line</source>
        <translation>--radio-id erwartet die Seriennummer oder Inventarnummer des Funkgeräts: bis zu %1 Zeichen in einer Zeile</translation>
    </message>
    <message>
        <source>--ask-radio-id belongs to fleet</source>
        <translation>--ask-radio-id gehört zu fleet</translation>
    </message>
    <message>
        <source>options:
  --port COMn       the serial port (default: the port configured in the GUI)
  --device PATH     a serial device to use directly instead of a port
                    (fleet: repeat --port or --device for up to 8 ports)
  --yes             answer yes to the confirmation questions
  --lab             lab mode: allows calibrate and read-cal
  --verify          write: read the settings back and compare them
  --backup-first    write: back up the board&apos;s settings before writing
  --no-backup       read: keep no backup of the settings read
  --board           diff: compare with the board&apos;s settings
  --count N         fleet: stop after N radios on each port (default: until Ctrl+C)
  --report CSV      fleet: append one row per radio to the CSV file
  --radio TEXT      history: the entries of radios whose text starts with TEXT
  --board TEXT      history: the entries whose board type, revisions or codeplug
                    version contain TEXT
  --since DATE      history: the entries from DATE on (2026-12-09, or a local
                    time 2026-12-09T14:30, or a UTC time ending in Z)
  --until DATE      history: the entries up to DATE (a date: its whole day)
  --failed          history: only the entries that did not succeed
  --csv             history: the entries as CSV, oldest first, with their
                    settings and messages
  --no-history      add no entry to the service history (throw-away work)
  --trace FILE      write every byte sent and received, the frames, pauses and
                    messages to FILE as they happen, for support (several
                    ports: each line starts with its port in brackets)
  --json            %1:
                    print one
                    JSON document on standard output instead, with the errors
                    as {&quot;error&quot;: {&quot;id&quot;: N, &quot;text&quot;: ...}}; fleet prints it when
                    the run ends, its lines go to standard error
  --language LANG   the language of the messages: en, de, fr or es (default:
                    LANGUAGE, else the one chosen in the GUI, else the system&apos;s)
  --help            this text
  --version         the program&apos;s version
</source>
        <extracomment>%1 the commands that take --json, as in &quot;info, show, diff&quot;.</extracomment>
        <translation>Optionen:
  --port COMn       die serielle Schnittstelle (Standard: die in der GUI
                    konfigurierte Schnittstelle)
  --device PATH     ein serielles Gerät, das direkt statt einer Schnittstelle
                    verwendet wird (fleet: --port oder --device für bis zu
                    8 Schnittstellen wiederholen)
  --yes             die Bestätigungsfragen mit Ja beantworten
  --lab             Labormodus: erlaubt calibrate und read-cal
  --verify          write: die Einstellungen zurücklesen und vergleichen
  --backup-first    write: die Einstellungen der Optionsplatine vor dem
                    Schreiben sichern
  --no-backup       read: keine Sicherung der ausgelesenen Einstellungen anlegen
  --board           diff: mit den Einstellungen der Optionsplatine vergleichen
  --count N         fleet: nach N Funkgeräten je Schnittstelle anhalten
                    (Standard: bis Ctrl+C)
  --report CSV      fleet: pro Funkgerät eine Zeile an die CSV-Datei anhängen
  --radio TEXT      history: die Einträge der Funkgeräte, deren Angaben mit TEXT
                    beginnen
  --board TEXT      history: die Einträge, deren Typ, Revisionen oder
                    Codeplug-Version der Optionsplatine TEXT enthalten
  --since DATE      history: die Einträge ab DATE (2026-12-09, eine Ortszeit
                    2026-12-09T14:30 oder eine UTC-Zeit, die auf Z endet)
  --until DATE      history: die Einträge bis DATE (bei einem Datum: der ganze
                    Tag)
  --failed          history: nur die Einträge, die nicht erfolgreich waren
  --csv             history: die Einträge als CSV, älteste zuerst, mit ihren
                    Einstellungen und Meldungen
  --no-history      keinen Eintrag in der Servicehistorie anlegen (für Arbeiten,
                    die nicht festgehalten werden sollen)
  --trace FILE      jedes gesendete und empfangene Byte, die Frames, Pausen und
                    Meldungen laufend für den Support nach FILE schreiben
                    (mehrere Schnittstellen: jede Zeile beginnt mit ihrer
                    Schnittstelle in eckigen Klammern)
  --json            %1:
                    stattdessen ein JSON-Dokument auf der Standardausgabe
                    ausgeben, mit den Fehlern als
                    {&quot;error&quot;: {&quot;id&quot;: N, &quot;text&quot;: ...}}; fleet gibt es am Ende
                    des Durchlaufs aus, seine Zeilen gehen an die
                    Standardfehlerausgabe
  --language LANG   die Sprache der Meldungen: en, de, fr oder es (Standard:
                    LANGUAGE, sonst die in der GUI gewählte, sonst die des
                    Systems)
  --help            dieser Text
  --version         die Version des Programms
</translation>
    </message>
    <message>
        <source>Exit status: 0 when the command did all it was asked and every check passed,
1 when it failed, 2 for usage errors.
fleet: 0 when every radio was programmed, 1 otherwise (also when a port never
opened in a run until Ctrl+C).
diff: 0 when equal, 1 when different, 2 on trouble.
</source>
        <translation>Exit-Status: 0, wenn der Befehl alles Verlangte ausgeführt hat und jede Prüfung
bestanden wurde, 1, wenn er fehlgeschlagen ist, 2 bei Aufruffehlern.
fleet: 0, wenn jedes Funkgerät programmiert wurde, sonst 1 (auch wenn sich eine
Schnittstelle in einem Durchlauf bis Ctrl+C nie öffnen ließ).
diff: 0 bei Gleichheit, 1 bei Unterschieden, 2 bei Problemen.
</translation>
    </message>
    <message>
        <source>fleet asks for each radio&apos;s ID: give --ask-radio-id instead of --radio-id</source>
        <translation>fleet fragt nach der ID jedes Funkgeräts: --ask-radio-id statt --radio-id angeben</translation>
    </message>
    <message>
        <source>  --radio-id TEXT   read, write, info, check, calibrate, read-cal, diff --board:
                    the radio&apos;s serial number or asset tag, kept with the
                    operation in the service history; history: the entries
                    of the radio with this ID
  --ask-radio-id    fleet: ask for each radio&apos;s ID before it is programmed
                    (scan or type it, then connect the radio)
</source>
        <translation>  --radio-id TEXT   read, write, info, check, calibrate, read-cal, diff --board:
                    die Seriennummer oder Inventarnummer des Funkgeräts, die
                    mit dem Vorgang in der Servicehistorie festgehalten wird;
                    history: die Einträge des Funkgeräts mit dieser ID
  --ask-radio-id    fleet: vor jedem Funkgerät nach seiner ID fragen (scannen
                    oder eintippen, dann das Funkgerät anschließen)
</translation>
    </message>
    <message>
        <source>history takes no arguments, show and an entry&apos;s number, sync or verify</source>
        <translation>history erwartet keine Argumente, show und die Nummer eines Eintrags, sync oder verify</translation>
    </message>
    <message>
        <source>--all-benches belongs to the history&apos;s lists and show</source>
        <translation>--all-benches gehört zu den Listen der Historie und zu show</translation>
    </message>
    <message>
        <source>--history-server takes a PostgreSQL connection URI</source>
        <translation>--history-server erwartet eine PostgreSQL-Verbindungs-URI</translation>
    </message>
    <message>
        <source>  --history-server URI
                    the depot&apos;s record on a PostgreSQL server, as a connection
                    URI (postgresql://user@host/database): each entry is also
                    sent there, and history sync, history verify and
                    --all-benches read it (default: the setting
                    History/Server); a password belongs in ~/.pgpass, never
                    in the URI
  --all-benches     history: list or show the depot&apos;s record, the entries of
                    every bench, instead of this computer&apos;s
</source>
        <translation>  --history-server URI
                    die Depot-Historie auf einem PostgreSQL-Server als
                    Verbindungs-URI (postgresql://benutzer@host/datenbank):
                    jeder Eintrag wird auch dorthin gesendet, und history sync,
                    history verify und --all-benches lesen sie (Standard: die
                    Einstellung History/Server); ein Passwort gehört in
                    ~/.pgpass, nie in die URI
  --all-benches     history: die Depot-Historie mit den Einträgen aller
                    Arbeitsplätze auflisten oder anzeigen statt der dieses Computers
</translation>
    </message>
    <message>
        <source>list the service history, newest first: every operation on a
radio with its time, result, port, radio, board and user

one entry whole: its messages, the settings read and written
(in the text form) and what a write changed

send the entries waiting for the depot&apos;s record now and say
&quot;N uploaded, M waiting&quot; (1 while entries wait)

check every bench&apos;s chain in the depot&apos;s record, and that it
holds what this bench sent (1 for any fault)</source>
        <extracomment>One paragraph per form: history, history show ID, history sync, history verify.</extracomment>
        <translation>die Servicehistorie auflisten, neueste zuerst: jeden Vorgang
an einem Funkgerät mit Zeit, Ergebnis, Schnittstelle,
Funkgerät, Optionsplatine und Benutzer

einen Eintrag vollständig anzeigen: seine Meldungen, die
ausgelesenen und geschriebenen Einstellungen (in Textform)
und was ein Schreibvorgang geändert hat

die für die Depot-Historie wartenden Einträge jetzt senden und
&quot;N uploaded, M waiting&quot; ausgeben (1, solange Einträge warten)

die Kette jedes Arbeitsplatzes in der Depot-Historie prüfen und
ob sie enthält, was dieser Arbeitsplatz gesendet hat (1 bei Fehlern)</translation>
    </message>
    <message>
        <source>  --pdf FILE        history show ID: write the entry&apos;s job sheet to FILE as a
                    PDF (radio, board, settings written, verified, technician,
                    bench, time) instead of printing the entry
  --job-sheet FILE  fleet: write the run&apos;s job sheet to FILE as a PDF once the
                    run has ended: the settings file and its SHA-256, ports,
                    times, the settings written and a row per radio
</source>
        <translation>  --pdf FILE        history show ID: den Arbeitsbericht des Eintrags als PDF in
                    FILE schreiben (Funkgerät, Optionsplatine, geschriebene
                    Einstellungen, überprüft, Techniker, Arbeitsplatz, Zeit),
                    statt den Eintrag auszugeben
  --job-sheet FILE  fleet: nach dem Durchlauf dessen Arbeitsbericht als PDF in
                    FILE schreiben: die Einstellungsdatei und ihr SHA-256, die
                    Ports, die Zeiten, die geschriebenen Einstellungen und eine
                    Zeile je Funkgerät
</translation>
    </message>
    <message>
        <source>--pdf belongs to history show</source>
        <translation>--pdf gehört zu history show</translation>
    </message>
    <message>
        <source>--job-sheet belongs to fleet</source>
        <translation>--job-sheet gehört zu fleet</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Open	Ctrl+O</source>
        <translation>Ö&amp;ffnen	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>Sic&amp;herung öffnen...</translation>
    </message>
    <message>
        <source>Co&amp;mpare With File...</source>
        <translation>Mit Datei &amp;vergleichen...</translation>
    </message>
    <message>
        <source>&amp;Read Option Board	Ctrl+R</source>
        <translation>Optionsplatine &amp;auslesen	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Write Option Board	Ctrl+W</source>
        <translation>Optionsplatine &amp;programmieren	Ctrl+W</translation>
    </message>
    <message>
        <source>Read &amp;Calibration Data</source>
        <translation>&amp;Kalibrierdaten auslesen</translation>
    </message>
    <message>
        <source>&amp;View Calibration Data...</source>
        <translation>Kalibrierdaten an&amp;zeigen...</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Zuletzt verwendete Dateien</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit Data...</source>
        <translation>&amp;Daten bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Info...</source>
        <translation>&amp;Info...</translation>
    </message>
    <message>
        <source>C&amp;heck Connection...</source>
        <translation>&amp;Verbindung prüfen...</translation>
    </message>
    <message>
        <source>Program &amp;Several Radios...</source>
        <translation>&amp;Mehrere Funkgeräte programmieren...</translation>
    </message>
    <message>
        <source>&amp;Calibrate...</source>
        <translation>&amp;Kalibrieren...</translation>
    </message>
    <message>
        <source>&amp;Configuration...</source>
        <translation>&amp;Konfiguration...</translation>
    </message>
    <message>
        <source>&amp;Verify After Write</source>
        <translation>&amp;Nach dem Schreiben überprüfen</translation>
    </message>
    <message>
        <source>&amp;Back Up Before Write</source>
        <translation>&amp;Vor dem Schreiben sichern</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Sprache...</translation>
    </message>
    <message>
        <source>640x480</source>
        <translation>640x480</translation>
    </message>
    <message>
        <source>800x600</source>
        <translation>800x600</translation>
    </message>
    <message>
        <source>1024x768</source>
        <translation>1024x768</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <source>Settings S&amp;ummary</source>
        <translation>&amp;Einstellungsübersicht</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>Save Serial &amp;Trace...</source>
        <translation>Seriellen &amp;Mitschnitt speichern...</translation>
    </message>
    <message>
        <source>&amp;About Vigilon OSS...</source>
        <translation>&amp;Info über Vigilon OSS...</translation>
    </message>
    <message>
        <source>Service &amp;History...</source>
        <translation>Service&amp;historie...</translation>
    </message>
    <message>
        <source>Create Support &amp;Bundle...</source>
        <translation>&amp;Support-Paket erstellen...</translation>
    </message>
    <message>
        <source>Ask For &amp;Radio ID</source>
        <translation>Nach &amp;Funkgeräte-ID fragen</translation>
    </message>
</context>
<context>
    <name>DialogTemplates</name>
    <message>
        <source>Vigilon OSS</source>
        <translation>Vigilon OSS</translation>
    </message>
    <message>
        <source>Version:  R01.01.01,  11.Jan.2001</source>
        <translation>Version:  R01.01.01,  11.Jan.2001</translation>
    </message>
    <message>
        <source>Copyright (C) Ardentec. All rights reserved.</source>
        <translation>Copyright (C) Ardentec. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Option Board Type</source>
        <translation>Optionsplatinentyp</translation>
    </message>
    <message>
        <source>Hardware Revision</source>
        <translation>Hardware-Revision</translation>
    </message>
    <message>
        <source>Software Version</source>
        <translation>Softwareversion</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Codeplug-Version</translation>
    </message>
    <message>
        <source>WARNING !
The accelerometer sensor is already calibrated in the factory.
An initial calibration is not needed.
If you really want to calibrate the accelerometer, follow the instructions below:</source>
        <translation>WARNUNG!
Der Beschleunigungssensor ist bereits ab Werk kalibriert.
Eine Erstkalibrierung ist nicht erforderlich.
Wenn Sie den Sensor wirklich kalibrieren möchten, gehen Sie wie folgt vor:</translation>
    </message>
    <message>
        <source>4. When you are prompted turn the radio very slowly for at least 360 degrees.</source>
        <translation>4. Drehen Sie das Funkgerät nach Aufforderung sehr langsam um mindestens 360 Grad.</translation>
    </message>
    <message>
        <source>1. Place the radio in the vertical positon.</source>
        <translation>1. Stellen Sie das Funkgerät senkrecht auf.</translation>
    </message>
    <message>
        <source>2. Make sure that the radio with the connected programming cable can now be
    turned arround for at least 360 degrees.</source>
        <translation>2. Stellen Sie sicher, dass sich das Funkgerät mit angeschlossenem
    Programmierkabel jetzt um mindestens 360 Grad drehen lässt.</translation>
    </message>
    <message>
        <source>3. Press the OK button.</source>
        <translation>3. Klicken Sie auf OK.</translation>
    </message>
    <message>
        <source>Reading the accelerometer calibration data will take about 20 minutes.</source>
        <translation>Das Auslesen der Kalibrierdaten des Sensors dauert etwa 20 Minuten.</translation>
    </message>
    <message>
        <source>Are you sure you want to do this ?</source>
        <translation>Möchten Sie dies wirklich tun?</translation>
    </message>
    <message>
        <source>About Vigilon OSS</source>
        <translation>Info über Vigilon OSS</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Edit Option Board Data</source>
        <translation>Daten der Optionsplatine bearbeiten</translation>
    </message>
    <message>
        <source>Option Board Information</source>
        <translation>Informationen zur Optionsplatine</translation>
    </message>
    <message>
        <source>Option Board Calibration</source>
        <translation>Kalibrierung der Optionsplatine</translation>
    </message>
    <message>
        <source>Read the Accelerometer Calibration Data</source>
        <translation>Kalibrierdaten des Beschleunigungssensors auslesen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Serial Port:</source>
        <translation>Se&amp;rielle Schnittstelle:</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Man &amp;Down Alarm</source>
        <translation>&amp;Lagealarm</translation>
    </message>
    <message>
        <source>&amp;Pre Alert Time (s)</source>
        <translation>&amp;Voralarmzeit (s)</translation>
    </message>
    <message>
        <source>&amp;Alert Time (s)</source>
        <translation>Alarm&amp;zeit (s)</translation>
    </message>
    <message>
        <source>Activation An&amp;gle</source>
        <translation>Auslöse&amp;winkel</translation>
    </message>
    <message>
        <source>Anti-Mo&amp;vement Alarm</source>
        <translation>R&amp;uhealarm</translation>
    </message>
    <message>
        <source>P&amp;re Alert Time (s)</source>
        <translation>Vo&amp;ralarmzeit (s)</translation>
    </message>
    <message>
        <source>A&amp;lert Time (s)</source>
        <translation>Alar&amp;mzeit (s)</translation>
    </message>
    <message>
        <source>&amp;Sensor Sensitivity</source>
        <translation>&amp;Sensorempfindlichkeit</translation>
    </message>
    <message>
        <source>&amp;Movement Alarm</source>
        <translation>&amp;Bewegungsalarm</translation>
    </message>
    <message>
        <source>Pr&amp;e Alert Time (s)</source>
        <translation>Voralarmz&amp;eit (s)</translation>
    </message>
    <message>
        <source>Alert &amp;Time (s)</source>
        <translation>Alarmze&amp;it (s)</translation>
    </message>
    <message>
        <source>Alert E&amp;nable</source>
        <translation>Alarm a&amp;ktivieren</translation>
    </message>
    <message>
        <source>Alert Repeat Ena&amp;ble</source>
        <translation>Alarmwiederholu&amp;ng aktivieren</translation>
    </message>
    <message>
        <source>Alert Repeat T&amp;ime (s)</source>
        <translation>Alarmwie&amp;derholzeit (s)</translation>
    </message>
    <message>
        <source>Cloc&amp;k Shift</source>
        <translation>&amp;Taktverschiebung</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Vendor Remarks:</source>
        <translation>H&amp;erstellerhinweise:</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>Reading the accelerometer calibration data...
Stop (Esc) ends the read-out.</source>
        <translation>Kalibrierdaten des Sensors werden ausgelesen...
Anhalten (Esc) beendet das Auslesen.</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>Vigilon OSS</source>
        <translation>Vigilon OSS</translation>
    </message>
    <message>
        <source>Reading an option board</source>
        <translation>Optionsplatine auslesen</translation>
    </message>
    <message>
        <source>Programming an option board</source>
        <translation>Optionsplatine programmieren</translation>
    </message>
    <message>
        <source>Editing the settings</source>
        <translation>Einstellungen bearbeiten</translation>
    </message>
    <message>
        <source>Option board data files</source>
        <translation>Datendateien der Optionsplatine</translation>
    </message>
    <message>
        <source>Option board information</source>
        <translation>Informationen zur Optionsplatine</translation>
    </message>
    <message>
        <source>Choosing the serial port</source>
        <translation>Serielle Schnittstelle wählen</translation>
    </message>
    <message>
        <source>Calibration (lab mode)</source>
        <translation>Kalibrierung (Labormodus)</translation>
    </message>
    <message>
        <source>When something goes wrong</source>
        <translation>Bei Problemen</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The serial port %s could not be opened.
It may be in use by another program.</source>
        <translation>Die serielle Schnittstelle %s konnte nicht geöffnet werden.
Sie wird möglicherweise von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <source>Could not open file !</source>
        <translation>Die Datei konnte nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>Invalid checksum or no valid option board file !</source>
        <translation>Ungültige Prüfsumme oder keine gültige Datendatei der Optionsplatine!</translation>
    </message>
    <message>
        <source>Option board file is write protected or disk is full !</source>
        <translation>Die Datendatei der Optionsplatine ist schreibgeschützt oder der Datenträger ist voll!</translation>
    </message>
    <message>
        <source>Option board data checksum error !</source>
        <translation>Prüfsummenfehler in den Daten der Optionsplatine!</translation>
    </message>
    <message>
        <source>Unknown option board detected.
Make sure the correct option board is installed in the radio.</source>
        <translation>Unbekannte Optionsplatine erkannt.
Stellen Sie sicher, dass die richtige Optionsplatine im Funkgerät eingebaut ist.</translation>
    </message>
    <message>
        <source>Option Board at %s</source>
        <translation>Optionsplatine an %s</translation>
    </message>
    <message>
        <source>No serial port assigned.</source>
        <translation>Keine serielle Schnittstelle zugewiesen.</translation>
    </message>
    <message>
        <source>Checksum error in received message.</source>
        <translation>Prüfsummenfehler in der empfangenen Nachricht.</translation>
    </message>
    <message>
        <source>Received message too long.</source>
        <translation>Empfangene Nachricht ist zu lang.</translation>
    </message>
    <message>
        <source>Received message incomplete.</source>
        <translation>Empfangene Nachricht ist unvollständig.</translation>
    </message>
    <message>
        <source>No response from radio.</source>
        <translation>Keine Antwort vom Funkgerät.</translation>
    </message>
    <message>
        <source>NAK received from radio.</source>
        <translation>NAK vom Funkgerät empfangen.</translation>
    </message>
    <message>
        <source>Unexpected response from radio.</source>
        <translation>Unerwartete Antwort vom Funkgerät.</translation>
    </message>
    <message>
        <source>Operation not supported by this radio.</source>
        <translation>Dieser Vorgang wird von diesem Funkgerät nicht unterstützt.</translation>
    </message>
    <message>
        <source>No response from option board.
Make sure the correct option board is installed in the radio
and the radio&apos;s codeplug is programmed for this option board.</source>
        <translation>Keine Antwort von der Optionsplatine.
Stellen Sie sicher, dass die richtige Optionsplatine im Funkgerät eingebaut ist
und der Codeplug des Funkgeräts für diese Optionsplatine programmiert ist.</translation>
    </message>
    <message>
        <source>Failed to read the option board !</source>
        <translation>Die Optionsplatine konnte nicht ausgelesen werden!</translation>
    </message>
    <message>
        <source>Option board successfully read.</source>
        <translation>Optionsplatine erfolgreich ausgelesen.</translation>
    </message>
    <message>
        <source>Failed to program the option board !</source>
        <translation>Die Optionsplatine konnte nicht programmiert werden!</translation>
    </message>
    <message>
        <source>Option board successfully programmed.</source>
        <translation>Optionsplatine erfolgreich programmiert.</translation>
    </message>
    <message>
        <source>Are you sure you wish to program the option board ?</source>
        <translation>Möchten Sie die Optionsplatine wirklich programmieren?</translation>
    </message>
    <message>
        <source>Failed to calibrate the accelerometer !</source>
        <translation>Der Beschleunigungssensor konnte nicht kalibriert werden!</translation>
    </message>
    <message>
        <source>Accelerometer successfully calibrated.</source>
        <translation>Beschleunigungssensor erfolgreich kalibriert.</translation>
    </message>
    <message>
        <source>Are you really sure you wish to calibrate the accelerometer ?</source>
        <translation>Möchten Sie den Beschleunigungssensor wirklich kalibrieren?</translation>
    </message>
    <message>
        <source>Turn the radio very slowly for at least 360 degrees.
 Press the OK button when done.</source>
        <translation>Drehen Sie das Funkgerät sehr langsam um mindestens 360 Grad.
 Klicken Sie danach auf OK.</translation>
    </message>
    <message>
        <source>Unexpected response from the option board.</source>
        <translation>Unerwartete Antwort von der Optionsplatine.</translation>
    </message>
    <message>
        <source>Processed %d bytes of %d bytes.</source>
        <translation>%d von %d Bytes verarbeitet.</translation>
    </message>
    <message>
        <source>Calibration data file is write protected or disk is full !</source>
        <translation>Die Kalibrierdatendatei ist schreibgeschützt oder der Datenträger ist voll!</translation>
    </message>
    <message>
        <source>Codeplug version not supported by this OSS.
Radio/File codeplug version: %02d . %02d
OSS codeplug version: %02d . %02d</source>
        <translation>Die Codeplug-Version wird von dieser OSS nicht unterstützt.
Codeplug-Version Funkgerät/Datei: %02d . %02d
Codeplug-Version OSS: %02d . %02d</translation>
    </message>
    <message>
        <source>The data is not valid.
Please enter an integer number between %d and %d.</source>
        <translation>Die Eingabe ist ungültig.
Bitte geben Sie eine ganze Zahl zwischen %d und %d ein.</translation>
    </message>
    <message>
        <source>30°</source>
        <translation>30°</translation>
    </message>
    <message>
        <source>45°</source>
        <translation>45°</translation>
    </message>
    <message>
        <source>60°</source>
        <translation>60°</translation>
    </message>
    <message>
        <source>low</source>
        <translation>niedrig</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>mittel</translation>
    </message>
    <message>
        <source>high</source>
        <translation>hoch</translation>
    </message>
    <message>
        <source>Man Down Alarm</source>
        <translation>Lagealarm</translation>
    </message>
    <message>
        <source>Pre Alert Time (s)</source>
        <translation>Voralarmzeit (s)</translation>
    </message>
    <message>
        <source>Alert Time (s)</source>
        <translation>Alarmzeit (s)</translation>
    </message>
    <message>
        <source>Activation Angle</source>
        <translation>Auslösewinkel</translation>
    </message>
    <message>
        <source>Anti-Movement Alarm</source>
        <translation>Ruhealarm</translation>
    </message>
    <message>
        <source>Movement Alarm</source>
        <translation>Bewegungsalarm</translation>
    </message>
    <message>
        <source>Alert Enable</source>
        <translation>Alarm aktivieren</translation>
    </message>
    <message>
        <source>Alert Repeat Enable</source>
        <translation>Alarmwiederholung aktivieren</translation>
    </message>
    <message>
        <source>Alert Repeat Time (s)</source>
        <translation>Alarmwiederholzeit (s)</translation>
    </message>
    <message>
        <source>Sensor Sensitivity</source>
        <translation>Sensorempfindlichkeit</translation>
    </message>
    <message>
        <source>Clock Shift</source>
        <translation>Taktverschiebung</translation>
    </message>
    <message>
        <source>Option Board Type</source>
        <translation>Optionsplatinentyp</translation>
    </message>
    <message>
        <source>Hardware Revision</source>
        <translation>Hardware-Revision</translation>
    </message>
    <message>
        <source>Software Version</source>
        <translation>Softwareversion</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Codeplug-Version</translation>
    </message>
    <message>
        <source>Vendor Remarks:</source>
        <translation>Herstellerhinweise:</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>Checksum</source>
        <translation>Prüfsumme</translation>
    </message>
    <message>
        <source>%d (outside %d to %d)</source>
        <translation>%d (außerhalb von %d bis %d)</translation>
    </message>
    <message>
        <source>Calibration data saved to %s.</source>
        <translation>Kalibrierdaten in %s gespeichert.</translation>
    </message>
    <message>
        <source>No serial port found.</source>
        <translation>Keine serielle Schnittstelle gefunden.</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Stopped before the operation was complete; the radio has been reset.</source>
        <translation>Vor Abschluss des Vorgangs angehalten; das Funkgerät wurde zurückgesetzt.</translation>
    </message>
    <message>
        <source>hint: %s</source>
        <translation>Hinweis: %s</translation>
    </message>
    <message>
        <source>No backups in %s.</source>
        <translation>Keine Sicherungen in %s.</translation>
    </message>
    <message>
        <source>%s could not be written.</source>
        <translation>%s konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%s could not be read.</source>
        <translation>%s konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%s is too large to be a settings text (%d KiB or more).</source>
        <translation>%s ist zu groß für einen Einstellungstext (%d KiB oder mehr).</translation>
    </message>
    <message>
        <source>%s stands for %s.</source>
        <translation>%s steht für %s.</translation>
    </message>
    <message>
        <source>There is no such device: connect the programming cable, or under Options &gt; Configuration choose another port, or the cable&apos;s device for %s (the command line also takes --device PATH).</source>
        <translation>Dieses Gerät gibt es nicht: Schließen Sie das Programmierkabel an, oder wählen Sie unter Optionen &gt; Konfiguration eine andere Schnittstelle oder das Gerät des Kabels für %s (die Befehlszeile akzeptiert auch --device PATH).</translation>
    </message>
    <message>
        <source>You may not use %s: ask for read and write access to it.</source>
        <translation>Sie dürfen %s nicht verwenden: Fordern Sie Lese- und Schreibzugriff darauf an.</translation>
    </message>
    <message>
        <source>You may not use %s: it belongs to the group %s. Add yourself to that group (sudo adduser $USER %s), then log out and in again.</source>
        <translation>Sie dürfen %s nicht verwenden: Es gehört zur Gruppe %s. Fügen Sie sich dieser Gruppe hinzu (sudo adduser $USER %s), und melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>Another program holds it: close that program (a second copy of this tool counts) and try again.</source>
        <translation>Ein anderes Programm belegt das Gerät: Schließen Sie dieses Programm (auch eine zweite Instanz dieses Programms zählt) und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>present</source>
        <translation>vorhanden</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>nicht vorhanden</translation>
    </message>
    <message>
        <source>The option board holds other settings than were written.</source>
        <translation>Die Optionsplatine enthält andere Einstellungen als die geschriebenen.</translation>
    </message>
    <message>
        <source>The settings could not be read back: the option board may hold other settings than were written.</source>
        <translation>Die Einstellungen konnten nicht zurückgelesen werden: Die Optionsplatine enthält möglicherweise andere Einstellungen als die geschriebenen.</translation>
    </message>
    <message>
        <source>Vigilon option board settings. Lines starting with # are comments.</source>
        <translation>Einstellungen der Vigilon-Optionsplatine. Zeilen, die mit # beginnen, sind Kommentare.</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a setting: write key = value</source>
        <translation>„%s“ ist keine Einstellung: Schreiben Sie Schlüssel = Wert</translation>
    </message>
    <message>
        <source>unknown key &apos;%s&apos;</source>
        <translation>unbekannter Schlüssel „%s“</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is given a second time (first on line %d)</source>
        <translation>„%s“ ist ein zweites Mal angegeben (zuerst in Zeile %d)</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a codeplug version: write it as major.minor, for example 01.00</source>
        <translation>„%s“ ist keine Codeplug-Version: Schreiben Sie sie als Hauptversion.Nebenversion, zum Beispiel 01.00</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a whole number (%s)</source>
        <translation>„%s“ ist keine ganze Zahl (%s)</translation>
    </message>
    <message>
        <source>%s is outside the limits of %s, %d to %d</source>
        <translation>%s liegt außerhalb der Grenzen für %s, %d bis %d</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is missing</source>
        <translation>„%s“ fehlt</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a supported codeplug version: the major version must be 01 to %02d</source>
        <translation>„%s“ ist keine unterstützte Codeplug-Version: Die Hauptversion muss zwischen 01 und %02d liegen</translation>
    </message>
    <message>
        <source>The settings were read, but no backup of them could be kept:
%s</source>
        <translation>Die Einstellungen wurden ausgelesen, aber es konnte keine Sicherung davon abgelegt werden:
%s</translation>
    </message>
    <message>
        <source>The read-out was stopped after %d of %d bytes.
The radio has been reset; nothing was saved.</source>
        <translation>Das Auslesen wurde nach %d von %d Bytes angehalten.
Das Funkgerät wurde zurückgesetzt; es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>not two numbers from 0 to 255 separated by a tab</source>
        <translation>keine zwei durch einen Tabulator getrennten Zahlen von 0 bis 255</translation>
    </message>
    <message>
        <source>%d is outside 0 to 255</source>
        <translation>%d liegt außerhalb von 0 bis 255</translation>
    </message>
    <message>
        <source>the file ends here; calibration data has %d lines</source>
        <translation>die Datei endet hier; Kalibrierdaten haben %d Zeilen</translation>
    </message>
    <message>
        <source>one line more than the %d lines of calibration data</source>
        <translation>eine Zeile mehr als die %d Zeilen der Kalibrierdaten</translation>
    </message>
    <message>
        <source>Column %d: minimum %d, maximum %d, mean %s</source>
        <translation>Spalte %d: Minimum %d, Maximum %d, Mittelwert %s</translation>
    </message>
    <message>
        <source>NoName</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Vigilon Data Files (*.vgd)</source>
        <translation>Vigilon-Datendateien (*.vgd)</translation>
    </message>
    <message>
        <source>.vgd</source>
        <translation>.vgd</translation>
    </message>
    <message>
        <source>Vigilon Calibration Data (*.txt)</source>
        <translation>Vigilon-Kalibrierdaten (*.txt)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Zuletzt verwendete Dateien</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Option &amp;Board</source>
        <translation>Options&amp;platine</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>Fenstergröße</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Vigilon OSS Help</source>
        <translation>Hilfe zu Vigilon OSS</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>No topic contains these words.</source>
        <translation>Kein Thema enthält diese Wörter.</translation>
    </message>
    <message>
        <source>The program cannot be closed while it works with the radio.</source>
        <translation>Das Programm kann nicht beendet werden, solange es mit dem Funkgerät kommuniziert.</translation>
    </message>
    <message>
        <source>Elapsed %s</source>
        <translation>Vergangen: %s</translation>
    </message>
    <message>
        <source>Elapsed %s, about %s to go</source>
        <translation>Vergangen: %s, noch etwa %s</translation>
    </message>
    <message>
        <source>Stopping after the current request...</source>
        <translation>Wird nach der aktuellen Anfrage angehalten...</translation>
    </message>
    <message>
        <source>Reading the option board on %s (%s)...</source>
        <translation>Optionsplatine an %s (%s) wird ausgelesen...</translation>
    </message>
    <message>
        <source>Programming the option board on %s (%s)...</source>
        <translation>Optionsplatine an %s (%s) wird programmiert...</translation>
    </message>
    <message>
        <source>Reading the option board information on %s (%s)...</source>
        <translation>Informationen der Optionsplatine an %s (%s) werden gelesen...</translation>
    </message>
    <message>
        <source>Calibrating the accelerometer on %s (%s)...</source>
        <translation>Beschleunigungssensor an %s (%s) wird kalibriert...</translation>
    </message>
    <message>
        <source>Reading the calibration data on %s (%s)...</source>
        <translation>Kalibrierdaten an %s (%s) werden ausgelesen...</translation>
    </message>
    <message>
        <source>No settings loaded.
Read the option board (Ctrl+R) or open a data file (Ctrl+O).</source>
        <translation>Keine Einstellungen geladen.
Lesen Sie die Optionsplatine aus (Strg+R) oder öffnen Sie eine Datendatei (Strg+O).</translation>
    </message>
    <message>
        <source>Settings read from the option board on %s (%s)</source>
        <translation>Einstellungen, ausgelesen aus der Optionsplatine an %s (%s)</translation>
    </message>
    <message>
        <source>Settings from the file %s</source>
        <translation>Einstellungen aus der Datei %s</translation>
    </message>
    <message>
        <source>Changed since then.</source>
        <translation>Seitdem geändert.</translation>
    </message>
    <message>
        <source>Unchanged since then.</source>
        <translation>Seitdem unverändert.</translation>
    </message>
    <message>
        <source>Not saved to a file.</source>
        <translation>Nicht in einer Datei gespeichert.</translation>
    </message>
    <message>
        <source>Saved as %s.</source>
        <translation>Gespeichert als %s.</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Sicherung öffnen</translation>
    </message>
    <message>
        <source>Backups of the settings read from boards and of calibration read-outs, newest first, kept in %s</source>
        <translation>Sicherungen der aus Optionsplatinen ausgelesenen Einstellungen und Kalibrierdaten, neueste zuerst, abgelegt in %s</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>The settings are the same as in %s.</source>
        <translation>Die Einstellungen stimmen mit denen in %s überein.</translation>
    </message>
    <message>
        <source>Calibration Data - %s</source>
        <translation>Kalibrierdaten – %s</translation>
    </message>
    <message>
        <source>Column %d</source>
        <translation>Spalte %d</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Drag across the plot to zoom in, right-click to zoom out.</source>
        <translation>Zum Vergrößern mit der Maus über das Diagramm ziehen, zum Verkleinern mit der rechten Maustaste klicken.</translation>
    </message>
    <message>
        <source>(%lu earlier lines dropped: the trace keeps the last %lu KiB)</source>
        <translation>(%lu frühere Zeilen verworfen: Der Mitschnitt behält die letzten %lu KiB)</translation>
    </message>
    <message>
        <source>Serial Trace (*.txt)</source>
        <translation>Serieller Mitschnitt (*.txt)</translation>
    </message>
    <message>
        <source>There is no serial trace yet. The trace of a command that talks to the radio can be saved once it has run.</source>
        <translation>Es gibt noch keinen seriellen Mitschnitt. Der Mitschnitt eines Befehls, der mit dem Funkgerät kommuniziert, kann gespeichert werden, sobald der Befehl ausgeführt wurde.</translation>
    </message>
    <message>
        <source>The serial trace could not be saved to %s.</source>
        <translation>Der serielle Mitschnitt konnte nicht in %s gespeichert werden.</translation>
    </message>
    <message>
        <source>Change the Program Configuration
Configuration</source>
        <translation>Programmkonfiguration ändern
Konfiguration</translation>
    </message>
    <message>
        <source>Open existing option board data file
Open</source>
        <translation>Vorhandene Datendatei der Optionsplatine öffnen
Öffnen</translation>
    </message>
    <message>
        <source>Read data from option board
Read</source>
        <translation>Daten aus der Optionsplatine auslesen
Auslesen</translation>
    </message>
    <message>
        <source>Write data to option board
Write</source>
        <translation>Daten in die Optionsplatine schreiben
Schreiben</translation>
    </message>
    <message>
        <source>Show additional information about the option board
Info</source>
        <translation>Zusätzliche Informationen zur Optionsplatine anzeigen
Info</translation>
    </message>
    <message>
        <source>Edit option board data
Edit data</source>
        <translation>Daten der Optionsplatine bearbeiten
Daten bearbeiten</translation>
    </message>
    <message>
        <source>Calibrate option board
Calibrate</source>
        <translation>Optionsplatine kalibrieren
Kalibrieren</translation>
    </message>
    <message>
        <source>Save option board data to file
Save</source>
        <translation>Daten der Optionsplatine in einer Datei speichern
Speichern</translation>
    </message>
    <message>
        <source>Save the active option board data file with a new name
Save As</source>
        <translation>Aktive Datendatei der Optionsplatine unter einem neuen Namen speichern
Speichern unter</translation>
    </message>
    <message>
        <source>Open this option board data file</source>
        <translation>Diese Datendatei der Optionsplatine öffnen</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen
Über</translation>
    </message>
    <message>
        <source>Quit the Vigilon OSS
Exit</source>
        <translation>Vigilon OSS beenden
Beenden</translation>
    </message>
    <message>
        <source>Display help for current task or command
Help</source>
        <translation>Hilfe zur aktuellen Aufgabe oder zum aktuellen Befehl anzeigen
Hilfe</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Symbolleiste ein- oder ausblenden
Symbolleiste ein/aus</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Statusleiste ein- oder ausblenden
Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>Open one of the backups of settings read from boards
Open Backup</source>
        <translation>Eine der Sicherungen von aus Optionsplatinen ausgelesenen Einstellungen öffnen
Sicherung öffnen</translation>
    </message>
    <message>
        <source>Show how the settings differ from those of a data file
Compare With File</source>
        <translation>Anzeigen, wie die Einstellungen von denen einer Datendatei abweichen
Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>Read the settings back after writing them and compare
Verify After Write</source>
        <translation>Einstellungen nach dem Schreiben zurücklesen und vergleichen
Nach dem Schreiben überprüfen</translation>
    </message>
    <message>
        <source>Back up the board&apos;s settings before writing new ones
Back Up Before Write</source>
        <translation>Einstellungen der Optionsplatine sichern, bevor neue geschrieben werden
Vor dem Schreiben sichern</translation>
    </message>
    <message>
        <source>Show or hide the settings in the main window
Settings Summary</source>
        <translation>Einstellungen im Hauptfenster ein- oder ausblenden
Einstellungsübersicht</translation>
    </message>
    <message>
        <source>Plot an exported calibration data file with its figures
View Calibration Data</source>
        <translation>Exportierte Kalibrierdatendatei als Diagramm mit ihren Kennzahlen anzeigen
Kalibrierdaten anzeigen</translation>
    </message>
    <message>
        <source>Save what went over the serial line since the program started, for support
Save Serial Trace</source>
        <translation>Alles, was seit dem Programmstart über die serielle Leitung übertragen wurde, für den Support speichern
Seriellen Mitschnitt speichern</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>RF</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Drücken Sie F1, um Hilfe zu erhalten.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Program every radio connected from now on with these settings, one after the other?</source>
        <translation>Jedes ab jetzt angeschlossene Funkgerät nacheinander mit diesen Einstellungen programmieren?</translation>
    </message>
    <message>
        <source>Radio %d: waiting for a radio on %s...</source>
        <translation>Funkgerät %d: Warten auf ein Funkgerät an %s...</translation>
    </message>
    <message>
        <source>Connect the next radio.</source>
        <translation>Schließen Sie das nächste Funkgerät an.</translation>
    </message>
    <message>
        <source>Radio %d: programming %s...</source>
        <translation>Funkgerät %d: %s wird programmiert...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Radio %d: %s: %s (%.1f s)</source>
        <translation>Funkgerät %d: %s: %s (%.1f s)</translation>
    </message>
    <message>
        <source>The report %s could not be written.</source>
        <translation>Der Bericht %s konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%d radios programmed, %d failed.</source>
        <translation>%d Funkgeräte programmiert, %d fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Zeit (UTC)</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Funkgeräteinformationen</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Program Several Radios</source>
        <translation>Mehrere Funkgeräte programmieren</translation>
    </message>
    <message>
        <source>(the document&apos;s settings)</source>
        <translation>(Einstellungen des Dokuments)</translation>
    </message>
    <message>
        <source>There are no settings to program: read or open them first, or choose a data file.</source>
        <translation>Es sind keine Einstellungen zum Programmieren vorhanden: Lesen Sie sie zuerst aus oder öffnen Sie sie, oder wählen Sie eine Datendatei.</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>bis zum Anhalten</translation>
    </message>
    <message>
        <source>(no report)</source>
        <translation>(kein Bericht)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The calibration data were read, but no copy of them could be kept:
%s</source>
        <translation>Die Kalibrierdaten wurden ausgelesen, aber es konnte keine Kopie davon abgelegt werden:
%s</translation>
    </message>
    <message>
        <source>%s is in the backups folder, where nothing is saved but the backups the program makes itself. Choose a file outside %s.</source>
        <translation>%s liegt im Sicherungsordner, in dem nur die Sicherungen gespeichert werden, die das Programm selbst anlegt. Wählen Sie eine Datei außerhalb von %s.</translation>
    </message>
    <message>
        <source>%s (backup, opened as a copy)</source>
        <translation>%s (Sicherung, als Kopie geöffnet)</translation>
    </message>
    <message>
        <source>A copy of the calibration data is kept in %s.</source>
        <translation>Eine Kopie der Kalibrierdaten ist in %s abgelegt.</translation>
    </message>
    <message>
        <source>The option board answered the read at address 0x%04X with %d of %d bytes.
The read-out has failed; nothing was saved.</source>
        <translation>Die Optionsplatine hat die Leseanfrage an Adresse 0x%04X mit %d von %d Bytes beantwortet.
Das Auslesen ist fehlgeschlagen; es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>%s is not a file that can be written: it is a folder, a device, a named pipe or a loop of links.</source>
        <translation>%s ist keine beschreibbare Datei: Es handelt sich um einen Ordner, ein Gerät, eine benannte Pipe oder eine Schleife von Links.</translation>
    </message>
    <message>
        <source>%s is write-protected.</source>
        <translation>%s ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>%s cannot be written: its folder does not exist or takes no new file.</source>
        <translation>%s kann nicht geschrieben werden: Der Ordner existiert nicht oder nimmt keine neue Datei auf.</translation>
    </message>
    <message>
        <source>%s cannot be written: the disk is full.</source>
        <translation>%s kann nicht geschrieben werden: Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>%s is also the command&apos;s input; choose another file.</source>
        <translation>%s ist zugleich die Eingabe des Befehls; wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>%s is named for two outputs; choose another file.</source>
        <translation>%s ist für zwei Ausgaben angegeben; wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>(%lu earlier operations dropped: the trace keeps the last %lu KiB)</source>
        <translation>(%lu frühere Vorgänge verworfen: Der Mitschnitt behält die letzten %lu KiB)</translation>
    </message>
    <message>
        <source>Not all of the board&apos;s information could be read in full: the fields above may be empty or cut short.</source>
        <translation>Nicht alle Informationen der Optionsplatine konnten vollständig gelesen werden: Die Felder oben können leer oder abgeschnitten sein.</translation>
    </message>
    <message>
        <source>The errors above did not stop the command: the answers that followed them passed every check.</source>
        <translation>Die obigen Fehler haben den Befehl nicht abgebrochen: Die darauf folgenden Antworten haben alle Prüfungen bestanden.</translation>
    </message>
    <message>
        <source>%s does not exist.</source>
        <translation>%s existiert nicht.</translation>
    </message>
    <message>
        <source>You may not read %s: ask for read access to it.</source>
        <translation>Sie dürfen %s nicht lesen: Fordern Sie Lesezugriff darauf an.</translation>
    </message>
    <message>
        <source>%s is a folder, not a file.</source>
        <translation>%s ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>%s is a device or a named pipe, not a file.</source>
        <translation>%s ist ein Gerät oder eine benannte Pipe, keine Datei.</translation>
    </message>
    <message>
        <source>%s is a loop of symbolic links.</source>
        <translation>%s ist eine Schleife symbolischer Links.</translation>
    </message>
    <message>
        <source>Another program holds %s: close that program and try again.</source>
        <translation>%s wird von einem anderen Programm belegt: Schließen Sie dieses Programm und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%s holds no settings this program can use.</source>
        <translation>%s enthält keine Einstellungen, die dieses Programm verwenden kann.</translation>
    </message>
    <message>
        <source>The serial trace %s could not be written completely.</source>
        <translation>Der serielle Mitschnitt %s konnte nicht vollständig geschrieben werden.</translation>
    </message>
    <message>
        <source>Failed: %s</source>
        <translation>Fehlgeschlagen: %s</translation>
    </message>
    <message>
        <source>No serial device found.</source>
        <translation>Kein serielles Gerät gefunden.</translation>
    </message>
    <message>
        <source>The port %s (%s) opens.</source>
        <translation>Die Schnittstelle %s (%s) lässt sich öffnen.</translation>
    </message>
    <message>
        <source>The device %s opens.</source>
        <translation>Das Gerät %s lässt sich öffnen.</translation>
    </message>
    <message>
        <source>Check Connection</source>
        <translation>Verbindung prüfen</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation>&amp;Erneut prüfen</translation>
    </message>
    <message>
        <source>Checking the connection on %s (%s)...</source>
        <translation>Verbindung an %s (%s) wird geprüft...</translation>
    </message>
    <message>
        <source>What is sent comes back: the cable is connected.</source>
        <translation>Gesendete Daten kommen zurück: Das Kabel ist angeschlossen.</translation>
    </message>
    <message>
        <source>Nothing came back: the cable is not plugged into the radio, or this is not the programming cable.</source>
        <translation>Es kommt nichts zurück: Das Kabel steckt nicht im Funkgerät, oder es ist nicht das Programmierkabel.</translation>
    </message>
    <message>
        <source>The radio acknowledges.</source>
        <translation>Das Funkgerät quittiert.</translation>
    </message>
    <message>
        <source>The radio does not answer: switch it on, and check that it is in programming mode.</source>
        <translation>Das Funkgerät antwortet nicht: Schalten Sie es ein und prüfen Sie, ob es sich im Programmiermodus befindet.</translation>
    </message>
    <message>
        <source>The radio says: %s</source>
        <translation>Das Funkgerät meldet: %s</translation>
    </message>
    <message>
        <source>The option board answers: %s.</source>
        <translation>Die Optionsplatine antwortet: %s.</translation>
    </message>
    <message>
        <source>No option board answers: is one fitted?</source>
        <translation>Keine Optionsplatine antwortet: Ist eine eingebaut?</translation>
    </message>
    <message>
        <source>The board&apos;s codeplug version %d.%02d is one this program can use.</source>
        <translation>Die Codeplug-Version %d.%02d der Optionsplatine wird von diesem Programm unterstützt.</translation>
    </message>
    <message>
        <source>The board&apos;s codeplug version %d.%02d is not one this program can use.</source>
        <translation>Die Codeplug-Version %d.%02d der Optionsplatine wird von diesem Programm nicht unterstützt.</translation>
    </message>
    <message>
        <source>The radio has been reset.</source>
        <translation>Das Funkgerät wurde zurückgesetzt.</translation>
    </message>
    <message>
        <source>The radio did not acknowledge its reset.</source>
        <translation>Das Funkgerät hat das Zurücksetzen nicht quittiert.</translation>
    </message>
    <message>
        <source>✓</source>
        <translation>✓</translation>
    </message>
    <message>
        <source>✗</source>
        <translation>✗</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>&amp;Gerät:</translation>
    </message>
    <message>
        <source>%s (built in)</source>
        <translation>%s (eingebaut)</translation>
    </message>
    <message>
        <source>Devices &amp;found:</source>
        <translation>Ge&amp;fundene Geräte:</translation>
    </message>
    <message>
        <source>%s: %s</source>
        <translation>%s: %s</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Find &amp;Cable...</source>
        <translation>&amp;Kabel suchen...</translation>
    </message>
    <message>
        <source>Choose the Device of the Port</source>
        <translation>Gerät der Schnittstelle wählen</translation>
    </message>
    <message>
        <source>Another device (typed or browsed)</source>
        <translation>Anderes Gerät (eingegeben oder ausgewählt)</translation>
    </message>
    <message>
        <source>Find Cable</source>
        <translation>Kabel suchen</translation>
    </message>
    <message>
        <source>Unplug the programming cable from this computer now.

If it is not plugged in, plug it in: the device that comes is chosen.</source>
        <translation>Ziehen Sie jetzt das Programmierkabel von diesem Computer ab.

Falls es nicht eingesteckt ist, stecken Sie es ein: Das dabei neu erscheinende Gerät wird ausgewählt.</translation>
    </message>
    <message>
        <source>%s went away. Plug the cable in again.</source>
        <translation>%s ist verschwunden. Stecken Sie das Kabel wieder ein.</translation>
    </message>
    <message>
        <source>Serial devices now: %s</source>
        <translation>Aktuelle serielle Geräte: %s</translation>
    </message>
    <message>
        <source>usb</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>serial</source>
        <translation>seriell</translation>
    </message>
    <message>
        <source>%d radios programmed, %d failed, on %d ports.</source>
        <translation>%d Funkgeräte programmiert, %d fehlgeschlagen, an %d Schnittstellen.</translation>
    </message>
    <message>
        <source>Ports:</source>
        <translation>Schnittstellen:</translation>
    </message>
    <message>
        <source>Tick at least one port to program radios on.</source>
        <translation>Wählen Sie mindestens eine Schnittstelle aus, an der Funkgeräte programmiert werden sollen.</translation>
    </message>
    <message>
        <source>%s: ended, %d radios programmed, %d failed.</source>
        <translation>%s: beendet, %d Funkgeräte programmiert, %d fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Check the way to the option board link by link: port, cable, radio, board
Check Connection</source>
        <translation>Den Weg zur Optionsplatine Glied für Glied prüfen: Schnittstelle, Kabel, Funkgerät, Optionsplatine
Verbindung prüfen</translation>
    </message>
    <message>
        <source>Program radio after radio with the same settings, with a report
Program Several Radios</source>
        <translation>Ein Funkgerät nach dem anderen mit denselben Einstellungen programmieren, mit Bericht
Mehrere Funkgeräte programmieren</translation>
    </message>
    <message>
        <source>Vigilon OSS</source>
        <translation>Vigilon OSS</translation>
    </message>
    <message>
        <source>Vigilon OSS (Labtool)</source>
        <translation>Vigilon OSS (Laborwerkzeug)</translation>
    </message>
    <message>
        <source>Choose the language of the program
Language</source>
        <translation>Sprache des Programms wählen
Sprache</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>&amp;Language of Vigilon OSS:</source>
        <translation>&amp;Sprache von Vigilon OSS:</translation>
    </message>
    <message>
        <source>As the system&apos;s settings (%s)</source>
        <translation>Wie in den Systemeinstellungen (%s)</translation>
    </message>
    <message>
        <source>The new language is used from the next start of Vigilon OSS.</source>
        <translation>Die neue Sprache wird ab dem nächsten Start von Vigilon OSS verwendet.</translation>
    </message>
    <message>
        <source>Increase %s</source>
        <translation>%s erhöhen</translation>
    </message>
    <message>
        <source>Decrease %s</source>
        <translation>%s verringern</translation>
    </message>
    <message>
        <source>%d to %d %s</source>
        <translation>%d bis %d %s</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>More Commands</source>
        <translation>Weitere Befehle</translation>
    </message>
    <message>
        <source>Enter edits the settings.</source>
        <translation>Mit der Eingabetaste bearbeiten Sie die Einstellungen.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Settings:</source>
        <translation>&amp;Einstellungen:</translation>
    </message>
    <message>
        <source>Br&amp;owse...</source>
        <translation>D&amp;urchsuchen...</translation>
    </message>
    <message>
        <source>Read the settings back after each &amp;write</source>
        <translation>Einstellungen nach jedem Schreiben &amp;zurücklesen</translation>
    </message>
    <message>
        <source>R&amp;eport:</source>
        <translation>&amp;Bericht:</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>S&amp;tarten</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>Radios of this run</source>
        <translation>Funkgeräte dieses Durchlaufs</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>Plot of the calibration data</source>
        <translation>Diagramm der Kalibrierdaten</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>Zoom &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>Keys: + and - zoom in and out, the arrows move, Home shows the whole file.</source>
        <translation>Tasten: + und - vergrößern und verkleinern, die Pfeiltasten verschieben, Pos1 zeigt die ganze Datei.</translation>
    </message>
    <message>
        <source>The run was not confirmed: nothing was done.</source>
        <translation>Der Durchlauf wurde nicht bestätigt: Es wurde nichts ausgeführt.</translation>
    </message>
    <message>
        <source>Error: %s</source>
        <translation>Fehler: %s</translation>
    </message>
    <message>
        <source>Warning: %s</source>
        <translation>Warnung: %s</translation>
    </message>
    <message>
        <source>The operation&apos;s own result stands, but it could not be added to the service history %s:
%s</source>
        <translation>Das Ergebnis des Vorgangs selbst bleibt gültig, aber der Vorgang konnte nicht in die Servicehistorie %s eingetragen werden:
%s</translation>
    </message>
    <message>
        <source>The service history could not be read. It was moved aside to
%s
and a new one was started.</source>
        <translation>Die Servicehistorie konnte nicht gelesen werden. Sie wurde nach
%s
verschoben, und eine neue wurde angelegt.</translation>
    </message>
    <message>
        <source>hardware %s</source>
        <translation>Hardware %s</translation>
    </message>
    <message>
        <source>software %s</source>
        <translation>Software %s</translation>
    </message>
    <message>
        <source>codeplug %s</source>
        <translation>Codeplug %s</translation>
    </message>
    <message>
        <source>%s, verified</source>
        <translation>%s, überprüft</translation>
    </message>
    <message>
        <source>read</source>
        <translation>Auslesen</translation>
    </message>
    <message>
        <source>write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>calibration data read-out</source>
        <translation>Auslesen der Kalibrierdaten</translation>
    </message>
    <message>
        <source>connection check</source>
        <translation>Verbindungsprüfung</translation>
    </message>
    <message>
        <source>fleet</source>
        <translation>Mehrfachprogrammierung</translation>
    </message>
    <message>
        <source>succeeded</source>
        <translation>erfolgreich</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>shown with fields missing</source>
        <translation>mit fehlenden Feldern angezeigt</translation>
    </message>
    <message>
        <source>read, but the export was cancelled</source>
        <translation>ausgelesen, aber Export abgebrochen</translation>
    </message>
    <message>
        <source>Entry %s</source>
        <translation>Eintrag %s</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>%s on %s</source>
        <translation>%s auf %s</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Funkgerät</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Optionsplatine</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Fleet run</source>
        <translation>Programmierdurchlauf</translation>
    </message>
    <message>
        <source>number %s: settings %s (SHA-256 %s), ports %s, from %s to %s</source>
        <translation>Nummer %s: Einstellungen %s (SHA-256 %s), Schnittstellen %s, von %s bis %s</translation>
    </message>
    <message>
        <source>(not ended)</source>
        <translation>(nicht beendet)</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>Settings read</source>
        <translation>Ausgelesene Einstellungen</translation>
    </message>
    <message>
        <source>Settings written</source>
        <translation>Geschriebene Einstellungen</translation>
    </message>
    <message>
        <source>Changed from the settings the radio held before</source>
        <translation>Geändert gegenüber den bisherigen Einstellungen des Funkgeräts</translation>
    </message>
    <message>
        <source>No setting changed.</source>
        <translation>Es wurde keine Einstellung geändert.</translation>
    </message>
    <message>
        <source>The checksum of these settings is wrong.</source>
        <translation>Die Prüfsumme dieser Einstellungen ist falsch.</translation>
    </message>
    <message>
        <source>The service history %s holds no entries that match.</source>
        <translation>Die Servicehistorie %s enthält keine passenden Einträge.</translation>
    </message>
    <message>
        <source>The service history holds no entry %s.</source>
        <translation>Die Servicehistorie enthält keinen Eintrag %s.</translation>
    </message>
    <message>
        <source>The service history %s could not be read:
%s</source>
        <translation>Die Servicehistorie %s konnte nicht gelesen werden:
%s</translation>
    </message>
    <message>
        <source>No settings read from this radio before are known.</source>
        <translation>Es sind keine zuvor aus diesem Funkgerät ausgelesenen Einstellungen bekannt.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>sie ist keine Datei</translation>
    </message>
    <message>
        <source>it was made by a newer version of this program</source>
        <translation>sie wurde von einer neueren Version dieses Programms angelegt</translation>
    </message>
    <message>
        <source>it is damaged and could not be moved aside</source>
        <translation>sie ist beschädigt und konnte nicht beiseitegelegt werden</translation>
    </message>
    <message>
        <source>Show every operation on a radio: when, by whom, what was read and written, how it ended
Service History</source>
        <translation>Jeden Vorgang an einem Funkgerät anzeigen: wann, von wem, was ausgelesen und geschrieben wurde, wie er endete
Servicehistorie</translation>
    </message>
    <message>
        <source>Export the service history or remove its old entries
Service History Options</source>
        <translation>Servicehistorie exportieren oder alte Einträge daraus entfernen
Optionen der Servicehistorie</translation>
    </message>
    <message>
        <source>Service History</source>
        <translation>Servicehistorie</translation>
    </message>
    <message>
        <source>&amp;Radio starts with:</source>
        <translation>&amp;Funkgerät beginnt mit:</translation>
    </message>
    <message>
        <source>&amp;Board contains:</source>
        <translation>&amp;Optionsplatine enthält:</translation>
    </message>
    <message>
        <source>O&amp;peration:</source>
        <translation>&amp;Vorgang:</translation>
    </message>
    <message>
        <source>Res&amp;ult:</source>
        <translation>E&amp;rgebnis:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>Vo&amp;n:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>All but succeeded</source>
        <translation>Alle außer erfolgreichen</translation>
    </message>
    <message>
        <source>E&amp;ntries, newest first:</source>
        <translation>Ein&amp;träge, neueste zuerst:</translation>
    </message>
    <message>
        <source>In the history: %s</source>
        <translation>In der Servicehistorie: %s</translation>
    </message>
    <message>
        <source>Matching: %s of %s</source>
        <translation>Passend: %s von %s</translation>
    </message>
    <message>
        <source>&amp;Details:</source>
        <translation>&amp;Details:</translation>
    </message>
    <message>
        <source>Choose an entry to see its details.</source>
        <translation>Wählen Sie einen Eintrag aus, um seine Details anzuzeigen.</translation>
    </message>
    <message>
        <source>&amp;Open These Settings</source>
        <translation>&amp;Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Co&amp;mpare With Document</source>
        <translation>&amp;Mit Dokument vergleichen</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;CSV exportieren...</translation>
    </message>
    <message>
        <source>service history entry %s</source>
        <translation>Eintrag %s der Servicehistorie</translation>
    </message>
    <message>
        <source>%s (opened as a copy)</source>
        <translation>%s (als Kopie geöffnet)</translation>
    </message>
    <message>
        <source>Settings read from the radio on %s at %s (service history entry %s)</source>
        <translation>Einstellungen, ausgelesen aus dem Funkgerät an %s am %s (Eintrag %s der Servicehistorie)</translation>
    </message>
    <message>
        <source>Settings written to the radio on %s at %s (service history entry %s)</source>
        <translation>Einstellungen, geschrieben in das Funkgerät an %s am %s (Eintrag %s der Servicehistorie)</translation>
    </message>
    <message>
        <source>The settings of %s cannot be opened: their checksum is wrong.</source>
        <translation>Die Einstellungen von %s können nicht geöffnet werden: Die Prüfsumme ist falsch.</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Export the Service History</source>
        <translation>Servicehistorie exportieren</translation>
    </message>
    <message>
        <source>The entries were exported to %s.</source>
        <translation>Die Einträge wurden nach %s exportiert.</translation>
    </message>
    <message>
        <source>The service history could not be exported to %s:
%s</source>
        <translation>Die Servicehistorie konnte nicht nach %s exportiert werden:
%s</translation>
    </message>
    <message>
        <source>Service History Options</source>
        <translation>Optionen der Servicehistorie</translation>
    </message>
    <message>
        <source>The service history is kept in %s.</source>
        <translation>Die Servicehistorie ist in %s abgelegt.</translation>
    </message>
    <message>
        <source>Entries in it: %s</source>
        <translation>Enthaltene Einträge: %s</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>Remove entries &amp;older than:</source>
        <translation>Einträge entfernen &amp;vor dem:</translation>
    </message>
    <message>
        <source>&amp;Remove...</source>
        <translation>&amp;Entfernen...</translation>
    </message>
    <message>
        <source>Entries older than %s: %s.
Remove them from the service history? This cannot be undone.</source>
        <translation>Einträge vor dem %s: %s.
Möchten Sie sie aus der Servicehistorie entfernen? Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>No entry is older than %s.</source>
        <translation>Es gibt keine Einträge vor dem %s.</translation>
    </message>
    <message>
        <source>Entries removed: %s.</source>
        <translation>Entfernte Einträge: %s.</translation>
    </message>
    <message>
        <source>The entries could not be removed from the service history %s:
%s</source>
        <translation>Die Einträge konnten nicht aus der Servicehistorie %s entfernt werden:
%s</translation>
    </message>
    <message>
        <source>service-history.csv</source>
        <translation>servicehistorie.csv</translation>
    </message>
    <message>
        <source>%s is part of the service history, the record of every operation on a radio, and is never written over. Choose another file.</source>
        <translation>%s gehört zur Servicehistorie, dem Verzeichnis jedes Vorgangs an einem Funkgerät, und wird nie überschrieben. Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>could not write standard output: %s</source>
        <translation>Die Standardausgabe konnte nicht geschrieben werden: %s</translation>
    </message>
    <message>
        <source>could not write standard output.</source>
        <translation>Die Standardausgabe konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The report %s could not be written: the disk is full. Its last row was left out whole.</source>
        <translation>Der Bericht %s konnte nicht geschrieben werden: Der Datenträger ist voll. Seine letzte Zeile wurde ganz weggelassen.</translation>
    </message>
    <message>
        <source>The report %s was removed or replaced during the run: no more rows go into it.</source>
        <translation>Der Bericht %s wurde während des Durchlaufs entfernt oder ersetzt: Es werden keine weiteren Zeilen hineingeschrieben.</translation>
    </message>
    <message>
        <source>The radios&apos; own results stand, but %d of this run&apos;s entries could not be added to the service history %s:
%s</source>
        <translation>Die Ergebnisse der Funkgeräte selbst bleiben gültig, aber %d Einträge dieses Durchlaufs konnten nicht in die Servicehistorie %s aufgenommen werden:
%s</translation>
    </message>
    <message>
        <source>its folder %s does not exist and could not be made</source>
        <translation>sein Ordner %s existiert nicht und konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>the file is write-protected</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>its folder %s is write-protected</source>
        <translation>sein Ordner %s ist schreibgeschützt</translation>
    </message>
    <message>
        <source>another program held it for longer than the program waits</source>
        <translation>ein anderes Programm hielt es länger belegt, als das Programm wartet</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>it says it is of version %d, which this program does not know</source>
        <translation>es gibt die Version %d an, die dieses Programm nicht kennt</translation>
    </message>
    <message>
        <source>%s is not a serial device.</source>
        <translation>%s ist kein serielles Gerät.</translation>
    </message>
    <message>
        <source>%s is not a serial device: it is a file.</source>
        <translation>%s ist kein serielles Gerät: Es handelt sich um eine Datei.</translation>
    </message>
    <message>
        <source>%s is not a serial device: it is a folder.</source>
        <translation>%s ist kein serielles Gerät: Es handelt sich um einen Ordner.</translation>
    </message>
    <message>
        <source>%s is not a serial device: it is a named pipe.</source>
        <translation>%s ist kein serielles Gerät: Es handelt sich um eine benannte Pipe.</translation>
    </message>
    <message>
        <source>%s is not a serial device: it is another kind of device.</source>
        <translation>%s ist kein serielles Gerät: Es handelt sich um eine andere Art von Gerät.</translation>
    </message>
    <message>
        <source>The backup before the write failed, so nothing was written to the option board.</source>
        <translation>Die Sicherung vor dem Schreiben ist fehlgeschlagen; daher wurde nichts auf die Optionsplatine geschrieben.</translation>
    </message>
    <message>
        <source>The backup before the write failed, so nothing was written to the option board:
%s</source>
        <translation>Die Sicherung vor dem Schreiben ist fehlgeschlagen; daher wurde nichts auf die Optionsplatine geschrieben:
%s</translation>
    </message>
    <message>
        <source>The radio refused the request.</source>
        <translation>Das Funkgerät hat die Anfrage abgelehnt.</translation>
    </message>
    <message>
        <source>%s and %s are the same device (%s): tick only one of them.</source>
        <translation>%s und %s sind dasselbe Gerät (%s): Wählen Sie nur eine der beiden Schnittstellen aus.</translation>
    </message>
    <message>
        <source>Settings written to the option board on %s (%s) at %s</source>
        <translation>Einstellungen auf die Optionsplatine an %s (%s) geschrieben, um %s</translation>
    </message>
    <message>
        <source>Settings written to the option board on %s (%s) at %s, read back and found the same</source>
        <translation>Einstellungen auf die Optionsplatine an %s (%s) geschrieben, um %s, zurückgelesen und gleich befunden</translation>
    </message>
    <message>
        <source>The settings were read back from the option board and found the same.</source>
        <translation>Die Einstellungen wurden von der Optionsplatine zurückgelesen und als gleich befunden.</translation>
    </message>
    <message>
        <source>%s cannot be written: its folder %s is write-protected.</source>
        <translation>%s kann nicht geschrieben werden: Sein Ordner %s ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>There is no such device: connect the programming cable, or under Options &gt; Configuration choose another port or the cable&apos;s device for %s (Find Cable... finds it for you).</source>
        <translation>Dieses Gerät gibt es nicht: Schließen Sie das Programmierkabel an, oder wählen Sie unter Optionen &gt; Konfiguration eine andere Schnittstelle oder das Gerät des Kabels für %s (Kabel suchen... findet es für Sie).</translation>
    </message>
    <message>
        <source>The settings differ from %s. Each line gives the document&apos;s value, then the other:

%s</source>
        <translation>Die Einstellungen weichen von %s ab. Jede Zeile nennt den Wert des Dokuments, dann den anderen:

%s</translation>
    </message>
    <message>
        <source>%d radio programmed, %d failed.</source>
        <translation>%d Funkgerät programmiert, %d fehlgeschlagen.</translation>
    </message>
    <message>
        <source>%d radio programmed, %d failed, on %d ports.</source>
        <translation>%d Funkgerät programmiert, %d fehlgeschlagen, an %d Schnittstellen.</translation>
    </message>
    <message>
        <source>%s: ended, %d radio programmed, %d failed.</source>
        <translation>%s: beendet, %d Funkgerät programmiert, %d fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Browse for the settings file</source>
        <translation>Nach der Einstellungsdatei suchen</translation>
    </message>
    <message>
        <source>Browse for the report</source>
        <translation>Nach dem Bericht suchen</translation>
    </message>
    <message>
        <source>&amp;Radios per port:</source>
        <translation>&amp;Funkgeräte je Schnittstelle:</translation>
    </message>
    <message>
        <source>%d entries of this session could not be added to the service history %s before the program ended:
%s</source>
        <translation>%d Einträge dieser Sitzung konnten nicht mehr in die Servicehistorie %s eingetragen werden, bevor das Programm endete:
%s</translation>
    </message>
    <message>
        <source>present, access denied</source>
        <translation>vorhanden, Zugriff verweigert</translation>
    </message>
    <message>
        <source>Device of %s</source>
        <translation>Gerät von %s</translation>
    </message>
    <message>
        <source>Windows cannot start this device&apos;s driver (code 10). Cables with copied chips do this with the chip maker&apos;s newer drivers: install the driver that came with the cable, or use another cable.</source>
        <translation>Windows kann den Treiber dieses Geräts nicht starten (Code 10). Kabel mit nachgebauten Chips verhalten sich so mit neueren Treibern des Chipherstellers: Installieren Sie den Treiber, der dem Kabel beilag, oder verwenden Sie ein anderes Kabel.</translation>
    </message>
    <message>
        <source>No driver is installed for this device (code 28): install the driver that came with the cable.</source>
        <translation>Für dieses Gerät ist kein Treiber installiert (Code 28): Installieren Sie den Treiber, der dem Kabel beilag.</translation>
    </message>
    <message>
        <source>This device is disabled (code 22): enable it in Device Manager.</source>
        <translation>Dieses Gerät ist deaktiviert (Code 22): Aktivieren Sie es im Geräte-Manager.</translation>
    </message>
    <message>
        <source>Windows reports a problem with this device (code %d): see its properties in Device Manager.</source>
        <translation>Windows meldet ein Problem mit diesem Gerät (Code %d): Sehen Sie sich seine Eigenschaften im Geräte-Manager an.</translation>
    </message>
    <message>
        <source>The user %s is not in the group %s: join it with sudo usermod -aG %s %s, then log out and in again.</source>
        <translation>Der Benutzer %s ist nicht in der Gruppe %s: Treten Sie ihr mit sudo usermod -aG %s %s bei, und melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>The user %s is in the group %s, but this login began before joining it: log out and in again (or restart the computer).</source>
        <translation>Der Benutzer %s ist in der Gruppe %s, aber diese Anmeldung begann vor dem Beitritt: Melden Sie sich ab und wieder an (oder starten Sie den Computer neu).</translation>
    </message>
    <message>
        <source>It is held by %s (process %d).</source>
        <translation>Es wird von %s (Prozess %d) belegt.</translation>
    </message>
    <message>
        <source>%s (process %d) is running and may hold it.</source>
        <translation>%s (Prozess %d) läuft und belegt es möglicherweise.</translation>
    </message>
    <message>
        <source>Which program holds it cannot be seen from this account: sudo fuser -v %s names it.</source>
        <translation>Welches Programm es belegt, ist von diesem Konto aus nicht zu sehen: sudo fuser -v %s nennt es.</translation>
    </message>
    <message>
        <source>brltty, the Braille display reader, takes USB serial cables for itself: where no Braille display is used, remove it (sudo apt remove brltty), then plug the cable in again.</source>
        <translation>brltty, das Programm für Braillezeilen, beansprucht USB-Seriell-Kabel für sich: Wo keine Braillezeile verwendet wird, entfernen Sie es (sudo apt remove brltty) und stecken Sie das Kabel dann neu ein.</translation>
    </message>
    <message>
        <source>ModemManager tries new serial devices as modems: the udev rules this program installs keep it off programming cables (plug the cable in again once they are installed), or stop it with sudo systemctl stop ModemManager.</source>
        <translation>ModemManager probiert neue serielle Geräte als Modems aus: Die udev-Regeln, die dieses Programm installiert, halten ihn von Programmierkabeln fern (stecken Sie das Kabel nach ihrer Installation neu ein), oder beenden Sie ihn mit sudo systemctl stop ModemManager.</translation>
    </message>
    <message>
        <source>The support bundle was saved to %s.</source>
        <translation>Das Support-Paket wurde in %s gespeichert.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %s: %s</source>
        <translation>Das Support-Paket konnte nicht in %s gespeichert werden: %s</translation>
    </message>
    <message>
        <source>Support Bundle (*.zip)</source>
        <translation>Support-Paket (*.zip)</translation>
    </message>
    <message>
        <source>Create Support Bundle</source>
        <translation>Support-Paket erstellen</translation>
    </message>
    <message>
        <source>Save one zip file for support: versions, system, serial devices, settings, serial trace and recent service history
Create Support Bundle</source>
        <translation>Eine ZIP-Datei für den Support speichern: Versionen, System, serielle Geräte, Einstellungen, serieller Mitschnitt und neueste Servicehistorie
Support-Paket erstellen</translation>
    </message>
    <message>
        <source>the cable was unplugged during the operation</source>
        <translation>das Kabel wurde während des Vorgangs abgezogen</translation>
    </message>
    <message>
        <source>The cable was unplugged during the operation.</source>
        <translation>Das Kabel wurde während des Vorgangs abgezogen.</translation>
    </message>
    <message>
        <source>%s now stands for %s (%s).</source>
        <translation>%s steht jetzt für %s (%s).</translation>
    </message>
    <message>
        <source>Find Cable stopped: nothing was stored.</source>
        <translation>Kabelsuche abgebrochen: Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Radio ID</source>
        <translation>Funkgeräte-ID</translation>
    </message>
    <message>
        <source>%s, ID %s</source>
        <translation>%s, ID %s</translation>
    </message>
    <message>
        <source>A radio with the ID %s was programmed before in this run.</source>
        <translation>Ein Funkgerät mit der ID %s wurde in diesem Durchlauf schon programmiert.</translation>
    </message>
    <message>
        <source>A radio ID is one line of up to %d characters: scan or type it again.</source>
        <translation>Eine Funkgeräte-ID ist eine Zeile mit bis zu %d Zeichen: bitte erneut scannen oder eintippen.</translation>
    </message>
    <message>
        <source>Ask for the radio&apos;s ID before each operation, to keep it in the service history
Ask For Radio ID</source>
        <translation>Vor jedem Vorgang nach der ID des Funkgeräts fragen, um sie in der Servicehistorie festzuhalten
Nach Funkgeräte-ID fragen</translation>
    </message>
    <message>
        <source>The radio&apos;s serial number or asset tag (type it, or scan its label):</source>
        <translation>Seriennummer oder Inventarnummer des Funkgeräts (eintippen oder das Etikett scannen):</translation>
    </message>
    <message>
        <source>%s, radio ID %s</source>
        <translation>%s, Funkgeräte-ID %s</translation>
    </message>
    <message>
        <source>Radio %d: scan or type its ID, then connect it:</source>
        <translation>Funkgerät %d: ID scannen oder eintippen, dann das Funkgerät anschließen:</translation>
    </message>
    <message>
        <source>Ask for each radio&apos;s &amp;ID before it is connected</source>
        <translation>Vor dem Anschließen nach der &amp;ID jedes Funkgeräts fragen</translation>
    </message>
    <message>
        <source>Bench</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>this program has no driver for PostgreSQL servers</source>
        <translation>diesem Programm fehlt der Treiber für PostgreSQL-Server</translation>
    </message>
    <message>
        <source>its tables are of an older form (version %d), which this login may not bring up to date: connect once with the login that owns them</source>
        <translation>ihre Tabellen haben eine ältere Form (Version %d), die diese Anmeldung nicht aktualisieren darf: verbinden Sie sich einmal mit der Anmeldung, der sie gehören</translation>
    </message>
    <message>
        <source>it has no tables yet, and this login may not make them: connect once with the login that owns the database</source>
        <translation>sie hat noch keine Tabellen, und diese Anmeldung darf sie nicht anlegen: verbinden Sie sich einmal mit der Anmeldung, der die Datenbank gehört</translation>
    </message>
    <message>
        <source>The depot&apos;s address holds a password. Keep the password in PostgreSQL&apos;s password file (~/.pgpass, or the file PGPASSFILE names) or in a service file instead.</source>
        <translation>Die Adresse des Depots enthält ein Passwort. Legen Sie das Passwort stattdessen in der Passwortdatei von PostgreSQL (~/.pgpass oder die Datei, die PGPASSFILE nennt) oder in einer Dienstdatei ab.</translation>
    </message>
    <message>
        <source>The depot&apos;s record %s could not be used:
%s</source>
        <translation>Die Depot-Historie %s konnte nicht verwendet werden:
%s</translation>
    </message>
    <message>
        <source>%d uploaded, %d waiting</source>
        <translation>%d uploaded, %d waiting</translation>
    </message>
    <message>
        <source>Entry %s (bench %s, its entry %s) was changed after it was sent: its values no longer give its hash.</source>
        <translation>Eintrag %s (Arbeitsplatz %s, dort Eintrag %s) wurde nach dem Senden geändert: seine Werte ergeben seinen Hash nicht mehr.</translation>
    </message>
    <message>
        <source>Before entry %s (bench %s, its entry %s) an entry was removed or changed: its link does not follow the one before it.</source>
        <translation>Vor Eintrag %s (Arbeitsplatz %s, dort Eintrag %s) wurde ein Eintrag entfernt oder geändert: sein Glied folgt nicht auf das vorherige.</translation>
    </message>
    <message>
        <source>This bench sent its entry %s, but the depot&apos;s record no longer holds it.</source>
        <translation>Dieser Arbeitsplatz hat seinen Eintrag %s gesendet, aber die Depot-Historie enthält ihn nicht mehr.</translation>
    </message>
    <message>
        <source>The depot&apos;s record holds %s entries (benches: %d); every bench&apos;s chain is whole.</source>
        <translation>Die Depot-Historie enthält %s Einträge (Arbeitsplätze: %d); die Kette jedes Arbeitsplatzes ist vollständig.</translation>
    </message>
    <message>
        <source>The depot&apos;s record holds %s entries (benches: %d). Faults found: %d.</source>
        <translation>Die Depot-Historie enthält %s Einträge (Arbeitsplätze: %d). Gefundene Fehler: %d.</translation>
    </message>
    <message>
        <source>No depot&apos;s record is set: give --history-server URI, or set History/Server.</source>
        <translation>Keine Depot-Historie eingestellt: geben Sie --history-server URI an oder setzen Sie History/Server.</translation>
    </message>
    <message>
        <source>Entry %s (bench %s, its entry %s) is the first the record holds of its bench, but it follows another: earlier entries were removed.</source>
        <translation>Eintrag %s (Arbeitsplatz %s, dort Eintrag %s) ist der erste seines Arbeitsplatzes in der Depot-Historie, folgt aber auf einen anderen: frühere Einträge wurden entfernt.</translation>
    </message>
    <message>
        <source>Depot: all entries sent</source>
        <translation>Depot: alle Einträge gesendet</translation>
    </message>
    <message>
        <source>&amp;Depot&apos;s record (PostgreSQL URI):</source>
        <translation>&amp;Depot-Historie (PostgreSQL-URI):</translation>
    </message>
    <message>
        <source>Bench &amp;name:</source>
        <translation>&amp;Name des Arbeitsplatzes:</translation>
    </message>
    <message>
        <source>&amp;Send Now</source>
        <translation>Je&amp;tzt senden</translation>
    </message>
    <message>
        <source>Entries waiting to be sent to the depot&apos;s record: %s.</source>
        <translation>Einträge, die auf das Senden an die Depot-Historie warten: %s.</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>An&amp;zeigen:</translation>
    </message>
    <message>
        <source>This Computer</source>
        <translation>Dieser Computer</translation>
    </message>
    <message>
        <source>All Benches</source>
        <translation>Alle Arbeitsplätze</translation>
    </message>
    <message>
        <source>Job Sheet</source>
        <translation>Arbeitsbericht</translation>
    </message>
    <message>
        <source>Fleet run %s</source>
        <translation>Programmierdurchlauf %s</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>Techniker</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Überprüft</translation>
    </message>
    <message>
        <source>Yes: read back from the option board and found the same</source>
        <translation>Ja: von der Optionsplatine zurückgelesen und als gleich befunden</translation>
    </message>
    <message>
        <source>No: not read back</source>
        <translation>Nein: nicht zurückgelesen</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Einstellungsdatei</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Ports</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Funkgeräte</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Technician&apos;s signature</source>
        <translation>Unterschrift des Technikers</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>Seite %d von %d</translation>
    </message>
    <message>
        <source>The job sheet was written to %s.</source>
        <translation>Der Arbeitsbericht wurde nach %s geschrieben.</translation>
    </message>
    <message>
        <source>The job sheet could not be written: %s</source>
        <translation>Der Arbeitsbericht konnte nicht geschrieben werden: %s</translation>
    </message>
    <message>
        <source>Export &amp;Job Sheet...</source>
        <translation>&amp;Arbeitsbericht exportieren...</translation>
    </message>
    <message>
        <source>Export Job Sheet</source>
        <translation>Arbeitsbericht exportieren</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Entry %s is one radio of fleet run %s. Put every radio of the run on the job sheet?
No puts this entry on it alone.</source>
        <translation>Eintrag %s ist ein Funkgerät des Programmierdurchlaufs %s. Alle Funkgeräte des Durchlaufs in den Arbeitsbericht aufnehmen?
Mit Nein enthält er nur diesen Eintrag.</translation>
    </message>
    <message>
        <source>job-sheet-entry-%s.pdf</source>
        <translation>arbeitsbericht-eintrag-%s.pdf</translation>
    </message>
    <message>
        <source>job-sheet-run-%s.pdf</source>
        <translation>arbeitsbericht-durchlauf-%s.pdf</translation>
    </message>
    <message>
        <source>The service history no longer holds fleet run %s.</source>
        <translation>Die Servicehistorie enthält den Programmierdurchlauf %s nicht mehr.</translation>
    </message>
    <message>
        <source>Depot: entries waiting: %d</source>
        <translation>Depot: wartende Einträge: %d</translation>
    </message>
    <message>
        <source>Depot: not reached, entries waiting: %d</source>
        <translation>Depot: nicht erreicht, wartende Einträge: %d</translation>
    </message>
    <message>
        <source>The depot&apos;s address &quot;%s&quot; cannot be read: give a PostgreSQL connection URI (postgresql://user@host/database) or key=value pairs, without &apos;;&apos;.</source>
        <translation>Die Adresse des Depots &quot;%s&quot; ist nicht lesbar: Geben Sie eine PostgreSQL-Verbindungs-URI (postgresql://benutzer@host/datenbank) oder Paare schlüssel=wert an, ohne &apos;;&apos;.</translation>
    </message>
    <message>
        <source>The entries are kept on this computer and not sent to the depot&apos;s record.</source>
        <translation>Die Einträge bleiben auf diesem Computer und werden nicht an die Depot-Historie gesendet.</translation>
    </message>
    <message>
        <source>The depot&apos;s record holds this bench&apos;s entry %s (as its entry %s) otherwise than it was sent.</source>
        <translation>Die Depot-Historie enthält den Eintrag %s dieses Arbeitsplatzes (als ihren Eintrag %s) anders, als er gesendet wurde.</translation>
    </message>
    <message>
        <source>Reading the depot&apos;s record...</source>
        <translation>Die Depot-Historie wird gelesen...</translation>
    </message>
    <message>
        <source>The newest %s of %s matching</source>
        <translation>Die neuesten %s von %s passenden</translation>
    </message>
    <message>
        <source>Reading the entry from the depot&apos;s record...</source>
        <translation>Der Eintrag wird aus der Depot-Historie gelesen...</translation>
    </message>
    <message>
        <source>The depot&apos;s record could not be read.</source>
        <translation>Die Depot-Historie konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Radio &amp;ID is:</source>
        <translation>Funkgeräte-&amp;ID ist:</translation>
    </message>
</context>
</TS>
