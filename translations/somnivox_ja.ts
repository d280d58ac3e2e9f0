<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CommandLine</name>
    <message>
        <source>Loops an ambient noise sound, all night or inside a daily time window. An option steers the running program, or starts it and then does what it says.</source>
        <translation>環境音をループ再生します。一晩中、または毎日の時間帯の中だけ再生できます。オプションは実行中のプログラムを操作するか、プログラムを起動してから指示を実行します。</translation>
    </message>
    <message>
        <source>Turns the sound on, as the window&apos;s Turn On does.</source>
        <translation>ウィンドウの「オンにする」と同じく、音をオンにします。</translation>
    </message>
    <message>
        <source>Turns the sound off, as the window&apos;s Turn Off does.</source>
        <translation>ウィンドウの「オフにする」と同じく、音をオフにします。</translation>
    </message>
    <message>
        <source>Turns the sound on when it is off, and off when it is on.</source>
        <translation>音がオフならオンに、オンならオフにします。</translation>
    </message>
    <message>
        <source>Starts a sleep timer of DURATION, replacing the one running: minutes (30), or hours, minutes and seconds (1h30m, 20m, 45s). &quot;off&quot; stops the timer.</source>
        <translation>実行中のものに代えて、DURATION のスリープタイマーを開始します。分 (30)、または時間・分・秒 (1h30m、20m、45s) で指定します。&quot;off&quot; でタイマーを止めます。</translation>
    </message>
    <message>
        <source>DURATION</source>
        <translation>DURATION</translation>
    </message>
    <message>
        <source>Chooses the style NAME, one that --list-styles lists.</source>
        <translation>スタイル NAME を選びます。--list-styles が表示するものの一つです。</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Sets the volume, from 1 to 100.</source>
        <translation>音量を 1 から 100 で設定します。</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Prints the running program&apos;s state as &quot;key: value&quot; lines.</source>
        <translation>実行中のプログラムの状態を「key: value」形式の行で表示します。</translation>
    </message>
    <message>
        <source>Prints the styles that can be played, one a line.</source>
        <translation>再生できるスタイルを 1 行に 1 つずつ表示します。</translation>
    </message>
    <message>
        <source>Prints this help.</source>
        <translation>このヘルプを表示します。</translation>
    </message>
    <message>
        <source>Prints the program&apos;s version.</source>
        <translation>プログラムのバージョンを表示します。</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>使い方: %1 [オプション]</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>予期しない引数「%1」</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 が複数回指定されています</translation>
    </message>
    <message>
        <source>--turn-on, --turn-off and --toggle exclude one another</source>
        <translation>--turn-on、--turn-off、--toggle は同時に指定できません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a listed style (--list-styles lists them)</source>
        <translation>「%1」は一覧にあるスタイルではありません (--list-styles で一覧を表示)</translation>
    </message>
    <message>
        <source>--volume takes a whole number from 1 to 100, not &quot;%1&quot;</source>
        <translation>--volume には 1 から 100 の整数を指定してください (「%1」は使えません)</translation>
    </message>
    <message>
        <source>--sleep takes minutes (30), a duration such as 1h30m, 20m or 45s, up to 24 hours, or &quot;off&quot;, not &quot;%1&quot;</source>
        <translation>--sleep には分 (30)、1h30m・20m・45s のような 24 時間までの長さ、または &quot;off&quot; を指定してください (「%1」は使えません)</translation>
    </message>
    <message>
        <source>--sleep cannot run a timer for a program that --turn-off turns off</source>
        <translation>--turn-off でオフにするプログラムに --sleep のタイマーは設定できません</translation>
    </message>
    <message>
        <source>--%1 asks a question and takes no other option</source>
        <translation>--%1 は問い合わせのため、ほかのオプションと併用できません</translation>
    </message>
    <message>
        <source>Plays through the output NAME, a stable name or a description that --list-outputs lists, or &quot;default&quot; for the system&apos;s default output.</source>
        <translation>出力 NAME (--list-outputs が表示する固定名または説明) で再生します。&quot;default&quot; でシステムの既定の出力になります。</translation>
    </message>
    <message>
        <source>Prints the sound server&apos;s outputs, one a line: the stable name, a tab, the description.</source>
        <translation>サウンドサーバーの出力を 1 行に 1 つずつ表示します: 固定名、タブ、説明。</translation>
    </message>
    <message>
        <source>--output takes an output&apos;s name (--list-outputs lists them) or &quot;default&quot;</source>
        <translation>--output には出力の名前 (--list-outputs で一覧を表示) または &quot;default&quot; を指定します</translation>
    </message>
    <message>
        <source>--status, --list-styles and --list-outputs exclude one another</source>
        <translation>--status、--list-styles、--list-outputs は同時に指定できません</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Turn On</source>
        <translation>オンにする</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>オフにする</translation>
    </message>
    <message>
        <source>Preview Sound</source>
        <translation>試聴</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Play Option</source>
        <translation>再生モード</translation>
    </message>
    <message>
        <source>Play from</source>
        <translation>再生開始</translation>
    </message>
    <message>
        <source>Play white noise until &apos;Turn Off&apos; is clicked</source>
        <translation>「オフにする」をクリックするまでホワイトノイズを再生</translation>
    </message>
    <message>
        <source>Start of the daily window</source>
        <translation>毎日の再生時間の開始</translation>
    </message>
    <message>
        <source>End of the daily window</source>
        <translation>毎日の再生時間の終了</translation>
    </message>
    <message>
        <source>to</source>
        <translation>再生終了</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>起動オプション</translation>
    </message>
    <message>
        <source>Start in system tray</source>
        <translation>システムトレイで起動</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>ログイン時にこのソフトウェアを起動</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Which style noise would you like to play?</source>
        <translation>どのノイズを再生しますか？</translation>
    </message>
    <message>
        <source>&amp;Add Sound...</source>
        <translation>サウンドを追加(&amp;A)...</translation>
    </message>
    <message>
        <source>Add Sound</source>
        <translation>サウンドを追加</translation>
    </message>
    <message>
        <source>Copies sound files of your choice into your sounds and lists them</source>
        <translation>選んだサウンドファイルをサウンドにコピーし、一覧に追加します</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>ピッチ</translation>
    </message>
    <message>
        <source>Your settings will not be kept after the program ends.</source>
        <translation>プログラムを終了すると設定は保持されません。</translation>
    </message>
    <message>
        <source>The program cannot be set to start at login.</source>
        <translation>ログイン時にプログラムを起動するよう設定できません。</translation>
    </message>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;V&apos; icon (V for Vantrelle) to bring the software back.</source>
        <translation>はシステムトレイに最小化されました。<byte value="xd"/>
