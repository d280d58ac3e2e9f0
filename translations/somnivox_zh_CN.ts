<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>Loops an ambient noise sound, all night or inside a daily time window. An option steers the running program, or starts it and then does what it says.</source>
        <translation>循环播放环境噪声，可整夜播放，也可只在每天的时间段内播放。选项可控制正在运行的程序，或先启动程序再执行指定操作。</translation>
    </message>
    <message>
        <source>Turns the sound on, as the window&apos;s Turn On does.</source>
        <translation>打开声音，与窗口中的“打开”相同。</translation>
    </message>
    <message>
        <source>Turns the sound off, as the window&apos;s Turn Off does.</source>
        <translation>关闭声音，与窗口中的“关闭”相同。</translation>
    </message>
    <message>
        <source>Turns the sound on when it is off, and off when it is on.</source>
        <translation>声音关闭时将其打开，打开时将其关闭。</translation>
    </message>
    <message>
        <source>Starts a sleep timer of DURATION, replacing the one running: minutes (30), or hours, minutes and seconds (1h30m, 20m, 45s). &quot;off&quot; stops the timer.</source>
        <translation>启动时长为 DURATION 的睡眠定时器，替换正在运行的定时器：分钟数 (30)，或小时、分钟和秒 (1h30m、20m、45s)。&quot;off&quot; 停止定时器。</translation>
    </message>
    <message>
        <source>DURATION</source>
        <translation>DURATION</translation>
    </message>
    <message>
        <source>Chooses the style NAME, one that --list-styles lists.</source>
        <translation>选择风格 NAME，须为 --list-styles 列出的一种。</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Sets the volume, from 1 to 100.</source>
        <translation>设置音量，范围 1 到 100。</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Prints the running program&apos;s state as &quot;key: value&quot; lines.</source>
        <translation>以“key: value”行的形式输出正在运行的程序的状态。</translation>
    </message>
    <message>
        <source>Prints the styles that can be played, one a line.</source>
        <translation>列出可播放的风格，每行一个。</translation>
    </message>
    <message>
        <source>Prints this help.</source>
        <translation>显示此帮助。</translation>
    </message>
    <message>
        <source>Prints the program&apos;s version.</source>
        <translation>显示程序版本。</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>用法：%1 [选项]</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>意外的参数“%1”</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 被指定了多次</translation>
    </message>
    <message>
        <source>--turn-on, --turn-off and --toggle exclude one another</source>
        <translation>--turn-on、--turn-off 和 --toggle 互相排斥</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a listed style (--list-styles lists them)</source>
        <translation>“%1”不是列出的风格（--list-styles 可列出全部）</translation>
    </message>
    <message>
        <source>--volume takes a whole number from 1 to 100, not &quot;%1&quot;</source>
        <translation>--volume 需要 1 到 100 的整数，而不是“%1”</translation>
    </message>
    <message>
        <source>--sleep takes minutes (30), a duration such as 1h30m, 20m or 45s, up to 24 hours, or &quot;off&quot;, not &quot;%1&quot;</source>
        <translation>--sleep 需要分钟数 (30)、最长 24 小时的时长（如 1h30m、20m 或 45s）或 &quot;off&quot;，而不是“%1”</translation>
    </message>
    <message>
        <source>--sleep cannot run a timer for a program that --turn-off turns off</source>
        <translation>--sleep 无法为 --turn-off 关闭的程序运行定时器</translation>
    </message>
    <message>
        <source>--%1 asks a question and takes no other option</source>
        <translation>--%1 是查询，不能与其他选项同用</translation>
    </message>
    <message>
        <source>Plays through the output NAME, a stable name or a description that --list-outputs lists, or &quot;default&quot; for the system&apos;s default output.</source>
        <translation>通过输出 NAME 播放，须为 --list-outputs 列出的固定名称或描述；“default”表示系统默认输出。</translation>
    </message>
    <message>
        <source>Prints the sound server&apos;s outputs, one a line: the stable name, a tab, the description.</source>
        <translation>列出声音服务器的输出，每行一个：固定名称、制表符、描述。</translation>
    </message>
    <message>
        <source>--output takes an output&apos;s name (--list-outputs lists them) or &quot;default&quot;</source>
        <translation>--output 需要一个输出的名称（--list-outputs 可列出全部）或“default”</translation>
    </message>
    <message>
        <source>--status, --list-styles and --list-outputs exclude one another</source>
        <translation>--status、--list-styles 和 --list-outputs 互相排斥</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Turn On</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Preview Sound</source>
        <translation>试听</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Play Option</source>
        <translation>播放方式</translation>
    </message>
    <message>
        <source>Play from</source>
        <translation>定时播放</translation>
    </message>
    <message>
        <source>Play white noise until &apos;Turn Off&apos; is clicked</source>
        <translation>播放白噪声，直到点击“关闭”</translation>
    </message>
    <message>
        <source>Start of the daily window</source>
        <translation>每日时段的开始</translation>
    </message>
    <message>
        <source>End of the daily window</source>
        <translation>每日时段的结束</translation>
    </message>
    <message>
        <source>to</source>
        <translation>至</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>启动选项</translation>
    </message>
    <message>
        <source>Start in system tray</source>
        <translation>启动到系统托盘</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>登录时启动本软件</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Which style noise would you like to play?</source>
        <translation>您想播放哪种噪声？</translation>
    </message>
    <message>
        <source>&amp;Add Sound...</source>
        <translation>添加声音(&amp;A)...</translation>
    </message>
    <message>
        <source>Add Sound</source>
        <translation>添加声音</translation>
    </message>
    <message>
        <source>Copies sound files of your choice into your sounds and lists them</source>
        <translation>将您选择的声音文件复制到您的声音中并列出</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>音调</translation>
    </message>
    <message>
        <source>Your settings will not be kept after the program ends.</source>
        <translation>程序结束后将不会保留您的设置。</translation>
    </message>
    <message>
        <source>The program cannot be set to start at login.</source>
        <translation>无法将程序设置为登录时启动。</translation>
    </message>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;V&apos; icon (V for Vantrelle) to bring the software back.</source>
        <translation>已最小化到系统托盘。<byte value="xd"/>
