#pragma once

#include <QProxyStyle>

// The program's style: Fusion, with the calendars' month arrows drawn by the program itself in
// the title colour, so that no desktop icon theme or image file is read for them, and their grid
// lines in the button-shadow colour. Push-button and text-box panels are drawn once for each look
// and size and then copied.
class WindowStyle : public QProxyStyle {
    Q_OBJECT

public:
    WindowStyle();
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    QIcon arrow(bool left) const;
    template <typename Option>
    bool drawCachedPanel(PrimitiveElement element, const Option& option, const QString& fields,
                         QPainter& painter, const QWidget* widget) const;
};
