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
        <translation>CUDA ファイルを検索しています...
フォルダー %1 件、ファイル %2 件</translation>
    </message>
    <message>
        <source>Add Data</source>
        <translation>項目の追加</translation>
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
        <translation>... ほか %1 件</translation>
    </message>
    <message>
        <source>%1 CUDA files were left out: their names contain a line break, which a definition file cannot hold.

%2</source>
        <translation>名前に改行を含む CUDA ファイル %1 件は追加しませんでした。定義ファイルには改行を含む名前を保存できません。

%2</translation>
    </message>
    <message>
        <source>%1 with a line break in the name</source>
        <translation>名前に改行を含むファイル %1 件</translation>
    </message>
    <message>
        <source>%1 folders could not be read</source>
        <translation>読み取れなかったフォルダー %1 件</translation>
    </message>
    <message>
        <source>%1 links to folders not followed</source>
        <translation>たどらなかったフォルダーへのリンク %1 件</translation>
    </message>
    <message>
        <source>Folder scan: %1 added, %2 already in the list</source>
        <translation>フォルダー検索：%1 件追加、%2 件は登録済み</translation>
    </message>
    <message>
        <source>, skipped: %1</source>
        <translation>、スキップ：%1</translation>
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
    <message>
        <source>Select A&amp;ll</source>
        <translation>すべて選択(&amp;L)</translation>
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
        <translation>CUDA ヘッダーファイルのディレクトリパスを指定します。</translation>
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
        <translation>--out-root ディレクトリに、移行されたファイルの makefile を生成します。</translation>
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
        <translation>stdout/stderr の出力を、--out-root オプションで指定された出力ディレクトリのファイルにリダイレクトします。</translation>
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
    <name>tovalo::gui::CAboutDlg</name>
    <message>
        <source>About Tovalo</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Tovalo: a desktop front end for the dpct migration tool</source>
        <translation>Tovalo: dpct 移行ツールのデスクトップ フロントエンド</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tovalo developers</source>
        <translation>Copyright © 2026 Tovalo 開発者</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Intel® oneAPI DPC++ Compatibility Tool
Support application
&lt;&lt; Tovalo &gt;&gt;</source>
        <translation>インテル® oneAPI DPC++ 互換性ツール
サポートアプリ
&lt;&lt; Tovalo &gt;&gt;</translation>
    </message>
    <message>
        <source>not installed.</source>
        <translation>not installed.</translation>
    </message>
    <message>
        <source>[Application Version]</source>
        <translation>[Application Version]</translation>
    </message>
    <message>
        <source>[dpct Version]</source>
        <translation>[dpct Version]</translation>
    </message>
    <message>
        <source>Path : %1</source>
        <translation>Path : %1</translation>
    </message>
    <message>
        <source>dpct version : %1</source>
        <translation>dpct version : %1</translation>
    </message>
    <message>
        <source>dpct codebase : %1</source>
        <translation>dpct codebase : %1</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CChildFrame</name>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>dpct Diagnostics - %1</source>
        <translation>dpct診断 - %1</translation>
    </message>
    <message>
        <source>Untitled %1</source>
        <translation>無題 %1</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CColorPopup</name>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>茶</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>オリーブ</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>濃い緑</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>濃い青緑</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>濃い青</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>インディゴ</translation>
    </message>
    <message>
        <source>Grey 80%</source>
        <translation>80%灰色</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>濃い赤</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>オレンジ</translation>
    </message>
    <message>
        <source>Dark Yellow</source>
        <translation>濃い黄</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>青緑</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Blue-Grey</source>
        <translation>ブルーグレー</translation>
    </message>
    <message>
        <source>Grey 40%</source>
        <translation>40%灰色</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>薄いオレンジ</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>ライム</translation>
    </message>
    <message>
        <source>Sea Green</source>
        <translation>シーグリーン</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>アクア</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>薄い青</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>紫</translation>
    </message>
    <message>
        <source>Grey 50%</source>
        <translation>50%灰色</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>ピンク</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>ゴールド</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄</translation>
    </message>
    <message>
        <source>Bright Green</source>
        <translation>明るい緑</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>水色</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>スカイブルー</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>プラム</translation>
    </message>
    <message>
        <source>Grey 25%</source>
        <translation>25%灰色</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>ローズ</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>ベージュ</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>薄い黄</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>薄い緑</translation>
    </message>
    <message>
        <source>Light Turquoise</source>
        <translation>薄い水色</translation>
    </message>
    <message>
        <source>Pale Blue</source>
        <translation>ペールブルー</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>ラベンダー</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>More Colours...</source>
        <translation>その他...</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>色の設定</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::DiagnosticsView</name>
    <message>
        <source>dpct Diagnostics</source>
        <translation>dpct診断</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>コード</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>件数</translation>
    </message>
    <message>
        <source>First message</source>
        <translation>最初のメッセージ</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>the default program for the file</source>
        <translation>ファイルの既定のプログラム</translation>
    </message>
    <message>
        <source>The command line that opens a source file, for example
