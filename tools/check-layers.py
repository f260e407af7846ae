#!/usr/bin/env python3
"""Fails when a file includes a header of a higher layer than its own.

Layers, lowest first: expr -> geometry -> view -> dialogs -> shell. A file's path says its
layer: expr/ is the engine, a gui/ folder holds dialogs, services/ is in the view layer,
shell/ is the shell, and the subject folders (surfaces/, sections/, solids/, files/) hold
pure builders. view/ holds both the pure DrawList and frame and the GL sheet: there a source
file's layer is the target the CMake file lists put it in. A CMake list that puts a file in
another layer than its path says is a fault too. A header takes the layer of the source
file of the same name, and a header without one the highest layer of what it includes, and
at least the lowest layer of its folder's sources. The two layers below the Qt ones include
neither Qt nor GL.

usage: check-layers.py SRC_DIR
"""
import pathlib
import re
import sys

LAYERS = ["expr", "geometry", "view", "dialogs", "shell"]
LISTS = {"GEOMETRY": "geometry", "VIEW": "view", "DIALOG": "dialogs", "SHELL": "shell"}
TARGETS = {"quadrel_expr": "expr", "quadrel_cursorfile": "view", "quadrel_view": "view",
           "quadrel_shell": "shell", "quadrel": "shell"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]', re.M)
NO_QT = re.compile(r"^(Q|GL/|qt|Qt)")


def listed_sources(src):
    """{path relative to src: layer} from every CMake file under src."""
    layers = {}
    for cmake in sorted(src.rglob("*.cmake")) + sorted(src.rglob("CMakeLists.txt")):
        base = cmake.parent.relative_to(src)
        text = re.sub(r"#.*", "", cmake.read_text())
        for kind, body in re.findall(r"list\(APPEND QUADREL_(\w+)_SOURCES([^)]*)\)", text):
            for f in body.split():
                layers[f] = LISTS[kind]
        for target, body in re.findall(r"add_(?:library|executable)\((\w+)([^)]*)\)", text):
            if target not in TARGETS:
                continue
            for f in body.split():
                if f.endswith(".cpp"):
                    path = f if "/" in f else str(base / f)
                    layers[path] = TARGETS[target]
    return layers


def path_layer(rel):
    """The layer a path names, or None where the folder holds two layers (view/)."""
    parts = rel.split("/")
    if parts[0] == "expr":
        return "expr"
    if "gui" in parts[:-1]:
        return "dialogs"
    if parts[0] == "shell":
        return "shell"
    if parts[0] == "services":
        return "view"
    if parts[0] in ("surfaces", "sections", "solids", "files"):
        return "geometry"
    return None


def resolve(src, includer, name):
    for candidate in (src / name, src / "expr" / name, includer.parent / name):
        if candidate.is_file():
            return candidate.resolve().relative_to(src.resolve()).as_posix()
    return None


def main(src):
    src = pathlib.Path(src)
    sources = listed_sources(src)
    files = {p.relative_to(src).as_posix(): p for p in src.rglob("*") if p.suffix in (".h", ".cpp")}
    includes = {}
    system = {}
    for rel, path in files.items():
        found = INCLUDE.findall(path.read_text(errors="replace"))
        includes[rel] = [r for q, n in found if q == '"' and (r := resolve(src, path, n))]
        system[rel] = [n for q, n in found if q == "<"]

    faults = [f"{rel} listed in {l}, its path says {path_layer(rel)}"
              for rel, l in sorted(sources.items())
              if path_layer(rel) and path_layer(rel) != l and rel in files]
    layer = {rel: LAYERS.index(path_layer(rel)) for rel in files if path_layer(rel)}

    def layer_of(rel, seen=()):
        if rel in layer:
            return layer[rel]
        if rel in sources:
            layer[rel] = LAYERS.index(sources[rel])
        elif rel.endswith(".h") and rel[:-2] + ".cpp" in sources:
            layer[rel] = LAYERS.index(sources[rel[:-2] + ".cpp"])
        else:  # header only: as low as what it includes allows
            below = [layer_of(i, seen + (rel,)) for i in includes[rel] if i not in seen]
            if any(NO_QT.match(n) for n in system[rel]):
                below.append(LAYERS.index("view"))
            folder = [LAYERS.index(l) for f, l in sources.items()
                      if f.rsplit("/", 1)[0] == rel.rsplit("/", 1)[0]]
            below.append(min(folder, default=0))
            layer[rel] = max(below, default=0)
        return layer[rel]

    for rel in sorted(files):
        if rel.endswith(".cpp") and rel not in sources:
            continue  # not built into the program (fuzz or tool entry points)
        mine = layer_of(rel)
        for inc in includes[rel]:
            if layer_of(inc) > mine:
                faults.append(f"{rel} ({LAYERS[mine]}) includes {inc} ({LAYERS[layer_of(inc)]})")
        if mine <= LAYERS.index("geometry"):
            faults += [f"{rel} ({LAYERS[mine]}) includes <{n}>" for n in system[rel] if NO_QT.match(n)]
    if "-v" in sys.argv:
        for rel in sorted(files):
            print(f"{LAYERS[layer_of(rel)]:9} {rel}")
    for f in faults:
        print(f)
    print(f"{len(files)} files, {len(faults)} faults against the layer order")
    return 1 if faults else 0


if __name__ == "__main__":
    args = [a for a in sys.argv[1:] if a != "-v"]
    sys.exit(main(args[0] if args else "src"))
