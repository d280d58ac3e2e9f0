<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommandLine</name>
    <message>
        <source>Loops an ambient noise sound, all night or inside a daily time window. An option steers the running program, or starts it and then does what it says.</source>
        <translation>Reproduce en bucle un sonido ambiental, toda la noche o dentro de una franja horaria diaria. Una opción controla el programa en ejecución, o lo inicia y después hace lo que indica.</translation>
    </message>
    <message>
        <source>Turns the sound on, as the window&apos;s Turn On does.</source>
        <translation>Activa el sonido, como «Activar» en la ventana.</translation>
    </message>
    <message>
        <source>Turns the sound off, as the window&apos;s Turn Off does.</source>
        <translation>Desactiva el sonido, como «Desactivar» en la ventana.</translation>
    </message>
    <message>
        <source>Turns the sound on when it is off, and off when it is on.</source>
        <translation>Activa el sonido si está desactivado y lo desactiva si está activado.</translation>
    </message>
    <message>
        <source>Starts a sleep timer of DURATION, replacing the one running: minutes (30), or hours, minutes and seconds (1h30m, 20m, 45s). &quot;off&quot; stops the timer.</source>
        <translation>Inicia un temporizador de apagado de DURACIÓN y sustituye al que esté en marcha: minutos (30), u horas, minutos y segundos (1h30m, 20m, 45s). &quot;off&quot; detiene el temporizador.</translation>
    </message>
    <message>
        <source>DURATION</source>
        <translation>DURACIÓN</translation>
    </message>
    <message>
        <source>Chooses the style NAME, one that --list-styles lists.</source>
        <translation>Elige el sonido NOMBRE, uno de los que muestra --list-styles.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>Sets the volume, from 1 to 100.</source>
        <translation>Ajusta el volumen, de 1 a 100.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Prints the running program&apos;s state as &quot;key: value&quot; lines.</source>
        <translation>Muestra el estado del programa en ejecución en líneas &quot;clave: valor&quot;.</translation>
    </message>
    <message>
        <source>Prints the styles that can be played, one a line.</source>
        <translation>Muestra los sonidos que se pueden reproducir, uno por línea.</translation>
    </message>
    <message>
        <source>Prints this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Prints the program&apos;s version.</source>
        <translation>Muestra la versión del programa.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 aparece más de una vez</translation>
    </message>
    <message>
        <source>--turn-on, --turn-off and --toggle exclude one another</source>
        <translation>--turn-on, --turn-off y --toggle se excluyen entre sí</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a listed style (--list-styles lists them)</source>
        <translation>&quot;%1&quot; no es un sonido de la lista (--list-styles los muestra)</translation>
    </message>
    <message>
        <source>--volume takes a whole number from 1 to 100, not &quot;%1&quot;</source>
        <translation>--volume espera un número entero de 1 a 100, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--sleep takes minutes (30), a duration such as 1h30m, 20m or 45s, up to 24 hours, or &quot;off&quot;, not &quot;%1&quot;</source>
        <translation>--sleep espera minutos (30), una duración como 1h30m, 20m o 45s, hasta 24 horas, u &quot;off&quot;, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--sleep cannot run a timer for a program that --turn-off turns off</source>
        <translation>--sleep no puede iniciar un temporizador para un programa que --turn-off desactiva</translation>
    </message>
    <message>
        <source>--%1 asks a question and takes no other option</source>
        <translation>--%1 hace una consulta y no admite otras opciones</translation>
    </message>
    <message>
        <source>Plays through the output NAME, a stable name or a description that --list-outputs lists, or &quot;default&quot; for the system&apos;s default output.</source>
        <translation>Reproduce por la salida NOMBRE, un nombre estable o una descripción de las que muestra --list-outputs, o &quot;default&quot; para la salida predeterminada del sistema.</translation>
    </message>
    <message>
        <source>Prints the sound server&apos;s outputs, one a line: the stable name, a tab, the description.</source>
        <translation>Muestra las salidas del servidor de sonido, una por línea: el nombre estable, un tabulador y la descripción.</translation>
    </message>
    <message>
        <source>--output takes an output&apos;s name (--list-outputs lists them) or &quot;default&quot;</source>
        <translation>--output requiere el nombre de una salida (--list-outputs las muestra) o &quot;default&quot;</translation>
    </message>
    <message>
        <source>--status, --list-styles and --list-outputs exclude one another</source>
        <translation>--status, --list-styles y --list-outputs se excluyen entre sí</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Turn On</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Preview Sound</source>
        <translation>Escuchar muestra</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Play Option</source>
        <translation>Modo de reproducción</translation>
    </message>
    <message>
        <source>Play from</source>
        <translation>Sonar de</translation>
    </message>
    <message>
        <source>Play white noise until &apos;Turn Off&apos; is clicked</source>
        <translation>Reproducir ruido blanco hasta pulsar «Desactivar»</translation>
    </message>
    <message>
        <source>Start of the daily window</source>
        <translation>Inicio de la franja diaria</translation>
    </message>
    <message>
        <source>End of the daily window</source>
        <translation>Fin de la franja diaria</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Opciones de inicio</translation>
    </message>
    <message>
        <source>Start in system tray</source>
        <translation>Iniciar en la bandeja del sistema</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>Abrir este programa al iniciar sesión</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Which style noise would you like to play?</source>
        <translation>¿Qué sonido quiere reproducir?</translation>
    </message>
    <message>
        <source>&amp;Add Sound...</source>
        <translation>&amp;Añadir sonido...</translation>
    </message>
    <message>
        <source>Add Sound</source>
        <translation>Añadir sonido</translation>
    </message>
    <message>
        <source>Copies sound files of your choice into your sounds and lists them</source>
        <translation>Copia los archivos de sonido que elija a sus sonidos y los añade a la lista</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>Your settings will not be kept after the program ends.</source>
        <translation>Sus ajustes no se conservarán cuando el programa termine.</translation>
    </message>
    <message>
        <source>The program cannot be set to start at login.</source>
        <translation>No se puede configurar el programa para que se abra al iniciar sesión.</translation>
    </message>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;V&apos; icon (V for Vantrelle) to bring the software back.</source>
        <translation>se ha minimizado en la bandeja del sistema.<byte value="xd"/>
