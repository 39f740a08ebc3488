#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Decodes 8-bit text in the code page the system's own programs write, where the system has
// one (the ANSI code page on Windows). Elsewhere nothing: 8-bit text files there come from
// Windows programs, and the caller knows their code page.
std::optional<QString> DecodeSystemCodePage(const QByteArray& bytes);
