#include "app/componentclasses.h"

#include "chart/rchart.h"
#include "hostlink/marvestodemon.h"
#include "platform/layout/layoutregistry.h"
#include "viewer/htmlviewer.h"
#include "widgets/rasterlab.h"
#include "widgets/sline.h"
#include "widgets/urllab.h"

void RegisterKyveloComponents() {
    RegisterComponentClass<TRChart>(QStringLiteral("TRChart"));
    RegisterComponentClass<TRasterLab>(QStringLiteral("TRasterLab"));
    RegisterComponentClass<TSLine>(QStringLiteral("TSLine"));
    RegisterComponentClass<TUrlLab>(QStringLiteral("TUrlLab"));
    RegisterComponentClass<THTMLViewer>(QStringLiteral("THTMLViewer"));
    RegisterComponentClass<TkdbDemonClient>(QStringLiteral("TkdbDemonClient"));
}
