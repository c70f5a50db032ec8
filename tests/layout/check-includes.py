#!/usr/bin/env python3
"""Checks the include structure of src/: every include of ours runs to the
same layer or one below it, and no two file pairs (Foo.h with Foo.cpp)
include each other, directly or through others. Prints each fault and exits
1 when there is one."""
import re
import sys
from pathlib import Path

# What each layer may include besides itself.
BELOW = {
    "platform": set(),
    "store": {"platform"},
    "services": {"platform"},
    "toolkit": {"platform"},
    "export": {"store", "services", "toolkit", "platform"},
    "window": {"export", "store", "services", "toolkit", "platform"},
    "about": {"services", "toolkit", "platform"},
    "app": {"window", "about", "export", "store", "services", "toolkit", "platform"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def main(src: Path) -> int:
    faults = []
    edges = {}
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        layer = path.relative_to(src).parts[0]
        node = str(path.relative_to(src).with_suffix(""))
        for name in INCLUDE.findall(path.read_text(encoding="utf-8")):
            target = src / name if "/" in name else path.parent / name
            if not target.exists():
                continue  # generated (ui_*.h) or not ours
            other = target.relative_to(src).parts[0]
            if other != layer and other not in BELOW[layer]:
                faults.append(f"{path.relative_to(src)}: {layer} includes {name} of {other}")
            to = str(target.relative_to(src).with_suffix(""))
            if to != node:
                edges.setdefault(node, set()).add(to)

    # A circle is a strongly connected set of more than one file pair.
    index, low, stack, on_stack, counter = {}, {}, [], set(), [0]

    def visit(node):
        index[node] = low[node] = counter[0]
        counter[0] += 1
        stack.append(node)
        on_stack.add(node)
        for to in edges.get(node, ()):
            if to not in index:
                visit(to)
                low[node] = min(low[node], low[to])
            elif to in on_stack:
                low[node] = min(low[node], index[to])
        if low[node] == index[node]:
            members = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                members.append(member)
                if member == node:
                    break
            if len(members) > 1:
                faults.append("include circle: " + " -> ".join(sorted(members)))

    sys.setrecursionlimit(10000)
    for node in sorted(edges):
        if node not in index:
            visit(node)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(Path(sys.argv[1] if len(sys.argv) > 1 else "src")))
