// A button beside a score box that steps the score at the press: the left
// button adds its points, the right button takes them away.
#pragma once

#include "board/post_status.h"
#include "score/score_rules.h"

#include <QPushButton>

namespace vantor {

class ScoreStepButton : public QPushButton {
    Q_OBJECT
public:
    ScoreStepButton(Army army, int points, QWidget *parent = nullptr);

    Army army() const { return m_army; }
    int points() const { return m_points; }

signals:
    void stepped(Army army, int points, StepDirection direction);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_releasing = false;
    Army m_army;
    int m_points;
};

} // namespace vantor
