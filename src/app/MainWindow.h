#pragma once

#include "app/DrawingState.h"
#include "app/PaletteButton.h"

#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

namespace garabel {

class Button;
class ComboBox;
class DrawingTarget;
class ImageBox;
class Label;
class Platform;
class SnapshotStore;
class ShownSurface;
class Surface;
class SurfaceView;
class TextBox;
class Tool;
class ToolBox;
class WindowToolControls;

// The window: owns the controls, the drawing surfaces, the drawing state and the
// platform, and wires the controls' events to the handlers. The handlers keep
// the design's names and are defined in the folder of their subsystem:
// start-up, layout, palette, sheets, grid and undo in app/, pointer tracking in
// track/, the release in commit/, colour, options and files in options/.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindow(Platform &platform, QWidget *parent = nullptr);
    ~MainWindow() override;

    // --- start-up and layout (app/) ---
    void start();
    void layOut();
    // Covers the screen's available area (the whole screen without a window manager).
    void showOnScreen();

    // --- palette, sheets, grid, undo (app/) ---
    void onPaletteButton(PaletteButton button);
    void onGridButton(int index);
    void onSheetButton(int index);
    void fillUndoRing();
    void pushUndoSnapshot();
    // A push that the end of the same release takes back when the sheet has not
    // changed since, so that a release that drew nothing leaves no step to undo.
    void pushTentativeUndoSnapshot();
    void dropUnchangedUndoSnapshot();
    void undo();

    // --- pointer tracking (track/) ---
    void onCanvasPressed(int button, int shift, double x, double y);
    void onCanvasMoved(int button, int shift, double x, double y);
    void onCanvasLeft();

    // --- release (commit/) ---
    void onCanvasReleased(int button, int shift, double x, double y);
    void onTextEdited();

    // --- colour, options, files (options/) ---
    void onColourStripPressed(int button, int shift, double x, double y);
    void chooseColourInDialog();
    void onMirrorButton(int index);
    void onPolygonModeButton(int index);
    void onCircleKindButton(int index);
    void onPenWidthButton(int index);
    void onFillPatternButton(int index);
    void onFontStyleButton(int index);
    void onEraserSizeButton(int index);
    void onFontSizeChosen();
    void onFontNameChosen();
    void openPicture();
    void savePicture();

    Platform &platform() const { return m_platform; }
    Surface &currentSheetImage() const { return *sheetImages[state.sheet]; }
    SurfaceView *canvasView() const { return m_canvasView; }
    SnapshotStore &undoStore() const { return *m_undo; }

    // The drawing state and the controls, by the design's names.
    DrawingState state;
    std::unique_ptr<ShownSurface> canvas;
    std::vector<std::unique_ptr<Surface>> sheetImages;
    std::unique_ptr<ShownSurface> colourStrip;
    PaletteButtons paletteButtons;
    ButtonArray gridButtons, mirrorButtons, sheetButtons, polygonModeButtons, circleKindButtons, penWidthButtons, fillPatternButtons,
        fontStyleButtons, eraserSizeButtons;
    std::unique_ptr<Label> sideCountLabel, textPreview;
    std::unique_ptr<ComboBox> sideCountList, fontSizeList, fontNameList;
    std::unique_ptr<TextBox> textInput;
    std::unique_ptr<ImageBox> cursorPicture, helpPicture;

protected:
    // Closing the window any other way asks the quit question first.
    void closeEvent(QCloseEvent *event) override;

private:
    // Keyboard shortcuts and tooltips of the palette and option buttons.
    void installShortcutsAndTips();
    void createSurfaces();
    void createPalette();
    void createOptionButtons();
    void createListsAndLabels();
    void createImages();
    void wireEvents();
    // The drawing target, the tools' view of the controls and the tools (Palette.cpp).
    void createTools();
    // The tool the palette chose last.
    Tool *currentTool() const;
    // Asks the quit question; a Yes is remembered, so that the window's closing
    // after the exit button does not ask a second time.
    bool confirmQuit();

    Platform &m_platform;
    SurfaceView *m_canvasView = nullptr;
    SurfaceView *m_stripView = nullptr;
    std::unique_ptr<SnapshotStore> m_undo;
    void captureIntoRing();
    void settleUndoSnapshot();
    // The ring position and pending flag from before a tentative push, from the
    // press or release that made it to the end of that release.
    struct UndoMark {
        int sheet, pos;
        bool pending;
    };
    std::optional<UndoMark> m_tentativePush;
    bool m_quitConfirmed = false;
    std::unique_ptr<DrawingTarget> m_drawingTarget;
    std::unique_ptr<WindowToolControls> m_toolControls;
    std::unique_ptr<ToolBox> m_tools;
};

} // namespace garabel
