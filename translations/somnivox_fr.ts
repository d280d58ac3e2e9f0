<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Loops an ambient noise sound, all night or inside a daily time window. An option steers the running program, or starts it and then does what it says.</source>
        <translation>Joue en boucle un bruit d&apos;ambiance, toute la nuit ou dans une plage horaire quotidienne. Une option pilote le programme en cours, ou le démarre puis fait ce qu&apos;elle demande.</translation>
    </message>
    <message>
        <source>Turns the sound on, as the window&apos;s Turn On does.</source>
        <translation>Active le son, comme « Activer » dans la fenêtre.</translation>
    </message>
    <message>
        <source>Turns the sound off, as the window&apos;s Turn Off does.</source>
        <translation>Coupe le son, comme « Désactiver » dans la fenêtre.</translation>
    </message>
    <message>
        <source>Turns the sound on when it is off, and off when it is on.</source>
        <translation>Active le son s&apos;il est coupé, et le coupe s&apos;il est actif.</translation>
    </message>
    <message>
        <source>Starts a sleep timer of DURATION, replacing the one running: minutes (30), or hours, minutes and seconds (1h30m, 20m, 45s). &quot;off&quot; stops the timer.</source>
        <translation>Lance une minuterie de sommeil de DURÉE, à la place de celle en cours : des minutes (30), ou des heures, minutes et secondes (1h30m, 20m, 45s). « off » arrête la minuterie.</translation>
    </message>
    <message>
        <source>DURATION</source>
        <translation>DURÉE</translation>
    </message>
    <message>
        <source>Chooses the style NAME, one that --list-styles lists.</source>
        <translation>Choisit le son NOM, l&apos;un de ceux que --list-styles affiche.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>Sets the volume, from 1 to 100.</source>
        <translation>Règle le volume, de 1 à 100.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Prints the running program&apos;s state as &quot;key: value&quot; lines.</source>
        <translation>Affiche l&apos;état du programme en cours sous forme de lignes « clé: valeur ».</translation>
    </message>
    <message>
        <source>Prints the styles that can be played, one a line.</source>
        <translation>Affiche les sons disponibles, un par ligne.</translation>
    </message>
    <message>
        <source>Prints this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Prints the program&apos;s version.</source>
        <translation>Affiche la version du programme.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Utilisation : %1 [options]</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 est donné plus d&apos;une fois</translation>
    </message>
    <message>
        <source>--turn-on, --turn-off and --toggle exclude one another</source>
        <translation>--turn-on, --turn-off et --toggle s&apos;excluent mutuellement</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a listed style (--list-styles lists them)</source>
        <translation>« %1 » n&apos;est pas un son de la liste (--list-styles les affiche)</translation>
    </message>
    <message>
        <source>--volume takes a whole number from 1 to 100, not &quot;%1&quot;</source>
        <translation>--volume attend un nombre entier de 1 à 100, pas « %1 »</translation>
    </message>
    <message>
        <source>--sleep takes minutes (30), a duration such as 1h30m, 20m or 45s, up to 24 hours, or &quot;off&quot;, not &quot;%1&quot;</source>
        <translation>--sleep attend des minutes (30), une durée comme 1h30m, 20m ou 45s, jusqu&apos;à 24 heures, ou « off », pas « %1 »</translation>
    </message>
    <message>
        <source>--sleep cannot run a timer for a program that --turn-off turns off</source>
        <translation>--sleep ne peut pas lancer de minuterie pour un programme que --turn-off désactive</translation>
    </message>
    <message>
        <source>--%1 asks a question and takes no other option</source>
        <translation>--%1 pose une question et n&apos;accepte aucune autre option</translation>
    </message>
    <message>
        <source>Plays through the output NAME, a stable name or a description that --list-outputs lists, or &quot;default&quot; for the system&apos;s default output.</source>
        <translation>Joue sur la sortie NOM, un nom stable ou une description que --list-outputs affiche, ou « default » pour la sortie par défaut du système.</translation>
    </message>
    <message>
        <source>Prints the sound server&apos;s outputs, one a line: the stable name, a tab, the description.</source>
        <translation>Affiche les sorties du serveur de son, une par ligne : le nom stable, une tabulation, la description.</translation>
    </message>
    <message>
        <source>--output takes an output&apos;s name (--list-outputs lists them) or &quot;default&quot;</source>
        <translation>--output attend le nom d&apos;une sortie (--list-outputs les affiche) ou « default »</translation>
    </message>
    <message>
        <source>--status, --list-styles and --list-outputs exclude one another</source>
        <translation>--status, --list-styles et --list-outputs s&apos;excluent mutuellement</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Turn On</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Preview Sound</source>
        <translation>Écouter un extrait</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Play Option</source>
        <translation>Mode de lecture</translation>
    </message>
    <message>
        <source>Play from</source>
        <translation>Jouer de</translation>
    </message>
    <message>
        <source>Play white noise until &apos;Turn Off&apos; is clicked</source>
        <translation>Jouer le bruit blanc jusqu&apos;au clic sur « Désactiver »</translation>
    </message>
    <message>
        <source>Start of the daily window</source>
        <translation>Début de la plage quotidienne</translation>
    </message>
    <message>
        <source>End of the daily window</source>
        <translation>Fin de la plage quotidienne</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Options de démarrage</translation>
    </message>
    <message>
        <source>Start in system tray</source>
        <translation>Démarrer dans la zone de notification</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>Lancer ce logiciel à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Which style noise would you like to play?</source>
        <translation>Quel bruit voulez-vous écouter ?</translation>
    </message>
    <message>
        <source>&amp;Add Sound...</source>
        <translation>&amp;Ajouter un son...</translation>
    </message>
    <message>
        <source>Add Sound</source>
        <translation>Ajouter un son</translation>
    </message>
    <message>
        <source>Copies sound files of your choice into your sounds and lists them</source>
        <translation>Copie les fichiers audio de votre choix dans vos sons et les ajoute à la liste</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Your settings will not be kept after the program ends.</source>
        <translation>Vos réglages ne seront pas conservés après la fermeture du programme.</translation>
    </message>
    <message>
        <source>The program cannot be set to start at login.</source>
        <translation>Le programme ne peut pas être configuré pour démarrer à l&apos;ouverture de session.</translation>
    </message>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;V&apos; icon (V for Vantrelle) to bring the software back.</source>
        <translation>a été réduit dans la zone de notification.<byte value="xd"/>
