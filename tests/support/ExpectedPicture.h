#pragma once

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <vector>

namespace garabel::test {

// Whether `actual` equals tests/expected/<name>.png pixel for pixel (colour and alpha).
// On a mismatch both pictures are saved with savePicture(), as <name>.actual and
// <name>.expected, to look at side by side. With GARABEL_WRITE_EXPECTED=1 in the
// environment the expected picture is written from `actual` instead (look at it
// before committing it).
::testing::AssertionResult matchesExpectedPicture(const QImage &actual, const QString &name);

// The pictures in one row, each at its own size and top-aligned, on transparent: a
// picture of another size or a missing one shifts the rest.
QImage sideBySide(const std::vector<QImage> &pictures);

} // namespace garabel::test
