// The limit table beside the chart: its heading naming the trip and point 1, the secant slopes from
// both sides of point 1 over shrinking intervals and the tangent's slope under them, following
// point 1 live, and a button that copies the table for a spreadsheet. Screen readers meet it as a
// table. Where it lies is the window's tools layout's to say (toolslayout.h).
#pragma once

#include "app/limittable.h"
#include "platform/controls/stdctrls.h"

class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;
class StudyTexts;
class TForm1;

class LimitTablePanel : public TPanel {
    Q_OBJECT
public:
    LimitTablePanel(TForm1& form, const StudyTexts& texts);

    bool shown() const { return Visible(); }
    void setShown(bool shown);
    // Shows the table of this profile and time of point 1 (kept while hidden, shown when it opens).
    void follow(int profile, double t1);
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
    void fill();
    void layOut(const QStringList& captions, int rows);
    void fitTangentRows();

    TForm1& FForm;
    const StudyTexts& FTexts;
    QLabel* FHeading;
    QTableView* FView;
    QStandardItemModel* FModel;
    QPushButton* FCopy;
    int FProfile = 0;
    double FTime1 = 0;
    bool FValuesHidden = false;
};
