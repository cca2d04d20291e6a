// The yardstick of the start-up benchmark: the least a Qt widgets program does to put a window on
// screen and take its picture. It shows a plain window of the given size from inside the message
// loop, as kyvelo shows its main window; once the window's first paint has reached the screen it
// grabs the window, writes the picture in the file's format and ends.
//
//   minimalwindow WIDTH HEIGHT FILE
#include <QApplication>
#include <QImageWriter>
#include <QPixmap>
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

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fputs("usage: minimalwindow WIDTH HEIGHT FILE\n", stderr);
        return 2;
    }
    int code = 0;
    Window window([&] {
        if (!QImageWriter(QString::fromLocal8Bit(argv[3])).write(window.grab().toImage())) code = 1;
        app.quit();
    });
    window.resize(QString::fromLocal8Bit(argv[1]).toInt(), QString::fromLocal8Bit(argv[2]).toInt());
    QTimer::singleShot(0, &window, [&] { window.show(); });
    const int loopCode = app.exec();
    return code ? code : loopCode;
}
