// The text browser inside THTMLViewer: it marks the link under the mouse and signals link clicks
// instead of following them.
#pragma once

#include <QColor>
#include <QTextBrowser>

class LinkBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit LinkBrowser(QWidget* parent);

    // Links are marked while the mouse is over them only when active.
    void setOverLinks(bool active, const QColor& color);
    QString hoveredLink() const { return FHovered; }

signals:
    // A left click pressed and released on the same link; href as the document writes it.
    void linkClicked(const QString& href);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void hover(const QString& href, const QPoint& at);
    QTextCursor linkRunAt(int position, const QString& href) const;

    QString FHovered;
    QString FPressed;
    bool FOverLinks = false;
    QColor FOverLinkColor;
};
