#include "app/frm_about.h"

#include "app/artwork.h"
#include "app/desktop_look.h"
#include "app/program_identity.h"
#include "app/twips.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace vantor {

namespace {

QLabel *centred(QWidget *parent, const QString &text, QRect geometry)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    setFont(gothicFont(9));
    setFixedSize(px(6600), px(2235));

    QLabel *lblTitle = centred(this, QStringLiteral("Vantor  Ver." VANTOR_VERSION), twipsRect(120, 120, 5085, 240));
    lblTitle->setFont(gothicFont(9, true));
    centred(this, QStringLiteral("合戦状況記録ツール"), twipsRect(120, 360, 5085, 225));
    centred(this, QStringLiteral("Vantor 開発チーム"), twipsRect(120, 600, 5175, 255));

    auto *Line1 = new QFrame(this);
    Line1->setGeometry(px(120), px(960) - 1, px(5280) - px(120), 3);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    auto *lblDisclaimer = new QLabel(
        QStringLiteral("注意事項...このプログラムの使用によって生じたいかなる問題についても、"
                       "作者は一切の責任を負いません。各自の責任においてご使用ください。"),
        this);
    lblDisclaimer->setGeometry(twipsRect(120, 1080, 5175, 705));
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *Image1 = new QLabel(this);
    Image1->setGeometry(twipsRect(5400, 240, 915, 1320));
    Image1->setPixmap(QPixmap::fromImage(aboutPicture()));

    auto *cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setGeometry(twipsRect(4560, 1800, 1905, 345));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace vantor
