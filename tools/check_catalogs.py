#!/usr/bin/env python3
"""Checks the five interface catalogs (lang/TovaloLang*.ts) against the program's texts.

    python3 tools/check_catalogs.py [--lupdate PATH] [--lang-dir DIR] [--sources DIR ...]

Fails (exit status 1) when a catalog
  - has an unfinished entry, or a finished one with an empty translation;
  - lacks a text the code uses (lupdate runs on the sources into a temporary catalog; the
    committed catalogs are only read);
  - keeps a text the code uses as obsolete or vanished;
  - has a translation not written in its language's script: Japanese without kana or kanji,
    Chinese without Han characters (or with kana), Korean without Hangul (or with kana), the
    Simplified catalog with Traditional-only characters and the other way round, English with
    CJK characters;
  - has a translation whose %1 ... %9 placeholders differ from its source's;
  - gives one mnemonic (the letter after "&", "(&X)" in the CJK languages) to two texts of one
    menu or dialog: a context is one dialog unless lang/mnemonic-groups.txt splits it into menus
    (or joins several contexts into one dialog);
  - counts in English without plural forms ("%1 folders": a count belongs in "%n folder(s)" with
    numerus forms, unless the code picks between a singular and a plural text of its own), or
    with a "(s)" left in the English text;
  - has a half-width colon or question mark right after Chinese or Japanese text.
A translation may stay in Latin letters when its source has no letters of its own (numbers,
placeholders, "..."), or when lang/script-exceptions.txt lists it (product and option names,
file filters the design keeps as they are).
Texts in a catalog that the code no longer uses are reported but do not fail the check
(lupdate marks them vanished on its next run).
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# file stem -> (language key, script test)
CATALOGS = [("TovaloLangJa", "ja"), ("TovaloLangEn", "en"), ("TovaloLangCn", "zh_CN"),
            ("TovaloLangTw", "zh_TW"), ("TovaloLangKo", "ko")]

KANA = re.compile(r"[\u3040-\u30ff\u31f0-\u31ff\uff66-\uff9f]")
HAN = re.compile(r"[\u3400-\u4dbf\u4e00-\u9fff\uf900-\ufaff]")
HANGUL = re.compile(r"[\uac00-\ud7a3\u1100-\u11ff\u3130-\u318f]")
CJK = re.compile(r"[\u3040-\u30ff\u3400-\u4dbf\u4e00-\u9fff\uac00-\ud7a3]")
# Common characters that exist only in one of the two Chinese writing systems (pairs at the
# same position). A Simplified one in the Traditional catalog means a text was converted or
# copied, not written for Taiwan; and the other way round.
SIMPLIFIED_ONLY = "这们个时对说设选择转换删页显关开录误输档态编辑译为无从动据项类当错该将认进运发启处储览"
TRADITIONAL_ONLY = "這們個時對說設選擇轉換刪頁顯關開錄誤輸檔態編輯譯為無從動據項類當錯該將認進運發啟處儲覽"
PLACEHOLDER = re.compile(r"%L?(\d)")
LETTER = re.compile(r"[^\W\d_]")


def letters_of_source(text):
    """The letters of a source text once placeholders and mnemonics are taken out."""
    text = PLACEHOLDER.sub("", text.replace("%n", ""))
    text = re.sub(r"&(.)", r"\1", text)
    return LETTER.findall(text)


def script_problem(lang, text):
    if lang == "ja":
        return None if (KANA.search(text) or HAN.search(text)) else "no kana or kanji"
    if lang in ("zh_CN", "zh_TW"):
        if not HAN.search(text):
            return "no Han characters"
        if KANA.search(text):
            return "kana in a Chinese text"
        wrong = TRADITIONAL_ONLY if lang == "zh_CN" else SIMPLIFIED_ONLY
        found = sorted({c for c in text if c in wrong})
        if found:
            kind = "Traditional" if lang == "zh_CN" else "Simplified"
            return f"{kind}-only characters {''.join(found)}"
        return None
    if lang == "ko":
        if not HANGUL.search(text):
            return "no Hangul"
        return "kana in a Korean text" if KANA.search(text) else None
    if lang == "en":
        return "CJK characters in the English text" if CJK.search(text) else None
    return None


MNEMONIC = re.compile(r"&([^&\s])")
# Words after a count that are not nouns counted by it ("%1 as %2 does", "%1 is").
NOT_COUNTED = {"as", "is", "was", "has", "does", "its", "this", "us", "yes", "less", "plus", "bytes"}
COUNT = re.compile(r"%\d[ ]+(?:([A-Za-z][\w-]*)[ ]+)?(?:([A-Za-z][\w-]*)[ ]+)?([A-Za-z][\w-]*)")
CJK_BEFORE_COLON = re.compile(r"[\u3040-\u30ff\u3400-\u4dbf\u4e00-\u9fff\uff01-\uff5e\u3000-\u303f]\s*[:?]")


def mnemonic_of(text):
    """The mnemonic letter of a menu or label text (upper case), or None."""
    found = MNEMONIC.search(text.split("\t")[0].replace("&&", ""))
    return found.group(1).upper() if found else None


def singular(word):
    if word.endswith("ies"):
        return word[:-3] + "y"
    if word.endswith(("ches", "shes", "sses", "xes")):
        return word[:-2]
    return word[:-1]


def unplural_counts(source, text, sources_of_context):
    """The plural nouns that follow a plain %1..%9 count in an English text, except where the
    context has the same text with the noun in the singular (the code picks the form)."""
    found = []
    for m in COUNT.finditer(text):
        words = [w for w in m.groups() if w]
        for i, word in enumerate(words):
            low = word.lower()
            if low in NOT_COUNTED or not low.endswith("s") or low.endswith("ss"):
                if low in {"of", "more", "other"} or (i == 0 and low.isalpha() and low not in NOT_COUNTED
                                                       and not low.endswith("s")):
                    continue  # "%1 of %2", "%1 CUDA files": look at the next word
                break
            one = re.sub(r"\b%s\b" % re.escape(word), singular(word), source, count=1)
            if one != source and one in sources_of_context:
                break
            found.append(word)
            break
    return found


def read_mnemonic_groups(path):
    """[group] headers, each followed by "context<TAB>source" lines (source * = the whole context).
    Returns (groups as lists of (context, source|None), the contexts split by menu)."""
    groups, split = [], set()
    if not os.path.exists(path):
        return groups, split
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            if line.startswith("[") and line.endswith("]"):
                groups.append((line[1:-1], []))
                continue
            parts = line.split("\t")
            if len(parts) != 2 or not groups:
                sys.exit(f"{path}: not [group] or context<TAB>source: {line!r}")
            context, source = parts[0], parts[1].replace("\\t", "\t").replace("\\n", "\n")
            if source == "*":
                groups[-1][1].append((context, None))
            else:
                groups[-1][1].append((context, source))
                split.add(context)
    return groups, split


def mnemonic_problems(stem, catalog, groups, split):
    """Clashes of mnemonics within one menu or dialog of one catalog."""
    problems = []
    live = {k: v for k, v in catalog.items() if v[1] not in ("obsolete", "vanished")}
    by_context = {}
    for (context, source, comment), (text, _) in live.items():
        by_context.setdefault(context, []).append((source, comment, text))
    whole = {c for _, members in groups for c, s in members if s is None}
    sets = []
    for name, members in groups:
        texts = []
        for context, source in members:
            if source is None:
                texts += [(context, s, t) for s, _, t in by_context.get(context, [])]
                continue
            hits = [(context, s, t) for s, _, t in by_context.get(context, []) if s == source]
            if not hits:
                problems.append(f"{stem}.ts: mnemonic group [{name}] names [{context}] {source!r}, "
                                f"which the catalog does not have")
            texts += hits[:1]
        sets.append((name, texts))
    grouped = {(c, s) for _, texts in sets for c, s, _ in texts}
    for context, messages in by_context.items():
        if context in whole:
            continue
        if context in split:
            for source, _, text in messages:
                if (context, source) not in grouped and mnemonic_of(source):
                    problems.append(f"{stem}.ts: [{context}] {source!r} has a mnemonic but no menu "
                                    f"group in lang/mnemonic-groups.txt")
            continue
        sets.append((context, [(context, s, t) for s, _, t in messages]))
    for name, texts in sets:
        seen = {}
        for context, source, text in texts:
            letter = mnemonic_of(text)
            if not letter:
                continue
            if letter in seen and seen[letter] != text:
                problems.append(f"{stem}.ts: mnemonic {letter} twice in [{name}]: "
                                f"{seen[letter]!r} and {text!r}")
            seen.setdefault(letter, text)
    return problems


def read_exceptions(path):
    """Lines "LANG<TAB>context<TAB>source" (LANG * = every language; \\n, \\t escaped)."""
    result = set()
    if not os.path.exists(path):
        return result
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            parts = line.split("\t")
            if len(parts) != 3:
                sys.exit(f"{path}: not LANG<TAB>context<TAB>source: {line!r}")
            unescape = lambda s: s.replace("\\n", "\n").replace("\\t", "\t")
            result.add((parts[0], parts[1], unescape(parts[2])))
    return result


def entries(path):
    """(context, source, comment) -> (translation text, type) of every message of a catalog."""
    tree = ET.parse(path)
    out = {}
    for ctx in tree.getroot().iter("context"):
        name = ctx.findtext("name") or ""
        for msg in ctx.iter("message"):
            tr = msg.find("translation")
            forms = tr.findall("numerusform") if tr is not None else []
            text = "\n".join((f.text or "") for f in forms) if forms else (tr.text or "" if tr is not None else "")
            key = (name, msg.findtext("source") or "", msg.findtext("comment") or "")
            out[key] = (text, tr.get("type", "") if tr is not None else "unfinished")
    return out


def find_lupdate(given):
    candidates = [given, os.environ.get("LUPDATE")]
    for tool in ("qtpaths6", "qtpaths"):
        exe = shutil.which(tool)
        if exe:
            for query in ("QT_HOST_BINS", "QT_HOST_LIBEXECS"):
                try:
                    folder = subprocess.run([exe, "--query", query], capture_output=True, text=True,
                                            check=False).stdout.strip()
                except OSError:
                    folder = ""
                if folder:
                    candidates.append(os.path.join(folder, "lupdate"))
    candidates += ["/usr/lib/qt6/bin/lupdate", shutil.which("lupdate6"), shutil.which("lupdate")]
    for c in candidates:
        if c and os.path.isfile(c) and os.access(c, os.X_OK):
            return c
    sys.exit("check_catalogs: no Qt 6 lupdate found (give --lupdate PATH)")


def used_texts(lupdate, sources):
    """The texts the code uses, as lupdate finds them (written to a temporary catalog)."""
    with tempfile.TemporaryDirectory() as tmp:
        ts = os.path.join(tmp, "used.ts")
        cmd = [lupdate, "-silent", "-no-obsolete", "-locations", "none", "-extensions", "cpp,h"] + sources + ["-ts", ts]
        run = subprocess.run(cmd, capture_output=True, text=True, check=False)
        if run.returncode != 0 or not os.path.exists(ts):
            sys.exit(f"check_catalogs: lupdate failed:\n{run.stdout}{run.stderr}")
        return set(entries(ts))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate")
    parser.add_argument("--lang-dir", default=os.path.join(ROOT, "lang"))
    parser.add_argument("--sources", nargs="+", default=[os.path.join(ROOT, "src", "gui")])
    args = parser.parse_args()

    used = used_texts(find_lupdate(args.lupdate), args.sources)
    exceptions = read_exceptions(os.path.join(args.lang_dir, "script-exceptions.txt"))
    groups, split = read_mnemonic_groups(os.path.join(args.lang_dir, "mnemonic-groups.txt"))
    problems, notes = [], []
    for stem, lang in CATALOGS:
        path = os.path.join(args.lang_dir, stem + ".ts")
        if not os.path.exists(path):
            problems.append(f"{stem}.ts: missing")
            continue
        catalog = entries(path)
        problems += mnemonic_problems(stem, catalog, groups, split)
        sources_by_context = {}
        for context, source, _ in catalog:
            sources_by_context.setdefault(context, set()).add(source)
        for key in sorted(used - set(catalog)):
            problems.append(f"{stem}.ts: missing [{key[0]}] {key[1]!r}")
        for key, (text, kind) in sorted(catalog.items()):
            context, source, _ = key
            where = f"{stem}.ts: [{context}] {source!r}"
            if kind in ("obsolete", "vanished"):
                if key in used:
                    problems.append(f"{where}: marked {kind} but the code uses it")
                continue
            if key not in used:
                notes.append(f"{where}: no longer used by the code")
            if kind == "unfinished":
                problems.append(f"{where}: unfinished")
                continue
            if not text and source:
                problems.append(f"{where}: empty translation")
                continue
            # Each plural form (one per line for a %n text) carries the source's placeholders.
            wanted = sorted(set(PLACEHOLDER.findall(source)))
            forms = text.split("\n") if "%n" in source and "\n" not in source else [text]
            if any(sorted(set(PLACEHOLDER.findall(form))) != wanted for form in forms):
                problems.append(f"{where}: placeholders differ: {text!r}")
            if lang == "en" and "(s)" in text:
                problems.append(f"{where}: \"(s)\" in the English text (a plural form belongs there): {text!r}")
            if lang == "en" and "%n" not in source:
                for word in unplural_counts(source, text, sources_by_context[context]):
                    problems.append(f"{where}: a count without plural forms ({word!r}): {text!r}")
            if lang in ("ja", "zh_CN", "zh_TW"):
                for line in text.split("\n"):
                    if CJK_BEFORE_COLON.search(line.split("\t")[0]):
                        problems.append(f"{where}: half-width colon or question mark after CJK text: "
                                        f"{text!r}")
                        break
            if not letters_of_source(source):
                continue
            if (lang, context, source) in exceptions or ("*", context, source) in exceptions:
                continue
            why = script_problem(lang, text)
            if why:
                problems.append(f"{where}: {why}: {text!r}")
    for n in notes:
        print("note:", n)
    for p in problems:
        print(p, file=sys.stderr)
    if problems:
        print(f"check_catalogs: {len(problems)} problem(s)", file=sys.stderr)
        return 1
    print(f"check_catalogs: 5 catalogs, {len(used)} texts, all translated")
    return 0


if __name__ == "__main__":
    sys.exit(main())
