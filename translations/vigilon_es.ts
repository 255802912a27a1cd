<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Cli</name>
    <message>
        <source>usage: vigilon-oss-cli [--port COMn | --device PATH] [--yes] [--lab] [--json] [--language LANG] COMMAND [ARGS]
</source>
        <translation>uso: vigilon-oss-cli [--port COMn | --device PATH] [--yes] [--lab] [--json] [--language LANG] COMMAND [ARGS]
</translation>
    </message>
    <message>
        <source>--language takes en, de, fr or es</source>
        <translation>--language admite en, de, fr o es</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se ha indicado ningún comando</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando desconocido «%1»</translation>
    </message>
    <message>
        <source>--board belongs to diff</source>
        <translation>--board solo se usa con diff</translation>
    </message>
    <message>
        <source>--all belongs to ports</source>
        <translation>--all solo se usa con ports</translation>
    </message>
    <message>
        <source>%1 needs two FILE arguments</source>
        <translation>%1 necesita dos argumentos FILE</translation>
    </message>
    <message>
        <source>%1 needs a FILE argument</source>
        <translation>%1 necesita un argumento FILE</translation>
    </message>
    <message>
        <source>too many arguments for %1</source>
        <translation>demasiados argumentos para %1</translation>
    </message>
    <message>
        <source>%1 is a lab-mode command: add --lab</source>
        <translation>%1 es un comando del modo de laboratorio: añada --lab</translation>
    </message>
    <message>
        <source>give --port or --device, not both</source>
        <translation>indique --port o --device, no ambos</translation>
    </message>
    <message>
        <source>--port takes COM1, COM2, COM3 or COM4</source>
        <translation>--port admite COM1, COM2, COM3 o COM4</translation>
    </message>
    <message>
        <source>--device needs a path</source>
        <translation>--device necesita una ruta</translation>
    </message>
    <message>
        <source>only fleet takes more than one --port or --device</source>
        <translation>solo fleet admite más de un --port o --device</translation>
    </message>
    <message>
        <source>fleet takes at most %1 ports</source>
        <translation>fleet admite como máximo %1 puertos</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 se ha indicado dos veces</translation>
    </message>
    <message>
        <source>--count and --report belong to fleet</source>
        <translation>--count y --report solo se usan con fleet</translation>
    </message>
    <message>
        <source>--count takes a number of radios</source>
        <translation>--count necesita un número de radios</translation>
    </message>
    <message>
        <source>cannot write the trace file &apos;%1&apos;</source>
        <translation>no se puede escribir el archivo de traza «%1»</translation>
    </message>
    <message>
        <source>give --csv or --json, not both</source>
        <translation>indique --csv o --json, no ambos</translation>
    </message>
    <message>
        <source>--since and --until take a date (2026-12-09) or a time (2026-12-09T14:30)</source>
        <translation>--since y --until admiten una fecha (2026-12-09) o una fecha y hora (2026-12-09T14:30)</translation>
    </message>
    <message>
        <source>--radio, --since, --until, --failed and --csv belong to history</source>
        <translation>--radio, --since, --until, --failed y --csv solo se usan con history</translation>
    </message>
    <message>
        <source>%1 and %2 are the same device (%3): give only one of them</source>
        <translation>%1 y %2 son el mismo dispositivo (%3): indica solo uno de ellos</translation>
    </message>
    <message>
        <source>find-cable takes --port COMn, not --device</source>
        <translation>find-cable admite --port COMn, no --device</translation>
    </message>
    <message>
        <source>read the board&apos;s settings and save them to the data file FILE
(and a backup of them; --no-backup skips it)</source>
        <translation>lee los parámetros de la placa y los guarda en el archivo de
datos FILE (y una copia de seguridad; --no-backup la omite)</translation>
    </message>
    <message>
        <source>program the board with the settings of the data file FILE</source>
        <translation>programa la placa con los parámetros del archivo de datos
FILE</translation>
    </message>
    <message>
        <source>show the board&apos;s type, revisions, codeplug version and remarks</source>
        <translation>muestra el tipo, las revisiones, la versión de codeplug y
las observaciones de la placa</translation>
    </message>
    <message>
        <source>check the connection link by link: port, cable, radio, board,
codeplug version; one line per stage, stops at the first failure</source>
        <translation>comprueba la conexión eslabón a eslabón: puerto, cable,
radio, placa, versión de codeplug; una línea por etapa, se
detiene en el primer fallo</translation>
    </message>
    <message>
        <source>calibrate the accelerometer (needs --lab)</source>
        <translation>calibra el acelerómetro (requiere --lab)</translation>
    </message>
    <message>
        <source>export the board&apos;s calibration data to FILE (needs --lab)</source>
        <translation>exporta los datos de calibración de la placa a FILE
(requiere --lab)</translation>
    </message>
    <message>
        <source>check an exported calibration data file, print each column&apos;s
minimum, maximum and mean</source>
        <translation>comprueba un archivo de datos de calibración exportado y
muestra el mínimo, el máximo y la media de cada columna</translation>
    </message>
    <message>
        <source>show the settings kept in the data file FILE</source>
        <translation>muestra los parámetros guardados en el archivo de datos
FILE</translation>
    </message>
    <message>
        <source>list the serial ports COM1..COM4 present, with their devices

list every serial device: path, stable path, the ports that
stand for it, kind (cable, usb, serial) and description</source>
        <extracomment>One paragraph per form: ports, then ports --all.</extracomment>
        <translation>lista los puertos serie COM1..COM4 presentes, con sus
dispositivos

lista todos los dispositivos serie: ruta, ruta estable, los
puertos que le corresponden, tipo (cable, usb, serie) y
descripción</translation>
    </message>
    <message>
        <source>list the backups of board settings, newest first</source>
        <translation>lista las copias de seguridad de los parámetros de placas,
las más recientes primero</translation>
    </message>
    <message>
        <source>show the settings that differ between data files A and B

show the settings that differ between data file A and the board</source>
        <extracomment>One paragraph per form: diff A B, then diff A --board.</extracomment>
        <translation>muestra los parámetros que difieren entre los archivos de
datos A y B

muestra los parámetros que difieren entre el archivo de
datos A y la placa</translation>
    </message>
    <message>
        <source>write the data file&apos;s settings as text (to OUT or the terminal)</source>
        <translation>escribe los parámetros del archivo de datos como texto
(en OUT o en el terminal)</translation>
    </message>
    <message>
        <source>make the data file OUT from a text made by to-text</source>
        <translation>crea el archivo de datos OUT a partir de un texto creado
con to-text</translation>
    </message>
    <message>
        <source>find the programming cable: unplug it and plug it in again
when asked; the port (--port, default: the configured one)
then stands for it, kept by its stable path</source>
        <translation>buscar el cable de programación: desconectarlo y volver a
conectarlo cuando se pida; el puerto (--port, por defecto:
el configurado) corresponde luego a ese cable, guardado por
su ruta estable</translation>
    </message>
    <message>
        <source>program radio after radio with the settings of FILE: waits for
each radio, writes it, reports it, waits until it is unplugged;
with several --port (or --device) options, on all at once</source>
        <translation>programa una radio tras otra con los parámetros de FILE:
espera cada radio, la escribe, la anota en el informe y
espera a que se desconecte; con varias opciones --port (o
--device), en todos los puertos a la vez</translation>
    </message>
    <message>
        <source>Reads, writes and inspects the Vigilon man down option board through the radio
on a serial port.

commands:
</source>
        <translation>Lee, escribe y examina la placa opcional de hombre caído Vigilon a través de la
radio en un puerto serie.

comandos:
</translation>
    </message>
    <message>
        <source>--json belongs to %1 and %2</source>
        <translation>--json solo se usa con %1 y %2</translation>
    </message>
    <message>
        <source>write one zip file for support: versions, system, serial
devices, what keeps each port from opening, the settings
(no passwords), the last 50 service history entries and
the trace file TRACE of an earlier --trace</source>
        <translation>escribe un archivo zip para el servicio de asistencia:
versiones, sistema, dispositivos serie, lo que impide abrir
cada puerto, la configuración (sin contraseñas), las 50
últimas entradas del historial de servicio y el archivo de
traza TRACE de un --trace anterior</translation>
    </message>
    <message>
        <source>--radio-id belongs to the commands that talk to one radio, and to history</source>
        <translation>--radio-id corresponde a los comandos que se comunican con una radio, y a history</translation>
    </message>
    <message>
        <source>--radio-id takes the radio&apos;s serial number or asset tag: up to %1 characters of one line</source>
        <translation>--radio-id espera el número de serie o de inventario de la radio: hasta %1 caracteres en una línea</translation>
    </message>
    <message>
        <source>--ask-radio-id belongs to fleet</source>
        <translation>--ask-radio-id corresponde a fleet</translation>
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
        <translation>opciones:
  --port COMn       el puerto serie (predeterminado: el puerto configurado en la
                    interfaz gráfica)
  --device PATH     un dispositivo serie que se usa directamente en lugar de un
                    puerto (fleet: repita --port o --device para hasta 8
                    puertos)
  --yes             responde sí a las preguntas de confirmación
  --lab             modo de laboratorio: permite calibrate y read-cal
  --verify          write: vuelve a leer los parámetros y los compara
  --backup-first    write: hace una copia de seguridad de los parámetros de la
                    placa antes de escribir
  --no-backup       read: no guarda ninguna copia de seguridad de los
                    parámetros leídos
  --board           diff: compara con los parámetros de la placa
  --count N         fleet: se detiene tras N radios por puerto (predeterminado:
                    hasta Ctrl+C)
  --report CSV      fleet: añade una fila por radio al archivo CSV
  --radio TEXT      history: las entradas de las radios cuyo texto empieza por
                    TEXT
  --board TEXT      history: las entradas cuyo tipo de placa, revisiones o
                    versión de codeplug contienen TEXT
  --since DATE      history: las entradas a partir de DATE (2026-12-09, o una
                    hora local 2026-12-09T14:30, o una hora UTC terminada en Z)
  --until DATE      history: las entradas hasta DATE (si es una fecha: todo ese
                    día)
  --failed          history: solo las entradas que no terminaron correctamente
  --csv             history: las entradas como CSV, las más antiguas primero,
                    con sus parámetros y mensajes
  --no-history      no añade ninguna entrada al historial de servicio (trabajo
                    de prueba)
  --trace FILE      escribe en FILE cada byte enviado y recibido, las tramas,
                    las pausas y los mensajes a medida que se producen, para el
                    servicio de asistencia (varios puertos: cada línea empieza
                    por su puerto entre corchetes)
  --json            %1:
                    en su lugar, imprime un único documento JSON en la salida
                    estándar, con los errores como
                    {&quot;error&quot;: {&quot;id&quot;: N, &quot;text&quot;: ...}}; fleet lo imprime al
                    terminar la ejecución y sus líneas van a la salida de
                    error estándar
  --language LANG   el idioma de los mensajes: en, de, fr o es (predeterminado:
                    LANGUAGE; si no, el elegido en la interfaz gráfica; si no,
                    el del sistema)
  --help            este texto
  --version         la versión del programa
