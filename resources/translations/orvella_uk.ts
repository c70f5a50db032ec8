<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>CXInterfaceString</name>
    <message>
        <source>Orvella cannot be open during export</source>
        <translation>Під час експорту програма Orvella має бути закрита</translation>
    </message>
    <message>
        <source>Click Continue to quit Orvella. The application will open when the export is complete</source>
        <translation>Натисніть «Продовжити», щоб закрити Orvella. Програма відкриється знову, коли експорт завершиться</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продовжити</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Export complete</source>
        <translation>Експорт завершено</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Вибрати все</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Зняти вибір</translation>
    </message>
    <message>
        <source>My Feeds</source>
        <translation>Мої стрічки</translation>
    </message>
    <message>
        <source>Orvella has no subscriptions to export yet. Add feeds in Orvella, then open the exporter again.</source>
        <translation>В Orvella ще немає підписок для експорту. Додайте стрічки в Orvella, а потім знову відкрийте експортер.</translation>
    </message>
    <message>
        <source>Orvella could not be quit. Quit it yourself, then open the exporter again.</source>
        <translation>Не вдалося закрити Orvella. Закрийте програму самостійно, а потім знову відкрийте експортер.</translation>
    </message>
    <message>
        <source>The support page could not be opened. Visit it in your web browser instead.</source>
        <translation>Не вдалося відкрити сторінку підтримки. Відкрийте її у своєму веббраузері.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>About Orvella Exporter…</source>
        <translation>Про Orvella Exporter…</translation>
    </message>
    <message>
        <source>Orvella Support</source>
        <translation>Підтримка Orvella</translation>
    </message>
    <message>
        <source>Export Subscriptions</source>
        <translation>Експорт підписок</translation>
    </message>
    <message>
        <source>Tick the feeds to include in the OPML file.</source>
        <translation>Позначте стрічки, які слід додати до файлу OPML.</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Експортувати…</translation>
    </message>
    <message>
        <source>No readable Orvella database was found at %1. Open Orvella once so that it creates its database, then open the exporter again.</source>
        <translation>За адресою %1 не знайдено придатної до читання бази даних Orvella. Відкрийте Orvella один раз, щоб програма створила свою базу даних, а потім знову відкрийте експортер.</translation>
    </message>
    <message>
        <source>Reading feeds…</source>
        <translation>Читання стрічок…</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Спробувати ще раз</translation>
    </message>
    <message>
        <source>This list is incomplete. %1</source>
        <translation>Цей список неповний. %1</translation>
    </message>
    <message>
        <source>There is no database file at “%1”. Check the path given with --database, then start the exporter again.</source>
        <translation>Файлу бази даних «%1» не існує. Перевірте шлях, указаний у --database, а потім знову запустіть експортер.</translation>
    </message>
    <message>
        <source>Export an incomplete list?</source>
        <translation>Експортувати неповний список?</translation>
    </message>
    <message>
        <source>Only the feeds in the list can be exported; those that could not be read will be missing from the file.</source>
        <translation>Експортувати можна лише стрічки зі списку; ті, які не вдалося прочитати, будуть відсутні у файлі.</translation>
    </message>
    <message>
        <source>Export Anyway</source>
        <translation>Усе одно експортувати</translation>
    </message>
    <message>
        <source>Export Feeds</source>
        <translation>Експорт стрічок</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 вже існує. Замінити його?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>OPML files</source>
        <translation>Файли OPML</translation>
    </message>
    <message>
        <source>OPML 2.0 files</source>
        <translation>Файли OPML 2.0</translation>
    </message>
    <message>
        <source>Make titles safe for any reader</source>
        <translation>Зробити назви придатними для будь-якої програми для читання стрічок</translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 selected</source>
        <translation>
            <numerusform>Вибрано %Ln стрічку з %1</numerusform>
            <numerusform>Вибрано %Ln стрічки з %1</numerusform>
            <numerusform>Вибрано %Ln стрічок з %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln shown</source>
        <translation>
            <numerusform>, показано %Ln</numerusform>
            <numerusform>, показано %Ln</numerusform>
            <numerusform>, показано %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>None of the %Ln feeds is missing from %1.</source>
        <translation>
            <numerusform>У %1 не бракує жодної стрічки (усього: %Ln).</numerusform>
            <numerusform>У %1 не бракує жодної стрічки (усього: %Ln).</numerusform>
            <numerusform>У %1 не бракує жодної стрічки (усього: %Ln).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 feeds are missing from %2; they are ticked, to be exported and imported again.</source>
        <translation>
            <numerusform>У %2 бракує %Ln стрічки з %1; її позначено, щоб експортувати й імпортувати знову.</numerusform>
            <numerusform>У %2 бракує %Ln стрічок з %1; їх позначено, щоб експортувати й імпортувати знову.</numerusform>
            <numerusform>У %2 бракує %Ln стрічок з %1; їх позначено, щоб експортувати й імпортувати знову.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln feeds written to %1 and checked.</source>
        <translation>
            <numerusform>До %1 записано й перевірено %Ln стрічку.</numerusform>
            <numerusform>До %1 записано й перевірено %Ln стрічки.</numerusform>
            <numerusform>До %1 записано й перевірено %Ln стрічок.</numerusform>
        </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation>Стрічки</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 з %2</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Згорнути</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Розгорнути</translation>
    </message>
    <message>
        <source>The export could not be saved</source>
        <translation>Не вдалося зберегти експорт</translation>
    </message>
    <message>
        <source>Saved as “%1” in</source>
        <translation>Збережено як «%1» у теці</translation>
    </message>
    <message>
        <source>%1 of the feeds' texts held bytes that are not valid UTF-8; each such sequence is shown and exported as the character �.</source>
        <translation>Кількість текстів стрічок із байтами, що не є коректним UTF-8: %1; кожну таку послідовність показано й експортовано як символ �.</translation>
    </message>
    <message>
        <source>close button</source>
        <translation>кнопка закриття</translation>
    </message>
    <message>
        <source>"%1" is a folder, not a database file. Name the Feeds file itself.</source>
        <translation>«%1» — це тека, а не файл бази даних. Укажіть сам файл Feeds.</translation>
    </message>
    <message>
        <source>There is no database file at "%1". Check the path, or start Orvella once so that it creates its database.</source>
        <translation>Файлу бази даних «%1» не існує. Перевірте шлях або запустіть Orvella один раз, щоб програма створила свою базу даних.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened: permission denied. Make the file readable for your user and try again.</source>
        <translation>Не вдається відкрити базу даних «%1»: доступ заборонено. Дозвольте своєму користувачу читати файл і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened because too many files are open (%2). Close other programs, or raise the limit on open files, and try again.</source>
        <translation>Не вдається відкрити базу даних «%1», бо відкрито забагато файлів (%2). Закрийте інші програми або збільште обмеження на кількість відкритих файлів і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened (%2). Check the file and try again.</source>
        <translation>Не вдається відкрити базу даних «%1» (%2). Перевірте файл і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>The database "%1" is locked by another program (%2). Quit Orvella, or wait until it has finished writing, and try again.</source>
        <translation>Базу даних «%1» заблокувала інша програма (%2). Закрийте Orvella або зачекайте, доки запис завершиться, і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>"%1" is not an SQLite database (%2). Name the reader's Feeds database file.</source>
        <translation>«%1» не є базою даних SQLite (%2). Укажіть файл бази даних Feeds програми для читання стрічок.</translation>
    </message>
    <message>
        <source>The database "%1" is damaged (%2). Let Orvella repair it, or export from a backup copy.</source>
        <translation>Базу даних «%1» пошкоджено (%2). Дайте Orvella її відновити або експортуйте з резервної копії.</translation>
    </message>
    <message>
        <source>The database "%1" has no FEEDS table with the columns FEED_URL, FEED_TITLE, CHANNEL_TYPE and INTERNAL_LINK (%2). Name the reader's Feeds database file.</source>
        <translation>У базі даних «%1» немає таблиці FEEDS зі стовпцями FEED_URL, FEED_TITLE, CHANNEL_TYPE та INTERNAL_LINK (%2). Укажіть файл бази даних Feeds програми для читання стрічок.</translation>
    </message>
    <message>
        <source>The FEEDS view of the database "%1" calls a function that SQLite refuses to run from a database file (%2). Export from the reader's own Feeds database, or from a copy without that view.</source>
        <translation>Подання FEEDS бази даних «%1» викликає функцію, яку SQLite відмовляється виконувати з файлу бази даних (%2). Експортуйте з власної бази даних Feeds програми для читання стрічок або з копії без цього подання.</translation>
    </message>
    <message>
        <source>The FEEDS table or view of the database "%1" cannot be queried (%2). Export from the reader's own Feeds database, or let Orvella repair it.</source>
        <translation>Не вдається виконати запит до таблиці або подання FEEDS бази даних «%1» (%2). Експортуйте з власної бази даних Feeds програми для читання стрічок або дайте Orvella її відновити.</translation>
    </message>
    <message numerus="yes">
        <source>Reading the database &quot;%1&quot; was stopped after %Ln feeds.</source>
        <translation>
            <numerusform>Читання бази даних «%1» зупинено після %Ln стрічки.</numerusform>
            <numerusform>Читання бази даних «%1» зупинено після %Ln стрічок.</numerusform>
            <numerusform>Читання бази даних «%1» зупинено після %Ln стрічок.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The database &quot;%1&quot; is damaged: reading stopped after %Ln feeds (%2). Let Orvella repair it, or export from a backup copy.</source>
        <translation>
            <numerusform>Базу даних «%1» пошкоджено: читання перервалося після %Ln стрічки (%2). Дайте Orvella її відновити або експортуйте з резервної копії.</numerusform>
            <numerusform>Базу даних «%1» пошкоджено: читання перервалося після %Ln стрічок (%2). Дайте Orvella її відновити або експортуйте з резервної копії.</numerusform>
            <numerusform>Базу даних «%1» пошкоджено: читання перервалося після %Ln стрічок (%2). Дайте Orvella її відновити або експортуйте з резервної копії.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reading the database &quot;%1&quot; stopped after %Ln feeds (%2). Check the file and try again.</source>
        <translation>
            <numerusform>Читання бази даних «%1» перервалося після %Ln стрічки (%2). Перевірте файл і спробуйте ще раз.</numerusform>
            <numerusform>Читання бази даних «%1» перервалося після %Ln стрічок (%2). Перевірте файл і спробуйте ще раз.</numerusform>
            <numerusform>Читання бази даних «%1» перервалося після %Ln стрічок (%2). Перевірте файл і спробуйте ще раз.</numerusform>
        </translation>
    </message>
    <message>
        <source>The database "%1" cannot be read (%2). Check the file and try again.</source>
        <translation>Не вдається прочитати базу даних «%1» (%2). Перевірте файл і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>"%1" is not a database file but a pipe, socket or device. Name the Feeds database file itself.</source>
        <translation>«%1» — це не файл бази даних, а канал, сокет або пристрій. Укажіть сам файл бази даних Feeds.</translation>
    </message>
    <message>
        <source>No database file was named. Name the Feeds database file.</source>
        <translation>Файл бази даних не вказано. Укажіть файл бази даних Feeds.</translation>
    </message>
    <message>
        <source>The database "%1" changed while it was read. Try again.</source>
        <translation>База даних «%1» змінилася під час читання. Спробуйте ще раз.</translation>
    </message>
    <message>
        <source>The database "%1" was left unfinished by a program that stopped, and no private copy of it could be made in the temporary folder "%2" to read it. Make room there, or set TMPDIR to a folder with room, and try again.</source>
        <translation>Базу даних «%1» залишила незавершеною програма, що зупинилася, а створити її приватну копію для читання в тимчасовій теці «%2» не вдалося. Звільніть там місце або вкажіть у TMPDIR теку, де є місце, і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>No reader database: the application-group folder cannot be located because HOME is not an absolute path ("%1") and XDG_DATA_HOME is not set to one either. Set HOME to your home folder, or name the database file with --database.</source>
        <translation>Немає бази даних програми для читання стрічок: не вдається знайти теку групи програм, бо HOME не є абсолютним шляхом («%1»), а XDG_DATA_HOME теж не вказує на такий. Укажіть у HOME свою домашню теку або вкажіть файл бази даних через --database.</translation>
    </message>
    <message>
        <source>No reader database: the application-group folder cannot be located because neither XDG_DATA_HOME nor HOME is set. Name the database file with --database.</source>
        <translation>Немає бази даних програми для читання стрічок: не вдається знайти теку групи програм, бо не задано ні XDG_DATA_HOME, ні HOME. Укажіть файл бази даних через --database.</translation>
    </message>
    <message>
        <source>There was not enough memory to read the feeds. Close other programs and try again.</source>
        <translation>Для читання стрічок забракло пам’яті. Закрийте інші програми й спробуйте ще раз.</translation>
    </message>
    <message>
        <source>There is no temporary folder to write to: TMPDIR names "%1", which is not a folder you may write to, and neither is /tmp. Set TMPDIR to such a folder and try again.</source>
        <translation>Немає тимчасової теки для запису: TMPDIR вказує на «%1», куди ви не можете записувати, і в /tmp теж не можна. Укажіть у TMPDIR теку, куди можна записувати, і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>There is no temporary folder to write to: /tmp is not a folder you may write to. Set TMPDIR to such a folder and try again.</source>
        <translation>Немає тимчасової теки для запису: ви не можете записувати в /tmp. Укажіть у TMPDIR теку, куди можна записувати, і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Could not save "%1": %2. Choose another file name for the export.</source>
        <translation>Не вдалося зберегти «%1»: %2. Виберіть іншу назву файлу для експорту.</translation>
    </message>
    <message>
        <source>Could not save "%1": the file is write-protected (%2). Choose another file name, or make the file writable first if it is meant to be replaced.</source>
        <translation>Не вдалося зберегти «%1»: файл захищено від запису (%2). Виберіть іншу назву файлу або спершу зніміть захист, якщо файл слід замінити.</translation>
    </message>
    <message>
        <source>Could not save "%1": %2. Choose a folder you may write to that has room for the file, and try again.</source>
        <translation>Не вдалося зберегти «%1»: %2. Виберіть теку, куди ви можете записувати і де є місце для файлу, і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Could not save the file: no file name was given. Choose a file name and try again.</source>
        <translation>Не вдалося зберегти файл: назву файлу не вказано. Виберіть назву файлу і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>the file may not be replaced</source>
        <translation>цей файл не можна замінювати</translation>
    </message>
    <message>
        <source>no one may write to it</source>
        <translation>ніхто не має права записувати в нього</translation>
    </message>
    <message>
        <source>you may not write to it</source>
        <translation>ви не маєте права записувати в нього</translation>
    </message>
    <message>
        <source>it is a link in a folder that everyone may write to, and it belongs to another user, so it is not followed</source>
        <translation>це посилання в теці, куди може записувати будь-хто, і воно належить іншому користувачу, тому за ним не переходять</translation>
    </message>
    <message>
        <source>a folder on its way is a link in a folder that everyone may write to, and the link belongs to another user, so it is not followed</source>
        <translation>тека на шляху — це посилання в теці, куди може записувати будь-хто, і воно належить іншому користувачу, тому за ним не переходять</translation>
    </message>
    <message>
        <source>Reading the database "%1" stopped after %2 feeds, more than any reader keeps: its FEEDS table or view may be damaged or without end. Export from a copy of the reader's own database.</source>
        <translation>Читання бази даних «%1» зупинено: прочитано більше стрічок, ніж буває в будь-якій програмі для читання стрічок (кількість: %2). Її таблиця або подання FEEDS, можливо, пошкоджені або не мають кінця. Експортуйте з копії власної бази даних програми для читання стрічок.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>це тека</translation>
    </message>
    <message>
        <source>it is a disk device</source>
        <translation>це дисковий пристрій</translation>
    </message>
    <message>
        <source>it is a pipe that no program is reading from</source>
        <translation>це канал, з якого не читає жодна програма</translation>
    </message>
    <message>
        <source>it is the reader's database or one of its files</source>
        <translation>це база даних програми для читання стрічок або один з її файлів</translation>
    </message>
    <message>
        <source>Filter feeds</source>
        <translation>Фільтрувати стрічки</translation>
    </message>
    <message>
        <source>Select Shown</source>
        <translation>Вибрати видимі</translation>
    </message>
    <message>
        <source>Deselect Shown</source>
        <translation>Зняти вибір з видимих</translation>
    </message>
    <message>
        <source>Show in Files</source>
        <translation>Показати в менеджері файлів</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>The file could not be shown</source>
        <translation>Не вдалося показати файл</translation>
    </message>
    <message>
        <source>No file manager answered, and no program is set to open folders. The file is in %1.</source>
        <translation>Жоден менеджер файлів не відповів, і жодну програму не налаштовано для відкриття тек. Файл у теці %1.</translation>
    </message>
    <message>
        <source>The file could not be opened</source>
        <translation>Не вдалося відкрити файл</translation>
    </message>
    <message>
        <source>No program is set to open OPML files. The file is in %1; open it from there with the feed reader of your choice.</source>
        <translation>Жодну програму не налаштовано для відкриття файлів OPML. Файл у теці %1; відкрийте його звідти у зручній для вас програмі для читання стрічок.</translation>
    </message>
    <message>
        <source>Untick Them</source>
        <translation>Зняти позначки</translation>
    </message>
    <message>
        <source>Addresses with a password or key: %1. A file you share gives them away.</source>
        <translation>Адреси з паролем або ключем: %1. Файл, яким ви поділитеся, їх розкриє.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>Compare with Another Reader's Export…</source>
        <translation>Порівняти з експортом іншої програми для читання стрічок…</translation>
    </message>
    <message>
        <source>Compare with Another Reader's Export</source>
        <translation>Порівняти з експортом іншої програми для читання стрічок</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Усі файли</translation>
    </message>
    <message>
        <source>The export could not be compared</source>
        <translation>Не вдалося порівняти експорт</translation>
    </message>
    <message>
        <source>"%1" could not be read: %2. Check the name and that you may read it.</source>
        <translation>Не вдалося прочитати «%1»: %2. Перевірте назву та чи маєте ви право його читати.</translation>
    </message>
    <message>
        <source>"%1" is a folder. Choose the OPML file that the other reader exported.</source>
        <translation>«%1» — це тека. Виберіть файл OPML, який експортувала інша програма для читання стрічок.</translation>
    </message>
    <message>
        <source>"%1" is a pipe, socket or device, not a file. Choose the OPML file that the other reader exported.</source>
        <translation>«%1» — це канал, сокет або пристрій, а не файл. Виберіть файл OPML, який експортувала інша програма для читання стрічок.</translation>
    </message>
    <message>
        <source>"%1" is not well-formed XML at line %2, column %3 (%4), so it cannot be compared. Export it from the other reader again.</source>
        <translation>«%1» не є правильно сформованим XML у рядку %2, стовпці %3 (%4), тому його не можна порівняти. Експортуйте його з іншої програми для читання стрічок ще раз.</translation>
    </message>
    <message>
        <source>"%1" is no OPML document: its outermost element is &lt;%2&gt;. Choose the OPML file that the other reader exported.</source>
        <translation>«%1» не є документом OPML: його зовнішній елемент — &lt;%2&gt;. Виберіть файл OPML, який експортувала інша програма для читання стрічок.</translation>
    </message>
    <message>
        <source>"%1" holds no feeds, so nothing can be compared. Check that it is the other reader's export of its subscriptions.</source>
        <translation>«%1» не містить стрічок, тому немає чого порівнювати. Перевірте, чи це експорт підписок іншої програми для читання стрічок.</translation>
    </message>
    <message>
        <source>Feeds that some readers cannot import: %1 (missing or repeated addresses, line breaks in titles, or repeated titles).</source>
        <translation>Стрічки, які деякі програми для читання стрічок не можуть імпортувати: %1 (відсутні або повторені адреси, розриви рядків у назвах чи повторені назви).</translation>
    </message>
    <message>
        <source>Tick at least one feed to export.</source>
        <translation>Позначте принаймні одну стрічку для експорту.</translation>
    </message>
    <message>
        <source>No feed matches “%1”.</source>
        <translation>Жодна стрічка не відповідає «%1».</translation>
    </message>
    <message>
        <source>All feeds are shown again.</source>
        <translation>Знову показано всі стрічки.</translation>
    </message>
</context>
<context>
    <name>About</name>
    <message>
        <source>About Orvella Exporter</source>
        <translation>Про Orvella Exporter</translation>
    </message>
    <message>
        <source>Designed and engineered by Corvanex</source>
        <translation>Розроблено в Corvanex</translation>
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
        <translation>Зроблено в Україні</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>Усі права захищено.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версія %1 (%2)</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Експортує ваші підписки Orvella у файл OPML.</translation>
    </message>
</context>
</TS>
