<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CommandLine</name>
    <message>
        <source>Loops an ambient noise sound, all night or inside a daily time window. An option steers the running program, or starts it and then does what it says.</source>
        <translation>Riproduce in loop un suono ambientale, tutta la notte o entro una fascia oraria giornaliera. Un&apos;opzione comanda il programma in esecuzione, oppure lo avvia e poi fa ciò che indica.</translation>
    </message>
    <message>
        <source>Turns the sound on, as the window&apos;s Turn On does.</source>
        <translation>Accende il suono, come «Accendi» nella finestra.</translation>
    </message>
    <message>
        <source>Turns the sound off, as the window&apos;s Turn Off does.</source>
        <translation>Spegne il suono, come «Spegni» nella finestra.</translation>
    </message>
    <message>
        <source>Turns the sound on when it is off, and off when it is on.</source>
        <translation>Accende il suono se è spento e lo spegne se è acceso.</translation>
    </message>
    <message>
        <source>Starts a sleep timer of DURATION, replacing the one running: minutes (30), or hours, minutes and seconds (1h30m, 20m, 45s). &quot;off&quot; stops the timer.</source>
        <translation>Avvia un timer di spegnimento della DURATA indicata, al posto di quello in corso: minuti (30), oppure ore, minuti e secondi (1h30m, 20m, 45s). &quot;off&quot; ferma il timer.</translation>
    </message>
    <message>
        <source>DURATION</source>
        <translation>DURATA</translation>
    </message>
    <message>
        <source>Chooses the style NAME, one that --list-styles lists.</source>
        <translation>Sceglie il suono NOME, uno di quelli elencati da --list-styles.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOME</translation>
    </message>
    <message>
        <source>Sets the volume, from 1 to 100.</source>
        <translation>Imposta il volume, da 1 a 100.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Prints the running program&apos;s state as &quot;key: value&quot; lines.</source>
        <translation>Stampa lo stato del programma in esecuzione come righe &quot;chiave: valore&quot;.</translation>
    </message>
    <message>
        <source>Prints the styles that can be played, one a line.</source>
        <translation>Stampa i suoni riproducibili, uno per riga.</translation>
    </message>
    <message>
        <source>Prints this help.</source>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>Prints the program&apos;s version.</source>
        <translation>Mostra la versione del programma.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opzioni]</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argomento inatteso &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 è indicato più di una volta</translation>
    </message>
    <message>
        <source>--turn-on, --turn-off and --toggle exclude one another</source>
        <translation>--turn-on, --turn-off e --toggle si escludono a vicenda</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a listed style (--list-styles lists them)</source>
        <translation>&quot;%1&quot; non è un suono dell&apos;elenco (--list-styles li elenca)</translation>
    </message>
    <message>
        <source>--volume takes a whole number from 1 to 100, not &quot;%1&quot;</source>
        <translation>--volume vuole un numero intero da 1 a 100, non &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--sleep takes minutes (30), a duration such as 1h30m, 20m or 45s, up to 24 hours, or &quot;off&quot;, not &quot;%1&quot;</source>
        <translation>--sleep vuole minuti (30), una durata come 1h30m, 20m o 45s, fino a 24 ore, oppure &quot;off&quot;, non &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--sleep cannot run a timer for a program that --turn-off turns off</source>
        <translation>--sleep non può avviare un timer per un programma che --turn-off spegne</translation>
    </message>
    <message>
        <source>--%1 asks a question and takes no other option</source>
        <translation>--%1 pone una domanda e non accetta altre opzioni</translation>
    </message>
    <message>
        <source>Plays through the output NAME, a stable name or a description that --list-outputs lists, or &quot;default&quot; for the system&apos;s default output.</source>
        <translation>Riproduce sull&apos;uscita NOME, un nome stabile o una descrizione elencati da --list-outputs, oppure &quot;default&quot; per l&apos;uscita predefinita di sistema.</translation>
    </message>
    <message>
        <source>Prints the sound server&apos;s outputs, one a line: the stable name, a tab, the description.</source>
        <translation>Stampa le uscite del server audio, una per riga: il nome stabile, una tabulazione, la descrizione.</translation>
    </message>
    <message>
        <source>--output takes an output&apos;s name (--list-outputs lists them) or &quot;default&quot;</source>
        <translation>--output richiede il nome di un&apos;uscita (--list-outputs le elenca) oppure &quot;default&quot;</translation>
    </message>
    <message>
        <source>--status, --list-styles and --list-outputs exclude one another</source>
        <translation>--status, --list-styles e --list-outputs si escludono a vicenda</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Turn On</source>
        <translation>Accendi</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Spegni</translation>
    </message>
    <message>
        <source>Preview Sound</source>
        <translation>Ascolta anteprima</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Play Option</source>
        <translation>Modalità di riproduzione</translation>
    </message>
    <message>
        <source>Play from</source>
        <translation>Suona dalle</translation>
    </message>
    <message>
        <source>Play white noise until &apos;Turn Off&apos; is clicked</source>
        <translation>Riproduci rumore bianco finché non si preme «Spegni»</translation>
    </message>
    <message>
        <source>Start of the daily window</source>
        <translation>Inizio della fascia giornaliera</translation>
    </message>
    <message>
        <source>End of the daily window</source>
        <translation>Fine della fascia giornaliera</translation>
    </message>
    <message>
        <source>to</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Opzioni di avvio</translation>
    </message>
    <message>
        <source>Start in system tray</source>
        <translation>Avvia nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>Avvia questo programma all&apos;accesso</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Which style noise would you like to play?</source>
        <translation>Quale suono vuoi riprodurre?</translation>
    </message>
    <message>
        <source>&amp;Add Sound...</source>
        <translation>&amp;Aggiungi suono...</translation>
    </message>
    <message>
        <source>Add Sound</source>
        <translation>Aggiungi suono</translation>
    </message>
    <message>
        <source>Copies sound files of your choice into your sounds and lists them</source>
        <translation>Copia i file audio scelti tra i tuoi suoni e li aggiunge all&apos;elenco</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Tonalità</translation>
    </message>
    <message>
        <source>Your settings will not be kept after the program ends.</source>
        <translation>Le tue impostazioni non saranno conservate alla chiusura del programma.</translation>
    </message>
    <message>
        <source>The program cannot be set to start at login.</source>
        <translation>Non è possibile impostare l&apos;avvio del programma all&apos;accesso.</translation>
    </message>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;V&apos; icon (V for Vantrelle) to bring the software back.</source>
        <translation>è stato ridotto nell&apos;area di notifica.<byte value="xd"/>
