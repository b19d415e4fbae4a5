#!/usr/bin/env python3
"""Fails when a translation is missing or stale: lupdate is run over the sources into copies of
the repository's .ts files, and every entry must then be finished, with nothing added or dropped.

usage: check_translations.py LUPDATE TS_DIR SOURCE...
"""
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path


def entries(path):
    found = {}
    for context in ET.parse(path).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            translation = message.find('translation')
            forms = [f.text or '' for f in translation.iter('numerusform')]
            texts = forms if message.get('numerus') == 'yes' else [translation.text or '']
            unfinished = translation.get('type') in ('unfinished', 'vanished', 'obsolete')
            found[(name, message.findtext('source'))] = unfinished or any(not t for t in texts)
    return found


def main():
    lupdate, ts_dir, sources = sys.argv[1], Path(sys.argv[2]), sys.argv[3:]
    problems = []
    with tempfile.TemporaryDirectory() as work:
        for original in sorted(ts_dir.glob('korrelang_*.ts')):
            copy = Path(work) / original.name
            shutil.copy(original, copy)
            options = ['-pluralonly'] if original.name == 'korrelang_en.ts' else []
            subprocess.run([lupdate, '-silent', '-no-obsolete', '-locations', 'none', *options,
                            *sources, '-ts', str(copy)], check=True)
            before, after = entries(original), entries(copy)
            for key in sorted(after.keys() - before.keys()):
                problems.append(f'{original.name}: not yet in the file: {key}')
            for key in sorted(before.keys() - after.keys()):
                problems.append(f'{original.name}: no longer in the sources: {key}')
            for key, unfinished in sorted(after.items()):
                if unfinished and key in before:
                    problems.append(f'{original.name}: unfinished: {key}')
    for problem in problems:
        print(problem)
    if problems:
        print('Run `cmake --build build --target update_translations` and translate.')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
