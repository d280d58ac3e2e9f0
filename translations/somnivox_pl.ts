<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CommandLine</name>
    <message>
        <source>Loops an ambient noise sound, all night or inside a daily time window. An option steers the running program, or starts it and then does what it says.</source>
        <translation>Odtwarza w pętli dźwięk otoczenia przez całą noc lub w codziennym przedziale czasu. Opcja steruje działającym programem albo uruchamia go, a potem wykonuje polecenie.</translation>
    </message>
    <message>
        <source>Turns the sound on, as the window&apos;s Turn On does.</source>
        <translation>Włącza dźwięk, jak przycisk „Włącz” w oknie.</translation>
    </message>
    <message>
        <source>Turns the sound off, as the window&apos;s Turn Off does.</source>
        <translation>Wyłącza dźwięk, jak przycisk „Wyłącz” w oknie.</translation>
    </message>
    <message>
        <source>Turns the sound on when it is off, and off when it is on.</source>
        <translation>Włącza dźwięk, gdy jest wyłączony, i wyłącza, gdy jest włączony.</translation>
    </message>
    <message>
        <source>Starts a sleep timer of DURATION, replacing the one running: minutes (30), or hours, minutes and seconds (1h30m, 20m, 45s). &quot;off&quot; stops the timer.</source>
        <translation>Uruchamia wyłącznik czasowy na CZAS, zastępując bieżący: minuty (30) albo godziny, minuty i sekundy (1h30m, 20m, 45s). &quot;off&quot; zatrzymuje wyłącznik.</translation>
    </message>
    <message>
        <source>DURATION</source>
        <translation>CZAS</translation>
    </message>
    <message>
        <source>Chooses the style NAME, one that --list-styles lists.</source>
        <translation>Wybiera dźwięk NAZWA, jeden z wymienionych przez --list-styles.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAZWA</translation>
    </message>
    <message>
        <source>Sets the volume, from 1 to 100.</source>
        <translation>Ustawia głośność od 1 do 100.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Prints the running program&apos;s state as &quot;key: value&quot; lines.</source>
        <translation>Wypisuje stan działającego programu w wierszach „klucz: wartość”.</translation>
    </message>
    <message>
        <source>Prints the styles that can be played, one a line.</source>
        <translation>Wypisuje dźwięki, które można odtworzyć, po jednym w wierszu.</translation>
    </message>
    <message>
        <source>Prints this help.</source>
        <translation>Wyświetla tę pomoc.</translation>
    </message>
    <message>
        <source>Prints the program&apos;s version.</source>
        <translation>Wyświetla wersję programu.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Użycie: %1 [opcje]</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>nieoczekiwany argument „%1”</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 podano więcej niż raz</translation>
    </message>
    <message>
        <source>--turn-on, --turn-off and --toggle exclude one another</source>
        <translation>--turn-on, --turn-off i --toggle wykluczają się wzajemnie</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a listed style (--list-styles lists them)</source>
        <translation>„%1” nie jest dźwiękiem z listy (--list-styles je wypisuje)</translation>
    </message>
    <message>
        <source>--volume takes a whole number from 1 to 100, not &quot;%1&quot;</source>
        <translation>--volume przyjmuje liczbę całkowitą od 1 do 100, a nie „%1”</translation>
    </message>
    <message>
        <source>--sleep takes minutes (30), a duration such as 1h30m, 20m or 45s, up to 24 hours, or &quot;off&quot;, not &quot;%1&quot;</source>
        <translation>--sleep przyjmuje minuty (30), czas taki jak 1h30m, 20m lub 45s, do 24 godzin, albo &quot;off&quot;, a nie „%1”</translation>
    </message>
    <message>
        <source>--sleep cannot run a timer for a program that --turn-off turns off</source>
        <translation>--sleep nie może uruchomić wyłącznika dla programu, który --turn-off wyłącza</translation>
    </message>
    <message>
        <source>--%1 asks a question and takes no other option</source>
        <translation>--%1 jest zapytaniem i nie przyjmuje innych opcji</translation>
    </message>
    <message>
        <source>Plays through the output NAME, a stable name or a description that --list-outputs lists, or &quot;default&quot; for the system&apos;s default output.</source>
        <translation>Odtwarza przez wyjście NAZWA, stałą nazwę lub opis wypisany przez --list-outputs, albo „default” dla domyślnego wyjścia systemu.</translation>
    </message>
    <message>
        <source>Prints the sound server&apos;s outputs, one a line: the stable name, a tab, the description.</source>
        <translation>Wypisuje wyjścia serwera dźwięku, po jednym w wierszu: stałą nazwę, tabulator, opis.</translation>
    </message>
    <message>
        <source>--output takes an output&apos;s name (--list-outputs lists them) or &quot;default&quot;</source>
        <translation>--output wymaga nazwy wyjścia (--list-outputs je wypisuje) albo „default”</translation>
    </message>
    <message>
        <source>--status, --list-styles and --list-outputs exclude one another</source>
        <translation>--status, --list-styles i --list-outputs wykluczają się wzajemnie</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Turn On</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Preview Sound</source>
        <translation>Odsłuchaj</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Play Option</source>
        <translation>Tryb odtwarzania</translation>
    </message>
    <message>
        <source>Play from</source>
        <translation>Graj od</translation>
    </message>
    <message>
        <source>Play white noise until &apos;Turn Off&apos; is clicked</source>
        <translation>Odtwarzaj biały szum do kliknięcia „Wyłącz”</translation>
    </message>
    <message>
        <source>Start of the daily window</source>
        <translation>Początek codziennego przedziału</translation>
    </message>
    <message>
        <source>End of the daily window</source>
        <translation>Koniec codziennego przedziału</translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Opcje uruchamiania</translation>
    </message>
    <message>
        <source>Start in system tray</source>
        <translation>Uruchamiaj w zasobniku systemowym</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>Uruchamiaj ten program po zalogowaniu</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Głośność</translation>
    </message>
    <message>
        <source>Which style noise would you like to play?</source>
        <translation>Jaki dźwięk chcesz odtwarzać?</translation>
    </message>
    <message>
        <source>&amp;Add Sound...</source>
        <translation>&amp;Dodaj dźwięk...</translation>
    </message>
    <message>
        <source>Add Sound</source>
        <translation>Dodaj dźwięk</translation>
    </message>
    <message>
        <source>Copies sound files of your choice into your sounds and lists them</source>
        <translation>Kopiuje wybrane pliki dźwiękowe do twoich dźwięków i dodaje je do listy</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Wysokość</translation>
    </message>
    <message>
        <source>Your settings will not be kept after the program ends.</source>
        <translation>Twoje ustawienia nie zostaną zachowane po zamknięciu programu.</translation>
    </message>
    <message>
        <source>The program cannot be set to start at login.</source>
        <translation>Nie można ustawić uruchamiania programu po zalogowaniu.</translation>
    </message>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;V&apos; icon (V for Vantrelle) to bring the software back.</source>
        <translation>zostało zminimalizowane do zasobnika systemowego.<byte value="xd"/>
