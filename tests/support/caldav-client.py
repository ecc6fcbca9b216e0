#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# A second client of the test's calendar server, writing with python3-caldav the way phones do.
# Usage: caldav-client.py URL USER PASSWORD COMMAND ARGS…
#   mkcalendar SLUG NAME   makes a calendar for events under the user's home and prints its path
#   save CALENDAR          saves the iCalendar text read from stdin as an event and prints its path
#   delete EVENT           deletes the event at the path
#   list CALENDAR          prints every event's iCalendar text, each followed by a NUL byte
import sys
from urllib.parse import urlparse

import caldav

url, user, password, command, *args = sys.argv[1:]
# The server's certificate is the test's own, self-signed.
client = caldav.DAVClient(url, username=user, password=password, ssl_verify_cert=False)


def calendar(path):
    return client.calendar(url=client.url.join(path))


if command == "mkcalendar":
    made = client.principal().make_calendar(name=args[1], cal_id=args[0], supported_calendar_component_set=["VEVENT"])
    print(urlparse(str(made.url)).path)
elif command == "save":
    event = calendar(args[0]).save_event(sys.stdin.read())
    print(urlparse(str(event.url)).path)
elif command == "delete":
    client.delete(client.url.join(args[0]))
elif command == "list":
    for event in calendar(args[0]).events():
        sys.stdout.write(event.data + "\0")
else:
    sys.exit("unknown command " + command)