</translation>
    </message>
    <message>
        <source>Exit status: 0 when the command did all it was asked and every check passed,
1 when it failed, 2 for usage errors.
fleet: 0 when every radio was programmed, 1 otherwise (also when a port never
opened in a run until Ctrl+C).
diff: 0 when equal, 1 when different, 2 on trouble.
</source>
        <translation>Estado de salida: 0 cuando el comando ha hecho todo lo que se le ha pedido y se
han superado todas las comprobaciones, 1 cuando ha fallado, 2 para errores de
uso.
fleet: 0 cuando se han programado todas las radios, 1 en caso contrario
(también cuando un puerto no llegó a abrirse en una ejecución hasta Ctrl+C).
diff: 0 si son iguales, 1 si son distintos, 2 si hay problemas.
</translation>
    </message>
    <message>
        <source>fleet asks for each radio&apos;s ID: give --ask-radio-id instead of --radio-id</source>
        <translation>fleet pide el ID de cada radio: indique --ask-radio-id en lugar de --radio-id</translation>
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
                    el número de serie o de inventario de la radio, guardado
                    con la operación en el historial de servicio; history:
                    las entradas de la radio con este ID
  --ask-radio-id    fleet: pedir el ID de cada radio antes de programarla
                    (escanearlo o escribirlo, y luego conectar la radio)
