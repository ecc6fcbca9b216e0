#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the month workbook of rekkocal xlsx back with an independent reader (Debian's python3-openpyxl): a month
# starting on Sunday in six weeks with the neighbouring months' days light and smaller, five lanes of a day with seven lines, a single line in the
# bottom lane, holiday colours, contents and formatting off, the title forms, the creation date in the Japanese era,
# bytes code page 932 cannot name, and the template left as it was.
# Usage: xlsx-readback.py REKKOCAL TEMPLATE
import datetime
import pathlib
import shutil
import subprocess
import sys
import tempfile

import openpyxl

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def month_file(folder, year, month, lines):
    text = "\r\n".join([f" 0,0,9,{year}/{month:2d}"] + lines) + "\r\n"
    (folder / f"Ca{year:04d}{month:02d}.myc").write_bytes(text.encode("cp932", errors="surrogateescape"))


def day_line(day, text):
    return f"{day:2d},1,,{text},,,,,,"


def workbook(folder, year, month):
    done = subprocess.run(["./rekkocal", "xlsx", str(year), str(month), "out.xlsx"], cwd=folder,
                          capture_output=True, check=True)
    return openpyxl.load_workbook(folder / "out.xlsx").worksheets[0], done.stderr.decode()


def origin(cell):
    return 8 * (cell // 7 + 1) + 7, 5 * (cell % 7) + 4


def colour(sheet, row, column):
    font_colour = sheet.cell(row, column).font.color
    return font_colour.rgb if font_colour is not None and font_colour.type == "rgb" else None


def size(sheet, row, column):
    return sheet.cell(row, column).font.sz


def era_date(day):
    return f"令和{day.year - 2018}年{day.month}月{day.day}日作成"


def main():
    rekkocal, template = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    template_bytes = template.read_bytes()
    with tempfile.TemporaryDirectory() as name:
        folder = pathlib.Path(name)
        shutil.copy(rekkocal, folder / "rekkocal")
        shutil.copy(template, folder / "Sorxl.xlsx")
        # November 2026 starts on a Sunday; day 3 is 文化の日.
        seven = [day_line(4, text) for text in "abcdefg"]
        month_file(folder, 2026, 11, seven + [day_line(5, "single"), day_line(12, "bad\udc85@x")])

        sheet, errors = workbook(folder, 2026, 11)
        check(sheet.title == "2026年11月", f"sheet name {sheet.title}")
        check(sheet["P9"].value == "2026 年 11 月予定表", f"title {sheet['P9'].value}")
        today = datetime.date.today()
        check(sheet["AK10"].value in (era_date(today), era_date(today - datetime.timedelta(days=1))),
              f"creation date {sheet['AK10'].value}")
        # The grid starts a week before a 1st on Sunday, so the month spans weeks 2 to 6.
        r, c = origin(0)
        check((sheet.cell(r, c).value, colour(sheet, r, c), size(sheet, r, c)) == (25, "FFE6D8AD", 10),
              "the first week's Sunday, October 25th")
        r, c = origin(7)
        check((sheet.cell(r, c).value, colour(sheet, r, c), size(sheet, r, c)) == (1, "FFFF0000", 12),
              "Sunday the 1st")
        r, c = origin(13)
        check((sheet.cell(r, c).value, colour(sheet, r, c)) == (7, "FF00CCFF"), "Saturday the 7th")
        r, c = origin(37)
        check((r, sheet.cell(r, c).value, colour(sheet, r, c), size(sheet, r, c)) == (55, 1, "FFC0C0C0", 10),
              "December 1st in the sixth week")
        r, c = origin(41)
        check((sheet.cell(r, c).value, colour(sheet, r, c)) == (5, "FFC1B6FF"), "the sixth week's Saturday")
        r, c = origin(9)
        check((colour(sheet, r, c), sheet.cell(r, c + 1).value, colour(sheet, r, c + 1)) ==
              ("FFFF0000", "文化の日", "FFFF0000"), "the holiday of the 3rd")
        r, c = origin(10)
        lanes = [sheet.cell(r + k, c).value for k in range(1, 8)]
        check(lanes == ["a", "b", "c", "d", "e", None, None], f"seven lines in five lanes: {lanes}")
        texts = {cell.value for row in sheet.iter_rows() for cell in row}
        check("f" not in texts and "g" not in texts, "lines beyond the lanes written")
        r, c = origin(11)
        lanes = [sheet.cell(r + k, c).value for k in range(1, 6)]
        check(lanes == [None, None, None, None, "single"], f"a single line in the bottom lane: {lanes}")
        r, c = origin(18)
        check(sheet.cell(r + 5, c).value == "bad\ufffd@x", f"bytes of no character: {sheet.cell(r + 5, c).value!r}")
        check("1 characters" in errors, f"replacements not counted: {errors!r}")

        # Contents and formatting off, the title form of a settings file without its key.
        (folder / "Sorel.ini").write_bytes(b"[Setup]\r\ncbExNaiyou=0\r\ncbExShoshiki=0\r\n")
        sheet, errors = workbook(folder, 2026, 11)
        check(sheet["P9"].value == "2026 年 11 月", f"title form 0: {sheet['P9'].value}")
        r, c = origin(7)
        check((sheet.cell(r, c).value, colour(sheet, r, c)) == (1, None), "Sunday coloured without formatting")
        r, c = origin(9)
        check((sheet.cell(r, c).value, colour(sheet, r, c), sheet.cell(r, c + 1).value) == (3, "FFFF0000", "文化の日"),
              "the holiday without formatting")
        lines = [sheet.cell(origin(cell)[0] + k, origin(cell)[1]).value for cell in range(42) for k in range(1, 6)]
        check(lines == [None] * len(lines), "day lines written with contents off")
        r, c = origin(0)
        check(colour(sheet, r, c) == "FFE6D8AD", "neighbouring days not formatted")
        (folder / "Sorel.ini").unlink()

        sheet, errors = workbook(folder, 2003, 12)
        check(sheet["P9"].value == "2003 年 12 月予定表", f"title form 1: {sheet['P9'].value}")
        check(sheet.title == "2003年12月", f"sheet name {sheet.title}")
        check((folder / "Sorxl.xlsx").read_bytes() == template_bytes, "the template changed")
    for failure in failures:
        print("FAILED:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
