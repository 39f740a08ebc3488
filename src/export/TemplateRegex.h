#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <stdexcept>

// Perl-syntax regular expressions over QString, compiled case-insensitively with "."
// matching line breaks.
class TemplateRegex {
public:
    explicit TemplateRegex(QStringView pattern);
    ~TemplateRegex();
    TemplateRegex(const TemplateRegex&) = delete;
    TemplateRegex& operator=(const TemplateRegex&) = delete;

    // The groups of the first match anywhere in the text (group 0 first, unmatched groups
    // empty), or nothing when the expression does not occur.
    std::optional<QStringList> Search(const QString& text) const;
    bool Occurs(const QString& text) const;
    // Every match replaced by the Perl format; conditionals "(?N...)" when asked for.
    QString ReplaceAll(const QString& text, QStringView format, bool conditionals) const;

private:
    struct Compiled;
    std::unique_ptr<Compiled> FCompiled;
};

// Raised when the regular-expression engine gives up on a text: the matching grew past
// its complexity or memory limit.
class ERegexGaveUp : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
