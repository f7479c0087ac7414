#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QToolButton;

namespace brevix {

// The welcome screen: four ways to begin, a hint line that explains the button under the
// pointer, Enter for the last edited file and Escape to close without a command.
class StartScreen : public QDialog
{
    Q_OBJECT

public:
    enum class Choice { None, NewFile, LastFile, OpenFile, Examples };

    explicit StartScreen(QWidget *parent = nullptr);

    void setRecentPath(const QString &path) { m_recentPath = path; }
    // Runs after the screen has closed (queued), so the command never runs under it.
    void setChoiceHandler(std::function<void(Choice)> handler) { m_handler = std::move(handler); }
    // Shows the screen modally with its opening animation.
    void run();

    QString hintText() const;
    QToolButton *button(Choice choice) const;
    static QString hintFor(Choice choice, const QString &recentPath);
    static QString defaultHint();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QToolButton *addButton(const QString &name, const QString &text, int picture);
    void choose(Choice choice);

    QLabel *m_hint = nullptr;
    QList<QToolButton *> m_buttons;
    QString m_recentPath;
    std::function<void(Choice)> m_handler;
};

} // namespace brevix
