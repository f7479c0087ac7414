#include "start/aboutbox.h"

#include "elements/dialoginstance.h"
#include "language/windowregistry.h"
#include "start/startpictures.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#if __has_include("builderversion.h")
#include "builderversion.h"
#define BREVIX_VERSION_TEXT brevix::builderVersionText()
#else
#define BREVIX_VERSION_TEXT QStringLiteral("5.15")
#endif

namespace brevix {

AboutBox::AboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutForm"));
    setWindowTitle(QStringLiteral("About Brevix "));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(startPicture(StartPicture::Examples, 64));
    picture->setAlignment(Qt::AlignCenter);
    m_version = new QLabel(versionLine(), this);
    m_version->setObjectName(QStringLiteral("Version"));
    QFont f = m_version->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 3);
    m_version->setFont(f);
    m_version->setAlignment(Qt::AlignCenter);
    auto *maker = new QLabel(QStringLiteral("操作面板编程工具"), this);
    maker->setObjectName(QStringLiteral("Label1"));
    maker->setAlignment(Qt::AlignCenter);
    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    layout->addWidget(picture);
    layout->addWidget(m_version);
    layout->addWidget(maker);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString AboutBox::versionLine()
{
    return QStringLiteral("Brevix  Version %1").arg(BREVIX_VERSION_TEXT);
}

void AboutBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center() - QPoint(0, 100));
        move(frame.topLeft());
    }
}

namespace {
const bool registered = [] {
    registerLanguageWindow(
        [](QWidget *owner) -> QWidget * { return dialogInstance<AboutBox>(owner); });
    return true;
}();
} // namespace

} // namespace brevix
