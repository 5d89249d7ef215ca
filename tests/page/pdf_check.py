#!/usr/bin/env python3
"""Reads a printed page back with poppler's tools and checks it against the day table.

  pdf_check.py year PDF TABLE           every day of the year, in order, with its short line
                                        and its 休/班 as the table has them
  pdf_check.py month PDF TABLE YEAR MONTH
                                        every day with its lunar day and its 休/班, and the
                                        terms with their minutes in the list
  pdf_check.py starts PDF TABLE COUNT  the names of the COUNT lunar months that begin in the
                                        year, each printed whole
  pdf_check.py page PDF WIDTH HEIGHT    size in points, every font embedded, and on the page
                                        rendered no text across a grid line or other text
Exits 1 with the failures listed.
"""
import os
import re
import subprocess
import sys

failures = []


def fail(message):
    failures.append(message)


def run(*args):
    return subprocess.run(args, check=True, capture_output=True).stdout


def table_days(path, prefix):
    with open(path, encoding="utf-8") as table:
        header = table.readline().rstrip("\n").split("\t")
        for line in table:
            row = dict(zip(header, line.rstrip("\n").split("\t")))
            if row["date"].startswith(prefix):
                yield row


def first_name(text):
    return next((n for n in text.split(" ") if n), "")


MONTH_NAMES = "正月 二月 三月 四月 五月 六月 七月 八月 九月 十月 冬月 腊月".split()


def month_name(row):
    return ("闰" if row["leap"] == "1" else "") + MONTH_NAMES[int(row["lunar_month"]) - 1]


def short_line(row):
    """What a year page prints under the day, and the lunar month's name beside it where
    that line hides the month's start: on a month's first day only 春节 and a solar term go
    before the name; on other days a lunar festival, a term, a Gregorian or week-based
    holiday, else the lunar day. A name may be cut with … where too long."""
    festival = first_name(row["l_holiday"])
    if row["lunar_day"] == "1":
        new_year = row["lunar_month"] == "1" and row["leap"] == "0" and festival
        if new_year:
            return festival, month_name(row)
        if row["solar_term"]:
            return row["solar_term"], month_name(row)
        return month_name(row), None
    for name in (festival, row["solar_term"], first_name(row["s_holiday"]), first_name(row["w_holiday"])):
        if name:
            return name, None
    return row["cday"], None


def fits(printed, whole):
    return printed == whole or (printed.endswith("…") and whole.startswith(printed[:-1]))


def day_tokens(text):
    """Per month: the lines after the weekday heading, as printed, until the next month."""
    months = {}
    current = None
    for line in text.splitlines():
        line = line.strip()
        if re.fullmatch(r"\d{1,2}月", line):
            current = months.setdefault(int(line[:-1]), [])
        elif current is not None and line and not line.startswith("日 一"):
            current.extend(line.split(" "))
    return months


def check_year(pdf, table):
    rows = list(table_days(table, ""))
    first = rows[0]["date"][:4]
    months = day_tokens(run("pdftotext", "-raw", pdf, "-").decode())
    for month in range(1, 13):
        tokens = months.get(month, [])
        for row in (r for r in rows if r["date"][:7] == f"{first}-{month:02d}"):
            day = str(int(row["date"][8:]))
            if not tokens or tokens[0] != day:
                fail(f"{row['date']}: expected the number {day}, found {tokens[:3]}")
                return
            tokens.pop(0)
            if row["rest_work"]:
                if not tokens or tokens[0] != row["rest_work"]:
                    fail(f"{row['date']}: expected {row['rest_work']}, found {tokens[:2]}")
                    return
                tokens.pop(0)
            line, beside = short_line(row)
            if not tokens or not fits(tokens[0], line):
                fail(f"{row['date']}: expected {line}, found {tokens[:2]}")
                return
            tokens.pop(0)
            if beside is not None:
                if not tokens or tokens[0] != beside:
                    fail(f"{row['date']}: expected the month's name {beside} beside {line}, found {tokens[:2]}")
                    return
                tokens.pop(0)


def check_month_starts(pdf, table, count):
    """Every lunar month that begins in the year is named whole on the year page."""
    text = run("pdftotext", "-raw", pdf, "-").decode()
    printed = set(text.split())
    starts = [month_name(r) for r in table_days(table, "") if r["lunar_day"] == "1"]
    if len(starts) != count:
        fail(f"expected {count} lunar months to begin, the table has {len(starts)}")
    for name in starts:
        if name not in printed:
            fail(f"the month {name} is not named")


