#include "app/TMainForm.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("The Vocks Packwright"));
    TMainForm mainForm;
    mainForm.show();
    return QApplication::exec();
}
