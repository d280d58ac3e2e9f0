<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CommandLine</name>
    <message>
        <source>Loops an ambient noise sound, all night or inside a daily time window. An option steers the running program, or starts it and then does what it says.</source>
        <translation>يشغّل صوتًا محيطيًا بشكل متكرر طوال الليل أو ضمن فترة زمنية يومية. يتحكم الخيار في البرنامج قيد التشغيل، أو يشغّله ثم ينفّذ ما يطلبه.</translation>
    </message>
    <message>
        <source>Turns the sound on, as the window&apos;s Turn On does.</source>
        <translation>يشغّل الصوت، كما يفعل زر «تشغيل» في النافذة.</translation>
    </message>
    <message>
        <source>Turns the sound off, as the window&apos;s Turn Off does.</source>
        <translation>يوقف الصوت، كما يفعل زر «إيقاف» في النافذة.</translation>
    </message>
    <message>
        <source>Turns the sound on when it is off, and off when it is on.</source>
        <translation>يشغّل الصوت إن كان متوقفًا، ويوقفه إن كان يعمل.</translation>
    </message>
    <message>
        <source>Starts a sleep timer of DURATION, replacing the one running: minutes (30), or hours, minutes and seconds (1h30m, 20m, 45s). &quot;off&quot; stops the timer.</source>
        <translation>يبدأ مؤقت نوم بالمدة DURATION بدلًا من المؤقت الجاري: دقائق (30)، أو ساعات ودقائق وثوانٍ (1h30m، 20m، 45s). وتوقف &quot;off&quot; المؤقت.</translation>
    </message>
    <message>
        <source>DURATION</source>
        <translation>DURATION</translation>
    </message>
    <message>
        <source>Chooses the style NAME, one that --list-styles lists.</source>
        <translation>يختار النمط NAME، وهو أحد ما تعرضه --list-styles.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Sets the volume, from 1 to 100.</source>
        <translation>يضبط مستوى الصوت من 1 إلى 100.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Prints the running program&apos;s state as &quot;key: value&quot; lines.</source>
        <translation>يطبع حالة البرنامج قيد التشغيل في أسطر بصيغة &quot;key: value&quot;.</translation>
    </message>
    <message>
        <source>Prints the styles that can be played, one a line.</source>
        <translation>يطبع الأنماط التي يمكن تشغيلها، واحدًا في كل سطر.</translation>
    </message>
    <message>
        <source>Prints this help.</source>
        <translation>يعرض هذه المساعدة.</translation>
    </message>
    <message>
        <source>Prints the program&apos;s version.</source>
        <translation>يعرض إصدار البرنامج.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>الاستخدام: %1 [خيارات]</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>وسيط غير متوقع &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>تم تمرير --%1 أكثر من مرة</translation>
    </message>
    <message>
        <source>--turn-on, --turn-off and --toggle exclude one another</source>
        <translation>لا يجتمع --turn-on و--turn-off و--toggle معًا</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a listed style (--list-styles lists them)</source>
        <translation>&quot;%1&quot; ليس نمطًا مدرجًا (تعرضها --list-styles)</translation>
    </message>
    <message>
        <source>--volume takes a whole number from 1 to 100, not &quot;%1&quot;</source>
        <translation>يتطلب --volume عددًا صحيحًا من 1 إلى 100، وليس &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--sleep takes minutes (30), a duration such as 1h30m, 20m or 45s, up to 24 hours, or &quot;off&quot;, not &quot;%1&quot;</source>
        <translation>يتطلب --sleep دقائق (30)، أو مدة مثل 1h30m أو 20m أو 45s حتى 24 ساعة، أو &quot;off&quot;، وليس &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--sleep cannot run a timer for a program that --turn-off turns off</source>
        <translation>لا يمكن لـ --sleep تشغيل مؤقت لبرنامج يوقفه --turn-off</translation>
    </message>
    <message>
        <source>--%1 asks a question and takes no other option</source>
        <translation>--%1 استعلام ولا يقبل خيارات أخرى</translation>
    </message>
    <message>
        <source>Plays through the output NAME, a stable name or a description that --list-outputs lists, or &quot;default&quot; for the system&apos;s default output.</source>
        <translation>يشغّل الصوت عبر المخرج NAME، باسمه الثابت أو بوصفه كما تعرضه --list-outputs، أو &quot;default&quot; لمخرج النظام الافتراضي.</translation>
    </message>
    <message>
        <source>Prints the sound server&apos;s outputs, one a line: the stable name, a tab, the description.</source>
        <translation>يطبع مخارج خادم الصوت، واحدًا في كل سطر: الاسم الثابت، ثم علامة جدولة، ثم الوصف.</translation>
    </message>
    <message>
        <source>--output takes an output&apos;s name (--list-outputs lists them) or &quot;default&quot;</source>
        <translation>يأخذ --output اسم مخرج (تعرضها --list-outputs) أو &quot;default&quot;</translation>
    </message>
    <message>
        <source>--status, --list-styles and --list-outputs exclude one another</source>
        <translation>لا تجتمع --status و--list-styles و--list-outputs معًا</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Turn On</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Preview Sound</source>
        <translation>معاينة الصوت</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>توقف</translation>
    </message>
    <message>
        <source>Play Option</source>
        <translation>خيار التشغيل</translation>
    </message>
    <message>
        <source>Play from</source>
        <translation>التشغيل من</translation>
    </message>
    <message>
        <source>Play white noise until &apos;Turn Off&apos; is clicked</source>
        <translation>تشغيل الضجيج الأبيض حتى النقر على «إيقاف»</translation>
    </message>
    <message>
        <source>Start of the daily window</source>
        <translation>بداية الفترة اليومية</translation>
    </message>
    <message>
        <source>End of the daily window</source>
        <translation>نهاية الفترة اليومية</translation>
    </message>
    <message>
        <source>to</source>
        <translation>إلى</translation>
    </message>
    <message>
        <source>Startup Options</source>
        <translation>خيارات بدء التشغيل</translation>
    </message>
    <message>
        <source>Start in system tray</source>
        <translation>البدء في علبة النظام</translation>
    </message>
    <message>
        <source>Load this software on Windows startup</source>
        <translation>تشغيل هذا البرنامج عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>مستوى الصوت</translation>
    </message>
    <message>
        <source>Which style noise would you like to play?</source>
        <translation>ما نوع الضجيج الذي تريد تشغيله؟</translation>
    </message>
    <message>
        <source>&amp;Add Sound...</source>
        <translation>إ&amp;ضافة صوت...</translation>
    </message>
    <message>
        <source>Add Sound</source>
        <translation>إضافة صوت</translation>
    </message>
    <message>
        <source>Copies sound files of your choice into your sounds and lists them</source>
        <translation>ينسخ ملفات الصوت التي تختارها إلى أصواتك ويدرجها في القائمة</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>طبقة الصوت</translation>
    </message>
    <message>
        <source>Your settings will not be kept after the program ends.</source>
        <translation>لن تُحفظ إعداداتك بعد إغلاق البرنامج.</translation>
    </message>
    <message>
        <source>The program cannot be set to start at login.</source>
        <translation>تعذّر ضبط البرنامج ليبدأ عند تسجيل الدخول.</translation>
    </message>
    <message>
        <source>has been minimized to the system tray.<byte value="xd"/>
