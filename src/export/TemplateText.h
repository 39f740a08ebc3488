#pragma once

#include <QList>
#include <QString>

#include <array>
#include <optional>

// The variables a template may hold, written "${NAME}" in any letter case.
enum class ExportVariable {
    Num,
    Name,
    FileName,
    Date,
    Comment,
    Size,
    FileSize,
    ListTitle,
    ListNum,
    Count,
    FilesTxt,
    TotalSize,
    Title,
    Generator,
};
constexpr int ExportVariableCount = int(ExportVariable::Generator) + 1;

// The values known at one place of the document; a variable without one stays as written.
class VariableValues {
public:
    void Set(ExportVariable variable, const QString& value) { FValues[int(variable)] = value; }
    const std::optional<QString>& Get(ExportVariable variable) const {
        return FValues[int(variable)];
    }

private:
    std::array<std::optional<QString>, ExportVariableCount> FValues;
};

// A part of the template cut once at its variables, so that filling it costs one pass over
// the part and a value is never searched for variables again.
class TemplateText {
public:
    explicit TemplateText(const QString& text);

    void AppendFilled(QString& out, const VariableValues& values) const;

private:
    struct Piece {
        QString Literal;
        std::optional<ExportVariable> Variable;
        // The variable as the template writes it, for places where it has no value.
        QString Written;
    };
    QList<Piece> FPieces;
};
