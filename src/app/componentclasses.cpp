#include "app/componentclasses.h"

#include "chart/rchart.h"
#include "hostlink/marvestodemon.h"
#include "platform/layout/layoutregistry.h"
#include "viewer/htmlviewer.h"
#include "widgets/rasterlab.h"
#include "widgets/sline.h"
#include "widgets/urllab.h"

void registerKyveloComponents() {
    registerComponentClass<TRChart>(QStringLiteral("TRChart"));
    registerComponentClass<TRasterLab>(QStringLiteral("TRasterLab"));
    registerComponentClass<TSLine>(QStringLiteral("TSLine"));
    registerComponentClass<TUrlLab>(QStringLiteral("TUrlLab"));
    registerComponentClass<THTMLViewer>(QStringLiteral("THTMLViewer"));
    registerComponentClass<TkdbDemonClient>(QStringLiteral("TkdbDemonClient"));
}
