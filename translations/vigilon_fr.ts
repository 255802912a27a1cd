<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Cli</name>
    <message>
        <source>usage: vigilon-oss-cli [--port COMn | --device PATH] [--yes] [--lab] [--json] [--language LANG] COMMAND [ARGS]
</source>
        <translation>usage : vigilon-oss-cli [--port COMn | --device PATH] [--yes] [--lab] [--json] [--language LANG] COMMAND [ARGS]
</translation>
    </message>
    <message>
        <source>--language takes en, de, fr or es</source>
        <translation>--language accepte en, de, fr ou es</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue « %1 »</translation>
    </message>
    <message>
        <source>--board belongs to diff</source>
        <translation>--board ne s&apos;utilise qu&apos;avec diff</translation>
    </message>
    <message>
        <source>--all belongs to ports</source>
        <translation>--all ne s&apos;utilise qu&apos;avec ports</translation>
    </message>
    <message>
        <source>%1 needs two FILE arguments</source>
        <translation>%1 nécessite deux arguments FILE</translation>
    </message>
    <message>
        <source>%1 needs a FILE argument</source>
        <translation>%1 nécessite un argument FILE</translation>
    </message>
    <message>
        <source>too many arguments for %1</source>
        <translation>trop d&apos;arguments pour %1</translation>
    </message>
    <message>
        <source>%1 is a lab-mode command: add --lab</source>
        <translation>%1 est une commande du mode laboratoire : ajoutez --lab</translation>
    </message>
    <message>
        <source>give --port or --device, not both</source>
        <translation>indiquez --port ou --device, pas les deux</translation>
    </message>
    <message>
        <source>--port takes COM1, COM2, COM3 or COM4</source>
        <translation>--port accepte COM1, COM2, COM3 ou COM4</translation>
    </message>
    <message>
        <source>--device needs a path</source>
        <translation>--device nécessite un chemin</translation>
    </message>
    <message>
        <source>only fleet takes more than one --port or --device</source>
        <translation>seule la commande fleet accepte plusieurs --port ou --device</translation>
    </message>
    <message>
        <source>fleet takes at most %1 ports</source>
        <translation>fleet accepte au plus %1 ports</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est indiqué deux fois</translation>
    </message>
    <message>
        <source>--count and --report belong to fleet</source>
        <translation>--count et --report ne s&apos;utilisent qu&apos;avec fleet</translation>
    </message>
    <message>
        <source>--count takes a number of radios</source>
        <translation>--count attend un nombre de radios</translation>
    </message>
    <message>
        <source>cannot write the trace file &apos;%1&apos;</source>
        <translation>impossible d&apos;écrire le fichier de trace « %1 »</translation>
    </message>
    <message>
        <source>give --csv or --json, not both</source>
        <translation>indiquez --csv ou --json, pas les deux</translation>
    </message>
    <message>
        <source>--since and --until take a date (2026-12-09) or a time (2026-12-09T14:30)</source>
        <translation>--since et --until acceptent une date (2026-12-09) ou une date et une heure (2026-12-09T14:30)</translation>
    </message>
    <message>
        <source>--radio, --since, --until, --failed and --csv belong to history</source>
        <translation>--radio, --since, --until, --failed et --csv ne s&apos;utilisent qu&apos;avec history</translation>
    </message>
    <message>
        <source>%1 and %2 are the same device (%3): give only one of them</source>
        <translation>%1 et %2 sont le même périphérique (%3) : n&apos;en indiquez qu&apos;un seul</translation>
    </message>
    <message>
        <source>find-cable takes --port COMn, not --device</source>
        <translation>find-cable prend --port COMn, pas --device</translation>
    </message>
    <message>
        <source>read the board&apos;s settings and save them to the data file FILE
(and a backup of them; --no-backup skips it)</source>
        <translation>lire les paramètres de la carte option et les enregistrer
dans le fichier de données FILE (avec une sauvegarde ;
--no-backup l&apos;omet)</translation>
    </message>
    <message>
        <source>program the board with the settings of the data file FILE</source>
        <translation>programmer la carte option avec les paramètres du fichier
de données FILE</translation>
    </message>
    <message>
        <source>show the board&apos;s type, revisions, codeplug version and remarks</source>
        <translation>afficher le type, les révisions, la version de codeplug et
les remarques de la carte option</translation>
    </message>
    <message>
        <source>check the connection link by link: port, cable, radio, board,
codeplug version; one line per stage, stops at the first failure</source>
        <translation>vérifier la connexion maillon par maillon : port, câble,
radio, carte option, version de codeplug ; une ligne par
étape, arrêt au premier échec</translation>
    </message>
    <message>
        <source>calibrate the accelerometer (needs --lab)</source>
        <translation>étalonner l&apos;accéléromètre (nécessite --lab)</translation>
    </message>
    <message>
        <source>export the board&apos;s calibration data to FILE (needs --lab)</source>
        <translation>exporter les données d&apos;étalonnage de la carte option dans
FILE (nécessite --lab)</translation>
    </message>
    <message>
        <source>check an exported calibration data file, print each column&apos;s
minimum, maximum and mean</source>
        <translation>vérifier un fichier de données d&apos;étalonnage exporté,
afficher le minimum, le maximum et la moyenne de chaque
colonne</translation>
    </message>
    <message>
        <source>show the settings kept in the data file FILE</source>
        <translation>afficher les paramètres contenus dans le fichier de données
FILE</translation>
    </message>
    <message>
        <source>list the serial ports COM1..COM4 present, with their devices

list every serial device: path, stable path, the ports that
stand for it, kind (cable, usb, serial) and description</source>
        <extracomment>One paragraph per form: ports, then ports --all.</extracomment>
        <translation>lister les ports série COM1..COM4 présents, avec leurs
périphériques

lister tous les périphériques série : chemin, chemin stable,
ports qui le désignent, type (câble, usb, série) et
description</translation>
    </message>
    <message>
        <source>list the backups of board settings, newest first</source>
        <translation>lister les sauvegardes de paramètres de carte option, les
plus récentes en premier</translation>
    </message>
    <message>
        <source>show the settings that differ between data files A and B

show the settings that differ between data file A and the board</source>
        <extracomment>One paragraph per form: diff A B, then diff A --board.</extracomment>
        <translation>afficher les paramètres qui diffèrent entre les fichiers de
données A et B

afficher les paramètres qui diffèrent entre le fichier de
données A et la carte option</translation>
    </message>
    <message>
        <source>write the data file&apos;s settings as text (to OUT or the terminal)</source>
        <translation>écrire les paramètres du fichier de données en texte
(dans OUT, sinon sur le terminal)</translation>
    </message>
    <message>
        <source>make the data file OUT from a text made by to-text</source>
        <translation>créer le fichier de données OUT à partir d&apos;un texte
produit par to-text</translation>
    </message>
    <message>
        <source>find the programming cable: unplug it and plug it in again
when asked; the port (--port, default: the configured one)
then stands for it, kept by its stable path</source>
        <translation>rechercher le câble de programmation : le débrancher et le
rebrancher à la demande ; le port (--port, par défaut : le
port configuré) désigne ensuite ce câble, retenu par son
chemin stable</translation>
    </message>
    <message>
        <source>program radio after radio with the settings of FILE: waits for
each radio, writes it, reports it, waits until it is unplugged;
with several --port (or --device) options, on all at once</source>
        <translation>programmer les radios l&apos;une après l&apos;autre avec les
paramètres de FILE : attend chaque radio, la programme, en
rend compte, attend qu&apos;elle soit débranchée ; avec plusieurs
options --port (ou --device), sur tous ces ports à la fois</translation>
    </message>
    <message>
        <source>Reads, writes and inspects the Vigilon man down option board through the radio
on a serial port.

commands:
</source>
        <translation>Lit, écrit et examine la carte option homme à terre Vigilon par l&apos;intermédiaire
de la radio, sur un port série.

commandes :
</translation>
    </message>
    <message>
        <source>--json belongs to %1 and %2</source>
        <translation>--json ne s&apos;utilise qu&apos;avec %1 et %2</translation>
    </message>
    <message>
        <source>write one zip file for support: versions, system, serial
devices, what keeps each port from opening, the settings
(no passwords), the last 50 service history entries and
the trace file TRACE of an earlier --trace</source>
        <translation>écrire un fichier zip pour l&apos;assistance : versions, système,
périphériques série, ce qui empêche chaque port de s&apos;ouvrir,
les paramètres (sans mots de passe), les 50 dernières
entrées de l&apos;historique des interventions et le fichier de
trace TRACE d&apos;un --trace précédent</translation>
    </message>
    <message>
        <source>--radio-id belongs to the commands that talk to one radio, and to history</source>
        <translation>--radio-id est réservé aux commandes qui dialoguent avec une radio, et à history</translation>
    </message>
    <message>
        <source>--radio-id takes the radio&apos;s serial number or asset tag: up to %1 characters of one line</source>
        <translation>--radio-id attend le numéro de série ou d&apos;inventaire de la radio : jusqu&apos;à %1 caractères sur une ligne</translation>
    </message>
    <message>
        <source>--ask-radio-id belongs to fleet</source>
        <translation>--ask-radio-id est réservé à fleet</translation>
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
        <translation>options :
  --port COMn       le port série (par défaut : le port configuré dans
                    l&apos;interface graphique)
  --device PATH     un périphérique série à utiliser directement au lieu d&apos;un
                    port (fleet : répéter --port ou --device, 8 ports au plus)
  --yes             répondre oui aux demandes de confirmation
  --lab             mode laboratoire : autorise calibrate et read-cal
  --verify          write : relire les paramètres et les comparer
  --backup-first    write : sauvegarder les paramètres de la carte option avant
                    l&apos;écriture
  --no-backup       read : ne conserver aucune sauvegarde des paramètres lus
  --board           diff : comparer avec les paramètres de la carte option
  --count N         fleet : s&apos;arrêter après N radios par port (par défaut :
                    jusqu&apos;à Ctrl+C)
  --report CSV      fleet : ajouter une ligne par radio au fichier CSV
  --radio TEXT      history : les entrées des radios dont le texte commence par
                    TEXT
  --board TEXT      history : les entrées dont le type, les révisions ou la
                    version de codeplug de la carte option contiennent TEXT
  --since DATE      history : les entrées à partir de DATE (2026-12-09, ou une
                    heure locale 2026-12-09T14:30, ou une heure UTC se terminant
                    par Z)
  --until DATE      history : les entrées jusqu&apos;à DATE (pour une date : toute la
                    journée)
  --failed          history : seulement les entrées qui n&apos;ont pas réussi
  --csv             history : les entrées au format CSV, les plus anciennes en
                    premier, avec leurs paramètres et leurs messages
  --no-history      n&apos;ajouter aucune entrée à l&apos;historique des interventions
                    (travail sans suite)
  --trace FILE      écrire dans FILE, au fur et à mesure, chaque octet envoyé et
                    reçu, les trames, les pauses et les messages, pour
                    l&apos;assistance technique (plusieurs ports : chaque ligne
                    commence par son port entre crochets)
  --json            %1 :
                    afficher à la place un seul document JSON sur la sortie
                    standard, avec les erreurs sous la forme
                    {&quot;error&quot;: {&quot;id&quot;: N, &quot;text&quot;: ...}} ; fleet l&apos;affiche à la fin
                    de la session, ses lignes vont sur la sortie d&apos;erreur
                    standard
  --language LANG   la langue des messages : en, de, fr ou es (par défaut :
                    LANGUAGE, sinon celle choisie dans l&apos;interface graphique,
                    sinon celle du système)
  --help            ce texte
  --version         la version du programme
