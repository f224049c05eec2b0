#!/usr/bin/env python3
"""Expands a Hunspell dictionary into every word form, one per line (UTF-8).

hunspell's `unmunch` works on bytes: on a UTF-8 .aff file its affix
conditions match bytes, not letters, and it silently drops many forms. So
the .aff/.dic pair is first re-encoded to an 8-bit code page (lines that
page cannot hold are dropped, affix counts and the SET line fixed), expanded
there, decoded back, and finally checked with `hunspell -G` against the
original dictionary: only forms Hunspell itself accepts are kept.

Usage: hunspell_expand.py AFF DIC ENCODING OUT
Output: sorted (by code point), unique, one word per line.
"""

import os
import subprocess
import sys
import tempfile

# Tables that only spelling suggestion and tokenisation use; unmunch needs none.
DROPPED = {"ICONV", "OCONV", "REP", "MAP", "BREAK", "PHONE", "TRY", "WORDCHARS",
           "IGNORE", "KEY", "COMPOUNDRULE"}

HUNSPELL_SET_NAMES = {"cp1251": "microsoft-cp1251", "cp1252": "ISO8859-1"}


def encodable(text, enc):
    try:
        text.encode(enc)
        return True
    except UnicodeEncodeError:
        return False


def reencode_aff(lines, enc):
    out = []
    i = 0
    while i < len(lines):
        line = lines[i]
        parts = line.split()
        i += 1
        if not parts or parts[0].startswith("#"):
            continue
        tag = parts[0]
        if tag == "SET":
            out.append("SET " + HUNSPELL_SET_NAMES[enc])
        elif tag in ("PFX", "SFX") and len(parts) == 4 and parts[2] in ("Y", "N") and parts[3].isdigit():
            count = int(parts[3])
            entries = [e for e in lines[i:i + count] if encodable(e, enc)]
            i += count
            out.append(f"{tag} {parts[1]} {parts[2]} {len(entries)}")
            out.extend(entries)
        elif tag in DROPPED:
            continue
        elif encodable(line, enc):
            out.append(line)
    return out


def reencode_dic(lines, enc):
    words = [l for l in lines[1:] if l.strip() and encodable(l, enc)]
    return [str(len(words))] + words


def main():
    aff, dic, enc, out = sys.argv[1:5]
    hunspell_dir = os.path.splitext(aff)[0]
    with open(aff, encoding="utf-8") as f:
        aff_lines = f.read().split("\n")
    with open(dic, encoding="utf-8") as f:
        dic_lines = f.read().split("\n")
    with tempfile.TemporaryDirectory() as tmp:
        aff8 = os.path.join(tmp, "x.aff")
        dic8 = os.path.join(tmp, "x.dic")
        with open(aff8, "w", encoding=enc, newline="\n") as f:
            f.write("\n".join(reencode_aff(aff_lines, enc)) + "\n")
        with open(dic8, "w", encoding=enc, newline="\n") as f:
            f.write("\n".join(reencode_dic(dic_lines, enc)) + "\n")
        raw = subprocess.run(["unmunch", dic8, aff8], check=True, stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL).stdout
    forms = set()
    for w in raw.decode(enc).split("\n"):
        w = w.strip()
        # Forms without a letter (numbers, stray marks) are not words to type.
        if w and any(c.isalpha() for c in w):
            forms.add(w)
    env = dict(os.environ, LC_ALL="C.UTF-8")
    checked = subprocess.run(["hunspell", "-G", "-i", "UTF-8", "-d", hunspell_dir],
                             input="\n".join(sorted(forms)).encode("utf-8"), check=True,
                             stdout=subprocess.PIPE, env=env).stdout.decode("utf-8")
    accepted = sorted(forms.intersection(l.strip() for l in checked.split("\n")))
    with open(out + ".tmp", "w", encoding="utf-8", newline="\n") as f:
        for w in accepted:
            f.write(w + "\n")
    os.replace(out + ".tmp", out)
    print(f"{os.path.basename(dic)}: {len(forms)} forms expanded, {len(accepted)} accepted by hunspell",
          file=sys.stderr)


if __name__ == "__main__":
    main()
