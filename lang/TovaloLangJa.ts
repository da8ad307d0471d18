<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>DirectoryScan</name>
    <message>
        <source>Searching for CUDA files...</source>
        <translation>CUDAファイルを検索しています...</translation>
    </message>
    <message>
        <source>Searching for CUDA files...
%1 folders, %2 files found</source>
        <translation>CUDAファイルを検索しています...
%1 フォルダー、%2 ファイル</translation>
    </message>
    <message>
        <source>Add Data</source>
        <translation>データの追加</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>There were no items to add.</source>
        <translation>追加する項目はありませんでした。</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... ほか %1 個</translation>
    </message>
    <message>
        <source>%1 CUDA files were left out: their names contain a line break, which a definition file cannot hold.

%2</source>
        <translation>名前に改行を含む CUDA ファイル %1 個は追加しませんでした。定義ファイルには改行を含む名前を保存できません。

%2</translation>
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
    <name>OptionHelp</name>
    <message>
        <source>Shows the directory of the source file.</source>
        <translation>対象ファイルのディレクトリ名を表示します。</translation>
    </message>
    <message>
        <source>Shows the file name of the source file.</source>
        <translation>対象ファイルのファイル名を表示します。</translation>
    </message>
    <message>
        <source>Always creates cl::sycl::queue with an asynchronous exception handler.</source>
        <translation>常に非同期例外ハンドラーを使用してcl::sycl::queueを作成します。</translation>
    </message>
    <message>
        <source>Gives the tool a hint about the dimension of nd_range to use in the generated code.</source>
        <translation>生成されたコードで使用するnd_rangeの次元に関するツールへのヒントを提供します。</translation>
    </message>
    <message>
        <source>Specifies the name of the makefile generated for the migrated files.</source>
        <translation>移行されたファイル用に生成されたmakefileの名前を指定します。</translation>
    </message>
    <message>
        <source>Inserts comments that explain the generated code.</source>
        <translation>生成されたコードを説明するコメントを挿入します。</translation>
    </message>
    <message>
        <source>Specifies the directory path of the CUDA header files.</source>
        <translation>CUDA *ヘッダーファイルのディレクトリパスを指定します。</translation>
    </message>
    <message>
        <source>Specifies the helper header folder name and the main helper header file name.</source>
        <translation>ヘルパーヘッダーフォルダー名とメインヘルパーヘッダーファイル名を指定します。</translation>
    </message>
    <message>
        <source>Uses C++17 class template argument deduction (CTAD) in the generated code.</source>
        <translation>生成されたコードでC++17クラステンプレート引数推論(CTAD)を使用します。</translation>
    </message>
    <message>
        <source>Specifies an additional argument to append to the migration command line.</source>
        <translation>移行コマンドラインに追加する追加の引数を指定します。</translation>
    </message>
    <message>
        <source>Sets the range of formatting.</source>
        <translation>フォーマットの範囲を設定します。</translation>
    </message>
    <message>
        <source>Sets the formatting style.</source>
        <translation>書式設定スタイルを設定します。</translation>
    </message>
    <message>
        <source>Generates a makefile for the migrated files in the --out-root directory.</source>
        <translation>-out-rootディレクトリに移行されたファイルのmakefileを生成します。</translation>
    </message>
    <message>
        <source>Directory path of the root of the source tree to migrate. Only files under this root are migrated.</source>
        <translation>移行する必要があるソースツリーのルートのディレクトリパス。 このルートの下のファイルのみが移行されます。</translation>
    </message>
    <message>
        <source>Keeps the original code in comments of the generated DPC++ files.</source>
        <translation>生成されたデータ並列C++(DPC++)ファイルのコメントに元のコードを保持します。</translation>
    </message>
    <message>
        <source>(Deprecated) Do not use the cl:: namespace inline.</source>
        <translation>(※非推奨)cl::名前空間をインラインで使用しないでください。</translation>
    </message>
    <message>
        <source>Sets a comma-separated list of DPC++ extensions not to be used in the migrated code.</source>
        <translation>移行されたコードで使用されないDPC++拡張機能のコンマ区切りリストを設定します。</translation>
    </message>
    <message>
        <source>Does not use the Don&apos;t Repeat Yourself (DRY) pattern when functions of the dpct namespace are inserted.</source>
        <translation>dpct名前空間の関数を挿入するときは、Don&apos;t Repeat Yourself(DRY)パターンを使用しません。</translation>
    </message>
    <message>
        <source>Tells the tool not to migrate incrementally.</source>
        <translation>インクリメンタル移行を行いません。</translation>
    </message>
    <message>
        <source>Generates code that applies more aggressive assumptions, which may change the program&apos;s semantics.</source>
        <translation>プログラムの意味を変える可能性のある、より積極的な前提を適用したコードを生成します。</translation>
    </message>
    <message>
        <source>Specifies the directory path of the root of the generated files. The directory is created if it does not exist.</source>
        <translation>生成されたファイルのルートのディレクトリパスを指定します。ディレクトリが存在しない場合は作成されます。</translation>
    </message>
    <message>
        <source>Redirects the stdout/stderr output to a file in the output directory given by --out-root.</source>
        <translation>Istdout/stderrの出力を--out-rootオプションで指定された出力ディレクトリにリダイレクトします。</translation>
    </message>
    <message>
        <source>Sets the level of detail of the output.</source>
        <translation>出力の詳細レベルを設定します。</translation>
    </message>
    <message>
        <source>Directory path of the compilation database (compile_commands.json). Without a path, compile_commands.json is searched for in every parent directory of the first input source file.</source>
        <translation>コンパイルデータベースのディレクトリパス（compile_commands.json）。 パスが指定されていない場合、最初の入力ソースファイルのすべての親ディレクトリを介してcompile_commands.jsonの検索が試行されます。</translation>
    </message>
    <message>
        <source>Migrates or copies every file except hidden ones from the --in-root directory to the --out-root directory. --in-root must be given explicitly.</source>
        <translation>非表示を除くすべてのファイルを--in-rootディレクトリから--out-rootディレクトリに移行またはコピーします。 --in-rootオプションは明示的に指定する必要があります。</translation>
    </message>
    <message>
        <source>Prefix of the report file names. The full name gets a suffix derived from report-type and an extension derived from report-format.</source>
        <translation>レポートファイル名のプレフィックス。 完全なファイル名には、report-typeから派生したサフィックスと、report-formatから派生した拡張子が付きます。</translation>
    </message>
    <message>
        <source>Sets the format of the reports.</source>
        <translation>レポートの形式を設定します。</translation>
    </message>
    <message>
        <source>Only reports are generated. No DPC++ code is generated.</source>
        <translation>レポートのみが生成されます。 DPC++コードは生成されません。</translation>
    </message>
    <message>
        <source>Specifies the type of the report.</source>
        <translation>レポートのタイプを指定します。</translation>
    </message>
    <message>
        <source>Stops migration and report generation when a parsing error occurs.</source>
        <translation>解析エラーが発生した場合は移行とレポートの生成を停止します。</translation>
    </message>
    <message>
        <source>Specifies a comma-separated list of migration warnings to suppress. Valid warning IDs range from 1000 to 1047.</source>
        <translation>抑制する移行警告のコンマ区切りリストを指定します。有効な警告IDの範囲は1000から1047です。</translation>
    </message>
    <message>
        <source>Suppresses all migration warnings.</source>
        <translation>すべての移行警告を抑制します。</translation>
    </message>
    <message>
        <source>Generates kernels with the kernel name.</source>
        <translation>カーネル名でカーネルを生成します。</translation>
    </message>
    <message>
        <source>Customizes the helper header files for the migrated code.</source>
        <translation>移行されたコードのヘルパーヘッダーファイルをカスタマイズします。</translation>
    </message>
    <message>
        <source>Sets a comma-separated list of experimental features to be used in the migrated code. By default no experimental features are used.</source>
        <translation>移行されたコードで使用される実験機能のコンマ区切りリストを設定します。 デフォルトでは、実験的な機能は移行されたコードでは使用されません。</translation>
    </message>
    <message>
        <source>Defines the namespaces to use explicitly in the generated code.</source>
        <translation>生成されたコードで明示的に使用する名前空間を定義します。</translation>
    </message>
    <message>
        <source>Sets the Unified Shared Memory (USM) level to use in source code generation.</source>
        <translation>ソースコード生成で使用する統合共有メモリ(USM)レベルを設定します。</translation>
    </message>
    <message>
        <source>Specifies the file path of the vcxproj file.</source>
        <translation>vcxprojのファイルパスを指定します。</translation>
    </message>
    <message>
        <source>Directory name</source>
        <translation>ディレクトリ名</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>ファイル名</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CChildFrame</name>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Definition file (*.txt);;All Files (*)</source>
        <translation>Definition file(*.txt);;All Files(*)</translation>
    </message>
    <message>
        <source>Do you want to save (%1)?</source>
        <translation>(%1) を保存しますか？</translation>
    </message>
    <message>
        <source>Do you want to save %1?</source>
        <translation>%1 を保存しますか？</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected data?</source>
        <translation>選択したデータを削除してよろしいですか？</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all items?</source>
        <translation>全ての項目を削除してよろしいですか？</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Add cu Files to List...	Ins</source>
        <translation>cuファイルをリストに追加(&amp;A)...	Ins</translation>
    </message>
    <message>
        <source>&amp;Update Selected List Item...	Enter</source>
        <translation>選択したリスト項目を更新(&amp;U)...	Enter</translation>
    </message>
    <message>
        <source>&amp;Delete Selected List Item	Del</source>
        <translation>選択したリスト項目を削除(&amp;D)	Del</translation>
    </message>
    <message>
        <source>Delete &amp;All Items...	Ctrl+Del</source>
        <translation>全ての項目を削除(&amp;A)...	Ctrl+Del</translation>
    </message>
    <message>
        <source>This is not a definition file: it holds binary data.</source>
        <translation>定義ファイルではありません（バイナリ データを含んでいます）。</translation>
    </message>
    <message>
        <source>This is not a definition file: it has neither a [Common] section nor a section of a .cu file.</source>
        <translation>定義ファイルではありません（[Common] セクションも .cu ファイルのセクションもありません）。</translation>
    </message>
    <message>
        <source>%1
