<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CXInterfaceString</name>
    <message>
        <source>Orvella cannot be open during export</source>
        <translation>Orvella ne doit pas être ouvert pendant l’exportation</translation>
    </message>
    <message>
        <source>Click Continue to quit Orvella. The application will open when the export is complete</source>
        <translation>Cliquez sur Continuer pour quitter Orvella. L’application se rouvrira une fois l’exportation terminée</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Export complete</source>
        <translation>Exportation terminée</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Tout désélectionner</translation>
    </message>
    <message>
        <source>My Feeds</source>
        <translation>Mes flux</translation>
    </message>
    <message>
        <source>Orvella has no subscriptions to export yet. Add feeds in Orvella, then open the exporter again.</source>
        <translation>Orvella n’a pas encore d’abonnements à exporter. Ajoutez des flux dans Orvella, puis rouvrez l’outil d’exportation.</translation>
    </message>
    <message>
        <source>Orvella could not be quit. Quit it yourself, then open the exporter again.</source>
        <translation>Impossible de quitter Orvella. Quittez-le vous-même, puis rouvrez l’outil d’exportation.</translation>
    </message>
    <message>
        <source>The support page could not be opened. Visit it in your web browser instead.</source>
        <translation>Impossible d’ouvrir la page d’assistance. Consultez-la plutôt dans votre navigateur web.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Orvella Exporter…</source>
        <translation>À propos d’Orvella Exporter…</translation>
    </message>
    <message>
        <source>Orvella Support</source>
        <translation>Assistance Orvella</translation>
    </message>
    <message>
        <source>Export Subscriptions</source>
        <translation>Exporter les abonnements</translation>
    </message>
    <message>
        <source>Tick the feeds to include in the OPML file.</source>
        <translation>Cochez les flux à inclure dans le fichier OPML.</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>No readable Orvella database was found at %1. Open Orvella once so that it creates its database, then open the exporter again.</source>
        <translation>Aucune base de données Orvella lisible n’a été trouvée à l’emplacement %1. Ouvrez Orvella une fois pour qu’il crée sa base de données, puis rouvrez l’outil d’exportation.</translation>
    </message>
    <message>
        <source>Reading feeds…</source>
        <translation>Lecture des flux…</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>This list is incomplete. %1</source>
        <translation>Cette liste est incomplète. %1</translation>
    </message>
    <message>
        <source>There is no database file at “%1”. Check the path given with --database, then start the exporter again.</source>
        <translation>Il n’y a aucun fichier de base de données à l’emplacement « %1 ». Vérifiez le chemin indiqué avec --database, puis relancez l’outil d’exportation.</translation>
    </message>
    <message>
        <source>Export an incomplete list?</source>
        <translation>Exporter une liste incomplète ?</translation>
    </message>
    <message>
        <source>Only the feeds in the list can be exported; those that could not be read will be missing from the file.</source>
        <translation>Seuls les flux de la liste peuvent être exportés ; ceux qui n’ont pas pu être lus manqueront dans le fichier.</translation>
    </message>
    <message>
        <source>Export Anyway</source>
        <translation>Exporter quand même</translation>
    </message>
    <message>
        <source>Export Feeds</source>
        <translation>Exporter les flux</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>OPML files</source>
        <translation>Fichiers OPML</translation>
    </message>
    <message>
        <source>OPML 2.0 files</source>
        <translation>Fichiers OPML 2.0</translation>
    </message>
    <message>
        <source>Make titles safe for any reader</source>
        <translation>Adapter les titres à tous les lecteurs de flux</translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 selected</source>
        <translation>
            <numerusform>%Ln sur %1 sélectionné</numerusform>
            <numerusform>%Ln sur %1 sélectionnés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln shown</source>
        <translation>
            <numerusform>, %Ln affiché</numerusform>
            <numerusform>, %Ln affichés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>None of the %Ln feeds is missing from %1.</source>
        <translation>
            <numerusform>Aucun flux ne manque dans %1 (%Ln au total).</numerusform>
            <numerusform>Aucun des %Ln flux ne manque dans %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 feeds are missing from %2; they are ticked, to be exported and imported again.</source>
        <translation>
            <numerusform>%Ln flux sur %1 manque dans %2 ; il est coché, pour être exporté et importé à nouveau.</numerusform>
            <numerusform>%Ln flux sur %1 manquent dans %2 ; ils sont cochés, pour être exportés et importés à nouveau.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln feeds written to %1 and checked.</source>
        <translation>
            <numerusform>%Ln flux écrit dans %1 et vérifié.</numerusform>
            <numerusform>%Ln flux écrits dans %1 et vérifiés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation>Flux</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>The export could not be saved</source>
        <translation>Impossible d’enregistrer l’exportation</translation>
    </message>
    <message>
        <source>Saved as “%1” in</source>
        <translation>Enregistré sous « %1 » dans</translation>
    </message>
    <message>
        <source>%1 of the feeds' texts held bytes that are not valid UTF-8; each such sequence is shown and exported as the character �.</source>
        <translation>%1 textes de flux contenaient des octets non valides en UTF-8 ; chacune de ces séquences est affichée et exportée sous la forme du caractère �.</translation>
    </message>
    <message>
        <source>close button</source>
        <translation>bouton de fermeture</translation>
    </message>
    <message>
        <source>"%1" is a folder, not a database file. Name the Feeds file itself.</source>
        <translation>« %1 » est un dossier, pas un fichier de base de données. Indiquez le fichier Feeds lui-même.</translation>
    </message>
    <message>
        <source>There is no database file at "%1". Check the path, or start Orvella once so that it creates its database.</source>
        <translation>Il n’y a aucun fichier de base de données à l’emplacement « %1 ». Vérifiez le chemin, ou lancez Orvella une fois pour qu’il crée sa base de données.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened: permission denied. Make the file readable for your user and try again.</source>
        <translation>Impossible d’ouvrir la base de données « %1 » : autorisation refusée. Rendez le fichier lisible pour votre utilisateur, puis réessayez.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened because too many files are open (%2). Close other programs, or raise the limit on open files, and try again.</source>
        <translation>Impossible d’ouvrir la base de données « %1 » : trop de fichiers sont ouverts (%2). Fermez d’autres programmes ou augmentez la limite de fichiers ouverts, puis réessayez.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened (%2). Check the file and try again.</source>
        <translation>Impossible d’ouvrir la base de données « %1 » (%2). Vérifiez le fichier, puis réessayez.</translation>
    </message>
    <message>
        <source>The database "%1" is locked by another program (%2). Quit Orvella, or wait until it has finished writing, and try again.</source>
        <translation>La base de données « %1 » est verrouillée par un autre programme (%2). Quittez Orvella ou attendez la fin de l’écriture, puis réessayez.</translation>
    </message>
    <message>
        <source>"%1" is not an SQLite database (%2). Name the reader's Feeds database file.</source>
        <translation>« %1 » n’est pas une base de données SQLite (%2). Indiquez le fichier de base de données Feeds du lecteur.</translation>
    </message>
    <message>
        <source>The database "%1" is damaged (%2). Let Orvella repair it, or export from a backup copy.</source>
        <translation>La base de données « %1 » est endommagée (%2). Laissez Orvella la réparer, ou exportez à partir d’une copie de sauvegarde.</translation>
    </message>
    <message>
        <source>The database "%1" has no FEEDS table with the columns FEED_URL, FEED_TITLE, CHANNEL_TYPE and INTERNAL_LINK (%2). Name the reader's Feeds database file.</source>
        <translation>La base de données « %1 » n’a pas de table FEEDS avec les colonnes FEED_URL, FEED_TITLE, CHANNEL_TYPE et INTERNAL_LINK (%2). Indiquez le fichier de base de données Feeds du lecteur.</translation>
    </message>
    <message>
        <source>The FEEDS view of the database "%1" calls a function that SQLite refuses to run from a database file (%2). Export from the reader's own Feeds database, or from a copy without that view.</source>
        <translation>La vue FEEDS de la base de données « %1 » appelle une fonction que SQLite refuse d’exécuter depuis un fichier de base de données (%2). Exportez à partir de la base de données Feeds du lecteur lui-même, ou d’une copie sans cette vue.</translation>
    </message>
    <message>
        <source>The FEEDS table or view of the database "%1" cannot be queried (%2). Export from the reader's own Feeds database, or let Orvella repair it.</source>
        <translation>Impossible d’interroger la table ou la vue FEEDS de la base de données « %1 » (%2). Exportez à partir de la base de données Feeds du lecteur lui-même, ou laissez Orvella la réparer.</translation>
    </message>
    <message numerus="yes">
        <source>Reading the database &quot;%1&quot; was stopped after %Ln feeds.</source>
        <translation>
            <numerusform>La lecture de la base de données « %1 » a été interrompue après %Ln flux.</numerusform>
            <numerusform>La lecture de la base de données « %1 » a été interrompue après %Ln flux.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The database &quot;%1&quot; is damaged: reading stopped after %Ln feeds (%2). Let Orvella repair it, or export from a backup copy.</source>
        <translation>
            <numerusform>La base de données « %1 » est endommagée : la lecture s’est arrêtée après %Ln flux (%2). Laissez Orvella la réparer, ou exportez à partir d’une copie de sauvegarde.</numerusform>
            <numerusform>La base de données « %1 » est endommagée : la lecture s’est arrêtée après %Ln flux (%2). Laissez Orvella la réparer, ou exportez à partir d’une copie de sauvegarde.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reading the database &quot;%1&quot; stopped after %Ln feeds (%2). Check the file and try again.</source>
        <translation>
            <numerusform>La lecture de la base de données « %1 » s’est arrêtée après %Ln flux (%2). Vérifiez le fichier, puis réessayez.</numerusform>
            <numerusform>La lecture de la base de données « %1 » s’est arrêtée après %Ln flux (%2). Vérifiez le fichier, puis réessayez.</numerusform>
        </translation>
    </message>
    <message>
        <source>The database "%1" cannot be read (%2). Check the file and try again.</source>
        <translation>Impossible de lire la base de données « %1 » (%2). Vérifiez le fichier, puis réessayez.</translation>
    </message>
    <message>
        <source>"%1" is not a database file but a pipe, socket or device. Name the Feeds database file itself.</source>
        <translation>« %1 » n’est pas un fichier de base de données, mais un tube, un socket ou un périphérique. Indiquez le fichier de base de données Feeds lui-même.</translation>
    </message>
    <message>
        <source>No database file was named. Name the Feeds database file.</source>
        <translation>Aucun fichier de base de données n’a été indiqué. Indiquez le fichier de base de données Feeds.</translation>
    </message>
    <message>
        <source>The database "%1" changed while it was read. Try again.</source>
        <translation>La base de données « %1 » a changé pendant la lecture. Réessayez.</translation>
    </message>
    <message>
        <source>The database "%1" was left unfinished by a program that stopped, and no private copy of it could be made in the temporary folder "%2" to read it. Make room there, or set TMPDIR to a folder with room, and try again.</source>
        <translation>La base de données « %1 » a été laissée inachevée par un programme qui s’est arrêté, et aucune copie privée n’a pu en être faite dans le dossier temporaire « %2 » pour la lire. Libérez de l’espace dans ce dossier, ou faites pointer TMPDIR vers un dossier disposant d’espace, puis réessayez.</translation>
    </message>
    <message>
        <source>No reader database: the application-group folder cannot be located because HOME is not an absolute path ("%1") and XDG_DATA_HOME is not set to one either. Set HOME to your home folder, or name the database file with --database.</source>
        <translation>Aucune base de données du lecteur : le dossier du groupe d’applications est introuvable, car HOME n’est pas un chemin absolu (« %1 ») et XDG_DATA_HOME n’en indique pas non plus. Faites pointer HOME vers votre dossier personnel, ou indiquez le fichier de base de données avec --database.</translation>
    </message>
    <message>
        <source>No reader database: the application-group folder cannot be located because neither XDG_DATA_HOME nor HOME is set. Name the database file with --database.</source>
        <translation>Aucune base de données du lecteur : le dossier du groupe d’applications est introuvable, car ni XDG_DATA_HOME ni HOME ne sont définis. Indiquez le fichier de base de données avec --database.</translation>
    </message>
    <message>
        <source>There was not enough memory to read the feeds. Close other programs and try again.</source>
        <translation>La mémoire était insuffisante pour lire les flux. Fermez d’autres programmes, puis réessayez.</translation>
    </message>
    <message>
        <source>There is no temporary folder to write to: TMPDIR names "%1", which is not a folder you may write to, and neither is /tmp. Set TMPDIR to such a folder and try again.</source>
        <translation>Aucun dossier temporaire accessible en écriture : TMPDIR indique « %1 », un dossier dans lequel vous ne pouvez pas écrire, et /tmp non plus. Faites pointer TMPDIR vers un dossier accessible en écriture, puis réessayez.</translation>
    </message>
    <message>
        <source>There is no temporary folder to write to: /tmp is not a folder you may write to. Set TMPDIR to such a folder and try again.</source>
        <translation>Aucun dossier temporaire accessible en écriture : vous ne pouvez pas écrire dans /tmp. Faites pointer TMPDIR vers un dossier accessible en écriture, puis réessayez.</translation>
    </message>
    <message>
        <source>Could not save "%1": %2. Choose another file name for the export.</source>
        <translation>Impossible d’enregistrer « %1 » : %2. Choisissez un autre nom de fichier pour l’exportation.</translation>
    </message>
    <message>
        <source>Could not save "%1": the file is write-protected (%2). Choose another file name, or make the file writable first if it is meant to be replaced.</source>
        <translation>Impossible d’enregistrer « %1 » : le fichier est protégé en écriture (%2). Choisissez un autre nom de fichier, ou rendez d’abord le fichier modifiable s’il doit être remplacé.</translation>
    </message>
    <message>
        <source>Could not save "%1": %2. Choose a folder you may write to that has room for the file, and try again.</source>
        <translation>Impossible d’enregistrer « %1 » : %2. Choisissez un dossier dans lequel vous pouvez écrire et qui a assez d’espace pour le fichier, puis réessayez.</translation>
    </message>
    <message>
        <source>Could not save the file: no file name was given. Choose a file name and try again.</source>
        <translation>Impossible d’enregistrer le fichier : aucun nom de fichier n’a été indiqué. Choisissez un nom de fichier, puis réessayez.</translation>
    </message>
    <message>
        <source>the file may not be replaced</source>
        <translation>ce fichier ne peut pas être remplacé</translation>
    </message>
    <message>
        <source>no one may write to it</source>
        <translation>personne n’a le droit d’y écrire</translation>
    </message>
    <message>
        <source>you may not write to it</source>
        <translation>vous n’avez pas le droit d’y écrire</translation>
    </message>
    <message>
        <source>it is a link in a folder that everyone may write to, and it belongs to another user, so it is not followed</source>
        <translation>c’est un lien dans un dossier où tout le monde peut écrire, et il appartient à un autre utilisateur ; il n’est donc pas suivi</translation>
    </message>
    <message>
        <source>a folder on its way is a link in a folder that everyone may write to, and the link belongs to another user, so it is not followed</source>
        <translation>un dossier du chemin est un lien dans un dossier où tout le monde peut écrire, et ce lien appartient à un autre utilisateur ; il n’est donc pas suivi</translation>
    </message>
    <message>
        <source>Reading the database "%1" stopped after %2 feeds, more than any reader keeps: its FEEDS table or view may be damaged or without end. Export from a copy of the reader's own database.</source>
        <translation>La lecture de la base de données « %1 » s’est arrêtée après %2 flux, plus qu’aucun lecteur n’en contient : sa table ou sa vue FEEDS est peut-être endommagée ou sans fin. Exportez à partir d’une copie de la base de données du lecteur lui-même.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>it is a disk device</source>
        <translation>c’est un périphérique de disque</translation>
    </message>
    <message>
        <source>it is a pipe that no program is reading from</source>
        <translation>c’est un tube qu’aucun programme ne lit</translation>
    </message>
    <message>
        <source>it is the reader's database or one of its files</source>
        <translation>c’est la base de données du lecteur ou l’un de ses fichiers</translation>
    </message>
    <message>
        <source>Filter feeds</source>
        <translation>Filtrer les flux</translation>
    </message>
    <message>
        <source>Select Shown</source>
        <translation>Sélectionner les éléments affichés</translation>
    </message>
    <message>
        <source>Deselect Shown</source>
        <translation>Désélectionner les éléments affichés</translation>
    </message>
    <message>
        <source>Show in Files</source>
        <translation>Afficher dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>The file could not be shown</source>
        <translation>Impossible d’afficher le fichier</translation>
    </message>
    <message>
        <source>No file manager answered, and no program is set to open folders. The file is in %1.</source>
        <translation>Aucun gestionnaire de fichiers n’a répondu et aucun programme n’est défini pour ouvrir les dossiers. Le fichier se trouve dans %1.</translation>
    </message>
    <message>
        <source>The file could not be opened</source>
        <translation>Impossible d’ouvrir le fichier</translation>
    </message>
    <message>
        <source>No program is set to open OPML files. The file is in %1; open it from there with the feed reader of your choice.</source>
        <translation>Aucun programme n’est défini pour ouvrir les fichiers OPML. Le fichier se trouve dans %1 ; ouvrez-le depuis cet emplacement avec le lecteur de flux de votre choix.</translation>
    </message>
    <message>
        <source>Untick Them</source>
        <translation>Les décocher</translation>
    </message>
    <message>
        <source>Addresses with a password or key: %1. A file you share gives them away.</source>
        <translation>Adresses avec mot de passe ou clé : %1. Un fichier que vous partagez les divulgue.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>Compare with Another Reader's Export…</source>
        <translation>Comparer avec l’exportation d’un autre lecteur…</translation>
    </message>
    <message>
        <source>Compare with Another Reader's Export</source>
        <translation>Comparer avec l’exportation d’un autre lecteur</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>The export could not be compared</source>
        <translation>Impossible de comparer l’exportation</translation>
    </message>
    <message>
        <source>"%1" could not be read: %2. Check the name and that you may read it.</source>
        <translation>Impossible de lire « %1 » : %2. Vérifiez le nom du fichier et vos droits de lecture.</translation>
    </message>
    <message>
        <source>"%1" is a folder. Choose the OPML file that the other reader exported.</source>
        <translation>« %1 » est un dossier. Choisissez le fichier OPML que l’autre lecteur a exporté.</translation>
    </message>
    <message>
        <source>"%1" is a pipe, socket or device, not a file. Choose the OPML file that the other reader exported.</source>
        <translation>« %1 » est un tube, un socket ou un périphérique, pas un fichier. Choisissez le fichier OPML que l’autre lecteur a exporté.</translation>
    </message>
    <message>
        <source>"%1" is not well-formed XML at line %2, column %3 (%4), so it cannot be compared. Export it from the other reader again.</source>
        <translation>« %1 » n’est pas du XML bien formé à la ligne %2, colonne %3 (%4) ; il ne peut donc pas être comparé. Exportez-le à nouveau depuis l’autre lecteur.</translation>
    </message>
    <message>
        <source>"%1" is no OPML document: its outermost element is &lt;%2&gt;. Choose the OPML file that the other reader exported.</source>
        <translation>« %1 » n’est pas un document OPML : son élément le plus externe est &lt;%2&gt;. Choisissez le fichier OPML que l’autre lecteur a exporté.</translation>
    </message>
    <message>
        <source>"%1" holds no feeds, so nothing can be compared. Check that it is the other reader's export of its subscriptions.</source>
        <translation>« %1 » ne contient aucun flux ; il n’y a donc rien à comparer. Vérifiez qu’il s’agit bien de l’exportation des abonnements de l’autre lecteur.</translation>
    </message>
    <message>
        <source>Feeds that some readers cannot import: %1 (missing or repeated addresses, line breaks in titles, or repeated titles).</source>
        <translation>Flux que certains lecteurs ne peuvent pas importer : %1 (adresses manquantes ou répétées, sauts de ligne dans les titres, ou titres répétés).</translation>
    </message>
    <message>
        <source>Tick at least one feed to export.</source>
        <translation>Cochez au moins un flux à exporter.</translation>
    </message>
    <message>
        <source>No feed matches “%1”.</source>
        <translation>Aucun flux ne correspond à « %1 ».</translation>
    </message>
    <message>
        <source>All feeds are shown again.</source>
        <translation>Tous les flux sont de nouveau affichés.</translation>
    </message>
</context>
<context>
    <name>About</name>
    <message>
        <source>About Orvella Exporter</source>
        <translation>À propos d’Orvella Exporter</translation>
    </message>
    <message>
        <source>Designed and engineered by Corvanex</source>
        <translation>Conçu et développé par Corvanex</translation>
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
        <translation>Fabriqué en Ukraine</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>Tous droits réservés.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Exporte vos abonnements Orvella dans un fichier OPML.</translation>
    </message>
</context>
</TS>
