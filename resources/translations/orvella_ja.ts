<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>CXInterfaceString</name>
    <message>
        <source>Orvella cannot be open during export</source>
        <translation>エクスポート中は Orvella を開いておけません</translation>
    </message>
    <message>
        <source>Click Continue to quit Orvella. The application will open when the export is complete</source>
        <translation>「続行」をクリックすると Orvella を終了します。エクスポートが完了すると Orvella がもう一度開きます</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Export complete</source>
        <translation>エクスポートが完了しました</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>すべて選択解除</translation>
    </message>
    <message>
        <source>My Feeds</source>
        <translation>マイフィード</translation>
    </message>
    <message>
        <source>Orvella has no subscriptions to export yet. Add feeds in Orvella, then open the exporter again.</source>
        <translation>Orvella にはエクスポートできる購読がまだありません。Orvella でフィードを追加してから、エクスポーターをもう一度開いてください。</translation>
    </message>
    <message>
        <source>Orvella could not be quit. Quit it yourself, then open the exporter again.</source>
        <translation>Orvella を終了できませんでした。手動で終了してから、エクスポーターをもう一度開いてください。</translation>
    </message>
    <message>
        <source>The support page could not be opened. Visit it in your web browser instead.</source>
        <translation>サポートページを開けませんでした。Web ブラウザーで開いてください。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Orvella Exporter…</source>
        <translation>Orvella Exporter について…</translation>
    </message>
    <message>
        <source>Orvella Support</source>
        <translation>Orvella サポート</translation>
    </message>
    <message>
        <source>Export Subscriptions</source>
        <translation>購読のエクスポート</translation>
    </message>
    <message>
        <source>Tick the feeds to include in the OPML file.</source>
        <translation>OPML ファイルに含めるフィードにチェックを付けてください。</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>エクスポート…</translation>
    </message>
    <message>
        <source>No readable Orvella database was found at %1. Open Orvella once so that it creates its database, then open the exporter again.</source>
        <translation>%1 に読み込める Orvella のデータベースが見つかりませんでした。Orvella を一度開いてデータベースを作成させてから、エクスポーターをもう一度開いてください。</translation>
    </message>
    <message>
        <source>Reading feeds…</source>
        <translation>フィードを読み込んでいます…</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>This list is incomplete. %1</source>
        <translation>このリストは不完全です。%1</translation>
    </message>
    <message>
        <source>There is no database file at “%1”. Check the path given with --database, then start the exporter again.</source>
        <translation>「%1」にデータベースファイルがありません。--database で指定したパスを確認してから、エクスポーターをもう一度起動してください。</translation>
    </message>
    <message>
        <source>Export an incomplete list?</source>
        <translation>不完全なリストをエクスポートしますか？</translation>
    </message>
    <message>
        <source>Only the feeds in the list can be exported; those that could not be read will be missing from the file.</source>
        <translation>エクスポートできるのはリストにあるフィードだけです。読み込めなかったフィードはファイルに含まれません。</translation>
    </message>
    <message>
        <source>Export Anyway</source>
        <translation>このままエクスポート</translation>
    </message>
    <message>
        <source>Export Feeds</source>
        <translation>フィードのエクスポート</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 はすでに存在します。置き換えますか？</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>OPML files</source>
        <translation>OPML ファイル</translation>
    </message>
    <message>
        <source>OPML 2.0 files</source>
        <translation>OPML 2.0 ファイル</translation>
    </message>
    <message>
        <source>Make titles safe for any reader</source>
        <translation>どのリーダーでもインポートできるタイトルにする</translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 selected</source>
        <translation>
            <numerusform>%1 件中 %Ln 件を選択</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln shown</source>
        <translation>
            <numerusform>、%Ln 件を表示</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>None of the %Ln feeds is missing from %1.</source>
        <translation>
            <numerusform>%1 に欠けているフィードはありません (全 %Ln 件)。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 feeds are missing from %2; they are ticked, to be exported and imported again.</source>
        <translation>
            <numerusform>%2 には %1 件中 %Ln 件のフィードが欠けています。エクスポートしてもう一度インポートできるよう、チェックを付けました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln feeds written to %1 and checked.</source>
        <translation>
            <numerusform>%Ln 件のフィードを %1 に書き込んで確認しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation>フィード</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 件中 %1 件目</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>The export could not be saved</source>
        <translation>エクスポートを保存できませんでした</translation>
    </message>
    <message>
        <source>Saved as “%1” in</source>
        <translation>「%1」として次の場所に保存しました:</translation>
    </message>
    <message>
        <source>%1 of the feeds' texts held bytes that are not valid UTF-8; each such sequence is shown and exported as the character �.</source>
        <translation>フィードのテキストのうち %1 件に UTF-8 として無効なバイトが含まれていました。そうした部分はそれぞれ文字 � として表示され、エクスポートされます。</translation>
    </message>
    <message>
        <source>close button</source>
        <translation>閉じるボタン</translation>
    </message>
    <message>
        <source>"%1" is a folder, not a database file. Name the Feeds file itself.</source>
        <translation>「%1」はフォルダーで、データベースファイルではありません。Feeds ファイルそのものを指定してください。</translation>
    </message>
    <message>
        <source>There is no database file at "%1". Check the path, or start Orvella once so that it creates its database.</source>
        <translation>「%1」にデータベースファイルがありません。パスを確認するか、Orvella を一度起動してデータベースを作成させてください。</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened: permission denied. Make the file readable for your user and try again.</source>
        <translation>データベース「%1」を開けません: アクセスが拒否されました。このユーザーがファイルを読み込めるようにしてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened because too many files are open (%2). Close other programs, or raise the limit on open files, and try again.</source>
        <translation>開いているファイルが多すぎるため、データベース「%1」を開けません (%2)。ほかのプログラムを終了するか、開けるファイル数の上限を引き上げてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The database "%1" cannot be opened (%2). Check the file and try again.</source>
        <translation>データベース「%1」を開けません (%2)。ファイルを確認してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The database "%1" is locked by another program (%2). Quit Orvella, or wait until it has finished writing, and try again.</source>
        <translation>データベース「%1」はほかのプログラムによってロックされています (%2)。Orvella を終了するか、書き込みが終わるのを待ってから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>"%1" is not an SQLite database (%2). Name the reader's Feeds database file.</source>
        <translation>「%1」は SQLite データベースではありません (%2)。リーダーの Feeds データベースファイルを指定してください。</translation>
    </message>
    <message>
        <source>The database "%1" is damaged (%2). Let Orvella repair it, or export from a backup copy.</source>
        <translation>データベース「%1」は破損しています (%2)。Orvella に修復させるか、バックアップコピーからエクスポートしてください。</translation>
    </message>
    <message>
        <source>The database "%1" has no FEEDS table with the columns FEED_URL, FEED_TITLE, CHANNEL_TYPE and INTERNAL_LINK (%2). Name the reader's Feeds database file.</source>
        <translation>データベース「%1」には、FEED_URL、FEED_TITLE、CHANNEL_TYPE、INTERNAL_LINK の各列を持つ FEEDS テーブルがありません (%2)。リーダーの Feeds データベースファイルを指定してください。</translation>
    </message>
    <message>
        <source>The FEEDS view of the database "%1" calls a function that SQLite refuses to run from a database file (%2). Export from the reader's own Feeds database, or from a copy without that view.</source>
        <translation>データベース「%1」の FEEDS ビューは、SQLite がデータベースファイルからの実行を拒否する関数を呼び出しています (%2)。リーダー自身の Feeds データベースか、そのビューのないコピーからエクスポートしてください。</translation>
    </message>
    <message>
        <source>The FEEDS table or view of the database "%1" cannot be queried (%2). Export from the reader's own Feeds database, or let Orvella repair it.</source>
        <translation>データベース「%1」の FEEDS テーブルまたはビューを照会できません (%2)。リーダー自身の Feeds データベースからエクスポートするか、Orvella に修復させてください。</translation>
    </message>
    <message numerus="yes">
        <source>Reading the database &quot;%1&quot; was stopped after %Ln feeds.</source>
        <translation>
            <numerusform>データベース「%1」の読み込みを %Ln 件のフィードの後で中止しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The database &quot;%1&quot; is damaged: reading stopped after %Ln feeds (%2). Let Orvella repair it, or export from a backup copy.</source>
        <translation>
            <numerusform>データベース「%1」は破損しています: %Ln 件のフィードを読み込んだところで読み込みが止まりました (%2)。Orvella に修復させるか、バックアップコピーからエクスポートしてください。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reading the database &quot;%1&quot; stopped after %Ln feeds (%2). Check the file and try again.</source>
        <translation>
            <numerusform>データベース「%1」の読み込みが %Ln 件のフィードの後で止まりました (%2)。ファイルを確認してから、もう一度お試しください。</numerusform>
        </translation>
    </message>
    <message>
        <source>The database "%1" cannot be read (%2). Check the file and try again.</source>
        <translation>データベース「%1」を読み込めません (%2)。ファイルを確認してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>"%1" is not a database file but a pipe, socket or device. Name the Feeds database file itself.</source>
        <translation>「%1」はデータベースファイルではなく、パイプ、ソケット、またはデバイスです。Feeds データベースファイルそのものを指定してください。</translation>
    </message>
    <message>
        <source>No database file was named. Name the Feeds database file.</source>
        <translation>データベースファイルが指定されていません。Feeds データベースファイルを指定してください。</translation>
    </message>
    <message>
        <source>The database "%1" changed while it was read. Try again.</source>
        <translation>読み込み中にデータベース「%1」が変更されました。もう一度お試しください。</translation>
    </message>
    <message>
        <source>The database "%1" was left unfinished by a program that stopped, and no private copy of it could be made in the temporary folder "%2" to read it. Make room there, or set TMPDIR to a folder with room, and try again.</source>
        <translation>データベース「%1」は途中で止まったプログラムによって未完了のまま残されており、読み込むためのプライベートコピーを一時フォルダー「%2」に作成できませんでした。そこに空き容量を作るか、TMPDIR を空き容量のあるフォルダーに設定してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>No reader database: the application-group folder cannot be located because HOME is not an absolute path ("%1") and XDG_DATA_HOME is not set to one either. Set HOME to your home folder, or name the database file with --database.</source>
        <translation>リーダーのデータベースがありません: HOME が絶対パスではなく (「%1」)、XDG_DATA_HOME も絶対パスに設定されていないため、アプリケーショングループのフォルダーが見つかりません。HOME をホームフォルダーに設定するか、--database でデータベースファイルを指定してください。</translation>
    </message>
    <message>
        <source>No reader database: the application-group folder cannot be located because neither XDG_DATA_HOME nor HOME is set. Name the database file with --database.</source>
        <translation>リーダーのデータベースがありません: XDG_DATA_HOME も HOME も設定されていないため、アプリケーショングループのフォルダーが見つかりません。--database でデータベースファイルを指定してください。</translation>
    </message>
    <message>
        <source>There was not enough memory to read the feeds. Close other programs and try again.</source>
        <translation>フィードを読み込むためのメモリが足りませんでした。ほかのプログラムを終了してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>There is no temporary folder to write to: TMPDIR names "%1", which is not a folder you may write to, and neither is /tmp. Set TMPDIR to such a folder and try again.</source>
        <translation>書き込める一時フォルダーがありません: TMPDIR が指す「%1」は書き込めるフォルダーではなく、/tmp も同様です。TMPDIR を書き込めるフォルダーに設定してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>There is no temporary folder to write to: /tmp is not a folder you may write to. Set TMPDIR to such a folder and try again.</source>
        <translation>書き込める一時フォルダーがありません: /tmp に書き込めません。TMPDIR を書き込めるフォルダーに設定してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Could not save "%1": %2. Choose another file name for the export.</source>
        <translation>「%1」を保存できませんでした: %2。エクスポート用に別のファイル名を選んでください。</translation>
    </message>
    <message>
        <source>Could not save "%1": the file is write-protected (%2). Choose another file name, or make the file writable first if it is meant to be replaced.</source>
        <translation>「%1」を保存できませんでした: ファイルは書き込み禁止です (%2)。別のファイル名を選ぶか、置き換えるつもりのファイルなら先に書き込みを許可してください。</translation>
    </message>
    <message>
        <source>Could not save "%1": %2. Choose a folder you may write to that has room for the file, and try again.</source>
        <translation>「%1」を保存できませんでした: %2。書き込みができ、ファイルを置く空き容量のあるフォルダーを選んでから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Could not save the file: no file name was given. Choose a file name and try again.</source>
        <translation>ファイルを保存できませんでした: ファイル名が指定されていません。ファイル名を選んでから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>the file may not be replaced</source>
        <translation>このファイルは置き換えられません</translation>
    </message>
    <message>
        <source>no one may write to it</source>
        <translation>誰も書き込めないファイルです</translation>
    </message>
    <message>
        <source>you may not write to it</source>
        <translation>このファイルに書き込む権限がありません</translation>
    </message>
    <message>
        <source>it is a link in a folder that everyone may write to, and it belongs to another user, so it is not followed</source>
        <translation>誰でも書き込めるフォルダーにある、ほかのユーザーが所有するリンクのため、たどりません</translation>
    </message>
    <message>
        <source>a folder on its way is a link in a folder that everyone may write to, and the link belongs to another user, so it is not followed</source>
        <translation>途中のフォルダーが、誰でも書き込めるフォルダーにある、ほかのユーザーが所有するリンクのため、たどりません</translation>
    </message>
    <message>
        <source>Reading the database "%1" stopped after %2 feeds, more than any reader keeps: its FEEDS table or view may be damaged or without end. Export from a copy of the reader's own database.</source>
        <translation>データベース「%1」の読み込みを %2 件のフィードの後で止めました。どのリーダーが持つよりも多い数です。FEEDS テーブルまたはビューが壊れているか、終わりがない可能性があります。リーダー自身のデータベースのコピーからエクスポートしてください。</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>it is a disk device</source>
        <translation>ディスクデバイスです</translation>
    </message>
    <message>
        <source>it is a pipe that no program is reading from</source>
        <translation>どのプログラムも読み取っていないパイプです</translation>
    </message>
    <message>
        <source>it is the reader's database or one of its files</source>
        <translation>リーダーのデータベースまたはその関連ファイルです</translation>
    </message>
    <message>
        <source>Filter feeds</source>
        <translation>フィードを絞り込む</translation>
    </message>
    <message>
        <source>Select Shown</source>
        <translation>表示中を選択</translation>
    </message>
    <message>
        <source>Deselect Shown</source>
        <translation>表示中の選択を解除</translation>
    </message>
    <message>
        <source>Show in Files</source>
        <translation>ファイルで表示</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>The file could not be shown</source>
        <translation>ファイルを表示できませんでした</translation>
    </message>
    <message>
        <source>No file manager answered, and no program is set to open folders. The file is in %1.</source>
        <translation>ファイルマネージャーが応答せず、フォルダーを開くプログラムも設定されていません。ファイルは %1 にあります。</translation>
    </message>
    <message>
        <source>The file could not be opened</source>
        <translation>ファイルを開けませんでした</translation>
    </message>
    <message>
        <source>No program is set to open OPML files. The file is in %1; open it from there with the feed reader of your choice.</source>
        <translation>OPML ファイルを開くプログラムが設定されていません。ファイルは %1 にあります。そこからお好みのフィードリーダーで開いてください。</translation>
    </message>
    <message>
        <source>Untick Them</source>
        <translation>チェック解除</translation>
    </message>
    <message>
        <source>Addresses with a password or key: %1. A file you share gives them away.</source>
        <translation>パスワードやキーを含むアドレス: %1 件。共有したファイルから知られてしまいます。</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>「%1」</translation>
    </message>
    <message>
        <source>Compare with Another Reader's Export…</source>
        <translation>ほかのリーダーのエクスポートと比較…</translation>
    </message>
    <message>
        <source>Compare with Another Reader's Export</source>
        <translation>ほかのリーダーのエクスポートと比較</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>The export could not be compared</source>
        <translation>エクスポートを比較できませんでした</translation>
    </message>
    <message>
        <source>"%1" could not be read: %2. Check the name and that you may read it.</source>
        <translation>「%1」を読めませんでした: %2。名前と、読み取りが許可されているかを確かめてください。</translation>
    </message>
    <message>
        <source>"%1" is a folder. Choose the OPML file that the other reader exported.</source>
        <translation>「%1」はフォルダーです。ほかのリーダーがエクスポートした OPML ファイルを選んでください。</translation>
    </message>
    <message>
        <source>"%1" is a pipe, socket or device, not a file. Choose the OPML file that the other reader exported.</source>
        <translation>「%1」はファイルではなく、パイプ、ソケット、またはデバイスです。ほかのリーダーがエクスポートした OPML ファイルを選んでください。</translation>
    </message>
    <message>
        <source>"%1" is not well-formed XML at line %2, column %3 (%4), so it cannot be compared. Export it from the other reader again.</source>
        <translation>「%1」は %2 行 %3 列で整形式の XML ではないため (%4)、比較できません。ほかのリーダーからもう一度エクスポートしてください。</translation>
    </message>
    <message>
        <source>"%1" is no OPML document: its outermost element is &lt;%2&gt;. Choose the OPML file that the other reader exported.</source>
        <translation>「%1」は OPML 文書ではありません。いちばん外側の要素が &lt;%2&gt; です。ほかのリーダーがエクスポートした OPML ファイルを選んでください。</translation>
    </message>
    <message>
        <source>"%1" holds no feeds, so nothing can be compared. Check that it is the other reader's export of its subscriptions.</source>
        <translation>「%1」にはフィードがないため、比較するものがありません。ほかのリーダーの購読をエクスポートしたファイルか確かめてください。</translation>
    </message>
    <message>
        <source>Feeds that some readers cannot import: %1 (missing or repeated addresses, line breaks in titles, or repeated titles).</source>
        <translation>一部のリーダーがインポートできないフィード: %1 件 (アドレスがない、または重複している、タイトルに改行がある、タイトルが重複している)。</translation>
    </message>
    <message>
        <source>Tick at least one feed to export.</source>
        <translation>エクスポートするフィードを 1 つ以上チェックしてください。</translation>
    </message>
    <message>
        <source>No feed matches “%1”.</source>
        <translation>「%1」に一致するフィードはありません。</translation>
    </message>
    <message>
        <source>All feeds are shown again.</source>
        <translation>すべてのフィードを再び表示しています。</translation>
    </message>
</context>
<context>
    <name>About</name>
    <message>
        <source>About Orvella Exporter</source>
        <translation>Orvella Exporter について</translation>
    </message>
    <message>
        <source>Designed and engineered by Corvanex</source>
        <translation>設計・開発: Corvanex</translation>
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
        <translation>ウクライナ製</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>無断複写・転載を禁じます。</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン %1 (%2)</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Orvella の購読を OPML ファイルにエクスポートします。</translation>
    </message>
</context>
</TS>
