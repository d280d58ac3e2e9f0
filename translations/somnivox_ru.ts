<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CommandLine</name>
    <message>
        <source>Loops an ambient noise sound, all night or inside a daily time window. An option steers the running program, or starts it and then does what it says.</source>
        <translation>Воспроизводит фоновый звук по кругу всю ночь или в заданные часы каждый день. Параметр управляет запущенной программой или запускает её и затем выполняет команду.</translation>
    </message>
    <message>
        <source>Turns the sound on, as the window&apos;s Turn On does.</source>
        <translation>Включает звук, как кнопка «Включить» в окне.</translation>
    </message>
    <message>
        <source>Turns the sound off, as the window&apos;s Turn Off does.</source>
        <translation>Выключает звук, как кнопка «Выключить» в окне.</translation>
    </message>
    <message>
        <source>Turns the sound on when it is off, and off when it is on.</source>
        <translation>Включает звук, если он выключен, и выключает, если включён.</translation>
    </message>
    <message>
        <source>Starts a sleep timer of DURATION, replacing the one running: minutes (30), or hours, minutes and seconds (1h30m, 20m, 45s). &quot;off&quot; stops the timer.</source>
        <translation>Запускает таймер сна на ДЛИТЕЛЬНОСТЬ вместо текущего: минуты (30) или часы, минуты и секунды (1h30m, 20m, 45s). «off» останавливает таймер.</translation>
    </message>
    <message>
        <source>DURATION</source>
        <translation>ДЛИТЕЛЬНОСТЬ</translation>
    </message>
    <message>
        <source>Chooses the style NAME, one that --list-styles lists.</source>
        <translation>Выбирает звук ИМЯ из тех, что выводит --list-styles.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>ИМЯ</translation>
    </message>
    <message>
        <source>Sets the volume, from 1 to 100.</source>
        <translation>Задаёт громкость от 1 до 100.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Prints the running program&apos;s state as &quot;key: value&quot; lines.</source>
        <translation>Выводит состояние запущенной программы строками «ключ: значение».</translation>
    </message>
    <message>
        <source>Prints the styles that can be played, one a line.</source>
        <translation>Выводит доступные звуки, по одному в строке.</translation>
    </message>
    <message>
        <source>Prints this help.</source>
        <translation>Выводит эту справку.</translation>
    </message>
    <message>
        <source>Prints the program&apos;s version.</source>
        <translation>Выводит версию программы.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Использование: %1 [параметры]</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>неожиданный аргумент «%1»</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 указан более одного раза</translation>
    </message>
    <message>
        <source>--turn-on, --turn-off and --toggle exclude one another</source>
        <translation>--turn-on, --turn-off и --toggle исключают друг друга</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a listed style (--list-styles lists them)</source>
        <translation>«%1» нет в списке звуков (их выводит --list-styles)</translation>
    </message>
    <message>
        <source>--volume takes a whole number from 1 to 100, not &quot;%1&quot;</source>
        <translation>--volume принимает целое число от 1 до 100, а не «%1»</translation>
    </message>
    <message>
        <source>--sleep takes minutes (30), a duration such as 1h30m, 20m or 45s, up to 24 hours, or &quot;off&quot;, not &quot;%1&quot;</source>
        <translation>--sleep принимает минуты (30), длительность вида 1h30m, 20m или 45s до 24 часов или «off», а не «%1»</translation>
    </message>
    <message>
        <source>--sleep cannot run a timer for a program that --turn-off turns off</source>
        <translation>--sleep не может запустить таймер для программы, которую выключает --turn-off</translation>
    </message>
    <message>
        <source>--%1 asks a question and takes no other option</source>
        <translation>--%1 — это запрос, другие параметры с ним не указываются</translation>
    </message>
    <message>
        <source>Plays through the output NAME, a stable name or a description that --list-outputs lists, or &quot;default&quot; for the system&apos;s default output.</source>
        <translation>Воспроизводит через вывод ИМЯ — постоянное имя или описание из тех, что выводит --list-outputs, — или «default» для системного вывода по умолчанию.</translation>
    </message>
    <message>
        <source>Prints the sound server&apos;s outputs, one a line: the stable name, a tab, the description.</source>
        <translation>Выводит выводы звукового сервера, по одному в строке: постоянное имя, табуляция, описание.</translation>
    </message>
    <message>
        <source>--output takes an output&apos;s name (--list-outputs lists them) or &quot;default&quot;</source>
        <translation>--output принимает имя вывода (их выводит --list-outputs) или «default»</translation>
    </message>
    <message>
        <source>--status, --list-styles and --list-outputs exclude one another</source>
        <translation>--status, --list-styles и --list-outputs исключают друг друга</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Turn On</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Выключить</translation>
    </message>
    <message>
        <source>Preview Sound</source>
        <translation>Прослушать</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Play Option</source>
        <translation>Режим воспроизведения</translation>
    </message>
    <message>
        <source>Play from</source>
        <translation>Играть с</translation>
    </message>
    <message>
        <source>Play white noise until &apos;Turn Off&apos; is clicked</source>
        <translation>Играть белый шум, пока не нажата кнопка «Выключить»</translation>
    </message>
    <message>
        <source>Start of the daily window</source>
        <translation>Начало ежедневного интервала</translation>
    </message>
    <message>
        <source>End of the daily window</source>
        <translation>Конец ежедневного интервала</translation>
    </message>
    <message>
        <source>to</source>
        <translation>до</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Параметры запуска</translation>
    </message>
    <message>
        <source>Start in system tray</source>
        <translation>Запускать в системном лотке</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>Запускать эту программу при входе в систему</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>Which style noise would you like to play?</source>
        <translation>Какой шум вы хотите слушать?</translation>
    </message>
    <message>
        <source>&amp;Add Sound...</source>
        <translation>&amp;Добавить звук...</translation>
    </message>
    <message>
        <source>Add Sound</source>
        <translation>Добавить звук</translation>
    </message>
    <message>
        <source>Copies sound files of your choice into your sounds and lists them</source>
        <translation>Копирует выбранные звуковые файлы в ваши звуки и добавляет их в список</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Высота тона</translation>
    </message>
    <message>
        <source>Your settings will not be kept after the program ends.</source>
        <translation>Ваши настройки не сохранятся после завершения программы.</translation>
    </message>
    <message>
        <source>The program cannot be set to start at login.</source>
        <translation>Не удаётся настроить запуск программы при входе в систему.</translation>
    </message>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;V&apos; icon (V for Vantrelle) to bring the software back.</source>
        <translation>свёрнут в системный лоток.<byte value="xd"/>