Haga clic en el icono azul «V» (V de Vantrelle) para volver a abrirlo.</translation>
    </message>
    <message>
        <source>Mi&amp;xer...</source>
        <translation>&amp;Mezclas...</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mezclador</translation>
    </message>
</context>
<context>
    <name>GeneratedNoise</name>
    <message>
        <source>Brown Noise</source>
        <translation>Ruido marrón</translation>
    </message>
    <message>
        <source>Pink Noise</source>
        <translation>Ruido rosa</translation>
    </message>
    <message>
        <source>White Noise</source>
        <translation>Ruido blanco</translation>
    </message>
</context>
<context>
    <name>Mix</name>
    <message>
        <source>it is not a mix: it has no [Mix] section</source>
        <translation>no es una mezcla: le falta la sección [Mix]</translation>
    </message>
    <message>
        <source>it names no version</source>
        <translation>no indica ninguna versión</translation>
    </message>
    <message>
        <source>it is of version %1, and this program reads version %2</source>
        <translation>es de la versión %1 y este programa lee la versión %2</translation>
    </message>
    <message>
        <source>it has %1 layers, and a mix holds at most %2</source>
        <translation>tiene %1 capas y una mezcla admite como mucho %2</translation>
    </message>
    <message>
        <source>layer %1 names no sound</source>
        <translation>la capa %1 no indica ningún sonido</translation>
    </message>
    <message>
        <source>layer %1 has the volume &quot;%2&quot;, where a whole number from 0 to %3 belongs</source>
        <translation>la capa %1 tiene el volumen «%2», y debe ser un número entero de 0 a %3</translation>
    </message>
    <message>
        <source>it has no layer</source>
        <translation>no tiene ninguna capa</translation>
    </message>
    <message>
        <source>A mix needs a name without &quot;/&quot;.</source>
        <translation>Una mezcla necesita un nombre sin «/».</translation>
    </message>
    <message>
        <source>A mix needs at least one sound.</source>
        <translation>Una mezcla necesita al menos un sonido.</translation>
    </message>
    <message>
        <source>A mix holds at most %1 sounds.</source>
        <translation>Una mezcla admite como mucho %1 sonidos.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot hold itself.</source>
        <translation>La mezcla «%1» no puede contenerse a sí misma.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot hold another mix, &quot;%2&quot;.</source>
        <translation>La mezcla «%1» no puede contener otra mezcla, «%2».</translation>
    </message>
    <message>
        <source>A sound&apos;s volume in a mix goes from 0 to %1.</source>
        <translation>El volumen de un sonido en una mezcla va de 0 a %1.</translation>
    </message>