Cliquez sur l&apos;icône bleue « V » (V pour Vantrelle) pour rouvrir le logiciel.</translation>
    </message>
    <message>
        <source>Mi&amp;xer...</source>
        <translation>&amp;Mixeur...</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mixeur</translation>
    </message>
</context>
<context>
    <name>GeneratedNoise</name>
    <message>
        <source>Brown Noise</source>
        <translation>Bruit brun</translation>
    </message>
    <message>
        <source>Pink Noise</source>
        <translation>Bruit rose</translation>
    </message>
    <message>
        <source>White Noise</source>
        <translation>Bruit blanc</translation>
    </message>
</context>
<context>
    <name>Mix</name>
    <message>
        <source>it is not a mix: it has no [Mix] section</source>
        <translation>ce n’est pas un mélange : la section [Mix] manque</translation>
    </message>
    <message>
        <source>it names no version</source>
        <translation>aucune version n’est indiquée</translation>
    </message>
    <message>
        <source>it is of version %1, and this program reads version %2</source>
        <translation>il est en version %1, et ce programme lit la version %2</translation>
    </message>
    <message>
        <source>it has %1 layers, and a mix holds at most %2</source>
        <translation>il a %1 couches, et un mélange en contient au plus %2</translation>
    </message>
    <message>
        <source>layer %1 names no sound</source>
        <translation>la couche %1 n’indique aucun son</translation>
    </message>
    <message>
        <source>layer %1 has the volume &quot;%2&quot;, where a whole number from 0 to %3 belongs</source>
        <translation>la couche %1 a le volume « %2 », alors qu’il faut un nombre entier de 0 à %3</translation>
    </message>
    <message>
        <source>it has no layer</source>
        <translation>il n’a aucune couche</translation>
    </message>
    <message>
        <source>A mix needs a name without &quot;/&quot;.</source>
        <translation>Un mélange a besoin d’un nom sans « / ».</translation>
    </message>
    <message>
        <source>A mix needs at least one sound.</source>
        <translation>Un mélange a besoin d’au moins un son.</translation>
    </message>
    <message>
        <source>A mix holds at most %1 sounds.</source>
        <translation>Un mélange contient au plus %1 sons.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot hold itself.</source>
        <translation>Le mélange « %1 » ne peut pas se contenir lui-même.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot hold another mix, &quot;%2&quot;.</source>
        <translation>Le mélange « %1 » ne peut pas contenir un autre mélange, « %2 ».</translation>
    </message>
    <message>
        <source>A sound&apos;s volume in a mix goes from 0 to %1.</source>
        <translation>Le volume d’un son dans un mélange va de 0 à %1.</translation>
    </message>
