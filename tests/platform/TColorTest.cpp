#include "platform/TColor.h"

#include <QGuiApplication>
#include <QPalette>
#include <gtest/gtest.h>

#include <vector>

namespace tavrin {
namespace {

// Gives every palette role its own colour, so a lookup in the wrong role
// shows.
class TColorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_saved = QGuiApplication::palette();
        QPalette palette;
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto colorRole = static_cast<QPalette::ColorRole>(role);
            palette.setColor(QPalette::Active, colorRole, QColor(10 + role, 100, 200));
            palette.setColor(QPalette::Inactive, colorRole, QColor(10 + role, 110, 200));
            palette.setColor(QPalette::Disabled, colorRole, QColor(10 + role, 120, 200));
        }
        QGuiApplication::setPalette(palette);
    }
    void TearDown() override { QGuiApplication::setPalette(m_saved); }

    static QColor Role(QPalette::ColorRole role, QPalette::ColorGroup group = QPalette::Active)
    {
        return QGuiApplication::palette().color(group, role);
    }

    QPalette m_saved;
};

TEST_F(TColorTest, MapsValuesToColours)
{
    const QColor fallback(1, 2, 3);
    struct Case {
        TColor value;
        QColor expected;
    };
    const std::vector<Case> cases = {
        {0x000000FF, QColor(255, 0, 0)},
        {0x0000FF00, QColor(0, 255, 0)},
        {0x00FF0000, QColor(0, 0, 255)},
        {13393454, QColor(0x2E, 0x5E, 0xCC)},
        {16773057, QColor(0xC1, 0xEF, 0xFF)},
        {clWhite, QColor(255, 255, 255)},
        {clBlack, QColor(0, 0, 0)},
        {clNone, fallback},
        {clDefault, fallback},
        {0x01FF8040, QColor(0x40, 0x80, 0xFF)},
        {0x20000001, QColor(0x01, 0x00, 0x00)},
        {clBtnFace, Role(QPalette::Button)},
        {-16777201, Role(QPalette::Button)},
        {clWindow, Role(QPalette::Base)},
        {clWindowText, Role(QPalette::Text)},
        {clHighlightText, Role(QPalette::HighlightedText)},
        {clBtnShadow, Role(QPalette::Dark)},
        {SystemColor(4), Role(QPalette::Window)},
        {SystemColor(7), Role(QPalette::WindowText)},
        {SystemColor(13), Role(QPalette::Highlight)},
        {SystemColor(17), Role(QPalette::Text, QPalette::Disabled)},
        {SystemColor(18), Role(QPalette::ButtonText)},
        {SystemColor(20), Role(QPalette::Light)},
        {SystemColor(21), Role(QPalette::Shadow)},
        {SystemColor(22), Role(QPalette::Midlight)},
        {SystemColor(23), Role(QPalette::ToolTipText)},
        {SystemColor(24), Role(QPalette::ToolTipBase)},
        {SystemColor(26), Role(QPalette::Link)},
        {SystemColor(30), Role(QPalette::Window)},
        {static_cast<TColor>(0x8000000Fu), Role(QPalette::Button)},
        {SystemColor(25), fallback},
        {SystemColor(31), fallback},
        {static_cast<TColor>(0xFFFFFFFFu), fallback},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QString::number(static_cast<quint32>(c.value), 16).toStdString());
        EXPECT_EQ(ToQColor(c.value, fallback), c.expected);
    }
}

TEST_F(TColorTest, EverySystemIndexOtherThan25HasAColour)
{
    for (int index = 0; index <= 30; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(SystemColorToQColor(index).isValid(), index != 25);
    }
}

TEST_F(TColorTest, WithoutFallbackNoneIsTransparentAndDefaultIsWindowText)
{
    EXPECT_EQ(ToQColor(clNone).alpha(), 0);
    EXPECT_EQ(ToQColor(clDefault), Role(QPalette::WindowText));
    EXPECT_EQ(ToQColor(0x00123456), QColor(0x56, 0x34, 0x12));
}

} // namespace
} // namespace tavrin