Fai clic sull&apos;icona blu «V» (V come Vantrelle) per riaprire il programma.</translation>
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
        <translation>Rumore marrone</translation>
    </message>
    <message>
        <source>Pink Noise</source>
        <translation>Rumore rosa</translation>
    </message>
    <message>
        <source>White Noise</source>
        <translation>Rumore bianco</translation>
    </message>
</context>
<context>
    <name>Mix</name>
    <message>
        <source>it is not a mix: it has no [Mix] section</source>
        <translation>non è un mix: manca la sezione [Mix]</translation>
    </message>
    <message>
        <source>it names no version</source>
        <translation>non indica alcuna versione</translation>
    </message>
    <message>
        <source>it is of version %1, and this program reads version %2</source>
        <translation>è della versione %1 e questo programma legge la versione %2</translation>
    </message>
    <message>
        <source>it has %1 layers, and a mix holds at most %2</source>
        <translation>ha %1 livelli e un mix ne contiene al massimo %2</translation>
    </message>
    <message>
        <source>layer %1 names no sound</source>
        <translation>il livello %1 non indica alcun suono</translation>
    </message>
    <message>
        <source>layer %1 has the volume &quot;%2&quot;, where a whole number from 0 to %3 belongs</source>
        <translation>il livello %1 ha il volume «%2», ma serve un numero intero da 0 a %3</translation>
    </message>
    <message>
        <source>it has no layer</source>
        <translation>non ha alcun livello</translation>
    </message>
    <message>
        <source>A mix needs a name without &quot;/&quot;.</source>
        <translation>Un mix ha bisogno di un nome senza «/».</translation>
    </message>
    <message>
        <source>A mix needs at least one sound.</source>
        <translation>Un mix ha bisogno di almeno un suono.</translation>
    </message>
    <message>
        <source>A mix holds at most %1 sounds.</source>
        <translation>Un mix contiene al massimo %1 suoni.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot hold itself.</source>
        <translation>Il mix «%1» non può contenere sé stesso.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot hold another mix, &quot;%2&quot;.</source>
        <translation>Il mix «%1» non può contenere un altro mix, «%2».</translation>
    </message>
    <message>
        <source>A sound&apos;s volume in a mix goes from 0 to %1.</source>
        <translation>Il volume di un suono in un mix va da 0 a %1.</translation>
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
        <translation>&amp;Nome del mix:</translation>
    </message>
    <message>
        <source>Mix name</source>
        <translation>Nome del mix</translation>
    </message>
    <message>
        <source>Choose a mix to change it, or type a new name</source>
        <translation>Scegli un mix per modificarlo, oppure scrivi un nome nuovo</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Saves the mix under the name given</source>
        <translation>Salva il mix con il nome indicato</translation>
    </message>
    <message>
        <source>&amp;Delete Mix</source>
        <translation>&amp;Elimina mix</translation>
    </message>
    <message>
        <source>Deletes the mix&apos;s file at once</source>
        <translation>Elimina subito il file del mix</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Volume of %1</source>
        <translation>Volume di %1</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot be read: %2</source>
        <translation>Il mix «%1» non può essere letto: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a sound: a mix needs a name of its own.</source>
        <translation>«%1» è il nome di un suono: un mix ha bisogno di un nome tutto suo.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; is saved.</source>
        <translation>Il mix «%1» è salvato.</translation>
    </message>
    <message>
        <source>There is no saved mix called &quot;%1&quot;.</source>
        <translation>Non c’è alcun mix salvato con il nome «%1».</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot be deleted.</source>
        <translation>Il mix «%1» non può essere eliminato.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; is deleted.</source>
        <translation>Il mix «%1» è eliminato.</translation>
    </message>