</context>
<context>
    <name>MixerWindow</name>
    <message>
        <source>Mixer</source>
        <translation>Mixeur</translation>
    </message>
    <message>
        <source>Mix &amp;name:</source>
        <translation>&amp;Nom du mélange :</translation>
    </message>
    <message>
        <source>Mix name</source>
        <translation>Nom du mélange</translation>
    </message>
    <message>
        <source>Choose a mix to change it, or type a new name</source>
        <translation>Choisissez un mélange pour le modifier, ou saisissez un nouveau nom</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Saves the mix under the name given</source>
        <translation>Enregistre le mélange sous le nom indiqué</translation>
    </message>
    <message>
        <source>&amp;Delete Mix</source>
        <translation>Supprimer le mé&amp;lange</translation>
    </message>
    <message>
        <source>Deletes the mix&apos;s file at once</source>
        <translation>Supprime immédiatement le fichier du mélange</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Volume of %1</source>
        <translation>Volume de %1</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot be read: %2</source>
        <translation>Le mélange « %1 » ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a sound: a mix needs a name of its own.</source>
        <translation>« %1 » est le nom d’un son : un mélange a besoin de son propre nom.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; is saved.</source>
        <translation>Le mélange « %1 » est enregistré.</translation>
    </message>
    <message>
        <source>There is no saved mix called &quot;%1&quot;.</source>
        <translation>Aucun mélange enregistré ne s’appelle « %1 ».</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot be deleted.</source>
        <translation>Le mélange « %1 » ne peut pas être supprimé.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; is deleted.</source>
        <translation>Le mélange « %1 » est supprimé.</translation>
    </message>
</context>
<context>
    <name>OutputNotice</name>
    <message>
        <source>No sound output: waiting for the sound server</source>
        <translation>Aucune sortie audio : en attente du serveur de son</translation>
    </message>
</context>
<context>
    <name>ProcedureErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>à la ligne %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Veuillez envoyer une capture d&apos;écran de ce message par e-mail à %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l&apos;application</translation>
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
        <translation>« %1 » ne peut pas nommer une entrée de démarrage automatique.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be written: it is not a regular file.</source>
        <translation>L&apos;entrée de démarrage automatique %1 n&apos;a pas pu être écrite : ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be written: %2</source>
        <translation>L&apos;entrée de démarrage automatique %1 n&apos;a pas pu être écrite : %2</translation>
    </message>
    <message>
        <source>The autostart folder %1 could not be created.</source>
        <translation>Le dossier de démarrage automatique %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be removed: %2</source>
        <translation>L&apos;entrée de démarrage automatique %1 n&apos;a pas pu être supprimée : %2</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>somnivox: no command given</source>
        <translation>somnivox : aucune commande donnée</translation>
    </message>
    <message>
        <source>somnivox: &quot;%1&quot; is not a listed style (--list-styles lists them)</source>
        <translation>somnivox : « %1 » n&apos;est pas un son de la liste (--list-styles les affiche)</translation>
    </message>
    <message>
        <source>somnivox: &quot;%1&quot; is not an output (--list-outputs lists them)</source>
        <translation>somnivox : « %1 » n&apos;est pas une sortie (--list-outputs les affiche)</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The setting &quot;%1&quot; could not be saved to %2.</source>
        <translation>Le réglage « %1 » n&apos;a pas pu être enregistré dans %2.</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Silences the sound before the computer sleeps</source>
        <translation>Coupe le son avant la mise en veille de l&apos;ordinateur</translation>
    </message>
