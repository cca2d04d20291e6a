// The About dialog: the program's name and version, a description, a rights notice and up to three
// links. Built from the stored layout ":/layouts/aboutbox.lfm" at its own pixel size (not scaled).
// The main window fills in its texts and shows it; the dialog only decides which links show and
// closes on OK, Enter or Escape.
#pragma once

#include "platform/controls/forms.h"

class TBitBtn;
class TLabel;
class TPanel;
class TUrlLab;

class TFrmAbout : public TForm {
    Q_OBJECT
public:
    TFrmAbout();
    ~TFrmAbout() override;

    // Published handlers.
    void BButOKClick(QObject* Sender);
    void FormShow(QObject* Sender);

    // Shows the dialog modally, centred over `owner` where that is on the screen.
    void ShowModalOver(const QWidget& owner);

    TPanel* Panel1 = nullptr;
    TLabel* LblName = nullptr;
    TLabel* LblVersion = nullptr;
    TLabel* LblAuthor = nullptr;
    TLabel* LblCopyright = nullptr;
    TLabel* LblDescription = nullptr;
    TPanel* Panel2 = nullptr;
    TLabel* LblWebSite = nullptr;
    TUrlLab* UrlLabVRXSuite = nullptr;
    TUrlLab* UrlLabRadavuziziz = nullptr;
    TUrlLab* UrlLabHomepage = nullptr;
    TBitBtn* BButOK = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    // Enter and Escape close the dialog as OK does, wherever its focus is.
    void keyPressEvent(QKeyEvent* event) override;

private:
    const QWidget* FOwnerWindow = nullptr; // while shown by ShowModalOver
};

// The About dialog, created hidden at start and living until the program ends.
extern TFrmAbout* FrmAbout;