Kliknij niebieską ikonę „V” (V jak Vantrelle), aby przywrócić program.</translation>
    </message>
    <message>
        <source>Mi&amp;xer...</source>
        <translation>&amp;Mikser...</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mikser</translation>
    </message>
</context>
<context>
    <name>GeneratedNoise</name>
    <message>
        <source>Brown Noise</source>
        <translation>Szum brązowy</translation>
    </message>
    <message>
        <source>Pink Noise</source>
        <translation>Szum różowy</translation>
    </message>
    <message>
        <source>White Noise</source>
        <translation>Szum biały</translation>
    </message>
</context>
<context>
    <name>Mix</name>
    <message>
        <source>it is not a mix: it has no [Mix] section</source>
        <translation>to nie jest miks: brakuje sekcji [Mix]</translation>
    </message>
    <message>
        <source>it names no version</source>
        <translation>nie podaje wersji</translation>
    </message>
    <message>
        <source>it is of version %1, and this program reads version %2</source>
        <translation>ma wersję %1, a ten program czyta wersję %2</translation>
    </message>
    <message>
        <source>it has %1 layers, and a mix holds at most %2</source>
        <translation>ma warstw: %1, a miks mieści najwyżej %2</translation>
    </message>
    <message>
        <source>layer %1 names no sound</source>
        <translation>warstwa %1 nie podaje dźwięku</translation>
    </message>
    <message>
        <source>layer %1 has the volume &quot;%2&quot;, where a whole number from 0 to %3 belongs</source>
        <translation>warstwa %1 ma głośność „%2”, a powinna to być liczba całkowita od 0 do %3</translation>
    </message>
    <message>
        <source>it has no layer</source>
        <translation>nie ma żadnej warstwy</translation>
    </message>
    <message>
        <source>A mix needs a name without &quot;/&quot;.</source>
        <translation>Miks potrzebuje nazwy bez „/”.</translation>
    </message>
    <message>
        <source>A mix needs at least one sound.</source>
        <translation>Miks potrzebuje co najmniej jednego dźwięku.</translation>
    </message>
    <message>
        <source>A mix holds at most %1 sounds.</source>
        <translation>Miks mieści najwyżej %1 dźwięków.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot hold itself.</source>
        <translation>Miks „%1” nie może zawierać samego siebie.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot hold another mix, &quot;%2&quot;.</source>
        <translation>Miks „%1” nie może zawierać innego miksu, „%2”.</translation>
    </message>
    <message>
        <source>A sound&apos;s volume in a mix goes from 0 to %1.</source>
        <translation>Głośność dźwięku w miksie wynosi od 0 do %1.</translation>
    </message>
