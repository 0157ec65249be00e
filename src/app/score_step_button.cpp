#include "app/score_step_button.h"

#include <QMouseEvent>

namespace vantor {

ScoreStepButton::ScoreStepButton(Army army, int points, QWidget *parent)
    : QPushButton(QString::number(points), parent)
    , m_army(army)
    , m_points(points)
{
    setObjectName(QStringLiteral("%1Step%2").arg(army == Army::West ? QStringLiteral("west") : QStringLiteral("east")).arg(points));
    // A key would step the score unseen: the buttons are the mouse's.
    setFocusPolicy(Qt::NoFocus);
}

void ScoreStepButton::mousePressEvent(QMouseEvent *event)
{
    const StepDirection direction = event->button() == Qt::LeftButton    ? StepDirection::Up
                                    : event->button() == Qt::RightButton ? StepDirection::Down
                                                                         : StepDirection::Still;
    emit stepped(m_army, m_points, direction);
    QPushButton::mousePressEvent(event); // the left button still shows the press
}

} // namespace vantor
