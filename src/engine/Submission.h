#pragma once

#include <QString>
#include <QStringList>

// Turns typed or pasted text into addresses: one per line, trimmed, kept when
// the URL parser accepts it, repeats dropped (first occurrence wins, in order).
QStringList addressesFromText(const QString &text);
