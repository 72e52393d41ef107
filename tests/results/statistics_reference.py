#!/usr/bin/env python3
"""An independent computation of the item statistics, for the tests to check
the library's figures against: Python's own statistics module over a score
matrix read from standard input as JSON ({"scores": [[0, 1, ...], ...]}, one
row per taker, one column per question). Prints one figure a line, "name
value", with "null" where a figure is undefined: test.mean, ...,
question.3.facility, ..."""

import json
import math
import statistics
import sys


def defined(function, *arguments):
    try:
        value = function(*arguments)
    except (statistics.StatisticsError, ZeroDivisionError, ValueError):
        return None
    return None if value is None or math.isnan(value) else value


def main():
    scores = json.load(sys.stdin)["scores"]
    k = len(scores[0]) if scores else 0
    totals = [sum(row) for row in scores]
    percents = [100.0 * total / k for total in totals] if k else []
    columns = [[row[i] for row in scores] for i in range(k)]

    variance = defined(statistics.variance, totals)
    alpha = None
    if k > 1 and variance:
        alpha = k / (k - 1) * (1 - sum(statistics.variance(c) for c in columns) / variance)
    test = {
        "attempts": len(scores),
        "mean": defined(statistics.mean, percents),
        "median": defined(statistics.median, percents),
        "standard_deviation": defined(statistics.stdev, percents),
        "lowest": min(percents) if percents else None,
        "highest": max(percents) if percents else None,
        "cronbach_alpha": alpha,
        "standard_error": math.sqrt(variance) * math.sqrt(1 - alpha) if alpha is not None else None,
    }
    questions = []
    for i, column in enumerate(columns):
        rest = [total - own for total, own in zip(totals, column)]
        questions.append({
            "facility": defined(statistics.mean, column),
            "standard_deviation": defined(statistics.stdev, column),
            "discrimination": defined(statistics.correlation, column, rest),
        })
    lines = ["test.%s %s" % (name, value) for name, value in test.items()]
    for i, figures in enumerate(questions):
        lines += ["question.%d.%s %s" % (i, name, value) for name, value in figures.items()]
    print("\n".join(line.replace("None", "null") for line in lines))


main()
