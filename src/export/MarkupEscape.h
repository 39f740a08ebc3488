#pragma once

#include <QString>

// True for an output file whose extension (any letter case) is .html, .htm or .xml: its
// values are escaped and addresses in it may become links.
bool IsMarkupFile(const QString& path);

// "&", "<", ">" and both quotes as character references, so a value can stand in element
// text and in attribute values alike; characters XML forbids (controls other than tab and
// line breaks, U+FFFE, U+FFFF, halves of surrogate pairs standing alone) are left out.
QString EscapeMarkup(const QString& text);