青い「V」アイコン (Vantrelle の V) をクリックすると元に戻ります。</translation>
    </message>
    <message>
        <source>Mi&amp;xer...</source>
        <translation>ミキサー(&amp;X)...</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>ミキサー</translation>
    </message>
</context>
<context>
    <name>GeneratedNoise</name>
    <message>
        <source>Brown Noise</source>
        <translation>ブラウンノイズ</translation>
    </message>
    <message>
        <source>Pink Noise</source>
        <translation>ピンクノイズ</translation>
    </message>
    <message>
        <source>White Noise</source>
        <translation>ホワイトノイズ</translation>
    </message>
</context>
<context>
    <name>Mix</name>
    <message>
        <source>it is not a mix: it has no [Mix] section</source>
        <translation>ミックスではありません: [Mix] セクションがありません</translation>
    </message>
    <message>
        <source>it names no version</source>
        <translation>バージョンが書かれていません</translation>
    </message>
    <message>
        <source>it is of version %1, and this program reads version %2</source>
        <translation>バージョン %1 です。このプログラムが読めるのはバージョン %2 です</translation>
    </message>
    <message>
        <source>it has %1 layers, and a mix holds at most %2</source>
        <translation>レイヤーが %1 個あります。ミックスに入るのは最大 %2 個です</translation>
    </message>
    <message>
        <source>layer %1 names no sound</source>
        <translation>レイヤー %1 に音が指定されていません</translation>
    </message>
    <message>
        <source>layer %1 has the volume &quot;%2&quot;, where a whole number from 0 to %3 belongs</source>
        <translation>レイヤー %1 の音量が「%2」です。0 から %3 までの整数を指定してください</translation>
    </message>
    <message>
        <source>it has no layer</source>
        <translation>レイヤーがありません</translation>
    </message>
    <message>
        <source>A mix needs a name without &quot;/&quot;.</source>
        <translation>ミックスには「/」を含まない名前が必要です。</translation>
    </message>
    <message>
        <source>A mix needs at least one sound.</source>
        <translation>ミックスには少なくとも 1 つの音が必要です。</translation>
    </message>
    <message>
        <source>A mix holds at most %1 sounds.</source>
        <translation>ミックスに入る音は最大 %1 個です。</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot hold itself.</source>
        <translation>ミックス「%1」に自分自身は入れられません。</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot hold another mix, &quot;%2&quot;.</source>
        <translation>ミックス「%1」に別のミックス「%2」は入れられません。</translation>
    </message>
    <message>
        <source>A sound&apos;s volume in a mix goes from 0 to %1.</source>
        <translation>ミックス内の音の音量は 0 から %1 までです。</translation>
    </message>
