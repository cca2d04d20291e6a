#include "chart/chartcursors.h"

#include <QPixmap>

#include <array>

using enum VrxBase::TMouseActMode;

// Resources of a static library are registered by hand, once, before the first look-up.
static void registerChartResources() {
    Q_INIT_RESOURCE(chart);
}

namespace {

struct CursorImage {
    const char* Name;
    QPoint HotSpot;
};

// Hot spots: the palm of the hand, the centre of the magnifier's lens.
constexpr std::array<CursorImage, 4> kCursors{{
    {"CURHAND", {16, 18}},
    {"CURZOOMW", {12, 12}},
    {"CURZOOMD", {12, 12}},
    {"CURZOOMP", {12, 12}},
}};

} // namespace

QCursor chartCursor(const QString& name) {
    static const bool registered = (registerChartResources(), true);
    Q_UNUSED(registered);
    for (const CursorImage& c : kCursors)
        if (name == QLatin1String(c.Name))
            return QCursor(QPixmap(QStringLiteral(":/chart/cursors/") + name), c.HotSpot.x(), c.HotSpot.y());
    return QCursor(Qt::ArrowCursor);
}

std::optional<QCursor> cursorForMouseAction(TMouseActMode action, bool inDataArea, bool cursorFixed) {
    if (!inDataArea || cursorFixed) return QCursor(Qt::ArrowCursor);
    switch (action) {
    case maNone:
        return QCursor(Qt::CrossCursor);
    case maPan:
    case maPanHoriz:
    case maPanVert:
        return chartCursor("CURHAND");
    case maRubberBand:
    case maDragCrossH:
    case maDragLabel:
        return QCursor(Qt::ArrowCursor);
    case maZoomWind:
        return chartCursor("CURZOOMW");
    case maZoomWindPos:
        return chartCursor("CURZOOMP");
    case maZoomDrag:
        return chartCursor("CURZOOMD");
    default:
        return std::nullopt;
    }
}
