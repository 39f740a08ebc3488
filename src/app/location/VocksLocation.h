#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class Interaction;
class TLanguage;

// The game's program file, the file whose folder is the game folder.
inline constexpr QStringView VocksProgramFile = u"Vocks.exe";

// Lets the user pick one of several game folders (TVocksFoundMultiple); returns the chosen
// folder, or an empty text when the user closed the choice without picking one.
using ChooseVocksFolder = std::function<QString(const QStringList& folders)>;

// Runs the drive search, giving it the interaction to talk through, and returns what it
// found; the window's runner puts it on a worker thread while the window keeps painting.
using VocksSearch = std::function<QStringList(Interaction& interaction)>;
using RunVocksSearch = std::function<QStringList(const VocksSearch& search)>;

// Finds the game folder: through the game's registry key, and when that fails, after the
// user agrees (the question of SearchQuestionKey), by searching the drives with the progress window
// shown; several copies are offered to choose. Returns the folder in native form with one trailing
// separator, for the options' path edit (which the caller then marks modified). Nothing when no
// copy was found (VocksAutoNotFound has been shown) or when the user closed the choice among
// several copies without picking one (no further message). The search runs through runSearch when
// one is given, else here with interaction.
std::optional<QString> FindVocksFolder(const TLanguage& language, Interaction& interaction,
                                       const ChooseVocksFolder& choose,
                                       const RunVocksSearch& runSearch = {});

// Searches the roots for the program file with the progress window shown, naming the folder
// being searched; returns the folders holding it, in the order found, as FindVocksFolder
// offers them.
QStringList SearchForVocks(const QStringList& roots, const TLanguage& language,
                           Interaction& interaction);

// Asks for the game folder in the folder browser, starting at shownPath. Returns the
// chosen folder in native form with one trailing separator when it holds the program
// file; otherwise warns (BrowseVocksNotFound) and returns nothing. Nothing, silently, when
// the user cancels.
std::optional<QString> BrowseVocksFolder(const TLanguage& language, Interaction& interaction,
                                         const QString& shownPath);

// True when folder (either separator, trailing separator or not) holds the program file in
// any letter case.
bool HoldsVocksProgram(const QString& folder);
