<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>CommandLine</name>
    <message>
        <source>Loops an ambient noise sound, all night or inside a daily time window. An option steers the running program, or starts it and then does what it says.</source>
        <translation>Відтворює фоновий звук по колу всю ніч або в заданий час щодня. Параметр керує запущеною програмою або запускає її, а потім виконує команду.</translation>
    </message>
    <message>
        <source>Turns the sound on, as the window&apos;s Turn On does.</source>
        <translation>Вмикає звук, як кнопка «Увімкнути» у вікні.</translation>
    </message>
    <message>
        <source>Turns the sound off, as the window&apos;s Turn Off does.</source>
        <translation>Вимикає звук, як кнопка «Вимкнути» у вікні.</translation>
    </message>
    <message>
        <source>Turns the sound on when it is off, and off when it is on.</source>
        <translation>Вмикає звук, якщо він вимкнений, і вимикає, якщо увімкнений.</translation>
    </message>
    <message>
        <source>Starts a sleep timer of DURATION, replacing the one running: minutes (30), or hours, minutes and seconds (1h30m, 20m, 45s). &quot;off&quot; stops the timer.</source>
        <translation>Запускає таймер сну на ТРИВАЛІСТЬ замість поточного: хвилини (30) або години, хвилини й секунди (1h30m, 20m, 45s). «off» зупиняє таймер.</translation>
    </message>
    <message>
        <source>DURATION</source>
        <translation>ТРИВАЛІСТЬ</translation>
    </message>
    <message>
        <source>Chooses the style NAME, one that --list-styles lists.</source>
        <translation>Вибирає звук НАЗВА з тих, що виводить --list-styles.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>НАЗВА</translation>
    </message>
    <message>
        <source>Sets the volume, from 1 to 100.</source>
        <translation>Задає гучність від 1 до 100.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Prints the running program&apos;s state as &quot;key: value&quot; lines.</source>
        <translation>Виводить стан запущеної програми рядками «ключ: значення».</translation>
    </message>
    <message>
        <source>Prints the styles that can be played, one a line.</source>
        <translation>Виводить доступні звуки, по одному в рядку.</translation>
    </message>
    <message>
        <source>Prints this help.</source>
        <translation>Виводить цю довідку.</translation>
    </message>
    <message>
        <source>Prints the program&apos;s version.</source>
        <translation>Виводить версію програми.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Використання: %1 [параметри]</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>неочікуваний аргумент «%1»</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 вказано більше одного разу</translation>
    </message>
    <message>
        <source>--turn-on, --turn-off and --toggle exclude one another</source>
        <translation>--turn-on, --turn-off і --toggle виключають одне одного</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a listed style (--list-styles lists them)</source>
        <translation>«%1» немає у списку звуків (їх виводить --list-styles)</translation>
    </message>
    <message>
        <source>--volume takes a whole number from 1 to 100, not &quot;%1&quot;</source>
        <translation>--volume приймає ціле число від 1 до 100, а не «%1»</translation>
    </message>
    <message>
        <source>--sleep takes minutes (30), a duration such as 1h30m, 20m or 45s, up to 24 hours, or &quot;off&quot;, not &quot;%1&quot;</source>
        <translation>--sleep приймає хвилини (30), тривалість на кшталт 1h30m, 20m або 45s до 24 годин або «off», а не «%1»</translation>
    </message>
    <message>
        <source>--sleep cannot run a timer for a program that --turn-off turns off</source>
        <translation>--sleep не може запустити таймер для програми, яку вимикає --turn-off</translation>
    </message>
    <message>
        <source>--%1 asks a question and takes no other option</source>
        <translation>--%1 — це запит, інші параметри з ним не вказуються</translation>
    </message>
    <message>
        <source>Plays through the output NAME, a stable name or a description that --list-outputs lists, or &quot;default&quot; for the system&apos;s default output.</source>
        <translation>Відтворює через вивід НАЗВА — сталу назву або опис із тих, що виводить --list-outputs, — або «default» для типового виводу системи.</translation>
    </message>
    <message>
        <source>Prints the sound server&apos;s outputs, one a line: the stable name, a tab, the description.</source>
        <translation>Виводить виводи звукового сервера, по одному в рядку: стала назва, табуляція, опис.</translation>
    </message>
    <message>
        <source>--output takes an output&apos;s name (--list-outputs lists them) or &quot;default&quot;</source>
        <translation>--output приймає назву виводу (їх виводить --list-outputs) або «default»</translation>
    </message>
    <message>
        <source>--status, --list-styles and --list-outputs exclude one another</source>
        <translation>--status, --list-styles і --list-outputs виключають одне одного</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Turn On</source>
        <translation>Увімкнути</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Вимкнути</translation>
    </message>
    <message>
        <source>Preview Sound</source>
        <translation>Прослухати</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Play Option</source>
        <translation>Режим відтворення</translation>
    </message>
    <message>
        <source>Play from</source>
        <translation>Грати з</translation>
    </message>
    <message>
        <source>Play white noise until &apos;Turn Off&apos; is clicked</source>
        <translation>Відтворювати білий шум, доки не натиснуто «Вимкнути»</translation>
    </message>
    <message>
        <source>Start of the daily window</source>
        <translation>Початок щоденного проміжку</translation>
    </message>
    <message>
        <source>End of the daily window</source>
        <translation>Кінець щоденного проміжку</translation>
    </message>
    <message>
        <source>to</source>
        <translation>до</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Параметри запуску</translation>
    </message>
    <message>
        <source>Start in system tray</source>
        <translation>Запускати в системному лотку</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>Запускати цю програму під час входу в систему</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Гучність</translation>
    </message>
    <message>
        <source>Which style noise would you like to play?</source>
        <translation>Який шум ви хочете слухати?</translation>
    </message>
    <message>
        <source>&amp;Add Sound...</source>
        <translation>&amp;Додати звук...</translation>
    </message>
    <message>
        <source>Add Sound</source>
        <translation>Додати звук</translation>
    </message>
    <message>
        <source>Copies sound files of your choice into your sounds and lists them</source>
        <translation>Копіює вибрані звукові файли до ваших звуків і додає їх до списку</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Висота тону</translation>
    </message>
    <message>
        <source>Your settings will not be kept after the program ends.</source>
        <translation>Ваші налаштування не збережуться після завершення програми.</translation>
    </message>
    <message>
        <source>The program cannot be set to start at login.</source>
        <translation>Не вдається налаштувати запуск програми під час входу в систему.</translation>
    </message>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;V&apos; icon (V for Vantrelle) to bring the software back.</source>
        <translation>згорнуто в системний лоток.<byte value="xd"/>
