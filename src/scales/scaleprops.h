// TScaleProps: the settings of one chart scale (range, ticks, labels, caption, font, date format),
// published by the chart as Scale1X … Scale4Y and copied into the chart's scale controls. Every
// real change fires OnChange, on which the chart redraws. TScalePropsHoriz and TScalePropsVert add
// the side of the chart the scale sits on.
#pragma once

#include "platform/graphics/font.h"
#include "platform/graphics/graphics.h"
#include "platform/graphics/tcolor.h"
#include "scales/dtlabel.h"
#include "scales/scaleenums.h"
#include "scales/scalesettings.h"

#include <QObject>
#include <QString>

#include <functional>

class TScaleProps : public QObject {
    Q_OBJECT
    Q_PROPERTY(double RangeLow READ RangeLow WRITE SetRangeLow)
    Q_PROPERTY(double RangeHigh READ RangeHigh WRITE SetRangeHigh)
    Q_PROPERTY(bool Logarithmic READ Logarithmic WRITE SetLogarithmic)
    Q_PROPERTY(double MinRange READ MinRange WRITE SetMinRange)
    Q_PROPERTY(int ScalePos READ ScalePos WRITE SetScalePos)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int CaptionPosX READ CaptionPosX WRITE SetCaptionPosX)
    Q_PROPERTY(int CaptionPosY READ CaptionPosY WRITE SetCaptionPosY)
    Q_PROPERTY(Graphics::TAlignment CaptionAlignment READ CaptionAlignment WRITE SetCaptionAlignment)
    Q_PROPERTY(ScaleEnums::TScaleUnitAnchor CaptionAnchor READ CaptionAnchor WRITE SetCaptionAnchor)
    Q_PROPERTY(TColor ColorScale READ ColorScale WRITE SetColorScale)
    Q_PROPERTY(int DecPlaces READ DecPlaces WRITE SetDecPlaces)
    Q_PROPERTY(ScaleEnums::TFigType LabelType READ LabelType WRITE SetLabelType)
    Q_PROPERTY(bool ShortTicks READ ShortTicks WRITE SetShortTicks)
    Q_PROPERTY(int MinTicks READ MinTicks WRITE SetMinTicks)
    Q_PROPERTY(QString ScaleInscript READ ScaleInscript WRITE SetScaleInscript)
    Q_PROPERTY(QString UserTickText READ UserTickText WRITE SetUserTickText)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(TDTLabel* DateFormat READ DateFormat)
public:
    explicit TScaleProps(QObject* parent = nullptr);

    double RangeLow() const { return FSettings.RangeLow; }
    // A span below MinRange moves the other end to x ± MinRange; on a logarithmic group an end
    // below 1e-100 is ignored. Non-finite values are ignored.
    void SetRangeLow(double x);
    double RangeHigh() const { return FSettings.RangeHigh; }
    void SetRangeHigh(double x);
    double MinRange() const { return FMinRange; }
    // Ignored at or below 1e-100; a narrower current range is widened about its midpoint.
    void SetMinRange(double x);
    bool Logarithmic() const { return FSettings.Logarithmic; }
    // Switching on is refused after creation unless both ends are >= 1e-100 and the labels are not
    // dates.
    void SetLogarithmic(bool value);
    TFigType LabelType() const { return FSettings.LabelType; }
    // ftDateTime switches Logarithmic off; ftTime sets DecPlaces to 4.
    void SetLabelType(TFigType value);
    int MinTicks() const { return FMinTicks; }
    void SetMinTicks(int value);
    bool ShortTicks() const { return FShortTicks; }
    void SetShortTicks(bool value);
    int DecPlaces() const { return FSettings.DecPlaces; }
    // Clamped to -3 … 12.
    void SetDecPlaces(int value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    // The position for the current orientation (vertical types and horizontal types keep their own).
    int ScalePos() const;
    void SetScalePos(int value);

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    int CaptionPosX() const { return FCaptionPosX; }
    void SetCaptionPosX(int value);
    int CaptionPosY() const { return FCaptionPosY; }
    void SetCaptionPosY(int value);
    TAlignment CaptionAlignment() const { return FCaptionAlignment; }
    void SetCaptionAlignment(TAlignment value);
    TScaleUnitAnchor CaptionAnchor() const { return FCaptionAnchor; }
    void SetCaptionAnchor(TScaleUnitAnchor value);
    TColor ColorScale() const { return FColorScale; }
    void SetColorScale(TColor value);
    QString ScaleInscript() const { return FScaleInscript; }
    void SetScaleInscript(const QString& value);
    QString UserTickText() const { return FUserTickText; }
    void SetUserTickText(const QString& value);

    TFont* Font() const { return FFont; }
    TDTLabel* DateFormat() const { return FDateFormat; }

    // The type the scale control is to use; set through ScaleLocation of the descendants.
    TScaleType ScaleType() const { return FScaleType; }
    void SetScaleType(TScaleType value);

    // The creation state lasts until the owner has finished loading; while it lasts Logarithmic is
    // accepted without checks.
    void EndCreation() { FCreating = false; }

    // Called after every real change (also of Font and DateFormat); one handler or none.
    void SetOnChange(std::function<void(QObject* sender)> handler) { FOnChange = std::move(handler); }

private:
    void changed();
    void setRange(double low, double high);

    ScaleSettings FSettings{.RangeLow = 0, .RangeHigh = 1};
    double FMinRange = 1e-10;
    int FMinTicks = 3;
    bool FShortTicks = true;
    bool FVisible = false;
    int FScalePosVert = 0;
    int FScalePosHoriz = 0;
    QString FCaption;
    int FCaptionPosX = 0;
    int FCaptionPosY = 0;
    TAlignment FCaptionAlignment = TAlignment::taCenter;
    TScaleUnitAnchor FCaptionAnchor = TScaleUnitAnchor::uaSclTopLft;
    TColor FColorScale = clBlack;
    QString FScaleInscript;
    QString FUserTickText;
    TFont* FFont;
    TDTLabel* FDateFormat;
    TScaleType FScaleType = TScaleType::sctXB;
    bool FCreating = true;
    std::function<void(QObject*)> FOnChange;
};

class TScalePropsHoriz : public TScaleProps {
    Q_OBJECT
    Q_PROPERTY(ScaleEnums::TScaleLocationHoriz ScaleLocation READ ScaleLocation WRITE SetScaleLocation)
public:
    explicit TScalePropsHoriz(QObject* parent = nullptr);

    // slTop uses sctXB (base line at the bottom of the band above the chart), slBottom sctXT.
    TScaleLocationHoriz ScaleLocation() const;
    void SetScaleLocation(TScaleLocationHoriz value);
};

class TScalePropsVert : public TScaleProps {
    Q_OBJECT
    Q_PROPERTY(ScaleEnums::TScaleLocationVert ScaleLocation READ ScaleLocation WRITE SetScaleLocation)
public:
    explicit TScalePropsVert(QObject* parent = nullptr);

    // slLeft uses sctYR (base line on the right of the band left of the chart), slRight sctYL.
    TScaleLocationVert ScaleLocation() const;
    void SetScaleLocation(TScaleLocationVert value);
};
