#pragma once

#include "elements/elementdialog.h"

class QLineEdit;

namespace brevix {

class StyleCombos;

// Properties of a text element: one text per display language, font and alignment.
class TextDialog : public ElementDialog
{
    Q_OBJECT

public:
    explicit TextDialog(QWidget *parent = nullptr);

    QLineEdit *languageOneEdit() const { return m_one; }
    QLineEdit *languageTwoEdit() const { return m_two; }
    StyleCombos *styleCombos() const { return m_style; }

protected:
    void loadFields(const Project &project, int page, int slot) override;
    void storeFields(Project &project, int page, int slot) override;

private:
    QLineEdit *m_one = nullptr;
    QLineEdit *m_two = nullptr;
    StyleCombos *m_style = nullptr;
};

} // namespace brevix