This file has lines that Tovalo does not read (sections of other files, unknown options or values). Saving over the file drops them; Tovalo asks before it does.</source>
        <translation>%1
このファイルには Tovalo が読み取らない行（他のファイルのセクション、不明なオプションや値）があります。上書き保存するとそれらの行は失われます。保存の前に確認します。</translation>
    </message>
    <message>
        <source>%1
Saving replaces the file and drops the lines that Tovalo did not read. Save anyway?</source>
        <translation>%1
保存するとファイルが置き換えられ、Tovalo が読み取らなかった行は失われます。保存しますか？</translation>
    </message>
    <message>
        <source>%1
This file has byte sequences that are not UTF-8 (%2, the first on line %3); they are shown as U+FFFD. Saving over the file writes U+FFFD in their place; Tovalo asks before it does.</source>
        <translation>%1
このファイルには UTF-8 でないバイト列があります（%2 か所、最初は %3 行目）。U+FFFD として表示しています。上書き保存するとその位置に U+FFFD が書き込まれます。保存の前に確認します。</translation>
    </message>
    <message>
        <source>%1
This file was read as %2; Tovalo saves in %3. Saving over the file changes its encoding; Tovalo asks before it does.</source>
        <translation>%1
このファイルは %2 として読み込みました。Tovalo は %3 で保存します。上書き保存するとファイルのエンコーディングが変わります。保存の前に確認します。</translation>
    </message>
    <message>
        <source>%1
