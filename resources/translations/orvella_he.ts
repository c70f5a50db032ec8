<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he" sourcelanguage="en">
<context>
    <name>CXInterfaceString</name>
    <message>
        <source>Orvella cannot be open during export</source>
        <translation>במהלך הייצוא Orvella חייבת להיות סגורה</translation>
    </message>
    <message>
        <source>Click Continue to quit Orvella. The application will open when the export is complete</source>
        <translation>יש ללחוץ על "המשך" כדי לצאת מ־Orvella. היישום ייפתח שוב כשהייצוא יסתיים</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>המשך</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Export complete</source>
        <translation>הייצוא הושלם</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>בחירת הכול</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>ביטול בחירת הכול</translation>
    </message>
    <message>
        <source>My Feeds</source>
        <translation>הערוצים שלי</translation>
    </message>
    <message>
        <source>Orvella has no subscriptions to export yet. Add feeds in Orvella, then open the exporter again.</source>
        <translation>ב־Orvella אין עדיין מינויים לייצוא. יש להוסיף ערוצים ב־Orvella ואז לפתוח שוב את כלי הייצוא.</translation>
    </message>
    <message>
        <source>Orvella could not be quit. Quit it yourself, then open the exporter again.</source>
        <translation>לא ניתן היה לצאת מ־Orvella. יש לצאת ממנה ידנית ואז לפתוח שוב את כלי הייצוא.</translation>
    </message>
    <message>
        <source>The support page could not be opened. Visit it in your web browser instead.</source>
        <translation>לא ניתן היה לפתוח את דף התמיכה. אפשר לבקר בו בדפדפן במקום זאת.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>About Orvella Exporter…</source>
        <translation>על Orvella Exporter…</translation>
    </message>
    <message>
        <source>Orvella Support</source>
        <translation>תמיכה ב־Orvella</translation>
    </message>
    <message>
        <source>Export Subscriptions</source>
        <translation>ייצוא מינויים</translation>
    </message>
    <message>
        <source>Tick the feeds to include in the OPML file.</source>
        <translation>יש לסמן את הערוצים שייכללו בקובץ ה־OPML.</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>ייצוא…</translation>
    </message>
    <message>
        <source>No readable Orvella database was found at %1. Open Orvella once so that it creates its database, then open the exporter again.</source>
        <translation>לא נמצא מסד נתונים קריא של Orvella בנתיב %1. יש לפתוח את Orvella פעם אחת כדי שתיצור את מסד הנתונים שלה, ואז לפתוח שוב את כלי הייצוא.</translation>
    </message>
    <message>
        <source>Reading feeds…</source>
        <translation>קריאת הערוצים…</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>ניסיון חוזר</translation>
    </message>
    <message>
        <source>This list is incomplete. %1</source>
        <translation>הרשימה הזאת חלקית. %1</translation>
    </message>
    <message>
        <source>There is no database file at “%1”. Check the path given with --database, then start the exporter again.</source>
        <translation>אין קובץ מסד נתונים בנתיב "%1". יש לבדוק את הנתיב שניתן עם ‎--database ואז להפעיל שוב את כלי הייצוא.</translation>
    </message>
    <message>
        <source>Export an incomplete list?</source>
        <translation>לייצא רשימה חלקית?</translation>
    </message>
    <message>
        <source>Only the feeds in the list can be exported; those that could not be read will be missing from the file.</source>
        <translation>אפשר לייצא רק את הערוצים שברשימה; הערוצים שלא ניתן היה לקרוא יחסרו בקובץ.</translation>
    </message>
    <message>
        <source>Export Anyway</source>
        <translation>ייצוא בכל זאת</translation>
    </message>
    <message>
        <source>Export Feeds</source>
        <translation>ייצוא ערוצים</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>הקובץ %1 כבר קיים. להחליף אותו?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>שמירה</translation>
    </message>
    <message>
        <source>OPML files</source>
        <translation>קובצי OPML</translation>
    </message>
    <message>
        <source>OPML 2.0 files</source>
        <translation>קובצי OPML 2.0</translation>
    </message>
    <message>
        <source>Make titles safe for any reader</source>
        <translation>התאמת הכותרות לכל קורא ערוצים</translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 selected</source>
        <translation>
            <numerusform>נבחר %Ln מתוך %1</numerusform>
            <numerusform>נבחרו %Ln מתוך %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln shown</source>
        <translation>
            <numerusform>, %Ln מוצג</numerusform>
            <numerusform>, %Ln מוצגים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>None of the %Ln feeds is missing from %1.</source>
        <translation>
            <numerusform>הערוץ היחיד לא חסר ב־%1.</numerusform>
            <numerusform>אף אחד מ־%Ln הערוצים לא חסר ב־%1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 feeds are missing from %2; they are ticked, to be exported and imported again.</source>
        <translation>
            <numerusform>ערוץ אחד מתוך %1 חסר ב־%2; הוא מסומן כדי לייצא אותו ולייבא אותו מחדש.</numerusform>
            <numerusform>%Ln מתוך %1 ערוצים חסרים ב־%2; הם מסומנים כדי לייצא אותם ולייבא אותם מחדש.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln feeds written to %1 and checked.</source>
        <translation>
            <numerusform>ערוץ אחד נכתב אל %1 ונבדק.</numerusform>
            <numerusform>%Ln ערוצים נכתבו אל %1 ונבדקו.</numerusform>
        </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>סיום</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>יציאה</translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation>ערוצים</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 מתוך %2</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>תפריט</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>מזעור</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>הגדלה</translation>
    </message>
    <message>
        <source>The export could not be saved</source>
        <translation>לא ניתן היה לשמור את הייצוא</translation>
    </message>
    <message>
        <source>Saved as “%1” in</source>
        <translation>נשמר בשם "%1" בתיקייה</translation>
    </message>
    <message>
        <source>%1 of the feeds' texts held bytes that are not valid UTF-8; each such sequence is shown and exported as the character �.</source>
        <translation>ב־%1 מטקסטי הערוצים היו בתים שאינם UTF-8 תקין; כל רצף כזה מוצג ומיוצא כתו �.</translation>
    </message>
    <message>
        <source>close button</source>
        <translation>כפתור סגירה</translation>
    </message>
    <message>
        <source>"%1" is a folder, not a database file. Name the Feeds file itself.</source>
        <translation>הנתיב "%1" הוא תיקייה, לא קובץ מסד נתונים. יש לציין את הקובץ Feeds עצמו.</translation>
    </message>
    <message>
        <source>There is no database file at "%1". Check the path, or start Orvella once so that it creates its database.</source>
        <translation>אין קובץ מסד נתונים בנתיב "%1". יש לבדוק את הנתיב, או להפעיל את Orvella פעם אחת כדי שתיצור את מסד הנתונים שלה.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened: permission denied. Make the file readable for your user and try again.</source>
        <translation>לא ניתן לפתוח את מסד הנתונים "%1": ההרשאה נדחתה. יש לאפשר למשתמש שלך לקרוא את הקובץ ולנסות שוב.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened because too many files are open (%2). Close other programs, or raise the limit on open files, and try again.</source>
        <translation>לא ניתן לפתוח את מסד הנתונים "%1" כי פתוחים יותר מדי קבצים (%2). יש לסגור תוכנות אחרות, או להגדיל את מגבלת הקבצים הפתוחים, ולנסות שוב.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened (%2). Check the file and try again.</source>
        <translation>לא ניתן לפתוח את מסד הנתונים "%1" (%2). יש לבדוק את הקובץ ולנסות שוב.</translation>
    </message>
    <message>
        <source>The database "%1" is locked by another program (%2). Quit Orvella, or wait until it has finished writing, and try again.</source>
        <translation>מסד הנתונים "%1" נעול בידי תוכנה אחרת (%2). יש לצאת מ־Orvella, או להמתין עד שתסיים לכתוב, ולנסות שוב.</translation>
    </message>
    <message>
        <source>"%1" is not an SQLite database (%2). Name the reader's Feeds database file.</source>
        <translation>הקובץ "%1" אינו מסד נתונים של SQLite ‏(%2). יש לציין את קובץ מסד הנתונים Feeds של הקורא.</translation>
    </message>
    <message>
        <source>The database "%1" is damaged (%2). Let Orvella repair it, or export from a backup copy.</source>
        <translation>מסד הנתונים "%1" פגום (%2). אפשר לתת ל־Orvella לתקן אותו, או לייצא מעותק גיבוי.</translation>
    </message>
    <message>
        <source>The database "%1" has no FEEDS table with the columns FEED_URL, FEED_TITLE, CHANNEL_TYPE and INTERNAL_LINK (%2). Name the reader's Feeds database file.</source>
        <translation>במסד הנתונים "%1" אין טבלת FEEDS עם העמודות FEED_URL,‏ FEED_TITLE,‏ CHANNEL_TYPE ו־INTERNAL_LINK ‏(%2). יש לציין את קובץ מסד הנתונים Feeds של הקורא.</translation>
    </message>
    <message>
        <source>The FEEDS view of the database "%1" calls a function that SQLite refuses to run from a database file (%2). Export from the reader's own Feeds database, or from a copy without that view.</source>
        <translation>התצוגה FEEDS של מסד הנתונים "%1" קוראת לפונקציה ש־SQLite מסרב להריץ מתוך קובץ מסד נתונים (%2). יש לייצא ממסד הנתונים Feeds של הקורא עצמו, או מעותק בלי התצוגה הזאת.</translation>
    </message>
    <message>
        <source>The FEEDS table or view of the database "%1" cannot be queried (%2). Export from the reader's own Feeds database, or let Orvella repair it.</source>
        <translation>לא ניתן לתשאל את הטבלה או התצוגה FEEDS של מסד הנתונים "%1" (%2). יש לייצא ממסד הנתונים Feeds של הקורא עצמו, או לתת ל־Orvella לתקן אותו.</translation>
    </message>
    <message numerus="yes">
        <source>Reading the database &quot;%1&quot; was stopped after %Ln feeds.</source>
        <translation>
            <numerusform>קריאת מסד הנתונים "%1" הופסקה אחרי ערוץ אחד.</numerusform>
            <numerusform>קריאת מסד הנתונים "%1" הופסקה אחרי %Ln ערוצים.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The database &quot;%1&quot; is damaged: reading stopped after %Ln feeds (%2). Let Orvella repair it, or export from a backup copy.</source>
        <translation>
            <numerusform>מסד הנתונים "%1" פגום: הקריאה נעצרה אחרי ערוץ אחד (%2). אפשר לתת ל־Orvella לתקן אותו, או לייצא מעותק גיבוי.</numerusform>
            <numerusform>מסד הנתונים "%1" פגום: הקריאה נעצרה אחרי %Ln ערוצים (%2). אפשר לתת ל־Orvella לתקן אותו, או לייצא מעותק גיבוי.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reading the database &quot;%1&quot; stopped after %Ln feeds (%2). Check the file and try again.</source>
        <translation>
            <numerusform>קריאת מסד הנתונים "%1" נעצרה אחרי ערוץ אחד (%2). יש לבדוק את הקובץ ולנסות שוב.</numerusform>
            <numerusform>קריאת מסד הנתונים "%1" נעצרה אחרי %Ln ערוצים (%2). יש לבדוק את הקובץ ולנסות שוב.</numerusform>
        </translation>
    </message>
    <message>
        <source>The database "%1" cannot be read (%2). Check the file and try again.</source>
        <translation>לא ניתן לקרוא את מסד הנתונים "%1" (%2). יש לבדוק את הקובץ ולנסות שוב.</translation>
    </message>
    <message>
        <source>"%1" is not a database file but a pipe, socket or device. Name the Feeds database file itself.</source>
        <translation>הנתיב "%1" אינו קובץ מסד נתונים אלא צינור, שקע או התקן. יש לציין את קובץ מסד הנתונים Feeds עצמו.</translation>
    </message>
    <message>
        <source>No database file was named. Name the Feeds database file.</source>
        <translation>לא צוין קובץ מסד נתונים. יש לציין את קובץ מסד הנתונים Feeds.</translation>
    </message>
    <message>
        <source>The database "%1" changed while it was read. Try again.</source>
        <translation>מסד הנתונים "%1" השתנה בזמן הקריאה. יש לנסות שוב.</translation>
    </message>
    <message>
        <source>The database "%1" was left unfinished by a program that stopped, and no private copy of it could be made in the temporary folder "%2" to read it. Make room there, or set TMPDIR to a folder with room, and try again.</source>
        <translation>מסד הנתונים "%1" נותר לא גמור בידי תוכנה שנעצרה, ולא ניתן היה ליצור ממנו עותק פרטי לקריאה בתיקייה הזמנית "%2". יש לפנות שם מקום, או להגדיר את TMPDIR לתיקייה שיש בה מקום, ולנסות שוב.</translation>
    </message>
    <message>
        <source>No reader database: the application-group folder cannot be located because HOME is not an absolute path ("%1") and XDG_DATA_HOME is not set to one either. Set HOME to your home folder, or name the database file with --database.</source>
        <translation>אין מסד נתונים של הקורא: לא ניתן לאתר את תיקיית קבוצת היישומים כי HOME אינו נתיב מוחלט ("%1"), וגם XDG_DATA_HOME אינו מוגדר לנתיב כזה. יש להגדיר את HOME לתיקיית הבית שלך, או לציין את קובץ מסד הנתונים עם ‎--database.</translation>
    </message>
    <message>
        <source>No reader database: the application-group folder cannot be located because neither XDG_DATA_HOME nor HOME is set. Name the database file with --database.</source>
        <translation>אין מסד נתונים של הקורא: לא ניתן לאתר את תיקיית קבוצת היישומים כי XDG_DATA_HOME ו־HOME אינם מוגדרים. יש לציין את קובץ מסד הנתונים עם ‎--database.</translation>
    </message>
    <message>
        <source>There was not enough memory to read the feeds. Close other programs and try again.</source>
        <translation>לא היה די זיכרון לקריאת הערוצים. יש לסגור תוכנות אחרות ולנסות שוב.</translation>
    </message>
    <message>
        <source>There is no temporary folder to write to: TMPDIR names "%1", which is not a folder you may write to, and neither is /tmp. Set TMPDIR to such a folder and try again.</source>
        <translation>אין תיקייה זמנית שאפשר לכתוב אליה: TMPDIR מציין את "%1", שאינה תיקייה שמותר לך לכתוב אליה, וגם ‎/tmp אינה כזאת. יש להגדיר את TMPDIR לתיקייה כזאת ולנסות שוב.</translation>
    </message>
    <message>
        <source>There is no temporary folder to write to: /tmp is not a folder you may write to. Set TMPDIR to such a folder and try again.</source>
        <translation>אין תיקייה זמנית שאפשר לכתוב אליה: אסור לך לכתוב אל ‎/tmp. יש להגדיר את TMPDIR לתיקייה שמותר לך לכתוב אליה ולנסות שוב.</translation>
    </message>
    <message>
        <source>Could not save "%1": %2. Choose another file name for the export.</source>
        <translation>לא ניתן היה לשמור את "%1": %2. יש לבחור שם קובץ אחר לייצוא.</translation>
    </message>
    <message>
        <source>Could not save "%1": the file is write-protected (%2). Choose another file name, or make the file writable first if it is meant to be replaced.</source>
        <translation>לא ניתן היה לשמור את "%1": הקובץ מוגן מפני כתיבה (%2). יש לבחור שם קובץ אחר, או להסיר קודם את ההגנה מפני כתיבה אם הקובץ אמור להיות מוחלף.</translation>
    </message>
    <message>
        <source>Could not save "%1": %2. Choose a folder you may write to that has room for the file, and try again.</source>
        <translation>לא ניתן היה לשמור את "%1": %2. יש לבחור תיקייה שמותר לך לכתוב אליה ויש בה מקום לקובץ, ולנסות שוב.</translation>
    </message>
    <message>
        <source>Could not save the file: no file name was given. Choose a file name and try again.</source>
        <translation>לא ניתן היה לשמור את הקובץ: לא ניתן שם קובץ. יש לבחור שם קובץ ולנסות שוב.</translation>
    </message>
    <message>
        <source>the file may not be replaced</source>
        <translation>אסור להחליף את הקובץ</translation>
    </message>
    <message>
        <source>no one may write to it</source>
        <translation>אסור לאף אחד לכתוב אליו</translation>
    </message>
    <message>
        <source>you may not write to it</source>
        <translation>אסור לך לכתוב אליו</translation>
    </message>
    <message>
        <source>it is a link in a folder that everyone may write to, and it belongs to another user, so it is not followed</source>
        <translation>זה קישור בתיקייה שכל אחד רשאי לכתוב אליה, והוא שייך למשתמש אחר, ולכן לא עוקבים אחריו</translation>
    </message>
    <message>
        <source>a folder on its way is a link in a folder that everyone may write to, and the link belongs to another user, so it is not followed</source>
        <translation>תיקייה בדרך אליו היא קישור בתיקייה שכל אחד רשאי לכתוב אליה, והקישור שייך למשתמש אחר, ולכן לא עוקבים אחריו</translation>
    </message>
    <message>
        <source>Reading the database "%1" stopped after %2 feeds, more than any reader keeps: its FEEDS table or view may be damaged or without end. Export from a copy of the reader's own database.</source>
        <translation>קריאת מסד הנתונים "%1" נעצרה אחרי %2 ערוצים, יותר ממה שקורא ערוצים כלשהו מחזיק: ייתכן שהטבלה או התצוגה FEEDS שלו פגומה או אינסופית. יש לייצא מעותק של מסד הנתונים של הקורא עצמו.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>זו תיקייה</translation>
    </message>
    <message>
        <source>it is a disk device</source>
        <translation>זה התקן בלוקים</translation>
    </message>
    <message>
        <source>it is a pipe that no program is reading from</source>
        <translation>זה צינור שאף תוכנה אינה קוראת ממנו</translation>
    </message>
    <message>
        <source>it is the reader's database or one of its files</source>
        <translation>זה מסד הנתונים של הקורא או אחד מקובציו</translation>
    </message>
    <message>
        <source>Filter feeds</source>
        <translation>סינון ערוצים</translation>
    </message>
    <message>
        <source>Select Shown</source>
        <translation>בחירת המוצגים</translation>
    </message>
    <message>
        <source>Deselect Shown</source>
        <translation>ביטול בחירת המוצגים</translation>
    </message>
    <message>
        <source>Show in Files</source>
        <translation>הצגה במנהל הקבצים</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>פתיחה</translation>
    </message>
    <message>
        <source>The file could not be shown</source>
        <translation>לא ניתן היה להציג את הקובץ</translation>
    </message>
    <message>
        <source>No file manager answered, and no program is set to open folders. The file is in %1.</source>
        <translation>אף מנהל קבצים לא ענה, ולא הוגדרה תוכנה לפתיחת תיקיות. הקובץ נמצא ב־%1.</translation>
    </message>
    <message>
        <source>The file could not be opened</source>
        <translation>לא ניתן היה לפתוח את הקובץ</translation>
    </message>
    <message>
        <source>No program is set to open OPML files. The file is in %1; open it from there with the feed reader of your choice.</source>
        <translation>לא הוגדרה תוכנה לפתיחת קובצי OPML. הקובץ נמצא ב־%1; אפשר לפתוח אותו משם בקורא הערוצים המועדף עליך.</translation>
    </message>
    <message>
        <source>Untick Them</source>
        <translation>הסרת הסימון</translation>
    </message>
    <message>
        <source>Addresses with a password or key: %1. A file you share gives them away.</source>
        <translation>כתובות עם סיסמה או מפתח: %1. שיתוף הקובץ יחשוף אותן.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>"%1"</translation>
    </message>
    <message>
        <source>Compare with Another Reader's Export…</source>
        <translation>השוואה לייצוא של קורא אחר…</translation>
    </message>
    <message>
        <source>Compare with Another Reader's Export</source>
        <translation>השוואה לייצוא של קורא אחר</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>כל הקבצים</translation>
    </message>
    <message>
        <source>The export could not be compared</source>
        <translation>לא ניתן היה להשוות את הייצוא</translation>
    </message>
    <message>
        <source>"%1" could not be read: %2. Check the name and that you may read it.</source>
        <translation>לא ניתן היה לקרוא את "%1": %2. יש לבדוק את השם ואת ההרשאה לקרוא אותו.</translation>
    </message>
    <message>
        <source>"%1" is a folder. Choose the OPML file that the other reader exported.</source>
        <translation>הנתיב "%1" הוא תיקייה. יש לבחור את קובץ ה־OPML שהקורא האחר ייצא.</translation>
    </message>
    <message>
        <source>"%1" is a pipe, socket or device, not a file. Choose the OPML file that the other reader exported.</source>
        <translation>הנתיב "%1" הוא צינור, שקע או התקן, לא קובץ. יש לבחור את קובץ ה־OPML שהקורא האחר ייצא.</translation>
    </message>
    <message>
        <source>"%1" is not well-formed XML at line %2, column %3 (%4), so it cannot be compared. Export it from the other reader again.</source>
        <translation>הקובץ "%1" אינו XML תקין בשורה %2, עמודה %3 (%4), ולכן אי אפשר להשוות אותו. יש לייצא אותו שוב מהקורא האחר.</translation>
    </message>
    <message>
        <source>"%1" is no OPML document: its outermost element is &lt;%2&gt;. Choose the OPML file that the other reader exported.</source>
        <translation>הקובץ "%1" אינו מסמך OPML: הרכיב החיצוני ביותר שלו הוא &lt;%2&gt;. יש לבחור את קובץ ה־OPML שהקורא האחר ייצא.</translation>
    </message>
    <message>
        <source>"%1" holds no feeds, so nothing can be compared. Check that it is the other reader's export of its subscriptions.</source>
        <translation>בקובץ "%1" אין ערוצים, ולכן אין מה להשוות. יש לוודא שזה הייצוא של המינויים מהקורא האחר.</translation>
    </message>
    <message>
        <source>Feeds that some readers cannot import: %1 (missing or repeated addresses, line breaks in titles, or repeated titles).</source>
        <translation>ערוצים שחלק מהקוראים לא יכולים לייבא: %1 (כתובות חסרות או חוזרות, מעברי שורה בכותרות, או כותרות חוזרות).</translation>
    </message>
    <message>
        <source>Tick at least one feed to export.</source>
        <translation>יש לסמן לפחות ערוץ אחד לייצוא.</translation>
    </message>
    <message>
        <source>No feed matches “%1”.</source>
        <translation>אין ערוץ שתואם ל־"%1".</translation>
    </message>
    <message>
        <source>All feeds are shown again.</source>
        <translation>כל הערוצים מוצגים שוב.</translation>
    </message>
</context>
<context>
    <name>About</name>
    <message>
        <source>About Orvella Exporter</source>
        <translation>על Orvella Exporter</translation>
    </message>
    <message>
        <source>Designed and engineered by Corvanex</source>
        <translation>עוצב ופותח בידי Corvanex</translation>
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
        <translation>נוצר באוקראינה</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>כל הזכויות שמורות.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>גרסה %1 (%2)</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>מייצא את המינויים שלך ב־Orvella לקובץ OPML.</translation>
    </message>
</context>
</TS>
