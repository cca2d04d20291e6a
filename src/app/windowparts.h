// The parts of the main window that its tools lay out, enlarge and draw, found in its stored layout
// by name: the views take these instead of the window itself.
#pragma once

class TForm;
class THTMLViewer;
class TPanel;
class TRChart;

struct WindowParts {
    TForm* Window = nullptr;
    TPanel* Controls = nullptr; // the panel at the top, with the check boxes and the profile box
    TRChart* Chart = nullptr;   // the distance chart
    TPanel* Readouts = nullptr; // the read-outs on the right
    TPanel* Strip = nullptr;    // the explanatory text's strip at the bottom
    THTMLViewer* Text = nullptr;
};