The file has byte sequences that are not UTF-8; saving writes U+FFFD in their place. Save anyway?</source>
        <translation>%1
このファイルには UTF-8 でないバイト列があります。保存するとその位置に U+FFFD が書き込まれます。保存しますか？</translation>
    </message>
    <message>
        <source>%1
The file was read as %2; saving writes %3. Save anyway?</source>
        <translation>%1
このファイルは %2 として読み込みました。保存すると %3 で書き込まれます。保存しますか？</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctDataDlg</name>
    <message>
        <source>Add Data</source>
        <translation>データの追加</translation>
    </message>
    <message>
        <source>Update Data</source>
        <translation>データの更新</translation>
    </message>
    <message>
        <source>File/Directory Selection</source>
        <translation>ファイル/ディレクトリ選択</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>ファイルを選択</translation>
    </message>
    <message>
        <source>Select a directory</source>
        <translation>ディレクトリを選択</translation>
    </message>
    <message>
        <source>Also take the .cu sources in sub-directories</source>
        <translation>配下のディレクトリにあるcuソースも対象とする</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Select the CUDA file to convert</source>
        <translation>変換するCUDA*ファイルの選択</translation>
    </message>
    <message>
        <source>Select the folder that holds the CUDA files to convert</source>
        <translation>変換するCUDA*ファイルがあるフォルダの選択</translation>
    </message>
    <message>
        <source>Conversion Option Settings</source>
        <translation>変換オプションの設定</translation>
    </message>
    <message>
        <source>Uncheck all</source>
        <translation>チェックをすべて解除する</translation>
    </message>
    <message>
        <source>Check all</source>
        <translation>すべてチェックを付ける</translation>
    </message>
    <message>
        <source>cuda file (*.cu);;All Files (*)</source>
        <translation>cuda file (*.cu);;All Files (*)</translation>
    </message>
    <message>
        <source>The selected file is already in the list.</source>
        <translation>選択したファイルはリストに登録済です。</translation>
    </message>
    <message>
        <source>The file name is not valid. Enter a valid file name.</source>
        <translation>無効なファイル名です。有効なファイル名を入力してください。</translation>
    </message>
    <message>
        <source>The directory name is not valid. Enter a valid directory name.</source>
        <translation>無効なディレクトリ名です。有効なディレクトリ名を入力してください。</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains a line break, which a definition file cannot hold. Rename the file first.</source>
        <translation>ファイル名「%1」に改行が含まれています。定義ファイルには保存できません。先にファイル名を変更してください。</translation>
    </message>
    <message>
        <source>The directory name &quot;%1&quot; contains a line break, which a definition file cannot hold. Rename the directory first.</source>
        <translation>ディレクトリ名「%1」に改行が含まれています。定義ファイルには保存できません。先にディレクトリ名を変更してください。</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctDataSetDlg</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Select the directory of the CUDA header files</source>
        <translation>CUDA *ヘッダーファイルのディレクトリパスを選択</translation>
    </message>
    <message>
        <source>Select the root directory of the source tree</source>
        <translation>ソースツリーのルートのディレクトリパスを選択</translation>
    </message>
    <message>
        <source>Select the root directory of the generated files</source>
        <translation>生成されたファイルのルートのディレクトリパスを選択</translation>
    </message>
    <message>
        <source>Select the directory of the compilation database</source>
        <translation>コンパイルデータベースのディレクトリパスを選択</translation>
    </message>
    <message>
        <source>Select the output file for stdout / stderr</source>
        <translation>stdout / stderrの出力ファイルを選択</translation>
    </message>
    <message>
        <source>Text File (*.txt);;All Files (*)</source>
        <translation>Text File(*.txt);;All Files(*)</translation>
    </message>
    <message>
        <source>Select the vcxproj file</source>
        <translation>vcxprojファイルの選択</translation>
    </message>
    <message>
        <source>vcxproj file (*.vcxproj);;All Files (*)</source>
        <translation>vcxproj file (*.vcxproj);;All Files(*)</translation>
    </message>
    <message>
        <source>The selected value is not valid. Select a correct value.</source>
        <translation>選択した内容に誤りがあります。正しい値を選択してください。</translation>
    </message>
    <message>
        <source>The name you entered is not valid. Enter a suitable name.</source>
        <translation>入力した名称に誤りがあります。適切な名称を入力してください。</translation>
    </message>
    <message>
        <source>The path you entered is not valid. Enter a correct path.</source>
        <translation>入力したパス名に誤りがあります。正しいパス名を入力してください。</translation>
    </message>
    <message>
        <source>The file name you entered is not valid. Enter a correct file name.</source>
        <translation>入力したファイル名に誤りがあります。正しいファイル名を入力してください。</translation>
    </message>
    <message>
        <source>No value has been entered. Enter a suitable value.</source>
        <translation>値が入力されていません。適切な内容を入力してください。</translation>
    </message>
    <message>
        <source>The quotes in the value you entered do not pair up, or it contains a line break or a control character. Close every quote you open.</source>
        <translation>入力した値の引用符が対になっていないか、改行または制御文字が含まれています。開いた引用符はすべて閉じてください。</translation>
    </message>
    <message>
        <source>The folder you entered is missing, and so is the folder that would hold it. Enter an existing folder, or a new one in an existing folder.</source>
        <translation>入力したフォルダーがなく、それを入れるフォルダーもありません。既存のフォルダーか、既存のフォルダーの中の新しいフォルダーを入力してください。</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctPropCtrl</name>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Conversion options</source>
        <translation>変換オプション</translation>
    </message>
    <message>
        <source>Options of the selected item</source>
        <translation>選択した項目のオプション</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctResultCtrl</name>
    <message>
        <source>[... the beginning of this output is not shown ...]</source>
        <translation>[... この出力の先頭部分は表示されていません ...]</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctTreeCtrl</name>
    <message>
        <source>Conversion items</source>
        <translation>ファイル一覧リスト</translation>
    </message>
    <message>
        <source>Row %1 of %2: %3</source>
        <translation>%1 / %2 行目: %3</translation>
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
    <message>
        <source>File name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CMainCommands</name>
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
        <source>&amp;New Window</source>
        <translation>新しいウィンドウ(&amp;N)</translation>
    </message>
    <message>
        <source>Open another window for a new definition file
