#pragma once

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <chrono>
#include <optional>

// A private X display (Xvfb) and the tools a person's hands are replaced by: xdotool for the
// mouse and keyboard, xclip for the clipboard. Nothing here touches the user's own display.
class Desktop {
public:
    // A screen of the given size and depth, as Xvfb takes it ("1024x768x24").
    explicit Desktop(const QString& screen = QStringLiteral("1024x768x24"));
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    bool isRunning();
    // What the X server wrote to its error output.
    QString serverLog() const;
    QString display() const { return display_; }

    // Runs a tool on this display and returns what it printed, or nothing when it failed.
    std::optional<QString> run(const QString& program, const QStringList& args,
                               const QByteArray& input = {}) const;
    std::optional<QString> xdotool(const QStringList& args) const { return run("xdotool", args); }

    // The first visible window whose name matches the pattern, waiting up to the timeout.
    std::optional<QString> findWindow(const QString& namePattern,
                                      std::chrono::milliseconds timeout) const;
    // The names of all visible windows, quoted, for messages about a failed wait.
    QStringList visibleWindowNames() const;
    bool waitUntilGone(const QString& window, std::chrono::milliseconds timeout) const;
    // The window's top-left corner on the screen.
    std::optional<std::pair<int, int>> position(const QString& window) const;

    void click(int x, int y) const;
    void typeText(const QString& text) const;
    void key(const QString& keys) const;

    // Places a marker text on the clipboard, then waits until someone replaces it.
    void markClipboard() const;
    // Puts the text on the clipboard, served by xclip until another owner takes it.
    void setClipboard(const QString& text) const;
    std::optional<QString> waitForClipboard(std::chrono::milliseconds timeout) const;
    // Asks the window to close as a window manager's close box does (WM_DELETE_WINDOW).
    bool requestClose(const QString& window) const;

    // The pointer the X server shows now: its size and hot spot.
    struct Pointer {
        int width, height, hotX, hotY;
    };
    std::optional<Pointer> pointer() const;
    // The pointer shown at that point of the screen once it is the given width: the mouse moves
    // there, then back and forth by a pixel, since Wine hands its pointer to the X server a
    // moment after a move. The last pointer seen after five seconds otherwise.
    std::optional<Pointer> pointerAt(int x, int y, int width) const;

    // The whole screen as a picture, taken with ImageMagick's import.
    QImage screenshot() const;

    QProcessEnvironment environment() const { return environment_; }
    // A private D-Bus session for this display, started on first use; its address.
    QString sessionBus();

private:
    QProcess xvfb_;
    QProcess bus_;
    QString display_;
    QTemporaryDir runtime_;
    QProcessEnvironment environment_;
};

inline const QString kClipboardMarker = QStringLiteral("\x01clipboard marker\x01");
