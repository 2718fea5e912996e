#pragma once

#include <QByteArray>
#include <QString>

namespace garabel {

// A file name as the system stores it (bytes) and as the program holds it (a
// QString), both ways without loss. Names are UTF-8; a byte that is not part
// of a UTF-8 character (a name written in an old 8-bit encoding, such as
// Latin-1 "caf\xE9.png") is held as the lone surrogate U+DC80 + (byte - 0x80),
// so that the file still opens under the name given. Qt's own conversion
// would turn such bytes into U+FFFD and lose the file.
QString decodedFileName(const QByteArray &stored);
QByteArray encodedFileName(const QString &name);

} // namespace garabel
