#!/usr/bin/env python3
"""Reproducible folder trees for the speed measurements.

  make_tree.py tree ROOT            the big tree at ROOT/tree, described in ROOT/tree.json;
                                    kept when it was made with the same parameters
  make_tree.py copy ROOT N DEST     a fresh DEST holding the first N selected files of the
                                    big tree, at the same relative paths (for the delete runs)
  make_tree.py paths ROOT FILE      the selected files as Windows paths in code page 932,
                                    one a line (for the memory run)

Files are empty. Names are UTF-8 on the Linux side; every Japanese character
exists in code page 932, and several end in the byte 0x5C there (表, ソ, 能).
"""
import hashlib
import json
import os
import random
import shutil
import sys

PARAMS = {
    "version": 1,
    "seed": 20240611,
    "files": 100_000,
    "folders": 10_000,
    "max_depth": 8,
    "patterns": [".tmp", ".b?k", ".t*"],
}

ASCII_FOLDERS = ["src", "data", "Backup", "old.tmp", "logs", "Photos", "node.bak", "build",
                 "Cache", "doc", "My Files", "archive", "tmp", "work"]
JAPANESE_FOLDERS = ["資料", "表計算", "ソース", "能力", "写真", "デスクトップ", "予定表", "会議"]
ASCII_STEMS = ["report", "Image", "notes", "setup", "data", "README", "index", "Thumbs",
               "archive.tar", "draft.tmp", "x", "main", "Budget 2019"]
JAPANESE_STEMS = ["報告書", "表", "ソフト", "能率", "写真", "議事録", "見積書", "ダメ文字"]
SELECTED_EXTS = [".tmp", ".TMP", ".Tmp", ".bak", ".BAK", ".b~k", ".b1k", ".txt", ".TXT", ".t",
                 ".tar", ".ts", ".Tiff"]
OTHER_EXTS = [".c", ".h", ".cpp", ".jpg", ".JPG", ".png", ".PNG", ".doc", ".Doc", ".pdf", ".xls",
              ".zip", ".log", ".LOG", ".dat", ".html", ".csv", ".ini", ".exe", ".dll", ".mp3",
              ".md", ".json", ".xml", ".py", ".bin", ".bk", ".baak", ".gz", ".bakx", ""]
SELECTED_SHARE = 0.10
JAPANESE_SHARE = 0.15
WINDOWS_ROOT_ROOM = 40  # bytes kept free for the drive and the tree's own folder


def sjis_len(text):
    return len(text.encode("cp932"))


def extension(name):
    dot = name.rfind(".")
    return name[dot:].lower() if dot >= 0 else ""


def selected(name):
    """The three patterns as the program applies them to a file name's extension."""
    e = extension(name)
    if e == ".tmp":
        return True
    if len(e) == 4 and e[:2] == ".b" and e[3] == "k":  # ".b?k"
        return True
    return e.startswith(".t")  # ".t*"


def plan():
    """Folders (relative paths, parents first) and files (relative paths), from the seed alone."""
    rng = random.Random(PARAMS["seed"])
    folders = [("", 0)]  # (relative path, depth); the root itself
    while len(folders) <= PARAMS["folders"]:
        parent, depth = folders[rng.randrange(len(folders))]
        if depth >= PARAMS["max_depth"]:
            continue
        words = JAPANESE_FOLDERS if rng.random() < JAPANESE_SHARE else ASCII_FOLDERS
        name = f"{rng.choice(words)}_{len(folders)}"
        path = f"{parent}/{name}" if parent else name
        if sjis_len(path) > 180:
            continue
        folders.append((path, depth + 1))
    files = []
    for index in range(PARAMS["files"]):
        parent, _ = folders[rng.randrange(len(folders))]
        words = JAPANESE_STEMS if rng.random() < JAPANESE_SHARE else ASCII_STEMS
        exts = SELECTED_EXTS if rng.random() < SELECTED_SHARE else OTHER_EXTS
        name = f"{rng.choice(words)}_{index}{rng.choice(exts)}"
        path = f"{parent}/{name}" if parent else name
        assert sjis_len(path) + WINDOWS_ROOT_ROOM < 260, path
        files.append(path)
    return [f for f, _ in folders[1:]], [d for _, d in folders[1:]], files


def generator_digest():
    # Any change of the vocabulary or the rules makes a new tree.
    with open(__file__, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()[:16]


def build_tree(root):
    tree = os.path.join(root, "tree")
    stamp = os.path.join(root, "tree.json")
    digest = generator_digest()
    try:
        with open(stamp, encoding="utf-8") as f:
            info = json.load(f)
        if info.get("params") == PARAMS and info.get("generator") == digest and os.path.isdir(tree):
            return info
    except (OSError, ValueError):
        pass
    if os.path.exists(stamp):
        os.remove(stamp)
    shutil.rmtree(tree, ignore_errors=True)
    folders, depths, files = plan()
    os.makedirs(tree)
    for folder in folders:
        os.mkdir(os.path.join(tree, folder))
    for path in files:
        with open(os.path.join(tree, path), "wb"):
            pass
    chosen = sorted(p for p in files if selected(os.path.basename(p)))
    with open(os.path.join(root, "tree.selected"), "w", encoding="utf-8") as f:
        f.write("".join(p + "\n" for p in chosen))
    japanese = sum(1 for p in folders + files if any(ord(c) > 0x7F for c in os.path.basename(p)))
    info = {
        "params": PARAMS,
        "generator": digest,
        "tree": tree,
        "files": len(files),
        "folders": len(folders),
        "selected": len(chosen),
        "japanese_names": japanese,
        "depths": {str(d): depths.count(d) for d in sorted(set(depths))},
    }
    with open(stamp, "w", encoding="utf-8") as f:
        json.dump(info, f, ensure_ascii=False, indent=1)
    return info


def selected_paths(root):
    with open(os.path.join(root, "tree.selected"), encoding="utf-8") as f:
        return [line.rstrip("\n") for line in f]


def make_copy(root, count, dest):
    paths = selected_paths(root)[:count]
    if len(paths) < count:
        sys.exit(f"only {len(paths)} selected files in the tree")
    shutil.rmtree(dest, ignore_errors=True)
    for path in paths:
        target = os.path.join(dest, path)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "wb"):
            pass
    return len(paths)


def windows_paths(root, out):
    prefix = "Z:" + os.path.join(os.path.abspath(root), "tree").replace("/", "\\") + "\\"
    with open(out, "wb") as f:
        for path in selected_paths(root):
            f.write((prefix + path.replace("/", "\\")).encode("cp932") + b"\n")


def main(argv):
    if len(argv) >= 2 and argv[0] == "tree":
        print(json.dumps(build_tree(argv[1]), ensure_ascii=False))
    elif len(argv) == 4 and argv[0] == "copy":
        build_tree(argv[1])
        print(make_copy(argv[1], int(argv[2]), argv[3]))
    elif len(argv) == 3 and argv[0] == "paths":
        build_tree(argv[1])
        windows_paths(argv[1], argv[2])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
