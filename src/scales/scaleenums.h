// Enumerations of the scales. They sit in a meta-object namespace so that stored layouts can name
// their values ("slBottom", "ftNum", "tfHHMMSS"). Source files that use the values name them with
// `using enum`; headers qualify them.
#pragma once

#include <QObject>

namespace ScaleEnums {
Q_NAMESPACE

// Orientation and the side of the base line within the scale's own band.
enum class TScaleType { sctXB, sctXT, sctYL, sctYR };
Q_ENUM_NS(TScaleType)

// Kind of tick label.
enum class TFigType { ftNoFigs, ftNum, ftTime, ftDateTime, ftUserText };
Q_ENUM_NS(TFigType)

enum class TScaleLocationHoriz { slTop, slBottom };
Q_ENUM_NS(TScaleLocationHoriz)

enum class TScaleLocationVert { slLeft, slRight };
Q_ENUM_NS(TScaleLocationVert)

// Where along the axis the caption is anchored: start, middle or end.
enum class TScaleUnitAnchor { uaSclTopLft, uaSclCenter, uaSclBotRgt };
Q_ENUM_NS(TScaleUnitAnchor)

enum class TTimeFormat { tfHHMMSS, tfHHhMM, tfAMPM };
Q_ENUM_NS(TTimeFormat)

enum class TYearLength { ylNone, ylYY, ylYYYY };
Q_ENUM_NS(TYearLength)

enum class TDateOrder { doMMDDYY, doDDMMYY, doYYMMDD };
Q_ENUM_NS(TDateOrder)

// Which clock-unit ticks get a second label line with the date.
enum class TDateForTime { dtNone, dtOnePerChart, dtOnePerDay, dtAllTicks };
Q_ENUM_NS(TDateForTime)

} // namespace ScaleEnums

using ScaleEnums::TDateForTime;
using ScaleEnums::TDateOrder;
using ScaleEnums::TFigType;
using ScaleEnums::TScaleLocationHoriz;
using ScaleEnums::TScaleLocationVert;
using ScaleEnums::TScaleType;
using ScaleEnums::TScaleUnitAnchor;
using ScaleEnums::TTimeFormat;
using ScaleEnums::TYearLength;

// Vertical types run their axis from bottom to top.
constexpr bool isVerticalScale(TScaleType type) {
    return type == TScaleType::sctYL || type == TScaleType::sctYR;
}