</translation>
    </message>
    <message>
        <source>Exit status: 0 when the command did all it was asked and every check passed,
1 when it failed, 2 for usage errors.
fleet: 0 when every radio was programmed, 1 otherwise (also when a port never
opened in a run until Ctrl+C).
diff: 0 when equal, 1 when different, 2 on trouble.
</source>
        <translation>Code de sortie : 0 si la commande a fait tout ce qui lui était demandé et si
tous les contrôles ont réussi, 1 en cas d&apos;échec, 2 pour les erreurs
d&apos;utilisation.
fleet : 0 si toutes les radios ont été programmées, 1 sinon (y compris
lorsqu&apos;un port ne s&apos;est jamais ouvert lors d&apos;une session menée jusqu&apos;à Ctrl+C).
diff : 0 si identiques, 1 si différents, 2 en cas de problème.
</translation>
    </message>
    <message>
        <source>fleet asks for each radio&apos;s ID: give --ask-radio-id instead of --radio-id</source>
        <translation>fleet demande l&apos;ID de chaque radio : indiquez --ask-radio-id au lieu de --radio-id</translation>
    </message>
    <message>
        <source>  --radio-id TEXT   read, write, info, check, calibrate, read-cal, diff --board:
                    the radio&apos;s serial number or asset tag, kept with the
                    operation in the service history; history: the entries
                    of the radio with this ID
  --ask-radio-id    fleet: ask for each radio&apos;s ID before it is programmed
                    (scan or type it, then connect the radio)
</source>
        <translation>  --radio-id TEXT   read, write, info, check, calibrate, read-cal,
                    diff --board : le numéro de série ou d&apos;inventaire de la
                    radio, conservé avec l&apos;opération dans l&apos;historique des
                    interventions ; history : les entrées de la radio portant
                    cet ID
  --ask-radio-id    fleet : demander l&apos;ID de chaque radio avant de la programmer
                    (le scanner ou le saisir, puis connecter la radio)
