<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>CXInterfaceString</name>
    <message>
        <source>Orvella cannot be open during export</source>
        <translation>Podczas eksportu aplikacja Orvella nie może być otwarta</translation>
    </message>
    <message>
        <source>Click Continue to quit Orvella. The application will open when the export is complete</source>
        <translation>Kliknij Kontynuuj, aby zamknąć aplikację Orvella. Aplikacja otworzy się ponownie po zakończeniu eksportu</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Kontynuuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Export complete</source>
        <translation>Eksport zakończony</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystkie</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Odznacz wszystkie</translation>
    </message>
    <message>
        <source>My Feeds</source>
        <translation>Moje kanały</translation>
    </message>
    <message>
        <source>Orvella has no subscriptions to export yet. Add feeds in Orvella, then open the exporter again.</source>
        <translation>Aplikacja Orvella nie ma jeszcze subskrypcji do wyeksportowania. Dodaj kanały w aplikacji Orvella, a potem ponownie otwórz eksporter.</translation>
    </message>
    <message>
        <source>Orvella could not be quit. Quit it yourself, then open the exporter again.</source>
        <translation>Nie udało się zamknąć aplikacji Orvella. Zamknij ją samodzielnie, a potem ponownie otwórz eksporter.</translation>
    </message>
    <message>
        <source>The support page could not be opened. Visit it in your web browser instead.</source>
        <translation>Nie udało się otworzyć strony pomocy. Otwórz ją w przeglądarce internetowej.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Orvella Exporter…</source>
        <translation>O programie Orvella Exporter…</translation>
    </message>
    <message>
        <source>Orvella Support</source>
        <translation>Pomoc Orvella</translation>
    </message>
    <message>
        <source>Export Subscriptions</source>
        <translation>Eksportuj subskrypcje</translation>
    </message>
    <message>
        <source>Tick the feeds to include in the OPML file.</source>
        <translation>Zaznacz kanały, które mają się znaleźć w pliku OPML.</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Eksportuj…</translation>
    </message>
    <message>
        <source>No readable Orvella database was found at %1. Open Orvella once so that it creates its database, then open the exporter again.</source>
        <translation>W lokalizacji %1 nie znaleziono czytelnej bazy danych aplikacji Orvella. Otwórz raz aplikację Orvella, aby utworzyła swoją bazę danych, a potem ponownie otwórz eksporter.</translation>
    </message>
    <message>
        <source>Reading feeds…</source>
        <translation>Wczytywanie kanałów…</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Spróbuj ponownie</translation>
    </message>
    <message>
        <source>This list is incomplete. %1</source>
        <translation>Ta lista jest niepełna. %1</translation>
    </message>
    <message>
        <source>There is no database file at “%1”. Check the path given with --database, then start the exporter again.</source>
        <translation>W lokalizacji „%1” nie ma pliku bazy danych. Sprawdź ścieżkę podaną w --database, a potem ponownie uruchom eksporter.</translation>
    </message>
    <message>
        <source>Export an incomplete list?</source>
        <translation>Wyeksportować niepełną listę?</translation>
    </message>
    <message>
        <source>Only the feeds in the list can be exported; those that could not be read will be missing from the file.</source>
        <translation>Można wyeksportować tylko kanały z listy; tych, których nie udało się odczytać, zabraknie w pliku.</translation>
    </message>
    <message>
        <source>Export Anyway</source>
        <translation>Eksportuj mimo to</translation>
    </message>
    <message>
        <source>Export Feeds</source>
        <translation>Eksportuj kanały</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 już istnieje. Czy chcesz go zastąpić?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>OPML files</source>
        <translation>Pliki OPML</translation>
    </message>
    <message>
        <source>OPML 2.0 files</source>
        <translation>Pliki OPML 2.0</translation>
    </message>
    <message>
        <source>Make titles safe for any reader</source>
        <translation>Dostosuj tytuły do każdego czytnika kanałów</translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 selected</source>
        <translation>
            <numerusform>Zaznaczono %Ln kanał z %1</numerusform>
            <numerusform>Zaznaczono %Ln kanały z %1</numerusform>
            <numerusform>Zaznaczono %Ln kanałów z %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln shown</source>
        <translation>
            <numerusform>, %Ln widoczny</numerusform>
            <numerusform>, %Ln widoczne</numerusform>
            <numerusform>, %Ln widocznych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>None of the %Ln feeds is missing from %1.</source>
        <translation>
            <numerusform>W pliku %1 nie brakuje żadnego kanału (łącznie: %Ln).</numerusform>
            <numerusform>W pliku %1 nie brakuje żadnego kanału (łącznie: %Ln).</numerusform>
            <numerusform>W pliku %1 nie brakuje żadnego kanału (łącznie: %Ln).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 feeds are missing from %2; they are ticked, to be exported and imported again.</source>
        <translation>
            <numerusform>W pliku %2 brakuje %Ln kanału z %1; jest zaznaczony, aby go wyeksportować i zaimportować ponownie.</numerusform>
            <numerusform>W pliku %2 brakuje %Ln kanałów z %1; są zaznaczone, aby je wyeksportować i zaimportować ponownie.</numerusform>
            <numerusform>W pliku %2 brakuje %Ln kanałów z %1; są zaznaczone, aby je wyeksportować i zaimportować ponownie.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln feeds written to %1 and checked.</source>
        <translation>
            <numerusform>Zapisano w %1 i sprawdzono %Ln kanał.</numerusform>
            <numerusform>Zapisano w %1 i sprawdzono %Ln kanały.</numerusform>
            <numerusform>Zapisano w %1 i sprawdzono %Ln kanałów.</numerusform>
        </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation>Kanały</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Maksymalizuj</translation>
    </message>
    <message>
        <source>The export could not be saved</source>
        <translation>Nie udało się zapisać eksportu</translation>
    </message>
    <message>
        <source>Saved as “%1” in</source>
        <translation>Zapisano jako „%1” w</translation>
    </message>
    <message>
        <source>%1 of the feeds' texts held bytes that are not valid UTF-8; each such sequence is shown and exported as the character �.</source>
        <translation>Liczba tekstów kanałów z bajtami niebędącymi poprawnym UTF-8: %1; każda taka sekwencja jest wyświetlana i eksportowana jako znak �.</translation>
    </message>
    <message>
        <source>close button</source>
        <translation>przycisk zamykania</translation>
    </message>
    <message>
        <source>"%1" is a folder, not a database file. Name the Feeds file itself.</source>
        <translation>„%1” to folder, a nie plik bazy danych. Wskaż sam plik Feeds.</translation>
    </message>
    <message>
        <source>There is no database file at "%1". Check the path, or start Orvella once so that it creates its database.</source>
        <translation>W lokalizacji „%1” nie ma pliku bazy danych. Sprawdź ścieżkę albo uruchom raz aplikację Orvella, aby utworzyła swoją bazę danych.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened: permission denied. Make the file readable for your user and try again.</source>
        <translation>Nie można otworzyć bazy danych „%1”: odmowa dostępu. Nadaj swojemu użytkownikowi prawo odczytu pliku i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened because too many files are open (%2). Close other programs, or raise the limit on open files, and try again.</source>
        <translation>Nie można otworzyć bazy danych „%1”, ponieważ otwartych jest zbyt wiele plików (%2). Zamknij inne programy lub zwiększ limit otwartych plików i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened (%2). Check the file and try again.</source>
        <translation>Nie można otworzyć bazy danych „%1” (%2). Sprawdź plik i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The database "%1" is locked by another program (%2). Quit Orvella, or wait until it has finished writing, and try again.</source>
        <translation>Baza danych „%1” jest zablokowana przez inny program (%2). Zamknij aplikację Orvella lub zaczekaj, aż skończy zapisywać, i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>"%1" is not an SQLite database (%2). Name the reader's Feeds database file.</source>
        <translation>„%1” nie jest bazą danych SQLite (%2). Wskaż plik bazy danych Feeds czytnika.</translation>
    </message>
    <message>
        <source>The database "%1" is damaged (%2). Let Orvella repair it, or export from a backup copy.</source>
        <translation>Baza danych „%1” jest uszkodzona (%2). Pozwól aplikacji Orvella ją naprawić albo wyeksportuj dane z kopii zapasowej.</translation>
    </message>
    <message>
        <source>The database "%1" has no FEEDS table with the columns FEED_URL, FEED_TITLE, CHANNEL_TYPE and INTERNAL_LINK (%2). Name the reader's Feeds database file.</source>
        <translation>Baza danych „%1” nie ma tabeli FEEDS z kolumnami FEED_URL, FEED_TITLE, CHANNEL_TYPE i INTERNAL_LINK (%2). Wskaż plik bazy danych Feeds czytnika.</translation>
    </message>
    <message>
        <source>The FEEDS view of the database "%1" calls a function that SQLite refuses to run from a database file (%2). Export from the reader's own Feeds database, or from a copy without that view.</source>
        <translation>Widok FEEDS bazy danych „%1” wywołuje funkcję, której SQLite nie chce uruchomić z pliku bazy danych (%2). Wyeksportuj dane z własnej bazy danych Feeds czytnika albo z kopii bez tego widoku.</translation>
    </message>
    <message>
        <source>The FEEDS table or view of the database "%1" cannot be queried (%2). Export from the reader's own Feeds database, or let Orvella repair it.</source>
        <translation>Nie można odpytać tabeli ani widoku FEEDS bazy danych „%1” (%2). Wyeksportuj dane z własnej bazy danych Feeds czytnika albo pozwól aplikacji Orvella ją naprawić.</translation>
    </message>
    <message numerus="yes">
        <source>Reading the database &quot;%1&quot; was stopped after %Ln feeds.</source>
        <translation>
            <numerusform>Odczyt bazy danych „%1” został przerwany po %Ln kanale.</numerusform>
            <numerusform>Odczyt bazy danych „%1” został przerwany po %Ln kanałach.</numerusform>
            <numerusform>Odczyt bazy danych „%1” został przerwany po %Ln kanałach.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The database &quot;%1&quot; is damaged: reading stopped after %Ln feeds (%2). Let Orvella repair it, or export from a backup copy.</source>
        <translation>
            <numerusform>Baza danych „%1” jest uszkodzona: odczyt przerwał się po %Ln kanale (%2). Pozwól aplikacji Orvella ją naprawić albo wyeksportuj dane z kopii zapasowej.</numerusform>
            <numerusform>Baza danych „%1” jest uszkodzona: odczyt przerwał się po %Ln kanałach (%2). Pozwól aplikacji Orvella ją naprawić albo wyeksportuj dane z kopii zapasowej.</numerusform>
            <numerusform>Baza danych „%1” jest uszkodzona: odczyt przerwał się po %Ln kanałach (%2). Pozwól aplikacji Orvella ją naprawić albo wyeksportuj dane z kopii zapasowej.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reading the database &quot;%1&quot; stopped after %Ln feeds (%2). Check the file and try again.</source>
        <translation>
            <numerusform>Odczyt bazy danych „%1” przerwał się po %Ln kanale (%2). Sprawdź plik i spróbuj ponownie.</numerusform>
            <numerusform>Odczyt bazy danych „%1” przerwał się po %Ln kanałach (%2). Sprawdź plik i spróbuj ponownie.</numerusform>
            <numerusform>Odczyt bazy danych „%1” przerwał się po %Ln kanałach (%2). Sprawdź plik i spróbuj ponownie.</numerusform>
        </translation>
    </message>
    <message>
        <source>The database "%1" cannot be read (%2). Check the file and try again.</source>
        <translation>Nie można odczytać bazy danych „%1” (%2). Sprawdź plik i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>"%1" is not a database file but a pipe, socket or device. Name the Feeds database file itself.</source>
        <translation>„%1” nie jest plikiem bazy danych, lecz potokiem, gniazdem lub urządzeniem. Wskaż sam plik bazy danych Feeds.</translation>
    </message>
    <message>
        <source>No database file was named. Name the Feeds database file.</source>
        <translation>Nie wskazano pliku bazy danych. Wskaż plik bazy danych Feeds.</translation>
    </message>
    <message>
        <source>The database "%1" changed while it was read. Try again.</source>
        <translation>Baza danych „%1” zmieniła się podczas odczytu. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The database "%1" was left unfinished by a program that stopped, and no private copy of it could be made in the temporary folder "%2" to read it. Make room there, or set TMPDIR to a folder with room, and try again.</source>
        <translation>Baza danych „%1” została pozostawiona w niedokończonym stanie przez program, który przestał działać, a w folderze tymczasowym „%2” nie udało się utworzyć jej prywatnej kopii do odczytu. Zwolnij tam miejsce albo ustaw TMPDIR na folder z wolnym miejscem i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>No reader database: the application-group folder cannot be located because HOME is not an absolute path ("%1") and XDG_DATA_HOME is not set to one either. Set HOME to your home folder, or name the database file with --database.</source>
        <translation>Brak bazy danych czytnika: nie można znaleźć folderu grupy aplikacji, ponieważ HOME nie jest ścieżką bezwzględną („%1”), a XDG_DATA_HOME też nie wskazuje takiej ścieżki. Ustaw HOME na swój folder domowy albo wskaż plik bazy danych przez --database.</translation>
    </message>
    <message>
        <source>No reader database: the application-group folder cannot be located because neither XDG_DATA_HOME nor HOME is set. Name the database file with --database.</source>
        <translation>Brak bazy danych czytnika: nie można znaleźć folderu grupy aplikacji, ponieważ nie ustawiono ani XDG_DATA_HOME, ani HOME. Wskaż plik bazy danych przez --database.</translation>
    </message>
    <message>
        <source>There was not enough memory to read the feeds. Close other programs and try again.</source>
        <translation>Zabrakło pamięci do odczytania kanałów. Zamknij inne programy i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>There is no temporary folder to write to: TMPDIR names "%1", which is not a folder you may write to, and neither is /tmp. Set TMPDIR to such a folder and try again.</source>
        <translation>Brak folderu tymczasowego do zapisu: TMPDIR wskazuje „%1”, folder, w którym nie możesz zapisywać, a /tmp też się nie nadaje. Ustaw TMPDIR na folder z prawem zapisu i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>There is no temporary folder to write to: /tmp is not a folder you may write to. Set TMPDIR to such a folder and try again.</source>
        <translation>Brak folderu tymczasowego do zapisu: w /tmp nie możesz zapisywać. Ustaw TMPDIR na folder z prawem zapisu i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Could not save "%1": %2. Choose another file name for the export.</source>
        <translation>Nie udało się zapisać „%1”: %2. Wybierz inną nazwę pliku eksportu.</translation>
    </message>
    <message>
        <source>Could not save "%1": the file is write-protected (%2). Choose another file name, or make the file writable first if it is meant to be replaced.</source>
        <translation>Nie udało się zapisać „%1”: plik jest chroniony przed zapisem (%2). Wybierz inną nazwę pliku albo najpierw zdejmij ochronę, jeśli plik ma zostać zastąpiony.</translation>
    </message>
    <message>
        <source>Could not save "%1": %2. Choose a folder you may write to that has room for the file, and try again.</source>
        <translation>Nie udało się zapisać „%1”: %2. Wybierz folder, w którym możesz zapisywać i w którym jest miejsce na plik, i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Could not save the file: no file name was given. Choose a file name and try again.</source>
        <translation>Nie udało się zapisać pliku: nie podano nazwy pliku. Wybierz nazwę pliku i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>the file may not be replaced</source>
        <translation>tego pliku nie wolno zastąpić</translation>
    </message>
    <message>
        <source>no one may write to it</source>
        <translation>nikt nie ma prawa do niego zapisywać</translation>
    </message>
    <message>
        <source>you may not write to it</source>
        <translation>nie masz prawa do niego zapisywać</translation>
    </message>
    <message>
        <source>it is a link in a folder that everyone may write to, and it belongs to another user, so it is not followed</source>
        <translation>to dowiązanie w folderze, do którego każdy może zapisywać, należące do innego użytkownika, więc program za nim nie podąża</translation>
    </message>
    <message>
        <source>a folder on its way is a link in a folder that everyone may write to, and the link belongs to another user, so it is not followed</source>
        <translation>folder na tej ścieżce to dowiązanie w folderze, do którego każdy może zapisywać, należące do innego użytkownika, więc program za nim nie podąża</translation>
    </message>
    <message>
        <source>Reading the database "%1" stopped after %2 feeds, more than any reader keeps: its FEEDS table or view may be damaged or without end. Export from a copy of the reader's own database.</source>
        <translation>Odczyt bazy danych „%1” zatrzymano po odczytaniu ponad tylu kanałów, ile ma jakikolwiek czytnik (liczba kanałów: %2): jej tabela lub widok FEEDS może być uszkodzony lub nie mieć końca. Wyeksportuj dane z kopii własnej bazy danych czytnika.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>to folder</translation>
    </message>
    <message>
        <source>it is a disk device</source>
        <translation>to urządzenie dyskowe</translation>
    </message>
    <message>
        <source>it is a pipe that no program is reading from</source>
        <translation>to potok, z którego żaden program nie czyta</translation>
    </message>
    <message>
        <source>it is the reader's database or one of its files</source>
        <translation>to baza danych czytnika lub jeden z jej plików</translation>
    </message>
    <message>
        <source>Filter feeds</source>
        <translation>Filtruj kanały</translation>
    </message>
    <message>
        <source>Select Shown</source>
        <translation>Zaznacz widoczne</translation>
    </message>
    <message>
        <source>Deselect Shown</source>
        <translation>Odznacz widoczne</translation>
    </message>
    <message>
        <source>Show in Files</source>
        <translation>Pokaż w menedżerze plików</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>The file could not be shown</source>
        <translation>Nie można pokazać pliku</translation>
    </message>
    <message>
        <source>No file manager answered, and no program is set to open folders. The file is in %1.</source>
        <translation>Żaden menedżer plików nie odpowiedział i żaden program nie jest ustawiony do otwierania folderów. Plik znajduje się w %1.</translation>
    </message>
    <message>
        <source>The file could not be opened</source>
        <translation>Nie można otworzyć pliku</translation>
    </message>
    <message>
        <source>No program is set to open OPML files. The file is in %1; open it from there with the feed reader of your choice.</source>
        <translation>Żaden program nie jest ustawiony do otwierania plików OPML. Plik znajduje się w %1; otwórz go stamtąd w wybranym czytniku kanałów.</translation>
    </message>
    <message>
        <source>Untick Them</source>
        <translation>Odznacz je</translation>
    </message>
    <message>
        <source>Addresses with a password or key: %1. A file you share gives them away.</source>
        <translation>Adresy z hasłem lub kluczem: %1. Udostępniony plik je ujawni.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1”</translation>
    </message>
    <message>
        <source>Compare with Another Reader's Export…</source>
        <translation>Porównaj z eksportem innego czytnika…</translation>
    </message>
    <message>
        <source>Compare with Another Reader's Export</source>
        <translation>Porównaj z eksportem innego czytnika</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Wszystkie pliki</translation>
    </message>
    <message>
        <source>The export could not be compared</source>
        <translation>Nie można porównać eksportu</translation>
    </message>
    <message>
        <source>"%1" could not be read: %2. Check the name and that you may read it.</source>
        <translation>Nie można odczytać „%1”: %2. Sprawdź nazwę i czy masz prawo go odczytać.</translation>
    </message>
    <message>
        <source>"%1" is a folder. Choose the OPML file that the other reader exported.</source>
        <translation>„%1” to folder. Wybierz plik OPML wyeksportowany przez inny czytnik.</translation>
    </message>
    <message>
        <source>"%1" is a pipe, socket or device, not a file. Choose the OPML file that the other reader exported.</source>
        <translation>„%1” to potok, gniazdo lub urządzenie, a nie plik. Wybierz plik OPML wyeksportowany przez inny czytnik.</translation>
    </message>
    <message>
        <source>"%1" is not well-formed XML at line %2, column %3 (%4), so it cannot be compared. Export it from the other reader again.</source>
        <translation>„%1” nie jest poprawnym XML w wierszu %2, kolumnie %3 (%4), więc nie można go porównać. Wyeksportuj go ponownie z innego czytnika.</translation>
    </message>
    <message>
        <source>"%1" is no OPML document: its outermost element is &lt;%2&gt;. Choose the OPML file that the other reader exported.</source>
        <translation>„%1” nie jest dokumentem OPML: jego najbardziej zewnętrzny element to &lt;%2&gt;. Wybierz plik OPML wyeksportowany przez inny czytnik.</translation>
    </message>
    <message>
        <source>"%1" holds no feeds, so nothing can be compared. Check that it is the other reader's export of its subscriptions.</source>
        <translation>„%1” nie zawiera kanałów, więc nie ma czego porównać. Sprawdź, czy to eksport subskrypcji innego czytnika.</translation>
    </message>
    <message>
        <source>Feeds that some readers cannot import: %1 (missing or repeated addresses, line breaks in titles, or repeated titles).</source>
        <translation>Kanały, których niektóre czytniki nie zaimportują: %1 (brakujące lub powtórzone adresy, podziały wierszy w tytułach albo powtórzone tytuły).</translation>
    </message>
    <message>
        <source>Tick at least one feed to export.</source>
        <translation>Zaznacz co najmniej jeden kanał do eksportu.</translation>
    </message>
    <message>
        <source>No feed matches “%1”.</source>
        <translation>Żaden kanał nie pasuje do „%1”.</translation>
    </message>
    <message>
        <source>All feeds are shown again.</source>
        <translation>Ponownie wyświetlane są wszystkie kanały.</translation>
    </message>
</context>
<context>
    <name>About</name>
    <message>
        <source>About Orvella Exporter</source>
        <translation>O programie Orvella Exporter</translation>
    </message>
    <message>
        <source>Designed and engineered by Corvanex</source>
        <translation>Zaprojektowane i stworzone przez Corvanex</translation>
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
        <translation>Wyprodukowano na Ukrainie</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>Wszelkie prawa zastrzeżone.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja %1 (%2)</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Eksportuje subskrypcje z aplikacji Orvella do pliku OPML.</translation>
    </message>
</context>
</TS>
