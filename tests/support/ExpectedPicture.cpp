#include "support/ExpectedPicture.h"

#include "support/Pixels.h"

#include <QPainter>

#include <algorithm>

namespace garabel::test {

namespace {

QString expectedPath(const QString &name)
{
    return QStringLiteral(GARABEL_EXPECTED_PICTURES "/%1.png").arg(name);
}

// Premultiplied, so that every see-through pixel compares equal whatever colour it keeps.
QImage comparable(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The number of differing pixels and the first of them.
std::pair<int, QPoint> difference(const QImage &a, const QImage &b)
{
    int count = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) == b.pixel(x, y))
                continue;
            if (count++ == 0)
                first = QPoint(x, y);
        }
    }
    return {count, first};
}

} // namespace

::testing::AssertionResult matchesExpectedPicture(const QImage &actual, const QString &name)
{
    if (qEnvironmentVariableIntValue("GARABEL_WRITE_EXPECTED") == 1 && !actual.isNull())
        comparable(actual).save(expectedPath(name));
    const QImage expected = comparable(QImage(expectedPath(name)));
    const QImage shown = comparable(actual);
    auto failure = [&] {
        savePicture(shown, name + QStringLiteral(".actual"));
        savePicture(expected, name + QStringLiteral(".expected"));
        return ::testing::AssertionFailure() << name.toStdString() << ": ";
    };
    if (expected.isNull())
        return failure() << "no readable " << expectedPath(name).toStdString();
    if (shown.size() != expected.size())
        return failure() << "size " << shown.width() << "x" << shown.height() << ", expected "
                         << expected.width() << "x" << expected.height();
    const auto [count, first] = difference(shown, expected);
    if (count > 0)
        return failure() << count << " pixels differ, the first at " << first.x() << "," << first.y();
    return ::testing::AssertionSuccess();
}

QImage sideBySide(const std::vector<QImage> &pictures)
{
    int width = 0;
    int height = 0;
    for (const QImage &picture : pictures) {
        width += picture.width();
        height = std::max(height, picture.height());
    }
    QImage row(std::max(width, 1), std::max(height, 1), QImage::Format_ARGB32_Premultiplied);
    row.fill(Qt::transparent);
    QPainter painter(&row);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    int x = 0;
    for (const QImage &picture : pictures) {
        painter.drawImage(x, 0, picture);
        x += picture.width();
    }
    return row;
}

} // namespace garabel::test
