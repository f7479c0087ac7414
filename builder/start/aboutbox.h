#pragma once

#include <QDialog>

class QLabel;

namespace brevix {

// "About Brevix ": product name and version.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget *parent = nullptr);
    static QString versionLine();
    QLabel *versionLabel() const { return m_version; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_version = nullptr;
};

} // namespace brevix
