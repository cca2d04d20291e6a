// The pictures the command line writes: the main window, or its chart as Save picture makes it,
// drawn at a whole multiple of the window's size. A larger picture is drawn, not enlarged: the
// window is laid out as on a screen of that many times the resolution, so that its text and lines
// are drawn at the picture's own.
#pragma once

#include "app/commandline.h"

#include <QImage>

class TForm1;

// The resolution to read the main window's layout at for a picture `scale` times its size.
int screenshotPixelsPerInch(int scale);

// Measures in pixels that the layout's resolution does not change: in a window read at
// screenshotPixelsPerInch(scale) the read-outs' dots and the chart's margins and caption places
// grow `scale` times, with the fonts.
void enlargePixelMeasures(TForm1& form, int scale);

// The picture of a shown window, at the size it was laid out at (a screen smaller than that may
// have made the window smaller).
QImage screenshotPicture(TForm1& form, ScreenshotPicture picture, QSize laidOut);
