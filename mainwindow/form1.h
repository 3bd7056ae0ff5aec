#pragma once

// The main window's controls, by the names that skins select them by:
//
//   PushButton2   "Help"                          PushButton3   "Load Sample/Example Dates"
//   Frame4        group "Older date":             Frame1        group "Newer date":
//     Calendar1     month calendar                  Calendar2     month calendar
//     Label1        "Date #1:"                      Label2        "Date #2:"
//     Text1         the older date as text          Text2         the newer date as text
//   PushButton1   "Start Finding Difference"
//   Frame2        group "Results":
//     Label3, Text3   " Full Result:"  the sentence of years, months and days
//     Label4, Text4   " Just Year:"    calendar years between the dates
//     Label5, Text5   " Just Month:"   calendar months between the dates
//     Label6, Text6   " Just Day:"     days between the dates
//   PushButton4   "Copy Results To Clipboard"
//   SkinFramework1  the skinning component (not a widget)
//
// The main window. Form1 builds its controls at fixed positions (form1_layout.cpp) and runs
// its start-up when it is created (form1_load.cpp). Its event handlers (form1_commands.cpp,
// form1_pointer.cpp) read and write only its own controls. What lies outside the process (the
// clock, the locale, message boxes, the clipboard, the web-page opener, the program folder, the
// end of the application) and the engine calls of the Calculate command come in through
// Form1Services, so that tests replace them. The date routine (DateText), the cursor-file
// reader (CursorFile) and the skin application (Main::ApplySkin) are called directly: they
// work on what the services give (the locale, the program folder) and need no replacing. Every
// trapped handler reports failures through one ErrorReport.

#include "form1_services.h"
#include "skin_framework.h"

#include <QCursor>
#include <QWidget>

#include <cstdint>
#include <optional>

class MonthCalendar;
class PushButton;
class QGroupBox;
class QLabel;
class QLineEdit;

class Form1 : public QWidget {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 536;
    static constexpr int kClientHeight = 623;
    static constexpr std::int16_t kDefaultPointer = 0;
    static constexpr std::int16_t kHourglass = 11;
    static constexpr std::int16_t kCustomPointer = 99;

    // Builds the window and runs Form_Load; the window is still hidden afterwards.
    explicit Form1(Form1Services services, QWidget* parent = nullptr);

    // Commands.
    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton3_Click();
    void PushButton4_Click();

    // Start-up and shutdown.
    void Form_Load();
    void Form_Unload();

    // The calendars' after-update notifications.
    void Calendar1_AfterUpdate();
    void Calendar2_AfterUpdate();

    // Pointer feedback: the window's one pointer setting and the movement handlers.
    std::int16_t MousePointer() const { return mousePointer_; }
    void setMousePointer(std::int16_t code);
    bool hasMouseIcon() const { return mouseIcon_.has_value(); }

    void Form_MouseMove();
    void PushButton1_MouseMove();
    void PushButton2_MouseMove();
    void PushButton3_MouseMove();
    void PushButton4_MouseMove();
    void Frame1_MouseMove();
    void Frame2_MouseMove();
    void Frame4_MouseMove();
    void Label1_MouseMove();
    void Label2_MouseMove();
    void Text1_MouseMove();
    void Text2_MouseMove();
    void Text3_MouseMove();

    SkinFramework& SkinFramework1() { return skinFramework_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Layout.
    void createCommandRow();
    QGroupBox* createDateGroup(const QString& frameName, const QString& caption,
                               const QString& labelName, const QString& labelCaption,
                               const QString& textName, const QString& calendarName, int top,
                               MonthCalendar*& calendar, QLabel*& label, QLineEdit*& text);
    void createResultsGroup();
    void setTabOrderAsDesigned();
    void connectHandlers();

    // Shared steps.
    DateValue convert(const QString& text) const;
    bool isDate(const QString& text) const;
    void copyCalendarDate(const MonthCalendar& calendar, QLineEdit& box);
    void showMessage(const QString& text);
    void customPointerRule();
    void defaultPointerRule();
    void loadMouseIcon(const QString& path);
    void showApplicationIcon();

    Form1Services services_;
    SkinFramework skinFramework_;
    std::int16_t mousePointer_ = kDefaultPointer;
    std::optional<QCursor> mouseIcon_;
    bool iconWanted_ = false; // the application icon, once the first frame is painted
    bool framePainted_ = false;

    PushButton* PushButton1 = nullptr;
    PushButton* PushButton2 = nullptr;
    PushButton* PushButton3 = nullptr;
    PushButton* PushButton4 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame4 = nullptr;
    MonthCalendar* Calendar1 = nullptr;
    MonthCalendar* Calendar2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text6 = nullptr;
};
