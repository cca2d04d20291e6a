#include "widgets/urllab.h"

#include "platform/system/shellexecute.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QRegularExpression>

bool isBrowserAddress(const QString& url) {
    for (const char* scheme : {"http://", "https://", "file://"})
        if (url.startsWith(QLatin1String(scheme), Qt::CaseInsensitive)) return true;
    return false;
}

QString fileExtension(const QString& path) {
    const qsizetype nameStart = path.lastIndexOf(QRegularExpression(QStringLiteral("[/\\\\:]"))) + 1;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot >= nameStart ? path.mid(dot) : QString();
}

TUrlLab::TUrlLab(TComponentBase* owner, QWidget* parent)
    : TLabel(owner, parent), FFontActive(new TFont(this)), FFontNormal(new TFont(this)) {
    FFontActive->Assign(*Font());
    PublishEvent(QStringLiteral("OnClick"), &FOnClick);
    PublishEvent(QStringLiteral("OnMouseEnter"), &FOnMouseEnter);
    PublishEvent(QStringLiteral("OnMouseLeave"), &FOnMouseLeave);
}

void TUrlLab::SetFontActive(const TFont& value) {
    FFontActive->Assign(value);
    if (isVisible()) update();
}

void TUrlLab::SetURL(const QString& value) {
    FURL = value.trimmed();
    if (isVisible()) update();
}

void TUrlLab::SetTaskParams(const QString& value) {
    FTaskParams = value.trimmed();
    if (isVisible()) update();
}

void TUrlLab::Loaded() {
    TLabel::Loaded();
    FFontNormal->Assign(*Font());
}

void TUrlLab::Click() {
    if (!FURL.isEmpty()) {
        if (isBrowserAddress(FURL))
            openWebAddress();
        else if (fileExtension(FURL).toLower() == QLatin1String(".exe"))
            startProgram();
        else
            fail(QStringLiteral("URL of URLLab is invalid"));
    }
    if (FOnClick) FOnClick(this);
}

void TUrlLab::openWebAddress() {
    const QCursor previous = cursor();
    setCursor(Qt::BusyCursor);
    QCoreApplication::processEvents();
    shellExecute({QString(), FURL, QString()}); // a browser that does not open is not reported
    setCursor(previous);
}

void TUrlLab::startProgram() {
    const int code = shellExecute({QStringLiteral("open"), FURL, FTaskParams});
    if (code <= 32 && code != -1) fail(QStringLiteral("Cannot start executable (errnum=%1)").arg(code));
}

void TUrlLab::fail(const QString& text) const {
    throw EVRXURLLabError(componentMessage(Name(), text));
}

void TUrlLab::enterEvent(QEnterEvent* event) {
    TLabel::enterEvent(event);
    if (FOnMouseEnter) FOnMouseEnter(this);
    if (Enabled()) Font()->Assign(*FFontActive);
}

void TUrlLab::leaveEvent(QEvent* event) {
    TLabel::leaveEvent(event);
    if (FOnMouseLeave) FOnMouseLeave(this);
    if (Enabled()) Font()->Assign(*FFontNormal);
}

void TUrlLab::mousePressEvent(QMouseEvent* event) {
    FPressed = event->button() == Qt::LeftButton;
    TLabel::mousePressEvent(event);
}

void TUrlLab::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        FPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    FPressed = false;
    if (click) Click();
    TLabel::mouseReleaseEvent(event);
}
