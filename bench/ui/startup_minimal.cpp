// The yardstick: the smallest Qt Widgets program, one window with one label.
#include <QApplication>
#include <QLabel>

#include "shown_probe.hpp"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ShownProbe probe;
    QLabel label(QStringLiteral("Morvane"));
    label.show();
    return QApplication::exec();
}
