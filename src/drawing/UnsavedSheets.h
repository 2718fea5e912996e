#pragma once

#include <QObject>
#include <QString>

#include <vector>

namespace garabel {

class Sheets;

// Which sheets hold drawings that are in no file. The rule: any change to a
// sheet's stored image (a figure, a stroke, a fill, text, a clear, an undo)
// marks the sheet; saving it or opening a picture on it unmarks it. A marked
// sheet on which nothing is left (all background) has nothing to lose and is
// not counted.
class UnsavedSheets : public QObject
{
    Q_OBJECT
public:
    // Watches every sheet `sheets` holds now, all unmarked.
    explicit UnsavedSheets(const Sheets &sheets);

    void markSaved(int sheet);
    // The numbers (from 1, as the sheet buttons show them) of the marked
    // sheets that hold a drawing, in order.
    std::vector<int> unsavedNumbers() const;
    // The quit question, with a second line naming the sheets of `unsaved`
    // when there are any: "...sin guardar: 1, 3 y 10."
    static QString quitQuestion(const std::vector<int> &unsaved);

private:
    const Sheets &m_sheets;
    std::vector<bool> m_marked;
};

} // namespace garabel
