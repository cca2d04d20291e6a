#include "platform/controls/forms.h"

#include "platform/graphics/font.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QIcon>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QShowEvent>

using enum Forms::TFormBorderStyle;
using enum Forms::TPosition;

TForm::TForm(TComponentBase* owner, QWidget* parent)
    : TControl(owner, parent), FPixelsPerInch(screenPixelsPerInch()) {
    setWindowFlag(Qt::Window);
    PublishEvent(QStringLiteral("OnShow"), &FOnShow);
}

void TForm::SetBorderStyle(TFormBorderStyle value) {
    FBorderStyle = value;
    setWindowFlag(Qt::FramelessWindowHint, value == bsNone);
    setWindowFlag(Qt::Dialog, value == bsDialog);
    setWindowFlag(Qt::Tool, value == bsToolWindow || value == bsSizeToolWin);
}

void TForm::SetIcon(const QImage& value) {
    FIcon = value;
    setWindowIcon(value.isNull() ? QIcon() : QIcon(QPixmap::fromImage(value)));
}

void TForm::ShowModal() {
    QEventLoop loop;
    FModalLoop = &loop;
    setWindowModality(Qt::ApplicationModal);
    show();
    if (isVisible()) // OnShow may already have closed it
        loop.exec();
    FModalLoop = nullptr;
}

bool TForm::sizeable() const {
    return FBorderStyle == bsSizeable || FBorderStyle == bsSizeToolWin;
}

void TForm::showEvent(QShowEvent* event) {
    TControl::showEvent(event);
    if (event->spontaneous()) return;
    if (!sizeable()) setFixedSize(size());
    if (FPosition == poScreenCenter && screen())
        move(screen()->availableGeometry().center() - rect().center());
}

void TForm::setVisible(bool visible) {
    const bool showing = visible && !isVisible();
    TControl::setVisible(visible);
    if (showing && isVisible() && FOnShow) FOnShow(this);
}

void TForm::hideEvent(QHideEvent* event) {
    TControl::hideEvent(event);
    if (FModalLoop && !event->spontaneous()) FModalLoop->quit();
}

void TForm::SetMenuBar(QMenuBar* bar) {
    const int client = ClientHeight();
    FMenuBar = bar;
    FMenuBar->setParent(this);
    FMenuBar->setGeometry(0, 0, width(), FMenuBar->sizeHint().height());
    FMenuBar->show();
    setMinimumHeight(minimumHeight() + menuBarHeight());
    SetClientHeight(client);
}

int TForm::menuBarHeight() const {
    return FMenuBar ? FMenuBar->height() : 0;
}

void TForm::resizeEvent(QResizeEvent* event) {
    if (FMenuBar) FMenuBar->resize(width(), FMenuBar->height());
    TControl::resizeEvent(event);
}

QRect TForm::AlignRect() const {
    return rect().adjusted(0, menuBarHeight(), 0, 0);
}
