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
    // A click without the mouse, the Press of an accessibility tool, adds as
    // the left button does; the mouse's own click has stepped at its press.
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (!m_releasing)
            emit stepped(m_army, m_points, StepDirection::Up);
    });
}

void ScoreStepButton::mouseReleaseEvent(QMouseEvent *event)
{
    m_releasing = true;
    QPushButton::mouseReleaseEvent(event);
    m_releasing = false;
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