Клацніть синій значок «V» (V — Vantrelle), щоб повернути програму.</translation>
    </message>
    <message>
        <source>Mi&amp;xer...</source>
        <translation>&amp;Мікшер...</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Мікшер</translation>
    </message>
</context>
<context>
    <name>GeneratedNoise</name>
    <message>
        <source>Brown Noise</source>
        <translation>Коричневий шум</translation>
    </message>
    <message>
        <source>Pink Noise</source>
        <translation>Рожевий шум</translation>
    </message>
    <message>
        <source>White Noise</source>
        <translation>Білий шум</translation>
    </message>
</context>
<context>
    <name>Mix</name>
    <message>
        <source>it is not a mix: it has no [Mix] section</source>
        <translation>це не мікс: немає розділу [Mix]</translation>
    </message>
    <message>
        <source>it names no version</source>
        <translation>версію не вказано</translation>
    </message>
    <message>
        <source>it is of version %1, and this program reads version %2</source>
        <translation>його версія %1, а ця програма читає версію %2</translation>
    </message>
    <message>
        <source>it has %1 layers, and a mix holds at most %2</source>
        <translation>у ньому шарів: %1, а мікс вміщує щонайбільше %2</translation>
    </message>
    <message>
        <source>layer %1 names no sound</source>
        <translation>у шарі %1 не вказано звук</translation>
    </message>
    <message>
        <source>layer %1 has the volume &quot;%2&quot;, where a whole number from 0 to %3 belongs</source>
        <translation>у шару %1 гучність «%2», а потрібне ціле число від 0 до %3</translation>
    </message>
    <message>
        <source>it has no layer</source>
        <translation>у ньому немає жодного шару</translation>
    </message>
    <message>
        <source>A mix needs a name without &quot;/&quot;.</source>
        <translation>Міксу потрібна назва без «/».</translation>
    </message>
    <message>
        <source>A mix needs at least one sound.</source>
        <translation>У міксі має бути хоча б один звук.</translation>
    </message>
    <message>
        <source>A mix holds at most %1 sounds.</source>
        <translation>Мікс вміщує щонайбільше %1 звуків.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot hold itself.</source>
        <translation>Мікс «%1» не може містити сам себе.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot hold another mix, &quot;%2&quot;.</source>
        <translation>Мікс «%1» не може містити інший мікс, «%2».</translation>
    </message>
    <message>
        <source>A sound&apos;s volume in a mix goes from 0 to %1.</source>
        <translation>Гучність звуку в міксі — від 0 до %1.</translation>
    </message>
