#include "platform/layout/layoutscaling.h"

#include "platform/graphics/font.h"

#include <QMetaClassInfo>

#include <limits>

LayoutScale::LayoutScale(int screenPixelsPerInch, int designPixelsPerInch)
    : FScreen(screenPixelsPerInch), FDesign(designPixelsPerInch) {
    if (FScreen <= 0 || FDesign <= 0 || FScreen > kMaxScaleRatio * FDesign ||
        FDesign > kMaxScaleRatio * FScreen)
        FScreen = FDesign = 1;
}

qint64 LayoutScale::apply(qint64 value) const {
    // Values outside int are left for the property check to refuse; this keeps the product exact.
    if (!active() || value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return value;
    const qint64 product = value * FScreen;
    const qint64 half = FDesign / 2;
    return product >= 0 ? (product + half) / FDesign : -((-product + half) / FDesign);
}

bool isScaledProperty(const QObject& target, const QString& name) {
    if (qobject_cast<const TFont*>(&target)) return name == QLatin1String("Height");
    const QMetaObject* meta = target.metaObject();
    const int index = meta->indexOfClassInfo("ScaledProperties");
    if (index < 0) return false;
    const QString list = QString::fromLatin1(meta->classInfo(index).value());
    return list.split(u',').contains(name);
}
