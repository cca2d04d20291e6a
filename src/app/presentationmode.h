// Presentation mode: the main window full screen, with the distance chart, the velocity graph, the
// read-outs with their captions and the explanatory text enlarged with the screen, so that the back
// row of a class can read them off a projector. The panel of controls at the top keeps its size.
// Leaving the mode restores the window's size, place and state and every enlarged part.
#pragma once

#include "app/windowparts.h"

#include <QByteArray>
#include <QObject>
#include <QRect>
#include <QSize>

#include <functional>
#include <vector>

class QShortcut;
class TControl;
class TMouseControl;

class PresentationMode : public QObject {
    Q_OBJECT
public:
    // The controls that draw pictures of their own, as they are when the mode switches.
    using PictureControls = std::function<std::vector<TMouseControl*>()>;
    // Escape leaves the mode; the menu's entry (F5) switches it.
    PresentationMode(const WindowParts& window, PictureControls pictureControls);

    // How much larger the enlarged parts are drawn on a screen of this size (logical pixels): as
    // much as a picture of 768 x 432 takes to fill it, and never smaller than at the window's size.
    static double zoomFor(QSize screen);

    bool active() const { return FActive; }
    void toggle();

private:
    // What the enlarged controls were before, to be given back.
    struct Stored {
        TControl* Control;
        QRect Bounds;
        int FontHeight;
        bool ParentFont;
    };
    void enter();
    void leave();
    void enlarge(double zoom);
    // Its bounds, and its font where the control shows text in it.
    void storeAndScale(TControl& control, double zoom, bool withFont);
    void zoomPictures(double zoom);

    TForm& form() const { return *FWindow.Window; }

    const WindowParts FWindow;
    PictureControls FPictureControls;
    QShortcut* FEscape;
    bool FActive = false;
    QByteArray FWindowGeometry;
    Qt::WindowStates FWindowState = Qt::WindowNoState;
    std::vector<Stored> FStored;
    int FTextSize = 0;
};