</context>
<context>
    <name>MixerWindow</name>
    <message>
        <source>Mixer</source>
        <translation>Мікшер</translation>
    </message>
    <message>
        <source>Mix &amp;name:</source>
        <translation>&amp;Назва міксу:</translation>
    </message>
    <message>
        <source>Mix name</source>
        <translation>Назва міксу</translation>
    </message>
    <message>
        <source>Choose a mix to change it, or type a new name</source>
        <translation>Виберіть мікс, щоб змінити його, або введіть нову назву</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Зберегти</translation>
    </message>
    <message>
        <source>Saves the mix under the name given</source>
        <translation>Зберігає мікс під вказаною назвою</translation>
    </message>
    <message>
        <source>&amp;Delete Mix</source>
        <translation>&amp;Видалити мікс</translation>
    </message>
    <message>
        <source>Deletes the mix&apos;s file at once</source>
        <translation>Одразу видаляє файл міксу</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>З&amp;акрити</translation>
    </message>
    <message>
        <source>Volume of %1</source>
        <translation>Гучність: %1</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot be read: %2</source>
        <translation>Не вдається прочитати мікс «%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a sound: a mix needs a name of its own.</source>
        <translation>«%1» — це назва звуку: міксу потрібна власна назва.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; is saved.</source>
        <translation>Мікс «%1» збережено.</translation>
    </message>
    <message>
        <source>There is no saved mix called &quot;%1&quot;.</source>
        <translation>Збереженого міксу з назвою «%1» немає.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot be deleted.</source>
        <translation>Не вдається видалити мікс «%1».</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; is deleted.</source>
        <translation>Мікс «%1» видалено.</translation>
    </message>
</context>
<context>
    <name>OutputNotice</name>
    <message>
        <source>No sound output: waiting for the sound server</source>
        <translation>Немає виводу звуку: очікування звукового сервера</translation>
    </message>
</context>
<context>
    <name>ProcedureErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>у рядку %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Надішліть знімок екрана з цим повідомленням на адресу %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Помилка застосунку</translation>
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
        <translation>«%1» не може бути назвою запису автозапуску.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be written: it is not a regular file.</source>
        <translation>Не вдалося записати запис автозапуску %1: це не звичайний файл.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be written: %2</source>
        <translation>Не вдалося записати запис автозапуску %1: %2</translation>
    </message>
    <message>
        <source>The autostart folder %1 could not be created.</source>
        <translation>Не вдалося створити теку автозапуску %1.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be removed: %2</source>
        <translation>Не вдалося видалити запис автозапуску %1: %2</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>somnivox: no command given</source>
        <translation>somnivox: команду не вказано</translation>
    </message>
    <message>
        <source>somnivox: &quot;%1&quot; is not a listed style (--list-styles lists them)</source>
        <translation>somnivox: «%1» немає у списку звуків (їх виводить --list-styles)</translation>
    </message>
    <message>
        <source>somnivox: &quot;%1&quot; is not an output (--list-outputs lists them)</source>
        <translation>somnivox: «%1» не є виводом (їх виводить --list-outputs)</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The setting &quot;%1&quot; could not be saved to %2.</source>
        <translation>Не вдалося зберегти параметр «%1» у %2.</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Silences the sound before the computer sleeps</source>
        <translation>Приглушує звук перед переходом комп&apos;ютера в сон</translation>
    </message>
