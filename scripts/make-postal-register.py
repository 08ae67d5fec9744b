#!/usr/bin/env python3
"""Makes the first postal-code register that Kvarnel ships.

The data is the code -> place table of the MIT-licensed npm package
`norway-postal-codes` (fetched with `npm pack`, unpacked in a temporary
folder). It becomes a register file in the postal service's layout
(code, place, municipality number, municipality, category; tab-separated,
Windows-1252, CR LF) with the three unknown fields left empty, and the
package's licence notice is kept beside it.

  scripts/make-postal-register.py [VERSION]    (default 3.3.0)
"""
import json
import os
import subprocess
import sys
import tarfile
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "src", "contacts", "data")


def main():
    version = sys.argv[1] if len(sys.argv) > 1 else "3.3.0"
    with tempfile.TemporaryDirectory() as tmp:
        subprocess.run(["npm", "pack", "--silent", "norway-postal-codes@" + version], cwd=tmp, check=True,
                       stdout=subprocess.DEVNULL)
        tgz = [f for f in os.listdir(tmp) if f.endswith(".tgz")][0]
        with tarfile.open(os.path.join(tmp, tgz)) as t:
            t.extractall(tmp, filter="data") if hasattr(tarfile, "data_filter") else t.extractall(tmp)
        pkg = os.path.join(tmp, "package")
        meta = json.load(open(os.path.join(pkg, "package.json"), encoding="utf-8"))
        if meta.get("license") != "MIT":
            sys.exit("unexpected licence: %r" % meta.get("license"))
        js = open(os.path.join(pkg, "converted", "postal-codes-simple.js"), encoding="utf-8").read().strip()
        prefix = "module.exports="
        if not js.startswith(prefix):
            sys.exit("unexpected data layout")
        codes = json.loads(js[len(prefix):].rstrip(";"))
        licence = open(os.path.join(pkg, "license"), encoding="utf-8").read()
    lines = []
    for code in sorted(codes):
        place = codes[code].strip()
        if len(code) != 4 or not code.isdigit() or not place or "\t" in place:
            sys.exit("unexpected entry %r: %r" % (code, place))
        lines.append("%s\t%s\t\t\t" % (code, place))
    os.makedirs(OUT, exist_ok=True)
    with open(os.path.join(OUT, "tilbud5.txt"), "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("cp1252"))
    with open(os.path.join(OUT, "tilbud5-LICENSE.txt"), "w", encoding="utf-8") as f:
        f.write("The first postal-code register shipped with Kvarnel (tilbud5.txt in this folder)\n"
                "is made by scripts/make-postal-register.py from the postal code -> place table of\n"
                "the npm package norway-postal-codes %s (https://www.npmjs.com/package/norway-postal-codes),\n"
                "which is published under the following licence.\n\n" % version)
        f.write(licence)
    print("%d codes written" % len(lines))


if __name__ == "__main__":
    main()