</context>
<context>
    <name>OutputNotice</name>
    <message>
        <source>No sound output: waiting for the sound server</source>
        <translation>Nessuna uscita audio: in attesa del server audio</translation>
    </message>
</context>
<context>
    <name>ProcedureErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>alla riga %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Invia una schermata di questo messaggio via e-mail a %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Errore dell&apos;applicazione</translation>
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
        <translation>&quot;%1&quot; non può dare il nome a una voce di avvio automatico.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be written: it is not a regular file.</source>
        <translation>Impossibile scrivere la voce di avvio automatico %1: non è un file normale.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be written: %2</source>
        <translation>Impossibile scrivere la voce di avvio automatico %1: %2</translation>
    </message>
    <message>
        <source>The autostart folder %1 could not be created.</source>
        <translation>Impossibile creare la cartella di avvio automatico %1.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be removed: %2</source>
        <translation>Impossibile rimuovere la voce di avvio automatico %1: %2</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>somnivox: no command given</source>
        <translation>somnivox: nessun comando indicato</translation>
    </message>
    <message>
        <source>somnivox: &quot;%1&quot; is not a listed style (--list-styles lists them)</source>
        <translation>somnivox: &quot;%1&quot; non è un suono dell&apos;elenco (--list-styles li elenca)</translation>
    </message>
    <message>
        <source>somnivox: &quot;%1&quot; is not an output (--list-outputs lists them)</source>
        <translation>somnivox: &quot;%1&quot; non è un&apos;uscita (--list-outputs le elenca)</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The setting &quot;%1&quot; could not be saved to %2.</source>
        <translation>Impossibile salvare l&apos;impostazione &quot;%1&quot; in %2.</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Silences the sound before the computer sleeps</source>
        <translation>Silenzia il suono prima che il computer vada in sospensione</translation>
    </message>
