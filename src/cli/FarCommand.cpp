#include "cli/CliCommands.h"
#include "cli/CliSubcommands.h"
#include "cli/FarCommands.h"

namespace {
constexpr CliSubcommand Subcommands[] = {
    {"list",
     "usage: packwright-cli far list ARCHIVE\n"
     "Prints one line per entry in archive order: name, size, offset (tab-separated).\n",
     RunFarList},
    {"extract",
     "usage: packwright-cli far extract ARCHIVE [NAME...] -C DIR\n"
     "Writes every entry, or the named ones, into DIR; folders inside names are kept.\n",
     RunFarExtract},
    {"create",
     "usage: packwright-cli far create ARCHIVE FILE...\n"
     "Writes a new archive holding the files, each named by its bare file name.\n",
     RunFarCreate},
    {"add",
     "usage: packwright-cli far add ARCHIVE FILE...\n"
     "Adds the files to an existing archive; an entry of the same name is replaced.\n",
     RunFarAdd},
    {"remove",
     "usage: packwright-cli far remove ARCHIVE NAME...\n"
     "Removes the named entries from the archive.\n",
     RunFarRemove},
    {"pack",
     "usage: packwright-cli far pack [--game DIR] --far FILE --backup DIR [--comment TEXT]\n"
     "                               [--on-conflict ask|skip|overwrite] [--yes] [ENTRY...]\n"
     "Packs the game's object files (every one, or the entries named as far candidates\n"
     "lists them) into the archive, moves them to the backup folder and records them in\n"
     "files.iff. --on-conflict answers for names already taken in the archive or the\n"
     "backup folder (ask, the default, names each on standard error and skips it); --yes\n"
     "agrees to an archive or backup folder the game reads badly. DIR defaults to the\n"
     "stored game folder. One line per file: packed, skipped or failed, entry name, backup\n"
     "path (tab-separated). Exit 0 when no file failed.\n",
     RunFarPack},
    {"candidates",
     "usage: packwright-cli far candidates [--game DIR]\n"
     "Prints one line per object file that far pack can pack: source folder, entry name,\n"
     "full path (tab-separated).\n",
     RunFarCandidates},
};

const char* const GroupUsage =
    "usage: packwright-cli far list|extract|create|add|remove|pack|candidates ...\n"
    "Reads and writes FAR archives; every command takes --help.\n";
} // namespace

int RunFarCommand(const QStringList& args, CliIo& io) {
    return RunSubcommand(Subcommands, GroupUsage, args, io);
}
