// The yardstick of the start-up benchmark: the least a Qt widgets program does to put a window on
// screen and take its picture. It shows a plain window of the given size from inside the message
// loop, as kyvelo shows its main window; once the window's first paint has reached the screen it
// grabs the window, writes the picture in the file's format and ends.
//
// Given an HTML file as well, the window also shows that text in a text browser along its bottom
// and seven labels in the fonts kyvelo uses (Liberation Sans, 11 and 13 pixels, regular and bold):
// the least a program needs that shows kyvelo's texts. The benchmark does not use this; it is for
// measuring by hand (bench/README.md).
//
//   minimalwindow WIDTH HEIGHT FILE [HTML]
#include <QApplication>
#include <QFile>
#include <QImageWriter>
#include <QLabel>
#include <QPixmap>
#include <QTextBrowser>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <functional>
#include <utility>

namespace {

class Window : public QWidget {
public:
    explicit Window(std::function<void()> afterFirstPaint) : FAfterFirstPaint(std::move(afterFirstPaint)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        if (FAfterFirstPaint) QTimer::singleShot(0, this, std::exchange(FAfterFirstPaint, nullptr));
    }

private:
    std::function<void()> FAfterFirstPaint;
};

QFont sans(int pixels, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

bool addTexts(QWidget& window, const QString& htmlFile) {
    QFile file(htmlFile);
    if (!file.open(QIODevice::ReadOnly)) return false;
    auto* browser = new QTextBrowser(&window);
    browser->setGeometry(0, window.height() - 80, window.width(), 80);
    browser->setFont(sans(11, false));
    browser->setHtml(QString::fromUtf8(file.readAll()));
    const char* captions[] = {"Show Crosshairs",
                              "Single Point Measurement",
                              "Velocity",
                              "Distance Interval ds [km]",
                              "Time Interval dt [min]",
                              "Distance [km]",
                              "Time [min]"};
    int row = 0;
    for (const char* caption : captions) {
        auto* label = new QLabel(QString::fromLatin1(caption), &window);
        label->setFont(sans(13, row % 2 == 1));
        label->move(window.width() - 200, 20 + 25 * row++);
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 4 && argc != 5) {
        std::fputs("usage: minimalwindow WIDTH HEIGHT FILE [HTML]\n", stderr);
        return 2;
    }
    int code = 0;
    Window window([&] {
        if (!QImageWriter(QString::fromLocal8Bit(argv[3])).write(window.grab().toImage())) code = 1;
        app.quit();
    });
    window.resize(QString::fromLocal8Bit(argv[1]).toInt(), QString::fromLocal8Bit(argv[2]).toInt());
    if (argc == 5 && !addTexts(window, QString::fromLocal8Bit(argv[4]))) {
        std::fprintf(stderr, "minimalwindow: cannot read %s\n", argv[4]);
        return 2;
    }
    QTimer::singleShot(0, &window, [&] { window.show(); });
    const int loopCode = app.exec();
    return code ? code : loopCode;
}
