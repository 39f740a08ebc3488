// Feeds arbitrary bytes to the journal reader, as a kill or a full disk might leave a
// journal. Besides crashes and sanitizer reports, it stops when a step it reads could never
// have been written (no number, a relative path, a move without its target, a record without
// a whole hash) or when what it read, written again, reads back as something else.
#include "journal/JournalFormat.h"

#include <QByteArray>
#include <QDir>

#include <cstdint>
#include <cstdlib>

namespace {
bool SameSteps(const QList<JournalStep>& a, const QList<JournalStep>& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].Kind != b[i].Kind || a[i].Number != b[i].Number || a[i].Path != b[i].Path ||
            a[i].Target != b[i].Target)
            return false;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const JournalContents read =
        ParseJournal(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!read.Header) {
        if (!read.Steps.isEmpty() || read.Committed)
            std::abort();
        return 0;
    }
    QByteArray written = HeaderLine(*read.Header);
    for (const JournalStep& step : read.Steps) {
        const bool isMove = step.Kind == StepKind::Move;
        if (step.Number <= 0 || !QDir::isAbsolutePath(step.Path) ||
            isMove != QDir::isAbsolutePath(step.Target) || (!isMove && !step.Target.isEmpty()))
            std::abort();
        written += StepLine(step);
    }
    for (auto state = read.Written.cbegin(); state != read.Written.cend(); ++state) {
        if (state.key() <= 0 || state->Size < 0 || state->Hash.size() != 32)
            std::abort();
        written += WrittenLine(state.key(), *state);
    }
    if (read.Committed)
        written += CommitLine();
    const JournalContents again = ParseJournal(written);
    if (!again.Header || again.Header->Kind != read.Header->Kind ||
        again.Header->Comment != read.Header->Comment || !SameSteps(again.Steps, read.Steps) ||
        again.Written != read.Written || again.Committed != read.Committed)
        std::abort();
    return 0;
}
