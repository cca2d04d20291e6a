// The pictures the command line writes: the main window, or its chart as Save picture makes it,
// drawn at a whole multiple of the window's size. A larger picture is drawn, not enlarged: the
// window keeps its layout and is drawn at that many device pixels to each of its pixels, and the
// controls that draw pictures of their own draw them at that pixel ratio, so that every part, the
// chart's marks, texts and lines included, is that many times its size and as sharp as at one.
#pragma once

#include "app/commandline.h"
#include "app/windowparts.h"

#include <QImage>

#include <vector>

class TMouseControl;

// The picture of a shown window, at the size it was laid out at (a screen smaller than that may
// have made the window smaller), `scale` times as large; pictureControls are the controls that draw
// pictures of their own.
QImage screenshotPicture(const WindowParts& window, const std::vector<TMouseControl*>& pictureControls,
                         ScreenshotPicture picture, QSize laidOut, int scale);
