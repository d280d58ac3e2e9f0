<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Loops an ambient noise sound, all night or inside a daily time window. An option steers the running program, or starts it and then does what it says.</source>
        <translation>Toca um som ambiente em repetição, a noite toda ou dentro de um horário diário. Uma opção controla o programa em execução, ou o inicia e depois faz o que ela pede.</translation>
    </message>
    <message>
        <source>Turns the sound on, as the window&apos;s Turn On does.</source>
        <translation>Liga o som, como o botão “Ligar” da janela.</translation>
    </message>
    <message>
        <source>Turns the sound off, as the window&apos;s Turn Off does.</source>
        <translation>Desliga o som, como o botão “Desligar” da janela.</translation>
    </message>
    <message>
        <source>Turns the sound on when it is off, and off when it is on.</source>
        <translation>Liga o som se estiver desligado e o desliga se estiver ligado.</translation>
    </message>
    <message>
        <source>Starts a sleep timer of DURATION, replacing the one running: minutes (30), or hours, minutes and seconds (1h30m, 20m, 45s). &quot;off&quot; stops the timer.</source>
        <translation>Inicia um timer de desligamento com a DURAÇÃO, substituindo o que estiver ativo: minutos (30), ou horas, minutos e segundos (1h30m, 20m, 45s). &quot;off&quot; para o timer.</translation>
    </message>
    <message>
        <source>DURATION</source>
        <translation>DURAÇÃO</translation>
    </message>
    <message>
        <source>Chooses the style NAME, one that --list-styles lists.</source>
        <translation>Escolhe o som NOME, um dos que --list-styles lista.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOME</translation>
    </message>
    <message>
        <source>Sets the volume, from 1 to 100.</source>
        <translation>Define o volume, de 1 a 100.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Prints the running program&apos;s state as &quot;key: value&quot; lines.</source>
        <translation>Mostra o estado do programa em execução em linhas &quot;chave: valor&quot;.</translation>
    </message>
    <message>
        <source>Prints the styles that can be played, one a line.</source>
        <translation>Mostra os sons que podem ser tocados, um por linha.</translation>
    </message>
    <message>
        <source>Prints this help.</source>
        <translation>Mostra esta ajuda.</translation>
    </message>
    <message>
        <source>Prints the program&apos;s version.</source>
        <translation>Mostra a versão do programa.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opções]</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 foi informado mais de uma vez</translation>
    </message>
    <message>
        <source>--turn-on, --turn-off and --toggle exclude one another</source>
        <translation>--turn-on, --turn-off e --toggle são mutuamente exclusivos</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a listed style (--list-styles lists them)</source>
        <translation>&quot;%1&quot; não é um som da lista (--list-styles os lista)</translation>
    </message>
    <message>
        <source>--volume takes a whole number from 1 to 100, not &quot;%1&quot;</source>
        <translation>--volume espera um número inteiro de 1 a 100, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--sleep takes minutes (30), a duration such as 1h30m, 20m or 45s, up to 24 hours, or &quot;off&quot;, not &quot;%1&quot;</source>
        <translation>--sleep espera minutos (30), uma duração como 1h30m, 20m ou 45s, até 24 horas, ou &quot;off&quot;, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--sleep cannot run a timer for a program that --turn-off turns off</source>
        <translation>--sleep não pode iniciar um timer para um programa que --turn-off desliga</translation>
    </message>
    <message>
        <source>--%1 asks a question and takes no other option</source>
        <translation>--%1 faz uma consulta e não aceita outras opções</translation>
    </message>
    <message>
        <source>Plays through the output NAME, a stable name or a description that --list-outputs lists, or &quot;default&quot; for the system&apos;s default output.</source>
        <translation>Toca pela saída NOME, um nome fixo ou uma descrição que --list-outputs lista, ou &quot;default&quot; para a saída padrão do sistema.</translation>
    </message>
    <message>
        <source>Prints the sound server&apos;s outputs, one a line: the stable name, a tab, the description.</source>
        <translation>Mostra as saídas do servidor de som, uma por linha: o nome fixo, uma tabulação, a descrição.</translation>
    </message>
    <message>
        <source>--output takes an output&apos;s name (--list-outputs lists them) or &quot;default&quot;</source>
        <translation>--output recebe o nome de uma saída (--list-outputs as lista) ou &quot;default&quot;</translation>
    </message>
    <message>
        <source>--status, --list-styles and --list-outputs exclude one another</source>
        <translation>--status, --list-styles e --list-outputs são mutuamente exclusivos</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Turn On</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Preview Sound</source>
        <translation>Ouvir prévia</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Play Option</source>
        <translation>Modo de reprodução</translation>
    </message>
    <message>
        <source>Play from</source>
        <translation>Tocar das</translation>
    </message>
    <message>
        <source>Play white noise until &apos;Turn Off&apos; is clicked</source>
        <translation>Tocar ruído branco até clicar em “Desligar”</translation>
    </message>
    <message>
        <source>Start of the daily window</source>
        <translation>Início do horário diário</translation>
    </message>
    <message>
        <source>End of the daily window</source>
        <translation>Fim do horário diário</translation>
    </message>
    <message>
        <source>to</source>
        <translation>às</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>Opções de inicialização</translation>
    </message>
    <message>
        <source>Start in system tray</source>
        <translation>Iniciar na bandeja do sistema</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>Abrir este programa ao entrar no sistema</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Which style noise would you like to play?</source>
        <translation>Qual som você quer tocar?</translation>
    </message>
    <message>
        <source>&amp;Add Sound...</source>
        <translation>&amp;Adicionar som...</translation>
    </message>
    <message>
        <source>Add Sound</source>
        <translation>Adicionar som</translation>
    </message>
    <message>
        <source>Copies sound files of your choice into your sounds and lists them</source>
        <translation>Copia os arquivos de som escolhidos para os seus sons e os adiciona à lista</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Tom</translation>
    </message>
    <message>
        <source>Your settings will not be kept after the program ends.</source>
        <translation>Suas configurações não serão mantidas depois que o programa for fechado.</translation>
    </message>
    <message>
        <source>The program cannot be set to start at login.</source>
        <translation>Não é possível configurar o programa para abrir ao entrar no sistema.</translation>
    </message>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;V&apos; icon (V for Vantrelle) to bring the software back.</source>
        <translation>foi minimizado para a bandeja do sistema.<byte value="xd"/>