</context>
<context>
    <name>MixerWindow</name>
    <message>
        <source>Mixer</source>
        <translation>Mikser</translation>
    </message>
    <message>
        <source>Mix &amp;name:</source>
        <translation>&amp;Nazwa miksu:</translation>
    </message>
    <message>
        <source>Mix name</source>
        <translation>Nazwa miksu</translation>
    </message>
    <message>
        <source>Choose a mix to change it, or type a new name</source>
        <translation>Wybierz miks, aby go zmienić, albo wpisz nową nazwę</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Saves the mix under the name given</source>
        <translation>Zapisuje miks pod podaną nazwą</translation>
    </message>
    <message>
        <source>&amp;Delete Mix</source>
        <translation>&amp;Usuń miks</translation>
    </message>
    <message>
        <source>Deletes the mix&apos;s file at once</source>
        <translation>Od razu usuwa plik miksu</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Volume of %1</source>
        <translation>Głośność: %1</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot be read: %2</source>
        <translation>Nie można odczytać miksu „%1”: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a sound: a mix needs a name of its own.</source>
        <translation>„%1” to nazwa dźwięku: miks potrzebuje własnej nazwy.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; is saved.</source>
        <translation>Miks „%1” został zapisany.</translation>
    </message>
    <message>
        <source>There is no saved mix called &quot;%1&quot;.</source>
        <translation>Nie ma zapisanego miksu o nazwie „%1”.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot be deleted.</source>
        <translation>Nie można usunąć miksu „%1”.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; is deleted.</source>
        <translation>Miks „%1” został usunięty.</translation>
    </message>
</context>
<context>
    <name>OutputNotice</name>
    <message>
        <source>No sound output: waiting for the sound server</source>
        <translation>Brak wyjścia dźwięku: oczekiwanie na serwer dźwięku</translation>
    </message>
</context>
<context>
    <name>ProcedureErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>w wierszu %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Wyślij zrzut ekranu tego komunikatu e-mailem na adres %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Błąd aplikacji</translation>
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
        <translation>„%1” nie może być nazwą wpisu autostartu.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be written: it is not a regular file.</source>
        <translation>Nie udało się zapisać wpisu autostartu %1: nie jest zwykłym plikiem.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be written: %2</source>
        <translation>Nie udało się zapisać wpisu autostartu %1: %2</translation>
    </message>
    <message>
        <source>The autostart folder %1 could not be created.</source>
        <translation>Nie udało się utworzyć folderu autostartu %1.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be removed: %2</source>
        <translation>Nie udało się usunąć wpisu autostartu %1: %2</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>somnivox: no command given</source>
        <translation>somnivox: nie podano polecenia</translation>
    </message>
    <message>
        <source>somnivox: &quot;%1&quot; is not a listed style (--list-styles lists them)</source>
        <translation>somnivox: „%1” nie jest dźwiękiem z listy (--list-styles je wypisuje)</translation>
    </message>
    <message>
        <source>somnivox: &quot;%1&quot; is not an output (--list-outputs lists them)</source>
        <translation>somnivox: „%1” nie jest wyjściem (--list-outputs je wypisuje)</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The setting &quot;%1&quot; could not be saved to %2.</source>
        <translation>Nie udało się zapisać ustawienia „%1” w %2.</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Silences the sound before the computer sleeps</source>
        <translation>Wycisza dźwięk przed uśpieniem komputera</translation>
    </message>
