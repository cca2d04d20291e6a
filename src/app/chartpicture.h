// Pictures of the simulation for worksheets: the chart and the panel of read-outs beside it, as
// the window shows them but without the chart's focus cues.
#pragma once

#include <QImage>
#include <QString>

class QWidget;
class TCustomRChart;

// Both widgets must share one parent; the picture covers the two of them in their places, the other
// charts of that parent that are shown (the velocity graph under the chart), and whatever else of
// that parent is shown between them (the limit table). At a scale above 1 the picture has that many
// pixels to each of the window's, the charts' pictures drawn at that pixel ratio beforehand.
QImage worksheetPicture(const TCustomRChart& chart, const QWidget& readouts, int scale = 1);

// A PNG file; ".png" is added to a name without an extension. False when it cannot be written.
bool savePictureAsPng(const QImage& picture, QString& path);
void copyPictureToClipboard(const QImage& picture);

// A name in the user's pictures folder (the home folder where there is none).
QString defaultPicturePath();