Щёлкните синий значок «V» (V — Vantrelle), чтобы вернуть программу.</translation>
    </message>
    <message>
        <source>Mi&amp;xer...</source>
        <translation>&amp;Микшер...</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Микшер</translation>
    </message>
</context>
<context>
    <name>GeneratedNoise</name>
    <message>
        <source>Brown Noise</source>
        <translation>Коричневый шум</translation>
    </message>
    <message>
        <source>Pink Noise</source>
        <translation>Розовый шум</translation>
    </message>
    <message>
        <source>White Noise</source>
        <translation>Белый шум</translation>
    </message>
</context>
<context>
    <name>Mix</name>
    <message>
        <source>it is not a mix: it has no [Mix] section</source>
        <translation>это не микс: нет раздела [Mix]</translation>
    </message>
    <message>
        <source>it names no version</source>
        <translation>версия не указана</translation>
    </message>
    <message>
        <source>it is of version %1, and this program reads version %2</source>
        <translation>его версия %1, а эта программа читает версию %2</translation>
    </message>
    <message>
        <source>it has %1 layers, and a mix holds at most %2</source>
        <translation>в нём слоёв: %1, а микс вмещает не больше %2</translation>
    </message>
    <message>
        <source>layer %1 names no sound</source>
        <translation>в слое %1 не указан звук</translation>
    </message>
    <message>
        <source>layer %1 has the volume &quot;%2&quot;, where a whole number from 0 to %3 belongs</source>
        <translation>у слоя %1 громкость «%2», а нужно целое число от 0 до %3</translation>
    </message>
    <message>
        <source>it has no layer</source>
        <translation>в нём нет ни одного слоя</translation>
    </message>
    <message>
        <source>A mix needs a name without &quot;/&quot;.</source>
        <translation>Миксу нужно имя без «/».</translation>
    </message>
    <message>
        <source>A mix needs at least one sound.</source>
        <translation>В миксе должен быть хотя бы один звук.</translation>
    </message>
    <message>
        <source>A mix holds at most %1 sounds.</source>
        <translation>Микс вмещает не больше %1 звуков.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot hold itself.</source>
        <translation>Микс «%1» не может содержать сам себя.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot hold another mix, &quot;%2&quot;.</source>
        <translation>Микс «%1» не может содержать другой микс, «%2».</translation>
    </message>
    <message>
        <source>A sound&apos;s volume in a mix goes from 0 to %1.</source>
        <translation>Громкость звука в миксе — от 0 до %1.</translation>
    </message>
