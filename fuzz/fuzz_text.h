// What the fuzz targets share: turning the fuzzer's bytes into texts a user
// could have typed, and stopping with a readable account when a property fails.
#pragma once

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vantor::fuzz {

// Read as UTF-8 the bytes make short ASCII texts easy to reach; read as UTF-16
// they reach every code unit a text box can hold, lone surrogates included.
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

template<typename Check> void forEachReading(const uint8_t *data, size_t size, Check check)
{
    check(utf8Text(data, size));
    check(utf16Text(data, size));
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