点击蓝色的“V”图标（V 代表 Vantrelle）即可恢复软件。</translation>
    </message>
    <message>
        <source>Mi&amp;xer...</source>
        <translation>混音器(&amp;X)...</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>混音器</translation>
    </message>
</context>
<context>
    <name>GeneratedNoise</name>
    <message>
        <source>Brown Noise</source>
        <translation>褐噪声</translation>
    </message>
    <message>
        <source>Pink Noise</source>
        <translation>粉红噪声</translation>
    </message>
    <message>
        <source>White Noise</source>
        <translation>白噪声</translation>
    </message>
</context>
<context>
    <name>Mix</name>
    <message>
        <source>it is not a mix: it has no [Mix] section</source>
        <translation>这不是混音：缺少 [Mix] 节</translation>
    </message>
    <message>
        <source>it names no version</source>
        <translation>未注明版本</translation>
    </message>
    <message>
        <source>it is of version %1, and this program reads version %2</source>
        <translation>它是版本 %1，而本程序读取版本 %2</translation>
    </message>
    <message>
        <source>it has %1 layers, and a mix holds at most %2</source>
        <translation>它有 %1 层，而一个混音最多容纳 %2 层</translation>
    </message>
    <message>
        <source>layer %1 names no sound</source>
        <translation>第 %1 层未指定声音</translation>
    </message>
    <message>
        <source>layer %1 has the volume &quot;%2&quot;, where a whole number from 0 to %3 belongs</source>
        <translation>第 %1 层的音量为“%2”，应为 0 到 %3 的整数</translation>
    </message>
    <message>
        <source>it has no layer</source>
        <translation>它没有任何层</translation>
    </message>
    <message>
        <source>A mix needs a name without &quot;/&quot;.</source>
        <translation>混音需要一个不含“/”的名称。</translation>
    </message>
    <message>
        <source>A mix needs at least one sound.</source>
        <translation>混音至少需要一个声音。</translation>
    </message>
    <message>
        <source>A mix holds at most %1 sounds.</source>
        <translation>一个混音最多容纳 %1 个声音。</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot hold itself.</source>
        <translation>混音“%1”不能包含它自己。</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot hold another mix, &quot;%2&quot;.</source>
        <translation>混音“%1”不能包含另一个混音“%2”。</translation>
    </message>
    <message>
        <source>A sound&apos;s volume in a mix goes from 0 to %1.</source>
        <translation>混音中声音的音量范围为 0 到 %1。</translation>
    </message>
</context>
<context>
    <name>MixerWindow</name>
    <message>
        <source>Mixer</source>
        <translation>混音器</translation>
    </message>
    <message>
        <source>Mix &amp;name:</source>
        <translation>混音名称(&amp;N)：</translation>
    </message>
    <message>
        <source>Mix name</source>
        <translation>混音名称</translation>
    </message>
    <message>
        <source>Choose a mix to change it, or type a new name</source>
        <translation>选择要修改的混音，或输入新名称</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Saves the mix under the name given</source>
        <translation>以给定的名称保存混音</translation>
    </message>
    <message>
        <source>&amp;Delete Mix</source>
        <translation>删除混音(&amp;D)</translation>
    </message>
    <message>
        <source>Deletes the mix&apos;s file at once</source>
        <translation>立即删除混音的文件</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Volume of %1</source>
        <translation>%1 的音量</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot be read: %2</source>
        <translation>无法读取混音“%1”：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a sound: a mix needs a name of its own.</source>
        <translation>“%1”是一个声音的名称：混音需要自己的名称。</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; is saved.</source>
        <translation>混音“%1”已保存。</translation>
    </message>
    <message>
        <source>There is no saved mix called &quot;%1&quot;.</source>
        <translation>没有名为“%1”的已保存混音。</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot be deleted.</source>
        <translation>无法删除混音“%1”。</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; is deleted.</source>
        <translation>混音“%1”已删除。</translation>
    </message>
