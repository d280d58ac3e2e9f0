<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>Loops an ambient noise sound, all night or inside a daily time window. An option steers the running program, or starts it and then does what it says.</source>
        <translation>Spielt ein Umgebungsgeräusch in Schleife, die ganze Nacht oder innerhalb eines täglichen Zeitfensters. Eine Option steuert das laufende Programm oder startet es und führt sie dann aus.</translation>
    </message>
    <message>
        <source>Turns the sound on, as the window&apos;s Turn On does.</source>
        <translation>Schaltet den Klang ein, wie „Einschalten“ im Fenster.</translation>
    </message>
    <message>
        <source>Turns the sound off, as the window&apos;s Turn Off does.</source>
        <translation>Schaltet den Klang aus, wie „Ausschalten“ im Fenster.</translation>
    </message>
    <message>
        <source>Turns the sound on when it is off, and off when it is on.</source>
        <translation>Schaltet den Klang ein, wenn er aus ist, und aus, wenn er an ist.</translation>
    </message>
    <message>
        <source>Starts a sleep timer of DURATION, replacing the one running: minutes (30), or hours, minutes and seconds (1h30m, 20m, 45s). &quot;off&quot; stops the timer.</source>
        <translation>Startet einen Schlaf-Timer mit der DAUER und ersetzt den laufenden: Minuten (30) oder Stunden, Minuten und Sekunden (1h30m, 20m, 45s). &quot;off&quot; beendet den Timer.</translation>
    </message>
    <message>
        <source>DURATION</source>
        <translation>DAUER</translation>
    </message>
    <message>
        <source>Chooses the style NAME, one that --list-styles lists.</source>
        <translation>Wählt den Klang NAME, einen, den --list-styles auflistet.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Sets the volume, from 1 to 100.</source>
        <translation>Stellt die Lautstärke ein, von 1 bis 100.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Prints the running program&apos;s state as &quot;key: value&quot; lines.</source>
        <translation>Gibt den Zustand des laufenden Programms als Zeilen „Schlüssel: Wert“ aus.</translation>
    </message>
    <message>
        <source>Prints the styles that can be played, one a line.</source>
        <translation>Gibt die abspielbaren Klänge aus, einen pro Zeile.</translation>
    </message>
    <message>
        <source>Prints this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Prints the program&apos;s version.</source>
        <translation>Zeigt die Version des Programms.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 ist mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>--turn-on, --turn-off and --toggle exclude one another</source>
        <translation>--turn-on, --turn-off und --toggle schließen einander aus</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a listed style (--list-styles lists them)</source>
        <translation>„%1“ ist kein aufgeführter Klang (--list-styles listet sie auf)</translation>
    </message>
    <message>
        <source>--volume takes a whole number from 1 to 100, not &quot;%1&quot;</source>
        <translation>--volume erwartet eine ganze Zahl von 1 bis 100, nicht „%1“</translation>
    </message>
    <message>
        <source>--sleep takes minutes (30), a duration such as 1h30m, 20m or 45s, up to 24 hours, or &quot;off&quot;, not &quot;%1&quot;</source>
        <translation>--sleep erwartet Minuten (30), eine Dauer wie 1h30m, 20m oder 45s bis zu 24 Stunden oder &quot;off&quot;, nicht „%1“</translation>
    </message>
    <message>
        <source>--sleep cannot run a timer for a program that --turn-off turns off</source>
        <translation>--sleep kann keinen Timer für ein Programm starten, das --turn-off ausschaltet</translation>
    </message>
    <message>
        <source>--%1 asks a question and takes no other option</source>
        <translation>--%1 stellt eine Frage und nimmt keine weitere Option an</translation>
    </message>
    <message>
        <source>Plays through the output NAME, a stable name or a description that --list-outputs lists, or &quot;default&quot; for the system&apos;s default output.</source>
        <translation>Spielt über die Ausgabe NAME, einen festen Namen oder eine Beschreibung, die --list-outputs auflistet, oder „default“ für die Standardausgabe des Systems.</translation>
    </message>
    <message>
        <source>Prints the sound server&apos;s outputs, one a line: the stable name, a tab, the description.</source>
        <translation>Gibt die Ausgaben des Soundservers aus, eine pro Zeile: den festen Namen, einen Tabulator, die Beschreibung.</translation>
    </message>
    <message>
        <source>--output takes an output&apos;s name (--list-outputs lists them) or &quot;default&quot;</source>
        <translation>--output erwartet den Namen einer Ausgabe (--list-outputs listet sie auf) oder „default“</translation>
    </message>
    <message>
        <source>--status, --list-styles and --list-outputs exclude one another</source>
        <translation>--status, --list-styles und --list-outputs schließen einander aus</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Turn On</source>
        <translation>Einschalten</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>Preview Sound</source>
        <translation>Probe hören</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Play Option</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Play from</source>
        <translation>Spielen von</translation>
    </message>
    <message>
        <source>Play white noise until &apos;Turn Off&apos; is clicked</source>
        <translation>Weißes Rauschen spielen, bis „Ausschalten“ geklickt wird</translation>
    </message>
    <message>
        <source>Start of the daily window</source>
        <translation>Beginn des täglichen Zeitfensters</translation>
    </message>
    <message>
        <source>End of the daily window</source>
        <translation>Ende des täglichen Zeitfensters</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Starteinstellungen</translation>
    </message>
    <message>
        <source>Start in system tray</source>
        <translation>Im Infobereich starten</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>Dieses Programm bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Which style noise would you like to play?</source>
        <translation>Welchen Klang möchten Sie abspielen?</translation>
    </message>
    <message>
        <source>&amp;Add Sound...</source>
        <translation>Klang &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>Add Sound</source>
        <translation>Klang hinzufügen</translation>
    </message>
    <message>
        <source>Copies sound files of your choice into your sounds and lists them</source>
        <translation>Kopiert Klangdateien Ihrer Wahl zu Ihren Klängen und führt sie in der Liste auf</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Tonhöhe</translation>
    </message>
    <message>
        <source>Your settings will not be kept after the program ends.</source>
        <translation>Ihre Einstellungen gehen verloren, wenn das Programm endet.</translation>
    </message>
    <message>
        <source>The program cannot be set to start at login.</source>
        <translation>Das Programm kann nicht für den Start bei der Anmeldung eingerichtet werden.</translation>
    </message>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;V&apos; icon (V for Vantrelle) to bring the software back.</source>
        <translation>wurde in den Infobereich minimiert.<byte value="xd"/>
