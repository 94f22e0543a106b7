"""Reads an iCalendar file with python3-icalendar and prints its events as JSON Lines.

Exits non-zero when the file does not parse or the parser noted errors.
"""
import json
import sys

import icalendar

with open(sys.argv[1], "rb") as f:
    calendar = icalendar.Calendar.from_ical(f.read())
errors = [e for c in calendar.walk() for e in getattr(c, "errors", [])]
if errors:
    sys.exit("parse errors: %r" % errors)
for event in calendar.walk("VEVENT"):
    alarms = event.walk("VALARM")
    print(json.dumps({
        "uid": str(event["UID"]),
        "summary": str(event["SUMMARY"]),
        "description": str(event["DESCRIPTION"]),
        "start": event.decoded("DTSTART").isoformat(),
        "end": event.decoded("DTEND").isoformat(),
        "alarm": alarms[0].decoded("TRIGGER").total_seconds() if alarms else None,
    }, ensure_ascii=False))
