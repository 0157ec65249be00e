#include "app/desktop_look.h"

#include "app/program_identity.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOption>
#include <QTranslator>
#include <QWidget>
#include <QWindow>

namespace vantor {

namespace {

// The sizes a window icon is shown at: title bars and taskbars take 16 to 32
// pixels, window switchers up to 64, on screens of up to twice the density.
// Larger pictures are for the menu and the software centre, which take them
// from the installed icon theme instead.
constexpr int LargestWindowIcon = 64;

QIcon programIcon()
{
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/window-icon"), QDir::Files, QDirIterator::Subdirectories);
    while (sizes.hasNext()) {
        const QString file = sizes.next();
        // The build renders the icon into folders named for their size:
        // ":/window-icon/32x32/apps/<app id>.png".
        const int side = file.section(QLatin1Char('/'), 2, 2).section(QLatin1Char('x'), 0, 0).toInt();
        if (side <= 0 || side > LargestWindowIcon)
            continue;
        // Read as PNG and nothing else: left to guess, or even told the format,
        // the reader loads every image plugin, JPEG's library among them, to
        // ask each whether it can read the file.
        QImageReader reader(file, "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

// Decoding the icon and handing every size to the window system was a fifth
// of the work before the first window appeared. The icon is not needed to
// use the window, so it is given once the first window is on screen and its
// first frame drawn; until then the desktop shows the icon of the menu entry
// (or, on Windows, the one in the executable).
class IconOnceShown : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && watched->isWindowType()
            && static_cast<QWindow *>(watched)->isExposed() && !m_done) {
            m_done = true;
            // Queued: the exposed window paints its first frame before this runs.
            QMetaObject::invokeMethod(this, [this] {
                QApplication::setWindowIcon(programIcon());
                qApp->removeEventFilter(this);
                deleteLater();
            }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_done = false;
};

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
    app.installEventFilter(new IconOnceShown(&app));
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
