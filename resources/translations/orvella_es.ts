<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CXInterfaceString</name>
    <message>
        <source>Orvella cannot be open during export</source>
        <translation>Orvella no puede estar abierta durante la exportación</translation>
    </message>
    <message>
        <source>Click Continue to quit Orvella. The application will open when the export is complete</source>
        <translation>Haga clic en Continuar para salir de Orvella. La aplicación se abrirá de nuevo cuando termine la exportación</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Export complete</source>
        <translation>Exportación completada</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Deseleccionar todo</translation>
    </message>
    <message>
        <source>My Feeds</source>
        <translation>Mis fuentes</translation>
    </message>
    <message>
        <source>Orvella has no subscriptions to export yet. Add feeds in Orvella, then open the exporter again.</source>
        <translation>Orvella todavía no tiene suscripciones que exportar. Añada fuentes en Orvella y vuelva a abrir el exportador.</translation>
    </message>
    <message>
        <source>Orvella could not be quit. Quit it yourself, then open the exporter again.</source>
        <translation>No se pudo cerrar Orvella. Ciérrela usted mismo y vuelva a abrir el exportador.</translation>
    </message>
    <message>
        <source>The support page could not be opened. Visit it in your web browser instead.</source>
        <translation>No se pudo abrir la página de soporte. Visítela en su navegador web.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About Orvella Exporter…</source>
        <translation>Acerca de Orvella Exporter…</translation>
    </message>
    <message>
        <source>Orvella Support</source>
        <translation>Soporte de Orvella</translation>
    </message>
    <message>
        <source>Export Subscriptions</source>
        <translation>Exportar suscripciones</translation>
    </message>
    <message>
        <source>Tick the feeds to include in the OPML file.</source>
        <translation>Marque las fuentes que desea incluir en el archivo OPML.</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>No readable Orvella database was found at %1. Open Orvella once so that it creates its database, then open the exporter again.</source>
        <translation>No se encontró ninguna base de datos de Orvella legible en %1. Abra Orvella una vez para que cree su base de datos y vuelva a abrir el exportador.</translation>
    </message>
    <message>
        <source>Reading feeds…</source>
        <translation>Leyendo fuentes…</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>This list is incomplete. %1</source>
        <translation>Esta lista está incompleta. %1</translation>
    </message>
    <message>
        <source>There is no database file at “%1”. Check the path given with --database, then start the exporter again.</source>
        <translation>No hay ningún archivo de base de datos en «%1». Compruebe la ruta indicada con --database y vuelva a iniciar el exportador.</translation>
    </message>
    <message>
        <source>Export an incomplete list?</source>
        <translation>¿Exportar una lista incompleta?</translation>
    </message>
    <message>
        <source>Only the feeds in the list can be exported; those that could not be read will be missing from the file.</source>
        <translation>Solo se pueden exportar las fuentes de la lista; las que no se pudieron leer faltarán en el archivo.</translation>
    </message>
    <message>
        <source>Export Anyway</source>
        <translation>Exportar de todos modos</translation>
    </message>
    <message>
        <source>Export Feeds</source>
        <translation>Exportar fuentes</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>OPML files</source>
        <translation>Archivos OPML</translation>
    </message>
    <message>
        <source>OPML 2.0 files</source>
        <translation>Archivos OPML 2.0</translation>
    </message>
    <message>
        <source>Make titles safe for any reader</source>
        <translation>Adaptar los títulos a cualquier lector de fuentes</translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 selected</source>
        <translation>
            <numerusform>%Ln de %1 seleccionada</numerusform>
            <numerusform>%Ln de %1 seleccionadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln shown</source>
        <translation>
            <numerusform>, %Ln mostrada</numerusform>
            <numerusform>, %Ln mostradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>None of the %Ln feeds is missing from %1.</source>
        <translation>
            <numerusform>No falta la única fuente en %1.</numerusform>
            <numerusform>No falta ninguna de las %Ln fuentes en %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 feeds are missing from %2; they are ticked, to be exported and imported again.</source>
        <translation>
            <numerusform>Falta %Ln de %1 fuentes en %2; está marcada, para exportarla e importarla de nuevo.</numerusform>
            <numerusform>Faltan %Ln de %1 fuentes en %2; están marcadas, para exportarlas e importarlas de nuevo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln feeds written to %1 and checked.</source>
        <translation>
            <numerusform>Una fuente escrita en %1 y comprobada.</numerusform>
            <numerusform>%Ln fuentes escritas en %1 y comprobadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>The export could not be saved</source>
        <translation>No se pudo guardar la exportación</translation>
    </message>
    <message>
        <source>Saved as “%1” in</source>
        <translation>Guardado como «%1» en</translation>
    </message>
    <message>
        <source>%1 of the feeds' texts held bytes that are not valid UTF-8; each such sequence is shown and exported as the character �.</source>
        <translation>%1 textos de las fuentes contenían bytes que no son UTF-8 válido; cada una de esas secuencias se muestra y se exporta como el carácter �.</translation>
    </message>
    <message>
        <source>close button</source>
        <translation>botón de cerrar</translation>
    </message>
    <message>
        <source>"%1" is a folder, not a database file. Name the Feeds file itself.</source>
        <translation>«%1» es una carpeta, no un archivo de base de datos. Indique el propio archivo Feeds.</translation>
    </message>
    <message>
        <source>There is no database file at "%1". Check the path, or start Orvella once so that it creates its database.</source>
        <translation>No hay ningún archivo de base de datos en «%1». Compruebe la ruta o inicie Orvella una vez para que cree su base de datos.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened: permission denied. Make the file readable for your user and try again.</source>
        <translation>No se puede abrir la base de datos «%1»: permiso denegado. Haga que su usuario pueda leer el archivo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened because too many files are open (%2). Close other programs, or raise the limit on open files, and try again.</source>
        <translation>No se puede abrir la base de datos «%1» porque hay demasiados archivos abiertos (%2). Cierre otros programas o aumente el límite de archivos abiertos y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened (%2). Check the file and try again.</source>
        <translation>No se puede abrir la base de datos «%1» (%2). Compruebe el archivo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The database "%1" is locked by another program (%2). Quit Orvella, or wait until it has finished writing, and try again.</source>
        <translation>Otro programa tiene bloqueada la base de datos «%1» (%2). Salga de Orvella o espere a que termine de escribir y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>"%1" is not an SQLite database (%2). Name the reader's Feeds database file.</source>
        <translation>«%1» no es una base de datos SQLite (%2). Indique el archivo de base de datos Feeds del lector.</translation>
    </message>
    <message>
        <source>The database "%1" is damaged (%2). Let Orvella repair it, or export from a backup copy.</source>
        <translation>La base de datos «%1» está dañada (%2). Deje que Orvella la repare o exporte desde una copia de seguridad.</translation>
    </message>
    <message>
        <source>The database "%1" has no FEEDS table with the columns FEED_URL, FEED_TITLE, CHANNEL_TYPE and INTERNAL_LINK (%2). Name the reader's Feeds database file.</source>
        <translation>La base de datos «%1» no tiene una tabla FEEDS con las columnas FEED_URL, FEED_TITLE, CHANNEL_TYPE e INTERNAL_LINK (%2). Indique el archivo de base de datos Feeds del lector.</translation>
    </message>
    <message>
        <source>The FEEDS view of the database "%1" calls a function that SQLite refuses to run from a database file (%2). Export from the reader's own Feeds database, or from a copy without that view.</source>
        <translation>La vista FEEDS de la base de datos «%1» llama a una función que SQLite se niega a ejecutar desde un archivo de base de datos (%2). Exporte desde la propia base de datos Feeds del lector o desde una copia sin esa vista.</translation>
    </message>
    <message>
        <source>The FEEDS table or view of the database "%1" cannot be queried (%2). Export from the reader's own Feeds database, or let Orvella repair it.</source>
        <translation>No se puede consultar la tabla o vista FEEDS de la base de datos «%1» (%2). Exporte desde la propia base de datos Feeds del lector o deje que Orvella la repare.</translation>
    </message>
    <message numerus="yes">
        <source>Reading the database &quot;%1&quot; was stopped after %Ln feeds.</source>
        <translation>
            <numerusform>La lectura de la base de datos «%1» se detuvo tras %Ln fuente.</numerusform>
            <numerusform>La lectura de la base de datos «%1» se detuvo tras %Ln fuentes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The database &quot;%1&quot; is damaged: reading stopped after %Ln feeds (%2). Let Orvella repair it, or export from a backup copy.</source>
        <translation>
            <numerusform>La base de datos «%1» está dañada: la lectura se interrumpió tras %Ln fuente (%2). Deje que Orvella la repare o exporte desde una copia de seguridad.</numerusform>
            <numerusform>La base de datos «%1» está dañada: la lectura se interrumpió tras %Ln fuentes (%2). Deje que Orvella la repare o exporte desde una copia de seguridad.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reading the database &quot;%1&quot; stopped after %Ln feeds (%2). Check the file and try again.</source>
        <translation>
            <numerusform>La lectura de la base de datos «%1» se interrumpió tras %Ln fuente (%2). Compruebe el archivo y vuelva a intentarlo.</numerusform>
            <numerusform>La lectura de la base de datos «%1» se interrumpió tras %Ln fuentes (%2). Compruebe el archivo y vuelva a intentarlo.</numerusform>
        </translation>
    </message>
    <message>
        <source>The database "%1" cannot be read (%2). Check the file and try again.</source>
        <translation>No se puede leer la base de datos «%1» (%2). Compruebe el archivo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>"%1" is not a database file but a pipe, socket or device. Name the Feeds database file itself.</source>
        <translation>«%1» no es un archivo de base de datos, sino una tubería, un socket o un dispositivo. Indique el propio archivo de base de datos Feeds.</translation>
    </message>
    <message>
        <source>No database file was named. Name the Feeds database file.</source>
        <translation>No se indicó ningún archivo de base de datos. Indique el archivo de base de datos Feeds.</translation>
    </message>
    <message>
        <source>The database "%1" changed while it was read. Try again.</source>
        <translation>La base de datos «%1» cambió mientras se leía. Vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The database "%1" was left unfinished by a program that stopped, and no private copy of it could be made in the temporary folder "%2" to read it. Make room there, or set TMPDIR to a folder with room, and try again.</source>
        <translation>Un programa que se detuvo dejó sin terminar la base de datos «%1», y no se pudo hacer una copia privada para leerla en la carpeta temporal «%2». Libere espacio allí o haga que TMPDIR apunte a una carpeta con espacio y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>No reader database: the application-group folder cannot be located because HOME is not an absolute path ("%1") and XDG_DATA_HOME is not set to one either. Set HOME to your home folder, or name the database file with --database.</source>
        <translation>No hay base de datos del lector: no se encuentra la carpeta del grupo de aplicaciones porque HOME no es una ruta absoluta («%1») y XDG_DATA_HOME tampoco indica una. Haga que HOME apunte a su carpeta personal o indique el archivo de base de datos con --database.</translation>
    </message>
    <message>
        <source>No reader database: the application-group folder cannot be located because neither XDG_DATA_HOME nor HOME is set. Name the database file with --database.</source>
        <translation>No hay base de datos del lector: no se encuentra la carpeta del grupo de aplicaciones porque no están definidas ni XDG_DATA_HOME ni HOME. Indique el archivo de base de datos con --database.</translation>
    </message>
    <message>
        <source>There was not enough memory to read the feeds. Close other programs and try again.</source>
        <translation>No había memoria suficiente para leer las fuentes. Cierre otros programas y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>There is no temporary folder to write to: TMPDIR names "%1", which is not a folder you may write to, and neither is /tmp. Set TMPDIR to such a folder and try again.</source>
        <translation>No hay ninguna carpeta temporal en la que escribir: TMPDIR indica «%1», que no es una carpeta en la que pueda escribir, y /tmp tampoco lo es. Haga que TMPDIR apunte a una carpeta así y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>There is no temporary folder to write to: /tmp is not a folder you may write to. Set TMPDIR to such a folder and try again.</source>
        <translation>No hay ninguna carpeta temporal en la que escribir: /tmp no es una carpeta en la que pueda escribir. Haga que TMPDIR apunte a una carpeta así y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Could not save "%1": %2. Choose another file name for the export.</source>
        <translation>No se pudo guardar «%1»: %2. Elija otro nombre de archivo para la exportación.</translation>
    </message>
    <message>
        <source>Could not save "%1": the file is write-protected (%2). Choose another file name, or make the file writable first if it is meant to be replaced.</source>
        <translation>No se pudo guardar «%1»: el archivo está protegido contra escritura (%2). Elija otro nombre de archivo o, si debe reemplazarse, quite antes la protección contra escritura.</translation>
    </message>
    <message>
        <source>Could not save "%1": %2. Choose a folder you may write to that has room for the file, and try again.</source>
        <translation>No se pudo guardar «%1»: %2. Elija una carpeta en la que pueda escribir y que tenga espacio para el archivo, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Could not save the file: no file name was given. Choose a file name and try again.</source>
        <translation>No se pudo guardar el archivo: no se indicó ningún nombre de archivo. Elija un nombre de archivo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>the file may not be replaced</source>
        <translation>el archivo no se puede reemplazar</translation>
    </message>
    <message>
        <source>no one may write to it</source>
        <translation>nadie puede escribir en él</translation>
    </message>
    <message>
        <source>you may not write to it</source>
        <translation>usted no puede escribir en él</translation>
    </message>
    <message>
        <source>it is a link in a folder that everyone may write to, and it belongs to another user, so it is not followed</source>
        <translation>es un enlace en una carpeta en la que todos pueden escribir y pertenece a otro usuario, así que no se sigue</translation>
    </message>
    <message>
        <source>a folder on its way is a link in a folder that everyone may write to, and the link belongs to another user, so it is not followed</source>
        <translation>una carpeta de la ruta es un enlace en una carpeta en la que todos pueden escribir, y el enlace pertenece a otro usuario, así que no se sigue</translation>
    </message>
    <message>
        <source>Reading the database "%1" stopped after %2 feeds, more than any reader keeps: its FEEDS table or view may be damaged or without end. Export from a copy of the reader's own database.</source>
        <translation>La lectura de la base de datos «%1» se detuvo tras %2 fuentes, más de las que guarda cualquier lector: su tabla o vista FEEDS puede estar dañada o no tener fin. Exporte desde una copia de la base de datos propia del lector.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is a disk device</source>
        <translation>es un dispositivo de disco</translation>
    </message>
    <message>
        <source>it is a pipe that no program is reading from</source>
        <translation>es una tubería que ningún programa está leyendo</translation>
    </message>
    <message>
        <source>it is the reader's database or one of its files</source>
        <translation>es la base de datos del lector o uno de sus archivos</translation>
    </message>
    <message>
        <source>Filter feeds</source>
        <translation>Filtrar fuentes</translation>
    </message>
    <message>
        <source>Select Shown</source>
        <translation>Seleccionar visibles</translation>
    </message>
    <message>
        <source>Deselect Shown</source>
        <translation>Deseleccionar visibles</translation>
    </message>
    <message>
        <source>Show in Files</source>
        <translation>Mostrar en el gestor de archivos</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>The file could not be shown</source>
        <translation>No se pudo mostrar el archivo</translation>
    </message>
    <message>
        <source>No file manager answered, and no program is set to open folders. The file is in %1.</source>
        <translation>Ningún gestor de archivos respondió y no hay ningún programa configurado para abrir carpetas. El archivo está en %1.</translation>
    </message>
    <message>
        <source>The file could not be opened</source>
        <translation>No se pudo abrir el archivo</translation>
    </message>
    <message>
        <source>No program is set to open OPML files. The file is in %1; open it from there with the feed reader of your choice.</source>
        <translation>No hay ningún programa configurado para abrir archivos OPML. El archivo está en %1; ábralo desde allí con el lector de fuentes que prefiera.</translation>
    </message>
    <message>
        <source>Untick Them</source>
        <translation>Desmarcarlas</translation>
    </message>
    <message>
        <source>Addresses with a password or key: %1. A file you share gives them away.</source>
        <translation>Direcciones con contraseña o clave: %1. Un archivo que comparta las revela.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>Compare with Another Reader's Export…</source>
        <translation>Comparar con la exportación de otro lector…</translation>
    </message>
    <message>
        <source>Compare with Another Reader's Export</source>
        <translation>Comparar con la exportación de otro lector</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>The export could not be compared</source>
        <translation>No se pudo comparar la exportación</translation>
    </message>
    <message>
        <source>"%1" could not be read: %2. Check the name and that you may read it.</source>
        <translation>No se pudo leer «%1»: %2. Compruebe el nombre y que puede leerlo.</translation>
    </message>
    <message>
        <source>"%1" is a folder. Choose the OPML file that the other reader exported.</source>
        <translation>«%1» es una carpeta. Elija el archivo OPML que exportó el otro lector.</translation>
    </message>
    <message>
        <source>"%1" is a pipe, socket or device, not a file. Choose the OPML file that the other reader exported.</source>
        <translation>«%1» es una tubería, un socket o un dispositivo, no un archivo. Elija el archivo OPML que exportó el otro lector.</translation>
    </message>
    <message>
        <source>"%1" is not well-formed XML at line %2, column %3 (%4), so it cannot be compared. Export it from the other reader again.</source>
        <translation>«%1» no es XML bien formado en la línea %2, columna %3 (%4), así que no se puede comparar. Expórtelo de nuevo desde el otro lector.</translation>
    </message>
    <message>
        <source>"%1" is no OPML document: its outermost element is &lt;%2&gt;. Choose the OPML file that the other reader exported.</source>
        <translation>«%1» no es un documento OPML: su elemento más externo es &lt;%2&gt;. Elija el archivo OPML que exportó el otro lector.</translation>
    </message>
    <message>
        <source>"%1" holds no feeds, so nothing can be compared. Check that it is the other reader's export of its subscriptions.</source>
        <translation>«%1» no contiene fuentes, así que no hay nada que comparar. Compruebe que sea la exportación de las suscripciones del otro lector.</translation>
    </message>
    <message>
        <source>Feeds that some readers cannot import: %1 (missing or repeated addresses, line breaks in titles, or repeated titles).</source>
        <translation>Fuentes que algunos lectores no pueden importar: %1 (direcciones que faltan o se repiten, saltos de línea en los títulos o títulos repetidos).</translation>
    </message>
    <message>
        <source>Tick at least one feed to export.</source>
        <translation>Marque al menos una fuente para exportar.</translation>
    </message>
    <message>
        <source>No feed matches “%1”.</source>
        <translation>Ninguna fuente coincide con «%1».</translation>
    </message>
    <message>
        <source>All feeds are shown again.</source>
        <translation>Se vuelven a mostrar todas las fuentes.</translation>
    </message>
</context>
<context>
    <name>About</name>
    <message>
        <source>About Orvella Exporter</source>
        <translation>Acerca de Orvella Exporter</translation>
    </message>
    <message>
        <source>Designed and engineered by Corvanex</source>
        <translation>Diseñado y desarrollado por Corvanex</translation>
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
        <translation>Hecho en Ucrania</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión %1 (%2)</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Exporta sus suscripciones de Orvella a un archivo OPML.</translation>
    </message>
</context>
</TS>
