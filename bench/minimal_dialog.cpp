// The yardstick of the start-up benchmark: the least a Qt Widgets program with a dialog of a few
// edits does before its window is shown.

#include "startupclock.h"

#include <QApplication>
#include <QDialog>
#include <QFormLayout>
#include <QLineEdit>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    new ShownProbe(app);
    QDialog dialog;
    auto *layout = new QFormLayout(&dialog);
    for (const char *label : {"Purchase price", "Monthly rent", "Escrow", "Other fees", "Safety margin"})
        layout->addRow(QString::fromLatin1(label), new QLineEdit(&dialog));
    dialog.exec();
    return 0;
}