</translation>
    </message>
    <message>
        <source>history takes no arguments, show and an entry&apos;s number, sync or verify</source>
        <translation>history n&apos;accepte aucun argument, ou bien show suivi du numéro d&apos;une entrée, sync ou verify</translation>
    </message>
    <message>
        <source>--all-benches belongs to the history&apos;s lists and show</source>
        <translation>--all-benches s&apos;applique aux listes de l&apos;historique et à show</translation>
    </message>
    <message>
        <source>--history-server takes a PostgreSQL connection URI</source>
        <translation>--history-server attend une URI de connexion PostgreSQL</translation>
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
                    l&apos;historique du dépôt sur un serveur PostgreSQL, sous
                    forme d&apos;URI de connexion (postgresql://utilisateur@hôte/base) :
                    chaque entrée y est aussi envoyée, et history sync,
                    history verify et --all-benches le lisent (par défaut : le
                    paramètre History/Server) ; un mot de passe se met dans
                    ~/.pgpass, jamais dans l&apos;URI
  --all-benches     history : lister ou afficher l&apos;historique du dépôt, les
                    entrées de tous les postes, au lieu de celui de cet ordinateur
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
        <translation>lister l&apos;historique des interventions, les plus récentes en
premier : chaque opération sur une radio, avec son heure,
son résultat, le port, la radio, la carte option et
l&apos;utilisateur

une entrée en entier : ses messages, les paramètres lus et
écrits (sous forme de texte) et ce qu&apos;une écriture a modifié

envoyer maintenant les entrées en attente pour l&apos;historique du
dépôt et afficher &quot;N uploaded, M waiting&quot; (1 tant que des
entrées attendent)

vérifier la chaîne de chaque poste dans l&apos;historique du dépôt,
et qu&apos;il contient ce que ce poste a envoyé (1 en cas de défaut)</translation>
    </message>
    <message>
        <source>  --pdf FILE        history show ID: write the entry&apos;s job sheet to FILE as a
                    PDF (radio, board, settings written, verified, technician,
                    bench, time) instead of printing the entry
  --job-sheet FILE  fleet: write the run&apos;s job sheet to FILE as a PDF once the
                    run has ended: the settings file and its SHA-256, ports,
                    times, the settings written and a row per radio
</source>
        <translation>  --pdf FILE        history show ID : écrire la fiche d&apos;intervention de l&apos;entrée
                    dans FILE au format PDF (radio, carte option, paramètres
                    écrits, vérification, technicien, poste, heure) au lieu
                    d&apos;afficher l&apos;entrée
  --job-sheet FILE  fleet : une fois la session terminée, écrire sa fiche
                    d&apos;intervention dans FILE au format PDF : le fichier de
                    paramètres et son SHA-256, les ports, les heures, les
                    paramètres écrits et une ligne par radio
</translation>
    </message>
    <message>
        <source>--pdf belongs to history show</source>
        <translation>--pdf est réservé à history show</translation>
    </message>
    <message>
        <source>--job-sheet belongs to fleet</source>
        <translation>--job-sheet est réservé à fleet</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Open	Ctrl+O</source>
        <translation>&amp;Ouvrir	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Enregistrer	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Enregistrer &amp;sous</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>Ouvrir une sau&amp;vegarde...</translation>
    </message>
    <message>
        <source>Co&amp;mpare With File...</source>
        <translation>Co&amp;mparer avec un fichier...</translation>
    </message>
    <message>
        <source>&amp;Read Option Board	Ctrl+R</source>
        <translation>&amp;Lire la carte option	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Write Option Board	Ctrl+W</source>
        <translation>Éc&amp;rire dans la carte option	Ctrl+W</translation>
    </message>
    <message>
        <source>Read &amp;Calibration Data</source>
        <translation>Lire les &amp;données d&apos;étalonnage</translation>
    </message>
    <message>
        <source>&amp;View Calibration Data...</source>
        <translation>&amp;Afficher les données d&apos;étalonnage...</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit Data...</source>
        <translation>&amp;Modifier les données...</translation>
    </message>
    <message>
        <source>&amp;Info...</source>
        <translation>&amp;Informations...</translation>
    </message>
    <message>
        <source>C&amp;heck Connection...</source>
        <translation>&amp;Vérifier la connexion...</translation>
    </message>
    <message>
        <source>Program &amp;Several Radios...</source>
        <translation>&amp;Programmer plusieurs radios...</translation>
    </message>
    <message>
        <source>&amp;Calibrate...</source>
        <translation>É&amp;talonner...</translation>
    </message>
    <message>
        <source>&amp;Configuration...</source>
        <translation>&amp;Configuration...</translation>
    </message>
    <message>
        <source>&amp;Verify After Write</source>
        <translation>&amp;Vérifier après écriture</translation>
    </message>
    <message>
        <source>&amp;Back Up Before Write</source>
        <translation>&amp;Sauvegarder avant écriture</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Langue...</translation>
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
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>Settings S&amp;ummary</source>
        <translation>&amp;Résumé des paramètres</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>Save Serial &amp;Trace...</source>
        <translation>Enregistrer la &amp;trace série...</translation>
    </message>
    <message>
        <source>&amp;About Vigilon OSS...</source>
        <translation>À &amp;propos de Vigilon OSS...</translation>
    </message>
    <message>
        <source>Service &amp;History...</source>
        <translation>&amp;Historique des interventions...</translation>
    </message>
    <message>
        <source>Create Support &amp;Bundle...</source>
        <translation>Créer un paquet pour l&apos;&amp;assistance...</translation>
    </message>
    <message>
        <source>Ask For &amp;Radio ID</source>
        <translation>Demander l&apos;&amp;ID de la radio</translation>
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
        <translation>Version :  R01.01.01,  11.Jan.2001</translation>
    </message>
    <message>
        <source>Copyright (C) Ardentec. All rights reserved.</source>
        <translation>Copyright (C) Ardentec. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Option Board Type</source>
        <translation>Type de carte option</translation>
    </message>
    <message>
        <source>Hardware Revision</source>
        <translation>Révision matérielle</translation>
    </message>
    <message>
        <source>Software Version</source>
        <translation>Version logicielle</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Version du codeplug</translation>
    </message>
    <message>
        <source>WARNING !
The accelerometer sensor is already calibrated in the factory.
An initial calibration is not needed.
If you really want to calibrate the accelerometer, follow the instructions below:</source>
        <translation>ATTENTION !
L&apos;accéléromètre est déjà étalonné en usine.
Un étalonnage initial n&apos;est pas nécessaire.
Si vous voulez vraiment étalonner l&apos;accéléromètre, suivez les instructions ci-dessous :</translation>
    </message>
    <message>
        <source>4. When you are prompted turn the radio very slowly for at least 360 degrees.</source>
        <translation>4. Lorsque vous y êtes invité, tournez la radio très lentement sur au moins 360 degrés.</translation>
    </message>
    <message>
        <source>1. Place the radio in the vertical positon.</source>
        <translation>1. Placez la radio en position verticale.</translation>
    </message>
    <message>
        <source>2. Make sure that the radio with the connected programming cable can now be
    turned arround for at least 360 degrees.</source>
        <translation>2. Vérifiez que la radio, câble de programmation branché, peut maintenant
    être tournée sur au moins 360 degrés.</translation>
    </message>
    <message>
        <source>3. Press the OK button.</source>
        <translation>3. Appuyez sur le bouton OK.</translation>
    </message>
    <message>
        <source>Reading the accelerometer calibration data will take about 20 minutes.</source>
        <translation>La lecture des données d&apos;étalonnage de l&apos;accéléromètre prendra environ 20 minutes.</translation>
    </message>
    <message>
        <source>Are you sure you want to do this ?</source>
        <translation>Voulez-vous vraiment continuer ?</translation>
    </message>
    <message>
        <source>About Vigilon OSS</source>
        <translation>À propos de Vigilon OSS</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Edit Option Board Data</source>
        <translation>Modifier les données de la carte option</translation>
    </message>
    <message>
        <source>Option Board Information</source>
        <translation>Informations sur la carte option</translation>
    </message>
    <message>
        <source>Option Board Calibration</source>
        <translation>Étalonnage de la carte option</translation>
    </message>
    <message>
        <source>Read the Accelerometer Calibration Data</source>
        <translation>Lire les données d&apos;étalonnage de l&apos;accéléromètre</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Serial Port:</source>
        <translation>Port &amp;série :</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Man &amp;Down Alarm</source>
        <translation>Alarme &amp;homme à terre</translation>
    </message>
    <message>
        <source>&amp;Pre Alert Time (s)</source>
        <translation>Temps de &amp;pré-alerte (s)</translation>
    </message>
    <message>
        <source>&amp;Alert Time (s)</source>
        <translation>&amp;Temps d&apos;alerte (s)</translation>
    </message>
    <message>
        <source>Activation An&amp;gle</source>
        <translation>An&amp;gle de déclenchement</translation>
    </message>
    <message>
        <source>Anti-Mo&amp;vement Alarm</source>
        <translation>Alarme d&apos;absence de mou&amp;vement</translation>
    </message>
    <message>
        <source>P&amp;re Alert Time (s)</source>
        <translation>T&amp;emps de pré-alerte (s)</translation>
    </message>
    <message>
        <source>A&amp;lert Time (s)</source>
        <translation>Temps d&apos;a&amp;lerte (s)</translation>
    </message>
    <message>
        <source>&amp;Sensor Sensitivity</source>
        <translation>Sensi&amp;bilité du capteur</translation>
    </message>
    <message>
        <source>&amp;Movement Alarm</source>
        <translation>Alarme de mo&amp;uvement</translation>
    </message>
    <message>
        <source>Pr&amp;e Alert Time (s)</source>
        <translation>Te&amp;mps de pré-alerte (s)</translation>
    </message>
    <message>
        <source>Alert &amp;Time (s)</source>
        <translation>Temp&amp;s d&apos;alerte (s)</translation>
    </message>
    <message>
        <source>Alert E&amp;nable</source>
        <translation>Activatio&amp;n de l&apos;alerte</translation>
    </message>
    <message>
        <source>Alert Repeat Ena&amp;ble</source>
        <translation>A&amp;ctivation de la répétition d&apos;alerte</translation>
    </message>
    <message>
        <source>Alert Repeat T&amp;ime (s)</source>
        <translation>Temps de répét&amp;ition d&apos;alerte (s)</translation>
    </message>
    <message>
        <source>Cloc&amp;k Shift</source>
        <translation>Décalage d&apos;ho&amp;rloge</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;Vendor Remarks:</source>
        <translation>&amp;Remarques du fournisseur :</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Reading the accelerometer calibration data...
Stop (Esc) ends the read-out.</source>
        <translation>Lecture des données d&apos;étalonnage de l&apos;accéléromètre...
Arrêter (Échap) met fin à la lecture.</translation>
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
        <translation>Lecture d&apos;une carte option</translation>
    </message>
    <message>
        <source>Programming an option board</source>
        <translation>Programmation d&apos;une carte option</translation>
    </message>
    <message>
        <source>Editing the settings</source>
        <translation>Modification des paramètres</translation>
    </message>
    <message>
        <source>Option board data files</source>
        <translation>Fichiers de données de carte option</translation>
    </message>
    <message>
        <source>Option board information</source>
        <translation>Informations sur la carte option</translation>
    </message>
    <message>
        <source>Choosing the serial port</source>
        <translation>Choix du port série</translation>
    </message>
    <message>
        <source>Calibration (lab mode)</source>
        <translation>Étalonnage (mode laboratoire)</translation>
    </message>
    <message>
        <source>When something goes wrong</source>
        <translation>En cas de problème</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The serial port %s could not be opened.
It may be in use by another program.</source>
        <translation>Impossible d&apos;ouvrir le port série %s.
Il est peut-être utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>Could not open file !</source>
        <translation>Impossible d&apos;ouvrir le fichier !</translation>
    </message>
    <message>
        <source>Invalid checksum or no valid option board file !</source>
        <translation>Somme de contrôle incorrecte ou fichier de carte option non valide !</translation>
    </message>
    <message>
        <source>Option board file is write protected or disk is full !</source>
        <translation>Le fichier de carte option est protégé en écriture ou le disque est plein !</translation>
    </message>
    <message>
        <source>Option board data checksum error !</source>
        <translation>Erreur de somme de contrôle dans les données de la carte option !</translation>
    </message>
    <message>
        <source>Unknown option board detected.
Make sure the correct option board is installed in the radio.</source>
        <translation>Carte option inconnue détectée.
Vérifiez que la bonne carte option est installée dans la radio.</translation>
    </message>
    <message>
        <source>Option Board at %s</source>
        <translation>Carte option sur %s</translation>
    </message>
    <message>
        <source>No serial port assigned.</source>
        <translation>Aucun port série n&apos;est attribué.</translation>
    </message>
    <message>
        <source>Checksum error in received message.</source>
        <translation>Erreur de somme de contrôle dans le message reçu.</translation>
    </message>
    <message>
        <source>Received message too long.</source>
        <translation>Message reçu trop long.</translation>
    </message>
    <message>
        <source>Received message incomplete.</source>
        <translation>Message reçu incomplet.</translation>
    </message>
    <message>
        <source>No response from radio.</source>
        <translation>Pas de réponse de la radio.</translation>
    </message>
    <message>
        <source>NAK received from radio.</source>
        <translation>NAK reçu de la radio.</translation>
    </message>
    <message>
        <source>Unexpected response from radio.</source>
        <translation>Réponse inattendue de la radio.</translation>
    </message>
    <message>
        <source>Operation not supported by this radio.</source>
        <translation>Opération non prise en charge par cette radio.</translation>
    </message>
    <message>
        <source>No response from option board.
Make sure the correct option board is installed in the radio
and the radio&apos;s codeplug is programmed for this option board.</source>
        <translation>Pas de réponse de la carte option.
Vérifiez que la bonne carte option est installée dans la radio
et que le codeplug de la radio est programmé pour cette carte option.</translation>
    </message>
    <message>
        <source>Failed to read the option board !</source>
        <translation>Échec de la lecture de la carte option !</translation>
    </message>
    <message>
        <source>Option board successfully read.</source>
        <translation>Carte option lue avec succès.</translation>
    </message>
    <message>
        <source>Failed to program the option board !</source>
        <translation>Échec de la programmation de la carte option !</translation>
    </message>
    <message>
        <source>Option board successfully programmed.</source>
        <translation>Carte option programmée avec succès.</translation>
    </message>
    <message>
        <source>Are you sure you wish to program the option board ?</source>
        <translation>Voulez-vous vraiment programmer la carte option ?</translation>
    </message>
    <message>
        <source>Failed to calibrate the accelerometer !</source>
        <translation>Échec de l&apos;étalonnage de l&apos;accéléromètre !</translation>
    </message>
    <message>
        <source>Accelerometer successfully calibrated.</source>
        <translation>Accéléromètre étalonné avec succès.</translation>
    </message>
    <message>
        <source>Are you really sure you wish to calibrate the accelerometer ?</source>
        <translation>Êtes-vous vraiment sûr de vouloir étalonner l&apos;accéléromètre ?</translation>
    </message>
    <message>
        <source>Turn the radio very slowly for at least 360 degrees.
 Press the OK button when done.</source>
        <translation>Tournez la radio très lentement sur au moins 360 degrés.
 Appuyez sur le bouton OK lorsque vous avez terminé.</translation>
    </message>
    <message>
        <source>Unexpected response from the option board.</source>
        <translation>Réponse inattendue de la carte option.</translation>
    </message>
    <message>
        <source>Processed %d bytes of %d bytes.</source>
        <translation>%d octets traités sur %d.</translation>
    </message>
    <message>
        <source>Calibration data file is write protected or disk is full !</source>
        <translation>Le fichier de données d&apos;étalonnage est protégé en écriture ou le disque est plein !</translation>
    </message>
    <message>
        <source>Codeplug version not supported by this OSS.
Radio/File codeplug version: %02d . %02d
OSS codeplug version: %02d . %02d</source>
        <translation>Version de codeplug non prise en charge par cet OSS.
Version de codeplug de la radio ou du fichier : %02d . %02d
Version de codeplug de l&apos;OSS : %02d . %02d</translation>
    </message>
    <message>
        <source>The data is not valid.
Please enter an integer number between %d and %d.</source>
        <translation>Les données ne sont pas valides.
Veuillez entrer un nombre entier compris entre %d et %d.</translation>
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
        <translation>faible</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>moyenne</translation>
    </message>
    <message>
        <source>high</source>
        <translation>élevée</translation>
    </message>
    <message>
        <source>Man Down Alarm</source>
        <translation>Alarme homme à terre</translation>
    </message>
    <message>
        <source>Pre Alert Time (s)</source>
        <translation>Temps de pré-alerte (s)</translation>
    </message>
    <message>
        <source>Alert Time (s)</source>
        <translation>Temps d&apos;alerte (s)</translation>
    </message>
    <message>
        <source>Activation Angle</source>
        <translation>Angle de déclenchement</translation>
    </message>
    <message>
        <source>Anti-Movement Alarm</source>
        <translation>Alarme d&apos;absence de mouvement</translation>
    </message>
    <message>
        <source>Movement Alarm</source>
        <translation>Alarme de mouvement</translation>
    </message>
    <message>
        <source>Alert Enable</source>
        <translation>Activation de l&apos;alerte</translation>
    </message>
    <message>
        <source>Alert Repeat Enable</source>
        <translation>Activation de la répétition d&apos;alerte</translation>
    </message>
    <message>
        <source>Alert Repeat Time (s)</source>
        <translation>Temps de répétition d&apos;alerte (s)</translation>
    </message>
    <message>
        <source>Sensor Sensitivity</source>
        <translation>Sensibilité du capteur</translation>
    </message>
    <message>
        <source>Clock Shift</source>
        <translation>Décalage d&apos;horloge</translation>
    </message>
    <message>
        <source>Option Board Type</source>
        <translation>Type de carte option</translation>
    </message>
    <message>
        <source>Hardware Revision</source>
        <translation>Révision matérielle</translation>
    </message>
    <message>
        <source>Software Version</source>
        <translation>Version logicielle</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Version du codeplug</translation>
    </message>
    <message>
        <source>Vendor Remarks:</source>
        <translation>Remarques du fournisseur :</translation>
    </message>
    <message>
        <source>on</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>off</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Checksum</source>
        <translation>Somme de contrôle</translation>
    </message>
    <message>
        <source>%d (outside %d to %d)</source>
        <translation>%d (hors de la plage %d à %d)</translation>
    </message>
    <message>
        <source>Calibration data saved to %s.</source>
        <translation>Données d&apos;étalonnage enregistrées dans %s.</translation>
    </message>
    <message>
        <source>No serial port found.</source>
        <translation>Aucun port série trouvé.</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Stopped before the operation was complete; the radio has been reset.</source>
        <translation>Opération arrêtée avant la fin ; la radio a été réinitialisée.</translation>
    </message>
    <message>
        <source>hint: %s</source>
        <translation>conseil : %s</translation>
    </message>
    <message>
        <source>No backups in %s.</source>
        <translation>Aucune sauvegarde dans %s.</translation>
    </message>
    <message>
        <source>%s could not be written.</source>
        <translation>Impossible d&apos;écrire %s.</translation>
    </message>
    <message>
        <source>%s could not be read.</source>
        <translation>Impossible de lire %s.</translation>
    </message>
    <message>
        <source>%s is too large to be a settings text (%d KiB or more).</source>
        <translation>%s est trop volumineux pour être un texte de paramètres (%d Kio ou plus).</translation>
    </message>
    <message>
        <source>%s stands for %s.</source>
        <translation>%s désigne %s.</translation>
    </message>
    <message>
        <source>There is no such device: connect the programming cable, or under Options &gt; Configuration choose another port, or the cable&apos;s device for %s (the command line also takes --device PATH).</source>
        <translation>Ce périphérique n&apos;existe pas : branchez le câble de programmation, ou choisissez dans Options &gt; Configuration un autre port ou le périphérique du câble pour %s (la ligne de commande accepte aussi --device PATH).</translation>
    </message>
    <message>
        <source>You may not use %s: ask for read and write access to it.</source>
        <translation>Vous n&apos;êtes pas autorisé à utiliser %s : demandez-en l&apos;accès en lecture et en écriture.</translation>
    </message>
    <message>
        <source>You may not use %s: it belongs to the group %s. Add yourself to that group (sudo adduser $USER %s), then log out and in again.</source>
        <translation>Vous n&apos;êtes pas autorisé à utiliser %s : il appartient au groupe %s. Ajoutez-vous à ce groupe (sudo adduser $USER %s), puis fermez votre session et rouvrez-la.</translation>
    </message>
    <message>
        <source>Another program holds it: close that program (a second copy of this tool counts) and try again.</source>
        <translation>Un autre programme l&apos;utilise : fermez ce programme (une deuxième instance de cet outil compte aussi) et réessayez.</translation>
    </message>
    <message>
        <source>present</source>
        <translation>présent</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>The option board holds other settings than were written.</source>
        <translation>La carte option contient d&apos;autres paramètres que ceux qui ont été écrits.</translation>
    </message>
    <message>
        <source>The settings could not be read back: the option board may hold other settings than were written.</source>
        <translation>Impossible de relire les paramètres : la carte option contient peut-être d&apos;autres paramètres que ceux qui ont été écrits.</translation>
    </message>
    <message>
        <source>Vigilon option board settings. Lines starting with # are comments.</source>
        <translation>Paramètres de carte option Vigilon. Les lignes commençant par # sont des commentaires.</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a setting: write key = value</source>
        <translation>« %s » n&apos;est pas un paramètre : écrivez clé = valeur</translation>
    </message>
    <message>
        <source>unknown key &apos;%s&apos;</source>
        <translation>clé inconnue « %s »</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is given a second time (first on line %d)</source>
        <translation>« %s » est indiqué une deuxième fois (la première fois à la ligne %d)</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a codeplug version: write it as major.minor, for example 01.00</source>
        <translation>« %s » n&apos;est pas une version de codeplug : écrivez-la sous la forme majeure.mineure, par exemple 01.00</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a whole number (%s)</source>
        <translation>« %s » n&apos;est pas un nombre entier (%s)</translation>
    </message>
    <message>
        <source>%s is outside the limits of %s, %d to %d</source>
        <translation>%s est en dehors des limites de %s, de %d à %d</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is missing</source>
        <translation>« %s » est manquant</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a supported codeplug version: the major version must be 01 to %02d</source>
        <translation>« %s » n&apos;est pas une version de codeplug prise en charge : la version majeure doit être comprise entre 01 et %02d</translation>
    </message>
    <message>
        <source>The settings were read, but no backup of them could be kept:
%s</source>
        <translation>Les paramètres ont été lus, mais aucune sauvegarde n&apos;a pu en être conservée :
%s</translation>
    </message>
    <message>
        <source>The read-out was stopped after %d of %d bytes.
The radio has been reset; nothing was saved.</source>
        <translation>La lecture a été arrêtée après %d octets sur %d.
La radio a été réinitialisée ; rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>not two numbers from 0 to 255 separated by a tab</source>
        <translation>ne contient pas deux nombres de 0 à 255 séparés par une tabulation</translation>
    </message>
    <message>
        <source>%d is outside 0 to 255</source>
        <translation>%d est hors de la plage 0 à 255</translation>
    </message>
    <message>
        <source>the file ends here; calibration data has %d lines</source>
        <translation>le fichier se termine ici ; les données d&apos;étalonnage comptent %d lignes</translation>
    </message>
    <message>
        <source>one line more than the %d lines of calibration data</source>
        <translation>une ligne de plus que les %d lignes des données d&apos;étalonnage</translation>
    </message>
    <message>
        <source>Column %d: minimum %d, maximum %d, mean %s</source>
        <translation>Colonne %d : minimum %d, maximum %d, moyenne %s</translation>
    </message>
    <message>
        <source>NoName</source>
        <translation>SansNom</translation>
    </message>
    <message>
        <source>Vigilon Data Files (*.vgd)</source>
        <translation>Fichiers de données Vigilon (*.vgd)</translation>
    </message>
    <message>
        <source>.vgd</source>
        <translation>.vgd</translation>
    </message>
    <message>
        <source>Vigilon Calibration Data (*.txt)</source>
        <translation>Données d&apos;étalonnage Vigilon (*.txt)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Option &amp;Board</source>
        <translation>&amp;Carte option</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>Taille de la fenêtre</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Vigilon OSS Help</source>
        <translation>Aide de Vigilon OSS</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Rechercher :</translation>
    </message>
    <message>
        <source>No topic contains these words.</source>
        <translation>Aucune rubrique ne contient ces mots.</translation>
    </message>
    <message>
        <source>The program cannot be closed while it works with the radio.</source>
        <translation>Impossible de fermer le programme pendant qu&apos;il communique avec la radio.</translation>
    </message>
    <message>
        <source>Elapsed %s</source>
        <translation>Écoulé : %s</translation>
    </message>
    <message>
        <source>Elapsed %s, about %s to go</source>
        <translation>Écoulé : %s, reste environ %s</translation>
    </message>
    <message>
        <source>Stopping after the current request...</source>
        <translation>Arrêt après la requête en cours...</translation>
    </message>
    <message>
        <source>Reading the option board on %s (%s)...</source>
        <translation>Lecture de la carte option sur %s (%s)...</translation>
    </message>
    <message>
        <source>Programming the option board on %s (%s)...</source>
        <translation>Programmation de la carte option sur %s (%s)...</translation>
    </message>
    <message>
        <source>Reading the option board information on %s (%s)...</source>
        <translation>Lecture des informations de la carte option sur %s (%s)...</translation>
    </message>
    <message>
        <source>Calibrating the accelerometer on %s (%s)...</source>
        <translation>Étalonnage de l&apos;accéléromètre sur %s (%s)...</translation>
    </message>
    <message>
        <source>Reading the calibration data on %s (%s)...</source>
        <translation>Lecture des données d&apos;étalonnage sur %s (%s)...</translation>
    </message>
    <message>
        <source>No settings loaded.
Read the option board (Ctrl+R) or open a data file (Ctrl+O).</source>
        <translation>Aucun paramètre chargé.
Lisez la carte option (Ctrl+R) ou ouvrez un fichier de données (Ctrl+O).</translation>
    </message>
    <message>
        <source>Settings read from the option board on %s (%s)</source>
        <translation>Paramètres lus dans la carte option sur %s (%s)</translation>
    </message>
    <message>
        <source>Settings from the file %s</source>
        <translation>Paramètres du fichier %s</translation>
    </message>
    <message>
        <source>Changed since then.</source>
        <translation>Modifiés depuis.</translation>
    </message>
    <message>
        <source>Unchanged since then.</source>
        <translation>Inchangés depuis.</translation>
    </message>
    <message>
        <source>Not saved to a file.</source>
        <translation>Non enregistrés dans un fichier.</translation>
    </message>
    <message>
        <source>Saved as %s.</source>
        <translation>Enregistrés sous %s.</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Ouvrir une sauvegarde</translation>
    </message>
    <message>
        <source>Backups of the settings read from boards and of calibration read-outs, newest first, kept in %s</source>
        <translation>Sauvegardes des paramètres lus dans les cartes option et des lectures d&apos;étalonnage, les plus récentes en premier, conservées dans %s</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>The settings are the same as in %s.</source>
        <translation>Les paramètres sont identiques à ceux de %s.</translation>
    </message>
    <message>
        <source>Calibration Data - %s</source>
        <translation>Données d&apos;étalonnage - %s</translation>
    </message>
    <message>
        <source>Column %d</source>
        <translation>Colonne %d</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Drag across the plot to zoom in, right-click to zoom out.</source>
        <translation>Faites glisser la souris sur le graphique pour zoomer, cliquez avec le bouton droit pour dézoomer.</translation>
    </message>
    <message>
        <source>(%lu earlier lines dropped: the trace keeps the last %lu KiB)</source>
        <translation>(%lu lignes antérieures supprimées : la trace conserve les derniers %lu Kio)</translation>
    </message>
    <message>
        <source>Serial Trace (*.txt)</source>
        <translation>Trace série (*.txt)</translation>
    </message>
    <message>
        <source>There is no serial trace yet. The trace of a command that talks to the radio can be saved once it has run.</source>
        <translation>Il n&apos;y a pas encore de trace série. La trace d&apos;une commande qui communique avec la radio peut être enregistrée une fois la commande exécutée.</translation>
    </message>
    <message>
        <source>The serial trace could not be saved to %s.</source>
        <translation>Impossible d&apos;enregistrer la trace série dans %s.</translation>
    </message>
    <message>
        <source>Change the Program Configuration
Configuration</source>
        <translation>Modifier la configuration du programme
Configuration</translation>
    </message>
    <message>
        <source>Open existing option board data file
Open</source>
        <translation>Ouvrir un fichier de données de carte option existant
Ouvrir</translation>
    </message>
    <message>
        <source>Read data from option board
Read</source>
        <translation>Lire les données de la carte option
Lire</translation>
    </message>
    <message>
        <source>Write data to option board
Write</source>
        <translation>Écrire les données dans la carte option
Écrire</translation>
    </message>
    <message>
        <source>Show additional information about the option board
Info</source>
        <translation>Afficher des informations supplémentaires sur la carte option
Infos</translation>
    </message>
    <message>
        <source>Edit option board data
Edit data</source>
        <translation>Modifier les données de la carte option
Modifier les données</translation>
    </message>
    <message>
        <source>Calibrate option board
Calibrate</source>
        <translation>Étalonner la carte option
Étalonner</translation>
    </message>
    <message>
        <source>Save option board data to file
Save</source>
        <translation>Enregistrer les données de la carte option dans un fichier
Enregistrer</translation>
    </message>
    <message>
        <source>Save the active option board data file with a new name
Save As</source>
        <translation>Enregistrer le fichier de données de carte option actif sous un nouveau nom
Enregistrer sous</translation>
    </message>
    <message>
        <source>Open this option board data file</source>
        <translation>Ouvrir ce fichier de données de carte option</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright
À propos</translation>
    </message>
    <message>
        <source>Quit the Vigilon OSS
Exit</source>
        <translation>Quitter Vigilon OSS
Quitter</translation>
    </message>
    <message>
        <source>Display help for current task or command
Help</source>
        <translation>Afficher l&apos;aide sur la tâche ou la commande en cours
Aide</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Afficher ou masquer la barre d&apos;outils
Afficher/masquer la barre d&apos;outils</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Afficher ou masquer la barre d&apos;état
Afficher/masquer la barre d&apos;état</translation>
    </message>
    <message>
        <source>Open one of the backups of settings read from boards
Open Backup</source>
        <translation>Ouvrir l&apos;une des sauvegardes des paramètres lus dans les cartes option
Ouvrir une sauvegarde</translation>
    </message>
    <message>
        <source>Show how the settings differ from those of a data file
Compare With File</source>
        <translation>Montrer en quoi les paramètres diffèrent de ceux d&apos;un fichier de données
Comparer avec un fichier</translation>
    </message>
    <message>
        <source>Read the settings back after writing them and compare
Verify After Write</source>
        <translation>Relire les paramètres après leur écriture et les comparer
Vérifier après écriture</translation>
    </message>
    <message>
        <source>Back up the board&apos;s settings before writing new ones
Back Up Before Write</source>
        <translation>Sauvegarder les paramètres de la carte option avant d&apos;en écrire de nouveaux
Sauvegarder avant écriture</translation>
    </message>
    <message>
        <source>Show or hide the settings in the main window
Settings Summary</source>
        <translation>Afficher ou masquer les paramètres dans la fenêtre principale
Résumé des paramètres</translation>
    </message>
    <message>
        <source>Plot an exported calibration data file with its figures
View Calibration Data</source>
        <translation>Tracer un fichier de données d&apos;étalonnage exporté, avec ses valeurs caractéristiques
Afficher les données d&apos;étalonnage</translation>
    </message>
    <message>
        <source>Save what went over the serial line since the program started, for support
Save Serial Trace</source>
        <translation>Enregistrer, pour l&apos;assistance technique, tout ce qui a transité sur la liaison série depuis le démarrage du programme
Enregistrer la trace série</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DEF</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Pour obtenir de l&apos;aide, appuyez sur F1</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>Program every radio connected from now on with these settings, one after the other?</source>
        <translation>Programmer avec ces paramètres, l&apos;une après l&apos;autre, chaque radio connectée à partir de maintenant ?</translation>
    </message>
    <message>
        <source>Radio %d: waiting for a radio on %s...</source>
        <translation>Radio %d : attente d&apos;une radio sur %s...</translation>
    </message>
    <message>
        <source>Connect the next radio.</source>
        <translation>Connectez la radio suivante.</translation>
    </message>
    <message>
        <source>Radio %d: programming %s...</source>
        <translation>Radio %d : programmation de %s...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Radio %d: %s: %s (%.1f s)</source>
        <translation>Radio %d : %s : %s (%.1f s)</translation>
    </message>
    <message>
        <source>The report %s could not be written.</source>
        <translation>Impossible d&apos;écrire le rapport %s.</translation>
    </message>
    <message>
        <source>%d radios programmed, %d failed.</source>
        <translation>%d radios programmées, %d en échec.</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Heure (UTC)</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Informations radio</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Program Several Radios</source>
        <translation>Programmer plusieurs radios</translation>
    </message>
    <message>
        <source>(the document&apos;s settings)</source>
        <translation>(paramètres du document)</translation>
    </message>
    <message>
        <source>There are no settings to program: read or open them first, or choose a data file.</source>
        <translation>Aucun paramètre à programmer : lisez-les ou ouvrez-les d&apos;abord, ou choisissez un fichier de données.</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>jusqu&apos;à l&apos;arrêt</translation>
    </message>
    <message>
        <source>(no report)</source>
        <translation>(aucun rapport)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The calibration data were read, but no copy of them could be kept:
%s</source>
        <translation>Les données d&apos;étalonnage ont été lues, mais aucune copie n&apos;a pu en être conservée :
%s</translation>
    </message>
    <message>
        <source>%s is in the backups folder, where nothing is saved but the backups the program makes itself. Choose a file outside %s.</source>
        <translation>%s se trouve dans le dossier des sauvegardes, où rien n&apos;est enregistré hormis les sauvegardes que le programme effectue lui-même. Choisissez un fichier en dehors de %s.</translation>
    </message>
    <message>
        <source>%s (backup, opened as a copy)</source>
        <translation>%s (sauvegarde, ouverte en tant que copie)</translation>
    </message>
    <message>
        <source>A copy of the calibration data is kept in %s.</source>
        <translation>Une copie des données d&apos;étalonnage est conservée dans %s.</translation>
    </message>
    <message>
        <source>The option board answered the read at address 0x%04X with %d of %d bytes.
The read-out has failed; nothing was saved.</source>
        <translation>La carte option a répondu à la lecture à l&apos;adresse 0x%04X avec %d octets sur %d.
La lecture a échoué ; rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>%s is not a file that can be written: it is a folder, a device, a named pipe or a loop of links.</source>
        <translation>%s n&apos;est pas un fichier accessible en écriture : c&apos;est un dossier, un périphérique, un tube nommé ou une boucle de liens.</translation>
    </message>
    <message>
        <source>%s is write-protected.</source>
        <translation>%s est protégé en écriture.</translation>
    </message>
    <message>
        <source>%s cannot be written: its folder does not exist or takes no new file.</source>
        <translation>Impossible d&apos;écrire %s : son dossier n&apos;existe pas ou n&apos;accepte pas de nouveau fichier.</translation>
    </message>
    <message>
        <source>%s cannot be written: the disk is full.</source>
        <translation>Impossible d&apos;écrire %s : le disque est plein.</translation>
    </message>
    <message>
        <source>%s is also the command&apos;s input; choose another file.</source>
        <translation>%s est aussi l&apos;entrée de la commande ; choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>%s is named for two outputs; choose another file.</source>
        <translation>%s est indiqué pour deux sorties ; choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>(%lu earlier operations dropped: the trace keeps the last %lu KiB)</source>
        <translation>(%lu opérations antérieures supprimées : la trace conserve les derniers %lu Kio)</translation>
    </message>
    <message>
        <source>Not all of the board&apos;s information could be read in full: the fields above may be empty or cut short.</source>
        <translation>Les informations de la carte option n&apos;ont pas toutes pu être lues en entier : les champs ci-dessus peuvent être vides ou tronqués.</translation>
    </message>
    <message>
        <source>The errors above did not stop the command: the answers that followed them passed every check.</source>
        <translation>Les erreurs ci-dessus n&apos;ont pas interrompu la commande : les réponses qui les ont suivies ont passé tous les contrôles.</translation>
    </message>
    <message>
        <source>%s does not exist.</source>
        <translation>%s n&apos;existe pas.</translation>
    </message>
    <message>
        <source>You may not read %s: ask for read access to it.</source>
        <translation>Vous n&apos;êtes pas autorisé à lire %s : demandez-en l&apos;accès en lecture.</translation>
    </message>
    <message>
        <source>%s is a folder, not a file.</source>
        <translation>%s est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>%s is a device or a named pipe, not a file.</source>
        <translation>%s est un périphérique ou un tube nommé, pas un fichier.</translation>
    </message>
    <message>
        <source>%s is a loop of symbolic links.</source>
        <translation>%s est une boucle de liens symboliques.</translation>
    </message>
    <message>
        <source>Another program holds %s: close that program and try again.</source>
        <translation>%s est utilisé par un autre programme : fermez ce programme et réessayez.</translation>
    </message>
    <message>
        <source>%s holds no settings this program can use.</source>
        <translation>%s ne contient aucun paramètre utilisable par ce programme.</translation>
    </message>
    <message>
        <source>The serial trace %s could not be written completely.</source>
        <translation>La trace série %s n&apos;a pas pu être écrite entièrement.</translation>
    </message>
    <message>
        <source>Failed: %s</source>
        <translation>Échec : %s</translation>
    </message>
    <message>
        <source>No serial device found.</source>
        <translation>Aucun périphérique série trouvé.</translation>
    </message>
    <message>
        <source>The port %s (%s) opens.</source>
        <translation>Le port %s (%s) s&apos;ouvre.</translation>
    </message>
    <message>
        <source>The device %s opens.</source>
        <translation>Le périphérique %s s&apos;ouvre.</translation>
    </message>
    <message>
        <source>Check Connection</source>
        <translation>Vérifier la connexion</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation>Vérifier de &amp;nouveau</translation>
    </message>
    <message>
        <source>Checking the connection on %s (%s)...</source>
        <translation>Vérification de la connexion sur %s (%s)...</translation>
    </message>
    <message>
        <source>What is sent comes back: the cable is connected.</source>
        <translation>Ce qui est envoyé revient : le câble est branché.</translation>
    </message>
    <message>
        <source>Nothing came back: the cable is not plugged into the radio, or this is not the programming cable.</source>
        <translation>Rien n&apos;est revenu : le câble n&apos;est pas branché sur la radio, ou ce n&apos;est pas le câble de programmation.</translation>
    </message>
    <message>
        <source>The radio acknowledges.</source>
        <translation>La radio accuse réception.</translation>
    </message>
    <message>
        <source>The radio does not answer: switch it on, and check that it is in programming mode.</source>
        <translation>La radio ne répond pas : allumez-la et vérifiez qu&apos;elle est en mode programmation.</translation>
    </message>
    <message>
        <source>The radio says: %s</source>
        <translation>La radio indique : %s</translation>
    </message>
    <message>
        <source>The option board answers: %s.</source>
        <translation>La carte option répond : %s.</translation>
    </message>
    <message>
        <source>No option board answers: is one fitted?</source>
        <translation>Aucune carte option ne répond : une carte option est-elle installée ?</translation>
    </message>
    <message>
        <source>The board&apos;s codeplug version %d.%02d is one this program can use.</source>
        <translation>La version de codeplug %d.%02d de la carte option est utilisable par ce programme.</translation>
    </message>
    <message>
        <source>The board&apos;s codeplug version %d.%02d is not one this program can use.</source>
        <translation>La version de codeplug %d.%02d de la carte option n&apos;est pas utilisable par ce programme.</translation>
    </message>
    <message>
        <source>The radio has been reset.</source>
        <translation>La radio a été réinitialisée.</translation>
    </message>
    <message>
        <source>The radio did not acknowledge its reset.</source>
        <translation>La radio n&apos;a pas accusé réception de sa réinitialisation.</translation>
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
        <translation>câble</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>Pér&amp;iphérique :</translation>
    </message>
    <message>
        <source>%s (built in)</source>
        <translation>%s (intégré)</translation>
    </message>
    <message>
        <source>Devices &amp;found:</source>
        <translation>Périphériques &amp;détectés :</translation>
    </message>
    <message>
        <source>%s: %s</source>
        <translation>%s : %s</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Pa&amp;rcourir...</translation>
    </message>
    <message>
        <source>Find &amp;Cable...</source>
        <translation>Rechercher le &amp;câble...</translation>
    </message>
    <message>
        <source>Choose the Device of the Port</source>
        <translation>Choisir le périphérique du port</translation>
    </message>
    <message>
        <source>Another device (typed or browsed)</source>
        <translation>Autre périphérique (saisi ou choisi en parcourant)</translation>
    </message>
    <message>
        <source>Find Cable</source>
        <translation>Rechercher le câble</translation>
    </message>
    <message>
        <source>Unplug the programming cable from this computer now.

If it is not plugged in, plug it in: the device that comes is chosen.</source>
        <translation>Débranchez maintenant le câble de programmation de cet ordinateur.

S&apos;il n&apos;est pas branché, branchez-le : le périphérique qui apparaît est choisi.</translation>
    </message>
    <message>
        <source>%s went away. Plug the cable in again.</source>
        <translation>%s a disparu. Rebranchez le câble.</translation>
    </message>
    <message>
        <source>Serial devices now: %s</source>
        <translation>Périphériques série actuels : %s</translation>
    </message>
    <message>
        <source>usb</source>
        <translation>usb</translation>
    </message>
    <message>
        <source>serial</source>
        <translation>série</translation>
    </message>
    <message>
        <source>%d radios programmed, %d failed, on %d ports.</source>
        <translation>%d radios programmées, %d en échec, sur %d ports.</translation>
    </message>
    <message>
        <source>Ports:</source>
        <translation>Ports :</translation>
    </message>
    <message>
        <source>Tick at least one port to program radios on.</source>
        <translation>Cochez au moins un port sur lequel programmer des radios.</translation>
    </message>
    <message>
        <source>%s: ended, %d radios programmed, %d failed.</source>
        <translation>%s : terminé, %d radios programmées, %d en échec.</translation>
    </message>
    <message>
        <source>Check the way to the option board link by link: port, cable, radio, board
Check Connection</source>
        <translation>Vérifier maillon par maillon le chemin jusqu&apos;à la carte option : port, câble, radio, carte
Vérifier la connexion</translation>
    </message>
    <message>
        <source>Program radio after radio with the same settings, with a report
Program Several Radios</source>
        <translation>Programmer les radios l&apos;une après l&apos;autre avec les mêmes paramètres, avec un rapport
Programmer plusieurs radios</translation>
    </message>
    <message>
        <source>Vigilon OSS</source>
        <translation>Vigilon OSS</translation>
    </message>
    <message>
        <source>Vigilon OSS (Labtool)</source>
        <translation>Vigilon OSS (Labtool)</translation>
    </message>
    <message>
        <source>Choose the language of the program
Language</source>
        <translation>Choisir la langue du programme
Langue</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>&amp;Language of Vigilon OSS:</source>
        <translation>&amp;Langue de Vigilon OSS :</translation>
    </message>
    <message>
        <source>As the system&apos;s settings (%s)</source>
        <translation>Selon les paramètres du système (%s)</translation>
    </message>
    <message>
        <source>The new language is used from the next start of Vigilon OSS.</source>
        <translation>La nouvelle langue sera utilisée au prochain démarrage de Vigilon OSS.</translation>
    </message>
    <message>
        <source>Increase %s</source>
        <translation>Augmenter %s</translation>
    </message>
    <message>
        <source>Decrease %s</source>
        <translation>Diminuer %s</translation>
    </message>
    <message>
        <source>%d to %d %s</source>
        <translation>de %d à %d %s</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>More Commands</source>
        <translation>Autres commandes</translation>
    </message>
    <message>
        <source>Enter edits the settings.</source>
        <translation>Appuyez sur Entrée pour modifier les paramètres.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Settings:</source>
        <translation>&amp;Paramètres :</translation>
    </message>
    <message>
        <source>Br&amp;owse...</source>
        <translation>Parco&amp;urir...</translation>
    </message>
    <message>
        <source>Read the settings back after each &amp;write</source>
        <translation>Relire les paramètres après chaque é&amp;criture</translation>
    </message>
    <message>
        <source>R&amp;eport:</source>
        <translation>Rapp&amp;ort :</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Radios of this run</source>
        <translation>Radios de cette session</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <source>Plot of the calibration data</source>
        <translation>Graphique des données d&apos;étalonnage</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>&amp;Réinitialiser le zoom</translation>
    </message>
    <message>
        <source>Keys: + and - zoom in and out, the arrows move, Home shows the whole file.</source>
        <translation>Touches : + et - pour zoomer et dézoomer, les flèches pour se déplacer, Début pour afficher tout le fichier.</translation>
    </message>
    <message>
        <source>The run was not confirmed: nothing was done.</source>
        <translation>La session n&apos;a pas été confirmée : rien n&apos;a été fait.</translation>
    </message>
    <message>
        <source>Error: %s</source>
        <translation>Erreur : %s</translation>
    </message>
    <message>
        <source>Warning: %s</source>
        <translation>Avertissement : %s</translation>
    </message>
    <message>
        <source>The operation&apos;s own result stands, but it could not be added to the service history %s:
%s</source>
        <translation>Le résultat de l&apos;opération elle-même reste valable, mais l&apos;opération n&apos;a pas pu être ajoutée à l&apos;historique des interventions %s :
%s</translation>
    </message>
    <message>
        <source>The service history could not be read. It was moved aside to
%s
and a new one was started.</source>
        <translation>Impossible de lire l&apos;historique des interventions. Il a été mis de côté sous
%s
et un nouvel historique a été créé.</translation>
    </message>
    <message>
        <source>hardware %s</source>
        <translation>matériel %s</translation>
    </message>
    <message>
        <source>software %s</source>
        <translation>logiciel %s</translation>
    </message>
    <message>
        <source>codeplug %s</source>
        <translation>codeplug %s</translation>
    </message>
    <message>
        <source>%s, verified</source>
        <translation>%s, vérifié</translation>
    </message>
    <message>
        <source>read</source>
        <translation>lecture</translation>
    </message>
    <message>
        <source>write</source>
        <translation>écriture</translation>
    </message>
    <message>
        <source>information</source>
        <translation>informations</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>étalonnage</translation>
    </message>
    <message>
        <source>calibration data read-out</source>
        <translation>lecture des données d&apos;étalonnage</translation>
    </message>
    <message>
        <source>connection check</source>
        <translation>vérification de la connexion</translation>
    </message>
    <message>
        <source>fleet</source>
        <translation>programmation de plusieurs radios</translation>
    </message>
    <message>
        <source>succeeded</source>
        <translation>réussi</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échec</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>shown with fields missing</source>
        <translation>affiché avec des champs manquants</translation>
    </message>
    <message>
        <source>read, but the export was cancelled</source>
        <translation>lu, mais l&apos;exportation a été annulée</translation>
    </message>
    <message>
        <source>Entry %s</source>
        <translation>Entrée %s</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>%s on %s</source>
        <translation>%s sur %s</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Carte option</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Fleet run</source>
        <translation>Session de programmation de plusieurs radios</translation>
    </message>
    <message>
        <source>number %s: settings %s (SHA-256 %s), ports %s, from %s to %s</source>
        <translation>n° %s : paramètres %s (SHA-256 %s), ports %s, de %s à %s</translation>
    </message>
    <message>
        <source>(not ended)</source>
        <translation>(non terminée)</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Settings read</source>
        <translation>Paramètres lus</translation>
    </message>
    <message>
        <source>Settings written</source>
        <translation>Paramètres écrits</translation>
    </message>
    <message>
        <source>Changed from the settings the radio held before</source>
        <translation>Modifications par rapport aux paramètres que la radio contenait auparavant</translation>
    </message>
    <message>
        <source>No setting changed.</source>
        <translation>Aucun paramètre n&apos;a changé.</translation>
    </message>
    <message>
        <source>The checksum of these settings is wrong.</source>
        <translation>La somme de contrôle de ces paramètres est incorrecte.</translation>
    </message>
    <message>
        <source>The service history %s holds no entries that match.</source>
        <translation>L&apos;historique des interventions %s ne contient aucune entrée correspondante.</translation>
    </message>
    <message>
        <source>The service history holds no entry %s.</source>
        <translation>L&apos;historique des interventions ne contient pas d&apos;entrée %s.</translation>
    </message>
    <message>
        <source>The service history %s could not be read:
%s</source>
        <translation>Impossible de lire l&apos;historique des interventions %s :
%s</translation>
    </message>
    <message>
        <source>No settings read from this radio before are known.</source>
        <translation>Aucun paramètre lu auparavant dans cette radio n&apos;est connu.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>it was made by a newer version of this program</source>
        <translation>il a été créé par une version plus récente de ce programme</translation>
    </message>
    <message>
        <source>it is damaged and could not be moved aside</source>
        <translation>il est endommagé et n&apos;a pas pu être mis de côté</translation>
    </message>
    <message>
        <source>Show every operation on a radio: when, by whom, what was read and written, how it ended
Service History</source>
        <translation>Afficher chaque opération effectuée sur une radio : quand, par qui, ce qui a été lu et écrit, comment elle s&apos;est terminée
Historique des interventions</translation>
    </message>
    <message>
        <source>Export the service history or remove its old entries
Service History Options</source>
        <translation>Exporter l&apos;historique des interventions ou en supprimer les anciennes entrées
Options de l&apos;historique des interventions</translation>
    </message>
    <message>
        <source>Service History</source>
        <translation>Historique des interventions</translation>
    </message>
    <message>
        <source>&amp;Radio starts with:</source>
        <translation>&amp;Radio commençant par :</translation>
    </message>
    <message>
        <source>&amp;Board contains:</source>
        <translation>&amp;Carte option contenant :</translation>
    </message>
    <message>
        <source>O&amp;peration:</source>
        <translation>O&amp;pération :</translation>
    </message>
    <message>
        <source>Res&amp;ult:</source>
        <translation>Rés&amp;ultat :</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Au :</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>All but succeeded</source>
        <translation>Tout sauf réussi</translation>
    </message>
    <message>
        <source>E&amp;ntries, newest first:</source>
        <translation>E&amp;ntrées, les plus récentes en premier :</translation>
    </message>
    <message>
        <source>In the history: %s</source>
        <translation>Dans l&apos;historique : %s</translation>
    </message>
    <message>
        <source>Matching: %s of %s</source>
        <translation>Entrées correspondantes : %s sur %s</translation>
    </message>
    <message>
        <source>&amp;Details:</source>
        <translation>Dé&amp;tails :</translation>
    </message>
    <message>
        <source>Choose an entry to see its details.</source>
        <translation>Choisissez une entrée pour en afficher les détails.</translation>
    </message>
    <message>
        <source>&amp;Open These Settings</source>
        <translation>&amp;Ouvrir ces paramètres</translation>
    </message>
    <message>
        <source>Co&amp;mpare With Document</source>
        <translation>Co&amp;mparer avec le document</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
        <source>service history entry %s</source>
        <translation>l&apos;entrée %s de l&apos;historique des interventions</translation>
    </message>
    <message>
        <source>%s (opened as a copy)</source>
        <translation>%s (ouverte en tant que copie)</translation>
    </message>
    <message>
        <source>Settings read from the radio on %s at %s (service history entry %s)</source>
        <translation>Paramètres lus dans la radio sur %s le %s (entrée %s de l&apos;historique des interventions)</translation>
    </message>
    <message>
        <source>Settings written to the radio on %s at %s (service history entry %s)</source>
        <translation>Paramètres écrits dans la radio sur %s le %s (entrée %s de l&apos;historique des interventions)</translation>
    </message>
    <message>
        <source>The settings of %s cannot be opened: their checksum is wrong.</source>
        <translation>Impossible d&apos;ouvrir les paramètres de %s : leur somme de contrôle est incorrecte.</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export the Service History</source>
        <translation>Exporter l&apos;historique des interventions</translation>
    </message>
    <message>
        <source>The entries were exported to %s.</source>
        <translation>Les entrées ont été exportées dans %s.</translation>
    </message>
    <message>
        <source>The service history could not be exported to %s:
%s</source>
        <translation>Impossible d&apos;exporter l&apos;historique des interventions dans %s :
%s</translation>
    </message>
    <message>
        <source>Service History Options</source>
        <translation>Options de l&apos;historique des interventions</translation>
    </message>
    <message>
        <source>The service history is kept in %s.</source>
        <translation>L&apos;historique des interventions est conservé dans %s.</translation>
    </message>
    <message>
        <source>Entries in it: %s</source>
        <translation>Nombre d&apos;entrées : %s</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <source>Remove entries &amp;older than:</source>
        <translation>Supprimer les entrées &amp;antérieures au :</translation>
    </message>
    <message>
        <source>&amp;Remove...</source>
        <translation>&amp;Supprimer...</translation>
    </message>
    <message>
        <source>Entries older than %s: %s.
Remove them from the service history? This cannot be undone.</source>
        <translation>Entrées antérieures au %s : %s.
Les supprimer de l&apos;historique des interventions ? Cette action est irréversible.</translation>
    </message>
    <message>
        <source>No entry is older than %s.</source>
        <translation>Aucune entrée n&apos;est antérieure au %s.</translation>
    </message>
    <message>
        <source>Entries removed: %s.</source>
        <translation>Entrées supprimées : %s.</translation>
    </message>
    <message>
        <source>The entries could not be removed from the service history %s:
%s</source>
        <translation>Impossible de supprimer les entrées de l&apos;historique des interventions %s :
%s</translation>
    </message>
    <message>
        <source>service-history.csv</source>
        <translation>historique-interventions.csv</translation>
    </message>
    <message>
        <source>%s is part of the service history, the record of every operation on a radio, and is never written over. Choose another file.</source>
        <translation>%s fait partie de l&apos;historique des interventions, qui consigne chaque opération sur une radio, et n&apos;est jamais écrasé. Choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>could not write standard output: %s</source>
        <translation>impossible d&apos;écrire sur la sortie standard : %s</translation>
    </message>
    <message>
        <source>could not write standard output.</source>
        <translation>impossible d&apos;écrire sur la sortie standard.</translation>
    </message>
    <message>
        <source>The report %s could not be written: the disk is full. Its last row was left out whole.</source>
        <translation>Impossible d&apos;écrire le rapport %s : le disque est plein. Sa dernière ligne a été entièrement omise.</translation>
    </message>
    <message>
        <source>The report %s was removed or replaced during the run: no more rows go into it.</source>
        <translation>Le rapport %s a été supprimé ou remplacé pendant la série : plus aucune ligne n&apos;y est écrite.</translation>
    </message>
    <message>
        <source>The radios&apos; own results stand, but %d of this run&apos;s entries could not be added to the service history %s:
%s</source>
        <translation>Les résultats des radios restent valables, mais %d entrées de cette série n&apos;ont pas pu être ajoutées à l&apos;historique des interventions %s :
%s</translation>
    </message>
    <message>
        <source>its folder %s does not exist and could not be made</source>
        <translation>son dossier %s n&apos;existe pas et n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>the file is write-protected</source>
        <translation>le fichier est protégé en écriture</translation>
    </message>
    <message>
        <source>its folder %s is write-protected</source>
        <translation>son dossier %s est protégé en écriture</translation>
    </message>
    <message>
        <source>another program held it for longer than the program waits</source>
        <translation>un autre programme l&apos;a occupé plus longtemps que le programme n&apos;attend</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>it says it is of version %d, which this program does not know</source>
        <translation>il indique la version %d, que ce programme ne connaît pas</translation>
    </message>
    <message>
        <source>%s is not a serial device.</source>
        <translation>%s n&apos;est pas un périphérique série.</translation>
    </message>
    <message>
        <source>%s is not a serial device: it is a file.</source>
        <translation>%s n&apos;est pas un périphérique série : c&apos;est un fichier.</translation>
    </message>
    <message>
        <source>%s is not a serial device: it is a folder.</source>
        <translation>%s n&apos;est pas un périphérique série : c&apos;est un dossier.</translation>
    </message>
    <message>
        <source>%s is not a serial device: it is a named pipe.</source>
        <translation>%s n&apos;est pas un périphérique série : c&apos;est un tube nommé.</translation>
    </message>
    <message>
        <source>%s is not a serial device: it is another kind of device.</source>
        <translation>%s n&apos;est pas un périphérique série : c&apos;est un autre type de périphérique.</translation>
    </message>
    <message>
        <source>The backup before the write failed, so nothing was written to the option board.</source>
        <translation>La sauvegarde avant l&apos;écriture a échoué ; rien n&apos;a donc été écrit sur la carte option.</translation>
    </message>
    <message>
        <source>The backup before the write failed, so nothing was written to the option board:
%s</source>
        <translation>La sauvegarde avant l&apos;écriture a échoué ; rien n&apos;a donc été écrit sur la carte option :
%s</translation>
    </message>
    <message>
        <source>The radio refused the request.</source>
        <translation>La radio a refusé la demande.</translation>
    </message>
    <message>
        <source>%s and %s are the same device (%s): tick only one of them.</source>
        <translation>%s et %s sont le même périphérique (%s) : ne cochez que l&apos;un des deux.</translation>
    </message>
    <message>
        <source>Settings written to the option board on %s (%s) at %s</source>
        <translation>Paramètres écrits dans la carte option sur %s (%s) à %s</translation>
    </message>
    <message>
        <source>Settings written to the option board on %s (%s) at %s, read back and found the same</source>
        <translation>Paramètres écrits dans la carte option sur %s (%s) à %s, relus et trouvés identiques</translation>
    </message>
    <message>
        <source>The settings were read back from the option board and found the same.</source>
        <translation>Les paramètres ont été relus dans la carte option et trouvés identiques.</translation>
    </message>
    <message>
        <source>%s cannot be written: its folder %s is write-protected.</source>
        <translation>Impossible d&apos;écrire %s : son dossier %s est protégé en écriture.</translation>
    </message>
    <message>
        <source>There is no such device: connect the programming cable, or under Options &gt; Configuration choose another port or the cable&apos;s device for %s (Find Cable... finds it for you).</source>
        <translation>Ce périphérique n&apos;existe pas : branchez le câble de programmation, ou choisissez dans Options &gt; Configuration un autre port ou le périphérique du câble pour %s (Rechercher le câble... le trouve pour vous).</translation>
    </message>
    <message>
        <source>The settings differ from %s. Each line gives the document&apos;s value, then the other:

%s</source>
        <translation>Les paramètres diffèrent de ceux de %s. Chaque ligne donne la valeur du document, puis l&apos;autre :

%s</translation>
    </message>
    <message>
        <source>%d radio programmed, %d failed.</source>
        <translation>%d radio programmée, %d en échec.</translation>
    </message>
    <message>
        <source>%d radio programmed, %d failed, on %d ports.</source>
        <translation>%d radio programmée, %d en échec, sur %d ports.</translation>
    </message>
    <message>
        <source>%s: ended, %d radio programmed, %d failed.</source>
        <translation>%s : terminé, %d radio programmée, %d en échec.</translation>
    </message>
    <message>
        <source>Browse for the settings file</source>
        <translation>Choisir le fichier de paramètres</translation>
    </message>
    <message>
        <source>Browse for the report</source>
        <translation>Choisir le rapport</translation>
    </message>
    <message>
        <source>&amp;Radios per port:</source>
        <translation>Rad&amp;ios par port :</translation>
    </message>
    <message>
        <source>%d entries of this session could not be added to the service history %s before the program ended:
%s</source>
        <translation>%d entrées de cette session n&apos;ont pas pu être ajoutées à l&apos;historique des interventions %s avant la fin du programme :
%s</translation>
    </message>
    <message>
        <source>present, access denied</source>
        <translation>présent, accès refusé</translation>
    </message>
    <message>
        <source>Device of %s</source>
        <translation>Périphérique de %s</translation>
    </message>
    <message>
        <source>Windows cannot start this device&apos;s driver (code 10). Cables with copied chips do this with the chip maker&apos;s newer drivers: install the driver that came with the cable, or use another cable.</source>
        <translation>Windows ne peut pas démarrer le pilote de ce périphérique (code 10). Les câbles à puce copiée font cela avec les pilotes récents du fabricant de la puce : installez le pilote fourni avec le câble, ou utilisez un autre câble.</translation>
    </message>
    <message>
        <source>No driver is installed for this device (code 28): install the driver that came with the cable.</source>
        <translation>Aucun pilote n&apos;est installé pour ce périphérique (code 28) : installez le pilote fourni avec le câble.</translation>
    </message>
    <message>
        <source>This device is disabled (code 22): enable it in Device Manager.</source>
        <translation>Ce périphérique est désactivé (code 22) : activez-le dans le Gestionnaire de périphériques.</translation>
    </message>
    <message>
        <source>Windows reports a problem with this device (code %d): see its properties in Device Manager.</source>
        <translation>Windows signale un problème avec ce périphérique (code %d) : voyez ses propriétés dans le Gestionnaire de périphériques.</translation>
    </message>
    <message>
        <source>The user %s is not in the group %s: join it with sudo usermod -aG %s %s, then log out and in again.</source>
        <translation>L&apos;utilisateur %s n&apos;est pas dans le groupe %s : rejoignez-le avec sudo usermod -aG %s %s, puis fermez votre session et rouvrez-la.</translation>
    </message>
    <message>
        <source>The user %s is in the group %s, but this login began before joining it: log out and in again (or restart the computer).</source>
        <translation>L&apos;utilisateur %s est dans le groupe %s, mais cette session a commencé avant qu&apos;il le rejoigne : fermez votre session et rouvrez-la (ou redémarrez l&apos;ordinateur).</translation>
    </message>
    <message>
        <source>It is held by %s (process %d).</source>
        <translation>Il est utilisé par %s (processus %d).</translation>
    </message>
    <message>
        <source>%s (process %d) is running and may hold it.</source>
        <translation>%s (processus %d) est en cours d&apos;exécution et l&apos;utilise peut-être.</translation>
    </message>
    <message>
        <source>Which program holds it cannot be seen from this account: sudo fuser -v %s names it.</source>
        <translation>Le programme qui l&apos;utilise n&apos;est pas visible depuis ce compte : sudo fuser -v %s l&apos;indique.</translation>
    </message>
    <message>
        <source>brltty, the Braille display reader, takes USB serial cables for itself: where no Braille display is used, remove it (sudo apt remove brltty), then plug the cable in again.</source>
        <translation>brltty, le lecteur d&apos;afficheurs braille, s&apos;approprie les câbles série USB : si aucun afficheur braille n&apos;est utilisé ici, supprimez-le (sudo apt remove brltty), puis rebranchez le câble.</translation>
    </message>
    <message>
        <source>ModemManager tries new serial devices as modems: the udev rules this program installs keep it off programming cables (plug the cable in again once they are installed), or stop it with sudo systemctl stop ModemManager.</source>
        <translation>ModemManager essaie les nouveaux périphériques série comme modems : les règles udev qu&apos;installe ce programme l&apos;écartent des câbles de programmation (rebranchez le câble une fois qu&apos;elles sont installées), ou arrêtez-le avec sudo systemctl stop ModemManager.</translation>
    </message>
    <message>
        <source>The support bundle was saved to %s.</source>
        <translation>Le paquet pour l&apos;assistance a été enregistré dans %s.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %s: %s</source>
        <translation>Impossible d&apos;enregistrer le paquet pour l&apos;assistance dans %s : %s</translation>
    </message>
    <message>
        <source>Support Bundle (*.zip)</source>
        <translation>Paquet pour l&apos;assistance (*.zip)</translation>
    </message>
    <message>
        <source>Create Support Bundle</source>
        <translation>Créer un paquet pour l&apos;assistance</translation>
    </message>
    <message>
        <source>Save one zip file for support: versions, system, serial devices, settings, serial trace and recent service history
Create Support Bundle</source>
        <translation>Enregistrer un fichier zip pour l&apos;assistance : versions, système, périphériques série, paramètres, trace série et historique des interventions récent
Créer un paquet pour l&apos;assistance</translation>
    </message>
    <message>
        <source>the cable was unplugged during the operation</source>
        <translation>le câble a été débranché pendant l&apos;opération</translation>
    </message>
    <message>
        <source>The cable was unplugged during the operation.</source>
        <translation>Le câble a été débranché pendant l&apos;opération.</translation>
    </message>
    <message>
        <source>%s now stands for %s (%s).</source>
        <translation>%s désigne maintenant %s (%s).</translation>
    </message>
    <message>
        <source>Find Cable stopped: nothing was stored.</source>
        <translation>Recherche du câble arrêtée : rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Radio ID</source>
        <translation>ID de la radio</translation>
    </message>
    <message>
        <source>%s, ID %s</source>
        <translation>%s, ID %s</translation>
    </message>
    <message>
        <source>A radio with the ID %s was programmed before in this run.</source>
        <translation>Une radio portant l&apos;ID %s a déjà été programmée au cours de cette session.</translation>
    </message>
    <message>
        <source>A radio ID is one line of up to %d characters: scan or type it again.</source>
        <translation>Un ID de radio tient sur une ligne de %d caractères au plus : scannez-le ou saisissez-le à nouveau.</translation>
    </message>
    <message>
        <source>Ask for the radio&apos;s ID before each operation, to keep it in the service history
Ask For Radio ID</source>
        <translation>Demander l&apos;ID de la radio avant chaque opération, pour le conserver dans l&apos;historique des interventions
Demander l&apos;ID de la radio</translation>
    </message>
    <message>
        <source>The radio&apos;s serial number or asset tag (type it, or scan its label):</source>
        <translation>Numéro de série ou d&apos;inventaire de la radio (saisissez-le ou scannez son étiquette) :</translation>
    </message>
    <message>
        <source>%s, radio ID %s</source>
        <translation>%s, ID de la radio %s</translation>
    </message>
    <message>
        <source>Radio %d: scan or type its ID, then connect it:</source>
        <translation>Radio %d : scannez ou saisissez son ID, puis connectez-la :</translation>
    </message>
    <message>
        <source>Ask for each radio&apos;s &amp;ID before it is connected</source>
        <translation>Demander l&apos;ID de chaque radio avant de la co&amp;nnecter</translation>
    </message>
    <message>
        <source>Bench</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>this program has no driver for PostgreSQL servers</source>
        <translation>ce programme n&apos;a pas de pilote pour les serveurs PostgreSQL</translation>
    </message>
    <message>
        <source>its tables are of an older form (version %d), which this login may not bring up to date: connect once with the login that owns them</source>
        <translation>ses tables ont une forme plus ancienne (version %d) que cet identifiant n&apos;a pas le droit de mettre à jour : connectez-vous une fois avec l&apos;identifiant qui en est propriétaire</translation>
    </message>
    <message>
        <source>it has no tables yet, and this login may not make them: connect once with the login that owns the database</source>
        <translation>il n&apos;a pas encore de tables, et cet identifiant n&apos;a pas le droit de les créer : connectez-vous une fois avec l&apos;identifiant propriétaire de la base</translation>
    </message>
    <message>
        <source>The depot&apos;s address holds a password. Keep the password in PostgreSQL&apos;s password file (~/.pgpass, or the file PGPASSFILE names) or in a service file instead.</source>
        <translation>L&apos;adresse du dépôt contient un mot de passe. Placez plutôt le mot de passe dans le fichier de mots de passe de PostgreSQL (~/.pgpass, ou le fichier que nomme PGPASSFILE) ou dans un fichier de service.</translation>
    </message>
    <message>
        <source>The depot&apos;s record %s could not be used:
%s</source>
        <translation>L&apos;historique du dépôt %s n&apos;a pas pu être utilisé :
%s</translation>
    </message>
    <message>
        <source>%d uploaded, %d waiting</source>
        <translation>%d uploaded, %d waiting</translation>
    </message>
    <message>
        <source>Entry %s (bench %s, its entry %s) was changed after it was sent: its values no longer give its hash.</source>
        <translation>L&apos;entrée %s (poste %s, son entrée %s) a été modifiée après son envoi : ses valeurs ne donnent plus son hachage.</translation>
    </message>
    <message>
        <source>Before entry %s (bench %s, its entry %s) an entry was removed or changed: its link does not follow the one before it.</source>
        <translation>Avant l&apos;entrée %s (poste %s, son entrée %s), une entrée a été supprimée ou modifiée : son maillon ne suit pas le précédent.</translation>
    </message>
    <message>
        <source>This bench sent its entry %s, but the depot&apos;s record no longer holds it.</source>
        <translation>Ce poste a envoyé son entrée %s, mais l&apos;historique du dépôt ne la contient plus.</translation>
    </message>
    <message>
        <source>The depot&apos;s record holds %s entries (benches: %d); every bench&apos;s chain is whole.</source>
        <translation>L&apos;historique du dépôt contient %s entrées (postes : %d) ; la chaîne de chaque poste est complète.</translation>
    </message>
    <message>
        <source>The depot&apos;s record holds %s entries (benches: %d). Faults found: %d.</source>
        <translation>L&apos;historique du dépôt contient %s entrées (postes : %d). Défauts trouvés : %d.</translation>
    </message>
    <message>
        <source>No depot&apos;s record is set: give --history-server URI, or set History/Server.</source>
        <translation>Aucun historique de dépôt n&apos;est défini : indiquez --history-server URI, ou définissez History/Server.</translation>
    </message>
    <message>
        <source>Entry %s (bench %s, its entry %s) is the first the record holds of its bench, but it follows another: earlier entries were removed.</source>
        <translation>L&apos;entrée %s (poste %s, son entrée %s) est la première de son poste dans l&apos;historique du dépôt, mais elle en suit une autre : des entrées antérieures ont été supprimées.</translation>
    </message>
    <message>
        <source>Depot: all entries sent</source>
        <translation>Dépôt : toutes les entrées envoyées</translation>
    </message>
    <message>
        <source>&amp;Depot&apos;s record (PostgreSQL URI):</source>
        <translation>Historique du &amp;dépôt (URI PostgreSQL) :</translation>
    </message>
    <message>
        <source>Bench &amp;name:</source>
        <translation>&amp;Nom du poste :</translation>
    </message>
    <message>
        <source>&amp;Send Now</source>
        <translation>En&amp;voyer maintenant</translation>
    </message>
    <message>
        <source>Entries waiting to be sent to the depot&apos;s record: %s.</source>
        <translation>Entrées en attente d&apos;envoi vers l&apos;historique du dépôt : %s.</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>Affic&amp;her :</translation>
    </message>
    <message>
        <source>This Computer</source>
        <translation>Cet ordinateur</translation>
    </message>
    <message>
        <source>All Benches</source>
        <translation>Tous les postes</translation>
    </message>
    <message>
        <source>Job Sheet</source>
        <translation>Fiche d&apos;intervention</translation>
    </message>
    <message>
        <source>Fleet run %s</source>
        <translation>Session de programmation %s</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>Technicien</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Vérifié</translation>
    </message>
    <message>
        <source>Yes: read back from the option board and found the same</source>
        <translation>Oui : relus dans la carte option et trouvés identiques</translation>
    </message>
    <message>
        <source>No: not read back</source>
        <translation>Non : pas relus</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Fichier de paramètres</translation>
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
        <translation>Début</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Radios</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Technician&apos;s signature</source>
        <translation>Signature du technicien</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>Page %d sur %d</translation>
    </message>
    <message>
        <source>The job sheet was written to %s.</source>
        <translation>La fiche d&apos;intervention a été écrite dans %s.</translation>
    </message>
    <message>
        <source>The job sheet could not be written: %s</source>
        <translation>Impossible d&apos;écrire la fiche d&apos;intervention : %s</translation>
    </message>
    <message>
        <source>Export &amp;Job Sheet...</source>
        <translation>Exporter la fiche d&apos;&amp;intervention...</translation>
    </message>
    <message>
        <source>Export Job Sheet</source>
        <translation>Exporter la fiche d&apos;intervention</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Entry %s is one radio of fleet run %s. Put every radio of the run on the job sheet?
No puts this entry on it alone.</source>
        <translation>L&apos;entrée %s est une radio de la session de programmation %s. Mettre toutes les radios de la session sur la fiche d&apos;intervention ?
Non n&apos;y met que cette entrée.</translation>
    </message>
    <message>
        <source>job-sheet-entry-%s.pdf</source>
        <translation>fiche-intervention-entree-%s.pdf</translation>
    </message>
    <message>
        <source>job-sheet-run-%s.pdf</source>
        <translation>fiche-intervention-session-%s.pdf</translation>
    </message>
    <message>
        <source>The service history no longer holds fleet run %s.</source>
        <translation>L&apos;historique des interventions ne contient plus la session de programmation %s.</translation>
    </message>
    <message>
        <source>Depot: entries waiting: %d</source>
        <translation>Dépôt : entrées en attente : %d</translation>
    </message>
    <message>
        <source>Depot: not reached, entries waiting: %d</source>
        <translation>Dépôt : injoignable, entrées en attente : %d</translation>
    </message>
    <message>
        <source>The depot&apos;s address &quot;%s&quot; cannot be read: give a PostgreSQL connection URI (postgresql://user@host/database) or key=value pairs, without &apos;;&apos;.</source>
        <translation>L&apos;adresse du dépôt « %s » est illisible : indiquez une URI de connexion PostgreSQL (postgresql://utilisateur@hôte/base) ou des paires clé=valeur, sans « ; ».</translation>
    </message>
    <message>
        <source>The entries are kept on this computer and not sent to the depot&apos;s record.</source>
        <translation>Les entrées restent sur cet ordinateur et ne sont pas envoyées à l&apos;historique du dépôt.</translation>
    </message>
    <message>
        <source>The depot&apos;s record holds this bench&apos;s entry %s (as its entry %s) otherwise than it was sent.</source>
        <translation>L&apos;historique du dépôt contient l&apos;entrée %s de ce poste (comme son entrée %s) autrement qu&apos;elle a été envoyée.</translation>
    </message>
    <message>
        <source>Reading the depot&apos;s record...</source>
        <translation>Lecture de l&apos;historique du dépôt...</translation>
    </message>
    <message>
        <source>The newest %s of %s matching</source>
        <translation>Les %s plus récentes sur %s correspondantes</translation>
    </message>
    <message>
        <source>Reading the entry from the depot&apos;s record...</source>
        <translation>Lecture de l&apos;entrée dans l&apos;historique du dépôt...</translation>
    </message>
    <message>
        <source>The depot&apos;s record could not be read.</source>
        <translation>L&apos;historique du dépôt n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>Radio &amp;ID is:</source>
        <translation>ID de &amp;la radio :</translation>
    </message>
</context>
</TS>
