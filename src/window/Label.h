#pragma once

#include "raster/Rgb.h"
#include "window/Control.h"

#include <QFont>
#include <QString>

class QLabel;

namespace garabel {

// A label with a transparent background; with auto-size it fits its caption.
class Label : public Control
{
public:
    Label(QWidget *parent, QPoint origin = {}, bool autoSize = false);

    QString caption() const;
    void setCaption(const QString &caption);
    Rgb foreColor() const { return m_foreColor; }
    void setForeColor(Rgb colour);
    QFont font() const;
    void setFont(const QFont &font);
    void setFontName(const QString &name);
    void setFontSize(double points);
    void setFontBold(bool on);
    void setFontItalic(bool on);
    QLabel *label() const { return m_label; }

private:
    void fit();

    QLabel *m_label;
    bool m_autoSize;
    Rgb m_foreColor = kBlack;
};

} // namespace garabel