</context>
<context>
    <name>MixerWindow</name>
    <message>
        <source>Mixer</source>
        <translation>Mezclador</translation>
    </message>
    <message>
        <source>Mix &amp;name:</source>
        <translation>&amp;Nombre de la mezcla:</translation>
    </message>
    <message>
        <source>Mix name</source>
        <translation>Nombre de la mezcla</translation>
    </message>
    <message>
        <source>Choose a mix to change it, or type a new name</source>
        <translation>Elija una mezcla para cambiarla o escriba un nombre nuevo</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Saves the mix under the name given</source>
        <translation>Guarda la mezcla con el nombre indicado</translation>
    </message>
    <message>
        <source>&amp;Delete Mix</source>
        <translation>&amp;Borrar mezcla</translation>
    </message>
    <message>
        <source>Deletes the mix&apos;s file at once</source>
        <translation>Borra el archivo de la mezcla de inmediato</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Volume of %1</source>
        <translation>Volumen de %1</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot be read: %2</source>
        <translation>No se puede leer la mezcla «%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a sound: a mix needs a name of its own.</source>
        <translation>«%1» es el nombre de un sonido: una mezcla necesita un nombre propio.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; is saved.</source>
        <translation>La mezcla «%1» está guardada.</translation>
    </message>
    <message>
        <source>There is no saved mix called &quot;%1&quot;.</source>
        <translation>No hay ninguna mezcla guardada llamada «%1».</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot be deleted.</source>
        <translation>No se puede borrar la mezcla «%1».</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; is deleted.</source>
        <translation>La mezcla «%1» está borrada.</translation>
    </message>
</context>
<context>
    <name>OutputNotice</name>
    <message>
        <source>No sound output: waiting for the sound server</source>
        <translation>Sin salida de sonido: esperando al servidor de sonido</translation>
    </message>
</context>
<context>
    <name>ProcedureErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>en la línea %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Envíe una captura de pantalla de este mensaje por correo electrónico a %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
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
        <translation>&quot;%1&quot; no puede dar nombre a una entrada de inicio automático.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be written: it is not a regular file.</source>
        <translation>No se pudo escribir la entrada de inicio automático %1: no es un archivo normal.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be written: %2</source>
        <translation>No se pudo escribir la entrada de inicio automático %1: %2</translation>
    </message>
    <message>
        <source>The autostart folder %1 could not be created.</source>
        <translation>No se pudo crear la carpeta de inicio automático %1.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be removed: %2</source>
        <translation>No se pudo quitar la entrada de inicio automático %1: %2</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>somnivox: no command given</source>
        <translation>somnivox: no se indicó ningún comando</translation>
    </message>
    <message>
        <source>somnivox: &quot;%1&quot; is not a listed style (--list-styles lists them)</source>
        <translation>somnivox: &quot;%1&quot; no es un sonido de la lista (--list-styles los muestra)</translation>
    </message>
    <message>
        <source>somnivox: &quot;%1&quot; is not an output (--list-outputs lists them)</source>
        <translation>somnivox: &quot;%1&quot; no es una salida (--list-outputs las muestra)</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The setting &quot;%1&quot; could not be saved to %2.</source>
        <translation>No se pudo guardar el ajuste &quot;%1&quot; en %2.</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Silences the sound before the computer sleeps</source>
        <translation>Silencia el sonido antes de que el equipo entre en suspensión</translation>
    </message>