</context>
<context>
    <name>SoundImport</name>
    <message>
        <source>&quot;%1&quot; cannot be played, so it was not added.</source>
        <translation>Nie można odtworzyć „%1”, więc nie został dodany.</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Wyłączony</translation>
    </message>
    <message>
        <source>&amp;15 Minutes</source>
        <translation>&amp;15 minut</translation>
    </message>
    <message>
        <source>&amp;30 Minutes</source>
        <translation>&amp;30 minut</translation>
    </message>
    <message>
        <source>&amp;45 Minutes</source>
        <translation>&amp;45 minut</translation>
    </message>
    <message>
        <source>1 &amp;Hour</source>
        <translation>1 &amp;godzina</translation>
    </message>
    <message>
        <source>&amp;90 Minutes</source>
        <translation>&amp;90 minut</translation>
    </message>
    <message>
        <source>&amp;2 Hours</source>
        <translation>&amp;2 godziny</translation>
    </message>
    <message>
        <source>&amp;Add 15 Minutes</source>
        <translation>&amp;Dodaj 15 minut</translation>
    </message>
    <message>
        <source>&amp;Even Loudness</source>
        <translation>&amp;Jednakowa głośność</translation>
    </message>
    <message>
        <source>A&amp;dd Sound...</source>
        <translation>&amp;Dodaj dźwięk...</translation>
    </message>
    <message>
        <source>S&amp;how Somnivox Noise Player</source>
        <translation>&amp;Pokaż Somnivox Noise Player</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Turn Off</source>
        <translation>&amp;Wyłącz</translation>
    </message>
    <message>
        <source>&amp;Turn On</source>
        <translation>&amp;Włącz</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer (%1 min left)</source>
        <translation>Wyłącznik &amp;czasowy (zostało %1 min)</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer</source>
        <translation>Wyłącznik &amp;czasowy</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>Wyj&amp;ście</translation>
    </message>
    <message>
        <source>System &amp;Default</source>
        <translation>&amp;Domyślne systemowe</translation>
    </message>
    <message>
        <source>&amp;Mixer...</source>
        <translation>&amp;Mikser...</translation>
    </message>
</context>
<context>
    <name>UserSounds</name>
    <message>
        <source>Add Sound</source>
        <translation>Dodaj dźwięk</translation>
    </message>
    <message>
        <source>Sound files (*.mp3 *.flac *.ogg *.oga *.opus *.wav)</source>
        <translation>Pliki dźwiękowe (*.mp3 *.flac *.ogg *.oga *.opus *.wav)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone from your sounds, and no sound is left to choose.</source>
        <translation>„%1” zniknął z twoich dźwięków i nie został żaden dźwięk do wyboru.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone from your sounds: &quot;%2&quot; is chosen instead.</source>
        <translation>„%1” zniknął z twoich dźwięków: zamiast niego wybrano „%2”.</translation>
    </message>
</context>
<context>
    <name>mStartUp</name>
    <message>
        <source>The program&apos;s own file could not be found, so it cannot be registered to start at login.</source>
        <translation>Nie znaleziono pliku programu, więc nie można go zarejestrować do uruchamiania po zalogowaniu.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>somnivox: Somnivox Noise Player is running but did not answer within %1 seconds.</source>
        <translation>somnivox: Somnivox Noise Player działa, ale nie odpowiedział w ciągu %1 s.</translation>
    </message>
    <message>
        <source>somnivox: Somnivox Noise Player is not running.</source>
        <translation>somnivox: Somnivox Noise Player nie działa.</translation>
    </message>
</context>
</TS>
