#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads rekkocal's iCalendar export back with independent readers (Debian's python3-icalendar for the structure,
# python3-recurring-ical-events for the expanded dates): the sample's December 2026 (counts, dates, colours, text,
# the record of each line, a period across the month boundary), each anniversary form expanded over three years
# against dates computed here with datetime, escaping, bytes code page 932 cannot name, and the holidays.
# Usage: ics-readback.py REKKOCAL SAMPLE_FOLDER
import datetime
import pathlib
import shutil
import subprocess
import sys
import tempfile
import zoneinfo

import icalendar
import recurring_ical_events

TOKYO = zoneinfo.ZoneInfo("Asia/Tokyo")
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def export(rekkocal, folder, *args):
    done = subprocess.run([str(rekkocal), "ics", *args], cwd=folder, capture_output=True, check=True)
    return done.stdout, done.stderr.decode()


def events_of(calendar):
    return [component for component in calendar.walk("VEVENT")]


def days(start, end):
    day = start
    while day <= end:
        yield day
        day += datetime.timedelta(days=1)


def nth_weekday(day, weekday, n):
    """True when day is the n-th weekday (Monday 0) of its month."""
    return day.weekday() == weekday and (day.day - 1) // 7 == n - 1


def main(rekkocal, sample):
    with tempfile.TemporaryDirectory() as folder:
        folder = pathlib.Path(folder)
        for file in pathlib.Path(sample).iterdir():
            shutil.copy(file, folder)
        # A copy of its own, so that no settings beside the built one name another data folder.
        rekkocal = shutil.copy(rekkocal, folder / "program")
        december(rekkocal, folder)
        anniversaries(rekkocal, folder)
        awkward_text(rekkocal, folder)
    for failure in failures:
        print("FAILED:", failure, file=sys.stderr)
    return 1 if failures else 0


def december(rekkocal, folder):
    data, _ = export(rekkocal, folder, "2026-12-01", "2026-12-31")
    calendar = icalendar.Calendar.from_ical(data)
    events = events_of(calendar)
    lines = [line for line in (folder / "Ca202612.myc").read_bytes().decode("cp932").split("\r\n")[1:] if line]
    periods = [event for event in events if str(event["UID"]).startswith("period-")]
    singles = [event for event in events if "RRULE" not in event and event not in periods]
    check(len(singles) == len(lines), f"{len(singles)} day events for {len(lines)} lines")
    check(len(periods) == 3, f"{len(periods)} periods")
    by_record = {str(event["X-REKKO-RECORD"]): event for event in singles}
    check(set(by_record) == set(lines), f"records {sorted(by_record)} differ from the lines {lines}")
    meeting = by_record.get(" 8,1,,会議 1，000部印刷,,,,,,")
    check(meeting is not None and str(meeting["SUMMARY"]) == "会議 1,000部印刷", "the digit comma of 8 December")
    dentist = by_record.get(" 3,1,,歯医者 10:30,clRed,,,,,")
    check(dentist is not None and dentist["DTSTART"].dt == datetime.date(2026, 12, 3)
          and dentist["DTEND"].dt == datetime.date(2026, 12, 4) and str(dentist["COLOR"]) == "red",
          "the all-day event of 3 December")
    check(len({str(event["UID"]) for event in events}) == len(events), "UIDs are not unique")
    holiday = [event for event in periods if str(event["SUMMARY"]) == "年末年始休暇"]
    check(len(holiday) == 1, "the period 年末年始休暇")
    if holiday:
        start, end = holiday[0]["DTSTART"].dt, holiday[0]["DTEND"].dt
        check(start == datetime.datetime(2026, 12, 28, 9, tzinfo=TOKYO) and
              end == datetime.datetime(2027, 1, 3, 18, tzinfo=TOKYO), f"the period spans {start}..{end}")
    # The same period is in January's export too, and in the reader's expansion of that month.
    january, _ = export(rekkocal, folder, "2027-01-01", "2027-01-31")
    found = recurring_ical_events.of(icalendar.Calendar.from_ical(january)).between((2027, 1, 1), (2027, 2, 1))
    check(any(str(event["SUMMARY"]) == "年末年始休暇" for event in found), "the period in January")
    # The reader expands the month to one occurrence per line and the anniversaries of the month.
    expanded = recurring_ical_events.of(calendar).between((2026, 12, 1), (2027, 1, 1))
    names = sorted(str(event["SUMMARY"]) for event in expanded if str(event["UID"]).startswith("sday-"))
    check(names == ["創立記念日", "結婚記念日"], f"anniversaries of December: {names}")