Klicken Sie auf das blaue „V“-Symbol (V für Vantrelle), um die Software zurückzuholen.</translation>
    </message>
    <message>
        <source>Mi&amp;xer...</source>
        <translation>&amp;Mixer...</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mixer</translation>
    </message>
</context>
<context>
    <name>GeneratedNoise</name>
    <message>
        <source>Brown Noise</source>
        <translation>Braunes Rauschen</translation>
    </message>
    <message>
        <source>Pink Noise</source>
        <translation>Rosa Rauschen</translation>
    </message>
    <message>
        <source>White Noise</source>
        <translation>Weißes Rauschen</translation>
    </message>
</context>
<context>
    <name>Mix</name>
    <message>
        <source>it is not a mix: it has no [Mix] section</source>
        <translation>es ist keine Mischung: ihm fehlt der Abschnitt [Mix]</translation>
    </message>
    <message>
        <source>it names no version</source>
        <translation>es nennt keine Version</translation>
    </message>
    <message>
        <source>it is of version %1, and this program reads version %2</source>
        <translation>es hat die Version %1, dieses Programm liest Version %2</translation>
    </message>
    <message>
        <source>it has %1 layers, and a mix holds at most %2</source>
        <translation>es hat %1 Ebenen, eine Mischung fasst höchstens %2</translation>
    </message>
    <message>
        <source>layer %1 names no sound</source>
        <translation>Ebene %1 nennt keinen Klang</translation>
    </message>
    <message>
        <source>layer %1 has the volume &quot;%2&quot;, where a whole number from 0 to %3 belongs</source>
        <translation>Ebene %1 hat die Lautstärke „%2“, erwartet wird eine ganze Zahl von 0 bis %3</translation>
    </message>
    <message>
        <source>it has no layer</source>
        <translation>es hat keine Ebene</translation>
    </message>
    <message>
        <source>A mix needs a name without &quot;/&quot;.</source>
        <translation>Eine Mischung braucht einen Namen ohne „/“.</translation>
    </message>
    <message>
        <source>A mix needs at least one sound.</source>
        <translation>Eine Mischung braucht mindestens einen Klang.</translation>
    </message>
    <message>
        <source>A mix holds at most %1 sounds.</source>
        <translation>Eine Mischung fasst höchstens %1 Klänge.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot hold itself.</source>
        <translation>Die Mischung „%1“ kann sich nicht selbst enthalten.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot hold another mix, &quot;%2&quot;.</source>
        <translation>Die Mischung „%1“ kann keine andere Mischung enthalten („%2“).</translation>
    </message>
    <message>
        <source>A sound&apos;s volume in a mix goes from 0 to %1.</source>
        <translation>Die Lautstärke eines Klangs in einer Mischung reicht von 0 bis %1.</translation>
    </message>
