#include "platform/MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <vector>

namespace tavrin {
namespace {

TEST(ErrorBoxText, AppendsAFullStopAfterCharactersAboveIt)
{
    struct Case {
        QString message;
        QString shown;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("abc"), QStringLiteral("abc.")},
        {QStringLiteral("x."), QStringLiteral("x.")},
        {QString(), QString()},
        {QStringLiteral("SQLite3 error: database is not connected."),
         QStringLiteral("SQLite3 error: database is not connected.")},
        {QStringLiteral("SQLite3 error: no such table: 设置"), QStringLiteral("SQLite3 error: no such table: 设置.")},
        {QStringLiteral("''12a'' is not a valid integer value"),
         QStringLiteral("''12a'' is not a valid integer value.")},
        {QStringLiteral("code 7"), QStringLiteral("code 7.")},
        {QStringLiteral("stop!"), QStringLiteral("stop!")},
        {QStringLiteral("a-"), QStringLiteral("a-")},
        {QStringLiteral("a/"), QStringLiteral("a/.")},
        {QStringLiteral("trailing "), QStringLiteral("trailing ")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        EXPECT_EQ(ErrorBoxText(c.message), c.shown);
    }
}

TEST(ErrorBox, HasCaptionStopIconAndOnlyOk)
{
    QWidget owner;
    const auto box = MakeErrorBox(&owner, QStringLiteral("SQLite3 error: no such table: 设置"));
    EXPECT_EQ(box->objectName(), kErrorBoxObjectName);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Tavrin"));
    EXPECT_EQ(box->text(), QStringLiteral("SQLite3 error: no such table: 设置."));
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->parentWidget(), &owner);
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
}

TEST(NoticeBox, ShowsTextUnchangedWithoutIconOrOwner)
{
    const QString text = QStringLiteral("数据库已锁定，请关闭相应软件后再运行！");
    const auto box = MakeNoticeBox(text, QStringLiteral("提醒"));
    EXPECT_EQ(box->objectName(), kNoticeBoxObjectName);
    EXPECT_EQ(box->text(), text);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("提醒"));
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(box->parentWidget(), nullptr);
}

// Presses OK on the box that is on screen once the event loop runs, and
// records what it saw.
struct BoxDismisser {
    QString objectName;
    QString text;
    QWidget *parent = nullptr;

    void Arm()
    {
        QTimer::singleShot(0, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            objectName = box->objectName();
            text = box->text();
            parent = box->parentWidget();
            box->button(QMessageBox::Ok)->click();
        });
    }
};

TEST(ErrorBox, ShowReturnsOnceDismissed)
{
    QWidget owner;
    BoxDismisser dismisser;
    dismisser.Arm();
    ShowErrorBox(&owner, QStringLiteral("abc"));
    EXPECT_EQ(dismisser.objectName, kErrorBoxObjectName);
    EXPECT_EQ(dismisser.text, QStringLiteral("abc."));
    EXPECT_EQ(dismisser.parent, &owner);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(NoticeBox, ShowReturnsOnceDismissed)
{
    BoxDismisser dismisser;
    dismisser.Arm();
    ShowNotice(QStringLiteral("x"), QStringLiteral("提醒"));
    EXPECT_EQ(dismisser.objectName, kNoticeBoxObjectName);
    EXPECT_EQ(dismisser.text, QStringLiteral("x"));
}

TEST(ErrorBox, ClosingItWhileNoOtherWindowIsShownKeepsTheApplicationRunning)
{
    bool ranAfterBox = false;
    BoxDismisser dismisser;
    QTimer::singleShot(0, [&] {
        dismisser.Arm();
        ShowErrorBox(nullptr, QStringLiteral("shown while the window is in the tray"));
        QTimer::singleShot(0, [&] {
            ranAfterBox = true;
            QCoreApplication::exit(7);
        });
    });
    EXPECT_EQ(QCoreApplication::exec(), 7);
    EXPECT_TRUE(ranAfterBox);
    EXPECT_EQ(dismisser.objectName, kErrorBoxObjectName);
}

} // namespace
} // namespace tavrin
