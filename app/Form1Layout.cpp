// The control tree of the window and its layout rules: title strip 26
// pixels, bottom strip 8, side strips 8, the centre gets the rest.

#include "app/Form1.h"

#include "bar/OutlookBar.h"
#include "platform/CjkFont.h"
#include "platform/ImageList.h"
#include "platform/ImgButton.h"
#include "platform/Panel.h"
#include "platform/PictureBox.h"

#include <QLabel>
#include <QTimer>

namespace tavrin {

namespace {

TPanel *MakePanel(QWidget *parent, const char *name)
{
    auto *panel = new TPanel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    return panel;
}

TImage *MakePicture(QWidget *parent, const char *name, bool stretch)
{
    auto *picture = new TImage(parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->SetStretch(stretch);
    return picture;
}

} // namespace

void TForm1::BuildControls()
{
    Panel1 = MakePanel(this, "Panel1");
    Panel5 = MakePanel(Panel1, "Panel5");
    Image1 = MakePicture(Panel5, "Image1", false);
    Label1 = new QLabel(QStringLiteral("Tavrin"), Panel5);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAttribute(Qt::WA_TranslucentBackground);
    Label1->setFont(CjkFont());
    Label1->move(8, 8);
    Label1->adjustSize();
    Panel6 = MakePanel(Panel1, "Panel6");
    Image3 = MakePicture(Panel6, "Image3", true);
    ImgButton2 = new TImgButton(Panel6);
    ImgButton2->setObjectName(QStringLiteral("ImgButton2"));
    ImgButton2->setGeometry(14, 6, 28, 15);
    ImgButton1 = new TImgButton(Panel6);
    ImgButton1->setObjectName(QStringLiteral("ImgButton1"));
    ImgButton1->setGeometry(45, 6, 28, 15);
    Panel7 = MakePanel(Panel1, "Panel7");
    Image2 = MakePicture(Panel7, "Image2", true);

    Panel2 = MakePanel(this, "Panel2");
    Panel8 = MakePanel(Panel2, "Panel8");
    Image6 = MakePicture(Panel8, "Image6", false);
    Panel9 = MakePanel(Panel2, "Panel9");
    Image8 = MakePicture(Panel9, "Image8", false);
    Panel10 = MakePanel(Panel2, "Panel10");
    Image7 = MakePicture(Panel10, "Image7", true);

    Panel3 = MakePanel(this, "Panel3");
    Image4 = MakePicture(Panel3, "Image4", true);
    Panel4 = MakePanel(this, "Panel4");
    Image5 = MakePicture(Panel4, "Image5", true);

    Panel11 = MakePanel(this, "Panel11");
    Image9 = MakePicture(Panel11, "Image9", true);
    list1 = new TmxOutlookBarPro(Panel11);
    list1->setObjectName(QStringLiteral("list1"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(100);

    ImageList1 = std::make_unique<ImageList>(QSize(24, 24));
    ImageList2 = std::make_unique<ImageList>(QSize(24, 24));
}

void TForm1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    LayOut();
}

void TForm1::LayOut()
{
    if (Panel1 == nullptr)
        return;
    const int w = width();
    const int h = height();
    const int centre = std::max(0, h - 34);

    Panel1->setGeometry(0, 0, w, 26);
    Panel5->setGeometry(0, 0, 57, 26);
    Panel6->setGeometry(w - 81, 0, 81, 26);
    Panel7->setGeometry(57, 0, std::max(0, w - 57 - 81), 26);
    Image1->setGeometry(0, 0, 57, 26);
    Image3->setGeometry(0, 0, 81, 26);
    Image2->setGeometry(0, 0, Panel7->width(), 26);
    Image1->lower();

    Panel2->setGeometry(0, h - 8, w, 8);
    Panel8->setGeometry(0, 0, 8, 8);
    Panel9->setGeometry(w - 8, 0, 8, 8);
    Panel10->setGeometry(8, 0, std::max(0, w - 16), 8);
    Image6->setGeometry(0, 0, 8, 8);
    Image8->setGeometry(0, 0, 8, 8);
    Image7->setGeometry(0, 0, Panel10->width(), 8);

    Panel3->setGeometry(0, 26, 8, centre);
    Panel4->setGeometry(w - 8, 26, 8, centre);
    Image4->setGeometry(0, 0, 8, centre);
    Image5->setGeometry(0, 0, 8, centre);

    Panel11->setGeometry(8, 26, std::max(0, w - 16), centre);
    Image9->setGeometry(0, 0, Panel11->width(), centre);
    list1->setGeometry(0, 0, Panel11->width(), centre);
    list1->raise();
}

} // namespace tavrin
