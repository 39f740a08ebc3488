#pragma once

#include "common/ExpansionFlags.h"
#include "common/FileExistsAnswer.h"

#include <QFlags>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

enum class MessageKind { Warning, Error, Information, Confirmation };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// The answer of a box's first button, which Return chooses unless a question names another.
MessageAnswer FirstAnswer(MessageButtons buttons);

// A visible progress window for one long operation; destroying the handle closes it.
class ProgressHandle {
public:
    virtual ~ProgressHandle() = default;
    virtual void SetMessage(const QString& text) = 0;
    virtual void SetPercent(int percent) = 0;
    virtual void ShowBar(bool shown) = 0;
    // Whether the window offers Cancel (it does at first). Work that cannot stop half way,
    // such as a rollback, hides it. A window that has no Cancel to show ignores this.
    virtual void ShowCancel(bool shown) { static_cast<void>(shown); }
    // Whether the user asked to stop; engines read it between files and stop at the next
    // file boundary. Safe to call from the thread the work runs on.
    virtual bool CancelRequested() const { return false; }
};

// Progress nobody sees: on a console, or of work done ahead of its turn.
class UnseenProgress final : public ProgressHandle {
public:
    void SetMessage(const QString&) override {}
    void SetPercent(int) override {}
    void ShowBar(bool) override {}
};

enum class FileDialogKind { Open, OpenMultiple, Save, Folder };

enum class FileDialogOption {
    FileMustExist = 0x1,
    PathMustExist = 0x2,
    OverwritePrompt = 0x4,
    HidePlacesBar = 0x8,
    HideReadOnly = 0x10,
};
Q_DECLARE_FLAGS(FileDialogOptions, FileDialogOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(FileDialogOptions)

// A file or folder dialog as the program asks for it. Filter is in the form
// caption "|" masks "|" caption "|" masks ..., masks separated by ";".
struct FileDialogRequest {
    FileDialogKind Kind = FileDialogKind::Open;
    QString Title;
    QString Filter;
    QString DefaultExtension;
    QString InitialPath;
    FileDialogOptions Options;
    // A folder dialog's explanatory text above its tree.
    QString Description;
};

struct FileDialogAnswer {
    bool Confirmed = false;
    QStringList Paths;
};

// A file about to be written over ExistingPath. Message, when not empty, replaces the
// standard question; "{{FileName}}" in it stands for ExistingPath's file name.
struct FileExistsQuestion {
    QString NewPath;
    QString ExistingPath;
    QString Message;
    // The size shown for the existing file when it is not ExistingPath's own, such as an
    // entry of the archive at ExistingPath.
    std::optional<qint64> ExistingSize{};
    // The path shown for the new file when it is not NewPath's own, such as an archive
    // entry extracted to the temporary folder: the download it came from.
    QString NewShownPath{};
};

// Never Ask. NewName (a bare file name beside ExistingPath) is set only for Rename.
struct FileExistsReply {
    FileExistsAnswer Answer = FileExistsAnswer::Skip;
    QString NewName;
};

enum class HoodChoiceAnswer { Continue = 1, DontInstall = 2, Cancel = 3 };

// The neighbourhood that receives houses and areas; HoodPath (with a trailing separator)
// is set only for Continue and is empty when the game folder has no neighbourhood.
struct HoodChoice {
    HoodChoiceAnswer Answer = HoodChoiceAnswer::DontInstall;
    QString HoodPath;
};

// Everything an engine says to or asks of the user passes through here, so engines never
// open a window and tests can answer in advance.
class Interaction {
public:
    virtual ~Interaction() = default;

    // A modal message box of the given kind with its fixed button set; Return chooses
    // defaultAnswer, one of the set.
    virtual MessageAnswer ShowMessage(MessageKind kind, const QString& text, MessageButtons buttons,
                                      MessageAnswer defaultAnswer) = 0;

    // Shows the progress window with the caption, bar shown and an empty message.
    virtual std::unique_ptr<ProgressHandle> BeginProgress(const QString& caption) = 0;

    // A modal file or folder dialog; the chosen path or paths when the user confirmed.
    virtual FileDialogAnswer AskForPaths(const FileDialogRequest& request) = 0;

    // The file-exists question: what to do with NewPath now that ExistingPath is there.
    virtual FileExistsReply AskFileExists(const FileExistsQuestion& question) = 0;

    // The password of an encrypted archive entry; nothing when the user cancels.
    virtual std::optional<QString> AskPassword(const QString& archivePath,
                                               const QString& entryName) = 0;

    // Which neighbourhood of the game folder (with trailing separator) receives houses
    // and areas, given the installed packs.
    virtual HoodChoice ChooseNeighbourhood(const QString& gameFolder,
                                           const ExpansionFlags& packs) = 0;

    // Shorthands for the common boxes.
    void Warn(const QString& text);
    void Fail(const QString& text);
    void Inform(const QString& text);
    MessageAnswer Ask(MessageKind kind, const QString& text, MessageButtons buttons);
    // A question whose safe answer is not the first button names it as the default.
    MessageAnswer Ask(MessageKind kind, const QString& text, MessageButtons buttons,
                      MessageAnswer defaultAnswer);
};
