#include "app/toolslayout.h"

#include "chart/rchart.h"
#include "platform/controls/forms.h"
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
        const int leastGraph = static_cast<int>(std::lround(kLeastGraphHeight * room.Zoom));
        places.Strip =
            std::max(room.StoredStrip, std::min(room.StripNeeded, room.StoredStrip + share - leastGraph));
        places.Chart.setHeight(free.height() - share);
        places.Graph = QRect(column.x(), places.Chart.bottom() + 1, column.width(),
                             share - (places.Strip - room.StoredStrip));
    }
    if (room.Road > 0) {
        places.Chart.setHeight(places.Chart.height() - room.Road);
        places.Road = QRect(column.x(), places.Chart.bottom() + 1, column.width(), room.Road);
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
int stripNeeded(const WindowParts& window) {
    const int frame = window.Strip->height() - window.Text->height();
    const int textWidth = window.Window->width() - (window.Strip->width() - window.Text->width());
    return window.Text->heightForWidth(textWidth) + frame;
}

void place(TControl* control, const QRect& r) {
    control->SetBounds(r.x(), r.y(), r.width(), r.height());
}

} // namespace

void layOutTools(const WindowParts& window, int storedStrip, TControl* graph, TControl* table,
                 QWidget* road) {
    const bool roadShown = road && !road->isHidden();
    if (!shown(graph) && !shown(table) && !roadShown) {
        window.Strip->SetHeight(storedStrip);
        window.Chart->SetAlign(alClient);
        return;
    }
    const TForm& form = *window.Window;
    const int readouts = window.Readouts->width();
    const int top = form.height() - form.ClientHeight() + window.Controls->height();
    const ToolsRoom room{QRect(0, top, form.width() - readouts, form.height() - top - storedStrip),
                         storedStrip,
                         shown(graph) ? stripNeeded(window) : storedStrip,
                         shown(table) ? readouts * 140 / 100 : 0,
                         shown(graph),
                         roadShown ? road->sizeHint().height() : 0,
                         window.Chart->Zoom()};
    const ToolsPlaces places = placeTools(room);
    window.Chart->SetAlign(alNone);
    window.Strip->SetHeight(places.Strip);
    place(window.Chart, places.Chart);
    if (shown(graph)) place(graph, places.Graph);
    if (shown(table)) place(table, places.Table);
    if (roadShown) road->setGeometry(places.Road);
}
