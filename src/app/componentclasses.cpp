#include "app/componentclasses.h"

#include "chart/rchart.h"
#include "hostlink/marvestodemon.h"
#include "platform/layout/layoutregistry.h"
#include "widgets/rasterlab.h"
#include "widgets/sline.h"

void registerKyveloComponents() {
    registerComponentClass<TRChart>(QStringLiteral("TRChart"));
    registerComponentClass<TRasterLab>(QStringLiteral("TRasterLab"));
    registerComponentClass<TSLine>(QStringLiteral("TSLine"));
    registerComponentClass<TkdbDemonClient>(QStringLiteral("TkdbDemonClient"));
}
