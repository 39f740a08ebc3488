#include "FuzzSeeds.h"

#include <QFile>

std::vector<QByteArray> FuzzSeeds() {
    std::vector<QByteArray> seeds;
    for (const char* name :
         {":/templates/filelist_template.html", ":/templates/filelist_template.xml",
          ":/templates/filelist_template.txt"}) {
        QFile file(QString::fromLatin1(name));
        if (file.open(QIODevice::ReadOnly))
            seeds.push_back(file.readAll());
    }
    return seeds;
}
