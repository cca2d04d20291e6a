#include "app/accessibleface.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QWidget>

namespace {

// Qt asks a plain factory function for a widget's accessible interface: the faces it answers with
// are kept here.
QHash<QObject*, AccessibleFace>& faces() {
    static QHash<QObject*, AccessibleFace> registry;
    return registry;
}

// Where announcements go instead of Qt's accessibility events (setAnnounceHandler).
AnnounceHandler& announceHandler() {
    static AnnounceHandler handler;
    return handler;
}

QString textOf(const std::function<QString()>& source) {
    return source ? source() : QString();
}

// A face with a value offers it as read-only text as well: that is where screen readers look
// for the words of a label.
class FaceAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    FaceAccessible(QWidget* widget, const AccessibleFace& face)
        : QAccessibleWidget(widget, face.Role), FFace(face) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return textOf(FFace.Name);
        case QAccessible::Value:
            return textOf(FFace.Value);
        case QAccessible::Description:
            return textOf(FFace.Description);
        default:
            return QAccessibleWidget::text(t);
        }
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface && FFace.Value)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // Read-only text without selection or caret.
    QString text(int startOffset, int endOffset) const override {
        return textOf(FFace.Value).mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(textOf(FFace.Value).size()); }
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        return {};
    }

private:
    AccessibleFace FFace;
};

QAccessibleInterface* faceFactory(const QString&, QObject* object) {
    const auto found = faces().constFind(object);
    if (found == faces().constEnd()) return nullptr;
    return new FaceAccessible(static_cast<QWidget*>(object), *found);
}

void announce(QAccessibleEvent* event) {
    if (announceHandler())
        announceHandler()(event);
    else
        QAccessible::updateAccessibility(event);
}

} // namespace

void setAccessibleFace(QWidget* widget, AccessibleFace face) {
    static const bool installed = (QAccessible::installFactory(faceFactory), true);
    Q_UNUSED(installed);
    faces().insert(widget, std::move(face));
    QObject::connect(widget, &QObject::destroyed, [widget] { faces().remove(widget); });
}

void setAnnounceHandler(AnnounceHandler handler) {
    announceHandler() = std::move(handler);
}

void announceValueChange(QWidget* widget) {
    // The spoken value is worked out only for a listener: a start or a drag without one skips it.
    if (!announceHandler() && !QAccessible::isActive()) return;
    const auto found = faces().constFind(widget);
    QAccessibleValueChangeEvent event(widget, found == faces().constEnd() ? QVariant()
                                                                          : QVariant(textOf(found->Value)));
    announce(&event);
}

void announceDescriptionChange(QWidget* widget) {
    QAccessibleEvent event(widget, QAccessible::DescriptionChanged);
    announce(&event);
}
