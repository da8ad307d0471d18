#!/usr/bin/env python3
"""Fills the Japanese and English catalogs after lupdate: every source text gets its
translation from the table below (Japanese) or itself (English). Texts the table lacks are
reported and left unfinished.   python3 lang/fill-ja.py"""
import os
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))

JA = {
    # Menus and commands
    "&File": "ファイル(&F)", "&Edit": "編集(&E)", "&Convert": "変換(&C)", "&View": "表示(&V)",
    "&Tools": "ツール(&T)", "&Window": "ウィンドウ(&W)", "&Help": "ヘルプ(&H)",
    "&New": "新規作成(&N)", "&Open Definition File...": "定義ファイルを開く(&O)...",
    "&Save Definition File": "定義ファイルの保存(&S)", "Save &As...": "名前を付けて保存(&A)...",
    "&Close": "閉じる(&C)", "E&xit": "アプリケーションの終了(&X)",
    ("Recent &Files", ""): "最近使ったファイル(&F)",
    ("Recent &Files", "submenu"): "最近使用したファイル(&F)",
    "&Add cu Files to List...": "cuファイルをリストに追加(&A)...",
    "&Update Selected List Item...": "選択したリスト項目を更新(&U)...",
    "&Delete Selected List Item": "選択したリスト項目を削除(&D)",
    "Delete &All Items...": "全ての項目を削除(&A)...",
    "&Start Conversion": "変換開始(&S)", "S&top Conversion": "変換停止(&T)",
    "&Pause/Resume Conversion": "変換一時停止/再開(&P)",
    "&Settings...\tF12": "動作環境(&S)...\tF12", "&About Tovalo...": "バージョン情報(&A)...",
    "&Toolbar": "ツール バー(&T)", "&Status Bar": "ステータス バー(&S)",
    "&Application Look": "アプリケーションの外観(&A)", "Toolbar": "ツールバー",
    "Windows &7": "Windows 7(&7)", "Windows &2000": "Windows 2000(&2)", "Office &XP": "Office XP(&X)",
    "&Windows XP": "Windows XP(&W)", "Office 200&3": "Office 2003(&3)",
    "Visual Studio 200&5": "Visual Studio 2005(&5)", "Visual Studio 200&8": "Visual Studio 2008(&8)",
    "Office2007: &Blue Style": "Office2007： ブルー スタイル(&B)",
    "Office2007: B&lack Style": "Office2007：ブラック スタイル(&L)",
    "Office2007: &Silver Style": "Office2007：シルバー スタイル(&S)",
    "Office2007: &Aqua Style": "Office2007：アクア スタイル(&A)",
    # Status-bar prompts and tooltips
    "Create a new definition file\nNew": "新しい定義ファイルを作成します\n新規作成",
    "Open a definition file\nOpen": "定義ファイルを開きます\n開く",
    "Save the definition file\nSave": "定義ファイルを保存します\n保存",
    "Save the definition file under a new name\nSave As": "定義ファイルを名前を付けて保存します\n名前を付けて保存",
    "Close the active document\nClose": "アクティブな定義ファイルを閉じます\n閉じる",
    "Quit the application\nExit": "アプリケーションを終了します\n終了",
    "Add CUDA files to the list\nAdd": "cuファイルをリストに追加します\n追加",
    "Change the selected item\nUpdate": "選択したリスト項目を更新します\n更新",
    "Delete the selected item\nDelete": "選択したリスト項目を削除します\n削除",
    "Delete every item of the list\nDelete All": "全ての項目を削除します\n全て削除",
    "Convert every item of the list with dpct\nStart": "リストの全項目をdpctで変換します\n変換開始",
    "Stop the conversion\nStop": "変換を停止します\n変換停止",
    "Pause or resume the conversion\nPause/Resume": "変換を一時停止または再開します\n一時停止/再開",
    "Change the settings\nSettings": "動作環境を設定します\n動作環境",
    "Show the program's version\nAbout": "バージョン情報を表示します\nバージョン情報",
    "Show or hide the toolbar\nToolbar": "ツール バーの表示/非表示を切り替えます\nツール バー",
    "Show or hide the status bar\nStatus Bar": "ステータス バーの表示/非表示を切り替えます\nステータス バー",
    # Main window
    "Intel® oneAPI DPC++ Compatibility Tool\nSupport App\n<< Tovalo >>":
        "インテル® OneAPI DPC++互換性ツール\nサポートアプリ\n<< Tovalo >>",
    "\"Intel®  oneAPI DPC++ Compatibility Tool\" Support App\nDo you really want to quit?":
        "『Intel®  OneAPI DPC++互換性ツール』 サポートアプリ\nを終了してよろしいですか？",
    "Open Definition File": "定義ファイルを開く",
    "Definition file (*.txt);;All Files (*)": "Definition file(*.txt);;All Files(*)",
    "%1\n%2": "%1\n%2",
    "DEMO: simulated oneAPI toolkit": "デモ: 模擬oneAPIツールキット",
    "DEMO": "デモ",
    # Run phases and version
    "Starting setvars": "setarg.bat起動開始", "Running setvars...": "setarg.bat起動中...",
    "Querying the dpct version": "dpctバージョン取得開始",
    "Querying the dpct version...": "dpctバージョン取得中...",
    "dpct conversion started": "dpct変換開始", "dpct converting...": "dpct変換中...",
    "dpct run paused": "dpct実行一時停止中", "Stopping...": "停止中...", "dpct ver: %1": "dpct ver: %1",
    # Output pane and log
    "Output": "出力", "Edit": "編集", "&Copy": "コピー(&C)", "Clear &All": "すべてクリア(&A)",
    "[... older output removed to keep the pane fast ...]": "[... 古い出力は表示を速く保つために削除されました ...]",
    # Document list
    "Status": "状態", "CUDA file": "cuファイル", "Untitled": "無題",
    "Waiting": "変換待ち", "Converting": "変換中", "Paused": "一時停止中", "Converted OK": "変換OK", "Converted NG": "変換NG",
    "Syntax errors": "構文エラーあり",
    # Document window
    "&New Window": "新しいウィンドウ(&N)",
    "Open another window for a new definition file\nNew Window": "新しいウィンドウを開きます\n新しいウィンドウ",
    "Save As": "名前を付けて保存",
    "Do you want to save (%1)?": "(%1) を保存しますか？",
    "Do you want to save %1?": "%1 を保存しますか？",
    "This is not a definition file: it holds binary data.":
        "定義ファイルではありません（バイナリ データを含んでいます）。",
    "This is not a definition file: it has neither a [Common] section nor a section of a .cu file.":
        "定義ファイルではありません（[Common] セクションも .cu ファイルのセクションもありません）。",
    "%1\nThis file has lines that Tovalo does not read (sections of other files, unknown options or values). "
    "Saving over the file drops them; Tovalo asks before it does.":
        "%1\nこのファイルには Tovalo が読み取らない行（他のファイルのセクション、不明なオプションや値）があります。"
        "上書き保存するとそれらの行は失われます。保存の前に確認します。",
    "%1\nThis file has byte sequences that are not UTF-8 (%2, the first on line %3); they are shown as "
    "U+FFFD. Saving over the file writes U+FFFD in their place; Tovalo asks before it does.":
        "%1\nこのファイルには UTF-8 でないバイト列があります（%2 か所、最初は %3 行目）。U+FFFD として表示しています。"
        "上書き保存するとその位置に U+FFFD が書き込まれます。保存の前に確認します。",
    "%1\nThis file was read as %2; Tovalo saves in %3. Saving over the file changes its encoding; Tovalo "
    "asks before it does.":
        "%1\nこのファイルは %2 として読み込みました。Tovalo は %3 で保存します。上書き保存するとファイルの"
        "エンコーディングが変わります。保存の前に確認します。",
    "%1\nThe file has byte sequences that are not UTF-8; saving writes U+FFFD in their place. Save anyway?":
        "%1\nこのファイルには UTF-8 でないバイト列があります。保存するとその位置に U+FFFD が書き込まれます。保存しますか？",
    "%1\nThe file was read as %2; saving writes %3. Save anyway?":
        "%1\nこのファイルは %2 として読み込みました。保存すると %3 で書き込まれます。保存しますか？",
    "%1\nSaving replaces the file and drops the lines that Tovalo did not read. Save anyway?":
        "%1\n保存するとファイルが置き換えられ、Tovalo が読み取らなかった行は失われます。保存しますか？",
    "Are you sure you want to delete the selected data?": "選択したデータを削除してよろしいですか？",
    "Are you sure you want to delete all items?": "全ての項目を削除してよろしいですか？",
    "&Add cu Files to List...\tIns": "cuファイルをリストに追加(&A)...\tIns",
    "&Update Selected List Item...\tEnter": "選択したリスト項目を更新(&U)...\tEnter",
    "&Delete Selected List Item\tDel": "選択したリスト項目を削除(&D)\tDel",
    "Delete &All Items...\tCtrl+Del": "全ての項目を削除(&A)...\tCtrl+Del",
    # Application
    "Intel® oneAPI is not installed. Files cannot be converted to DPC++, but definition files (the files "
    "to convert with their conversion options) can still be made.":
        "Intel® oneAPI がインストールされていません。dpc++ファイルへの変換処理はできませんが定義ファイル"
        "（変換対象ファイル一覧：変換オプション定義）の作成は可能です。",
    "[Tovalo] The command interpreter could not be started: %1\n": "[Tovalo] コマンド インタープリターを起動できませんでした: %1\n",
    "Tovalo %1\nA front end for the dpct migration tool.\n\ndpct: %2":
        "Tovalo %1\ndpct移行ツールのフロントエンド\n\ndpct: %2",
    "(not known)": "(不明)",
    "Front end for the dpct CUDA-to-SYCL migration tool.": "dpct (CUDAからSYCLへの移行ツール) のフロントエンド",
    "Use the simulated oneAPI toolkit in <folder> (demo mode).": "<folder> の模擬oneAPIツールキットを使います (デモ)。",
    "Single-instance key (tests).": "単一インスタンスのキー (テスト用)。",
    "Definition files to open.": "開く定義ファイル。",
    "Another Tovalo is running but does not answer.": "別のTovaloが実行中ですが応答しません。",
    "[... the beginning of this output is not shown ...]": "[... この出力の先頭部分は表示されていません ...]",
    # Item list and option grid
    "File name": "ファイル名", "Conversion items": "ファイル一覧リスト", "Row %1 of %2: %3": "%1 / %2 行目: %3",
    "File": "ファイル", "Conversion options": "変換オプション",
    "Options of the selected item": "選択した項目のオプション", "Directory name": "ディレクトリ名",
    # Item dialog
    "Add Data": "データの追加", "Update Data": "データの更新",
    "File/Directory Selection": "ファイル/ディレクトリ選択",
    "Select a file": "ファイルを選択", "Select a directory": "ディレクトリを選択",
    "Also take the .cu sources in sub-directories": "配下のディレクトリにあるcuソースも対象とする",
    "Conversion Option Settings": "変換オプションの設定",
    "Check all": "すべてチェックを付ける", "Uncheck all": "チェックをすべて解除する",
    "...": "...", "Browse": "参照",
    "Select the CUDA file to convert": "変換するCUDA*ファイルの選択",
    "Select the folder that holds the CUDA files to convert": "変換するCUDA*ファイルがあるフォルダの選択",
    "cuda file (*.cu);;All Files (*)": "cuda file (*.cu);;All Files (*)",
    "The selected file is already in the list.": "選択したファイルはリストに登録済です。",
    "The file name is not valid. Enter a valid file name.": "無効なファイル名です。有効なファイル名を入力してください。",
    "The directory name is not valid. Enter a valid directory name.":
        "無効なディレクトリ名です。有効なディレクトリ名を入力してください。",
    # Option-setting page
    "Select the directory of the CUDA header files": "CUDA *ヘッダーファイルのディレクトリパスを選択",
    "Select the root directory of the source tree": "ソースツリーのルートのディレクトリパスを選択",
    "Select the root directory of the generated files": "生成されたファイルのルートのディレクトリパスを選択",
    "Select the directory of the compilation database": "コンパイルデータベースのディレクトリパスを選択",
    "Select the output file for stdout / stderr": "stdout / stderrの出力ファイルを選択",
    "Select the vcxproj file": "vcxprojファイルの選択",
    "Text File (*.txt);;All Files (*)": "Text File(*.txt);;All Files(*)",
    "vcxproj file (*.vcxproj);;All Files (*)": "vcxproj file (*.vcxproj);;All Files(*)",
    "The selected value is not valid. Select a correct value.": "選択した内容に誤りがあります。正しい値を選択してください。",
    "The name you entered is not valid. Enter a suitable name.": "入力した名称に誤りがあります。適切な名称を入力してください。",
    "The path you entered is not valid. Enter a correct path.": "入力したパス名に誤りがあります。正しいパス名を入力してください。",
    "The folder you entered is missing, and so is the folder that would hold it. Enter an existing folder, or a new one in an existing folder.":
        "入力したフォルダーがなく、それを入れるフォルダーもありません。既存のフォルダーか、既存のフォルダーの中の新しいフォルダーを入力してください。",
    "The file name you entered is not valid. Enter a correct file name.":
        "入力したファイル名に誤りがあります。正しいファイル名を入力してください。",
    "No value has been entered. Enter a suitable value.": "値が入力されていません。適切な内容を入力してください。",
    "The quotes in the value you entered do not pair up, or it contains a line break or a control character. Close every quote you open.":
        "入力した値の引用符が対になっていないか、改行または制御文字が含まれています。開いた引用符はすべて閉じてください。",
    # Directory scan
    "Searching for CUDA files...": "CUDAファイルを検索しています...",
    "Searching for CUDA files...\n%1 folders, %2 files found": "CUDAファイルを検索しています...\n%1 フォルダー、%2 ファイル",
    "Cancel": "キャンセル", "There were no items to add.": "追加する項目はありませんでした。",
    "%1 CUDA files were left out: their names contain a line break, which a definition file cannot hold.\n\n%2":
        "名前に改行を含む CUDA ファイル %1 個は追加しませんでした。定義ファイルには改行を含む名前を保存できません。\n\n%2",
    "... and %1 more": "... ほか %1 個",
    "The file name \"%1\" contains a line break, which a definition file cannot hold. Rename the file first.":
        "ファイル名「%1」に改行が含まれています。定義ファイルには保存できません。先にファイル名を変更してください。",
    "The directory name \"%1\" contains a line break, which a definition file cannot hold. Rename the directory first.":
        "ディレクトリ名「%1」に改行が含まれています。定義ファイルには保存できません。先にディレクトリ名を変更してください。",
    # Option descriptions (tool tips of the option-setting page, description area of the grid)
    'Shows the directory of the source file.': '対象ファイルのディレクトリ名を表示します。',
    'Shows the file name of the source file.': '対象ファイルのファイル名を表示します。',
    'Always creates cl::sycl::queue with an asynchronous exception handler.':
        '常に非同期例外ハンドラーを使用してcl::sycl::queueを作成します。',
    'Gives the tool a hint about the dimension of nd_range to use in the generated code.':
        '生成されたコードで使用するnd_rangeの次元に関するツールへのヒントを提供します。',
    'Specifies the name of the makefile generated for the migrated files.':
        '移行されたファイル用に生成されたmakefileの名前を指定します。',
    'Inserts comments that explain the generated code.':
        '生成されたコードを説明するコメントを挿入します。',
    'Specifies the directory path of the CUDA header files.':
        'CUDA *ヘッダーファイルのディレクトリパスを指定します。',
    'Specifies the helper header folder name and the main helper header file name.':
        'ヘルパーヘッダーフォルダー名とメインヘルパーヘッダーファイル名を指定します。',
    'Uses C++17 class template argument deduction (CTAD) in the generated code.':
        '生成されたコードでC++17クラステンプレート引数推論(CTAD)を使用します。',
    'Specifies an additional argument to append to the migration command line.':
        '移行コマンドラインに追加する追加の引数を指定します。',
    'Sets the range of formatting.': 'フォーマットの範囲を設定します。',
    'Sets the formatting style.': '書式設定スタイルを設定します。',
    'Generates a makefile for the migrated files in the --out-root directory.':
        '-out-rootディレクトリに移行されたファイルのmakefileを生成します。',
    'Directory path of the root of the source tree to migrate. Only files under this root are migrated.':
        '移行する必要があるソースツリーのルートのディレクトリパス。 このルートの下のファイルのみが移行されます。',
    'Keeps the original code in comments of the generated DPC++ files.':
        '生成されたデータ並列C++(DPC++)ファイルのコメントに元のコードを保持します。',
    '(Deprecated) Do not use the cl:: namespace inline.':
        '(※非推奨)cl::名前空間をインラインで使用しないでください。',
    'Sets a comma-separated list of DPC++ extensions not to be used in the migrated code.':
        '移行されたコードで使用されないDPC++拡張機能のコンマ区切りリストを設定します。',
    "Does not use the Don't Repeat Yourself (DRY) pattern when functions of the dpct namespace are inserted.":
        "dpct名前空間の関数を挿入するときは、Don't Repeat Yourself(DRY)パターンを使用しません。",
    'Tells the tool not to migrate incrementally.': 'インクリメンタル移行を行いません。',
    "Generates code that applies more aggressive assumptions, which may change the program's semantics.":
        'プログラムの意味を変える可能性のある、より積極的な前提を適用したコードを生成します。',
    'Specifies the directory path of the root of the generated files. The directory is created if it does not exist.':
        '生成されたファイルのルートのディレクトリパスを指定します。ディレクトリが存在しない場合は作成されます。',
    'Redirects the stdout/stderr output to a file in the output directory given by --out-root.':
        'Istdout/stderrの出力を--out-rootオプションで指定された出力ディレクトリにリダイレクトします。',
    'Sets the level of detail of the output.': '出力の詳細レベルを設定します。',
    'Directory path of the compilation database (compile_commands.json). Without a path, compile_commands.json is searched for in every parent directory of the first input source file.':
        'コンパイルデータベースのディレクトリパス（compile_commands.json）。 パスが指定されていない場合、最初の入力ソースファイルのすべての親ディレクトリを介してcompile_commands.jsonの検索が試行されます。',
    'Migrates or copies every file except hidden ones from the --in-root directory to the --out-root directory. --in-root must be given explicitly.':
        '非表示を除くすべてのファイルを--in-rootディレクトリから--out-rootディレクトリに移行またはコピーします。 --in-rootオプションは明示的に指定する必要があります。',
    'Prefix of the report file names. The full name gets a suffix derived from report-type and an extension derived from report-format.':
        'レポートファイル名のプレフィックス。 完全なファイル名には、report-typeから派生したサフィックスと、report-formatから派生した拡張子が付きます。',
    'Sets the format of the reports.': 'レポートの形式を設定します。',
    'Only reports are generated. No DPC++ code is generated.':
        'レポートのみが生成されます。 DPC++コードは生成されません。',
    'Specifies the type of the report.': 'レポートのタイプを指定します。',
    'Stops migration and report generation when a parsing error occurs.':
        '解析エラーが発生した場合は移行とレポートの生成を停止します。',
    'Specifies a comma-separated list of migration warnings to suppress. Valid warning IDs range from 1000 to 1047.':
        '抑制する移行警告のコンマ区切りリストを指定します。有効な警告IDの範囲は1000から1047です。',
    'Suppresses all migration warnings.': 'すべての移行警告を抑制します。',
    'Generates kernels with the kernel name.': 'カーネル名でカーネルを生成します。',
    'Customizes the helper header files for the migrated code.':
        '移行されたコードのヘルパーヘッダーファイルをカスタマイズします。',
    'Sets a comma-separated list of experimental features to be used in the migrated code. By default no experimental features are used.':
        '移行されたコードで使用される実験機能のコンマ区切りリストを設定します。 デフォルトでは、実験的な機能は移行されたコードでは使用されません。',
    'Defines the namespaces to use explicitly in the generated code.':
        '生成されたコードで明示的に使用する名前空間を定義します。',
    'Sets the Unified Shared Memory (USM) level to use in source code generation.':
        'ソースコード生成で使用する統合共有メモリ(USM)レベルを設定します。',
    'Specifies the file path of the vcxproj file.': 'vcxprojのファイルパスを指定します。',
}


def fill(path, table):
    tree = ET.parse(path)
    missing = []
    for message in tree.iter("message"):
        source = message.findtext("source")
        comment = message.findtext("comment") or ""
        tr = message.find("translation")
        text = None
        if table is None:
            text = source
        elif (source, comment) in table:
            text = table[(source, comment)]
        elif source in table:
            text = table[source]
        if text is None:
            missing.append(source)
            continue
        tr.text = text
        tr.attrib.pop("type", None)
    tree.write(path, encoding="utf-8", xml_declaration=True)
    with open(path, encoding="utf-8") as f:
        body = f.read()
    with open(path, "w", encoding="utf-8") as f:
        f.write(body.replace("<?xml version='1.0' encoding='utf-8'?>", '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>'))
    return missing


missing = fill(os.path.join(HERE, "TovaloLangJa.ts"), JA)
fill(os.path.join(HERE, "TovaloLangEn.ts"), None)
for m in missing:
    print("no Japanese text for:", repr(m), file=sys.stderr)
sys.exit(1 if missing else 0)
