// The captions of opening and exporting trips and of the smoothing window: published "BF_"
// properties of a component the window owns and creates before reading its layout, so the
// language file translates them with the layout's, as the menu bar's texts.
#pragma once

#include "platform/controls/component.h"

class TripTexts : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString FileMenu MEMBER FFileMenu)
    Q_PROPERTY(QString OpenTrip MEMBER FOpenTrip)
    Q_PROPERTY(QString ExportTrip MEMBER FExportTrip)
    Q_PROPERTY(QString TripFiles MEMBER FTripFiles)
    Q_PROPERTY(QString WiderSmoothing MEMBER FWiderSmoothing)
    Q_PROPERTY(QString NarrowerSmoothing MEMBER FNarrowerSmoothing)
    Q_PROPERTY(QString CannotWrite MEMBER FCannotWrite)
public:
    explicit TripTexts(TComponentBase* owner);

    QString FileMenu() const { return FFileMenu; }
    QString OpenTrip() const { return FOpenTrip; }
    QString ExportTrip() const { return FExportTrip; }
    QString TripFiles() const { return FTripFiles; }
    QString WiderSmoothing() const { return FWiderSmoothing; }
    QString NarrowerSmoothing() const { return FNarrowerSmoothing; }
    QString CannotWrite() const { return FCannotWrite; }

private:
    QString FFileMenu = QStringLiteral("BF_&File");
    QString FOpenTrip = QStringLiteral("BF_Open trip...");
    QString FExportTrip = QStringLiteral("BF_Export trip...");
    QString FTripFiles = QStringLiteral("BF_Trip files");
    QString FWiderSmoothing = QStringLiteral("BF_Wider smoothing window");
    QString FNarrowerSmoothing = QStringLiteral("BF_Narrower smoothing window");
    // %1: the file's name, %2: why it cannot be written.
    QString FCannotWrite = QStringLiteral("BF_%1 cannot be written: %2");
};