</context>
<context>
    <name>MixerWindow</name>
    <message>
        <source>Mixer</source>
        <translation>ミキサー</translation>
    </message>
    <message>
        <source>Mix &amp;name:</source>
        <translation>ミックス名(&amp;N):</translation>
    </message>
    <message>
        <source>Mix name</source>
        <translation>ミックス名</translation>
    </message>
    <message>
        <source>Choose a mix to change it, or type a new name</source>
        <translation>変更するミックスを選ぶか、新しい名前を入力してください</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Saves the mix under the name given</source>
        <translation>入力した名前でミックスを保存します</translation>
    </message>
    <message>
        <source>&amp;Delete Mix</source>
        <translation>ミックスを削除(&amp;D)</translation>
    </message>
    <message>
        <source>Deletes the mix&apos;s file at once</source>
        <translation>ミックスのファイルをすぐに削除します</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Volume of %1</source>
        <translation>%1 の音量</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot be read: %2</source>
        <translation>ミックス「%1」を読み込めません: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a sound: a mix needs a name of its own.</source>
        <translation>「%1」は音の名前です。ミックスには別の名前が必要です。</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; is saved.</source>
        <translation>ミックス「%1」を保存しました。</translation>
    </message>
    <message>
        <source>There is no saved mix called &quot;%1&quot;.</source>
        <translation>「%1」という名前の保存済みミックスはありません。</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot be deleted.</source>
        <translation>ミックス「%1」を削除できません。</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; is deleted.</source>
        <translation>ミックス「%1」を削除しました。</translation>
    </message>
</context>
<context>
    <name>OutputNotice</name>
    <message>
        <source>No sound output: waiting for the sound server</source>
        <translation>音声出力なし: サウンドサーバーを待っています</translation>
    </message>
