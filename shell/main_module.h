#pragma once

#include <QString>

#include <functional>

class ClipboardPort;
class QWidget;
class SkinFramework;
class UrlOpener;

// Shared helpers of the program: file checks, the skin, the home page, the application title
// and the clipboard.
namespace Main {

inline const QString kProductName = QStringLiteral("Ostrelin Calculator");
inline const QString kHomePage = QStringLiteral("http://www.quillmark.example/");
inline const QString kContactPage = QStringLiteral("http://www.quillmark.example/contact/");
inline const QString kSupportAddress = QStringLiteral("support@quillmark.example");
inline const QString kSkinFile = QStringLiteral("\\x\\o.cjs");
inline const QString kCursorFile = QStringLiteral("\\HAND-M.CUR");
constexpr int kClipboardAttempts = 1000;

// True when the last-modified time of the path can be read. Never raises.
bool FileExists(const QString& path) noexcept;

// When the skin file lies beside the program as an ordinary file: gives the window and its
// option buttons, check boxes, frames and labels the button-face colour, then loads the skin
// into the component and applies it to the window. Failures pass to the caller.
void ApplySkin(QWidget& window, SkinFramework& skin, const QString& programFolder);

// The draw: a number from 1 to 100, from a generator seeded with the seconds since midnight
// (0 to 86399). The same seed always gives the same number.
int DrawHomePageNumber(unsigned secondsSinceMidnight);
// The draw seeded with the current time of day.
int DrawHomePageNumber();

// Opens the home page, without waiting, when the draw gives 7. Raises when the opener fails.
void MaybeOpenHomePage(const std::function<int()>& draw, UrlOpener& opener);

// The application title made from a product name: cut at the last blank until at most 40
// characters remain (at least one cut is always made, as long as a blank is left).
QString AppTitleFor(const QString& productName);
// Sets the application title of message boxes that name none.
void SetAppTitle();
QString AppTitle();

// Places the text on the clipboard, with up to 1000 immediate attempts. Swallows failures.
void CopyToClipboard(const QString& text, ClipboardPort& clipboard) noexcept;

// The folder of the running program file, links resolved, without a trailing separator.
QString ProgramFolder();

} // namespace Main
