#pragma once

#include <QString>

#include <optional>

// What the readme tab shows of a file: its text decoded as the program's other text files
// are, at most the first ReadmeShownBytes of it, with characters that a text view cannot
// show (such as those of a binary file) replaced. Nothing when the file cannot be read.
std::optional<QString> ReadReadme(const QString& path);

// A readme is a few pages; more than this is no readme and would only stall the window.
inline constexpr qint64 ReadmeShownBytes = 1024 * 1024;
