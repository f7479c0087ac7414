#pragma once

#include <QDialog>
#include <QSize>

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

namespace brevix {

class ColorSwatch;
class Project;
struct PageRecord;

// The frame every element property dialog shares: position and size fields, move lock, the
// two colour panels and the OK/Cancel strip. The dialog edits one slot of one page: it loads the
// slot when shown and writes it back only on an OK that validates; Cancel writes nothing.
class ElementDialog : public QDialog
{
    Q_OBJECT

public:
    ElementDialog(const QString &name, const QString &caption, QWidget *parent = nullptr);

    // Loads slot of page into the controls, with the position limits from the page size.
    void load(Project &project, int page, int slot);
    // Validates and, when the fields are good, writes them into the bound slot.
    bool store();
    // The whole round: load, show modally, store on OK. True when the slot was written.
    bool edit(Project &project, int page, int slot);

    void accept() override;

    QSpinBox *leftBox() const { return m_left; }
    QSpinBox *topBox() const { return m_top; }
    QSpinBox *widthBox() const { return m_width; }
    QSpinBox *heightBox() const { return m_height; }
    QCheckBox *moveLockBox() const { return m_moveLock; }
    ColorSwatch *backSwatch() const { return m_back; }
    ColorSwatch *foreSwatch() const { return m_fore; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

protected:
    // The type's own fields.
    virtual void loadFields(const Project &project, int page, int slot) = 0;
    // Checks the fields; shows its own message and returns false to keep the dialog open.
    virtual bool validateFields() { return true; }
    virtual void storeFields(Project &project, int page, int slot) = 0;

    // Where the type's controls go, above the common fields.
    QVBoxLayout *body() const { return m_body; }
    QGroupBox *commonBox() const { return m_commonBox; }
    // A warning box owned by the dialog with the editor's title.
    void warn(const QString &text);

    void showEvent(QShowEvent *event) override;

private:
    QSpinBox *addSpin(QGridLayout *grid, int row, int column, const QString &name,
                      const QString &labelName, const QString &label);

    Project *m_project = nullptr;
    int m_page = 0;
    int m_slot = 0;
    QVBoxLayout *m_body = nullptr;
    QGroupBox *m_commonBox = nullptr;
    QSpinBox *m_left = nullptr;
    QSpinBox *m_top = nullptr;
    QSpinBox *m_width = nullptr;
    QSpinBox *m_height = nullptr;
    QCheckBox *m_moveLock = nullptr;
    ColorSwatch *m_back = nullptr;
    ColorSwatch *m_fore = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace brevix
