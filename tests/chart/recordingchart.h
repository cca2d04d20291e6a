// A chart that records the message boxes it would show and the paints requested of it.
#pragma once

#include "chart/rchart.h"

#include <QStringList>

class RecordingChart : public TRChart {
public:
    explicit RecordingChart(const char* name = "RC1") : TRChart(nullptr) {
        SetName(QString::fromLatin1(name));
    }
    void Paint() override {
        ++paints;
        TRChart::Paint();
    }
    QStringList messages;
    int paints = 0;

protected:
    void ShowInfoMessage(const QString& text) override { messages << text; }
};
