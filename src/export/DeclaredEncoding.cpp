#include "export/DeclaredEncoding.h"

#include <QRegularExpression>

namespace {
std::optional<QString> FirstCapture(const QRegularExpression& expression, const QString& text) {
    const QRegularExpressionMatch match = expression.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(QStringLiteral("name"));
}
} // namespace

std::optional<QString> DeclaredEncoding(const QString& markup, MarkupDialect dialect) {
    // Only at the very start is it a declaration.
    static const QRegularExpression xmlDeclaration(QStringLiteral(
        R"(\A\x{FEFF}?<\?xml\s[^>]*?\bencoding\s*=\s*(["'])(?<name>[A-Za-z][A-Za-z0-9._:-]*)\1)"));
    static const QRegularExpression metaCharset(
        QStringLiteral(R"(<meta\b[^>]*?\bcharset\s*=\s*["']?\s*(?<name>[A-Za-z][A-Za-z0-9._:-]*))"),
        QRegularExpression::CaseInsensitiveOption);
    if (std::optional<QString> declared = FirstCapture(xmlDeclaration, markup))
        return declared;
    if (dialect == MarkupDialect::Html)
        return FirstCapture(metaCharset, markup);
    return std::nullopt;
}