Click on the blue &apos;V&apos; icon (V for Vantrelle) to bring the software back.</source>
        <translation>تم تصغيره إلى علبة النظام.<byte value="xd"/>
انقر على الأيقونة الزرقاء «V» (V من Vantrelle) لإعادة البرنامج.</translation>
    </message>
    <message>
        <source>Mi&amp;xer...</source>
        <translation>&amp;خلاط...</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>الخلاط</translation>
    </message>
</context>
<context>
    <name>GeneratedNoise</name>
    <message>
        <source>Brown Noise</source>
        <translation>ضجيج بني</translation>
    </message>
    <message>
        <source>Pink Noise</source>
        <translation>ضجيج وردي</translation>
    </message>
    <message>
        <source>White Noise</source>
        <translation>ضجيج أبيض</translation>
    </message>
</context>
<context>
    <name>Mix</name>
    <message>
        <source>it is not a mix: it has no [Mix] section</source>
        <translation>ليس مزيجًا: ينقصه القسم [Mix]</translation>
    </message>
    <message>
        <source>it names no version</source>
        <translation>لا يذكر أي إصدار</translation>
    </message>
    <message>
        <source>it is of version %1, and this program reads version %2</source>
        <translation>إصداره %1، وهذا البرنامج يقرأ الإصدار %2</translation>
    </message>
    <message>
        <source>it has %1 layers, and a mix holds at most %2</source>
        <translation>فيه %1 طبقات، والمزيج يتسع لـ %2 على الأكثر</translation>
    </message>
    <message>
        <source>layer %1 names no sound</source>
        <translation>الطبقة %1 لا تذكر أي صوت</translation>
    </message>
    <message>
        <source>layer %1 has the volume &quot;%2&quot;, where a whole number from 0 to %3 belongs</source>
        <translation>الطبقة %1 مستوى صوتها &quot;%2&quot;، والمطلوب عدد صحيح من 0 إلى %3</translation>
    </message>
    <message>
        <source>it has no layer</source>
        <translation>ليس فيه أي طبقة</translation>
    </message>
    <message>
        <source>A mix needs a name without &quot;/&quot;.</source>
        <translation>يحتاج المزيج إلى اسم لا يحتوي على &quot;/&quot;.</translation>
    </message>
    <message>
        <source>A mix needs at least one sound.</source>
        <translation>يحتاج المزيج إلى صوت واحد على الأقل.</translation>
    </message>
    <message>
        <source>A mix holds at most %1 sounds.</source>
        <translation>يتسع المزيج لـ %1 أصوات على الأكثر.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot hold itself.</source>
        <translation>لا يمكن للمزيج &quot;%1&quot; أن يحتوي نفسه.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot hold another mix, &quot;%2&quot;.</source>
        <translation>لا يمكن للمزيج &quot;%1&quot; أن يحتوي مزيجًا آخر، &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>A sound&apos;s volume in a mix goes from 0 to %1.</source>
        <translation>يتراوح مستوى صوت الصوت في المزيج من 0 إلى %1.</translation>
    </message>
