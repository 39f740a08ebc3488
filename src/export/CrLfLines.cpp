#include "export/CrLfLines.h"

// Lines that end in CR LF already are copied in one run: only a CR or an LF standing alone
// breaks the run. The breaks are found by searching for each character, not by looking at
// every character in turn.
void AppendWithCrLf(QString& out, QStringView text, bool& afterCr) {
    if (text.isEmpty())
        return;
    qsizetype run = afterCr && text.startsWith(u'\n') ? 1 : 0;
    afterCr = false;
    qsizetype cr = text.indexOf(u'\r', run);
    qsizetype lf = text.indexOf(u'\n', run);
    while (cr >= 0 || lf >= 0) {
        const bool atCr = cr >= 0 && (lf < 0 || cr < lf);
        if (atCr && cr + 1 < text.size() && text[cr + 1] == QLatin1Char('\n')) {
            cr = text.indexOf(u'\r', cr + 2);
            lf = text.indexOf(u'\n', lf + 1);
            continue;
        }
        const qsizetype lone = atCr ? cr : lf;
        out += text.sliced(run, lone - run);
        out += u"\r\n";
        run = lone + 1;
        afterCr = atCr && run == text.size();
        if (atCr)
            cr = text.indexOf(u'\r', run);
        else
            lf = text.indexOf(u'\n', run);
    }
    out += text.sliced(run);
}
