#include "app/componentclasses.h"

#include "chart/rchart.h"
#include "hostlink/marvestodemon.h"
#include "platform/layout/layoutregistry.h"
#include "widgets/rasterlab.h"
#include "widgets/sline.h"

void RegisterKyveloComponents() {
    RegisterComponentClass<TRChart>(QStringLiteral("TRChart"));
    RegisterComponentClass<TRasterLab>(QStringLiteral("TRasterLab"));
    RegisterComponentClass<TSLine>(QStringLiteral("TSLine"));
    RegisterComponentClass<TkdbDemonClient>(QStringLiteral("TkdbDemonClient"));
}
