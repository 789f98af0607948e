#!/usr/bin/env python3
"""Compares the figures of two builds' zantoria-report outputs over the same deal files: the CSV
columns and the JSON members both write, cell by cell and number by number (new columns and
members are left aside). Prints how many differ, by column or member.

Usage: compare_outputs.py OLD.csv NEW.csv OLD.json NEW.json"""

import csv
import json
import sys
from collections import Counter


def compare_csv(old_path, new_path):
    with open(old_path, newline='') as old_file, open(new_path, newline='') as new_file:
        old_rows, new_rows = list(csv.reader(old_file)), list(csv.reader(new_file))
    old_head, new_head = old_rows[0], new_rows[0]
    common = [key for key in old_head if key in new_head]
    differ = Counter()
    for old, new in zip(old_rows[1:], new_rows[1:]):
        for key in common:
            if old[old_head.index(key)] != new[new_head.index(key)]:
                differ[key] += 1
    print(f"CSV: {len(old_rows) - 1} lines, {len(common)} columns in both, "
          f"{sum(differ.values())} cells differ {dict(differ) if differ else ''}")


def as_rows(columns):
    """Years written as a list per figure, as the list of years an earlier build wrote."""
    return [dict(zip(columns, values)) for values in zip(*columns.values())]


def walk(old, new, path, differ, counted):
    if path.endswith("years") and isinstance(old, list) and isinstance(new, dict):
        new = as_rows(new)
    if isinstance(old, dict) and isinstance(new, dict):
        for key in old:
            if key in new:
                walk(old[key], new[key], f"{path}.{key}" if path else key, differ, counted)
    elif isinstance(old, list) and isinstance(new, list):
        for a, b in zip(old, new):
            walk(a, b, path + "[]", differ, counted)
    else:
        counted[0] += 1
        if old != new:
            differ[path] += 1


def compare_json(old_path, new_path):
    with open(old_path) as old_file, open(new_path) as new_file:
        old, new = json.load(old_file), json.load(new_file)
    differ, counted = Counter(), [0]
    walk(old, new, "", differ, counted)
    print(f"JSON: {len(old['deals'])} deals, {counted[0]} values in both, "
          f"{sum(differ.values())} differ {dict(differ) if differ else ''}")


if __name__ == "__main__":
    compare_csv(sys.argv[1], sys.argv[2])
    compare_json(sys.argv[3], sys.argv[4])
