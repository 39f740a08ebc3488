#pragma once

#include <QByteArray>

#include <vector>

// Language files as translators write them, built independently of the reader.

struct LanguageFixtureEntry {
    const char* Key;   // UTF-8
    const char* Value; // UTF-8, with the file's escapes (\n, \t, \\) as stored
};

enum class LanguageFileText { Utf8, Latin1 };

// A header naming the language, a comment line, then one "key=value" line per entry, each
// line ended by lineEnd.
QByteArray BuildLanguageFile(const char* name, const std::vector<LanguageFixtureEntry>& entries,
                             LanguageFileText text = LanguageFileText::Utf8,
                             const char* lineEnd = "\r\n");
