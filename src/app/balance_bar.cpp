#include "app/balance_bar.h"

#include "app/board_layout.h"
#include "app/board_scaler.h"
#include "board/post_display.h"

#include <QPainter>
#include <qdrawutil.h>

namespace vantor {

BalanceBar::BalanceBar(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("balanceBar"));
    setAccessibleName(QStringLiteral("毎分の戦果の差"));
    setToolTip(QStringLiteral("両軍の毎分の戦果の差：西軍の分は左から、東軍の分は右から色が付きます"));
    m_cells.fill(QColor(NeutralGrey));
}

void BalanceBar::display(const std::array<QColor, BalanceCells> &cells, Rates rates)
{
    const QString balance = rates.west > 0   ? QStringLiteral("西軍が毎分 %1 多く得ています").arg(rates.west)
                            : rates.east > 0 ? QStringLiteral("東軍が毎分 %1 多く得ています").arg(rates.east)
                                             : QStringLiteral("差はありません");
    if (accessibleDescription() != balance)
        setAccessibleDescription(balance);
    if (cells == m_cells)
        return;
    m_cells = cells;
    update();
}

QRect BalanceBar::cellRect(int k) const
{
    // Cells are placed as the board places its controls, so that they stay
    // where they were designed at every scale.
    const qreal scale = qreal(width()) / layout::BalanceBar.width();
    const QRect cell = twipsRect(layout::BalanceCellLeft + layout::BalanceCellPitch * k, 0, layout::BalanceCellWidth, 0);
    const QRect inBar(cell.left() - layout::BalanceBar.left(), 0, cell.width(), layout::BalanceBar.height());
    return scaledRect(inBar, scale);
}

void BalanceBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (int k = 0; k < BalanceCells; ++k) {
        const QRect cell = cellRect(k).intersected(rect());
        painter.fillRect(cell, m_cells[k]);
        qDrawShadePanel(&painter, cell, palette(), true, 1);
    }
}

} // namespace vantor
