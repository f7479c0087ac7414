#include "noticebox.h"

#include <QMessageBox>

namespace brevix::pelvane {

namespace {
NoticePresenter &noticePresenter()
{
    static NoticePresenter presenter;
    return presenter;
}
QuestionPresenter &questionPresenter()
{
    static QuestionPresenter presenter;
    return presenter;
}
} // namespace

Language pelvaneLanguage()
{
    return qEnvironmentVariable("BREVIX_LANG") == QLatin1String("en") ? Language::English
                                                                      : Language::Chinese;
}

void setNoticePresenter(NoticePresenter presenter)
{
    noticePresenter() = std::move(presenter);
}

void showNotice(QWidget *parent, const sim::Notice &notice, const QString &title)
{
    if (notice.isEmpty())
        return;
    if (noticePresenter()) {
        noticePresenter()(parent, notice, title);
        return;
    }
    QMessageBox box(notice.icon == sim::Notice::Icon::Information ? QMessageBox::Information
                                                                  : QMessageBox::Warning,
                    title, notice.text.text(pelvaneLanguage()), QMessageBox::Ok, parent);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

void setQuestionPresenter(QuestionPresenter presenter)
{
    questionPresenter() = std::move(presenter);
}

bool askQuestion(QWidget *parent, const Message &question)
{
    if (questionPresenter())
        return questionPresenter()(parent, question);
    QMessageBox box(QMessageBox::Warning, kPelvaneTitle, question.text(pelvaneLanguage()),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec() == QMessageBox::Yes;
}

} // namespace brevix::pelvane
