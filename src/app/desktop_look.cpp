#include "app/desktop_look.h"

#include "app/program_identity.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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

} // namespace

void setUpDesktopLook(QApplication &app)
{
    app.setStyle(QStringLiteral("Windows"));
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

} // namespace vantor