def check_month(pdf, table, year, month):
    text = run("pdftotext", "-raw", pdf, "-").decode()
    rows = list(table_days(table, f"{year}-{month:02d}"))
    tokens = text.split()
    position = 0
    for row in rows:
        # The number, its lunar day and its mark in that order.
        wanted = [str(int(row["date"][8:])), row["cday"]] + ([row["rest_work"]] if row["rest_work"] else [])
        for word in wanted:
            try:
                position = tokens.index(word, position) + 1
            except ValueError:
                fail(f"{row['date']}: {word} not found in order")
                return
        if row["solar_term"]:
            entry = f"{int(row['date'][8:])}日 {row['solar_term']} {row['solar_term_time'][:5]}"
            if entry not in text:
                fail(f"the list lacks '{entry}'")
    marks = sum(1 for row in rows if row["rest_work"])
    if text.count("休") + text.count("班") - text.count("调休") - text.count("上班") < marks:
        fail(f"fewer than {marks} marks 休/班")


def ppm(path):
    with open(path, "rb") as image:
        data = image.read()
    parts = data.split(maxsplit=4)
    width, height = int(parts[1]), int(parts[2])
    return width, height, parts[4][-width * height * 3:]


def check_page(pdf, width, height):
    info = run("pdfinfo", pdf).decode()
    size = re.search(r"Page size:\s+([\d.]+) x ([\d.]+) pts", info)
    if not size or abs(float(size[1]) - width) > 0.5 or abs(float(size[2]) - height) > 0.5:
        fail(f"page size {size and size.group(0)}, expected {width} x {height}")
    fonts = run("pdffonts", pdf).decode().splitlines()[2:]
    if not fonts:
        fail("no fonts")
    for font in fonts:
        # name type encoding emb sub uni: the columns from the right, as names hold spaces
        if font.split()[-5] != "yes":
            fail(f"font not embedded: {font}")
    # Subsets: a whole Chinese face is megabytes. (Qt embeds subsets without marking their
    # names, so pdffonts' own column cannot tell.)
    if os.path.getsize(pdf) > 1_000_000:
        fail(f"{os.path.getsize(pdf)} bytes: the faces are not subset")

    dpi = 100
    scale = dpi / 72
    run("pdftoppm", "-r", str(dpi), "-singlefile", pdf, os.path.splitext(pdf)[0] + "-page")
    w, h, pixels = ppm(os.path.splitext(pdf)[0] + "-page.ppm")

    def bluish(x, y):
        r, g, b = pixels[(y * w + x) * 3:(y * w + x) * 3 + 3]
        return r < 245 and b - r >= 10 and b - g >= 6

    def runs(kind, across, along, is_line, shortest):
        # Runs of the lines' colour along each row ("h") or column ("v"), `shortest` or longer.
        found = []
        for a in range(across):
            start = None
            for b in range(along + 1):
                if b < along and is_line(a, b):
                    start = b if start is None else start
                elif start is not None:
                    if b - start >= shortest:
                        found.append((kind, a, start, b))
                    start = None
        return found

    # The grid's lines: 60 pixels or longer across, 30 or longer down.
    lines = runs("h", h, w, lambda y, x: bluish(x, y), 60) + runs("v", w, h, lambda x, y: bluish(x, y), 30)
    if not lines:
        fail("no grid lines found on the rendered page")

    html = run("pdftotext", "-bbox", pdf, "-").decode()
    words = [(float(a) * scale, float(b) * scale, float(c) * scale, float(d) * scale, text)
             for a, b, c, d, text in re.findall(
                 r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>', html)]
    for x0, y0, x1, y1, text in words:
        for kind, at, start, end in lines:
            if kind == "h" and y0 + 1 < at < y1 - 1 and x0 < end and start < x1:
                fail(f"'{text}' crosses a grid line at y = {at}")
            if kind == "v" and x0 + 1 < at < x1 - 1 and y0 < end and start < y1:
                fail(f"'{text}' crosses a grid line at x = {at}")
    for i, (ax0, ay0, ax1, ay1, a) in enumerate(words):
        for bx0, by0, bx1, by1, b in words[i + 1:]:
            if min(ax1, bx1) - max(ax0, bx0) > 1 and min(ay1, by1) - max(ay0, by0) > 1:
                fail(f"'{a}' and '{b}' overlap")


def main():
    command = sys.argv[1]
    if command == "year":
        check_year(sys.argv[2], sys.argv[3])
    elif command == "month":
        check_month(sys.argv[2], sys.argv[3], int(sys.argv[4]), int(sys.argv[5]))
    elif command == "starts":
        check_month_starts(sys.argv[2], sys.argv[3], int(sys.argv[4]))
    elif command == "page":
        check_page(sys.argv[2], float(sys.argv[3]), float(sys.argv[4]))
    for message in failures[:20]:
        print("FAIL:", message)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
