#!/usr/bin/env python3
"""Checks the game's translations (Qt Linguist .ts files) and the translated desktop files.

  check-translations.py complete --lupdate L --lrelease R --sources LIST TS...
      lupdate brings a copy of each .ts up to date with the sources (one file a line in LIST):
      every text must already be there and translated, none left over, and lrelease must
      compile the result.
  check-translations.py placeholders TS...
      each translation keeps its source's %1..%9, %L1, %n and %Ln, and its '&' accelerator
      (at most one); no two accelerators of a context clash unless their sources' do.
  check-translations.py desktop LANG DESKTOP_ENTRY METAINFO
      the entry's Name, GenericName, Comment and Keywords, and every text of the metainfo
      (name, summary, paragraphs, list items, captions) have a LANG version.
Prints one line per fault and exits with 1 when there is any."""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?(?:[1-9]|n)")
XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"


def messages(ts_path):
    """(context, message element) for every message of a .ts file."""
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


def translations(message):
    """The translated texts of a message: one, or one per numerus form."""
    translation = message.find("translation")
    if translation is None:
        return []
    if message.get("numerus") == "yes":
        return [form.text or "" for form in translation.iter("numerusform")]
    return [translation.text or ""]


def label(context, message):
    return f"{context}: {message.findtext('source')!r}"


def check_complete(args):
    faults = []
    with tempfile.TemporaryDirectory() as work:
        for ts in args.ts:
            copy = os.path.join(work, os.path.basename(ts))
            shutil.copyfile(ts, copy)
            run = subprocess.run(
                [args.lupdate, "-locations", "none", "@" + args.sources, "-ts", copy],
                capture_output=True, text=True)
            if run.returncode != 0:
                faults.append(f"{ts}: lupdate failed: {run.stderr.strip()}")
                continue
            for context, message in messages(copy):
                translation = message.find("translation")
                kind = translation.get("type") if translation is not None else None
                if kind == "unfinished" and not any(translations(message)):
                    faults.append(f"{ts}: untranslated {label(context, message)}")
                elif kind == "unfinished":
                    faults.append(f"{ts}: unfinished {label(context, message)}")
                elif kind in ("vanished", "obsolete"):
                    faults.append(f"{ts}: no longer in the sources {label(context, message)}")
                elif not all(t.strip() for t in translations(message)):
                    faults.append(f"{ts}: empty translation of {label(context, message)}")
            run = subprocess.run([args.lrelease, copy, "-qm", copy + ".qm"],
                                 capture_output=True, text=True)
            if run.returncode != 0:
                faults.append(f"{ts}: lrelease failed: {run.stderr.strip()}")
    return faults


def accelerator(text):
    """The '&' accelerators of a text ('&&' is a plain ampersand), lower case."""
    return [key.lower() for key in re.findall(r"&(.)", text.replace("&&", ""))]


def check_placeholders(args):
    faults = []
    for ts in args.ts:
        by_context = {}
        for context, message in messages(ts):
            source = message.findtext("source") or ""
            wanted = sorted(PLACEHOLDER.findall(source))
            keys = accelerator(source)
            if len(keys) > 1:
                faults.append(f"{ts}: more than one accelerator in {label(context, message)}")
            for text in translations(message):
                if not text:
                    continue
                if sorted(PLACEHOLDER.findall(text)) != wanted:
                    faults.append(f"{ts}: placeholders {sorted(PLACEHOLDER.findall(text))} "
                                  f"instead of {wanted} in {label(context, message)}: {text!r}")
                got = accelerator(text)
                if len(got) != len(keys):
                    faults.append(f"{ts}: {len(got)} accelerators instead of {len(keys)} in "
                                  f"{label(context, message)}: {text!r}")
                elif got:
                    by_context.setdefault(context, []).append((keys[0], got[0], text))
        for context, keys in by_context.items():
            for i, (source_key, key, text) in enumerate(keys):
                for other_source, other_key, other in keys[:i]:
                    if key == other_key and source_key != other_source:
                        faults.append(f"{ts}: {context}: {text!r} and {other!r} share the "
                                      f"accelerator {key!r}")
    return faults


def check_desktop(args):
    faults = []
    with open(args.entry, encoding="utf-8") as f:
        keys = {line.split("=", 1)[0].strip() for line in f if "=" in line}
    for key in ("Name", "GenericName", "Comment", "Keywords"):
        if key in keys and f"{key}[{args.lang}]" not in keys:
            faults.append(f"{args.entry}: no {key}[{args.lang}]")
    root = ET.parse(args.metainfo).getroot()
    for parent in root.iter():
        children = list(parent)
        for tag in ("name", "summary", "p", "li", "caption"):
            sources = [c for c in children if c.tag == tag and XML_LANG not in c.attrib]
            translated = [c for c in children if c.tag == tag and c.get(XML_LANG) == args.lang]
            if len(translated) < len(sources):
                first = " ".join((sources[0].text or "").split())
                faults.append(f"{args.metainfo}: {len(sources) - len(translated)} of the "
                              f"{len(sources)} <{tag}> beginning {first[:40]!r} have no "
                              f"{args.lang} version")
    return faults


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    sub = parser.add_subparsers(dest="check", required=True)
    complete = sub.add_parser("complete")
    complete.add_argument("--lupdate", required=True)
    complete.add_argument("--lrelease", required=True)
    complete.add_argument("--sources", required=True)
    complete.add_argument("ts", nargs="+")
    placeholders = sub.add_parser("placeholders")
    placeholders.add_argument("ts", nargs="+")
    desktop = sub.add_parser("desktop")
    desktop.add_argument("lang")
    desktop.add_argument("entry")
    desktop.add_argument("metainfo")
    args = parser.parse_args()
    check = {"complete": check_complete, "placeholders": check_placeholders,
             "desktop": check_desktop}[args.check]
    faults = check(args)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
