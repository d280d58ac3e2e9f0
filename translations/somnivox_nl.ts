<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CommandLine</name>
    <message>
        <source>Loops an ambient noise sound, all night or inside a daily time window. An option steers the running program, or starts it and then does what it says.</source>
        <translation>Speelt een omgevingsgeluid in een lus af, de hele nacht of binnen een dagelijks tijdvenster. Een optie bestuurt het draaiende programma, of start het en doet dan wat ze zegt.</translation>
    </message>
    <message>
        <source>Turns the sound on, as the window&apos;s Turn On does.</source>
        <translation>Zet het geluid aan, zoals ‘Aanzetten’ in het venster.</translation>
    </message>
    <message>
        <source>Turns the sound off, as the window&apos;s Turn Off does.</source>
        <translation>Zet het geluid uit, zoals ‘Uitzetten’ in het venster.</translation>
    </message>
    <message>
        <source>Turns the sound on when it is off, and off when it is on.</source>
        <translation>Zet het geluid aan als het uit staat, en uit als het aan staat.</translation>
    </message>
    <message>
        <source>Starts a sleep timer of DURATION, replacing the one running: minutes (30), or hours, minutes and seconds (1h30m, 20m, 45s). &quot;off&quot; stops the timer.</source>
        <translation>Start een slaaptimer van DUUR en vervangt de lopende: minuten (30), of uren, minuten en seconden (1h30m, 20m, 45s). &quot;off&quot; stopt de timer.</translation>
    </message>
    <message>
        <source>DURATION</source>
        <translation>DUUR</translation>
    </message>
    <message>
        <source>Chooses the style NAME, one that --list-styles lists.</source>
        <translation>Kiest het geluid NAAM, een van de geluiden die --list-styles toont.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAAM</translation>
    </message>
    <message>
        <source>Sets the volume, from 1 to 100.</source>
        <translation>Stelt het volume in, van 1 tot 100.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Prints the running program&apos;s state as &quot;key: value&quot; lines.</source>
        <translation>Toont de toestand van het draaiende programma als regels ‘sleutel: waarde’.</translation>
    </message>
    <message>
        <source>Prints the styles that can be played, one a line.</source>
        <translation>Toont de geluiden die kunnen worden afgespeeld, één per regel.</translation>
    </message>
    <message>
        <source>Prints this help.</source>
        <translation>Toont deze hulp.</translation>
    </message>
    <message>
        <source>Prints the program&apos;s version.</source>
        <translation>Toont de versie van het programma.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Gebruik: %1 [opties]</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>onverwacht argument ‘%1’</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 is meer dan eens opgegeven</translation>
    </message>
    <message>
        <source>--turn-on, --turn-off and --toggle exclude one another</source>
        <translation>--turn-on, --turn-off en --toggle sluiten elkaar uit</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a listed style (--list-styles lists them)</source>
        <translation>‘%1’ is geen geluid uit de lijst (--list-styles toont ze)</translation>
    </message>
    <message>
        <source>--volume takes a whole number from 1 to 100, not &quot;%1&quot;</source>
        <translation>--volume verwacht een geheel getal van 1 tot 100, niet ‘%1’</translation>
    </message>
    <message>
        <source>--sleep takes minutes (30), a duration such as 1h30m, 20m or 45s, up to 24 hours, or &quot;off&quot;, not &quot;%1&quot;</source>
        <translation>--sleep verwacht minuten (30), een duur zoals 1h30m, 20m of 45s, tot 24 uur, of &quot;off&quot;, niet ‘%1’</translation>
    </message>
    <message>
        <source>--sleep cannot run a timer for a program that --turn-off turns off</source>
        <translation>--sleep kan geen timer starten voor een programma dat --turn-off uitzet</translation>
    </message>
    <message>
        <source>--%1 asks a question and takes no other option</source>
        <translation>--%1 stelt een vraag en neemt geen andere optie aan</translation>
    </message>
    <message>
        <source>Plays through the output NAME, a stable name or a description that --list-outputs lists, or &quot;default&quot; for the system&apos;s default output.</source>
        <translation>Speelt af via de uitvoer NAAM, een vaste naam of een beschrijving die --list-outputs toont, of &quot;default&quot; voor de standaarduitvoer van het systeem.</translation>
    </message>
    <message>
        <source>Prints the sound server&apos;s outputs, one a line: the stable name, a tab, the description.</source>
        <translation>Toont de uitvoeren van de geluidsserver, één per regel: de vaste naam, een tab, de beschrijving.</translation>
    </message>
    <message>
        <source>--output takes an output&apos;s name (--list-outputs lists them) or &quot;default&quot;</source>
        <translation>--output verwacht de naam van een uitvoer (--list-outputs toont ze) of &quot;default&quot;</translation>
    </message>
    <message>
        <source>--status, --list-styles and --list-outputs exclude one another</source>
        <translation>--status, --list-styles en --list-outputs sluiten elkaar uit</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Turn On</source>
        <translation>Aanzetten</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Uitzetten</translation>
    </message>
    <message>
        <source>Preview Sound</source>
        <translation>Voorbeeld beluisteren</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Play Option</source>
        <translation>Afspeelmodus</translation>
    </message>
    <message>
        <source>Play from</source>
        <translation>Spelen van</translation>
    </message>
    <message>
        <source>Play white noise until &apos;Turn Off&apos; is clicked</source>
        <translation>Witte ruis afspelen tot op ‘Uitzetten’ wordt geklikt</translation>
    </message>
    <message>
        <source>Start of the daily window</source>
        <translation>Begin van het dagelijkse tijdvenster</translation>
    </message>
    <message>
        <source>End of the daily window</source>
        <translation>Einde van het dagelijkse tijdvenster</translation>
    </message>
    <message>
        <source>to</source>
        <translation>tot</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Opstartopties</translation>
    </message>
    <message>
        <source>Start in system tray</source>
        <translation>Starten in het systeemvak</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>Dit programma starten bij het aanmelden</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Which style noise would you like to play?</source>
        <translation>Welk geluid wilt u afspelen?</translation>
    </message>
    <message>
        <source>&amp;Add Sound...</source>
        <translation>Geluid &amp;toevoegen...</translation>
    </message>
    <message>
        <source>Add Sound</source>
        <translation>Geluid toevoegen</translation>
    </message>
    <message>
        <source>Copies sound files of your choice into your sounds and lists them</source>
        <translation>Kopieert geluidsbestanden naar keuze naar uw geluiden en zet ze in de lijst</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Toonhoogte</translation>
    </message>
    <message>
        <source>Your settings will not be kept after the program ends.</source>
        <translation>Uw instellingen blijven niet bewaard nadat het programma is afgesloten.</translation>
    </message>
    <message>
        <source>The program cannot be set to start at login.</source>
        <translation>Het programma kan niet worden ingesteld om bij het aanmelden te starten.</translation>
    </message>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;V&apos; icon (V for Vantrelle) to bring the software back.</source>
        <translation>is naar het systeemvak geminimaliseerd.<byte value="xd"/>