</context>
<context>
    <name>SoundImport</name>
    <message>
        <source>&quot;%1&quot; cannot be played, so it was not added.</source>
        <translation>« %1 » ne peut pas être lu, il n&apos;a donc pas été ajouté.</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Désactivée</translation>
    </message>
    <message>
        <source>&amp;15 Minutes</source>
        <translation>&amp;15 minutes</translation>
    </message>
    <message>
        <source>&amp;30 Minutes</source>
        <translation>&amp;30 minutes</translation>
    </message>
    <message>
        <source>&amp;45 Minutes</source>
        <translation>&amp;45 minutes</translation>
    </message>
    <message>
        <source>1 &amp;Hour</source>
        <translation>1 &amp;heure</translation>
    </message>
    <message>
        <source>&amp;90 Minutes</source>
        <translation>&amp;90 minutes</translation>
    </message>
    <message>
        <source>&amp;2 Hours</source>
        <translation>&amp;2 heures</translation>
    </message>
    <message>
        <source>&amp;Add 15 Minutes</source>
        <translation>&amp;Ajouter 15 minutes</translation>
    </message>
    <message>
        <source>&amp;Even Loudness</source>
        <translation>&amp;Volume uniforme</translation>
    </message>
    <message>
        <source>A&amp;dd Sound...</source>
        <translation>A&amp;jouter un son...</translation>
    </message>
    <message>
        <source>S&amp;how Somnivox Noise Player</source>
        <translation>A&amp;fficher Somnivox Noise Player</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Turn Off</source>
        <translation>&amp;Désactiver</translation>
    </message>
    <message>
        <source>&amp;Turn On</source>
        <translation>&amp;Activer</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer (%1 min left)</source>
        <translation>&amp;Minuterie de sommeil (%1 min restantes)</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer</source>
        <translation>&amp;Minuterie de sommeil</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>&amp;Sortie</translation>
    </message>
    <message>
        <source>System &amp;Default</source>
        <translation>&amp;Défaut du système</translation>
    </message>
    <message>
        <source>&amp;Mixer...</source>
        <translation>Mé&amp;langeur...</translation>
    </message>
</context>
<context>
    <name>UserSounds</name>
    <message>
        <source>Add Sound</source>
        <translation>Ajouter un son</translation>
    </message>
    <message>
        <source>Sound files (*.mp3 *.flac *.ogg *.oga *.opus *.wav)</source>
        <translation>Fichiers audio (*.mp3 *.flac *.ogg *.oga *.opus *.wav)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone from your sounds, and no sound is left to choose.</source>
        <translation>« %1 » ne fait plus partie de vos sons, et il ne reste aucun son à choisir.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone from your sounds: &quot;%2&quot; is chosen instead.</source>
        <translation>« %1 » ne fait plus partie de vos sons : « %2 » est choisi à la place.</translation>
    </message>
</context>
<context>
    <name>mStartUp</name>
    <message>
        <source>The program&apos;s own file could not be found, so it cannot be registered to start at login.</source>
        <translation>Le fichier du programme est introuvable : il ne peut donc pas être inscrit pour démarrer à l&apos;ouverture de session.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>somnivox: Somnivox Noise Player is running but did not answer within %1 seconds.</source>
        <translation>somnivox : Somnivox Noise Player est lancé mais n&apos;a pas répondu dans les %1 secondes.</translation>
    </message>
    <message>
        <source>somnivox: Somnivox Noise Player is not running.</source>
        <translation>somnivox : Somnivox Noise Player n&apos;est pas lancé.</translation>
    </message>
</context>
</TS>
