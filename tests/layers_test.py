#!/usr/bin/env python3
"""Fails on an include cycle between folders: folder A may include from B only
when nothing in B reaches back to A, directly or through other folders.

    layers_test.py [REPO [FOLDER...]]

Every file under the FOLDERS (default: ROOTS, below REPO, default this
repository) is read; a quoted #include counts when it names a file of the
repository, from its root or from the including file's folder. Each folder is
its own layer, subfolders included (host/ and host/base/ are two).
The renderer is checked too; a new top folder is added to ROOTS.
"""
import os
import re
import sys

ROOTS = ["common", "host", "renderer"]
SOURCES = (".h", ".hpp", ".c", ".cc", ".cpp", ".rc")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)


def includes(repo, folders):
    """Yields (file, included file), both relative to repo."""
    for top in folders:
        for folder, _, names in os.walk(os.path.join(repo, top)):
            for name in sorted(n for n in names if n.endswith(SOURCES)):
                path = os.path.join(folder, name)
                with open(path, encoding="utf-8", errors="replace") as f:
                    text = f.read()
                for target in INCLUDE.findall(text):
                    for base in (repo, folder):
                        found = os.path.normpath(os.path.join(base, target))
                        if os.path.isfile(found):
                            yield os.path.relpath(path, repo), os.path.relpath(found, repo)
                            break


def cycles(edges):
    """The groups of two or more folders that reach each other (Tarjan)."""
    index, low, stack, on_stack, groups = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for nxt in edges.get(node, ()):
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            group = set()
            while True:
                top = stack.pop()
                on_stack.discard(top)
                group.add(top)
                if top == node:
                    break
            if len(group) > 1:
                groups.append(group)

    for node in sorted(edges):
        if node not in index:
            visit(node)
    return groups


def main(argv):
    repo = os.path.abspath(argv[1] if len(argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))
    folders = argv[2:] or ROOTS
    edges, why = {}, {}
    for src, dst in includes(repo, folders):
        a, b = os.path.dirname(src), os.path.dirname(dst)
        if a != b:
            edges.setdefault(a, set()).add(b)
            why.setdefault((a, b), f"{src} includes {dst}")
    groups = cycles(edges)
    for group in groups:
        print("include cycle between " + ", ".join(sorted(group)) + ":")
        for (a, b), line in sorted(why.items()):
            if a in group and b in group:
                print("  " + line)
    print(f"{len(edges)} folders include from others; {len(groups)} cycles")
    return 1 if groups else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
