<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CXInterfaceString</name>
    <message>
        <source>Orvella cannot be open during export</source>
        <translation>Orvella darf während des Exports nicht geöffnet sein</translation>
    </message>
    <message>
        <source>Click Continue to quit Orvella. The application will open when the export is complete</source>
        <translation>Klicken Sie auf „Fortfahren“, um Orvella zu beenden. Orvella wird wieder geöffnet, sobald der Export abgeschlossen ist</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Export complete</source>
        <translation>Export abgeschlossen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Alle abwählen</translation>
    </message>
    <message>
        <source>My Feeds</source>
        <translation>Meine Feeds</translation>
    </message>
    <message>
        <source>Orvella has no subscriptions to export yet. Add feeds in Orvella, then open the exporter again.</source>
        <translation>Orvella hat noch keine Abonnements zum Exportieren. Fügen Sie in Orvella Feeds hinzu und öffnen Sie dann den Exporter erneut.</translation>
    </message>
    <message>
        <source>Orvella could not be quit. Quit it yourself, then open the exporter again.</source>
        <translation>Orvella konnte nicht beendet werden. Beenden Sie Orvella selbst und öffnen Sie dann den Exporter erneut.</translation>
    </message>
    <message>
        <source>The support page could not be opened. Visit it in your web browser instead.</source>
        <translation>Die Support-Seite konnte nicht geöffnet werden. Rufen Sie sie stattdessen in Ihrem Webbrowser auf.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Orvella Exporter…</source>
        <translation>Über Orvella Exporter…</translation>
    </message>
    <message>
        <source>Orvella Support</source>
        <translation>Orvella-Support</translation>
    </message>
    <message>
        <source>Export Subscriptions</source>
        <translation>Abonnements exportieren</translation>
    </message>
    <message>
        <source>Tick the feeds to include in the OPML file.</source>
        <translation>Wählen Sie die Feeds aus, die in die OPML-Datei aufgenommen werden sollen.</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>No readable Orvella database was found at %1. Open Orvella once so that it creates its database, then open the exporter again.</source>
        <translation>Unter %1 wurde keine lesbare Orvella-Datenbank gefunden. Öffnen Sie Orvella einmal, damit die Datenbank angelegt wird, und öffnen Sie dann den Exporter erneut.</translation>
    </message>
    <message>
        <source>Reading feeds…</source>
        <translation>Feeds werden gelesen…</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>This list is incomplete. %1</source>
        <translation>Diese Liste ist unvollständig. %1</translation>
    </message>
    <message>
        <source>There is no database file at “%1”. Check the path given with --database, then start the exporter again.</source>
        <translation>Unter „%1“ gibt es keine Datenbankdatei. Prüfen Sie den mit --database angegebenen Pfad und starten Sie den Exporter dann erneut.</translation>
    </message>
    <message>
        <source>Export an incomplete list?</source>
        <translation>Unvollständige Liste exportieren?</translation>
    </message>
    <message>
        <source>Only the feeds in the list can be exported; those that could not be read will be missing from the file.</source>
        <translation>Nur die Feeds in der Liste können exportiert werden; Feeds, die nicht gelesen werden konnten, fehlen in der Datei.</translation>
    </message>
    <message>
        <source>Export Anyway</source>
        <translation>Trotzdem exportieren</translation>
    </message>
    <message>
        <source>Export Feeds</source>
        <translation>Feeds exportieren</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existiert bereits. Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>OPML files</source>
        <translation>OPML-Dateien</translation>
    </message>
    <message>
        <source>OPML 2.0 files</source>
        <translation>OPML-2.0-Dateien</translation>
    </message>
    <message>
        <source>Make titles safe for any reader</source>
        <translation>Titel für jeden Feedreader tauglich machen</translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 selected</source>
        <translation>
            <numerusform>%Ln von %1 ausgewählt</numerusform>
            <numerusform>%Ln von %1 ausgewählt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln shown</source>
        <translation>
            <numerusform>, %Ln angezeigt</numerusform>
            <numerusform>, %Ln angezeigt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>None of the %Ln feeds is missing from %1.</source>
        <translation>
            <numerusform>Der einzige Feed fehlt in %1 nicht.</numerusform>
            <numerusform>Keiner der %Ln Feeds fehlt in %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 feeds are missing from %2; they are ticked, to be exported and imported again.</source>
        <translation>
            <numerusform>%Ln von %1 Feeds fehlt in %2; er ist ausgewählt, damit er exportiert und dort erneut importiert werden kann.</numerusform>
            <numerusform>%Ln von %1 Feeds fehlen in %2; sie sind ausgewählt, damit sie exportiert und dort erneut importiert werden können.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln feeds written to %1 and checked.</source>
        <translation>
            <numerusform>Ein Feed in %1 geschrieben und geprüft.</numerusform>
            <numerusform>%Ln Feeds in %1 geschrieben und geprüft.</numerusform>
        </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation>Feeds</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>The export could not be saved</source>
        <translation>Der Export konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Saved as “%1” in</source>
        <translation>Gespeichert als „%1“ in</translation>
    </message>
    <message>
        <source>%1 of the feeds' texts held bytes that are not valid UTF-8; each such sequence is shown and exported as the character �.</source>
        <translation>%1 Feed-Texte enthielten Bytes, die kein gültiges UTF-8 sind; jede solche Folge wird als Zeichen � angezeigt und exportiert.</translation>
    </message>
    <message>
        <source>close button</source>
        <translation>Schaltfläche „Schließen“</translation>
    </message>
    <message>
        <source>"%1" is a folder, not a database file. Name the Feeds file itself.</source>
        <translation>„%1“ ist ein Ordner, keine Datenbankdatei. Geben Sie die Datei „Feeds“ selbst an.</translation>
    </message>
    <message>
        <source>There is no database file at "%1". Check the path, or start Orvella once so that it creates its database.</source>
        <translation>Unter „%1“ gibt es keine Datenbankdatei. Prüfen Sie den Pfad, oder starten Sie Orvella einmal, damit die Datenbank angelegt wird.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened: permission denied. Make the file readable for your user and try again.</source>
        <translation>Die Datenbank „%1“ kann nicht geöffnet werden: Zugriff verweigert. Machen Sie die Datei für Ihren Benutzer lesbar und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened because too many files are open (%2). Close other programs, or raise the limit on open files, and try again.</source>
        <translation>Die Datenbank „%1“ kann nicht geöffnet werden, weil zu viele Dateien geöffnet sind (%2). Schließen Sie andere Programme oder erhöhen Sie die Grenze für offene Dateien und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened (%2). Check the file and try again.</source>
        <translation>Die Datenbank „%1“ kann nicht geöffnet werden (%2). Prüfen Sie die Datei und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The database "%1" is locked by another program (%2). Quit Orvella, or wait until it has finished writing, and try again.</source>
        <translation>Die Datenbank „%1“ ist von einem anderen Programm gesperrt (%2). Beenden Sie Orvella oder warten Sie, bis das Schreiben abgeschlossen ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>"%1" is not an SQLite database (%2). Name the reader's Feeds database file.</source>
        <translation>„%1“ ist keine SQLite-Datenbank (%2). Geben Sie die Datenbankdatei „Feeds“ des Feedreaders an.</translation>
    </message>
    <message>
        <source>The database "%1" is damaged (%2). Let Orvella repair it, or export from a backup copy.</source>
        <translation>Die Datenbank „%1“ ist beschädigt (%2). Lassen Sie Orvella sie reparieren, oder exportieren Sie aus einer Sicherungskopie.</translation>
    </message>
    <message>
        <source>The database "%1" has no FEEDS table with the columns FEED_URL, FEED_TITLE, CHANNEL_TYPE and INTERNAL_LINK (%2). Name the reader's Feeds database file.</source>
        <translation>Die Datenbank „%1“ hat keine Tabelle FEEDS mit den Spalten FEED_URL, FEED_TITLE, CHANNEL_TYPE und INTERNAL_LINK (%2). Geben Sie die Datenbankdatei „Feeds“ des Feedreaders an.</translation>
    </message>
    <message>
        <source>The FEEDS view of the database "%1" calls a function that SQLite refuses to run from a database file (%2). Export from the reader's own Feeds database, or from a copy without that view.</source>
        <translation>Die Sicht FEEDS der Datenbank „%1“ ruft eine Funktion auf, die SQLite aus einer Datenbankdatei heraus nicht ausführt (%2). Exportieren Sie aus der eigenen Datenbank „Feeds“ des Feedreaders oder aus einer Kopie ohne diese Sicht.</translation>
    </message>
    <message>
        <source>The FEEDS table or view of the database "%1" cannot be queried (%2). Export from the reader's own Feeds database, or let Orvella repair it.</source>
        <translation>Die Tabelle oder Sicht FEEDS der Datenbank „%1“ kann nicht abgefragt werden (%2). Exportieren Sie aus der eigenen Datenbank „Feeds“ des Feedreaders, oder lassen Sie Orvella sie reparieren.</translation>
    </message>
    <message numerus="yes">
        <source>Reading the database &quot;%1&quot; was stopped after %Ln feeds.</source>
        <translation>
            <numerusform>Das Lesen der Datenbank „%1“ wurde nach %Ln Feed angehalten.</numerusform>
            <numerusform>Das Lesen der Datenbank „%1“ wurde nach %Ln Feeds angehalten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The database &quot;%1&quot; is damaged: reading stopped after %Ln feeds (%2). Let Orvella repair it, or export from a backup copy.</source>
        <translation>
            <numerusform>Die Datenbank „%1“ ist beschädigt: Das Lesen brach nach %Ln Feed ab (%2). Lassen Sie Orvella sie reparieren, oder exportieren Sie aus einer Sicherungskopie.</numerusform>
            <numerusform>Die Datenbank „%1“ ist beschädigt: Das Lesen brach nach %Ln Feeds ab (%2). Lassen Sie Orvella sie reparieren, oder exportieren Sie aus einer Sicherungskopie.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reading the database &quot;%1&quot; stopped after %Ln feeds (%2). Check the file and try again.</source>
        <translation>
            <numerusform>Das Lesen der Datenbank „%1“ brach nach %Ln Feed ab (%2). Prüfen Sie die Datei und versuchen Sie es erneut.</numerusform>
            <numerusform>Das Lesen der Datenbank „%1“ brach nach %Ln Feeds ab (%2). Prüfen Sie die Datei und versuchen Sie es erneut.</numerusform>
        </translation>
    </message>
    <message>
        <source>The database "%1" cannot be read (%2). Check the file and try again.</source>
        <translation>Die Datenbank „%1“ kann nicht gelesen werden (%2). Prüfen Sie die Datei und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>"%1" is not a database file but a pipe, socket or device. Name the Feeds database file itself.</source>
        <translation>„%1“ ist keine Datenbankdatei, sondern eine Pipe, ein Socket oder ein Gerät. Geben Sie die Datenbankdatei „Feeds“ selbst an.</translation>
    </message>
    <message>
        <source>No database file was named. Name the Feeds database file.</source>
        <translation>Es wurde keine Datenbankdatei angegeben. Geben Sie die Datenbankdatei „Feeds“ an.</translation>
    </message>
    <message>
        <source>The database "%1" changed while it was read. Try again.</source>
        <translation>Die Datenbank „%1“ hat sich während des Lesens geändert. Versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The database "%1" was left unfinished by a program that stopped, and no private copy of it could be made in the temporary folder "%2" to read it. Make room there, or set TMPDIR to a folder with room, and try again.</source>
        <translation>Die Datenbank „%1“ wurde von einem abgebrochenen Programm unvollständig hinterlassen, und im temporären Ordner „%2“ konnte keine private Kopie zum Lesen angelegt werden. Schaffen Sie dort Platz oder setzen Sie TMPDIR auf einen Ordner mit genügend Platz, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>No reader database: the application-group folder cannot be located because HOME is not an absolute path ("%1") and XDG_DATA_HOME is not set to one either. Set HOME to your home folder, or name the database file with --database.</source>
        <translation>Keine Datenbank des Feedreaders: Der Ordner der App-Gruppe lässt sich nicht finden, weil HOME kein absoluter Pfad ist („%1“) und auch XDG_DATA_HOME nicht auf einen gesetzt ist. Setzen Sie HOME auf Ihren persönlichen Ordner, oder geben Sie die Datenbankdatei mit --database an.</translation>
    </message>
    <message>
        <source>No reader database: the application-group folder cannot be located because neither XDG_DATA_HOME nor HOME is set. Name the database file with --database.</source>
        <translation>Keine Datenbank des Feedreaders: Der Ordner der App-Gruppe lässt sich nicht finden, weil weder XDG_DATA_HOME noch HOME gesetzt ist. Geben Sie die Datenbankdatei mit --database an.</translation>
    </message>
    <message>
        <source>There was not enough memory to read the feeds. Close other programs and try again.</source>
        <translation>Zum Lesen der Feeds war nicht genügend Arbeitsspeicher vorhanden. Schließen Sie andere Programme und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>There is no temporary folder to write to: TMPDIR names "%1", which is not a folder you may write to, and neither is /tmp. Set TMPDIR to such a folder and try again.</source>
        <translation>Es gibt keinen temporären Ordner zum Schreiben: TMPDIR nennt „%1“, einen Ordner, in den Sie nicht schreiben dürfen, und auch /tmp ist keiner. Setzen Sie TMPDIR auf einen solchen Ordner und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>There is no temporary folder to write to: /tmp is not a folder you may write to. Set TMPDIR to such a folder and try again.</source>
        <translation>Es gibt keinen temporären Ordner zum Schreiben: In /tmp dürfen Sie nicht schreiben. Setzen Sie TMPDIR auf einen Ordner, in den Sie schreiben dürfen, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Could not save "%1": %2. Choose another file name for the export.</source>
        <translation>„%1“ konnte nicht gespeichert werden: %2. Wählen Sie für den Export einen anderen Dateinamen.</translation>
    </message>
    <message>
        <source>Could not save "%1": the file is write-protected (%2). Choose another file name, or make the file writable first if it is meant to be replaced.</source>
        <translation>„%1“ konnte nicht gespeichert werden: Die Datei ist schreibgeschützt (%2). Wählen Sie einen anderen Dateinamen, oder heben Sie den Schreibschutz zuerst auf, wenn die Datei ersetzt werden soll.</translation>
    </message>
    <message>
        <source>Could not save "%1": %2. Choose a folder you may write to that has room for the file, and try again.</source>
        <translation>„%1“ konnte nicht gespeichert werden: %2. Wählen Sie einen Ordner, in den Sie schreiben dürfen und der Platz für die Datei hat, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Could not save the file: no file name was given. Choose a file name and try again.</source>
        <translation>Die Datei konnte nicht gespeichert werden: Es wurde kein Dateiname angegeben. Wählen Sie einen Dateinamen und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>the file may not be replaced</source>
        <translation>die Datei darf nicht ersetzt werden</translation>
    </message>
    <message>
        <source>no one may write to it</source>
        <translation>niemand darf in sie schreiben</translation>
    </message>
    <message>
        <source>you may not write to it</source>
        <translation>Sie dürfen nicht in sie schreiben</translation>
    </message>
    <message>
        <source>it is a link in a folder that everyone may write to, and it belongs to another user, so it is not followed</source>
        <translation>sie ist eine Verknüpfung in einem Ordner, in den alle schreiben dürfen, und gehört einem anderen Benutzer, daher wird ihr nicht gefolgt</translation>
    </message>
    <message>
        <source>a folder on its way is a link in a folder that everyone may write to, and the link belongs to another user, so it is not followed</source>
        <translation>ein Ordner auf dem Weg dorthin ist eine Verknüpfung in einem Ordner, in den alle schreiben dürfen, und die Verknüpfung gehört einem anderen Benutzer, daher wird ihr nicht gefolgt</translation>
    </message>
    <message>
        <source>Reading the database "%1" stopped after %2 feeds, more than any reader keeps: its FEEDS table or view may be damaged or without end. Export from a copy of the reader's own database.</source>
        <translation>Das Lesen der Datenbank „%1“ wurde nach %2 Feeds beendet, mehr als ein Feedreader je enthält: Ihre Tabelle oder Sicht FEEDS ist womöglich beschädigt oder endlos. Exportieren Sie aus einer Kopie der eigenen Datenbank des Feedreaders.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is a disk device</source>
        <translation>es ist ein Laufwerk</translation>
    </message>
    <message>
        <source>it is a pipe that no program is reading from</source>
        <translation>es ist eine Pipe, aus der kein Programm liest</translation>
    </message>
    <message>
        <source>it is the reader's database or one of its files</source>
        <translation>es ist die Datenbank des Feedreaders oder eine ihrer Dateien</translation>
    </message>
    <message>
        <source>Filter feeds</source>
        <translation>Feeds filtern</translation>
    </message>
    <message>
        <source>Select Shown</source>
        <translation>Sichtbare auswählen</translation>
    </message>
    <message>
        <source>Deselect Shown</source>
        <translation>Sichtbare abwählen</translation>
    </message>
    <message>
        <source>Show in Files</source>
        <translation>Im Dateimanager anzeigen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>The file could not be shown</source>
        <translation>Die Datei konnte nicht angezeigt werden</translation>
    </message>
    <message>
        <source>No file manager answered, and no program is set to open folders. The file is in %1.</source>
        <translation>Kein Dateimanager hat geantwortet, und kein Programm ist zum Öffnen von Ordnern eingerichtet. Die Datei liegt in %1.</translation>
    </message>
    <message>
        <source>The file could not be opened</source>
        <translation>Die Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>No program is set to open OPML files. The file is in %1; open it from there with the feed reader of your choice.</source>
        <translation>Kein Programm ist zum Öffnen von OPML-Dateien eingerichtet. Die Datei liegt in %1; öffnen Sie sie von dort mit dem Feedreader Ihrer Wahl.</translation>
    </message>
    <message>
        <source>Untick Them</source>
        <translation>Abwählen</translation>
    </message>
    <message>
        <source>Addresses with a password or key: %1. A file you share gives them away.</source>
        <translation>Adressen mit Passwort oder Schlüssel: %1. Eine Datei, die Sie weitergeben, verrät sie.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>Compare with Another Reader's Export…</source>
        <translation>Mit dem Export eines anderen Feedreaders vergleichen…</translation>
    </message>
    <message>
        <source>Compare with Another Reader's Export</source>
        <translation>Mit dem Export eines anderen Feedreaders vergleichen</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>The export could not be compared</source>
        <translation>Der Export konnte nicht verglichen werden</translation>
    </message>
    <message>
        <source>"%1" could not be read: %2. Check the name and that you may read it.</source>
        <translation>„%1“ konnte nicht gelesen werden: %2. Prüfen Sie den Namen und ob Sie die Datei lesen dürfen.</translation>
    </message>
    <message>
        <source>"%1" is a folder. Choose the OPML file that the other reader exported.</source>
        <translation>„%1“ ist ein Ordner. Wählen Sie die OPML-Datei, die der andere Feedreader exportiert hat.</translation>
    </message>
    <message>
        <source>"%1" is a pipe, socket or device, not a file. Choose the OPML file that the other reader exported.</source>
        <translation>„%1“ ist eine Pipe, ein Socket oder ein Gerät, keine Datei. Wählen Sie die OPML-Datei, die der andere Feedreader exportiert hat.</translation>
    </message>
    <message>
        <source>"%1" is not well-formed XML at line %2, column %3 (%4), so it cannot be compared. Export it from the other reader again.</source>
        <translation>„%1“ ist in Zeile %2, Spalte %3 kein wohlgeformtes XML (%4) und kann daher nicht verglichen werden. Exportieren Sie die Datei im anderen Feedreader erneut.</translation>
    </message>
    <message>
        <source>"%1" is no OPML document: its outermost element is &lt;%2&gt;. Choose the OPML file that the other reader exported.</source>
        <translation>„%1“ ist kein OPML-Dokument: Sein äußerstes Element ist &lt;%2&gt;. Wählen Sie die OPML-Datei, die der andere Feedreader exportiert hat.</translation>
    </message>
    <message>
        <source>"%1" holds no feeds, so nothing can be compared. Check that it is the other reader's export of its subscriptions.</source>
        <translation>„%1“ enthält keine Feeds, daher gibt es nichts zu vergleichen. Prüfen Sie, ob es der Export der Abonnements des anderen Feedreaders ist.</translation>
    </message>
    <message>
        <source>Feeds that some readers cannot import: %1 (missing or repeated addresses, line breaks in titles, or repeated titles).</source>
        <translation>Feeds, die manche Feedreader nicht importieren können: %1 (fehlende oder doppelte Adressen, Zeilenumbrüche in Titeln oder doppelte Titel).</translation>
    </message>
    <message>
        <source>Tick at least one feed to export.</source>
        <translation>Wählen Sie mindestens einen Feed für den Export aus.</translation>
    </message>
    <message>
        <source>No feed matches “%1”.</source>
        <translation>Kein Feed passt zu „%1“.</translation>
    </message>
    <message>
        <source>All feeds are shown again.</source>
        <translation>Es werden wieder alle Feeds angezeigt.</translation>
    </message>
</context>
<context>
    <name>About</name>
    <message>
        <source>About Orvella Exporter</source>
        <translation>Über Orvella Exporter</translation>
    </message>
    <message>
        <source>Designed and engineered by Corvanex</source>
        <translation>Entworfen und entwickelt von Corvanex</translation>
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
        <translation>Hergestellt in der Ukraine</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Exportiert Ihre Orvella-Abonnements in eine OPML-Datei.</translation>
    </message>
</context>
</TS>
