#include "cli/CliCommands.h"
#include "cli/CliSubcommands.h"
#include "cli/IffCommands.h"

namespace {
constexpr CliSubcommand Subcommands[] = {
    {"list",
     "usage: packwright-cli iff list FILE\n"
     "Prints one line per chunk in file order: offset, type, id, flags, size, label.\n",
     RunIffList},
    {"strings",
     "usage: packwright-cli iff strings FILE TYPE ID\n"
     "Prints the string list of the first chunk with that type and id, one line per\n"
     "entry: language code, value, comment. TYPE is a four-character code such as STR#.\n",
     RunIffStrings},
    {"sprite",
     "usage: packwright-cli iff sprite [--type SPR2|SPR#] FILE ID OUTDIR\n"
     "Writes each frame of the SPR2 sprite with that id as OUTDIR/frame-N.png (N from 0;\n"
     "frames without pixels write no file) and prints the number of frames. With --type\n"
     "SPR# it decodes the first frame of a wall sprite instead.\n",
     RunIffSprite},
};

const char* const GroupUsage = "usage: packwright-cli iff list|strings|sprite ...\n"
                               "Reads the game's IFF files; every command takes --help.\n";
} // namespace

int RunIffCommand(const QStringList& args, CliIo& io) {
    return RunSubcommand(Subcommands, GroupUsage, args, io);
}
