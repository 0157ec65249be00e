#include "app/forecast_panel.h"

#include "app/background.h"
#include "board/post_display.h"

#include <QLabel>

namespace vantor {

ForecastPanel::ForecastPanel(QWidget *parent)
    : QGroupBox(QStringLiteral("陣終了予想時刻"), parent)
    , m_caption(new QLabel(QStringLiteral("--:--"), this))
{
    setObjectName(QStringLiteral("forecastPanel"));
    m_caption->setObjectName(QStringLiteral("forecastCaption"));
    m_caption->setAccessibleName(QStringLiteral("陣終了予想時刻"));
    m_caption->setAlignment(Qt::AlignCenter);
    setBackground(this, QColor(NeutralGrey));
    hide();
}

void ForecastPanel::display(const ForecastView &view)
{
    setVisible(view.shown);
    setBackground(this, view.colour);
    m_caption->setText(view.caption);
    setToolTip(view.message);
    m_caption->setToolTip(view.message);
    m_caption->setAccessibleDescription(view.caption + QStringLiteral("、") + view.message);
}

} // namespace vantor