</context>
<context>
    <name>MixerWindow</name>
    <message>
        <source>Mixer</source>
        <translation>Mixer</translation>
    </message>
    <message>
        <source>Mix &amp;name:</source>
        <translation>&amp;Name der Mischung:</translation>
    </message>
    <message>
        <source>Mix name</source>
        <translation>Name der Mischung</translation>
    </message>
    <message>
        <source>Choose a mix to change it, or type a new name</source>
        <translation>Wählen Sie eine Mischung, um sie zu ändern, oder geben Sie einen neuen Namen ein</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Saves the mix under the name given</source>
        <translation>Speichert die Mischung unter dem angegebenen Namen</translation>
    </message>
    <message>
        <source>&amp;Delete Mix</source>
        <translation>Mischung &amp;löschen</translation>
    </message>
    <message>
        <source>Deletes the mix&apos;s file at once</source>
        <translation>Löscht die Datei der Mischung sofort</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Volume of %1</source>
        <translation>Lautstärke von %1</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot be read: %2</source>
        <translation>Die Mischung „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a sound: a mix needs a name of its own.</source>
        <translation>„%1“ ist der Name eines Klangs: Eine Mischung braucht einen eigenen Namen.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; is saved.</source>
        <translation>Die Mischung „%1“ ist gespeichert.</translation>
    </message>
    <message>
        <source>There is no saved mix called &quot;%1&quot;.</source>
        <translation>Es gibt keine gespeicherte Mischung namens „%1“.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot be deleted.</source>
        <translation>Die Mischung „%1“ kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; is deleted.</source>
        <translation>Die Mischung „%1“ ist gelöscht.</translation>
    </message>
</context>
<context>
    <name>OutputNotice</name>
    <message>
        <source>No sound output: waiting for the sound server</source>
        <translation>Keine Tonausgabe: Warten auf den Soundserver</translation>
    </message>
</context>
<context>
    <name>ProcedureErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>in Zeile %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>RegStuff</name>
    <message>
        <source>&quot;%1&quot; cannot name an autostart entry.</source>
        <translation>„%1“ kann keinen Autostart-Eintrag benennen.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be written: it is not a regular file.</source>
        <translation>Der Autostart-Eintrag %1 konnte nicht geschrieben werden: Er ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be written: %2</source>
        <translation>Der Autostart-Eintrag %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The autostart folder %1 could not be created.</source>
        <translation>Der Autostart-Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be removed: %2</source>
        <translation>Der Autostart-Eintrag %1 konnte nicht entfernt werden: %2</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>somnivox: no command given</source>
        <translation>somnivox: kein Befehl angegeben</translation>
    </message>
    <message>
        <source>somnivox: &quot;%1&quot; is not a listed style (--list-styles lists them)</source>
        <translation>somnivox: „%1“ ist kein aufgeführter Klang (--list-styles listet sie auf)</translation>
    </message>
    <message>
        <source>somnivox: &quot;%1&quot; is not an output (--list-outputs lists them)</source>
        <translation>somnivox: „%1“ ist keine Ausgabe (--list-outputs listet sie auf)</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The setting &quot;%1&quot; could not be saved to %2.</source>
        <translation>Die Einstellung „%1“ konnte nicht in %2 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Silences the sound before the computer sleeps</source>
        <translation>Schaltet den Klang stumm, bevor der Computer in den Ruhezustand wechselt</translation>
    </message>
