// TUrlLab: a label that acts as a link. While the mouse is over it the text shows in FontActive;
// a click opens URL, a web address or a local page, in the browser, or starts the program URL
// names (ending in ".exe") with TaskParams as its command line, and then fires OnClick.
//
// The font the label returns to when the mouse leaves is its font as the stored layout left it.
#pragma once

#include "platform/controls/exceptions.h"
#include "platform/controls/stdctrls.h"

class EVRXURLLabError : public EVRXError {
public:
    using EVRXError::EVRXError;
};

class TUrlLab : public TLabel {
    Q_OBJECT
    Q_PROPERTY(TFont* FontActive READ FontActive)
    Q_PROPERTY(QString URL READ URL WRITE SetURL)
    Q_PROPERTY(QString TaskParams READ TaskParams WRITE SetTaskParams)
public:
    explicit TUrlLab(TComponentBase* owner, QWidget* parent = nullptr);

    TFont* FontActive() const { return FFontActive; }
    void SetFontActive(const TFont& value);
    QString URL() const { return FURL; }
    // Stored without leading and trailing blanks.
    void SetURL(const QString& value);
    QString TaskParams() const { return FTaskParams; }
    void SetTaskParams(const QString& value);

    const TNotifyEvent& OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent handler) { FOnClick = std::move(handler); }
    const TNotifyEvent& OnMouseEnter() const { return FOnMouseEnter; }
    void SetOnMouseEnter(TNotifyEvent handler) { FOnMouseEnter = std::move(handler); }
    const TNotifyEvent& OnMouseLeave() const { return FOnMouseLeave; }
    void SetOnMouseLeave(TNotifyEvent handler) { FOnMouseLeave = std::move(handler); }

    // Follows the link as a click of the user does; raises EVRXURLLabError when URL is neither an
    // address for the browser nor a program, or the program cannot be started (OnClick does not fire then).
    void Click();

    void Loaded() override;

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void openWebAddress();
    void startProgram();
    [[noreturn]] void fail(const QString& text) const;

    QString FURL;
    QString FTaskParams;
    TFont* FFontActive;
    TFont* FFontNormal;
    bool FPressed = false;
    TNotifyEvent FOnClick;
    TNotifyEvent FOnMouseEnter;
    TNotifyEvent FOnMouseLeave;
};

// Whether a link target is an address for the browser: a web page ("http://", "https://") or a
// local page ("file://", such as the help pages that come with the program), in any letter case.
bool isBrowserAddress(const QString& url);
// The extension of the file a path names, from the last "." of its last part ("" when none).
QString fileExtension(const QString& path);
