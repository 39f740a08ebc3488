#pragma once

#include "language/LanguageTable.h"

#include <QString>
#include <QStringList>

// Reads language-file lines into a table. A section header "[Name]" hands Name to
// onHeader; comments, headers without "]" and lines without "=" add nothing. Returns the
// number of entries taken.
template <typename OnHeader>
int ParseLanguageLines(const QStringList& lines, LanguageTable& table, OnHeader onHeader);

// The escapes of a stored value decoded for display: "\\" -> "\", "\t" -> tab,
// "\r\n" and "\n" -> CR LF, in that order, in any letter case.
QString DecodeLanguageEscapes(QString value);

// A line with spaces and control characters cut from both ends.
QString TrimLanguageLine(const QString& line);

template <typename OnHeader>
int ParseLanguageLines(const QStringList& lines, LanguageTable& table, OnHeader onHeader) {
    int taken = 0;
    for (const QString& raw : lines) {
        const QString line = TrimLanguageLine(raw);
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) ||
            line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            if (line.endsWith(QLatin1Char(']')) && line.size() >= 2)
                onHeader(line.mid(1, line.size() - 2));
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        table.Set(line.left(equals), line.mid(equals + 1));
        ++taken;
    }
    return taken;
}
