#include "files/FileNames.h"

namespace garabel {

namespace {

constexpr char16_t kFirstEscape = 0xDC80;

// How many bytes the UTF-8 character starting with `lead` takes; 0 when no
// character starts so.
int sequenceLength(quint8 lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

bool isEscape(const QString &name, qsizetype at)
{
    const char16_t c = name[at].unicode();
    const bool afterHighSurrogate = at > 0 && name[at - 1].isHighSurrogate();
    return c >= kFirstEscape && c <= kFirstEscape + 0x7F && !afterHighSurrogate;
}

} // namespace

QString decodedFileName(const QByteArray &stored)
{
    QString name = QString::fromUtf8(stored);
    if (name.toUtf8() == stored)
        return name;
    name.clear();
    for (qsizetype at = 0; at < stored.size();) {
        const qsizetype length = sequenceLength(quint8(stored[at]));
        const QByteArray character = stored.mid(at, length);
        // A valid character decodes and encodes back to itself; anything else
        // becomes U+FFFD, whose three bytes are themselves valid.
        if (length > 0 && character.size() == length && QString::fromUtf8(character).toUtf8() == character) {
            name += QString::fromUtf8(character);
            at += length;
        } else {
            name += QChar(char16_t(kFirstEscape + quint8(stored[at]) - 0x80));
            ++at;
        }
    }
    return name;
}

QByteArray encodedFileName(const QString &name)
{
    QByteArray stored;
    qsizetype runStart = 0;
    for (qsizetype at = 0; at < name.size(); ++at) {
        if (!isEscape(name, at))
            continue;
        stored += QStringView(name).mid(runStart, at - runStart).toUtf8();
        stored += char(name[at].unicode() - kFirstEscape + 0x80);
        runStart = at + 1;
    }
    return stored + QStringView(name).mid(runStart).toUtf8();
}

} // namespace garabel
