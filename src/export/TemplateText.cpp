#include "export/TemplateText.h"

#include <algorithm>

namespace {
struct VariableName {
    QStringView Name;
    ExportVariable Variable;
};

constexpr VariableName VariableNames[] = {
    {u"NUM", ExportVariable::Num},           {u"NAME", ExportVariable::Name},
    {u"FILENAME", ExportVariable::FileName}, {u"DATE", ExportVariable::Date},
    {u"COMMENT", ExportVariable::Comment},   {u"SIZE", ExportVariable::Size},
    {u"FILESIZE", ExportVariable::FileSize}, {u"LISTTITLE", ExportVariable::ListTitle},
    {u"LISTNUM", ExportVariable::ListNum},   {u"COUNT", ExportVariable::Count},
    {u"FILESTXT", ExportVariable::FilesTxt}, {u"TOTALSIZE", ExportVariable::TotalSize},
    {u"TITLE", ExportVariable::Title},       {u"GENERATOR", ExportVariable::Generator},
};

std::optional<ExportVariable> FindVariable(QStringView name) {
    for (const VariableName& known : VariableNames)
        if (name.compare(known.Name, Qt::CaseInsensitive) == 0)
            return known.Variable;
    return std::nullopt;
}
} // namespace

TemplateText::TemplateText(const QString& text) {
    const QStringView opening = u"${";
    qsizetype literalStart = 0;
    qsizetype search = 0;
    for (;;) {
        const qsizetype start = text.indexOf(opening, search);
        const qsizetype end = start < 0 ? -1 : text.indexOf(QLatin1Char('}'), start + 2);
        if (end < 0)
            break;
        const std::optional<ExportVariable> variable =
            FindVariable(QStringView(text).sliced(start + 2, end - start - 2));
        search = variable ? end + 1 : start + 2;
        if (!variable)
            continue;
        FPieces.append({.Literal = text.sliced(literalStart, start - literalStart),
                        .Variable = variable,
                        .Written = text.sliced(start, end + 1 - start)});
        literalStart = end + 1;
    }
    FPieces.append({.Literal = text.sliced(literalStart), .Variable = {}, .Written = {}});
}

// The pieces are measured first and copied into room made once: one growth of the text per
// fill rather than one per piece, as a long list fills an item thousands of times.
void TemplateText::AppendFilled(QString& out, const VariableValues& values) const {
    const auto valueOf = [&values](const Piece& piece) -> QStringView {
        if (!piece.Variable)
            return {};
        const std::optional<QString>& value = values.Get(*piece.Variable);
        return value ? QStringView(*value) : QStringView(piece.Written);
    };
    qsizetype size = 0;
    for (const Piece& piece : FPieces)
        size += piece.Literal.size() + valueOf(piece).size();
    qsizetype at = out.size();
    out.resize(at + size);
    QChar* const data = out.data();
    const auto copy = [&](QStringView text) {
        std::copy(text.begin(), text.end(), data + at);
        at += text.size();
    };
    for (const Piece& piece : FPieces) {
        copy(piece.Literal);
        copy(valueOf(piece));
    }
}
