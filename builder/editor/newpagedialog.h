#pragma once

#include <QDialog>

class QLineEdit;
class QSpinBox;

namespace brevix {

class EditorSession;

// The new-page dialog (TNpagefor): number and name, refused while the number is in use.
class NewPageDialog : public QDialog
{
    Q_OBJECT
public:
    NewPageDialog(EditorSession &session, QWidget *parent = nullptr);

    int pageNumber() const;
    QString pageName() const;
    QSpinBox *numberBox() const { return m_number; }
    QLineEdit *nameEdit() const { return m_name; }

    void accept() override;

private:
    EditorSession &m_session;
    QSpinBox *m_number;
    QLineEdit *m_name;
};

} // namespace brevix
