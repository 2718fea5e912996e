#pragma once

#include "app/DrawingState.h"

#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

namespace garabel {

class Button;
class ComboBox;
class ImageBox;
class Label;
class Platform;
class SnapshotStore;
class Surface;
class SurfaceView;
class TextBox;

using ButtonArray = std::vector<std::unique_ptr<Button>>;

// The window: owns the controls, the drawing surfaces, the drawing state and the
// platform, and wires the controls' events to the handlers. The handlers keep
// the design's names and are defined in the folder of their subsystem:
// start-up, layout, palette, sheets, grid and undo in app/, pointer tracking in
// track/, the release in commit/, colour, options and files in options/.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    explicit Form1(Platform &platform, QWidget *parent = nullptr);
    ~Form1() override;

    // --- start-up and layout (app/) ---
    void Form_Load();
    void ArrangeControls();
    // Covers the screen's available area (the whole screen without a window manager).
    void showOnScreen();

    // --- palette, sheets, grid, undo (app/) ---
    void Command1_Click(int index);
    void Command2_Click(int index);
    void Command4_Click(int index);
    void LoadUndoSlots();
    void PushUndoSnapshot();
    // A push that the end of the same release takes back when the sheet has not
    // changed since, so that a release that drew nothing leaves no step to undo.
    void PushTentativeUndoSnapshot();
    void DropUnchangedUndoSnapshot();
    void UndoStep();

    // --- pointer tracking (track/) ---
    void Picture1_MouseDown(int button, int shift, double x, double y);
    void Picture1_MouseMove(int button, int shift, double x, double y);
    void Picture1_MouseLeave();
    void PreviewCircle();
    void PreviewRectangle();
    void PreviewPolygon();

    // --- release (commit/) ---
    void Picture1_MouseUp(int button, int shift, double x, double y);
    void Text1_Change();

    // --- colour, options, files (options/) ---
    void picture3_MouseDown(int button, int shift, double x, double y);
    void ShowColorDialog();
    void Command3_Click(int index);
    void Command5_Click(int index);
    void Command6_Click(int index);
    void Command7_Click(int index);
    void Command8_Click(int index);
    void Command9_Click(int index);
    void Command10_Click(int index);
    void Combo2_Click();
    void Combo3_Click();
    void OpenImageFile();
    void SaveImageFile();

    Platform &platform() const { return m_platform; }
    Surface &sheet() const { return *Picture2[state.Sheet]; }
    SurfaceView *canvasView() const { return m_canvasView; }
    SnapshotStore &undoStore() const { return *m_undo; }

    // The drawing state and the controls, by the design's names.
    DrawingState state;
    std::unique_ptr<Surface> Picture1;
    std::vector<std::unique_ptr<Surface>> Picture2;
    std::unique_ptr<Surface> Picture3;
    ButtonArray Command1, Command2, Command3, Command4, Command5, Command6, Command7, Command8,
        Command9, Command10;
    std::unique_ptr<Label> Label1, Label2;
    std::unique_ptr<ComboBox> Combo1, Combo2, Combo3;
    std::unique_ptr<TextBox> Text1;
    std::unique_ptr<ImageBox> Image11, Image12;

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
};

} // namespace garabel