</context>
<context>
    <name>ProcedureErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>%1 行目</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>このメッセージのスクリーンショットを %1 までメールでお送りください</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>アプリケーションエラー</translation>
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
        <translation>「%1」は自動起動エントリの名前にできません。</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be written: it is not a regular file.</source>
        <translation>自動起動エントリ %1 を書き込めませんでした: 通常のファイルではありません。</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be written: %2</source>
        <translation>自動起動エントリ %1 を書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>The autostart folder %1 could not be created.</source>
        <translation>自動起動フォルダー %1 を作成できませんでした。</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be removed: %2</source>
        <translation>自動起動エントリ %1 を削除できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>somnivox: no command given</source>
        <translation>somnivox: コマンドが指定されていません</translation>
    </message>
    <message>
        <source>somnivox: &quot;%1&quot; is not a listed style (--list-styles lists them)</source>
        <translation>somnivox: 「%1」は一覧にあるスタイルではありません (--list-styles で一覧を表示)</translation>
    </message>
    <message>
        <source>somnivox: &quot;%1&quot; is not an output (--list-outputs lists them)</source>
        <translation>somnivox: 「%1」は出力ではありません (--list-outputs で一覧を表示)</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The setting &quot;%1&quot; could not be saved to %2.</source>
        <translation>設定「%1」を %2 に保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Silences the sound before the computer sleeps</source>
        <translation>コンピューターがスリープする前に音を止めます</translation>
    </message>
</context>
<context>
    <name>SoundImport</name>
    <message>
        <source>&quot;%1&quot; cannot be played, so it was not added.</source>
        <translation>「%1」は再生できないため、追加しませんでした。</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>&amp;Off</source>
        <translation>オフ(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;15 Minutes</source>
        <translation>15 分(&amp;1)</translation>
    </message>
    <message>
        <source>&amp;30 Minutes</source>
        <translation>30 分(&amp;3)</translation>
    </message>
    <message>
        <source>&amp;45 Minutes</source>
        <translation>45 分(&amp;4)</translation>
    </message>
    <message>
        <source>1 &amp;Hour</source>
        <translation>1 時間(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;90 Minutes</source>
        <translation>90 分(&amp;9)</translation>
    </message>
    <message>
        <source>&amp;2 Hours</source>
        <translation>2 時間(&amp;2)</translation>
    </message>
    <message>
        <source>&amp;Add 15 Minutes</source>
        <translation>15 分延長(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Even Loudness</source>
        <translation>音量を均一に(&amp;E)</translation>
    </message>
    <message>
        <source>A&amp;dd Sound...</source>
        <translation>サウンドを追加(&amp;D)...</translation>
    </message>
    <message>
        <source>S&amp;how Somnivox Noise Player</source>
        <translation>Somnivox Noise Player を表示(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Turn Off</source>
        <translation>オフにする(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Turn On</source>
        <translation>オンにする(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer (%1 min left)</source>
        <translation>スリープタイマー(&amp;S) (残り %1 分)</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer</source>
        <translation>スリープタイマー(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>出力(&amp;O)</translation>
    </message>
    <message>
        <source>System &amp;Default</source>
        <translation>システムの既定(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Mixer...</source>
        <translation>ミキサー(&amp;M)...</translation>
    </message>
</context>
<context>
    <name>UserSounds</name>
    <message>
        <source>Add Sound</source>
        <translation>サウンドを追加</translation>
    </message>
    <message>
        <source>Sound files (*.mp3 *.flac *.ogg *.oga *.opus *.wav)</source>
        <translation>サウンドファイル (*.mp3 *.flac *.ogg *.oga *.opus *.wav)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone from your sounds, and no sound is left to choose.</source>
        <translation>「%1」がサウンドから消え、選べるサウンドが残っていません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone from your sounds: &quot;%2&quot; is chosen instead.</source>
        <translation>「%1」がサウンドから消えたため、代わりに「%2」を選びました。</translation>
    </message>
</context>
<context>
    <name>mStartUp</name>
    <message>
        <source>The program&apos;s own file could not be found, so it cannot be registered to start at login.</source>
        <translation>プログラム自身のファイルが見つからないため、ログイン時の起動に登録できません。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>somnivox: Somnivox Noise Player is running but did not answer within %1 seconds.</source>
        <translation>somnivox: Somnivox Noise Player は実行中ですが、%1 秒以内に応答がありませんでした。</translation>
    </message>
    <message>
        <source>somnivox: Somnivox Noise Player is not running.</source>
        <translation>somnivox: Somnivox Noise Player は実行されていません。</translation>
    </message>
</context>
</TS>
