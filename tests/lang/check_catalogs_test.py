#!/usr/bin/env python3
"""tools/check_catalogs.py on a small program and five catalogs with known faults: each fault is
reported for the catalog that has it, and nothing else is.

    check_catalogs_test.py LUPDATE
"""
import os
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
CHECK = os.path.join(ROOT, "tools", "check_catalogs.py")

SOURCE = r'''
#include <QCoreApplication>
void texts(int n)
{
    QCoreApplication::translate("Demo", "&Open");
    QCoreApplication::translate("Demo", "O&ptions");
    QCoreApplication::translate("Demo", "%1 folders");
    QCoreApplication::translate("Demo", "%1 file");
    QCoreApplication::translate("Demo", "%1 files");
    QCoreApplication::translate("Demo", "%n item(s)", nullptr, n);
    QCoreApplication::translate("Demo", "%n file(s) in %1 folder(s)", nullptr, n);
    QCoreApplication::translate("Demo", "Path: %1");
    QCoreApplication::translate("Menus", "&New");
    QCoreApplication::translate("Menus", "&Neat");
    QCoreApplication::translate("Menus", "E&xit");
}
'''

GROUPS = "[File]\nMenus\t&New\n\n[Edit]\nMenus\t&Neat\n"

# source -> translation per language (en, ja, zh_CN, zh_TW, ko); a list is the numerus forms.
TEXTS = {
    ("Demo", "&Open"): ["&Open", "開く(&O)", "打开(&O)", "開啟(&O)", "열기(&O)"],
    ("Demo", "O&ptions"): ["O&ptions", "オプション(&O)", "选项(&P)", "選項(&P)", "옵션(&P)"],
    ("Demo", "%1 folders"): ["%1 folders", "フォルダー %1 件", "%1 个文件夹", "%1 個資料夾", "폴더 %1개"],
    ("Demo", "%1 file"): ["%1 file", "ファイル %1 件", "%1 个文件", "%1 個檔案", "파일 %1개"],
    ("Demo", "%1 files"): ["%1 files", "ファイル %1 件", "%1 个文件", "%1 個檔案", "파일 %1개"],
    ("Demo", "%n item(s)"): [["%n item", "%n items"], ["%n 件"], ["%n 个项目"], ["%n 個項目"], ["항목 %n개"]],
    ("Demo", "%n file(s) in %1 folder(s)"): [["%n file in %1 folder(s)", "%n files in %1 folder(s)"],
                                             ["%n 件（%1 件のフォルダー）"], ["%n 个文件（%1 个文件夹）"],
                                             ["%n 個檔案（%1 個資料夾）"], ["파일 %n개(폴더 %1개)"]],
    ("Demo", "Path: %1"): ["Path: %1", "パス：%1", "路径: %1", "路徑：%1", "경로: %1"],
    ("Menus", "&New"): ["&New", "新規(&N)", "新建(&N)", "開新檔案(&N)", "새로 만들기(&N)"],
    ("Menus", "&Neat"): ["&Neat", "整頓(&N)", "整理(&N)", "整理(&N)", "정리(&N)"],
    ("Menus", "E&xit"): ["E&xit", "終了(&X)", "退出(&X)", "結束(&X)", "끝내기(&X)"],
}
STEMS = ["TovaloLangEn", "TovaloLangJa", "TovaloLangCn", "TovaloLangTw", "TovaloLangKo"]


def esc(s):
    return s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def catalog(index):
    lines = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>", '<TS version="2.1">']
    for context in sorted({c for c, _ in TEXTS}):
        lines += ["<context>", f"    <name>{context}</name>"]
        for (c, source), translations in TEXTS.items():
            if c != context:
                continue
            text = translations[index]
            if isinstance(text, list):
                forms = "".join(f"<numerusform>{esc(f)}</numerusform>" for f in text)
                lines.append(f'    <message numerus="yes"><source>{esc(source)}</source>'
                             f"<translation>{forms}</translation></message>")
            else:
                lines.append(f"    <message><source>{esc(source)}</source>"
                             f"<translation>{esc(text)}</translation></message>")
        lines.append("</context>")
    return "\n".join(lines + ["</TS>", ""])


def main():
    lupdate = sys.argv[1]
    with tempfile.TemporaryDirectory() as tmp:
        src, lang = os.path.join(tmp, "src"), os.path.join(tmp, "lang")
        os.makedirs(src)
        os.makedirs(lang)
        with open(os.path.join(src, "texts.cpp"), "w", encoding="utf-8") as f:
            f.write(SOURCE)
        with open(os.path.join(lang, "mnemonic-groups.txt"), "w", encoding="utf-8") as f:
            f.write(GROUPS)
        for i, stem in enumerate(STEMS):
            with open(os.path.join(lang, stem + ".ts"), "w", encoding="utf-8") as f:
                f.write(catalog(i))
        run = subprocess.run([sys.executable, CHECK, "--lupdate", lupdate, "--lang-dir", lang,
                              "--sources", src], capture_output=True, text=True, check=False)
    problems = [line for line in run.stderr.splitlines() if not line.startswith("check_catalogs:")]
    expected = [
        "TovaloLangJa.ts: mnemonic O twice in [Demo]",
        "TovaloLangEn.ts: [Demo] '%1 folders': a count without plural forms ('folders')",
        "TovaloLangCn.ts: [Demo] 'Path: %1': half-width colon",
        "TovaloLangEn.ts: [Demo] '%n file(s) in %1 folder(s)': \"(s)\" in the English text",
    ]
    # E&xit is in a context split into menus, but in none of them: in every catalog.
    expected += [f"{stem}.ts: [Menus] 'E&xit' has a mnemonic but no menu group" for stem in STEMS]
    failures = []
    for want in expected:
        hits = [p for p in problems if p.startswith(want)]
        if len(hits) != 1:
            failures.append(f"expected once: {want}")
        problems = [p for p in problems if p not in hits]
    # Nothing else: not "%1 file"/"%1 files" (the code picks the form), not N in two menus, not
    # the full-width colons, not the English O and P.
    failures += [f"unexpected: {p}" for p in problems]
    if run.returncode != 1:
        failures.append(f"exit status {run.returncode}, expected 1")
    for f in failures:
        print(f, file=sys.stderr)
    if failures:
        print(run.stdout + run.stderr, file=sys.stderr)
        return 1
    print("check_catalogs_test: every planted fault found, nothing else")
    return 0


if __name__ == "__main__":
    sys.exit(main())
