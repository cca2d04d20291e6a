#include "platform/controls/collection.h"

TCollection::~TCollection() = default;

QObject* TCollection::Add(std::unique_ptr<QObject> item) {
    FItems.push_back(std::move(item));
    return FItems.back().get();
}
