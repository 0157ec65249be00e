// The balance of the two armies' gains: 21 sunken cells, the West army's
// filling from the left and the East army's from the right, the rest grey.
#pragma once

#include "board/balance.h"

#include <QWidget>
#include <array>

namespace vantor {

class BalanceBar : public QWidget {
    Q_OBJECT
public:
    explicit BalanceBar(QWidget *parent = nullptr);

    void display(const std::array<QColor, BalanceCells> &cells, Rates rates);
    // Where cell k lies in the bar, at the bar's present size.
    QRect cellRect(int k) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::array<QColor, BalanceCells> m_cells;
};

} // namespace vantor
