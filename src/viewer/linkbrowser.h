// The text browser inside THTMLViewer: it marks the link under the mouse and passes link clicks to
// the viewer instead of following them.
#pragma once

#include <QColor>
#include <QTextBrowser>

class THTMLViewer;

class LinkBrowser : public QTextBrowser {
public:
    explicit LinkBrowser(THTMLViewer* viewer);

    // Links are marked while the mouse is over them only when active.
    void setOverLinks(bool active, const QColor& color);
    QString hoveredLink() const { return FHovered; }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void hover(const QString& href, const QPoint& at);
    QTextCursor linkRunAt(int position, const QString& href) const;

    THTMLViewer* FViewer;
    QString FHovered;
    QString FPressed;
    bool FOverLinks = false;
    QColor FOverLinkColor;
};
