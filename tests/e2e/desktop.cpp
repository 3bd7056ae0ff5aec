#include "desktop.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>

#include <unistd.h>

using namespace std::chrono_literals;

Desktop::Desktop(const QString& screen) {
    environment_ = QProcessEnvironment::systemEnvironment();
    environment_.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    // Nothing started here reaches the user's own session bus.
    environment_.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    // Find a free display number; Xvfb refuses one that is taken.
    for (int n = 100 + static_cast<int>(getpid() % 300), tries = 0; tries < 50; ++n, ++tries) {
        if (QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            continue;
        xvfb_.setStandardOutputFile(QProcess::nullDevice());
        xvfb_.setStandardErrorFile(runtime_.filePath(QStringLiteral("xvfb.log")));
        xvfb_.start(QStringLiteral("Xvfb"),
                    {QStringLiteral(":%1").arg(n), QStringLiteral("-screen"), QStringLiteral("0"),
                     screen, QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                     QStringLiteral("-noreset")});
        if (!xvfb_.waitForStarted(5000))
            return;
        // The display is up once a client can open it: the socket file alone may belong to a
        // server still starting, or to one that is about to give up. Without -noreset the
        // server would reset when this first client leaves, and refuse the program meanwhile.
        const QByteArray name = QStringLiteral(":%1").arg(n).toLatin1();
        const auto deadline = std::chrono::steady_clock::now() + 20s;
        while (isRunning() && std::chrono::steady_clock::now() < deadline) {
            if (Display* x = XOpenDisplay(name.constData())) {
                XCloseDisplay(x);
                display_ = QString::fromLatin1(name);
                environment_.insert(QStringLiteral("DISPLAY"), display_);
                return;
            }
            QThread::msleep(50);
        }
        xvfb_.kill();
        xvfb_.waitForFinished();
    }
}

Desktop::~Desktop() {
    if (bus_.state() != QProcess::NotRunning) {
        bus_.kill();
        bus_.waitForFinished();
    }
    if (xvfb_.state() != QProcess::NotRunning) {
        xvfb_.terminate();
        if (!xvfb_.waitForFinished(3000)) {
            xvfb_.kill();
            xvfb_.waitForFinished();
        }
    }
}

std::optional<QString> Desktop::run(const QString& program, const QStringList& args,
                                    const QByteArray& input) const {
    QProcess process;
    process.setProcessEnvironment(environment_);
    process.start(program, args);
    if (!process.waitForStarted(5000))
        return std::nullopt;
    if (!input.isNull()) {
        process.write(input);
        process.closeWriteChannel();
    }
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool Desktop::isRunning() {
    xvfb_.waitForFinished(0); // QProcess learns of an end only inside its waits
    return xvfb_.state() == QProcess::Running;
}

QString Desktop::serverLog() const {
    QFile log(runtime_.filePath(QStringLiteral("xvfb.log")));
    return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString();
}

QStringList Desktop::visibleWindowNames() const {
    QStringList names;
    const auto ids = xdotool({"search", "--onlyvisible", "--name", "."});
    for (const QString& id : ids ? ids->split('\n', Qt::SkipEmptyParts) : QStringList()) {
        if (auto name = xdotool({"getwindowname", id}))
            names << QStringLiteral("\"%1\"").arg(name->trimmed());
    }
    return names;
}

std::optional<QString> Desktop::findWindow(const QString& namePattern,
                                           std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        if (auto out = xdotool({"search", "--onlyvisible", "--name", namePattern})) {
            const QString first = out->split('\n', Qt::SkipEmptyParts).value(0);
            if (!first.isEmpty())
                return first;
        }
        QThread::msleep(50);
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

bool Desktop::waitUntilGone(const QString& window, std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        const auto out = xdotool({"search", "--onlyvisible", "--name", "."});
        if (out && !out->split('\n', Qt::SkipEmptyParts).contains(window))
            return true;
        QThread::msleep(50);
    } while (std::chrono::steady_clock::now() < deadline);
    return false;
}

std::optional<std::pair<int, int>> Desktop::position(const QString& window) const {
    const auto out = xdotool({"getwindowgeometry", "--shell", window});
    if (!out)
        return std::nullopt;
    int x = -1, y = -1;
    for (const QString& line : out->split('\n')) {
        if (line.startsWith("X="))
            x = line.mid(2).toInt();
        if (line.startsWith("Y="))
            y = line.mid(2).toInt();
    }
    if (x < 0 || y < 0)
        return std::nullopt;
    return std::make_pair(x, y);
}

void Desktop::click(int x, int y) const {
    xdotool({"mousemove", "--sync", QString::number(x), QString::number(y)});
    xdotool({"click", "1"});
    QThread::msleep(60);
}

void Desktop::typeText(const QString& text) const {
    if (!text.isEmpty())
        xdotool({"type", "--delay", "8", text});
    QThread::msleep(40);
}

void Desktop::key(const QString& keys) const {
    xdotool({"key", keys});
    QThread::msleep(60);
}

void Desktop::markClipboard() const {
    setClipboard(kClipboardMarker);
}

void Desktop::setClipboard(const QString& text) const {
    // xclip stays in the background to serve the selection until another owner takes it.
    QProcess::startDetached(
        QStringLiteral("sh"),
        {QStringLiteral("-c"),
         QStringLiteral("printf '%s' \"$0\" | DISPLAY=%1 xclip -i -selection clipboard")
             .arg(display_),
         text});
    for (int wait = 0; wait < 100; ++wait) {
        if (run("xclip", {"-o", "-selection", "clipboard"}) == text)
            return;
        QThread::msleep(20);
    }
}

std::optional<QString> Desktop::waitForClipboard(std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        const auto text = run("xclip", {"-o", "-selection", "clipboard"});
        if (text && *text != kClipboardMarker)
            return text;
        QThread::msleep(30);
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

bool Desktop::requestClose(const QString& window) const {
    Display* x = XOpenDisplay(display_.toLocal8Bit().constData());
    if (!x)
        return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = static_cast<Window>(window.toULong());
    event.xclient.message_type = XInternAtom(x, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(x, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(x, event.xclient.window, False, NoEventMask, &event);
    XFlush(x);
    XCloseDisplay(x);
    return sent != 0;
}

std::optional<Desktop::Pointer> Desktop::pointer() const {
    Display* x = XOpenDisplay(display_.toLocal8Bit().constData());
    if (!x)
        return std::nullopt;
    std::optional<Pointer> result;
    if (XFixesCursorImage* image = XFixesGetCursorImage(x)) {
        result = Pointer{image->width, image->height, image->xhot, image->yhot};
        XFree(image);
    }
    XCloseDisplay(x);
    return result;
}

std::optional<Desktop::Pointer> Desktop::pointerAt(int x, int y, int width) const {
    xdotool({"mousemove", "--sync", QString::number(x), QString::number(y)});
    std::optional<Pointer> seen;
    for (int i = 0; i < 50 && !(seen && seen->width == width); ++i) {
        xdotool({"mousemove_relative", "--sync", i % 2 ? "-1" : "1", "0"});
        QThread::msleep(100);
        seen = pointer();
    }
    return seen;
}

QImage Desktop::screenshot() const {
    const QString file = runtime_.filePath(QStringLiteral("screen.png"));
    QFile::remove(file);
    if (!run(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), file}))
        return {};
    return QImage(file);
}

QString Desktop::sessionBus() {
    const QString address = environment_.value(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    if (bus_.state() != QProcess::NotRunning)
        return address;
    bus_.setProcessEnvironment(environment_);
    bus_.start(QStringLiteral("dbus-daemon"),
               {QStringLiteral("--session"), QStringLiteral("--nofork"),
                QStringLiteral("--print-address=1")});
    if (!bus_.waitForStarted(5000) || !bus_.waitForReadyRead(10000))
        return {};
    const QString line = QString::fromUtf8(bus_.readLine()).trimmed();
    environment_.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), line);
    return line;
}