FORMS = {
    # name: (special-day line, the rule as a test of a date)
    "ホワイトデー": (",,3,14,,,ホワイトデー", lambda d: (d.month, d.day) == (3, 14)),
    "母の日": (",,5,,1,2,母の日", lambda d: d.month == 5 and nth_weekday(d, 6, 2)),
    "給料日": (",,,25,,,給料日", lambda d: d.day == 25),
    "定例会": (",,,,4,3,定例会", lambda d: nth_weekday(d, 2, 3)),
    "週報": (",,,,2,,週報", lambda d: d.weekday() == 0),
    "十三日の金曜日": (",,,13,6,,十三日の金曜日", lambda d: d.day == 13 and d.weekday() == 4),
    "限定": ("2026,2027,8,1,,,限定", lambda d: (d.month, d.day) == (8, 1) and d.year <= 2027),
    "折返し": ("2028,2026,9,1,,,折返し", lambda d: (d.month, d.day) == (9, 1) and d.year != 2027),
    "海の日の前": ("7,3,2,海の日の前", lambda d: d.month == 7 and nth_weekday(d, 0, 3)),
}


def anniversaries(rekkocal, folder):
    lines = "".join(line + "\r\n" for line, _ in FORMS.values())
    (folder / "Sday.myc").write_bytes(lines.encode("cp932"))
    data, _ = export(rekkocal, folder, "2026-01-01", "2028-12-31")
    expanded = recurring_ical_events.of(icalendar.Calendar.from_ical(data)).between((2026, 1, 1), (2029, 1, 1))
    for name, (_, holds) in FORMS.items():
        got = sorted(event["DTSTART"].dt for event in expanded if str(event["SUMMARY"]) == name)
        expected = [day for day in days(datetime.date(2026, 1, 1), datetime.date(2028, 12, 31)) if holds(day)]
        check(got == expected, f"{name}: {len(got)} dates {got[:4]}… for {len(expected)} {expected[:4]}…")


def awkward_text(rekkocal, folder):
    # Every character the escaping names (a newline cannot stand in a line), and bytes code page 932 cannot name.
    text = "a;b\\c1，2d，".encode("cp932") + b"x\xff\xfd"
    (folder / "Ca202612.myc").write_bytes(b" 0,0,9,2026/12\r\n 9,1,," + text + b",clLime,,,,,\r\nzz,1,,bad\r\n")
    data, errors = export(rekkocal, folder, "2026-12-09", "2026-12-09", "--holidays")
    calendars = icalendar.Calendar.from_ical(data, multiple=True)
    check(len(calendars) == 2, f"{len(calendars)} calendars with --holidays")
    line = events_of(calendars[0])[0]
    check(str(line["SUMMARY"]) == "a;b\\c1,2d，x\ufffd\ufffd", f"the text read back: {str(line['SUMMARY'])!r}")
    check(str(line["COLOR"]) == "lime", "the colour lime")
    check("1 malformed lines skipped" in errors, f"the message of the malformed line: {errors!r}")
    check(all(len(raw) <= 75 for raw in data.split(b"\r\n")), "a line longer than 75 octets")
    holidays, _ = export(rekkocal, folder, "2027-01-01", "2027-01-31", "--holidays")
    second = icalendar.Calendar.from_ical(holidays, multiple=True)[1]
    names = [(event["DTSTART"].dt, str(event["SUMMARY"])) for event in events_of(second)]
    check(names == [(datetime.date(2027, 1, 1), "元旦"), (datetime.date(2027, 1, 11), "成人の日")],
          f"the holidays of January 2027: {names}")


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
