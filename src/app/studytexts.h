// The captions and spoken texts of the velocity graph, the limit table, the point labels, the
// set-points dialog and Reset. Like AccessTexts they are published "BF_" properties of a component
// the window owns and creates before reading its layout, so the language file translates them with
// the layout's.
#pragma once

#include "platform/controls/component.h"

class StudyTexts : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString VelocityAxis MEMBER FVelocityAxis)
    Q_PROPERTY(QString VelocityGraph MEMBER FVelocityGraph)
    Q_PROPERTY(QString ExactCurve MEMBER FExactCurve)
    Q_PROPERTY(QString LimitTable MEMBER FLimitTable)
    Q_PROPERTY(QString SetPoints MEMBER FSetPoints)
    Q_PROPERTY(QString Reset MEMBER FReset)
    Q_PROPERTY(QString CopyTable MEMBER FCopyTable)
    Q_PROPERTY(QString TableDt MEMBER FTableDt)
    Q_PROPERTY(QString TableDs MEMBER FTableDs)
    Q_PROPERTY(QString TableVelocity MEMBER FTableVelocity)
    Q_PROPERTY(QString CentralSecant MEMBER FCentralSecant)
    Q_PROPERTY(QString ExactTangent MEMBER FExactTangent)
    Q_PROPERTY(QString TableHeading MEMBER FTableHeading)
    Q_PROPERTY(QString TableBackward MEMBER FTableBackward)
    Q_PROPERTY(QString TableForward MEMBER FTableForward)
    Q_PROPERTY(QString PointLabels MEMBER FPointLabels)
    Q_PROPERTY(QString PointOneMinutes MEMBER FPointOneMinutes)
    Q_PROPERTY(QString PointTwoMinutes MEMBER FPointTwoMinutes)
    Q_PROPERTY(QString TimeRange MEMBER FTimeRange)
    Q_PROPERTY(QString Ok MEMBER FOk)
    Q_PROPERTY(QString Cancel MEMBER FCancel)
    Q_PROPERTY(QString GraphName MEMBER FGraphName)
    Q_PROPERTY(QString GraphTrace MEMBER FGraphTrace)
    Q_PROPERTY(QString GraphExact MEMBER FGraphExact)
    Q_PROPERTY(QString GraphAverage MEMBER FGraphAverage)
public:
    explicit StudyTexts(TComponentBase* owner);

    QString VelocityAxis() const { return FVelocityAxis; }
    QString VelocityGraph() const { return FVelocityGraph; }
    QString ExactCurve() const { return FExactCurve; }
    QString LimitTable() const { return FLimitTable; }
    QString SetPoints() const { return FSetPoints; }
    QString Reset() const { return FReset; }
    QString CopyTable() const { return FCopyTable; }
    QString TableDt() const { return FTableDt; }
    QString TableDs() const { return FTableDs; }
    QString TableVelocity() const { return FTableVelocity; }
    QString CentralSecant() const { return FCentralSecant; }
    QString ExactTangent() const { return FExactTangent; }
    QString TableHeading() const { return FTableHeading; }
    QString TableBackward() const { return FTableBackward; }
    QString TableForward() const { return FTableForward; }
    QString PointLabels() const { return FPointLabels; }
    QString PointOneMinutes() const { return FPointOneMinutes; }
    QString PointTwoMinutes() const { return FPointTwoMinutes; }
    QString TimeRange() const { return FTimeRange; }
    QString Ok() const { return FOk; }
    QString Cancel() const { return FCancel; }
    QString GraphName() const { return FGraphName; }
    QString GraphTrace() const { return FGraphTrace; }
    QString GraphExact() const { return FGraphExact; }
    QString GraphAverage() const { return FGraphAverage; }

private:
    QString FVelocityAxis = QStringLiteral("BF_Velocity [km/h]");
    QString FVelocityGraph = QStringLiteral("BF_Velocity graph");
    QString FExactCurve = QStringLiteral("BF_Exact velocity curve");
    QString FLimitTable = QStringLiteral("BF_Limit table");
    QString FSetPoints = QStringLiteral("BF_Set points...");
    QString FReset = QStringLiteral("BF_Reset");
    QString FCopyTable = QStringLiteral("BF_Copy table");
    QString FTableDt = QStringLiteral("BF_dt [min]");
    QString FTableDs = QStringLiteral("BF_ds [km]");
    QString FTableVelocity = QStringLiteral("BF_ds/dt [km/h]");
    QString FCentralSecant = QStringLiteral("BF_Tangent, central secant");
    QString FExactTangent = QStringLiteral("BF_Tangent, exact");
    // %1: the trip's name, %2: the time of point 1 in min.
    QString FTableHeading = QStringLiteral("BF_%1, point 1 at %2 min");
    QString FTableBackward = QStringLiteral("BF_From t1 - dt to t1");
    QString FTableForward = QStringLiteral("BF_From t1 to t1 + dt");
    QString FPointLabels = QStringLiteral("BF_Point labels");
    QString FPointOneMinutes = QStringLiteral("BF_Point 1 [min]:");
    QString FPointTwoMinutes = QStringLiteral("BF_Point 2 [min]:");
    // %1 and %2: the first and the last minute of the time axis.
    QString FTimeRange = QStringLiteral("BF_Type a time from %1 to %2 min.");
    QString FOk = QStringLiteral("BF_OK"); // the About dialog's key
    QString FCancel = QStringLiteral("BF_Cancel");
    QString FGraphName = QStringLiteral("BF_Velocity-time graph");
    // %1: number of dots; %2: velocity in km/h, %3: time in min of the last one.
    QString FGraphTrace = QStringLiteral("BF_%1 measured velocities, the last %2 km/h at %3 min");
    QString FGraphExact = QStringLiteral("BF_the exact curve v(t) is shown");
    // %1: velocity in km/h, %2 and %3: the times in min.
    QString FGraphAverage = QStringLiteral("BF_average velocity %1 km/h from %2 to %3 min");
};
