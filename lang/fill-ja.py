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
    "dpct run paused": "dpct実行一時停止中", "dpct ver: %1": "dpct ver: %1",
    # Output pane and log
    "Output": "出力", "Edit": "編集", "&Copy": "コピー(&C)", "Clear &All": "すべてクリア(&A)",
    "[... older output removed to keep the pane fast ...]": "[... 古い出力は表示を速く保つために削除されました ...]",
    # Document list
    "Status": "状態", "CUDA file": "cuファイル", "Untitled": "無題",
    "Waiting": "変換待ち", "Converting": "変換中", "Converted OK": "変換OK", "Converted NG": "変換NG",
    "Syntax errors": "構文エラーあり",
    # Document window
    "&New Window": "新しいウィンドウ(&N)",
    "Open another window for a new definition file\nNew Window": "新しいウィンドウを開きます\n新しいウィンドウ",
    "Save As": "名前を付けて保存",
    "Do you want to save (%1)?": "(%1) を保存しますか？",
    "Do you want to save %1?": "%1 を保存しますか？",
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