</context>
<context>
    <name>MixerWindow</name>
    <message>
        <source>Mixer</source>
        <translation>Микшер</translation>
    </message>
    <message>
        <source>Mix &amp;name:</source>
        <translation>&amp;Имя микса:</translation>
    </message>
    <message>
        <source>Mix name</source>
        <translation>Имя микса</translation>
    </message>
    <message>
        <source>Choose a mix to change it, or type a new name</source>
        <translation>Выберите микс, чтобы изменить его, или введите новое имя</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Saves the mix under the name given</source>
        <translation>Сохраняет микс под указанным именем</translation>
    </message>
    <message>
        <source>&amp;Delete Mix</source>
        <translation>&amp;Удалить микс</translation>
    </message>
    <message>
        <source>Deletes the mix&apos;s file at once</source>
        <translation>Сразу удаляет файл микса</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Volume of %1</source>
        <translation>Громкость: %1</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot be read: %2</source>
        <translation>Не удаётся прочитать микс «%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a sound: a mix needs a name of its own.</source>
        <translation>«%1» — это имя звука: миксу нужно собственное имя.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; is saved.</source>
        <translation>Микс «%1» сохранён.</translation>
    </message>
    <message>
        <source>There is no saved mix called &quot;%1&quot;.</source>
        <translation>Сохранённого микса с именем «%1» нет.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot be deleted.</source>
        <translation>Не удаётся удалить микс «%1».</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; is deleted.</source>
        <translation>Микс «%1» удалён.</translation>
    </message>
</context>
<context>
    <name>OutputNotice</name>
    <message>
        <source>No sound output: waiting for the sound server</source>
        <translation>Нет вывода звука: ожидание звукового сервера</translation>
    </message>
</context>
<context>
    <name>ProcedureErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>в строке %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Отправьте снимок экрана с этим сообщением по адресу %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Ошибка приложения</translation>
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
        <translation>«%1» не может быть именем записи автозапуска.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be written: it is not a regular file.</source>
        <translation>Не удалось записать запись автозапуска %1: это не обычный файл.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be written: %2</source>
        <translation>Не удалось записать запись автозапуска %1: %2</translation>
    </message>
    <message>
        <source>The autostart folder %1 could not be created.</source>
        <translation>Не удалось создать папку автозапуска %1.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be removed: %2</source>
        <translation>Не удалось удалить запись автозапуска %1: %2</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>somnivox: no command given</source>
        <translation>somnivox: команда не указана</translation>
    </message>
    <message>
        <source>somnivox: &quot;%1&quot; is not a listed style (--list-styles lists them)</source>
        <translation>somnivox: «%1» нет в списке звуков (их выводит --list-styles)</translation>
    </message>
    <message>
        <source>somnivox: &quot;%1&quot; is not an output (--list-outputs lists them)</source>
        <translation>somnivox: «%1» не является выводом (их выводит --list-outputs)</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The setting &quot;%1&quot; could not be saved to %2.</source>
        <translation>Не удалось сохранить параметр «%1» в %2.</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Silences the sound before the computer sleeps</source>
        <translation>Заглушает звук перед переходом компьютера в сон</translation>
    </message>
