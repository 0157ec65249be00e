#include "app/system_desktop.h"

#include "report/notice_sound.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#ifdef VANTOR_HAVE_CANBERRA
#include <canberra.h>
#include <dlfcn.h>

#include <memory>
#endif

namespace vantor {

namespace {

#ifdef VANTOR_HAVE_CANBERRA

void ignoreAlsaError(const char *, int, const char *, int, const char *, ...) {}

// A machine without a sound card is an ordinary place for this tool to run,
// yet ALSA reports each failed device lookup on stderr. The library is already
// part of the process when canberra's ALSA driver is in use; if it is absent
// there is nothing to silence.
void silenceAlsa()
{
    using ErrorHandler = void (*)(const char *, int, const char *, int, const char *, ...);
    using SetErrorHandler = int (*)(ErrorHandler);
    void *alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!alsa)
        return;
    if (auto setHandler = reinterpret_cast<SetErrorHandler>(dlsym(alsa, "snd_lib_error_set_handler")))
        setHandler(ignoreAlsaError);
    dlclose(alsa);
}

using SoundContext = std::unique_ptr<ca_context, decltype(&ca_context_destroy)>;

SoundContext openSoundContext()
{
    ca_context *context = nullptr;
    if (ca_context_create(&context) != CA_SUCCESS)
        return {nullptr, ca_context_destroy};
    SoundContext owned{context, ca_context_destroy};
    ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Vantor", nullptr);
    if (ca_context_open(context) != CA_SUCCESS)
        return {nullptr, ca_context_destroy};
    silenceAlsa();
    return owned;
}

// False when the sound could not be played, e.g. no sound device or no such
// sound in the desktop's theme.
bool playThemeSound(const QString &eventId)
{
    static const SoundContext context = openSoundContext();
    if (!context)
        return false;
    return ca_context_play(context.get(), 0, CA_PROP_EVENT_ID, eventId.toUtf8().constData(),
                           CA_PROP_EVENT_DESCRIPTION, "お知らせ", nullptr)
        == CA_SUCCESS;
}

#endif

} // namespace

QTime SystemDesktop::timeOfDay() const
{
    return QTime::currentTime();
}

void SystemDesktop::playNoticeSound(int kind)
{
    const NoticeSound sound = noticeSoundFor(kind);
#ifdef Q_OS_WIN
    if (!sound.plainBeep) {
        MessageBeep(UINT(sound.messageBeepType));
        return;
    }
#elif defined(VANTOR_HAVE_CANBERRA)
    if (!sound.plainBeep && playThemeSound(sound.eventId))
        return;
#endif
    QApplication::beep();
}

void SystemDesktop::callForAttention()
{
    // The taskbar entry flashes until the player comes back to the window.
    if (m_window && !m_window->isActiveWindow())
        QApplication::alert(m_window);
}

bool SystemDesktop::confirm(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel, m_window);
    return box.exec() == QMessageBox::Ok;
}

void SystemDesktop::inform(const QString &title, const QString &text, std::function<void()> closed)
{
    // Modal to the window only and without a loop of its own: the board's
    // clock and countdowns go on while the notice waits for the player.
    auto *box = new QMessageBox(QMessageBox::Information, title, text, QMessageBox::Ok, m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QDialog::finished, box, [closed = std::move(closed)] { closed(); });
    box->open();
}

void SystemDesktop::runDialog(QDialog &dialog)
{
    dialog.exec();
}

} // namespace vantor
