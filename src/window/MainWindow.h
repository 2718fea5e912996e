#pragma once

// src/window: the main window whole (split by concern into MainWindow*.cpp),
// its controls, layout, palette, pictures and colour strip. Uses every folder.

#include "drawing/DrawingState.h"
#include "drawing/Sheets.h"
#include "drawing/UndoRing.h"
#include "window/ButtonArray.h"
#include "window/StartFolder.h"

#include <QPointF>
#include <QWidget>

#include <memory>
#include <vector>

namespace garabel {

class Button;
class CanvasAccessible;
class CanvasAndSheet;
class ColourStripSwatch;
class ColourStripView;
class ComboBox;
class ImageBox;
class KeyboardPointer;
class Label;
class Platform;
class ShownSurface;
class Surface;
class SurfaceView;
class TextBox;
class Tool;
class ToolBox;
class UnsavedSheets;
struct PointerEvent;
struct ViewGuides;
class WindowToolControls;

// The window: owns the controls, the drawing surfaces, the drawing state and the
// platform, all private, and wires the controls' events to the handlers. The
// handlers are defined by concern in the MainWindow*.cpp files of this folder
// (start-up, layout, palette, grid, canvas, colour, options, files, drops,
// keyboard and screen reader). Subsystems get narrow objects (the
// sheets, the pen, the undo ring), never the window.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    // Creates the controls and surfaces, lays them out for the platform's screen
    // and sets the drawing state up: the window is ready to show.
    explicit MainWindow(Platform &platform, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Covers the screen's available area (the whole screen without a window manager).
    void showOnScreen();

    // The events of the controls, wired in the constructor; each does what a
    // click, a pick from a list or a pointer event on the canvas does.
    void onPaletteButton(PaletteButton button);
    void onGridButton(int index);
    void onSheetButton(int index);
    void onMirrorButton(int index);
    void onPolygonModeButton(int index);
    void onCircleKindButton(int index);
    void onPenWidthButton(int index);
    void onFillPatternButton(int index);
    void onFontStyleButton(int index);
    void onEraserSizeButton(int index);
    void onFontSizeChosen();
    void onFontSizeTyped();
    void onFontNameChosen();
    void onCanvasPressed(int button, int shift, double x, double y);
    void onCanvasMoved(int button, int shift, double x, double y);
    void onCanvasReleased(int button, int shift, double x, double y);
    void onCanvasLeft();
    void onColourStripPressed(int button, int shift, double x, double y);
    void onTextEdited();
    // Ctrl+Y or Ctrl+Shift+Z: takes back the last undo of the current sheet.
    void onRedo();
    // Escape: the figure being dragged goes, or else the help page gives the drawing back.
    void onEscape();
    // The text typed for the text tool and not yet placed goes on the canvas and
    // the sheet where its prompt shows it: on Enter, and first thing when the
    // tool, the sheet or the drawing is about to change. True when it placed some.
    bool placePendingText();
    // Opens a picture file on the current sheet as a choice in the open dialog
    // does, with the same checks and messages: the command line's picture, a
    // dropped file.
    void openPictureFile(const QString &name);

protected:
    // Closing the window any other way asks the quit question first.
    void closeEvent(QCloseEvent *event) override;
    // One file dropped on the window is opened; anything else is refused.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Tests read pixels, the drawing state and the controls through the probe.
    friend class WindowProbe;

    // --- start-up and layout (MainWindowStartup.cpp, MainWindowLayout.cpp) ---
    // The start-up state of lists, fonts, grid and tool; the constructor's last step.
    void start();
    void layOut();
    // Keyboard shortcuts and tooltips of the palette and option buttons.
    void installShortcutsAndTips();
    void createSurfaces();
    void createPalette();
    void createOptionButtons();
    void createListsAndLabels();
    void createImages();
    void wireEvents();
    // Asks the quit question; a Yes is remembered, so that the window's closing
    // after the exit button does not ask a second time.
    bool confirmQuit();
    // The drawing target, the tools' view of the controls and the tools (MainWindowPalette.cpp).
    void createTools();
    // The tool the palette chose last.
    Tool *currentTool() const;
    // Its palette button shown pressed in, and only it.
    void showCurrentTool();
    // The first reflection button green exactly while no mirror is on.
    void markNoMirror();
    // Each option group's button of the value in use green, none where that
    // value has no button; the start-up's marks (MainWindowOptions.cpp).
    void markOptionsInUse();
    // Snapping or moving freely green, whichever is on (MainWindowGrid.cpp).
    void markSnapping();

    // --- keyboard and screen reader (MainWindowAccess.cpp) ---
    // What each button's mark means, the names a screen reader reads and the
    // Tab order; the constructor's last step, once everything is placed.
    void prepareForKeyboardAndReader();
    void orderTabStops();

    // --- the canvas from the keyboard and for a screen reader (MainWindowKeyboard.cpp,
    // MainWindowCanvas.cpp) ---
    // Focus by click or Tab, its frame, the keyboard pointer, the accessible value.
    void createKeyboardAccess();
    // The drag in progress draws nothing more: its figure goes, its release commits nothing.
    void cancelDrag();
    // Undo, redo and a sheet switch work on the sheets as they were before the
    // drag: a drag in progress goes first, as on Escape.
    void cancelDragInProgress();
    // The canvas's accessible value says what the tool just drew, when it drew
    // something; true then.
    bool tellDrawn(Tool &tool);
    // An event for the tools at the view's point (twips), snapped to the grid.
    PointerEvent pointerEvent(int buttons, int shift, double x, double y) const;
    // Where the crosshair is, in words, with the size of a figure being dragged.
    QString placeWords() const;
    // The help page read as text, button by button, for the canvas's description.
    QString helpText() const;
    // The help page on the canvas, for the eyes and the screen reader, and away.
    void showHelp();
    void leaveHelp();
    // What the palette's pen-width button says: the width now.
    void tellPenWidth();

    // --- options (MainWindowOptions.cpp) ---
    // The font size of the pen and the text's label.
    void applyFontSize(double points);

    // --- colour and files (MainWindowColour.cpp, MainWindowFiles.cpp) ---
    // The axes of the mirrors that are on, as the canvas view shows them.
    ViewGuides mirrorAxes() const;
    void chooseColourInDialog();
    void openPicture();
    void savePicture();
    // A file dropped anywhere on the window comes to the window, text fields included.
    void acceptPictureDrops();

    Surface &currentSheetImage() const { return m_sheets.current(); }
    // The canvas shows the help page, not a sheet.
    bool helpShown() const;
    // The current sheet on the whole canvas, with the dots; the overlay goes.
    void showCurrentSheet();
    // The same after the help page; otherwise only the overlay goes.
    void showSheetAgain();
    // The sheet alone, with nothing under it; otherwise only the overlay goes.
    void showSheetAlone();

    Platform &m_platform;
    DrawingState m_state;
    std::unique_ptr<ShownSurface> m_canvas;
    std::unique_ptr<ShownSurface> m_colourStrip;
    SurfaceView *m_canvasView = nullptr;  // owned by the window
    ColourStripView *m_stripView = nullptr;  // owned by the window
    std::unique_ptr<ColourStripSwatch> m_colourSwatch;
    PaletteButtons m_paletteButtons;
    ButtonArray m_gridButtons, m_mirrorButtons, m_sheetButtons, m_polygonModeButtons, m_circleKindButtons,
        m_penWidthButtons, m_fillPatternButtons, m_fontStyleButtons, m_eraserSizeButtons;
    std::unique_ptr<Label> m_sideCountLabel, m_textPreview;
    std::unique_ptr<ComboBox> m_sideCountList, m_fontSizeList, m_fontNameList;
    std::unique_ptr<TextBox> m_textInput;
    std::unique_ptr<ImageBox> m_cursorPicture, m_helpPicture;
    // After the canvas and the sheet buttons, which they refer to.
    Sheets m_sheets;
    UndoRing m_undoRing;
    std::unique_ptr<CanvasAndSheet> m_drawingTarget;
    std::unique_ptr<WindowToolControls> m_toolControls;
    std::unique_ptr<ToolBox> m_tools;
    // Once the sheets are all there, at the end of the constructor.
    std::unique_ptr<UnsavedSheets> m_unsavedSheets;
    StartFolder m_startFolder;
    int m_saveFilter = 1;  // the save dialog's filter of the last picture saved, from 1
    bool m_quitConfirmed = false;
    // Between a press on the canvas and its release: Ignored after a press that
    // took the help page away, or after Escape, when the drag and release draw nothing.
    enum class Drag { None, Drawing, Ignored } m_drag = Drag::None;
    // The pointer on the canvas, snapped: the crosshair where the last move left
    // it, and where the button last went down.
    struct CanvasPointer {
        QPointF at, pressedAt;
    } m_pointer;
    KeyboardPointer *m_keyboardPointer = nullptr;  // owned by the canvas view
    std::unique_ptr<CanvasAccessible> m_canvasAccessible;
};

} // namespace garabel