</context>
<context>
    <name>MixerWindow</name>
    <message>
        <source>Mixer</source>
        <translation>الخلاط</translation>
    </message>
    <message>
        <source>Mix &amp;name:</source>
        <translation>ا&amp;سم المزيج:</translation>
    </message>
    <message>
        <source>Mix name</source>
        <translation>اسم المزيج</translation>
    </message>
    <message>
        <source>Choose a mix to change it, or type a new name</source>
        <translation>اختر مزيجًا لتغييره، أو اكتب اسمًا جديدًا</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <source>Saves the mix under the name given</source>
        <translation>يحفظ المزيج بالاسم المدخل</translation>
    </message>
    <message>
        <source>&amp;Delete Mix</source>
        <translation>&amp;حذف المزيج</translation>
    </message>
    <message>
        <source>Deletes the mix&apos;s file at once</source>
        <translation>يحذف ملف المزيج فورًا</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>Volume of %1</source>
        <translation>مستوى صوت %1</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot be read: %2</source>
        <translation>تعذّرت قراءة المزيج &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a sound: a mix needs a name of its own.</source>
        <translation>&quot;%1&quot; اسم صوت: يحتاج المزيج إلى اسم خاص به.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; is saved.</source>
        <translation>تم حفظ المزيج &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>There is no saved mix called &quot;%1&quot;.</source>
        <translation>لا يوجد مزيج محفوظ باسم &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; cannot be deleted.</source>
        <translation>تعذّر حذف المزيج &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The mix &quot;%1&quot; is deleted.</source>
        <translation>تم حذف المزيج &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>OutputNotice</name>
    <message>
        <source>No sound output: waiting for the sound server</source>
        <translation>لا يوجد مخرج صوت: في انتظار خادم الصوت</translation>
    </message>
</context>
<context>
    <name>ProcedureErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>في السطر %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>يُرجى إرسال لقطة شاشة لهذه الرسالة بالبريد الإلكتروني إلى %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>خطأ في التطبيق</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>RegStuff</name>
    <message>
        <source>&quot;%1&quot; cannot name an autostart entry.</source>
        <translation>لا يصلح &quot;%1&quot; اسمًا لمدخل التشغيل التلقائي.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be written: it is not a regular file.</source>
        <translation>تعذّرت كتابة مدخل التشغيل التلقائي %1: ليس ملفًا عاديًا.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be written: %2</source>
        <translation>تعذّرت كتابة مدخل التشغيل التلقائي %1: %2</translation>
    </message>
    <message>
        <source>The autostart folder %1 could not be created.</source>
        <translation>تعذّر إنشاء مجلد التشغيل التلقائي %1.</translation>
    </message>
    <message>
        <source>The autostart entry %1 could not be removed: %2</source>
        <translation>تعذّرت إزالة مدخل التشغيل التلقائي %1: %2</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>somnivox: no command given</source>
        <translation>somnivox: لم يُحدَّد أي أمر</translation>
    </message>
    <message>
        <source>somnivox: &quot;%1&quot; is not a listed style (--list-styles lists them)</source>
        <translation>somnivox: &quot;%1&quot; ليس نمطًا مدرجًا (تعرضها --list-styles)</translation>
    </message>
    <message>
        <source>somnivox: &quot;%1&quot; is not an output (--list-outputs lists them)</source>
        <translation>somnivox: &quot;%1&quot; ليس مخرجًا (تعرضها --list-outputs)</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The setting &quot;%1&quot; could not be saved to %2.</source>
        <translation>تعذّر حفظ الإعداد &quot;%1&quot; في %2.</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Silences the sound before the computer sleeps</source>
        <translation>يكتم الصوت قبل أن ينتقل الحاسوب إلى السكون</translation>
    </message>
