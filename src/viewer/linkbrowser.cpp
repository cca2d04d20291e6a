#include "viewer/linkbrowser.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>

#include <algorithm>
#include <vector>

LinkBrowser::LinkBrowser(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setMouseTracking(true);
}

void LinkBrowser::setOverLinks(bool active, const QColor& color) {
    FOverLinks = active;
    FOverLinkColor = color;
    FHovered.clear();
    setExtraSelections({});
}

void LinkBrowser::mouseMoveEvent(QMouseEvent* event) {
    QTextBrowser::mouseMoveEvent(event);
    const QPoint at = event->position().toPoint();
    hover(anchorAt(at), at);
}

void LinkBrowser::mousePressEvent(QMouseEvent* event) {
    FPressed = event->button() == Qt::LeftButton ? anchorAt(event->position().toPoint()) : QString();
    QTextBrowser::mousePressEvent(event);
}

void LinkBrowser::mouseReleaseEvent(QMouseEvent* event) {
    const QString href = anchorAt(event->position().toPoint());
    const bool click = event->button() == Qt::LeftButton && !href.isEmpty() && href == FPressed;
    FPressed.clear();
    QTextBrowser::mouseReleaseEvent(event);
    if (click) emit linkClicked(href);
}

// The text control selects all on its shortcut whatever its interaction flags say; text that may
// not be selected stays unselected, and the key goes on to the window.
void LinkBrowser::keyPressEvent(QKeyEvent* event) {
    const Qt::TextInteractionFlags selectable = Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard;
    if (event->matches(QKeySequence::SelectAll) && !(textInteractionFlags() & selectable)) {
        event->ignore();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

void LinkBrowser::leaveEvent(QEvent* event) {
    QTextBrowser::leaveEvent(event);
    hover(QString(), QPoint());
}

void LinkBrowser::hover(const QString& href, const QPoint& at) {
    if (!FOverLinks || href == FHovered) return;
    FHovered = href;
    QList<ExtraSelection> marks;
    if (!href.isEmpty()) {
        ExtraSelection mark;
        mark.cursor = linkRunAt(cursorForPosition(at).position(), href);
        mark.format.setForeground(FOverLinkColor);
        marks.append(mark);
    }
    setExtraSelections(marks);
}

// The stretch of text around position that links to href: the link the mouse is over, not every
// link to the same target.
QTextCursor LinkBrowser::linkRunAt(int position, const QString& href) const {
    std::vector<std::pair<int, int>> runs; // [start, end) of adjoining fragments with this target
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != href) continue;
            const int from = fragment.position(), to = from + fragment.length();
            if (!runs.empty() && runs.back().second == from)
                runs.back().second = to;
            else
                runs.emplace_back(from, to);
        }
    QTextCursor run(document());
    if (runs.empty()) return run;
    auto hit = std::find_if(runs.begin(), runs.end(),
                            [&](const auto& r) { return r.first <= position && position <= r.second; });
    if (hit == runs.end()) hit = runs.begin();
    run.setPosition(hit->first);
    run.setPosition(hit->second, QTextCursor::KeepAnchor);
    return run;
}
