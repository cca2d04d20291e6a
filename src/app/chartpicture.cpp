#include "app/chartpicture.h"

#include "chart/rchart.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QStandardPaths>

#include <vector>

namespace {

// The chart and the other charts shown beside it (the velocity graph), in their places.
std::vector<const TCustomRChart*> chartsShownWith(const TCustomRChart& chart) {
    std::vector<const TCustomRChart*> charts{&chart};
    if (const QWidget* parent = chart.parentWidget())
        for (const TCustomRChart* other : parent->findChildren<TCustomRChart*>(Qt::FindDirectChildrenOnly))
            if (other != &chart && other->isVisible()) charts.push_back(other);
    return charts;
}

} // namespace

QImage worksheetPicture(const TCustomRChart& chart, QWidget& readouts) {
    const std::vector<const TCustomRChart*> charts = chartsShownWith(chart);
    QRect area = readouts.geometry();
    for (const TCustomRChart* c : charts)
        area = area.united(c->geometry());
    QImage picture(area.size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    for (const TCustomRChart* c : charts)
        painter.drawImage(c->geometry().topLeft() - area.topLeft(), c->FrameImage());
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
