<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>CXInterfaceString</name>
    <message>
        <source>Orvella cannot be open during export</source>
        <translation>لا يمكن أن يكون Orvella مفتوحًا أثناء التصدير</translation>
    </message>
    <message>
        <source>Click Continue to quit Orvella. The application will open when the export is complete</source>
        <translation>انقر «متابعة» لإنهاء Orvella. سيُفتح التطبيق مجددًا عند اكتمال التصدير</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>متابعة</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Export complete</source>
        <translation>اكتمل التصدير</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>تحديد الكل</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>إلغاء تحديد الكل</translation>
    </message>
    <message>
        <source>My Feeds</source>
        <translation>تلقيماتي</translation>
    </message>
    <message>
        <source>Orvella has no subscriptions to export yet. Add feeds in Orvella, then open the exporter again.</source>
        <translation>لا توجد في Orvella اشتراكات لتصديرها بعد. أضف تلقيمات في Orvella، ثم افتح أداة التصدير مجددًا.</translation>
    </message>
    <message>
        <source>Orvella could not be quit. Quit it yourself, then open the exporter again.</source>
        <translation>تعذّر إنهاء Orvella. أنهِه بنفسك، ثم افتح أداة التصدير مجددًا.</translation>
    </message>
    <message>
        <source>The support page could not be opened. Visit it in your web browser instead.</source>
        <translation>تعذّر فتح صفحة الدعم. زُرها في متصفح الويب بدلًا من ذلك.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>About Orvella Exporter…</source>
        <translation>حول Orvella Exporter…</translation>
    </message>
    <message>
        <source>Orvella Support</source>
        <translation>دعم Orvella</translation>
    </message>
    <message>
        <source>Export Subscriptions</source>
        <translation>تصدير الاشتراكات</translation>
    </message>
    <message>
        <source>Tick the feeds to include in the OPML file.</source>
        <translation>حدِّد التلقيمات التي تريد تضمينها في ملف OPML.</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>تصدير…</translation>
    </message>
    <message>
        <source>No readable Orvella database was found at %1. Open Orvella once so that it creates its database, then open the exporter again.</source>
        <translation>لم يُعثر على قاعدة بيانات Orvella قابلة للقراءة في %1. افتح Orvella مرة واحدة لينشئ قاعدة بياناته، ثم افتح أداة التصدير مجددًا.</translation>
    </message>
    <message>
        <source>Reading feeds…</source>
        <translation>جارٍ قراءة التلقيمات…</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>إعادة المحاولة</translation>
    </message>
    <message>
        <source>This list is incomplete. %1</source>
        <translation>هذه القائمة غير مكتملة. %1</translation>
    </message>
    <message>
        <source>There is no database file at “%1”. Check the path given with --database, then start the exporter again.</source>
        <translation>لا يوجد ملف قاعدة بيانات في «%1». تحقق من المسار المعطى مع ‎--database، ثم شغّل أداة التصدير مجددًا.</translation>
    </message>
    <message>
        <source>Export an incomplete list?</source>
        <translation>أتريد تصدير قائمة غير مكتملة؟</translation>
    </message>
    <message>
        <source>Only the feeds in the list can be exported; those that could not be read will be missing from the file.</source>
        <translation>لا يمكن تصدير إلا التلقيمات الموجودة في القائمة؛ أما التي تعذّرت قراءتها فستغيب عن الملف.</translation>
    </message>
    <message>
        <source>Export Anyway</source>
        <translation>التصدير على أي حال</translation>
    </message>
    <message>
        <source>Export Feeds</source>
        <translation>تصدير التلقيمات</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>الملف %1 موجود بالفعل. أتريد استبداله؟</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>OPML files</source>
        <translation>ملفات OPML</translation>
    </message>
    <message>
        <source>OPML 2.0 files</source>
        <translation>ملفات OPML 2.0</translation>
    </message>
    <message>
        <source>Make titles safe for any reader</source>
        <translation>جعل العناوين صالحة لأي قارئ تلقيمات</translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 selected</source>
        <translation>
            <numerusform>تم تحديد %Ln من %1</numerusform>
            <numerusform>تم تحديد تلقيمة واحدة من %1</numerusform>
            <numerusform>تم تحديد تلقيمتين من %1</numerusform>
            <numerusform>تم تحديد %Ln تلقيمات من %1</numerusform>
            <numerusform>تم تحديد %Ln تلقيمة من %1</numerusform>
            <numerusform>تم تحديد %Ln تلقيمة من %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln shown</source>
        <translation>
            <numerusform>، والمعروض منها %Ln</numerusform>
            <numerusform>، والمعروضة منها واحدة</numerusform>
            <numerusform>، والمعروضتان منها اثنتان</numerusform>
            <numerusform>، والمعروض منها %Ln</numerusform>
            <numerusform>، والمعروض منها %Ln</numerusform>
            <numerusform>، والمعروض منها %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>None of the %Ln feeds is missing from %1.</source>
        <translation>
            <numerusform>لا تغيب أي تلقيمة عن %1 (العدد: %Ln).</numerusform>
            <numerusform>التلقيمة الوحيدة لا تغيب عن %1.</numerusform>
            <numerusform>لا تغيب أي من التلقيمتين عن %1.</numerusform>
            <numerusform>لا تغيب أي من التلقيمات الـ%Ln عن %1.</numerusform>
            <numerusform>لا تغيب أي من التلقيمات الـ%Ln عن %1.</numerusform>
            <numerusform>لا تغيب أي من التلقيمات الـ%Ln عن %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 feeds are missing from %2; they are ticked, to be exported and imported again.</source>
        <translation>
            <numerusform>%Ln من أصل %1 تلقيمة غائبة عن %2؛ وقد حُدِّدت لتصديرها واستيرادها من جديد.</numerusform>
            <numerusform>تلقيمة واحدة من أصل %1 غائبة عن %2؛ وقد حُدِّدت لتصديرها واستيرادها من جديد.</numerusform>
            <numerusform>تلقيمتان من أصل %1 غائبتان عن %2؛ وقد حُدِّدتا لتصديرهما واستيرادهما من جديد.</numerusform>
            <numerusform>%Ln تلقيمات من أصل %1 غائبة عن %2؛ وقد حُدِّدت لتصديرها واستيرادها من جديد.</numerusform>
            <numerusform>%Ln تلقيمة من أصل %1 غائبة عن %2؛ وقد حُدِّدت لتصديرها واستيرادها من جديد.</numerusform>
            <numerusform>%Ln تلقيمة من أصل %1 غائبة عن %2؛ وقد حُدِّدت لتصديرها واستيرادها من جديد.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln feeds written to %1 and checked.</source>
        <translation>
            <numerusform>كُتبت %Ln تلقيمة في %1 وتم التحقق منها.</numerusform>
            <numerusform>كُتبت تلقيمة واحدة في %1 وتم التحقق منها.</numerusform>
            <numerusform>كُتبت تلقيمتان في %1 وتم التحقق منهما.</numerusform>
            <numerusform>كُتبت %Ln تلقيمات في %1 وتم التحقق منها.</numerusform>
            <numerusform>كُتبت %Ln تلقيمة في %1 وتم التحقق منها.</numerusform>
            <numerusform>كُتبت %Ln تلقيمة في %1 وتم التحقق منها.</numerusform>
        </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تم</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation>التلقيمات</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 من %2</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>القائمة</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>The export could not be saved</source>
        <translation>تعذّر حفظ التصدير</translation>
    </message>
    <message>
        <source>Saved as “%1” in</source>
        <translation>حُفظ باسم «%1» في</translation>
    </message>
    <message>
        <source>%1 of the feeds' texts held bytes that are not valid UTF-8; each such sequence is shown and exported as the character �.</source>
        <translation>احتوى %1 من نصوص التلقيمات على بايتات ليست UTF-8 صالحًا؛ تُعرض كل سلسلة كهذه وتُصدَّر على هيئة المحرف �.</translation>
    </message>
    <message>
        <source>close button</source>
        <translation>زر الإغلاق</translation>
    </message>
    <message>
        <source>"%1" is a folder, not a database file. Name the Feeds file itself.</source>
        <translation>المسار «%1» مجلد وليس ملف قاعدة بيانات. حدِّد ملف Feeds نفسه.</translation>
    </message>
    <message>
        <source>There is no database file at "%1". Check the path, or start Orvella once so that it creates its database.</source>
        <translation>لا يوجد ملف قاعدة بيانات في «%1». تحقق من المسار، أو شغّل Orvella مرة واحدة لينشئ قاعدة بياناته.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened: permission denied. Make the file readable for your user and try again.</source>
        <translation>يتعذّر فتح قاعدة البيانات «%1»: الإذن مرفوض. اجعل الملف قابلًا للقراءة لمستخدمك وحاول مجددًا.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened because too many files are open (%2). Close other programs, or raise the limit on open files, and try again.</source>
        <translation>يتعذّر فتح قاعدة البيانات «%1» لأن عدد الملفات المفتوحة كبير جدًا (%2). أغلق برامج أخرى، أو ارفع حد الملفات المفتوحة، وحاول مجددًا.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened (%2). Check the file and try again.</source>
        <translation>يتعذّر فتح قاعدة البيانات «%1» (%2). تحقق من الملف وحاول مجددًا.</translation>
    </message>
    <message>
        <source>The database "%1" is locked by another program (%2). Quit Orvella, or wait until it has finished writing, and try again.</source>
        <translation>قاعدة البيانات «%1» مقفلة من برنامج آخر (%2). أنهِ Orvella، أو انتظر حتى ينتهي من الكتابة، وحاول مجددًا.</translation>
    </message>
    <message>
        <source>"%1" is not an SQLite database (%2). Name the reader's Feeds database file.</source>
        <translation>الملف «%1» ليس قاعدة بيانات SQLite ‏(%2). حدِّد ملف قاعدة بيانات Feeds الخاص بالقارئ.</translation>
    </message>
    <message>
        <source>The database "%1" is damaged (%2). Let Orvella repair it, or export from a backup copy.</source>
        <translation>قاعدة البيانات «%1» تالفة (%2). دع Orvella يصلحها، أو صدِّر من نسخة احتياطية.</translation>
    </message>
    <message>
        <source>The database "%1" has no FEEDS table with the columns FEED_URL, FEED_TITLE, CHANNEL_TYPE and INTERNAL_LINK (%2). Name the reader's Feeds database file.</source>
        <translation>لا يوجد في قاعدة البيانات «%1» جدول FEEDS بالأعمدة FEED_URL وFEED_TITLE وCHANNEL_TYPE وINTERNAL_LINK ‏(%2). حدِّد ملف قاعدة بيانات Feeds الخاص بالقارئ.</translation>
    </message>
    <message>
        <source>The FEEDS view of the database "%1" calls a function that SQLite refuses to run from a database file (%2). Export from the reader's own Feeds database, or from a copy without that view.</source>
        <translation>يستدعي العرض FEEDS في قاعدة البيانات «%1» دالة يرفض SQLite تشغيلها من ملف قاعدة بيانات (%2). صدِّر من قاعدة بيانات Feeds الخاصة بالقارئ نفسه، أو من نسخة لا تحتوي ذلك العرض.</translation>
    </message>
    <message>
        <source>The FEEDS table or view of the database "%1" cannot be queried (%2). Export from the reader's own Feeds database, or let Orvella repair it.</source>
        <translation>يتعذّر الاستعلام عن الجدول أو العرض FEEDS في قاعدة البيانات «%1» (%2). صدِّر من قاعدة بيانات Feeds الخاصة بالقارئ نفسه، أو دع Orvella يصلحها.</translation>
    </message>
    <message numerus="yes">
        <source>Reading the database &quot;%1&quot; was stopped after %Ln feeds.</source>
        <translation>
            <numerusform>أُوقفت قراءة قاعدة البيانات «%1» بعد %Ln تلقيمة.</numerusform>
            <numerusform>أُوقفت قراءة قاعدة البيانات «%1» بعد تلقيمة واحدة.</numerusform>
            <numerusform>أُوقفت قراءة قاعدة البيانات «%1» بعد تلقيمتين.</numerusform>
            <numerusform>أُوقفت قراءة قاعدة البيانات «%1» بعد %Ln تلقيمات.</numerusform>
            <numerusform>أُوقفت قراءة قاعدة البيانات «%1» بعد %Ln تلقيمة.</numerusform>
            <numerusform>أُوقفت قراءة قاعدة البيانات «%1» بعد %Ln تلقيمة.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The database &quot;%1&quot; is damaged: reading stopped after %Ln feeds (%2). Let Orvella repair it, or export from a backup copy.</source>
        <translation>
            <numerusform>قاعدة البيانات «%1» تالفة: توقفت القراءة بعد %Ln تلقيمة (%2). دع Orvella يصلحها، أو صدِّر من نسخة احتياطية.</numerusform>
            <numerusform>قاعدة البيانات «%1» تالفة: توقفت القراءة بعد تلقيمة واحدة (%2). دع Orvella يصلحها، أو صدِّر من نسخة احتياطية.</numerusform>
            <numerusform>قاعدة البيانات «%1» تالفة: توقفت القراءة بعد تلقيمتين (%2). دع Orvella يصلحها، أو صدِّر من نسخة احتياطية.</numerusform>
            <numerusform>قاعدة البيانات «%1» تالفة: توقفت القراءة بعد %Ln تلقيمات (%2). دع Orvella يصلحها، أو صدِّر من نسخة احتياطية.</numerusform>
            <numerusform>قاعدة البيانات «%1» تالفة: توقفت القراءة بعد %Ln تلقيمة (%2). دع Orvella يصلحها، أو صدِّر من نسخة احتياطية.</numerusform>
            <numerusform>قاعدة البيانات «%1» تالفة: توقفت القراءة بعد %Ln تلقيمة (%2). دع Orvella يصلحها، أو صدِّر من نسخة احتياطية.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reading the database &quot;%1&quot; stopped after %Ln feeds (%2). Check the file and try again.</source>
        <translation>
            <numerusform>توقفت قراءة قاعدة البيانات «%1» بعد %Ln تلقيمة (%2). تحقق من الملف وحاول مجددًا.</numerusform>
            <numerusform>توقفت قراءة قاعدة البيانات «%1» بعد تلقيمة واحدة (%2). تحقق من الملف وحاول مجددًا.</numerusform>
            <numerusform>توقفت قراءة قاعدة البيانات «%1» بعد تلقيمتين (%2). تحقق من الملف وحاول مجددًا.</numerusform>
            <numerusform>توقفت قراءة قاعدة البيانات «%1» بعد %Ln تلقيمات (%2). تحقق من الملف وحاول مجددًا.</numerusform>
            <numerusform>توقفت قراءة قاعدة البيانات «%1» بعد %Ln تلقيمة (%2). تحقق من الملف وحاول مجددًا.</numerusform>
            <numerusform>توقفت قراءة قاعدة البيانات «%1» بعد %Ln تلقيمة (%2). تحقق من الملف وحاول مجددًا.</numerusform>
        </translation>
    </message>
    <message>
        <source>The database "%1" cannot be read (%2). Check the file and try again.</source>
        <translation>يتعذّر قراءة قاعدة البيانات «%1» (%2). تحقق من الملف وحاول مجددًا.</translation>
    </message>
    <message>
        <source>"%1" is not a database file but a pipe, socket or device. Name the Feeds database file itself.</source>
        <translation>المسار «%1» ليس ملف قاعدة بيانات بل أنبوب أو مقبس أو جهاز. حدِّد ملف قاعدة بيانات Feeds نفسه.</translation>
    </message>
    <message>
        <source>No database file was named. Name the Feeds database file.</source>
        <translation>لم يُحدَّد أي ملف قاعدة بيانات. حدِّد ملف قاعدة بيانات Feeds.</translation>
    </message>
    <message>
        <source>The database "%1" changed while it was read. Try again.</source>
        <translation>تغيّرت قاعدة البيانات «%1» أثناء قراءتها. حاول مجددًا.</translation>
    </message>
    <message>
        <source>The database "%1" was left unfinished by a program that stopped, and no private copy of it could be made in the temporary folder "%2" to read it. Make room there, or set TMPDIR to a folder with room, and try again.</source>
        <translation>ترك برنامجٌ توقف قاعدةَ البيانات «%1» غير مكتملة، وتعذّر إنشاء نسخة خاصة منها لقراءتها في المجلد المؤقت «%2». أفرغ مساحة هناك، أو اضبط TMPDIR على مجلد فيه مساحة، وحاول مجددًا.</translation>
    </message>
    <message>
        <source>No reader database: the application-group folder cannot be located because HOME is not an absolute path ("%1") and XDG_DATA_HOME is not set to one either. Set HOME to your home folder, or name the database file with --database.</source>
        <translation>لا توجد قاعدة بيانات للقارئ: يتعذّر تحديد مكان مجلد مجموعة التطبيقات لأن HOME ليس مسارًا مطلقًا («%1») وXDG_DATA_HOME غير مضبوط على مسار كهذا أيضًا. اضبط HOME على مجلد المنزل، أو حدِّد ملف قاعدة البيانات بالخيار ‎--database.</translation>
    </message>
    <message>
        <source>No reader database: the application-group folder cannot be located because neither XDG_DATA_HOME nor HOME is set. Name the database file with --database.</source>
        <translation>لا توجد قاعدة بيانات للقارئ: يتعذّر تحديد مكان مجلد مجموعة التطبيقات لأن أيًّا من XDG_DATA_HOME وHOME غير مضبوط. حدِّد ملف قاعدة البيانات بالخيار ‎--database.</translation>
    </message>
    <message>
        <source>There was not enough memory to read the feeds. Close other programs and try again.</source>
        <translation>لم تكن الذاكرة كافية لقراءة التلقيمات. أغلق برامج أخرى وحاول مجددًا.</translation>
    </message>
    <message>
        <source>There is no temporary folder to write to: TMPDIR names "%1", which is not a folder you may write to, and neither is /tmp. Set TMPDIR to such a folder and try again.</source>
        <translation>لا يوجد مجلد مؤقت للكتابة فيه: يشير TMPDIR إلى «%1»، وهو ليس مجلدًا يُسمح لك بالكتابة فيه، وكذلك ‎/tmp. اضبط TMPDIR على مجلد كهذا وحاول مجددًا.</translation>
    </message>
    <message>
        <source>There is no temporary folder to write to: /tmp is not a folder you may write to. Set TMPDIR to such a folder and try again.</source>
        <translation>لا يوجد مجلد مؤقت للكتابة فيه: لا يُسمح لك بالكتابة في ‎/tmp. اضبط TMPDIR على مجلد يُسمح لك بالكتابة فيه وحاول مجددًا.</translation>
    </message>
    <message>
        <source>Could not save "%1": %2. Choose another file name for the export.</source>
        <translation>تعذّر حفظ «%1»: %2. اختر اسم ملف آخر للتصدير.</translation>
    </message>
    <message>
        <source>Could not save "%1": the file is write-protected (%2). Choose another file name, or make the file writable first if it is meant to be replaced.</source>
        <translation>تعذّر حفظ «%1»: الملف محمي من الكتابة (%2). اختر اسم ملف آخر، أو أزل الحماية من الكتابة أولًا إن كان الملف سيُستبدل.</translation>
    </message>
    <message>
        <source>Could not save "%1": %2. Choose a folder you may write to that has room for the file, and try again.</source>
        <translation>تعذّر حفظ «%1»: %2. اختر مجلدًا يُسمح لك بالكتابة فيه وفيه مساحة للملف، وحاول مجددًا.</translation>
    </message>
    <message>
        <source>Could not save the file: no file name was given. Choose a file name and try again.</source>
        <translation>تعذّر حفظ الملف: لم يُعطَ اسم ملف. اختر اسم ملف وحاول مجددًا.</translation>
    </message>
    <message>
        <source>the file may not be replaced</source>
        <translation>لا يجوز استبدال الملف</translation>
    </message>
    <message>
        <source>no one may write to it</source>
        <translation>لا يُسمح لأحد بالكتابة فيه</translation>
    </message>
    <message>
        <source>you may not write to it</source>
        <translation>لا يُسمح لك بالكتابة فيه</translation>
    </message>
    <message>
        <source>it is a link in a folder that everyone may write to, and it belongs to another user, so it is not followed</source>
        <translation>إنه رابط في مجلد يُسمح للجميع بالكتابة فيه، ويملكه مستخدم آخر، لذا لا يُتبع</translation>
    </message>
    <message>
        <source>a folder on its way is a link in a folder that everyone may write to, and the link belongs to another user, so it is not followed</source>
        <translation>أحد المجلدات في طريقه رابط في مجلد يُسمح للجميع بالكتابة فيه، ويملك الرابطَ مستخدم آخر، لذا لا يُتبع</translation>
    </message>
    <message>
        <source>Reading the database "%1" stopped after %2 feeds, more than any reader keeps: its FEEDS table or view may be damaged or without end. Export from a copy of the reader's own database.</source>
        <translation>توقفت قراءة قاعدة البيانات «%1» بعد %2 تلقيمة، وهو أكثر مما يحتفظ به أي قارئ: قد يكون الجدول أو العرض FEEDS فيها تالفًا أو بلا نهاية. صدِّر من نسخة من قاعدة بيانات القارئ نفسه.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>إنه مجلد</translation>
    </message>
    <message>
        <source>it is a disk device</source>
        <translation>إنه جهاز كتل</translation>
    </message>
    <message>
        <source>it is a pipe that no program is reading from</source>
        <translation>إنه أنبوب لا يقرأ منه أي برنامج</translation>
    </message>
    <message>
        <source>it is the reader's database or one of its files</source>
        <translation>إنه قاعدة بيانات القارئ أو أحد ملفاتها</translation>
    </message>
    <message>
        <source>Filter feeds</source>
        <translation>تصفية التلقيمات</translation>
    </message>
    <message>
        <source>Select Shown</source>
        <translation>تحديد المعروض</translation>
    </message>
    <message>
        <source>Deselect Shown</source>
        <translation>إلغاء تحديد المعروض</translation>
    </message>
    <message>
        <source>Show in Files</source>
        <translation>إظهار في مدير الملفات</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>The file could not be shown</source>
        <translation>تعذّر إظهار الملف</translation>
    </message>
    <message>
        <source>No file manager answered, and no program is set to open folders. The file is in %1.</source>
        <translation>لم يستجب أي مدير ملفات، ولم يُضبط أي برنامج لفتح المجلدات. الملف موجود في %1.</translation>
    </message>
    <message>
        <source>The file could not be opened</source>
        <translation>تعذّر فتح الملف</translation>
    </message>
    <message>
        <source>No program is set to open OPML files. The file is in %1; open it from there with the feed reader of your choice.</source>
        <translation>لم يُضبط أي برنامج لفتح ملفات OPML. الملف موجود في %1؛ افتحه من هناك بقارئ التلقيمات الذي تفضله.</translation>
    </message>
    <message>
        <source>Untick Them</source>
        <translation>إلغاء تحديدها</translation>
    </message>
    <message>
        <source>Addresses with a password or key: %1. A file you share gives them away.</source>
        <translation>روابط فيها كلمة مرور أو مفتاح: %1. أي ملف تشاركه يكشفها.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>Compare with Another Reader's Export…</source>
        <translation>مقارنة مع تصدير قارئ آخر…</translation>
    </message>
    <message>
        <source>Compare with Another Reader's Export</source>
        <translation>مقارنة مع تصدير قارئ آخر</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>كل الملفات</translation>
    </message>
    <message>
        <source>The export could not be compared</source>
        <translation>تعذّرت مقارنة التصدير</translation>
    </message>
    <message>
        <source>"%1" could not be read: %2. Check the name and that you may read it.</source>
        <translation>تعذّرت قراءة «%1»: %2. تحقق من الاسم ومن أنه يُسمح لك بقراءته.</translation>
    </message>
    <message>
        <source>"%1" is a folder. Choose the OPML file that the other reader exported.</source>
        <translation>المسار «%1» مجلد. اختر ملف OPML الذي صدّره القارئ الآخر.</translation>
    </message>
    <message>
        <source>"%1" is a pipe, socket or device, not a file. Choose the OPML file that the other reader exported.</source>
        <translation>المسار «%1» أنبوب أو مقبس أو جهاز، وليس ملفًا. اختر ملف OPML الذي صدّره القارئ الآخر.</translation>
    </message>
    <message>
        <source>"%1" is not well-formed XML at line %2, column %3 (%4), so it cannot be compared. Export it from the other reader again.</source>
        <translation>الملف «%1» ليس XML سليم البنية في السطر %2، العمود %3 (%4)، لذا تتعذّر مقارنته. صدِّره من القارئ الآخر مجددًا.</translation>
    </message>
    <message>
        <source>"%1" is no OPML document: its outermost element is &lt;%2&gt;. Choose the OPML file that the other reader exported.</source>
        <translation>الملف «%1» ليس مستند OPML: العنصر الخارجي فيه هو &lt;%2&gt;. اختر ملف OPML الذي صدّره القارئ الآخر.</translation>
    </message>
    <message>
        <source>"%1" holds no feeds, so nothing can be compared. Check that it is the other reader's export of its subscriptions.</source>
        <translation>لا يحتوي الملف «%1» أي تلقيمات، لذا لا يوجد ما يُقارَن. تحقق من أنه تصدير اشتراكات القارئ الآخر.</translation>
    </message>
    <message>
        <source>Feeds that some readers cannot import: %1 (missing or repeated addresses, line breaks in titles, or repeated titles).</source>
        <translation>تلقيمات لا تستطيع بعض القارئات استيرادها: %1 (روابط مفقودة أو مكررة، أو فواصل أسطر في العناوين، أو عناوين مكررة).</translation>
    </message>
    <message>
        <source>Tick at least one feed to export.</source>
        <translation>حدِّد تلقيمة واحدة على الأقل لتصديرها.</translation>
    </message>
    <message>
        <source>No feed matches “%1”.</source>
        <translation>لا توجد تلقيمة تطابق «%1».</translation>
    </message>
    <message>
        <source>All feeds are shown again.</source>
        <translation>تُعرض كل التلقيمات مجددًا.</translation>
    </message>
</context>
<context>
    <name>About</name>
    <message>
        <source>About Orvella Exporter</source>
        <translation>حول Orvella Exporter</translation>
    </message>
    <message>
        <source>Designed and engineered by Corvanex</source>
        <translation>صمّمته وطوّرته Corvanex</translation>
    </message>
</context>
<context>
    <name>InfoPlist</name>
    <message>
        <source>App Name</source>
        <translation>Orvella Exporter</translation>
    </message>
    <message>
        <source>Made in Ukraine</source>
        <translation>صُنع في أوكرانيا</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>جميع الحقوق محفوظة.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>الإصدار %1 (%2)</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>يصدّر اشتراكاتك في Orvella إلى ملف OPML.</translation>
    </message>
</context>
</TS>
