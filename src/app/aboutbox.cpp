#include "app/aboutbox.h"

#include "app/componentclasses.h"
#include "app/layoutresources.h"
#include "app/requirecomponent.h"
#include "app/windowplacement.h"
#include "platform/controls/buttons.h"
#include "platform/controls/stdctrls.h"
#include "platform/layout/layoutloader.h"
#include "widgets/urllab.h"

#include <QKeyEvent>
#include <QShowEvent>

TFrmAbout* FrmAbout = nullptr;

TFrmAbout::TFrmAbout() {
    initLayoutResources();
    registerKyveloComponents();
    PublishHandler(QStringLiteral("BButOKClick"), this, &TFrmAbout::BButOKClick);
    PublishHandler(QStringLiteral("FormShow"), this, &TFrmAbout::FormShow);
    readFormLayout(*this, QStringLiteral(":/layouts/aboutbox.lfm"));
    Panel1 = requireComponent<TPanel>(*this, "Panel1");
    LblName = requireComponent<TLabel>(*this, "LblName");
    LblVersion = requireComponent<TLabel>(*this, "LblVersion");
    LblAuthor = requireComponent<TLabel>(*this, "LblAuthor");
    LblCopyright = requireComponent<TLabel>(*this, "LblCopyright");
    LblDescription = requireComponent<TLabel>(*this, "LblDescription");
    Panel2 = requireComponent<TPanel>(*this, "Panel2");
    LblWebSite = requireComponent<TLabel>(*this, "LblWebSite");
    UrlLabVRXSuite = requireComponent<TUrlLab>(*this, "UrlLabVRXSuite");
    UrlLabRadavuziziz = requireComponent<TUrlLab>(*this, "UrlLabRadavuziziz");
    UrlLabHomepage = requireComponent<TUrlLab>(*this, "UrlLabHomepage");
    BButOK = requireComponent<TBitBtn>(*this, "BButOK");
}

TFrmAbout::~TFrmAbout() {
    if (FrmAbout == this) FrmAbout = nullptr;
}

void TFrmAbout::BButOKClick(QObject*) {
    Close();
}

void TFrmAbout::ShowModalOver(const QWidget& owner) {
    FOwnerWindow = &owner;
    ShowModal();
    FOwnerWindow = nullptr;
}

void TFrmAbout::showEvent(QShowEvent* event) {
    TForm::showEvent(event);
    if (!event->spontaneous() && FOwnerWindow && FOwnerWindow->isVisible()) centreOver(*this, *FOwnerWindow);
}

void TFrmAbout::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        Close();
        break;
    default:
        TForm::keyPressEvent(event);
    }
}

// The home-page link shows only when the language file names the page; without it the two other
// links move to the middle of their panel.
void TFrmAbout::FormShow(QObject*) {
    const QString homePage = UrlLabHomepage->Caption();
    const bool hasHomePage = !homePage.isEmpty() && homePage != QLatin1String("HomePage");
    UrlLabHomepage->SetVisible(hasHomePage);
    UrlLabVRXSuite->SetTop(hasHomePage ? 8 : 16);
    UrlLabRadavuziziz->SetTop(hasHomePage ? 24 : 32);
}
