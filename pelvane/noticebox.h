#pragma once

#include "simulator/simulatorsession.h"

#include <QString>
#include <functional>

class QWidget;

namespace brevix::pelvane {

// Title of every message box of the simulator.
inline const QString kPelvaneTitle = QStringLiteral("Pelvane");

// The language of the simulator's texts: Chinese, or English when BREVIX_LANG is "en".
Language pelvaneLanguage();

// Shows a notice in a message box titled "Pelvane". Tests replace the presenter to read what
// would have been shown without a modal box.
using NoticePresenter =
    std::function<void(QWidget *parent, const sim::Notice &notice, const QString &title)>;
void setNoticePresenter(NoticePresenter presenter);
void showNotice(QWidget *parent, const sim::Notice &notice, const QString &title = kPelvaneTitle);

// A yes/no question; tests answer it through the same hook (answer set by setQuestionAnswer).
using QuestionPresenter = std::function<bool(QWidget *parent, const Message &question)>;
void setQuestionPresenter(QuestionPresenter presenter);
bool askQuestion(QWidget *parent, const Message &question);

} // namespace brevix::pelvane
