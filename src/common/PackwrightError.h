#pragma once

#include <QString>

#include <stdexcept>

// The one base of every failure the program reports to the user. The text is already
// translated and ready to show; the window or command that started the action shows it.
class EPackwrightError : public std::runtime_error {
public:
    explicit EPackwrightError(const QString& text)
        : std::runtime_error(text.toStdString()), FText(text) {}
    const QString& Text() const { return FText; }

private:
    QString FText;
};
