#!/usr/bin/python3
"""Updates the translation tables from the texts in the code.

Usage: update_translations.py LUPDATE SOURCE_DIR TS_FILE...

Every qtTrId/qsTrId id with its //% English text goes into every TS_FILE:
new ids arrive unfinished, ids gone from the code leave, translations stay.
No line numbers are written, so a table changes only when its texts do.
"""
import re
import subprocess
import sys
from pathlib import Path


def main():
    lupdate, source, tables = sys.argv[1], sys.argv[2], sys.argv[3:]
    for table in tables:
        # Id-based texts live in lupdate's unnamed context; a table written
        # by hand under a named one would otherwise lose every translation.
        path = Path(table)
        text = path.read_text(encoding="utf-8")
        unnamed = re.sub(r"<name>[^<]*</name>", "<name></name>", text, count=1)
        if unnamed != text:
            path.write_text(unnamed, encoding="utf-8")
    command = [lupdate, "-silent", "-locations", "none", "-no-obsolete", source, "-ts", *tables]
    run = subprocess.run(command, capture_output=True, text=True, check=False)
    # lupdate reports a text it cannot place on stderr without failing.
    problems = [line for line in run.stderr.splitlines() if line.strip()]
    for line in problems:
        print(line, file=sys.stderr)
    return run.returncode or (1 if problems else 0)


if __name__ == "__main__":
    sys.exit(main())
