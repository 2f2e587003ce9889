#pragma once

// The scale every temperature of the window is shown in: degrees Celsius as stored, kelvin or
// degrees Fahrenheit. Three options beside "Show elements by", and the same choice in the
// context menus; nothing is kept between runs.

#include <QObject>

#include <array>

class Parts;
class QActionGroup;
class QFont;
class QLabel;
class QMenu;
class QRadioButton;
class QWidget;

class TemperatureUnits : public QObject
{
    Q_OBJECT

public:
    // The controls are the window's children, placed through its register.
    TemperatureUnits(QWidget &window, Parts &parts);

    // Handler of the options, named after the control and the event: 0 Celsius, 1 kelvin,
    // 2 Fahrenheit.
    void optScale_Click(int Index);

    // The fonts of the options beside them, so that the two groups read alike; each caption
    // still shrinks where its language needs more room.
    void matchFonts(const QFont &caption, const QFont &option);

    // "Temperatures in", for the context menus: the same choice as the options.
    QMenu *menu() const { return m_menu; }

    QLabel *lblTemperaturesIn = nullptr;
    std::array<QRadioButton *, 3> optScale{};

signals:
    // The scale has changed: every temperature on show must be shown again.
    void changed();

private:
    QActionGroup *m_choices = nullptr;
    QMenu *m_menu = nullptr;
};