</context>
<context>
    <name>SoundImport</name>
    <message>
        <source>&quot;%1&quot; cannot be played, so it was not added.</source>
        <translation>„%1“ kann nicht abgespielt werden und wurde daher nicht hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Aus</translation>
    </message>
    <message>
        <source>&amp;15 Minutes</source>
        <translation>&amp;15 Minuten</translation>
    </message>
    <message>
        <source>&amp;30 Minutes</source>
        <translation>&amp;30 Minuten</translation>
    </message>
    <message>
        <source>&amp;45 Minutes</source>
        <translation>&amp;45 Minuten</translation>
    </message>
    <message>
        <source>1 &amp;Hour</source>
        <translation>1 &amp;Stunde</translation>
    </message>
    <message>
        <source>&amp;90 Minutes</source>
        <translation>&amp;90 Minuten</translation>
    </message>
    <message>
        <source>&amp;2 Hours</source>
        <translation>&amp;2 Stunden</translation>
    </message>
    <message>
        <source>&amp;Add 15 Minutes</source>
        <translation>Um 15 Minuten &amp;verlängern</translation>
    </message>
    <message>
        <source>&amp;Even Loudness</source>
        <translation>&amp;Gleiche Lautstärke</translation>
    </message>
    <message>
        <source>A&amp;dd Sound...</source>
        <translation>Klang &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>S&amp;how Somnivox Noise Player</source>
        <translation>Somnivox Noise Player an&amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Turn Off</source>
        <translation>A&amp;usschalten</translation>
    </message>
    <message>
        <source>&amp;Turn On</source>
        <translation>&amp;Einschalten</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer (%1 min left)</source>
        <translation>&amp;Schlaf-Timer (noch %1 Min.)</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer</source>
        <translation>&amp;Schlaf-Timer</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>&amp;Ausgabe</translation>
    </message>
    <message>
        <source>System &amp;Default</source>
        <translation>&amp;Systemstandard</translation>
    </message>
    <message>
        <source>&amp;Mixer...</source>
        <translation>&amp;Mischpult...</translation>
    </message>
</context>
<context>
    <name>UserSounds</name>
    <message>
        <source>Add Sound</source>
        <translation>Klang hinzufügen</translation>
    </message>
    <message>
        <source>Sound files (*.mp3 *.flac *.ogg *.oga *.opus *.wav)</source>
        <translation>Klangdateien (*.mp3 *.flac *.ogg *.oga *.opus *.wav)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone from your sounds, and no sound is left to choose.</source>
        <translation>„%1“ ist nicht mehr unter Ihren Klängen, und es bleibt kein Klang zur Auswahl.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone from your sounds: &quot;%2&quot; is chosen instead.</source>
        <translation>„%1“ ist nicht mehr unter Ihren Klängen: Stattdessen ist „%2“ gewählt.</translation>
    </message>
</context>
<context>
    <name>mStartUp</name>
    <message>
        <source>The program&apos;s own file could not be found, so it cannot be registered to start at login.</source>
        <translation>Die Programmdatei wurde nicht gefunden, daher kann das Programm nicht für den Start bei der Anmeldung eingetragen werden.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>somnivox: Somnivox Noise Player is running but did not answer within %1 seconds.</source>
        <translation>somnivox: Somnivox Noise Player läuft, hat aber nicht innerhalb von %1 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>somnivox: Somnivox Noise Player is not running.</source>
        <translation>somnivox: Somnivox Noise Player läuft nicht.</translation>
    </message>
</context>
</TS>