Clique no ícone azul “V” (V de Vantrelle) para trazer o programa de volta.</translation>
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
        <translation>Ruído marrom</translation>
    </message>
    <message>
        <source>Pink Noise</source>
        <translation>Ruído rosa</translation>
    </message>
    <message>
        <source>White Noise</source>
        <translation>Ruído branco</translation>
    </message>
</context>
<context>
    <name>Mix</name>
    <message>
        <source>it is not a mix: it has no [Mix] section</source>
        <translation>não é uma mixagem: falta a seção [Mix]</translation>
    </message>
    <message>
        <source>it names no version</source>
        <translation>não indica nenhuma versão</translation>
    </message>
    <message>
        <source>it is of version %1, and this program reads version %2</source>
        <translation>é da versão %1, e este programa lê a versão %2</translation>
    </message>
    <message>
        <source>it has %1 layers, and a mix holds at most %2</source>
        <translation>tem %1 camadas, e uma mixagem comporta no máximo %2</translation>
    </message>
    <message>
        <source>layer %1 names no sound</source>
        <translation>a camada %1 não indica nenhum som</translation>
    </message>
    <message>
        <source>layer %1 has the volume &quot;%2&quot;, where a whole number from 0 to %3 belongs</source>
        <translation>a camada %1 tem o volume “%2”, e deveria ser um número inteiro de 0 a %3</translation>
    </message>
    <message>
        <source>it has no layer</source>
        <translation>não tem nenhuma camada</translation>
    </message>
    <message>
        <source>A mix needs a name without &quot;/&quot;.</source>
        <translation>Uma mixagem precisa de um nome sem “/”.</translation>
    </message>
    <message>
        <source>A mix needs at least one sound.</source>
        <translation>Uma mixagem precisa de pelo menos um som.</translation>
    </message>
    <message>
        <source>A mix holds at most %1 sounds.</source>
        <translation>Uma mixagem comporta no máximo %1 sons.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot hold itself.</source>
        <translation>A mixagem “%1” não pode conter a si mesma.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot hold another mix, &quot;%2&quot;.</source>
        <translation>A mixagem “%1” não pode conter outra mixagem, “%2”.</translation>
    </message>
    <message>
        <source>A sound&apos;s volume in a mix goes from 0 to %1.</source>
        <translation>O volume de um som numa mixagem vai de 0 a %1.</translation>
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
        <translation>&amp;Nome da mixagem:</translation>
    </message>
    <message>
        <source>Mix name</source>
        <translation>Nome da mixagem</translation>
    </message>
    <message>
        <source>Choose a mix to change it, or type a new name</source>
        <translation>Escolha uma mixagem para alterá-la ou digite um nome novo</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Saves the mix under the name given</source>
        <translation>Salva a mixagem com o nome informado</translation>
    </message>
    <message>
        <source>&amp;Delete Mix</source>
        <translation>E&amp;xcluir mixagem</translation>
    </message>
    <message>
        <source>Deletes the mix&apos;s file at once</source>
        <translation>Exclui o arquivo da mixagem na hora</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Volume of %1</source>
        <translation>Volume de %1</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot be read: %2</source>
        <translation>A mixagem “%1” não pode ser lida: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a sound: a mix needs a name of its own.</source>
        <translation>“%1” é o nome de um som: uma mixagem precisa de um nome próprio.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; is saved.</source>
        <translation>A mixagem “%1” foi salva.</translation>
    </message>
    <message>
        <source>There is no saved mix called &quot;%1&quot;.</source>
        <translation>Não há nenhuma mixagem salva chamada “%1”.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot be deleted.</source>
        <translation>A mixagem “%1” não pode ser excluída.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; is deleted.</source>
        <translation>A mixagem “%1” foi excluída.</translation>
    </message>
