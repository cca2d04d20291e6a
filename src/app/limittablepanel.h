// The limit table beside the chart: its heading naming the trip and point 1, the secant slopes from
// both sides of point 1 over shrinking intervals and the tangent's slope under them, following
// point 1 live, and a button that copies the table for a spreadsheet. Screen readers meet it as a
// table. Where it lies is the window's tools layout's to say (toolslayout.h).
#pragma once

#include "app/limittable.h"
#include "platform/controls/stdctrls.h"

#include <functional>

class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;
class Simulation;
class StudyTexts;
class TForm;
class TRivazidad2000;

class LimitTablePanel : public TPanel {
    Q_OBJECT
public:
    // A panel of the window, showing the table of the simulation's trip and point 1 in the words of
    // the dictionary given (untranslated where it gives none).
    LimitTablePanel(TForm& window, const Simulation& model, const StudyTexts& texts,
                    std::function<TRivazidad2000*()> dictionary);

    bool shown() const { return Visible(); }
    void setShown(bool shown);
    // Shows the table of the simulation as it is now (while shown; otherwise when it opens).
    void follow();
    // Leaves every cell but the first column's (dt and the tangent's captions) blank, or shows them.
    void hideValues(bool hidden);
    // The table as tab-separated text, as "Copy table" puts it on the clipboard.
    QString text() const;
    void copyToClipboard() const;
    // The captions in the language in use: the table is laid out anew when it next shows.
    void retranslate();

    QLabel* heading() const { return FHeading; }
    QTableView* view() const { return FView; }
    QPushButton* copyButton() const { return FCopy; }

private:
    LimitTableWords words() const;
    LimitTable table() const;
    void fill();
    void layOut(const QStringList& captions, int rows);
    void fitTangentRows();

    const Simulation& FSimulation;
    const StudyTexts& FTexts;
    std::function<TRivazidad2000*()> FDictionary;
    QLabel* FHeading;
    QTableView* FView;
    QStandardItemModel* FModel;
    QPushButton* FCopy;
    bool FValuesHidden = false;
};