Klik op het blauwe ‘V’-pictogram (V van Vantrelle) om het programma terug te halen.</translation>
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
        <translation>Bruine ruis</translation>
    </message>
    <message>
        <source>Pink Noise</source>
        <translation>Roze ruis</translation>
    </message>
    <message>
        <source>White Noise</source>
        <translation>Witte ruis</translation>
    </message>
</context>
<context>
    <name>Mix</name>
    <message>
        <source>it is not a mix: it has no [Mix] section</source>
        <translation>het is geen mix: de sectie [Mix] ontbreekt</translation>
    </message>
    <message>
        <source>it names no version</source>
        <translation>er staat geen versie in</translation>
    </message>
    <message>
        <source>it is of version %1, and this program reads version %2</source>
        <translation>het is versie %1, en dit programma leest versie %2</translation>
    </message>
    <message>
        <source>it has %1 layers, and a mix holds at most %2</source>
        <translation>het heeft %1 lagen, en een mix bevat er hoogstens %2</translation>
    </message>
    <message>
        <source>layer %1 names no sound</source>
        <translation>laag %1 noemt geen geluid</translation>
    </message>
    <message>
        <source>layer %1 has the volume &quot;%2&quot;, where a whole number from 0 to %3 belongs</source>
        <translation>laag %1 heeft het volume ‘%2’, waar een geheel getal van 0 tot %3 hoort</translation>
    </message>
    <message>
        <source>it has no layer</source>
        <translation>het heeft geen enkele laag</translation>
    </message>
    <message>
        <source>A mix needs a name without &quot;/&quot;.</source>
        <translation>Een mix heeft een naam zonder ‘/’ nodig.</translation>
    </message>
    <message>
        <source>A mix needs at least one sound.</source>
        <translation>Een mix heeft minstens één geluid nodig.</translation>
    </message>
    <message>
        <source>A mix holds at most %1 sounds.</source>
        <translation>Een mix bevat hoogstens %1 geluiden.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot hold itself.</source>
        <translation>De mix ‘%1’ kan zichzelf niet bevatten.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot hold another mix, &quot;%2&quot;.</source>
        <translation>De mix ‘%1’ kan geen andere mix bevatten, ‘%2’.</translation>
    </message>
    <message>
        <source>A sound&apos;s volume in a mix goes from 0 to %1.</source>
        <translation>Het volume van een geluid in een mix loopt van 0 tot %1.</translation>
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
        <translation>&amp;Naam van de mix:</translation>
    </message>
    <message>
        <source>Mix name</source>
        <translation>Naam van de mix</translation>
    </message>
    <message>
        <source>Choose a mix to change it, or type a new name</source>
        <translation>Kies een mix om die te wijzigen, of typ een nieuwe naam</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>Saves the mix under the name given</source>
        <translation>Slaat de mix op onder de opgegeven naam</translation>
    </message>
    <message>
        <source>&amp;Delete Mix</source>
        <translation>Mix &amp;verwijderen</translation>
    </message>
    <message>
        <source>Deletes the mix&apos;s file at once</source>
        <translation>Verwijdert het bestand van de mix meteen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Volume of %1</source>
        <translation>Volume van %1</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot be read: %2</source>
        <translation>De mix ‘%1’ kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a sound: a mix needs a name of its own.</source>
        <translation>‘%1’ is de naam van een geluid: een mix heeft een eigen naam nodig.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; is saved.</source>
        <translation>De mix ‘%1’ is opgeslagen.</translation>
    </message>
    <message>
        <source>There is no saved mix called &quot;%1&quot;.</source>
        <translation>Er is geen opgeslagen mix met de naam ‘%1’.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot be deleted.</source>
        <translation>De mix ‘%1’ kan niet worden verwijderd.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; is deleted.</source>
        <translation>De mix ‘%1’ is verwijderd.</translation>
    </message>
