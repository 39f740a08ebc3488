#include "export/TemplateText.h"

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

void TemplateText::AppendFilled(QString& out, const VariableValues& values) const {
    for (const Piece& piece : FPieces) {
        out += piece.Literal;
        if (!piece.Variable)
            continue;
        const std::optional<QString>& value = values.Get(*piece.Variable);
        out += value ? *value : piece.Written;
    }
}
