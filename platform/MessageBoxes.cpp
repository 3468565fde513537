#include "platform/MessageBoxes.h"

#include "platform/CjkFont.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace tavrin {

namespace {

std::unique_ptr<QMessageBox> MakeBox(QWidget *owner, QMessageBox::Icon icon, const QString &text,
                                     const QString &caption, const QString &objectName)
{
    auto box = std::make_unique<QMessageBox>(icon, caption, text, QMessageBox::Ok, owner);
    box->setObjectName(objectName);
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    box->setFont(CjkFont());
    box->setDefaultButton(QMessageBox::Ok);
    box->setEscapeButton(QMessageBox::Ok);
    // A box shown while the main window is hidden in the tray must not end
    // the application when it closes as the last visible window.
    box->setAttribute(Qt::WA_QuitOnClose, false);
    return box;
}

// Runs the box modally. Should its owner be destroyed meanwhile, the owner
// has taken the box with it.
void ExecAndDispose(std::unique_ptr<QMessageBox> box)
{
    const QPointer<QMessageBox> alive(box.get());
    box->exec();
    if (alive.isNull())
        static_cast<void>(box.release());
}

} // namespace

QString ErrorBoxText(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

std::unique_ptr<QMessageBox> MakeErrorBox(QWidget *owner, const QString &message)
{
    if (owner == nullptr)
        owner = QApplication::activeWindow();
    return MakeBox(owner, QMessageBox::Critical, ErrorBoxText(message), kErrorBoxCaption,
                   kErrorBoxObjectName);
}

void ShowErrorBox(QWidget *owner, const QString &message)
{
    ExecAndDispose(MakeErrorBox(owner, message));
}

std::unique_ptr<QMessageBox> MakeNoticeBox(const QString &text, const QString &caption)
{
    return MakeBox(nullptr, QMessageBox::NoIcon, text, caption, kNoticeBoxObjectName);
}

void ShowNotice(const QString &text, const QString &caption)
{
    ExecAndDispose(MakeNoticeBox(text, caption));
}

} // namespace tavrin
