// A small frameless window made a launcher window by the X11 layer, for the
// end-to-end tests on the test desktop. It reads commands from stdin, one a
// line, and answers each on stdout with one line:
//   pos               -> "pos X Y"         real position from the X server
//   move X Y          -> "pos X Y"         moved through the snapping rule
//   name-at X Y       -> "name-at NAME|"   TopLevelNameAt (the bar ends it)
//   ontop 0|1         -> "ok"
//   hide | show       -> "ok"
//   menu X Y          -> "ok"              pops up a menu named "ProbeMenu"
//   close-menu        -> "ok"
//   workarea          -> "workarea X Y W H"
//   screen            -> "screen W H"
//   quit              -> exits
// Arguments: NAME LEFT TOP WIDTH HEIGHT [--normal]. With --normal the
// window stays an ordinary window (another program's window, for covering
// the launcher) and reads no commands. A press anywhere on the launcher window starts a drag.

#include "platform/X11Desktop.h"
#include "window/RoundedOutline.h"
#include "window/WindowMover.h"
#include "window/WindowPlacement.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSocketNotifier>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

void Reply(const QString &line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

class ProbeWindow : public QWidget {
public:
    explicit ProbeWindow(bool launcher) : launcher_(launcher), mover_(this)
    {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        QWidget::showEvent(event);
        if (launcher_)
            tavrin::x11::PrepareLauncherWindow(this);
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), launcher_ ? QColor(0x2E, 0x5E, 0xCC) : QColor(0xCC, 0x5E, 0x2E));
        painter.setPen(Qt::white);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        if (launcher_)
            mover_.Press(event->globalPosition().toPoint());
    }

    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (launcher_)
            mover_.Move(event->globalPosition().toPoint(), event->buttons());
    }

private:
    bool launcher_;
    tavrin::WindowMover mover_;
};

class CommandReader : public QObject {
public:
    CommandReader(ProbeWindow &window) : window_(window), notifier_(STDIN_FILENO, QSocketNotifier::Read)
    {
        connect(&notifier_, &QSocketNotifier::activated, this, [this] { ReadAvailable(); });
    }

private:
    void ReadAvailable()
    {
        char chunk[512];
        const ssize_t got = read(STDIN_FILENO, chunk, sizeof chunk);
        if (got <= 0) {
            notifier_.setEnabled(false);
            QCoreApplication::quit();
            return;
        }
        pending_.append(chunk, static_cast<int>(got));
        int end = 0;
        while ((end = pending_.indexOf('\n')) >= 0) {
            const QString line = QString::fromUtf8(pending_.left(end)).trimmed();
            pending_.remove(0, end + 1);
            Run(line.split(QLatin1Char(' '), Qt::SkipEmptyParts));
        }
    }

    void Run(const QStringList &words)
    {
        if (words.isEmpty())
            return;
        const QString &command = words.front();
        auto number = [&](int index) { return words.value(index).toInt(); };
        if (command == QLatin1String("pos")) {
            ReplyPosition();
        } else if (command == QLatin1String("move")) {
            tavrin::MoveSnapped(&window_, QPoint(number(1), number(2)));
            ReplyPosition();
        } else if (command == QLatin1String("name-at")) {
            Reply(QStringLiteral("name-at %1|").arg(tavrin::x11::TopLevelNameAt(QPoint(number(1), number(2)))));
        } else if (command == QLatin1String("ontop")) {
            tavrin::x11::SetStayOnTop(&window_, number(1) != 0);
            Reply(QStringLiteral("ok"));
        } else if (command == QLatin1String("hide")) {
            window_.hide();
            Reply(QStringLiteral("ok"));
        } else if (command == QLatin1String("show")) {
            window_.show();
            QTimer::singleShot(0, &window_, [this] {
                tavrin::x11::SetStayOnTop(&window_, tavrin::x11::StaysOnTop(&window_));
            });
            Reply(QStringLiteral("ok"));
        } else if (command == QLatin1String("menu")) {
            menu_ = std::make_unique<QMenu>();
            menu_->setObjectName(QStringLiteral("ProbeMenu"));
            for (const char *caption : {"显示", "隐藏", "退出"})
                menu_->addAction(QString::fromUtf8(caption));
            menu_->popup(QPoint(number(1), number(2)));
            Reply(QStringLiteral("ok"));
        } else if (command == QLatin1String("close-menu")) {
            menu_.reset();
            Reply(QStringLiteral("ok"));
        } else if (command == QLatin1String("workarea")) {
            const QRect area = tavrin::x11::WorkArea(&window_);
            Reply(QStringLiteral("workarea %1 %2 %3 %4").arg(area.x()).arg(area.y()).arg(area.width()).arg(area.height()));
        } else if (command == QLatin1String("screen")) {
            const QSize size = tavrin::x11::PrimaryScreenSize();
            Reply(QStringLiteral("screen %1 %2").arg(size.width()).arg(size.height()));
        } else if (command == QLatin1String("quit")) {
            QCoreApplication::quit();
        } else {
            Reply(QStringLiteral("error unknown command %1").arg(command));
        }
    }

    void ReplyPosition()
    {
        const QPoint at = tavrin::CurrentPosition(&window_);
        Reply(QStringLiteral("pos %1 %2").arg(at.x()).arg(at.y()));
    }

    ProbeWindow &window_;
    QSocketNotifier notifier_;
    QByteArray pending_;
    std::unique_ptr<QMenu> menu_;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 6) {
        std::fputs("usage: launcher_probe NAME LEFT TOP WIDTH HEIGHT [--normal]\n", stderr);
        return 2;
    }
    const bool launcher = !args.contains(QStringLiteral("--normal"));
    ProbeWindow window(launcher);
    window.setObjectName(args[1]);
    window.setWindowTitle(args[1]);
    window.setGeometry(args[2].toInt(), args[3].toInt(), args[4].toInt(), args[5].toInt());
    if (launcher) {
        tavrin::x11::PrepareLauncherWindow(&window);
        tavrin::ApplyRoundedOutline(&window);
    }
    // An ordinary window only stands there; the launcher one takes commands.
    std::unique_ptr<CommandReader> reader;
    if (launcher)
        reader = std::make_unique<CommandReader>(window);
    window.show();
    return app.exec();
}