code --goto {file}:{line}:{column}
{file}, {line} and {column} are replaced; the program is started without a shell.</source>
        <translation>ソースファイルを開くコマンドライン。例：
code --goto {file}:{line}:{column}
{file}、{line}、{column} は置き換えられます。プログラムはシェルを介さずに起動されます。</translation>
    </message>
    <message>
        <source>Open &amp;with:</source>
        <translation>開くプログラム(&amp;W):</translation>
    </message>
    <message>
        <source>The last run gave no diagnostics.</source>
        <translation>前回の変換では診断はありませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>%n diagnostic(s) of dpct in %1 item(s). Double-click a row to open its source location.</source>
        <translation>
            <numerusform>dpctの診断 %n 件（%1 件の項目）。行をダブルクリックするとソースの該当位置を開きます。</numerusform>
        </translation>
    </message>
    <message>
        <source>The source location could not be opened.
%1</source>
        <translation>ソースの該当位置を開けませんでした。
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n more diagnostic(s) were printed but not kept (an item keeps at most %1).</source>
        <translation>
            <numerusform>さらに %n 件の診断が出力されましたが、保持していません (1 項目あたり最大 %1 件まで保持します)。</numerusform>
        </translation>
    </message>
    <message>
        <source>Opens %1 at line %2, column %3.</source>
        <translation>%1 の %2 行 %3 桁を開きます。</translation>
    </message>
    <message>
        <source>Nothing has been converted in this list yet; dpct&apos;s diagnostics are shown here after a run.</source>
        <translation>このリストはまだ変換されていません。dpct の診断は変換後にここに表示されます。</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctDataDlg</name>
    <message>
        <source>Add Data</source>
        <translation>項目の追加</translation>
    </message>
    <message>
        <source>Update Data</source>
        <translation>項目の編集</translation>
    </message>
    <message>
        <source>File/Directory Selection</source>
        <translation>ファイル/ディレクトリ選択</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>ファイルを選択(&amp;F)</translation>
    </message>
    <message>
        <source>Select a directory</source>
        <translation>フォルダーを選択(&amp;O)</translation>
    </message>
    <message>
        <source>Also take the .cu sources in sub-directories</source>
        <translation>サブフォルダーの .cu ファイルも含める(&amp;S)</translation>
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
        <translation>変換する CUDA ファイルの選択</translation>
    </message>
    <message>
        <source>Select the folder that holds the CUDA files to convert</source>
        <translation>変換する CUDA ファイルがあるフォルダーの選択</translation>
    </message>
    <message>
        <source>Conversion Option Settings</source>
        <translation>変換オプションの設定</translation>
    </message>
    <message>
        <source>Uncheck all</source>
        <translation>チェックをすべて解除(&amp;U)</translation>
    </message>
    <message>
        <source>Check all</source>
        <translation>すべてチェック(&amp;C)</translation>
    </message>
    <message>
        <source>cuda file (*.cu);;All Files (*)</source>
        <translation>CUDA ファイル (*.cu);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The selected file is already in the list.</source>
        <translation>選択したファイルはリストに登録済みです。</translation>
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
    <message numerus="yes">
        <source>Update %n Items</source>
        <translation>
            <numerusform>%n 項目の更新</numerusform>
        </translation>
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
        <translation>CUDA ヘッダーファイルのディレクトリを選択</translation>
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
        <translation>テキストファイル (*.txt);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Select the vcxproj file</source>
        <translation>vcxprojファイルの選択</translation>
    </message>
    <message>
        <source>vcxproj file (*.vcxproj);;All Files (*)</source>
        <translation>vcxproj ファイル (*.vcxproj);;すべてのファイル (*)</translation>
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
    <message numerus="yes">
        <source>%n entries are not valid:</source>
        <translation>
            <numerusform>%n 件の入力が正しくありません：</numerusform>
        </translation>
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
    <message>
        <source>(mixed)</source>
        <translation>(混在)</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CDpctResultCtrl</name>
    <message>
        <source>[... the beginning of this output is not shown ...]</source>
        <translation>[... この出力の先頭部分は表示されていません ...]</translation>
    </message>
    <message>
        <source>dpct diagnostics: %1</source>
        <translation>dpct診断：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n more not kept</source>
        <translation>
            <numerusform>ほか %n 件は保持していません</numerusform>
        </translation>
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
        <translation>%2 行中 %1 行目：%3</translation>
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
    <message>
        <source>Diagnostics</source>
        <translation>診断</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::MainCommands</name>
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
        <translation>Office2007：ブルー スタイル(&amp;B)</translation>
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
        <translation>オプション(&amp;O)...	F12</translation>
    </message>
    <message>
        <source>Change the settings
Settings</source>
        <translation>オプションを設定します