</context>
<context>
    <name>SoundImport</name>
    <message>
        <source>&quot;%1&quot; cannot be played, so it was not added.</source>
        <translation>لا يمكن تشغيل &quot;%1&quot;، لذا لم تتم إضافته.</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;معطّل</translation>
    </message>
    <message>
        <source>&amp;15 Minutes</source>
        <translation>&amp;15 دقيقة</translation>
    </message>
    <message>
        <source>&amp;30 Minutes</source>
        <translation>&amp;30 دقيقة</translation>
    </message>
    <message>
        <source>&amp;45 Minutes</source>
        <translation>&amp;45 دقيقة</translation>
    </message>
    <message>
        <source>1 &amp;Hour</source>
        <translation>&amp;ساعة واحدة</translation>
    </message>
    <message>
        <source>&amp;90 Minutes</source>
        <translation>&amp;90 دقيقة</translation>
    </message>
    <message>
        <source>&amp;2 Hours</source>
        <translation>سا&amp;عتان</translation>
    </message>
    <message>
        <source>&amp;Add 15 Minutes</source>
        <translation>إ&amp;ضافة 15 دقيقة</translation>
    </message>
    <message>
        <source>&amp;Even Loudness</source>
        <translation>توحيد مستوى ال&amp;صوت</translation>
    </message>
    <message>
        <source>A&amp;dd Sound...</source>
        <translation>إ&amp;ضافة صوت...</translation>
    </message>
    <message>
        <source>S&amp;how Somnivox Noise Player</source>
        <translation>إ&amp;ظهار Somnivox Noise Player</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>إن&amp;هاء</translation>
    </message>
    <message>
        <source>&amp;Turn Off</source>
        <translation>إي&amp;قاف</translation>
    </message>
    <message>
        <source>&amp;Turn On</source>
        <translation>&amp;تشغيل</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer (%1 min left)</source>
        <translation>مؤقت ال&amp;نوم (متبقٍّ %1 دقيقة)</translation>
    </message>
    <message>
        <source>&amp;Sleep Timer</source>
        <translation>مؤقت ال&amp;نوم</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>ال&amp;مخرج</translation>
    </message>
    <message>
        <source>System &amp;Default</source>
        <translation>الافتراضي في ال&amp;نظام</translation>
    </message>
    <message>
        <source>&amp;Mixer...</source>
        <translation>&amp;خلاط الأصوات...</translation>
    </message>
</context>
<context>
    <name>UserSounds</name>
    <message>
        <source>Add Sound</source>
        <translation>إضافة صوت</translation>
    </message>
    <message>
        <source>Sound files (*.mp3 *.flac *.ogg *.oga *.opus *.wav)</source>
        <translation>ملفات الصوت (*.mp3 *.flac *.ogg *.oga *.opus *.wav)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>كل الملفات (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone from your sounds, and no sound is left to choose.</source>
        <translation>لم يعد &quot;%1&quot; ضمن أصواتك، ولم يتبقَّ صوت للاختيار.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone from your sounds: &quot;%2&quot; is chosen instead.</source>
        <translation>لم يعد &quot;%1&quot; ضمن أصواتك: تم اختيار &quot;%2&quot; بدلًا منه.</translation>
    </message>
</context>
<context>
    <name>mStartUp</name>
    <message>
        <source>The program&apos;s own file could not be found, so it cannot be registered to start at login.</source>
        <translation>تعذّر العثور على ملف البرنامج نفسه، لذا لا يمكن تسجيله ليبدأ عند تسجيل الدخول.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>somnivox: Somnivox Noise Player is running but did not answer within %1 seconds.</source>
        <translation>somnivox: Somnivox Noise Player قيد التشغيل لكنه لم يستجب خلال %1 ثوانٍ.</translation>
    </message>
    <message>
        <source>somnivox: Somnivox Noise Player is not running.</source>
        <translation>somnivox: Somnivox Noise Player ليس قيد التشغيل.</translation>
    </message>
</context>
</TS>
