// The captions and spoken texts that the keyboard, the chart's context menu and the screen-reader
// support add to the main window. They are published "BF_" properties of a component the window
// owns and creates before reading its layout, so the language file translates them together with
// every caption of the layout.
#pragma once

#include "platform/controls/component.h"

class AccessTexts : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString CopyPicture MEMBER FCopyPicture)
    Q_PROPERTY(QString SavePicture MEMBER FSavePicture)
    Q_PROPERTY(QString Glide MEMBER FGlide)
    Q_PROPERTY(QString SaveFailed MEMBER FSaveFailed)
    Q_PROPERTY(QString ChartName MEMBER FChartName)
    Q_PROPERTY(QString PointOne MEMBER FPointOne)
    Q_PROPERTY(QString PointTwo MEMBER FPointTwo)
    Q_PROPERTY(QString ProfileBoxName MEMBER FProfileBoxName)
    Q_PROPERTY(QString Language MEMBER FLanguage)
    Q_PROPERTY(QString LanguageNotStored MEMBER FLanguageNotStored)
public:
    explicit AccessTexts(TComponentBase* owner);

    QString CopyPicture() const { return FCopyPicture; }
    QString SavePicture() const { return FSavePicture; }
    QString Glide() const { return FGlide; }
    QString SaveFailed() const { return FSaveFailed; }
    QString ChartName() const { return FChartName; }
    QString PointOne() const { return FPointOne; }
    QString PointTwo() const { return FPointTwo; }
    QString ProfileBoxName() const { return FProfileBoxName; }
    QString Language() const { return FLanguage; }
    QString LanguageNotStored() const { return FLanguageNotStored; }

private:
    QString FCopyPicture = QStringLiteral("BF_Copy picture");
    QString FSavePicture = QStringLiteral("BF_Save picture...");
    QString FGlide = QStringLiteral("BF_Let point 2 glide to point 1");
    // %1: the file name.
    QString FSaveFailed = QStringLiteral("BF_The picture could not be saved as %1.");
    QString FChartName = QStringLiteral("BF_Distance-time chart");
    // %1: time in min, %2: distance in km.
    QString FPointOne = QStringLiteral("BF_Point 1: %1 min, %2 km");
    QString FPointTwo = QStringLiteral("BF_point 2: %1 min, %2 km");
    QString FProfileBoxName = QStringLiteral("BF_Trip profile");
    QString FLanguage = QStringLiteral("BF_Language");
    // %1: why it failed.
    QString FLanguageNotStored = QStringLiteral("BF_The language could not be stored: %1");
};