</context>
<context>
    <name>SoundImport</name>
    <message>
        <source>&quot;%1&quot; cannot be played, so it was not added.</source>
        <translation>«%1» неможливо відтворити, тому його не додано.</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Вимкнено</translation>
    </message>
    <message>
        <source>&amp;15 Minutes</source>
        <translation>&amp;15 хвилин</translation>
    </message>
    <message>
        <source>&amp;30 Minutes</source>
        <translation>&amp;30 хвилин</translation>
    </message>
    <message>
        <source>&amp;45 Minutes</source>
        <translation>&amp;45 хвилин</translation>
    </message>
    <message>
        <source>1 &amp;Hour</source>
        <translation>1 &amp;година</translation>
    </message>
    <message>
        <source>&amp;90 Minutes</source>
        <translation>&amp;90 хвилин</translation>
    </message>
    <message>
        <source>&amp;2 Hours</source>
        <translation>&amp;2 години</translation>
    </message>
    <message>
        <source>&amp;Add 15 Minutes</source>
        <translation>&amp;Додати 15 хвилин</translation>
    </message>
    <message>
        <source>&amp;Even Loudness</source>
        <translation>&amp;Рівна гучність</translation>
    </message>
    <message>
        <source>A&amp;dd Sound...</source>
        <translation>Д&amp;одати звук...</translation>
    </message>
    <message>
        <source>S&amp;how Somnivox Noise Player</source>
        <translation>&amp;Показати Somnivox Noise Player</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>В&amp;ихід</translation>
    </message>
    <message>
        <source>&amp;Turn Off</source>
        <translation>&amp;Вимкнути</translation>
    </message>
    <message>
        <source>&amp;Turn On</source>
        <translation>&amp;Увімкнути</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer (%1 min left)</source>
        <translation>&amp;Таймер сну (залишилося %1 хв)</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer</source>
        <translation>&amp;Таймер сну</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>Виві&amp;д</translation>
    </message>
    <message>
        <source>System &amp;Default</source>
        <translation>&amp;Системний типовий</translation>
    </message>
    <message>
        <source>&amp;Mixer...</source>
        <translation>&amp;Мікшер...</translation>
    </message>
</context>
<context>
    <name>UserSounds</name>
    <message>
        <source>Add Sound</source>
        <translation>Додати звук</translation>
    </message>
    <message>
        <source>Sound files (*.mp3 *.flac *.ogg *.oga *.opus *.wav)</source>
        <translation>Звукові файли (*.mp3 *.flac *.ogg *.oga *.opus *.wav)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Усі файли (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone from your sounds, and no sound is left to choose.</source>
        <translation>«%1» більше немає серед ваших звуків, і вибрати більше нічого.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone from your sounds: &quot;%2&quot; is chosen instead.</source>
        <translation>«%1» більше немає серед ваших звуків: замість нього вибрано «%2».</translation>
    </message>
</context>
<context>
    <name>mStartUp</name>
    <message>
        <source>The program&apos;s own file could not be found, so it cannot be registered to start at login.</source>
        <translation>Не знайдено файл самої програми, тому її не можна додати до автозапуску під час входу в систему.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>somnivox: Somnivox Noise Player is running but did not answer within %1 seconds.</source>
        <translation>somnivox: Somnivox Noise Player запущено, але він не відповів протягом %1 с.</translation>
    </message>
    <message>
        <source>somnivox: Somnivox Noise Player is not running.</source>
        <translation>somnivox: Somnivox Noise Player не запущено.</translation>
    </message>
</context>
</TS>