</context>
<context>
    <name>OutputNotice</name>
    <message>
        <source>No sound output: waiting for the sound server</source>
        <translation>Sem saída de som: aguardando o servidor de som</translation>
    </message>
</context>
<context>
    <name>ProcedureErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>na linha %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Envie uma captura de tela desta mensagem por e-mail para %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erro do aplicativo</translation>
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
        <translation>&quot;%1&quot; não pode dar nome a uma entrada de início automático.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be written: it is not a regular file.</source>
        <translation>Não foi possível gravar a entrada de início automático %1: não é um arquivo comum.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be written: %2</source>
        <translation>Não foi possível gravar a entrada de início automático %1: %2</translation>
    </message>
    <message>
        <source>The autostart folder %1 could not be created.</source>
        <translation>Não foi possível criar a pasta de início automático %1.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be removed: %2</source>
        <translation>Não foi possível remover a entrada de início automático %1: %2</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>somnivox: no command given</source>
        <translation>somnivox: nenhum comando informado</translation>
    </message>
    <message>
        <source>somnivox: &quot;%1&quot; is not a listed style (--list-styles lists them)</source>
        <translation>somnivox: &quot;%1&quot; não é um som da lista (--list-styles os lista)</translation>
    </message>
    <message>
        <source>somnivox: &quot;%1&quot; is not an output (--list-outputs lists them)</source>
        <translation>somnivox: &quot;%1&quot; não é uma saída (--list-outputs as lista)</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The setting &quot;%1&quot; could not be saved to %2.</source>
        <translation>Não foi possível salvar a configuração &quot;%1&quot; em %2.</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Silences the sound before the computer sleeps</source>
        <translation>Silencia o som antes de o computador entrar em suspensão</translation>
    </message>
</context>
<context>
    <name>SoundImport</name>
    <message>
        <source>&quot;%1&quot; cannot be played, so it was not added.</source>
        <translation>&quot;%1&quot; não pode ser tocado, por isso não foi adicionado.</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Desligado</translation>
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
        <translation>&amp;Adicionar 15 minutos</translation>
    </message>
    <message>
        <source>&amp;Even Loudness</source>
        <translation>&amp;Volume uniforme</translation>
    </message>
    <message>
        <source>A&amp;dd Sound...</source>
        <translation>Adi&amp;cionar som...</translation>
    </message>
    <message>
        <source>S&amp;how Somnivox Noise Player</source>
        <translation>&amp;Mostrar o Somnivox Noise Player</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Turn Off</source>
        <translation>&amp;Desligar</translation>
    </message>
    <message>
        <source>&amp;Turn On</source>
        <translation>&amp;Ligar</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer (%1 min left)</source>
        <translation>&amp;Timer de desligamento (faltam %1 min)</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer</source>
        <translation>&amp;Timer de desligamento</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>&amp;Saída</translation>
    </message>
    <message>
        <source>System &amp;Default</source>
        <translation>&amp;Padrão do sistema</translation>
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
        <translation>Adicionar som</translation>
    </message>
    <message>
        <source>Sound files (*.mp3 *.flac *.ogg *.oga *.opus *.wav)</source>
        <translation>Arquivos de som (*.mp3 *.flac *.ogg *.oga *.opus *.wav)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone from your sounds, and no sound is left to choose.</source>
        <translation>&quot;%1&quot; não está mais entre os seus sons, e não resta nenhum som para escolher.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone from your sounds: &quot;%2&quot; is chosen instead.</source>
        <translation>&quot;%1&quot; não está mais entre os seus sons: &quot;%2&quot; foi escolhido no lugar.</translation>
    </message>
</context>
<context>
    <name>mStartUp</name>
    <message>
        <source>The program&apos;s own file could not be found, so it cannot be registered to start at login.</source>
        <translation>O arquivo do próprio programa não foi encontrado, por isso ele não pode ser registrado para abrir ao entrar no sistema.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>somnivox: Somnivox Noise Player is running but did not answer within %1 seconds.</source>
        <translation>somnivox: o Somnivox Noise Player está em execução, mas não respondeu em %1 segundos.</translation>
    </message>
    <message>
        <source>somnivox: Somnivox Noise Player is not running.</source>
        <translation>somnivox: o Somnivox Noise Player não está em execução.</translation>
    </message>
</context>
</TS>
