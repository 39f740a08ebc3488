#pragma once

#include <QString>

#include <optional>

enum class MarkupDialect { Html, Xml };

// The character encoding a markup template names for the file it makes: its XML
// declaration's, else, in HTML, the first meta element's charset (given on its own or in
// the content of an http-equiv Content-Type). Nothing when it names none.
std::optional<QString> DeclaredEncoding(const QString& markup, MarkupDialect dialect);
