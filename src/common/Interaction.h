#pragma once

#include <memory>
#include <QString>

enum class MessageKind { Warning, Error, Information, Confirmation };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// A visible progress window for one long operation; destroying the handle closes it.
class ProgressHandle {
public:
    virtual ~ProgressHandle() = default;
    virtual void SetMessage(const QString& text) = 0;
    virtual void SetPercent(int percent) = 0;
    virtual void ShowBar(bool shown) = 0;
};

// Everything an engine says to or asks of the user passes through here, so engines never
// open a window and tests can answer in advance.
class Interaction {
public:
    virtual ~Interaction() = default;

    // A modal message box of the given kind with its fixed button set.
    virtual MessageAnswer ShowMessage(MessageKind kind, const QString& text,
                                      MessageButtons buttons) = 0;

    // Shows the progress window with the caption, bar shown and an empty message.
    virtual std::unique_ptr<ProgressHandle> BeginProgress(const QString& caption) = 0;

    // Shorthands for the common boxes.
    void Warn(const QString& text);
    void Fail(const QString& text);
    void Inform(const QString& text);
    MessageAnswer Ask(MessageKind kind, const QString& text, MessageButtons buttons);
};
