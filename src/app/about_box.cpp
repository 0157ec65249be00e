#include "app/about_box.h"

#include "app/artwork.h"
#include "app/desktop_look.h"
#include "app/program_identity.h"
#include "app/twips.h"

#include <QEvent>
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

AboutBox::AboutBox(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    setFont(gothicFont(9));
    setFixedSize(px(6600), px(2235));

    QLabel *title = centred(this, QStringLiteral("Vantor  Ver." VANTOR_VERSION), twipsRect(120, 120, 5085, 240));
    title->setFont(gothicFont(9, true));
    centred(this, QStringLiteral("合戦状況記録ツール"), twipsRect(120, 360, 5085, 225));
    centred(this, QStringLiteral("Vantor 開発チーム"), twipsRect(120, 600, 5175, 255));

    auto *separator = new QFrame(this);
    separator->setGeometry(px(120), px(960) - 1, px(5280) - px(120), 3);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);

    auto *disclaimer = new QLabel(
        QStringLiteral("注意事項...このプログラムの使用によって生じたいかなる問題についても、"
                       "作者は一切の責任を負いません。各自の責任においてご使用ください。"),
        this);
    disclaimer->setGeometry(twipsRect(120, 1080, 5175, 705));
    disclaimer->setWordWrap(true);
    disclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_picture = new QLabel(this);
    m_picture->setGeometry(twipsRect(5400, 240, 915, 1320));

    auto *okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setGeometry(twipsRect(4560, 1800, 1905, 345));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

bool AboutBox::event(QEvent *event)
{
    if (event->type() == QEvent::Show || changesPixelDensity(event)) {
        const qreal ratio = devicePixelRatioF();
        m_picture->setPixmap(forScreen(aboutPicture(ratio), ratio));
    }
    return QDialog::event(event);
}

} // namespace vantor
