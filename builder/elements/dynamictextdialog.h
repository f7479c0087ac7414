#pragma once

#include "elements/elementdialog.h"

class QCheckBox;
class QSpinBox;
class QTabWidget;

namespace brevix {

class StateGrid;
class StyleCombos;
class WordDeviceChooser;

// Properties of a dynamic text: the word register that selects one of up to 100 states, and
// the value and text of each state in both display languages.
class DynamicTextDialog : public ElementDialog
{
    Q_OBJECT

public:
    explicit DynamicTextDialog(QWidget *parent = nullptr);

    WordDeviceChooser *deviceChooser() const { return m_chooser; }
    QCheckBox *inputAllowedBox() const { return m_inputAllowed; }
    QCheckBox *zeroOnLeaveBox() const { return m_zeroOnLeave; }
    QCheckBox *transparentBox() const { return m_transparent; }
    QCheckBox *passwordBox() const { return m_password; }
    StyleCombos *styleCombos() const { return m_style; }
    QSpinBox *stateCountBox() const { return m_count; }
    StateGrid *grid(int language) const { return language == 1 ? m_one : m_two; }

    // The state count handler (UpDown1Click).
    void stateCountChanged(int count);

protected:
    void loadFields(const Project &project, int page, int slot) override;
    bool validateFields() override;
    void storeFields(Project &project, int page, int slot) override;

private:
    QWidget *buildAddressBox();
    QWidget *buildStatesBox();
    void inputAllowedClicked();

    WordDeviceChooser *m_chooser = nullptr;
    QCheckBox *m_inputAllowed = nullptr;
    QCheckBox *m_zeroOnLeave = nullptr;
    QCheckBox *m_transparent = nullptr;
    QCheckBox *m_password = nullptr;
    StyleCombos *m_style = nullptr;
    QSpinBox *m_count = nullptr;
    QTabWidget *m_tabs = nullptr;
    StateGrid *m_one = nullptr;
    StateGrid *m_two = nullptr;
    int m_loadedCount = 0;
    bool m_loading = false;
};

} // namespace brevix
