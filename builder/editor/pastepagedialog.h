#pragma once

#include <QDialog>

class QSpinBox;

namespace brevix {

class EditorSession;

// The paste-page dialog: the number the copied page is pasted to; refused while it is in use.
class PastePageDialog : public QDialog
{
    Q_OBJECT
public:
    PastePageDialog(EditorSession &session, QWidget *parent = nullptr);
    QSpinBox *numberBox() const { return m_number; }
    void accept() override;

private:
    EditorSession &m_session;
    QSpinBox *m_number;
};

} // namespace brevix