</context>
<context>
    <name>OutputNotice</name>
    <message>
        <source>No sound output: waiting for the sound server</source>
        <translation>Geen geluidsuitvoer: wachten op de geluidsserver</translation>
    </message>
</context>
<context>
    <name>ProcedureErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>op regel %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Stuur een schermafbeelding van dit bericht per e-mail naar %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Toepassingsfout</translation>
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
        <translation>‘%1’ kan geen autostartitem benoemen.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be written: it is not a regular file.</source>
        <translation>Het autostartitem %1 kon niet worden geschreven: het is geen gewoon bestand.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be written: %2</source>
        <translation>Het autostartitem %1 kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>The autostart folder %1 could not be created.</source>
        <translation>De autostartmap %1 kon niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be removed: %2</source>
        <translation>Het autostartitem %1 kon niet worden verwijderd: %2</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>somnivox: no command given</source>
        <translation>somnivox: geen opdracht opgegeven</translation>
    </message>
    <message>
        <source>somnivox: &quot;%1&quot; is not a listed style (--list-styles lists them)</source>
        <translation>somnivox: ‘%1’ is geen geluid uit de lijst (--list-styles toont ze)</translation>
    </message>
    <message>
        <source>somnivox: &quot;%1&quot; is not an output (--list-outputs lists them)</source>
        <translation>somnivox: ‘%1’ is geen uitvoer (--list-outputs toont ze)</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The setting &quot;%1&quot; could not be saved to %2.</source>
        <translation>De instelling ‘%1’ kon niet in %2 worden opgeslagen.</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Silences the sound before the computer sleeps</source>
        <translation>Zet het geluid stil voordat de computer gaat slapen</translation>
    </message>