New Window</source>
        <translation>新しいウィンドウを開きます
新しいウィンドウ</translation>
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
        <source>Show the program&apos;s version
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
</context>
<context>
    <name>tovalo::gui::CMainFrame</name>
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
        <source>&quot;Intel®  oneAPI DPC++ Compatibility Tool&quot; Support App
Do you really want to quit?</source>
        <translation>『Intel®  OneAPI DPC++互換性ツール』 サポートアプリ
を終了してよろしいですか？</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CMainStatusBar</name>
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
        <source>DEMO: simulated oneAPI toolkit</source>
        <translation>デモ: 模擬oneAPIツールキット</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>停止中...</translation>
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
    <name>tovalo::gui::CoreMessages</name>
    <message>
        <source>dpct printed no version line: it is not installed or not on the path that the environment script sets. Conversion is not possible.</source>
        <translation>dpct がバージョンを表示しませんでした。dpct がインストールされていないか、環境スクリプトが設定するパスにありません。変換はできません。</translation>
    </message>
    <message>
        <source>The command could not be written to the command interpreter: %1</source>
        <translation>コマンド インタープリターにコマンドを書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>Not converted: %1.</source>
        <translation>変換しませんでした: %1。</translation>
    </message>
    <message>
        <source>the command line is %1 characters long, and the command interpreter accepts at most %2</source>
        <translation>コマンド ラインの長さは %1 文字ですが、コマンド インタープリターが受け付けるのは最大 %2 文字です</translation>
    </message>
    <message>
        <source>The command interpreter has ended (%1).</source>
        <translation>コマンド インタープリターが終了しました (%1)。</translation>
    </message>
    <message>
        <source>The command interpreter ended during this conversion.</source>
        <translation>この変換中にコマンド インタープリターが終了しました。</translation>
    </message>
    <message>
        <source>The command interpreter keeps ending; it is not started again.</source>
        <translation>コマンド インタープリターが終了を繰り返すため、再起動しません。</translation>
    </message>
    <message>
        <source>A new command interpreter could not be started: %1</source>
        <translation>新しいコマンド インタープリターを起動できませんでした: %1</translation>
    </message>
    <message>
        <source>A new command interpreter has been started.</source>
        <translation>新しいコマンド インタープリターを起動しました。</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>終了コード %1</translation>
    </message>
    <message>
        <source>killed by signal %1</source>
        <translation>シグナル %1 により強制終了</translation>
    </message>
    <message>
        <source>killed by signal %1 (%2)</source>
        <translation>シグナル %1 (%2) により強制終了</translation>
    </message>
    <message>
        <source>status %1</source>
        <translation>状態 %1</translation>
    </message>
    <message>
        <source>output closed</source>
        <translation>出力が閉じられました</translation>
    </message>
    <message>
        <source>the console could not be read: %1</source>
        <translation>コンソールを読み取れませんでした: %1</translation>
    </message>
    <message>
        <source>cannot create the console pipes: %1</source>
        <translation>コンソールのパイプを作成できません: %1</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>%1 を起動できません: %2</translation>
    </message>
    <message>
        <source>the command interpreter is not running</source>
        <translation>コマンド インタープリターが動作していません</translation>
    </message>
    <message>
        <source>the command interpreter has ended</source>
        <translation>コマンド インタープリターは終了しています</translation>
    </message>
    <message>
        <source>a command must be a single line</source>
        <translation>コマンドは 1 行でなければなりません</translation>
    </message>
    <message>
        <source>the command holds characters that the console&apos;s code page %1 cannot represent</source>
        <translation>コマンドに、コンソールのコード ページ %1 で表せない文字が含まれています</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1に%2</translation>
    </message>
    <message>
        <source>the value of %1</source>
        <translation>%1 の値</translation>
    </message>
    <message>
        <source>the source path</source>
        <translation>ソースのパス</translation>
    </message>
    <message>
        <source>the command line</source>
        <translation>コマンド ライン</translation>
    </message>
    <message>
        <source>has a double quote that is not closed</source>
        <translation>閉じていない二重引用符があります</translation>
    </message>
    <message>
        <source>has a single quote that is not closed</source>
        <translation>閉じていない一重引用符があります</translation>
    </message>
    <message>
        <source>has two double quotes in a row inside quotes, which programs read differently</source>
        <translation>引用符の中で二重引用符が 2 つ続いています (プログラムによって解釈が異なります)</translation>
    </message>
    <message>
        <source>has a double quote that programs read as text (after a backslash), so its quotes do not pair up</source>
        <translation>プログラムが (バックスラッシュの後なので) 文字として読む二重引用符があり、引用符の対応が取れません</translation>
    </message>
    <message>
        <source>contains a line break</source>
        <translation>改行が含まれています</translation>
    </message>
    <message>
        <source>contains a control character</source>
        <translation>制御文字が含まれています</translation>
    </message>
    <message>
        <source>contains a double quote, which would end its quotes on the command line</source>
        <translation>二重引用符が含まれています (コマンド ライン上で引用符が閉じてしまいます)</translation>
    </message>
    <message>
        <source>contains a %NAME:...% edit of a variable, which the command interpreter would expand before it reads quotes</source>
        <translation>%NAME:...% 形式の変数の編集が含まれています (コマンド インタープリターが引用符を読む前に展開します)</translation>
    </message>
    <message>
        <source>not a definition file (it holds binary data)</source>
        <translation>定義ファイルではありません (バイナリ データを含んでいます)</translation>
    </message>
    <message>
        <source>not a definition file (it has neither a [Common] section nor a section of a .cu file)</source>
        <translation>定義ファイルではありません ([Common] セクションも .cu ファイルのセクションもありません)</translation>
    </message>
    <message>
        <source>the path &quot;%1&quot; contains a line break</source>
        <translation>パス &quot;%1&quot; に改行が含まれています</translation>
    </message>
    <message>
        <source>the value of %1 of &quot;%2&quot; contains a line break</source>
        <translation>&quot;%2&quot; の %1 の値に改行が含まれています</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; (%2) cannot be stored in code page %3</source>
        <translation>文字 &quot;%1&quot; (%2) はコード ページ %3 では保存できません</translation>
    </message>
    <message>
        <source>the text cannot be stored in code page %1</source>
        <translation>テキストをコード ページ %1 で保存できません</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::LanguagePack</name>
    <message>
        <source>0.0.0</source>
        <comment>The version of this language pack as major.minor.build (numbers only)</comment>
        <translation>1.0.0</translation>
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
