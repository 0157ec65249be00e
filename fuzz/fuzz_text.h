// What the fuzz targets share: turning the fuzzer's bytes into texts a user
// could have typed, and stopping with a readable account when a property fails.
#pragma once

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace vantor::fuzz {

// Read as UTF-8 the bytes make short ASCII texts easy to reach; read as UTF-16
// they reach every code unit a text box can hold, lone surrogates included.
// Read as full-width typing they reach numbers and times an input method gives.
inline QString utf8Text(const uint8_t *data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}

inline QString utf16Text(const uint8_t *data, size_t size)
{
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    if (!text.isEmpty())
        std::memcpy(text.data(), data, size / 2 * sizeof(char16_t));
    return text;
}

// A text typed through a Japanese input method in full-width mode, beside the
// ASCII text a player would have typed for it. Each byte picks one character:
// the high bit chooses the full-width form or the ASCII one.
struct TypedTwins {
    QString typed;
    QString ascii;
};

inline TypedTwins fullWidthTwins(const uint8_t *data, size_t size)
{
    struct Form {
        char16_t ascii;
        char16_t wide;
    };
    // The prolonged sound mark the minus key types in kana mode is a letter.
    static constexpr Form forms[] = {
        {u'0', u'０'}, {u'1', u'１'}, {u'2', u'２'}, {u'3', u'３'}, {u'4', u'４'}, {u'5', u'５'},
        {u'6', u'６'}, {u'7', u'７'}, {u'8', u'８'}, {u'9', u'９'}, {u':', u'：'}, {u'+', u'＋'},
        {u'-', u'－'}, {u'-', u'−'},  {u'.', u'．'}, {u' ', u'\u3000'}, {u'e', u'e'}, {u'x', u'ー'},
    };
    TypedTwins twins;
    for (size_t i = 0; i < size; ++i) {
        const Form &form = forms[(data[i] & 0x7f) % std::size(forms)];
        twins.typed += QChar(data[i] & 0x80 ? form.wide : form.ascii);
        twins.ascii += QChar(form.ascii);
    }
    return twins;
}

template<typename Check> void forEachReading(const uint8_t *data, size_t size, Check check)
{
    check(utf8Text(data, size));
    check(utf16Text(data, size));
    check(fullWidthTwins(data, size).typed);
}

[[noreturn]] inline void stop(const char *property, const QString &account)
{
    std::fprintf(stderr, "\nproperty broken: %s\n%s\n", property, account.toUtf8().constData());
    std::abort();
}

// The code units are printed as well, since the failing text may not be
// printable at all. The context carries the other inputs of the call.
[[noreturn]] inline void fail(const char *property, const QString &text, const QString &context = {})
{
    QString account = QStringLiteral("  text: \"%1\"\n  code units:").arg(text);
    for (QChar c : text)
        account += QStringLiteral(" %1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    if (!context.isEmpty())
        account += QStringLiteral("\n  with: ") + context;
    stop(property, account);
}

inline void require(bool holds, const char *property, const QString &text, const QString &context = {})
{
    if (!holds)
        fail(property, text, context);
}

} // namespace vantor::fuzz