</translation>
    </message>
    <message>
        <source>history takes no arguments, show and an entry&apos;s number, sync or verify</source>
        <translation>history no admite argumentos, o bien show y el número de una entrada, sync o verify</translation>
    </message>
    <message>
        <source>--all-benches belongs to the history&apos;s lists and show</source>
        <translation>--all-benches corresponde a las listas del historial y a show</translation>
    </message>
    <message>
        <source>--history-server takes a PostgreSQL connection URI</source>
        <translation>--history-server requiere una URI de conexión de PostgreSQL</translation>
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
                    el historial del depósito en un servidor PostgreSQL, como
                    URI de conexión (postgresql://usuario@host/base): cada
                    entrada se envía también allí, y history sync, history
                    verify y --all-benches lo leen (por defecto: el ajuste
                    History/Server); la contraseña va en ~/.pgpass, nunca
                    en la URI
  --all-benches     history: lista o muestra el historial del depósito, las
                    entradas de todos los puestos, en lugar del de este equipo
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
        <translation>lista el historial de servicio, lo más reciente primero:
cada operación en una radio con su hora, resultado, puerto,
radio, placa y usuario

muestra una entrada completa: sus mensajes, los parámetros
leídos y escritos (en forma de texto) y lo que cambió una
escritura

envía ahora las entradas que esperan al historial del depósito
y muestra &quot;N uploaded, M waiting&quot; (1 mientras haya entradas
en espera)

comprueba la cadena de cada puesto en el historial del depósito
y que contenga lo que envió este puesto (1 ante cualquier fallo)</translation>
    </message>
    <message>
        <source>  --pdf FILE        history show ID: write the entry&apos;s job sheet to FILE as a
                    PDF (radio, board, settings written, verified, technician,
                    bench, time) instead of printing the entry
  --job-sheet FILE  fleet: write the run&apos;s job sheet to FILE as a PDF once the
                    run has ended: the settings file and its SHA-256, ports,
                    times, the settings written and a row per radio
</source>
        <translation>  --pdf FILE        history show ID: escribir el parte de trabajo de la entrada
                    en FILE como PDF (radio, placa, parámetros escritos,
                    verificación, técnico, puesto, hora) en lugar de mostrar
                    la entrada
  --job-sheet FILE  fleet: al terminar la programación, escribir su parte de
                    trabajo en FILE como PDF: el archivo de parámetros y su
                    SHA-256, los puertos, las horas, los parámetros escritos y
                    una fila por radio
</translation>
    </message>
    <message>
        <source>--pdf belongs to history show</source>
        <translation>--pdf corresponde a history show</translation>
    </message>
    <message>
        <source>--job-sheet belongs to fleet</source>
        <translation>--job-sheet corresponde a fleet</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Open	Ctrl+O</source>
        <translation>&amp;Abrir	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Guardar	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Guardar &amp;como</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>Abrir co&amp;pia de seguridad...</translation>
    </message>
    <message>
        <source>Co&amp;mpare With File...</source>
        <translation>Co&amp;mparar con archivo...</translation>
    </message>
    <message>
        <source>&amp;Read Option Board	Ctrl+R</source>
        <translation>&amp;Leer placa opcional	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Write Option Board	Ctrl+W</source>
        <translation>&amp;Escribir placa opcional	Ctrl+W</translation>
    </message>
    <message>
        <source>Read &amp;Calibration Data</source>
        <translation>Leer &amp;datos de calibración</translation>
    </message>
    <message>
        <source>&amp;View Calibration Data...</source>
        <translation>&amp;Ver datos de calibración...</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Archivos recientes</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit Data...</source>
        <translation>&amp;Editar datos...</translation>
    </message>
    <message>
        <source>&amp;Info...</source>
        <translation>&amp;Información...</translation>
    </message>
    <message>
        <source>C&amp;heck Connection...</source>
        <translation>Comprobar co&amp;nexión...</translation>
    </message>
    <message>
        <source>Program &amp;Several Radios...</source>
        <translation>Programar &amp;varias radios...</translation>
    </message>
    <message>
        <source>&amp;Calibrate...</source>
        <translation>&amp;Calibrar...</translation>
    </message>
    <message>
        <source>&amp;Configuration...</source>
        <translation>&amp;Configuración...</translation>
    </message>
    <message>
        <source>&amp;Verify After Write</source>
        <translation>&amp;Verificar tras escribir</translation>
    </message>
    <message>
        <source>&amp;Back Up Before Write</source>
        <translation>Co&amp;pia de seguridad antes de escribir</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Idioma...</translation>
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
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>Settings S&amp;ummary</source>
        <translation>&amp;Resumen de parámetros</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>Save Serial &amp;Trace...</source>
        <translation>&amp;Guardar traza serie...</translation>
    </message>
    <message>
        <source>&amp;About Vigilon OSS...</source>
        <translation>&amp;Acerca de Vigilon OSS...</translation>
    </message>
    <message>
        <source>Service &amp;History...</source>
        <translation>&amp;Historial de servicio...</translation>
    </message>
    <message>
        <source>Create Support &amp;Bundle...</source>
        <translation>Crear &amp;paquete para asistencia...</translation>
    </message>
    <message>
        <source>Ask For &amp;Radio ID</source>
        <translation>Pedir el I&amp;D de la radio</translation>
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
        <translation>Versión:  R01.01.01,  11.Jan.2001</translation>
    </message>
    <message>
        <source>Copyright (C) Ardentec. All rights reserved.</source>
        <translation>Copyright (C) Ardentec. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Option Board Type</source>
        <translation>Tipo de placa opcional</translation>
    </message>
    <message>
        <source>Hardware Revision</source>
        <translation>Revisión de hardware</translation>
    </message>
    <message>
        <source>Software Version</source>
        <translation>Versión de software</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Versión de codeplug</translation>
    </message>
    <message>
        <source>WARNING !
The accelerometer sensor is already calibrated in the factory.
An initial calibration is not needed.
If you really want to calibrate the accelerometer, follow the instructions below:</source>
        <translation>¡ADVERTENCIA!
El acelerómetro ya viene calibrado de fábrica.
No es necesaria una calibración inicial.
Si realmente desea calibrar el acelerómetro, siga estas instrucciones:</translation>
    </message>
    <message>
        <source>4. When you are prompted turn the radio very slowly for at least 360 degrees.</source>
        <translation>4. Cuando se le indique, gire la radio muy lentamente al menos 360 grados.</translation>
    </message>
    <message>
        <source>1. Place the radio in the vertical positon.</source>
        <translation>1. Coloque la radio en posición vertical.</translation>
    </message>
    <message>
        <source>2. Make sure that the radio with the connected programming cable can now be
    turned arround for at least 360 degrees.</source>
        <translation>2. Asegúrese de que la radio, con el cable de programación conectado,
    puede girar ahora al menos 360 grados.</translation>
    </message>
    <message>
        <source>3. Press the OK button.</source>
        <translation>3. Pulse el botón Aceptar.</translation>
    </message>
    <message>
        <source>Reading the accelerometer calibration data will take about 20 minutes.</source>
        <translation>Leer los datos de calibración del acelerómetro tardará unos 20 minutos.</translation>
    </message>
    <message>
        <source>Are you sure you want to do this ?</source>
        <translation>¿Seguro que desea hacerlo?</translation>
    </message>
    <message>
        <source>About Vigilon OSS</source>
        <translation>Acerca de Vigilon OSS</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Edit Option Board Data</source>
        <translation>Editar datos de la placa opcional</translation>
    </message>
    <message>
        <source>Option Board Information</source>
        <translation>Información de la placa opcional</translation>
    </message>
    <message>
        <source>Option Board Calibration</source>
        <translation>Calibración de la placa opcional</translation>
    </message>
    <message>
        <source>Read the Accelerometer Calibration Data</source>
        <translation>Leer los datos de calibración del acelerómetro</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Serial Port:</source>
        <translation>Puerto &amp;serie:</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>Ca&amp;ncelar</translation>
    </message>
    <message>
        <source>Man &amp;Down Alarm</source>
        <translation>Alarma de hombre caí&amp;do</translation>
    </message>
    <message>
        <source>&amp;Pre Alert Time (s)</source>
        <translation>Tiempo de &amp;prealerta (s)</translation>
    </message>
    <message>
        <source>&amp;Alert Time (s)</source>
        <translation>Tiemp&amp;o de alerta (s)</translation>
    </message>
    <message>
        <source>Activation An&amp;gle</source>
        <translation>Án&amp;gulo de activación</translation>
    </message>
    <message>
        <source>Anti-Mo&amp;vement Alarm</source>
        <translation>Alarma de inmo&amp;vilidad</translation>
    </message>
    <message>
        <source>P&amp;re Alert Time (s)</source>
        <translation>Tiempo de p&amp;realerta (s)</translation>
    </message>
    <message>
        <source>A&amp;lert Time (s)</source>
        <translation>Tiempo de a&amp;lerta (s)</translation>
    </message>
    <message>
        <source>&amp;Sensor Sensitivity</source>
        <translation>&amp;Sensibilidad del sensor</translation>
    </message>
    <message>
        <source>&amp;Movement Alarm</source>
        <translation>Alarma de &amp;movimiento</translation>
    </message>
    <message>
        <source>Pr&amp;e Alert Time (s)</source>
        <translation>Tiempo de pr&amp;ealerta (s)</translation>
    </message>
    <message>
        <source>Alert &amp;Time (s)</source>
        <translation>&amp;Tiempo de alerta (s)</translation>
    </message>
    <message>
        <source>Alert E&amp;nable</source>
        <translation>&amp;Habilitar alerta</translation>
    </message>
    <message>
        <source>Alert Repeat Ena&amp;ble</source>
        <translation>Ha&amp;bilitar repetición de alerta</translation>
    </message>
    <message>
        <source>Alert Repeat T&amp;ime (s)</source>
        <translation>T&amp;iempo de repetición de alerta (s)</translation>
    </message>
    <message>
        <source>Cloc&amp;k Shift</source>
        <translation>Desplazamiento de relo&amp;j</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Vendor Remarks:</source>
        <translation>&amp;Observaciones del fabricante:</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Reading the accelerometer calibration data...
Stop (Esc) ends the read-out.</source>
        <translation>Leyendo los datos de calibración del acelerómetro...
Detener (Esc) finaliza la lectura.</translation>
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
        <translation>Lectura de una placa opcional</translation>
    </message>
    <message>
        <source>Programming an option board</source>
        <translation>Programación de una placa opcional</translation>
    </message>
    <message>
        <source>Editing the settings</source>
        <translation>Edición de los parámetros</translation>
    </message>
    <message>
        <source>Option board data files</source>
        <translation>Archivos de datos de placa opcional</translation>
    </message>
    <message>
        <source>Option board information</source>
        <translation>Información de la placa opcional</translation>
    </message>
    <message>
        <source>Choosing the serial port</source>
        <translation>Elección del puerto serie</translation>
    </message>
    <message>
        <source>Calibration (lab mode)</source>
        <translation>Calibración (modo de laboratorio)</translation>
    </message>
    <message>
        <source>When something goes wrong</source>
        <translation>Cuando algo sale mal</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The serial port %s could not be opened.
It may be in use by another program.</source>
        <translation>No se ha podido abrir el puerto serie %s.
Es posible que otro programa lo esté usando.</translation>
    </message>
    <message>
        <source>Could not open file !</source>
        <translation>¡No se ha podido abrir el archivo!</translation>
    </message>
    <message>
        <source>Invalid checksum or no valid option board file !</source>
        <translation>¡Suma de comprobación no válida o archivo de placa opcional no válido!</translation>
    </message>
    <message>
        <source>Option board file is write protected or disk is full !</source>
        <translation>¡El archivo de placa opcional está protegido contra escritura o el disco está lleno!</translation>
    </message>
    <message>
        <source>Option board data checksum error !</source>
        <translation>¡Error de suma de comprobación en los datos de la placa opcional!</translation>
    </message>
    <message>
        <source>Unknown option board detected.
Make sure the correct option board is installed in the radio.</source>
        <translation>Se ha detectado una placa opcional desconocida.
Asegúrese de que la placa opcional correcta está instalada en la radio.</translation>
    </message>
    <message>
        <source>Option Board at %s</source>
        <translation>Placa opcional en %s</translation>
    </message>
    <message>
        <source>No serial port assigned.</source>
        <translation>No hay ningún puerto serie asignado.</translation>
    </message>
    <message>
        <source>Checksum error in received message.</source>
        <translation>Error de suma de comprobación en el mensaje recibido.</translation>
    </message>
    <message>
        <source>Received message too long.</source>
        <translation>Mensaje recibido demasiado largo.</translation>
    </message>
    <message>
        <source>Received message incomplete.</source>
        <translation>Mensaje recibido incompleto.</translation>
    </message>
    <message>
        <source>No response from radio.</source>
        <translation>Sin respuesta de la radio.</translation>
    </message>
    <message>
        <source>NAK received from radio.</source>
        <translation>Se ha recibido un NAK de la radio.</translation>
    </message>
    <message>
        <source>Unexpected response from radio.</source>
        <translation>Respuesta inesperada de la radio.</translation>
    </message>
    <message>
        <source>Operation not supported by this radio.</source>
        <translation>Esta radio no admite la operación.</translation>
    </message>
    <message>
        <source>No response from option board.
Make sure the correct option board is installed in the radio
and the radio&apos;s codeplug is programmed for this option board.</source>
        <translation>Sin respuesta de la placa opcional.
Asegúrese de que la placa opcional correcta está instalada en la radio
y de que el codeplug de la radio está programado para esta placa opcional.</translation>
    </message>
    <message>
        <source>Failed to read the option board !</source>
        <translation>¡No se ha podido leer la placa opcional!</translation>
    </message>
    <message>
        <source>Option board successfully read.</source>
        <translation>Placa opcional leída correctamente.</translation>
    </message>
    <message>
        <source>Failed to program the option board !</source>
        <translation>¡No se ha podido programar la placa opcional!</translation>
    </message>
    <message>
        <source>Option board successfully programmed.</source>
        <translation>Placa opcional programada correctamente.</translation>
    </message>
    <message>
        <source>Are you sure you wish to program the option board ?</source>
        <translation>¿Seguro que desea programar la placa opcional?</translation>
    </message>
    <message>
        <source>Failed to calibrate the accelerometer !</source>
        <translation>¡No se ha podido calibrar el acelerómetro!</translation>
    </message>
    <message>
        <source>Accelerometer successfully calibrated.</source>
        <translation>Acelerómetro calibrado correctamente.</translation>
    </message>
    <message>
        <source>Are you really sure you wish to calibrate the accelerometer ?</source>
        <translation>¿Está realmente seguro de que desea calibrar el acelerómetro?</translation>
    </message>
    <message>
        <source>Turn the radio very slowly for at least 360 degrees.
 Press the OK button when done.</source>
        <translation>Gire la radio muy lentamente al menos 360 grados.
 Pulse el botón Aceptar cuando termine.</translation>
    </message>
    <message>
        <source>Unexpected response from the option board.</source>
        <translation>Respuesta inesperada de la placa opcional.</translation>
    </message>
    <message>
        <source>Processed %d bytes of %d bytes.</source>
        <translation>Procesados %d bytes de %d bytes.</translation>
    </message>
    <message>
        <source>Calibration data file is write protected or disk is full !</source>
        <translation>¡El archivo de datos de calibración está protegido contra escritura o el disco está lleno!</translation>
    </message>
    <message>
        <source>Codeplug version not supported by this OSS.
Radio/File codeplug version: %02d . %02d
OSS codeplug version: %02d . %02d</source>
        <translation>Este OSS no admite la versión de codeplug.
Versión de codeplug de la radio/del archivo: %02d . %02d
Versión de codeplug del OSS: %02d . %02d</translation>
    </message>
    <message>
        <source>The data is not valid.
Please enter an integer number between %d and %d.</source>
        <translation>Los datos no son válidos.
Introduzca un número entero entre %d y %d.</translation>
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
        <translation>baja</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>media</translation>
    </message>
    <message>
        <source>high</source>
        <translation>alta</translation>
    </message>
    <message>
        <source>Man Down Alarm</source>
        <translation>Alarma de hombre caído</translation>
    </message>
    <message>
        <source>Pre Alert Time (s)</source>
        <translation>Tiempo de prealerta (s)</translation>
    </message>
    <message>
        <source>Alert Time (s)</source>
        <translation>Tiempo de alerta (s)</translation>
    </message>
    <message>
        <source>Activation Angle</source>
        <translation>Ángulo de activación</translation>
    </message>
    <message>
        <source>Anti-Movement Alarm</source>
        <translation>Alarma de inmovilidad</translation>
    </message>
    <message>
        <source>Movement Alarm</source>
        <translation>Alarma de movimiento</translation>
    </message>
    <message>
        <source>Alert Enable</source>
        <translation>Habilitar alerta</translation>
    </message>
    <message>
        <source>Alert Repeat Enable</source>
        <translation>Habilitar repetición de alerta</translation>
    </message>
    <message>
        <source>Alert Repeat Time (s)</source>
        <translation>Tiempo de repetición de alerta (s)</translation>
    </message>
    <message>
        <source>Sensor Sensitivity</source>
        <translation>Sensibilidad del sensor</translation>
    </message>
    <message>
        <source>Clock Shift</source>
        <translation>Desplazamiento de reloj</translation>
    </message>
    <message>
        <source>Option Board Type</source>
        <translation>Tipo de placa opcional</translation>
    </message>
    <message>
        <source>Hardware Revision</source>
        <translation>Revisión de hardware</translation>
    </message>
    <message>
        <source>Software Version</source>
        <translation>Versión de software</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Versión de codeplug</translation>
    </message>
    <message>
        <source>Vendor Remarks:</source>
        <translation>Observaciones del fabricante:</translation>
    </message>
    <message>
        <source>on</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>off</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Checksum</source>
        <translation>Suma de comprobación</translation>
    </message>
    <message>
        <source>%d (outside %d to %d)</source>
        <translation>%d (fuera del rango de %d a %d)</translation>
    </message>
    <message>
        <source>Calibration data saved to %s.</source>
        <translation>Datos de calibración guardados en %s.</translation>
    </message>
    <message>
        <source>No serial port found.</source>
        <translation>No se ha encontrado ningún puerto serie.</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Stopped before the operation was complete; the radio has been reset.</source>
        <translation>Detenido antes de completar la operación; la radio se ha reiniciado.</translation>
    </message>
    <message>
        <source>hint: %s</source>
        <translation>sugerencia: %s</translation>
    </message>
    <message>
        <source>No backups in %s.</source>
        <translation>No hay copias de seguridad en %s.</translation>
    </message>
    <message>
        <source>%s could not be written.</source>
        <translation>No se ha podido escribir %s.</translation>
    </message>
    <message>
        <source>%s could not be read.</source>
        <translation>No se ha podido leer %s.</translation>
    </message>
    <message>
        <source>%s is too large to be a settings text (%d KiB or more).</source>
        <translation>%s es demasiado grande para ser un texto de parámetros (%d KiB o más).</translation>
    </message>
    <message>
        <source>%s stands for %s.</source>
        <translation>%s corresponde a %s.</translation>
    </message>
    <message>
        <source>There is no such device: connect the programming cable, or under Options &gt; Configuration choose another port, or the cable&apos;s device for %s (the command line also takes --device PATH).</source>
        <translation>Ese dispositivo no existe: conecte el cable de programación o, en Opciones &gt; Configuración, elija otro puerto o el dispositivo del cable para %s (la línea de comandos también admite --device PATH).</translation>
    </message>
    <message>
        <source>You may not use %s: ask for read and write access to it.</source>
        <translation>No tiene permiso para usar %s: solicite acceso de lectura y escritura.</translation>
    </message>
    <message>
        <source>You may not use %s: it belongs to the group %s. Add yourself to that group (sudo adduser $USER %s), then log out and in again.</source>
        <translation>No tiene permiso para usar %s: pertenece al grupo %s. Añádase a ese grupo (sudo adduser $USER %s) y, a continuación, cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>Another program holds it: close that program (a second copy of this tool counts) and try again.</source>
        <translation>Otro programa lo tiene abierto: cierre ese programa (una segunda instancia de esta herramienta también cuenta) y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>present</source>
        <translation>presente</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>no presente</translation>
    </message>
    <message>
        <source>The option board holds other settings than were written.</source>
        <translation>La placa opcional contiene parámetros distintos de los escritos.</translation>
    </message>
    <message>
        <source>The settings could not be read back: the option board may hold other settings than were written.</source>
        <translation>No se han podido volver a leer los parámetros: es posible que la placa opcional contenga parámetros distintos de los escritos.</translation>
    </message>
    <message>
        <source>Vigilon option board settings. Lines starting with # are comments.</source>
        <translation>Parámetros de la placa opcional Vigilon. Las líneas que empiezan por # son comentarios.</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a setting: write key = value</source>
        <translation>«%s» no es un parámetro: escriba clave = valor</translation>
    </message>
    <message>
        <source>unknown key &apos;%s&apos;</source>
        <translation>clave desconocida «%s»</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is given a second time (first on line %d)</source>
        <translation>«%s» aparece por segunda vez (la primera, en la línea %d)</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a codeplug version: write it as major.minor, for example 01.00</source>
        <translation>«%s» no es una versión de codeplug: escríbala como mayor.menor, por ejemplo 01.00</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a whole number (%s)</source>
        <translation>«%s» no es un número entero (%s)</translation>
    </message>
    <message>
        <source>%s is outside the limits of %s, %d to %d</source>
        <translation>%s está fuera de los límites de %s, de %d a %d</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is missing</source>
        <translation>Falta «%s»</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a supported codeplug version: the major version must be 01 to %02d</source>
        <translation>«%s» no es una versión de codeplug admitida: la versión mayor debe estar entre 01 y %02d</translation>
    </message>
    <message>
        <source>The settings were read, but no backup of them could be kept:
%s</source>
        <translation>Los parámetros se han leído, pero no se ha podido guardar una copia de seguridad:
%s</translation>
    </message>
    <message>
        <source>The read-out was stopped after %d of %d bytes.
The radio has been reset; nothing was saved.</source>
        <translation>La lectura se ha detenido tras %d de %d bytes.
La radio se ha reiniciado; no se ha guardado nada.</translation>
    </message>
    <message>
        <source>not two numbers from 0 to 255 separated by a tab</source>
        <translation>no son dos números de 0 a 255 separados por un tabulador</translation>
    </message>
    <message>
        <source>%d is outside 0 to 255</source>
        <translation>%d está fuera del rango de 0 a 255</translation>
    </message>
    <message>
        <source>the file ends here; calibration data has %d lines</source>
        <translation>el archivo termina aquí; los datos de calibración tienen %d líneas</translation>
    </message>
    <message>
        <source>one line more than the %d lines of calibration data</source>
        <translation>una línea más que las %d líneas de los datos de calibración</translation>
    </message>
    <message>
        <source>Column %d: minimum %d, maximum %d, mean %s</source>
        <translation>Columna %d: mínimo %d, máximo %d, media %s</translation>
    </message>
    <message>
        <source>NoName</source>
        <translation>SinNombre</translation>
    </message>
    <message>
        <source>Vigilon Data Files (*.vgd)</source>
        <translation>Archivos de datos Vigilon (*.vgd)</translation>
    </message>
    <message>
        <source>.vgd</source>
        <translation>.vgd</translation>
    </message>
    <message>
        <source>Vigilon Calibration Data (*.txt)</source>
        <translation>Datos de calibración Vigilon (*.txt)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Archivos recientes</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Option &amp;Board</source>
        <translation>&amp;Placa opcional</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>Tamaño de ventana</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Vigilon OSS Help</source>
        <translation>Ayuda de Vigilon OSS</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <source>No topic contains these words.</source>
        <translation>Ningún tema contiene estas palabras.</translation>
    </message>
    <message>
        <source>The program cannot be closed while it works with the radio.</source>
        <translation>El programa no se puede cerrar mientras trabaja con la radio.</translation>
    </message>
    <message>
        <source>Elapsed %s</source>
        <translation>Transcurrido: %s</translation>
    </message>
    <message>
        <source>Elapsed %s, about %s to go</source>
        <translation>Transcurrido: %s; quedan unos %s</translation>
    </message>
    <message>
        <source>Stopping after the current request...</source>
        <translation>Deteniendo tras la petición en curso...</translation>
    </message>
    <message>
        <source>Reading the option board on %s (%s)...</source>
        <translation>Leyendo la placa opcional en %s (%s)...</translation>
    </message>
    <message>
        <source>Programming the option board on %s (%s)...</source>
        <translation>Programando la placa opcional en %s (%s)...</translation>
    </message>
    <message>
        <source>Reading the option board information on %s (%s)...</source>
        <translation>Leyendo la información de la placa opcional en %s (%s)...</translation>
    </message>
    <message>
        <source>Calibrating the accelerometer on %s (%s)...</source>
        <translation>Calibrando el acelerómetro en %s (%s)...</translation>
    </message>
    <message>
        <source>Reading the calibration data on %s (%s)...</source>
        <translation>Leyendo los datos de calibración en %s (%s)...</translation>
    </message>
    <message>
        <source>No settings loaded.
Read the option board (Ctrl+R) or open a data file (Ctrl+O).</source>
        <translation>No hay parámetros cargados.
Lea la placa opcional (Ctrl+R) o abra un archivo de datos (Ctrl+O).</translation>
    </message>
    <message>
        <source>Settings read from the option board on %s (%s)</source>
        <translation>Parámetros leídos de la placa opcional en %s (%s)</translation>
    </message>
    <message>
        <source>Settings from the file %s</source>
        <translation>Parámetros del archivo %s</translation>
    </message>
    <message>
        <source>Changed since then.</source>
        <translation>Modificados desde entonces.</translation>
    </message>
    <message>
        <source>Unchanged since then.</source>
        <translation>Sin cambios desde entonces.</translation>
    </message>
    <message>
        <source>Not saved to a file.</source>
        <translation>No guardados en un archivo.</translation>
    </message>
    <message>
        <source>Saved as %s.</source>
        <translation>Guardados como %s.</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Abrir copia de seguridad</translation>
    </message>
    <message>
        <source>Backups of the settings read from boards and of calibration read-outs, newest first, kept in %s</source>
        <translation>Copias de seguridad de los parámetros leídos de placas y de las lecturas de calibración, las más recientes primero, guardadas en %s</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>The settings are the same as in %s.</source>
        <translation>Los parámetros son los mismos que en %s.</translation>
    </message>
    <message>
        <source>Calibration Data - %s</source>
        <translation>Datos de calibración - %s</translation>
    </message>
    <message>
        <source>Column %d</source>
        <translation>Columna %d</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Drag across the plot to zoom in, right-click to zoom out.</source>
        <translation>Arrastre sobre el gráfico para ampliar; haga clic con el botón derecho para reducir.</translation>
    </message>
    <message>
        <source>(%lu earlier lines dropped: the trace keeps the last %lu KiB)</source>
        <translation>(%lu líneas anteriores descartadas: la traza conserva los últimos %lu KiB)</translation>
    </message>
    <message>
        <source>Serial Trace (*.txt)</source>
        <translation>Traza serie (*.txt)</translation>
    </message>
    <message>
        <source>There is no serial trace yet. The trace of a command that talks to the radio can be saved once it has run.</source>
        <translation>Todavía no hay traza serie. La traza de un comando que se comunica con la radio se puede guardar una vez ejecutado.</translation>
    </message>
    <message>
        <source>The serial trace could not be saved to %s.</source>
        <translation>No se ha podido guardar la traza serie en %s.</translation>
    </message>
    <message>
        <source>Change the Program Configuration
Configuration</source>
        <translation>Cambiar la configuración del programa
Configuración</translation>
    </message>
    <message>
        <source>Open existing option board data file
Open</source>
        <translation>Abrir un archivo de datos de placa opcional existente
Abrir</translation>
    </message>
    <message>
        <source>Read data from option board
Read</source>
        <translation>Leer los datos de la placa opcional
Leer</translation>
    </message>
    <message>
        <source>Write data to option board
Write</source>
        <translation>Escribir los datos en la placa opcional
Escribir</translation>
    </message>
    <message>
        <source>Show additional information about the option board
Info</source>
        <translation>Mostrar información adicional sobre la placa opcional
Información</translation>
    </message>
    <message>
        <source>Edit option board data
Edit data</source>
        <translation>Editar los datos de la placa opcional
Editar datos</translation>
    </message>
    <message>
        <source>Calibrate option board
Calibrate</source>
        <translation>Calibrar la placa opcional
Calibrar</translation>
    </message>
    <message>
        <source>Save option board data to file
Save</source>
        <translation>Guardar los datos de la placa opcional en un archivo
Guardar</translation>
    </message>
    <message>
        <source>Save the active option board data file with a new name
Save As</source>
        <translation>Guardar el archivo de datos de placa opcional activo con otro nombre
Guardar como</translation>
    </message>
    <message>
        <source>Open this option board data file</source>
        <translation>Abrir este archivo de datos de placa opcional</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostrar información del programa, número de versión y copyright
Acerca de</translation>
    </message>
    <message>
        <source>Quit the Vigilon OSS
Exit</source>
        <translation>Salir de Vigilon OSS
Salir</translation>
    </message>
    <message>
        <source>Display help for current task or command
Help</source>
        <translation>Mostrar la ayuda de la tarea o el comando actual
Ayuda</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Mostrar u ocultar la barra de herramientas
Mostrar/ocultar barra de herramientas</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Mostrar u ocultar la barra de estado
Mostrar/ocultar barra de estado</translation>
    </message>
    <message>
        <source>Open one of the backups of settings read from boards
Open Backup</source>
        <translation>Abrir una de las copias de seguridad de los parámetros leídos de placas
Abrir copia de seguridad</translation>
    </message>
    <message>
        <source>Show how the settings differ from those of a data file
Compare With File</source>
        <translation>Mostrar en qué difieren los parámetros de los de un archivo de datos
Comparar con archivo</translation>
    </message>
    <message>
        <source>Read the settings back after writing them and compare
Verify After Write</source>
        <translation>Volver a leer los parámetros después de escribirlos y compararlos
Verificar tras escribir</translation>
    </message>
    <message>
        <source>Back up the board&apos;s settings before writing new ones
Back Up Before Write</source>
        <translation>Hacer una copia de seguridad de los parámetros de la placa antes de escribir otros nuevos
Copia de seguridad antes de escribir</translation>
    </message>
    <message>
        <source>Show or hide the settings in the main window
Settings Summary</source>
        <translation>Mostrar u ocultar los parámetros en la ventana principal
Resumen de parámetros</translation>
    </message>
    <message>
        <source>Plot an exported calibration data file with its figures
View Calibration Data</source>
        <translation>Representar gráficamente un archivo de datos de calibración exportado, con sus valores estadísticos
Ver datos de calibración</translation>
    </message>
    <message>
        <source>Save what went over the serial line since the program started, for support
Save Serial Trace</source>
        <translation>Guardar lo transmitido por la línea serie desde el inicio del programa, para el servicio de asistencia
Guardar traza serie</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAYÚS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DESPL</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Para obtener ayuda, pulse F1</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
    <message>
        <source>Program every radio connected from now on with these settings, one after the other?</source>
        <translation>¿Programar con estos parámetros, una tras otra, todas las radios que se conecten a partir de ahora?</translation>
    </message>
    <message>
        <source>Radio %d: waiting for a radio on %s...</source>
        <translation>Radio %d: esperando una radio en %s...</translation>
    </message>
    <message>
        <source>Connect the next radio.</source>
        <translation>Conecte la siguiente radio.</translation>
    </message>
    <message>
        <source>Radio %d: programming %s...</source>
        <translation>Radio %d: programando %s...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fallido</translation>
    </message>
    <message>
        <source>Radio %d: %s: %s (%.1f s)</source>
        <translation>Radio %d: %s: %s (%.1f s)</translation>
    </message>
    <message>
        <source>The report %s could not be written.</source>
        <translation>No se ha podido escribir el informe %s.</translation>
    </message>
    <message>
        <source>%d radios programmed, %d failed.</source>
        <translation>%d radios programadas, %d con fallo.</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Hora (UTC)</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Información de la radio</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Program Several Radios</source>
        <translation>Programar varias radios</translation>
    </message>
    <message>
        <source>(the document&apos;s settings)</source>
        <translation>(los parámetros del documento)</translation>
    </message>
    <message>
        <source>There are no settings to program: read or open them first, or choose a data file.</source>
        <translation>No hay parámetros que programar: primero léalos o ábralos, o elija un archivo de datos.</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>hasta que se detenga</translation>
    </message>
    <message>
        <source>(no report)</source>
        <translation>(sin informe)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The calibration data were read, but no copy of them could be kept:
%s</source>
        <translation>Los datos de calibración se han leído, pero no se ha podido guardar una copia:
%s</translation>
    </message>
    <message>
        <source>%s is in the backups folder, where nothing is saved but the backups the program makes itself. Choose a file outside %s.</source>
        <translation>%s está en la carpeta de copias de seguridad, donde solo se guardan las copias de seguridad que hace el propio programa. Elija un archivo fuera de %s.</translation>
    </message>
    <message>
        <source>%s (backup, opened as a copy)</source>
        <translation>%s (copia de seguridad, abierta como copia)</translation>
    </message>
    <message>
        <source>A copy of the calibration data is kept in %s.</source>
        <translation>Se ha guardado una copia de los datos de calibración en %s.</translation>
    </message>
    <message>
        <source>The option board answered the read at address 0x%04X with %d of %d bytes.
The read-out has failed; nothing was saved.</source>
        <translation>La placa opcional ha respondido a la lectura en la dirección 0x%04X con %d de %d bytes.
La lectura ha fallado; no se ha guardado nada.</translation>
    </message>
    <message>
        <source>%s is not a file that can be written: it is a folder, a device, a named pipe or a loop of links.</source>
        <translation>%s no es un archivo en el que se pueda escribir: es una carpeta, un dispositivo, una tubería con nombre o un bucle de enlaces.</translation>
    </message>
    <message>
        <source>%s is write-protected.</source>
        <translation>%s está protegido contra escritura.</translation>
    </message>
    <message>
        <source>%s cannot be written: its folder does not exist or takes no new file.</source>
        <translation>No se puede escribir %s: su carpeta no existe o no admite archivos nuevos.</translation>
    </message>
    <message>
        <source>%s cannot be written: the disk is full.</source>
        <translation>No se puede escribir %s: el disco está lleno.</translation>
    </message>
    <message>
        <source>%s is also the command&apos;s input; choose another file.</source>
        <translation>%s es también la entrada del comando; elija otro archivo.</translation>
    </message>
    <message>
        <source>%s is named for two outputs; choose another file.</source>
        <translation>%s se ha indicado para dos salidas; elija otro archivo.</translation>
    </message>
    <message>
        <source>(%lu earlier operations dropped: the trace keeps the last %lu KiB)</source>
        <translation>(%lu operaciones anteriores descartadas: la traza conserva los últimos %lu KiB)</translation>
    </message>
    <message>
        <source>Not all of the board&apos;s information could be read in full: the fields above may be empty or cut short.</source>
        <translation>No se ha podido leer completa toda la información de la placa: los campos anteriores pueden estar vacíos o incompletos.</translation>
    </message>
    <message>
        <source>The errors above did not stop the command: the answers that followed them passed every check.</source>
        <translation>Los errores anteriores no han detenido el comando: las respuestas posteriores han superado todas las comprobaciones.</translation>
    </message>
    <message>
        <source>%s does not exist.</source>
        <translation>%s no existe.</translation>
    </message>
    <message>
        <source>You may not read %s: ask for read access to it.</source>
        <translation>No tiene permiso para leer %s: solicite acceso de lectura.</translation>
    </message>
    <message>
        <source>%s is a folder, not a file.</source>
        <translation>%s es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>%s is a device or a named pipe, not a file.</source>
        <translation>%s es un dispositivo o una tubería con nombre, no un archivo.</translation>
    </message>
    <message>
        <source>%s is a loop of symbolic links.</source>
        <translation>%s es un bucle de enlaces simbólicos.</translation>
    </message>
    <message>
        <source>Another program holds %s: close that program and try again.</source>
        <translation>Otro programa tiene abierto %s: cierre ese programa y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%s holds no settings this program can use.</source>
        <translation>%s no contiene parámetros que este programa pueda usar.</translation>
    </message>
    <message>
        <source>The serial trace %s could not be written completely.</source>
        <translation>No se ha podido escribir completa la traza serie %s.</translation>
    </message>
    <message>
        <source>Failed: %s</source>
        <translation>Fallido: %s</translation>
    </message>
    <message>
        <source>No serial device found.</source>
        <translation>No se ha encontrado ningún dispositivo serie.</translation>
    </message>
    <message>
        <source>The port %s (%s) opens.</source>
        <translation>El puerto %s (%s) se abre correctamente.</translation>
    </message>
    <message>
        <source>The device %s opens.</source>
        <translation>El dispositivo %s se abre correctamente.</translation>
    </message>
    <message>
        <source>Check Connection</source>
        <translation>Comprobar conexión</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation>Comprobar de &amp;nuevo</translation>
    </message>
    <message>
        <source>Checking the connection on %s (%s)...</source>
        <translation>Comprobando la conexión en %s (%s)...</translation>
    </message>
    <message>
        <source>What is sent comes back: the cable is connected.</source>
        <translation>Lo que se envía vuelve: el cable está conectado.</translation>
    </message>
    <message>
        <source>Nothing came back: the cable is not plugged into the radio, or this is not the programming cable.</source>
        <translation>No ha vuelto nada: el cable no está conectado a la radio o no es el cable de programación.</translation>
    </message>
    <message>
        <source>The radio acknowledges.</source>
        <translation>La radio responde con acuse de recibo.</translation>
    </message>
    <message>
        <source>The radio does not answer: switch it on, and check that it is in programming mode.</source>
        <translation>La radio no responde: enciéndala y compruebe que está en modo de programación.</translation>
    </message>
    <message>
        <source>The radio says: %s</source>
        <translation>La radio indica: %s</translation>
    </message>
    <message>
        <source>The option board answers: %s.</source>
        <translation>La placa opcional responde: %s.</translation>
    </message>
    <message>
        <source>No option board answers: is one fitted?</source>
        <translation>No responde ninguna placa opcional: ¿hay una instalada?</translation>
    </message>
    <message>
        <source>The board&apos;s codeplug version %d.%02d is one this program can use.</source>
        <translation>La versión de codeplug %d.%02d de la placa es compatible con este programa.</translation>
    </message>
    <message>
        <source>The board&apos;s codeplug version %d.%02d is not one this program can use.</source>
        <translation>La versión de codeplug %d.%02d de la placa no es compatible con este programa.</translation>
    </message>
    <message>
        <source>The radio has been reset.</source>
        <translation>La radio se ha reiniciado.</translation>
    </message>
    <message>
        <source>The radio did not acknowledge its reset.</source>
        <translation>La radio no ha confirmado su reinicio.</translation>
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
        <translation>cable</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>&amp;Dispositivo:</translation>
    </message>
    <message>
        <source>%s (built in)</source>
        <translation>%s (predefinido)</translation>
    </message>
    <message>
        <source>Devices &amp;found:</source>
        <translation>Dispositivos &amp;encontrados:</translation>
    </message>
    <message>
        <source>%s: %s</source>
        <translation>%s: %s</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>Find &amp;Cable...</source>
        <translation>Buscar &amp;cable...</translation>
    </message>
    <message>
        <source>Choose the Device of the Port</source>
        <translation>Elegir el dispositivo del puerto</translation>
    </message>
    <message>
        <source>Another device (typed or browsed)</source>
        <translation>Otro dispositivo (escrito o seleccionado)</translation>
    </message>
    <message>
        <source>Find Cable</source>
        <translation>Buscar cable</translation>
    </message>
    <message>
        <source>Unplug the programming cable from this computer now.

If it is not plugged in, plug it in: the device that comes is chosen.</source>
        <translation>Desconecte ahora el cable de programación de este ordenador.

Si no está conectado, conéctelo: se elegirá el dispositivo que aparezca.</translation>
    </message>
    <message>
        <source>%s went away. Plug the cable in again.</source>
        <translation>%s ha desaparecido. Vuelva a conectar el cable.</translation>
    </message>
    <message>
        <source>Serial devices now: %s</source>
        <translation>Dispositivos serie actuales: %s</translation>
    </message>
    <message>
        <source>usb</source>
        <translation>usb</translation>
    </message>
    <message>
        <source>serial</source>
        <translation>serie</translation>
    </message>
    <message>
        <source>%d radios programmed, %d failed, on %d ports.</source>
        <translation>%d radios programadas, %d con fallo, en %d puertos.</translation>
    </message>
    <message>
        <source>Ports:</source>
        <translation>Puertos:</translation>
    </message>
    <message>
        <source>Tick at least one port to program radios on.</source>
        <translation>Marque al menos un puerto en el que programar radios.</translation>
    </message>
    <message>
        <source>%s: ended, %d radios programmed, %d failed.</source>
        <translation>%s: finalizado, %d radios programadas, %d con fallo.</translation>
    </message>
    <message>
        <source>Check the way to the option board link by link: port, cable, radio, board
Check Connection</source>
        <translation>Comprobar el camino hasta la placa opcional eslabón a eslabón: puerto, cable, radio, placa
Comprobar conexión</translation>
    </message>
    <message>
        <source>Program radio after radio with the same settings, with a report
Program Several Radios</source>
        <translation>Programar una radio tras otra con los mismos parámetros, con un informe
Programar varias radios</translation>
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
        <translation>Elegir el idioma del programa
Idioma</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>&amp;Language of Vigilon OSS:</source>
        <translation>&amp;Idioma de Vigilon OSS:</translation>
    </message>
    <message>
        <source>As the system&apos;s settings (%s)</source>
        <translation>Según la configuración del sistema (%s)</translation>
    </message>
    <message>
        <source>The new language is used from the next start of Vigilon OSS.</source>
        <translation>El nuevo idioma se usará a partir del próximo inicio de Vigilon OSS.</translation>
    </message>
    <message>
        <source>Increase %s</source>
        <translation>Aumentar %s</translation>
    </message>
    <message>
        <source>Decrease %s</source>
        <translation>Disminuir %s</translation>
    </message>
    <message>
        <source>%d to %d %s</source>
        <translation>de %d a %d %s</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>More Commands</source>
        <translation>Más comandos</translation>
    </message>
    <message>
        <source>Enter edits the settings.</source>
        <translation>Intro edita los parámetros.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Settings:</source>
        <translation>&amp;Parámetros:</translation>
    </message>
    <message>
        <source>Br&amp;owse...</source>
        <translation>Exa&amp;minar...</translation>
    </message>
    <message>
        <source>Read the settings back after each &amp;write</source>
        <translation>Volver a leer los parámetros después de cada &amp;escritura</translation>
    </message>
    <message>
        <source>R&amp;eport:</source>
        <translation>In&amp;forme:</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Radios of this run</source>
        <translation>Radios de esta ejecución</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>Plot of the calibration data</source>
        <translation>Gráfico de los datos de calibración</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>&amp;Restablecer zoom</translation>
    </message>
    <message>
        <source>Keys: + and - zoom in and out, the arrows move, Home shows the whole file.</source>
        <translation>Teclas: + y - amplían y reducen, las flechas desplazan la vista, Inicio muestra todo el archivo.</translation>
    </message>
    <message>
        <source>The run was not confirmed: nothing was done.</source>
        <translation>No se ha confirmado la ejecución: no se ha hecho nada.</translation>
    </message>
    <message>
        <source>Error: %s</source>
        <translation>Error: %s</translation>
    </message>
    <message>
        <source>Warning: %s</source>
        <translation>Advertencia: %s</translation>
    </message>
    <message>
        <source>The operation&apos;s own result stands, but it could not be added to the service history %s:
%s</source>
        <translation>El resultado de la operación sigue siendo válido, pero no se ha podido añadir al historial de servicio %s:
%s</translation>
    </message>
    <message>
        <source>The service history could not be read. It was moved aside to
%s
and a new one was started.</source>
        <translation>No se ha podido leer el historial de servicio. Se ha apartado a
%s
y se ha iniciado uno nuevo.</translation>
    </message>
    <message>
        <source>hardware %s</source>
        <translation>hardware %s</translation>
    </message>
    <message>
        <source>software %s</source>
        <translation>software %s</translation>
    </message>
    <message>
        <source>codeplug %s</source>
        <translation>codeplug %s</translation>
    </message>
    <message>
        <source>%s, verified</source>
        <translation>%s, verificada</translation>
    </message>
    <message>
        <source>read</source>
        <translation>lectura</translation>
    </message>
    <message>
        <source>write</source>
        <translation>escritura</translation>
    </message>
    <message>
        <source>information</source>
        <translation>información</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>calibración</translation>
    </message>
    <message>
        <source>calibration data read-out</source>
        <translation>lectura de datos de calibración</translation>
    </message>
    <message>
        <source>connection check</source>
        <translation>comprobación de conexión</translation>
    </message>
    <message>
        <source>fleet</source>
        <translation>programación de varias radios</translation>
    </message>
    <message>
        <source>succeeded</source>
        <translation>correcta</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fallida</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>detenida</translation>
    </message>
    <message>
        <source>shown with fields missing</source>
        <translation>mostrada con campos incompletos</translation>
    </message>
    <message>
        <source>read, but the export was cancelled</source>
        <translation>leída, pero se canceló la exportación</translation>
    </message>
    <message>
        <source>Entry %s</source>
        <translation>Entrada %s</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>%s on %s</source>
        <translation>%s en %s</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Placa</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>Fleet run</source>
        <translation>Programación de varias radios</translation>
    </message>
    <message>
        <source>number %s: settings %s (SHA-256 %s), ports %s, from %s to %s</source>
        <translation>número %s: parámetros %s (SHA-256 %s), puertos %s, de %s a %s</translation>
    </message>
    <message>
        <source>(not ended)</source>
        <translation>(sin finalizar)</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>Settings read</source>
        <translation>Parámetros leídos</translation>
    </message>
    <message>
        <source>Settings written</source>
        <translation>Parámetros escritos</translation>
    </message>
    <message>
        <source>Changed from the settings the radio held before</source>
        <translation>Cambios respecto a los parámetros que tenía antes la radio</translation>
    </message>
    <message>
        <source>No setting changed.</source>
        <translation>No ha cambiado ningún parámetro.</translation>
    </message>
    <message>
        <source>The checksum of these settings is wrong.</source>
        <translation>La suma de comprobación de estos parámetros es incorrecta.</translation>
    </message>
    <message>
        <source>The service history %s holds no entries that match.</source>
        <translation>El historial de servicio %s no contiene ninguna entrada que coincida.</translation>
    </message>
    <message>
        <source>The service history holds no entry %s.</source>
        <translation>El historial de servicio no contiene la entrada %s.</translation>
    </message>
    <message>
        <source>The service history %s could not be read:
%s</source>
        <translation>No se ha podido leer el historial de servicio %s:
%s</translation>
    </message>
    <message>
        <source>No settings read from this radio before are known.</source>
        <translation>No se conocen parámetros leídos anteriormente de esta radio.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>it was made by a newer version of this program</source>
        <translation>fue creado por una versión más reciente de este programa</translation>
    </message>
    <message>
        <source>it is damaged and could not be moved aside</source>
        <translation>está dañado y no se pudo apartar</translation>
    </message>
    <message>
        <source>Show every operation on a radio: when, by whom, what was read and written, how it ended
Service History</source>
        <translation>Mostrar cada operación realizada en una radio: cuándo, quién, qué se leyó y escribió, cómo terminó
Historial de servicio</translation>
    </message>
    <message>
        <source>Export the service history or remove its old entries
Service History Options</source>
        <translation>Exportar el historial de servicio o eliminar sus entradas antiguas
Opciones del historial de servicio</translation>
    </message>
    <message>
        <source>Service History</source>
        <translation>Historial de servicio</translation>
    </message>
    <message>
        <source>&amp;Radio starts with:</source>
        <translation>&amp;Radio empieza por:</translation>
    </message>
    <message>
        <source>&amp;Board contains:</source>
        <translation>&amp;Placa contiene:</translation>
    </message>
    <message>
        <source>O&amp;peration:</source>
        <translation>&amp;Operación:</translation>
    </message>
    <message>
        <source>Res&amp;ult:</source>
        <translation>Res&amp;ultado:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>All but succeeded</source>
        <translation>Todas salvo las correctas</translation>
    </message>
    <message>
        <source>E&amp;ntries, newest first:</source>
        <translation>E&amp;ntradas, las más recientes primero:</translation>
    </message>
    <message>
        <source>In the history: %s</source>
        <translation>En el historial: %s</translation>
    </message>
    <message>
        <source>Matching: %s of %s</source>
        <translation>Coinciden: %s de %s</translation>
    </message>
    <message>
        <source>&amp;Details:</source>
        <translation>De&amp;talles:</translation>
    </message>
    <message>
        <source>Choose an entry to see its details.</source>
        <translation>Elija una entrada para ver sus detalles.</translation>
    </message>
    <message>
        <source>&amp;Open These Settings</source>
        <translation>&amp;Abrir estos parámetros</translation>
    </message>
    <message>
        <source>Co&amp;mpare With Document</source>
        <translation>Co&amp;mparar con el documento</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>service history entry %s</source>
        <translation>entrada %s del historial de servicio</translation>
    </message>
    <message>
        <source>%s (opened as a copy)</source>
        <translation>%s (abierta como copia)</translation>
    </message>
    <message>
        <source>Settings read from the radio on %s at %s (service history entry %s)</source>
        <translation>Parámetros leídos de la radio en %s el %s (entrada %s del historial de servicio)</translation>
    </message>
    <message>
        <source>Settings written to the radio on %s at %s (service history entry %s)</source>
        <translation>Parámetros escritos en la radio en %s el %s (entrada %s del historial de servicio)</translation>
    </message>
    <message>
        <source>The settings of %s cannot be opened: their checksum is wrong.</source>
        <translation>No se pueden abrir los parámetros de la %s: su suma de comprobación es incorrecta.</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export the Service History</source>
        <translation>Exportar el historial de servicio</translation>
    </message>
    <message>
        <source>The entries were exported to %s.</source>
        <translation>Las entradas se han exportado a %s.</translation>
    </message>
    <message>
        <source>The service history could not be exported to %s:
%s</source>
        <translation>No se ha podido exportar el historial de servicio a %s:
%s</translation>
    </message>
    <message>
        <source>Service History Options</source>
        <translation>Opciones del historial de servicio</translation>
    </message>
    <message>
        <source>The service history is kept in %s.</source>
        <translation>El historial de servicio se guarda en %s.</translation>
    </message>
    <message>
        <source>Entries in it: %s</source>
        <translation>Entradas que contiene: %s</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>Remove entries &amp;older than:</source>
        <translation>Eliminar entradas &amp;anteriores a:</translation>
    </message>
    <message>
        <source>&amp;Remove...</source>
        <translation>E&amp;liminar...</translation>
    </message>
    <message>
        <source>Entries older than %s: %s.
Remove them from the service history? This cannot be undone.</source>
        <translation>Entradas anteriores al %s: %s.
¿Eliminarlas del historial de servicio? Esta acción no se puede deshacer.</translation>
    </message>
    <message>
        <source>No entry is older than %s.</source>
        <translation>No hay ninguna entrada anterior al %s.</translation>
    </message>
    <message>
        <source>Entries removed: %s.</source>
        <translation>Entradas eliminadas: %s.</translation>
    </message>
    <message>
        <source>The entries could not be removed from the service history %s:
%s</source>
        <translation>No se han podido eliminar las entradas del historial de servicio %s:
%s</translation>
    </message>
    <message>
        <source>service-history.csv</source>
        <translation>historial-de-servicio.csv</translation>
    </message>
    <message>
        <source>%s is part of the service history, the record of every operation on a radio, and is never written over. Choose another file.</source>
        <translation>%s forma parte del historial de servicio, el registro de cada operación en una radio, y nunca se sobrescribe. Elija otro archivo.</translation>
    </message>
    <message>
        <source>could not write standard output: %s</source>
        <translation>no se ha podido escribir en la salida estándar: %s</translation>
    </message>
    <message>
        <source>could not write standard output.</source>
        <translation>no se ha podido escribir en la salida estándar.</translation>
    </message>
    <message>
        <source>The report %s could not be written: the disk is full. Its last row was left out whole.</source>
        <translation>No se ha podido escribir el informe %s: el disco está lleno. Su última fila se ha omitido entera.</translation>
    </message>
    <message>
        <source>The report %s was removed or replaced during the run: no more rows go into it.</source>
        <translation>El informe %s se eliminó o se sustituyó durante la serie: ya no se escriben más filas en él.</translation>
    </message>
    <message>
        <source>The radios&apos; own results stand, but %d of this run&apos;s entries could not be added to the service history %s:
%s</source>
        <translation>Los resultados de las radios siguen siendo válidos, pero %d entradas de esta serie no se han podido añadir al historial de servicio %s:
%s</translation>
    </message>
    <message>
        <source>its folder %s does not exist and could not be made</source>
        <translation>su carpeta %s no existe y no se ha podido crear</translation>
    </message>
    <message>
        <source>the file is write-protected</source>
        <translation>el archivo está protegido contra escritura</translation>
    </message>
    <message>
        <source>its folder %s is write-protected</source>
        <translation>su carpeta %s está protegida contra escritura</translation>
    </message>
    <message>
        <source>another program held it for longer than the program waits</source>
        <translation>otro programa lo ocupó más tiempo del que espera el programa</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>it says it is of version %d, which this program does not know</source>
        <translation>indica la versión %d, que este programa no conoce</translation>
    </message>
    <message>
        <source>%s is not a serial device.</source>
        <translation>%s no es un dispositivo serie.</translation>
    </message>
    <message>
        <source>%s is not a serial device: it is a file.</source>
        <translation>%s no es un dispositivo serie: es un archivo.</translation>
    </message>
    <message>
        <source>%s is not a serial device: it is a folder.</source>
        <translation>%s no es un dispositivo serie: es una carpeta.</translation>
    </message>
    <message>
        <source>%s is not a serial device: it is a named pipe.</source>
        <translation>%s no es un dispositivo serie: es una tubería con nombre.</translation>
    </message>
    <message>
        <source>%s is not a serial device: it is another kind of device.</source>
        <translation>%s no es un dispositivo serie: es otro tipo de dispositivo.</translation>
    </message>
    <message>
        <source>The backup before the write failed, so nothing was written to the option board.</source>
        <translation>La copia de seguridad previa a la escritura ha fallado, por lo que no se ha escrito nada en la placa opcional.</translation>
    </message>
    <message>
        <source>The backup before the write failed, so nothing was written to the option board:
%s</source>
        <translation>La copia de seguridad previa a la escritura ha fallado, por lo que no se ha escrito nada en la placa opcional:
%s</translation>
    </message>
    <message>
        <source>The radio refused the request.</source>
        <translation>La radio ha rechazado la solicitud.</translation>
    </message>
    <message>
        <source>%s and %s are the same device (%s): tick only one of them.</source>
        <translation>%s y %s son el mismo dispositivo (%s): marque solo uno de ellos.</translation>
    </message>
    <message>
        <source>Settings written to the option board on %s (%s) at %s</source>
        <translation>Parámetros escritos en la placa opcional en %s (%s) a las %s</translation>
    </message>
    <message>
        <source>Settings written to the option board on %s (%s) at %s, read back and found the same</source>
        <translation>Parámetros escritos en la placa opcional en %s (%s) a las %s, releídos y encontrados iguales</translation>
    </message>
    <message>
        <source>The settings were read back from the option board and found the same.</source>
        <translation>Los parámetros se han releído de la placa opcional y son los mismos.</translation>
    </message>
    <message>
        <source>%s cannot be written: its folder %s is write-protected.</source>
        <translation>No se puede escribir %s: su carpeta %s está protegida contra escritura.</translation>
    </message>
    <message>
        <source>There is no such device: connect the programming cable, or under Options &gt; Configuration choose another port or the cable&apos;s device for %s (Find Cable... finds it for you).</source>
        <translation>Ese dispositivo no existe: conecte el cable de programación o, en Opciones &gt; Configuración, elija otro puerto o el dispositivo del cable para %s (Buscar cable... lo encuentra por usted).</translation>
    </message>
    <message>
        <source>The settings differ from %s. Each line gives the document&apos;s value, then the other:

%s</source>
        <translation>Los parámetros difieren de los de %s. Cada línea da el valor del documento y luego el otro:

%s</translation>
    </message>
    <message>
        <source>%d radio programmed, %d failed.</source>
        <translation>%d radio programada, %d con fallo.</translation>
    </message>
    <message>
        <source>%d radio programmed, %d failed, on %d ports.</source>
        <translation>%d radio programada, %d con fallo, en %d puertos.</translation>
    </message>
    <message>
        <source>%s: ended, %d radio programmed, %d failed.</source>
        <translation>%s: finalizado, %d radio programada, %d con fallo.</translation>
    </message>
    <message>
        <source>Browse for the settings file</source>
        <translation>Buscar el archivo de parámetros</translation>
    </message>
    <message>
        <source>Browse for the report</source>
        <translation>Buscar el informe</translation>
    </message>
    <message>
        <source>&amp;Radios per port:</source>
        <translation>&amp;Radios por puerto:</translation>
    </message>
    <message>
        <source>%d entries of this session could not be added to the service history %s before the program ended:
%s</source>
        <translation>%d entradas de esta sesión no se han podido añadir al historial de servicio %s antes de que terminara el programa:
%s</translation>
    </message>
    <message>
        <source>present, access denied</source>
        <translation>presente, acceso denegado</translation>
    </message>
    <message>
        <source>Device of %s</source>
        <translation>Dispositivo de %s</translation>
    </message>
    <message>
        <source>Windows cannot start this device&apos;s driver (code 10). Cables with copied chips do this with the chip maker&apos;s newer drivers: install the driver that came with the cable, or use another cable.</source>
        <translation>Windows no puede iniciar el controlador de este dispositivo (código 10). Los cables con chips copiados lo hacen con los controladores más recientes del fabricante del chip: instale el controlador que venía con el cable o use otro cable.</translation>
    </message>
    <message>
        <source>No driver is installed for this device (code 28): install the driver that came with the cable.</source>
        <translation>No hay ningún controlador instalado para este dispositivo (código 28): instale el controlador que venía con el cable.</translation>
    </message>
    <message>
        <source>This device is disabled (code 22): enable it in Device Manager.</source>
        <translation>Este dispositivo está deshabilitado (código 22): habilítelo en el Administrador de dispositivos.</translation>
    </message>
    <message>
        <source>Windows reports a problem with this device (code %d): see its properties in Device Manager.</source>
        <translation>Windows informa de un problema con este dispositivo (código %d): consulte sus propiedades en el Administrador de dispositivos.</translation>
    </message>
    <message>
        <source>The user %s is not in the group %s: join it with sudo usermod -aG %s %s, then log out and in again.</source>
        <translation>El usuario %s no está en el grupo %s: únase a él con sudo usermod -aG %s %s y, a continuación, cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>The user %s is in the group %s, but this login began before joining it: log out and in again (or restart the computer).</source>
        <translation>El usuario %s está en el grupo %s, pero esta sesión empezó antes de unirse a él: cierre la sesión y vuelva a iniciarla (o reinicie el equipo).</translation>
    </message>
    <message>
        <source>It is held by %s (process %d).</source>
        <translation>Lo tiene abierto %s (proceso %d).</translation>
    </message>
    <message>
        <source>%s (process %d) is running and may hold it.</source>
        <translation>%s (proceso %d) está en ejecución y puede tenerlo abierto.</translation>
    </message>
    <message>
        <source>Which program holds it cannot be seen from this account: sudo fuser -v %s names it.</source>
        <translation>Desde esta cuenta no se ve qué programa lo tiene abierto: sudo fuser -v %s lo indica.</translation>
    </message>
    <message>
        <source>brltty, the Braille display reader, takes USB serial cables for itself: where no Braille display is used, remove it (sudo apt remove brltty), then plug the cable in again.</source>
        <translation>brltty, el lector de pantallas braille, se apropia de los cables serie USB: si aquí no se usa ninguna pantalla braille, elimínelo (sudo apt remove brltty) y vuelva a conectar el cable.</translation>
    </message>
    <message>
        <source>ModemManager tries new serial devices as modems: the udev rules this program installs keep it off programming cables (plug the cable in again once they are installed), or stop it with sudo systemctl stop ModemManager.</source>
        <translation>ModemManager prueba los dispositivos serie nuevos como módems: las reglas udev que instala este programa lo mantienen alejado de los cables de programación (vuelva a conectar el cable una vez instaladas) o deténgalo con sudo systemctl stop ModemManager.</translation>
    </message>
    <message>
        <source>The support bundle was saved to %s.</source>
        <translation>El paquete para asistencia se ha guardado en %s.</translation>
    </message>
    <message>
        <source>The support bundle could not be saved to %s: %s</source>
        <translation>No se ha podido guardar el paquete para asistencia en %s: %s</translation>
    </message>
    <message>
        <source>Support Bundle (*.zip)</source>
        <translation>Paquete para asistencia (*.zip)</translation>
    </message>
    <message>
        <source>Create Support Bundle</source>
        <translation>Crear paquete para asistencia</translation>
    </message>
    <message>
        <source>Save one zip file for support: versions, system, serial devices, settings, serial trace and recent service history
Create Support Bundle</source>
        <translation>Guardar un archivo zip para el servicio de asistencia: versiones, sistema, dispositivos serie, configuración, traza serie e historial de servicio reciente
Crear paquete para asistencia</translation>
    </message>
    <message>
        <source>the cable was unplugged during the operation</source>
        <translation>el cable se desconectó durante la operación</translation>
    </message>
    <message>
        <source>The cable was unplugged during the operation.</source>
        <translation>El cable se desconectó durante la operación.</translation>
    </message>
    <message>
        <source>%s now stands for %s (%s).</source>
        <translation>%s corresponde ahora a %s (%s).</translation>
    </message>
    <message>
        <source>Find Cable stopped: nothing was stored.</source>
        <translation>Búsqueda del cable detenida: no se guardó nada.</translation>
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
        <translation>Una radio con el ID %s ya se programó en esta ejecución.</translation>
    </message>
    <message>
        <source>A radio ID is one line of up to %d characters: scan or type it again.</source>
        <translation>Un ID de radio es una línea de hasta %d caracteres: escanéelo o escríbalo de nuevo.</translation>
    </message>
    <message>
        <source>Ask for the radio&apos;s ID before each operation, to keep it in the service history
Ask For Radio ID</source>
        <translation>Pedir el ID de la radio antes de cada operación, para guardarlo en el historial de servicio
Pedir el ID de la radio</translation>
    </message>
    <message>
        <source>The radio&apos;s serial number or asset tag (type it, or scan its label):</source>
        <translation>Número de serie o de inventario de la radio (escríbalo o escanee su etiqueta):</translation>
    </message>
    <message>
        <source>%s, radio ID %s</source>
        <translation>%s, ID de la radio %s</translation>
    </message>
    <message>
        <source>Radio %d: scan or type its ID, then connect it:</source>
        <translation>Radio %d: escanee o escriba su ID y luego conéctela:</translation>
    </message>
    <message>
        <source>Ask for each radio&apos;s &amp;ID before it is connected</source>
        <translation>Pedir el ID de cada radio antes de co&amp;nectarla</translation>
    </message>
    <message>
        <source>Bench</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>this program has no driver for PostgreSQL servers</source>
        <translation>este programa no tiene controlador para servidores PostgreSQL</translation>
    </message>
    <message>
        <source>its tables are of an older form (version %d), which this login may not bring up to date: connect once with the login that owns them</source>
        <translation>sus tablas tienen una forma anterior (versión %d) que este usuario no puede actualizar: conéctese una vez con el usuario propietario de ellas</translation>
    </message>
    <message>
        <source>it has no tables yet, and this login may not make them: connect once with the login that owns the database</source>
        <translation>aún no tiene tablas, y este usuario no puede crearlas: conéctese una vez con el usuario propietario de la base de datos</translation>
    </message>
    <message>
        <source>The depot&apos;s address holds a password. Keep the password in PostgreSQL&apos;s password file (~/.pgpass, or the file PGPASSFILE names) or in a service file instead.</source>
        <translation>La dirección del depósito contiene una contraseña. Guarde la contraseña en el archivo de contraseñas de PostgreSQL (~/.pgpass, o el archivo que indique PGPASSFILE) o en un archivo de servicio.</translation>
    </message>
    <message>
        <source>The depot&apos;s record %s could not be used:
%s</source>
        <translation>No se pudo usar el historial del depósito %s:
%s</translation>
    </message>
    <message>
        <source>%d uploaded, %d waiting</source>
        <translation>%d uploaded, %d waiting</translation>
    </message>
    <message>
        <source>Entry %s (bench %s, its entry %s) was changed after it was sent: its values no longer give its hash.</source>
        <translation>La entrada %s (puesto %s, su entrada %s) se modificó después de enviarse: sus valores ya no dan su hash.</translation>
    </message>
    <message>
        <source>Before entry %s (bench %s, its entry %s) an entry was removed or changed: its link does not follow the one before it.</source>
        <translation>Antes de la entrada %s (puesto %s, su entrada %s) se eliminó o modificó una entrada: su eslabón no sigue al anterior.</translation>
    </message>
    <message>
        <source>This bench sent its entry %s, but the depot&apos;s record no longer holds it.</source>
        <translation>Este puesto envió su entrada %s, pero el historial del depósito ya no la contiene.</translation>
    </message>
    <message>
        <source>The depot&apos;s record holds %s entries (benches: %d); every bench&apos;s chain is whole.</source>
        <translation>El historial del depósito contiene %s entradas (puestos: %d); la cadena de cada puesto está completa.</translation>
    </message>
    <message>
        <source>The depot&apos;s record holds %s entries (benches: %d). Faults found: %d.</source>
        <translation>El historial del depósito contiene %s entradas (puestos: %d). Fallos encontrados: %d.</translation>
    </message>
    <message>
        <source>No depot&apos;s record is set: give --history-server URI, or set History/Server.</source>
        <translation>No hay historial de depósito configurado: indique --history-server URI o configure History/Server.</translation>
    </message>
    <message>
        <source>Entry %s (bench %s, its entry %s) is the first the record holds of its bench, but it follows another: earlier entries were removed.</source>
        <translation>La entrada %s (puesto %s, su entrada %s) es la primera de su puesto en el historial del depósito, pero sigue a otra: se eliminaron entradas anteriores.</translation>
    </message>
    <message>
        <source>Depot: all entries sent</source>
        <translation>Depósito: todas las entradas enviadas</translation>
    </message>
    <message>
        <source>&amp;Depot&apos;s record (PostgreSQL URI):</source>
        <translation>Historial del &amp;depósito (URI de PostgreSQL):</translation>
    </message>
    <message>
        <source>Bench &amp;name:</source>
        <translation>&amp;Nombre del puesto:</translation>
    </message>
    <message>
        <source>&amp;Send Now</source>
        <translation>Env&amp;iar ahora</translation>
    </message>
    <message>
        <source>Entries waiting to be sent to the depot&apos;s record: %s.</source>
        <translation>Entradas en espera de envío al historial del depósito: %s.</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>Mo&amp;strar:</translation>
    </message>
    <message>
        <source>This Computer</source>
        <translation>Este equipo</translation>
    </message>
    <message>
        <source>All Benches</source>
        <translation>Todos los puestos</translation>
    </message>
    <message>
        <source>Job Sheet</source>
        <translation>Parte de trabajo</translation>
    </message>
    <message>
        <source>Fleet run %s</source>
        <translation>Programación de varias radios %s</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>Técnico</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Verificado</translation>
    </message>
    <message>
        <source>Yes: read back from the option board and found the same</source>
        <translation>Sí: releídos de la placa opcional y son los mismos</translation>
    </message>
    <message>
        <source>No: not read back</source>
        <translation>No: no se releyeron</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Archivo de parámetros</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Puertos</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Inicio</translation>
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
        <translation>N.º</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Technician&apos;s signature</source>
        <translation>Firma del técnico</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>Página %d de %d</translation>
    </message>
    <message>
        <source>The job sheet was written to %s.</source>
        <translation>El parte de trabajo se ha escrito en %s.</translation>
    </message>
    <message>
        <source>The job sheet could not be written: %s</source>
        <translation>No se ha podido escribir el parte de trabajo: %s</translation>
    </message>
    <message>
        <source>Export &amp;Job Sheet...</source>
        <translation>Exportar parte de tra&amp;bajo...</translation>
    </message>
    <message>
        <source>Export Job Sheet</source>
        <translation>Exportar parte de trabajo</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Entry %s is one radio of fleet run %s. Put every radio of the run on the job sheet?
No puts this entry on it alone.</source>
        <translation>La entrada %s es una radio de la programación de varias radios %s. ¿Poner todas las radios de esa programación en el parte de trabajo?
No pone solo esta entrada.</translation>
    </message>
    <message>
        <source>job-sheet-entry-%s.pdf</source>
        <translation>parte-trabajo-entrada-%s.pdf</translation>
    </message>
    <message>
        <source>job-sheet-run-%s.pdf</source>
        <translation>parte-trabajo-programacion-%s.pdf</translation>
    </message>
    <message>
        <source>The service history no longer holds fleet run %s.</source>
        <translation>El historial de servicio ya no contiene la programación de varias radios %s.</translation>
    </message>
    <message>
        <source>Depot: entries waiting: %d</source>
        <translation>Depósito: entradas en espera: %d</translation>
    </message>
    <message>
        <source>Depot: not reached, entries waiting: %d</source>
        <translation>Depósito: no accesible, entradas en espera: %d</translation>
    </message>
    <message>
        <source>The depot&apos;s address &quot;%s&quot; cannot be read: give a PostgreSQL connection URI (postgresql://user@host/database) or key=value pairs, without &apos;;&apos;.</source>
        <translation>No se puede leer la dirección del depósito &quot;%s&quot;: indique una URI de conexión de PostgreSQL (postgresql://usuario@host/base) o pares clave=valor, sin &apos;;&apos;.</translation>
    </message>
    <message>
        <source>The entries are kept on this computer and not sent to the depot&apos;s record.</source>
        <translation>Las entradas se quedan en este equipo y no se envían al historial del depósito.</translation>
    </message>
    <message>
        <source>The depot&apos;s record holds this bench&apos;s entry %s (as its entry %s) otherwise than it was sent.</source>
        <translation>El historial del depósito contiene la entrada %s de este puesto (como su entrada %s) de forma distinta a como se envió.</translation>
    </message>
    <message>
        <source>Reading the depot&apos;s record...</source>
        <translation>Leyendo el historial del depósito...</translation>
    </message>
    <message>
        <source>The newest %s of %s matching</source>
        <translation>Las %s más recientes de %s coincidentes</translation>
    </message>
    <message>
        <source>Reading the entry from the depot&apos;s record...</source>
        <translation>Leyendo la entrada del historial del depósito...</translation>
    </message>
    <message>
        <source>The depot&apos;s record could not be read.</source>
        <translation>No se pudo leer el historial del depósito.</translation>
    </message>
    <message>
        <source>Radio &amp;ID is:</source>
        <translation>&amp;ID de la radio es:</translation>
    </message>
</context>
</TS>
