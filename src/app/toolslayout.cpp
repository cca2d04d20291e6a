#include "app/toolslayout.h"

#include "app/mainfrm.h"
#include "chart/rchart.h"
#include "platform/controls/stdctrls.h"
#include "viewer/htmlviewer.h"

#include <algorithm>
#include <cmath>

using enum Controls::TAlign;

ToolsPlaces placeTools(const ToolsRoom& room) {
    const QRect& free = room.Free;
    const QRect column = free.adjusted(0, 0, -room.TableWidth, 0);
    ToolsPlaces places{column, {}, {}, room.StoredStrip};
    if (room.Graph) {
        const int share = static_cast<int>(std::lround(free.height() * kGraphShare));
        places.Strip = std::max(room.StoredStrip,
                                std::min(room.StripNeeded, room.StoredStrip + share - kLeastGraphHeight));
        places.Chart.setHeight(free.height() - share);
        places.Graph = QRect(column.x(), places.Chart.bottom() + 1, column.width(),
                             share - (places.Strip - room.StoredStrip));
    }
    if (room.TableWidth > 0)
        places.Table = QRect(column.right() + 1, free.y(), room.TableWidth,
                             free.height() - (places.Strip - room.StoredStrip));
    return places;
}

namespace {

bool shown(const TControl* control) {
    return control && control->Visible();
}

// The strip's height that shows its whole text across the window's width.
int stripNeeded(const TForm1& form) {
    const int frame = form.Panel3->height() - form.HTMLView->height();
    const int textWidth = form.width() - (form.Panel3->width() - form.HTMLView->width());
    return form.HTMLView->heightForWidth(textWidth) + frame;
}

void place(TControl* control, const QRect& r) {
    control->SetBounds(r.x(), r.y(), r.width(), r.height());
}

} // namespace

void layOutTools(TForm1& form, int storedStrip, TControl* graph, TControl* table) {
    if (!shown(graph) && !shown(table)) {
        form.Panel3->SetHeight(storedStrip);
        form.RC1->SetAlign(alClient);
        return;
    }
    const int top = form.height() - form.ClientHeight() + form.Panel1->height();
    const ToolsRoom room{
        QRect(0, top, form.width() - form.Panel2->width(), form.height() - top - storedStrip), storedStrip,
        shown(graph) ? stripNeeded(form) : storedStrip, shown(table) ? form.Panel2->width() * 140 / 100 : 0,
        shown(graph)};
    const ToolsPlaces places = placeTools(room);
    form.RC1->SetAlign(alNone);
    form.Panel3->SetHeight(places.Strip);
    place(form.RC1, places.Chart);
    if (shown(graph)) place(graph, places.Graph);
    if (shown(table)) place(table, places.Table);
}