</context>
<context>
    <name>SoundImport</name>
    <message>
        <source>&quot;%1&quot; cannot be played, so it was not added.</source>
        <translation>«%1» невозможно воспроизвести, поэтому он не добавлен.</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Выключен</translation>
    </message>
    <message>
        <source>&amp;15 Minutes</source>
        <translation>&amp;15 минут</translation>
    </message>
    <message>
        <source>&amp;30 Minutes</source>
        <translation>&amp;30 минут</translation>
    </message>
    <message>
        <source>&amp;45 Minutes</source>
        <translation>&amp;45 минут</translation>
    </message>
    <message>
        <source>1 &amp;Hour</source>
        <translation>1 &amp;час</translation>
    </message>
    <message>
        <source>&amp;90 Minutes</source>
        <translation>&amp;90 минут</translation>
    </message>
    <message>
        <source>&amp;2 Hours</source>
        <translation>&amp;2 часа</translation>
    </message>
    <message>
        <source>&amp;Add 15 Minutes</source>
        <translation>&amp;Добавить 15 минут</translation>
    </message>
    <message>
        <source>&amp;Even Loudness</source>
        <translation>&amp;Равная громкость</translation>
    </message>
    <message>
        <source>A&amp;dd Sound...</source>
        <translation>Д&amp;обавить звук...</translation>
    </message>
    <message>
        <source>S&amp;how Somnivox Noise Player</source>
        <translation>&amp;Показать Somnivox Noise Player</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Turn Off</source>
        <translation>&amp;Выключить</translation>
    </message>
    <message>
        <source>&amp;Turn On</source>
        <translation>&amp;Включить</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer (%1 min left)</source>
        <translation>&amp;Таймер сна (осталось %1 мин)</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer</source>
        <translation>&amp;Таймер сна</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>Выво&amp;д</translation>
    </message>
    <message>
        <source>System &amp;Default</source>
        <translation>&amp;Системный по умолчанию</translation>
    </message>
    <message>
        <source>&amp;Mixer...</source>
        <translation>&amp;Микшер...</translation>
    </message>
</context>
<context>
    <name>UserSounds</name>
    <message>
        <source>Add Sound</source>
        <translation>Добавить звук</translation>
    </message>
    <message>
        <source>Sound files (*.mp3 *.flac *.ogg *.oga *.opus *.wav)</source>
        <translation>Звуковые файлы (*.mp3 *.flac *.ogg *.oga *.opus *.wav)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone from your sounds, and no sound is left to choose.</source>
        <translation>«%1» больше нет среди ваших звуков, и выбрать больше нечего.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone from your sounds: &quot;%2&quot; is chosen instead.</source>
        <translation>«%1» больше нет среди ваших звуков: вместо него выбран «%2».</translation>
    </message>
</context>
<context>
    <name>mStartUp</name>
    <message>
        <source>The program&apos;s own file could not be found, so it cannot be registered to start at login.</source>
        <translation>Не найден файл самой программы, поэтому её нельзя добавить в автозапуск при входе в систему.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>somnivox: Somnivox Noise Player is running but did not answer within %1 seconds.</source>
        <translation>somnivox: Somnivox Noise Player запущен, но не ответил в течение %1 с.</translation>
    </message>
    <message>
        <source>somnivox: Somnivox Noise Player is not running.</source>
        <translation>somnivox: Somnivox Noise Player не запущен.</translation>
    </message>
</context>
</TS>
