#pragma once

#include "simulator/keypadentry.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QSlider;
class QFrame;

namespace brevix::pelvane {

class KeySounds;

// The modal numeric keypad (TNumericKeyFrm): shows a register's value and range, takes a new
// value from its keys and writes it into the register memory.
class NumericKeyFrm : public QDialog
{
    Q_OBJECT
public:
    NumericKeyFrm(KeySounds *sounds, QWidget *parent = nullptr);

    // Loads the register and resets the keys; exec() or show() afterwards.
    void prepare(const sim::KeypadTarget &target, sim::RegisterMemory &memory);
    // prepare + exec, centred above the screen's middle. True when a value was written.
    bool edit(const sim::KeypadTarget &target, sim::RegisterMemory &memory);

    QString displayText() const;
    QString rangeText() const;
    bool transparencyPanelShown() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPushButton *addKey(const QString &name, const QString &caption);
    void refreshDisplay();
    void digit(int k);
    void accept() override;
    void placeOnScreen();

    KeySounds *m_sounds;
    sim::KeypadEntry m_entry;
    sim::RegisterMemory *m_memory = nullptr;
    QLabel *m_display;
    QLabel *m_range;
    QPushButton *m_dot;
    QPushButton *m_minus;
    QFrame *m_transparencyPanel;
    QSlider *m_trackBar;
};

// The opacity of the keypad (228 of 255) and the track bar's rule (position 0..100 → 250..150).
constexpr double kKeypadOpacity = 228.0 / 255.0;
constexpr int opacityOfTrackPosition(int position)
{
    return 250 - position;
}

} // namespace brevix::pelvane
