#include "app/layoutresources.h"

#include <QtCore/qglobal.h>

void initLayoutResources() {
    Q_INIT_RESOURCE(app);
}
