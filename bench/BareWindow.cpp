// The baseline of the start-up benchmark: a bare Qt window of the main window's size that reports its first paint.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

class BareWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        if (m_painted)
            return;
        m_painted = true;
        // Reported after the paint pass, as Rekko reports its own.
        QTimer::singleShot(0, qApp, [] {
            std::fputs("first-paint\n", stdout);
            std::fflush(stdout);
            QApplication::quit();
        });
    }

private:
    bool m_painted = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    BareWindow window;
    window.setWindowTitle("Rekko - Rekko -");
    window.resize(782, 700);
    window.show();
    return QApplication::exec();
}
