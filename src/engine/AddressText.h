#pragma once

#include <QString>
#include <QStringList>

// Turns typed or pasted text into addresses: one per line, trimmed, kept when
// the URL parser accepts it, repeats dropped (first occurrence wins, in order).
QStringList addressesFromText(const QString &text);
// How many lines of `text` hold something that is not an address (blank
// lines and repeats do not count).
int nonAddressLines(const QString &text);

// The first word of `text` that is a web address (http or https) as
// addressesFromText accepts it, or an empty string. Only the first
// `scanned` characters are looked at: a clipboard may hold megabytes, and a
// word cut at that end is not taken.
QString firstWebAddress(const QString &text, qsizetype scanned = 64 * 1024);
