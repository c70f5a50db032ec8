<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CXInterfaceString</name>
    <message>
        <source>Orvella cannot be open during export</source>
        <translation>Orvella non può restare aperto durante l’esportazione</translation>
    </message>
    <message>
        <source>Click Continue to quit Orvella. The application will open when the export is complete</source>
        <translation>Fai clic su Continua per chiudere Orvella. L’applicazione si riaprirà al termine dell’esportazione</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Export complete</source>
        <translation>Esportazione completata</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message>
        <source>My Feeds</source>
        <translation>I miei feed</translation>
    </message>
    <message>
        <source>Orvella has no subscriptions to export yet. Add feeds in Orvella, then open the exporter again.</source>
        <translation>Orvella non ha ancora iscrizioni da esportare. Aggiungi dei feed in Orvella, poi riapri l’esportatore.</translation>
    </message>
    <message>
        <source>Orvella could not be quit. Quit it yourself, then open the exporter again.</source>
        <translation>Impossibile chiudere Orvella. Chiudilo manualmente, poi riapri l’esportatore.</translation>
    </message>
    <message>
        <source>The support page could not be opened. Visit it in your web browser instead.</source>
        <translation>Impossibile aprire la pagina di assistenza. Visitala dal tuo browser web.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Orvella Exporter…</source>
        <translation>Informazioni su Orvella Exporter…</translation>
    </message>
    <message>
        <source>Orvella Support</source>
        <translation>Assistenza Orvella</translation>
    </message>
    <message>
        <source>Export Subscriptions</source>
        <translation>Esporta iscrizioni</translation>
    </message>
    <message>
        <source>Tick the feeds to include in the OPML file.</source>
        <translation>Spunta i feed da includere nel file OPML.</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Esporta…</translation>
    </message>
    <message>
        <source>No readable Orvella database was found at %1. Open Orvella once so that it creates its database, then open the exporter again.</source>
        <translation>Nessun database di Orvella leggibile in %1. Apri Orvella una volta perché crei il suo database, poi riapri l’esportatore.</translation>
    </message>
    <message>
        <source>Reading feeds…</source>
        <translation>Lettura dei feed…</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>This list is incomplete. %1</source>
        <translation>Questo elenco è incompleto. %1</translation>
    </message>
    <message>
        <source>There is no database file at “%1”. Check the path given with --database, then start the exporter again.</source>
        <translation>Non esiste alcun file di database in «%1». Controlla il percorso indicato con --database, poi riavvia l’esportatore.</translation>
    </message>
    <message>
        <source>Export an incomplete list?</source>
        <translation>Esportare un elenco incompleto?</translation>
    </message>
    <message>
        <source>Only the feeds in the list can be exported; those that could not be read will be missing from the file.</source>
        <translation>Si possono esportare solo i feed dell’elenco; quelli che non è stato possibile leggere mancheranno nel file.</translation>
    </message>
    <message>
        <source>Export Anyway</source>
        <translation>Esporta comunque</translation>
    </message>
    <message>
        <source>Export Feeds</source>
        <translation>Esporta feed</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 esiste già. Vuoi sostituirlo?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>OPML files</source>
        <translation>File OPML</translation>
    </message>
    <message>
        <source>OPML 2.0 files</source>
        <translation>File OPML 2.0</translation>
    </message>
    <message>
        <source>Make titles safe for any reader</source>
        <translation>Rendi i titoli adatti a qualsiasi lettore di feed</translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 selected</source>
        <translation>
            <numerusform>%Ln di %1 selezionato</numerusform>
            <numerusform>%Ln di %1 selezionati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln shown</source>
        <translation>
            <numerusform>, %Ln mostrato</numerusform>
            <numerusform>, %Ln mostrati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>None of the %Ln feeds is missing from %1.</source>
        <translation>
            <numerusform>L’unico feed non manca in %1.</numerusform>
            <numerusform>Nessuno dei %Ln feed manca in %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 feeds are missing from %2; they are ticked, to be exported and imported again.</source>
        <translation>
            <numerusform>Manca %Ln feed su %1 in %2; è spuntato, per esportarlo e importarlo di nuovo.</numerusform>
            <numerusform>Mancano %Ln feed su %1 in %2; sono spuntati, per esportarli e importarli di nuovo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln feeds written to %1 and checked.</source>
        <translation>
            <numerusform>Un feed scritto in %1 e verificato.</numerusform>
            <numerusform>%Ln feed scritti in %1 e verificati.</numerusform>
        </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation>Feed</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>The export could not be saved</source>
        <translation>Impossibile salvare l’esportazione</translation>
    </message>
    <message>
        <source>Saved as “%1” in</source>
        <translation>Salvato come «%1» in</translation>
    </message>
    <message>
        <source>%1 of the feeds' texts held bytes that are not valid UTF-8; each such sequence is shown and exported as the character �.</source>
        <translation>%1 testi dei feed contenevano byte non validi in UTF-8; ciascuna di queste sequenze viene mostrata ed esportata come il carattere �.</translation>
    </message>
    <message>
        <source>close button</source>
        <translation>pulsante di chiusura</translation>
    </message>
    <message>
        <source>"%1" is a folder, not a database file. Name the Feeds file itself.</source>
        <translation>«%1» è una cartella, non un file di database. Indica il file Feeds vero e proprio.</translation>
    </message>
    <message>
        <source>There is no database file at "%1". Check the path, or start Orvella once so that it creates its database.</source>
        <translation>Non esiste alcun file di database in «%1». Controlla il percorso, oppure avvia Orvella una volta perché crei il suo database.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened: permission denied. Make the file readable for your user and try again.</source>
        <translation>Impossibile aprire il database «%1»: permesso negato. Rendi il file leggibile per il tuo utente e riprova.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened because too many files are open (%2). Close other programs, or raise the limit on open files, and try again.</source>
        <translation>Impossibile aprire il database «%1» perché ci sono troppi file aperti (%2). Chiudi altri programmi, oppure alza il limite di file aperti, e riprova.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened (%2). Check the file and try again.</source>
        <translation>Impossibile aprire il database «%1» (%2). Controlla il file e riprova.</translation>
    </message>
    <message>
        <source>The database "%1" is locked by another program (%2). Quit Orvella, or wait until it has finished writing, and try again.</source>
        <translation>Il database «%1» è bloccato da un altro programma (%2). Chiudi Orvella, oppure attendi che finisca di scrivere, e riprova.</translation>
    </message>
    <message>
        <source>"%1" is not an SQLite database (%2). Name the reader's Feeds database file.</source>
        <translation>«%1» non è un database SQLite (%2). Indica il file di database Feeds del lettore.</translation>
    </message>
    <message>
        <source>The database "%1" is damaged (%2). Let Orvella repair it, or export from a backup copy.</source>
        <translation>Il database «%1» è danneggiato (%2). Lascia che Orvella lo ripari, oppure esporta da una copia di backup.</translation>
    </message>
    <message>
        <source>The database "%1" has no FEEDS table with the columns FEED_URL, FEED_TITLE, CHANNEL_TYPE and INTERNAL_LINK (%2). Name the reader's Feeds database file.</source>
        <translation>Il database «%1» non ha una tabella FEEDS con le colonne FEED_URL, FEED_TITLE, CHANNEL_TYPE e INTERNAL_LINK (%2). Indica il file di database Feeds del lettore.</translation>
    </message>
    <message>
        <source>The FEEDS view of the database "%1" calls a function that SQLite refuses to run from a database file (%2). Export from the reader's own Feeds database, or from a copy without that view.</source>
        <translation>La vista FEEDS del database «%1» chiama una funzione che SQLite si rifiuta di eseguire da un file di database (%2). Esporta dal database Feeds del lettore stesso, oppure da una copia senza quella vista.</translation>
    </message>
    <message>
        <source>The FEEDS table or view of the database "%1" cannot be queried (%2). Export from the reader's own Feeds database, or let Orvella repair it.</source>
        <translation>Impossibile interrogare la tabella o la vista FEEDS del database «%1» (%2). Esporta dal database Feeds del lettore stesso, oppure lascia che Orvella lo ripari.</translation>
    </message>
    <message numerus="yes">
        <source>Reading the database &quot;%1&quot; was stopped after %Ln feeds.</source>
        <translation>
            <numerusform>La lettura del database «%1» è stata interrotta dopo %Ln feed.</numerusform>
            <numerusform>La lettura del database «%1» è stata interrotta dopo %Ln feed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The database &quot;%1&quot; is damaged: reading stopped after %Ln feeds (%2). Let Orvella repair it, or export from a backup copy.</source>
        <translation>
            <numerusform>Il database «%1» è danneggiato: la lettura si è fermata dopo %Ln feed (%2). Lascia che Orvella lo ripari, oppure esporta da una copia di backup.</numerusform>
            <numerusform>Il database «%1» è danneggiato: la lettura si è fermata dopo %Ln feed (%2). Lascia che Orvella lo ripari, oppure esporta da una copia di backup.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reading the database &quot;%1&quot; stopped after %Ln feeds (%2). Check the file and try again.</source>
        <translation>
            <numerusform>La lettura del database «%1» si è fermata dopo %Ln feed (%2). Controlla il file e riprova.</numerusform>
            <numerusform>La lettura del database «%1» si è fermata dopo %Ln feed (%2). Controlla il file e riprova.</numerusform>
        </translation>
    </message>
    <message>
        <source>The database "%1" cannot be read (%2). Check the file and try again.</source>
        <translation>Impossibile leggere il database «%1» (%2). Controlla il file e riprova.</translation>
    </message>
    <message>
        <source>"%1" is not a database file but a pipe, socket or device. Name the Feeds database file itself.</source>
        <translation>«%1» non è un file di database ma una pipe, un socket o un dispositivo. Indica il file di database Feeds vero e proprio.</translation>
    </message>
    <message>
        <source>No database file was named. Name the Feeds database file.</source>
        <translation>Non è stato indicato alcun file di database. Indica il file di database Feeds.</translation>
    </message>
    <message>
        <source>The database "%1" changed while it was read. Try again.</source>
        <translation>Il database «%1» è cambiato durante la lettura. Riprova.</translation>
    </message>
    <message>
        <source>The database "%1" was left unfinished by a program that stopped, and no private copy of it could be made in the temporary folder "%2" to read it. Make room there, or set TMPDIR to a folder with room, and try again.</source>
        <translation>Il database «%1» è stato lasciato incompleto da un programma che si è interrotto, e non è stato possibile crearne una copia privata da leggere nella cartella temporanea «%2». Libera spazio lì, oppure imposta TMPDIR su una cartella con spazio sufficiente, e riprova.</translation>
    </message>
    <message>
        <source>No reader database: the application-group folder cannot be located because HOME is not an absolute path ("%1") and XDG_DATA_HOME is not set to one either. Set HOME to your home folder, or name the database file with --database.</source>
        <translation>Nessun database del lettore: impossibile trovare la cartella del gruppo di applicazioni perché HOME non è un percorso assoluto («%1») e nemmeno XDG_DATA_HOME ne indica uno. Imposta HOME sulla tua cartella personale, oppure indica il file di database con --database.</translation>
    </message>
    <message>
        <source>No reader database: the application-group folder cannot be located because neither XDG_DATA_HOME nor HOME is set. Name the database file with --database.</source>
        <translation>Nessun database del lettore: impossibile trovare la cartella del gruppo di applicazioni perché non sono impostati né XDG_DATA_HOME né HOME. Indica il file di database con --database.</translation>
    </message>
    <message>
        <source>There was not enough memory to read the feeds. Close other programs and try again.</source>
        <translation>La memoria non era sufficiente per leggere i feed. Chiudi altri programmi e riprova.</translation>
    </message>
    <message>
        <source>There is no temporary folder to write to: TMPDIR names "%1", which is not a folder you may write to, and neither is /tmp. Set TMPDIR to such a folder and try again.</source>
        <translation>Nessuna cartella temporanea in cui scrivere: TMPDIR indica «%1», una cartella in cui non puoi scrivere, e nemmeno /tmp lo è. Imposta TMPDIR su una cartella del genere e riprova.</translation>
    </message>
    <message>
        <source>There is no temporary folder to write to: /tmp is not a folder you may write to. Set TMPDIR to such a folder and try again.</source>
        <translation>Nessuna cartella temporanea in cui scrivere: non puoi scrivere in /tmp. Imposta TMPDIR su una cartella in cui puoi scrivere e riprova.</translation>
    </message>
    <message>
        <source>Could not save "%1": %2. Choose another file name for the export.</source>
        <translation>Impossibile salvare «%1»: %2. Scegli un altro nome di file per l’esportazione.</translation>
    </message>
    <message>
        <source>Could not save "%1": the file is write-protected (%2). Choose another file name, or make the file writable first if it is meant to be replaced.</source>
        <translation>Impossibile salvare «%1»: il file è protetto da scrittura (%2). Scegli un altro nome di file, oppure rendi prima il file scrivibile se deve essere sostituito.</translation>
    </message>
    <message>
        <source>Could not save "%1": %2. Choose a folder you may write to that has room for the file, and try again.</source>
        <translation>Impossibile salvare «%1»: %2. Scegli una cartella in cui puoi scrivere e che abbia spazio per il file, e riprova.</translation>
    </message>
    <message>
        <source>Could not save the file: no file name was given. Choose a file name and try again.</source>
        <translation>Impossibile salvare il file: non è stato indicato alcun nome. Scegli un nome di file e riprova.</translation>
    </message>
    <message>
        <source>the file may not be replaced</source>
        <translation>il file non può essere sostituito</translation>
    </message>
    <message>
        <source>no one may write to it</source>
        <translation>nessuno può scriverci</translation>
    </message>
    <message>
        <source>you may not write to it</source>
        <translation>non hai il permesso di scriverci</translation>
    </message>
    <message>
        <source>it is a link in a folder that everyone may write to, and it belongs to another user, so it is not followed</source>
        <translation>è un collegamento in una cartella in cui tutti possono scrivere e appartiene a un altro utente, quindi non viene seguito</translation>
    </message>
    <message>
        <source>a folder on its way is a link in a folder that everyone may write to, and the link belongs to another user, so it is not followed</source>
        <translation>una cartella del percorso è un collegamento in una cartella in cui tutti possono scrivere, e il collegamento appartiene a un altro utente, quindi non viene seguito</translation>
    </message>
    <message>
        <source>Reading the database "%1" stopped after %2 feeds, more than any reader keeps: its FEEDS table or view may be damaged or without end. Export from a copy of the reader's own database.</source>
        <translation>La lettura del database «%1» si è fermata dopo %2 feed, più di quanti ne contenga qualsiasi lettore: la sua tabella o vista FEEDS potrebbe essere danneggiata o senza fine. Esporta da una copia del database del lettore stesso.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>it is a disk device</source>
        <translation>è un dispositivo a blocchi</translation>
    </message>
    <message>
        <source>it is a pipe that no program is reading from</source>
        <translation>è una pipe da cui nessun programma sta leggendo</translation>
    </message>
    <message>
        <source>it is the reader's database or one of its files</source>
        <translation>è il database del lettore o uno dei suoi file</translation>
    </message>
    <message>
        <source>Filter feeds</source>
        <translation>Filtra i feed</translation>
    </message>
    <message>
        <source>Select Shown</source>
        <translation>Seleziona visibili</translation>
    </message>
    <message>
        <source>Deselect Shown</source>
        <translation>Deseleziona visibili</translation>
    </message>
    <message>
        <source>Show in Files</source>
        <translation>Mostra nel gestore file</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>The file could not be shown</source>
        <translation>Impossibile mostrare il file</translation>
    </message>
    <message>
        <source>No file manager answered, and no program is set to open folders. The file is in %1.</source>
        <translation>Nessun gestore file ha risposto e nessun programma è impostato per aprire le cartelle. Il file si trova in %1.</translation>
    </message>
    <message>
        <source>The file could not be opened</source>
        <translation>Impossibile aprire il file</translation>
    </message>
    <message>
        <source>No program is set to open OPML files. The file is in %1; open it from there with the feed reader of your choice.</source>
        <translation>Nessun programma è impostato per aprire i file OPML. Il file si trova in %1; aprilo da lì con il lettore di feed che preferisci.</translation>
    </message>
    <message>
        <source>Untick Them</source>
        <translation>Deselezionali</translation>
    </message>
    <message>
        <source>Addresses with a password or key: %1. A file you share gives them away.</source>
        <translation>Indirizzi con password o chiave: %1. Un file che condividi li rivela.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>Compare with Another Reader's Export…</source>
        <translation>Confronta con l’esportazione di un altro lettore…</translation>
    </message>
    <message>
        <source>Compare with Another Reader's Export</source>
        <translation>Confronta con l’esportazione di un altro lettore</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>The export could not be compared</source>
        <translation>Impossibile confrontare l’esportazione</translation>
    </message>
    <message>
        <source>"%1" could not be read: %2. Check the name and that you may read it.</source>
        <translation>Impossibile leggere «%1»: %2. Controlla il nome e di avere il permesso di leggerlo.</translation>
    </message>
    <message>
        <source>"%1" is a folder. Choose the OPML file that the other reader exported.</source>
        <translation>«%1» è una cartella. Scegli il file OPML esportato dall’altro lettore.</translation>
    </message>
    <message>
        <source>"%1" is a pipe, socket or device, not a file. Choose the OPML file that the other reader exported.</source>
        <translation>«%1» è una pipe, un socket o un dispositivo, non un file. Scegli il file OPML esportato dall’altro lettore.</translation>
    </message>
    <message>
        <source>"%1" is not well-formed XML at line %2, column %3 (%4), so it cannot be compared. Export it from the other reader again.</source>
        <translation>«%1» non è XML ben formato alla riga %2, colonna %3 (%4), quindi non può essere confrontato. Esportalo di nuovo dall’altro lettore.</translation>
    </message>
    <message>
        <source>"%1" is no OPML document: its outermost element is &lt;%2&gt;. Choose the OPML file that the other reader exported.</source>
        <translation>«%1» non è un documento OPML: il suo elemento più esterno è &lt;%2&gt;. Scegli il file OPML esportato dall’altro lettore.</translation>
    </message>
    <message>
        <source>"%1" holds no feeds, so nothing can be compared. Check that it is the other reader's export of its subscriptions.</source>
        <translation>«%1» non contiene feed, quindi non c’è niente da confrontare. Controlla che sia l’esportazione delle iscrizioni dell’altro lettore.</translation>
    </message>
    <message>
        <source>Feeds that some readers cannot import: %1 (missing or repeated addresses, line breaks in titles, or repeated titles).</source>
        <translation>Feed che alcuni lettori non riescono a importare: %1 (indirizzi mancanti o ripetuti, a capo nei titoli o titoli ripetuti).</translation>
    </message>
    <message>
        <source>Tick at least one feed to export.</source>
        <translation>Spunta almeno un feed da esportare.</translation>
    </message>
    <message>
        <source>No feed matches “%1”.</source>
        <translation>Nessun feed corrisponde a «%1».</translation>
    </message>
    <message>
        <source>All feeds are shown again.</source>
        <translation>Tutti i feed sono di nuovo visibili.</translation>
    </message>
</context>
<context>
    <name>About</name>
    <message>
        <source>About Orvella Exporter</source>
        <translation>Informazioni su Orvella Exporter</translation>
    </message>
    <message>
        <source>Designed and engineered by Corvanex</source>
        <translation>Progettato e sviluppato da Corvanex</translation>
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
        <translation>Prodotto in Ucraina</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione %1 (%2)</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Esporta le tue iscrizioni di Orvella in un file OPML.</translation>
    </message>
</context>
</TS>
