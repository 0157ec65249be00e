// 陣終了予想時刻: when the battle is expected to end, coloured for the army
// expected to win, with the rule behind the forecast in its tooltip. Shown only
// while battle results are kept.
#pragma once

#include "battle/board_views.h"

#include <QGroupBox>

class QLabel;

namespace vantor {

class ForecastPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit ForecastPanel(QWidget *parent = nullptr);

    void display(const ForecastView &view);
    QLabel *caption() const { return m_caption; }

private:
    QLabel *m_caption;
};

} // namespace vantor
