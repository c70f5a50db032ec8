<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="en">
<context>
    <name>CXInterfaceString</name>
    <message>
        <source>Orvella cannot be open during export</source>
        <translation>Orvella cannot be open during export</translation>
    </message>
    <message>
        <source>Click Continue to quit Orvella. The application will open when the export is complete</source>
        <translation>Click Continue to quit Orvella. The application will open when the export is complete</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Export complete</source>
        <translation>Export complete</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Deselect All</translation>
    </message>
    <message>
        <source>My Feeds</source>
        <translation>My Feeds</translation>
    </message>
    <message>
        <source>Orvella has no subscriptions to export yet. Add feeds in Orvella, then open the exporter again.</source>
        <translation>Orvella has no subscriptions to export yet. Add feeds in Orvella, then open the exporter again.</translation>
    </message>
    <message>
        <source>Orvella could not be quit. Quit it yourself, then open the exporter again.</source>
        <translation>Orvella could not be quit. Quit it yourself, then open the exporter again.</translation>
    </message>
    <message>
        <source>The support page could not be opened. Visit it in your web browser instead.</source>
        <translation>The support page could not be opened. Visit it in your web browser instead.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Orvella Exporter…</source>
        <translation>About Orvella Exporter…</translation>
    </message>
    <message>
        <source>Orvella Support</source>
        <translation>Orvella Support</translation>
    </message>
    <message>
        <source>Export Subscriptions</source>
        <translation>Export Subscriptions</translation>
    </message>
    <message>
        <source>Tick the feeds to include in the OPML file.</source>
        <translation>Tick the feeds to include in the OPML file.</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>No readable Orvella database was found at %1. Open Orvella once so that it creates its database, then open the exporter again.</source>
        <translation>No readable Orvella database was found at %1. Open Orvella once so that it creates its database, then open the exporter again.</translation>
    </message>
    <message>
        <source>Reading feeds…</source>
        <translation>Reading feeds…</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Try Again</translation>
    </message>
    <message>
        <source>This list is incomplete. %1</source>
        <translation>This list is incomplete. %1</translation>
    </message>
    <message>
        <source>There is no database file at “%1”. Check the path given with --database, then start the exporter again.</source>
        <translation>There is no database file at “%1”. Check the path given with --database, then start the exporter again.</translation>
    </message>
    <message>
        <source>Export an incomplete list?</source>
        <translation>Export an incomplete list?</translation>
    </message>
    <message>
        <source>Only the feeds in the list can be exported; those that could not be read will be missing from the file.</source>
        <translation>Only the feeds in the list can be exported; those that could not be read will be missing from the file.</translation>
    </message>
    <message>
        <source>Export Anyway</source>
        <translation>Export Anyway</translation>
    </message>
    <message>
        <source>Export Feeds</source>
        <translation>Export Feeds</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 already exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>OPML files</source>
        <translation>OPML files</translation>
    </message>
    <message>
        <source>OPML 2.0 files</source>
        <translation>OPML 2.0 files</translation>
    </message>
    <message>
        <source>Make titles safe for any reader</source>
        <translation>Make titles safe for any reader</translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 selected</source>
        <translation>
            <numerusform>%Ln of %1 selected</numerusform>
            <numerusform>%Ln of %1 selected</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln shown</source>
        <translation>
            <numerusform>, %Ln shown</numerusform>
            <numerusform>, %Ln shown</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>None of the %Ln feeds is missing from %1.</source>
        <translation>
            <numerusform>The one feed is not missing from %1.</numerusform>
            <numerusform>None of the %Ln feeds is missing from %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 feeds are missing from %2; they are ticked, to be exported and imported again.</source>
        <translation>
            <numerusform>%Ln of %1 feeds is missing from %2; it is ticked, to be exported and imported again.</numerusform>
            <numerusform>%Ln of %1 feeds are missing from %2; they are ticked, to be exported and imported again.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln feeds written to %1 and checked.</source>
        <translation>
            <numerusform>One feed written to %1 and checked.</numerusform>
            <numerusform>%Ln feeds written to %1 and checked.</numerusform>
        </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation>Feeds</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>The export could not be saved</source>
        <translation>The export could not be saved</translation>
    </message>
    <message>
        <source>Saved as “%1” in</source>
        <translation>Saved as “%1” in</translation>
    </message>
    <message>
        <source>%1 of the feeds' texts held bytes that are not valid UTF-8; each such sequence is shown and exported as the character �.</source>
        <translation>%1 of the feeds' texts held bytes that are not valid UTF-8; each such sequence is shown and exported as the character �.</translation>
    </message>
    <message>
        <source>close button</source>
        <translation>close button</translation>
    </message>
    <message>
        <source>"%1" is a folder, not a database file. Name the Feeds file itself.</source>
        <translation>"%1" is a folder, not a database file. Name the Feeds file itself.</translation>
    </message>
    <message>
        <source>There is no database file at "%1". Check the path, or start Orvella once so that it creates its database.</source>
        <translation>There is no database file at "%1". Check the path, or start Orvella once so that it creates its database.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened: permission denied. Make the file readable for your user and try again.</source>
        <translation>The database "%1" cannot be opened: permission denied. Make the file readable for your user and try again.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened because too many files are open (%2). Close other programs, or raise the limit on open files, and try again.</source>
        <translation>The database "%1" cannot be opened because too many files are open (%2). Close other programs, or raise the limit on open files, and try again.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened (%2). Check the file and try again.</source>
        <translation>The database "%1" cannot be opened (%2). Check the file and try again.</translation>
    </message>
    <message>
        <source>The database "%1" is locked by another program (%2). Quit Orvella, or wait until it has finished writing, and try again.</source>
        <translation>The database "%1" is locked by another program (%2). Quit Orvella, or wait until it has finished writing, and try again.</translation>
    </message>
    <message>
        <source>"%1" is not an SQLite database (%2). Name the reader's Feeds database file.</source>
        <translation>"%1" is not an SQLite database (%2). Name the reader's Feeds database file.</translation>
    </message>
    <message>
        <source>The database "%1" is damaged (%2). Let Orvella repair it, or export from a backup copy.</source>
        <translation>The database "%1" is damaged (%2). Let Orvella repair it, or export from a backup copy.</translation>
    </message>
    <message>
        <source>The database "%1" has no FEEDS table with the columns FEED_URL, FEED_TITLE, CHANNEL_TYPE and INTERNAL_LINK (%2). Name the reader's Feeds database file.</source>
        <translation>The database "%1" has no FEEDS table with the columns FEED_URL, FEED_TITLE, CHANNEL_TYPE and INTERNAL_LINK (%2). Name the reader's Feeds database file.</translation>
    </message>
    <message>
        <source>The FEEDS view of the database "%1" calls a function that SQLite refuses to run from a database file (%2). Export from the reader's own Feeds database, or from a copy without that view.</source>
        <translation>The FEEDS view of the database "%1" calls a function that SQLite refuses to run from a database file (%2). Export from the reader's own Feeds database, or from a copy without that view.</translation>
    </message>
    <message>
        <source>The FEEDS table or view of the database "%1" cannot be queried (%2). Export from the reader's own Feeds database, or let Orvella repair it.</source>
        <translation>The FEEDS table or view of the database "%1" cannot be queried (%2). Export from the reader's own Feeds database, or let Orvella repair it.</translation>
    </message>
    <message numerus="yes">
        <source>Reading the database &quot;%1&quot; was stopped after %Ln feeds.</source>
        <translation>
            <numerusform>Reading the database &quot;%1&quot; was stopped after %Ln feed.</numerusform>
            <numerusform>Reading the database &quot;%1&quot; was stopped after %Ln feeds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The database &quot;%1&quot; is damaged: reading stopped after %Ln feeds (%2). Let Orvella repair it, or export from a backup copy.</source>
        <translation>
            <numerusform>The database &quot;%1&quot; is damaged: reading stopped after %Ln feed (%2). Let Orvella repair it, or export from a backup copy.</numerusform>
            <numerusform>The database &quot;%1&quot; is damaged: reading stopped after %Ln feeds (%2). Let Orvella repair it, or export from a backup copy.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reading the database &quot;%1&quot; stopped after %Ln feeds (%2). Check the file and try again.</source>
        <translation>
            <numerusform>Reading the database &quot;%1&quot; stopped after %Ln feed (%2). Check the file and try again.</numerusform>
            <numerusform>Reading the database &quot;%1&quot; stopped after %Ln feeds (%2). Check the file and try again.</numerusform>
        </translation>
    </message>
    <message>
        <source>The database "%1" cannot be read (%2). Check the file and try again.</source>
        <translation>The database "%1" cannot be read (%2). Check the file and try again.</translation>
    </message>
    <message>
        <source>"%1" is not a database file but a pipe, socket or device. Name the Feeds database file itself.</source>
        <translation>"%1" is not a database file but a pipe, socket or device. Name the Feeds database file itself.</translation>
    </message>
    <message>
        <source>No database file was named. Name the Feeds database file.</source>
        <translation>No database file was named. Name the Feeds database file.</translation>
    </message>
    <message>
        <source>The database "%1" changed while it was read. Try again.</source>
        <translation>The database "%1" changed while it was read. Try again.</translation>
    </message>
    <message>
        <source>The database "%1" was left unfinished by a program that stopped, and no private copy of it could be made in the temporary folder "%2" to read it. Make room there, or set TMPDIR to a folder with room, and try again.</source>
        <translation>The database "%1" was left unfinished by a program that stopped, and no private copy of it could be made in the temporary folder "%2" to read it. Make room there, or set TMPDIR to a folder with room, and try again.</translation>
    </message>
    <message>
        <source>No reader database: the application-group folder cannot be located because HOME is not an absolute path ("%1") and XDG_DATA_HOME is not set to one either. Set HOME to your home folder, or name the database file with --database.</source>
        <translation>No reader database: the application-group folder cannot be located because HOME is not an absolute path ("%1") and XDG_DATA_HOME is not set to one either. Set HOME to your home folder, or name the database file with --database.</translation>
    </message>
    <message>
        <source>No reader database: the application-group folder cannot be located because neither XDG_DATA_HOME nor HOME is set. Name the database file with --database.</source>
        <translation>No reader database: the application-group folder cannot be located because neither XDG_DATA_HOME nor HOME is set. Name the database file with --database.</translation>
    </message>
    <message>
        <source>There was not enough memory to read the feeds. Close other programs and try again.</source>
        <translation>There was not enough memory to read the feeds. Close other programs and try again.</translation>
    </message>
    <message>
        <source>There is no temporary folder to write to: TMPDIR names "%1", which is not a folder you may write to, and neither is /tmp. Set TMPDIR to such a folder and try again.</source>
        <translation>There is no temporary folder to write to: TMPDIR names "%1", which is not a folder you may write to, and neither is /tmp. Set TMPDIR to such a folder and try again.</translation>
    </message>
    <message>
        <source>There is no temporary folder to write to: /tmp is not a folder you may write to. Set TMPDIR to such a folder and try again.</source>
        <translation>There is no temporary folder to write to: /tmp is not a folder you may write to. Set TMPDIR to such a folder and try again.</translation>
    </message>
    <message>
        <source>Could not save "%1": %2. Choose another file name for the export.</source>
        <translation>Could not save "%1": %2. Choose another file name for the export.</translation>
    </message>
    <message>
        <source>Could not save "%1": the file is write-protected (%2). Choose another file name, or make the file writable first if it is meant to be replaced.</source>
        <translation>Could not save "%1": the file is write-protected (%2). Choose another file name, or make the file writable first if it is meant to be replaced.</translation>
    </message>
    <message>
        <source>Could not save "%1": %2. Choose a folder you may write to that has room for the file, and try again.</source>
        <translation>Could not save "%1": %2. Choose a folder you may write to that has room for the file, and try again.</translation>
    </message>
    <message>
        <source>Could not save the file: no file name was given. Choose a file name and try again.</source>
        <translation>Could not save the file: no file name was given. Choose a file name and try again.</translation>
    </message>
    <message>
        <source>the file may not be replaced</source>
        <translation>the file may not be replaced</translation>
    </message>
    <message>
        <source>no one may write to it</source>
        <translation>no one may write to it</translation>
    </message>
    <message>
        <source>you may not write to it</source>
        <translation>you may not write to it</translation>
    </message>
    <message>
        <source>it is a link in a folder that everyone may write to, and it belongs to another user, so it is not followed</source>
        <translation>it is a link in a folder that everyone may write to, and it belongs to another user, so it is not followed</translation>
    </message>
    <message>
        <source>a folder on its way is a link in a folder that everyone may write to, and the link belongs to another user, so it is not followed</source>
        <translation>a folder on its way is a link in a folder that everyone may write to, and the link belongs to another user, so it is not followed</translation>
    </message>
    <message>
        <source>Reading the database "%1" stopped after %2 feeds, more than any reader keeps: its FEEDS table or view may be damaged or without end. Export from a copy of the reader's own database.</source>
        <translation>Reading the database "%1" stopped after %2 feeds, more than any reader keeps: its FEEDS table or view may be damaged or without end. Export from a copy of the reader's own database.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>it is a disk device</source>
        <translation>it is a disk device</translation>
    </message>
    <message>
        <source>it is a pipe that no program is reading from</source>
        <translation>it is a pipe that no program is reading from</translation>
    </message>
    <message>
        <source>it is the reader's database or one of its files</source>
        <translation>it is the reader's database or one of its files</translation>
    </message>
    <message>
        <source>Filter feeds</source>
        <translation>Filter feeds</translation>
    </message>
    <message>
        <source>Select Shown</source>
        <translation>Select Shown</translation>
    </message>
    <message>
        <source>Deselect Shown</source>
        <translation>Deselect Shown</translation>
    </message>
    <message>
        <source>Show in Files</source>
        <translation>Show in Files</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>The file could not be shown</source>
        <translation>The file could not be shown</translation>
    </message>
    <message>
        <source>No file manager answered, and no program is set to open folders. The file is in %1.</source>
        <translation>No file manager answered, and no program is set to open folders. The file is in %1.</translation>
    </message>
    <message>
        <source>The file could not be opened</source>
        <translation>The file could not be opened</translation>
    </message>
    <message>
        <source>No program is set to open OPML files. The file is in %1; open it from there with the feed reader of your choice.</source>
        <translation>No program is set to open OPML files. The file is in %1; open it from there with the feed reader of your choice.</translation>
    </message>
    <message>
        <source>Untick Them</source>
        <translation>Untick Them</translation>
    </message>
    <message>
        <source>Addresses with a password or key: %1. A file you share gives them away.</source>
        <translation>Addresses with a password or key: %1. A file you share gives them away.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Compare with Another Reader's Export…</source>
        <translation>Compare with Another Reader's Export…</translation>
    </message>
    <message>
        <source>Compare with Another Reader's Export</source>
        <translation>Compare with Another Reader's Export</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>All files</translation>
    </message>
    <message>
        <source>The export could not be compared</source>
        <translation>The export could not be compared</translation>
    </message>
    <message>
        <source>"%1" could not be read: %2. Check the name and that you may read it.</source>
        <translation>"%1" could not be read: %2. Check the name and that you may read it.</translation>
    </message>
    <message>
        <source>"%1" is a folder. Choose the OPML file that the other reader exported.</source>
        <translation>"%1" is a folder. Choose the OPML file that the other reader exported.</translation>
    </message>
    <message>
        <source>"%1" is a pipe, socket or device, not a file. Choose the OPML file that the other reader exported.</source>
        <translation>"%1" is a pipe, socket or device, not a file. Choose the OPML file that the other reader exported.</translation>
    </message>
    <message>
        <source>"%1" is not well-formed XML at line %2, column %3 (%4), so it cannot be compared. Export it from the other reader again.</source>
        <translation>"%1" is not well-formed XML at line %2, column %3 (%4), so it cannot be compared. Export it from the other reader again.</translation>
    </message>
    <message>
        <source>"%1" is no OPML document: its outermost element is &lt;%2&gt;. Choose the OPML file that the other reader exported.</source>
        <translation>"%1" is no OPML document: its outermost element is &lt;%2&gt;. Choose the OPML file that the other reader exported.</translation>
    </message>
    <message>
        <source>"%1" holds no feeds, so nothing can be compared. Check that it is the other reader's export of its subscriptions.</source>
        <translation>"%1" holds no feeds, so nothing can be compared. Check that it is the other reader's export of its subscriptions.</translation>
    </message>
    <message>
        <source>Feeds that some readers cannot import: %1 (missing or repeated addresses, line breaks in titles, or repeated titles).</source>
        <translation>Feeds that some readers cannot import: %1 (missing or repeated addresses, line breaks in titles, or repeated titles).</translation>
    </message>
    <message>
        <source>Tick at least one feed to export.</source>
        <translation>Tick at least one feed to export.</translation>
    </message>
    <message>
        <source>No feed matches “%1”.</source>
        <translation>No feed matches “%1”.</translation>
    </message>
    <message>
        <source>All feeds are shown again.</source>
        <translation>All feeds are shown again.</translation>
    </message>
</context>
<context>
    <name>About</name>
    <message>
        <source>About Orvella Exporter</source>
        <translation>About Orvella Exporter</translation>
    </message>
    <message>
        <source>Designed and engineered by Corvanex</source>
        <translation>Designed and engineered by Corvanex</translation>
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
        <translation>Made in Ukraine</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>All rights reserved.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Exports your Orvella subscriptions to an OPML file.</translation>
    </message>
</context>
</TS>
