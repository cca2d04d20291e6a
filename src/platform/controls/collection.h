// A published list of like sub-objects (the items), owned by the collection and kept in index order.
// Reflection recognises it as a collection, so that walks over published properties (translation)
// reach the properties of every item.
#pragma once

#include <QObject>

#include <memory>
#include <vector>

class TCollection : public QObject {
    Q_OBJECT
public:
    TCollection() = default;
    ~TCollection() override;

    int Count() const { return static_cast<int>(FItems.size()); }
    QObject* Items(int index) const { return FItems.at(static_cast<std::size_t>(index)).get(); }
    // Takes ownership of item and appends it; returns it.
    QObject* Add(std::unique_ptr<QObject> item);

private:
    std::vector<std::unique_ptr<QObject>> FItems;
};
