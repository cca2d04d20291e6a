// Program block. Until the main window is built, this shows what the program already holds.
#include "app/tripmodel.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Kyvelo: the trip model and the straight line are in place; "
                                 "the main window comes next.\n"
                                 "Standard road situation: s(50) = %1 km")
                      .arg(TripProfileDistance(tpStandardRoad, 50), 0, 'f', 4));
    window.setMargin(24);
    window.setWindowTitle(QStringLiteral("Kyvelo"));
    window.show();
    return app.exec();
}
