<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CXInterfaceString</name>
    <message>
        <source>Orvella cannot be open during export</source>
        <translation>O Orvella não pode estar aberto durante a exportação</translation>
    </message>
    <message>
        <source>Click Continue to quit Orvella. The application will open when the export is complete</source>
        <translation>Clique em Continuar para encerrar o Orvella. O aplicativo será reaberto quando a exportação terminar</translation>
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
        <translation>Exportação concluída</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Desmarcar tudo</translation>
    </message>
    <message>
        <source>My Feeds</source>
        <translation>Meus feeds</translation>
    </message>
    <message>
        <source>Orvella has no subscriptions to export yet. Add feeds in Orvella, then open the exporter again.</source>
        <translation>O Orvella ainda não tem assinaturas para exportar. Adicione feeds no Orvella e abra o exportador novamente.</translation>
    </message>
    <message>
        <source>Orvella could not be quit. Quit it yourself, then open the exporter again.</source>
        <translation>Não foi possível encerrar o Orvella. Encerre-o você mesmo e abra o exportador novamente.</translation>
    </message>
    <message>
        <source>The support page could not be opened. Visit it in your web browser instead.</source>
        <translation>Não foi possível abrir a página de suporte. Acesse-a pelo seu navegador.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Orvella Exporter…</source>
        <translation>Sobre o Orvella Exporter…</translation>
    </message>
    <message>
        <source>Orvella Support</source>
        <translation>Suporte do Orvella</translation>
    </message>
    <message>
        <source>Export Subscriptions</source>
        <translation>Exportar assinaturas</translation>
    </message>
    <message>
        <source>Tick the feeds to include in the OPML file.</source>
        <translation>Marque os feeds que devem ir para o arquivo OPML.</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>No readable Orvella database was found at %1. Open Orvella once so that it creates its database, then open the exporter again.</source>
        <translation>Nenhum banco de dados legível do Orvella foi encontrado em %1. Abra o Orvella uma vez para que ele crie seu banco de dados e abra o exportador novamente.</translation>
    </message>
    <message>
        <source>Reading feeds…</source>
        <translation>Lendo feeds…</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>This list is incomplete. %1</source>
        <translation>Esta lista está incompleta. %1</translation>
    </message>
    <message>
        <source>There is no database file at “%1”. Check the path given with --database, then start the exporter again.</source>
        <translation>Não há arquivo de banco de dados em “%1”. Verifique o caminho informado em --database e inicie o exportador novamente.</translation>
    </message>
    <message>
        <source>Export an incomplete list?</source>
        <translation>Exportar uma lista incompleta?</translation>
    </message>
    <message>
        <source>Only the feeds in the list can be exported; those that could not be read will be missing from the file.</source>
        <translation>Só os feeds da lista podem ser exportados; os que não puderam ser lidos vão faltar no arquivo.</translation>
    </message>
    <message>
        <source>Export Anyway</source>
        <translation>Exportar mesmo assim</translation>
    </message>
    <message>
        <source>Export Feeds</source>
        <translation>Exportar feeds</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 já existe. Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>OPML files</source>
        <translation>Arquivos OPML</translation>
    </message>
    <message>
        <source>OPML 2.0 files</source>
        <translation>Arquivos OPML 2.0</translation>
    </message>
    <message>
        <source>Make titles safe for any reader</source>
        <translation>Adaptar os títulos para qualquer leitor de feeds</translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 selected</source>
        <translation>
            <numerusform>%Ln de %1 selecionado</numerusform>
            <numerusform>%Ln de %1 selecionados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln shown</source>
        <translation>
            <numerusform>, %Ln exibido</numerusform>
            <numerusform>, %Ln exibidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>None of the %Ln feeds is missing from %1.</source>
        <translation>
            <numerusform>Nenhum feed falta em %1 (%Ln no total).</numerusform>
            <numerusform>Nenhum dos %Ln feeds falta em %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 feeds are missing from %2; they are ticked, to be exported and imported again.</source>
        <translation>
            <numerusform>Falta %Ln de %1 feeds em %2; ele está marcado, para ser exportado e importado de novo.</numerusform>
            <numerusform>Faltam %Ln de %1 feeds em %2; eles estão marcados, para serem exportados e importados de novo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln feeds written to %1 and checked.</source>
        <translation>
            <numerusform>%Ln feed gravado em %1 e conferido.</numerusform>
            <numerusform>%Ln feeds gravados em %1 e conferidos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation>Feeds</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
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
        <translation>Não foi possível salvar a exportação</translation>
    </message>
    <message>
        <source>Saved as “%1” in</source>
        <translation>Salvo como “%1” em</translation>
    </message>
    <message>
        <source>%1 of the feeds' texts held bytes that are not valid UTF-8; each such sequence is shown and exported as the character �.</source>
        <translation>%1 textos dos feeds tinham bytes que não são UTF-8 válido; cada sequência desse tipo é exibida e exportada como o caractere �.</translation>
    </message>
    <message>
        <source>close button</source>
        <translation>botão de fechar</translation>
    </message>
    <message>
        <source>"%1" is a folder, not a database file. Name the Feeds file itself.</source>
        <translation>“%1” é uma pasta, não um arquivo de banco de dados. Informe o próprio arquivo Feeds.</translation>
    </message>
    <message>
        <source>There is no database file at "%1". Check the path, or start Orvella once so that it creates its database.</source>
        <translation>Não há arquivo de banco de dados em “%1”. Verifique o caminho ou abra o Orvella uma vez para que ele crie seu banco de dados.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened: permission denied. Make the file readable for your user and try again.</source>
        <translation>Não é possível abrir o banco de dados “%1”: permissão negada. Torne o arquivo legível para o seu usuário e tente novamente.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened because too many files are open (%2). Close other programs, or raise the limit on open files, and try again.</source>
        <translation>Não é possível abrir o banco de dados “%1” porque há arquivos abertos demais (%2). Feche outros programas ou aumente o limite de arquivos abertos e tente novamente.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened (%2). Check the file and try again.</source>
        <translation>Não é possível abrir o banco de dados “%1” (%2). Verifique o arquivo e tente novamente.</translation>
    </message>
    <message>
        <source>The database "%1" is locked by another program (%2). Quit Orvella, or wait until it has finished writing, and try again.</source>
        <translation>O banco de dados “%1” está bloqueado por outro programa (%2). Encerre o Orvella ou espere até que ele termine de gravar e tente novamente.</translation>
    </message>
    <message>
        <source>"%1" is not an SQLite database (%2). Name the reader's Feeds database file.</source>
        <translation>“%1” não é um banco de dados SQLite (%2). Informe o arquivo de banco de dados Feeds do leitor.</translation>
    </message>
    <message>
        <source>The database "%1" is damaged (%2). Let Orvella repair it, or export from a backup copy.</source>
        <translation>O banco de dados “%1” está danificado (%2). Deixe o Orvella repará-lo ou exporte a partir de uma cópia de segurança.</translation>
    </message>
    <message>
        <source>The database "%1" has no FEEDS table with the columns FEED_URL, FEED_TITLE, CHANNEL_TYPE and INTERNAL_LINK (%2). Name the reader's Feeds database file.</source>
        <translation>O banco de dados “%1” não tem uma tabela FEEDS com as colunas FEED_URL, FEED_TITLE, CHANNEL_TYPE e INTERNAL_LINK (%2). Informe o arquivo de banco de dados Feeds do leitor.</translation>
    </message>
    <message>
        <source>The FEEDS view of the database "%1" calls a function that SQLite refuses to run from a database file (%2). Export from the reader's own Feeds database, or from a copy without that view.</source>
        <translation>A visão FEEDS do banco de dados “%1” chama uma função que o SQLite se recusa a executar a partir de um arquivo de banco de dados (%2). Exporte a partir do próprio banco de dados Feeds do leitor ou de uma cópia sem essa visão.</translation>
    </message>
    <message>
        <source>The FEEDS table or view of the database "%1" cannot be queried (%2). Export from the reader's own Feeds database, or let Orvella repair it.</source>
        <translation>Não é possível consultar a tabela ou visão FEEDS do banco de dados “%1” (%2). Exporte a partir do próprio banco de dados Feeds do leitor ou deixe o Orvella repará-lo.</translation>
    </message>
    <message numerus="yes">
        <source>Reading the database &quot;%1&quot; was stopped after %Ln feeds.</source>
        <translation>
            <numerusform>A leitura do banco de dados “%1” foi interrompida após %Ln feed.</numerusform>
            <numerusform>A leitura do banco de dados “%1” foi interrompida após %Ln feeds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The database &quot;%1&quot; is damaged: reading stopped after %Ln feeds (%2). Let Orvella repair it, or export from a backup copy.</source>
        <translation>
            <numerusform>O banco de dados “%1” está danificado: a leitura parou após %Ln feed (%2). Deixe o Orvella repará-lo ou exporte a partir de uma cópia de segurança.</numerusform>
            <numerusform>O banco de dados “%1” está danificado: a leitura parou após %Ln feeds (%2). Deixe o Orvella repará-lo ou exporte a partir de uma cópia de segurança.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reading the database &quot;%1&quot; stopped after %Ln feeds (%2). Check the file and try again.</source>
        <translation>
            <numerusform>A leitura do banco de dados “%1” parou após %Ln feed (%2). Verifique o arquivo e tente novamente.</numerusform>
            <numerusform>A leitura do banco de dados “%1” parou após %Ln feeds (%2). Verifique o arquivo e tente novamente.</numerusform>
        </translation>
    </message>
    <message>
        <source>The database "%1" cannot be read (%2). Check the file and try again.</source>
        <translation>Não é possível ler o banco de dados “%1” (%2). Verifique o arquivo e tente novamente.</translation>
    </message>
    <message>
        <source>"%1" is not a database file but a pipe, socket or device. Name the Feeds database file itself.</source>
        <translation>“%1” não é um arquivo de banco de dados, mas um pipe, socket ou dispositivo. Informe o próprio arquivo de banco de dados Feeds.</translation>
    </message>
    <message>
        <source>No database file was named. Name the Feeds database file.</source>
        <translation>Nenhum arquivo de banco de dados foi informado. Informe o arquivo de banco de dados Feeds.</translation>
    </message>
    <message>
        <source>The database "%1" changed while it was read. Try again.</source>
        <translation>O banco de dados “%1” mudou durante a leitura. Tente novamente.</translation>
    </message>
    <message>
        <source>The database "%1" was left unfinished by a program that stopped, and no private copy of it could be made in the temporary folder "%2" to read it. Make room there, or set TMPDIR to a folder with room, and try again.</source>
        <translation>O banco de dados “%1” ficou inacabado por um programa que parou, e não foi possível fazer uma cópia particular dele na pasta temporária “%2” para lê-lo. Libere espaço nela ou aponte TMPDIR para uma pasta com espaço e tente novamente.</translation>
    </message>
    <message>
        <source>No reader database: the application-group folder cannot be located because HOME is not an absolute path ("%1") and XDG_DATA_HOME is not set to one either. Set HOME to your home folder, or name the database file with --database.</source>
        <translation>Nenhum banco de dados do leitor: a pasta do grupo de aplicativos não pode ser localizada porque HOME não é um caminho absoluto (“%1”) e XDG_DATA_HOME também não aponta para um. Aponte HOME para sua pasta pessoal ou informe o arquivo de banco de dados com --database.</translation>
    </message>
    <message>
        <source>No reader database: the application-group folder cannot be located because neither XDG_DATA_HOME nor HOME is set. Name the database file with --database.</source>
        <translation>Nenhum banco de dados do leitor: a pasta do grupo de aplicativos não pode ser localizada porque nem XDG_DATA_HOME nem HOME estão definidos. Informe o arquivo de banco de dados com --database.</translation>
    </message>
    <message>
        <source>There was not enough memory to read the feeds. Close other programs and try again.</source>
        <translation>Não havia memória suficiente para ler os feeds. Feche outros programas e tente novamente.</translation>
    </message>
    <message>
        <source>There is no temporary folder to write to: TMPDIR names "%1", which is not a folder you may write to, and neither is /tmp. Set TMPDIR to such a folder and try again.</source>
        <translation>Não há pasta temporária onde gravar: TMPDIR indica “%1”, que não é uma pasta em que você possa gravar, e /tmp também não é. Aponte TMPDIR para uma pasta assim e tente novamente.</translation>
    </message>
    <message>
        <source>There is no temporary folder to write to: /tmp is not a folder you may write to. Set TMPDIR to such a folder and try again.</source>
        <translation>Não há pasta temporária onde gravar: /tmp não é uma pasta em que você possa gravar. Aponte TMPDIR para uma pasta assim e tente novamente.</translation>
    </message>
    <message>
        <source>Could not save "%1": %2. Choose another file name for the export.</source>
        <translation>Não foi possível salvar “%1”: %2. Escolha outro nome de arquivo para a exportação.</translation>
    </message>
    <message>
        <source>Could not save "%1": the file is write-protected (%2). Choose another file name, or make the file writable first if it is meant to be replaced.</source>
        <translation>Não foi possível salvar “%1”: o arquivo está protegido contra gravação (%2). Escolha outro nome de arquivo ou, se ele deve ser substituído, libere-o para gravação primeiro.</translation>
    </message>
    <message>
        <source>Could not save "%1": %2. Choose a folder you may write to that has room for the file, and try again.</source>
        <translation>Não foi possível salvar “%1”: %2. Escolha uma pasta em que você possa gravar e que tenha espaço para o arquivo e tente novamente.</translation>
    </message>
    <message>
        <source>Could not save the file: no file name was given. Choose a file name and try again.</source>
        <translation>Não foi possível salvar o arquivo: nenhum nome de arquivo foi informado. Escolha um nome de arquivo e tente novamente.</translation>
    </message>
    <message>
        <source>the file may not be replaced</source>
        <translation>o arquivo não pode ser substituído</translation>
    </message>
    <message>
        <source>no one may write to it</source>
        <translation>ninguém pode gravar nele</translation>
    </message>
    <message>
        <source>you may not write to it</source>
        <translation>você não pode gravar nele</translation>
    </message>
    <message>
        <source>it is a link in a folder that everyone may write to, and it belongs to another user, so it is not followed</source>
        <translation>é um link em uma pasta em que todos podem gravar e pertence a outro usuário, por isso não é seguido</translation>
    </message>
    <message>
        <source>a folder on its way is a link in a folder that everyone may write to, and the link belongs to another user, so it is not followed</source>
        <translation>uma pasta do caminho é um link em uma pasta em que todos podem gravar, e o link pertence a outro usuário, por isso não é seguido</translation>
    </message>
    <message>
        <source>Reading the database "%1" stopped after %2 feeds, more than any reader keeps: its FEEDS table or view may be damaged or without end. Export from a copy of the reader's own database.</source>
        <translation>A leitura do banco de dados “%1” parou após %2 feeds, mais do que qualquer leitor guarda: a tabela ou visão FEEDS pode estar danificada ou não ter fim. Exporte a partir de uma cópia do banco de dados do próprio leitor.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>it is a disk device</source>
        <translation>é um dispositivo de disco</translation>
    </message>
    <message>
        <source>it is a pipe that no program is reading from</source>
        <translation>é um pipe que nenhum programa está lendo</translation>
    </message>
    <message>
        <source>it is the reader's database or one of its files</source>
        <translation>é o banco de dados do leitor ou um de seus arquivos</translation>
    </message>
    <message>
        <source>Filter feeds</source>
        <translation>Filtrar feeds</translation>
    </message>
    <message>
        <source>Select Shown</source>
        <translation>Selecionar visíveis</translation>
    </message>
    <message>
        <source>Deselect Shown</source>
        <translation>Desmarcar visíveis</translation>
    </message>
    <message>
        <source>Show in Files</source>
        <translation>Mostrar no gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>The file could not be shown</source>
        <translation>Não foi possível mostrar o arquivo</translation>
    </message>
    <message>
        <source>No file manager answered, and no program is set to open folders. The file is in %1.</source>
        <translation>Nenhum gerenciador de arquivos respondeu e nenhum programa está definido para abrir pastas. O arquivo está em %1.</translation>
    </message>
    <message>
        <source>The file could not be opened</source>
        <translation>Não foi possível abrir o arquivo</translation>
    </message>
    <message>
        <source>No program is set to open OPML files. The file is in %1; open it from there with the feed reader of your choice.</source>
        <translation>Nenhum programa está definido para abrir arquivos OPML. O arquivo está em %1; abra-o de lá com o leitor de feeds de sua preferência.</translation>
    </message>
    <message>
        <source>Untick Them</source>
        <translation>Desmarcá-los</translation>
    </message>
    <message>
        <source>Addresses with a password or key: %1. A file you share gives them away.</source>
        <translation>Endereços com senha ou chave: %1. Quem receber o arquivo poderá vê-los.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Compare with Another Reader's Export…</source>
        <translation>Comparar com a exportação de outro leitor…</translation>
    </message>
    <message>
        <source>Compare with Another Reader's Export</source>
        <translation>Comparar com a exportação de outro leitor</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>The export could not be compared</source>
        <translation>Não foi possível comparar a exportação</translation>
    </message>
    <message>
        <source>"%1" could not be read: %2. Check the name and that you may read it.</source>
        <translation>Não foi possível ler “%1”: %2. Verifique o nome e se você pode lê-lo.</translation>
    </message>
    <message>
        <source>"%1" is a folder. Choose the OPML file that the other reader exported.</source>
        <translation>“%1” é uma pasta. Escolha o arquivo OPML que o outro leitor exportou.</translation>
    </message>
    <message>
        <source>"%1" is a pipe, socket or device, not a file. Choose the OPML file that the other reader exported.</source>
        <translation>“%1” é um pipe, soquete ou dispositivo, não um arquivo. Escolha o arquivo OPML que o outro leitor exportou.</translation>
    </message>
    <message>
        <source>"%1" is not well-formed XML at line %2, column %3 (%4), so it cannot be compared. Export it from the other reader again.</source>
        <translation>“%1” não é XML bem-formado na linha %2, coluna %3 (%4), por isso não pode ser comparado. Exporte-o de novo no outro leitor.</translation>
    </message>
    <message>
        <source>"%1" is no OPML document: its outermost element is &lt;%2&gt;. Choose the OPML file that the other reader exported.</source>
        <translation>“%1” não é um documento OPML: seu elemento mais externo é &lt;%2&gt;. Escolha o arquivo OPML que o outro leitor exportou.</translation>
    </message>
    <message>
        <source>"%1" holds no feeds, so nothing can be compared. Check that it is the other reader's export of its subscriptions.</source>
        <translation>“%1” não contém feeds, por isso não há nada a comparar. Verifique se é a exportação das assinaturas do outro leitor.</translation>
    </message>
    <message>
        <source>Feeds that some readers cannot import: %1 (missing or repeated addresses, line breaks in titles, or repeated titles).</source>
        <translation>Feeds que alguns leitores não conseguem importar: %1 (endereços ausentes ou repetidos, quebras de linha nos títulos ou títulos repetidos).</translation>
    </message>
    <message>
        <source>Tick at least one feed to export.</source>
        <translation>Marque pelo menos um feed para exportar.</translation>
    </message>
    <message>
        <source>No feed matches “%1”.</source>
        <translation>Nenhum feed corresponde a “%1”.</translation>
    </message>
    <message>
        <source>All feeds are shown again.</source>
        <translation>Todos os feeds voltaram a ser exibidos.</translation>
    </message>
</context>
<context>
    <name>About</name>
    <message>
        <source>About Orvella Exporter</source>
        <translation>Sobre o Orvella Exporter</translation>
    </message>
    <message>
        <source>Designed and engineered by Corvanex</source>
        <translation>Projetado e desenvolvido pela Corvanex</translation>
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
        <translation>Feito na Ucrânia</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão %1 (%2)</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Exporta suas assinaturas do Orvella para um arquivo OPML.</translation>
    </message>
</context>
</TS>
