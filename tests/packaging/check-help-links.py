#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the help pages: each is well-formed enough to parse, every local link and style sheet names a file of the
# help (and an anchor that exists there), and every page can be reached from index.html.
import html.parser
import pathlib
import sys
import urllib.parse


class Page(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.links = []
        self.ids = set()

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if "id" in attrs:
            self.ids.add(attrs["id"])
        for name in ("href", "src"):
            if name in attrs:
                self.links.append(attrs[name])


def main(folder):
    folder = pathlib.Path(folder)
    pages = {}
    for path in sorted(folder.glob("*.html")):
        page = Page()
        page.feed(path.read_text(encoding="utf-8"))
        pages[path.name] = page
    problems = []
    reached, todo = set(), ["index.html"]
    while todo:
        name = todo.pop()
        if name in reached:
            continue
        reached.add(name)
        for link in pages[name].links:
            target = urllib.parse.urlsplit(link)
            if target.scheme or target.netloc:
                continue  # an address outside the help
            file = target.path or name
            if not (folder / file).is_file():
                problems.append(f"{name}: {link} names no file of the help")
                continue
            if file.endswith(".html"):
                if target.fragment and target.fragment not in pages[file].ids:
                    problems.append(f"{name}: {link} names no anchor of {file}")
                todo.append(file)
    problems += [f"{name} cannot be reached from index.html" for name in pages if name not in reached]
    for problem in problems:
        print(problem, file=sys.stderr)
    print(f"{len(pages)} pages, {sum(len(p.links) for p in pages.values())} links checked")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
