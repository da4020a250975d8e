#!/usr/bin/python3
"""Fails when a text the user reads has no English or French translation.

Usage: i18n_check.py SOURCE_ROOT [LUPDATE]

- every id given to qtTrId/qsTrId in src/ has a non-empty translation in
  every src/i18n/reelix_*.ts, with the same %1, %n, %L1 … as its English;
  the files are well-formed and hold the same ids; English and French are
  finished, the other languages may mark some unfinished (they are counted);
- given lupdate, every table is as the lupdate target leaves it;
- a QML text property (text, title, placeholderText, ToolTip.text,
  Accessible.name, Accessible.description) holds no string literal outside
  qsTrId, apart from the few symbols and names listed below;
- the C++ calls that put text before the user (a row's status or error, a
  Failure's message, a tool's failed state, a notification) are given no
  plain literal with words in it.
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

# (file under src/, literal) → why it needs no translation.
QML_ALLOWED = {
    ("app/qml/Main.qml", "Reelix"): "the program's name",
    ("app/qml/HeaderBar.qml", "Reelix"): "the program's name",
    ("app/qml/SetupHeader.qml", "Reelix"): "the program's name",
    ("app/qml/SetupHeader.qml", "v"): "the version's prefix, as in every language",
    ("app/qml/RowControls.qml", "QuickTime"): "a product's name",
    ("app/qml/Stepper.qml", "−"): "the minus sign of a number field",
    ("app/qml/Stepper.qml", "+"): "the plus sign of a number field",
    ("app/qml/AppMenu.qml", "✓"): "the check mark of a checked menu entry",
    ("app/qml/ClipboardOffer.qml", "×"): "the close symbol",
    ("app/qml/HistoryView.qml", "  ·  "): "the separator between the figures of an entry",
    ("app/qml/GroupHeader.qml", "  ·  "): "the separator between the figures of a list",
    ("app/qml/DepCard.qml", "· "): "the separator before a tool's note",
    ("app/qml/DownloadRow.qml", "0"): "the zero that pads a number",
    ("app/qml/DownloadRow.qml", ":"): "the separator of a duration shown as a clock",
    ("app/qml/DownloadRow.qml", "f"): "the fixed-point format of a number in the locale's digits",
    ("app/qml/DownloadRow.qml", ", "): "the separator between the languages of a note",
    ("app/qml/AboutDialog.qml", "Reelix"): "the program's name",
    ("app/qml/ReadyInfo.qml", " · "): "the separator between the figures of a ready row",
    ("app/qml/ReadyInfo.qml", "~"): "the sign of an estimated size",
    ("app/qml/ShortcutsDialog.qml", ", "): "the separator between two keys of one action",
    ("app/qml/ShortcutsDialog.qml", "&"): "the mnemonic mark taken out of a menu text",
    ("app/qml/ShortcutsDialog.qml", "…"): "the ellipsis taken out of a menu text",
}
# Folders whose texts are sample data: the screenshot tool's stand-ins for
# what pages and tools say.
CPP_SKIPPED = ("app/screens/",)
CPP_ALLOWED = {
    ("engine/Retag.cpp", "launch error: "): "written to the log only",
    ("engine/Retag.cpp", "ffmpeg exit "): "written to the log only",
    ("engine/Retag.cpp", "file replace error: "): "written to the log only",
    ("engine/Retag.cpp", "rename(%1 → %2) failed: %3 (errno %4)"): "written to the log only",
    ("engine/DownloadRun.cpp", "%1 could not be moved to %2: %3"):
        "written to the log; the row says error.file_kept",
}

QML_PROPERTY = re.compile(
    r"^\s*(?:readonly\s+)?(?:property\s+\w+\s+)?"
    r"(text|title|placeholderText|ToolTip\.text|Accessible\.name|Accessible\.description)"
    r"\s*:\s*(.*)$")
CPP_CALL = re.compile(
    r"(?<![\w.])(?:\w+(?:\.|->))?(setStatusMessage|setErrorMessage|notify|DepStatus::failed"
    r"|DepStatus::unchecked)\s*\(|(?<!struct )(?<!class )\bFailure\s*\{")
TR_CALL = re.compile(r"\bq[ts]TrId\(")
PLACEHOLDER = re.compile(r"%L?(\d+|n)")


def literals(code):
    """(offset, text) of each string literal in code, comments skipped."""
    found, i = [], 0
    while i < len(code):
        if code.startswith("//", i):
            i = code.find("\n", i) if "\n" in code[i:] else len(code)
        elif code.startswith("/*", i):
            i = code.find("*/", i) + 2 if "*/" in code[i:] else len(code)
        elif code[i] in "\"'":
            quote, j, text = code[i], i + 1, ""
            while j < len(code) and code[j] != quote:
                step = 2 if code[j] == "\\" else 1
                text += code[j:j + step]
                j += step
            if quote == '"':
                found.append((i, text))
            i = j + 1
        else:
            i += 1
    return found


def translated(code, offset, function):
    """Whether the literal at offset is (part of) the id given to a
    translation call, as in qtTrId(empty ? "a" : "b")."""
    for call in re.finditer(r"\b" + function + r"\(", code[:offset]):
        if offset < balanced_end(code, call.end() - 1):
            return True
    return False


def compared(code, offset, text):
    """Whether the literal at offset is only compared with, never shown."""
    before = code[:offset].rstrip()
    after = code[offset + len(text) + 2:].lstrip()
    return before.endswith(("==", "!=")) or after.startswith(("==", "!="))


def words_in(text):
    """Whether a C++ literal holds a letter once its escapes are gone."""
    return re.search(r"[^\W\d_]", re.sub(r"\\.", "", text)) is not None


def balanced_end(code, start):
    """The offset just past the bracket that closes the one before start."""
    depth, i = 0, start
    for i, offset_text in enumerate(code[start:], start):
        if offset_text in "([{":
            depth += 1
        elif offset_text in ")]}":
            depth -= 1
            if depth == 0:
                return i + 1
    return len(code)


def read_ts(path, errors):
    try:
        root = ElementTree.parse(path).getroot()
    except ElementTree.ParseError as e:
        errors.append(f"{path.name}: not well-formed: {e}")
        return {}
    table = {}
    for message in root.iter("message"):
        mid = message.get("id")
        if mid in table:
            errors.append(f"{path.name}: {mid} is there twice")
        source = message.findtext("source") or ""
        node = message.find("translation")
        kind = node.get("type") if node is not None else "missing"
        forms = node.findall("numerusform") if node is not None else []
        texts = [f.text or "" for f in forms] if forms else [node.text or "" if node is not None else ""]
        text = "" if any(not t.strip() for t in texts) else " ".join(texts)
        table[mid] = (source, text, kind)
    return table


def placeholders(text):
    """The %1, %n, %L1 … of a text, %L1 counted as %1."""
    return sorted(set(PLACEHOLDER.findall(text)))


def check_tables(src, used, errors):
    """Every language holds every id with a filled translation using the
    English placeholders; English and French are finished. Returns the count
    of unfinished translations per other language."""
    english = read_ts(src / "i18n/reelix_en.ts", errors)
    unfinished = {}
    for path in sorted((src / "i18n").glob("reelix_*.ts")):
        name = path.stem.split("_", 1)[1]
        table = english if name == "en" else read_ts(path, errors)
        finished_only = name in ("en", "fr")
        for mid in sorted(set(english) ^ set(table)):
            errors.append(f"{mid} is in only one of reelix_en.ts and {path.name}")
        for mid, where in sorted(used.items()):
            if mid not in table:
                errors.append(f"{where}: {mid} has no {name} entry")
                continue
            _, text, kind = table[mid]
            if not text.strip() or kind in ("obsolete", "vanished", "missing"):
                errors.append(f"{where}: {mid} has no {name} translation")
            elif kind == "unfinished":
                if finished_only:
                    errors.append(f"{where}: {mid} has no finished {name} translation")
                unfinished[name] = unfinished.get(name, 0) + 1
        for mid in sorted(set(english) & set(table)):
            wanted = placeholders(english[mid][0])
            found = placeholders(table[mid][1])
            if table[mid][1].strip() and found != wanted:
                errors.append(f"{mid}: the {name} translation uses [{' '.join(found)}] where "
                              f"the English uses [{' '.join(wanted)}]")
    return unfinished


def check_up_to_date(src, lupdate, errors):
    """Fails when a table differs from what the lupdate target makes of it."""
    tables = sorted((src / "i18n").glob("reelix_*.ts"))
    with tempfile.TemporaryDirectory() as temp:
        copies = []
        for table in tables:
            copies.append(Path(temp) / table.name)
            shutil.copyfile(table, copies[-1])
        run = subprocess.run([sys.executable, str(src / "i18n/update_translations.py"), lupdate,
                              str(src), *map(str, copies)], capture_output=True, text=True,
                             check=False)
        if run.returncode != 0:
            errors.append(f"lupdate failed: {run.stderr.strip()}")
            return
        for table, copy in zip(tables, copies):
            if table.read_bytes() != copy.read_bytes():
                errors.append(f"{table.name} is out of date with the code: run "
                              "cmake --build build --target lupdate")


def qml_binding(lines, index, first):
    """The expression of a binding that starts on lines[index], continued
    while brackets are open or a line ends or starts with an operator."""
    text, i = first, index
    while i + 1 < len(lines):
        open_brackets = sum(text.count(c) for c in "([{") - sum(text.count(c) for c in ")]}")
        stripped = re.sub(r"//.*$", "", text).rstrip()
        follows = lines[i + 1].lstrip().startswith(("?", ":", "+", "&&", "||", "."))
        if open_brackets <= 0 and not stripped.endswith(("?", ":", "+", "&&", "||", "(")) \
                and not follows:
            break
        i += 1
        text += "\n" + lines[i]
    return text


def check_qml(src, used, errors):
    for path in sorted(src.rglob("*.qml")):
        name = path.relative_to(src).as_posix()
        lines = path.read_text(encoding="utf-8").split("\n")
        for number, line in enumerate(lines, 1):
            match = QML_PROPERTY.match(line)
            if not match:
                continue
            expression = qml_binding(lines, number - 1, match.group(2))
            for offset, text in literals(expression):
                if text == "" or translated(expression, offset, "qsTrId") or \
                        compared(expression, offset, text):
                    continue
                if (name, text) not in QML_ALLOWED:
                    errors.append(f"{name}:{number}: {match.group(1)} shows \"{text}\" "
                                  "untranslated: use qsTrId")


def check_cpp(src, errors):
    for path in sorted(list(src.rglob("*.cpp")) + list(src.rglob("*.h"))):
        name = path.relative_to(src).as_posix()
        if name.startswith(CPP_SKIPPED):
            continue
        code = path.read_text(encoding="utf-8")
        for call in CPP_CALL.finditer(code):
            arguments = code[call.end() - 1:balanced_end(code, call.end() - 1)]
            for offset, text in literals(arguments):
                if not words_in(text) or translated(arguments, offset, "qtTrId"):
                    continue
                if (name, text) in CPP_ALLOWED:
                    continue
                number = code.count("\n", 0, call.start()) + 1
                errors.append(f"{name}:{number}: \"{text}\" reaches the user untranslated: "
                              "use qtTrId")


def main():
    src = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent.parent) / "src"
    errors, used = [], {}
    for path in sorted(list(src.rglob("*.cpp")) + list(src.rglob("*.h")) +
                       list(src.rglob("*.qml"))):
        code = path.read_text(encoding="utf-8")
        for match in TR_CALL.finditer(code):
            line = code.count("\n", 0, match.start()) + 1
            inside = code[match.end() - 1:balanced_end(code, match.end() - 1)]
            # The id itself: the literals before the first comma (a plural's
            # count follows it), as in qtTrId(empty ? "a" : "b", n).
            # An id built at run time ("status." + name) cannot be checked here.
            head = inside.split(",")[0] + ")"
            for offset, text in literals(head):
                if not re.match(r"\s*\+", head[offset + len(text) + 2:]):
                    used.setdefault(text, f"{path.relative_to(src).as_posix()}:{line}")
    unfinished = check_tables(src, used, errors)
    if len(sys.argv) > 2:
        check_up_to_date(src, sys.argv[2], errors)
    check_qml(src, used, errors)
    check_cpp(src, errors)
    for error in errors:
        print(error)
    for name, count in sorted(unfinished.items()):
        print(f"{name}: {count} translations marked unfinished")
    print(f"{len(used)} ids checked, {len(errors)} problems")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
