#include "app/desktop_look.h"

#include "app/program_identity.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOption>
#include <QTranslator>
#include <QWidget>

namespace vantor {

namespace {

// Every size the build rendered, so that the taskbar and the title bar each
// take a sharp one rather than a scaled copy.
QIcon programIcon()
{
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/window-icon"), QDir::Files, QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

// The classic style draws check boxes at one size whatever their caption's; on
// a scaled board the box and the gap beside it grow and shrink with the text,
// so the captions keep their designed places and the boxes of three stacked
// options do not overlap.
class IndicatorsFollowTheirText : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const int designed = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_CheckBoxLabelSpacing:
            return widget ? qRound(designed * textScale(widget)) : designed;
        case PM_DefaultFrameWidth:
            // The score step buttons are barely taller than their digits: on a
            // shrunken board a full-width bevel would clip them.
            return qobject_cast<const QPushButton *>(widget) ? qMax(1, qRound(designed * shrink(widget))) : designed;
        default:
            return designed;
        }
    }

    // A frame's title keeps its share of the frame's width when the board shrinks.
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget) const override
    {
        QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        const auto *frame = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
        if (control != CC_GroupBox || part != SC_GroupBoxLabel || !frame || !widget || shrink(widget) == 1.0)
            return rect;
        const int margin = qRound(DesignedTitleMargin * shrink(widget));
        const int room = frame->rect.width() - 2 * margin;
        const int wanted = frame->fontMetrics.size(Qt::TextShowMnemonic, frame->text + QLatin1Char(' ')).width();
        rect.setLeft(frame->rect.left() + margin);
        rect.setWidth(qMin(wanted, room));
        return rect;
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        const int side = QProxyStyle::pixelMetric(PM_IndicatorWidth, option, widget);
        if (element != PE_IndicatorCheckBox || option->rect.width() == side) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // Drawn at its designed size under a transform: lines, not a stretched picture.
        QStyleOptionButton designed;
        designed.QStyleOption::operator=(*option);
        designed.rect = QRect(0, 0, side, side);
        painter->save();
        painter->translate(option->rect.topLeft());
        painter->scale(qreal(option->rect.width()) / side, qreal(option->rect.height()) / side);
        QProxyStyle::drawPrimitive(element, &designed, painter, widget);
        painter->restore();
    }

private:
    // The gap the common style leaves each side of a frame's title.
    static constexpr int DesignedTitleMargin = 8;

    static qreal textScale(const QWidget *widget)
    {
        return widget->font().pointSizeF() / QApplication::font().pointSizeF();
    }
    static qreal shrink(const QWidget *widget) { return qMin(1.0, textScale(widget)); }
};

} // namespace

void setUpDesktopLook(QApplication &app)
{
    app.setStyle(new IndicatorsFollowTheirText(QStringLiteral("Windows")));
    QApplication::setWindowIcon(programIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral(VANTOR_APP_ID));

    // IPAGothic is fixed-width like the design font; the others are the
    // Japanese Gothics most often present when it is not.
    QFont::insertSubstitutions(QString::fromUtf16(DesignFontFamily),
                               {QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic"),
                                QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("Noto Sans CJK JP"),
                                QStringLiteral("VL Gothic"), QStringLiteral("TakaoGothic"),
                                QStringLiteral("MS Gothic")});
    app.setFont(gothicFont(9));

    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

QFont gothicFont(double pointSize, bool bold)
{
    QFont font;
#ifdef Q_OS_WIN
    // Windows has the design font itself; Western editions list it only under
    // its English name.
    font.setFamilies({QString::fromUtf16(DesignFontFamily), QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic")});
#else
    // Asking for the installed stand-in first spares fontconfig a fallback
    // search for the missing design font at every size.
    font.setFamilies({QStringLiteral("IPAGothic"), QString::fromUtf16(DesignFontFamily)});
#endif
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont narrowedToFit(QFont font, const QString &text, int width)
{
    // Font engines round differently: one that gives every letter whole pixels
    // (Windows) needs a narrower face than one that keeps their fractions.
    for (int stretch = QFont::Unstretched; stretch >= QFont::Condensed; --stretch) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(text) <= width)
            break;
    }
    return font;
}

} // namespace vantor
