#pragma once

// The two message boxes of the program: the error box that shows an error
// that escaped a handler, and the plain notice shown to a second copy.

#include <QString>

#include <memory>

class QMessageBox;
class QWidget;

namespace tavrin {

// Caption of every error box.
inline const QString kErrorBoxCaption = QStringLiteral("Tavrin");

// Object names of the boxes, for finding them in a running program.
inline const QString kErrorBoxObjectName = QStringLiteral("ErrorBox");
inline const QString kNoticeBoxObjectName = QStringLiteral("NoticeBox");

// The text of the error box: the message, with "." appended when the
// message is not empty and its last character's code lies above that of
// ".".
QString ErrorBoxText(const QString &message);

// The error box, built but not shown: ErrorBoxText(message), caption
// "Tavrin", stop icon, a single OK button, application modal. With no
// owner it is owned by the active window, if there is one.
std::unique_ptr<QMessageBox> MakeErrorBox(QWidget *owner, const QString &message);

// Shows the error box and returns when the user has dismissed it.
void ShowErrorBox(QWidget *owner, const QString &message);

// The notice box, built but not shown: the text unchanged, the caption,
// no icon, a single OK button, no owner.
std::unique_ptr<QMessageBox> MakeNoticeBox(const QString &text, const QString &caption);

// Shows the notice box and returns when the user has dismissed it.
void ShowNotice(const QString &text, const QString &caption);

} // namespace tavrin
