#!/usr/bin/env python3
"""tovalo-cli settings --json against crafted settings files (XDG_CONFIG_HOME points at them).

Usage: settings_json_test.py TOVALO_CLI DATA_DIR
Checks that the output is valid JSON for any path (quotes, backslashes, control characters,
non-ASCII, bytes that are not UTF-8) and that the values are the ones the files hold.
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

CLI = sys.argv[1]
DATA = sys.argv[2]
KEY = "HKEY_CURRENT_USER\\SOFTWARE\\mossbank\\Tovalo"
failures = []


def check(cond, what):
    if not cond:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)


def run(config_home, *args, env_extra=None):
    env = {k: v for k, v in os.environb.items() if k not in (b"ONEAPI_ROOT", b"XDG_CONFIG_HOME")}
    env[b"XDG_CONFIG_HOME"] = os.fsencode(config_home)
    env[b"HOME"] = os.fsencode(config_home)
    for k, v in (env_extra or {}).items():
        env[os.fsencode(k)] = os.fsencode(v)
    p = subprocess.run([CLI, "settings", *args], env=env, capture_output=True, timeout=60)
    # JSON must be valid UTF-8 (strict); text output shows a path's bytes as they are.
    text = p.stdout.decode("utf-8", "strict" if "--json" in args else "replace")
    return p.returncode, text, p.stderr.decode("utf-8", "replace")


def place(config_home, data):
    os.makedirs(os.path.join(config_home, b"mossbank" if isinstance(config_home, bytes) else "mossbank"),
                exist_ok=True)
    target = os.path.join(config_home, b"mossbank" if isinstance(config_home, bytes) else "mossbank",
                          b"Tovalo.reg" if isinstance(config_home, bytes) else "Tovalo.reg")
    with open(target, "wb") as f:
        f.write(data)
    return target


def reg_string(s):
    return '"' + s.replace("\\", "\\\\").replace('"', '\\"') + '"'


def reg_hex1(s):
    data = s.encode("utf-16-le")
    return "hex(1):" + ",".join("%02x" % b for b in data)


with tempfile.TemporaryDirectory() as tmp:
    # 1. A regedit export: UTF-16LE with byte-order mark and CR LF.
    home = os.path.join(tmp, "export")
    with open(os.path.join(DATA, "regedit-export-utf16.reg"), "rb") as f:
        target = place(home, f.read())
    rc, out, err = run(home, "--json")
    check(rc == 0, "export: exit status %d (%s)" % (rc, err))
    j = json.loads(out)
    for key in ("file", "language", "applicationLook", "recent", "tabMode", "colors", "folders",
                "defaultItem", "oneapiRoot", "parallelConversions"):
        check(key in j, "export: key %s" % key)
    check(j["file"] == target, "export: file %r" % j["file"])
    check(j["language"] == 4 and j["applicationLook"] == 208, "export: language/look")
    check(j["parallelConversions"] == 0, "export: parallel conversions automatic when unset")
    check(j["recent"] == [], "export: Windows paths do not exist here: %r" % j["recent"])
    check(j["tabMode"] == [1, 0, 3, 1, 0, 0, 1, 0, 1, 1, 1, 2, 0], "export: tabMode %r" % j["tabMode"])
    check(j["colors"][1] == 0x00F0F0F0 and j["colors"][0] == 0xFF000000 and len(j["colors"]) == 10,
          "export: colors %r" % j["colors"])
    check(list(j["folders"]) == ["TextOpen", "TextSave", "CudaFile", "CudaDir", "CudaIncPath", "InRoot",
                                 "OutRoot", "OutputFile", "P", "Vcxproj"], "export: folder names")
    check(j["folders"]["CudaFile"] == "D:\\プロジェクト\\src", "export: CudaFile %r" % j["folders"]["CudaFile"])
    check(j["defaultItem"]["options"] == {"--assume-nd-range-dim": 0, "--comments": True,
                                          "--out-root": "D:\\out\\sycl", "--output-verbosity": 3,
                                          "--suppress-warnings": "1000,1003"},
          "export: options %r" % j["defaultItem"]["options"])
    check(j["oneapiRoot"] == "" or j["oneapiRoot"].endswith("/"), "export: oneapiRoot")

    # 2. Paths with every kind of awkward character, in a folder whose name is not UTF-8.
    home = os.path.join(os.fsencode(tmp), b"odd-\xff-config")
    files = os.path.join(tmp, "files")
    os.makedirs(files)
    names = ['quote " and back\\slash.txt', "tab\tand\x01control.txt", "日本語 é \U0001F600.txt",
             "line\nbreak.txt"]
    paths = []
    for n in names:
        p = os.path.join(files, n)
        open(p, "w").close()
        paths.append(p)
    oneapi = os.path.join(tmp, 'one "api"')
    os.makedirs(oneapi)
    open(os.path.join(oneapi, "setvars.sh"), "w").close()
    lines = ["Windows Registry Editor Version 5.00", "", "[%s\\Common]" % KEY,
             '"ApplicationLook"=dword:000000d8', '"Language"=dword:00000005']
    for i, p in enumerate(paths):
        lines.append('"Recent%02d"=%s' % (i + 1, reg_hex1(p) if "\n" in p else reg_string(p)))
    lines.append('"Recent05"=%s' % reg_string(os.path.join(files, "missing.txt")))
    lines.append('"Recent17"=%s' % reg_string(paths[0]))
    lines += ["", "[%s\\Dir]" % KEY, '"P"=%s' % reg_string(paths[0]), "", "[%s\\Dpct]" % KEY,
              '"--extra-arg"=%s' % reg_string('-DNAME="x\\y"'), '"--format-style"=dword:00000003', ""]
    place(home, "\n".join(lines).encode("utf-8"))
    rc, out, err = run(home, "--json", env_extra={"ONEAPI_ROOT": oneapi})
    check(rc == 0, "odd: exit status %d (%s)" % (rc, err))
    j = json.loads(out)
    check(j["file"].startswith(tmp) and "\ufffd" in j["file"], "odd: file %r" % j["file"])
    check(j["applicationLook"] == 214 and j["language"] == -1, "odd: look 216 and language 5 ignored")
    check(j["recent"] == paths, "odd: recent %r" % j["recent"])
    check(j["folders"]["P"] == paths[0], "odd: folder P")
    check(j["defaultItem"]["options"] == {"--extra-arg": '-DNAME="x\\y"'}, "odd: options %r" % j["defaultItem"])
    check('\n    "options": {\n      "--extra-arg": "-DNAME=\\"x\\\\y\\""\n    }\n  },\n' in out,
          "odd: options layout %r" % out)
    check(j["oneapiRoot"] == oneapi + "/", "odd: oneapiRoot %r" % j["oneapiRoot"])

    rc, out, err = run(home, env_extra={"ONEAPI_ROOT": oneapi})
    check(rc == 0 and "tab\\x09and\\x01control.txt" in out and "\x01" not in out and "line\\x0Abreak" in out,
          "odd: text output shows control characters escaped: %r" % out)

    rc, out, err = run(home, "--oneapi", "--json", env_extra={"ONEAPI_ROOT": oneapi})
    check(rc == 0 and json.loads(out)["oneapiRoot"] == oneapi + "/", "oneapi --json: %d %r" % (rc, out))
    # The layout: one member a line, two blanks a level; arrays on one line.
    check(out == '{\n  "oneapiRoot": %s,\n  "looked": [%s]\n}\n'
          % (json.dumps(oneapi + "/"), json.dumps("ONEAPI_ROOT=" + oneapi)), "oneapi --json layout: %r" % out)

    # 3. No settings file at all: the initial values; the program's folder in every folder slot.
    rc, out, err = run(os.path.join(tmp, "empty"), "--json")
    check(rc == 0, "empty: exit status %d" % rc)
    j = json.loads(out)
    cli_folder = os.path.dirname(os.path.realpath(CLI))
    check(j["language"] == -1 and j["applicationLook"] == 214 and j["recent"] == [], "empty: values")
    check(set(j["folders"].values()) == {cli_folder}, "empty: folders %r" % j["folders"])
    check(j["defaultItem"]["options"] == {}, "empty: options")
    check('\n  "recent": [],\n  "tabMode": [0, 1, 0, ' in out and
          '\n  },\n  "defaultItem": {\n    "options": {}\n  },\n  "oneapiRoot": ' in out and out.endswith('"\n}\n'),
          "empty: layout %r" % out)
    check(j["colors"] == [0xFF000000] * 10, "empty: colors")

    # 4. A settings path that cannot be read is reported, with the defaults shown.
    broken = os.path.join(tmp, "broken")
    os.makedirs(os.path.join(broken, "mossbank", "Tovalo.reg"))
    rc, out, err = run(broken, "--json")
    check(rc == 1 and "Tovalo.reg" in err and json.loads(out)["language"] == -1, "broken: %d %r" % (rc, err))

if failures:
    sys.exit(1)
print("ok")