</context>
<context>
    <name>OutputNotice</name>
    <message>
        <source>No sound output: waiting for the sound server</source>
        <translation>没有声音输出：正在等待声音服务器</translation>
    </message>
</context>
<context>
    <name>ProcedureErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>请将此消息的截图通过电子邮件发送至 %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>应用程序错误</translation>
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
        <translation>“%1”不能用作自动启动项的名称。</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be written: it is not a regular file.</source>
        <translation>无法写入自动启动项 %1：它不是普通文件。</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be written: %2</source>
        <translation>无法写入自动启动项 %1：%2</translation>
    </message>
    <message>
        <source>The autostart folder %1 could not be created.</source>
        <translation>无法创建自动启动文件夹 %1。</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be removed: %2</source>
        <translation>无法删除自动启动项 %1：%2</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>somnivox: no command given</source>
        <translation>somnivox：未指定命令</translation>
    </message>
    <message>
        <source>somnivox: &quot;%1&quot; is not a listed style (--list-styles lists them)</source>
        <translation>somnivox：“%1”不是列出的风格（--list-styles 可列出全部）</translation>
    </message>
    <message>
        <source>somnivox: &quot;%1&quot; is not an output (--list-outputs lists them)</source>
        <translation>somnivox：“%1”不是一个输出（--list-outputs 可列出全部）</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The setting &quot;%1&quot; could not be saved to %2.</source>
        <translation>无法将设置“%1”保存到 %2。</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Silences the sound before the computer sleeps</source>
        <translation>在计算机睡眠前静音</translation>
    </message>
</context>
<context>
    <name>SoundImport</name>
    <message>
        <source>&quot;%1&quot; cannot be played, so it was not added.</source>
        <translation>“%1”无法播放，因此未添加。</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>&amp;Off</source>
        <translation>关闭(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;15 Minutes</source>
        <translation>15 分钟(&amp;1)</translation>
    </message>
    <message>
        <source>&amp;30 Minutes</source>
        <translation>30 分钟(&amp;3)</translation>
    </message>
    <message>
        <source>&amp;45 Minutes</source>
        <translation>45 分钟(&amp;4)</translation>
    </message>
    <message>
        <source>1 &amp;Hour</source>
        <translation>1 小时(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;90 Minutes</source>
        <translation>90 分钟(&amp;9)</translation>
    </message>
    <message>
        <source>&amp;2 Hours</source>
        <translation>2 小时(&amp;2)</translation>
    </message>
    <message>
        <source>&amp;Add 15 Minutes</source>
        <translation>延长 15 分钟(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Even Loudness</source>
        <translation>均衡响度(&amp;E)</translation>
    </message>
    <message>
        <source>A&amp;dd Sound...</source>
        <translation>添加声音(&amp;D)...</translation>
    </message>
    <message>
        <source>S&amp;how Somnivox Noise Player</source>
        <translation>显示 Somnivox Noise Player(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Turn Off</source>
        <translation>关闭(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Turn On</source>
        <translation>打开(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer (%1 min left)</source>
        <translation>睡眠定时器(&amp;S)（剩余 %1 分钟）</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer</source>
        <translation>睡眠定时器(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>输出(&amp;O)</translation>
    </message>
    <message>
        <source>System &amp;Default</source>
        <translation>系统默认(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Mixer...</source>
        <translation>混音器(&amp;M)...</translation>
    </message>
</context>
<context>
    <name>UserSounds</name>
    <message>
        <source>Add Sound</source>
        <translation>添加声音</translation>
    </message>
    <message>
        <source>Sound files (*.mp3 *.flac *.ogg *.oga *.opus *.wav)</source>
        <translation>声音文件 (*.mp3 *.flac *.ogg *.oga *.opus *.wav)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone from your sounds, and no sound is left to choose.</source>
        <translation>“%1”已不在您的声音中，没有可选的声音了。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone from your sounds: &quot;%2&quot; is chosen instead.</source>
        <translation>“%1”已不在您的声音中，已改为选择“%2”。</translation>
    </message>
</context>
<context>
    <name>mStartUp</name>
    <message>
        <source>The program&apos;s own file could not be found, so it cannot be registered to start at login.</source>
        <translation>找不到程序自身的文件，因此无法注册为登录时启动。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>somnivox: Somnivox Noise Player is running but did not answer within %1 seconds.</source>
        <translation>somnivox：Somnivox Noise Player 正在运行，但在 %1 秒内没有响应。</translation>
    </message>
    <message>
        <source>somnivox: Somnivox Noise Player is not running.</source>
        <translation>somnivox：Somnivox Noise Player 未在运行。</translation>
    </message>
</context>
</TS>