オプション</translation>
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
        <translation>ツールバー(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toolbar</source>
        <translation>ツールバーの表示/非表示を切り替えます
ツールバー</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>ステータスバー(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Status Bar</source>
        <translation>ステータスバーの表示/非表示を切り替えます
ステータスバー</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <comment>submenu</comment>
        <translation>最近使ったファイル(&amp;F)</translation>
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
        <source>&amp;Re-run Failed Items</source>
        <translation>失敗した項目を再変換(&amp;R)</translation>
    </message>
    <message>
        <source>Convert again only the items whose last result was not OK
Re-run Failed</source>
        <translation>前回の結果がOKでなかった項目だけを再変換します
失敗した項目を再変換</translation>
    </message>
    <message>
        <source>Tovalo &amp;User Guide</source>
        <translation>Tovalo ユーザーガイド(&amp;U)</translation>
    </message>
    <message>
        <source>Open the user guide of Tovalo
User Guide</source>
        <translation>Tovaloのユーザーガイドを開きます
ユーザーガイド</translation>
    </message>
    <message>
        <source>&amp;dpct Documentation (Web)</source>
        <translation>dpctのドキュメント (Web)(&amp;D)</translation>
    </message>
    <message>
        <source>Open the documentation of dpct in the web browser
dpct Documentation</source>
        <translation>dpctのドキュメントをWebブラウザーで開きます
dpctのドキュメント</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>重ねて表示(&amp;C)</translation>
    </message>
    <message>
        <source>Arrange the windows so that they overlap
Cascade</source>
        <translation>ウィンドウを重ねて表示します
重ねて表示</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>並べて表示(&amp;T)</translation>
    </message>
    <message>
        <source>Arrange the windows side by side
Tile</source>
        <translation>ウィンドウを並べて表示します
並べて表示</translation>
    </message>
    <message>
        <source>Ne&amp;xt Window</source>
        <translation>次のウィンドウ(&amp;X)</translation>
    </message>
    <message>
        <source>Activate the next window
Next Window</source>
        <translation>次のウィンドウをアクティブにします
次のウィンドウ</translation>
    </message>
    <message>
        <source>&amp;Previous Window</source>
        <translation>前のウィンドウ(&amp;P)</translation>
    </message>
    <message>
        <source>Activate the previous window
Previous Window</source>
        <translation>前のウィンドウをアクティブにします
前のウィンドウ</translation>
    </message>
    <message>
        <source>Close &amp;All</source>
        <translation>すべて閉じる(&amp;A)</translation>
    </message>
    <message>
        <source>Close every document window
Close All</source>
        <translation>すべてのドキュメントウィンドウを閉じます
すべて閉じる</translation>
    </message>
    <message>
        <source>&amp;Import Compilation Database...</source>
        <translation>コンパイル データベースのインポート(&amp;I)...</translation>
    </message>
    <message>
        <source>Make conversion items from a compilation database (compile_commands.json)
Import Compilation Database</source>
        <translation>コンパイル データベース (compile_commands.json) から変換項目を作ります
コンパイル データベースのインポート</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CMainFrame</name>
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
        <translation>定義ファイル (*.txt);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>&quot;Intel®  oneAPI DPC++ Compatibility Tool&quot; Support App
Do you really want to quit?</source>
        <translation>『インテル® oneAPI DPC++ 互換性ツール』サポートアプリ
終了してよろしいですか？</translation>
    </message>
    <message>
        <source>The web browser could not be started for %1.</source>
        <translation>%1 を開くWebブラウザーを起動できませんでした。</translation>
    </message>
    <message>
        <source>The user guide was not found. It was looked for in:
%1</source>
        <translation>ユーザーガイドが見つかりません。次の場所を探しました：
%1</translation>
    </message>
    <message>
        <source>No program could be started to show %1.</source>
        <translation>%1 を表示するプログラムを起動できませんでした。</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::MainStatusBar</name>
    <message>
        <source>Starting setvars</source>
        <translation>setvars 起動開始</translation>
    </message>
    <message>
        <source>Running setvars...</source>
        <translation>setvars 実行中...</translation>
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
        <translation>デモ：模擬oneAPIツールキット</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>停止中...</translation>
    </message>
    <message numerus="yes">
        <source>%1 OK, %2 failed, %n with syntax errors</source>
        <translation>
            <numerusform>OK %1 件、NG %2 件、構文エラーあり %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped after %1 of %n item(s): %2 (%3)</source>
        <translation>
            <numerusform>%n 件中 %1 件で停止：%2 (%3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Finished %n item(s): %1 (%2)</source>
        <translation>
            <numerusform>%n 件の変換終了：%1 (%2)</numerusform>
        </translation>
    </message>
    <message>
        <source>Conversion unavailable: oneAPI not found</source>
        <translation>変換不可：oneAPIが見つかりません</translation>
    </message>
    <message numerus="yes">
        <source>%n running</source>
        <translation>
            <numerusform>実行中 %n 件</numerusform>
        </translation>
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
    <message>
        <source>Save Output As</source>
        <translation>出力に名前を付けて保存</translation>
    </message>
    <message>
        <source>Log files (*.log);;Text files (*.txt);;All Files (*)</source>
        <translation>ログファイル (*.log);;テキストファイル (*.txt);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The output could not be saved to %1:
%2</source>
        <translation>出力を %1 に保存できませんでした：
%2</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>名前を付けて保存(&amp;S)...</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::LogFindBar</name>
    <message>
        <source>Not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>Wrapped around</source>
        <translation>折り返して検索しました</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>検索(&amp;N):</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Find the next match (F3)</source>
        <translation>次を検索 (F3)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>前へ</translation>
    </message>
    <message>
        <source>Find the previous match (Shift+F3)</source>
        <translation>前を検索 (Shift+F3)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>検索バーを閉じる (Esc)</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CToolOptionPageColor</name>
    <message>
        <source>Item list</source>
        <translation>ファイル一覧リスト</translation>
    </message>
    <message>
        <source>Row text</source>
        <translation>行文字色</translation>
    </message>
    <message>
        <source>Row background</source>
        <translation>行背景色</translation>
    </message>
    <message>
        <source>Status &quot;Converting&quot;: text</source>
        <translation>状態：「変換中」文字色</translation>
    </message>
    <message>
        <source>Status &quot;Syntax errors&quot;: text</source>
        <translation>状態：「構文エラーあり」文字色</translation>
    </message>
    <message>
        <source>Status &quot;Converted OK&quot;: text</source>
        <translation>状態：「変換OK」文字色</translation>
    </message>
    <message>
        <source>Status &quot;Failed&quot;: text</source>
        <translation>状態：「変換NG」文字色</translation>
    </message>
    <message>
        <source>Conversion result window</source>
        <translation>変換結果表示ウィンドウ</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字色</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景色</translation>
    </message>
    <message>
        <source>Output window</source>
        <translation>出力ウィンドウ</translation>
    </message>
    <message>
        <source>C&amp;olour:</source>
        <translation>色(&amp;O)：</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Undo &amp;all</source>
        <translation>すべて元に戻す(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Reset to the initial colours</source>
        <translation>初期状態の色に戻す(&amp;R)</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CToolOptionPageGeneral</name>
    <message>
        <source>3D style</source>
        <translation>3D スタイル</translation>
    </message>
    <message>
        <source>Microsoft OneNote style</source>
        <translation>Microsoft OneNoteスタイル</translation>
    </message>
    <message>
        <source>Visual Studio 2005 style</source>
        <translation>Visual Studio 2005 スタイル</translation>
    </message>
    <message>
        <source>Style with tab labels</source>
        <translation>タブラベル付きスタイル</translation>
    </message>
    <message>
        <source>Flat style with a horizontal scroll bar</source>
        <translation>水平スクロールバーフラットスタイル</translation>
    </message>
    <message>
        <source>Rounded tab labels</source>
        <translation>丸いタブラベル付き</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>言語(&amp;L):</translation>
    </message>
    <message>
        <source>* Takes effect after a restart</source>
        <translation>※再起動後に有効</translation>
    </message>
    <message>
        <source>&amp;Application look:</source>
        <translation>アプリケーションの外観(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Tab mode</source>
        <translation>タブモード(&amp;T)</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>タブ</translation>
    </message>
    <message>
        <source>Tab l&amp;ocation:</source>
        <translation>タブの位置(&amp;O):</translation>
    </message>
    <message>
        <source>Tab &amp;style:</source>
        <translation>タブのスタイル(&amp;S):</translation>
    </message>
    <message>
        <source>A &amp;Close button on every tab</source>
        <translation>タブごとに「閉じる」ボタンを付ける(&amp;C)</translation>
    </message>
    <message>
        <source>A colou&amp;r for every tab</source>
        <translation>タブごとに色を変える(&amp;R)</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下方向</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上方向</translation>
    </message>
    <message>
        <source>The changed language setting takes effect at the next start.</source>
        <translation>変更された言語設定は次回起動時に有効になります。</translation>
    </message>
    <message>
        <source>&amp;Parallel conversions:</source>
        <translation>同時に変換する数(&amp;P)：</translation>
    </message>
    <message>
        <source>Automatic (%1)</source>
        <translation>自動 (%1)</translation>
    </message>
    <message>
        <source>How many dpct runs go on side by side. Automatic: one per logical processor, at most one per 2 GiB of available memory. Items that write into the same out-root folder never run at the same time.</source>
        <translation>同時に実行する dpct の数です。自動：論理プロセッサーごとに 1 つ、ただし空きメモリ 2 GiB あたり 1 つまで。同じ out-root フォルダーに書き込む項目は同時には実行されません。</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CToolOptionProp</name>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>共通</translation>
    </message>
    <message>
        <source>Colour settings</source>
        <translation>色設定</translation>
    </message>
    <message>
        <source>The settings could not be saved:
%1</source>
        <translation>設定を保存できませんでした：
%1</translation>
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
        <translation>[Tovalo] コマンド インタープリターを起動できませんでした：%1
</translation>
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
    <message>
        <source>Tovalo looked for oneAPI in:</source>
        <translation>oneAPIを探した場所：</translation>
    </message>
    <message>
        <source>To use an installation in another folder, set the environment variable ONEAPI_ROOT to that folder (the one that holds the setvars script) and start Tovalo again.</source>
        <translation>別のフォルダーにあるoneAPIを使うには、環境変数ONEAPI_ROOTにそのフォルダー（setvarsスクリプトのあるフォルダー）を設定して、Tovaloを起動し直してください。</translation>
    </message>
    <message>
        <source>The settings could not be read, so Tovalo starts with its default settings and will not save over them when it ends:
%1</source>
        <translation>設定を読み込めませんでした。Tovalo は既定の設定で起動し、終了時にも設定を上書き保存しません：
%1</translation>
    </message>
    <message>
        <source>The settings could not be saved; the changes of this session are lost:
%1</source>
        <translation>設定を保存できませんでした。今回のセッションでの変更は失われます：
%1</translation>
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
        <translation>コマンド インタープリターにコマンドを書き込めませんでした：%1</translation>
    </message>
    <message>
        <source>Not converted: %1.</source>
        <translation>変換しませんでした：%1。</translation>
    </message>
    <message>
        <source>the command line is %1 characters long, and the command interpreter accepts at most %2</source>
        <translation>コマンドラインの長さは %1 文字ですが、コマンド インタープリターが受け付けるのは最大 %2 文字です</translation>
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
        <translation>新しいコマンド インタープリターを起動できませんでした：%1</translation>
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
        <translation>コンソールを読み取れませんでした：%1</translation>
    </message>
    <message>
        <source>cannot create the console pipes: %1</source>
        <translation>コンソールのパイプを作成できません：%1</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>%1 を起動できません：%2</translation>
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
        <translation>コマンドライン</translation>
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
        <translation>二重引用符が含まれています (コマンドライン上で引用符が閉じてしまいます)</translation>
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
    <message>
        <source>Imported %1 (%2, %3, %4)</source>
        <translation>%1 をインポートしました（%2、%3、%4）</translation>
    </message>
    <message>
        <source>%1 CUDA files</source>
        <translation>CUDA ファイル %1 件</translation>
    </message>
    <message>
        <source>%1 CUDA file</source>
        <translation>CUDA ファイル %1 件</translation>
    </message>
    <message>
        <source>%1 source files</source>
        <translation>ソースファイル %1 件</translation>
    </message>
    <message>
        <source>%1 source file</source>
        <translation>ソースファイル %1 件</translation>
    </message>
    <message>
        <source>%1 duplicates merged</source>
        <translation>重複 %1 件を統合</translation>
    </message>
    <message>
        <source>%1 duplicate merged</source>
        <translation>重複 %1 件を統合</translation>
    </message>
    <message>
        <source>%1 other entries skipped</source>
        <translation>その他のエントリ %1 件をスキップ</translation>
    </message>
    <message>
        <source>%1 other entry skipped</source>
        <translation>その他のエントリ %1 件をスキップ</translation>
    </message>
    <message>
        <source>%1 files missing</source>
        <translation>見つからないファイル %1 件</translation>
    </message>
    <message>
        <source>%1 file missing</source>
        <translation>見つからないファイル %1 件</translation>
    </message>
    <message>
        <source>not valid JSON: %1 at line %2, column %3</source>
        <translation>有効な JSON ではありません：%2 行 %3 列目で %1</translation>
    </message>
    <message>
        <source>not a compilation database: the JSON text is not an array of entries</source>
        <translation>コンパイル データベースではありません：JSON テキストがエントリの配列ではありません</translation>
    </message>
    <message>
        <source>entry %1 of the compilation database is not an object</source>
        <translation>コンパイル データベースのエントリ %1 がオブジェクトではありません</translation>
    </message>
    <message>
        <source>entry %1 of the compilation database has no &quot;%2&quot;</source>
        <translation>コンパイル データベースのエントリ %1 に &quot;%2&quot; がありません</translation>
    </message>
    <message>
        <source>entry %1 of the compilation database: &quot;%2&quot; is not a string</source>
        <translation>コンパイル データベースのエントリ %1: &quot;%2&quot; が文字列ではありません</translation>
    </message>
    <message>
        <source>entry %1 of the compilation database: &quot;%2&quot; is not an array of strings</source>
        <translation>コンパイル データベースのエントリ %1: &quot;%2&quot; が文字列の配列ではありません</translation>
    </message>
    <message>
        <source>dpct refused this item because an earlier migration into the same out-root folder used another set of options (dpct keeps them in MainSourceFiles.yaml there, and exits with -37). Give every item that writes into this out-root the same options that dpct compares, give this item another --out-root, or switch on --no-incremental-migration.</source>
        <translation>同じ out-root フォルダーへの以前の移行で別のオプションの組が使われたため、dpct はこの項目を変換しませんでした (dpct はオプションをそのフォルダーの MainSourceFiles.yaml に記録し、-37 で終了します)。この out-root に書き込むすべての項目に dpct が比較するオプションを同じように指定するか、この項目に別の --out-root を指定するか、--no-incremental-migration をオンにしてください。</translation>
    </message>
    <message>
        <source>larger than %1 MiB, the most that is read</source>
        <translation>読み込める上限の %1 MiB を超えています</translation>
    </message>
    <message>
        <source>the folder of the list</source>
        <translation>リストのフォルダー</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::DefinitionModel</name>
    <message>
        <source>This file does not exist:
%1</source>
        <translation>このファイルは存在しません：
%1</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::DocumentCommands</name>
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
        <source>&amp;Add CUDA Files...</source>
        <translation>CUDA ファイルを追加(&amp;A)...</translation>
    </message>
    <message>
        <source>Add CUDA files to the list
Add</source>
        <translation>cuファイルをリストに追加します
追加</translation>
    </message>
    <message>
        <source>&amp;Edit Selected Item...</source>
        <translation>選択した項目を編集(&amp;E)...</translation>
    </message>
    <message>
        <source>Edit the selected item
Edit</source>
        <translation>選択した項目を編集します
編集</translation>
    </message>
    <message>
        <source>&amp;Delete Selected Item</source>
        <translation>選択した項目を削除(&amp;D)</translation>
    </message>
    <message>
        <source>Delete the selected item
Delete</source>
        <translation>選択したリスト項目を削除します
削除</translation>
    </message>
    <message>
        <source>Delete A&amp;ll Items...</source>
        <translation>すべての項目を削除(&amp;L)...</translation>
    </message>
    <message>
        <source>Delete every item of the list
Delete All</source>
        <translation>すべての項目を削除します
すべて削除</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>上へ移動(&amp;P)</translation>
    </message>
    <message>
        <source>Move the selected item one place up; items are converted in list order
Move Up</source>
        <translation>選択した項目を 1 つ上へ移動します。項目はリストの順に変換されます
上へ移動</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>下へ移動(&amp;W)</translation>
    </message>
    <message>
        <source>Move the selected item one place down; items are converted in list order
Move Down</source>
        <translation>選択した項目を 1 つ下へ移動します。項目はリストの順に変換されます
下へ移動</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <translation>リストへの最後の変更を取り消します
元に戻す</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>Redo the last undone change
Redo</source>
        <translation>最後に取り消した変更をやり直します
やり直し</translation>
    </message>
    <message>
        <source>dpct &amp;Diagnostics...</source>
        <translation>dpct診断(&amp;D)...</translation>
    </message>
    <message>
        <source>Show dpct&apos;s diagnostics of the last run by code
Diagnostics</source>
        <translation>前回の変換のdpct診断をコード別に表示します
dpct診断</translation>
    </message>
    <message>
        <source>&amp;Export Results as CSV...</source>
        <translation>結果を CSV でエクスポート(&amp;E)...</translation>
    </message>
    <message>
        <source>Save the last run&apos;s results as a CSV file
Export CSV</source>
        <translation>前回の変換結果をCSVファイルに保存します
CSVエクスポート</translation>
    </message>
    <message>
        <source>Export Results as &amp;JSON...</source>
        <translation>結果を JSON でエクスポート(&amp;J)...</translation>
    </message>
    <message>
        <source>Save the last run&apos;s results as a JSON file
Export JSON</source>
        <translation>前回の変換結果をJSONファイルに保存します
JSONエクスポート</translation>
    </message>
    <message>
        <source>&amp;Add CUDA Files...	Ins</source>
        <translation>CUDA ファイルを追加(&amp;A)...	Ins</translation>
    </message>
    <message>
        <source>&amp;Edit Selected Item...	Enter</source>
        <translation>選択した項目を編集(&amp;E)...	Enter</translation>
    </message>
    <message>
        <source>&amp;Delete Selected Item	Del</source>
        <translation>選択した項目を削除(&amp;D)	Del</translation>
    </message>
    <message>
        <source>Delete A&amp;ll Items...	Ctrl+Del</source>
        <translation>すべての項目を削除(&amp;L)...	Ctrl+Del</translation>
    </message>
    <message>
        <source>Move U&amp;p	Alt+Up</source>
        <translation>上へ移動(&amp;P)	Alt+Up</translation>
    </message>
    <message>
        <source>Move Do&amp;wn	Alt+Down</source>
        <translation>下へ移動(&amp;W)	Alt+Down</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>元に戻す(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>やり直し(&amp;R)	Ctrl+Y</translation>
    </message>
    <message>
        <source>Convert Se&amp;lected Items</source>
        <translation>選択した項目を変換(&amp;L)</translation>
    </message>
    <message>
        <source>Convert only the items selected in the list
Convert Selected</source>
        <translation>リストで選択した項目だけを変換します
選択項目を変換</translation>
    </message>
    <message>
        <source>Export &amp;Report...</source>
        <translation>レポートのエクスポート(&amp;R)...</translation>
    </message>
    <message>
        <source>Save the last run&apos;s results as a report for the web browser and show it
Export Report</source>
        <translation>前回の変換結果をWebブラウザー用のレポートに保存して表示します
レポートのエクスポート</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::DocumentFiles</name>
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
        <translation>定義ファイル (*.txt);;すべてのファイル (*)</translation>
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
    <message>
        <source>results</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Export Results as JSON</source>
        <translation>結果をJSONでエクスポート</translation>
    </message>
    <message>
        <source>Export Results as CSV</source>
        <translation>結果をCSVでエクスポート</translation>
    </message>
    <message>
        <source>JSON files (*.json);;All files (*)</source>
        <translation>JSONファイル (*.json);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSVファイル (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The results could not be saved to %1.
%2</source>
        <translation>結果を%1に保存できませんでした。
%2</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message numerus="yes">
        <source>%1
%n option value(s) are not in the option&apos;s list. Such an option is left out of the dpct command line until you pick a value in the item dialog:
%2</source>
        <translation>
            <numerusform>%1
オプションの一覧にない値が %n 件あります。値を項目ダイアログで選ぶまで、そのオプションは dpct のコマンドラインに含めません：
%2</numerusform>
        </translation>
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
    <name>tovalo::gui::ListEditor</name>
    <message>
        <source>Are you sure you want to delete %1 from the list?</source>
        <translation>%1 をリストから削除してよろしいですか？</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete all %n item(s) from the list?</source>
        <translation>
            <numerusform>リストの全 %n 件の項目を削除してよろしいですか？</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>ほか %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them are hidden by the filter.</source>
        <translation>
            <numerusform>そのうち %n 件はフィルターで非表示になっています。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the %n selected item(s) from the list?</source>
        <translation>
            <numerusform>選択した %n 項目をリストから削除してよろしいですか？</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tovalo::gui::ListFilterBar</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2 件</translation>
    </message>
    <message>
        <source>Fi&amp;lter:</source>
        <translation>フィルター(&amp;L):</translation>
    </message>
    <message>
        <source>Part of a path</source>
        <translation>パスの一部</translation>
    </message>
    <message>
        <source>Shows only the items whose path contains this text (letter case is ignored). Esc empties it.</source>
        <translation>パスにこの文字列を含む項目だけを表示します（大文字と小文字は区別しません）。Esc キーで空にします。</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::MainTitle</name>
    <message>
        <source>Intel® oneAPI DPC++ Compatibility Tool
Support App
&lt;&lt; Tovalo &gt;&gt;</source>
        <translation>インテル® oneAPI DPC++ 互換性ツール
サポートアプリ
&lt;&lt; Tovalo &gt;&gt;</translation>
    </message>
    <message>
        <source>DEMO</source>
        <translation>デモ</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::RunController</name>
    <message>
        <source>%1
  writes into %2 as %3 does, with other values of: %4</source>
        <translation>%1
  %3 と同じ %2 に出力しますが、次のオプションの値が異なります：%4</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more item(s).</source>
        <translation>
            <numerusform>…ほか %n 件。</numerusform>
        </translation>
    </message>
    <message>
        <source>dpct keeps the options of a migration in its out-root folder and refuses (exit code -37) a later migration into the same folder with other values of the options it compares. These items would be refused:%1

Give them the same options, another --out-root, or --no-incremental-migration. Run anyway?</source>
        <translation>dpctは移行時のオプションを出力先(out-root)フォルダーに記録し、同じフォルダーへの以後の移行で比較対象のオプションの値が異なると移行を拒否します(終了コード -37)。次の項目は拒否されます：%1

同じオプションにするか、別の --out-root を指定するか、--no-incremental-migration を使用してください。このまま変換しますか？</translation>
    </message>
    <message>
        <source>&amp;Run Anyway</source>
        <translation>このまま変換(&amp;R)</translation>
    </message>
    <message>
        <source>console %1</source>
        <translation>コンソール %1</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::SingleInstance</name>
    <message>
        <source>Another Tovalo is running but does not answer.</source>
        <translation>別のTovaloが実行中ですが応答しません。</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::SourceOpener</name>
    <message>
        <source>The file %1 does not exist (any more).</source>
        <translation>ファイル %1 が見つかりません。</translation>
    </message>
    <message>
        <source>No program is set up to open %1.</source>
        <translation>%1 を開くプログラムが設定されていません。</translation>
    </message>
    <message>
        <source>The editor %1 could not be started.</source>
        <translation>エディター %1 を起動できませんでした。</translation>
    </message>
    <message>
        <source>The editor command has an unclosed double quote.</source>
        <translation>エディターのコマンドに閉じていない二重引用符があります。</translation>
    </message>
    <message>
        <source>The editor command is empty.</source>
        <translation>エディターのコマンドが空です。</translation>
    </message>
    <message>
        <source>%1 is not an absolute path.</source>
        <translation>%1 は絶対パスではありません。</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 はファイルではありません。</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::ReportExport</name>
    <message>
        <source>Migration report</source>
        <translation>移行レポート</translation>
    </message>
    <message>
        <source>Made %1</source>
        <translation>作成日時：%1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>変換OK</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>変換NG</translation>
    </message>
    <message>
        <source>Syntax errors</source>
        <translation>構文エラーあり</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>未変換</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>診断</translation>
    </message>
    <message>
        <source>Total time</source>
        <translation>合計時間</translation>
    </message>
    <message>
        <source>Median time per item</source>
        <translation>1項目あたりの時間（中央値）</translation>
    </message>
    <message>
        <source>dpct version</source>
        <translation>dpctのバージョン</translation>
    </message>
    <message>
        <source>Codebase</source>
        <translation>コードベース</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Items by status</source>
        <translation>状態別の項目数</translation>
    </message>
    <message>
        <source>Diagnostics by code</source>
        <translation>コード別の診断数</translation>
    </message>
    <message>
        <source>%1 other codes</source>
        <translation>その他のコード %1 種</translation>
    </message>
    <message>
        <source>dpct reported no diagnostics.</source>
        <translation>dpctの診断はありませんでした。</translation>
    </message>
    <message>
        <source>Diagnostic codes</source>
        <translation>診断コード</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>コード</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>件数</translation>
    </message>
    <message>
        <source>Items affected</source>
        <translation>該当項目数</translation>
    </message>
    <message>
        <source>First message</source>
        <translation>最初のメッセージ</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>リファレンス</translation>
    </message>
    <message>
        <source>Read about %1</source>
        <translation>%1 の説明</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Exit code</source>
        <translation>終了コード</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>%1 diagnostics</source>
        <translation>診断 %1 件</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>絞り込み</translation>
    </message>
    <message>
        <source>path, status or code</source>
        <translation>パス、状態、コード</translation>
    </message>
    <message>
        <source>%1 of %2 items shown</source>
        <translation>%2 項目中 %1 項目を表示</translation>
    </message>
    <message>
        <source>Sort by this column</source>
        <translation>この列で並べ替え</translation>
    </message>
    <message>
        <source>Not run</source>
        <translation>未実行</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>変換待ち</translation>
    </message>
    <message>
        <source>Stopped while converting</source>
        <translation>変換中に停止</translation>
    </message>
    <message>
        <source>Syntax error</source>
        <translation>構文エラーあり</translation>
    </message>
    <message>
        <source>,</source>
        <translation>,</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ミリ秒</translation>
    </message>
    <message>
        <source>s</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>min</source>
        <translation>分</translation>
    </message>
    <message>
        <source>h</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>report</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>レポートのエクスポート</translation>
    </message>
    <message>
        <source>HTML files (*.html);;All files (*)</source>
        <translation>HTMLファイル (*.html);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Migration report: %1</source>
        <translation>移行レポート：%1</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.
%2</source>
        <translation>レポートを %1 に保存できませんでした。
%2</translation>
    </message>
    <message>
        <source>The report was saved to %1, but no web browser could be started to show it.</source>
        <translation>レポートを %1 に保存しましたが、表示するWebブラウザーを起動できませんでした。</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::ImportDbDialog</name>
    <message>
        <source>Import Compilation Database</source>
        <translation>コンパイル データベースのインポート</translation>
    </message>
    <message>
        <source>Compilation &amp;database:</source>
        <translation>コンパイル データベース(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;In-root (optional):</source>
        <translation>--in-root (省略可)(&amp;I)：</translation>
    </message>
    <message>
        <source>O&amp;ut-root (optional):</source>
        <translation>--out-root (省略可)(&amp;U)：</translation>
    </message>
    <message>
        <source>compile_commands.json, or the folder that holds it</source>
        <translation>compile_commands.json、またはそれがあるフォルダー</translation>
    </message>
    <message>
        <source>the deepest folder that holds every imported source</source>
        <translation>取り込むソースをすべて含む最も深いフォルダー</translation>
    </message>
    <message>
        <source>dpct_output beside the database</source>
        <translation>データベースと同じフォルダーの dpct_output</translation>
    </message>
    <message>
        <source>Take &amp;every entry, not only the CUDA translation units</source>
        <translation>CUDA の翻訳単位だけでなく、すべてのエントリーを取り込む(&amp;E)</translation>
    </message>
    <message>
        <source>Open the items as a &amp;new list</source>
        <translation>新しいリストとして開く(&amp;N)</translation>
    </message>
    <message>
        <source>Add the items to the &amp;active list</source>
        <translation>アクティブなリストに追加する(&amp;A)</translation>
    </message>
    <message>
        <source>Add the items to the &amp;active list (%1)</source>
        <translation>アクティブなリスト (%1) に追加する(&amp;A)</translation>
    </message>
    <message>
        <source>Compilation databases (compile_commands.json *.json);;All files (*)</source>
        <translation>コンパイル データベース (compile_commands.json *.json);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Choose a Folder</source>
        <translation>フォルダーの選択</translation>
    </message>
    <message>
        <source>Choose the compilation database</source>
        <translation>コンパイル データベースを選択</translation>
    </message>
    <message>
        <source>Choose the in-root folder</source>
        <translation>--in-root のフォルダーを選択</translation>
    </message>
    <message>
        <source>Choose the out-root folder</source>
        <translation>--out-root のフォルダーを選択</translation>
    </message>
</context>
<context>
    <name>tovalo::gui::CompileDbImporter</name>
    <message>
        <source>%1
The compilation database could not be imported: %2
No items were added.</source>
        <translation>%1
コンパイル データベースをインポートできませんでした：%2
項目は追加されていません。</translation>
    </message>
</context>
</TS>
