// TForm: a top-level window built from a stored layout. A program's window class derives from it,
// publishes its handlers by name in its constructor and then reads its layout:
//
//   TForm1::TForm1() {
//       PublishHandler(QStringLiteral("FormShow"), this, &TForm1::FormShow);
//       readFormLayout(*this, QStringLiteral(":/layouts/mainfrm.lfm"));
//   }
//
// Width/Height and ClientWidth/ClientHeight both give the client area: the window manager adds its
// frame, whose size is not known before the window is first shown. Left/Top place the window on the
// screen and are not scaled. Constraints bound the client area, also when the user resizes. A menu
// bar, where a form has one, lies above the client area, outside it as the frame is.
#pragma once

#include "platform/controls/control.h"

#include <QImage>
#include <QString>

class QEventLoop;
class QMenuBar;

namespace Forms {
Q_NAMESPACE

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
Q_ENUM_NS(TFormBorderStyle)

enum class TPosition { poDesigned, poDefault, poScreenCenter, poMainFormCenter };
Q_ENUM_NS(TPosition)

} // namespace Forms

using Forms::TFormBorderStyle;
using Forms::TPosition;

class TForm : public TControl {
    Q_OBJECT
    Q_CLASSINFO("ScaledProperties", "Width,Height,ClientWidth,ClientHeight")
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int ClientWidth READ ClientWidth WRITE SetClientWidth)
    Q_PROPERTY(int ClientHeight READ ClientHeight WRITE SetClientHeight)
    Q_PROPERTY(int PixelsPerInch READ PixelsPerInch WRITE SetPixelsPerInch)
    Q_PROPERTY(bool Scaled READ Scaled WRITE SetScaled)
    Q_PROPERTY(Forms::TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(Forms::TPosition Position READ Position WRITE SetPosition)
    Q_PROPERTY(QImage Icon READ Icon WRITE SetIcon)
public:
    explicit TForm(TComponentBase* owner = nullptr, QWidget* parent = nullptr);

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& value) { setWindowTitle(value); }
    int ClientWidth() const { return width(); }
    void SetClientWidth(int value) { SetWidth(value); }
    int ClientHeight() const { return height() - menuBarHeight(); }
    void SetClientHeight(int value) { SetHeight(value + menuBarHeight()); }
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int value) { FPixelsPerInch = value; }
    bool Scaled() const { return FScaled; }
    void SetScaled(bool value) { FScaled = value; }
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }
    // The window's icon (title bar, task bar); an empty image leaves the application's.
    QImage Icon() const { return FIcon; }
    void SetIcon(const QImage& value);

    // Raised each time the form is shown from hidden (not when restored from minimised), once the
    // window is on the screen: a dialog shown modally from here opens in front of it.
    const TNotifyEvent& OnShow() const { return FOnShow; }
    void SetOnShow(TNotifyEvent handler) { FOnShow = std::move(handler); }

    const HandlerTable& PublishedHandlers() const { return FHandlers; }

    // Puts the bar above the client area; the window grows by its height, so that the client area
    // and everything aligned in it keep their sizes.
    void SetMenuBar(QMenuBar* bar);
    QMenuBar* MenuBar() const { return FMenuBar; }

    // Shows the form modally and returns when it is hidden again (Close).
    void ShowModal();
    void Close() { close(); }
    void setVisible(bool visible) override;

protected:
    template <class Form, class Result, class... Args>
    void PublishHandler(const QString& name, Form* form, Result (Form::*method)(Args...)) {
        FHandlers.add(name, form, method);
    }
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    QRect AlignRect() const override;

private:
    bool sizeable() const;
    int menuBarHeight() const;

    int FPixelsPerInch;
    bool FScaled = true;
    TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
    TPosition FPosition = TPosition::poDesigned;
    QImage FIcon;
    TNotifyEvent FOnShow;
    HandlerTable FHandlers;
    QEventLoop* FModalLoop = nullptr;
    QMenuBar* FMenuBar = nullptr;
};
