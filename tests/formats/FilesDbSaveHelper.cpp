// files_db_save_helper DB COUNT BYTE_LIMIT kill|fail
// Loads DB, adds COUNT object records and saves it while files may grow to BYTE_LIMIT bytes
// at most. With "kill" the process is killed (SIGKILL) the moment the save crosses the
// limit; with "fail" the writes beyond it fail, as on a full disk, and the messages the
// database shows are printed. Prints "saved" or "not saved" when the save returns.
#include "formats/InstalledFilesDb.h"
#include "support/CollectingInteraction.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {
extern "C" void KillNow(int) {
    std::raise(SIGKILL);
}

void LimitFileSize(rlim_t bytes, bool kill) {
    const rlimit limit{bytes, bytes};
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, kill ? KillNow : SIG_IGN);
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() != 4)
        return 2;
    InstalledFilesDb db(args[0]);
    const int count = args[1].toInt();
    for (int i = 0; i < count; ++i) {
        db.Add(ContentKind::Objects,
               {u"/nowhere/object-%1.iff"_s.arg(i), u"comment %1"_s.arg(i), 45000.5});
    }
    LimitFileSize(args[2].toULongLong(), args[3] == QLatin1String("kill"));
    CollectingInteraction interaction;
    const bool saved = db.Save(interaction);
    for (const QString& text : interaction.MessageTexts())
        std::printf("%s\n", qPrintable(text));
    std::printf("%s\n", saved ? "saved" : "not saved");
    return 0;
}
