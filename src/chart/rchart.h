// TRChart: a 2-D chart that keeps what it shows as a flat list of drawing items in data
// coordinates, spread over 16 layers, each with its own pair of scales. The application sets the
// current drawing attributes, appends items and lets the chart paint; it never draws on it directly.
//
// An item list can be shown by up to five charts: its owner and up to four charts whose UseDataOf
// points at the owner. Sharing never chains; every sharing chart points at the owner itself.
#pragma once

#include "chart/chartitems.h"
#include "platform/component.h"

#include <QString>

#include <vector>

class TCustomRChart : public TControl {
    Q_OBJECT
public:
    static constexpr int MaxDataShares = 4;

    explicit TCustomRChart(TComponentBase* owner, QWidget* parent = nullptr);
    ~TCustomRChart() override;

    // Drawing operations: each appends one item stamped with the current attributes; none paints.
    void AddMark(double x, double y, int markType);
    void AddLine(double x1, double y1, double x2, double y2);
    void AddLineTo(double x, double y);
    void AddText(double x, double y, int fontSize, const QString& text);
    // Removes all items, here and in every chart sharing the list.
    void ClearItems();
    int ItemCount() const { return FItems.ItemCount(); }
    const TChartItemList& Items() const { return FItems.List(); }

    TColor DataColor() const { return FItems.DataColor(); }
    void SetDataColor(TColor value) { FItems.SetDataColor(value); }
    TColor FillColor() const { return FItems.FillColor(); }
    void SetFillColor(TColor value) { FItems.SetFillColor(value); }
    TPenStyle PenStyle() const { return FItems.PenStyle(); }
    void SetPenStyle(TPenStyle value) { FItems.SetPenStyle(value); }
    int LineWidth() const { return FItems.LineWidth(); }
    void SetLineWidth(int value) { FItems.SetLineWidth(value); }
    int ClassDefault() const { return FItems.ClassDefault(); }
    void SetClassDefault(int value) { FItems.SetClassDefault(value); }
    int CurrentLayer() const { return FItems.CurrentLayer(); }
    void SetCurrentLayer(int value) { FItems.SetCurrentLayer(value); }
    TAlignment TextAlignment() const { return FItems.TextAlignment(); }
    void SetTextAlignment(TAlignment value);
    int AllocSize() const { return FItems.AllocSize(); }
    void SetAllocSize(int value) { FItems.SetAllocSize(value); }

    // The chart whose item list this one shows; nullptr when it shows its own. Refused requests are
    // reported in an information message box and change nothing.
    TCustomRChart* UseDataOf() const { return FUseDataOf; }
    void SetUseDataOf(TCustomRChart* chart);
    // The charts showing this chart's list, in the order in which they joined.
    const std::vector<TCustomRChart*>& SharingCharts() const { return FSharingCharts; }
    int NumSharingCharts() const { return static_cast<int>(FSharingCharts.size()); }

    // While true, Paint returns at once; setting it to false paints once.
    bool SuppressPaint() const { return FSuppressPaint; }
    void SetSuppressPaint(bool value);
    bool AutoRedraw() const { return FAutoRedraw; }
    void SetAutoRedraw(bool value) { FAutoRedraw = value; }
    // Paints when AutoRedraw is on: what every property change of the chart and its parts calls.
    void RepaintIfAuto();
    // Composes the picture off screen and hands it to the screen in one copy.
    virtual void Paint();

protected:
    // Shows a refused data-sharing request; a modal information box with one OK button.
    virtual void ShowInfoMessage(const QString& text);
    void showEvent(QShowEvent* event) override;

private:
    // After every change of the list: the owner and every chart sharing it take this chart's list.
    void PropagateItems();
    void leaveOwner();
    void joinOwner(TCustomRChart* owner);

    TChartItems FItems;
    TCustomRChart* FUseDataOf = nullptr;
    std::vector<TCustomRChart*> FSharingCharts;
    bool FSuppressPaint = true;
    bool FAutoRedraw = true;
    bool FWindowCreated = false;
};

// The chart with its published properties.
class TRChart : public TCustomRChart {
    Q_OBJECT
    Q_PROPERTY(int AllocSize READ AllocSize WRITE SetAllocSize)
    Q_PROPERTY(bool AutoRedraw READ AutoRedraw WRITE SetAutoRedraw)
    Q_PROPERTY(int ClassDefault READ ClassDefault WRITE SetClassDefault)
    Q_PROPERTY(TColor DataColor READ DataColor WRITE SetDataColor)
    Q_PROPERTY(TColor FillColor READ FillColor WRITE SetFillColor)
    Q_PROPERTY(int LineWidth READ LineWidth WRITE SetLineWidth)
    Q_PROPERTY(Graphics::TPenStyle PenStyle READ PenStyle WRITE SetPenStyle)
    Q_PROPERTY(Graphics::TAlignment TextAlignment READ TextAlignment WRITE SetTextAlignment)
    Q_PROPERTY(TCustomRChart* UseDataOf READ UseDataOf WRITE SetUseDataOf)
public:
    using TCustomRChart::TCustomRChart;
};
