<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CTovaloApp</name>
    <message>
        <source>Front end for the dpct CUDA-to-SYCL migration tool.</source>
        <translation>dpct (CUDAからSYCLへの移行ツール) のフロントエンド</translation>
    </message>
    <message>
        <source>Use the simulated oneAPI toolkit in &lt;folder&gt; (demo mode).</source>
        <translation>&lt;folder&gt; の模擬oneAPIツールキットを使います (デモ)。</translation>
    </message>
    <message>
        <source>Single-instance key (tests).</source>
        <translation>単一インスタンスのキー (テスト用)。</translation>
    </message>
    <message>
        <source>Definition files to open.</source>
        <translation>開く定義ファイル。</translation>
    </message>
</context>
<context>
    <name>LogContextMenu</name>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>すべてクリア(&amp;A)</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CListDocument</name>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>CUDA file</source>
        <translation>cuファイル</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>変換待ち</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>変換中</translation>
    </message>
    <message>
        <source>Converted OK</source>
        <translation>変換OK</translation>
    </message>
    <message>
        <source>Converted NG</source>
        <translation>変換NG</translation>
    </message>
    <message>
        <source>Syntax errors</source>
        <translation>構文エラーあり</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CMainFrame</name>
    <message>
        <source>&amp;New</source>
        <translation>新規作成(&amp;N)</translation>
    </message>
    <message>
        <source>Create a new definition file
New</source>
        <translation>新しい定義ファイルを作成します
新規作成</translation>
    </message>
    <message>
        <source>&amp;Open Definition File...</source>
        <translation>定義ファイルを開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Open a definition file
Open</source>
        <translation>定義ファイルを開きます
開く</translation>
    </message>
    <message>
        <source>&amp;Save Definition File</source>
        <translation>定義ファイルの保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the definition file
Save</source>
        <translation>定義ファイルを保存します
保存</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>Save the definition file under a new name
Save As</source>
        <translation>定義ファイルを名前を付けて保存します
