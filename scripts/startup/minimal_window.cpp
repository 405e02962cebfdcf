// The reference for the start-up measurement: one empty Qt Widgets window, ended once painted.
#include <QApplication>
#include <QTimer>
#include <QWidget>

class EmptyWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { QTimer::singleShot(0, qApp, &QApplication::quit); }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    EmptyWindow window;
    window.resize(779, 420);
    window.show();
    return QApplication::exec();
}