</context>
<context>
    <name>SoundImport</name>
    <message>
        <source>&quot;%1&quot; cannot be played, so it was not added.</source>
        <translation>‘%1’ kan niet worden afgespeeld en is daarom niet toegevoegd.</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Uit</translation>
    </message>
    <message>
        <source>&amp;15 Minutes</source>
        <translation>&amp;15 minuten</translation>
    </message>
    <message>
        <source>&amp;30 Minutes</source>
        <translation>&amp;30 minuten</translation>
    </message>
    <message>
        <source>&amp;45 Minutes</source>
        <translation>&amp;45 minuten</translation>
    </message>
    <message>
        <source>1 &amp;Hour</source>
        <translation>1 uu&amp;r</translation>
    </message>
    <message>
        <source>&amp;90 Minutes</source>
        <translation>&amp;90 minuten</translation>
    </message>
    <message>
        <source>&amp;2 Hours</source>
        <translation>&amp;2 uur</translation>
    </message>
    <message>
        <source>&amp;Add 15 Minutes</source>
        <translation>15 minuten &amp;erbij</translation>
    </message>
    <message>
        <source>&amp;Even Loudness</source>
        <translation>&amp;Gelijke luidheid</translation>
    </message>
    <message>
        <source>A&amp;dd Sound...</source>
        <translation>Geluid &amp;toevoegen...</translation>
    </message>
    <message>
        <source>S&amp;how Somnivox Noise Player</source>
        <translation>Somnivox Noise Player &amp;weergeven</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>&amp;Turn Off</source>
        <translation>&amp;Uitzetten</translation>
    </message>
    <message>
        <source>&amp;Turn On</source>
        <translation>&amp;Aanzetten</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer (%1 min left)</source>
        <translation>&amp;Slaaptimer (nog %1 min)</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer</source>
        <translation>&amp;Slaaptimer</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>Uit&amp;voer</translation>
    </message>
    <message>
        <source>System &amp;Default</source>
        <translation>&amp;Systeemstandaard</translation>
    </message>
    <message>
        <source>&amp;Mixer...</source>
        <translation>&amp;Mixer...</translation>
    </message>
</context>
<context>
    <name>UserSounds</name>
    <message>
        <source>Add Sound</source>
        <translation>Geluid toevoegen</translation>
    </message>
    <message>
        <source>Sound files (*.mp3 *.flac *.ogg *.oga *.opus *.wav)</source>
        <translation>Geluidsbestanden (*.mp3 *.flac *.ogg *.oga *.opus *.wav)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone from your sounds, and no sound is left to choose.</source>
        <translation>‘%1’ staat niet meer tussen uw geluiden, en er is geen geluid meer om te kiezen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone from your sounds: &quot;%2&quot; is chosen instead.</source>
        <translation>‘%1’ staat niet meer tussen uw geluiden: in plaats daarvan is ‘%2’ gekozen.</translation>
    </message>
</context>
<context>
    <name>mStartUp</name>
    <message>
        <source>The program&apos;s own file could not be found, so it cannot be registered to start at login.</source>
        <translation>Het programmabestand zelf is niet gevonden, dus het kan niet worden ingesteld om bij het aanmelden te starten.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>somnivox: Somnivox Noise Player is running but did not answer within %1 seconds.</source>
        <translation>somnivox: Somnivox Noise Player draait, maar heeft niet binnen %1 seconden geantwoord.</translation>
    </message>
    <message>
        <source>somnivox: Somnivox Noise Player is not running.</source>
        <translation>somnivox: Somnivox Noise Player draait niet.</translation>
    </message>
</context>
</TS>
