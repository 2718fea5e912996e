#pragma once

class QComboBox;
class QString;
class QWidget;

namespace garabel {

class PictureButton;

// Gives the window's own controls what a screen reader asks of them: the
// picture buttons their role and their checked state, the colour strip one
// child for each swatch, named by its colour. Installed once, before the
// first of those controls is asked for.
void installAccessibleControls();

// Gives a picture button a description that says its state ("grosor 3") and
// tells a screen reader, which speaks it while the button has the focus.
void describeState(QWidget &button, const QString &words);

// Tells a screen reader that whether the button is chosen changed, or that a
// press left it chosen as it was: the press is heard as done.
void tellChosen(QWidget &button);

// A screen reader hears the button chosen while `inEffect` holds, though its
// face shows no mark: the option in effect before any of its group was pressed.
void setInEffect(PictureButton &button, bool inEffect);

// The keys come to the list's field with nothing selected, so that an arrow is
// heard as the new entry alone, not as a selection going first. For lists whose
// typing means nothing.
void keepFieldUnselected(QComboBox &list);

} // namespace garabel