</context>
<context>
    <name>SoundImport</name>
    <message>
        <source>&quot;%1&quot; cannot be played, so it was not added.</source>
        <translation>&quot;%1&quot; no se puede reproducir, así que no se ha añadido.</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Desactivado</translation>
    </message>
    <message>
        <source>&amp;15 Minutes</source>
        <translation>&amp;15 minutos</translation>
    </message>
    <message>
        <source>&amp;30 Minutes</source>
        <translation>&amp;30 minutos</translation>
    </message>
    <message>
        <source>&amp;45 Minutes</source>
        <translation>&amp;45 minutos</translation>
    </message>
    <message>
        <source>1 &amp;Hour</source>
        <translation>1 &amp;hora</translation>
    </message>
    <message>
        <source>&amp;90 Minutes</source>
        <translation>&amp;90 minutos</translation>
    </message>
    <message>
        <source>&amp;2 Hours</source>
        <translation>&amp;2 horas</translation>
    </message>
    <message>
        <source>&amp;Add 15 Minutes</source>
        <translation>&amp;Añadir 15 minutos</translation>
    </message>
    <message>
        <source>&amp;Even Loudness</source>
        <translation>&amp;Volumen uniforme</translation>
    </message>
    <message>
        <source>A&amp;dd Sound...</source>
        <translation>A&amp;ñadir sonido...</translation>
    </message>
    <message>
        <source>S&amp;how Somnivox Noise Player</source>
        <translation>&amp;Mostrar Somnivox Noise Player</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sal&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Turn Off</source>
        <translation>&amp;Desactivar</translation>
    </message>
    <message>
        <source>&amp;Turn On</source>
        <translation>&amp;Activar</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer (%1 min left)</source>
        <translation>&amp;Temporizador de apagado (quedan %1 min)</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer</source>
        <translation>&amp;Temporizador de apagado</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>&amp;Salida</translation>
    </message>
    <message>
        <source>System &amp;Default</source>
        <translation>&amp;Predeterminada del sistema</translation>
    </message>
    <message>
        <source>&amp;Mixer...</source>
        <translation>Me&amp;zclador...</translation>
    </message>
</context>
<context>
    <name>UserSounds</name>
    <message>
        <source>Add Sound</source>
        <translation>Añadir sonido</translation>
    </message>
    <message>
        <source>Sound files (*.mp3 *.flac *.ogg *.oga *.opus *.wav)</source>
        <translation>Archivos de sonido (*.mp3 *.flac *.ogg *.oga *.opus *.wav)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone from your sounds, and no sound is left to choose.</source>
        <translation>&quot;%1&quot; ya no está entre sus sonidos y no queda ningún sonido para elegir.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone from your sounds: &quot;%2&quot; is chosen instead.</source>
        <translation>&quot;%1&quot; ya no está entre sus sonidos: se ha elegido &quot;%2&quot; en su lugar.</translation>
    </message>
</context>
<context>
    <name>mStartUp</name>
    <message>
        <source>The program&apos;s own file could not be found, so it cannot be registered to start at login.</source>
        <translation>No se encuentra el archivo del propio programa, así que no se puede registrar para abrirse al iniciar sesión.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>somnivox: Somnivox Noise Player is running but did not answer within %1 seconds.</source>
        <translation>somnivox: Somnivox Noise Player está en ejecución pero no respondió en %1 segundos.</translation>
    </message>
    <message>
        <source>somnivox: Somnivox Noise Player is not running.</source>
        <translation>somnivox: Somnivox Noise Player no está en ejecución.</translation>
    </message>
</context>
</TS>