名前を付けて保存</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>アクティブな定義ファイルを閉じます
閉じる</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>最近使ったファイル(&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>アプリケーションの終了(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>アプリケーションを終了します
終了</translation>
    </message>
    <message>
        <source>&amp;Add cu Files to List...</source>
        <translation>cuファイルをリストに追加(&amp;A)...</translation>
    </message>
    <message>
        <source>Add CUDA files to the list
Add</source>
        <translation>cuファイルをリストに追加します
追加</translation>
    </message>
    <message>
        <source>&amp;Update Selected List Item...</source>
        <translation>選択したリスト項目を更新(&amp;U)...</translation>
    </message>
    <message>
        <source>Change the selected item
Update</source>
        <translation>選択したリスト項目を更新します
更新</translation>
    </message>
    <message>
        <source>&amp;Delete Selected List Item</source>
        <translation>選択したリスト項目を削除(&amp;D)</translation>
    </message>
    <message>
        <source>Delete the selected item
Delete</source>
        <translation>選択したリスト項目を削除します
削除</translation>
    </message>
    <message>
        <source>Delete &amp;All Items...</source>
        <translation>全ての項目を削除(&amp;A)...</translation>
    </message>
    <message>
        <source>Delete every item of the list
Delete All</source>
        <translation>全ての項目を削除します
全て削除</translation>
    </message>
    <message>
        <source>&amp;Start Conversion</source>
        <translation>変換開始(&amp;S)</translation>
    </message>
    <message>
        <source>Convert every item of the list with dpct
Start</source>
        <translation>リストの全項目をdpctで変換します
変換開始</translation>
    </message>
    <message>
        <source>S&amp;top Conversion</source>
        <translation>変換停止(&amp;T)</translation>
    </message>
    <message>
        <source>Stop the conversion
Stop</source>
        <translation>変換を停止します
変換停止</translation>
    </message>
    <message>
        <source>&amp;Pause/Resume Conversion</source>
        <translation>変換一時停止/再開(&amp;P)</translation>
    </message>
    <message>
        <source>Pause or resume the conversion
Pause/Resume</source>
        <translation>変換を一時停止または再開します
一時停止/再開</translation>
    </message>
    <message>
        <source>&amp;Settings...	F12</source>
        <translation>動作環境(&amp;S)...	F12</translation>
    </message>
    <message>
        <source>Change the settings
Settings</source>
        <translation>動作環境を設定します
動作環境</translation>
    </message>
    <message>
        <source>&amp;About Tovalo...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>Show the program's version
About</source>
        <translation>バージョン情報を表示します
バージョン情報</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>ツール バー(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toolbar</source>
        <translation>ツール バーの表示/非表示を切り替えます
ツール バー</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>ステータス バー(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Status Bar</source>
        <translation>ステータス バーの表示/非表示を切り替えます
ステータス バー</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <comment>submenu</comment>
        <translation>最近使用したファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>変換(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Application Look</source>
        <translation>アプリケーションの外観(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>ツール(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>ウィンドウ(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>DEMO: simulated oneAPI toolkit</source>
        <translation>デモ: 模擬oneAPIツールキット</translation>
    </message>
    <message>
        <source>Intel® oneAPI DPC++ Compatibility Tool
Support App
&lt;&lt; Tovalo &gt;&gt;</source>
        <translation>インテル® OneAPI DPC++互換性ツール
サポートアプリ
&lt;&lt; Tovalo &gt;&gt;</translation>
    </message>
    <message>
        <source>DEMO</source>
        <translation>デモ</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>Open Definition File</source>
        <translation>定義ファイルを開く</translation>
    </message>
    <message>
        <source>Definition file (*.txt);;All Files (*)</source>
        <translation>Definition file(*.txt);;All Files(*)</translation>
    </message>
    <message>
        <source>Starting setvars</source>
        <translation>setarg.bat起動開始</translation>
    </message>
    <message>
        <source>Running setvars...</source>
        <translation>setarg.bat起動中...</translation>
    </message>
    <message>
        <source>Querying the dpct version</source>
        <translation>dpctバージョン取得開始</translation>
    </message>
    <message>
        <source>Querying the dpct version...</source>
        <translation>dpctバージョン取得中...</translation>
    </message>
    <message>
        <source>dpct conversion started</source>
        <translation>dpct変換開始</translation>
    </message>
    <message>
        <source>dpct converting...</source>
        <translation>dpct変換中...</translation>
    </message>
    <message>
        <source>dpct run paused</source>
        <translation>dpct実行一時停止中</translation>
    </message>
    <message>
        <source>dpct ver: %1</source>
        <translation>dpct ver: %1</translation>
    </message>
    <message>
        <source>"Intel®  oneAPI DPC++ Compatibility Tool" Support App
Do you really want to quit?</source>
        <translation>『Intel®  OneAPI DPC++互換性ツール』 サポートアプリ
を終了してよろしいですか？</translation>
    </message>
    <message>
        <source>Windows &amp;7</source>
        <translation>Windows 7(&amp;7)</translation>
    </message>
    <message>
        <source>Windows &amp;2000</source>
        <translation>Windows 2000(&amp;2)</translation>
    </message>
    <message>
        <source>Office &amp;XP</source>
        <translation>Office XP(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Windows XP</source>
        <translation>Windows XP(&amp;W)</translation>
    </message>
    <message>
        <source>Office 200&amp;3</source>
        <translation>Office 2003(&amp;3)</translation>
    </message>
    <message>
        <source>Visual Studio 200&amp;5</source>
        <translation>Visual Studio 2005(&amp;5)</translation>
    </message>
    <message>
        <source>Visual Studio 200&amp;8</source>
        <translation>Visual Studio 2008(&amp;8)</translation>
    </message>
    <message>
        <source>Office2007: &amp;Blue Style</source>
        <translation>Office2007： ブルー スタイル(&amp;B)</translation>
    </message>
    <message>
        <source>Office2007: B&amp;lack Style</source>
        <translation>Office2007：ブラック スタイル(&amp;L)</translation>
    </message>
    <message>
        <source>Office2007: &amp;Silver Style</source>
        <translation>Office2007：シルバー スタイル(&amp;S)</translation>
    </message>
    <message>
        <source>Office2007: &amp;Aqua Style</source>
        <translation>Office2007：アクア スタイル(&amp;A)</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::COutputPane</name>
    <message>
        <source>[... older output removed to keep the pane fast ...]</source>
        <translation>[... 古い出力は表示を速く保つために削除されました ...]</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>出力</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CTovaloApp</name>
    <message>
        <source>Intel® oneAPI is not installed. Files cannot be converted to DPC++, but definition files (the files to convert with their conversion options) can still be made.</source>
        <translation>Intel® oneAPI がインストールされていません。dpc++ファイルへの変換処理はできませんが定義ファイル（変換対象ファイル一覧：変換オプション定義）の作成は可能です。</translation>
    </message>
    <message>
        <source>[Tovalo] The command interpreter could not be started: %1
</source>
        <translation>[Tovalo] コマンド インタープリターを起動できませんでした: %1
</translation>
    </message>
    <message>
        <source>Tovalo %1
A front end for the dpct migration tool.

dpct: %2</source>
        <translation>Tovalo %1
dpct移行ツールのフロントエンド

dpct: %2</translation>
    </message>
    <message>
        <source>(not known)</source>
        <translation>(不明)</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::SingleInstance</name>
    <message>
        <source>Another Tovalo is running but does not answer.</source>
        <translation>別のTovaloが実行中ですが応答しません。</translation>
    </message>
</context>
</TS>