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

// The other widgets shown inside the area: the read-outs' panel and the limit table beside the chart.
std::vector<QWidget*> panelsShownIn(const TCustomRChart& chart, const QRect& area) {
    std::vector<QWidget*> panels;
    for (QWidget* child : chart.parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow() && child->isVisible() && !qobject_cast<TCustomRChart*>(child) &&
            area.contains(child->geometry()))
            panels.push_back(child);
    return panels;
}

} // namespace

QImage worksheetPicture(const TCustomRChart& chart, const QWidget& readouts, int scale) {
    const std::vector<const TCustomRChart*> charts = chartsShownWith(chart);
    QRect area = readouts.geometry();
    for (const TCustomRChart* c : charts)
        area = area.united(c->geometry());
    QImage picture(area.size() * scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    // The charts' own pictures, which never hold the focus cues, each onto its place in the
    // window's pixels; the panels draw through the widget machinery, and render leaves out their
    // window's other parts.
    for (const TCustomRChart* c : charts)
        painter.drawImage(c->geometry().translated(-area.topLeft()), c->FrameImage());
    for (QWidget* panel : panelsShownIn(chart, area))
        panel->render(&painter, panel->geometry().topLeft() - area.topLeft());
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
