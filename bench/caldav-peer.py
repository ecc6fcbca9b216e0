#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The peer of the sync benchmark: python3-caldav puts the events of a folder of .ics files one by one into a
# calendar, as another CalDAV client would, and prints the seconds it took.
#   caldav-peer.py CALENDAR_URL USER PASSWORD FOLDER
import pathlib
import sys
import time

import caldav


def main():
    if len(sys.argv) != 5:
        print(__doc__ or "usage: caldav-peer.py CALENDAR_URL USER PASSWORD FOLDER", file=sys.stderr)
        return 2
    url, user, password, folder = sys.argv[1:]
    client = caldav.DAVClient(url, username=user, password=password)
    calendar = client.calendar(url=url)
    files = sorted(pathlib.Path(folder).glob("*.ics"))
    start = time.monotonic()
    for file in files:
        calendar.save_event(file.read_text(encoding="utf-8"))
    print(f"{len(files)} {time.monotonic() - start:.3f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
