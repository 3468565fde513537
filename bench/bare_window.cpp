// The reference for the start-up benchmark: a plain Qt Widgets window of
// the launcher's size, nothing else.

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("BareWindow"));
    window.resize(174, 673);
    window.show();
    return app.exec();
}