</context>
<context>
    <name>SoundImport</name>
    <message>
        <source>&quot;%1&quot; cannot be played, so it was not added.</source>
        <translation>&quot;%1&quot; non può essere riprodotto, quindi non è stato aggiunto.</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Disattivato</translation>
    </message>
    <message>
        <source>&amp;15 Minutes</source>
        <translation>&amp;15 minuti</translation>
    </message>
    <message>
        <source>&amp;30 Minutes</source>
        <translation>&amp;30 minuti</translation>
    </message>
    <message>
        <source>&amp;45 Minutes</source>
        <translation>&amp;45 minuti</translation>
    </message>
    <message>
        <source>1 &amp;Hour</source>
        <translation>1 &amp;ora</translation>
    </message>
    <message>
        <source>&amp;90 Minutes</source>
        <translation>&amp;90 minuti</translation>
    </message>
    <message>
        <source>&amp;2 Hours</source>
        <translation>&amp;2 ore</translation>
    </message>
    <message>
        <source>&amp;Add 15 Minutes</source>
        <translation>&amp;Aggiungi 15 minuti</translation>
    </message>
    <message>
        <source>&amp;Even Loudness</source>
        <translation>&amp;Volume uniforme</translation>
    </message>
    <message>
        <source>A&amp;dd Sound...</source>
        <translation>A&amp;ggiungi suono...</translation>
    </message>
    <message>
        <source>S&amp;how Somnivox Noise Player</source>
        <translation>&amp;Mostra Somnivox Noise Player</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Turn Off</source>
        <translation>&amp;Spegni</translation>
    </message>
    <message>
        <source>&amp;Turn On</source>
        <translation>&amp;Accendi</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer (%1 min left)</source>
        <translation>&amp;Timer di spegnimento (%1 min rimasti)</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer</source>
        <translation>&amp;Timer di spegnimento</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>&amp;Uscita</translation>
    </message>
    <message>
        <source>System &amp;Default</source>
        <translation>&amp;Predefinita di sistema</translation>
    </message>
    <message>
        <source>&amp;Mixer...</source>
        <translation>Mi&amp;xer...</translation>
    </message>
</context>
<context>
    <name>UserSounds</name>
    <message>
        <source>Add Sound</source>
        <translation>Aggiungi suono</translation>
    </message>
    <message>
        <source>Sound files (*.mp3 *.flac *.ogg *.oga *.opus *.wav)</source>
        <translation>File audio (*.mp3 *.flac *.ogg *.oga *.opus *.wav)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone from your sounds, and no sound is left to choose.</source>
        <translation>&quot;%1&quot; non è più tra i tuoi suoni e non resta alcun suono da scegliere.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone from your sounds: &quot;%2&quot; is chosen instead.</source>
        <translation>&quot;%1&quot; non è più tra i tuoi suoni: al suo posto è scelto &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>mStartUp</name>
    <message>
        <source>The program&apos;s own file could not be found, so it cannot be registered to start at login.</source>
        <translation>Il file del programma non è stato trovato, quindi non può essere registrato per l&apos;avvio all&apos;accesso.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>somnivox: Somnivox Noise Player is running but did not answer within %1 seconds.</source>
        <translation>somnivox: Somnivox Noise Player è in esecuzione ma non ha risposto entro %1 secondi.</translation>
    </message>
    <message>
        <source>somnivox: Somnivox Noise Player is not running.</source>
        <translation>somnivox: Somnivox Noise Player non è in esecuzione.</translation>
    </message>
</context>
</TS>
