#include "app/chartpicture.h"

#include "chart/rchart.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QStandardPaths>

QImage worksheetPicture(const TCustomRChart& chart, QWidget& readouts) {
    const QRect area = chart.geometry().united(readouts.geometry());
    QImage picture(area.size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawImage(chart.geometry().topLeft() - area.topLeft(), chart.FrameImage());
    // The panel draws through the widget machinery; render leaves out its window's other parts.
    readouts.render(&painter, readouts.geometry().topLeft() - area.topLeft());
    return picture;
}

bool savePictureAsPng(const QImage& picture, QString& path) {
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".png");
    return picture.save(path, "PNG");
}

void copyPictureToClipboard(const QImage& picture) {
    QGuiApplication::clipboard()->setImage(picture);
}

QString defaultPicturePath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("kyvelo-chart.png"));
}
